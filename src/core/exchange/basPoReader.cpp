// PO read by a reader of our own, to gettext's grammar: libgettextpo's parser keeps part of every
// file it reads (tokens it drops, names it copies), which no caller can free, and it insists on a
// temporary file. What it writes still comes from libgettextpo (basPoFile.cpp).
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeText.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>

namespace tralyx {
namespace {

enum class enuPoToken { End, Keyword, String, Comment };

struct udtPoToken {
    enuPoToken Kind = enuPoToken::End;
    QByteArray Text;  // a keyword's name, a string's bytes, a comment after its '#'
    int64_t Line = 0;
    int32_t Plural = -1;  // msgstr[N]
    bool Obsolete = false, Previous = false;  // from a "#~" or "#|" line
};

// Which bytes open a two-byte character whose second byte may be '\\' or '"': in those code pages
// the lexer must not take the second byte for an escape or the string's end.
bool (*LeadBytesOf(const QString& pstrCharset))(uint8_t)
{
    const QString strName = pstrCharset.toUpper().remove(u'-').remove(u'_');
    if (strName == u"SHIFTJIS" || strName == u"SJIS" || strName == u"CP932" || strName == u"WINDOWS31J" || strName == u"MSKANJI")
        return [](uint8_t c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); };
    if (strName == u"BIG5" || strName == u"BIG5HKSCS" || strName == u"GBK" || strName == u"CP936" || strName == u"GB18030" || strName == u"JOHAB") return [](uint8_t c) { return c >= 0x81 && c <= 0xFE; };
    return nullptr;
}

class clsPoLexer {
public:
    explicit clsPoLexer(const QByteArray& pbytContent) : mpstrAt(pbytContent.constData()), mpstrEnd(mpstrAt + pbytContent.size()) {}

    void SetCharset(const QString& pstrCharset) { mfnLead = LeadBytesOf(pstrCharset); }

    // The next token; false with the reason on a lexical error.
    bool Next(udtPoToken& pudtOut, QString& pstrReason)
    {
        for (;;) {
            while (mpstrAt < mpstrEnd && *mpstrAt != '\n' && std::isspace(static_cast<uint8_t>(*mpstrAt))) ++mpstrAt;
            if (mpstrAt == mpstrEnd) {
                pudtOut = {enuPoToken::End, {}, mlngLine};
                return true;
            }
            if (*mpstrAt == '\n') {
                ++mlngLine;
                ++mpstrAt;
                mbooObsolete = mbooPrevious = false;
                continue;
            }
            pudtOut = {enuPoToken::End, {}, mlngLine, -1, mbooObsolete, mbooPrevious};
            const char c = *mpstrAt;
            if (c == '#') {
                const char chrNext = mpstrAt + 1 < mpstrEnd ? mpstrAt[1] : '\n';
                // "#~" and "#|" lines hold tokens of an obsolete entry or of the previous source.
                if ((chrNext == '~' || chrNext == '|') && !mbooPrevious) {
                    (chrNext == '~' ? mbooObsolete : mbooPrevious) = true;
                    mpstrAt += 2;
                    if (chrNext == '~' && mpstrAt < mpstrEnd && *mpstrAt == '|') {
                        mbooPrevious = true;
                        ++mpstrAt;
                    }
                    continue;
                }
                const char* pstrStart = ++mpstrAt;
                while (mpstrAt < mpstrEnd && *mpstrAt != '\n') ++mpstrAt;
                const char* pstrStop = mpstrAt;
                if (pstrStop > pstrStart && pstrStop[-1] == '\r') --pstrStop;
                pudtOut.Kind = enuPoToken::Comment;
                pudtOut.Text = QByteArray(pstrStart, pstrStop - pstrStart);
                return true;
            }
            if (c == '"') return ReadString(pudtOut, pstrReason);
            if (std::isalpha(static_cast<uint8_t>(c)) || c == '_') return ReadKeyword(pudtOut, pstrReason);
            pstrReason = QCoreApplication::translate("basPoReader", "line %1: unexpected character '%2'").arg(mlngLine).arg(PrintableByte(c));
            return false;
        }
    }

private:
    static QString PrintableByte(char c)
    {
        const auto b = static_cast<uint8_t>(c);
        return b >= 0x20 && b < 0x7F ? QString(QChar::fromLatin1(c)) : QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
    }

    bool ReadKeyword(udtPoToken& pudtOut, QString& pstrReason)
    {
        const char* pstrStart = mpstrAt;
        while (mpstrAt < mpstrEnd && (std::isalnum(static_cast<uint8_t>(*mpstrAt)) || *mpstrAt == '_')) ++mpstrAt;
        pudtOut.Kind = enuPoToken::Keyword;
        pudtOut.Text = QByteArray(pstrStart, mpstrAt - pstrStart);
        static const QByteArrayList bytKeywords = {"domain", "msgctxt", "msgid", "msgid_plural", "msgstr"};
        if (!bytKeywords.contains(pudtOut.Text)) {
            pstrReason = QCoreApplication::translate("basPoReader", "line %1: keyword \"%2\" unknown").arg(mlngLine).arg(QString::fromLatin1(pudtOut.Text.left(40)));
            return false;
        }
        if (pudtOut.Text != "msgstr") return true;
        const char* pstrAfter = mpstrAt;
        while (pstrAfter < mpstrEnd && (*pstrAfter == ' ' || *pstrAfter == '\t')) ++pstrAfter;
        if (pstrAfter == mpstrEnd || *pstrAfter != '[') return true;
        ++pstrAfter;
        int32_t lngIndex = 0;
        const char* pstrDigits = pstrAfter;
        while (pstrAfter < mpstrEnd && std::isdigit(static_cast<uint8_t>(*pstrAfter)) && lngIndex < 1000000)
            lngIndex = lngIndex * 10 + (*pstrAfter++ - '0');
        if (pstrAfter == pstrDigits || pstrAfter == mpstrEnd || *pstrAfter != ']') {
            pstrReason = QCoreApplication::translate("basPoReader", "line %1: msgstr[ without its number and ]").arg(mlngLine);
            return false;
        }
        mpstrAt = pstrAfter + 1;
        pudtOut.Plural = lngIndex;
        return true;
    }

    bool ReadString(udtPoToken& pudtOut, QString& pstrReason)
    {
        pudtOut.Kind = enuPoToken::String;
        ++mpstrAt;
        QByteArray& bytText = pudtOut.Text;
        for (;;) {
            if (mpstrAt == mpstrEnd || *mpstrAt == '\n') {
                pstrReason = QCoreApplication::translate("basPoReader", "line %1: a string not closed on its line").arg(mlngLine);
                return false;
            }
            const char c = *mpstrAt++;
            if (c == '"') return true;
            if (mfnLead && mfnLead(static_cast<uint8_t>(c)) && mpstrAt < mpstrEnd && *mpstrAt != '\n') {
                bytText.append(c).append(*mpstrAt++);
                continue;
            }
            if (c != '\\') {
                bytText.append(c);
                continue;
            }
            if (mpstrAt == mpstrEnd) continue;  // reported as not closed
            const char e = *mpstrAt++;
            static const char Simple[] = "n\nt\tb\br\rf\fv\va\a\\\\\"\"";
            if (const char* pstrSimple = std::strchr(Simple, e); pstrSimple && e && (pstrSimple - Simple) % 2 == 0) {
                bytText.append(pstrSimple[1]);
            } else if (e >= '0' && e <= '7') {
                int intValue = e - '0';
                for (int i = 0; i < 2 && mpstrAt < mpstrEnd && *mpstrAt >= '0' && *mpstrAt <= '7'; ++i) intValue = intValue * 8 + (*mpstrAt++ - '0');
                bytText.append(static_cast<char>(intValue));
            } else if (e == 'x' && mpstrAt < mpstrEnd && std::isxdigit(static_cast<uint8_t>(*mpstrAt))) {
                int intValue = 0;
                while (mpstrAt < mpstrEnd && std::isxdigit(static_cast<uint8_t>(*mpstrAt))) {
                    const char d = static_cast<char>(std::tolower(static_cast<uint8_t>(*mpstrAt++)));
                    intValue = (intValue * 16 + (d <= '9' ? d - '0' : d - 'a' + 10)) & 0xFF;
                }
                bytText.append(static_cast<char>(intValue));
            } else {
                pstrReason = QCoreApplication::translate("basPoReader", "line %1: invalid control sequence \\%2 in a string").arg(mlngLine).arg(PrintableByte(e));
                return false;
            }
        }
    }

    const char* mpstrAt;
    const char* const mpstrEnd;
    int64_t mlngLine = 1;
    bool mbooObsolete = false, mbooPrevious = false;
    bool (*mfnLead)(uint8_t) = nullptr;
};

// One message as the file has it, its strings still in the file's code page.
struct udtPoMessage {
    bool HasContext = false, Plural = false, Fuzzy = false, Obsolete = false;
    QByteArray Context, Id, Str, PreviousId, Comments, Extracted, FirstReference;
    int64_t Line = 0, ContextLine = 0, StrLine = 0;
};

class clsPoParser {
public:
    explicit clsPoParser(const QByteArray& pbytContent) : mobjLexer(pbytContent) {}

    bool Parse(std::vector<udtPoMessage>& pudtOut, QString& pstrReason)
    {
        if (!Advance(pstrReason)) return false;
        udtPoMessage udtPending;
        QHash<QByteArray, int64_t> lngSeen;
        QByteArray bytDomain;
        for (;;) {
            const udtPoToken& t = mudtToken;
            if (t.Kind == enuPoToken::End) return true;
            if (t.Kind == enuPoToken::Comment) {
                TakeComment(t.Text, udtPending);
                if (!Advance(pstrReason)) return false;
                continue;
            }
            if (t.Kind == enuPoToken::String) return Fail(pstrReason, QCoreApplication::translate("basPoReader", "a string without its keyword"));
            if (t.Previous) {
                const QByteArray bytKeyword = t.Text;
                QByteArray bytText;
                if (!Advance(pstrReason) || !Strings(bytText, bytKeyword, pstrReason)) return false;
                if (bytKeyword == "msgid") udtPending.PreviousId = bytText;
                continue;
            }
            if (t.Text == "domain") {
                if (!Advance(pstrReason) || !Strings(bytDomain, "domain", pstrReason)) return false;
                udtPending = {};
                continue;
            }
            if (!Message(udtPending, pstrReason)) return false;
            if (!udtPending.Obsolete) {
                QByteArray bytKey = bytDomain + '\x04' + (udtPending.HasContext ? "c" + udtPending.Context : QByteArray("n")) + '\x04' + udtPending.Id;
                const auto objSeen = lngSeen.constFind(bytKey);
                if (objSeen != lngSeen.cend()) {
                    pstrReason = QCoreApplication::translate("basPoReader", "line %1: duplicate message definition (the first is on line %2)").arg(udtPending.Line).arg(*objSeen);
                    return false;
                }
                lngSeen.insert(std::move(bytKey), udtPending.Line);
                pudtOut.push_back(std::move(udtPending));
            }
            udtPending = {};
        }
    }

    void SetCharset(const QString& pstrCharset) { mobjLexer.SetCharset(pstrCharset); }
    std::function<void(const udtPoMessage&)> HeaderSeen;

private:
    bool Advance(QString& pstrReason) { return mobjLexer.Next(mudtToken, pstrReason); }

    bool Fail(QString& pstrReason, const QString& pstrWhat) const
    {
        pstrReason = QCoreApplication::translate("basPoReader", "line %1: %2").arg(mudtToken.Line).arg(pstrWhat);
        return false;
    }

    // One or more strings after a keyword, joined.
    bool Strings(QByteArray& pbytOut, const QByteArray& pbytKeyword, QString& pstrReason)
    {
        if (mudtToken.Kind != enuPoToken::String)
            return Fail(pstrReason, QCoreApplication::translate("basPoReader", "%1 without its string").arg(QString::fromLatin1(pbytKeyword)));
        const bool booPrevious = mudtToken.Previous;
        while (mudtToken.Kind == enuPoToken::String && mudtToken.Previous == booPrevious) {
            pbytOut += mudtToken.Text;
            if (!Advance(pstrReason)) return false;
        }
        return true;
    }

    bool IsKeyword(const char* pstrName) const
    {
        return mudtToken.Kind == enuPoToken::Keyword && !mudtToken.Previous && mudtToken.Text == pstrName;
    }

    // [msgctxt] msgid [msgid_plural] msgstr, or msgstr[N]... after a plural.
    bool Message(udtPoMessage& pudtMessage, QString& pstrReason)
    {
        pudtMessage.Obsolete = mudtToken.Obsolete;
        if (IsKeyword("msgctxt")) {
            pudtMessage.HasContext = true;
            pudtMessage.ContextLine = mudtToken.Line;
            if (!Advance(pstrReason) || !Strings(pudtMessage.Context, "msgctxt", pstrReason)) return false;
        }
        if (!IsKeyword("msgid")) return Fail(pstrReason, QCoreApplication::translate("basPoReader", "msgid expected"));
        pudtMessage.Line = mudtToken.Line;
        if (!Advance(pstrReason) || !Strings(pudtMessage.Id, "msgid", pstrReason)) return false;
        if (IsKeyword("msgid_plural")) {
            pudtMessage.Plural = true;
            QByteArray bytPlural;
            if (!Advance(pstrReason) || !Strings(bytPlural, "msgid_plural", pstrReason)) return false;
        }
        if (!IsKeyword("msgstr")) return Fail(pstrReason, QCoreApplication::translate("basPoReader", "msgstr expected"));
        if ((mudtToken.Plural >= 0) != pudtMessage.Plural)
            return Fail(pstrReason, pudtMessage.Plural ? QCoreApplication::translate("basPoReader", "msgstr[0] expected after msgid_plural")
                                                       : QCoreApplication::translate("basPoReader", "msgstr[%1] without a msgid_plural").arg(mudtToken.Plural));
        pudtMessage.StrLine = mudtToken.Line;
        while (IsKeyword("msgstr") && (mudtToken.Plural >= 0) == pudtMessage.Plural) {
            QByteArray bytStr;
            if (!Advance(pstrReason) || !Strings(bytStr, "msgstr", pstrReason)) return false;
            if (pudtMessage.Str.isEmpty()) pudtMessage.Str = bytStr;
            if (!pudtMessage.Plural) break;
        }
        // The header says the code page of every string after it, as gettext's lexer takes it.
        if (!pudtMessage.HasContext && pudtMessage.Id.isEmpty() && !pudtMessage.Obsolete && HeaderSeen) HeaderSeen(pudtMessage);
        return true;
    }

    // gettext's kinds: "#," flags, "#." notes of the program, "#:" references, other "#" lines the
    // translator's; a single space after the mark is not part of the text.
    static void TakeComment(const QByteArray& pbytText, udtPoMessage& pudtMessage)
    {
        const char chrKind = pbytText.isEmpty() ? ' ' : pbytText[0];
        auto Text = [&](qsizetype lngFrom) {
            QByteArray bytText = pbytText.mid(lngFrom);
            if (bytText.startsWith(' ')) bytText.remove(0, 1);
            return bytText;
        };
        if (chrKind == ',' || chrKind == '!') {
            for (const QByteArray& bytFlag : pbytText.mid(1).split(','))
                if (bytFlag.trimmed() == "fuzzy") pudtMessage.Fuzzy = true;
        } else if (chrKind == '.') {
            pudtMessage.Extracted += Text(1) + '\n';
        } else if (chrKind == ':') {
            if (pudtMessage.FirstReference.isEmpty()) pudtMessage.FirstReference = pbytText.mid(1).simplified().split(' ').value(0);
        } else {
            pudtMessage.Comments += Text(0) + '\n';
        }
    }

    clsPoLexer mobjLexer;
    udtPoToken mudtToken;
};

QString HeaderField(const QString& pstrHeader, QLatin1StringView pstrField)
{
    for (QStringView strLine : QStringView(pstrHeader).split(u'\n'))
        if (strLine.startsWith(pstrField) && strLine.mid(pstrField.size()).startsWith(u':'))
            return strLine.mid(pstrField.size() + 1).trimmed().toString();
    return QString();
}

// The line of the first NUL in the file's strings (an escape such as \000 or \x00) or anywhere in it
// (a raw NUL byte); 0 when there is none. PO tools cut a text at its first NUL.
int64_t LineOfNul(const QByteArray& pbytContent)
{
    int64_t lngLine = 1;
    bool booComment = false, booString = false;
    const qsizetype lngSize = pbytContent.size();
    for (qsizetype i = 0; i < lngSize; ++i) {
        const char c = pbytContent[i];
        if (c == '\0') return lngLine;
        if (c == '\n') {
            ++lngLine;
            booComment = booString = false;
        } else if (!booString) {
            if (c == '#') booComment = true;
            else if (c == '"' && !booComment) booString = true;
        } else if (c == '"') {
            booString = false;
        } else if (c == '\\' && i + 1 < lngSize) {
            // An octal escape of up to three digits, or a hexadecimal one: all zeros is a NUL.
            const bool booHex = pbytContent[i + 1] == 'x';
            qsizetype j = booHex ? i + 2 : i + 1;
            const qsizetype lngEnd = booHex ? lngSize : std::min(lngSize, j + 3);
            int intDigits = 0;
            bool booZero = true;
            for (; j < lngEnd; ++j, ++intDigits) {
                const char d = pbytContent[j];
                if (booHex ? !std::isxdigit(static_cast<uint8_t>(d)) : (d < '0' || d > '7')) break;
                booZero = booZero && d == '0';
            }
            if (intDigits > 0 && booZero) return lngLine;
            i = booHex || intDigits > 0 ? j - 1 : i + 1;  // past the escape
        }
    }
    return 0;
}

// Where a converter left the entry without its context, its first reference says which it is:
// xliff2po puts the XLIFF id there ("#: frmMain.cmdOK.0.C", "#: TXT004%231004"), a PO of ours
// that lost the context still has "#: core.lrc:12".
void TakeLocation(const QString& pstrReference, udtExchangeEntry& pudtEntry)
{
    if (pstrReference.isEmpty()) return;
    QString strFile = pstrReference;
    int32_t lngLine = -1;
    if (const qsizetype lngColon = pstrReference.lastIndexOf(u':'); lngColon > 0) {
        bool booNumber = false;
        const int32_t lngNumber = pstrReference.mid(lngColon + 1).toInt(&booNumber);
        if (booNumber && lngNumber >= 0) {
            strFile = pstrReference.left(lngColon);
            lngLine = lngNumber;
        }
    }
    strFile = QUrl::fromPercentEncoding(strFile.toUtf8());
    if (IsLanguageFileName(strFile)) {
        pudtEntry.FileName = strFile;
        if (lngLine >= 0) pudtEntry.FileLine = lngLine;
        return;
    }
    pudtEntry.Key = strFile;
    pudtEntry.FileName = LanguageFileOfKey(strFile);
}

}  // namespace

bool ReadPo(const QByteArray& pbytContent, udtExchangeDocument& pudtOut, QString& pstrReason)
{
    if (const int64_t lngLine = LineOfNul(pbytContent)) {
        pstrReason = QCoreApplication::translate("basPoReader", "line %1: a NUL character (\\000), which no language file can hold and PO tools cut a text "
                                    "at; nothing was imported")
                         .arg(lngLine);
        return false;
    }
    // Bytes without a single msgid (XML, a binary file) hold no entry: nothing to import, rather
    // than a syntax error on their first line.
    if (!pbytContent.contains("msgid")) return true;

    QString strCharset = QStringLiteral("UTF-8");
    clsPoParser objParser(pbytContent);
    objParser.HeaderSeen = [&](const udtPoMessage& pudtHeader) {
        static const QRegularExpression objCharset(QStringLiteral("charset=([^;\\s]+)"));
        const QString strHeader = QString::fromLatin1(pudtHeader.Str);
        pudtOut.TargetLanguage = HeaderField(strHeader, QLatin1StringView("Language"));
        pudtOut.SourceLanguage = HeaderField(strHeader, QLatin1StringView("X-Source-Language"));
        const QString strDeclared = objCharset.match(HeaderField(strHeader, QLatin1StringView("Content-Type"))).captured(1);
        if (!strDeclared.isEmpty() && strDeclared != u"CHARSET") strCharset = strDeclared;
        objParser.SetCharset(strCharset);
    };
    std::vector<udtPoMessage> udtMessages;
    if (!objParser.Parse(udtMessages, pstrReason)) return false;

    QStringDecoder objDecoder(strCharset.toLatin1().constData(), QStringConverter::Flag::Stateless);
    if (!objDecoder.isValid()) {
        pstrReason = QCoreApplication::translate("basPoReader", "unknown charset '%1' in the header").arg(strCharset);
        return false;
    }
    if (const QString strDoubt = DeclaredCodePageDoubt(pbytContent, strCharset); !strDoubt.isEmpty())
        pudtOut.Warnings.append(strDoubt);
    int64_t lngBadLine = 0;
    auto Decode = [&](const QByteArray& pbytText, int64_t plngLine) {
        QString strText = objDecoder.decode(pbytText);
        if (objDecoder.hasError() && !lngBadLine) lngBadLine = plngLine;
        return strText;
    };
    for (udtPoMessage& udtMessage : udtMessages) {
        if (!udtMessage.HasContext && udtMessage.Id.isEmpty()) continue;  // the header
        udtExchangeEntry udtEntry;
        udtEntry.Line = static_cast<int32_t>(std::min<int64_t>(udtMessage.Line, INT32_MAX));
        if (!udtMessage.HasContext) {
            TakeLocation(Decode(udtMessage.FirstReference, udtMessage.Line), udtEntry);
        } else if (const QString strContext = Decode(udtMessage.Context, udtMessage.ContextLine);
                   !SplitExchangeContext(strContext, udtEntry.FileName, udtEntry.Key)) {
            udtEntry.Key = strContext;  // xliff2po's context of a msgid it has twice: the id alone
            udtEntry.FileName = LanguageFileOfKey(strContext);
        }
        udtEntry.Source = Decode(udtMessage.Id, udtMessage.Line);
        if (udtMessage.Plural) udtEntry.Refused = QCoreApplication::translate("basPoReader", "plural forms are not used by these files");
        else udtEntry.Translation = Decode(udtMessage.Str, udtMessage.StrLine);
        udtEntry.Fuzzy = udtMessage.Fuzzy;
        udtEntry.PreviousSource = Decode(udtMessage.PreviousId, udtMessage.Line);
        udtEntry.Exported = ExportRecordIn(Decode(udtMessage.Extracted, udtMessage.Line));
        udtEntry.Comment = Decode(udtMessage.Comments, udtMessage.Line);
        if (udtEntry.Comment.endsWith(u'\n')) udtEntry.Comment.chop(1);
        pudtOut.Entries.push_back(std::move(udtEntry));
        if (lngBadLine) break;
    }
    if (lngBadLine) {
        pudtOut.Entries.clear();
        pstrReason = QCoreApplication::translate("basPoReader", "line %1: bytes that are not valid %2, the file's charset; nothing was imported").arg(lngBadLine).arg(strCharset);
        return false;
    }
    return true;
}

}  // namespace tralyx
