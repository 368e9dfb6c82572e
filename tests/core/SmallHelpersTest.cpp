// Small text helpers whose faults once reached users.
#include "FileFunctions.h"
#include "TestTexts.h"
#include "basShortened.h"

#include <gtest/gtest.h>

namespace tralyx::test {
namespace {

TEST(SmallHelpersTest, ExtensionsKeepTheirLengthAndQuotesTheirFirstLine)
{
    EXPECT_EQ(GetFileExtension(Q("notes.straße")), Q("STRAßE"));
    EXPECT_EQ(GetFileName(Q("/x/maß.fuß"), false), Q("maß"));
    EXPECT_EQ(Shortened(Q("one two three"), 7), Q("one two..."));
    EXPECT_EQ(Shortened(Q("first\r\nsecond")), Q("first..."));
}

}  // namespace
}  // namespace tralyx::test
