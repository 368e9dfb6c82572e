#pragma once
// The index under which a control's text is stored: its control-array index as a byte, or 0 when it
// is not in a control array, its index does not fit in a byte, or the index cannot be read.
#include "clsControl.h"
#include "clsRuntimeError.h"

namespace tralyx {

inline uint8_t StoredIndex(const clsControl& pctlControl)
{
    try {
        const std::optional<int32_t> lngIndex = pctlControl.Index();
        if (lngIndex && *lngIndex >= 0 && *lngIndex <= 255) return static_cast<uint8_t>(*lngIndex);
    } catch (const clsRuntimeError&) {
    }
    return 0;
}

// Selects each tab of a tab control in turn (at most 256, the numbers a byte can key) and calls
// pfnTab with its number; a failing tab is skipped, and the tab selected before is selected again.
template <typename Fn>
void ForEachTab(clsControl& pctlControl, Fn pfnTab)
{
    const int16_t intSelected = pctlControl.Tab();
    const int16_t intTabs = pctlControl.Tabs();
    for (int16_t intTab = 0; intTab < intTabs && intTab <= 255; ++intTab) {
        try {
            pctlControl.SetTab(intTab);
            pfnTab(static_cast<uint8_t>(intTab));
        } catch (const clsRuntimeError&) {
        }
    }
    pctlControl.SetTab(intSelected);
}

}  // namespace tralyx
