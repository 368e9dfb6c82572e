#pragma once
// What a translator's work needs to know about one text beyond the text itself: that its source
// changed since it was translated (review, with the source it was made for), that it is the same as
// its source on purpose (done), and a note.
#include <QString>

namespace tralyx {

struct udtTextState {
    bool Review = false;
    QString PreviousSource = {};  // review: the source text the translation was made for (empty when unknown)
    QString MovedFrom = {};       // review: the id the update carried the translation over from
    bool Done = false;            // the translation is identical to its source on purpose ("OK", a product name)
    QString Note = {};            // the translator's own
    // What the marks were given for: the fingerprints of the source text and of the translation
    // ("source:translation", the source's empty where it was not known), as the file holds it.
    // Empty once checked against the texts (Verify) or given anew: a save then stamps the texts it
    // writes. A record whose texts no longer match keeps it, so that it stays known as such.
    QString For = {};

    bool IsEmpty() const { return !Review && !Done && Note.isEmpty(); }
    // In a state Verify checked: the note was written for a text the entry no longer has.
    bool NoteForEarlierText() const { return !For.isEmpty() && !Note.isEmpty(); }
    // The same marks, whatever texts they were checked against.
    bool SameMarks(const udtTextState& o) const
    {
        return Review == o.Review && PreviousSource == o.PreviousSource && MovedFrom == o.MovedFrom && Done == o.Done && Note == o.Note;
    }
    bool operator==(const udtTextState&) const = default;
};

}  // namespace tralyx
