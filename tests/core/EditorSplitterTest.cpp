// The editor's layout: the handle between its boxes and its list, and a size too small to use,
// which keeps the last usable layout.
#include "editor/clsEditorLayout.h"

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

TEST(EditorLayoutTest, TooSmallKeepsTheLastUsableLayout)
{
    tralyx::clsEditorLayout objLayout;
    ASSERT_TRUE(objLayout.Resize(9000, 7000));
    const tralyx::clsEditorLayout objBefore = objLayout;
    const int32_t lngSizes[][2] = {{1440, 7000}, {9000, 2655}, {0, 0}, {-500, 100000}, {INT32_MIN, INT32_MIN}};
    for (const auto& lngSize : lngSizes) {
        EXPECT_FALSE(objLayout.Resize(lngSize[0], lngSize[1])) << lngSize[0] << " x " << lngSize[1];
        EXPECT_EQ(objLayout.lvwMessages, objBefore.lvwMessages);
        EXPECT_EQ(objLayout.cmdPreview, objBefore.cmdPreview);
    }
}
