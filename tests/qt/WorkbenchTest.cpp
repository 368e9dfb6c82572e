// The translator's workbench in one editor window: the source beside the translation, row states
// and progress, F8, the filter, and Replace all.
#include "editor/clsTextFind.h"
#include "editor/clsWorkbenchRows.h"
#include "EditorTestSupport.h"
#include "windows/list/clsEditorFilter.h"

#include <QHeaderView>

namespace tralyx::test {
namespace {

using udtBoxes = QList<QPair<QString, QString>>;

// An English table for the fixture's German-like one: row 0 and 1 translated, row 2 not.
std::unique_ptr<clsTralyx> EnglishOf(int32_t plngEditType)
{
    auto objSource = std::make_unique<clsTralyx>();
    switch (plngEditType) {
    case frmMessageEditor::EditMessages:
        objSource->SetMessageTable({{1, Q("Disk is full.\r\nFree space."), Q("Fault [#!n!#]")},
                                    {2, Q("Saved [#!file!#]."), Q("Done")},
                                    {3, Q("Quit now?"), Q("Quit")}});
        break;
    case frmMessageEditor::EditSecondary: objSource->SetSecondaryTable({Q("First"), Q("Two\r\nlines"), Q("Third")}); break;
    default:
        objSource->SetControlTextTable({{Q("frmMain"), Q("mnuFileOpen"), 0, Q("&Open"), Q("Open a file")},
                                        {Q("frmMain"), Q("optKind"), 12, Q("Sort"), Q("Choose\r\none")}});
    }
    return objSource;
}

class clsWorkbenchTest : public clsEditorFixture {
protected:
    std::unique_ptr<frmMessageEditor> OpenWithSource(int32_t plngEditType)
    {
        auto objWindow = Open(plngEditType);
        objWindow->SetSource(EnglishOf(plngEditType));
        return objWindow;
    }
};

TEST_F(clsWorkbenchTest, SourceDockTextsAreLabelledLikeTheBoxesForEachKind)
{
    const struct {
        int32_t EditType;
        int32_t Row;
        udtBoxes Expected;
        QString Column;  // the row's Source column: the main text's English
    } udtCases[] = {
        {frmMessageEditor::EditMessages, 0, {{Q("Title:"), Q("Fault [#!n!#]")}, {Q("Message:"), Q("Disk is full.\r\nFree space.")}},
         Q("Disk is full. \u21B5 Free space.")},
        {frmMessageEditor::EditSecondary, 1, {{Q("Text:"), Q("Two\r\nlines")}}, Q("Two \u21B5 lines")},
        {frmMessageEditor::EditControlText, 1, {{Q("Tool-Tip:"), Q("Choose\r\none")}, {Q("Caption:"), Q("Sort")}}, Q("Sort")},
    };
    for (const auto& udtCase : udtCases) {
        auto frmWindow = OpenWithSource(udtCase.EditType);
        ClickRow(*frmWindow, udtCase.Row);
        EXPECT_EQ(frmWindow->SourceBoxes(), udtCase.Expected) << udtCase.EditType;
        const int intSource = SourceColumn(*frmWindow);
        EXPECT_EQ(Cell(*frmWindow, udtCase.Row, intSource), udtCase.Column) << udtCase.EditType;
        // Seen beside the first column, after the state.
        EXPECT_EQ(List(*frmWindow)->header()->visualIndex(intSource), 2);
        EXPECT_EQ(List(*frmWindow)->header()->visualIndex(StateColumn(*frmWindow)), 0);
        frmWindow->ShowSourceColumn(false);
        EXPECT_TRUE(List(*frmWindow)->header()->isSectionHidden(intSource));
    }
}

TEST_F(clsWorkbenchTest, SortedListCommitsAndStepsOnTheEntriesItShows)
{
    // Row 0 translated, row 1 the same as its source, row 2 untranslated (an empty title).
    const struct {
        int Column;  // 0 title, 1 message, 2 source, 3 state
        int Clicks;  // on its header: 1 ascending, 2 descending, 3 the file's order again
        std::vector<int32_t> Listed;
        int32_t Next;  // 1-based, after Ctrl+Return on the first listed row
    } udtCases[] = {
        {0, 1, {2, 1, 0}, 2}, {0, 2, {0, 1, 2}, 2}, {2, 1, {0, 2, 1}, 3},
        {3, 1, {2, 1, 0}, 2}, {3, 2, {0, 1, 2}, 2}, {2, 3, {0, 1, 2}, 2},
    };
    for (const auto& udtCase : udtCases) {
        SCOPED_TRACE(udtCase.Column * 10 + udtCase.Clicks);
        gobjTextStore->SetMessageTable({{1, Q("Disk full."), Q("Fehler [#!n!#]")}, {2, Q("Saved [#!file!#]."), Q("Done")}, {3, Q("Quit?"), Q("")}});
        auto frmWindow = OpenWithSource(frmMessageEditor::EditMessages);
        QHeaderView* objHeader = List(*frmWindow)->header();
        for (int i = 0; i < udtCase.Clicks; ++i)
            QTest::mouseClick(objHeader->viewport(), Qt::LeftButton, {},
                              QPoint(objHeader->sectionViewportPosition(udtCase.Column) + 5, objHeader->height() / 2));
        std::vector<int32_t> lngListed;
        for (int r = 0; r < 3; ++r) lngListed.push_back(frmWindow->Filter()->EntryOf(r));
        EXPECT_EQ(lngListed, udtCase.Listed);
        const auto udtBefore = gobjTextStore->MessageTable();
        ClickRow(*frmWindow, 0);
        TypeUpper(*frmWindow, Q("!"));
        frmWindow->CommitAndNext();
        for (int32_t i = 0; i < 3; ++i)
            EXPECT_EQ(gobjTextStore->MessageTable()[i].Title == udtBefore[i].Title, i != udtCase.Listed[0]) << i;
        EXPECT_EQ(frmWindow->CurrentItem(), udtCase.Next);  // the next row needing work as listed
        frmWindow->Undo();
        EXPECT_EQ(gobjTextStore->MessageTable(), udtBefore);
    }
}

TEST_F(clsWorkbenchTest, StatesAndProgressFollowCommits)
{
    auto frmWindow = OpenWithSource(frmMessageEditor::EditMessages);
    // Row 1 keeps the source's texts; row 2 has an empty title; row 0 is translated.
    const uint8_t bytStates[] = {0, RowSameAsSource, RowUntranslated};
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(frmWindow->RowState(i), bytStates[i]) << "row " << i;
    EXPECT_EQ(frmWindow->ProgressText(), Q("Translated 3 of 6 (50%) \u00B7 0 errors \u00B7 0 warnings"));

    ClickRow(*frmWindow, 2);
    TypeUpper(*frmWindow, Q("Ende [#!x!#]"));  // a marker the source does not have
    frmWindow->MoveToList();
    EXPECT_TRUE(frmWindow->RowState(2) & RowError);
    EXPECT_FALSE(frmWindow->RowState(2) & RowUntranslated);
    EXPECT_EQ(frmWindow->ProgressText(), Q("Translated 4 of 6 (66%) \u00B7 1 error \u00B7 0 warnings"));
    EXPECT_FALSE(frmWindow->CurrentProblems().isEmpty());
    const QModelIndex objCell = List(*frmWindow)->model()->index(2, StateColumn(*frmWindow));
    EXPECT_FALSE(objCell.data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(objCell.data(Qt::ToolTipRole).toString().contains(Q("Changed, not saved")));
}

TEST_F(clsWorkbenchTest, F8VisitsRowsNeedingWorkAndWraps)
{
    auto frmWindow = OpenWithSource(frmMessageEditor::EditMessages);
    const struct {
        int32_t Step;
        int32_t Expected;  // 1-based current row after the key
    } udtKeys[] = {{1, 2}, {1, 3}, {1, 2}, {-1, 3}, {-1, 2}};
    for (const auto& udtKey : udtKeys) {
        EXPECT_TRUE(frmWindow->GoToNeedsWork(udtKey.Step));
        EXPECT_EQ(frmWindow->CurrentItem(), udtKey.Expected);
    }
}

TEST_F(clsWorkbenchTest, FilterByTextAndStateCountsRows)
{
    auto frmWindow = OpenWithSource(frmMessageEditor::EditMessages);
    const struct {
        QString Text;
        int32_t Show;
        QString Count;
    } udtCases[] = {
        {Q("saved"), clsEditorFilter::ShowAll, Q("1 of 3 rows")},     // the translation, any case
        {Q("quit now"), clsEditorFilter::ShowAll, Q("1 of 3 rows")},  // the source only
        {Q("MSG003"), clsEditorFilter::ShowAll, Q("1 of 3 rows")},    // the id
        {Q(""), clsEditorFilter::ShowNeedsWork, Q("2 of 3 rows")},
        {Q("e"), clsEditorFilter::ShowErrors, Q("0 of 3 rows")},
        {Q(""), clsEditorFilter::ShowDone, Q("1 of 3 rows")},
        {Q(""), clsEditorFilter::ShowAll, Q("3 of 3 rows")},
    };
    for (const auto& udtCase : udtCases) {
        frmWindow->SetFilter(udtCase.Text, udtCase.Show);
        EXPECT_EQ(frmWindow->FilterCountText(), udtCase.Count) << udtCase.Text.toStdString();
    }
}

TEST_F(clsWorkbenchTest, CommitOnFilteredRowChangesThatEntryOnly)
{
    auto frmWindow = OpenWithSource(frmMessageEditor::EditMessages);
    const auto udtBefore = gobjTextStore->MessageTable();
    frmWindow->SetFilter(Q("quit"), clsEditorFilter::ShowAll);  // only the third entry is listed
    ClickRow(*frmWindow, 0);
    EXPECT_EQ(frmWindow->CurrentItem(), 3);
    TypeUpper(*frmWindow, Q("Beenden"));
    frmWindow->MoveToList();
    for (qsizetype i = 0; i < udtBefore.size(); ++i) {
        const bool booChanged = gobjTextStore->MessageTable()[i].Title != udtBefore[i].Title;
        EXPECT_EQ(booChanged, i == 2) << i;
    }
    EXPECT_EQ(Cell(*frmWindow, 0, 0), Q("Beenden"));
}

TEST_F(clsWorkbenchTest, ReplaceAllAsksWithItsCountAndCommitsWithoutSaving)
{
    auto frmWindow = OpenWithSource(frmMessageEditor::EditSecondary);
    const struct {
        int32_t Answer;
        QStringList Expected;
    } udtCases[] = {
        {vbNo, {Q("First entry"), Q("Two\r\nlines"), Q("Third")}},
        {vbYes, {Q("Fxrst entry"), Q("Two\r\nlxnes"), Q("Thxrd")}},
    };
    for (const auto& udtCase : udtCases) {
        mobjDesktop.Expect(Q("Replace all will change 3 entries. The changes are not saved until you save the file.\r\n"
                             "Do you want to replace?"),
                           vbQuestion + vbYesNo, Q("Replace all"), udtCase.Answer);
        EXPECT_EQ(frmWindow->ReplaceAll(clsTextFind(Q("I"), false, false), Q("x")), udtCase.Answer == vbYes ? 3 : 0);
        EXPECT_EQ(gobjTextStore->SecondaryTable(), udtCase.Expected);
        EXPECT_EQ(frmWindow->DataChanged(), udtCase.Answer == vbYes);
    }
    EXPECT_EQ(LowerBox(*frmWindow)->toPlainText(), Q("Fxrst entry"));  // the selected row shows its new text
    EXPECT_FALSE(frmWindow->ItemChanged());
}

TEST_F(clsWorkbenchTest, WithoutSourceTheWindowIsAsBefore)
{
    const struct {
        QString Folder;
        bool Note;
    } udtCases[] = {{QString(), false}, {Q("/no/such/English"), true}};
    for (const auto& udtCase : udtCases) {
        auto frmWindow = Open(frmMessageEditor::EditMessages);
        EXPECT_EQ(frmWindow->LoadSource(udtCase.Folder).isEmpty(), !udtCase.Note);
        EXPECT_FALSE(frmWindow->HasSource());
        EXPECT_TRUE(frmWindow->ProgressText().isEmpty());
        EXPECT_FALSE(List(*frmWindow)->model()->index(0, 0).data(Qt::DecorationRole).isValid());
        EXPECT_EQ(List(*frmWindow)->model()->columnCount(), 2);  // the table's columns only
        EXPECT_FALSE(frmWindow->GoToNeedsWork(1));
    }
}

}  // namespace
}  // namespace tralyx::test
