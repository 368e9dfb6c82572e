#include "update/udtUpdateReport.h"

#include "common/basDesktop.h"
#include "common/basShortened.h"

#include <QCoreApplication>
#include <algorithm>

namespace tralyx {
namespace {

// The translation context of the reports' texts.
struct clsReportTexts {
    Q_DECLARE_TR_FUNCTIONS(udtUpdateReport)
};

// A reason names its file when the reader or writer did not already do so.
QString IssueText(const QString& pstrFile, const udtFileIssue& pudtIssue)
{
    if (pudtIssue.Line > 0) return clsReportTexts::tr("%1, line %2: %3").arg(pstrFile, QString::number(pudtIssue.Line), pudtIssue.Reason);
    if (pstrFile.isEmpty() || pudtIssue.Reason.contains(pstrFile)) return pudtIssue.Reason;
    return pstrFile + QStringLiteral(": ") + pudtIssue.Reason;
}

QString EntryLine(const udtDroppedEntry& pudtEntry)
{
    QString strLine = pudtEntry.Key + QStringLiteral(" \"%1\"").arg(pudtEntry.Text);
    if (pudtEntry.Duplicate) strLine += clsReportTexts::tr(" (a second entry with this path; the first one was kept)");
    return strLine;
}
QString EntryLine(const udtNewEntry& pudtEntry) { return pudtEntry.Key + QStringLiteral(" \"%1\"").arg(pudtEntry.Text); }
// A heading, then the first entries one a line and a count of the rest.
template <class TEntry, class TLine>
void AppendList(QStringList& pstrLines, const QString& pstrHeading, const QVector<TEntry>& pudtEntries,
                int32_t plngMaxListed, const TLine& pfnLine)
{
    if (pudtEntries.isEmpty()) return;
    pstrLines.append(pstrHeading.arg(pudtEntries.size()));
    const qsizetype lngListed = std::min<qsizetype>(pudtEntries.size(), plngMaxListed);
    for (qsizetype i = 0; i < lngListed; ++i) pstrLines.append(QStringLiteral("    ") + pfnLine(pudtEntries[i]));
    if (pudtEntries.size() > lngListed) pstrLines.append(clsReportTexts::tr("    ... and %L1 more").arg(pudtEntries.size() - lngListed));
}
template <class TEntry>
void AppendList(QStringList& pstrLines, const QString& pstrHeading, const QVector<TEntry>& pudtEntries, int32_t plngMaxListed)
{
    AppendList(pstrLines, pstrHeading, pudtEntries, plngMaxListed, [](const TEntry& u) { return EntryLine(u); });
}

}  // namespace

QString udtUpdateReport::KeyAt(int32_t plngPosition) const
{
    return File == enuFileKind::ControlText ? clsTralyx::ObjectPath(Merged[plngPosition]) : RecordId(File, plngPosition);
}

QString udtUpdateReport::OldKeyAt(int32_t plngPosition) const
{
    return File == enuFileKind::ControlText ? clsTralyx::ObjectPath(Old[plngPosition]) : RecordId(File, plngPosition);
}

QString udtUpdateReport::TextAt(int32_t plngPosition) const
{
    switch (File) {
    case enuFileKind::ControlText: return ShortEntryText(Merged[plngPosition]);
    case enuFileKind::Messages: return ShortEntryText(MergedMessages[plngPosition]);
    case enuFileKind::Secondary: break;
    }
    return ShortEntryText(MergedSecondary[plngPosition]);
}

// A dropped, new or kept text is named by one short line, enough for the translator to recognise it.
QString ShortEntryText(const ControlTextItem& pudtItem)
{
    return Shortened(pudtItem.Caption.isEmpty() ? pudtItem.ToolTip : pudtItem.Caption);
}
QString ShortEntryText(const MessageItem& pudtItem)
{
    if (pudtItem.Title.isEmpty()) return Shortened(pudtItem.Message);
    return Shortened(pudtItem.Title + QStringLiteral(": ") + pudtItem.Message);
}
QString ShortEntryText(const QString& pstrText) { return Shortened(pstrText); }

QString udtUpdateReport::Summary() const
{
    switch (Outcome) {
    case enuUpdateOutcome::Written: return clsReportTexts::tr("%1 was written to %2").arg(FileName, DestinationFile);
    case enuUpdateOutcome::Merged: return clsReportTexts::tr("%1 was merged and not written (dry run)").arg(FileName);
    case enuUpdateOutcome::NotMerged:
        return clsReportTexts::tr("%1 was not merged: %2").arg(FileName, IssueText(FailedFile, Issue));
    case enuUpdateOutcome::NotWritten:
        return clsReportTexts::tr("%1 was not written: %2").arg(FileName, IssueText(FailedFile, Issue));
    }
    return QString();
}

QString udtUpdateReport::Text(int32_t plngMaxListed) const
{
    QStringList strLines{Summary()};
    if (HasEntries()) {
        if (!OldSourceFile.isEmpty()) strLines.append(clsReportTexts::tr("  compared with the old source %1").arg(OldSourceFile));
        strLines.append(clsReportTexts::tr("  entries from the old file: %L1, from the new file: %L2, old ones dropped: %L3")
                            .arg(KeptFromOld)
                            .arg(TakenFromNew)
                            .arg(Dropped.size()));
        // Named here, not by the merge: making every id costs as much as the merge itself.
        AppendList(strLines, clsReportTexts::tr("  kept: %L1"), Kept, plngMaxListed, [this](int32_t i) { return KeyAt(i); });
        AppendList(strLines, clsReportTexts::tr("  the source changed, to review: %L1"), Changed, plngMaxListed, [this](const udtCarriedEntry& u) {
            QString strLine = clsReportTexts::tr("%1 \"%2\": the source was \"%3\", now \"%4\"").arg(KeyAt(u.Position), u.Text, u.Previous, u.Source);
            if (const QString strFrom = OldKeyAt(u.From); strFrom != KeyAt(u.Position)) strLine += clsReportTexts::tr(" (from %1)").arg(strFrom);
            return strLine;
        });
        AppendList(strLines, clsReportTexts::tr("  moved: %L1"), Moved, plngMaxListed, [this](const udtCarriedEntry& u) {
            return QStringLiteral("%1 \u2192 %2 \"%3\"%4")
                .arg(OldKeyAt(u.From), KeyAt(u.Position), u.Text, u.Review ? clsReportTexts::tr(" (to review)") : QString());
        });
        AppendList(strLines, clsReportTexts::tr("  taken from the new file, still to translate: %L1"), TakenNew, plngMaxListed);
        AppendList(strLines, clsReportTexts::tr("  dropped from the old file: %L1"), Dropped, plngMaxListed);
    }
    if (!Warnings.isEmpty()) {
        strLines.append(clsReportTexts::tr("  lines skipped while reading: %L1").arg(Warnings.size()));
        for (const QString& strWarning : Warnings) strLines.append(QStringLiteral("    ") + strWarning);
    }
    // "\n", not CR LF: these lines go into text views and terminals.
    return strLines.join(u'\n');
}

udtUpdateMessage UpdateMessage(const QVector<udtUpdateReport>& pudtReports) { return UpdateMessage(udtFolderUpdate{pudtReports, {}, false, {}}); }

udtUpdateMessage UpdateMessage(const udtFolderUpdate& pudtUpdate)
{
    udtUpdateMessage udtMessage;
    QStringList strDetails, strNotUpdated;
    if (!pudtUpdate.DestinationLine.isEmpty()) strDetails.append(pudtUpdate.DestinationLine);
    for (const udtUpdateReport& udtReport : pudtUpdate.Files) {
        strDetails.append(udtReport.Text());
        if (!udtReport.Written()) strNotUpdated.append(udtReport.Summary());
    }
    if (!pudtUpdate.StateLine.isEmpty()) strDetails.append(pudtUpdate.StateLine);
    if (pudtUpdate.StateFailed) strNotUpdated.append(pudtUpdate.StateLine);
    udtMessage.Details = strDetails.join(QStringLiteral("\n\n"));
    if (strNotUpdated.isEmpty()) {
        udtMessage.Prompt = clsReportTexts::tr("Completed!");
        udtMessage.Style = vbInformation;
    } else {
        udtMessage.Prompt = clsReportTexts::tr("Not every file was updated.\r\n\r\n") + strNotUpdated.join(QStringLiteral("\r\n"));
        udtMessage.Style = vbExclamation;
    }
    return udtMessage;
}

QString FullUpdateReport(const QVector<udtUpdateReport>& pudtReports) { return FullUpdateReport(udtFolderUpdate{pudtReports, {}, false, {}}); }

QString FullUpdateReport(const udtFolderUpdate& pudtUpdate)
{
    QStringList strFiles;
    if (!pudtUpdate.DestinationLine.isEmpty()) strFiles.append(pudtUpdate.DestinationLine);
    for (const udtUpdateReport& udtReport : pudtUpdate.Files) strFiles.append(udtReport.FullText());
    if (!pudtUpdate.StateLine.isEmpty()) strFiles.append(pudtUpdate.StateLine);
    return strFiles.join(QStringLiteral("\n\n")) + u'\n';
}

}  // namespace tralyx
