#include "update/basFolderUpdate.h"

#include "state/clsFolderTransaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <array>

namespace tralyx {

QString FolderBlockedBy(const QString& pstrFolder)
{
    QFileInfo objPart(pstrFolder);
    while (!objPart.exists() && !objPart.isRoot()) objPart.setFile(objPart.absolutePath());
    return objPart.isDir() ? QString() : objPart.filePath();
}

udtFolderUpdate UpdateLanguageFolder(const udtUpdateFolders& pudtFolders, const QString& pstrCodePage, bool pbooWrite,
                                     bool pbooDiscardState)
{
    udtFolderUpdate udtOut;
    clsTranslationState objOldState, objNewState;
    QString strReason;
    const auto Add = [&udtOut](const QString& pstrLine) {
        udtOut.StateLine = udtOut.StateLine.isEmpty() ? pstrLine : udtOut.StateLine + u'\n' + pstrLine;
    };
    bool booConflict = false;
    if (!objOldState.Load(pudtFolders.Old, strReason, nullptr, &booConflict)) {
        // An unfinished merge holds both sides' records: the update would choose one of them.
        if (booConflict) {
            udtOut.StateFailed = true;
            udtOut.StateLine = strReason + QCoreApplication::translate("basFolderUpdate", "; nothing was updated");
            return udtOut;
        }
        // The marks it holds would be lost in the destination's state without a word.
        if (pbooWrite && !pbooDiscardState) {
            udtOut.StateFailed = true;
            Add(strReason + QCoreApplication::translate("basFolderUpdate", "; its marks and notes would be lost, so nothing was written (mend it, or give "
                                           "--discard-state to update without them)"));
            return udtOut;
        }
        udtOut.StateLine = QCoreApplication::translate("basFolderUpdate", "%1; the old state was not carried over").arg(strReason);
    }
    std::vector<enuFileKind> enuWritten;
    const bool booDestinationThere = QFileInfo(pudtFolders.Destination).isDir();
    clsTralyx objStore;  // a store of its own: the editor's tables are never touched by an update
    objStore.SetCodePage(pstrCodePage);
    std::array<qsizetype, 3> lngReportOf{};  // by enuFileKind: its report's place in Files
    const auto ReportOf = [&](enuFileKind penuFile) -> udtUpdateReport& { return udtOut.Files[lngReportOf[static_cast<size_t>(penuFile)]]; };
    for (const enuFileKind enuFile : AllFileKinds) {
        lngReportOf[static_cast<size_t>(enuFile)] = udtOut.Files.size();
        udtOut.Files.append(UpdateFile(objStore, enuFile, pudtFolders, pbooWrite, &objOldState, &objNewState, true));
        const udtUpdateReport& udtReport = udtOut.Files.back();
        if (pbooWrite ? udtReport.Outcome == enuUpdateOutcome::Merged : udtReport.IsMerged()) enuWritten.push_back(enuFile);
    }
    bool booWritten = false;
    QString strStateError;
    if (pbooWrite && !enuWritten.empty()) {
        // The destination's files and state are written under its lock, which needs the folder.
        if (!booDestinationThere && !pudtFolders.Destination.trimmed().isEmpty()) QDir().mkpath(pudtFolders.Destination);
        clsFolderTransaction objChange;
        QString strProblem;
        if (objChange.Begin(pudtFolders.Destination, strProblem)) {
            if (pbooDiscardState) objChange.DiscardState();
            if (const QString strState = objChange.StateProblem(); !strState.isEmpty())
                strProblem = strState + QCoreApplication::translate("basFolderUpdate", "; nothing was written");
        }
        if (!strProblem.isEmpty()) {
            for (const enuFileKind enuFile : enuWritten) {
                udtUpdateReport& udtReport = ReportOf(enuFile);
                udtReport.Outcome = enuUpdateOutcome::NotWritten;
                udtReport.FailedFile = udtReport.DestinationFile;
                udtReport.Issue = {0, strProblem};
            }
            udtOut.StateFailed = true;
            Add(strProblem);
            return udtOut;
        }
        std::vector<udtFolderWrite> udtWrites;
        for (const enuFileKind enuFile : enuWritten) {
            udtUpdateReport& udtReport = ReportOf(enuFile);
            udtWrites.push_back({enuFile, [&objStore, &pudtFolders, &udtReport, enuFile](QString& pstrReason) {
                                     WriteMerged(objStore, enuFile, pudtFolders, udtReport);
                                     pstrReason = udtReport.Issue.Reason;
                                     return udtReport.Written();
                                 }});
        }
        const udtFolderCommit udtCommit = objChange.Commit(objNewState, udtWrites);
        std::erase_if(enuWritten, [&](enuFileKind k) { return !ReportOf(k).Written(); });
        booWritten = udtCommit.StateWritten;
        strStateError = udtCommit.StateReason;
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
    if (!pbooWrite) {
        if (lngTexts > 0) Add(QCoreApplication::translate("basFolderUpdate", "%1 would be written: %2").arg(strFile, strCounts));
        return udtOut;
    }
    if (!strStateError.isEmpty()) {
        udtOut.StateFailed = true;
        Add(QCoreApplication::translate("basFolderUpdate", "%1 was not written: %2").arg(strFile, strStateError));
    } else if (booWritten) {
        Add(QCoreApplication::translate("basFolderUpdate", "%1 was written: %2").arg(strFile, strCounts));
    }
    return udtOut;
}

}  // namespace tralyx
