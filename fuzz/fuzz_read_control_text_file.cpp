// Any bytes as a control text file, under both code pages.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pbytData, size_t plngSize)
{
    return tralyx::fuzz::ReadAnyFile(tralyx::enuFileKind::ControlText, pbytData, plngSize);
}
