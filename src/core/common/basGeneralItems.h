#pragma once
// Program-wide helpers of the windows.
//
// The arithmetic lives here, display-free, in twips; QtGeneralItems.h applies it to widgets
// (CentreForm, SetFullRowSelect).
#include <cstdint>

namespace tralyx {

// An outer position and size in twips.
struct udtTwipsRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};

struct udtTwipsPosition {
    double Left = 0;
    double Top = 0;
    bool operator==(const udtTwipsPosition&) const = default;
};

// Where CentreForm puts a form of the given size.
// On the screen: half the screen less half the form, in single precision, not rounded; a form
// larger than the screen gets a negative position.
udtTwipsPosition CentreFormOnScreen(double pdblScreenWidth, double pdblScreenHeight, double pdblFormWidth,
                                    double pdblFormHeight);
// Over the main window: its left/top plus half the difference of the sizes, rounded to a whole
// twip (halves to the even neighbour) and never less than 0.
udtTwipsPosition CentreFormOverMain(const udtTwipsRect& pudtMain, double pdblFormWidth, double pdblFormHeight);

// Rounds to the nearest whole number, halves to the even neighbour, saturating at the 32-bit range.
int32_t RoundHalfEven(double pdblValue);

}  // namespace tralyx
