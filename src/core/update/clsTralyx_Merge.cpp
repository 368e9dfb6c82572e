// The update merge: one language file of an old (translated) folder and of a new release's folder,
// merged into a destination folder with the store's own loaders and savers.
#include "basControlTextFormat.h"
#include "basMerge.h"
#include "basMessagesFormat.h"
#include "basSecondaryFormat.h"
#include "clsTralyx.h"
#include "udtUpdateReport.h"

namespace tralyx {
namespace {

QString JoinPath(const QString& pstrFolder, const QString& pstrFileName)
{
    return pstrFolder.endsWith(u'/') ? pstrFolder + pstrFileName : pstrFolder + u'/' + pstrFileName;
}

// What the merge needs of one kind of file.
template <class TTable>
struct udtFileKind {
    QLatin1StringView FileName;
    void (clsTralyx::*Load)(const QString&, bool&);
    void (clsTralyx::*Save)(const QString&, bool&);
    const TTable& (clsTralyx::*Table)() const;
    void (clsTralyx::*SetTable)(TTable);
    void (*Merge)(const TTable&, const TTable&, TTable&, udtUpdateReport&);
    bool (*Write)(const TTable&, const clsCodePage&, bool, QByteArray&, udtFileIssue&);
    const QString& (clsTralyx::*CodePage)() const;
};

// Loads the old and the new file, merges their tables into the store's table of that kind and
// writes it to the destination. A failed load stops the run before anything is written.
template <class TTable>
udtUpdateReport RunUpdate(clsTralyx& pobjStore, const udtFileKind<TTable>& pudtKind, const QString& pstrOriginalPath,
                          const QString& pstrNewPath, const QString& pstrUpdatedPath, bool pbooWrite)
{
    udtUpdateReport udtReport;
    udtReport.FileName = pudtKind.FileName;
    udtReport.DestinationFile = JoinPath(pstrUpdatedPath, pudtKind.FileName);

    const auto Load = [&](const QString& pstrFolder, TTable& pudtTable) {
        const QString strFile = JoinPath(pstrFolder, pudtKind.FileName);
        bool booSuccess = false;
        (pobjStore.*pudtKind.Load)(strFile, booSuccess);
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
    if (!pbooWrite) {
        // The dry run formats the result too, so that it reports a table the save would refuse.
        QByteArray bytContent;
        udtFileIssue udtIssue;
        if (pudtKind.Write((pobjStore.*pudtKind.Table)(), clsCodePage((pobjStore.*pudtKind.CodePage)()), false, bytContent,
                           udtIssue)) {
            udtReport.Outcome = enuUpdateOutcome::Merged;
        } else {
            udtReport.Outcome = enuUpdateOutcome::NotWritten;
            udtReport.FailedFile = udtReport.DestinationFile;
            udtReport.Issue = udtIssue;
        }
        return udtReport;
    }
    bool booSuccess = false;
    (pobjStore.*pudtKind.Save)(udtReport.DestinationFile, booSuccess);
    if (booSuccess) {
        udtReport.Outcome = enuUpdateOutcome::Written;
    } else {
        udtReport.Outcome = enuUpdateOutcome::NotWritten;
        udtReport.FailedFile = udtReport.DestinationFile;
        udtReport.Issue = pobjStore.LastError();
    }
    return udtReport;
}

}  // namespace

udtUpdateReport clsTralyx::UpdateControlText(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                             const QString& pstrUpdatedPath, bool pbooWrite)
{
    static const udtFileKind<QVector<ControlTextItem>> udtKind{
        QLatin1StringView("core.lrc"),     &clsTralyx::LoadControlText,       &clsTralyx::SaveControlText,
        &clsTralyx::ControlTextTable,      &clsTralyx::SetControlTextTable, &MergeControlTextTables,
        &WriteControlText,                 &clsTralyx::ControlTextCodePage};
    return RunUpdate(*this, udtKind, pstrOriginalPath, pstrNewPath, pstrUpdatedPath, pbooWrite);
}

udtUpdateReport clsTralyx::UpdateMessages(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                          const QString& pstrUpdatedPath, bool pbooWrite)
{
    static const udtFileKind<QVector<MessageItem>> udtKind{
        QLatin1StringView("messages.lrc"), &clsTralyx::LoadMessagesFromResource, &clsTralyx::SaveMessageText,
        &clsTralyx::MessageTable,          &clsTralyx::SetMessageTable,          &MergeMessageTables,
        &WriteMessages,                    &clsTralyx::MessagesCodePage};
    return RunUpdate(*this, udtKind, pstrOriginalPath, pstrNewPath, pstrUpdatedPath, pbooWrite);
}

udtUpdateReport clsTralyx::UpdateSecondaryText(const QString& pstrOriginalPath, const QString& pstrNewPath,
                                               const QString& pstrUpdatedPath, bool pbooWrite)
{
    static const udtFileKind<QStringList> udtKind{
        QLatin1StringView("secondary.lrc"), &clsTralyx::LoadPreceduralTextFromResource,
        &clsTralyx::SaveSecondaryText,      &clsTralyx::SecondaryTable,
        &clsTralyx::SetSecondaryTable,      &MergeSecondaryTables,
        &WriteSecondary,                    &clsTralyx::SecondaryCodePage};
    return RunUpdate(*this, udtKind, pstrOriginalPath, pstrNewPath, pstrUpdatedPath, pbooWrite);
}

}  // namespace tralyx
