#include "exchange/basLanguageFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

namespace tralyx {

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
    if (!pudtOut.State.Load(pstrFolder, pudtOut.StateIssue, nullptr, &pudtOut.StateConflict) && pudtOut.StateConflict) {
        booAll = false;  // an unfinished merge is refused like a file that does not load
        pstrErrors.append(pudtOut.StateIssue);
        pudtOut.StateIssue.clear();
    }
    for (const enuFileKind enuFile : AllFileKinds)  // a file that did not load keeps its state as it is
        if (!pudtOut.FileOf(enuFile).isEmpty() && pudtOut.ErrorOf(enuFile).isEmpty()) pudtOut.State.Prune(enuFile, pudtOut.Store);
    return booAll;
}

std::vector<clsTranslationState::udtMismatch> VerifyFolderState(udtLanguageFolder& pudtFolder, const udtLanguageFolder* pudtSource)
{
    std::vector<clsTranslationState::udtMismatch> udtOut;
    for (const enuFileKind enuFile : AllFileKinds) {
        if (pudtFolder.FileOf(enuFile).isEmpty() || !pudtFolder.ErrorOf(enuFile).isEmpty()) continue;
        const bool booSource = pudtSource && !pudtSource->FileOf(enuFile).isEmpty() && pudtSource->ErrorOf(enuFile).isEmpty();
        pudtFolder.State.Verify(enuFile, pudtFolder.Store, booSource ? &pudtSource->Store : nullptr, &udtOut);
    }
    return udtOut;
}

}  // namespace tralyx
