#pragma once
// Line breaks between the store and the screen. The store joins the lines of a text with CR LF
// (a lone CR or LF can reach it through the setters and is kept); widgets break lines with LF, and
// a one-line box cannot break them at all. Every conversion between the two lives here.
//
// A text box shows a stored text so that committing the box gives the stored text back exactly:
// CR LF is a line of its own in a several-line box and "↵" in a one-line box; a lone CR shows as
// "␍", a lone LF as "␊". A stored text that holds one of those marks itself cannot be shown so
// (it would come back as a line break) and is shown read-only instead.
#include <QString>

namespace tralyx {

enum class enuBoxLines { Several, One };

// Store to box and back: BoxToStore(StoreToBox(x, k), k) == x whenever BoxCanHold(x).
QString StoreToBox(const QString& pstrStored, enuBoxLines penuBox);
// Any line break the widget itself holds (LF, CR LF, CR, U+2028, U+2029) becomes CR LF.
QString BoxToStore(const QString& pstrBox, enuBoxLines penuBox);
// False for a text holding a character that the box would turn into something else: the marks
// above, and in a several-line box the paragraph and line separators and the document's frame
// marks. Such a text is shown read-only.
bool BoxCanHold(const QString& pstrStored, enuBoxLines penuBox);

// For labels, captions, message boxes and the clipboard: every line break (CR LF, CR, LF) as LF.
QString StoreToLines(const QString& pstrStored);
// Back from a widget or the clipboard: every line break as CR LF.
QString LinesToStore(const QString& pstrLines);
// One line for a list row: each line break shows as " ↵ ".
QString StoreToRow(const QString& pstrStored);

}  // namespace tralyx
