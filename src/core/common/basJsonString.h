#pragma once
// The one writer of JSON string literals, for the state file and tralyx-lrc's documents.
#include <QByteArray>
#include <QStringView>

namespace tralyx {

// How a tab is written: the state file has always written "\u0009", tralyx-lrc "\t".
enum class enuJsonTab { Unicode, Short };

// Appends pstrText as a JSON string literal: UTF-8, quote and backslash escaped, CR and LF as "\r"
// and "\n", other control characters and a surrogate without its partner (which has no UTF-8
// form) as "\uXXXX".
void AppendJsonString(QByteArray& pbytOut, QStringView pstrText, enuJsonTab penuTab);

}  // namespace tralyx
