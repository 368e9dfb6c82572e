// The rules that compare one entry text with its source, one small function each, and the table
// that runs them in order. A rule gets the pair and a report bound to its row (id, severity, file,
// entry) and says only what is wrong; it returns false when its finding settles the entry (one
// side lacks it, the file cannot keep it, it is empty or the source's own text), so the rules
// after it do not run. A new rule is a function and a row.
#include "checks/basChecks.h"

#include <algorithm>

namespace tralyx {
namespace {

struct udtEntryRule;

// What a rule reports lands in the list with its row's id and severity.
class clsRuleReport {
public:
    clsRuleReport(const udtEntryRule& pudtRule, enuFileKind penuFile, const udtEntryText& pudtEntry,
                  std::vector<udtProblem>& pudtOut)
        : mudtRule(pudtRule), menuFile(penuFile), mudtEntry(pudtEntry), mudtOut(pudtOut)
    {
    }
    // pstrEntry: the id the problem names when it is not the text's own.
    void operator()(const QString& pstrMessage, const QString& pstrEntry = QString()) const;

private:
    const udtEntryRule& mudtRule;
    enuFileKind menuFile;
    const udtEntryText& mudtEntry;
    std::vector<udtProblem>& mudtOut;
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
        strParts.append(chr == u'\r' || chr == u'\n' ? QStringLiteral("line break")
                        : chr == u'\t'                ? QStringLiteral("tab")
                        : chr == QChar(0xA0)          ? QStringLiteral("no-break space")
                                                      : QStringLiteral("space"));
    }
    return strParts.join(QStringLiteral(", "));
}

// The ending the punctuation rule keeps: "..." (also "…") or ":" (also the full-width colon).
enum class enuEnding { None, Ellipsis, Colon };
enuEnding EndingOf(QStringView pstrText)
{
    pstrText = pstrText.left(pstrText.size() - TrailingBlanks(pstrText).size());
    if (pstrText.endsWith(u'\u2026') || pstrText.endsWith(QLatin1StringView("..."))) return enuEnding::Ellipsis;
    if (pstrText.endsWith(u':') || pstrText.endsWith(u'\uFF1A')) return enuEnding::Colon;
    return enuEnding::None;
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
    for (const QString& strName : pstrNames) strOut.append(QStringLiteral("[#!") + strName + QStringLiteral("!#]"));
    return strOut.join(QStringLiteral(", "));
}

// The names in pstrOne that pstrOther lacks, each as often as it is missing.
QStringList Without(QStringList pstrOne, const QStringList& pstrOther)
{
    for (const QString& strName : pstrOther) pstrOne.removeOne(strName);
    return pstrOne;
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
                       ? QStringLiteral("the source has this entry (line %1), the translation does not").arg(pudtEntry.SourceLine)
                       : QStringLiteral("the source has this entry, the translation does not"),
                   RecordIdOf(pudtEntry));
    return false;
}

bool Obsolete(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (!pudtEntry.Obsolete()) return true;
    if (FirstTextOfRecord(pudtEntry))
        pobjReport(QStringLiteral("the source has no such entry any more; the application never shows it"),
                   RecordIdOf(pudtEntry));
    return false;
}

bool NotSaved(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (pudtEntry.Storable) return true;
    if (!pudtEntry.Translation.isEmpty())
        pobjReport(pudtEntry.Kind == enuTextKind::Caption
                       ? QStringLiteral("core.lrc has no caption line for a text box; this text is lost on save")
                       : QStringLiteral("core.lrc has no tool-tip line for a menu or a form caption; this text is lost on save"));
    return false;
}

bool Untranslated(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (!pudtEntry.Translation.isEmpty()) return true;
    if (!pudtEntry.Source.isEmpty()) pobjReport(QStringLiteral("the translation is empty"));
    return false;
}

bool Identical(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (pudtEntry.Source != pudtEntry.Translation) return true;
    if (HasLetter(pudtEntry.Source)) pobjReport(QStringLiteral("the translation is the same as the source"));
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
        QStringList strParts;
        if (!strLacking.isEmpty()) strParts.append(QStringLiteral("lacks ") + MarkerList(strLacking));
        if (!strAdded.isEmpty()) strParts.append(QStringLiteral("adds ") + MarkerList(strAdded));
        pobjReport(QStringLiteral("the translation %1; the application replaces the source's markers only")
                       .arg(strParts.join(QStringLiteral(" and "))));
    }
    if (booUnclosed && !booSourceUnclosed)
        pobjReport(QStringLiteral("\"[#!\" without its closing \"!#]\": the end user sees the raw marker"));
    return true;
}

bool Accelerator(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (pudtEntry.Kind != enuTextKind::Caption) return true;
    const udtAccessKeys udtSourceKeys = AccessKeys(pudtEntry.Source), udtKeys = AccessKeys(pudtEntry.Translation);
    if (udtSourceKeys.Count == 1 && udtKeys.Count == 0)
        pobjReport(QStringLiteral("the source has an access key (%1), the translation has none")
                       .arg(AccessKeyWord(pudtEntry.Source, udtSourceKeys.Position)));
    else if (udtSourceKeys.Count == 1 && udtKeys.Count > 1)
        pobjReport(QStringLiteral("the translation has %1 access keys, the source one (%2); write \"&&\" for a plain \"&\"")
                       .arg(udtKeys.Count)
                       .arg(AccessKeyWord(pudtEntry.Source, udtSourceKeys.Position)));
    else if (udtSourceKeys.Count == 0 && udtKeys.Count > 0)
        pobjReport(QStringLiteral("the translation has an access key (%1), the source has none; write \"&&\" for a plain \"&\"")
                       .arg(AccessKeyWord(pudtEntry.Translation, udtKeys.Position)));
    return true;
}

bool Length(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (pudtEntry.Kind == enuTextKind::Caption && pudtEntry.Translation.size() > 2 * pudtEntry.Source.size() + 10)
        pobjReport(QStringLiteral("the translation has %1 characters, the source %2; it may not fit its control")
                       .arg(pudtEntry.Translation.size())
                       .arg(pudtEntry.Source.size()));
    return true;
}

bool Lines(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    const int32_t lngSourceLines = LineCount(pudtEntry.Source), lngLines = LineCount(pudtEntry.Translation);
    if (lngSourceLines != lngLines)
        pobjReport(QStringLiteral("the source has %1 lines, the translation %2").arg(lngSourceLines).arg(lngLines));
    return true;
}

bool Blanks(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    const QStringView strSourceLead = LeadingBlanks(pudtEntry.Source), strLead = LeadingBlanks(pudtEntry.Translation);
    const QStringView strSourceTrail = TrailingBlanks(pudtEntry.Source), strTrail = TrailingBlanks(pudtEntry.Translation);
    if (strSourceLead != strLead)
        pobjReport(QStringLiteral("the source begins with %1, the translation with %2")
                       .arg(Described(strSourceLead), Described(strLead)));
    if (strSourceTrail != strTrail)
        pobjReport(QStringLiteral("the source ends with %1, the translation with %2")
                       .arg(Described(strSourceTrail), Described(strTrail)));
    return true;
}

bool Punctuation(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    const enuEnding enuSource = EndingOf(pudtEntry.Source);
    if (enuSource != enuEnding::None && EndingOf(pudtEntry.Translation) != enuSource)
        pobjReport(enuSource == enuEnding::Ellipsis
                       ? QStringLiteral("the source ends with \"...\" (more input follows), the translation does not")
                       : QStringLiteral("the source ends with \":\", the translation does not"));
    return true;
}

bool Numbers(const udtEntryText& pudtEntry, const clsRuleReport& pobjReport)
{
    if (SameNumbersInOrder(pudtEntry.Source, pudtEntry.Translation)) return true;
    const QStringList strSourceNumbers = SortedNumbers(pudtEntry.Source), strNumbers = SortedNumbers(pudtEntry.Translation);
    const auto Listed = [](const QStringList& s) { return s.isEmpty() ? QStringLiteral("none") : s.join(u' '); };
    if (strSourceNumbers != strNumbers)
        pobjReport(QStringLiteral("the source has the numbers %1, the translation %2")
                       .arg(Listed(strSourceNumbers), Listed(strNumbers)));
    return true;
}

// In the order they run; problems of one text come out in this order.
constexpr udtEntryRule EntryRules[] = {
    {"missing", enuSeverity::Warning, Missing},
    {"obsolete", enuSeverity::Warning, Obsolete},
    {"not-saved", enuSeverity::Error, NotSaved},
    {"untranslated", enuSeverity::Warning, Untranslated},
    {"identical", enuSeverity::Info, Identical},
    {"markers", enuSeverity::Error, Markers},
    {"accelerator", enuSeverity::Error, Accelerator},
    {"length", enuSeverity::Warning, Length},
    {"lines", enuSeverity::Warning, Lines},
    {"blanks", enuSeverity::Warning, Blanks},
    {"punctuation", enuSeverity::Warning, Punctuation},
    {"numbers", enuSeverity::Warning, Numbers},
};

}  // namespace

void CheckEntryText(enuFileKind penuFile, const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut)
{
    for (const udtEntryRule& udtRule : EntryRules)
        if (!udtRule.Check(pudtEntry, clsRuleReport(udtRule, penuFile, pudtEntry, pudtOut))) return;
}

}  // namespace tralyx
