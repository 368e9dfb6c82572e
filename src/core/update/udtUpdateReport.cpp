#include "update/udtUpdateReport.h"

#include "common/basDesktop.h"

#include <algorithm>

namespace tralyx {
namespace {

// A reason names its file when the reader or writer did not already do so.
QString IssueText(const QString& pstrFile, const udtFileIssue& pudtIssue)
{
    if (pudtIssue.Line > 0) return QStringLiteral("%1, line %2: %3").arg(pstrFile, QString::number(pudtIssue.Line), pudtIssue.Reason);
    if (pstrFile.isEmpty() || pudtIssue.Reason.contains(pstrFile)) return pudtIssue.Reason;
    return pstrFile + QStringLiteral(": ") + pudtIssue.Reason;
}

QString EntryLine(const udtDroppedEntry& pudtEntry)
{
    QString strLine = pudtEntry.Key + QStringLiteral(" \"%1\"").arg(pudtEntry.Text);
    if (pudtEntry.Duplicate) strLine += QStringLiteral(" (a second entry with this path; the first one was kept)");
    return strLine;
}
QString EntryLine(const udtNewEntry& pudtEntry) { return pudtEntry.Key + QStringLiteral(" \"%1\"").arg(pudtEntry.Text); }

// A heading, then the first entries one a line and a count of the rest.
template <class TEntry>
void AppendList(QStringList& pstrLines, const QString& pstrHeading, const QVector<TEntry>& pudtEntries,
                int32_t plngMaxListed)
{
    if (pudtEntries.isEmpty()) return;
    pstrLines.append(pstrHeading.arg(pudtEntries.size()));
    const qsizetype lngListed = std::min<qsizetype>(pudtEntries.size(), plngMaxListed);
    for (qsizetype i = 0; i < lngListed; ++i) pstrLines.append(QStringLiteral("    ") + EntryLine(pudtEntries[i]));
    if (pudtEntries.size() > lngListed) pstrLines.append(QStringLiteral("    ... and %L1 more").arg(pudtEntries.size() - lngListed));
}

}  // namespace

QString udtUpdateReport::Summary() const
{
    switch (Outcome) {
    case enuUpdateOutcome::Written: return QStringLiteral("%1 was written to %2").arg(FileName, DestinationFile);
    case enuUpdateOutcome::Merged: return QStringLiteral("%1 was merged and not written (dry run)").arg(FileName);
    case enuUpdateOutcome::NotMerged:
        return QStringLiteral("%1 was not merged: %2").arg(FileName, IssueText(FailedFile, Issue));
    case enuUpdateOutcome::NotWritten:
        return QStringLiteral("%1 was not written: %2").arg(FileName, IssueText(FailedFile, Issue));
    }
    return QString();
}

QString udtUpdateReport::Text(int32_t plngMaxListed) const
{
    QStringList strLines{Summary()};
    if (IsMerged()) {
        strLines.append(QStringLiteral("  entries from the old file: %L1, from the new file: %L2, old ones dropped: %L3")
                            .arg(KeptFromOld)
                            .arg(TakenFromNew)
                            .arg(Dropped.size()));
        AppendList(strLines, QStringLiteral("  taken from the new file, still to translate: %L1"), TakenNew, plngMaxListed);
        AppendList(strLines, QStringLiteral("  dropped from the old file: %L1"), Dropped, plngMaxListed);
    }
    if (!Warnings.isEmpty()) {
        strLines.append(QStringLiteral("  lines skipped while reading: %L1").arg(Warnings.size()));
        for (const QString& strWarning : Warnings) strLines.append(QStringLiteral("    ") + strWarning);
    }
    // "\n", not CR LF: these lines go into text views and terminals.
    return strLines.join(u'\n');
}

udtUpdateMessage UpdateMessage(const QVector<udtUpdateReport>& pudtReports)
{
    udtUpdateMessage udtMessage;
    QStringList strDetails, strNotUpdated;
    for (const udtUpdateReport& udtReport : pudtReports) {
        strDetails.append(udtReport.Text());
        if (!udtReport.Written()) strNotUpdated.append(udtReport.Summary());
    }
    udtMessage.Details = strDetails.join(QStringLiteral("\n\n"));
    if (strNotUpdated.isEmpty()) {
        udtMessage.Prompt = QStringLiteral("Completed!");
        udtMessage.Style = vbInformation;
    } else {
        udtMessage.Prompt = QStringLiteral("Not every file was updated.\r\n\r\n") + strNotUpdated.join(QStringLiteral("\r\n"));
        udtMessage.Style = vbExclamation;
    }
    return udtMessage;
}

QString FullUpdateReport(const QVector<udtUpdateReport>& pudtReports)
{
    QStringList strFiles;
    for (const udtUpdateReport& udtReport : pudtReports) strFiles.append(udtReport.FullText());
    return strFiles.join(QStringLiteral("\n\n")) + u'\n';
}

}  // namespace tralyx
