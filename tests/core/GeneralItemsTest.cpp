#include "basGeneralItems.h"
#include "basTwips.h"

#include <gtest/gtest.h>

using namespace tralyx;

struct udtOverMainCase {
    udtTwipsRect Main;
    double FormWidth;
    double FormHeight;
    udtTwipsPosition Expected;
};

class CentreFormOverMainTest : public ::testing::TestWithParam<udtOverMainCase> {};

TEST_P(CentreFormOverMainTest, RoundsHalvesToEvenAndClampsAtZero)
{
    const udtOverMainCase c = GetParam();
    const udtTwipsPosition udtGot = CentreFormOverMain(c.Main, c.FormWidth, c.FormHeight);
    EXPECT_EQ(udtGot.Left, c.Expected.Left);
    EXPECT_EQ(udtGot.Top, c.Expected.Top);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CentreFormOverMainTest,
    ::testing::Values(
        // Plain centring: 1000 + (9000 - 3000) / 2, 500 + (7000 - 2000) / 2.
        udtOverMainCase{{1000, 500, 9000, 7000}, 3000, 2000, {4000, 3000}},
        // 602.5 becomes 602 and 603.5 becomes 604 (halves to the even neighbour), left and top alike.
        udtOverMainCase{{100, 101, 1005, 1007}, 0, 0, {602, 604}},
        udtOverMainCase{{0, 0, 1205, 1207}, 0, 0, {602, 604}},
        udtOverMainCase{{0, 0, 1001, 1003}, 0, 0, {500, 502}},
        // A form wider than the main window at the screen's left edge: left edge 0, not negative.
        udtOverMainCase{{0, 0, 4000, 6000}, 6000, 2000, {0, 2000}},
        // Taller than the main window at the top: top 0; an exact 0 stays 0.
        udtOverMainCase{{0, 0, 4000, 6000}, 4000, 9000, {0, 0}},
        // Negative halves also round to even before clamping: -0.5 gives -0 and so 0.
        udtOverMainCase{{0, 0, 2, 2}, 3, 2, {0, 0}}));

TEST(CentreFormOnScreenTest, HalfTheScreenLessHalfTheFormUnrounded)
{
    EXPECT_EQ(CentreFormOnScreen(19200, 10800, 6001, 3001), (udtTwipsPosition{6599.5, 3899.5}));
    // Larger than the screen: negative.
    EXPECT_EQ(CentreFormOnScreen(1000, 1000, 3000, 1500), (udtTwipsPosition{-1000, -250}));
}

TEST(CentreFormOnScreenTest, ComputesInSinglePrecision)
{
    // 16777217 is not a single-precision number; the computation loses the odd unit.
    const udtTwipsPosition udtGot = CentreFormOnScreen(16777217.0 * 2, 0, 0, 0);
    EXPECT_EQ(udtGot.Left, 16777216.0);
}

TEST(RoundHalfEvenTest, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(RoundHalfEven(1e300), INT32_MAX);
    EXPECT_EQ(RoundHalfEven(-1e300), INT32_MIN);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
}

TEST(TwipsTest, ConvertsAtTheGivenDpi)
{
    struct udtCase {
        double Twips;
        double Dpi;
        int32_t Pixels;
    } udtCases[] = {{1440, 96, 96}, {7935, 96, 529}, {285, 96, 19}, {120, 144, 12}, {15, 96, 1}, {7, 96, 0},
                    {8, 96, 1},     {-8, 96, -1},    {1440, 0, 96}};
    for (const udtCase& c : udtCases) EXPECT_EQ(TwipsToPixels(c.Twips, c.Dpi), c.Pixels) << c.Twips << " at " << c.Dpi;
    EXPECT_EQ(PixelsToTwips(529, 96), 7935);
    EXPECT_EQ(PixelsToTwips(467, 96), 7005);
    EXPECT_EQ(PixelsToTwips(100, 120), 1200);
}
