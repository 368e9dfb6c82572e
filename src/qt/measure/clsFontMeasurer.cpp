#include "measure/clsFontMeasurer.h"

#include <QFontInfo>
#include <cmath>

using namespace Qt::StringLiterals;

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

namespace {

// The characters whose advances are kept: Latin to Latin Extended-B, and general punctuation with
// the currency signs ("„", "…", "–", "€"); -1 for any other, whose text is measured whole.
constexpr int CharCount = 0x250 + 0xD0;
int CharIndex(char16_t pchrChar)
{
    if (pchrChar >= 0x20 && pchrChar < 0x250) return pchrChar;
    if (pchrChar >= 0x2000 && pchrChar < 0x20D0) return 0x250 + (pchrChar - 0x2000);
    return -1;
}

}  // namespace

clsFontMeasurer::udtAdvances& clsFontMeasurer::AdvancesOf(const QFontMetricsF& pobjMetrics)
{
    udtAdvances& udtOut = mudtAdvances[&pobjMetrics];
    if (udtOut.Char.empty()) {
        udtOut.Char.assign(CharCount, std::nanf(""));
        udtOut.Pair.resize(CharCount);
        // Shaping three or more characters at once (a ligature of three, contextual forms) moves a
        // text's width by well under a tenth of its font's height, or two pixels.
        udtOut.Margin = float(qMax(2.0, pobjMetrics.height() * 0.15));
    }
    return udtOut;
}

bool clsFontMeasurer::ClearlyFits(const udtLayoutFont& pudtFont, int plngDpi, const QString& pstrText, int plngRoom)
{
    const QFontMetricsF& objMetrics = Metrics(pudtFont, plngDpi);
    udtAdvances& udtAdvance = AdvancesOf(objMetrics);
    const auto Advance = [&](qsizetype i, int lngIndex) {
        float& sngAdvance = udtAdvance.Char[size_t(lngIndex)];
        if (std::isnan(sngAdvance)) sngAdvance = float(objMetrics.horizontalAdvance(pstrText[i]));
        return sngAdvance;
    };
    float sngLine = 0;
    int lngPrevious = -1;
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        if (pstrText[i] == u'\n') {
            lngPrevious = -1;
            sngLine = 0;
            continue;
        }
        const int lngIndex = CharIndex(pstrText[i].unicode());
        if (lngIndex < 0) return false;
        sngLine += Advance(i, lngIndex);
        if (lngPrevious >= 0) {
            std::unique_ptr<float[]>& sngRow = udtAdvance.Pair[size_t(lngPrevious)];
            if (!sngRow) {  // a row of pairs for each first character met: most are never
                sngRow = std::make_unique<float[]>(CharCount);
                std::fill_n(sngRow.get(), CharCount, std::nanf(""));
            }
            float& sngPair = sngRow[size_t(lngIndex)];
            if (std::isnan(sngPair))
                sngPair = float(objMetrics.horizontalAdvance(pstrText.mid(i - 1, 2))) - Advance(i - 1, lngPrevious) - Advance(i, lngIndex);
            sngLine += sngPair;
        }
        lngPrevious = lngIndex;
        if (sngLine + udtAdvance.Margin > float(plngRoom)) return false;
    }
    return true;
}

QString clsFontMeasurer::StandIn(const udtLayoutFont& pudtFont)
{
    const auto it = mstrStandIns.constFind(pudtFont.Family);
    if (it != mstrStandIns.cend()) return *it;
    // A generic family ("Sans Serif", Qt's default for a form that sets none) is whatever font the
    // system picks for it, here as on the application's machine: nothing stands in for it.
    static const QStringList strGeneric{u"sans serif"_s, u"sans-serif"_s, u"sans"_s, u"serif"_s, u"monospace"_s, u"mono"_s, u"system-ui"_s};
    const QString strDrawn = QFontInfo(FontOf(pudtFont)).family();
    const QString strStandIn =
        strDrawn.compare(pudtFont.Family, Qt::CaseInsensitive) == 0 || strGeneric.contains(pudtFont.Family.trimmed(), Qt::CaseInsensitive)
            ? QString()
            : strDrawn;
    mstrStandIns.insert(pudtFont.Family, strStandIn);
    return strStandIn;
}

}  // namespace tralyx
