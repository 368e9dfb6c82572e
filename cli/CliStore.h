#pragma once
// What the tralyx-lrc commands share about the store: the three kinds of language file, loading and
// saving a table by kind, and how a file's problems are printed.
#include "clsTralyx.h"

#include <QString>
#include <optional>

namespace tralyx::cli {

enum class enuFileKind { Core, Messages, Secondary };

// "core", "messages" or "secondary" (exactly, lower case), or nothing.
std::optional<enuFileKind> KindFromName(const QString& pstrName);
QString KindName(enuFileKind penuKind);

// The kind a file's base name selects, as the editor tells them: the lower-cased name without its
// extension is core, messages or secondary. Nothing for any other name.
std::optional<enuFileKind> KindOfFile(const QString& pstrPath);
// The reason printed when neither --kind nor the name tells the kind.
QString UnknownKindReason(const QString& pstrPath);

// Loads or saves the table of that kind with the store's own loader or saver.
void LoadTable(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrFileName, bool& pbooSuccess);
void SaveTable(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrFileName, bool& pbooSuccess);
qsizetype RecordCount(const clsTralyx& pobjStore, enuFileKind penuKind);

// "FILE:LINE: reason", or "FILE: reason" for a problem of the whole file (line 0); a reason that
// starts with the file's name does not repeat it.
QString IssueText(const QString& pstrFileName, const udtFileIssue& pudtIssue);

// One line (a line end is added) in UTF-8 on stdout or stderr.
void PrintOutput(const QString& pstrLine);
void PrintError(const QString& pstrLine);

}  // namespace tralyx::cli
