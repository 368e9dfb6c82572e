#pragma once
// The two operations of a list view that filling the editor list needs.
#include <QString>
#include <cstdint>

namespace tralyx {

class clsListItems {
public:
    virtual ~clsListItems() = default;
    // Adds a row with the given text at the end; returns its position, counted from 1.
    virtual int32_t AddItem(const QString& pstrText) = 0;
    // Sets sub-item 1 or 2 of the row at plngItem (counted from 1).
    virtual void SetSubItem(int32_t plngItem, int pintSubItem, const QString& pstrText) = 0;
};

}  // namespace tralyx
