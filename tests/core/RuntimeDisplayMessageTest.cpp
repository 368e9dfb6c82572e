// Showing stored messages: which title and text win, how markers are replaced, what reaches the box.
#include "ScriptedDesktop.h"
#include "basApplication.h"
#include "basMessageMarkers.h"
#include "clsRuntimeError.h"
#include "clsTralyx.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace tralyx;
using tralyx::test::clsScriptedDesktop;

namespace {

struct udtMarkerCase {
    const char* Name;
    QString Text;
    QString Replacement;
    QString Expected;
};

class MarkerTest : public ::testing::TestWithParam<udtMarkerCase> {};

TEST_P(MarkerTest, ReplacesEachMarkerOnceLeftToRight)
{
    const udtMarkerCase& c = GetParam();
    EXPECT_EQ(GetReplacedText(c.Text, c.Replacement).toStdString(), c.Expected.toStdString());
    QString strInPlace = c.Text;
    ReplaceMarkedText(strInPlace, c.Replacement);
    EXPECT_EQ(strInPlace.toStdString(), c.Expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Markers, MarkerTest,
    ::testing::Values(
        udtMarkerCase{"LabelsOfDifferentLength", "Dear [#!name!#], file [#!the file name!#] saved.", "X",
                      "Dear X, file X saved."},
        udtMarkerCase{"ShrinkingTextStillFindsTheNext", "<[#!twenty characters!!#][#!1!#]>", "X", "<XX>"},
        udtMarkerCase{"GrowingText", "a[#!1!#]b[#!2!#]c", "a much longer replacement",
                      "aa much longer replacementba much longer replacementc"},
        udtMarkerCase{"ReplacementHoldingAMarkerIsLiteral", "a[#!x!#]b[#!y!#]c", "[#!z!#]", "a[#!z!#]b[#!z!#]c"},
        udtMarkerCase{"ReplacementOpeningAMarkerIsNotJoinedWithTheText", "a[#!1!#]b!#]c", "[#!", "a[#!b!#]c"},
        udtMarkerCase{"EmptyReplacementRemovesMarkers", "a[#!x!#]b[#!!#]c", "", "abc"},
        udtMarkerCase{"MarkerAtBothEnds", "[#!a!#]middle[#!b!#]", "R", "RmiddleR"},
        udtMarkerCase{"OpeningWithoutClosingLeavesTheRest", "a[#!1!#]b[#!c", "R", "aRb[#!c"},
        udtMarkerCase{"ClosingBeforeOpeningStays", "a!#]b[#!x!#]c", "R", "a!#]bRc"},
        udtMarkerCase{"OverlappingMarkersAreNotAPair", "a[#!#]b", "R", "a[#!#]b"},
        udtMarkerCase{"OverlapFollowedByAClosing", "a[#!#]b!#]c", "R", "aRc"},
        udtMarkerCase{"CaseAndSpacingMustMatch", "a[# !x!#]b[#!x! #]c", "R", "a[# !x!#]b[#!x! #]c"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MarkerLimits, MarkerBeyondCharacter32767Overflows)
{
    // Opening at 32764 (counted from 1) and closing at 32768: the closing is out of reach.
    const QString strLate = QString(32763, u'a') + QStringLiteral("[#!x!#]");
    try {
        GetReplacedText(strLate, QStringLiteral("R"));
        FAIL() << "no overflow";
    } catch (const clsRuntimeError& e) {
        EXPECT_EQ(e.Number(), 6);
    }
    // One character less and the whole marker lies within reach.
    EXPECT_EQ(GetReplacedText(QString(32762, u'a') + QStringLiteral("[#!x!#]"), QStringLiteral("R")),
              QString(32762, u'a') + u'R');
    // A long text without markers is simply returned.
    const QString strLong = QString(40000, u'a');
    EXPECT_EQ(GetReplacedText(strLong, QStringLiteral("R")), strLong);
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

TEST_F(DisplayMessageTest, StoredTitleAndTextWithMarkersReplaced)
{
    mobjDesktop.Expect("Cannot open a.txt.\r\nTry a.txt.", vbExclamation, "Open a.txt", vbOK);
    EXPECT_EQ(mobjStore.DisplayMessage(0, QStringLiteral("a.txt"), vbExclamation), vbOK);
}

TEST_F(DisplayMessageTest, SuppliedTitleAndTextWinAndEmptyOnesFallBack)
{
    mobjDesktop.Expect("Own [R]", 0, "Own title R", vbOK)
        .Expect("Cannot open R.\r\nTry R.", 0, "Own title R", vbOK)
        .Expect("Own [R]", 0, "Open R", vbOK);
    mobjStore.DisplayMessage(0, QStringLiteral("R"), 0, QStringLiteral("Own title [#!t!#]"),
                             QStringLiteral("Own [[#!m!#]]"));
    mobjStore.DisplayMessage(0, QStringLiteral("R"), 0, QStringLiteral("Own title [#!t!#]"), QString());
    mobjStore.DisplayMessage(0, QStringLiteral("R"), 0, QString(), QStringLiteral("Own [[#!m!#]]"));
    // With both supplied the identifier is not looked up, even in a table never loaded.
    mobjDesktop.Expect("text", 0, "title", vbOK);
    EXPECT_EQ(clsTralyx().DisplayMessage(255, QStringLiteral("R"), 0, QStringLiteral("title"), QStringLiteral("text")), vbOK);
}

TEST_F(DisplayMessageTest, EmptyReplacementRemovesMarkersFromTheTitleOnly)
{
    mobjDesktop.Expect("Cannot open [#!file!#].\r\nTry [#!again!#].", 0, "Open ", vbOK)
        .Expect("text [#!a!#]", 0, "title ", vbOK);
    mobjStore.DisplayMessage(0, QString(), 0);
    mobjStore.DisplayMessage(0, QString(), 0, QStringLiteral("title [#!b!#]"), QStringLiteral("text [#!a!#]"));
}

TEST_F(DisplayMessageTest, EmptyStoredTitleGivesTheApplicationTitleUnreplaced)
{
    const QString strOldName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("App [#!not a marker here!#]"));
    mobjDesktop.Expect("No title here R", 0, "App [#!not a marker here!#]", vbOK);
    mobjStore.DisplayMessage(1, QStringLiteral("R"), 0);
    QCoreApplication::setApplicationName(strOldName);
}

TEST_F(DisplayMessageTest, StyleIsPassedUnchangedAndTheAnswerReturned)
{
    const struct {
        int32_t Style;
        int32_t Answer;
    } udtCases[] = {
        {vbOKOnly, vbOK},
        {vbYesNo | vbQuestion, vbYes},
        {vbYesNo | vbQuestion | vbDefaultButton2, vbNo},
        {vbYesNoCancel | vbExclamation | vbDefaultButton3, vbCancel},
        {vbAbortRetryIgnore | vbCritical, vbIgnore},
        {vbRetryCancel | vbInformation, vbRetry},
    };
    for (const auto& c : udtCases) {
        mobjDesktop.Expect("t", c.Style, "T", c.Answer);
        EXPECT_EQ(mobjStore.DisplayMessage(0, QString(), c.Style, QStringLiteral("T"), QStringLiteral("t")), c.Answer)
            << "style " << c.Style;
    }
}

TEST_F(DisplayMessageTest, MissingEntryRaisesSubscriptErrorAndShowsNothing)
{
    clsTralyx objEmpty;
    const struct {
        const clsTralyx* Store;
        uint8_t Identifier;
        QString Title;
        QString Text;
    } udtCases[] = {
        {&mobjStore, 2, QString(), QString()},
        {&mobjStore, 2, QStringLiteral("title"), QString()},  // the text is still needed
        {&mobjStore, 200, QString(), QStringLiteral("text")},
        {&objEmpty, 0, QString(), QString()},
    };
    for (const auto& c : udtCases) {
        try {
            c.Store->DisplayMessage(c.Identifier, QStringLiteral("R"), 0, c.Title, c.Text);
            ADD_FAILURE() << "no error for identifier " << int(c.Identifier);
        } catch (const clsRuntimeError& e) {
            EXPECT_EQ(e.Number(), 9);
        }
    }
    EXPECT_TRUE(mobjDesktop.Shown().empty());
}

TEST_F(DisplayMessageTest, OverlongTextOverflowsBeforeAnythingIsShown)
{
    try {
        mobjStore.DisplayMessage(0, QStringLiteral("R"), 0, QStringLiteral("t"),
                                 QString(40000, u'a') + QStringLiteral("[#!x!#]"));
        FAIL() << "no overflow";
    } catch (const clsRuntimeError& e) {
        EXPECT_EQ(e.Number(), 6);
    }
    EXPECT_TRUE(mobjDesktop.Shown().empty());
}

}  // namespace
