#pragma once
// The index under which a control's text is stored: its control-array index as a byte, or 0 when it
// is not in a control array, its index does not fit in a byte, or the index cannot be read.
#include "common/clsRuntimeError.h"
#include "runtime/clsControl.h"

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

}  // namespace tralyx
