// XLIFF 1.2: one <file> per language file, one <trans-unit> per text, written as bytes and read
// through Qt's XML stream reader. XML turns every CR LF and lone CR of the document into LF when
// read; texts go out with LF for their line breaks, and any CR of their own as the character
// reference &#13;, which a parser keeps.
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeText.h"
#include "exchange/basXmlText.h"

#include <QCoreApplication>
#include <QStringEncoder>
#include <QXmlStreamReader>
#include <algorithm>

namespace tralyx {
namespace {

const QString gstrNamespace = QStringLiteral("urn:oasis:names:tc:xliff:document:1.2");
// Our own attribute on a unit: the fingerprint of the translation as exported (tralyx:exported).
const QString gstrOurNamespace = QStringLiteral("urn:tralyx:exchange");

// What a target's state says of its text: finished, or not yet (to review). A target still "new"
// or "needs-translation" may hold a draft or the copied source: it goes in to review rather than
// not at all, so no typed work is lost and none is taken as finished. A state XLIFF 1.2 does not
// define (a tool's "x-" value among them) says nothing we can trust: to review too, with a warning.
enum class enuTargetState { Done, Review, Unknown };

enuTargetState TargetStateOf(QStringView pstrState)
{
    if (pstrState.isEmpty() || pstrState == u"translated" || pstrState == u"final" || pstrState == u"signed-off")
        return enuTargetState::Done;
    for (const char16_t* pstrKnown : {u"new", u"needs-translation", u"needs-adaptation", u"needs-l10n", u"needs-review-translation",
                                      u"needs-review-adaptation", u"needs-review-l10n"})
        if (pstrState == QStringView(pstrKnown)) return enuTargetState::Review;
    return enuTargetState::Unknown;
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

namespace {

// The document's bytes as they are made: UTF-8 straight from each text, escaped as XML writers
// escape (QXmlStreamWriter's choices, which earlier exports were written with: a quote as &quot; in
// text too, and tab, line feed and carriage return as references in attributes).
class clsXliffOut {
public:
    explicit clsXliffOut(qsizetype plngReserve) { mbytOut.reserve(plngReserve); }
    QByteArray Take() { return std::move(mbytOut); }

    clsXliffOut& operator<<(const char* pstrRaw)
    {
        mbytOut.append(pstrRaw);
        return *this;
    }
    // A start tag's opening, or an end tag, on a line of its own pintDepth levels in.
    clsXliffOut& Open(int pintDepth, const char* pstrName) { return Line(pintDepth, "<", pstrName, ""); }
    clsXliffOut& Close(int pintDepth, const char* pstrName) { return Line(pintDepth, "</", pstrName, ">"); }
    clsXliffOut& Attribute(const char* pstrName, QStringView pstrValue)
    {
        mbytOut.append(' ');
        mbytOut.append(pstrName);
        mbytOut.append("=\"");
        Escaped(pstrValue, true);
        mbytOut.append('"');
        return *this;
    }
    // An element with its text on one line: "\n        <source>text</source>".
    clsXliffOut& Element(int pintDepth, const char* pstrName, QStringView pstrText)
    {
        Open(pintDepth, pstrName) << ">";
        Text(pstrText);
        mbytOut.append("</");
        mbytOut.append(pstrName);
        mbytOut.append('>');
        return *this;
    }
    clsXliffOut& Text(QStringView pstrText)
    {
        Escaped(pstrText, false);
        return *this;
    }

private:
    // A new line, pintDepth levels in, and a tag's start: "\n    <name".
    clsXliffOut& Line(int pintDepth, const char* pstrBefore, const char* pstrName, const char* pstrAfter)
    {
        mbytOut.append('\n');
        mbytOut.append(qsizetype(pintDepth) * 2, ' ');
        mbytOut.append(pstrBefore).append(pstrName).append(pstrAfter);
        return *this;
    }
    void Utf8(QStringView pstrText)
    {
        if (pstrText.isEmpty()) return;
        const qsizetype lngAt = mbytOut.size();
        mbytOut.resize(lngAt + mobjEncoder.requiredSpace(pstrText.size()));
        char* pEnd = mobjEncoder.appendToBuffer(mbytOut.data() + lngAt, pstrText);
        mbytOut.resize(pEnd - mbytOut.constData());
    }
    void Escaped(QStringView pstrText, bool pbooAttribute)
    {
        qsizetype lngFrom = 0;
        for (qsizetype i = 0; i < pstrText.size(); ++i) {
            const char* pstrEscape = nullptr;
            switch (pstrText[i].unicode()) {
            case u'<': pstrEscape = "&lt;"; break;
            case u'>': pstrEscape = "&gt;"; break;
            case u'&': pstrEscape = "&amp;"; break;
            case u'"': pstrEscape = "&quot;"; break;
            case u'\r': pstrEscape = "&#13;"; break;
            case u'\t': pstrEscape = pbooAttribute ? "&#9;" : nullptr; break;
            case u'\n': pstrEscape = pbooAttribute ? "&#10;" : nullptr; break;
            default: break;
            }
            if (!pstrEscape) continue;
            Utf8(pstrText.sliced(lngFrom, i - lngFrom));
            mbytOut.append(pstrEscape);
            lngFrom = i + 1;
        }
        Utf8(pstrText.sliced(lngFrom));
    }

    QByteArray mbytOut;
    QStringEncoder mobjEncoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
};

}  // namespace

bool WriteXliff(const udtExchangeDocument& pudtDocument, QByteArray& pbytOut, QString& pstrReason)
{
    for (const udtExchangeEntry& udtEntry : pudtDocument.Entries) {
        if (!FitsXml(udtEntry.Source) || !FitsXml(udtEntry.Translation) || !FitsXml(udtEntry.Key) || !FitsXml(udtEntry.Comment) ||
            !FitsXml(udtEntry.PreviousSource)) {
            pstrReason = QCoreApplication::translate("basXliffFile", "%1 %2: the text holds a control character that XML cannot carry")
                             .arg(udtEntry.FileName, udtEntry.Id);
            return false;
        }
    }
    // Written as bytes, with the layout an auto-formatting XML writer gives it (two spaces a level,
    // a text on its element's line): a writer's namespace and element bookkeeping was most of an
    // export's time.
    clsXliffOut objXml(static_cast<qsizetype>(pudtDocument.Entries.size()) * 400);
    const QByteArray bytNamespace = gstrNamespace.toUtf8(), bytOurNamespace = gstrOurNamespace.toUtf8();
    objXml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff xmlns=\"" << bytNamespace.constData() << "\"";
    if (std::any_of(pudtDocument.Entries.begin(), pudtDocument.Entries.end(), [](const udtExchangeEntry& u) { return !u.Exported.isEmpty(); }))
        objXml << " xmlns:tralyx=\"" << bytOurNamespace.constData() << "\"";
    objXml << " version=\"1.2\"";
    if (pudtDocument.Entries.empty()) {
        objXml << "/>\n";
        pbytOut = objXml.Take();
        return true;
    }
    objXml << ">";
    const QString* pstrOpenFile = nullptr;
    for (const udtExchangeEntry& udtEntry : pudtDocument.Entries) {
        if (!pstrOpenFile || udtEntry.FileName != *pstrOpenFile) {
            if (pstrOpenFile) objXml.Close(2, "body").Close(1, "file");
            objXml.Open(1, "file").Attribute("original", udtEntry.FileName) << " datatype=\"plaintext\"";
            objXml.Attribute("source-language", pudtDocument.SourceLanguage);
            if (!pudtDocument.TargetLanguage.isEmpty()) objXml.Attribute("target-language", pudtDocument.TargetLanguage);
            objXml << ">";
            objXml.Open(2, "body") << ">";
            pstrOpenFile = &udtEntry.FileName;
        }
        // Translated units are approved: the tools take a unit without it for one still to check.
        const bool booTranslated = !udtEntry.Translation.isEmpty() && !udtEntry.Fuzzy && !udtEntry.Obsolete;
        objXml.Open(3, "trans-unit").Attribute("id", udtEntry.Key).Attribute("resname", udtEntry.Id) << " xml:space=\"preserve\"";
        if (booTranslated) objXml << " approved=\"yes\"";
        if (udtEntry.Obsolete) objXml << " translate=\"no\"";
        if (!udtEntry.Exported.isEmpty()) objXml.Attribute("tralyx:exported", udtEntry.Exported);
        objXml << ">";
        objXml.Element(4, "source", udtEntry.Source);
        objXml.Open(4, "target") << (udtEntry.Translation.isEmpty() ? " state=\"needs-translation\">"
                                     : udtEntry.Fuzzy              ? " state=\"needs-review-translation\">"
                                                                   : " state=\"translated\">");
        objXml.Text(udtEntry.Translation) << "</target>";
        // To review: the English it was made for, as the previous version CAT tools show beside it.
        if (udtEntry.Fuzzy && !udtEntry.PreviousSource.isEmpty()) {
            objXml.Open(4, "alt-trans") << " alttranstype=\"previous-version\">";
            objXml.Element(5, "source", udtEntry.PreviousSource).Element(5, "target", udtEntry.Translation).Close(4, "alt-trans");
        }
        for (const auto& [pstrFrom, pstrNote] : {std::pair{"tralyx", &udtEntry.Note}, std::pair{"translator", &udtEntry.Comment}}) {
            if (pstrNote->isEmpty()) continue;
            objXml.Open(4, "note") << " from=\"" << pstrFrom << "\">";
            objXml.Text(*pstrNote) << "</note>";
        }
        objXml.Close(3, "trans-unit");
    }
    objXml.Close(2, "body").Close(1, "file") << "\n</xliff>\n";
    pbytOut = objXml.Take();
    return true;
}

bool ReadXliff(const QByteArray& pbytContent, udtExchangeDocument& pudtOut, QString& pstrReason)
{
    QString strContent, strEncoding;
    if (!DecodeXml(pbytContent, strContent, strEncoding, pstrReason)) {
        pstrReason += QCoreApplication::translate("basXliffFile", "; nothing was imported");
        return false;
    }
    QXmlStreamReader objXml(strContent);
    bool booXliff = false;
    QString strNamespace;  // of the root: elements of other namespaces are a tool's own, not XLIFF's
    QString strFileName;   // of the <file> being read
    udtExchangeEntry* pudtUnit = nullptr;
    bool booHasTarget = false;
    QStringList strUnknownStates;  // warned of once each
    auto Fail = [&](const QString& pstrWhat) {
        pstrReason = QCoreApplication::translate("basXliffFile", "line %1: %2").arg(objXml.lineNumber()).arg(pstrWhat);
        return false;
    };
    while (!objXml.atEnd()) {
        const QXmlStreamReader::TokenType enuToken = objXml.readNext();
        if (enuToken == QXmlStreamReader::StartDocument) {
            if (const QString strDoubt = DeclaredCodePageDoubt(pbytContent, strEncoding); !strDoubt.isEmpty())
                pudtOut.Warnings.append(strDoubt);
            continue;
        }
        // Qt expands an external entity to nothing, unseen wherever it is used: a file that declares
        // one is refused whole (nothing is fetched for an imported file).
        if (enuToken == QXmlStreamReader::DTD) {
            if (const QString strOutside = ExternalEntityReason(objXml); !strOutside.isEmpty())
                return Fail(strOutside + QCoreApplication::translate("basXliffFile", "; nothing was imported"));
            continue;
        }
        if (enuToken == QXmlStreamReader::EndElement) {
            if (objXml.name() == u"trans-unit" && objXml.namespaceUri() == strNamespace) {
                if (pudtUnit && pudtUnit->FileLine < 0) pudtUnit->FileLine = 0;  // a file without its line
                pudtUnit = nullptr;
            }
            continue;
        }
        if (!objXml.isStartElement()) continue;
        const QStringView strName = objXml.name();
        const QXmlStreamAttributes objAttributes = objXml.attributes();
        if (!booXliff) {
            if (strName != u"xliff") return Fail(QCoreApplication::translate("basXliffFile", "not an XLIFF document (the root is <%1>)").arg(strName));
            const QStringView strVersion = objAttributes.value(QLatin1StringView("version"));
            // 1.1 as Translate Toolkit's po2xliff writes it: the same elements, in its own namespace.
            if (strVersion != u"1.2" && strVersion != u"1.1")
                return Fail(strVersion.isEmpty() ? QCoreApplication::translate("basXliffFile", "the <xliff> root gives no version; only XLIFF 1.2 and 1.1 are read")
                                                 : QCoreApplication::translate("basXliffFile", "XLIFF %1 is not read, only XLIFF 1.2 (as export writes it) and 1.1")
                                                       .arg(strVersion));
            strNamespace = objXml.namespaceUri().toString();
            booXliff = true;
        } else if (objXml.namespaceUri() != strNamespace) {
            objXml.skipCurrentElement();
        } else if (strName == u"file") {
            strFileName = objAttributes.value(QLatin1StringView("original")).toString();
            if (pudtOut.SourceLanguage.isEmpty()) pudtOut.SourceLanguage = objAttributes.value(QLatin1StringView("source-language")).toString();
            if (pudtOut.TargetLanguage.isEmpty()) pudtOut.TargetLanguage = objAttributes.value(QLatin1StringView("target-language")).toString();
        } else if (strName == u"trans-unit" && objAttributes.value(QLatin1StringView("restype")) == u"x-gettext-domain-header") {
            objXml.skipCurrentElement();  // a PO header that po2xliff made a unit of
        } else if (strName == u"trans-unit") {
            pudtOut.Entries.emplace_back();
            pudtUnit = &pudtOut.Entries.back();
            pudtUnit->FileName = strFileName;
            pudtUnit->Key = objAttributes.value(QLatin1StringView("id")).toString();
            pudtUnit->Id = objAttributes.value(QLatin1StringView("resname")).toString();
            pudtUnit->Line = static_cast<int32_t>(objXml.lineNumber());
            booHasTarget = false;
            pudtUnit->Obsolete = objAttributes.value(QLatin1StringView("translate")) == u"no";
            const QString strExported = objAttributes.value(gstrOurNamespace, QLatin1StringView("exported")).toString();
            if (strExported.size() == 12) pudtUnit->Exported = strExported;
        } else if (pudtUnit && (strName == u"source" || strName == u"target")) {
            const bool booTarget = strName == u"target";
            if (booTarget) {
                const QStringView strState = objAttributes.value(QLatin1StringView("state"));
                const enuTargetState enuState = TargetStateOf(strState);
                if (enuState != enuTargetState::Done) pudtUnit->Fuzzy = true;
                if (enuState == enuTargetState::Unknown && !strUnknownStates.contains(strState.toString())) {
                    strUnknownStates.append(strState.toString());
                    pudtOut.Warnings.append(QCoreApplication::translate("basXliffFile", "line %1: the state \"%2\" is not one XLIFF 1.2 defines; its "
                                                           "translations are taken as to review")
                                                .arg(objXml.lineNumber())
                                                .arg(strState));
                }
            }
            QString strUnexpanded;
            const QString strText = ElementText(objXml, strUnexpanded);
            (booTarget ? pudtUnit->Translation : pudtUnit->Source) = strText;
            if (!strUnexpanded.isEmpty() && pudtUnit->Refused.isEmpty())
                pudtUnit->Refused = QCoreApplication::translate("basXliffFile", "the entity &%1; was not expanded (only the file's own declarations are read, "
                                                   "no DTD or external entity), so the text would lose it")
                                        .arg(strUnexpanded);
            if (booTarget && booHasTarget) pudtUnit->Refused = QCoreApplication::translate("basXliffFile", "the unit has more than one <target>");
            booHasTarget = booHasTarget || booTarget;
        } else if (pudtUnit && strName == u"context") {
            // po2xliff keeps a PO entry's reference ("#: core.lrc:12") and drops its context: the
            // entry is known by its line, when the unit's id is not one of ours.
            const QStringView strType = objAttributes.value(QLatin1StringView("context-type"));
            QString strUnexpanded;
            const QString strText = ElementText(objXml, strUnexpanded).trimmed();
            if (strType == u"sourcefile" && pudtUnit->FileLine == 0 && IsLanguageFileName(strText)) {
                pudtUnit->FileName = strText;
                pudtUnit->FileLine = -1;  // its line follows
            } else if (strType == u"linenumber" && pudtUnit->FileLine == -1) {
                pudtUnit->FileLine = strText.toInt();
            }
        } else if (pudtUnit && strName == u"note") {
            // Our own note, and po2xliff's "developer" one (ours, from "#."), are not the translator's.
            const QStringView strFrom = objAttributes.value(QLatin1StringView("from"));
            const bool booOurs = strFrom == u"tralyx" || strFrom == u"developer";
            QString strUnexpanded;
            const QString strText = ElementText(objXml, strUnexpanded);
            if (pudtUnit->Exported.isEmpty()) pudtUnit->Exported = ExportRecordIn(strText);  // po2xliff's note of our PO's
            if (!booOurs) pudtUnit->Comment += (pudtUnit->Comment.isEmpty() ? QString() : QStringLiteral("\n")) + strText;
        } else if (pudtUnit && strName == u"alt-trans") {
            // Suggestions, not the translation; a previous version's source is the English the
            // translation was made for.
            const bool booPrevious = objAttributes.value(QLatin1StringView("alttranstype")) == u"previous-version";
            for (int intDepth = 1; intDepth > 0 && !objXml.atEnd();) {
                const QXmlStreamReader::TokenType enuInner = objXml.readNext();
                if (enuInner == QXmlStreamReader::EndElement) {
                    --intDepth;
                } else if (enuInner == QXmlStreamReader::StartElement) {
                    if (!booPrevious || intDepth != 1 || objXml.name() != u"source") {
                        ++intDepth;
                        continue;
                    }
                    QString strUnexpanded;
                    pudtUnit->PreviousSource = ElementText(objXml, strUnexpanded);
                }
            }
        }
    }
    if (objXml.hasError()) return Fail(objXml.errorString());
    if (!booXliff) return Fail(QCoreApplication::translate("basXliffFile", "not an XLIFF document"));
    return true;
}

}  // namespace tralyx
