// The handle between the editor's boxes and its list.
#include "clsEditorLayout.h"

#include <gtest/gtest.h>

TEST(EditorSplitterTest, DraggedBoxesKeepTheirShareThroughResizes)
{
    tralyx::clsEditorLayout udtUntouched, udtLayout;
    udtUntouched.Resize(12000, 9000);
    udtLayout.Resize(12000, 9000);
    EXPECT_FALSE(udtLayout.DragSplitter(100)) << "never smaller than designed";
    ASSERT_TRUE(udtLayout.DragSplitter(udtLayout.fraMessage.Top + 3455));
    EXPECT_EQ(udtLayout.txtMessage.Height, udtUntouched.txtMessage.Height + 2000);
    EXPECT_EQ(udtLayout.lvwMessages.Top, udtUntouched.lvwMessages.Top + 2000);
    udtLayout.Resize(12000, 9000 + 7800);  // frame and list together twice as high
    EXPECT_EQ(udtLayout.fraMessage.Height, 2 * 3455);
    ASSERT_TRUE(udtLayout.DragSplitter(1000000));
    EXPECT_EQ(udtLayout.lvwMessages.Height, tralyx::clsEditorLayout::MinListHeight);
}
