#pragma once
// What is left to do in one opened table, row by row, measured against its source-language table:
// untranslated, the same as the source, with errors or warnings from the checks. Kept current one
// row at a time as rows are committed, so that the progress figures never need a full pass.
#include "checks/basChecks.h"
#include "checks/clsLayoutFits.h"
#include "memory/clsGlossary.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

namespace tralyx {

enum enuRowState : uint8_t {
    RowUntranslated = 1,  // a text is empty where the source's is not
    RowSameAsSource = 2,  // a text is still the source's own (for review)
    RowError = 4,
    RowWarning = 8,
    RowReview = 16,  // the source changed since the text was translated
};
constexpr uint8_t RowNeedsWork = RowUntranslated | RowSameAsSource | RowError | RowReview;

// What one text of a row says of itself, beside its checks: RowUntranslated, RowSameAsSource
// (not done) and RowReview, as its state (null: none) has it.
uint8_t TextWorkState(const udtEntryText& pudtEntry, const udtTextState* pudtState);

struct udtProgress {
    int32_t Entries = 0;
    int32_t Translated = 0;
    int32_t Errors = 0;
    int32_t Warnings = 0;
    // "Translated 1,203 of 1,250 (96%) · 3 errors · 5 warnings"
    QString Text() const;
};

class clsWorkbenchRows {
public:
    clsWorkbenchRows(enuFileKind penuFile, std::unique_ptr<clsTralyx> pobjSource);
    ~clsWorkbenchRows();

    // Every row of the translation afresh.
    void ComputeAll(const clsTralyx& pobjTranslation);
    // One row again, after it was committed.
    void Update(const clsTralyx& pobjTranslation, qsizetype plngRow);

    uint8_t State(qsizetype plngRow) const { return plngRow >= 0 && plngRow < mudtRows.size() ? mudtRows[plngRow].State : 0; }
    // The row's problems in words, one a line.
    QStringList Problems(qsizetype plngRow) const;
    // Whether one of the source's texts of the row holds pstrText: what the filter searches.
    bool SourceContains(qsizetype plngRow, const QString& pstrText, Qt::CaseSensitivity penuCase) const;
    // Whether pfnMatches accepts one of the row's source texts.
    bool SourceMatches(qsizetype plngRow, const std::function<bool(const QString&)>& pfnMatches) const;
    // The source's main text of the row (the message, the caption), else its other one (the title,
    // the tool-tip); empty when the source lacks the entry.
    QString SourceText(qsizetype plngRow) const;
    // The row's texts paired with the source's.
    std::vector<udtEntryText> Texts(const clsTralyx& pobjTranslation, qsizetype plngRow) const;
    udtProgress Progress() const;
    const clsTralyx& Source() const { return *mobjSource; }
    // What the rows are measured with beyond the texts: the translation's state (review, done; not
    // owned, nullptr: none) and its language code, for the end marks. ComputeAll afterwards.
    void SetRules(const clsTranslationState* pobjState, const QString& pstrLanguage);
    // The glossary whose terms the rows are checked against (not owned; nullptr: none). ComputeAll afterwards.
    void SetGlossary(const clsGlossary* pobjGlossary) { mobjGlossary = pobjGlossary; }
    // The source's layout and the measure of its fonts, for the rule fits (not owned; nullptr:
    // none). ComputeAll afterwards.
    void SetFits(const clsLayoutFits* pobjLayout, clsTextMeasurer* pobjMeasurer)
    {
        mobjFits = pobjLayout;
        mobjMeasurer = pobjMeasurer;
    }
    enuFileKind File() const { return menuFile; }

private:
    struct udtRow {
        uint8_t State = 0;
        int32_t Entries = 0, Translated = 0, Errors = 0, Warnings = 0;
        int32_t SourceRecord = -1;  // the source's record paired with the row
        QStringList Problems;
    };
    int32_t SourceRecord(qsizetype plngRow) const;  // -1: none paired
    void Add(udtRow& pudtRow, const udtEntryText& pudtEntry, std::vector<udtProblem>& pudtScratch) const;
    void Count(const udtRow& pudtRow, int32_t plngSign);

    enuFileKind menuFile;
    const clsTranslationState* mobjState = nullptr;
    const udtEndMarks* mudtEndMarks = nullptr;
    const clsGlossary* mobjGlossary = nullptr;
    const clsLayoutFits* mobjFits = nullptr;
    clsTextMeasurer* mobjMeasurer = nullptr;
    std::unique_ptr<clsTralyx> mobjSource;
    std::unique_ptr<clsSourcePairing> mobjPairing;
    QVector<udtRow> mudtRows;
    udtProgress mudtTotal;  // of the rows, plus the source's entries the translation lacks
};

}  // namespace tralyx
