#include "exchange/basXmlText.h"

#include <QXmlStreamWriter>

namespace tralyx {

bool FitsXml(const QString& pstrText)
{
    for (const QChar c : pstrText) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF) return false;
    }
    return true;
}

void WriteXmlText(QXmlStreamWriter& pobjXml, const QString& pstrText)
{
    qsizetype lngFrom = 0;
    for (qsizetype lngCR; (lngCR = pstrText.indexOf(u'\r', lngFrom)) >= 0; lngFrom = lngCR + 1) {
        pobjXml.writeCharacters(pstrText.mid(lngFrom, lngCR - lngFrom));
        pobjXml.writeEntityReference(QStringLiteral("#13"));
    }
    pobjXml.writeCharacters(pstrText.mid(lngFrom));
}

}  // namespace tralyx
