#include "store/basLayoutFile.h"

#include "store/basSafeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cstring>

namespace tralyx {
namespace {

using namespace Qt::StringLiterals;

const QLatin1StringView Format("tralyx-layout 1");

constexpr std::array<std::pair<enuLayoutKind, const char*>, 6> KindNames{{
    {enuLayoutKind::Label, "label"},
    {enuLayoutKind::Button, "button"},
    {enuLayoutKind::CheckBox, "check box"},
    {enuLayoutKind::OptionButton, "option button"},
    {enuLayoutKind::Frame, "frame"},
    {enuLayoutKind::Tab, "tab"},
}};

QByteArray Compact(const QJsonObject& pobjObject) { return QJsonDocument(pobjObject).toJson(QJsonDocument::Compact); }

QJsonObject ControlObject(const udtControlLayout& u)
{
    QJsonObject objFont{{u"family"_s, u.Font.Family}, {u"size"_s, u.Font.PointSize}, {u"weight"_s, u.Font.Weight}};
    if (u.Font.Italic) objFont.insert(u"italic"_s, true);
    QJsonObject objControl{{u"entry"_s, u.Entry}, {u"kind"_s, LayoutKindName(u.Kind)}, {u"x"_s, u.X}, {u"y"_s, u.Y},
                           {u"width"_s, u.Width}, {u"height"_s, u.Height}, {u"font"_s, objFont},
                           {u"room"_s, QJsonArray{u.RoomWidth, u.RoomHeight}}};
    if (u.Wrap) objControl.insert(u"wrap"_s, true);
    if (u.Widens) objControl.insert(u"widens"_s, true);
    if (!u.Page.isEmpty()) objControl.insert(u"page"_s, u.Page);
    return objControl;
}

int LineAt(const QByteArray& pbytContent, qsizetype plngOffset)
{
    return 1 + static_cast<int>(QByteArrayView(pbytContent).first(qMin(plngOffset, pbytContent.size())).count('\n'));
}

// A reader of JSON that fills the layout as it goes: a full-size folder's layout is megabytes, and
// building a document of it first cost more than the measuring. Any JSON is read (members in any
// order, white space anywhere, members it does not know skipped); a member of the wrong type reads
// as missing, as QJsonObject::value() would give it.
class clsLayoutReader {
public:
    explicit clsLayoutReader(const QByteArray& pbytContent) : mbytContent(pbytContent), p(pbytContent.constData()), e(p + pbytContent.size()) {}

    bool Failed() const { return !mstrError.isEmpty(); }
    // "line 3: a string not closed" for the first fault met.
    QString Error() const { return QStringLiteral("line %1: %2").arg(LineAt(mbytContent, mlngErrorAt)).arg(mstrError); }
    qsizetype Offset() const { return p - mbytContent.constData(); }

    // The members of an object, each handed to pfnMember with the reader on its value, which it
    // reads or skips. False, with the fault, where the text is not JSON or is not an object here
    // (pbooOptional: a value of another kind is skipped, and the object is taken as empty).
    template <typename F>
    bool Object(F&& pfnMember, bool pbooOptional = false)
    {
        if (!Peek('{')) return pbooOptional ? SkipValue() : Fail("an object was expected");
        const auto Leave = Deeper();
        if (!Leave.Within) return Fail("objects and arrays nested more than 64 deep");
        ++p;
        if (Peek('}')) return ++p, true;
        for (;;) {
            QByteArrayView bytKey;
            if (!Peek('"') || !Key(bytKey)) return Fail("a member's name in quotes was expected");
            if (!Peek(':')) return Fail("a ':' was expected after a member's name");
            ++p;
            if (!Peek()) return Fail("a value was expected");
            if (!pfnMember(bytKey) || Failed()) return false;
            if (Peek(',')) {
                ++p;
                continue;
            }
            if (Peek('}')) return ++p, true;
            return Fail("a ',' or '}' was expected");
        }
    }
    template <typename F>
    bool Array(F&& pfnItem)
    {
        if (!Peek('[')) return SkipValue();  // read as an empty array
        const auto Leave = Deeper();
        if (!Leave.Within) return Fail("objects and arrays nested more than 64 deep");
        ++p;
        if (Peek(']')) return ++p, true;
        for (;;) {
            if (!Peek()) return Fail("a value was expected");
            if (!pfnItem() || Failed()) return false;
            if (Peek(',')) {
                ++p;
                continue;
            }
            if (Peek(']')) return ++p, true;
            return Fail("a ',' or ']' was expected");
        }
    }
    // pintRepeats, from 1 to 2: a member whose value most controls share (a font's family, a kind),
    // whose last value is kept once.
    bool String(QString& pstrOut, int pintRepeats = 0)
    {
        pstrOut.clear();
        if (!Peek('"')) return SkipValue();
        // Most strings hold no escape: their bytes are the text.
        const char* pStart = p + 1;
        const char* pEnd = static_cast<const char*>(memchr(pStart, '"', size_t(e - pStart)));
        const QByteArrayView bytPlain = pEnd ? QByteArrayView(pStart, pEnd - pStart) : QByteArrayView();
        if (pEnd && !bytPlain.contains('\\') && Utf8(bytPlain)) {
            p = pEnd + 1;
            if (pintRepeats <= 0 || pintRepeats > 2) {
                pstrOut = QString::fromUtf8(bytPlain);
            } else {
                auto& [bytLast, strLast] = mudtRepeated[size_t(pintRepeats - 1)];
                if (bytPlain != bytLast) {
                    bytLast = bytPlain.toByteArray();
                    strLast = QString::fromUtf8(bytPlain);
                }
                pstrOut = strLast;
            }
            return true;
        }
        QByteArray bytText;
        if (!StringBytes(bytText)) return false;
        pstrOut = QString::fromUtf8(bytText);
        return true;
    }
    // A number as a double; anything else reads as pdblMissing.
    bool Number(double& pdblOut, double pdblMissing = -1e300)
    {
        pdblOut = pdblMissing;
        if (!Peek() || !(*p == '-' || (*p >= '0' && *p <= '9'))) return SkipValue();
        const char* pStart = p;
        if (*p == '-') ++p;
        if (p < e && *p == '0') ++p;
        else if (!Digits()) return Fail("a number was expected");
        // Nearly every number of a layout is a small integer: read it without the double parser.
        if (p - pStart <= 16 && (p >= e || (*p != '.' && *p != 'e' && *p != 'E'))) {
            qint64 lngValue = 0;
            for (const char* q = pStart + (*pStart == '-'); q < p; ++q) lngValue = lngValue * 10 + (*q - '0');
            pdblOut = double(*pStart == '-' ? -lngValue : lngValue);
            return true;
        }
        if (p < e && *p == '.' && (++p, !Digits())) return Fail("a digit was expected after '.'");
        if (p < e && (*p == 'e' || *p == 'E')) {
            ++p;
            if (p < e && (*p == '+' || *p == '-')) ++p;
            if (!Digits()) return Fail("a digit was expected in the exponent");
        }
        bool booOk = false;
        const double dblValue = QByteArrayView(pStart, p - pStart).toDouble(&booOk);
        if (booOk) pdblOut = dblValue;
        return true;
    }
    bool Bool(bool& pbooOut)
    {
        pbooOut = false;
        if (Word("true")) return pbooOut = true, true;
        return SkipValue();
    }
    bool SkipValue()
    {
        if (!Peek()) return Fail("a value was expected");
        switch (*p) {
        case '{': return Object([this](QByteArrayView) { return SkipValue(); });
        case '[': return Array([this] { return SkipValue(); });
        case '"': {
            QByteArray bytIgnored;
            return StringBytes(bytIgnored);
        }
        case 't': return Word("true") || Fail("not a JSON value");
        case 'f': return Word("false") || Fail("not a JSON value");
        case 'n': return Word("null") || Fail("not a JSON value");
        default: {
            if (*p != '-' && !(*p >= '0' && *p <= '9')) return Fail("not a JSON value");
            double dblIgnored;
            return Number(dblIgnored);
        }
        }
    }
    bool End() { return !Peek() || Fail("something after the end of the layout"); }

private:
    // A layout nests four deep; a file nested far deeper is damaged, and would run the reader,
    // which goes down one call a level, out of stack.
    struct udtLevel {
        int& Depth;
        bool Within;
        ~udtLevel() { --Depth; }
    };
    udtLevel Deeper() { return {mintDepth, ++mintDepth <= 64}; }

    bool Fail(const char* pstrWhat)
    {
        if (!Failed()) {
            mstrError = QString::fromLatin1(pstrWhat);
            mlngErrorAt = Offset();
        }
        return false;
    }
    // Past white space; whether a character follows (pchrWanted: that one).
    bool Peek(char pchrWanted = 0)
    {
        while (p < e && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t')) ++p;
        return p < e && (!pchrWanted || *p == pchrWanted);
    }
    bool Digits()
    {
        const char* pStart = p;
        while (p < e && *p >= '0' && *p <= '9') ++p;
        return p > pStart;
    }
    bool Word(const char* pstrWord)
    {
        const qsizetype lngLength = qsizetype(strlen(pstrWord));
        if (e - p < lngLength || memcmp(p, pstrWord, size_t(lngLength)) != 0) return false;
        p += lngLength;
        return true;
    }
    // A member's name: the names this file uses have no escapes, so the bytes are the name; one with
    // escapes is read whole, and then matches no member of ours.
    bool Key(QByteArrayView& pbytOut)
    {
        const char* pStart = p + 1;
        const char* pEnd = static_cast<const char*>(memchr(pStart, '"', size_t(e - pStart)));
        if (pEnd && !memchr(pStart, '\\', size_t(pEnd - pStart))) {
            pbytOut = QByteArrayView(pStart, pEnd - pStart);
            if (!Utf8(pbytOut)) return Fail("a name that is not UTF-8");
            p = pEnd + 1;
            return true;
        }
        QByteArray bytIgnored;
        pbytOut = QByteArrayView("\\");
        return StringBytes(bytIgnored);
    }
    static bool Utf8(QByteArrayView pbytText)
    {
        return pbytText.isValidUtf8() && std::none_of(pbytText.begin(), pbytText.end(), [](char c) { return uchar(c) < 0x20; });
    }
    static int Hex(char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1; }
    bool Hex4(char32_t& plngOut)
    {
        if (e - p < 4) return false;
        plngOut = 0;
        for (int i = 0; i < 4; ++i) {
            const int intDigit = Hex(p[i]);
            if (intDigit < 0) return false;
            plngOut = plngOut * 16 + char32_t(intDigit);
        }
        p += 4;
        return true;
    }
    // A string's UTF-8 bytes, its escapes undone; at the opening quote.
    bool StringBytes(QByteArray& pbytOut)
    {
        const char* pStart = ++p;
        for (;;) {
            while (p < e && *p != '"' && *p != '\\' && uchar(*p) >= 0x20) ++p;
            if (p >= e) return Fail("a string not closed");
            if (uchar(*p) < 0x20) return Fail("a control character in a string");
            pbytOut.append(pStart, p - pStart);
            if (*p == '"') break;
            if (++p >= e) return Fail("a string not closed");
            const char chrEscape = *p++;
            switch (chrEscape) {
            case '"': case '\\': case '/': pbytOut.append(chrEscape); break;
            case 'b': pbytOut.append('\b'); break;
            case 'f': pbytOut.append('\f'); break;
            case 'n': pbytOut.append('\n'); break;
            case 'r': pbytOut.append('\r'); break;
            case 't': pbytOut.append('\t'); break;
            case 'u': {
                char32_t lngCode = 0, lngLow = 0;
                if (!Hex4(lngCode)) return Fail("a \\u escape without four hex digits");
                if (QChar::isHighSurrogate(lngCode)) {
                    if (!Word("\\u") || !Hex4(lngLow) || !QChar::isLowSurrogate(lngLow)) return Fail("half of a surrogate pair");
                    lngCode = QChar::surrogateToUcs4(char16_t(lngCode), char16_t(lngLow));
                } else if (QChar::isLowSurrogate(lngCode)) {
                    return Fail("half of a surrogate pair");
                }
                pbytOut.append(QString::fromUcs4(&lngCode, 1).toUtf8());
                break;
            }
            default: return Fail("an unknown escape in a string");
            }
            pStart = p;
        }
        ++p;
        if (!QByteArrayView(pbytOut).isValidUtf8()) return Fail("a string that is not UTF-8");
        return true;
    }

    const QByteArray& mbytContent;
    const char* p;
    const char* e;
    QString mstrError;
    qsizetype mlngErrorAt = 0;
    int mintDepth = 0;
    std::array<std::pair<QByteArray, QString>, 2> mudtRepeated;
};

// An integer from -1,000,000 to 1,000,000 (a form larger than any screen is a damaged file).
bool ReadSize(double pdblValue, int& plngOut)
{
    if (!(pdblValue >= -1000000 && pdblValue <= 1000000) || pdblValue != static_cast<int>(pdblValue)) return false;
    plngOut = static_cast<int>(pdblValue);
    return true;
}

struct udtReadControl {
    udtControlLayout Control;
    QString Kind;
    double X = -1e300, Y = -1e300, Width = -1e300, Height = -1e300, Weight = -1e300, Size = 0;
    std::array<double, 2> Room{-1e300, -1e300};
    int RoomCount = 0;
};

bool ReadFont(clsLayoutReader& r, udtReadControl& u)
{
    return r.Object(
        [&](QByteArrayView k) {
            if (k == "family") return r.String(u.Control.Font.Family, 1);
            if (k == "size") return r.Number(u.Size, 0);
            if (k == "weight") return r.Number(u.Weight);
            if (k == "italic") return r.Bool(u.Control.Font.Italic);
            return r.SkipValue();
        },
        true);
}

bool ReadControlMembers(clsLayoutReader& r, udtReadControl& u)
{
    udtControlLayout& c = u.Control;
    return r.Object(
        [&](QByteArrayView k) {
            if (k == "entry") return r.String(c.Entry);
            if (k == "kind") return r.String(u.Kind, 2);
            if (k == "x") return r.Number(u.X);
            if (k == "y") return r.Number(u.Y);
            if (k == "width") return r.Number(u.Width);
            if (k == "height") return r.Number(u.Height);
            if (k == "font") return ReadFont(r, u);
            if (k == "room") {
                u.RoomCount = 0;
                return r.Array([&] {
                    double dblValue;
                    const bool booRead = r.Number(dblValue);
                    if (u.RoomCount < 2) u.Room[size_t(u.RoomCount)] = dblValue;
                    ++u.RoomCount;
                    return booRead;
                });
            }
            if (k == "wrap") return r.Bool(c.Wrap);
            if (k == "widens") return r.Bool(c.Widens);
            if (k == "page") return r.String(c.Page);
            return r.SkipValue();
        },
        true);
}

// What the members read make of the control; false with the reason where they are not one.
bool CheckControl(udtReadControl& u, QString& pstrReason)
{
    udtControlLayout& c = u.Control;
    if (c.Entry.isEmpty()) return pstrReason = QStringLiteral("a control without its entry"), false;
    const auto itKind = std::find_if(KindNames.begin(), KindNames.end(), [&](const auto& k) { return u.Kind == QLatin1StringView(k.second); });
    if (itKind == KindNames.end()) return pstrReason = QStringLiteral("%1: unknown kind \"%2\"").arg(c.Entry, u.Kind), false;
    c.Kind = itKind->first;
    c.Font.PointSize = u.Size;
    if (!ReadSize(u.X, c.X) || !ReadSize(u.Y, c.Y) || !ReadSize(u.Width, c.Width) || !ReadSize(u.Height, c.Height) ||
        !ReadSize(u.Weight, c.Font.Weight) || u.RoomCount != 2 || !ReadSize(u.Room[0], c.RoomWidth) || !ReadSize(u.Room[1], c.RoomHeight) ||
        c.Font.Family.isEmpty() || !(c.Font.PointSize > 0 && c.Font.PointSize < 1000))
        return pstrReason = QStringLiteral("%1: a size, its room or its font is missing or out of range").arg(c.Entry), false;
    return true;
}

}  // namespace

QString FolderLayoutName() { return QStringLiteral("layout.json"); }
QString FormLayoutName(const QString& pstrForm) { return pstrForm + QStringLiteral(".layout.json"); }
QString FolderLayoutPath(const QString& pstrFolder) { return pstrFolder + u'/' + FolderLayoutName(); }

QString LayoutKindName(enuLayoutKind penuKind)
{
    for (const auto& [enuKind, strName] : KindNames)
        if (enuKind == penuKind) return QString::fromLatin1(strName);
    return QString();
}

QByteArray LayoutFileContent(const QVector<udtFormLayout>& pudtForms)
{
    QByteArray bytOut = "{\n  \"format\": \"" + QByteArray(Format.data(), Format.size()) + "\",\n  \"forms\": [";
    for (qsizetype i = 0; i < pudtForms.size(); ++i) {
        const udtFormLayout& udtForm = pudtForms[i];
        const QByteArray bytHead = Compact(QJsonObject{{u"form"_s, udtForm.Form}, {u"width"_s, udtForm.Width},
                                                       {u"height"_s, udtForm.Height}, {u"dpi"_s, udtForm.Dpi}});
        bytOut += (i ? ",\n    " : "\n    ") + bytHead.chopped(1) + ", \"controls\": [";
        for (qsizetype j = 0; j < udtForm.Controls.size(); ++j)
            bytOut += (j ? ",\n      " : "\n      ") + Compact(ControlObject(udtForm.Controls[j]));
        bytOut += udtForm.Controls.isEmpty() ? "]}" : "\n    ]}";
    }
    bytOut += pudtForms.isEmpty() ? "]\n}\n" : "\n  ]\n}\n";
    return bytOut;
}

bool ParseLayoutFile(const QByteArray& pbytContent, QVector<udtFormLayout>& pudtForms, QString& pstrReason)
{
    pudtForms.clear();
    clsLayoutReader r(pbytContent);
    QString strFormat;
    QString strRefusal;  // a form or control that is not one: the reading stops there
    const auto ReadForm = [&] {
        udtFormLayout udtForm;
        double dblWidth = -1e300, dblHeight = -1e300, dblDpi = -1e300;
        const qsizetype lngFormAt = r.Offset();  // the line named for the form is the one it starts on
        const auto ReadControls = [&] {
            return r.Array([&] {
                udtReadControl udtControl;
                const qsizetype lngAt = r.Offset();
                if (!ReadControlMembers(r, udtControl)) return false;
                if (!CheckControl(udtControl, strRefusal)) {
                    strRefusal = QStringLiteral("line %1: %2.%3").arg(LineAt(pbytContent, lngAt)).arg(udtForm.Form, strRefusal);
                    return false;
                }
                udtForm.Controls.append(std::move(udtControl.Control));
                return true;
            });
        };
        const bool booRead = r.Object(
            [&](QByteArrayView k) {
                if (k == "form") return r.String(udtForm.Form);
                if (k == "width") return r.Number(dblWidth);
                if (k == "height") return r.Number(dblHeight);
                if (k == "dpi") return r.Number(dblDpi);
                if (k == "controls") {
                    udtForm.Controls.clear();
                    return ReadControls();
                }
                return r.SkipValue();
            },
            true);
        if (!booRead) return false;
        if (udtForm.Form.isEmpty() || !ReadSize(dblWidth, udtForm.Width) || !ReadSize(dblHeight, udtForm.Height) ||
            !ReadSize(dblDpi, udtForm.Dpi) || udtForm.Dpi <= 0) {
            strRefusal = QStringLiteral("line %1: a form without its name, size or DPI").arg(LineAt(pbytContent, lngFormAt));
            return false;
        }
        pudtForms.append(std::move(udtForm));
        return true;
    };
    bool booRead = r.Object([&](QByteArrayView k) {
        if (k == "format") return r.String(strFormat);
        if (k == "forms") {
            // The format comes first in every file written: a layout of another version is not read on.
            if (!strFormat.isEmpty() && strFormat != Format) return r.SkipValue();
            pudtForms.clear();
            return r.Array(ReadForm);
        }
        return r.SkipValue();
    });
    if (booRead) booRead = r.End();
    if (!booRead) {
        pstrReason = r.Failed() ? r.Error() : strRefusal;
        pudtForms.clear();
        return false;
    }
    if (strFormat != Format) {
        pstrReason = QStringLiteral("line 1: not a layout file of this version (\"format\" is not \"%1\")").arg(Format);
        pudtForms.clear();
        return false;
    }
    return true;
}

bool ReadLayoutFile(const QString& pstrFileName, QVector<udtFormLayout>& pudtForms, QString& pstrReason)
{
    QByteArray bytContent;
    if (!ReadWholeFile(pstrFileName, bytContent, pstrReason)) return false;
    if (ParseLayoutFile(bytContent, pudtForms, pstrReason)) return true;
    pstrReason = pstrFileName + u':' + pstrReason;
    return false;
}

bool WriteLayoutFile(const QString& pstrFileName, const QVector<udtFormLayout>& pudtForms, QString& pstrReason)
{
    return WriteFileAtomically(pstrFileName, LayoutFileContent(pudtForms), pstrReason);
}

void MergeFormLayouts(QVector<udtFormLayout>& pudtInto, const QVector<udtFormLayout>& pudtForms)
{
    for (const udtFormLayout& udtForm : pudtForms) {
        const auto itSame = std::find_if(pudtInto.begin(), pudtInto.end(), [&](const udtFormLayout& u) { return u.Form == udtForm.Form; });
        if (itSame != pudtInto.end()) *itSame = udtForm;
        else pudtInto.append(udtForm);
    }
}

}  // namespace tralyx
