#pragma once
// Twips for widgets: converted at the logical DPI of the screen the widget is on.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

class QWidget;

namespace tralyx {

// Horizontal measures (left, width) use the horizontal DPI, vertical ones (top, height) the
// vertical DPI.
int TwipsToPixelsX(const QWidget& pobjWidget, int32_t plngTwips);
int TwipsToPixelsY(const QWidget& pobjWidget, int32_t plngTwips);
int32_t PixelsToTwipsX(const QWidget& pobjWidget, int plngPixels);
int32_t PixelsToTwipsY(const QWidget& pobjWidget, int plngPixels);

// A rectangle given as left, top, width and height in twips, in pixels.
QRect TwipsRectToPixels(const QWidget& pobjWidget, int32_t plngLeft, int32_t plngTop, int32_t plngWidth,
                    int32_t plngHeight);

}  // namespace tralyx
