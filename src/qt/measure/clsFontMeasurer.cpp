#include "measure/clsFontMeasurer.h"

#include <QFontInfo>
#include <cmath>

namespace tralyx {
QFont FontOf(const udtLayoutFont& pudtFont)
{
    QFont objFont(pudtFont.Family);
    objFont.setPointSizeF(pudtFont.PointSize);
    objFont.setWeight(static_cast<QFont::Weight>(qBound(1, pudtFont.Weight, 1000)));
    objFont.setItalic(pudtFont.Italic);
    return objFont;
}

namespace {

QString KeyOf(const udtLayoutFont& pudtFont)
{
    return QStringLiteral("%1|%2|%3|%4").arg(pudtFont.Family).arg(pudtFont.PointSize).arg(pudtFont.Weight).arg(pudtFont.Italic);
}

}  // namespace

const QFontMetricsF& clsFontMeasurer::Metrics(const udtLayoutFont& pudtFont, int plngDpi)
{
    if (mobjLastMetrics && plngDpi == mlngLastDpi && pudtFont.Family == mudtLastFont.Family && pudtFont.PointSize == mudtLastFont.PointSize &&
        pudtFont.Weight == mudtLastFont.Weight && pudtFont.Italic == mudtLastFont.Italic)
        return *mobjLastMetrics;
    mudtLastFont = pudtFont;
    mlngLastDpi = plngDpi;
    const QString strKey = KeyOf(pudtFont) + u'@' + QString::number(plngDpi);
    if (const auto it = mobjMetrics.constFind(strKey); it != mobjMetrics.cend()) return *(mobjLastMetrics = it->get());
    std::shared_ptr<QImage>& objDevice = mobjDevices[plngDpi];
    if (!objDevice) {
        // An image of that DPI: the metrics of the font as a screen of that DPI draws it.
        objDevice = std::make_shared<QImage>(1, 1, QImage::Format_ARGB32);
        const int lngPerMetre = qRound(qBound(24, plngDpi, 2400) / 0.0254);
        objDevice->setDotsPerMeterX(lngPerMetre);
        objDevice->setDotsPerMeterY(lngPerMetre);
    }
    mobjLastMetrics = mobjMetrics.insert(strKey, std::make_shared<QFontMetricsF>(FontOf(pudtFont), objDevice.get())).value().get();
    return *mobjLastMetrics;
}

udtTextExtent clsFontMeasurer::Measure(const udtLayoutFont& pudtFont, int plngDpi, const QString& pstrText, int plngWrapWidth)
{
    const QFontMetricsF& objMetrics = Metrics(pudtFont, plngDpi);
    if (plngWrapWidth > 0) {
        const QRectF objBounds = objMetrics.boundingRect(QRectF(0, 0, plngWrapWidth, 1e6), Qt::TextWordWrap, pstrText);
        return {static_cast<int>(std::ceil(objBounds.width())), static_cast<int>(std::ceil(objBounds.height()))};
    }
    qreal dblWidest = 0;
    const QStringList strLines = pstrText.split(u'\n');
    for (const QString& strLine : strLines) dblWidest = qMax(dblWidest, objMetrics.horizontalAdvance(strLine));
    return {static_cast<int>(std::ceil(dblWidest)), static_cast<int>(std::ceil(objMetrics.lineSpacing() * strLines.size()))};
}

QString clsFontMeasurer::StandIn(const udtLayoutFont& pudtFont)
{
    const auto it = mstrStandIns.constFind(pudtFont.Family);
    if (it != mstrStandIns.cend()) return *it;
    const QString strDrawn = QFontInfo(FontOf(pudtFont)).family();
    const QString strStandIn = strDrawn.compare(pudtFont.Family, Qt::CaseInsensitive) == 0 ? QString() : strDrawn;
    mstrStandIns.insert(pudtFont.Family, strStandIn);
    return strStandIn;
}

}  // namespace tralyx
