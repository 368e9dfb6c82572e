#include "editor/basFillPlan.h"

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

}  // namespace tralyx
