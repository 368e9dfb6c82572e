#include "memory/basMatchText.h"

#include "common/basTextSyntax.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tralyx {
namespace {

constexpr char16_t MarkerMask = u'\uFFFC';  // the object replacement character

bool IsDigit(char16_t c) { return static_cast<char16_t>(c - u'0') <= 9; }

}  // namespace

QString MaskedText(QStringView pstrText)
{
    QString strOut;
    strOut.reserve(pstrText.size());
    const qsizetype lngSize = pstrText.size();
    for (qsizetype i = 0; i < lngSize; ++i) {
        const QChar c = pstrText[i];
        if (c == u'&') {
            if (i + 1 < lngSize && pstrText[i + 1] == u'&') {
                strOut += u'&';
                ++i;
            } else if (i + 1 == lngSize) {
                strOut += u'&';  // a last "&" marks nothing
            }
            continue;
        }
        if (const udtMarker udtFound = c == u'[' ? MarkerAt(pstrText, i) : udtMarker(); udtFound.Closed()) {
            strOut += MarkerMask;
            i = udtFound.End - 1;
            continue;
        }
        if (c == u'\r') {
            strOut += u'\n';
            if (i + 1 < lngSize && pstrText[i + 1] == u'\n') ++i;
            continue;
        }
        strOut += c;
    }
    return strOut;
}

int32_t MatchScore(QStringView pstrOne, QStringView pstrOther, int32_t plngMinimum)
{
    const qsizetype lngN = pstrOne.size(), lngM = pstrOther.size();
    const qsizetype lngLonger = std::max(lngN, lngM);
    if (lngLonger == 0) return 100;
    // The largest distance that still reaches the minimum; only that band of the table is filled.
    const qsizetype lngMaxDistance = lngLonger * (100 - std::clamp(plngMinimum, 0, 100)) / 100;
    if (std::abs(lngN - lngM) > lngMaxDistance) return -1;
    constexpr int32_t Far = std::numeric_limits<int32_t>::max() / 2;
    thread_local std::vector<int32_t> lngPrevious, lngCurrent;
    lngPrevious.assign(static_cast<size_t>(lngM + 2), Far);
    lngCurrent.assign(static_cast<size_t>(lngM + 2), Far);
    for (qsizetype j = 0; j <= std::min(lngM, lngMaxDistance); ++j) lngPrevious[static_cast<size_t>(j)] = static_cast<int32_t>(j);
    const char16_t *pOne = pstrOne.utf16(), *pOther = pstrOther.utf16();
    for (qsizetype i = 1; i <= lngN; ++i) {
        const qsizetype lngLow = std::max<qsizetype>(1, i - lngMaxDistance), lngHigh = std::min(lngM, i + lngMaxDistance);
        int32_t* const pCur = lngCurrent.data();
        const int32_t* const pPrev = lngPrevious.data();
        pCur[lngLow - 1] = lngLow == 1 ? static_cast<int32_t>(i) : Far;
        int32_t lngRowMin = pCur[lngLow - 1];
        const char16_t chr = pOne[i - 1];
        for (qsizetype j = lngLow; j <= lngHigh; ++j) {
            const int32_t v = std::min({pPrev[j - 1] + (chr != pOther[j - 1]), pPrev[j] + 1, pCur[j - 1] + 1});
            pCur[j] = v;
            lngRowMin = std::min(lngRowMin, v);
        }
        pCur[lngHigh + 1] = Far;  // the next row reads one cell beyond this row's band
        if (lngRowMin > lngMaxDistance) return -1;
        std::swap(lngPrevious, lngCurrent);
    }
    const qsizetype lngDistance = lngPrevious[static_cast<size_t>(lngM)];
    if (lngDistance > lngMaxDistance) return -1;
    return static_cast<int32_t>((lngLonger - lngDistance) * 100 / lngLonger);
}

uint64_t TextHash(QStringView pstrText)
{
    const char16_t* const p = pstrText.utf16();
    const qsizetype lngSize = pstrText.size();
    uint64_t h = 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(lngSize);
    qsizetype i = 0;
    for (; i + 4 <= lngSize; i += 4) {  // four characters at a time
        uint64_t lngWord;
        std::memcpy(&lngWord, p + i, sizeof lngWord);
        h = (h ^ lngWord) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    uint64_t lngRest = 0;
    if (i < lngSize) std::memcpy(&lngRest, p + i, static_cast<size_t>(lngSize - i) * sizeof(char16_t));
    h = (h ^ lngRest) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 29);
}

void MatchKeys(QStringView pstrMasked, std::vector<uint64_t>& plngOut)
{
    // A key is up to three characters (16 bits each) and what they are (bits 48 and up).
    enum : uint64_t { Prefix = uint64_t(1) << 48, Suffix = uint64_t(2) << 48, Number = uint64_t(3) << 48 };
    const auto Packed = [](QStringView pstrPart) {
        uint64_t lngKey = 0;
        for (qsizetype i = 0; i < pstrPart.size(); ++i) lngKey |= static_cast<uint64_t>(pstrPart[i].toLower().unicode()) << (16 * i);
        return lngKey;
    };
    plngOut.clear();
    const qsizetype lngSize = pstrMasked.size();
    for (qsizetype i = 0; i < lngSize;) {
        if (!IsWordChar(pstrMasked[i])) {
            ++i;
            continue;
        }
        // A run of digits is a number, a run of other word characters a word: "MP3" is two.
        const bool booNumber = IsDigit(pstrMasked[i].unicode());
        const qsizetype lngStart = i;
        while (i < lngSize && IsWordChar(pstrMasked[i]) && IsDigit(pstrMasked[i].unicode()) == booNumber) ++i;
        const QStringView strRun = pstrMasked.sliced(lngStart, i - lngStart);
        if (booNumber) {
            plngOut.push_back(Number | Packed(strRun.right(3)));
            continue;
        }
        plngOut.push_back(Prefix | Packed(strRun.left(3)));
        if (strRun.size() > 3) plngOut.push_back(Suffix | Packed(strRun.right(3)));
    }
    std::sort(plngOut.begin(), plngOut.end());
    plngOut.erase(std::unique(plngOut.begin(), plngOut.end()), plngOut.end());
}

QString ConcordanceText(QStringView pstrText, std::vector<qsizetype>* plngFrom)
{
    QString strOut;
    strOut.reserve(pstrText.size());
    if (plngFrom) plngFrom->clear();
    const qsizetype lngSize = pstrText.size();
    const auto Put = [&](QChar c, qsizetype plngAt) {
        strOut += c;
        if (plngFrom) plngFrom->push_back(plngAt);
    };
    for (qsizetype i = 0; i < lngSize; ++i) {
        const QChar c = pstrText[i];
        if (c == u'&') {
            if (i + 1 < lngSize && pstrText[i + 1] == u'&') {
                Put(c, i);
                ++i;
            } else if (i + 1 == lngSize) {
                Put(c, i);
            }
            continue;
        }
        if (c.isSpace()) {
            if (strOut.isEmpty() || strOut.back() != u' ') Put(u' ', i);
            continue;
        }
        Put(c.isSurrogate() ? c : QChar(QChar::toCaseFolded(c.unicode())), i);
    }
    return strOut;
}

std::vector<std::pair<qsizetype, qsizetype>> ConcordanceRanges(QStringView pstrText, QStringView pstrFolded)
{
    std::vector<std::pair<qsizetype, qsizetype>> udtOut;
    if (pstrFolded.isEmpty()) return udtOut;
    std::vector<qsizetype> lngFrom;
    const QString strText = ConcordanceText(pstrText, &lngFrom);
    for (qsizetype p = strText.indexOf(pstrFolded); p >= 0; p = strText.indexOf(pstrFolded, p + pstrFolded.size())) {
        const qsizetype lngStart = lngFrom[static_cast<size_t>(p)];
        udtOut.emplace_back(lngStart, lngFrom[static_cast<size_t>(p + pstrFolded.size() - 1)] + 1 - lngStart);
    }
    return udtOut;
}

}  // namespace tralyx
