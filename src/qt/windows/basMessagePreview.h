#pragma once
// Preview in a messages window: the message box as the application would show it, from the boxes'
// texts, with every replacement marker replaced.
#include <QString>
#include <cstdint>

namespace tralyx {

class clsTralyx;

// Shows entry plngEntry of the store's message table with the given title and text (an empty one
// falls back to the stored text). Entries past the 256 an identifier reaches show the texts alone.
void PreviewMessage(const clsTralyx& pobjStore, int32_t plngEntry, const QString& pstrTitle, const QString& pstrMessage);

}  // namespace tralyx
