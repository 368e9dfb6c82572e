#pragma once
// The bodies of the fuzz targets; each fuzz_*.cpp hands its input to one of them.
#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>

namespace tralyx::fuzz {

// Any bytes, under each code page: the load succeeds or fails with a reason, never crashes; a
// table that loaded is saved, read back and must come back equal apart from the format's losses.
int ReadAnyFile(enuFileKind penuKind, const uint8_t* pbytData, size_t plngSize);

// A table built from the input is saved, read back and compared; then saved over an old file, with
// the overwrite question answered No (old file untouched) and Yes (replaced).
// One input in LargeTableOneIn builds a table of around a thousand records, one in ThroughFileOneIn
// also goes through a file (chosen by a hash of the input; see fuzz/README.md).
int WriteThenRead(const uint8_t* pbytData, size_t plngSize);
inline constexpr uint32_t LargeTableOneIn = 1024;
inline constexpr uint32_t ThroughFileOneIn = 256;

}  // namespace tralyx::fuzz
