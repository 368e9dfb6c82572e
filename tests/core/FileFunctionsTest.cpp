#include "common/basShortened.h"
#include "common/FileFunctions.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

using namespace tralyx;
using tralyx::test::Q;

TEST(FileFunctionsTest, NameAndExtensionOfTheLastComponent)
{
    const std::tuple<const char*, bool, const char*> udtNames[] = {
        {"D:\\Lang\\English\\Core.LRC", false, "Core"}, {"D:\\Lang\\English\\Core.LRC", true, "Core.LRC"},
        {"messages", false, "messages"}, {"core.old.lrc", false, "core.old"}, {"D:\\Lang\\English\\", false, "English"},
        {"", false, ""}, {"", true, ""}, {"\\core.lrc", false, "\\core"}, {"core.", false, "core."}, {".profile", false, ".profile"},
        {"/home/ana/lang/MESSAGES.LRC", false, "MESSAGES"}, {"/core.lrc", false, "/core"}, {"/home/ana/lang/", false, "lang"},
        {"mixed/dir\\secondary.lrc", false, "secondary"}, {"/x/ma\u00DF.fu\u00DF", false, "ma\u00DF"}};
    for (const auto& [pstrPath, booKeep, pstrName] : udtNames) EXPECT_EQ(GetFileName(Q(pstrPath), booKeep), Q(pstrName)) << pstrPath;
    const std::pair<const char*, const char*> udtExtensions[] = {
        {"readme.txt", "TXT"}, {"archive.tar.gz", "GZ"}, {".profile", ""}, {"core.", ""}, {"core", ""}, {"notes.stra\u00DFe", "STRA\u00DFE"}};
    for (const auto& [pstrPath, pstrExtension] : udtExtensions) EXPECT_EQ(GetFileExtension(Q(pstrPath)), Q(pstrExtension)) << pstrPath;
}

TEST(FileFunctionsTest, ShortenedQuotesTheFirstLine)
{
    EXPECT_EQ(Shortened(Q("one two three"), 7), Q("one two..."));
    EXPECT_EQ(Shortened(Q("first\r\nsecond")), Q("first..."));
}
