#include "FileFunctions.h"

#include <gtest/gtest.h>

using namespace tralyx;

struct udtFileNameCase {
    const char* Path;
    bool KeepExtension;
    const char* Expected;
};

class GetFileNameTest : public ::testing::TestWithParam<udtFileNameCase> {};

TEST_P(GetFileNameTest, GivesTheLastComponent)
{
    const udtFileNameCase c = GetParam();
    EXPECT_EQ(GetFileName(QString::fromUtf8(c.Path), c.KeepExtension).toStdString(), c.Expected) << c.Path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, GetFileNameTest,
    ::testing::Values(udtFileNameCase{"D:\\Lang\\English\\Core.LRC", false, "Core"},
                      udtFileNameCase{"D:\\Lang\\English\\Core.LRC", true, "Core.LRC"},
                      udtFileNameCase{"messages", false, "messages"},
                      udtFileNameCase{"core.old.lrc", false, "core.old"},
                      udtFileNameCase{"D:\\Lang\\English\\", false, "English"},
                      udtFileNameCase{"", false, ""}, udtFileNameCase{"", true, ""},
                      udtFileNameCase{"\\core.lrc", false, "\\core"},
                      udtFileNameCase{"core.", false, "core."},
                      udtFileNameCase{".profile", false, ".profile"},
                      // Linux paths follow the same rules with "/".
                      udtFileNameCase{"/home/ana/lang/MESSAGES.LRC", false, "MESSAGES"},
                      udtFileNameCase{"/home/ana/core/strings.lrc", false, "strings"},
                      udtFileNameCase{"/core.lrc", false, "/core"},
                      udtFileNameCase{"/home/ana/lang/", false, "lang"},
                      udtFileNameCase{"mixed/dir\\secondary.lrc", false, "secondary"}));

TEST(GetFileExtensionTest, UpperCasedTextAfterTheLastPoint)
{
    EXPECT_EQ(GetFileExtension("readme.txt").toStdString(), "TXT");
    EXPECT_EQ(GetFileExtension("archive.tar.gz").toStdString(), "GZ");
    EXPECT_EQ(GetFileExtension(".profile").toStdString(), "");
    EXPECT_EQ(GetFileExtension("core.").toStdString(), "");
    EXPECT_EQ(GetFileExtension("core").toStdString(), "");
}
