// Small text helpers whose faults once reached users.
#include "FileFunctions.h"
#include "TestTexts.h"
#include "basShortened.h"

#include <gtest/gtest.h>

namespace tralyx::test {
namespace {

TEST(SmallHelpersTest, ExtensionsKeepTheirLengthWhenUpperCased)
{
    EXPECT_EQ(GetFileExtension(Q("notes.straße")), Q("STRAßE"));
    EXPECT_EQ(GetFileName(Q("/x/ma\u00DF.fu\u00DF"), false), Q("ma\u00DF"));
}

TEST(SmallHelpersTest, ShortenedQuotesTheFirstLineUpToTheLimit)
{
    struct udtCase {
        const char* Text;
        qsizetype Max;
        const char* Shown;
    };
    const udtCase udtCases[] = {
        {"short", 20, "short"},         {"exactly five", 12, "exactly five"}, {"one two three", 7, "one two..."},
        {"first\r\nsecond", 60, "first..."}, {"a\rb", 60, "a..."},           {"", 60, ""},
    };
    for (const udtCase& c : udtCases) EXPECT_EQ(Shortened(Q(c.Text), c.Max), Q(c.Shown)) << c.Text;
}

}  // namespace
}  // namespace tralyx::test
