// The about box: its texts, its one button for Enter and Escape, and its modal showing.
#include "MainTest.h"

#include "basApplication.h"
#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tralyx::test {
namespace {

TEST(AboutTest, VersionLineIsMajorMinorRevisionWithoutLeadingZeros)
{
    const std::tuple<int, int, int, const char*> udtCases[] = {
        {2, 10, 15, "Version 2.10.15"}, {1, 0, 4, "Version 1.0.4"}, {0, 0, 0, "Version 0.0.0"}};
    for (const auto& [intMajor, intMinor, intRevision, pstrText] : udtCases)
        EXPECT_EQ(frmAbout::VersionText(intMajor, intMinor, intRevision), Q(pstrText));

    frmAbout objAbout;
    EXPECT_EQ(objAbout.windowTitle(), Q("About Tralyx"));
    EXPECT_EQ(objAbout.findChild<QLabel*>(Q("lblTitle"))->text(), App::Title());
    EXPECT_EQ(objAbout.findChild<QLabel*>(Q("lblVersion"))->text(),
              Q("Version %1.%2.%3").arg(App::Major()).arg(App::Minor()).arg(App::Revision()));
    EXPECT_EQ(objAbout.findChild<QLabel*>(Q("lblDescription"))->text(),
              Q("Allows management of Zarvo .LRC files to ease localisation."));
}

TEST(AboutTest, EnterAndEscapeBothPressOK)
{
    for (const Qt::Key enuKey : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout objAbout;
        auto* cmdOK = objAbout.findChild<QPushButton*>(Q("cmdOK"));
        ASSERT_NE(cmdOK, nullptr);
        EXPECT_EQ(cmdOK->text(), Q("OK"));
        EXPECT_TRUE(cmdOK->isDefault());
        objAbout.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&objAbout));
        QTest::keyClick(&objAbout, enuKey);
        EXPECT_FALSE(objAbout.isVisible()) << enuKey;
    }
}

using AboutMenuTest = clsMainFixture;

TEST_F(AboutMenuTest, HelpAboutShowsTheBoxModallyOverTheMainWindow)
{
    bool booSeen = false;
    QTimer::singleShot(0, [&] {
        auto* frmBox = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        booSeen = frmBox && frmBox->parentWidget() == mfrmMain.get() && frmBox->isModal();
        if (frmBox) frmBox->findChild<QPushButton*>(Q("cmdOK"))->click();
    });
    Click("mnuHelpAbout");  // returns when the box has closed
    EXPECT_TRUE(booSeen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace tralyx::test
