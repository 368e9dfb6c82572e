// Tables built by the fuzzer, written and read back.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize)
{
    return tralyx::fuzz::WriteThenRead(pbytData, plngSize);
}
