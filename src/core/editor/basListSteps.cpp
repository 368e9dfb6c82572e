#include "editor/basListSteps.h"

#include <algorithm>

namespace tralyx {

int32_t NextWanted(const udtListedRows& pudtRows, int32_t plngFromRow, int32_t plngStep,
                   const std::function<bool(int32_t)>& pfnWanted)
{
    const int32_t lngRows = pudtRows.Count;
    const int32_t lngFrom = plngFromRow >= 0 ? plngFromRow : plngStep > 0 ? -1 : lngRows;
    for (int32_t i = 1; i <= lngRows; ++i) {
        const int32_t lngEntry = pudtRows.EntryOf(((lngFrom + plngStep * i) % lngRows + lngRows) % lngRows);
        if (pfnWanted(lngEntry)) return lngEntry;
    }
    return -1;
}

bool WantedAfter(const udtListedRows& pudtRows, int32_t plngFromRow, const std::function<bool(int32_t)>& pfnWanted)
{
    for (int32_t lngRow = std::max(plngFromRow + 1, 0); lngRow < pudtRows.Count; ++lngRow)
        if (pfnWanted(pudtRows.EntryOf(lngRow))) return true;
    return false;
}

int32_t RowAfter(const udtListedRows& pudtRows, int32_t plngEntry)
{
    // The rows are in their order: the first row past plngEntry, by halving.
    const auto Before = [&](int32_t plngA, int32_t plngB) { return pudtRows.Before ? pudtRows.Before(plngA, plngB) : plngA < plngB; };
    int32_t lngLow = 0, lngHigh = pudtRows.Count;
    while (lngLow < lngHigh) {
        const int32_t lngMiddle = (lngLow + lngHigh) / 2;
        if (!Before(plngEntry, pudtRows.EntryOf(lngMiddle))) lngLow = lngMiddle + 1;
        else lngHigh = lngMiddle;
    }
    return std::min(lngLow, pudtRows.Count - 1);
}

}  // namespace tralyx
