#pragma once
// The columns of the editor's list for each kind of table, one entry at a time: the row text and the
// sub-items that DisplayControlText, DisplayMessages and DisplaySecondary fill (object path,
// caption, tool-tip; title, message; text), read from the table and written with its setter.
#include "store/basFileKind.h"

namespace tralyx {

int ListColumnCount(enuFileKind penuKind);  // 3 for control text, 2 for messages, 1 for procedural text
// The text in that column of the entry at plngEntry, exactly as stored; empty outside the table.
QString ListText(const clsTralyx& pobjStore, enuFileKind penuKind, qsizetype plngEntry, int pintColumn);
// Sets that text with the kind's setter, leaving the entry's other text as it is. False, changing
// nothing, for the object path (never edited) and for a place outside the table.
bool SetListText(clsTralyx& pobjStore, enuFileKind penuKind, qsizetype plngEntry, int pintColumn,
                 const QString& pstrText);

}  // namespace tralyx
