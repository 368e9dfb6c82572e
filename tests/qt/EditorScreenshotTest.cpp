// Pictures of the three modes for a person to look at: written only when TRALYX_SHOTS names a
// folder (run under Xvfb for real fonts and styles).
#include "EditorTestSupport.h"

#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace tralyx::test {
namespace {

class EditorScreenshotTest : public clsEditorFixture, public ::testing::WithParamInterface<int> {};

TEST_P(EditorScreenshotTest, WritesOnePicturePerMode)
{
    const QString strFolder = qEnvironmentVariable("TRALYX_SHOTS");
    if (strFolder.isEmpty()) GTEST_SKIP() << "set TRALYX_SHOTS to a folder to write the pictures";
    QMainWindow objMain;
    auto* objArea = new QMdiArea(&objMain);
    objMain.setCentralWidget(objArea);
    objMain.resize(720, 560);
    objMain.show();
    auto* objWindow = new frmMessageEditor();
    objWindow->EditType(GetParam());
    objWindow->FileName(Q("/home/ana/lang/Deutsch/") +
                        Q(GetParam() == 0 ? "messages.lrc" : GetParam() == 1 ? "secondary.lrc" : "core.lrc"));
    QMdiSubWindow* objSub = objArea->addSubWindow(objWindow);
    objSub->show();
    objSub->move(10, 10);
    QApplication::processEvents();
    ClickRow(*objWindow, 1);
    QApplication::processEvents();
    ASSERT_TRUE(QDir().mkpath(strFolder));
    EXPECT_TRUE(objMain.grab().save(strFolder + Q("/editor-mode%1.png").arg(GetParam())));
    objSub->resize(objSub->size() + QSize(120, 80));
    QApplication::processEvents();
    EXPECT_TRUE(objMain.grab().save(strFolder + Q("/editor-mode%1-larger.png").arg(GetParam())));
    objWindow->close();
}

INSTANTIATE_TEST_SUITE_P(Modes, EditorScreenshotTest, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace tralyx::test
