// The filter bar over a list in which a row is being edited: typing in the filter asks nothing, the
// edited row stays listed until the user leaves it, and each window keeps its own filter.
#include "MainTest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace tralyx::test {
namespace {

class clsMainFilterTest : public clsMainFixture {
protected:
    QLineEdit* FilterBox() const { return mfrmMain->findChild<QLineEdit*>(Q("txtFilter")); }
    QComboBox* FilterShow() const { return mfrmMain->findChild<QComboBox*>(Q("cboFilterShow")); }
    QString Count() const { return mfrmMain->findChild<QLabel*>(Q("lblFilterCount"))->text(); }
};

TEST_F(clsMainFilterTest, TypingInTheFilterKeepsTheRowBeingEditedAndAsksNothing)
{
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error\r\nMSG002:Saved.\r\nMST002:Done\r\n");
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), MessagesA)));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    ClickRow(frmEditor, 0);
    TypeLower(frmEditor, Q(" Notiz"));
    const QString strTyped = Q("Disk full.\nFree some space. Notiz");
    QTest::keyClick(mfrmMain.get(), Qt::Key_F, Qt::ControlModifier);
    // Every step runs with the typing still uncommitted; a question would fail the test.
    const struct {
        std::function<void()> Step;
        QString Count, Box;
        bool Typed, ReadOnly;
    } udtSteps[] = {
        {[&] { QTest::keyClicks(FilterBox(), Q("xnotiz")); }, Q("0 of 2 rows and the row being edited"), strTyped, true, false},
        {[&] { FilterShow()->setCurrentIndex(2); }, Q("0 of 2 rows and the row being edited"), strTyped, true, false},
        {[&] { FilterBox()->clear(); }, Q("0 of 2 rows and the row being edited"), strTyped, true, false},
        // Committed: the row is let go, and nothing is listed for the boxes to show.
        {[&] { ClickButton(Q("ToGrid")); }, Q("0 of 2 rows"), Q(""), false, true},
        {[&] { FilterShow()->setCurrentIndex(0); }, Q("2 of 2 rows"), Q("Disk full.\nFree some space. Notiz"), false, false},
    };
    for (size_t i = 0; i < std::size(udtSteps); ++i) {
        udtSteps[i].Step();
        EXPECT_EQ(Count(), udtSteps[i].Count) << "step " << i;
        EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), udtSteps[i].Box) << "step " << i;
        EXPECT_EQ(frmEditor.ItemChanged() && frmEditor.CurrentItem() == 1, udtSteps[i].Typed) << "step " << i;
        EXPECT_EQ(LowerBox(frmEditor)->isReadOnly(), udtSteps[i].ReadOnly) << "step " << i;
    }
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, Q("Disk full.\r\nFree some space. Notiz"));
}

TEST_F(clsMainFilterTest, EachWindowKeepsItsFilterWhichReadsCaptionsAsShown)
{
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/core.lrc"), "frmMain.chkPinned.0.C:Notizen &zuerst zeigen\r\n" + CoreA)));
    QMdiSubWindow* objCore = mfrmMain->Frame()->activeSubWindow();
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), MessagesA)));
    QMdiSubWindow* objMessages = mfrmMain->Frame()->activeSubWindow();
    const struct {
        QMdiSubWindow* Window;
        const char* Typed;  // nullptr: the window is only activated
        QString Bar, Count;
    } udtSteps[] = {
        {objMessages, nullptr, Q(""), Q("2 of 2 rows")},
        {objCore, "notizen zuerst", Q("notizen zuerst"), Q("1 of 2 rows")},
        {objMessages, nullptr, Q(""), Q("2 of 2 rows")},
        {objMessages, "saved", Q("saved"), Q("1 of 2 rows")},
        {objCore, nullptr, Q("notizen zuerst"), Q("1 of 2 rows")},
        {objCore, "&", Q("notizen zuerst&"), Q("0 of 2 rows")},
    };
    for (size_t i = 0; i < std::size(udtSteps); ++i) {
        mfrmMain->Frame()->setActiveSubWindow(udtSteps[i].Window);
        if (udtSteps[i].Typed) QTest::keyClicks(FilterBox(), Q(udtSteps[i].Typed));
        EXPECT_EQ(FilterBox()->text(), udtSteps[i].Bar) << "step " << i;
        EXPECT_EQ(Count(), udtSteps[i].Count) << "step " << i;
    }
}

}  // namespace
}  // namespace tralyx::test
