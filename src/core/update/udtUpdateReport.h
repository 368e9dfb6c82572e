#pragma once
// What one update run did to one language file, so that neither the dialog nor the command line
// ever reports success for a file that was not written, and no translation disappears unseen.
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

struct udtUpdateReport {
    QString FileName;         // "core.lrc", "messages.lrc" or "secondary.lrc"
    QString DestinationFile;  // the file the merge is (or would be) written to
    enuUpdateOutcome Outcome = enuUpdateOutcome::NotMerged;
    QString FailedFile;       // NotMerged / NotWritten: the file that failed
    udtFileIssue Issue;       // ... and its line and reason
    int32_t KeptFromOld = 0;   // merged entries that kept the old file's text
    int32_t TakenFromNew = 0;  // merged entries that came from the new file
    QVector<udtNewEntry> TakenNew;     // the TakenFromNew entries, in new-table order
    QVector<udtDroppedEntry> Dropped;  // old entries that the merge left out, in old-table order
    QStringList Warnings;     // lines of the old or new file that the reader skipped

    bool Written() const { return Outcome == enuUpdateOutcome::Written; }
    bool IsMerged() const { return Outcome != enuUpdateOutcome::NotMerged; }
    // One line: "core.lrc was not merged: /old/core.lrc does not exist".
    QString Summary() const;
    // The whole report of this file: outcome, counts, the entries taken new and dropped, skipped
    // lines; LF between lines. At most plngMaxListed entries of each list are named one by one, then
    // a count of the rest; FullText names all of them.
    QString Text(int32_t plngMaxListed = 20) const;
    QString FullText() const { return Text(INT32_MAX); }
};

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

}  // namespace tralyx
