#include "clsJsonWriter.h"

namespace tralyx::cli {

void AppendJsonString(QByteArray& pbytOut, QStringView pstrText)
{
    static const char Hex[] = "0123456789abcdef";
    auto AppendEscape = [&](char16_t c) {
        const char bytEscape[] = {'\\', 'u', Hex[(c >> 12) & 15], Hex[(c >> 8) & 15], Hex[(c >> 4) & 15], Hex[c & 15]};
        pbytOut.append(bytEscape, sizeof bytEscape);
    };
    pbytOut += '"';
    qsizetype lngRun = -1;  // start of a run of non-ASCII characters, converted to UTF-8 at once
    auto FlushRun = [&](qsizetype plngEnd) {
        if (lngRun >= 0) pbytOut += pstrText.mid(lngRun, plngEnd - lngRun).toUtf8();
        lngRun = -1;
    };
    const qsizetype lngSize = pstrText.size();
    for (qsizetype i = 0; i < lngSize; ++i) {
        const char16_t c = pstrText[i].unicode();
        if (c >= 0x80) {
            // A surrogate without its partner has no UTF-8 form: it is kept as an escape.
            const bool booLone = (QChar::isHighSurrogate(c) && !(i + 1 < lngSize && pstrText[i + 1].isLowSurrogate())) ||
                                 (QChar::isLowSurrogate(c) && !(i > 0 && pstrText[i - 1].isHighSurrogate()));
            if (!booLone) {
                if (lngRun < 0) lngRun = i;
                continue;
            }
            FlushRun(i);
            AppendEscape(c);
            continue;
        }
        FlushRun(i);
        switch (c) {
        case u'"': pbytOut += "\\\""; break;
        case u'\\': pbytOut += "\\\\"; break;
        case u'\r': pbytOut += "\\r"; break;
        case u'\n': pbytOut += "\\n"; break;
        case u'\t': pbytOut += "\\t"; break;
        default:
            if (c < 0x20) AppendEscape(c);
            else pbytOut += static_cast<char>(c);
        }
    }
    FlushRun(lngSize);
    pbytOut += '"';
}

void clsJsonWriter::NextItem()
{
    if (mbooAfterKey) {
        mbooAfterKey = false;
        return;
    }
    if (mudtLevels.isEmpty()) return;
    udtLevel& udtLevel = mudtLevels.back();
    if (udtLevel.Items++ > 0) mbytOut += ',';
    const int intIndent = mintBreak != Inline ? mintBreak : udtLevel.ItemIndent;
    mintBreak = Inline;
    if (intIndent != Inline) {
        mbytOut += '\n';
        mbytOut.append(intIndent, ' ');
    } else if (udtLevel.Items > 1) {
        mbytOut += ' ';
    }
}

void clsJsonWriter::Begin(char pchrOpen, int pintItemIndent, int pintCloseIndent)
{
    NextItem();
    mbytOut += pchrOpen;
    mudtLevels.append({pintItemIndent, pintCloseIndent, 0});
}

void clsJsonWriter::End(char pchrClose)
{
    const udtLevel udtLevel = mudtLevels.back();
    mudtLevels.removeLast();
    if (udtLevel.Items > 0 && udtLevel.CloseIndent != Inline) {
        mbytOut += '\n';
        mbytOut.append(udtLevel.CloseIndent, ' ');
    }
    mbytOut += pchrClose;
}

void clsJsonWriter::Key(const char* pstrName)
{
    NextItem();
    mbytOut += '"';
    mbytOut += pstrName;
    mbytOut += "\": ";
    mbooAfterKey = true;
}

void clsJsonWriter::String(QStringView pstrText)
{
    NextItem();
    AppendJsonString(mbytOut, pstrText);
}

void clsJsonWriter::Number(qint64 plngValue)
{
    NextItem();
    mbytOut += QByteArray::number(plngValue);
}

void clsJsonWriter::Bool(bool pbooValue)
{
    NextItem();
    mbytOut += pbooValue ? "true" : "false";
}

void clsJsonWriter::Null()
{
    NextItem();
    mbytOut += "null";
}

}  // namespace tralyx::cli
