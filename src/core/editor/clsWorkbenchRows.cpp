#include "editor/clsWorkbenchRows.h"

#include "common/basApplication.h"

#include <QCoreApplication>

namespace tralyx {

QString udtProgress::Text() const
{
    const QLocale objLocale = App::TextLocale();
    const int32_t lngPercent = Entries > 0 ? int32_t(qint64(Translated) * 100 / Entries) : 100;
    const QString strErrors = Errors == 1 ? QCoreApplication::translate("udtProgress", "1 error")
                                          : QCoreApplication::translate("udtProgress", "%1 errors").arg(objLocale.toString(Errors));
    const QString strWarnings = Warnings == 1 ? QCoreApplication::translate("udtProgress", "1 warning")
                                              : QCoreApplication::translate("udtProgress", "%1 warnings").arg(objLocale.toString(Warnings));
    return QCoreApplication::translate("udtProgress", "Translated %1 of %2 (%3%)")
               .arg(objLocale.toString(Translated), objLocale.toString(Entries), QString::number(lngPercent)) +
           QStringLiteral(" \u00B7 ") + strErrors + QStringLiteral(" \u00B7 ") + strWarnings;
}

clsWorkbenchRows::clsWorkbenchRows(enuFileKind penuFile, std::unique_ptr<clsTralyx> pobjSource)
    : menuFile(penuFile), mobjSource(std::move(pobjSource)),
      mobjPairing(std::make_unique<clsSourcePairing>(penuFile, *mobjSource))
{
}

clsWorkbenchRows::~clsWorkbenchRows() = default;

void clsWorkbenchRows::SetRules(const clsTranslationState* pobjState, const QString& pstrLanguage)
{
    mobjState = pobjState;
    mudtEndMarks = pstrLanguage.isEmpty() ? nullptr : EndMarksOf(pstrLanguage);
}

uint8_t TextWorkState(const udtEntryText& pudtEntry, const udtTextState* pudtState)
{
    uint8_t lngState = pudtState && pudtState->Review && !pudtEntry.Translation.isEmpty() ? RowReview : 0;
    if (pudtEntry.Source.isEmpty() || !pudtEntry.Storable) return lngState;
    if (pudtEntry.Translation.isEmpty()) lngState |= RowUntranslated;
    else if (pudtEntry.Translation == pudtEntry.Source && !(pudtState && pudtState->Done)) lngState |= RowSameAsSource;
    return lngState;
}

void clsWorkbenchRows::Add(udtRow& pudtRow, const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtScratch) const
{
    if (pudtRow.SourceRecord < 0) pudtRow.SourceRecord = pudtEntry.SourceRecord;
    const udtTextState* pudtState = mobjState ? mobjState->Find(menuFile, pudtEntry.Key) : nullptr;
    const uint8_t lngText = TextWorkState(pudtEntry, pudtState);
    pudtRow.State |= lngText;
    if (!pudtEntry.Source.isEmpty() && pudtEntry.Storable) {
        ++pudtRow.Entries;
        if (lngText == 0) ++pudtRow.Translated;
    }
    pudtScratch.clear();
    CheckEntryText(menuFile, pudtEntry, pudtScratch, pudtState, mudtEndMarks);
    if (mobjGlossary) CheckGlossary(*mobjGlossary, menuFile, pudtEntry, pudtScratch);
    if (mobjFits && mobjMeasurer) CheckFits(*mobjFits, *mobjMeasurer, menuFile, pudtEntry, pudtScratch);
    for (const udtProblem& udtFound : pudtScratch) {
        // Emptiness, sameness and review have their own states and figures; the other rules are counted.
        if (udtFound.Rule == QLatin1String("untranslated") || udtFound.Rule == QLatin1String("identical") ||
            udtFound.Rule == QLatin1String("review"))
            continue;
        if (udtFound.Severity == enuSeverity::Error) {
            ++pudtRow.Errors;
            pudtRow.State |= RowError;
        } else if (udtFound.Severity == enuSeverity::Warning) {
            ++pudtRow.Warnings;
            pudtRow.State |= RowWarning;
        }
        pudtRow.Problems << SeverityName(udtFound.Severity) + QStringLiteral(" (") + udtFound.Rule +
                                QStringLiteral("): ") + udtFound.Message;
    }
}

void clsWorkbenchRows::Count(const udtRow& pudtRow, int32_t plngSign)
{
    mudtTotal.Entries += plngSign * pudtRow.Entries;
    mudtTotal.Translated += plngSign * pudtRow.Translated;
    mudtTotal.Errors += plngSign * pudtRow.Errors;
    mudtTotal.Warnings += plngSign * pudtRow.Warnings;
}

void clsWorkbenchRows::ComputeAll(const clsTralyx& pobjTranslation)
{
    qsizetype lngRows = 0;
    switch (menuFile) {
    case enuFileKind::ControlText: lngRows = pobjTranslation.ControlTextTable().size(); break;
    case enuFileKind::Messages: lngRows = pobjTranslation.MessageTable().size(); break;
    case enuFileKind::Secondary: lngRows = pobjTranslation.SecondaryTable().size(); break;
    }
    mudtRows.fill(udtRow(), lngRows);
    mudtTotal = udtProgress();
    udtRow udtLacking;  // entries only the source has: they count as not translated
    std::vector<udtProblem> udtScratch;
    ForEachEntry(menuFile, *mobjSource, pobjTranslation, [&](const udtEntryText& pudtEntry) {
        if (pudtEntry.Record >= 0 && pudtEntry.Record < lngRows) Add(mudtRows[pudtEntry.Record], pudtEntry, udtScratch);
        else if (!pudtEntry.Source.isEmpty() && pudtEntry.Storable) ++udtLacking.Entries;
    });
    for (const udtRow& udtEach : std::as_const(mudtRows)) Count(udtEach, 1);
    Count(udtLacking, 1);
}

void clsWorkbenchRows::Update(const clsTralyx& pobjTranslation, qsizetype plngRow)
{
    if (plngRow < 0 || plngRow >= mudtRows.size()) return;
    Count(mudtRows[plngRow], -1);
    udtRow udtNew;
    std::vector<udtProblem> udtScratch;
    for (const udtEntryText& udtEntry : mobjPairing->Record(pobjTranslation, plngRow)) Add(udtNew, udtEntry, udtScratch);
    mudtRows[plngRow] = std::move(udtNew);
    Count(mudtRows[plngRow], 1);
}

QStringList clsWorkbenchRows::Problems(qsizetype plngRow) const
{
    return plngRow >= 0 && plngRow < mudtRows.size() ? mudtRows[plngRow].Problems : QStringList();
}

bool clsWorkbenchRows::SourceContains(qsizetype plngRow, const QString& pstrText, Qt::CaseSensitivity penuCase) const
{
    return SourceMatches(plngRow, [&](const QString& pstrSource) { return pstrSource.contains(pstrText, penuCase); });
}

bool clsWorkbenchRows::SourceMatches(qsizetype plngRow, const std::function<bool(const QString&)>& pfnMatches) const
{
    const int32_t lngAt = SourceRecord(plngRow);
    if (lngAt < 0) return false;
    switch (menuFile) {
    case enuFileKind::ControlText: {
        if (lngAt >= mobjSource->ControlTextTable().size()) return false;
        const ControlTextItem& udtItem = mobjSource->ControlTextTable()[lngAt];
        return pfnMatches(udtItem.Caption) || pfnMatches(udtItem.ToolTip);
    }
    case enuFileKind::Messages: {
        if (lngAt >= mobjSource->MessageTable().size()) return false;
        const MessageItem& udtItem = mobjSource->MessageTable()[lngAt];
        return pfnMatches(udtItem.Title) || pfnMatches(udtItem.Message);
    }
    case enuFileKind::Secondary:
        return lngAt < mobjSource->SecondaryTable().size() && pfnMatches(mobjSource->SecondaryTable()[lngAt]);
    }
    return false;
}

int32_t clsWorkbenchRows::SourceRecord(qsizetype plngRow) const
{
    return plngRow >= 0 && plngRow < mudtRows.size() ? mudtRows[plngRow].SourceRecord : -1;
}

QString clsWorkbenchRows::SourceText(qsizetype plngRow) const
{
    const int32_t lngAt = SourceRecord(plngRow);
    if (lngAt < 0) return QString();
    switch (menuFile) {
    case enuFileKind::ControlText: {
        if (lngAt >= mobjSource->ControlTextTable().size()) return QString();
        const ControlTextItem& udtItem = mobjSource->ControlTextTable()[lngAt];
        return udtItem.Caption.isEmpty() ? udtItem.ToolTip : udtItem.Caption;
    }
    case enuFileKind::Messages: {
        if (lngAt >= mobjSource->MessageTable().size()) return QString();
        const MessageItem& udtItem = mobjSource->MessageTable()[lngAt];
        return udtItem.Message.isEmpty() ? udtItem.Title : udtItem.Message;
    }
    case enuFileKind::Secondary: break;
    }
    return lngAt < mobjSource->SecondaryTable().size() ? mobjSource->SecondaryTable()[lngAt] : QString();
}

std::vector<udtEntryText> clsWorkbenchRows::Texts(const clsTralyx& pobjTranslation, qsizetype plngRow) const
{
    return mobjPairing->Record(pobjTranslation, plngRow);
}

udtProgress clsWorkbenchRows::Progress() const { return mudtTotal; }

}  // namespace tralyx
