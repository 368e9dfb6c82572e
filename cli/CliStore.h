#pragma once
// What the tralyx-lrc commands share about the store: how a file's problems are printed.
#include "CliText.h"
#include "store/basFileKind.h"
#include "store/clsTralyx.h"

#include <QString>
#include <optional>

namespace tralyx {
class clsTranslationMemory;
struct udtLanguageFolder;
}

namespace tralyx::cli {

// The reason printed when neither --kind nor the name tells the kind.
QString UnknownKindReason(const QString& pstrPath);

// "FILE:LINE: reason", or "FILE: reason" for a problem of the whole file (line 0); a reason that
// starts with the file's name does not repeat it.
QString IssueText(const QString& pstrFileName, const udtFileIssue& pudtIssue);

// The text with the control characters that a file may hold and that would act on a terminal (NUL,
// ESC, CR, NEL...) escaped as \x1b or \u0085; line breaks between the lines of a report and tabs stay.
QString TerminalText(const QString& pstrText);

// Whether pstrOut is one of the inputs (the same file, however named: a link, a hard link); the
// files of an input folder count, its three language files and its translation state. A command never writes over what it
// reads: true after printing "OUT: is INPUT itself, which the command reads; nothing was written".
bool WritesOverInput(const QString& pstrOut, const QStringList& pstrInputs);

// FOLDER's source folder: pstrGiven (--source), else its sibling English. Empty after printing
// why there is none, or why FOLDER or the source is not a folder.
QString SourceFolderFor(const QString& pstrFolder, const QString& pstrGiven);

// Loads a translated folder and its source folder, printing each file's error; false when any failed.
bool LoadFolderPair(const QString& pstrSource, const QString& pstrFolder, const QString& pstrCodePage,
                    udtLanguageFolder& pudtSource, udtLanguageFolder& pudtTranslation);

// Adds each --memory path (a translated folder or a TMX file) to the memory; false when any could
// not be read, each printed with its reason (the others are still added).
bool LoadMemory(clsTranslationMemory& pobjMemory, const QStringList& pstrPaths, const QString& pstrCodePage);

// One line (a line end is added) in UTF-8 on stdout or stderr, through TerminalText.
void PrintOutput(const QString& pstrLine);
void PrintError(const QString& pstrLine);

}  // namespace tralyx::cli
