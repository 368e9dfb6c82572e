#pragma once
// What the tralyx-lrc commands share about the store: how a file's problems are printed.
#include "store/basFileKind.h"
#include "store/clsTralyx.h"

#include <QString>
#include <optional>

namespace tralyx::cli {

// The reason printed when neither --kind nor the name tells the kind.
QString UnknownKindReason(const QString& pstrPath);

// "FILE:LINE: reason", or "FILE: reason" for a problem of the whole file (line 0); a reason that
// starts with the file's name does not repeat it.
QString IssueText(const QString& pstrFileName, const udtFileIssue& pudtIssue);

// One line (a line end is added) in UTF-8 on stdout or stderr.
void PrintOutput(const QString& pstrLine);
void PrintError(const QString& pstrLine);

}  // namespace tralyx::cli
