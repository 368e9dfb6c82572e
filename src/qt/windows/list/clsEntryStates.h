#pragma once
// What an editor window keeps of an entry beyond its texts (a review or done mark, say), as one
// opaque value per entry, so that an undo step can put it back together with the texts.
#include <QVariant>
#include <cstdint>

namespace tralyx {

class clsEntryStates {
public:
    virtual ~clsEntryStates() = default;
    virtual QVariant EntryState(int32_t plngEntry) const = 0;
    // Puts a value that EntryState gave back; the implementation tells its views.
    virtual void SetEntryState(int32_t plngEntry, const QVariant& pobjState) = 0;
};

}  // namespace tralyx
