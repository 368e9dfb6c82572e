#include "editor/basTextDifference.h"

#include <algorithm>

namespace tralyx {
namespace {

// More words than this on both sides: the texts are compared as lines, and as one run beyond that.
constexpr qsizetype MaxTokens = 400;

// Runs of word characters and runs of anything else, so that a word and the blank before it are
// told apart ("&New" is the same word in "&New note").
std::vector<QStringView> Words(QStringView pstrText)
{
    const auto IsWordChar = [](QChar c) { return c.isLetterOrNumber() || c == u'&'; };
    std::vector<QStringView> strOut;
    qsizetype lngStart = 0;
    for (qsizetype i = 1; i <= pstrText.size(); ++i)
        if (i == pstrText.size() || IsWordChar(pstrText[i]) != IsWordChar(pstrText[i - 1])) {
            strOut.push_back(pstrText.mid(lngStart, i - lngStart));
            lngStart = i;
        }
    return strOut;
}

std::vector<QStringView> Lines(QStringView pstrText)
{
    std::vector<QStringView> strOut;
    qsizetype lngStart = 0;
    for (qsizetype i = 0; i < pstrText.size(); ++i)
        if (pstrText[i] == u'\n') {
            strOut.push_back(pstrText.mid(lngStart, i + 1 - lngStart));
            lngStart = i + 1;
        }
    if (lngStart < pstrText.size()) strOut.push_back(pstrText.mid(lngStart));
    return strOut;
}

void Append(std::vector<udtDifferencePart>& pudtOut, enuDifference penuKind, QStringView pstrText)
{
    if (pstrText.isEmpty()) return;
    if (!pudtOut.empty() && pudtOut.back().Kind == penuKind) pudtOut.back().Text += pstrText;
    else pudtOut.push_back({penuKind, pstrText.toString()});
}

}  // namespace

std::vector<udtDifferencePart> TextDifference(QStringView pstrOld, QStringView pstrNew)
{
    std::vector<QStringView> a = Words(pstrOld), b = Words(pstrNew);
    if (qsizetype(a.size()) > MaxTokens || qsizetype(b.size()) > MaxTokens) {
        a = Lines(pstrOld);
        b = Lines(pstrNew);
    }
    std::vector<udtDifferencePart> udtOut;
    if (qsizetype(a.size()) > MaxTokens || qsizetype(b.size()) > MaxTokens) {
        if (pstrOld == pstrNew) Append(udtOut, enuDifference::Same, pstrOld);
        else {
            Append(udtOut, enuDifference::Removed, pstrOld);
            Append(udtOut, enuDifference::Added, pstrNew);
        }
        return udtOut;
    }
    // The longest common subsequence of the tokens, from the end, then read forwards.
    const size_t n = a.size(), m = b.size();
    std::vector<uint16_t> lngLength((n + 1) * (m + 1), 0);
    const auto At = [&](size_t i, size_t j) -> uint16_t& { return lngLength[i * (m + 1) + j]; };
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            At(i, j) = a[i] == b[j] ? uint16_t(At(i + 1, j + 1) + 1) : std::max(At(i + 1, j), At(i, j + 1));
    size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[i] == b[j]) {
            Append(udtOut, enuDifference::Same, a[i++]);
            ++j;
        } else if (i < n && (j == m || At(i + 1, j) >= At(i, j + 1))) {
            Append(udtOut, enuDifference::Removed, a[i++]);  // what went before what came
        } else {
            Append(udtOut, enuDifference::Added, b[j++]);
        }
    }
    return udtOut;
}

QString DifferenceHtml(const std::vector<udtDifferencePart>& pudtParts, bool pbooOld)
{
    const enuDifference enuOwn = pbooOld ? enuDifference::Removed : enuDifference::Added;
    QString strHtml;
    for (const udtDifferencePart& udtPart : pudtParts) {
        if (udtPart.Kind != enuDifference::Same && udtPart.Kind != enuOwn) continue;
        QString strText = udtPart.Text.toHtmlEscaped();
        strText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n').replace(u'\n', QStringLiteral("<br>"));
        if (udtPart.Kind == enuDifference::Same) strHtml += strText;
        else if (pbooOld) strHtml += QStringLiteral("<s style='background:#f4c7c3'>") + strText + QStringLiteral("</s>");
        else strHtml += QStringLiteral("<u style='background:#c6efce'>") + strText + QStringLiteral("</u>");
    }
    return strHtml;
}

}  // namespace tralyx
