#pragma once
// Window measures are kept in twips (1/1440 inch) so that layouts keep their proportions on any
// screen; these convert them to and from pixels at a given number of dots per inch.
#include <cstdint>

namespace tralyx {

constexpr int32_t TwipsPerInch = 1440;

// Nearest whole pixel (halves away from zero). A non-positive pdblDpi counts as 96.
int32_t TwipsToPixels(double pdblTwips, double pdblDpi);
// Nearest whole twip.
int32_t PixelsToTwips(int32_t plngPixels, double pdblDpi);

}  // namespace tralyx
