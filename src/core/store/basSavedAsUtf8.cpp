#include "store/basSavedAsUtf8.h"

#include <QCoreApplication>

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

}  // namespace

udtFileIssue SavedAsUtf8(QByteArrayView pbytContent, const clsCodePage& pobjCodePage)
{
    if (pobjCodePage.IsUtf8() || !pobjCodePage.IsSingleByte()) return {};
    const auto* p = reinterpret_cast<const uint8_t*>(pbytContent.data());
    const uint8_t* const end = p + pbytContent.size();
    // A byte-order mark tells as much, but shows nothing: the example is the next character.
    const bool booMark = pbytContent.startsWith("\xEF\xBB\xBF");
    if (booMark) p += 3;
    int64_t lngLine = 1, lngFirstLine = 0;
    const uint8_t* pbytFirst = nullptr;
    qsizetype lngFirstSize = 0;
    while (p < end) {
        if (*p < 0x80) {
            // CR LF, a lone CR and a lone LF each end a line, as the readers count them.
            if (*p == '\n' || (*p == '\r' && (p + 1 == end || p[1] != '\n'))) ++lngLine;
            ++p;
            continue;
        }
        const qsizetype n = SequenceLength(p, end);
        if (n == 0) return {};
        if (!pbytFirst) {
            pbytFirst = p;
            lngFirstSize = n;
            lngFirstLine = lngLine;
        }
        p += n;
    }
    if (!pbytFirst) {
        if (!booMark) return {};
        return {1, QCoreApplication::translate("basSavedAsUtf8", "the file starts with a UTF-8 byte-order mark, so it was saved as UTF-8 "
                                  "(load it as UTF-8, or save it in %1)").arg(pobjCodePage.Name())};
    }
    const char* pchrFirst = reinterpret_cast<const char*>(pbytFirst);
    return {lngFirstLine, QCoreApplication::translate("basSavedAsUtf8", "the file reads as valid UTF-8, so it was most likely saved as UTF-8: %1 reads '%2' "
                                         "where UTF-8 reads '%3' (load it as UTF-8, or save it in %1)")
                              .arg(pobjCodePage.Name(), pobjCodePage.Decode(pchrFirst, lngFirstSize),
                                   QString::fromUtf8(pchrFirst, lngFirstSize))};
}

}  // namespace tralyx
