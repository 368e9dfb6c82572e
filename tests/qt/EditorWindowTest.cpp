// The text editor window's three modes, its flags and what a commit writes where.
#include "EditorTestSupport.h"
#include "QtTwips.h"

#include <QLabel>
#include <QPushButton>

namespace tralyx::test {
namespace {

struct udtModeCase {
    int32_t EditType;
    QStringList Headers;
    bool PreviewEnabled;
    bool UpperBoxShown;
    QString UpperLabel;
    QString LowerLabel;  // empty: hidden
    // After a click on row 1 (counted from 0): the boxes and the row's cells as shown.
    QString UpperText;
    QString LowerText;
    QStringList Row1Cells;
    int32_t LowerTop, LowerHeight;  // twips, inside the frame
};

class EditorModeTest : public clsEditorFixture, public ::testing::WithParamInterface<udtModeCase> {};

TEST_P(EditorModeTest, ColumnsBoxesAndPreviewFollowTheEditType)
{
    const udtModeCase c = GetParam();
    auto objWindow = Open(c.EditType);
    QTreeView* objList = List(*objWindow);

    ASSERT_EQ(objList->model()->columnCount(), c.Headers.size());
    for (int i = 0; i < c.Headers.size(); ++i)
        EXPECT_EQ(objList->model()->headerData(i, Qt::Horizontal).toString(), c.Headers[i]);
    EXPECT_EQ(objList->model()->rowCount(), 3);
    EXPECT_EQ(objWindow->findChild<QPushButton*>("cmdPreview")->isEnabled(), c.PreviewEnabled);
    EXPECT_EQ(UpperBox(*objWindow)->isVisible(), c.UpperBoxShown);
    EXPECT_EQ(objWindow->findChild<QLabel*>("lblTitle")->text(), c.UpperLabel);
    EXPECT_EQ(objWindow->findChild<QLabel*>("lblMessage")->isVisible(), !c.LowerLabel.isEmpty());
    if (!c.LowerLabel.isEmpty()) {
        EXPECT_EQ(objWindow->findChild<QLabel*>("lblMessage")->text(), c.LowerLabel);
    }
    const QRect objLower = LowerBox(*objWindow)->geometry();
    EXPECT_EQ(objLower.top(), TwipsToPixelsY(*objWindow, c.LowerTop));
    EXPECT_EQ(objLower.bottom() + 1, TwipsToPixelsY(*objWindow, c.LowerTop + c.LowerHeight));

    // Loaded: the first row, so that typing always has a row; no flag.
    EXPECT_EQ(objWindow->CurrentItem(), 1);
    EXPECT_FALSE(objWindow->ItemChanged());
    EXPECT_FALSE(objWindow->DataChanged());

    ClickRow(*objWindow, 1);
    EXPECT_EQ(objWindow->CurrentItem(), 2);
    if (c.UpperBoxShown) {
        EXPECT_EQ(UpperBox(*objWindow)->text(), c.UpperText);
    }
    EXPECT_EQ(LowerBox(*objWindow)->toPlainText(), c.LowerText);
    EXPECT_FALSE(objWindow->ItemChanged()) << "loading a row is no change";
    for (int i = 0; i < c.Row1Cells.size(); ++i) EXPECT_EQ(Cell(*objWindow, 1, i), c.Row1Cells[i]) << "column " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, EditorModeTest,
    ::testing::Values(
        udtModeCase{0, {Q("Title"), Q("Message")}, true, true, Q("Title:"), Q("Message:"), Q("Done"),
                    Q("Saved [#!file!#]."), {Q("Done"), Q("Saved [#!file!#].")}, 600, 735},
        udtModeCase{1, {Q("Procedural text")}, false, false, Q("Text:"), Q(""), Q(""), Q("Two\nlines"),
                    {Q("Two \u21B5 lines")}, 285, 1095},
        udtModeCase{2, {Q("Object Path"), Q("Text/Caption"), Q("Tool-Tip")}, false, true,
                    Q("Tool-Tip:"), Q("Caption:"), Q("Pick\u21B5one"), Q("Kind"),
                    {Q("frmMain.optKind.12"), Q("Kind"), Q("Pick \u21B5 one")}, 600, 735}));

using EditorWindowTest = clsEditorFixture;

TEST_F(EditorWindowTest, DataChangedYesCommitsIntoTheRowAndTheStore)
{
    auto objWindow = Open(frmMessageEditor::EditMessages);
    ClickRow(*objWindow, 0);
    TypeUpper(*objWindow, Q(" X"));
    TypeLower(*objWindow, Q("!"));
    EXPECT_TRUE(objWindow->ItemChanged());
    mobjDesktop.Expect(DataChangedPrompt, 36, Q("Data changed"), vbYes);
    ClickRow(*objWindow, 1);

    const MessageItem udtCommitted = gobjTextStore->MessageTable()[0];
    EXPECT_EQ(udtCommitted.Title, Q("Error [#!n!#] X"));
    EXPECT_EQ(udtCommitted.Message, Q("Disk full.\r\nFree some space.!"));  // CR LF, as stored
    EXPECT_EQ(udtCommitted.Identifier, 1);
    EXPECT_EQ(Cell(*objWindow, 0, 0), Q("Error [#!n!#] X"));
    EXPECT_TRUE(objWindow->DataChanged());
    EXPECT_FALSE(objWindow->ItemChanged());
    EXPECT_EQ(UpperBox(*objWindow)->text(), Q("Done"));
}

TEST_F(EditorWindowTest, DataChangedNoDropsTheTypingWhenTheNextRowLoads)
{
    auto objWindow = Open(frmMessageEditor::EditMessages);
    ClickRow(*objWindow, 0);
    TypeUpper(*objWindow, Q(" X"));
    mobjDesktop.Expect(DataChangedPrompt, 36, Q("Data changed"), vbNo);
    ClickRow(*objWindow, 1);
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Title, Q("Error [#!n!#]"));
    EXPECT_EQ(Cell(*objWindow, 0, 0), Q("Error [#!n!#]"));
    EXPECT_FALSE(objWindow->DataChanged());
    EXPECT_FALSE(objWindow->ItemChanged());
    EXPECT_EQ(UpperBox(*objWindow)->text(), Q("Done"));

    // The current row clicked again after No: the boxes are restored from the row.
    TypeUpper(*objWindow, Q(" Y"));
    mobjDesktop.Expect(DataChangedPrompt, 36, Q("Data changed"), vbNo);
    ClickRow(*objWindow, 1);
    EXPECT_EQ(UpperBox(*objWindow)->text(), Q("Done"));
    EXPECT_FALSE(objWindow->ItemChanged());
}

TEST_F(EditorWindowTest, CommitKeepsTheItemMarkSoTheNextRowAsksAgain)
{
    auto objWindow = Open(frmMessageEditor::EditSecondary);
    ClickRow(*objWindow, 2);
    objWindow->MoveToList();  // nothing typed: written, but the table is not marked
    EXPECT_FALSE(objWindow->DataChanged());

    TypeLower(*objWindow, Q(" entry"));
    objWindow->MoveToList();
    EXPECT_TRUE(objWindow->DataChanged());
    EXPECT_TRUE(objWindow->ItemChanged());
    EXPECT_EQ(gobjTextStore->SecondaryTable()[2], Q("Third entry"));
    EXPECT_EQ(Cell(*objWindow, 2, 0), Q("Third entry"));

    mobjDesktop.Expect(DataChangedPrompt, 36, Q("Data changed"), vbYes);
    ClickRow(*objWindow, 0);  // commits the same texts again
    EXPECT_EQ(gobjTextStore->SecondaryTable()[2], Q("Third entry"));
    EXPECT_EQ(gobjTextStore->SecondaryTable()[0], Q("First entry"));
    EXPECT_FALSE(objWindow->ItemChanged());
}

TEST_F(EditorWindowTest, ControlTextCommitWritesLowerBoxAsCaptionAndUpperAsToolTip)
{
    auto objWindow = Open(frmMessageEditor::EditControlText);
    ClickRow(*objWindow, 1);
    UpperBox(*objWindow)->setText(Q("New tip"));
    LowerBox(*objWindow)->setPlainText(Q("New\ncaption"));
    objWindow->MoveToList();
    const ControlTextItem udtItem = gobjTextStore->ControlTextTable()[1];
    EXPECT_EQ(udtItem.Caption, Q("New\r\ncaption"));
    EXPECT_EQ(udtItem.ToolTip, Q("New tip"));
    EXPECT_EQ(clsTralyx::ObjectPath(udtItem), Q("frmMain.optKind.12"));
    EXPECT_EQ(Cell(*objWindow, 1, 0), Q("frmMain.optKind.12"));
    EXPECT_EQ(Cell(*objWindow, 1, 1), Q("New \u21B5 caption"));
    EXPECT_EQ(Cell(*objWindow, 1, 2), Q("New tip"));
}

TEST_F(EditorWindowTest, UnchangedTextsCommitBackByteForByte)
{
    // Line breaks in the single-line box, empty lines, non-breaking spaces and texts past the line
    // box's default length limit all survive a load and a commit.
    const QString strLong = QString(40000, u'a');
    gobjTextStore->SetControlTextTable({{Q("f"), Q("c"), 0, Q("a\u00A0b\r\n\r\nc\r\n"), Q("Pick\r\none")},
                                        {Q("f"), Q("d"), 0, strLong + Q("\r\nz"), strLong}});
    const QVector<ControlTextItem> udtBefore = gobjTextStore->ControlTextTable();
    auto objWindow = Open(frmMessageEditor::EditControlText);
    for (int lngRow : {0, 1}) {
        ClickRow(*objWindow, lngRow);
        objWindow->MoveToList();
    }
    EXPECT_EQ(gobjTextStore->ControlTextTable(), udtBefore);
    EXPECT_FALSE(objWindow->DataChanged());

    // Lone line break characters come back as they were.
    gobjTextStore->SetSecondaryTable({Q("x\ry\nz\r\r\n")});
    auto objSecondary = Open(frmMessageEditor::EditSecondary);
    ClickRow(*objSecondary, 0);
    objSecondary->MoveToList();
    EXPECT_EQ(gobjTextStore->SecondaryTable()[0], Q("x\ry\nz\r\r\n"));
}

TEST_F(EditorWindowTest, TypingRightAfterOpeningGoesIntoTheFirstRow)
{
    auto objWindow = Open(frmMessageEditor::EditSecondary);
    TypeLower(*objWindow, Q("!"));
    mobjDesktop.Expect(DataChangedPrompt, 36, Q("Data changed"), vbYes);
    ClickRow(*objWindow, 1);
    EXPECT_EQ(gobjTextStore->SecondaryTable()[0], Q("First entry!"));
    EXPECT_TRUE(objWindow->DataChanged());
}

TEST_F(EditorWindowTest, KeyboardMovesLoadTheRowAndAskFirst)
{
    auto objWindow = Open(frmMessageEditor::EditSecondary);
    ClickRow(*objWindow, 0);
    TypeLower(*objWindow, Q("!"));
    mobjDesktop.Expect(DataChangedPrompt, 36, Q("Data changed"), vbNo);
    List(*objWindow)->setFocus();
    QTest::keyClick(List(*objWindow), Qt::Key_Down);
    EXPECT_EQ(objWindow->CurrentItem(), 2);
    EXPECT_EQ(LowerBox(*objWindow)->toPlainText(), Q("Two\nlines"));
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

}  // namespace
}  // namespace tralyx::test
