// The resize rule keeps its last usable layout, so a window made too small or minimised keeps its controls.
#include "EditorTestSupport.h"
#include "clsEditorLayout.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tralyx::test {
namespace {

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
