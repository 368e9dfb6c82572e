#pragma once
// Pre-translation: the memory's exact match put into each untranslated text of a table, each marked
// review in the state (never done): a match is a proposal until the translator has seen it.
#include "checks/basEntryMatch.h"
#include "exchange/basLanguageFolder.h"
#include "memory/clsTranslationMemory.h"
#include "state/clsTranslationState.h"

namespace tralyx {

// Whether a text is one to fill: the source has it and the file can keep it, and its translation is
// empty or still the source's own (an update copies a new entry's source) without being done.
bool WantsFill(const udtEntryText& pudtEntry, const udtTextState& pudtState);

// The fill of one table against its source; the number of texts filled.
int32_t FillFromMemory(enuFileKind penuFile, const clsTralyx& pobjSource, clsTralyx& pobjTranslation,
                       const clsTranslationMemory& pobjMemory, clsTranslationState& pobjState);

// The fill of a whole translated folder (an update's destination) against its source folder, under
// the folder's lock (clsFolderTransaction): each file filled is written, then the review marks with
// it. The texts filled; pstrErrors gets what failed, each a line naming its file.
int32_t FillFolderFromMemory(const QString& pstrSource, const QString& pstrFolder, const QString& pstrCodePage,
                             const clsTranslationMemory& pobjMemory, QStringList& pstrErrors);

}  // namespace tralyx
