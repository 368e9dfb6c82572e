#pragma once
// The first position of each object path (form, control, index; exact case) in a control-text
// table, found in constant time without building a string per path. The merge and the pairing of a
// translation with its source both use it.
#include "store/clsTralyx.h"

#include <cstdint>
#include <vector>

namespace tralyx {
namespace path_index {

inline bool SamePath(const ControlTextItem& pudtOne, const ControlTextItem& pudtOther)
{
    // Most paths of a table share their form name: compare it last.
    return pudtOne.Index == pudtOther.Index && pudtOne.ControlName == pudtOther.ControlName &&
           pudtOne.FormName == pudtOther.FormName;
}

inline uint32_t PathHash(const ControlTextItem& pudtItem)
{
    // FNV-1a over the path's UTF-16 units, then a final mix so that the low bits, which pick the
    // slot, depend on all of it.
    uint32_t lngHash = 2166136261u;
    const auto Add = [&lngHash](uint32_t plngUnit) { lngHash = (lngHash ^ plngUnit) * 16777619u; };
    for (const QChar chrUnit : pudtItem.FormName) Add(chrUnit.unicode());
    Add(0x10000);  // a separator no UTF-16 unit can be
    for (const QChar chrUnit : pudtItem.ControlName) Add(chrUnit.unicode());
    Add(0x10000u + pudtItem.Index);
    lngHash ^= lngHash >> 16;
    lngHash *= 0x85ebca6bu;
    lngHash ^= lngHash >> 13;
    return lngHash;
}

}  // namespace path_index

// The first position of each path in a table: an open-addressed array of positions at most half
// full, small enough to stay in the cache, with each entry's hash kept to skip most string
// comparisons. Built once, it answers in constant time what a scan of the table answers in
// linear time.
class clsFirstPathIndex {
public:
    explicit clsFirstPathIndex(const QVector<ControlTextItem>& pudtTable) : mudtTable(pudtTable)
    {
        size_t lngSlots = 16;
        while (lngSlots < 2 * static_cast<size_t>(pudtTable.size())) lngSlots *= 2;
        mlngSlots.assign(lngSlots, -1);
        mlngMask = lngSlots - 1;
        mlngHashes.resize(pudtTable.size());
        for (qsizetype i = 0; i < pudtTable.size(); ++i) {
            mlngHashes[i] = path_index::PathHash(pudtTable[i]);
            int32_t& lngSlot = mlngSlots[Slot(mlngHashes[i], pudtTable[i])];
            if (lngSlot < 0) {
                lngSlot = static_cast<int32_t>(i);
            } else {  // a later duplicate leaves the first
                if (mbooLater.empty()) mbooLater.resize(static_cast<size_t>(pudtTable.size()));
                mbooLater[static_cast<size_t>(i)] = true;
            }
        }
    }

    // The first position of the item's path, or -1.
    int32_t Find(const ControlTextItem& pudtItem) const { return mlngSlots[Slot(path_index::PathHash(pudtItem), pudtItem)]; }

    // Whether the entry at that position is the first of its path: Find(table[i]) == i, known
    // from building.
    bool IsFirst(qsizetype plngPosition) const
    {
        return mbooLater.empty() || !mbooLater[static_cast<size_t>(plngPosition)];
    }

private:
    // The slot that holds the path, or the empty one where it would go.
    size_t Slot(uint32_t plngHash, const ControlTextItem& pudtItem) const
    {
        for (size_t lngSlot = plngHash & mlngMask;; lngSlot = (lngSlot + 1) & mlngMask) {
            const int32_t lngPosition = mlngSlots[lngSlot];
            if (lngPosition < 0 || (mlngHashes[lngPosition] == plngHash && path_index::SamePath(mudtTable[lngPosition], pudtItem)))
                return lngSlot;
        }
    }

    const QVector<ControlTextItem>& mudtTable;
    std::vector<int32_t> mlngSlots;
    std::vector<uint32_t> mlngHashes;
    std::vector<bool> mbooLater;  // the later duplicates; empty when the table has none
    size_t mlngMask = 0;
};

}  // namespace tralyx
