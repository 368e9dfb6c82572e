#pragma once
// Replacement markers: a span from "[#!" to "!#]" inclusive in a message title or text, replaced at
// display time by the caller's replacement string.
#include <QString>

namespace tralyx {

// Returns pstrText with every marker replaced by pstrReplacement, left to right. Text inserted from
// the replacement is never searched again, so a marker inside it stays literally. A "!#]" counts
// only after its "[#!"; an opening marker without a closing one leaves the rest unchanged.
// Throws clsOverflow when a marker lies beyond character 32,767.
QString GetReplacedText(QString pstrText, const QString& pstrReplacement);

// The same, on the caller's variable.
void ReplaceMarkedText(QString& pstrText, const QString& pstrReplacement);

}  // namespace tralyx
