#include "common/basTwips.h"

#include <cmath>

namespace tralyx {

namespace {
double UsableDpi(double pdblDpi) { return pdblDpi > 0 ? pdblDpi : 96.0; }
}  // namespace

int32_t TwipsToPixels(double pdblTwips, double pdblDpi)
{
    return static_cast<int32_t>(std::lround(pdblTwips * UsableDpi(pdblDpi) / TwipsPerInch));
}

int32_t PixelsToTwips(int32_t plngPixels, double pdblDpi)
{
    return static_cast<int32_t>(std::lround(plngPixels * double(TwipsPerInch) / UsableDpi(pdblDpi)));
}

}  // namespace tralyx
