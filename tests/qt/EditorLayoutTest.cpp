// A window minimised in a frame keeps its controls where they were.
#include "EditorTestSupport.h"

namespace tralyx::test {
namespace {

using EditorWindowLayoutTest = clsEditorFixture;

TEST_F(EditorWindowLayoutTest, MinimisingInAFrameRaisesNothing)
{
    QMdiArea objArea;
    objArea.resize(800, 600);
    frmMessageEditor* objWindow = OpenIn(objArea, frmMessageEditor::EditControlText);
    QMdiSubWindow* objSub = objArea.subWindowList().front();
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
