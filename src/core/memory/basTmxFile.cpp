// TMX through Qt's XML stream classes. XML turns every CR LF and lone CR of a document into LF when
// read, so a CR of a text's own goes out as the reference &#13;, which a parser keeps.
#include "memory/basTmxFile.h"

#include "common/Version.h"
#include "common/basFileSystem.h"
#include "exchange/basXmlText.h"
#include "store/basSafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
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

// SameLanguage for the few codes of a file, which each of its units asks again: remembered.
bool SameLanguageOften(const QString& pstrOne, const QString& pstrOther)
{
    struct udtKnown {
        QString One, Other;
        bool Same;
    };
    thread_local std::vector<udtKnown> udtKnown;
    for (const struct udtKnown& u : udtKnown)
        if (u.One == pstrOne && u.Other == pstrOther) return u.Same;
    const bool booSame = SameLanguage(pstrOne, pstrOther);
    if (udtKnown.size() == 16) udtKnown.erase(udtKnown.begin());
    udtKnown.push_back({pstrOne, pstrOther, booSame});
    return booSame;
}

// A unit's source and translation from its variants: the source in the header's language, else
// the first variant; false when it has nothing in the source language.
bool TakeVariants(std::vector<udtVariant>& pudtVariants, const QString& pstrSourceLanguage, bool pbooAllSources,
                  udtTmxDocument& pudtOut, udtTmxUnit& pudtUnit)
{
    auto itSource = std::find_if(pudtVariants.begin(), pudtVariants.end(), [&](const udtVariant& u) {
        return !pstrSourceLanguage.isEmpty() && SameLanguageOften(u.Language, pstrSourceLanguage);
    });
    if (itSource == pudtVariants.end() && (pbooAllSources || pstrSourceLanguage.isEmpty())) itSource = pudtVariants.begin();
    if (itSource == pudtVariants.end()) return false;
    for (auto it = pudtVariants.begin(); it != pudtVariants.end(); ++it) {
        if (it == itSource || SameLanguageOften(it->Language, itSource->Language)) continue;
        if (pudtOut.TargetLanguage.isEmpty()) pudtOut.TargetLanguage = it->Language;
        if (!SameLanguageOften(it->Language, pudtOut.TargetLanguage)) continue;
        pudtUnit.Translation = std::move(it->Text);
        break;
    }
    pudtUnit.Source = std::move(itSource->Text);
    return true;
}

// The reader of the usual file, straight from its bytes: several times quicker than Qt's reader
// over the decoded text, and without that second copy of the file. It takes only what it knows to
// be well-formed and gives up (false) at anything else, which Qt's reader then reads or names.
class clsTmxBytes {
public:
    // The file in pieces, each but the last ending just before a "<", so that no token but a
    // comment spans two (a comment cut gives up); false after the last.
    using fncPiece = std::function<bool(QByteArray&)>;
    explicit clsTmxBytes(fncPiece pfncPiece) : mfncPiece(std::move(pfncPiece)) { Refill(); }

    bool Read(udtTmxDocument& pudtOut, clsTmxUnitSink& pobjSink)
    {
        if (!Prolog()) return false;
        bool booAllSources = false, booInUnit = false;
        QString strSourceLanguage = pudtOut.SourceLanguage;
        std::vector<udtVariant> udtVariants;
        udtTmxUnit udtUnit;
        for (;;) {
            const enuToken enuGot = Next();
            if (enuGot == enuToken::Done) return true;
            if (enuGot == enuToken::Bad) return false;
            if (enuGot == enuToken::End && booInUnit && mbytName == "tu") {
                booInUnit = false;
                if (TakeVariants(udtVariants, strSourceLanguage, booAllSources, pudtOut, udtUnit)) pobjSink.Unit(udtUnit);
                continue;
            }
            if (enuGot != enuToken::Start) continue;
            if (mlngDepth == 1) {
                if (mbytName != "tmx") return false;  // Qt's reader names the root
            } else if (mbytName == "header") {
                const QString strHeaderSource = Attribute("srclang");
                booAllSources = strHeaderSource == u"*all*";
                if (!booAllSources && !strHeaderSource.isEmpty()) strSourceLanguage = strHeaderSource;
                if (pudtOut.SourceLanguage.isEmpty() && !booAllSources) pudtOut.SourceLanguage = strHeaderSource;
                if (!Skip()) return false;
            } else if (mbytName == "tu") {
                booInUnit = true;
                udtUnit = udtTmxUnit();
                udtUnit.Id = Attribute("tuid");
                udtVariants.clear();
            } else if (booInUnit && mbytName == "note") {
                QString strNote;
                if (!ElementText(strNote, false)) return false;
                udtUnit.Note += (udtUnit.Note.isEmpty() ? QString() : QStringLiteral("\n")) + strNote;
            } else if (booInUnit && mbytName == "tuv") {
                const QString strLang = Attribute("xml:lang");
                udtVariants.push_back({strLang.isEmpty() ? Attribute("lang") : strLang, QString()});
            } else if (booInUnit && mbytName == "seg" && !udtVariants.empty()) {
                if (!ElementText(udtVariants.back().Text, true)) return false;
            } else if (mbytName == "prop" || mbytName == "ude") {
                if (!Skip()) return false;
            }
        }
    }

private:
    enum class enuToken { Start, End, Text, Done, Bad };

    bool Refill()
    {
        mbytPiece.clear();
        mbooMore = mbooMore && mfncPiece(mbytPiece);  // never asked again after the last
        p = mbytPiece.constData();
        mpEnd = p + mbytPiece.size();
        return mbooMore;
    }

    static bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }
    static bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
    static bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }
    bool At(const char* pstrWhat) const
    {
        const size_t lngSize = std::strlen(pstrWhat);
        return static_cast<size_t>(mpEnd - p) >= lngSize && std::memcmp(p, pstrWhat, lngSize) == 0;
    }
    void SkipSpace()
    {
        while (p < mpEnd && IsSpace(*p)) ++p;
    }
    // An ASCII name, with one prefix "xml:" for an attribute.
    QByteArrayView Name(bool pbooAttribute)
    {
        const char* const pStart = p;
        if (p == mpEnd || !IsNameStart(*p)) return {};
        while (p < mpEnd && IsNameChar(*p)) ++p;
        if (pbooAttribute && p < mpEnd && *p == ':' && QByteArrayView(pStart, p - pStart) == "xml") {
            ++p;
            if (p == mpEnd || !IsNameStart(*p)) return {};
            while (p < mpEnd && IsNameChar(*p)) ++p;
        }
        if (p < mpEnd && (*p == ':' || static_cast<unsigned char>(*p) >= 0x80)) return {};  // namespaces, other letters
        return QByteArrayView(pStart, p - pStart);
    }

    // A code point that XML 1.0 carries and that no reader could take otherwise: no control
    // character but tab, LF and CR, none of the C1 range, no non-character.
    static bool Plain(char32_t c)
    {
        if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
        if (c >= 0x7F && c <= 0x9F) return false;
        if (c >= 0xD800 && c <= 0xDFFF) return false;
        if (c >= 0xFDD0 && c <= 0xFDEF) return false;
        return (c & 0xFFFE) != 0xFFFE && c <= 0x10FFFF;
    }
    // Texts are made in a buffer and then copied once, so that each string is of its very size.
    using chrText = std::vector<char16_t>;
    static QString Text(const chrText& pchrText) { return QString(reinterpret_cast<const QChar*>(pchrText.data()), static_cast<qsizetype>(pchrText.size())); }
    static void Put(char32_t c, chrText& pchrOut)
    {
        if (c < 0x10000) {
            pchrOut.push_back(static_cast<char16_t>(c));
        } else {
            pchrOut.push_back(QChar::highSurrogate(c));
            pchrOut.push_back(QChar::lowSurrogate(c));
        }
    }
    // The characters of [pFrom, pTo) appended: UTF-8 checked, XML's own entities and character
    // references expanded, line ends made LF.
    static bool Decode(const char* pFrom, const char* pTo, chrText& pstrOut)
    {
        for (const char* q = pFrom; q < pTo;) {
            const unsigned char c = static_cast<unsigned char>(*q);
            if (c >= 0x20 && c < 0x7F && c != '&') {
                const char* r = q + 1;
                while (r < pTo && static_cast<unsigned char>(*r) >= 0x20 && static_cast<unsigned char>(*r) < 0x7F && *r != '&') ++r;
                pstrOut.insert(pstrOut.end(), q, r);
                q = r;
                continue;
            }
            if (c == '&') {
                const char* const pSemicolon = static_cast<const char*>(std::memchr(q, ';', static_cast<size_t>(pTo - q)));
                if (!pSemicolon) return false;
                const QByteArrayView bytName(q + 1, pSemicolon - q - 1);
                char32_t lngCode = 0;
                if (bytName == "amp") lngCode = '&';
                else if (bytName == "lt") lngCode = '<';
                else if (bytName == "gt") lngCode = '>';
                else if (bytName == "quot") lngCode = '"';
                else if (bytName == "apos") lngCode = '\'';
                else if (bytName.size() >= 2 && bytName.size() <= 8 && bytName[0] == '#') {
                    const bool booHex = bytName[1] == 'x';
                    const QByteArrayView bytDigits = bytName.sliced(booHex ? 2 : 1);
                    if (bytDigits.isEmpty()) return false;
                    for (const char d : bytDigits) {
                        const int32_t lngDigit = d >= '0' && d <= '9' ? d - '0'
                                                 : booHex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                                                 : booHex && d >= 'A' && d <= 'F' ? d - 'A' + 10 : -1;
                        if (lngDigit < 0) return false;
                        lngCode = lngCode * (booHex ? 16 : 10) + static_cast<char32_t>(lngDigit);
                    }
                    if (lngCode == 0 || !Plain(lngCode)) return false;
                } else {
                    return false;  // another entity: Qt's reader names it
                }
                Put(lngCode, pstrOut);
                q = pSemicolon + 1;
                continue;
            }
            if (c < 0x20) {
                if (c == '\r') {
                    if (q + 1 < pTo && q[1] == '\n') ++q;
                } else if (c != '\n' && c != '\t') {
                    return false;
                }
                pstrOut.push_back(c == '\t' ? u'\t' : u'\n');
                ++q;
                continue;
            }
            // A sequence of UTF-8: its length from the first byte, no overlong form.
            int32_t lngMore;
            char32_t lngCode;
            if (c >= 0xC2 && c <= 0xDF) lngMore = 1, lngCode = c & 0x1F;
            else if (c >= 0xE0 && c <= 0xEF) lngMore = 2, lngCode = c & 0x0F;
            else if (c >= 0xF0 && c <= 0xF4) lngMore = 3, lngCode = c & 0x07;
            else return false;
            if (pTo - q <= lngMore) return false;
            for (int32_t i = 1; i <= lngMore; ++i) {
                const unsigned char d = static_cast<unsigned char>(q[i]);
                if ((d & 0xC0) != 0x80) return false;
                lngCode = (lngCode << 6) | (d & 0x3F);
            }
            if ((lngMore == 2 && lngCode < 0x800) || (lngMore == 3 && lngCode < 0x10000) || !Plain(lngCode)) return false;
            Put(lngCode, pstrOut);
            q += lngMore + 1;
        }
        return true;
    }

    // The declaration, with UTF-8 or no encoding; then comments, white space and a DTD named only
    // by its identifiers, up to the root.
    bool Prolog()
    {
        if (!At("<?xml")) return false;
        p += 5;
        const char* const pClose = static_cast<const char*>(std::memchr(p, '?', static_cast<size_t>(mpEnd - p)));
        if (!pClose || pClose + 1 >= mpEnd || pClose[1] != '>') return false;
        // version="1.0", then maybe encoding="UTF-8" (in any case), then maybe standalone.
        const QList<QByteArray> bytParts = QByteArray(p, pClose - p).simplified().split(' ');
        const auto Pseudo = [&](qsizetype plngAt, QByteArrayView pbytName, QByteArrayView pbytValue) {
            if (plngAt >= bytParts.size()) return false;
            const QByteArray& b = bytParts[plngAt];
            const qsizetype lngName = pbytName.size();
            return b.size() == lngName + 3 + pbytValue.size() && b.startsWith(pbytName) && b[lngName] == '=' &&
                   (b[lngName + 1] == '"' || b[lngName + 1] == '\'') && b.back() == b[lngName + 1] &&
                   QByteArrayView(b).sliced(lngName + 2, pbytValue.size()).compare(pbytValue, Qt::CaseInsensitive) == 0 &&
                   (pbytName == "encoding" || QByteArrayView(b).sliced(lngName + 2, pbytValue.size()) == pbytValue);
        };
        qsizetype lngPart = 0;
        if (!IsSpace(*p) || !Pseudo(lngPart++, "version", "1.0")) return false;
        if (Pseudo(lngPart, "encoding", "utf-8")) ++lngPart;
        if (Pseudo(lngPart, "standalone", "yes") || Pseudo(lngPart, "standalone", "no")) ++lngPart;
        if (lngPart != bytParts.size()) return false;
        p = pClose + 2;
        for (bool booDoctype = false;;) {
            SkipSpace();
            if (At("<!--")) {
                if (!Comment()) return false;
            } else if (At("<!DOCTYPE") && !booDoctype) {
                booDoctype = true;
                p += 9;
                const char* const pEnd = static_cast<const char*>(std::memchr(p, '>', static_cast<size_t>(mpEnd - p)));
                if (!pEnd) return false;
                // <!DOCTYPE tmx SYSTEM "...">: no internal subset.
                const QList<QByteArray> bytParts = QByteArray(p, pEnd - p).simplified().split(' ');
                const auto Quoted = [](const QByteArray& b) {
                    return b.size() >= 2 && (b[0] == '"' || b[0] == '\'') && b.back() == b[0] &&
                           std::all_of(b.begin() + 1, b.end() - 1, [](char c) { return IsNameChar(c) || c == '/' || c == ':'; });
                };
                if (!IsSpace(*p) || bytParts.size() != 3 || bytParts[1] != "SYSTEM" || !Quoted(bytParts[2]) || bytParts[0].isEmpty() ||
                    !std::all_of(bytParts[0].begin(), bytParts[0].end(), IsNameChar) || !IsNameStart(bytParts[0][0]))
                    return false;
                p = pEnd + 1;
            } else {
                return At("<") && p + 1 < mpEnd && IsNameStart(p[1]);
            }
        }
    }
    bool Comment()
    {
        p += 4;
        const char* const pEnd = static_cast<const char*>(std::memchr(p, '-', static_cast<size_t>(mpEnd - p)));
        if (!pEnd || pEnd + 2 >= mpEnd || pEnd[1] != '-' || pEnd[2] != '>') return false;  // "--" only to close
        chrText chrIgnored;
        if (!Decode(p, pEnd, chrIgnored)) return false;
        p = pEnd + 3;
        return true;
    }

    // The next start tag, end tag or text; a comment is passed over. An empty element is its start
    // and then its end.
    enuToken Next()
    {
        if (mbooPendingEnd) {
            mbooPendingEnd = false;
            --mlngDepth;
            return enuToken::End;
        }
        for (;;) {
            if (p == mpEnd && Refill()) continue;
            if (mlngDepth == 0 && mbooRootDone) {
                SkipSpace();
                if (p == mpEnd && Refill()) continue;
                if (p == mpEnd) return enuToken::Done;
                if (!At("<!--") || !Comment()) return enuToken::Bad;
                continue;
            }
            if (p == mpEnd) return enuToken::Bad;  // cut short
            if (*p != '<') {
                const char* pLt = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(mpEnd - p)));
                if (!pLt) pLt = mpEnd;  // the next piece starts with the "<", or there is none, which the next token finds
                const char* const pFrom = p;
                p = pLt;
                mchrText.clear();
                if (std::search(pFrom, pLt, "]]>", "]]>" + 3) != pLt || !Decode(pFrom, pLt, mchrText)) return enuToken::Bad;
                return enuToken::Text;
            }
            if (At("<!--")) {
                if (!Comment()) return enuToken::Bad;
                continue;
            }
            if (At("</")) {
                p += 2;
                mbytName = Name(false);
                SkipSpace();
                if (mbytName.isEmpty() || p == mpEnd || *p != '>' || mbytOpen.empty() || QByteArrayView(mbytOpen.back().data(), static_cast<qsizetype>(mbytOpen.back().size())) != mbytName)
                    return enuToken::Bad;
                ++p;
                mbytOpen.pop_back();
                --mlngDepth;
                if (mlngDepth == 0) mbooRootDone = true;
                return enuToken::End;
            }
            ++p;
            mbytName = Name(false);
            if (mbytName.isEmpty()) return enuToken::Bad;  // <!, <? and what is no name of ours
            mlngAttributes = 0;
            for (;;) {
                const bool booSpace = p < mpEnd && IsSpace(*p);
                SkipSpace();
                if (p == mpEnd) return enuToken::Bad;
                if (*p == '>' || (*p == '/' && p + 1 < mpEnd && p[1] == '>')) break;
                if (!booSpace) return enuToken::Bad;
                const QByteArrayView bytName = Name(true);
                if (bytName.isEmpty() || bytName.startsWith("xmlns")) return enuToken::Bad;
                SkipSpace();
                if (p == mpEnd || *p != '=') return enuToken::Bad;
                ++p;
                SkipSpace();
                if (p == mpEnd || (*p != '"' && *p != '\'')) return enuToken::Bad;
                const char chrQuote = *p++;
                const char* const pClose = static_cast<const char*>(std::memchr(p, chrQuote, static_cast<size_t>(mpEnd - p)));
                // Line ends and tabs in a value are left to Qt's reader, which makes them spaces.
                if (!pClose || std::find_if(p, pClose, [](char c) { return c == '<' || c == '\n' || c == '\r' || c == '\t'; }) != pClose)
                    return enuToken::Bad;
                for (int32_t i = 0; i < mlngAttributes; ++i)
                    if (mudtAttributes[static_cast<size_t>(i)].Name == bytName) return enuToken::Bad;  // given twice
                if (static_cast<size_t>(mlngAttributes) == mudtAttributes.size()) mudtAttributes.emplace_back();
                udtAttribute& udtOne = mudtAttributes[static_cast<size_t>(mlngAttributes++)];
                udtOne.Name = bytName;
                udtOne.Value.clear();
                if (!Decode(p, pClose, udtOne.Value)) return enuToken::Bad;
                p = pClose + 1;
            }
            if (mlngDepth == 0 && mbooRootDone) return enuToken::Bad;  // a second root
            ++mlngDepth;
            if (*p == '/') {
                p += 2;
                mbooPendingEnd = true;
                if (mlngDepth == 1) mbooRootDone = true;
            } else {
                ++p;
                mbytOpen.emplace_back(mbytName.data(), static_cast<size_t>(mbytName.size()));
            }
            return enuToken::Start;
        }
    }
    QString Attribute(QByteArrayView pbytName) const
    {
        for (int32_t i = 0; i < mlngAttributes; ++i)
            if (mudtAttributes[static_cast<size_t>(i)].Name == pbytName) return Text(mudtAttributes[static_cast<size_t>(i)].Value);
        return QString();
    }
    // Past the end of the element whose start was read.
    bool Skip()
    {
        for (int32_t lngDepth = 1; lngDepth > 0;) {
            const enuToken enuGot = Next();
            if (enuGot == enuToken::Bad || enuGot == enuToken::Done) return false;
            lngDepth += enuGot == enuToken::Start ? 1 : enuGot == enuToken::End ? -1 : 0;
        }
        return true;
    }
    // The text of the element whose start was read, with its children's; for a segment, only
    // that of <hi> and <sub>, not the native codes of <bpt>, <ept>, <ph>, <it> and <ut>.
    bool ElementText(QString& pstrOut, bool pbooSegment)
    {
        mchrElement.clear();
        for (int32_t lngDepth = 1; lngDepth > 0;) {
            switch (Next()) {
            case enuToken::Text: mchrElement.insert(mchrElement.end(), mchrText.begin(), mchrText.end()); break;
            case enuToken::Start:
                if (!pbooSegment || mbytName == "hi" || mbytName == "sub") ++lngDepth;
                else if (!Skip()) return false;
                break;
            case enuToken::End: --lngDepth; break;
            default: return false;
            }
        }
        pstrOut = Text(mchrElement);
        return true;
    }

    struct udtAttribute {
        QByteArrayView Name;
        chrText Value;
    };
    fncPiece mfncPiece;
    QByteArray mbytPiece;
    bool mbooMore = true;  // until the last piece was had
    const char* p = nullptr;
    const char* mpEnd = nullptr;
    QByteArrayView mbytName;                // of the last tag
    std::vector<udtAttribute> mudtAttributes;  // of the last start tag: the first mlngAttributes
    int32_t mlngAttributes = 0;
    std::vector<std::string> mbytOpen;  // the elements open, outermost first
    int32_t mlngDepth = 0;
    bool mbooPendingEnd = false, mbooRootDone = false;
    chrText mchrText;     // of the last text
    chrText mchrElement;  // ElementText's
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

bool ReadTmxDecoded(const QByteArray& pbytContent, udtTmxDocument& pudtOut, clsTmxUnitSink& pobjSink, QString& pstrReason)
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
            if (TakeVariants(udtVariants, strSourceLanguage, booAllSources, pudtOut, udtUnit)) pobjSink.Unit(udtUnit);
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

namespace {

// The bytes reader over the pieces; the languages are taken only from a file it read whole, and a
// file it gave up on (or whose pieces failed, pbooFailed) leaves the sink restarted.
bool ReadPieces(clsTmxBytes::fncPiece pfncPiece, udtTmxDocument& pudtLanguages, clsTmxUnitSink& pobjSink,
                const bool& pbooFailed = false)
{
    udtTmxDocument udtLanguages{pudtLanguages.SourceLanguage, pudtLanguages.TargetLanguage, {}};
    clsTmxBytes objBytes(std::move(pfncPiece));
    if (!objBytes.Read(udtLanguages, pobjSink) || pbooFailed) {
        pobjSink.Restart();
        return false;
    }
    pudtLanguages.SourceLanguage = udtLanguages.SourceLanguage;
    pudtLanguages.TargetLanguage = udtLanguages.TargetLanguage;
    return true;
}

}  // namespace

bool ReadTmxUnits(const QByteArray& pbytContent, udtTmxDocument& pudtLanguages, clsTmxUnitSink& pobjSink, QString& pstrReason)
{
    bool booGiven = false;
    const auto Whole = [&](QByteArray& pbytPiece) {
        if (booGiven) return false;
        booGiven = true;
        pbytPiece = pbytContent;
        return true;
    };
    return ReadPieces(Whole, pudtLanguages, pobjSink) || ReadTmxDecoded(pbytContent, pudtLanguages, pobjSink, pstrReason);
}

bool ReadTmxFile(const QString& pstrPath, udtTmxDocument& pudtLanguages, clsTmxUnitSink& pobjSink, QString& pstrReason)
{
    constexpr qint64 Block = qint64(4) << 20;
    QFile objFile(pstrPath);
    const bool booPieces = fs::KindOfPath(pstrPath) == fs::enuPathKind::Regular && objFile.open(QIODevice::ReadOnly);
    if (booPieces) {
        QByteArray bytCarry;
        qint64 lngTotal = 0;
        bool booFailed = false;
        const auto Next = [&](QByteArray& pbytPiece) {
            for (;;) {
                const qsizetype lngHave = bytCarry.size();
                bytCarry.resize(lngHave + Block);
                const qint64 lngRead = std::max<qint64>(objFile.read(bytCarry.data() + lngHave, Block), 0);
                bytCarry.truncate(lngHave + lngRead);
                lngTotal += lngRead;
                booFailed = booFailed || objFile.error() != QFileDevice::NoError || lngTotal > fs::MaxFileSize;
                if (booFailed) return false;
                if (lngRead == 0) {
                    pbytPiece = std::exchange(bytCarry, QByteArray());
                    return !pbytPiece.isEmpty();
                }
                if (const qsizetype lngLt = bytCarry.lastIndexOf('<'); lngLt > 0) {
                    pbytPiece = std::move(bytCarry);
                    bytCarry = pbytPiece.sliced(lngLt);
                    pbytPiece.truncate(lngLt);
                    return true;
                }
            }
        };
        if (ReadPieces(Next, pudtLanguages, pobjSink, booFailed)) return true;
        objFile.close();
    }
    // Whole, for its reasons when it cannot be read, and for Qt's reader.
    QByteArray bytContent;
    if (!ReadWholeFile(pstrPath, bytContent, pstrReason)) return false;
    return booPieces ? ReadTmxDecoded(bytContent, pudtLanguages, pobjSink, pstrReason)
                     : ReadTmxUnits(bytContent, pudtLanguages, pobjSink, pstrReason);
}

bool ReadTmx(const QByteArray& pbytContent, udtTmxDocument& pudtOut, QString& pstrReason)
{
    struct clsToDocument final : clsTmxUnitSink {
        std::vector<udtTmxUnit>& Units;
        explicit clsToDocument(std::vector<udtTmxUnit>& pudtUnits) : Units(pudtUnits) {}
        void Unit(udtTmxUnit& pudtUnit) override { Units.push_back(std::move(pudtUnit)); }
        void Restart() override { Units.clear(); }
    } objSink(pudtOut.Units);
    return ReadTmxUnits(pbytContent, pudtOut, objSink, pstrReason);
}

}  // namespace tralyx
