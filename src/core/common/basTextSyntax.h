#pragma once
// The syntax inside stored texts that several layers read, read here once.
//
// Replacement markers: a span from "[#!" to the first "!#]" after it, both included, in a message
// title or text. The run-time replacement, the checks, the exchange notes, spelling, the memory and
// the preview all see a text's markers through NextMarker and MarkerAt.
#include <QChar>
#include <QStringView>

namespace tralyx {

constexpr QStringView MarkerOpen = u"[#!";
constexpr QStringView MarkerClose = u"!#]";

struct udtMarker {
    qsizetype Start = -1;  // of its "[#!"; -1: none
    qsizetype End = -1;    // just past its "!#]"; -1: the "[#!" is not closed
    bool Found() const { return Start >= 0; }
    bool Closed() const { return End >= 0; }
    // What stands between "[#!" and "!#]" of a closed marker.
    QStringView Name(QStringView pstrText) const
    {
        return pstrText.sliced(Start + MarkerOpen.size(), End - MarkerClose.size() - Start - MarkerOpen.size());
    }
};

// The marker whose "[#!" is the first at or after plngFrom. The "!#]" is searched after the
// "[#!", so "!#] [#!" and "[#!#]" hold no closed marker.
udtMarker NextMarker(QStringView pstrText, qsizetype plngFrom);
// The marker that starts at plngAt; not Found() unless a "[#!" stands there.
udtMarker MarkerAt(QStringView pstrText, qsizetype plngAt);

// A character of a word, for spelling and the memory's keys: a letter, a digit or a combining mark.
inline bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark(); }

}  // namespace tralyx
