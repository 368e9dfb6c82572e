#include "editor/basReviewActions.h"

#include <algorithm>

namespace tralyx {

void EndReview(udtTextState& pudtState)
{
    pudtState.Review = false;
    pudtState.PreviousSource.clear();
    pudtState.MovedFrom.clear();
}

std::vector<udtTextStateChange> EndedReviews(const std::vector<enuTextKind>& penuTexts, const fnTextStateOf& pfnState)
{
    std::vector<udtTextStateChange> udtOut;
    for (const enuTextKind enuText : penuTexts) {
        udtTextState udtState = pfnState(enuText);
        if (!udtState.Review) continue;
        EndReview(udtState);
        udtOut.push_back({enuText, std::move(udtState)});
    }
    return udtOut;
}

udtDoneMarks DoneMarks(const std::vector<udtEntryText>& pudtTexts, const std::vector<enuTextKind>& penuTexts,
                       const fnTextStateOf& pfnState)
{
    udtDoneMarks udtOut;
    std::vector<enuTextKind> enuSame;
    for (const udtEntryText& udtText : pudtTexts) {
        if (!udtText.Source.isEmpty() && udtText.Translation == udtText.Source) enuSame.push_back(udtText.Kind);
        udtOut.Undone = udtOut.Undone || pfnState(udtText.Kind).Done;
    }
    for (const enuTextKind enuText : penuTexts) {
        udtTextState udtState = pfnState(enuText);
        const bool booDone = !udtOut.Undone && std::find(enuSame.begin(), enuSame.end(), enuText) != enuSame.end();
        if (udtState.Done == booDone) continue;
        udtState.Done = booDone;
        if (booDone) {
            EndReview(udtState);
            udtState.For.clear();  // said of the text as it is now
        }
        udtOut.Changes.push_back({enuText, std::move(udtState)});
    }
    return udtOut;
}

udtDoneMarks ReviewMarks(const std::vector<udtEntryText>& pudtTexts, const fnTextStateOf& pfnState)
{
    udtDoneMarks udtOut;
    for (const udtEntryText& udtText : pudtTexts) udtOut.Undone = udtOut.Undone || pfnState(udtText.Kind).Review;
    for (const udtEntryText& udtText : pudtTexts) {
        udtTextState udtState = pfnState(udtText.Kind);
        if (udtOut.Undone) {
            if (!udtState.Review) continue;
            EndReview(udtState);
        } else {
            if (udtText.Translation.isEmpty()) continue;  // untranslated needs work already
            udtState.Review = true;
            udtState.PreviousSource = udtText.Source;
            udtState.MovedFrom.clear();
            udtState.Done = false;
        }
        udtState.For.clear();  // said of the text as it is now
        udtOut.Changes.push_back({udtText.Kind, std::move(udtState)});
    }
    return udtOut;
}

std::optional<udtTextReview> FirstReview(const std::vector<udtEntryText>& pudtTexts, const fnTextStateOf& pfnState)
{
    for (const udtEntryText& udtText : pudtTexts) {
        const udtTextState udtState = pfnState(udtText.Kind);
        if (udtState.Review) return udtTextReview{udtState.PreviousSource, udtText.Source, udtState.MovedFrom};
    }
    return std::nullopt;
}

}  // namespace tralyx
