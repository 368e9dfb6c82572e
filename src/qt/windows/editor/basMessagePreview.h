#pragma once
// Preview in a messages window: the message box as the application would show it, from the boxes'
// texts, with every replacement marker replaced.
#include <QStringList>
#include <cstdint>
#include <optional>

namespace tralyx {

class clsTralyx;

// Shows entry plngEntry of the store's message table with the given title and text (an empty one
// falls back to the stored text). Entries past the 256 an identifier reaches show the texts alone.
// With the names of the markers the source's entry has, any other marker is shown as it stands.
void PreviewMessage(const clsTralyx& pobjStore, int32_t plngEntry, const QString& pstrTitle, const QString& pstrMessage,
                    const std::optional<QStringList>& pstrSourceMarkers = std::nullopt);

}  // namespace tralyx
