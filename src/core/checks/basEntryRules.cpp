// The rules that compare one entry text with its source, one small function each, and the table
// that runs them in order. A rule gets the pair and a report bound to its row (id, severity, file,
// entry) and says only what is wrong; it returns false when its finding settles the entry (one
// side lacks it, the file cannot keep it, it is empty or the source's own text), so the rules
// after it do not run. A new rule is a function and a row.
#include "checks/basChecks.h"
#include "checks/basEndMarks.h"

#include "common/basTextSyntax.h"
#include "common/basShortened.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace tralyx {
namespace {

struct udtEntryRule;

// What a rule reports lands in the list with its row's id and severity. The report also knows what
// the pass knows beyond the pair: the target language's end marks.
class clsRuleReport {
public:
    clsRuleReport(const udtEntryRule& pudtRule, enuFileKind penuFile, const udtEntryText& pudtEntry,
                  std::vector<udtProblem>& pudtOut, const udtTextState& pudtState, const udtEndMarks* pudtEndMarks)
        : mudtRule(pudtRule), menuFile(penuFile), mudtEntry(pudtEntry), mudtOut(pudtOut), mudtState(pudtState),
          mudtEndMarks(pudtEndMarks)
    {
    }
    // pstrEntry: the id the problem names when it is not the text's own.
    void operator()(const QString& pstrMessage, const QString& pstrEntry = QString()) const;
    const udtEndMarks* EndMarks() const { return mudtEndMarks; }
    // The translator's state of the text (review, done); empty when none is known.
    const udtTextState& State() const { return mudtState; }

private:
    const udtEntryRule& mudtRule;
    enuFileKind menuFile;
    const udtEntryText& mudtEntry;
    std::vector<udtProblem>& mudtOut;
    const udtTextState& mudtState;
    const udtEndMarks* mudtEndMarks;
};

struct udtEntryRule {
    const char* Id;  // as lint prints it
    enuSeverity Severity;
    // False when the entry is settled: the later rules do not run.
    bool (*Check)(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport);
};

void clsRuleReport::operator()(const QString& pstrMessage, const QString& pstrEntry) const
{
    mudtOut.push_back({QLatin1StringView(mudtRule.Id), mudtRule.Severity, LanguageFileName(menuFile), mudtEntry.Line,
                       mudtEntry.SourceLine, pstrEntry.isEmpty() ? mudtEntry.Id : pstrEntry, pstrMessage});
}

QStringView LeadingBlanks(QStringView pstrText)
{
    qsizetype i = 0;
    while (i < pstrText.size() && IsBlank(pstrText[i])) ++i;
    return pstrText.left(i);
}

QStringView TrailingBlanks(QStringView pstrText)
{
    qsizetype i = pstrText.size();
    while (i > 0 && IsBlank(pstrText[i - 1])) --i;
    return pstrText.mid(i);
}

// The blanks made visible for a message: "2 spaces", "a line break".
QString Described(QStringView pstrBlanks)
{
    if (pstrBlanks.isEmpty()) return QStringLiteral("none");
    QStringList strParts;
    for (qsizetype i = 0; i < pstrBlanks.size(); ++i) {
        const QChar chr = pstrBlanks[i];
        if (chr == u'\r' && i + 1 < pstrBlanks.size() && pstrBlanks[i + 1] == u'\n') ++i;
        strParts.append(chr == u'\r' || chr == u'\n' ? QCoreApplication::translate("basEntryRules", "line break")
                        : chr == u'\t'                ? QCoreApplication::translate("basEntryRules", "tab")
                        : chr == QChar(0xA0)          ? QCoreApplication::translate("basEntryRules", "no-break space")
                                                      : QCoreApplication::translate("basEntryRules", "space"));
    }
    return strParts.join(QStringLiteral(", "));
}

// The runs of digits, sorted: a number may move within the sentence, not change.
QStringList SortedNumbers(QStringView pstrText)
{
    QStringList strOut;
    for (qsizetype i = 0; i < pstrText.size();) {
        if (pstrText[i] < u'0' || pstrText[i] > u'9') {
            ++i;
            continue;
        }
        const qsizetype lngStart = i;
        while (i < pstrText.size() && pstrText[i] >= u'0' && pstrText[i] <= u'9') ++i;
        strOut.append(pstrText.mid(lngStart, i - lngStart).toString());
    }
    strOut.sort();
    return strOut;
}

// The next run of digits at or after plngFrom, empty at the end.
QStringView NextNumber(QStringView pstrText, qsizetype& plngFrom)
{
    const char16_t* const pText = pstrText.utf16();
    const qsizetype lngSize = pstrText.size();
    const auto IsDigit = [](char16_t c) { return static_cast<char16_t>(c - u'0') <= 9; };
    qsizetype i = plngFrom;
    while (i < lngSize && !IsDigit(pText[i])) ++i;
    const qsizetype lngStart = i;
    while (i < lngSize && IsDigit(pText[i])) ++i;
    plngFrom = i;
    return pstrText.sliced(lngStart, i - lngStart);
}

// Whether both texts hold the same numbers in the same order: the common case, without allocating.
bool SameNumbersInOrder(QStringView pstrOne, QStringView pstrOther)
{
    qsizetype lngOne = 0, lngOther = 0;
    for (;;) {
        const QStringView strOne = NextNumber(pstrOne, lngOne), strOther = NextNumber(pstrOther, lngOther);
        if (strOne != strOther) return false;
        if (strOne.isEmpty()) return true;
    }
}

QString MarkerList(const QStringList& pstrNames)
{
    QStringList strOut;
    for (const QString& strName : pstrNames) strOut.append(MarkerOpen.toString().append(strName).append(MarkerClose));
    return strOut.join(QStringLiteral(", "));
}

// The names in pstrOne that pstrOther lacks, each as often as it is missing.
QStringList Without(QStringList pstrOne, const QStringList& pstrOther)
{
    for (const QString& strName : pstrOther) pstrOne.removeOne(strName);
    return pstrOne;
}

// Where the "[#!" at plngAt ends: after its "!#]", or at the end of the text when it is not closed
// (the markers rule's finding; its rest is no prose either). plngAt itself when no marker starts there.
qsizetype PastMarker(QStringView pstrText, qsizetype plngAt)
{
    const udtMarker udtFound = MarkerAt(pstrText, plngAt);
    return !udtFound.Found() ? plngAt : udtFound.Closed() ? udtFound.End : pstrText.size();
}

// What an ASCII character is to the repeated-word rule (the low bits) and whether it may pair with
// another for the brackets rule (AsciiPairs), from one table: most characters are ASCII letters.
enum enuWordClass : uint8_t { wcOther, wcBlank, wcLetter, wcDigit, wcAmpersand, wcBracket, wcJoiner };
constexpr uint8_t AsciiClassBits = 7, AsciiPairs = 8, AsciiInWord = 16;  // AsciiInWord: a letter or a digit

constexpr std::array<uint8_t, 128> AsciiClasses = [] {
    std::array<uint8_t, 128> bytOut{};
    for (int c = 'a'; c <= 'z'; ++c) bytOut[size_t(c)] = bytOut[size_t(c - 32)] = wcLetter | AsciiInWord;
    for (int c = '0'; c <= '9'; ++c) bytOut[size_t(c)] = wcDigit | AsciiInWord;
    bytOut[' '] = bytOut['\t'] = wcBlank;  // not a line break: words on two lines are no repetition
    bytOut['&'] = wcAmpersand;
    bytOut['['] = wcBracket | AsciiPairs;
    bytOut['\''] = bytOut['-'] = wcJoiner;
    for (const char c : {'(', ')', ']', '{', '}', '"'}) bytOut[size_t(c)] |= AsciiPairs;
    return bytOut;
}();

[[gnu::noinline]] enuWordClass WideWordClass(char16_t c)
{
    const QChar chr(c);
    if (chr.isNumber()) return wcDigit;
    if (chr.isLetter() || chr.isMark()) return wcLetter;
    if (c == 0x2019) return wcJoiner;
    return chr.isSpace() && c != 0x2028 && c != 0x2029 ? wcBlank : wcOther;
}

inline enuWordClass WordClass(char16_t c)
{
    return c < 0x80 ? enuWordClass(AsciiClasses[c] & AsciiClassBits) : WideWordClass(c);
}

bool IsWordClass(enuWordClass penuClass) { return penuClass == wcLetter || penuClass == wcDigit; }

char16_t Folded(char16_t c)
{
    if (c < 0x80) return c >= u'A' && c <= u'Z' ? char16_t(c | 0x20) : c;
    return QChar(c).toCaseFolded().unicode();
}

// Whether two words are one, ignoring case and access-key ampersands.
inline bool SameWord(QStringView pstrOne, QStringView pstrOther)
{
    qsizetype i = 0, j = 0;
    for (;;) {
        while (i < pstrOne.size() && pstrOne[i] == u'&') ++i;
        while (j < pstrOther.size() && pstrOther[j] == u'&') ++j;
        if (i == pstrOne.size() || j == pstrOther.size()) return i == pstrOne.size() && j == pstrOther.size();
        if (Folded(pstrOne[i++].unicode()) != Folded(pstrOther[j++].unicode())) return false;
    }
}

// Calls pfnFound(first, second) for each word that follows the same word with only blanks between:
// "das das", "Das das". A word holds a letter ("1 1" is no repetition); an access key's "&" is part
// of its word, and a marker, a line break, punctuation or a plain "&" part two words.
template <typename F>
void ForEachRepeatedWord(QStringView pstrText, F pfnFound)
{
    const char16_t* const p = pstrText.utf16();
    const qsizetype n = pstrText.size();
    const auto WordAt = [&](qsizetype i) { return i < n && IsWordClass(WordClass(p[i])); };
    QStringView strPrevious;  // the word before, while only blanks followed it
    for (qsizetype i = 0; i < n;) {
        const enuWordClass enuClass = WordClass(p[i]);
        if (enuClass == wcBlank) {
            ++i;
            continue;
        }
        if (!IsWordClass(enuClass) && !(enuClass == wcAmpersand && WordAt(i + 1))) {
            strPrevious = QStringView();
            i = enuClass == wcBracket                                     ? std::max(PastMarker(pstrText, i), i + 1)
                : enuClass == wcAmpersand && i + 1 < n && p[i + 1] == u'&' ? i + 2  // a plain "&"
                                                                            : i + 1;
            continue;
        }
        // A word: letters and digits, an access key's "&", inner joiners ("l'homme", "E-Mail").
        const qsizetype lngStart = i;
        for (++i; i < n; ++i) {
            const char16_t c = p[i];
            if (c < 0x80 && (AsciiClasses[c] & AsciiInWord)) continue;  // the most, at one test
            const enuWordClass enuNext = WordClass(c);
            if (!IsWordClass(enuNext) && !((enuNext == wcAmpersand || enuNext == wcJoiner) && WordAt(i + 1))) break;
        }
        const QStringView strWord = pstrText.sliced(lngStart, i - lngStart);
        if (!strPrevious.isEmpty() && SameWord(strPrevious, strWord) && HasLetter(strWord)) pfnFound(strPrevious, strWord);
        strPrevious = strWord;
    }
}

// How the brackets and quotation marks of a text fail to pair, outside its markers: per kind ((),
// [], {}, full-width forms alike) the closers without an opener and the openers left open, and
// whether its double quotation marks (", „, “, ” in any pairing) are odd or its « and » differ.
struct udtBracketBalance {
    std::array<int32_t, 3> Open{}, Close{};
    bool Quotes = false;

    bool Balanced() const { return Open == std::array<int32_t, 3>{} && Close == std::array<int32_t, 3>{} && !Quotes; }
};

// Whether a text may hold a bracket or a quotation mark: one pass that only gathers the table's bits,
// with no branch to mispredict; any character outside ASCII leaves the answer to BracketBalance.
bool MayPair(QStringView pstrText)
{
    uint8_t bytAll = 0;
    const char16_t *p = pstrText.utf16(), *const pEnd = p + pstrText.size();
    for (; p < pEnd; ++p) bytAll |= *p < 0x80 ? AsciiClasses[*p] : AsciiPairs;
    return bytAll & AsciiPairs;
}

udtBracketBalance BracketBalance(QStringView pstrText)
{
    udtBracketBalance udtOut;
    if (!MayPair(pstrText)) return udtOut;
    int32_t lngDouble = 0, lngGuillemets = 0;
    const auto Opened = [&](int k) { ++udtOut.Open[k]; };
    const auto Closed = [&](int k) {
        if (udtOut.Open[k] > 0) --udtOut.Open[k];
        else ++udtOut.Close[k];
    };
    const char16_t* const p = pstrText.utf16();
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        const char16_t c = p[i];
        if (c < 0x80 ? !(AsciiClasses[c] & AsciiPairs) : c < 0xAB) continue;  // most characters, at one test
        switch (c) {
        case u'(': case u'\uFF08': Opened(0); break;
        case u')': case u'\uFF09': Closed(0); break;
        case u'[':
            if (const qsizetype lngPast = PastMarker(pstrText, i); lngPast > i) i = lngPast - 1;
            else Opened(1);
            break;
        case u'\uFF3B': Opened(1); break;
        case u']': case u'\uFF3D': Closed(1); break;
        case u'{': case u'\uFF5B': Opened(2); break;
        case u'}': case u'\uFF5D': Closed(2); break;
        case u'"': case u'\u201E': case u'\u201C': case u'\u201D': ++lngDouble; break;
        case u'\u00AB': ++lngGuillemets; break;
        case u'\u00BB': --lngGuillemets; break;
        default: break;
        }
    }
    udtOut.Quotes = lngDouble % 2 != 0 || lngGuillemets != 0;
    return udtOut;
}

bool FirstTextOfRecord(const udtEntryText& pudtEntry)
{
    return pudtEntry.Kind == enuTextKind::Caption || pudtEntry.Kind == enuTextKind::MessageText ||
           pudtEntry.Kind == enuTextKind::Secondary;
}

// The record's id: the object path for core.lrc, "MSG003" for a message (its text and title), "TXT004".
QString RecordIdOf(const udtEntryText& pudtEntry)
{
    return pudtEntry.ObjectPath.isEmpty() ? pudtEntry.Id : pudtEntry.ObjectPath;
}

// Rules that settle an entry.

bool Missing(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (!pudtEntry.Missing()) return true;
    if (FirstTextOfRecord(pudtEntry))
        pobjReport(pudtEntry.SourceLine > 0
                       ? QCoreApplication::translate("basEntryRules", "the source has this entry (line %1), the translation does not").arg(pudtEntry.SourceLine)
                       : QCoreApplication::translate("basEntryRules", "the source has this entry, the translation does not"),
                   RecordIdOf(pudtEntry));
    return false;
}

bool Obsolete(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (!pudtEntry.Obsolete()) return true;
    if (FirstTextOfRecord(pudtEntry))
        pobjReport(QCoreApplication::translate("basEntryRules", "the source has no such entry any more; the application never shows it"),
                   RecordIdOf(pudtEntry));
    return false;
}

// A translation of such a text is lost on save; a source text of it can never be translated (the
// control shows the translation's empty text, or the source's where the application falls back).
bool NotSaved(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (pudtEntry.Storable) return true;
    const QString strLine = pudtEntry.Kind == enuTextKind::Caption ? QCoreApplication::translate("basEntryRules", "no caption line for a \"txt\" control")
                                                                    : QCoreApplication::translate("basEntryRules", "no tool-tip line for an \"mnu\" or \"[cap\" control");
    if (!pudtEntry.Translation.isEmpty()) pobjReport(QCoreApplication::translate("basEntryRules", "core.lrc has %1; this text is lost on save").arg(strLine));
    else if (!pudtEntry.Source.isEmpty())
        pobjReport(QCoreApplication::translate("basEntryRules", "the source has this text, but core.lrc has %1: no translation can carry it (rename the control)").arg(strLine));
    return false;
}

// A text whose source changed since it was translated, as the update or the exchange file said.
bool Review(const udtEntryText&, const clsRuleReport& pobjReport)
{
    const udtTextState& udtState = pobjReport.State();
    if (!udtState.Review) return true;
    pobjReport(!udtState.MovedFrom.isEmpty()
                   ? QCoreApplication::translate("basEntryRules", "carried over from %1 by the update (the control was renamed); review the translation")
                         .arg(udtState.MovedFrom)
                   : udtState.PreviousSource.isEmpty()
                   ? QCoreApplication::translate("basEntryRules", "marked for review; review the translation")
                   : QCoreApplication::translate("basEntryRules", "the source was \"%1\" when this was translated; review the translation")
                         .arg(Shortened(udtState.PreviousSource)));
    return true;
}

bool Untranslated(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (!pudtEntry.Translation.isEmpty()) return true;
    if (!pudtEntry.Source.isEmpty()) pobjReport(QCoreApplication::translate("basEntryRules", "the translation is empty"));
    return false;
}

bool Identical(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (pudtEntry.Source != pudtEntry.Translation) return true;
    // Done: the same on purpose ("OK", a product name).
    if (HasLetter(pudtEntry.Source) && !pobjReport.State().Done) pobjReport(QCoreApplication::translate("basEntryRules", "the translation is the same as the source"));
    return false;  // nothing else can differ
}

// Rules of a translated text.

bool Markers(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    // Only texts that hold a "[#!" pay for the lists.
    if (!HasMarker(pudtEntry.Source) && !HasMarker(pudtEntry.Translation)) return true;
    bool booSourceUnclosed = false, booUnclosed = false;
    MarkerViews strSourceViews = MarkerNameViews(pudtEntry.Source, &booSourceUnclosed);
    MarkerViews strViews = MarkerNameViews(pudtEntry.Translation, &booUnclosed);
    std::sort(strSourceViews.begin(), strSourceViews.end());
    std::sort(strViews.begin(), strViews.end());
    // The same names as a multiset, the usual case, needs no strings made.
    if (strSourceViews != strViews) {
        const QStringList strSourceNames = MarkerNames(pudtEntry.Source), strNames = MarkerNames(pudtEntry.Translation);
        const QStringList strLacking = Without(strSourceNames, strNames), strAdded = Without(strNames, strSourceNames);
        pobjReport(strAdded.isEmpty()     ? QCoreApplication::translate("basEntryRules", "the translation lacks %1; the application replaces the source's markers only")
                                                .arg(MarkerList(strLacking))
                   : strLacking.isEmpty() ? QCoreApplication::translate("basEntryRules", "the translation adds %1; the application replaces the source's markers only")
                                                .arg(MarkerList(strAdded))
                                          : QCoreApplication::translate("basEntryRules", "the translation lacks %1 and adds %2; the application replaces the source's markers only")
                                                .arg(MarkerList(strLacking), MarkerList(strAdded)));
    }
    if (booUnclosed && !booSourceUnclosed)
        pobjReport(QCoreApplication::translate("basEntryRules", "\"[#!\" without its closing \"!#]\": the end user sees the raw marker"));
    return true;
}

bool Accelerator(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (pudtEntry.Kind != enuTextKind::Caption) return true;
    const udtAccessKeys udtSourceKeys = AccessKeys(pudtEntry.Source), udtKeys = AccessKeys(pudtEntry.Translation);
    if (udtSourceKeys.Count == 1 && udtKeys.Count == 0)
        pobjReport(QCoreApplication::translate("basEntryRules", "the source has an access key (%1), the translation has none")
                       .arg(AccessKeyWord(pudtEntry.Source, udtSourceKeys.Position)));
    else if (udtSourceKeys.Count == 1 && udtKeys.Count > 1)
        pobjReport(QCoreApplication::translate("basEntryRules", "the translation has %1 access keys, the source one (%2); write \"&&\" for a plain \"&\"")
                       .arg(udtKeys.Count)
                       .arg(AccessKeyWord(pudtEntry.Source, udtSourceKeys.Position)));
    else if (udtSourceKeys.Count == 0 && udtKeys.Count > 0)
        pobjReport(QCoreApplication::translate("basEntryRules", "the translation has an access key (%1), the source has none; write \"&&\" for a plain \"&\"")
                       .arg(AccessKeyWord(pudtEntry.Translation, udtKeys.Position)));
    return true;
}

bool Length(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (pudtEntry.Kind == enuTextKind::Caption && pudtEntry.Translation.size() > 2 * pudtEntry.Source.size() + 10)
        pobjReport(QCoreApplication::translate("basEntryRules", "the translation has %1 characters, the source %2; it may not fit its control")
                       .arg(pudtEntry.Translation.size())
                       .arg(pudtEntry.Source.size()));
    return true;
}

bool Lines(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    const int32_t lngSourceLines = LineCount(pudtEntry.Source), lngLines = LineCount(pudtEntry.Translation);
    if (lngSourceLines != lngLines)
        pobjReport(QCoreApplication::translate("basEntryRules", "the source has %1 lines, the translation %2").arg(lngSourceLines).arg(lngLines));
    return true;
}

bool Blanks(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    const QStringView strSourceLead = LeadingBlanks(pudtEntry.Source), strLead = LeadingBlanks(pudtEntry.Translation);
    const QStringView strSourceTrail = TrailingBlanks(pudtEntry.Source), strTrail = TrailingBlanks(pudtEntry.Translation);
    if (strSourceLead != strLead)
        pobjReport(QCoreApplication::translate("basEntryRules", "the source begins with %1, the translation with %2")
                       .arg(Described(strSourceLead), Described(strLead)));
    if (strSourceTrail != strTrail)
        pobjReport(QCoreApplication::translate("basEntryRules", "the source ends with %1, the translation with %2")
                       .arg(Described(strSourceTrail), Described(strTrail)));
    return true;
}

bool Punctuation(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    const QString strProblem = EndPunctuationProblem(pudtEntry.Source, pudtEntry.Translation, pobjReport.EndMarks());
    if (!strProblem.isEmpty()) pobjReport(strProblem);
    return true;
}

bool Numbers(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (SameNumbersInOrder(pudtEntry.Source, pudtEntry.Translation)) return true;
    const QStringList strSourceNumbers = SortedNumbers(pudtEntry.Source), strNumbers = SortedNumbers(pudtEntry.Translation);
    const auto Listed = [](const QStringList& s) { return s.isEmpty() ? QStringLiteral("none") : s.join(u' '); };
    if (strSourceNumbers != strNumbers)
        pobjReport(QCoreApplication::translate("basEntryRules", "the source has the numbers %1, the translation %2")
                       .arg(Listed(strSourceNumbers), Listed(strNumbers)));
    return true;
}

bool RepeatedWord(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    std::vector<QString> strFound;
    ForEachRepeatedWord(pudtEntry.Translation, [&](QStringView pstrFirst, QStringView pstrSecond) {
        strFound.push_back(QStringView(pstrFirst.data(), pstrSecond.data() + pstrSecond.size() - pstrFirst.data()).toString());
    });
    if (strFound.empty()) return true;
    bool booSourceRepeats = false;  // "very very" may well become "sehr sehr"
    ForEachRepeatedWord(pudtEntry.Source, [&](QStringView, QStringView) { booSourceRepeats = true; });
    if (!booSourceRepeats)
        for (const QString& strWords : strFound) pobjReport(QCoreApplication::translate("basEntryRules", "a word comes twice in a row: \"%1\"").arg(strWords));
    return true;
}

bool Brackets(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    const udtBracketBalance udtBalance = BracketBalance(pudtEntry.Translation);
    if (udtBalance.Balanced()) return true;
    // The source's own imbalance ("1) Start", ":-)") is the translation's to keep.
    const udtBracketBalance udtSource = BracketBalance(pudtEntry.Source);
    const char* const pstrKinds[3][2] = {{"(", ")"}, {"[", "]"}, {"{", "}"}};
    QStringList strParts;
    const auto Unpaired = [&](int32_t plngCount, const char* pstrMark, const char* pstrPartner) {
        if (plngCount > 0)
            strParts.append(plngCount == 1 ? QCoreApplication::translate("basEntryRules", "a \"%1\" without its \"%2\"").arg(QLatin1StringView(pstrMark), QLatin1StringView(pstrPartner))
                                           : QCoreApplication::translate("basEntryRules", "%1 \"%2\" without their \"%3\"")
                                                 .arg(QString::number(plngCount), QLatin1StringView(pstrMark), QLatin1StringView(pstrPartner)));
    };
    for (int k = 0; k < 3; ++k) {
        if (udtBalance.Open[k] == udtSource.Open[k] && udtBalance.Close[k] == udtSource.Close[k]) continue;
        Unpaired(udtBalance.Open[k], pstrKinds[k][0], pstrKinds[k][1]);
        Unpaired(udtBalance.Close[k], pstrKinds[k][1], pstrKinds[k][0]);
    }
    if (udtBalance.Quotes && !udtSource.Quotes) strParts.append(QCoreApplication::translate("basEntryRules", "a quotation mark without its partner"));
    if (!strParts.isEmpty()) pobjReport(QCoreApplication::translate("basEntryRules", "the translation has ") + strParts.join(QCoreApplication::translate("basEntryRules", " and ")));
    return true;
}

// In the order they run; problems of one text come out in this order.
constexpr udtEntryRule EntryRules[] = {
    {"missing", enuSeverity::Warning, Missing},
    {"obsolete", enuSeverity::Warning, Obsolete},
    {"not-saved", enuSeverity::Error, NotSaved},
    {"review", enuSeverity::Warning, Review},
    {"untranslated", enuSeverity::Warning, Untranslated},
    {"identical", enuSeverity::Info, Identical},
    {"markers", enuSeverity::Error, Markers},
    {"accelerator", enuSeverity::Error, Accelerator},
    {"length", enuSeverity::Warning, Length},
    {"lines", enuSeverity::Warning, Lines},
    {"blanks", enuSeverity::Warning, Blanks},
    {"punctuation", enuSeverity::Warning, Punctuation},
    {"numbers", enuSeverity::Warning, Numbers},
    {"repeated-word", enuSeverity::Warning, RepeatedWord},
    {"brackets", enuSeverity::Warning, Brackets},
};

}  // namespace

void CheckEntryText(enuFileKind penuFile, const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut,
                    const udtTextState* pudtState, const udtEndMarks* pudtEndMarks)
{
    static const udtTextState udtNone;
    const udtTextState& udtState = pudtState ? *pudtState : udtNone;
    for (const udtEntryRule& udtRule : EntryRules)
        if (!udtRule.Check(pudtEntry, clsRuleReport(udtRule, penuFile, pudtEntry, pudtOut, udtState, pudtEndMarks))) return;
}

}  // namespace tralyx
