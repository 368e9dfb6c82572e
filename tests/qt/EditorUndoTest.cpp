// Undo and redo in an editor window: commits and Replace All are steps, "Modified" follows the
// history back to the saved point, and the keys reach the history only outside a text box.
#include "editor/clsTextFind.h"
#include "MainTest.h"
#include "windows/list/clsEntryStates.h"

#include <QLabel>
#include <QUndoStack>

namespace tralyx::test {
namespace {

using EditorUndoTest = clsEditorFixture;

QStringList Titles()
{
    QStringList strTitles;
    for (const MessageItem& udtItem : gobjTextStore->MessageTable()) strTitles << udtItem.Title;
    return strTitles;
}

TEST_F(EditorUndoTest, CommitsAndReplaceAllGoBackAndForthStepByStep)
{
    auto objWindow = Open(frmMessageEditor::EditMessages);
    const QStringList strLoaded = Titles();
    TypeUpper(*objWindow, Q(" A"));
    objWindow->CommitAndNext();
    TypeUpper(*objWindow, Q(" B"));
    objWindow->CommitAndNext();
    mobjDesktop.Expect(Q("Replace all will change 2 entries…"), vbQuestion + vbYesNo, Q("Replace all"), vbYes);
    objWindow->ReplaceAll(clsTextFind(Q(" "), false, false), Q("_"));
    const struct {
        void (frmMessageEditor::*Step)();
        QStringList Titles;
        bool Modified;
    } udtSteps[] = {
        {&frmMessageEditor::Undo, {Q("Error [#!n!#] A"), Q("Done B"), Q("")}, true},  // Replace All, one step
        {&frmMessageEditor::Undo, {Q("Error [#!n!#] A"), Q("Done"), Q("")}, true},
        {&frmMessageEditor::Undo, strLoaded, false},
        {&frmMessageEditor::Undo, strLoaded, false},  // nothing left
        {&frmMessageEditor::Redo, {Q("Error [#!n!#] A"), Q("Done"), Q("")}, true},
        {&frmMessageEditor::Redo, {Q("Error [#!n!#] A"), Q("Done B"), Q("")}, true},
        {&frmMessageEditor::Redo, {Q("Error_[#!n!#]_A"), Q("Done_B"), Q("")}, true},
    };
    for (size_t i = 0; i < std::size(udtSteps); ++i) {
        ((*objWindow).*udtSteps[i].Step)();
        EXPECT_EQ(Titles(), udtSteps[i].Titles) << "step " << i;
        EXPECT_EQ(objWindow->DataChanged(), udtSteps[i].Modified) << "step " << i;
        EXPECT_EQ(Cell(*objWindow, 1, 0), udtSteps[i].Titles[1]) << "step " << i;
    }
    EXPECT_EQ(UpperBox(*objWindow)->text(), Q(""));  // the third row, as it stands
    EXPECT_FALSE(objWindow->ItemChanged());
}

TEST_F(EditorUndoTest, ModifiedAndBoldFollowTheSavedPoint)
{
    const QString strPath = mobjDir.Path(Q("messages.lrc"));
    auto objWindow = Open(frmMessageEditor::EditMessages, strPath);
    const auto Bold = [&](int plngRow) { return List(*objWindow)->model()->index(plngRow, 0).data(Qt::FontRole).value<QFont>().bold(); };
    TypeUpper(*objWindow, Q(" A"));
    objWindow->CommitAndNext();
    ASSERT_TRUE(objWindow->SaveMe());  // a new file: no question
    TypeUpper(*objWindow, Q(" B"));
    objWindow->CommitAndNext();
    const struct {
        void (frmMessageEditor::*Step)();
        bool Modified, Bold0, Bold1;
    } udtSteps[] = {
        {&frmMessageEditor::Undo, false, false, false},  // back at the saved point
        {&frmMessageEditor::Undo, true, true, false},    // before it: row 0 differs from the file
        {&frmMessageEditor::Redo, false, false, false},
        {&frmMessageEditor::Redo, true, false, true},
    };
    for (size_t i = 0; i < std::size(udtSteps); ++i) {
        ((*objWindow).*udtSteps[i].Step)();
        EXPECT_EQ(objWindow->DataChanged(), udtSteps[i].Modified) << "step " << i;
        EXPECT_EQ(Bold(0), udtSteps[i].Bold0) << "step " << i;
        EXPECT_EQ(Bold(1), udtSteps[i].Bold1) << "step " << i;
    }
}

TEST_F(EditorUndoTest, TypingNotCommittedIsUndoneFirstAndRedoneAsACommit)
{
    auto objWindow = Open(frmMessageEditor::EditSecondary);
    TypeLower(*objWindow, Q(" typed"));
    ASSERT_TRUE(objWindow->CanUndo());
    objWindow->Undo();
    EXPECT_EQ(LowerBox(*objWindow)->toPlainText(), Q("First entry"));
    EXPECT_FALSE(objWindow->ItemChanged() || objWindow->DataChanged());
    objWindow->Redo();
    EXPECT_EQ(gobjTextStore->SecondaryTable()[0], Q("First entry typed"));
    EXPECT_EQ(LowerBox(*objWindow)->toPlainText(), Q("First entry typed"));
}

// Done marks kept beside the texts, as the window's state holder keeps them.
class clsDoneMarks : public clsEntryStates {
public:
    QVariant EntryState(int32_t plngEntry) const override { return mbooDone.value(plngEntry); }
    void SetEntryState(int32_t plngEntry, const QVariant& pobjState) override { mbooDone[plngEntry] = pobjState.toBool(); }
    QMap<int32_t, bool> mbooDone;
};

TEST_F(EditorUndoTest, StateChangesAreStepsAndCommitsOfNothingAreNone)
{
    auto objWindow = Open(frmMessageEditor::EditMessages);
    clsDoneMarks objMarks;
    objWindow->SetEntryStates(&objMarks);
    // Typed and taken back: the commit changes nothing, so nothing is to save or undo.
    TypeUpper(*objWindow, Q("x"));
    QTest::keyClick(UpperBox(*objWindow), Qt::Key_Backspace);
    objWindow->MoveToList();
    EXPECT_FALSE(objWindow->DataChanged() || objWindow->CanUndo());
    EXPECT_FALSE(objWindow->ChangeEntries(Q("Mark as Done"), {1}, [] {}));
    ASSERT_TRUE(objWindow->ChangeEntries(Q("Mark as Done"), {1}, [&] { objMarks.mbooDone[1] = true; }));
    const struct {
        void (frmMessageEditor::*Step)();
        bool Done, Modified;
    } udtSteps[] = {
        {&frmMessageEditor::Undo, false, false},
        {&frmMessageEditor::Redo, true, true},
        {&frmMessageEditor::Undo, false, false},
    };
    for (size_t i = 0; i < std::size(udtSteps); ++i) {
        ((*objWindow).*udtSteps[i].Step)();
        EXPECT_EQ(objMarks.mbooDone.value(1), udtSteps[i].Done) << "step " << i;
        EXPECT_EQ(objWindow->DataChanged(), udtSteps[i].Modified) << "step " << i;
    }
}

using MainUndoTest = clsMainFixture;

TEST_F(MainUndoTest, CtrlZUndoesCommitsOutsideTextBoxesAndTheMenuSaysWhat)
{
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("messages.lrc"), MessagesA)));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    const QString strLoaded = gobjTextStore->MessageTable()[0].Message;
    EditAndCommit(frmEditor, 0, Q("!"));
    auto* mnuEditUndo = mfrmMain->findChild<QAction*>(Q("mnuEditUndo"));
    EXPECT_EQ(mnuEditUndo->text(), Q("&Undo Commit MSG001"));
    const auto Key = [&](QWidget* pobjFocus, Qt::KeyboardModifiers penuModifiers) {
        pobjFocus->setFocus();
        QTest::keyClick(pobjFocus, Qt::Key_Z, penuModifiers);
    };
    const struct {
        QWidget* Focus;
        Qt::KeyboardModifiers Modifiers;
        QString Stored, Box, Modified;
    } udtKeys[] = {
        // In the box, Ctrl+Z is the box's own: the commit stays.
        {LowerBox(frmEditor), Qt::ControlModifier, strLoaded + u'!', Q("Disk full.\nFree some space."), Q("Modified")},
        // In the list: first the box's difference from the entry, then the commit.
        {List(frmEditor), Qt::ControlModifier, strLoaded + u'!', Q("Disk full.\nFree some space.!"), Q("Modified")},
        {List(frmEditor), Qt::ControlModifier, strLoaded, Q("Disk full.\nFree some space."), Q("")},
        {List(frmEditor), Qt::ControlModifier | Qt::ShiftModifier, strLoaded + u'!', Q("Disk full.\nFree some space.!"), Q("Modified")},
    };
    for (size_t i = 0; i < std::size(udtKeys); ++i) {
        Key(udtKeys[i].Focus, udtKeys[i].Modifiers);
        EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, udtKeys[i].Stored) << "key " << i;
        EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), udtKeys[i].Box) << "key " << i;
        EXPECT_EQ(mfrmMain->findChild<QLabel*>(Q("sbModified"))->text(), udtKeys[i].Modified) << "key " << i;
    }
}

}  // namespace
}  // namespace tralyx::test
