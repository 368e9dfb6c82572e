// Pictures of the windows for a person to look at, written to the folder TRALYX_SHOTS names
// (`make screenshots`). For frames and titles run under Xvfb with a window manager, e.g. (one line)
//   xvfb-run -a -s "-screen 0 1280x800x24" sh -c 'openbox & sleep 1; QT_QPA_PLATFORM=xcb
//     TRALYX_SHOTS=/tmp/shots build/tests/tralyx_screenshots'
#include "MainTest.h"

#include "binding/QtDesktop.h"

#include <QDir>
#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace tralyx::test {
namespace {

QString ShotsFolder()
{
    const QString strFolder = qEnvironmentVariable("TRALYX_SHOTS", Q("screenshots"));
    QDir().mkpath(strFolder);
    return strFolder + u'/';
}

using Screenshots = clsMainFixture;

TEST_F(Screenshots, MainWindowTiledBothWaysTheAboutBoxTheCorruptFileBoxAndTheEditorModes)
{
    clsQtDesktop objDesktop([this] { return mfrmMain.get(); });
    InstallDesktop(&objDesktop);
    const auto Shoot = [&](const QString& pstrName) {
        QTest::qWait(400);
        const QRect objFrame = mfrmMain->frameGeometry();
        EXPECT_TRUE(mfrmMain->screen()->grabWindow(0, objFrame.x(), objFrame.y(), objFrame.width(), objFrame.height())
                        .save(ShotsFolder() + pstrName + Q(".png")));
    };
    mfrmMain->setGeometry(60, 40, 1100, 700);
    const QString strExamples = QDir::cleanPath(Q(TRALYX_TEST_DATA "/../../examples/languages/German"));
    int lngRow = 0;
    for (const char* pstrFile : {"messages.lrc", "secondary.lrc", "core.lrc"}) {
        mfrmMain->OpenFile(strExamples + u'/' + Q(pstrFile));
        ClickRow(*mfrmMain->ActiveEditor(), ++lngRow);
        mfrmMain->Frame()->activeSubWindow()->showMaximized();
        Shoot(Q("editor-") + Q(pstrFile).chopped(4));
        mfrmMain->Frame()->activeSubWindow()->showNormal();
    }
    Click("mnuWindowTileHorizontal");
    Shoot(Q("main-tile-horizontal"));
    Click("mnuWindowTileVertical");
    Shoot(Q("main-tile-vertical"));

    QTimer::singleShot(600, [&] {
        Shoot(Q("about"));
        if (QWidget* pobjBox = QApplication::activeModalWidget()) pobjBox->close();
    });
    Click("mnuHelpAbout");
    QTimer::singleShot(600, [&] {
        Shoot(Q("corrupt-file"));
        auto* objBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        for (QAbstractButton* pobjButton : objBox ? objBox->buttons() : QList<QAbstractButton*>())
            if (objBox->buttonRole(pobjButton) == QMessageBox::ActionRole) pobjButton->click();  // Show Details...
        Shoot(Q("corrupt-file-details"));
        if (objBox) objBox->done(QMessageBox::Ok);
    });
    mfrmMain->OpenFile(mobjDir.Write(Q("Deutsch/secondary.lrc"), "TXT001:Unbenannt\r\nTXT002\r\n"));
    InstallDesktop(&mobjDesktop);
}

}  // namespace
}  // namespace tralyx::test
