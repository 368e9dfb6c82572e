#include "exchange/basXmlText.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QStringDecoder>
#include <QXmlStreamReader>
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

bool DecodeXml(const QByteArray& pbytContent, QString& pstrText, QString& pstrEncoding, QString& pstrReason)
{
    // The reader's own look at the start: a byte-order mark, UTF-16 without one, the declaration.
    QXmlStreamReader objProbe(pbytContent);
    if (objProbe.readNext() == QXmlStreamReader::Invalid) {
        pstrReason = QCoreApplication::translate("basXmlText", "line %1: %2").arg(objProbe.lineNumber()).arg(objProbe.errorString());
        return false;
    }
    pstrEncoding = objProbe.documentEncoding().toString();
    QString strDecoder = pstrEncoding;
    if (strDecoder.isEmpty()) {
        const auto enuFound = QStringConverter::encodingForData(pbytContent, u'<');
        strDecoder = QString::fromLatin1(QStringConverter::nameForEncoding(enuFound.value_or(QStringConverter::Utf8)));
    }
    QStringDecoder objDecoder(strDecoder.toLatin1().constData(), QStringDecoder::Flag::Stateless);
    if (!objDecoder.isValid()) {
        pstrReason = QCoreApplication::translate("basXmlText", "line 1: the encoding %1 is not known").arg(strDecoder);
        return false;
    }
    pstrText = objDecoder.decode(pbytContent);
    if (!objDecoder.hasError()) return true;
    // Again a line at a time, to name the line: the decoder keeps its state (ISO-2022-JP, UTF-7, a
    // UTF-16 pair) from one piece to the next.
    QStringDecoder objLines(strDecoder.toLatin1().constData());
    qsizetype lngLine = 1;
    for (qsizetype lngFrom = 0; lngFrom < pbytContent.size();) {
        const qsizetype lngLF = pbytContent.indexOf('\n', lngFrom);
        const qsizetype lngEnd = lngLF < 0 ? pbytContent.size() : lngLF + 1;
        const QString strPiece = objLines.decode(QByteArrayView(pbytContent).sliced(lngFrom, lngEnd - lngFrom));
        if (objLines.hasError()) {
            const qsizetype lngBad = strPiece.indexOf(QChar::ReplacementCharacter);
            lngLine += QStringView(strPiece).left(lngBad < 0 ? strPiece.size() : lngBad).count(u'\n');
            break;
        }
        lngLine += strPiece.count(u'\n');
        lngFrom = lngEnd;
    }
    pstrText.clear();
    pstrReason = QCoreApplication::translate("basXmlText", "line %1: bytes that are not valid %2, the file's encoding").arg(lngLine).arg(strDecoder);
    return false;
}

QString ExternalEntityReason(const QXmlStreamReader& pobjXml)
{
    for (const QXmlStreamEntityDeclaration& udtEntity : pobjXml.entityDeclarations())
        if (!udtEntity.systemId().isEmpty() || !udtEntity.publicId().isEmpty())
            return QCoreApplication::translate("basXmlText", "the entity %1 comes from outside the file (%2), which is not read")
                .arg(udtEntity.name(), udtEntity.systemId().isEmpty() ? udtEntity.publicId() : udtEntity.systemId());
    return QString();
}

}  // namespace tralyx
