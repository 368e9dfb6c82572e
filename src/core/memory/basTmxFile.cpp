// TMX through Qt's XML stream classes. XML turns every CR LF and lone CR of a document into LF when
// read, so a CR of a text's own goes out as the reference &#13;, which a parser keeps.
#include "memory/basTmxFile.h"

#include "common/Version.h"
#include "exchange/basXmlText.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <utility>

namespace tralyx {
namespace {

const QString gstrXmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

void WriteVariant(QXmlStreamWriter& pobjXml, const QString& pstrLanguage, const QString& pstrText)
{
    pobjXml.writeStartElement(QStringLiteral("tuv"));
    pobjXml.writeAttribute(gstrXmlNamespace, QStringLiteral("lang"), pstrLanguage);
    pobjXml.writeStartElement(QStringLiteral("seg"));
    WriteXmlText(pobjXml, pstrText);
    pobjXml.writeEndElement();
    pobjXml.writeEndElement();
}

// The primary language and the rest of a code: "de-DE" -> ("de", "de"), "DE_de" the same.
std::pair<QString, QString> SplitLanguage(QStringView pstrCode)
{
    const QString strCode = pstrCode.toString().toLower().replace(u'_', u'-');
    const qsizetype lngDash = strCode.indexOf(u'-');
    return {lngDash < 0 ? strCode : strCode.left(lngDash), lngDash < 0 ? QString() : strCode.mid(lngDash + 1)};
}

// The text of a <seg> (the reader stands on its start): characters and <hi> text, not the native
// codes that <bpt>, <ept>, <ph>, <it> and <ut> hold. An entity reference the reader did not expand
// (one of a DTD, which is not read) would drop out of the text unseen: its name goes to
// pstrUnexpanded instead.
QString ReadSegment(QXmlStreamReader& pobjXml, QString& pstrUnexpanded)
{
    QString strText;
    for (int32_t lngDepth = 1; lngDepth > 0 && !pobjXml.atEnd();) {
        switch (pobjXml.readNext()) {
        case QXmlStreamReader::Characters: strText += pobjXml.text(); break;
        case QXmlStreamReader::EntityReference:
            if (pstrUnexpanded.isEmpty()) pstrUnexpanded = pobjXml.name().toString();
            break;
        case QXmlStreamReader::StartElement:
            if (pobjXml.name() == u"hi" || pobjXml.name() == u"sub") ++lngDepth;
            else pobjXml.skipCurrentElement();
            break;
        case QXmlStreamReader::EndElement: --lngDepth; break;
        default: break;
        }
    }
    return strText;
}

struct udtVariant {
    QString Language, Text;
};

}  // namespace

bool SameLanguage(QStringView pstrOne, QStringView pstrOther)
{
    const auto [strOne, strOneRegion] = SplitLanguage(pstrOne);
    const auto [strOther, strOtherRegion] = SplitLanguage(pstrOther);
    return !strOne.isEmpty() && strOne == strOther &&
           (strOneRegion.isEmpty() || strOtherRegion.isEmpty() || strOneRegion == strOtherRegion);
}

bool WriteTmx(const udtTmxDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason)
{
    for (const udtTmxUnit& udtUnit : pudtDocument.Units) {
        if (!FitsXml(udtUnit.Source) || !FitsXml(udtUnit.Translation) || !FitsXml(udtUnit.Id) || !FitsXml(udtUnit.Note)) {
            pstrReason = QCoreApplication::translate("basTmxFile", "%1: the text holds a control character that XML cannot carry").arg(udtUnit.Id);
            return false;
        }
    }
    QString strXml;
    strXml.reserve(static_cast<qsizetype>(pudtDocument.Units.size()) * 250 + 400);
    strXml += QLatin1StringView("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE tmx SYSTEM \"tmx14.dtd\">");
    QXmlStreamWriter objXml(&strXml);
    objXml.setAutoFormatting(true);
    objXml.setAutoFormattingIndent(2);
    objXml.writeStartElement(QStringLiteral("tmx"));
    objXml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.4"));
    objXml.writeEmptyElement(QStringLiteral("header"));
    objXml.writeAttribute(QStringLiteral("creationtool"), QStringLiteral("Tralyx"));
    objXml.writeAttribute(QStringLiteral("creationtoolversion"), QStringLiteral(TRALYX_VERSION_STRING));
    // Texts of a user interface are not cut into sentences: each is one block.
    objXml.writeAttribute(QStringLiteral("segtype"), QStringLiteral("block"));
    objXml.writeAttribute(QStringLiteral("o-tmf"), QStringLiteral("Tralyx"));
    objXml.writeAttribute(QStringLiteral("adminlang"), QStringLiteral("en"));
    objXml.writeAttribute(QStringLiteral("srclang"), pudtDocument.SourceLanguage);
    objXml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("plaintext"));
    objXml.writeStartElement(QStringLiteral("body"));
    for (const udtTmxUnit& udtUnit : pudtDocument.Units) {
        objXml.writeStartElement(QStringLiteral("tu"));
        if (!udtUnit.Id.isEmpty()) objXml.writeAttribute(QStringLiteral("tuid"), udtUnit.Id);
        if (!udtUnit.Note.isEmpty()) objXml.writeTextElement(QStringLiteral("note"), udtUnit.Note);
        WriteVariant(objXml, pudtDocument.SourceLanguage, udtUnit.Source);
        if (!udtUnit.Translation.isEmpty()) WriteVariant(objXml, pudtDocument.TargetLanguage, udtUnit.Translation);
        objXml.writeEndElement();
    }
    objXml.writeEndDocument();
    if (objXml.hasError()) {
        pstrReason = QCoreApplication::translate("basTmxFile", "the XML writer failed");
        return false;
    }
    strXml += u'\n';
    pbytOut = strXml.toUtf8();
    return true;
}

bool ReadTmx(const QByteArray& pbytContent, udtTmxDocument& pudtOut, QString& pstrReason)
{
    QString strContent, strEncoding;
    if (!DecodeXml(pbytContent, strContent, strEncoding, pstrReason)) return false;
    QXmlStreamReader objXml(strContent);
    const auto Fail = [&](const QString& pstrWhat) {
        pstrReason = QCoreApplication::translate("basTmxFile", "line %1: %2").arg(objXml.lineNumber()).arg(pstrWhat);
        return false;
    };
    const auto LanguageOf = [&]() {
        const QXmlStreamAttributes objAttributes = objXml.attributes();
        const QStringView strLang = objAttributes.value(gstrXmlNamespace, QLatin1StringView("lang"));
        return (strLang.isEmpty() ? objAttributes.value(QLatin1StringView("lang")) : strLang).toString();  // TMX 1.1
    };
    bool booRoot = false, booAllSources = false;
    QString strSourceLanguage = pudtOut.SourceLanguage;
    std::vector<udtVariant> udtVariants;
    udtTmxUnit udtUnit;
    bool booInUnit = false;
    while (!objXml.atEnd()) {
        const QXmlStreamReader::TokenType enuToken = objXml.readNext();
        if (enuToken == QXmlStreamReader::EndElement && booInUnit && objXml.name() == u"tu") {
            booInUnit = false;
            // The source: the header's language, else the first variant.
            auto itSource = std::find_if(udtVariants.begin(), udtVariants.end(), [&](const udtVariant& u) {
                return !strSourceLanguage.isEmpty() && SameLanguage(u.Language, strSourceLanguage);
            });
            if (itSource == udtVariants.end() && (booAllSources || strSourceLanguage.isEmpty())) itSource = udtVariants.begin();
            if (itSource == udtVariants.end()) continue;  // nothing in the source language
            for (auto it = udtVariants.begin(); it != udtVariants.end(); ++it) {
                if (it == itSource || SameLanguage(it->Language, itSource->Language)) continue;
                if (pudtOut.TargetLanguage.isEmpty()) pudtOut.TargetLanguage = it->Language;
                if (!SameLanguage(it->Language, pudtOut.TargetLanguage)) continue;
                udtUnit.Translation = it->Text;
                break;
            }
            udtUnit.Source = itSource->Text;
            pudtOut.Units.push_back(std::move(udtUnit));
            continue;
        }
        // Nothing is fetched for a memory: an entity from outside the file would be empty wherever
        // it is used.
        if (enuToken == QXmlStreamReader::DTD) {
            if (const QString strOutside = ExternalEntityReason(objXml); !strOutside.isEmpty())
                return Fail(strOutside + QCoreApplication::translate("basTmxFile", "; nothing was read"));
            continue;
        }
        if (enuToken != QXmlStreamReader::StartElement) continue;
        const QStringView strName = objXml.name();
        if (!booRoot) {
            if (strName != u"tmx") return Fail(QCoreApplication::translate("basTmxFile", "not a TMX document (the root is <%1>)").arg(strName));
            booRoot = true;
        } else if (strName == u"header") {
            const QString strHeaderSource = objXml.attributes().value(QLatin1StringView("srclang")).toString();
            booAllSources = strHeaderSource == u"*all*";
            if (!booAllSources && !strHeaderSource.isEmpty()) strSourceLanguage = strHeaderSource;
            if (pudtOut.SourceLanguage.isEmpty() && !booAllSources) pudtOut.SourceLanguage = strHeaderSource;
            objXml.skipCurrentElement();  // its notes, properties and user-defined encodings
        } else if (strName == u"tu") {
            booInUnit = true;
            udtUnit = udtTmxUnit();
            udtUnit.Id = objXml.attributes().value(QLatin1StringView("tuid")).toString();
            udtVariants.clear();
        } else if (booInUnit && strName == u"note") {
            const QString strNote = objXml.readElementText(QXmlStreamReader::IncludeChildElements);
            udtUnit.Note += (udtUnit.Note.isEmpty() ? QString() : QStringLiteral("\n")) + strNote;
        } else if (booInUnit && strName == u"tuv") {
            udtVariants.push_back({LanguageOf(), QString()});
        } else if (booInUnit && strName == u"seg" && !udtVariants.empty()) {
            QString strUnexpanded;
            udtVariants.back().Text = ReadSegment(objXml, strUnexpanded);
            // A match that lost a character would be offered as exact: the memory is taken whole or not.
            if (!strUnexpanded.isEmpty())
                return Fail(QCoreApplication::translate("basTmxFile", "the entity &%1; was not expanded (only the file's own declarations are read, no DTD "
                                           "or external entity), so the text would lose it; nothing was read")
                                .arg(strUnexpanded));
        } else if (strName == u"prop" || strName == u"ude") {
            objXml.skipCurrentElement();
        }
    }
    if (objXml.hasError()) return Fail(objXml.errorString());
    if (!booRoot) return Fail(QCoreApplication::translate("basTmxFile", "not a TMX document"));
    return true;
}

}  // namespace tralyx
