// The workbench in the main window: which source folder a file gets, and what the status bar and
// the Source dock then say.
#include "MainTest.h"

#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

namespace tralyx::test {
namespace {

class clsWorkbenchMainTest : public clsMainFixture {
protected:
    QString Work() const { return mfrmMain->findChild<QLabel*>(Q("sbWork"))->text(); }
    bool DockShown() const { return mfrmMain->findChild<QDockWidget*>(Q("dckSource"))->isVisible(); }
};

TEST_F(clsWorkbenchMainTest, SourceFolderDecidesStatusAndDock)
{
    const QString strGerman = mobjDir.Write(Q("German/messages.lrc"), MessagesA);
    const QString strOther = mobjDir.Write(Q("Other/messages.lrc"), MessagesB);
    // Without a source folder the window is as it was: no progress, no dock.
    ASSERT_TRUE(mfrmMain->OpenFile(strOther));
    EXPECT_TRUE(Work().isEmpty());
    EXPECT_FALSE(DockShown());
    mobjDir.Write(Q("english/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error\r\nMSG002:Saved.\r\nMST002:Done\r\n");

    // The "English" sibling in any letter case is found by itself.
    ASSERT_TRUE(mfrmMain->OpenFile(strGerman));
    EXPECT_EQ(Work().toStdString(), "Translated 1 of 4 (25%) \u00B7 0 errors \u00B7 1 warning");
    EXPECT_TRUE(DockShown());
    EXPECT_EQ(mfrmMain->findChild<QPlainTextEdit*>(Q("txtSource2"))->toPlainText(), Q("Disk is full."));

    // Chosen by hand: used at once and remembered for the translated folder.
    mobjDesktop.NextFolder(mobjDir.Path(Q("Other")));
    Click("mnuFileSourceFolder");
    EXPECT_EQ(mfrmMain->findChild<QPlainTextEdit*>(Q("txtSource2"))->toPlainText(), Q("Other file"));
    ASSERT_TRUE(mfrmMain->OpenFile(strOther));
    ASSERT_TRUE(mfrmMain->OpenFile(strGerman));
    EXPECT_EQ(mfrmMain->ActiveEditor()->SourceFolder(), mobjDir.Path(Q("Other")));
    // With the last window closed the dock goes too.
    Click("mnuFileClose");
    EXPECT_FALSE(DockShown());
}

TEST_F(clsWorkbenchMainTest, CtrlFFocusesTheFilterWhichActsOnTheActiveList)
{
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), MessagesA)));
    QTest::keyClick(mfrmMain.get(), Qt::Key_F, Qt::ControlModifier);
    auto* txtFilter = mfrmMain->findChild<QLineEdit*>(Q("txtFilter"));
    EXPECT_TRUE(txtFilter->hasFocus());
    QTest::keyClicks(txtFilter, Q("saved"));
    EXPECT_EQ(mfrmMain->findChild<QLabel*>(Q("lblFilterCount"))->text(), Q("1 of 2 rows"));
    EXPECT_EQ(mfrmMain->ActiveEditor()->CurrentItem(), 2);
}

TEST_F(clsWorkbenchMainTest, CtrlHInATextBoxOpensReplaceAndLeavesTheText)
{
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), MessagesA)));
    QLineEdit* txtTitle = UpperBox(*mfrmMain->ActiveEditor());
    txtTitle->setFocus();
    QTest::keyClick(txtTitle, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(txtTitle->text(), Q("Error"));
    auto* frmFind = mfrmMain->findChild<QWidget*>(Q("frmReplace"));
    ASSERT_NE(frmFind, nullptr);
    EXPECT_TRUE(frmFind->isVisible());
}

}  // namespace
}  // namespace tralyx::test
