#include "memory/basGlossaryFile.h"

#include "common/Version.h"
#include "exchange/basXmlText.h"
#include "memory/basTmxFile.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace tralyx {
namespace {

const QString gstrXmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

struct udtLanguageTerms {
    QString Language;
    QStringList Terms;
};

// Where a language goes: -1 the source, 1 the target, 0 neither. The first language that is not the
// source becomes the target when none was given.
int SideOf(const QString& pstrLanguage, udtGlossaryDocument& pudtOut)
{
    const QString strSource = pudtOut.SourceLanguage.isEmpty() ? QStringLiteral("en") : pudtOut.SourceLanguage;
    if (SameLanguage(pstrLanguage, strSource)) return -1;
    if (pudtOut.TargetLanguage.isEmpty() && !pstrLanguage.isEmpty()) pudtOut.TargetLanguage = pstrLanguage;
    return SameLanguage(pstrLanguage, pudtOut.TargetLanguage) ? 1 : 0;
}

void AddEntry(const std::vector<udtLanguageTerms>& pudtLanguages, udtGlossaryDocument& pudtOut)
{
    QStringList strSources, strTargets;
    for (const udtLanguageTerms& u : pudtLanguages) {
        const int lngSide = SideOf(u.Language, pudtOut);
        if (lngSide < 0) strSources += u.Terms;
        else if (lngSide > 0) strTargets += u.Terms;
    }
    for (const QString& strSource : std::as_const(strSources))
        for (const QString& strTarget : std::as_const(strTargets)) pudtOut.Pairs.push_back({strSource, strTarget, QString()});
}

// The fields of one CSV record starting at plngAt, which is left after its line end. False with the
// reason when a quoted field is not closed or a quote stands inside an unquoted field.
bool CsvRecord(QStringView pstrText, qsizetype& plngAt, QChar pchrSeparator, QStringList& pstrFields, int32_t& plngLine,
               QString& pstrReason)
{
    pstrFields.clear();
    QString strField;
    const int32_t lngStart = plngLine;
    for (;;) {
        strField.clear();
        if (plngAt < pstrText.size() && pstrText[plngAt] == u'"') {
            for (++plngAt;; ++plngAt) {
                if (plngAt >= pstrText.size()) {
                    pstrReason = QCoreApplication::translate("basGlossaryFile", "line %1: a quoted field is not closed").arg(lngStart);
                    return false;
                }
                const QChar chr = pstrText[plngAt];
                if (chr == u'"') {
                    if (plngAt + 1 < pstrText.size() && pstrText[plngAt + 1] == u'"') ++plngAt;
                    else break;
                }
                if (chr == u'\n') ++plngLine;
                strField += chr;
            }
            ++plngAt;
        } else {
            for (; plngAt < pstrText.size(); ++plngAt) {
                const QChar chr = pstrText[plngAt];
                if (chr == pchrSeparator || chr == u'\n' || chr == u'\r') break;
                if (chr == u'"') {
                    pstrReason = QCoreApplication::translate("basGlossaryFile", "line %1: a quote inside a field that does not start with one").arg(plngLine);
                    return false;
                }
                strField += chr;
            }
        }
        pstrFields.append(strField);
        if (plngAt >= pstrText.size()) return true;
        const QChar chr = pstrText[plngAt++];
        if (chr == pchrSeparator) continue;
        if (chr == u'\r' && plngAt < pstrText.size() && pstrText[plngAt] == u'\n') ++plngAt;
        if (chr == u'\r' || chr == u'\n') {
            ++plngLine;
            return true;
        }
        pstrReason = QCoreApplication::translate("basGlossaryFile", "line %1: text after a quoted field's closing quote").arg(plngLine);
        return false;
    }
}

}  // namespace

bool ReadTbx(const QByteArray& pbytContent, udtGlossaryDocument& pudtOut, QString& pstrReason)
{
    QString strContent, strEncoding;
    if (!DecodeXml(pbytContent, strContent, strEncoding, pstrReason)) return false;
    QXmlStreamReader objXml(strContent);
    const auto Fail = [&](const QString& pstrWhat) {
        pstrReason = QCoreApplication::translate("basGlossaryFile", "line %1: %2").arg(objXml.lineNumber()).arg(pstrWhat);
        return false;
    };
    bool booRoot = false;
    std::vector<udtLanguageTerms> udtLanguages;  // of the entry being read
    while (!objXml.atEnd()) {
        const QXmlStreamReader::TokenType enuToken = objXml.readNext();
        if (enuToken == QXmlStreamReader::DTD) {
            if (const QString strOutside = ExternalEntityReason(objXml); !strOutside.isEmpty())
                return Fail(strOutside + QCoreApplication::translate("basGlossaryFile", "; nothing was read"));
            continue;
        }
        if (enuToken == QXmlStreamReader::EntityReference)
            return Fail(QCoreApplication::translate("basGlossaryFile", "the entity &%1; was not expanded (only the file's own declarations are read, no DTD "
                                       "or external entity), so a term would lose it; nothing was read")
                            .arg(objXml.name()));
        const QStringView strName = objXml.name();
        if (enuToken == QXmlStreamReader::EndElement && (strName == u"termEntry" || strName == u"conceptEntry")) {
            AddEntry(udtLanguages, pudtOut);
            udtLanguages.clear();
            continue;
        }
        if (enuToken != QXmlStreamReader::StartElement) continue;
        if (!booRoot) {
            if (strName != u"martif" && strName != u"tbx") return Fail(QCoreApplication::translate("basGlossaryFile", "not a TBX document (the root is <%1>)").arg(strName));
            booRoot = true;
        } else if (strName == u"langSet" || strName == u"langSec") {  // TBX-Basic, TBX v3
            const QXmlStreamAttributes objAttributes = objXml.attributes();
            const QStringView strLang = objAttributes.value(gstrXmlNamespace, QLatin1StringView("lang"));
            udtLanguages.push_back({(strLang.isEmpty() ? objAttributes.value(QLatin1StringView("lang")) : strLang).toString(), {}});
        } else if (strName == u"term" && !udtLanguages.empty()) {
            QString strTerm;
            // Its inline markup (<hi>) keeps its text; an entity left unexpanded is refused above.
            for (int32_t lngDepth = 1; lngDepth > 0 && !objXml.atEnd();) {
                switch (objXml.readNext()) {
                case QXmlStreamReader::Characters: strTerm += objXml.text(); break;
                case QXmlStreamReader::StartElement: ++lngDepth; break;
                case QXmlStreamReader::EndElement: --lngDepth; break;
                case QXmlStreamReader::EntityReference:
                    return Fail(QCoreApplication::translate("basGlossaryFile", "the entity &%1; was not expanded (only the file's own declarations are read, "
                                               "no DTD or external entity), so a term would lose it; nothing was read")
                                    .arg(objXml.name()));
                default: break;
                }
            }
            strTerm = strTerm.simplified();
            if (!strTerm.isEmpty()) udtLanguages.back().Terms.append(strTerm);
        }
    }
    if (objXml.hasError()) return Fail(objXml.errorString());
    if (!booRoot) return Fail(QCoreApplication::translate("basGlossaryFile", "not a TBX document"));
    return true;
}

bool ReadGlossaryCsv(const QByteArray& pbytContent, udtGlossaryDocument& pudtOut, QString& pstrReason)
{
    QStringDecoder objDecoder(QStringConverter::Utf8, QStringDecoder::Flag::Stateless);
    QString strText = objDecoder.decode(pbytContent);
    if (objDecoder.hasError()) {
        const qsizetype lngBad = strText.indexOf(QChar::ReplacementCharacter);
        pstrReason = QCoreApplication::translate("basGlossaryFile", "line %1: bytes that are not valid UTF-8").arg(QStringView(strText).left(lngBad).count(u'\n') + 1);
        return false;
    }
    if (strText.startsWith(QChar::ByteOrderMark)) strText.remove(0, 1);
    // A spreadsheet of a locale that writes decimal commas separates with ";".
    const QStringView strFirst = QStringView(strText).left(strText.indexOf(u'\n'));
    const QChar chrSeparator = !strFirst.contains(u',') && strFirst.contains(u';') ? u';' : u',';
    qsizetype lngAt = 0;
    int32_t lngLine = 1;
    QStringList strHeader, strFields;
    if (!CsvRecord(strText, lngAt, chrSeparator, strHeader, lngLine, pstrReason)) return false;
    if (strHeader.size() < 2) {
        pstrReason = QCoreApplication::translate("basGlossaryFile", "line 1: the header names %1 language; give two or more, such as en,de").arg(strHeader.size());
        return false;
    }
    qsizetype lngSource = -1, lngTarget = -1;
    for (qsizetype i = 0; i < strHeader.size(); ++i) {
        const int lngSide = SideOf(strHeader[i].trimmed(), pudtOut);
        if (lngSide < 0 && lngSource < 0) lngSource = i;
        if (lngSide > 0 && lngTarget < 0) lngTarget = i;
    }
    if (lngSource < 0 || lngTarget < 0) {
        pstrReason = QCoreApplication::translate("basGlossaryFile", "line 1: the header \"%1\" names no column of %2").arg(strHeader.join(chrSeparator),
                                      lngSource < 0 ? (pudtOut.SourceLanguage.isEmpty() ? QStringLiteral("en") : pudtOut.SourceLanguage)
                                                    : pudtOut.TargetLanguage);
        return false;
    }
    while (lngAt < strText.size()) {
        const int32_t lngRecordLine = lngLine;
        if (!CsvRecord(strText, lngAt, chrSeparator, strFields, lngLine, pstrReason)) return false;
        if (strFields.size() == 1 && strFields.front().trimmed().isEmpty()) continue;  // a blank line
        if (strFields.size() != strHeader.size()) {
            pstrReason = QCoreApplication::translate("basGlossaryFile", "line %1: %2 fields, the header has %3").arg(lngRecordLine).arg(strFields.size()).arg(strHeader.size());
            return false;
        }
        const QString strSource = strFields[lngSource].simplified(), strTarget = strFields[lngTarget].simplified();
        if (!strSource.isEmpty() && !strTarget.isEmpty()) pudtOut.Pairs.push_back({strSource, strTarget, QString()});
    }
    return true;
}

bool WriteTbx(const udtGlossaryDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason)
{
    for (const udtGlossaryPair& u : pudtDocument.Pairs)
        if (!FitsXml(u.Source) || !FitsXml(u.Translation) || !FitsXml(u.Note)) {
            pstrReason = QCoreApplication::translate("basGlossaryFile", "\"%1\": the text holds a control character that XML cannot carry").arg(u.Source);
            return false;
        }
    QString strXml;
    strXml += QLatin1StringView("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    QXmlStreamWriter objXml(&strXml);
    objXml.setAutoFormatting(true);
    objXml.setAutoFormattingIndent(2);
    objXml.writeStartElement(QStringLiteral("martif"));
    objXml.writeAttribute(QStringLiteral("type"), QStringLiteral("TBX-Basic"));
    objXml.writeAttribute(gstrXmlNamespace, QStringLiteral("lang"), pudtDocument.SourceLanguage);
    objXml.writeStartElement(QStringLiteral("martifHeader"));
    objXml.writeStartElement(QStringLiteral("fileDesc"));
    objXml.writeStartElement(QStringLiteral("sourceDesc"));
    objXml.writeTextElement(QStringLiteral("p"), QStringLiteral("Tralyx " TRALYX_VERSION_STRING));
    objXml.writeEndElement();
    objXml.writeEndElement();
    objXml.writeEndElement();
    objXml.writeStartElement(QStringLiteral("text"));
    objXml.writeStartElement(QStringLiteral("body"));
    const auto WriteLanguage = [&](const QString& pstrLanguage, size_t plngFrom, size_t plngTo, bool pbooSource) {
        objXml.writeStartElement(QStringLiteral("langSet"));
        objXml.writeAttribute(gstrXmlNamespace, QStringLiteral("lang"), pstrLanguage);
        for (size_t k = plngFrom; k < plngTo; ++k) {
            objXml.writeStartElement(QStringLiteral("tig"));
            objXml.writeTextElement(QStringLiteral("term"), pbooSource ? pudtDocument.Pairs[k].Source : pudtDocument.Pairs[k].Translation);
            objXml.writeEndElement();
        }
        objXml.writeEndElement();
    };
    int32_t lngEntry = 0;
    const std::vector<udtGlossaryPair>& udtPairs = pudtDocument.Pairs;
    for (size_t i = 0; i < udtPairs.size();) {
        size_t j = i + 1;
        while (j < udtPairs.size() && udtPairs[j].Source == udtPairs[i].Source) ++j;
        objXml.writeStartElement(QStringLiteral("termEntry"));
        objXml.writeAttribute(QStringLiteral("id"), QStringLiteral("c%1").arg(++lngEntry));
        if (!udtPairs[i].Note.isEmpty()) objXml.writeTextElement(QStringLiteral("note"), udtPairs[i].Note);
        WriteLanguage(pudtDocument.SourceLanguage, i, i + 1, true);
        WriteLanguage(pudtDocument.TargetLanguage, i, j, false);
        objXml.writeEndElement();
        i = j;
    }
    objXml.writeEndDocument();
    strXml += u'\n';
    pbytOut = strXml.toUtf8();
    return true;
}

}  // namespace tralyx
