// Pictures of the main window for a person to look at: written only when TRALYX_SHOTS names a
// folder. Run under Xvfb with a window manager, so that frames and titles show, e.g. (one line)
//   xvfb-run -a -s "-screen 0 1280x800x24" sh -c 'openbox & sleep 1; QT_QPA_PLATFORM=xcb
//     TRALYX_SHOTS=/tmp/shots build/tests/tralyx_qt_tests --gtest_filter=MainScreenshot*'
#include "MainTest.h"

#include "QtDesktop.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace tralyx::test {
namespace {

using MainScreenshotTest = clsMainFixture;

TEST_F(MainScreenshotTest, WritesTheMainWindowTiledBothWaysTheAboutBoxAndTheCorruptFileBox)
{
    const QString strFolder = qEnvironmentVariable("TRALYX_SHOTS");
    if (strFolder.isEmpty()) GTEST_SKIP() << "set TRALYX_SHOTS to a folder to write the pictures";
    ASSERT_TRUE(QDir().mkpath(strFolder));
    clsQtDesktop objDesktop([this] { return mfrmMain.get(); });
    InstallDesktop(&objDesktop);
    auto fnShoot = [&](const QString& pstrName) {
        QTest::qWait(400);
        const QRect objFrame = mfrmMain->frameGeometry();
        EXPECT_TRUE(mfrmMain->screen()->grabWindow(0, objFrame.x(), objFrame.y(), objFrame.width(), objFrame.height())
                        .save(strFolder + u'/' + pstrName + Q(".png")));
    };

    mfrmMain->setGeometry(60, 40, 1100, 700);
    const QString strExamples = QDir::cleanPath(Q(TRALYX_TEST_DATA "/../../examples/languages/German"));
    mfrmMain->OpenFile(strExamples + Q("/messages.lrc"));
    ClickRow(*mfrmMain->ActiveEditor(), 0);
    mfrmMain->OpenFile(strExamples + Q("/core.lrc"));
    ClickRow(*mfrmMain->ActiveEditor(), 8);
    Click("mnuWindowTileHorizontal");
    fnShoot(Q("main-tile-horizontal"));
    Click("mnuWindowTileVertical");
    fnShoot(Q("main-tile-vertical"));

    QTimer::singleShot(600, [&] {
        fnShoot(Q("about"));
        if (QWidget* pobjBox = QApplication::activeModalWidget()) pobjBox->close();
    });
    Click("mnuHelpAbout");

    const QString strCorrupt = mobjDir.Write(Q("Deutsch/secondary.lrc"), "TXT001:Unbenannt\r\nTXT002\r\n");
    QTimer::singleShot(600, [&] {
        fnShoot(Q("corrupt-file"));
        auto* objBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        for (QAbstractButton* pobjButton : objBox ? objBox->buttons() : QList<QAbstractButton*>())
            if (objBox->buttonRole(pobjButton) == QMessageBox::ActionRole) pobjButton->click();  // Show Details...
        fnShoot(Q("corrupt-file-details"));
        if (objBox) objBox->done(QMessageBox::Ok);
    });
    mfrmMain->OpenFile(strCorrupt);
    InstallDesktop(&mobjDesktop);
}

}  // namespace
}  // namespace tralyx::test
