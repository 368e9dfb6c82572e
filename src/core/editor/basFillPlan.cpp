#include "editor/basFillPlan.h"

#include "memory/basMemoryFill.h"

namespace tralyx {

std::vector<udtFill> FillPlan(int32_t plngRows, const std::function<std::vector<udtEntryText>(int32_t)>& pfnTexts,
                              const std::function<udtTextState(int32_t, enuTextKind)>& pfnState,
                              const clsTranslationMemory& pobjMemory)
{
    std::vector<udtFill> udtFills;
    for (int32_t r = 0; r < plngRows; ++r)
        for (const udtEntryText& u : pfnTexts(r)) {
            if (!WantsFill(u, pfnState(r, u.Kind))) continue;
            const std::optional<udtSuggestion> udtBest = pobjMemory.BestExact(u.Source);
            if (!udtBest || udtBest->Translation == u.Source) continue;
            udtFills.push_back({r, u.Kind, u.Source, udtBest->Translation});
        }
    return udtFills;
}

udtTextState FilledState(udtTextState pudtState, const QString& pstrSource)
{
    pudtState.Review = true;
    pudtState.Done = false;
    pudtState.PreviousSource = pstrSource;
    return pudtState;
}

}  // namespace tralyx
