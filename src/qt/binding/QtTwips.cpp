#include "binding/QtTwips.h"

#include "common/basTwips.h"

#include <QWidget>

namespace tralyx {

int TwipsToPixelsX(const QWidget& pobjWidget, int32_t plngTwips)
{
    return TwipsToPixels(plngTwips, pobjWidget.logicalDpiX());
}

int TwipsToPixelsY(const QWidget& pobjWidget, int32_t plngTwips)
{
    return TwipsToPixels(plngTwips, pobjWidget.logicalDpiY());
}

int32_t PixelsToTwipsX(const QWidget& pobjWidget, int plngPixels)
{
    return PixelsToTwips(plngPixels, pobjWidget.logicalDpiX());
}

int32_t PixelsToTwipsY(const QWidget& pobjWidget, int plngPixels)
{
    return PixelsToTwips(plngPixels, pobjWidget.logicalDpiY());
}

QRect TwipsRectToPixels(const QWidget& pobjWidget, int32_t plngLeft, int32_t plngTop, int32_t plngWidth,
                    int32_t plngHeight)
{
    // Edges are converted, not sizes, so that neighbouring controls never drift apart by rounding.
    const int lngLeft = TwipsToPixelsX(pobjWidget, plngLeft);
    const int lngTop = TwipsToPixelsY(pobjWidget, plngTop);
    return QRect(QPoint(lngLeft, lngTop),
                 QPoint(TwipsToPixelsX(pobjWidget, plngLeft + plngWidth) - 1,
                        TwipsToPixelsY(pobjWidget, plngTop + plngHeight) - 1));
}

}  // namespace tralyx
