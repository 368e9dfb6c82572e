#include "checks/basChecks.h"

#include "checks/clsTranslationConsistency.h"
#include "common/basTextSyntax.h"
#include "state/basStateIds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QVarLengthArray>
#include <algorithm>

namespace tralyx {
namespace {

// Form and control of "Form.Control.Index".
QStringView FormOf(QStringView pstrPath) { return pstrPath.left(pstrPath.indexOf(u'.')); }
QStringView ControlOf(QStringView pstrPath)
{
    const qsizetype lngFirst = pstrPath.indexOf(u'.'), lngLast = pstrPath.lastIndexOf(u'.');
    return lngFirst < 0 || lngLast <= lngFirst ? QStringView() : pstrPath.mid(lngFirst + 1, lngLast - lngFirst - 1);
}

}  // namespace

bool IsBlank(QChar pchr) { return pchr.isSpace(); }

bool HasMarker(QStringView pstrText) { return NextMarker(pstrText, 0).Found(); }

MarkerViews MarkerNameViews(QStringView pstrText, bool* pbooUnclosed)
{
    MarkerViews strNames;
    if (pbooUnclosed) *pbooUnclosed = false;
    for (udtMarker udtFound = NextMarker(pstrText, 0); udtFound.Found(); udtFound = NextMarker(pstrText, udtFound.End)) {
        if (!udtFound.Closed()) {
            if (pbooUnclosed) *pbooUnclosed = true;
            break;
        }
        strNames.append(udtFound.Name(pstrText));
    }
    return strNames;
}

bool HasLetter(QStringView pstrText)
{
    return std::any_of(pstrText.begin(), pstrText.end(), [](QChar c) { return c.isLetter(); });
}

QString AccessKeyWord(QStringView pstrCaption, qsizetype plngAmpersand)
{
    qsizetype lngStart = plngAmpersand, lngEnd = plngAmpersand + 1;
    while (lngStart > 0 && !IsBlank(pstrCaption[lngStart - 1]) && plngAmpersand - lngStart < 20) --lngStart;
    while (lngEnd < pstrCaption.size() && !IsBlank(pstrCaption[lngEnd]) && lngEnd - plngAmpersand < 20) ++lngEnd;
    return pstrCaption.mid(lngStart, lngEnd - lngStart).toString();
}

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

void clsAccessKeyClashes::Add(const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtOut)
{
    // A later caption clashes with the first one of its form and key, unless their sources share
    // the key too (the translation only kept what it was given).
    if (pudtEntry.Kind != enuTextKind::Caption || pudtEntry.Missing() || pudtEntry.Obsolete()) return;
    const QStringView strControl = ControlOf(pudtEntry.ObjectPath);
    if (strControl.startsWith(u'[') || strControl.startsWith(QLatin1StringView("mnu"), Qt::CaseInsensitive)) return;
    const udtAccessKeys udtKeys = AccessKeys(pudtEntry.Translation);
    if (udtKeys.Count == 0) return;
    // The key "form\nkey" is looked up from the stack: most captions meet a key already there.
    const QStringView strForm = FormOf(pudtEntry.ObjectPath);
    QVarLengthArray<QChar, 64> strKey(strForm.begin(), strForm.end());
    strKey.append(u'\n');
    strKey.append(udtKeys.Key.toLower());
    const QString strLookup = QString::fromRawData(strKey.constData(), strKey.size());
    const auto it = mudtFirst.constFind(strLookup);
    if (it == mudtFirst.constEnd()) {
        mudtFirst.insert(QString(strKey.constData(), strKey.size()), {pudtEntry.Id, pudtEntry.Source, pudtEntry.Translation});
        return;
    }
    const udtAccessKeys udtSourceKeys = AccessKeys(pudtEntry.Source), udtOtherSourceKeys = AccessKeys(it->Source);
    if (udtSourceKeys.Count > 0 && udtOtherSourceKeys.Count > 0 &&
        udtSourceKeys.Key.toLower() == udtOtherSourceKeys.Key.toLower())
        return;
    pudtOut.push_back({QStringLiteral("accelerator-clash"), enuSeverity::Warning, LanguageFileName(enuFileKind::ControlText),
                       pudtEntry.Line, pudtEntry.SourceLine, pudtEntry.Id,
                       QCoreApplication::translate("basChecks", "the access key %1 (%2) is also the one of %3 (%4) on this form")
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

// Runs of characters between blanks that hold a letter or a digit.
int32_t WordCount(QStringView pstrText)
{
    int32_t lngWords = 0;
    bool booCounted = false;  // the current run has been counted
    for (const QChar c : pstrText) {
        if (IsBlank(c)) booCounted = false;
        else if (!booCounted && c.isLetterOrNumber()) {
            ++lngWords;
            booCounted = true;
        }
    }
    return lngWords;
}

void Count(const udtEntryText& pudtEntry, udtTranslatedCount& pudtCount, const udtTextState* pudtState = nullptr)
{
    if (pudtEntry.Obsolete() || !pudtEntry.Storable || pudtEntry.Source.isEmpty()) return;
    ++pudtCount.Entries;
    const bool booReview = !pudtEntry.Missing() && pudtState && pudtState->Review;
    pudtCount.Review += booReview;
    // A text still equal to its source is what the update takes from a new release: not done yet,
    // unless it is the same on purpose. One to review is not done either.
    if (!pudtEntry.Missing() && !pudtEntry.Translation.isEmpty() && !booReview &&
        (pudtEntry.Translation != pudtEntry.Source || !HasLetter(pudtEntry.Source) || (pudtState && pudtState->Done)))
        ++pudtCount.Translated;
    else
        pudtCount.WordsToDo += WordCount(pudtEntry.Source);
}

}  // namespace

udtTranslatedCount& udtTranslatedCount::operator+=(const udtTranslatedCount& pudtOther)
{
    Entries += pudtOther.Entries;
    Translated += pudtOther.Translated;
    Review += pudtOther.Review;
    WordsToDo += pudtOther.WordsToDo;
    return *this;
}

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
                               std::vector<udtProblem>& pudtOut, const ExtraEntryRule& pfnExtraRule,
                               const udtFolderRules& pudtFolder)
{
    udtTranslatedCount udtCount;
    const size_t lngFrom = pudtOut.size();
    std::vector<udtProblem> udtClashes;
    clsAccessKeyClashes objClashes;
    const clsTranslationState* pobjState = pudtFolder.State;
    if (pudtFolder.Consistency)
        pudtFolder.Consistency->Reserve(RecordCount(pobjTranslation, penuFile) * TextsPerRecord(penuFile));
    ForEachEntry(penuFile, pobjSource, pobjTranslation, [&](const udtEntryText& udtEntry) {
        const udtTextState* pudtState = pobjState ? pobjState->Find(penuFile, udtEntry.Key) : nullptr;
        CheckEntryText(penuFile, udtEntry, pudtOut, pudtState, pudtFolder.EndMarks);
        if (pfnExtraRule) pfnExtraRule(penuFile, udtEntry, pudtOut);
        if (pudtFolder.Consistency) pudtFolder.Consistency->Add(penuFile, pobjTranslation, udtEntry);
        if (penuFile == enuFileKind::ControlText) objClashes.Add(udtEntry, udtClashes);
        Count(udtEntry, udtCount, pudtState);
    });
    if (pudtFolder.Consistency) pudtFolder.Consistency->EndFile(penuFile, pobjSource, udtClashes);
    Merged(pudtOut, lngFrom, udtClashes);
    return udtCount;
}

}  // namespace tralyx
