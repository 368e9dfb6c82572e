// The sample language folders under examples/: what the store's writers write, and a translation
// that matches its English folder entry for entry.
#include "MainTest.h"

#include <QDir>
#include <QRegularExpression>

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

TEST_F(MainExamplesTest, TheTranslationHasEveryEntryAndMarkerOfTheEnglishFolder)
{
    auto fnLoad = [](const char* pstrLanguage, clsTralyx& pobjStore) {
        bool booCore = false, booMessages = false, booSecondary = false;
        const QString strFolder = ExamplesFolder + Q(pstrLanguage) + u'/';
        pobjStore.LoadControlText(strFolder + Q("core.lrc"), booCore);
        pobjStore.LoadMessagesFromResource(strFolder + Q("messages.lrc"), booMessages);
        pobjStore.LoadPreceduralTextFromResource(strFolder + Q("secondary.lrc"), booSecondary);
        return booCore && booMessages && booSecondary;
    };
    clsTralyx objEnglish, objGerman;
    ASSERT_TRUE(fnLoad("English", objEnglish));
    ASSERT_TRUE(fnLoad("German", objGerman));

    ASSERT_EQ(objGerman.ControlTextTable().size(), objEnglish.ControlTextTable().size());
    for (qsizetype i = 0; i < objEnglish.ControlTextTable().size(); ++i)
        EXPECT_EQ(clsTralyx::ObjectPath(objGerman.ControlTextTable()[i]), clsTralyx::ObjectPath(objEnglish.ControlTextTable()[i]));
    ASSERT_EQ(objGerman.MessageTable().size(), objEnglish.MessageTable().size());
    const QRegularExpression objMarker(Q("\\[#!.*?!#\\]"));
    auto fnMarkers = [&](const QString& pstrText) {
        QStringList strOut;
        for (const auto& objMatch : objMarker.globalMatch(pstrText)) strOut << objMatch.captured();
        return strOut;
    };
    for (qsizetype i = 0; i < objEnglish.MessageTable().size(); ++i)
        EXPECT_EQ(fnMarkers(objGerman.MessageTable()[i].Message), fnMarkers(objEnglish.MessageTable()[i].Message)) << i;
    EXPECT_EQ(objGerman.SecondaryTable().size(), objEnglish.SecondaryTable().size());
    // The samples show what the format can carry: several lines, a control array, a tab control.
    EXPECT_TRUE(objEnglish.MessageTable()[1].Message.contains(Q("\r\n")));
    EXPECT_TRUE(objEnglish.SecondaryTable().last().contains(Q("\r\n")));
    EXPECT_EQ(objEnglish.ControlTextTable().count({Q("frmOptions"), Q("optTheme"), 2, Q("Follow the &system"),
                                                   Q("Use the colour scheme of the desktop")}), 1);
}

}  // namespace
}  // namespace tralyx::test
