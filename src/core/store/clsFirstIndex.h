#pragma once
// The first position of each key among a table's positions: an open-addressed array of positions at
// most half full, small enough to stay in the cache, with each position's hash kept to skip most
// key comparisons. The keys stay in the table; the caller hashes and compares them. The path index
// of a control-text table and a language folder's index of its entries are both one; QHash was
// measured slower for them (doc/figures.md).
#include <QtGlobal>
#include <cstdint>
#include <vector>

namespace tralyx {

class clsFirstIndex {
public:
    // Indexes positions 0 to plngCount - 1: pfnHash(i) is the hash of i's key, pfnSame(p, i) whether
    // p and i have the same key. pfnLater(i) is called for a position whose key an earlier one has.
    template <class FnHash, class FnSame, class FnLater>
    void Build(qsizetype plngCount, FnHash pfnHash, FnSame pfnSame, FnLater pfnLater)
    {
        size_t lngSlots = 16;
        while (lngSlots < 2 * static_cast<size_t>(plngCount)) lngSlots *= 2;
        mlngSlots.assign(lngSlots, -1);
        mlngMask = lngSlots - 1;
        mlngHashes.resize(static_cast<size_t>(plngCount));
        for (qsizetype i = 0; i < plngCount; ++i) {
            const uint32_t lngHash = mlngHashes[static_cast<size_t>(i)] = pfnHash(i);
            int32_t& lngSlot = mlngSlots[Slot(lngHash, [&](int32_t p) { return pfnSame(p, i); })];
            if (lngSlot < 0) lngSlot = static_cast<int32_t>(i);
            else pfnLater(i);  // a later duplicate leaves the first
        }
    }

    // The first position of hash plngHash whose key pfnIs(position) accepts, or -1.
    template <class FnIs>
    int32_t Find(uint32_t plngHash, FnIs pfnIs) const
    {
        return mlngSlots.empty() ? -1 : mlngSlots[Slot(plngHash, pfnIs)];
    }

private:
    // The slot that holds the key, or the empty one where it would go.
    template <class FnIs>
    size_t Slot(uint32_t plngHash, FnIs pfnIs) const
    {
        for (size_t lngSlot = plngHash & mlngMask;; lngSlot = (lngSlot + 1) & mlngMask) {
            const int32_t lngPosition = mlngSlots[lngSlot];
            if (lngPosition < 0 || (mlngHashes[static_cast<size_t>(lngPosition)] == plngHash && pfnIs(lngPosition))) return lngSlot;
        }
    }

    std::vector<int32_t> mlngSlots;
    std::vector<uint32_t> mlngHashes;  // per position
    size_t mlngMask = 0;
};

}  // namespace tralyx
