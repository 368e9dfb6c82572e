// Any bytes as a message file, under both code pages.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize)
{
    return tralyx::fuzz::ReadAnyFile(tralyx::enuFileKind::Messages, pbytData, plngSize);
}
