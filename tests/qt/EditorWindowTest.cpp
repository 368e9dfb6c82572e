// The text editor window's three modes, its flags, what a commit writes where, and its controls
// kept in place when it is minimised in a frame.
#include "EditorTestSupport.h"

#include <QLabel>
#include <QPushButton>

namespace tralyx::test {
namespace {

using EditorWindowTest = clsEditorFixture;

TEST_F(EditorWindowTest, BoxesPreviewAndCellsFollowTheEditType)
{
    const std::tuple<int32_t, bool, bool, QString, QString, QStringList> udtCases[] = {
        // edit type, preview enabled, lower label shown; after a click on row 1: the boxes and the row's cells
        {0, true, true, Q("Done"), Q("Saved [#!file!#]."), {Q("Done"), Q("Saved [#!file!#].")}},
        {1, false, false, Q(""), Q("Two\nlines"), {Q("Two \u21B5 lines")}},  // no upper box
        {2, false, true, Q("Pick\u21B5one"), Q("Kind"), {Q("frmMain.optKind.12"), Q("Kind"), Q("Pick \u21B5 one")}},
    };
    for (const auto& [lngEditType, booPreview, booLowerLabel, strUpper, strLower, strCells] : udtCases) {
        SCOPED_TRACE(lngEditType);
        auto objWindow = Open(lngEditType);
        EXPECT_EQ(List(*objWindow)->model()->columnCount(), strCells.size());
        EXPECT_EQ(List(*objWindow)->model()->rowCount(), 3);
        EXPECT_EQ(objWindow->findChild<QPushButton*>("cmdPreview")->isEnabled(), booPreview);
        EXPECT_EQ(UpperBox(*objWindow)->isVisible(), lngEditType != 1);
        EXPECT_EQ(objWindow->findChild<QLabel*>("lblMessage")->isVisible(), booLowerLabel);
        // Loaded: the first row, so that typing always has a row; no flag.
        EXPECT_EQ(objWindow->CurrentItem(), 1);
        EXPECT_FALSE(objWindow->ItemChanged() || objWindow->DataChanged());
        ClickRow(*objWindow, 1);
        EXPECT_EQ(objWindow->CurrentItem(), 2);
        EXPECT_EQ(UpperBox(*objWindow)->text(), strUpper);
        EXPECT_EQ(LowerBox(*objWindow)->toPlainText(), strLower);
        EXPECT_FALSE(objWindow->ItemChanged()) << "loading a row is no change";
        for (int i = 0; i < strCells.size(); ++i) EXPECT_EQ(Cell(*objWindow, 1, i), strCells[i]) << "column " << i;
    }
}

TEST_F(EditorWindowTest, DataChangedYesCommitsTheTypingAndNoDropsIt)
{
    for (const int32_t lngAnswer : {vbNo, vbYes}) {  // No first: it leaves the table as loaded
        auto objWindow = Open(frmMessageEditor::EditMessages);
        ClickRow(*objWindow, 0);
        TypeUpper(*objWindow, Q(" X"));
        TypeLower(*objWindow, Q("!"));
        EXPECT_TRUE(objWindow->ItemChanged());
        mobjDesktop.Expect(DataChangedPrompt, 35, Q("Data changed"), lngAnswer);
        ClickRow(*objWindow, 1);
        const bool booYes = lngAnswer == vbYes;
        EXPECT_EQ(gobjTextStore->MessageTable()[0], (MessageItem{1, booYes ? Q("Disk full.\r\nFree some space.!") : Q("Disk full.\r\nFree some space."),
                                                                 booYes ? Q("Error [#!n!#] X") : Q("Error [#!n!#]")}));
        EXPECT_EQ(Cell(*objWindow, 0, 0), booYes ? Q("Error [#!n!#] X") : Q("Error [#!n!#]"));
        EXPECT_EQ(objWindow->DataChanged(), booYes);
        EXPECT_FALSE(objWindow->ItemChanged());
        EXPECT_EQ(UpperBox(*objWindow)->text(), Q("Done"));
        // The current row clicked again after No: the boxes are restored from the row.
        TypeUpper(*objWindow, Q(" Y"));
        mobjDesktop.Expect(DataChangedPrompt, 35, Q("Data changed"), vbNo);
        ClickRow(*objWindow, 1);
        EXPECT_EQ(UpperBox(*objWindow)->text(), Q("Done"));
        EXPECT_FALSE(objWindow->ItemChanged());
    }
}

TEST_F(EditorWindowTest, CommitWarnsAtOnceOfCharactersTheCodePageCannotWrite)
{
    ASSERT_TRUE(gobjTextStore->SetCodePage(Q("windows-1251")));
    gobjTextStore->SetSecondaryTable({Q("one"), Q("two")});
    auto objMessages = Open(frmMessageEditor::EditMessages);
    auto objSecondary = Open(frmMessageEditor::EditSecondary);
    EXPECT_EQ(objMessages->CodePage(), Q("windows-1252"));
    EXPECT_EQ(objSecondary->CodePage(), Q("windows-1251"));

    ClickRow(*objSecondary, 0);
    LowerBox(*objSecondary)->setPlainText(Q("Жук"));  // Cyrillic: fine in 1251
    objSecondary->MoveToList();

    ClickRow(*objMessages, 0);
    LowerBox(*objMessages)->setPlainText(Q("Жук \u2713 Ж"));
    mobjDesktop.Expect(Q("The code page windows-1252 of this file cannot write these characters: Ж у к \u2713\r\n"
                         "They were committed, but the file cannot be saved until they are replaced."),
                       vbExclamation, Q("Characters the file cannot hold"));
    objMessages->MoveToList();
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, Q("Жук \u2713 Ж"));  // committed all the same
}

TEST_F(EditorWindowTest, MinimisingInAFrameRaisesNothing)
{
    QMdiArea objArea;
    objArea.resize(800, 600);
    frmMessageEditor* objWindow = OpenIn(objArea, frmMessageEditor::EditControlText);
    QMdiSubWindow* objSub = objArea.subWindowList().front();
    const udtTwipsBox udtBefore = objWindow->Layout().lvwMessages;
    objSub->showMinimized();
    QApplication::processEvents();
    objSub->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(objWindow->Layout().lvwMessages.Top, udtBefore.Top);
    EXPECT_GT(objWindow->Layout().lvwMessages.Height, 0);
}

}  // namespace
}  // namespace tralyx::test
