#pragma once
// What the editor asks and says around its files: files it does not open, a file that failed to
// load, a save that would lose something (another program's changes to the file, lines the load
// skipped, texts core.lrc has no line for, a table saved under another kind's name), a save that failed or was refused (a name the
// system cannot carry, a file locked by tralyx-lrc), and a commit of characters the file's code
// page cannot write.
#include "store/basFileKind.h"

namespace tralyx {

// Why a file is not opened: a name not valid in the system's encoding, or not the name of a
// language file; empty when it is opened.
QString WhyNotOpened(const QString& pstrPath);
// Names the files not opened, with their reasons, in one message; nothing when there are none.
void SayNotOpened(const QStringList& pstrFiles);
// Loads the table of that kind from pstrPath; false, said in a message box with the line and the
// reason, when the file is corrupt or could not be read.
bool LoadTable(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrPath);
// Saves the table of that kind to pstrTarget, holding the file's lock, once the questions are
// answered Yes; false when one was answered No or the save failed (said in a message box unless
// the overwrite was declined).
// pstrOwnFile is the window's file, pudtSkippedLines the lines its load skipped; pbooUnwritableAgreed
// whether a save without the texts core.lrc has no line for was agreed to (asked once, then set);
// without pbooAskOverwrite the own file is replaced without the "Overwrite file" question.
bool SaveTable(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrTarget, const QString& pstrOwnFile,
               const QVector<udtFileIssue>& pudtSkippedLines, bool& pbooUnwritableAgreed, bool pbooAskOverwrite = true);
// Says that pstrTarget could not be saved, and why; false.
bool SayNotSaved(const QString& pstrTarget, const QString& pstrReason);
// A file named as another kind would be read as that kind: asks first. True: go ahead.
bool ConfirmSaveAsKind(const QString& pstrTarget, int32_t plngEditType);
// Says which characters of pstrText the code page cannot write, if any.
void WarnUnencodable(const QString& pstrCodePage, const QString& pstrText);

}  // namespace tralyx
