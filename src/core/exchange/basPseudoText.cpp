#include "exchange/basPseudoText.h"

#include <QByteArray>

namespace tralyx {
namespace {

QChar Accented(QChar pchrLetter)
{
    static const QString strPlain = QStringLiteral("aeiouycnAEIOUYCN");
    static const QString strAccented = QStringLiteral(u"áéíóúýçñÁÉÍÓÚÝÇÑ");
    const qsizetype lngAt = strPlain.indexOf(pchrLetter);
    return lngAt < 0 ? pchrLetter : strAccented[lngAt];
}

bool Writable(const clsCodePage& pobjCodePage, QStringView pstrText)
{
    QByteArray bytOut;
    return pobjCodePage.Encode(pstrText, bytOut);
}

// What ends a text and must stay its end: blanks, line breaks and end punctuation.
bool IsEnd(QChar c) { return c.isSpace() || QStringView(u".:;!?\u2026").contains(c); }

}  // namespace

QString PseudoText(const QString& pstrText, const udtPseudoOptions& pudtOptions, const clsCodePage& pobjCodePage)
{
    if (pstrText.isEmpty()) return pstrText;
    qsizetype lngStart = 0, lngEnd = pstrText.size();
    while (lngStart < lngEnd && pstrText[lngStart].isSpace()) ++lngStart;
    while (lngEnd > lngStart && IsEnd(pstrText[lngEnd - 1])) --lngEnd;
    // A marker that ends the text is a word, not its end.
    QString strWords;
    for (qsizetype i = lngStart; i < lngEnd; ++i) {
        const QChar c = pstrText[i];
        if (c == u'[' && QStringView(pstrText).mid(i).startsWith(u"[#!")) {
            const qsizetype lngClose = pstrText.indexOf(QStringLiteral("!#]"), i + 3);
            if (lngClose >= 0 && lngClose + 3 <= lngEnd) {
                strWords += QStringView(pstrText).mid(i, lngClose + 3 - i);
                i = lngClose + 2;
                continue;
            }
        }
        if (c == u'&' && i + 1 < lngEnd) {  // an access key, or "&&", as it was
            strWords += c;
            strWords += pstrText[++i];
            continue;
        }
        if (c == u'%' && i + 1 < lngEnd && (pstrText[i + 1].isDigit() || pstrText[i + 1].isLetter())) {
            strWords += c;
            strWords += pstrText[++i];
            continue;
        }
        const QChar chrAccented = pudtOptions.Accents ? Accented(c) : c;
        strWords += chrAccented != c && Writable(pobjCodePage, QStringView(&chrAccented, 1)) ? chrAccented : c;
    }
    const QString strOpen = pudtOptions.Brackets ? QStringLiteral("[") : QString();
    const QString strClose = pudtOptions.Brackets ? QStringLiteral("]") : QString();
    const qsizetype lngWanted = (pstrText.size() * (100 + std::max(0, pudtOptions.Expand)) + 99) / 100;
    const qsizetype lngHave = pstrText.size() + strOpen.size() + strClose.size();
    const QChar chrPad = Writable(pobjCodePage, u"\u00B7") ? QChar(0x00B7) : QChar(u'~');
    const QString strPad(std::max<qsizetype>(0, lngWanted - lngHave), chrPad);
    return pstrText.left(lngStart) + strOpen + strWords + strPad + strClose + pstrText.mid(lngEnd);
}

}  // namespace tralyx
