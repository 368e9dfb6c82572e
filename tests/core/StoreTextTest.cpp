// Line breaks between the store and the screen: what each kind of box, a row and the clipboard show.
#include "common/basStoreText.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

namespace tralyx::test {
namespace {

TEST(StoreTextTest, BoxesShowBreaksAndMarksSoThatACommitGivesTheTextBack)
{
    const struct {
        const char *Stored, *Several, *One;
    } udtCases[] = {
        {"a\r\nb", "a\nb", "a↵b"},
        {"a\rb\nc", "a␍b␊c", "a␍b␊c"},
        {"a\r\n\r\nb\r\rc", "a\n\nb␍␍c", "a↵↵b␍␍c"},  // breaks in a row stay apart
        {"caf\u00E9\u00A0!\t", "caf\u00E9\u00A0!\t", "caf\u00E9\u00A0!\t"},
    };
    for (const auto& c : udtCases) {
        EXPECT_EQ(StoreToBox(Q(c.Stored), enuBoxLines::Several), Q(c.Several));
        EXPECT_EQ(StoreToBox(Q(c.Stored), enuBoxLines::One), Q(c.One));
        EXPECT_EQ(BoxToStore(Q(c.One), enuBoxLines::One), Q(c.Stored));
    }
    // A mark stored as a character cannot be told from a break: such a text is shown read-only.
    EXPECT_FALSE(BoxCanHold(Q("a ↵ b"), enuBoxLines::One));
    EXPECT_FALSE(BoxCanHold(Q("a ␍ b"), enuBoxLines::Several));
    EXPECT_TRUE(BoxCanHold(Q("a ↵ b"), enuBoxLines::Several));
    // Raw breaks pasted into a one-line box, and a document's separators, are one CR LF each.
    EXPECT_EQ(BoxToStore(Q("a\r\nb\rc\nd"), enuBoxLines::One), Q("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(BoxToStore(Q("a\u2029b\u2028c"), enuBoxLines::Several), Q("a\r\nb\r\nc"));
    EXPECT_EQ(StoreToLines(Q("a\r\nb\rc\nd")), Q("a\nb\nc\nd"));
    EXPECT_EQ(StoreToRow(Q("a\r\nb\rc")), Q("a ↵ b ↵ c"));
    EXPECT_EQ(LinesToStore(Q("a\nb\r\nc")), Q("a\r\nb\r\nc"));
}

}  // namespace
}  // namespace tralyx::test
