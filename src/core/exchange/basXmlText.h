#pragma once
// Texts in the XML exchange files (XLIFF, TMX), written through Qt's XML stream writer.
#include <QString>

class QByteArray;
class QXmlStreamReader;
class QXmlStreamWriter;

namespace tralyx {

// Whether XML 1.0 can carry the text at all, even as references: no control character but tab, LF
// and CR, no U+FFFE or U+FFFF.
bool FitsXml(const QString& pstrText);

// Writes the text with each CR as the reference &#13;: XML turns every CR LF and lone CR of a
// document into LF when read, and Qt's writer leaves a CR raw, so only the reference keeps it.
void WriteXmlText(QXmlStreamWriter& pobjXml, const QString& pstrText);

// The characters of a whole XML document, decoded as its byte-order mark or declaration says
// (UTF-8 without either), with the encoding's name in pstrEncoding (empty when none is declared).
// False with "line N: ..." when the encoding is unknown or some bytes are not valid in it: Qt's
// reader would put U+FFFD in their place without a word.
bool DecodeXml(const QByteArray& pbytContent, QString& pstrText, QString& pstrEncoding, QString& pstrReason);

// At the reader's DTD token: "the entity NAME comes from outside the file (ID), which is not read"
// for the first entity the document declares outside itself (nothing is fetched, and Qt expands such
// an entity to nothing wherever it is used); empty when it declares none.
QString ExternalEntityReason(const QXmlStreamReader& pobjXml);

}  // namespace tralyx
