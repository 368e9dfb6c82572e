#include "checks/basEndMarks.h"

#include "checks/basChecks.h"

#include <QCoreApplication>
#include <string>
#include <string_view>

namespace tralyx {

// The endings a row gives marks for, in the order of its columns; the ellipsis ends a text alike
// in every language ("..." or "…", also the Chinese "……").
enum enuEnd { endNone = -1, endPeriod, endQuestion, endExclamation, endColon, endEllipsis };
constexpr int EndColumns = 4;

struct udtEndMarks {
    const char* Language;  // ISO 639 code; null for the rows of no one language
    const char* Name;      // for messages: "Greek"
    // Per ending, the characters a translation may end with, the first the language's usual one.
    std::u16string_view Marks[EndColumns];
    // Per ending, how a message shows the language's way when the first mark does not say it all.
    std::u16string_view Shown[EndColumns] = {};
    // Per ending, the mark that opens the sentence as well (Spanish "¿", "¡"); 0 for none.
    char16_t Opener[EndColumns] = {};
    // The endings the language often leaves without a mark (1 << ending).
    uint8_t MayOmit = 0;
};

namespace {

constexpr uint8_t OmitPeriodAndQuestion = (1 << endPeriod) | (1 << endQuestion);
constexpr std::u16string_view Danda = u"\u0964.";

// The common marks, and their full-width forms that texts mixing scripts end with.
constexpr udtEndMarks Common{nullptr, nullptr, {u".\uFF0E", u"?\uFF1F", u"!\uFF01", u":\uFF1A"}};

// The languages that end a sentence otherwise. French sets "?", "!" and ":" off with a (narrow)
// no-break space or a space, Canadian French "!" and "?" with none: the space is a blank before
// the mark, so a text ends with the mark either way and only the messages need the row.
constexpr udtEndMarks Languages[] = {
    {"fr", "French", {u".", u"?", u"!", u":"}, {u"", u" ?", u" !", u" :"}},
    {"es", "Spanish", {u".", u"?", u"!", u":"}, {u"", u"\u00BF\u2026?", u"\u00A1\u2026!", u""}, {0, u'\u00BF', u'\u00A1', 0}},
    {"el", "Greek", {u".", u";\u037E", u"!", u":"}},
    {"ja", "Japanese", {u"\u3002\uFF0E.\uFF61", u"\uFF1F?", u"\uFF01!", u"\uFF1A:"}},
    {"zh", "Chinese", {u"\u3002\uFF0E.", u"\uFF1F?", u"\uFF01!", u"\uFF1A:"}},
    {"ar", "Arabic", {u".", u"\u061F", u"!", u":"}},
    {"fa", "Persian", {u".", u"\u061F", u"!", u":"}},
    {"ps", "Pashto", {u"\u06D4.", u"\u061F", u"!", u":"}},
    {"ur", "Urdu", {u"\u06D4.", u"\u061F", u"!", u":"}},
    {"hi", "Hindi", {Danda, u"?", u"!", u":"}},
    {"bn", "Bengali", {Danda, u"?", u"!", u":"}},
    {"ne", "Nepali", {Danda, u"?", u"!", u":"}},
    {"pa", "Punjabi", {Danda, u"?", u"!", u":"}},
    {"km", "Khmer", {u"\u17D4.", u"?", u"!", u":"}},
    {"my", "Burmese", {u"\u104B", u"\u104B?", u"!", u":"}},
    {"am", "Amharic", {u"\u1362", u"\u1367?", u"!", u":\u1365\u1366"}},
    {"th", "Thai", {u".", u"?", u"!", u":"}, {}, {}, OmitPeriodAndQuestion},
    {"lo", "Lao", {u".", u"?", u"!", u":"}, {}, {}, OmitPeriodAndQuestion},
};

// The marks of every row: what a text of a language not known may end with. Without the Greek
// ";" they are what a source ending is told by (elsewhere ";" ends no sentence).
struct udtAllMarks {
    std::u16string Text[EndColumns], SourceText[EndColumns];
    udtEndMarks Any{nullptr, nullptr, {}}, Source{nullptr, nullptr, {}};

    udtAllMarks()
    {
        for (int k = 0; k < EndColumns; ++k) {
            Text[k] = Common.Marks[k];
            for (const udtEndMarks& udtRow : Languages) Text[k] += udtRow.Marks[k];
            for (const char16_t c : Text[k])
                if (c != u';') SourceText[k] += c;
        }
        for (int k = 0; k < EndColumns; ++k) {  // after the strings stop growing
            Any.Marks[k] = Text[k];
            Source.Marks[k] = SourceText[k];
        }
    }
};

const udtAllMarks& AllMarks()
{
    static const udtAllMarks udtAll;
    return udtAll;
}

// Whether a character may follow a text's last mark: a blank, a closing quote or bracket.
bool FollowsMark(char16_t c)
{
    switch (c) {
    case u' ': case u'\t': case u'\r': case u'\n': case u')': case u']': case u'}': case u'"': case u'\'': return true;
    default: break;
    }
    constexpr std::u16string_view Closers = u"\u00BB\u00AB\u201D\u201C\u2019\u2018\u203A\u2039\uFF09\uFF3D\uFF5D\u300D\u300F";
    return c >= 0x80 && (QChar::isSpace(c) || Closers.find(c) != std::u16string_view::npos);
}

// The text without what may follow its last mark: "(Saved.) " ends with "Saved.".
QStringView Ended(QStringView pstrText)
{
    while (!pstrText.isEmpty() && FollowsMark(pstrText.back().unicode())) pstrText.chop(1);
    return pstrText;
}

int EndingOf(QStringView pstrEnded, const udtEndMarks& pudtMarks)
{
    const qsizetype n = pstrEnded.size();
    if (n == 0) return endNone;
    const char16_t* const p = pstrEnded.utf16();
    const char16_t c = p[n - 1];
    if (c < 0x80) {  // the common marks, at one switch
        switch (c) {
        case u'.': return n >= 3 && p[n - 2] == u'.' && p[n - 3] == u'.' ? endEllipsis : endPeriod;
        case u'?': return endQuestion;
        case u'!': return endExclamation;
        case u':': return endColon;
        case u';': return pudtMarks.Marks[endQuestion].find(c) != std::u16string_view::npos ? endQuestion : endNone;
        default: return endNone;
        }
    }
    if (c == u'\u2026') return endEllipsis;
    for (int k = 0; k < EndColumns; ++k)
        if (pudtMarks.Marks[k].find(c) != std::u16string_view::npos) return k;
    return endNone;
}

QString Quoted(QStringView pstrText) { return u'"' + pstrText.toString() + u'"'; }

// How a message names the language's way with an ending, when that is not the common one: " (Greek
// writes \";\")"; empty otherwise.
QString LanguageWay(const udtEndMarks& pudtMarks, int plngEnd)
{
    if (!pudtMarks.Name) return QString();
    const auto Way = [plngEnd](const udtEndMarks& m) {
        return m.Shown[plngEnd].empty() ? m.Marks[plngEnd].substr(0, 1) : m.Shown[plngEnd];
    };
    const std::u16string_view strWay = Way(pudtMarks);
    if (strWay == Way(Common)) return QString();
    return QStringLiteral(" (%1 writes %2)")
        .arg(QLatin1StringView(pudtMarks.Name), Quoted(QStringView(strWay.data(), qsizetype(strWay.size()))));
}

}  // namespace

const udtEndMarks* EndMarksOf(QStringView pstrLanguage)
{
    if (pstrLanguage.isEmpty()) return &AllMarks().Any;
    qsizetype lngPart = 0;
    while (lngPart < pstrLanguage.size() && pstrLanguage[lngPart] != u'_' && pstrLanguage[lngPart] != u'-') ++lngPart;
    const QStringView strCode = pstrLanguage.first(lngPart);
    for (const udtEndMarks& udtRow : Languages)
        if (strCode.compare(QLatin1StringView(udtRow.Language), Qt::CaseInsensitive) == 0) return &udtRow;
    return &Common;
}

QString EndPunctuationProblem(QStringView pstrSource, QStringView pstrTranslation, const udtEndMarks* pudtMarks)
{
    const QStringView strSource = Ended(pstrSource);
    if (strSource.isEmpty()) return QString();
    if (const char16_t c = strSource.back().unicode(); c < 0x80 && c != u'.' && c != u'?' && c != u'!' && c != u':')
        return QString();  // most texts, at once
    const int lngEnd = EndingOf(strSource, AllMarks().Source);
    if (lngEnd == endNone) return QString();
    const udtEndMarks& udtMarks = pudtMarks ? *pudtMarks : AllMarks().Any;
    const QStringView strTranslation = Ended(pstrTranslation);
    if (lngEnd == endEllipsis)
        return EndingOf(strTranslation, udtMarks) == endEllipsis
                   ? QString()
                   : QCoreApplication::translate("basEndMarks", "the source ends with \"...\" (more input follows), the translation does not");
    const QChar chrLast = strTranslation.isEmpty() ? QChar() : strTranslation.back();
    if (!strTranslation.isEmpty() && udtMarks.Marks[lngEnd].find(chrLast.unicode()) != std::u16string_view::npos) {
        const char16_t chrOpener = udtMarks.Opener[lngEnd];
        if (!chrOpener || strTranslation.contains(QChar(chrOpener))) return QString();
        return QCoreApplication::translate("basEndMarks", "the translation ends with %1 but has no %2 before it")
                   .arg(Quoted(QStringView(&chrLast, 1)), Quoted(QStringView(&chrOpener, 1))) +
               LanguageWay(udtMarks, lngEnd);
    }
    const bool booMarked = EndingOf(strTranslation, AllMarks().Any) != endNone;
    if (!booMarked && (udtMarks.MayOmit & (1 << lngEnd))) return QString();
    const QString strSaid =
        lngEnd == endColon ? QCoreApplication::translate("basEndMarks", "the source ends with \":\", the translation does not")
        : booMarked        ? QCoreApplication::translate("basEndMarks", "the source ends with %1, the translation with %2")
                          .arg(Quoted(strSource.last(1)), Quoted(QStringView(&chrLast, 1)))
                           : QCoreApplication::translate("basEndMarks", "the source ends with %1, the translation does not").arg(Quoted(strSource.last(1)));
    return strSaid + LanguageWay(udtMarks, lngEnd);
}

}  // namespace tralyx
