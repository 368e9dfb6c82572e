// The update merge: one language file of an old (translated) folder and of a new release's folder,
// merged into a destination folder with the store's own loaders and savers.
#include "common/basFileSystem.h"
#include "common/clsFileLock.h"
#include "store/basControlTextFormat.h"
#include "store/basFileKind.h"
#include "store/basMessagesFormat.h"
#include "store/basSecondaryFormat.h"
#include "store/clsTralyx.h"
#include "update/basFolderUpdate.h"
#include "update/basMerge.h"
#include "update/udtUpdateReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tralyx {
namespace {

QString JoinPath(const QString& pstrFolder, const QString& pstrFileName)
{
    return pstrFolder.endsWith(u'/') ? pstrFolder + pstrFileName : pstrFolder + u'/' + pstrFileName;
}

// What the merge needs of one kind of file beyond its file kind: its table's type and format.
template <class TTable>
struct udtMergeKind {
    enuFileKind Kind;
    const TTable& (clsTralyx::*Table)() const;
    void (clsTralyx::*SetTable)(TTable);
    void (*Merge)(const TTable&, const TTable&, TTable&, udtUpdateReport&, std::vector<udtMergeLink>*);
    void (*MergeWithSource)(const TTable&, const TTable&, const TTable&, TTable&, udtUpdateReport&, std::vector<udtMergeLink>*);
    bool (*Write)(const TTable&, const clsCodePage&, bool, QByteArray&, udtFileIssue&);
};

const udtMergeKind<QVector<ControlTextItem>> ControlTextKind{enuFileKind::ControlText, &clsTralyx::ControlTextTable,
                                                             &clsTralyx::SetControlTextTable, &MergeControlTextTables,
                                                             &MergeControlTextWithSource, &WriteControlText};
const udtMergeKind<QVector<MessageItem>> MessagesKind{enuFileKind::Messages, &clsTralyx::MessageTable,
                                                      &clsTralyx::SetMessageTable, &MergeMessageTables,
                                                      &MergeMessagesWithSource, &WriteMessages};
const udtMergeKind<QStringList> SecondaryKind{enuFileKind::Secondary, &clsTralyx::SecondaryTable, &clsTralyx::SetSecondaryTable,
                                              &MergeSecondaryTables, &MergeSecondaryWithSource, &WriteSecondary};

// Loads the old (and old source) and the new file, merges their tables into the store's table of
// that kind and writes it to the destination. A failed load stops the run before anything is
// written.
template <class TTable>
udtUpdateReport RunUpdate(clsTralyx& pobjStore, const udtMergeKind<TTable>& pudtKind, const udtUpdateFolders& pudtFolders,
                          bool pbooWrite, const clsTranslationState* pobjOldState, clsTranslationState* pobjNewState,
                          bool pbooDeferWrite)
{
    const udtFileKind& udtFile = FileKind(pudtKind.Kind);
    udtUpdateReport udtReport;
    udtReport.FileName = QString::fromLatin1(udtFile.FileName);
    udtReport.DestinationFile = JoinPath(pudtFolders.Destination, udtReport.FileName);

    const auto Load = [&](const QString& pstrFolder, TTable& pudtTable) {
        const QString strFile = JoinPath(pstrFolder, udtReport.FileName);
        bool booSuccess = false;
        (pobjStore.*udtFile.Load)(strFile, booSuccess);
        for (const udtFileIssue& udtWarning : pobjStore.LastWarnings())
            udtReport.Warnings.append(strFile + QStringLiteral(", ") + udtWarning.Text());
        if (!booSuccess) {
            udtReport.Outcome = enuUpdateOutcome::NotMerged;
            udtReport.FailedFile = strFile;
            udtReport.Issue = pobjStore.LastError();
            return false;
        }
        pudtTable = (pobjStore.*pudtKind.Table)();
        return true;
    };
    TTable udtOldTable, udtOldSource, udtNewTable, udtResultTable;
    if (!Load(pudtFolders.Old, udtOldTable)) return udtReport;
    if (!pudtFolders.OldSource.isEmpty()) {
        const QString strOldSource = JoinPath(pudtFolders.OldSource, udtReport.FileName);
        if (!QFileInfo::exists(strOldSource))
            udtReport.Warnings.append(strOldSource + QCoreApplication::translate("clsTralyx_Merge", " does not exist: merged without the old source"));
        else if (!Load(pudtFolders.OldSource, udtOldSource)) return udtReport;
        else udtReport.OldSourceFile = strOldSource;
    }
    if (!Load(pudtFolders.New, udtNewTable)) return udtReport;

    std::vector<udtMergeLink> udtLinks;
    if (udtReport.OldSourceFile.isEmpty()) pudtKind.Merge(udtNewTable, udtOldTable, udtResultTable, udtReport, &udtLinks);
    else pudtKind.MergeWithSource(udtNewTable, udtOldTable, udtOldSource, udtResultTable, udtReport, &udtLinks);
    if (pobjNewState) {
        // The old marks go on only where they were given for the old folder's texts as they are.
        clsTranslationState objOldState = pobjOldState ? *pobjOldState : clsTranslationState();
        const auto StoreOf = [&](const TTable& pudtTable) {
            clsTralyx objTable;
            (objTable.*pudtKind.SetTable)(pudtTable);
            return objTable;
        };
        std::vector<clsTranslationState::udtMismatch> udtMismatches;
        if (!objOldState.Texts(pudtKind.Kind).isEmpty()) {
            const clsTralyx objOld = StoreOf(udtOldTable), objOldSource = StoreOf(udtOldSource);
            objOldState.Verify(pudtKind.Kind, objOld, udtReport.OldSourceFile.isEmpty() ? nullptr : &objOldSource, &udtMismatches);
        }
        for (const auto& u : udtMismatches)
            udtReport.Warnings.append(QStringLiteral("%1, %2: %3").arg(JoinPath(pudtFolders.Old, udtReport.FileName), u.Id, u.Text()));
        CarryState(udtLinks, udtOldTable, udtReport.OldSourceFile.isEmpty() ? nullptr : &udtOldSource, udtResultTable, objOldState,
                   *pobjNewState);
        const clsTralyx objResult = StoreOf(udtResultTable), objNewSource = StoreOf(udtNewTable);
        pobjNewState->Stamp(pudtKind.Kind, objResult, &objNewSource);
    }
    (pobjStore.*pudtKind.SetTable)(std::move(udtResultTable));
    const auto NotWritten = [&](const udtFileIssue& pudtIssue) {
        udtReport.Outcome = enuUpdateOutcome::NotWritten;
        udtReport.FailedFile = udtReport.DestinationFile;
        udtReport.Issue = pudtIssue;
        return udtReport;
    };
    // Never over one of its own inputs: DEST the old or the new folder, or a link to one of their files.
    for (const QString* pstrInput : {&pudtFolders.Old, &pudtFolders.New, &pudtFolders.OldSource})
        if (!pstrInput->isEmpty() && fs::SameFile(udtReport.DestinationFile, JoinPath(*pstrInput, udtReport.FileName)))
            return NotWritten({0, (pstrInput == &pudtFolders.OldSource
                                       ? QCoreApplication::translate("clsTralyx_Merge", "%1 is the old source file itself; an update never writes over its input")
                                       : QCoreApplication::translate("clsTralyx_Merge", "%1 is the old or the new file itself; an update never writes over its input"))
                                      .arg(udtReport.DestinationFile)});
    if (pbooWrite) {
        if (!pbooDeferWrite) WriteMerged(pobjStore, pudtKind.Kind, pudtFolders, udtReport);
        else udtReport.Outcome = enuUpdateOutcome::Merged;
        return udtReport;
    }
    // The dry run formats the result too, so that it reports a table the save would refuse.
    QByteArray bytContent;
    udtFileIssue udtIssue;
    if (!pudtKind.Write((pobjStore.*pudtKind.Table)(), clsCodePage((pobjStore.*udtFile.CodePage)()), false, bytContent, udtIssue))
        return NotWritten(udtIssue);
    udtReport.Outcome = enuUpdateOutcome::Merged;
    return udtReport;
}

}  // namespace

void WriteMerged(clsTralyx& pobjStore, enuFileKind penuFile, const udtUpdateFolders& pudtFolders, udtUpdateReport& pudtReport)
{
    const auto NotWritten = [&](const udtFileIssue& pudtIssue) {
        pudtReport.Outcome = enuUpdateOutcome::NotWritten;
        pudtReport.FailedFile = pudtReport.DestinationFile;
        pudtReport.Issue = pudtIssue;
    };
    // A destination that is not there yet is made (with its parents) for the first file written to
    // it; never one whose name is only blanks, which is a slip and not a folder anyone wants.
    if (!QFileInfo(pudtFolders.Destination).isDir() && pudtFolders.Destination.trimmed().isEmpty())
        return NotWritten({0, QCoreApplication::translate("clsTralyx_Merge", "the destination folder's name is blank")});
    if (QString strReason; !QFileInfo(pudtFolders.Destination).isDir() && !fs::MakeFolder(pudtFolders.Destination, strReason)) {
        const QString strBlocked = FolderBlockedBy(pudtFolders.Destination);
        return NotWritten({0, strBlocked.isEmpty() ? strReason : QCoreApplication::translate("clsTralyx_Merge", "%1 is not a folder").arg(strBlocked)});
    }
    // Another writer of the file (an import, the editor) waits while this one replaces it.
    clsFileLock objLock;
    QString strLocked;
    if (!objLock.Lock(pudtReport.DestinationFile, strLocked)) return NotWritten({0, strLocked});
    bool booSuccess = false;
    SaveFile(pobjStore, penuFile, pudtReport.DestinationFile, booSuccess);
    if (!booSuccess) return NotWritten(pobjStore.LastError());
    pudtReport.Outcome = enuUpdateOutcome::Written;
}

udtUpdateReport UpdateFile(clsTralyx& pobjStore, enuFileKind penuFile, const udtUpdateFolders& pudtFolders, bool pbooWrite,
                           const clsTranslationState* pobjOldState, clsTranslationState* pobjNewState, bool pbooDeferWrite)
{
    switch (penuFile) {
    case enuFileKind::ControlText: return RunUpdate(pobjStore, ControlTextKind, pudtFolders, pbooWrite, pobjOldState, pobjNewState, pbooDeferWrite);
    case enuFileKind::Messages: return RunUpdate(pobjStore, MessagesKind, pudtFolders, pbooWrite, pobjOldState, pobjNewState, pbooDeferWrite);
    case enuFileKind::Secondary: break;
    }
    return RunUpdate(pobjStore, SecondaryKind, pudtFolders, pbooWrite, pobjOldState, pobjNewState, pbooDeferWrite);
}

udtUpdateReport clsTralyx::UpdateControlText(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                             const QString& pstrUpdatedPath, bool pbooWrite)
{
    return UpdateFile(*this, enuFileKind::ControlText, {pstrOriginalPath, pstrNewPath, pstrUpdatedPath, {}}, pbooWrite);
}

udtUpdateReport clsTralyx::UpdateMessages(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                          const QString& pstrUpdatedPath, bool pbooWrite)
{
    return UpdateFile(*this, enuFileKind::Messages, {pstrOriginalPath, pstrNewPath, pstrUpdatedPath, {}}, pbooWrite);
}

udtUpdateReport clsTralyx::UpdateSecondaryText(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                               const QString& pstrUpdatedPath, bool pbooWrite)
{
    return UpdateFile(*this, enuFileKind::Secondary, {pstrOriginalPath, pstrNewPath, pstrUpdatedPath, {}}, pbooWrite);
}

}  // namespace tralyx
