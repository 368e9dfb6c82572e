#include "store/basFormatText.h"

#include <QCoreApplication>

namespace tralyx {

QStringList SplitTextLines(const QString& pstrText)
{
    QStringList strLines;
    qsizetype lngStart = 0;
    const qsizetype lngSize = pstrText.size();
    for (qsizetype i = 0; i < lngSize; ++i) {
        const QChar c = pstrText[i];
        if (c != u'\r' && c != u'\n') continue;
        strLines.append(pstrText.mid(lngStart, i - lngStart));
        if (c == u'\r' && i + 1 < lngSize && pstrText[i + 1] == u'\n') ++i;
        lngStart = i + 1;
    }
    strLines.append(pstrText.mid(lngStart));
    return strLines;
}

void AppendTextLines(QString& pstrOut, QStringView pstrHead, QStringView pstrText)
{
    pstrOut += pstrHead;
    qsizetype lngStart = 0;
    const qsizetype lngSize = pstrText.size();
    for (qsizetype i = 0; i < lngSize; ++i) {
        const QChar c = pstrText[i];
        if (c != u'\r' && c != u'\n') continue;
        pstrOut += pstrText.mid(lngStart, i - lngStart);
        if (c == u'\r' && i + 1 < lngSize && pstrText[i + 1] == u'\n') ++i;
        lngStart = i + 1;
        pstrOut += u'\r';
        pstrOut += pstrHead;
    }
    pstrOut += pstrText.mid(lngStart);
}

bool HasLineBreak(QStringView pstrText) { return pstrText.contains(u'\r') || pstrText.contains(u'\n'); }

std::optional<int32_t> ParseDigits(QStringView pstrText, int32_t plngMax)
{
    if (pstrText.isEmpty()) return std::nullopt;
    int64_t lngValue = 0;
    for (const QChar c : pstrText) {
        if (c < u'0' || c > u'9') return std::nullopt;
        lngValue = lngValue * 10 + (c.unicode() - u'0');
        if (lngValue > plngMax) return std::nullopt;
    }
    return static_cast<int32_t>(lngValue);
}

QString ThreeDigits(int32_t plngNumber)
{
    // Written for every record of a file: without QString::arg's formatting machinery.
    if (plngNumber < 0 || plngNumber > 999) return QStringLiteral("%1").arg(plngNumber, 3, 10, QChar(u'0'));
    const char16_t chrDigits[3] = {static_cast<char16_t>(u'0' + plngNumber / 100),
                                   static_cast<char16_t>(u'0' + plngNumber / 10 % 10),
                                   static_cast<char16_t>(u'0' + plngNumber % 10)};
    return QString(reinterpret_cast<const QChar*>(chrDigits), 3);
}

udtRecordHead RecordHead(const char* pstrTag, int32_t plngNumber)
{
    return {{static_cast<char16_t>(pstrTag[0]), static_cast<char16_t>(pstrTag[1]), static_cast<char16_t>(pstrTag[2]),
             static_cast<char16_t>(u'0' + plngNumber / 100), static_cast<char16_t>(u'0' + plngNumber / 10 % 10),
             static_cast<char16_t>(u'0' + plngNumber % 10), u':'}};
}

QString OutOfPlaceReason(QStringView pstrId, int32_t plngExpected)
{
    return QCoreApplication::translate("basFormatText", "'%1' is out of place: the numbers run 001, 002, 003, ... as the writers write them, so this one "
                          "should be %2")
        .arg(pstrId, ThreeDigits(plngExpected));
}

}  // namespace tralyx
