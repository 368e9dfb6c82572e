// XLIFF 1.2: one <file> per language file, one <trans-unit> per text, through Qt's XML stream
// classes. XML turns every CR LF and lone CR of the document into LF when read; texts go out with
// LF for their line breaks, and any CR of their own as the character reference &#13;, which a
// parser keeps.
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeText.h"
#include "exchange/basXmlText.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace tralyx {
namespace {

const QString gstrNamespace = QStringLiteral("urn:oasis:names:tc:xliff:document:1.2");

// Targets a tool has marked as needing review or adaptation are not taken as finished work.
bool IsFuzzyState(QStringView pstrState)
{
    return pstrState.startsWith(u"needs-review") || pstrState == u"needs-adaptation" || pstrState == u"needs-l10n";
}

// The text of the element the reader is at, with that of any inline markup a tool added (<g>,
// <mrk>; the elements themselves are not kept). An entity reference the reader did not expand
// (undeclared, or declared in a DTD it does not read: nothing is fetched for an imported file) would
// drop out of the text unseen: its name goes to pstrUnexpanded instead.
QString ElementText(QXmlStreamReader& pobjXml, QString& pstrUnexpanded)
{
    QString strText;
    for (int intDepth = 1; intDepth > 0 && !pobjXml.atEnd();) {
        switch (pobjXml.readNext()) {
        case QXmlStreamReader::StartElement: ++intDepth; break;
        case QXmlStreamReader::EndElement: --intDepth; break;
        case QXmlStreamReader::Characters: strText += pobjXml.text(); break;
        case QXmlStreamReader::EntityReference:
            if (pstrUnexpanded.isEmpty()) pstrUnexpanded = pobjXml.name().toString();
            break;
        default: break;
        }
    }
    return strText;
}

}  // namespace

std::optional<enuExchangeFormat> ExchangeFormatOf(const QString& pstrPath)
{
    if (pstrPath.endsWith(QLatin1StringView(".po"), Qt::CaseInsensitive)) return enuExchangeFormat::Po;
    if (pstrPath.endsWith(QLatin1StringView(".xlf"), Qt::CaseInsensitive) ||
        pstrPath.endsWith(QLatin1StringView(".xliff"), Qt::CaseInsensitive))
        return enuExchangeFormat::Xliff;
    return std::nullopt;
}

bool WriteXliff(const udtExchangeDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason)
{
    for (const udtExchangeEntry& udtEntry : pudtDocument.Entries) {
        if (!FitsXml(udtEntry.Source) || !FitsXml(udtEntry.Translation) || !FitsXml(udtEntry.Key) || !FitsXml(udtEntry.Comment)) {
            pstrReason = QStringLiteral("%1 %2: the text holds a control character that XML cannot carry")
                             .arg(udtEntry.FileName, udtEntry.Id);
            return false;
        }
    }
    // Into a string, encoded once at the end: a writer on a byte array goes through a QBuffer and an
    // encoder for every piece.
    QString strXml;
    strXml.reserve(static_cast<qsizetype>(pudtDocument.Entries.size()) * 300);
    strXml += QLatin1StringView("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    QXmlStreamWriter objXml(&strXml);
    objXml.setAutoFormatting(true);
    objXml.setAutoFormattingIndent(2);
    objXml.writeDefaultNamespace(gstrNamespace);
    objXml.writeStartElement(gstrNamespace, QStringLiteral("xliff"));
    objXml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.2"));
    QString strOpenFile;
    bool booFileOpen = false;
    for (const udtExchangeEntry& udtEntry : pudtDocument.Entries) {
        if (!booFileOpen || udtEntry.FileName != strOpenFile) {
            if (booFileOpen) {
                objXml.writeEndElement();  // body
                objXml.writeEndElement();  // file
            }
            objXml.writeStartElement(QStringLiteral("file"));
            objXml.writeAttribute(QStringLiteral("original"), udtEntry.FileName);
            objXml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("plaintext"));
            objXml.writeAttribute(QStringLiteral("source-language"), pudtDocument.SourceLanguage);
            if (!pudtDocument.TargetLanguage.isEmpty())
                objXml.writeAttribute(QStringLiteral("target-language"), pudtDocument.TargetLanguage);
            objXml.writeStartElement(QStringLiteral("body"));
            strOpenFile = udtEntry.FileName;
            booFileOpen = true;
        }
        // Translated units are approved: the tools take a unit without it for one still to check.
        const bool booTranslated = !udtEntry.Translation.isEmpty() && !udtEntry.Fuzzy && !udtEntry.Obsolete;
        objXml.writeStartElement(QStringLiteral("trans-unit"));
        objXml.writeAttribute(QStringLiteral("id"), udtEntry.Key);
        objXml.writeAttribute(QStringLiteral("resname"), udtEntry.Id);
        objXml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        if (booTranslated) objXml.writeAttribute(QStringLiteral("approved"), QStringLiteral("yes"));
        if (udtEntry.Obsolete) objXml.writeAttribute(QStringLiteral("translate"), QStringLiteral("no"));
        objXml.writeStartElement(QStringLiteral("source"));
        WriteXmlText(objXml, udtEntry.Source);
        objXml.writeEndElement();
        objXml.writeStartElement(QStringLiteral("target"));
        objXml.writeAttribute(QStringLiteral("state"), udtEntry.Translation.isEmpty() ? QStringLiteral("needs-translation")
                                                       : udtEntry.Fuzzy              ? QStringLiteral("needs-review-translation")
                                                                                     : QStringLiteral("translated"));
        WriteXmlText(objXml, udtEntry.Translation);
        objXml.writeEndElement();
        for (const auto& [strFrom, strNote] : {std::pair{QStringLiteral("tralyx"), udtEntry.Note},
                                               std::pair{QStringLiteral("translator"), udtEntry.Comment}}) {
            if (strNote.isEmpty()) continue;
            objXml.writeStartElement(QStringLiteral("note"));
            objXml.writeAttribute(QStringLiteral("from"), strFrom);
            WriteXmlText(objXml, strNote);
            objXml.writeEndElement();
        }
        objXml.writeEndElement();  // trans-unit
    }
    objXml.writeEndDocument();  // closes what is open
    if (objXml.hasError()) {
        pstrReason = QStringLiteral("the XML writer failed");
        return false;
    }
    pbytOut = strXml.toUtf8();
    return true;
}

bool ReadXliff(const QByteArray& pbytContent, udtExchangeDocument& pudtOut, QString& pstrReason)
{
    QXmlStreamReader objXml(pbytContent);
    bool booXliff = false;
    QString strNamespace;  // of the root: elements of other namespaces are a tool's own, not XLIFF's
    QString strFileName;   // of the <file> being read
    udtExchangeEntry* pudtUnit = nullptr;
    bool booHasTarget = false;
    auto Fail = [&](const QString& pstrWhat) {
        pstrReason = QStringLiteral("line %1: %2").arg(objXml.lineNumber()).arg(pstrWhat);
        return false;
    };
    while (!objXml.atEnd()) {
        const QXmlStreamReader::TokenType enuToken = objXml.readNext();
        if (enuToken == QXmlStreamReader::StartDocument) {
            if (const QString strDoubt = DeclaredCodePageDoubt(pbytContent, objXml.documentEncoding().toString()); !strDoubt.isEmpty())
                pudtOut.Warnings.append(strDoubt);
            continue;
        }
        // Qt expands an external entity to nothing, unseen wherever it is used: a file that declares
        // one is refused whole (nothing is fetched for an imported file).
        if (enuToken == QXmlStreamReader::DTD) {
            for (const QXmlStreamEntityDeclaration& udtEntity : objXml.entityDeclarations())
                if (!udtEntity.systemId().isEmpty() || !udtEntity.publicId().isEmpty())
                    return Fail(QStringLiteral("the entity %1 comes from outside the file (%2), which is not read; nothing was imported")
                                    .arg(udtEntity.name(), udtEntity.systemId().isEmpty() ? udtEntity.publicId() : udtEntity.systemId()));
            continue;
        }
        if (enuToken == QXmlStreamReader::EndElement) {
            if (objXml.name() == u"trans-unit" && objXml.namespaceUri() == strNamespace) pudtUnit = nullptr;
            continue;
        }
        if (!objXml.isStartElement()) continue;
        const QStringView strName = objXml.name();
        const QXmlStreamAttributes objAttributes = objXml.attributes();
        if (!booXliff) {
            if (strName != u"xliff") return Fail(QStringLiteral("not an XLIFF document (the root is <%1>)").arg(strName));
            const QStringView strVersion = objAttributes.value(QLatin1StringView("version"));
            if (strVersion != u"1.2")
                return Fail(strVersion.isEmpty() ? QStringLiteral("the <xliff> root gives no version; only XLIFF 1.2 is read")
                                                 : QStringLiteral("XLIFF %1 is not read, only XLIFF 1.2 (as export writes it)").arg(strVersion));
            strNamespace = objXml.namespaceUri().toString();
            booXliff = true;
        } else if (objXml.namespaceUri() != strNamespace) {
            objXml.skipCurrentElement();
        } else if (strName == u"file") {
            strFileName = objAttributes.value(QLatin1StringView("original")).toString();
            if (pudtOut.SourceLanguage.isEmpty()) pudtOut.SourceLanguage = objAttributes.value(QLatin1StringView("source-language")).toString();
            if (pudtOut.TargetLanguage.isEmpty()) pudtOut.TargetLanguage = objAttributes.value(QLatin1StringView("target-language")).toString();
        } else if (strName == u"trans-unit") {
            pudtOut.Entries.emplace_back();
            pudtUnit = &pudtOut.Entries.back();
            pudtUnit->FileName = strFileName;
            pudtUnit->Key = objAttributes.value(QLatin1StringView("id")).toString();
            pudtUnit->Id = objAttributes.value(QLatin1StringView("resname")).toString();
            pudtUnit->Line = static_cast<int32_t>(objXml.lineNumber());
            booHasTarget = false;
            pudtUnit->Obsolete = objAttributes.value(QLatin1StringView("translate")) == u"no";
        } else if (pudtUnit && (strName == u"source" || strName == u"target")) {
            const bool booTarget = strName == u"target";
            if (booTarget && IsFuzzyState(objAttributes.value(QLatin1StringView("state")))) pudtUnit->Fuzzy = true;
            QString strUnexpanded;
            const QString strText = ElementText(objXml, strUnexpanded);
            (booTarget ? pudtUnit->Translation : pudtUnit->Source) = strText;
            if (!strUnexpanded.isEmpty() && pudtUnit->Refused.isEmpty())
                pudtUnit->Refused = QStringLiteral("the entity &%1; was not expanded (only the file's own declarations are read, "
                                                   "no DTD or external entity), so the text would lose it")
                                        .arg(strUnexpanded);
            if (booTarget && booHasTarget) pudtUnit->Refused = QStringLiteral("the unit has more than one <target>");
            booHasTarget = booHasTarget || booTarget;
        } else if (pudtUnit && strName == u"note") {
            const bool booOurs = objAttributes.value(QLatin1StringView("from")) == u"tralyx";
            QString strUnexpanded;
            const QString strText = ElementText(objXml, strUnexpanded);
            if (!booOurs) pudtUnit->Comment += (pudtUnit->Comment.isEmpty() ? QString() : QStringLiteral("\n")) + strText;
        } else if (pudtUnit && strName == u"alt-trans") {
            objXml.skipCurrentElement();  // suggestions, not the translation
        }
    }
    if (objXml.hasError()) return Fail(objXml.errorString());
    if (!booXliff) return Fail(QStringLiteral("not an XLIFF document"));
    return true;
}

}  // namespace tralyx
