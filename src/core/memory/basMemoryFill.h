#pragma once
// Pre-translation: the memory's exact match put into each untranslated text of a table, each marked
// review in the state (never done): a match is a proposal until the translator has seen it.
#include "checks/basEntryMatch.h"
#include "common/clsCodePage.h"
#include "exchange/basLanguageFolder.h"
#include "memory/clsTranslationMemory.h"
#include "state/clsTranslationState.h"

namespace tralyx {

// Whether a text is one to fill: the source has it and the file can keep it, and its translation is
// empty or still the source's own (an update copies a new entry's source) without being done.
bool WantsFill(const udtEntryText& pudtEntry, const udtTextState& pudtState);

// The memory's exact match for a text that wants filling, when it has one other than the source
// that the file's code page can write. One it cannot write is left out, and pstrSkipped gets a line
// naming the text and the characters (one match the file cannot hold never stops the others).
std::optional<QString> FillFor(const udtEntryText& pudtEntry, const clsTranslationMemory& pobjMemory,
                               const clsCodePage& pobjCodePage, QStringList& pstrSkipped);

// The fill of one table against its source; the number of texts filled.
int32_t FillFromMemory(enuFileKind penuFile, const clsTralyx& pobjSource, clsTralyx& pobjTranslation,
                       const clsTranslationMemory& pobjMemory, clsTranslationState& pobjState, QStringList& pstrSkipped);

// The fill of a whole translated folder (an update's destination) against its source folder, under
// the folder's lock (clsFolderTransaction): each file filled is written, then the review marks with
// it. The texts filled; pstrErrors gets what failed, each a line naming its file, and pstrWarnings
// each match left out because the file's code page cannot hold it ("FILE: warning: ...").
int32_t FillFolderFromMemory(const QString& pstrSource, const QString& pstrFolder, const QString& pstrCodePage,
                             const clsTranslationMemory& pobjMemory, QStringList& pstrErrors, QStringList& pstrWarnings);

}  // namespace tralyx
