// The translator's state and help in an editor window: review and done rows, notes saved beside the
// file, the memory's suggestions (Ctrl+1..5, Ctrl+B), Fill from Memory and the spelling marks.
#include "editor/clsWorkbenchRows.h"
#include "EditorTestSupport.h"
#include "windows/list/clsEditorFilter.h"
#include "spelling/clsSpeller.h"
#include "state/clsTranslationState.h"

#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextLayout>
#include <QUndoStack>

namespace tralyx::test {
namespace {

// Beside the fixture's messages: row 0 translated, row 1 the same as its English, row 2 half empty.
std::unique_ptr<clsTralyx> English()
{
    auto objSource = std::make_unique<clsTralyx>();
    objSource->SetMessageTable({{1, Q("Disk is full.\r\nFree space."), Q("Fault [#!n!#]")},
                                {2, Q("Saved [#!file!#]."), Q("Done")},
                                {3, Q("Quit now?"), Q("Quit")}});
    return objSource;
}

class clsWorkbenchStateTest : public clsEditorFixture {
protected:
    QString File() const { return mobjDir.Path(Q("German/messages.lrc")); }
    QString StateFile() const { return mobjDir.Path(Q("German/translation-state.json")); }
    std::unique_ptr<frmMessageEditor> OpenGerman(const QByteArray& pbytState = {})
    {
        QDir().mkpath(mobjDir.Path(Q("German")));
        if (!pbytState.isEmpty()) mobjDir.Write(Q("German/translation-state.json"), pbytState);
        auto objWindow = Open(frmMessageEditor::EditMessages, File());
        objWindow->SetSource(English());
        mstrStateProblem = objWindow->LoadState();
        return objWindow;
    }
    void PressInBox(frmMessageEditor& pfrmWindow, Qt::Key penuKey)
    {
        pfrmWindow.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&pfrmWindow));
        LowerBox(pfrmWindow)->setFocus();
        QTest::keyClick(LowerBox(pfrmWindow), penuKey, Qt::ControlModifier);
    }
    QString mstrStateProblem;
};

const QByteArray ReviewOfRow0 =
    R"({"tralyx-translation-state": 1, "files": {"messages.lrc": [{"id": "MSG001", "review": "Disk was full."}]}})";

TEST_F(clsWorkbenchStateTest, ReviewRowNeedsWorkUntilCommittedAndUndoBringsItBack)
{
    auto frmWindow = OpenGerman(ReviewOfRow0);
    EXPECT_TRUE(mstrStateProblem.isEmpty()) << mstrStateProblem.toStdString();
    EXPECT_TRUE(frmWindow->RowState(0) & RowReview);
    EXPECT_TRUE(List(*frmWindow)->model()->index(0, StateColumn(*frmWindow)).data(Qt::ToolTipRole).toString().contains(Q("To review")));
    // Row 0 is no longer counted translated.
    EXPECT_TRUE(frmWindow->ProgressText().startsWith(Q("Translated 2 of 6"))) << frmWindow->ProgressText().toStdString();
    ClickRow(*frmWindow, 2);
    ASSERT_TRUE(frmWindow->GoToNeedsWork(1));  // wraps to the review row
    EXPECT_EQ(frmWindow->CurrentItem(), 1);
    const auto udtReview = frmWindow->CurrentReview();
    ASSERT_TRUE(udtReview.has_value());
    EXPECT_EQ(udtReview->Previous, Q("Disk was full."));
    EXPECT_EQ(udtReview->Current, Q("Disk is full.\r\nFree space."));

    PressInBox(*frmWindow, Qt::Key_Return);  // Ctrl+Return commits, unchanged text or not
    EXPECT_FALSE(frmWindow->RowState(0) & RowReview);
    EXPECT_TRUE(frmWindow->ProgressText().startsWith(Q("Translated 3 of 6")));
    frmWindow->Undo();
    EXPECT_TRUE(frmWindow->RowState(0) & RowReview);
    frmWindow->Redo();
    ASSERT_TRUE(frmWindow->SaveMe());
    clsTranslationState objSaved;
    QString strReason;
    ASSERT_TRUE(objSaved.Load(mobjDir.Path(Q("German")), strReason));
    EXPECT_FALSE(objSaved.Get(enuFileKind::Messages, Q("MSG001")).Review);
}

TEST_F(clsWorkbenchStateTest, MarkAsDoneTogglesCountsTranslatedAndUndoes)
{
    auto frmWindow = OpenGerman();
    ClickRow(*frmWindow, 1);
    ASSERT_EQ(frmWindow->RowState(1), RowSameAsSource);
    const struct {
        void (*Act)(frmMessageEditor&);
        uint8_t State;
        bool Done;
    } udtSteps[] = {
        {[](frmMessageEditor& f) { EXPECT_TRUE(f.ToggleDone()); }, 0, true},
        {[](frmMessageEditor& f) { EXPECT_TRUE(f.ToggleDone()); }, RowSameAsSource, false},
        {[](frmMessageEditor& f) { f.Undo(); }, 0, true},
        {[](frmMessageEditor& f) { f.Undo(); }, RowSameAsSource, false},
    };
    for (const auto& udtStep : udtSteps) {
        udtStep.Act(*frmWindow);
        EXPECT_EQ(frmWindow->RowState(1), udtStep.State);
        EXPECT_EQ(frmWindow->State().Get(enuFileKind::Messages, Q("MSG002")).Done, udtStep.Done);
        EXPECT_EQ(frmWindow->State().Get(enuFileKind::Messages, Q("MST002")).Done, udtStep.Done);
    }
    // A row that differs from its source has nothing to mark.
    ClickRow(*frmWindow, 0);
    EXPECT_FALSE(frmWindow->ToggleDone());
}

TEST_F(clsWorkbenchStateTest, NotesAreSavedWithTheFileAndAnUnreadableStateIsLeftAlone)
{
    auto frmWindow = OpenGerman();
    ClickRow(*frmWindow, 2);
    frmWindow->SetNote(Q("Short: the button is narrow"));
    EXPECT_TRUE(frmWindow->DataChanged());
    ASSERT_TRUE(frmWindow->SaveMe());
    auto frmAgain = OpenGerman();
    ClickRow(*frmAgain, 2);
    EXPECT_EQ(frmAgain->Note(), Q("Short: the button is narrow"));

    // Broken by hand: reported, not in the way of the texts, and not written over.
    frmAgain.reset();
    frmWindow.reset();
    QFile::remove(File());
    auto frmBroken = OpenGerman("{\"files\": [");
    EXPECT_FALSE(mstrStateProblem.isEmpty());
    TypeUpper(*frmBroken, Q("!"));
    frmBroken->CommitAndNext();
    ASSERT_TRUE(frmBroken->SaveMe());
    EXPECT_EQ(clsTempDir::Read(StateFile()), QByteArray("{\"files\": ["));
}

// The folder's language decides how a sentence may end: a Greek question mark is wrong in German.
TEST_F(clsWorkbenchStateTest, EachStateHasAFilter)
{
    auto frmWindow = OpenGerman(ReviewOfRow0);  // row 0 to review, row 1 its English, row 2 half empty
    struct {
        clsEditorFilter::enuShow Show;
        int Rows;
    } udtCases[] = {{clsEditorFilter::ShowUntranslated, 1}, {clsEditorFilter::ShowReview, 1},
                    {clsEditorFilter::ShowUntranslatedOrReview, 2}, {clsEditorFilter::ShowNeedsWork, 3}};
    for (const auto& c : udtCases) {
        frmWindow->SetFilter(QString(), c.Show);
        EXPECT_EQ(List(*frmWindow)->model()->rowCount(), c.Rows) << c.Show;
    }
}

// Mark for Review by hand: the row waits against its English as it is, the file says so after a
// save, and the same command takes it back.
TEST_F(clsWorkbenchStateTest, MarkForReviewTogglesAndIsSaved)
{
    auto frmWindow = OpenGerman();
    ClickRow(*frmWindow, 0);
    ASSERT_TRUE(frmWindow->ToggleReview());
    EXPECT_TRUE(frmWindow->RowState(0) & RowReview);
    ASSERT_TRUE(frmWindow->SaveMe());
    clsTranslationState objSaved;
    QString strReason;
    ASSERT_TRUE(objSaved.Load(mobjDir.Path(Q("German")), strReason));
    EXPECT_EQ(objSaved.Get(enuFileKind::Messages, Q("MSG001")).PreviousSource, Q("Disk is full.\r\nFree space."));
    ASSERT_TRUE(frmWindow->ToggleReview());
    EXPECT_FALSE(frmWindow->RowState(0) & RowReview);
}

// What a merge left to choose: the row is to review with the other candidate named, a commit
// chooses, and the save takes it off without a review or a state file of its own.
TEST_F(clsWorkbenchStateTest, AMergesOtherCandidateIsShownUntilACommitChooses)
{
    QDir().mkpath(mobjDir.Path(Q("German")));
    mobjDir.Write(Q("German/translation-candidates.json"),
                  R"({"messages.lrc": [{"id": "MST001", "kept": "Error [#!n!#]", "other": "Fehler [#!n!#]", "base": "Error"}]})");
    auto frmWindow = OpenGerman();
    EXPECT_TRUE(frmWindow->RowState(0) & RowReview);
    ClickRow(*frmWindow, 0);
    EXPECT_TRUE(frmWindow->CurrentProblems().join(u'\n').contains(Q("\"Fehler [#!n!#]\""))) << frmWindow->CurrentProblems().join(u'\n').toStdString();
    PressInBox(*frmWindow, Qt::Key_Return);
    EXPECT_FALSE(frmWindow->RowState(0) & RowReview);
    ASSERT_TRUE(frmWindow->SaveMe());
    EXPECT_FALSE(QFile::exists(mobjDir.Path(Q("German/translation-candidates.json"))));
    EXPECT_FALSE(QFile::exists(StateFile()));
}

TEST_F(clsWorkbenchStateTest, EndMarksAreThoseOfTheFoldersLanguage)
{
    auto frmWindow = OpenGerman();
    EXPECT_EQ(frmWindow->Language(), Q("de"));
    ClickRow(*frmWindow, 2);
    LowerBox(*frmWindow)->setPlainText(Q("Jetzt beenden;"));
    frmWindow->CommitAndNext();
    EXPECT_TRUE(frmWindow->RowState(2) & RowWarning);
}

class clsSuggestionTest : public clsWorkbenchStateTest {
protected:
    std::unique_ptr<frmMessageEditor> OpenWithMemory()
    {
        auto objMemory = std::make_shared<clsTranslationMemory>();
        objMemory->AddUnit(Q("Quit now?"), Q("Jetzt beenden?"), Q("Old/German/messages.lrc"), Q("MSG009"));
        objMemory->AddUnit(Q("Quit now!"), Q("Sofort beenden!"), Q("old.tmx"), QString());
        objMemory->AddUnit(Q("Quit"), Q("Beenden"), Q("old.tmx"), QString());
        auto objWindow = OpenGerman();
        objWindow->SetMemory(objMemory);
        return objWindow;
    }
};

TEST_F(clsSuggestionTest, CtrlNumberAndCtrlBTypeIntoTheBoxes)
{
    auto frmWindow = OpenWithMemory();
    ClickRow(*frmWindow, 2);
    const auto& udtFound = frmWindow->Suggestions();
    ASSERT_EQ(udtFound.size(), 2u);
    EXPECT_TRUE(udtFound[0].Memory.Exact);
    EXPECT_EQ(udtFound[0].Memory.Score, 100);
    EXPECT_LT(udtFound[1].Memory.Score, 100);
    const struct {
        Qt::Key Key;
        QString Lower, Upper;
    } udtCases[] = {
        {Qt::Key_2, Q("Sofort beenden!"), Q("")},
        {Qt::Key_1, Q("Jetzt beenden?"), Q("")},
        {Qt::Key_3, Q("Jetzt beenden?"), Q("")},  // there is no third
        {Qt::Key_B, Q("Quit now?"), Q("Quit")},
    };
    for (const auto& udtCase : udtCases) {
        PressInBox(*frmWindow, udtCase.Key);
        EXPECT_EQ(LowerBox(*frmWindow)->toPlainText(), udtCase.Lower);
        EXPECT_EQ(UpperBox(*frmWindow)->text(), udtCase.Upper);
    }
    EXPECT_TRUE(frmWindow->ItemChanged());
    EXPECT_EQ(frmWindow->UndoText(), Q("Typing in MSG003"));
    PressInBox(*frmWindow, Qt::Key_1);
    frmWindow->CommitAndNext();
    EXPECT_EQ(gobjTextStore->MessageTable()[2].Message, Q("Jetzt beenden?"));
}

TEST_F(clsSuggestionTest, FillFromMemoryMarksEachReviewInOneStep)
{
    auto frmWindow = OpenWithMemory();
    EXPECT_EQ(frmWindow->FillFromMemory(), 1);  // only the empty title; "Quit?" stays the translator's
    EXPECT_EQ(gobjTextStore->MessageTable()[2].Title, Q("Beenden"));
    EXPECT_EQ(gobjTextStore->MessageTable()[2].Message, Q("Quit?"));
    EXPECT_TRUE(frmWindow->RowState(2) & RowReview);
    EXPECT_TRUE(frmWindow->State().Get(enuFileKind::Messages, Q("MST003")).Review);
    EXPECT_FALSE(frmWindow->State().Get(enuFileKind::Messages, Q("MST003")).Done);
    EXPECT_EQ(frmWindow->FillFromMemory(), 0);
    frmWindow->Undo();
    EXPECT_EQ(gobjTextStore->MessageTable()[2].Title, Q(""));
    EXPECT_FALSE(frmWindow->State().Get(enuFileKind::Messages, Q("MST003")).Review);
}

TEST_F(clsWorkbenchStateTest, SpellingMarksOnlyTheMisspeltGermanWord)
{
    auto objSpeller = std::make_shared<clsSpeller>(Q("de_DE"));
    if (!objSpeller->IsValid()) GTEST_SKIP() << "no de_DE dictionary";
    auto frmWindow = OpenGerman();
    frmWindow->SetSpeller(objSpeller);
    ClickRow(*frmWindow, 2);
    LowerBox(*frmWindow)->selectAll();
    QTest::keyClicks(LowerBox(*frmWindow), Q("Jetzt &beenden [#!Dateiname!#] 42 Fehlr"));
    QStringList strMarked;
    const QTextBlock objBlock = LowerBox(*frmWindow)->document()->firstBlock();
    for (const QTextLayout::FormatRange& udtRange : objBlock.layout()->formats())
        if (udtRange.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
            strMarked << objBlock.text().mid(udtRange.start, udtRange.length);
    EXPECT_EQ(strMarked, QStringList{Q("Fehlr")});
    EXPECT_FALSE(objSpeller->Suggest(Q("Fehlr")).isEmpty());
    // The one-line box has no highlighter: its marks are seen in red on the screen.
    const auto RedPixels = [&] {
        const QImage objShot = UpperBox(*frmWindow)->grab().toImage();
        int lngRed = 0;
        for (int y = 0; y < objShot.height(); ++y)
            for (int x = 0; x < objShot.width(); ++x) {
                const QColor c = objShot.pixelColor(x, y);
                lngRed += c.red() - std::max(c.green(), c.blue()) > 60;
            }
        return lngRed;
    };
    for (const auto& [pstrTitle, booMarked] : {std::pair{"Beenden [#!n!#] &Datei", false}, {"Beenden Fehlr", true}}) {
        UpperBox(*frmWindow)->setText(Q(pstrTitle));
        EXPECT_EQ(RedPixels() > 0, booMarked) << pstrTitle;
    }
}

}  // namespace
}  // namespace tralyx::test
