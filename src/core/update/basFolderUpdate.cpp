#include "update/basFolderUpdate.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tralyx {

QString FolderBlockedBy(const QString& pstrFolder)
{
    QFileInfo objPart(pstrFolder);
    while (!objPart.exists() && !objPart.isRoot()) objPart.setFile(objPart.absolutePath());
    return objPart.isDir() ? QString() : objPart.filePath();
}

udtFolderUpdate UpdateLanguageFolder(const udtUpdateFolders& pudtFolders, const QString& pstrCodePage, bool pbooWrite)
{
    udtFolderUpdate udtOut;
    clsTranslationState objOldState, objNewState;
    QString strReason;
    bool booConflict = false;
    if (!objOldState.Load(pudtFolders.Old, strReason, &booConflict)) {  // ignored: the .lrc files are what counts
        udtOut.StateLine = booConflict ? strReason + QCoreApplication::translate("basFolderUpdate", "; nothing was updated")
                                       : QCoreApplication::translate("basFolderUpdate", "%1; the old state was not carried over").arg(strReason);
        // An unfinished merge holds both sides' records: the update would choose one of them.
        udtOut.StateFailed = booConflict;
        if (booConflict) return udtOut;
    }
    std::vector<enuFileKind> enuWritten;
    const bool booDestinationThere = QFileInfo(pudtFolders.Destination).isDir();
    {
        clsTralyx objStore;  // a store of its own: the editor's tables are never touched by an update
        objStore.SetCodePage(pstrCodePage);
        for (const enuFileKind enuFile : AllFileKinds) {
            udtOut.Files.append(UpdateFile(objStore, enuFile, pudtFolders, pbooWrite, &objOldState, &objNewState));
            if (udtOut.Files.back().IsMerged() && (udtOut.Files.back().Written() || !pbooWrite)) enuWritten.push_back(enuFile);
        }
    }
    // The files' writes make the folder; said once, above them.
    if (!booDestinationThere && pbooWrite && QFileInfo(pudtFolders.Destination).isDir())
        udtOut.DestinationLine =
            QCoreApplication::translate("basFolderUpdate", "Created the destination folder %1.").arg(pudtFolders.Destination);
    else if (!booDestinationThere && !pbooWrite && !enuWritten.empty() && FolderBlockedBy(pudtFolders.Destination).isEmpty())
        udtOut.DestinationLine =
            QCoreApplication::translate("basFolderUpdate", "The destination folder %1 would be created.").arg(pudtFolders.Destination);
    int32_t lngReview = 0, lngTexts = 0;
    for (const enuFileKind enuFile : enuWritten) {
        lngTexts += static_cast<int32_t>(objNewState.Texts(enuFile).size());
        for (const udtTextState& u : objNewState.Texts(enuFile)) lngReview += u.Review;
    }
    const QString strFile = clsTranslationState::PathIn(pudtFolders.Destination);
    const QString strCounts =
        (lngTexts == 1 ? QCoreApplication::translate("basFolderUpdate", "%L1 text with a state, %L2 to review")
                       : QCoreApplication::translate("basFolderUpdate", "%L1 texts with a state, %L2 of them to review"))
            .arg(lngTexts)
            .arg(lngReview);
    const auto Add = [&udtOut](const QString& pstrLine) {
        udtOut.StateLine = udtOut.StateLine.isEmpty() ? pstrLine : udtOut.StateLine + u'\n' + pstrLine;
    };
    if (!pbooWrite) {
        if (lngTexts > 0) Add(QCoreApplication::translate("basFolderUpdate", "%1 would be written: %2").arg(strFile, strCounts));
        return udtOut;
    }
    bool booWritten = false;
    if (!objNewState.Save(pudtFolders.Destination, enuWritten, strReason, &booWritten)) {
        udtOut.StateFailed = true;
        Add(QCoreApplication::translate("basFolderUpdate", "%1 was not written: %2").arg(strFile, strReason));
    } else if (booWritten) {
        Add(QCoreApplication::translate("basFolderUpdate", "%1 was written: %2").arg(strFile, strCounts));
    }
    return udtOut;
}

}  // namespace tralyx
