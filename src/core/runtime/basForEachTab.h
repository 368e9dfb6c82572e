#pragma once
// A walk over the tabs of a tab control, for applying texts to each tab and harvesting them.
#include "common/clsRuntimeError.h"
#include "runtime/clsControl.h"

namespace tralyx {

// Addresses each tab of a tab control in turn (at most 256, the numbers a byte can key) and calls
// pfnTab with its number; a failing tab is skipped, and the tab selected before is addressed again.
template <typename Fn>
void ForEachTab(clsControl& pctlControl, Fn pfnTab)
{
    const int16_t intSelected = pctlControl.Tab();
    const int16_t intTabs = pctlControl.Tabs();
    for (int16_t intTab = 0; intTab < intTabs && intTab <= 255; ++intTab) {
        try {
            pctlControl.AddressTab(intTab);
            pfnTab(static_cast<uint8_t>(intTab));
        } catch (const clsRuntimeError&) {
        }
    }
    pctlControl.AddressTab(intSelected);
}

}  // namespace tralyx
