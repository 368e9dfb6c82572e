#include "spelling/basSpellingWords.h"

#include "checks/basChecks.h"
#include "common/basTextSyntax.h"

namespace tralyx {
namespace {

// Words that are names rather than prose: an inner capital (frmMain), or capitals only (OK, PDF).
bool IsName(const QString& pstrWord)
{
    bool booLower = false;
    for (qsizetype i = 0; i < pstrWord.size(); ++i) {
        if (pstrWord[i].isLower()) booLower = true;
        else if (pstrWord[i].isUpper() && i > 0 && pstrWord[i - 1].isLower()) return true;
    }
    return !booLower && pstrWord.size() > 1;
}

// The words of one run of text between blanks and markers, [plngStart, plngEnd).
void AddWords(QStringView pstrText, qsizetype plngStart, qsizetype plngEnd, std::vector<udtSpellingWord>& pudtOut)
{
    const QStringView strRun = pstrText.sliced(plngStart, plngEnd - plngStart);
    if (strRun.contains(u'@') || strRun.contains(u"://")) return;
    qsizetype a = plngStart, b = plngEnd;
    while (a < b && !IsWordChar(pstrText[a]) && pstrText[a] != u'&') ++a;
    while (b > a && !IsWordChar(pstrText[b - 1])) --b;
    for (qsizetype k = a; k < b; ++k) {
        const QChar c = pstrText[k];
        if (c.isDigit() || c == u'_') return;
        if (c == u'.' && k > a && k + 1 < b && IsWordChar(pstrText[k - 1]) && IsWordChar(pstrText[k + 1])) return;
    }
    for (qsizetype k = a; k < b;) {
        if (pstrText[k] == u'&' && k + 1 < b && pstrText[k + 1] == u'&') {  // a plain "&"
            k += 2;
            continue;
        }
        if (!IsWordChar(pstrText[k]) && !(pstrText[k] == u'&' && k + 1 < b && IsWordChar(pstrText[k + 1]))) {
            ++k;
            continue;
        }
        udtSpellingWord udtWord;
        udtWord.Start = k;
        for (; k < b; ++k) {
            const QChar c = pstrText[k];
            const bool booNextIsWord = k + 1 < b && IsWordChar(pstrText[k + 1]);
            if (IsWordChar(c)) udtWord.Word += c;
            else if (c == u'&' && booNextIsWord) continue;  // the access key's mark
            else if ((c == u'\'' || c == u'\u2019' || c == u'-') && !udtWord.Word.isEmpty() && booNextIsWord) udtWord.Word += c;
            else break;
        }
        udtWord.Length = k - udtWord.Start;
        if (HasLetter(udtWord.Word) && !IsName(udtWord.Word)) pudtOut.push_back(std::move(udtWord));
    }
}

}  // namespace

std::vector<udtSpellingWord> SpellingWords(QStringView pstrText)
{
    std::vector<udtSpellingWord> udtOut;
    const qsizetype lngSize = pstrText.size();
    for (qsizetype i = 0; i < lngSize;) {
        if (pstrText[i].isSpace()) {
            ++i;
            continue;
        }
        if (const qsizetype lngEnd = pstrText[i] == u'[' ? MarkerAt(pstrText, i).End : -1; lngEnd >= 0) {
            i = lngEnd;
            continue;
        }
        qsizetype lngEnd = i + 1;
        while (lngEnd < lngSize && !pstrText[lngEnd].isSpace() && !(pstrText[lngEnd] == u'[' && MarkerAt(pstrText, lngEnd).Closed()))
            ++lngEnd;
        AddWords(pstrText, i, lngEnd, udtOut);
        i = lngEnd;
    }
    return udtOut;
}

}  // namespace tralyx
