#pragma once
// A test language made from the English: every text longer, its letters accented, in brackets, so
// that a developer sees which texts an application cuts and which never come from the files.
#include "common/clsCodePage.h"

#include <QString>

namespace tralyx {

struct udtPseudoOptions {
    int32_t Expand = 35;    // percent added to each text's length
    bool Accents = false;   // letters with accents the code page can write
    bool Brackets = false;  // "[" and "]" around the words of each text
};

// The pseudo-translation of one text: markers, access keys, numbers, line breaks and the blanks and
// end punctuation around the words stay, so the checks hold; an empty text stays empty.
QString PseudoText(const QString& pstrText, const udtPseudoOptions& pudtOptions, const clsCodePage& pobjCodePage);

}  // namespace tralyx
