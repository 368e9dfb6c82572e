#pragma once
// What the text editor window asks and says around writing its table: before a save that would
// lose something (another program's changes to the file, lines the load skipped), a save that
// failed or was refused (a name the system cannot carry, a file locked by tralyx-lrc), and a commit
// of characters the file's code page cannot write.
#include "store/basFileKind.h"

namespace tralyx {

// Saves the table of that kind to pstrTarget, holding the file's lock, once the questions are
// answered Yes; false when one was answered No or the save failed (said in a message box unless
// the overwrite was declined).
// pstrOwnFile is the window's file, pudtSkippedLines the lines its load skipped.
bool SaveTable(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrTarget, const QString& pstrOwnFile,
               const QVector<udtFileIssue>& pudtSkippedLines);
// Says which characters of pstrText the code page cannot write, if any.
void WarnUnencodable(const QString& pstrCodePage, const QString& pstrText);

}  // namespace tralyx
