#pragma once
// Git's conflict markers left in a file. No line of the three formats can start with one (every
// line of an entry, the later lines of a multi-line text too, carries its head), nor can a line of
// JSON outside a string, so a file holding one is a merge that was not finished: read, it would
// join both sides' texts into one or shift every later entry, and a write would make that final.
#include "store/clsTralyx.h"

#include <QByteArrayView>

namespace tralyx {

// The 1-based line of the first line that starts with "<<<<<<<", "|||||||" or ">>>>>>>" followed by
// a blank or the line end, or is "=======" (blanks after it allowed); 0 when there is none. Lines
// end as the readers end them (CR LF, lone CR, lone LF).
int32_t MergeConflictLine(QByteArrayView pbytContent);

// What a reader says of such a line: its number, and "an unresolved merge conflict ...".
udtFileIssue MergeConflictIssue(int32_t plngLine);

}  // namespace tralyx
