#pragma once
// secondary.lrc on bytes: "TXTnnn:" lines, one per line of each procedural text.
#include "store/udtFileRead.h"

namespace tralyx {

using udtSecondaryRead = udtFileRead<QStringList>;

// Parses the bytes; unnumbered lines are skipped, and listed in the warnings unless blank.
void ReadSecondary(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtSecondaryRead& pudtOut);

// The same for a reader that takes only what the writer writes: every line that is not blank a
// TXTnnn: line, the entries numbered 001, 002, 003, ... in order (after 999, 000 again). Anything
// else fails, naming the line.
void ReadSecondaryExactly(const QByteArray& pbytContent, const clsCodePage& pobjCodePage, udtSecondaryRead& pudtOut);

// The file's bytes for the table; false, with the reason naming the entry, when a text cannot be
// written in this code page.
bool WriteSecondary(const QStringList& pstrTable, const clsCodePage& pobjCodePage, bool pbooMark, QByteArray& pbytOut,
                    udtFileIssue& pudtError);

// "TXT007"; numbers wrap after 999, so the thousandth and later say which one they are.
QString SecondaryEntryName(qsizetype plngIndex);

}  // namespace tralyx
