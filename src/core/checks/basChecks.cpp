#include "checks/basChecks.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QVarLengthArray>
#include <algorithm>

namespace tralyx {
namespace {

// UTF-16 like the texts: a Latin-1 needle is converted on every search, which was a tenth of a lint.
constexpr QStringView MarkerOpen = u"[#!";
constexpr QStringView MarkerClose = u"!#]";

// Where pstrNeedle starts at or after plngFrom, or -1. Qt's search goes through its general
// machinery for every text; a marker is three characters.
qsizetype IndexOfMark(QStringView pstrText, QStringView pstrNeedle, qsizetype plngFrom)
{
    const char16_t *pText = pstrText.utf16(), *pNeedle = pstrNeedle.utf16();
    const qsizetype lngLast = pstrText.size() - pstrNeedle.size();
    for (qsizetype i = plngFrom; i <= lngLast; ++i)
        if (pText[i] == pNeedle[0] && std::equal(pNeedle + 1, pNeedle + pstrNeedle.size(), pText + i + 1)) return i;
    return -1;
}

// The names between the markers of a text, as views into it.
using MarkerViews = QVarLengthArray<QStringView, 8>;
MarkerViews MarkerNameViews(QStringView pstrText, bool* pbooUnclosed)
{
    MarkerViews strNames;
    if (pbooUnclosed) *pbooUnclosed = false;
    for (qsizetype lngFrom = 0;;) {
        const qsizetype lngOpen = IndexOfMark(pstrText, MarkerOpen, lngFrom);
        if (lngOpen < 0) break;
        const qsizetype lngClose = IndexOfMark(pstrText, MarkerClose, lngOpen + MarkerOpen.size());
        if (lngClose < 0) {
            if (pbooUnclosed) *pbooUnclosed = true;
            break;
        }
        strNames.append(pstrText.mid(lngOpen + MarkerOpen.size(), lngClose - lngOpen - MarkerOpen.size()));
        lngFrom = lngClose + MarkerClose.size();
    }
    return strNames;
}

bool IsBlank(QChar pchr) { return pchr.isSpace(); }  // also CR, LF, tab and no-break space

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
QStringList Numbers(QStringView pstrText)
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

bool HasLetter(QStringView pstrText)
{
    return std::any_of(pstrText.begin(), pstrText.end(), [](QChar c) { return c.isLetter(); });
}

// The word that holds a caption's access key, to show where it is: "&New".
QString AccessKeyWord(QStringView pstrCaption, qsizetype plngAmpersand)
{
    qsizetype lngStart = plngAmpersand, lngEnd = plngAmpersand + 1;
    while (lngStart > 0 && !IsBlank(pstrCaption[lngStart - 1]) && plngAmpersand - lngStart < 20) --lngStart;
    while (lngEnd < pstrCaption.size() && !IsBlank(pstrCaption[lngEnd]) && lngEnd - plngAmpersand < 20) ++lngEnd;
    return pstrCaption.mid(lngStart, lngEnd - lngStart).toString();
}

QString MarkerList(const QStringList& pstrNames)
{
    QStringList strOut;
    for (const QString& strName : pstrNames) strOut.append(MarkerOpen.toString() + strName + MarkerClose.toString());
    return strOut.join(QStringLiteral(", "));
}

// The names in pstrOne that pstrOther lacks, each as often as it is missing.
QStringList Without(QStringList pstrOne, const QStringList& pstrOther)
{
    for (const QString& strName : pstrOther) pstrOne.removeOne(strName);
    return pstrOne;
}

// Form and control of "Form.Control.Index".
QStringView FormOf(QStringView pstrPath) { return pstrPath.left(pstrPath.indexOf(u'.')); }
QStringView ControlOf(QStringView pstrPath)
{
    const qsizetype lngFirst = pstrPath.indexOf(u'.'), lngLast = pstrPath.lastIndexOf(u'.');
    return lngFirst < 0 || lngLast <= lngFirst ? QStringView() : pstrPath.mid(lngFirst + 1, lngLast - lngFirst - 1);
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

}  // namespace

QString SeverityName(enuSeverity penuSeverity)
{
    switch (penuSeverity) {
    case enuSeverity::Error: return QStringLiteral("error");
    case enuSeverity::Warning: return QStringLiteral("warning");
    case enuSeverity::Info: break;
    }
    return QStringLiteral("info");
}

QStringList MarkerNames(QStringView pstrText, bool* pbooUnclosed)
{
    QStringList strNames;
    for (const QStringView strName : MarkerNameViews(pstrText, pbooUnclosed)) strNames.append(strName.toString());
    return strNames;
}

udtAccessKeys AccessKeys(QStringView pstrCaption)
{
    udtAccessKeys udtKeys;
    for (qsizetype i = 0; i + 1 < pstrCaption.size(); ++i) {
        if (pstrCaption[i] != u'&') continue;
        if (pstrCaption[i + 1] == u'&') {
            ++i;  // a literal "&"
            continue;
        }
        if (udtKeys.Count++ == 0) {
            udtKeys.Key = pstrCaption[i + 1];
            udtKeys.Position = i;
        }
    }
    return udtKeys;
}

bool IsCaptionWithAccessKey(const udtEntryText& pudtEntry)
{
    return pudtEntry.Kind == enuTextKind::Caption && AccessKeys(pudtEntry.Source).Count > 0;
}

int32_t LineCount(QStringView pstrText)
{
    int32_t lngLines = 1;
    const char16_t *p = pstrText.utf16(), *pEnd = p + pstrText.size();
    for (; p < pEnd; ++p) {
        if (*p > u'\r') continue;  // most characters, at one comparison
        if (*p == u'\r') {
            if (p + 1 < pEnd && p[1] == u'\n') ++p;
            ++lngLines;
        } else if (*p == u'\n') {
            ++lngLines;
        }
    }
    return lngLines;
}

void CheckEntryText(enuFileKind penuFile, const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut)
{
    const auto Report = [&](const char* pstrRule, enuSeverity penuSeverity, const QString& pstrMessage,
                            const QString& pstrEntry = QString()) {
        pudtOut.push_back({QLatin1StringView(pstrRule), penuSeverity, LanguageFileName(penuFile), pudtEntry.Line,
                           pudtEntry.SourceLine, pstrEntry.isEmpty() ? pudtEntry.Id : pstrEntry, pstrMessage});
    };
    if (pudtEntry.Missing() || pudtEntry.Obsolete()) {
        if (!FirstTextOfRecord(pudtEntry)) return;
        if (pudtEntry.Missing())
            Report("missing", enuSeverity::Warning,
                   pudtEntry.SourceLine > 0
                       ? QStringLiteral("the source has this entry (line %1), the translation does not").arg(pudtEntry.SourceLine)
                       : QStringLiteral("the source has this entry, the translation does not"),
                   RecordIdOf(pudtEntry));
        else
            Report("obsolete", enuSeverity::Warning,
                   QStringLiteral("the source has no such entry any more; the application never shows it"),
                   RecordIdOf(pudtEntry));
        return;
    }
    const QString& strSource = pudtEntry.Source;
    const QString& strTranslation = pudtEntry.Translation;
    if (!pudtEntry.Storable) {
        if (!strTranslation.isEmpty())
            Report("not-saved", enuSeverity::Error,
                   pudtEntry.Kind == enuTextKind::Caption
                       ? QStringLiteral("core.lrc has no caption line for a text box; this text is lost on save")
                       : QStringLiteral("core.lrc has no tool-tip line for a menu or a form caption; this text is lost on save"));
        return;
    }
    if (strTranslation.isEmpty()) {
        if (!strSource.isEmpty())
            Report("untranslated", enuSeverity::Warning, QStringLiteral("the translation is empty"));
        return;
    }
    if (strSource == strTranslation) {
        if (HasLetter(strSource))
            Report("identical", enuSeverity::Info, QStringLiteral("the translation is the same as the source"));
        return;  // nothing else can differ
    }

    // markers: only texts that hold a "[#!" pay for the lists.
    if (IndexOfMark(strSource, MarkerOpen, 0) >= 0 || IndexOfMark(strTranslation, MarkerOpen, 0) >= 0) {
        bool booSourceUnclosed = false, booUnclosed = false;
        MarkerViews strSourceViews = MarkerNameViews(strSource, &booSourceUnclosed);
        MarkerViews strViews = MarkerNameViews(strTranslation, &booUnclosed);
        std::sort(strSourceViews.begin(), strSourceViews.end());
        std::sort(strViews.begin(), strViews.end());
        // The same names as a multiset, the usual case, needs no strings made.
        if (strSourceViews != strViews) {
            const QStringList strSourceNames = MarkerNames(strSource), strNames = MarkerNames(strTranslation);
            const QStringList strLacking = Without(strSourceNames, strNames), strAdded = Without(strNames, strSourceNames);
            QStringList strParts;
            if (!strLacking.isEmpty()) strParts.append(QStringLiteral("lacks ") + MarkerList(strLacking));
            if (!strAdded.isEmpty()) strParts.append(QStringLiteral("adds ") + MarkerList(strAdded));
            Report("markers", enuSeverity::Error,
                   QStringLiteral("the translation %1; the application replaces the source's markers only")
                       .arg(strParts.join(QStringLiteral(" and "))));
        }
        if (booUnclosed && !booSourceUnclosed)
            Report("markers", enuSeverity::Error,
                   QStringLiteral("\"[#!\" without its closing \"!#]\": the end user sees the raw marker"));
    }

    if (pudtEntry.Kind == enuTextKind::Caption) {
        const udtAccessKeys udtSourceKeys = AccessKeys(strSource), udtKeys = AccessKeys(strTranslation);
        if (udtSourceKeys.Count == 1 && udtKeys.Count == 0)
            Report("accelerator", enuSeverity::Error,
                   QStringLiteral("the source has an access key (%1), the translation has none")
                       .arg(AccessKeyWord(strSource, udtSourceKeys.Position)));
        else if (udtSourceKeys.Count == 1 && udtKeys.Count > 1)
            Report("accelerator", enuSeverity::Error,
                   QStringLiteral("the translation has %1 access keys, the source one (%2); write \"&&\" for a plain \"&\"")
                       .arg(udtKeys.Count)
                       .arg(AccessKeyWord(strSource, udtSourceKeys.Position)));
        else if (udtSourceKeys.Count == 0 && udtKeys.Count > 0)
            Report("accelerator", enuSeverity::Error,
                   QStringLiteral("the translation has an access key (%1), the source has none; write \"&&\" for a plain \"&\"")
                       .arg(AccessKeyWord(strTranslation, udtKeys.Position)));
        if (strTranslation.size() > 2 * strSource.size() + 10)
            Report("length", enuSeverity::Warning,
                   QStringLiteral("the translation has %1 characters, the source %2; it may not fit its control")
                       .arg(strTranslation.size())
                       .arg(strSource.size()));
    }

    if (const int32_t lngSourceLines = LineCount(strSource), lngLines = LineCount(strTranslation); lngSourceLines != lngLines)
        Report("lines", enuSeverity::Warning,
               QStringLiteral("the source has %1 lines, the translation %2").arg(lngSourceLines).arg(lngLines));

    const QStringView strSourceLead = LeadingBlanks(strSource), strLead = LeadingBlanks(strTranslation);
    const QStringView strSourceTrail = TrailingBlanks(strSource), strTrail = TrailingBlanks(strTranslation);
    if (strSourceLead != strLead)
        Report("blanks", enuSeverity::Warning,
               QStringLiteral("the source begins with %1, the translation with %2").arg(Described(strSourceLead), Described(strLead)));
    if (strSourceTrail != strTrail)
        Report("blanks", enuSeverity::Warning,
               QStringLiteral("the source ends with %1, the translation with %2").arg(Described(strSourceTrail), Described(strTrail)));

    if (const enuEnding enuSource = EndingOf(strSource); enuSource != enuEnding::None && EndingOf(strTranslation) != enuSource)
        Report("punctuation", enuSeverity::Warning,
               enuSource == enuEnding::Ellipsis
                   ? QStringLiteral("the source ends with \"...\" (more input follows), the translation does not")
                   : QStringLiteral("the source ends with \":\", the translation does not"));

    if (!SameNumbersInOrder(strSource, strTranslation)) {
        const QStringList strSourceNumbers = Numbers(strSource), strNumbers = Numbers(strTranslation);
        const auto Listed = [](const QStringList& s) { return s.isEmpty() ? QStringLiteral("none") : s.join(u' '); };
        if (strSourceNumbers != strNumbers)
            Report("numbers", enuSeverity::Warning,
                   QStringLiteral("the source has the numbers %1, the translation %2")
                       .arg(Listed(strSourceNumbers), Listed(strNumbers)));
    }
}

void clsAccessKeyClashes::Add(const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut)
{
    // A later caption clashes with the first one of its form and key, unless their sources share
    // the key too (the translation only kept what it was given).
    if (pudtEntry.Kind != enuTextKind::Caption || pudtEntry.Missing() || pudtEntry.Obsolete()) return;
    const QStringView strControl = ControlOf(pudtEntry.ObjectPath);
    if (strControl.startsWith(u'[') || strControl.startsWith(QLatin1StringView("mnu"), Qt::CaseInsensitive)) return;
    const udtAccessKeys udtKeys = AccessKeys(pudtEntry.Translation);
    if (udtKeys.Count == 0) return;
    const QString strKey = FormOf(pudtEntry.ObjectPath).toString() + u'\n' + udtKeys.Key.toLower();
    const auto it = mudtFirst.constFind(strKey);
    if (it == mudtFirst.constEnd()) {
        mudtFirst.insert(strKey, {pudtEntry.Id, pudtEntry.Source, pudtEntry.Translation});
        return;
    }
    const udtAccessKeys udtSourceKeys = AccessKeys(pudtEntry.Source), udtOtherSourceKeys = AccessKeys(it->Source);
    if (udtSourceKeys.Count > 0 && udtOtherSourceKeys.Count > 0 &&
        udtSourceKeys.Key.toLower() == udtOtherSourceKeys.Key.toLower())
        return;
    pudtOut.push_back({QStringLiteral("accelerator-clash"), enuSeverity::Warning, LanguageFileName(enuFileKind::ControlText),
                       pudtEntry.Line, pudtEntry.SourceLine, pudtEntry.Id,
                       QStringLiteral("the access key %1 (%2) is also the one of %3 (%4) on this form")
                           .arg(QString(udtKeys.Key), AccessKeyWord(pudtEntry.Translation, udtKeys.Position), it->Id,
                                AccessKeyWord(it->Translation, AccessKeys(it->Translation).Position))});
}

void CheckFileEntries(enuFileKind penuFile, const std::vector<udtEntryText>& pudtEntries,
                      std::vector<udtProblem>& pudtOut)
{
    if (penuFile != enuFileKind::ControlText) return;
    clsAccessKeyClashes objClashes;
    for (const udtEntryText& udtEntry : pudtEntries) objClashes.Add(udtEntry, pudtOut);
}

namespace {

// The clashes found in the same pass go back into the translation's order; entries only the source
// has (line 0) stay last.
void Merged(std::vector<udtProblem>& pudtOut, size_t plngFrom, std::vector<udtProblem>& pudtClashes)
{
    if (pudtClashes.empty()) return;
    pudtOut.insert(pudtOut.end(), std::make_move_iterator(pudtClashes.begin()), std::make_move_iterator(pudtClashes.end()));
    std::stable_sort(pudtOut.begin() + static_cast<std::ptrdiff_t>(plngFrom), pudtOut.end(), [](const udtProblem& a, const udtProblem& b) {
        return (a.Line == 0 ? INT32_MAX : a.Line) < (b.Line == 0 ? INT32_MAX : b.Line);
    });
}

void Count(const udtEntryText& pudtEntry, udtTranslatedCount& pudtCount)
{
    if (pudtEntry.Obsolete() || !pudtEntry.Storable || pudtEntry.Source.isEmpty()) return;
    ++pudtCount.Entries;
    // A text still equal to its source is what the update takes from a new release: not done yet.
    if (!pudtEntry.Missing() && !pudtEntry.Translation.isEmpty() &&
        (pudtEntry.Translation != pudtEntry.Source || !HasLetter(pudtEntry.Source)))
        ++pudtCount.Translated;
}

}  // namespace

std::vector<udtProblem> CheckFile(enuFileKind penuFile, const std::vector<udtEntryText>& pudtEntries)
{
    std::vector<udtProblem> udtOut, udtClashes;
    for (const udtEntryText& udtEntry : pudtEntries) CheckEntryText(penuFile, udtEntry, udtOut);
    CheckFileEntries(penuFile, pudtEntries, udtClashes);
    Merged(udtOut, 0, udtClashes);
    return udtOut;
}

udtTranslatedCount CountTranslated(const std::vector<udtEntryText>& pudtEntries)
{
    udtTranslatedCount udtCount;
    for (const udtEntryText& udtEntry : pudtEntries) Count(udtEntry, udtCount);
    return udtCount;
}

udtTranslatedCount CheckTables(enuFileKind penuFile, const clsTralyx& pobjSource, const clsTralyx& pobjTranslation,
                               std::vector<udtProblem>& pudtOut)
{
    udtTranslatedCount udtCount;
    const size_t lngFrom = pudtOut.size();
    std::vector<udtProblem> udtClashes;
    clsAccessKeyClashes objClashes;
    ForEachEntry(penuFile, pobjSource, pobjTranslation, [&](const udtEntryText& udtEntry) {
        CheckEntryText(penuFile, udtEntry, pudtOut);
        if (penuFile == enuFileKind::ControlText) objClashes.Add(udtEntry, udtClashes);
        Count(udtEntry, udtCount);
    });
    Merged(pudtOut, lngFrom, udtClashes);
    return udtCount;
}

QString DefaultSourceFolder(const QString& pstrFolder)
{
    // The sibling keeps the form the folder was given in (relative stays relative), for messages.
    const QDir objParent(QDir::cleanPath(pstrFolder + QStringLiteral("/..")));
    const QString strSelf = QFileInfo(pstrFolder).canonicalFilePath();
    for (const QString& strName : objParent.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (strName.compare(QLatin1StringView("English"), Qt::CaseInsensitive) != 0) continue;
        const QString strCandidate = QDir::cleanPath(objParent.path() + u'/' + strName);
        if (QFileInfo(strCandidate).canonicalFilePath() != strSelf) return strCandidate;
    }
    return QString();
}

}  // namespace tralyx
