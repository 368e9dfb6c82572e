#pragma once
// What one update run did to one language file, so that neither the dialog nor the command line
// ever reports success for a file that was not written, and no translation disappears unseen.
#include "store/basFileKind.h"
#include "store/clsTralyx.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace tralyx {

enum class enuUpdateOutcome {
    Written,     // merged and written to the destination
    Merged,      // merged, and not written because the caller asked for a dry run
    NotMerged,   // the old or the new file is missing or did not load
    NotWritten,  // merged, but the overwrite was declined or the write failed
};

// An old entry that the merged file does not carry.
struct udtDroppedEntry {
    int32_t Position = 0;    // in the old table, from 0
    QString Key;             // the entry as the file names it: the object path, MSG006, TXT007
    QString Text;            // the dropped translation, shortened to one line
    bool Duplicate = false;  // control text: a later old entry with a path whose first entry was kept
    bool operator==(const udtDroppedEntry&) const = default;
};

// A new release's entry that the old file lacked: the merged file carries it in the source language.
struct udtNewEntry {
    int32_t Position = 0;  // in the new table, from 0
    QString Key;           // as udtDroppedEntry::Key
    QString Text;          // its text, shortened to one line
    bool operator==(const udtNewEntry&) const = default;
};

// An old entry that the merged file carries. Its ids are the report's KeyAt(Position) and
// OldKeyAt(From): made when shown, since a release can move every entry.
struct udtCarriedEntry {
    int32_t Position = 0;  // in the new table, from 0
    int32_t From = 0;      // in the old table
    QString Text;          // the translation carried, shortened to one line
    QString Previous;      // changed: the old source text, shortened
    QString Source;        // changed: the new source text, shortened
    bool Review = false;   // moved: carried over for review (a renamed control)
    bool operator==(const udtCarriedEntry&) const = default;
};

struct udtUpdateReport {
    QString FileName;         // "core.lrc", "messages.lrc" or "secondary.lrc"
    QString DestinationFile;  // the file the merge is (or would be) written to
    enuUpdateOutcome Outcome = enuUpdateOutcome::NotMerged;
    QString FailedFile;       // NotMerged / NotWritten: the file that failed
    udtFileIssue Issue;       // ... and its line and reason
    int32_t KeptFromOld = 0;   // merged entries that kept the old file's text
    int32_t TakenFromNew = 0;  // merged entries that came from the new file
    QVector<udtNewEntry> TakenNew;     // the TakenFromNew entries, in new-table order
    // The KeptFromOld entries, in new-table order: the positions of those with the same id and
    // source (or no old source to tell), those whose source changed (kept for review), those carried
    // to another id.
    QVector<int32_t> Kept;
    QVector<udtCarriedEntry> Changed, Moved;
    enuFileKind File = enuFileKind::ControlText;
    QVector<ControlTextItem> Merged, Old;  // control text: the merged and the old table (shared), which name entries
    QVector<MessageItem> MergedMessages;   // messages: the merged table (shared), for the kept entries' texts
    QStringList MergedSecondary;           // procedural text: the same
    QString KeyAt(int32_t plngPosition) const;        // the id of an entry of the merged file
    QString OldKeyAt(int32_t plngPosition) const;     // the id of an entry of the old file
    QString TextAt(int32_t plngPosition) const;       // the text of an entry of the merged file, shortened
    QString OldSourceFile;    // the old release's source file the merge compared with; empty: none
    QVector<udtDroppedEntry> Dropped;  // old entries that the merge left out, in old-table order
    QStringList Warnings;     // lines of the old or new file that the reader skipped

    bool Written() const { return Outcome == enuUpdateOutcome::Written; }
    bool IsMerged() const { return Outcome != enuUpdateOutcome::NotMerged; }
    // The counts and lists describe a file in the destination (or, in a dry run, the one that would
    // be): not so for a merge that was not written, whose old file is untouched.
    bool HasEntries() const { return Outcome == enuUpdateOutcome::Written || Outcome == enuUpdateOutcome::Merged; }
    // One line: "core.lrc was not merged: /old/core.lrc does not exist".
    QString Summary() const;
    // The whole report of this file: outcome, counts, the entries taken new and dropped, skipped
    // lines; LF between lines. At most plngMaxListed entries of each list are named one by one, then
    // a count of the rest; FullText names all of them.
    QString Text(int32_t plngMaxListed = 20) const;
    QString FullText() const { return Text(INT32_MAX); }
};

// An entry's text as the report shows it: one short line (a caption, else its tool-tip; a message's
// title and text).
QString ShortEntryText(const ControlTextItem& pudtItem);
QString ShortEntryText(const MessageItem& pudtItem);
QString ShortEntryText(const QString& pstrText);

// The box that closes an update run: "Completed!" (information icon) when every file was written,
// otherwise which files were not updated and why (exclamation icon). The details carry every file's
// report.
struct udtUpdateMessage {
    QString Prompt;
    int32_t Style = 0;
    QString Details;
};
udtUpdateMessage UpdateMessage(const QVector<udtUpdateReport>& pudtReports);

// Every file's full report, each entry named: what a translator saves to work through.
QString FullUpdateReport(const QVector<udtUpdateReport>& pudtReports);

// What an update of a whole folder did: the three files' reports, and the translation state written
// beside them.
struct udtFolderUpdate {
    QVector<udtUpdateReport> Files;  // core.lrc, messages.lrc, secondary.lrc
    QString StateLine;   // what became of the state, one line; empty when there was none to write
    bool StateFailed = false;  // the new state could not be written (an unreadable old one is only said)
    // "Created the destination folder /x." (or "... would be created" in a dry run); empty when it was there.
    QString DestinationLine;
};
// The same box and report, with the state's line; a state that failed is not "Completed!".
udtUpdateMessage UpdateMessage(const udtFolderUpdate& pudtUpdate);
QString FullUpdateReport(const udtFolderUpdate& pudtUpdate);

}  // namespace tralyx
