#include "QtPrinters.h"

#include <cstdio>

namespace {

void PrintEscape(std::ostream& pobjOut, char16_t pchrUnit)
{
    switch (pchrUnit) {
    case u'"': pobjOut << "\\\""; return;
    case u'\\': pobjOut << "\\\\"; return;
    case u'\r': pobjOut << "\\r"; return;
    case u'\n': pobjOut << "\\n"; return;
    case u'\t': pobjOut << "\\t"; return;
    }
    char bytHex[8];
    std::snprintf(bytHex, sizeof bytHex, "\\u%04X", static_cast<unsigned>(pchrUnit));
    pobjOut << bytHex;
}

// Shown as an escape: what is invisible, or looks like something else, in a terminal.
bool NeedsEscape(QStringView pstrText, qsizetype i)
{
    const QChar c = pstrText[i];
    if (c.isHighSurrogate()) return i + 1 >= pstrText.size() || !pstrText[i + 1].isLowSurrogate();
    if (c.isLowSurrogate()) return i == 0 || !pstrText[i - 1].isHighSurrogate();
    if (c == u'"' || c == u'\\') return true;
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    case QChar::Separator_Space: return c != u' ';
    default: return false;
    }
}

}  // namespace

QT_BEGIN_NAMESPACE

void PrintTo(const QString& pstrText, std::ostream* pobjOut)
{
    *pobjOut << '"';
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        if (NeedsEscape(pstrText, i)) {
            PrintEscape(*pobjOut, pstrText[i].unicode());
            continue;
        }
        const qsizetype lngLength = pstrText[i].isHighSurrogate() ? 2 : 1;
        *pobjOut << QStringView(pstrText).sliced(i, lngLength).toUtf8().toStdString();
        i += lngLength - 1;
    }
    *pobjOut << '"';
}

void PrintTo(const QByteArray& pbytBytes, std::ostream* pobjOut)
{
    *pobjOut << '"';
    for (const char bytChar : pbytBytes) {
        const auto bytValue = static_cast<unsigned char>(bytChar);
        if (bytValue >= 0x20 && bytValue < 0x7F && bytChar != '"' && bytChar != '\\') {
            *pobjOut << bytChar;
        } else if (bytChar == '"' || bytChar == '\\' || bytChar == '\r' || bytChar == '\n' || bytChar == '\t') {
            PrintEscape(*pobjOut, static_cast<char16_t>(bytValue));
        } else {
            char bytHex[5];
            std::snprintf(bytHex, sizeof bytHex, "\\x%02X", bytValue);
            *pobjOut << bytHex;
        }
    }
    *pobjOut << '"';
}

QT_END_NAMESPACE
