#pragma once
// Measuring texts as an application draws them: QFontMetrics in the recorded font at the recorded
// DPI. Needs a QGuiApplication (tralyx-lrc makes an offscreen one for lint).
#include "checks/clsLayoutFits.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <memory>
#include <unordered_map>
#include <vector>

namespace tralyx {

// The QFont of a recorded font, as measured and drawn.
QFont FontOf(const udtLayoutFont& pudtFont);

class clsFontMeasurer : public clsTextMeasurer {
public:
    udtTextExtent Measure(const udtLayoutFont& pudtFont, int plngDpi, const QString& pstrText, int plngWrapWidth) override;
    QString StandIn(const udtLayoutFont& pudtFont) override;
    // From the advances of its characters and of each pair of them (which carries the pair's kerning
    // and ligature), each measured once per font: for the Latin letters and the common punctuation,
    // within a margin that takes in what shaping more than two characters at once may change.
    bool ClearlyFits(const udtLayoutFont& pudtFont, int plngDpi, const QString& pstrText, int plngRoom) override;

private:
    const QFontMetricsF& Metrics(const udtLayoutFont& pudtFont, int plngDpi);
    struct udtAdvances {
        std::vector<float> Char;  // by CharIndex; NaN until measured
        std::vector<std::unique_ptr<float[]>> Pair;  // by the first's CharIndex, then the second's
        float Margin = 0;
    };
    udtAdvances& AdvancesOf(const QFontMetricsF& pobjMetrics);

    QHash<int, std::shared_ptr<QImage>> mobjDevices;  // a device of each DPI the metrics are taken at
    QHash<QString, std::shared_ptr<QFontMetricsF>> mobjMetrics;
    QHash<QString, QString> mstrStandIns;
    // The font measured last: a form's controls mostly share one.
    udtLayoutFont mudtLastFont;
    int mlngLastDpi = 0;
    const QFontMetricsF* mobjLastMetrics = nullptr;
    std::unordered_map<const QFontMetricsF*, udtAdvances> mudtAdvances;
};

}  // namespace tralyx
