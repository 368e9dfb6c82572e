// Showing stored messages: which title and text win, how markers are replaced, what reaches the box.
#include "common/basApplication.h"
#include "common/clsRuntimeError.h"
#include "runtime/basMessageMarkers.h"
#include "ScriptedDesktop.h"
#include "store/clsTralyx.h"
#include "TestTexts.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace tralyx;
using tralyx::test::clsScriptedDesktop;

namespace {

TEST(MarkerTest, ReplacesEachMarkerOnceLeftToRight)
{
    const std::tuple<QString, QString, QString> udtCases[] = {
        {"Dear [#!name!#], file [#!the file name!#] saved.", "X", "Dear X, file X saved."},
        {"<[#!twenty characters!!#][#!1!#]>", "X", "<XX>"},
        {"a[#!1!#]b[#!2!#]c", "a much longer replacement", "aa much longer replacementba much longer replacementc"},
        {"a[#!x!#]b[#!y!#]c", "[#!z!#]", "a[#!z!#]b[#!z!#]c"},
        {"a[#!1!#]b!#]c", "[#!", "a[#!b!#]c"},
        {"a[#!x!#]b[#!!#]c", "", "abc"},
        {"[#!a!#]middle[#!b!#]", "R", "RmiddleR"},
        {"a[#!1!#]b[#!c", "R", "aRb[#!c"},
        {"a!#]b[#!x!#]c", "R", "a!#]bRc"},
        {"a[#!#]b", "R", "a[#!#]b"},
        {"a[#!#]b!#]c", "R", "aRc"},
        {"a[# !x!#]b[#!x! #]c", "R", "a[# !x!#]b[#!x! #]c"},
    };
    for (const auto& [strText, strReplacement, strExpected] : udtCases) {
        EXPECT_EQ(GetReplacedText(strText, strReplacement), strExpected) << strText.toStdString();
        QString strInPlace = strText;
        ReplaceMarkedText(strInPlace, strReplacement);
        EXPECT_EQ(strInPlace, strExpected) << strText.toStdString();
    }
}

TEST(MarkerLimits, MarkerBeyondCharacter32767Overflows)
{
    // Opening at 32764 (counted from 1) and closing at 32768: the closing is out of reach.
    EXPECT_EQ(tralyx::test::ErrorNumber([] { GetReplacedText(QString(32763, u'a') + QStringLiteral("[#!x!#]"), QStringLiteral("R")); }), 6);
    EXPECT_EQ(GetReplacedText(QString(32762, u'a') + QStringLiteral("[#!x!#]"), QStringLiteral("R")), QString(32762, u'a') + u'R');
    EXPECT_EQ(GetReplacedText(QString(40000, u'a'), QStringLiteral("R")), QString(40000, u'a'));  // no marker: returned as it is
}

class DisplayMessageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mobjStore.SetMessageTable({
            {1, QStringLiteral("Cannot open [#!file!#].\r\nTry [#!again!#]."), QStringLiteral("Open [#!file!#]")},
            {2, QStringLiteral("No title here [#!x!#]"), QString()},
        });
    }
    clsTralyx mobjStore;
    clsScriptedDesktop mobjDesktop;
};

TEST_F(DisplayMessageTest, SuppliedTitleAndTextWinEmptyOnesFallBackAndMarkersAreReplaced)
{
    const QString strOldName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("App [#!not a marker here!#]");
    const std::tuple<uint8_t, QString, QString, QString, QString, QString> udtCases[] = {
        // identifier, replacement, title, text: the box's prompt and title
        {0, "a.txt", "", "", "Cannot open a.txt.\r\nTry a.txt.", "Open a.txt"},
        {0, "R", "Own title [#!t!#]", "Own [[#!m!#]]", "Own [R]", "Own title R"},
        {0, "R", "Own title [#!t!#]", "", "Cannot open R.\r\nTry R.", "Own title R"},
        {0, "R", "", "Own [[#!m!#]]", "Own [R]", "Open R"},
        {0, "", "", "", "Cannot open [#!file!#].\r\nTry [#!again!#].", "Open "},  // an empty replacement: from the title only
        {0, "", "title [#!b!#]", "text [#!a!#]", "text [#!a!#]", "title "},
        {1, "R", "", "", "No title here R", "App [#!not a marker here!#]"},  // the application's title, unreplaced
    };
    for (const auto& [bytIdentifier, strReplacement, strTitle, strText, strPrompt, strBoxTitle] : udtCases) {
        mobjDesktop.Expect(strPrompt, vbYesNoCancel | vbExclamation, strBoxTitle, vbCancel);
        EXPECT_EQ(mobjStore.DisplayMessage(bytIdentifier, strReplacement, vbYesNoCancel | vbExclamation, strTitle, strText), vbCancel);
    }
    QCoreApplication::setApplicationName(strOldName);
    // With both supplied the identifier is not looked up, even in a table never loaded.
    mobjDesktop.Expect("text", 0, "title", vbOK);
    EXPECT_EQ(clsTralyx().DisplayMessage(255, "R", 0, "title", "text"), vbOK);
}

TEST_F(DisplayMessageTest, AMissingEntryOrAnOverlongTextRaisesAndShowsNothing)
{
    clsTralyx objEmpty;
    const std::tuple<const clsTralyx*, uint8_t, QString, QString, int32_t> udtCases[] = {
        {&mobjStore, 2, "", "", 9},
        {&mobjStore, 2, "title", "", 9},  // the text is still needed
        {&mobjStore, 200, "", "text", 9},
        {&objEmpty, 0, "", "", 9},
        {&mobjStore, 0, "t", QString(40000, u'a') + "[#!x!#]", 6},
    };
    for (const auto& [pobjStore, bytIdentifier, strTitle, strText, lngNumber] : udtCases) {
        try {
            pobjStore->DisplayMessage(bytIdentifier, QStringLiteral("R"), 0, strTitle, strText);
            ADD_FAILURE() << "no error for identifier " << int(bytIdentifier);
        } catch (const clsRuntimeError& e) {
            EXPECT_EQ(e.Number(), lngNumber);
        }
    }
    EXPECT_TRUE(mobjDesktop.Shown().empty());
}

// An application that installed no desktop (and no Qt binding that makes one) is told so, instead of
// getting an answer for a message nobody saw.
TEST(DisplayMessageWithoutDesktop, RaisesInsteadOfAnsweringUnseen)
{
    clsTralyx objStore;
    objStore.SetMessageTable({{1, QStringLiteral("Delete it?"), QStringLiteral("Delete")}});
    InstallDesktop(nullptr);
    EXPECT_EQ(tralyx::test::ErrorNumber([&] { objStore.DisplayMessage(0, QString(), vbYesNo); }), ErrNoDesktop);
}

}  // namespace
