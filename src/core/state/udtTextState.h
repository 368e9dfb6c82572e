#pragma once
// What a translator's work needs to know about one text beyond the text itself: that its source
// changed since it was translated (review, with the source it was made for), that it is the same as
// its source on purpose (done), and a note.
#include <QString>

namespace tralyx {

struct udtTextState {
    bool Review = false;
    QString PreviousSource;  // review: the source text the translation was made for (empty when unknown)
    QString MovedFrom;       // review: the id the update carried the translation over from
    bool Done = false;       // the translation is identical to its source on purpose ("OK", a product name)
    QString Note;            // the translator's own

    bool IsEmpty() const { return !Review && !Done && Note.isEmpty(); }
    bool operator==(const udtTextState&) const = default;
};

}  // namespace tralyx
