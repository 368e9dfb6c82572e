#include "editor/basFillPlan.h"

#include "checks/basChecks.h"
#include "memory/basMemoryFill.h"

namespace tralyx {

std::vector<udtFill> FillPlan(int32_t plngRows, const std::function<std::vector<udtEntryText>(int32_t)>& pfnTexts,
                              const std::function<udtTextState(int32_t, enuTextKind)>& pfnState,
                              const clsTranslationMemory& pobjMemory, const clsCodePage& pobjCodePage,
                              QStringList& pstrSkipped)
{
    std::vector<udtFill> udtFills;
    for (int32_t r = 0; r < plngRows; ++r)
        for (const udtEntryText& u : pfnTexts(r)) {
            if (!WantsFill(u, pfnState(r, u.Kind))) continue;
            std::optional<QString> strFill = FillFor(u, pobjMemory, pobjCodePage, pstrSkipped);
            if (strFill) udtFills.push_back({r, u.Kind, u.Source, std::move(*strFill)});
        }
    return udtFills;
}

udtTextState FilledState(udtTextState pudtState, const QString& pstrSource)
{
    pudtState.Review = true;
    pudtState.Done = false;
    pudtState.PreviousSource = pstrSource;
    pudtState.For.clear();  // given for the text filled in
    return pudtState;
}

QString WithAccessKeyOf(QStringView pstrSource, const QString& pstrTranslation)
{
    const udtAccessKeys udtSource = AccessKeys(pstrSource);
    if (udtSource.Count == 0 || AccessKeys(pstrTranslation).Count > 0) return pstrTranslation;
    const QChar chrKey = udtSource.Key.toLower();
    const auto WordStart = [&](qsizetype i) { return i == 0 || !pstrTranslation[i - 1].isLetterOrNumber(); };
    qsizetype lngAt = -1, lngInWord = -1, lngFirstLetter = -1;
    for (qsizetype i = 0; i < pstrTranslation.size() && lngAt < 0; ++i) {
        const QChar c = pstrTranslation[i];
        if (c == u'&') {  // "&&", a literal ampersand
            ++i;
            continue;
        }
        if (!c.isLetterOrNumber()) continue;
        if (lngFirstLetter < 0) lngFirstLetter = i;
        if (c.toLower() != chrKey) continue;
        if (WordStart(i)) lngAt = i;
        else if (lngInWord < 0) lngInWord = i;
    }
    const qsizetype lngPlace = lngAt >= 0 ? lngAt : lngInWord >= 0 ? lngInWord : lngFirstLetter;
    if (lngPlace < 0) return pstrTranslation;
    QString strOut = pstrTranslation;
    strOut.insert(lngPlace, u'&');
    return strOut;
}

}  // namespace tralyx
