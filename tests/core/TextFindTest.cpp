#include "editor/clsTextFind.h"

#include <gtest/gtest.h>

namespace tralyx {
namespace {

TEST(TextFindTest, ReplacesByCaseAndWord)
{
    const struct {
        const char *Find, *In, *By;
        bool MatchCase, WholeWord;
        const char* Expected;
    } udtCases[] = {
        {"file", "File and profile", "doc", false, false, "doc and prodoc"},
        {"file", "File and profile", "doc", true, false, "File and prodoc"},
        {"file", "File and profile", "doc", false, true, "doc and profile"},
        {"(n)", "Copy (n) of (n)x", "\\1", false, true, "Copy \\1 of (n)x"},  // punctuation at the edges; literal by
        {"x", "none here", "y", false, false, "none here"},
    };
    for (const auto& udtCase : udtCases) {
        const clsTextFind objFind(QString::fromUtf8(udtCase.Find), udtCase.MatchCase, udtCase.WholeWord);
        const QString strIn = QString::fromUtf8(udtCase.In);
        EXPECT_EQ(objFind.Replaced(strIn, QString::fromUtf8(udtCase.By)), QString::fromUtf8(udtCase.Expected)) << udtCase.In;
        EXPECT_EQ(objFind.Matches(strIn), strIn != QString::fromUtf8(udtCase.Expected)) << udtCase.In;
    }
}

}  // namespace
}  // namespace tralyx
