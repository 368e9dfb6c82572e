#include "spelling/basMisspeltWords.h"

#include "spelling/clsSpeller.h"

namespace tralyx {

std::vector<udtSpellingWord> MisspeltWords(const clsSpeller* pobjSpeller, QStringView pstrText)
{
    std::vector<udtSpellingWord> udtWrong;
    if (!pobjSpeller || !pobjSpeller->IsValid()) return udtWrong;
    for (udtSpellingWord& udtWord : SpellingWords(pstrText))
        if (!pobjSpeller->Check(udtWord.Word)) udtWrong.push_back(std::move(udtWord));
    return udtWrong;
}

}  // namespace tralyx
