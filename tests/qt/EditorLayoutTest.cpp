// The resize rule, in twips, and the window following it.
#include "EditorTestSupport.h"
#include "QtTwips.h"
#include "clsEditorLayout.h"

#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace tralyx::test {
namespace {

TEST(EditorLayoutTest, ResizeExampleHoldsExactly)
{
    clsEditorLayout objLayout;
    ASSERT_TRUE(objLayout.Resize(9000, 7000));
    EXPECT_EQ(objLayout.lvwMessages, (udtTwipsBox{120, 1680, 8680, 4345}));
    EXPECT_EQ(objLayout.cmdPreview, (udtTwipsBox{120, 6130, 1335, 375}));
    EXPECT_EQ(objLayout.fraMessage, (udtTwipsBox{120, 120, 8680, 1455}));
    EXPECT_EQ(objLayout.txtTitle, (udtTwipsBox{960, 240, 7560, 285}));
    EXPECT_EQ(objLayout.txtMessage, (udtTwipsBox{960, 600, 7560, 735}));
}

TEST(EditorLayoutTest, TooSmallKeepsTheLastUsableLayout)
{
    clsEditorLayout objLayout;
    ASSERT_TRUE(objLayout.Resize(9000, 7000));
    const clsEditorLayout objBefore = objLayout;
    const int32_t lngSizes[][2] = {{1440, 7000}, {9000, 2655}, {0, 0}, {-500, 100000}, {INT32_MIN, INT32_MIN}};
    for (const auto& lngSize : lngSizes) {
        EXPECT_FALSE(objLayout.Resize(lngSize[0], lngSize[1])) << lngSize[0] << " x " << lngSize[1];
        EXPECT_EQ(objLayout.lvwMessages, objBefore.lvwMessages);
        EXPECT_EQ(objLayout.cmdPreview, objBefore.cmdPreview);
    }
    EXPECT_TRUE(objLayout.Resize(1441, 2656));
    EXPECT_EQ(objLayout.txtTitle.Width, 1);
    EXPECT_EQ(objLayout.lvwMessages.Height, 1);
}

using EditorWindowLayoutTest = clsEditorFixture;

TEST_F(EditorWindowLayoutTest, ControlsFollowTheRuleAtTheScreensDpi)
{
    auto objWindow = Open(frmMessageEditor::EditMessages);
    objWindow->resize(640, 500);
    const int32_t W = PixelsToTwipsX(*objWindow, 640) + clsEditorLayout::BorderWidth;
    const int32_t H = PixelsToTwipsY(*objWindow, 500) + clsEditorLayout::BorderHeight;
    const clsEditorLayout& objLayout = objWindow->Layout();
    EXPECT_EQ(objLayout.lvwMessages.Width, W - 320);
    EXPECT_EQ(objLayout.lvwMessages.Height, H - 2655);
    EXPECT_EQ(objLayout.cmdPreview.Top, H - 870);
    const auto Pixels = [&](const udtTwipsBox& b) { return TwipsRectToPixels(*objWindow, b.Left, b.Top, b.Width, b.Height); };
    EXPECT_EQ(List(*objWindow)->geometry(), Pixels(objLayout.lvwMessages));
    EXPECT_EQ(objWindow->findChild<QGroupBox*>("fraMessage")->geometry(), Pixels(objLayout.fraMessage));
    EXPECT_EQ(objWindow->findChild<QPushButton*>("cmdPreview")->geometry(), Pixels(objLayout.cmdPreview));

    const QRect objListBefore = List(*objWindow)->geometry();
    objWindow->resize(20, 20);
    EXPECT_EQ(List(*objWindow)->geometry(), objListBefore);
}

TEST_F(EditorWindowLayoutTest, MinimisingInAFrameRaisesNothing)
{
    QMdiArea objArea;
    objArea.resize(800, 600);
    auto* objWindow = new frmMessageEditor();
    objWindow->EditType(frmMessageEditor::EditControlText);
    QMdiSubWindow* objSub = objArea.addSubWindow(objWindow);
    objArea.show();
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
