#pragma once
// What the translator's word on a row does to the states of its texts: a commit ends their reviews,
// Mark as Done marks the texts identical to their source (or takes the marks back), and the review
// a row still waits for is the one the Source dock shows.
#include "checks/basEntryMatch.h"
#include "state/udtTextState.h"

#include <functional>
#include <optional>
#include <vector>

namespace tralyx {

// A text's state as it stands, by the text's kind (the row is the caller's).
using fnTextStateOf = std::function<udtTextState(enuTextKind)>;

struct udtTextStateChange {
    enuTextKind Text = enuTextKind::Secondary;
    udtTextState State;  // the state it gets
};

// A review over forgets the source it was about.
void EndReview(udtTextState& pudtState);

// The reviews of those texts ended, for a commit; none when no text was to review.
std::vector<udtTextStateChange> EndedReviews(const std::vector<enuTextKind>& penuTexts, const fnTextStateOf& pfnState);

struct udtDoneMarks {
    bool Undone = false;  // a text was done: every mark is taken back
    std::vector<udtTextStateChange> Changes;  // none: nothing to mark
};
// Mark as Done on a row of those texts (pudtTexts paired with their source; penuTexts the kinds the
// row holds): when one is done, all are undone; else each text identical to a source it has is
// marked done, its review over.
udtDoneMarks DoneMarks(const std::vector<udtEntryText>& pudtTexts, const std::vector<enuTextKind>& penuTexts,
                       const fnTextStateOf& pfnState);

// Mark for Review on a row (the translator's own "needs work"): when one of its texts is to review,
// every review ends; else each translated text is to review against its source as it is now, its
// done mark taken back.
udtDoneMarks ReviewMarks(const std::vector<udtEntryText>& pudtTexts, const fnTextStateOf& pfnState);

struct udtTextReview {
    QString Previous;   // the source the translation was made for
    QString Current;    // the source now
    QString MovedFrom;  // the id the update carried the translation over from
};
// The row's first text to review.
std::optional<udtTextReview> FirstReview(const std::vector<udtEntryText>& pudtTexts, const fnTextStateOf& pfnState);

}  // namespace tralyx
