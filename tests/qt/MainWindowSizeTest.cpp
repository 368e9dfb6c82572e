// The main window's size across starts: a restored size is kept when the Source dock appears, and
// only a window of the default size makes room for the dock.
#include "MainTest.h"

#include <QSettings>

namespace tralyx::test {
namespace {

using clsMainWindowSizeTest = clsMainFixture;

TEST_F(clsMainWindowSizeTest, ARestoredSizeIsKeptWhenTheDockAppears)
{
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error\r\n");
    const QString strGerman = mobjDir.Write(Q("German/messages.lrc"), MessagesA);
    for (const bool booRestored : {true, true, false}) {
        mfrmMain->resize(500, 400);
        mfrmMain->close();  // Exit: the size is remembered
        if (!booRestored) QSettings().clear();
        mfrmMain = std::make_unique<frmMain>();
        if (!booRestored) mfrmMain->resize(500, 400);
        mfrmMain->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mfrmMain.get()));
        ASSERT_TRUE(mfrmMain->OpenFile(strGerman));
        QTest::qWait(20);  // the dock makes its room once it is placed
        EXPECT_EQ(mfrmMain->width() == 500, booRestored) << mfrmMain->width();
    }
}

}  // namespace
}  // namespace tralyx::test
