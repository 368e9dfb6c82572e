#include "exchange/basLanguageFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace tralyx {

QString FindLanguageFile(const QString& pstrFolder, enuFileKind penuFile)
{
    const QString strWanted = LanguageFileName(penuFile);
    const QDir objFolder(pstrFolder);
    const QStringList strNames = objFolder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& strName : strNames)
        if (strName == strWanted) return objFolder.filePath(strName);  // the exact name first
    for (const QString& strName : strNames)
        if (strName.compare(strWanted, Qt::CaseInsensitive) == 0) return objFolder.filePath(strName);
    return QString();
}

bool LoadLanguageFolder(const QString& pstrFolder, const QString& pstrCodePage, udtLanguageFolder& pudtOut,
                        QStringList& pstrErrors)
{
    pudtOut.Path = pstrFolder;
    pudtOut.Store.SetCodePage(pstrCodePage);
    bool booAll = true;
    for (const enuFileKind enuFile : AllFileKinds) {
        const QString strPath = FindLanguageFile(pstrFolder, enuFile);
        pudtOut.FilePath[static_cast<size_t>(enuFile)] = strPath;
        if (strPath.isEmpty()) continue;
        bool booOK = false;
        LoadFile(pudtOut.Store, enuFile, strPath, booOK);
        if (booOK) continue;
        booAll = false;
        const udtFileIssue& udtError = pudtOut.Store.LastError();
        pstrErrors.append(udtError.Line > 0 ? QStringLiteral("%1:%2: %3").arg(strPath).arg(udtError.Line).arg(udtError.Reason)
                                            : QStringLiteral("%1: %2").arg(strPath, udtError.Reason));
    }
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
