// The sample language folders under examples/ are what the store's writers write.
#include "MainTest.h"

#include <QDir>

namespace tralyx::test {
namespace {

// Named lexically: tests/data need not exist.
const QString ExamplesFolder = QDir::cleanPath(Q(TRALYX_TEST_DATA "/../../examples/languages")) + u'/';

using MainExamplesTest = clsMainFixture;

TEST_F(MainExamplesTest, EachFileOpensAndSavesBackByteForByte)
{
    for (const char* pstrLanguage : {"English", "German"}) {
        for (const char* pstrFile : {"core.lrc", "messages.lrc", "secondary.lrc"}) {
            SCOPED_TRACE(std::string(pstrLanguage) + "/" + pstrFile);
            const QString strPath = ExamplesFolder + Q(pstrLanguage) + u'/' + Q(pstrFile);
            ASSERT_TRUE(mfrmMain->OpenFile(strPath));
            const QString strCopy = mobjDir.Path(Q(pstrLanguage) + Q(pstrFile));
            EXPECT_TRUE(mfrmMain->ActiveEditor()->SaveMe(strCopy));
            EXPECT_EQ(clsTempDir::Read(strCopy), clsTempDir::Read(strPath));
            EXPECT_TRUE(gobjTextStore->LastWarnings().isEmpty());
        }
    }
}

}  // namespace
}  // namespace tralyx::test
