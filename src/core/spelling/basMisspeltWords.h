#pragma once
// Which words of a text a dictionary does not know: the question the editor's marks, its spelling
// menu and the lint rule all ask. Only the words SpellingWords gives are asked about.
#include "spelling/basSpellingWords.h"

namespace tralyx {

class clsSpeller;

// None without a speller or without a dictionary.
std::vector<udtSpellingWord> MisspeltWords(const clsSpeller* pobjSpeller, QStringView pstrText);

}  // namespace tralyx
