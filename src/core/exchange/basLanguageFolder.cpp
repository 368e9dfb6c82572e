#include "exchange/basLanguageFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace tralyx {

QString FindLanguageFile(const QString& pstrFolder, enuFileKind penuFile)
{
    const QString strWanted = LanguageFileName(penuFile);
    const QDir objFolder(pstrFolder);
    // Not only files: a folder, a FIFO or a dangling link under the name is reported as what it is,
    // not taken for a missing file.
    const QStringList strNames = objFolder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& strName : strNames)
        if (strName == strWanted) return objFolder.filePath(strName);  // the exact name first
    for (const QString& strName : strNames)
        if (strName.compare(strWanted, Qt::CaseInsensitive) == 0) return objFolder.filePath(strName);
    return QString();
}

bool LoadLanguageFolder(const QString& pstrFolder, const QString& pstrCodePage, udtLanguageFolder& pudtOut,
                        QStringList& pstrErrors, std::array<clsFileLock, 3>* pobjLocks)
{
    pudtOut.Path = pstrFolder;
    pudtOut.Store.SetCodePage(pstrCodePage);
    bool booAll = true;
    for (const enuFileKind enuFile : AllFileKinds) {
        const auto k = static_cast<size_t>(enuFile);
        const QString strPath = FindLanguageFile(pstrFolder, enuFile);
        pudtOut.FilePath[k] = strPath;
        if (strPath.isEmpty()) continue;
        bool booOK = false;
        QString strLocked;
        if (!pobjLocks || (*pobjLocks)[k].Lock(strPath, strLocked)) LoadFile(pudtOut.Store, enuFile, strPath, booOK);
        if (booOK) continue;
        booAll = false;
        const udtFileIssue udtError = strLocked.isEmpty() ? pudtOut.Store.LastError() : udtFileIssue{0, strLocked};
        pudtOut.Error[k] = udtError.Line > 0 ? QStringLiteral("line %1: %2").arg(udtError.Line).arg(udtError.Reason) : udtError.Reason;
        pstrErrors.append(udtError.Line > 0 ? QStringLiteral("%1:%2: %3").arg(strPath).arg(udtError.Line).arg(udtError.Reason)
                                            : (udtError.Reason.startsWith(strPath) ? udtError.Reason
                                                                                   : QStringLiteral("%1: %2").arg(strPath, udtError.Reason)));
    }
    pudtOut.State.Load(pstrFolder, pudtOut.StateIssue);
    for (const enuFileKind enuFile : AllFileKinds)  // a file that did not load keeps its state as it is
        if (!pudtOut.FileOf(enuFile).isEmpty() && pudtOut.ErrorOf(enuFile).isEmpty()) pudtOut.State.Prune(enuFile, pudtOut.Store);
    return booAll;
}

QString LanguageCodeOfFolder(const QString& pstrFolder)
{
    const QString strName = QFileInfo(QDir::cleanPath(QDir(pstrFolder).absolutePath())).fileName();
    if (strName.isEmpty()) return QString();
    const QList<QLocale> objLocales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& objLocale : objLocales) {
        if (objLocale.language() == QLocale::C) continue;
        if (QLocale::languageToString(objLocale.language()).compare(strName, Qt::CaseInsensitive) == 0 ||
            objLocale.nativeLanguageName().compare(strName, Qt::CaseInsensitive) == 0)
            return QLocale::languageToCode(objLocale.language());
    }
    return QString();
}

}  // namespace tralyx
