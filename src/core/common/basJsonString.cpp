#include "common/basJsonString.h"

#include <QChar>
#include <algorithm>

namespace tralyx {

void AppendJsonString(QByteArray& pbytOut, QStringView pstrText, enuJsonTab penuTab)
{
    static const char Hex[] = "0123456789abcdef";
    const char16_t* const p = pstrText.utf16();
    const qsizetype lngSize = pstrText.size();
    pbytOut += '"';
    for (qsizetype i = 0; i < lngSize;) {
        // A run of ASCII that needs no escape, copied at once: most of what is written.
        qsizetype j = i;
        while (j < lngSize && p[j] >= 0x20 && p[j] < 0x80 && p[j] != u'"' && p[j] != u'\\') ++j;
        if (j > i) {
            const qsizetype lngAt = pbytOut.size();
            pbytOut.resize(lngAt + (j - i));
            std::copy(p + i, p + j, pbytOut.data() + lngAt);  // each unit below 0x80: one byte
            i = j;
            continue;
        }
        const char16_t c = p[i];
        const bool booPaired = QChar::isHighSurrogate(c) ? i + 1 < lngSize && QChar::isLowSurrogate(p[i + 1])
                               : QChar::isLowSurrogate(c) ? i > 0 && QChar::isHighSurrogate(p[i - 1])
                                                          : true;
        if (c == u'"' || c == u'\\') {
            pbytOut += '\\';
            pbytOut += static_cast<char>(c);
        } else if (c == u'\n') {
            pbytOut += "\\n";
        } else if (c == u'\r') {
            pbytOut += "\\r";
        } else if (c == u'\t' && penuTab == enuJsonTab::Short) {
            pbytOut += "\\t";
        } else if (c < 0x20 || !booPaired) {
            const char bytEscape[] = {'\\', 'u', Hex[(c >> 12) & 15], Hex[(c >> 8) & 15], Hex[(c >> 4) & 15], Hex[c & 15]};
            pbytOut.append(bytEscape, sizeof bytEscape);
        } else {
            qsizetype lngEnd = i + 1;  // a run of characters beyond ASCII, converted at once
            while (lngEnd < lngSize && p[lngEnd] >= 0x80 && !QChar::isSurrogate(p[lngEnd])) ++lngEnd;
            if (QChar::isHighSurrogate(c)) lngEnd = i + 2;
            pbytOut += pstrText.mid(i, lngEnd - i).toUtf8();
            i = lngEnd;
            continue;
        }
        ++i;
    }
    pbytOut += '"';
}

}  // namespace tralyx
