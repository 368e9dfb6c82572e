// The editor as a translator uses it all day: nothing typed is lost, the window remembers.
#include "MainTest.h"

#include <QLabel>
#include <QMenu>

namespace tralyx::test {
namespace {

using EditorAllDayTest = clsMainFixture;

TEST_F(EditorAllDayTest, AnOpenedWindowHasItsFirstRowLoadedAndCtrlReturnWorksDownTheList)
{
    mfrmMain->OpenFile(mobjDir.Write(Q("messages.lrc"), MessagesA));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    EXPECT_EQ(frmEditor.CurrentItem(), 1);
    TypeUpper(frmEditor, Q("!"));
    QTest::keyClick(UpperBox(frmEditor), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Title, Q("Error!"));
    EXPECT_EQ(frmEditor.CurrentItem(), 2);
    EXPECT_EQ(mfrmMain->findChild<QLabel*>(Q("sbModified"))->text(), Q("Modified"));
    EXPECT_EQ(mfrmMain->findChild<QLabel*>(Q("sbStatus"))->text(), Q("MSG002"));
    EXPECT_TRUE(List(frmEditor)->model()->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
    mobjDesktop.Expect(OverwritePrompt(frmEditor.FileNameValue()), 36, Q("Overwrite file"), vbYes);
    Click("mnuFileSave");
    EXPECT_EQ(mfrmMain->findChild<QLabel*>(Q("sbModified"))->text(), Q(""));
    EXPECT_FALSE(List(frmEditor)->model()->index(0, 1).data(Qt::FontRole).isValid());
}

TEST_F(EditorAllDayTest, SaveAsUnderAnotherKindsNameAsksFirst)
{
    mfrmMain->OpenFile(mobjDir.Write(Q("messages.lrc"), MessagesA));
    const QString strOther = mobjDir.Write(Q("secondary.lrc"), SecondaryA);
    mobjDesktop.NextFile(strOther);
    mobjDesktop.Expect(Q("The file ") + strOther + Q(" would be read as…"), vbExclamation + vbYesNo + vbDefaultButton2,
                       Q("Save As"), vbNo);
    Click("mnuFileSaveAs");
    EXPECT_EQ(clsTempDir::Read(strOther), SecondaryA);
}

TEST_F(EditorAllDayTest, TextsCoreLrcCannotHoldAreReadOnly)
{
    mfrmMain->OpenFile(mobjDir.Write(Q("core.lrc"), "frmMain.txtName.0.T:Your name\r\nfrmMain.mnuFile.0.C:&File\r\n"));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    EXPECT_TRUE(LowerBox(frmEditor)->isReadOnly() && !UpperBox(frmEditor)->isReadOnly());  // txt...: no caption
    ClickRow(frmEditor, 1);
    EXPECT_TRUE(!LowerBox(frmEditor)->isReadOnly() && UpperBox(frmEditor)->isReadOnly());  // mnu...: no tool-tip
}

TEST_F(EditorAllDayTest, OpeningBesideAMaximisedWindowMaximisesAndRecentFilesReopenInTheirCodePage)
{
    const QString strMessages = mobjDir.Write(Q("messages.lrc"), "MSG001:\xD6\r\nMST001:T\r\n");
    gobjTextStore->SetCodePage(Q("windows-1251"));
    OpenByMenu(strMessages);
    mfrmMain->Frame()->activeSubWindow()->showMaximized();
    gobjTextStore->SetCodePage(Q("windows-1252"));
    OpenByMenu(mobjDir.Write(Q("core.lrc"), CoreA));
    EXPECT_TRUE(mfrmMain->Frame()->activeSubWindow()->isMaximized());
    Click("mnuRecentFile2");
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, Q("\u0426"));
    EXPECT_EQ(gobjTextStore->CodePage(), Q("windows-1252"));  // for the next loads; the status bar shows the window's
    EXPECT_EQ(mfrmMain->findChild<QLabel*>(Q("sbCodePage"))->text(), Q("windows-1251"));
    // Another code page for the active, unchanged window: it is read again in it.
    mobjDesktop.Expect(Q("Do you want to open ") + strMessages + Q(" again in windows-1252?…"),
                       vbQuestion + vbYesNo, Q("Code page"), vbYes);
    mfrmMain->findChild<QMenu*>(Q("mnuCodePage"))->actions()[0]->trigger();
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, Q("\u00D6"));
}

TEST_F(EditorAllDayTest, TheNextStartRestoresTheMainWindowsSize)
{
    mfrmMain->resize(1000, 700);
    mfrmMain->close();
    frmMain frmNext;
    EXPECT_EQ(frmNext.size(), QSize(1000, 700));
}

}  // namespace
}  // namespace tralyx::test
