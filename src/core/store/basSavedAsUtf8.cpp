#include "store/basSavedAsUtf8.h"

#include <QCoreApplication>
#include <cstring>

namespace tralyx {
namespace {

// The length of the UTF-8 sequence at p (its lead byte not ASCII), or 0 when it is not a valid
// one: no overlong form, no surrogate, nothing above U+10FFFF.
qsizetype SequenceLength(const uint8_t* p, const uint8_t* end)
{
    const uint8_t b = p[0];
    const qsizetype n = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (n == 0 || end - p < n) return 0;
    for (qsizetype i = 1; i < n; ++i)
        if ((p[i] & 0xC0) != 0x80) return 0;
    if ((b == 0xE0 && p[1] < 0xA0) || (b == 0xED && p[1] > 0x9F) || (b == 0xF0 && p[1] < 0x90) || (b == 0xF4 && p[1] > 0x8F))
        return 0;
    return n;
}

// The first byte at or after p that is not ASCII, or end: eight bytes at a time, most files
// being mostly or wholly ASCII.
const uint8_t* SkipAscii(const uint8_t* p, const uint8_t* end)
{
    constexpr uint64_t HighBits = 0x8080808080808080u;
    for (; end - p >= 8; p += 8) {
        uint64_t lngWord;
        std::memcpy(&lngWord, p, sizeof lngWord);
        if (lngWord & HighBits) break;
    }
    while (p < end && *p < 0x80) ++p;
    return p;
}

// The line of pbytAt, a byte of the content, counted from 1 at pbytFrom: CR LF, a lone CR and a
// lone LF each end a line, as the readers count them. Counted only for the warning.
int64_t LineAt(const uint8_t* pbytFrom, const uint8_t* pbytAt)
{
    int64_t lngLine = 1;
    for (const uint8_t* p = pbytFrom; p < pbytAt; ++p)  // p[1] is at most pbytAt
        if (*p == '\n' || (*p == '\r' && p[1] != '\n')) ++lngLine;
    return lngLine;
}

}  // namespace

udtFileIssue SavedAsUtf8(QByteArrayView pbytContent, const clsCodePage& pobjCodePage)
{
    if (pobjCodePage.IsUtf8() || !pobjCodePage.IsSingleByte()) return {};
    const auto* p = reinterpret_cast<const uint8_t*>(pbytContent.data());
    const uint8_t* const end = p + pbytContent.size();
    // A byte-order mark tells as much, but shows nothing: the example is the next character.
    const bool booMark = pbytContent.startsWith("\xEF\xBB\xBF");
    if (booMark) p += 3;
    const uint8_t* const pbytStart = p;
    const uint8_t* pbytFirst = nullptr;
    qsizetype lngFirstSize = 0;
    while ((p = SkipAscii(p, end)) < end) {
        const qsizetype n = SequenceLength(p, end);
        if (n == 0) return {};
        if (!pbytFirst) {
            pbytFirst = p;
            lngFirstSize = n;
        }
        p += n;
    }
    if (!pbytFirst) {
        if (!booMark) return {};
        return {1, QCoreApplication::translate("basSavedAsUtf8", "the file starts with a UTF-8 byte-order mark, so it was saved as UTF-8 "
                                  "(load it as UTF-8, or save it in %1)").arg(pobjCodePage.Name())};
    }
    const char* pchrFirst = reinterpret_cast<const char*>(pbytFirst);
    return {LineAt(pbytStart, pbytFirst),
            QCoreApplication::translate("basSavedAsUtf8", "the file reads as valid UTF-8, so it was most likely saved as UTF-8: %1 reads '%2' "
                                        "where UTF-8 reads '%3' (load it as UTF-8, or save it in %1)")
                              .arg(pobjCodePage.Name(), pobjCodePage.Decode(pchrFirst, lngFirstSize),
                                   QString::fromUtf8(pchrFirst, lngFirstSize))};
}

}  // namespace tralyx
