// The update merge: one language file of an old (translated) folder and of a new release's folder,
// merged into a destination folder with the store's own loaders and savers.
#include "common/basFileSystem.h"
#include "common/clsFileLock.h"
#include "store/basControlTextFormat.h"
#include "store/basFileKind.h"
#include "store/basMessagesFormat.h"
#include "store/basSecondaryFormat.h"
#include "store/clsTralyx.h"
#include "update/basMerge.h"
#include "update/udtUpdateReport.h"

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
    void (*Merge)(const TTable&, const TTable&, TTable&, udtUpdateReport&);
    bool (*Write)(const TTable&, const clsCodePage&, bool, QByteArray&, udtFileIssue&);
};

// Loads the old and the new file, merges their tables into the store's table of that kind and
// writes it to the destination. A failed load stops the run before anything is written.
template <class TTable>
udtUpdateReport RunUpdate(clsTralyx& pobjStore, const udtMergeKind<TTable>& pudtKind, const QString& pstrOriginalPath,
                          const QString& pstrNewPath, const QString& pstrUpdatedPath, bool pbooWrite)
{
    const udtFileKind& udtFile = FileKind(pudtKind.Kind);
    udtUpdateReport udtReport;
    udtReport.FileName = QString::fromLatin1(udtFile.FileName);
    udtReport.DestinationFile = JoinPath(pstrUpdatedPath, udtReport.FileName);

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
    TTable udtOldTable, udtNewTable, udtResultTable;
    if (!Load(pstrOriginalPath, udtOldTable) || !Load(pstrNewPath, udtNewTable)) return udtReport;

    pudtKind.Merge(udtNewTable, udtOldTable, udtResultTable, udtReport);
    (pobjStore.*pudtKind.SetTable)(std::move(udtResultTable));
    const auto NotWritten = [&](const udtFileIssue& pudtIssue) {
        udtReport.Outcome = enuUpdateOutcome::NotWritten;
        udtReport.FailedFile = udtReport.DestinationFile;
        udtReport.Issue = pudtIssue;
        return udtReport;
    };
    // Never over one of its own inputs: DEST the old or the new folder, or a link to one of their files.
    if (fs::SameFile(udtReport.DestinationFile, JoinPath(pstrOriginalPath, udtReport.FileName)) ||
        fs::SameFile(udtReport.DestinationFile, JoinPath(pstrNewPath, udtReport.FileName)))
        return NotWritten({0, QStringLiteral("%1 is the old or the new file itself; an update never writes over its input")
                                  .arg(udtReport.DestinationFile)});
    if (!pbooWrite) {
        // The dry run formats the result too, so that it reports a table the save would refuse.
        QByteArray bytContent;
        udtFileIssue udtIssue;
        if (!pudtKind.Write((pobjStore.*pudtKind.Table)(), clsCodePage((pobjStore.*udtFile.CodePage)()), false, bytContent,
                            udtIssue))
            return NotWritten(udtIssue);
        udtReport.Outcome = enuUpdateOutcome::Merged;
        return udtReport;
    }
    // Another writer of the file (an import, the editor) waits while this one replaces it.
    clsFileLock objLock;
    QString strLocked;
    if (!objLock.Lock(udtReport.DestinationFile, strLocked)) return NotWritten({0, strLocked});
    bool booSuccess = false;
    (pobjStore.*udtFile.Save)(udtReport.DestinationFile, booSuccess);
    if (!booSuccess) return NotWritten(pobjStore.LastError());
    udtReport.Outcome = enuUpdateOutcome::Written;
    return udtReport;
}

}  // namespace

udtUpdateReport clsTralyx::UpdateControlText(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                             const QString& pstrUpdatedPath, bool pbooWrite)
{
    static const udtMergeKind<QVector<ControlTextItem>> udtKind{enuFileKind::ControlText, &clsTralyx::ControlTextTable,
                                                                &clsTralyx::SetControlTextTable,
                                                                &MergeControlTextTables, &WriteControlText};
    return RunUpdate(*this, udtKind, pstrOriginalPath, pstrNewPath, pstrUpdatedPath, pbooWrite);
}

udtUpdateReport clsTralyx::UpdateMessages(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                          const QString& pstrUpdatedPath, bool pbooWrite)
{
    static const udtMergeKind<QVector<MessageItem>> udtKind{enuFileKind::Messages, &clsTralyx::MessageTable,
                                                            &clsTralyx::SetMessageTable, &MergeMessageTables,
                                                            &WriteMessages};
    return RunUpdate(*this, udtKind, pstrOriginalPath, pstrNewPath, pstrUpdatedPath, pbooWrite);
}

udtUpdateReport clsTralyx::UpdateSecondaryText(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                               const QString& pstrUpdatedPath, bool pbooWrite)
{
    static const udtMergeKind<QStringList> udtKind{enuFileKind::Secondary, &clsTralyx::SecondaryTable,
                                                   &clsTralyx::SetSecondaryTable, &MergeSecondaryTables,
                                                   &WriteSecondary};
    return RunUpdate(*this, udtKind, pstrOriginalPath, pstrNewPath, pstrUpdatedPath, pbooWrite);
}

}  // namespace tralyx
