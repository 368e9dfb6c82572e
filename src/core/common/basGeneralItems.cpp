#include "common/basGeneralItems.h"

#include <cmath>
#include <limits>

namespace tralyx {

int32_t RoundHalfEven(double pdblValue)
{
    if (std::isnan(pdblValue)) return 0;
    constexpr double dblMin = std::numeric_limits<int32_t>::min();
    constexpr double dblMax = std::numeric_limits<int32_t>::max();
    if (pdblValue <= dblMin) return std::numeric_limits<int32_t>::min();
    if (pdblValue >= dblMax) return std::numeric_limits<int32_t>::max();
    const double dblFloor = std::floor(pdblValue);
    const double dblFraction = pdblValue - dblFloor;
    double dblResult = dblFloor;
    if (dblFraction > 0.5 || (dblFraction == 0.5 && std::fmod(dblFloor, 2.0) != 0.0)) dblResult += 1.0;
    return static_cast<int32_t>(dblResult);
}

udtTwipsPosition CentreFormOnScreen(double pdblScreenWidth, double pdblScreenHeight, double pdblFormWidth,
                                    double pdblFormHeight)
{
    const float sngLeft = static_cast<float>(pdblScreenWidth) / 2.0f - static_cast<float>(pdblFormWidth) / 2.0f;
    const float sngTop = static_cast<float>(pdblScreenHeight) / 2.0f - static_cast<float>(pdblFormHeight) / 2.0f;
    return {sngLeft, sngTop};
}

udtTwipsPosition CentreFormOverMain(const udtTwipsRect& pudtMain, double pdblFormWidth, double pdblFormHeight)
{
    const int32_t lngLeft = RoundHalfEven(pudtMain.Left + (pudtMain.Width - pdblFormWidth) / 2.0);
    const int32_t lngTop = RoundHalfEven(pudtMain.Top + (pudtMain.Height - pdblFormHeight) / 2.0);
    return {double(lngLeft < 0 ? 0 : lngLeft), double(lngTop < 0 ? 0 : lngTop)};
}

}  // namespace tralyx
