// What the editor window decides without a widget: Mark as Done and the end of a review, the fill
// plan, and the steps through a filtered list.
#include "TestTexts.h"
#include "common/clsCodePage.h"
#include "editor/basFillPlan.h"
#include "editor/basListSteps.h"
#include "editor/basReviewActions.h"
#include "memory/clsTranslationMemory.h"

#include <gtest/gtest.h>

#include <map>

using namespace tralyx;
using namespace tralyx::test;

namespace {

constexpr enuTextKind Cap = enuTextKind::Caption, Tip = enuTextKind::ToolTip;

udtEntryText Text(enuTextKind penuKind, const char* pstrSource, const char* pstrTranslation)
{
    udtEntryText u;
    u.Kind = penuKind;
    u.SourceRecord = u.Record = 0;
    u.Source = Q(pstrSource);
    u.Translation = Q(pstrTranslation);
    return u;
}

udtTextState Review(const char* pstrPrevious) { return {true, Q(pstrPrevious), Q("frmOld.cmdA.0.C"), false, Q("note")}; }
udtTextState Done() { return {false, {}, {}, true, {}}; }

// The kinds' states after the changes, "C" caption, "T" tool-tip: R review, D done, - neither.
QString Marks(std::map<enuTextKind, udtTextState> pudtStates, const std::vector<udtTextStateChange>& pudtChanges)
{
    for (const udtTextStateChange& u : pudtChanges) pudtStates[u.Text] = u.State;
    QString strOut;
    for (const auto& [enuKind, udtState] : pudtStates)
        strOut += (enuKind == Cap ? u'C' : u'T') + QString(udtState.Review ? u'R' : udtState.Done ? u'D' : u'-') +
                  (udtState.PreviousSource.isEmpty() && udtState.MovedFrom.isEmpty() ? u' ' : u'+');
    return strOut.trimmed();
}

TEST(ReviewActions, MarkAsDoneMarksTheTextsLikeTheirSourceOrTakesEveryMarkBack)
{
    const struct {
        std::vector<udtEntryText> Texts;
        std::map<enuTextKind, udtTextState> States;
        bool Undone;
        const char* After;
    } Rows[] = {
        {{Text(Cap, "OK", "OK"), Text(Tip, "Close", "Schließen")}, {{Cap, Review("Ok")}, {Tip, {}}}, false, "CD T-"},
        {{Text(Cap, "OK", "OK"), Text(Tip, "Close", "Close")}, {{Cap, Done()}, {Tip, {}}}, true, "C- T-"},
        {{Text(Cap, "", ""), Text(Tip, "Close", "Zu")}, {{Cap, {}}, {Tip, Review("Shut")}}, false, "C- TR+"},
    };
    for (const auto& u : Rows) {
        const auto StateOf = [&](enuTextKind e) { return u.States.at(e); };
        const udtDoneMarks udtMarks = DoneMarks(u.Texts, {Cap, Tip}, StateOf);
        EXPECT_EQ(udtMarks.Undone, u.Undone);
        EXPECT_EQ(Marks(u.States, udtMarks.Changes), Q(u.After));
    }
    // A commit ends each review and keeps the note; the review shown is the row's first.
    const std::map<enuTextKind, udtTextState> udtStates = {{Cap, Done()}, {Tip, Review("Shut")}};
    const auto StateOf = [&](enuTextKind e) { return udtStates.at(e); };
    const std::vector<udtTextStateChange> udtEnded = EndedReviews({Cap, Tip}, StateOf);
    ASSERT_EQ(udtEnded.size(), 1u);
    EXPECT_EQ(udtEnded[0].State, (udtTextState{false, {}, {}, false, Q("note")}));
    const std::optional<udtTextReview> udtReview = FirstReview({Text(Cap, "OK", "OK"), Text(Tip, "Close", "Zu")}, StateOf);
    ASSERT_TRUE(udtReview);
    EXPECT_EQ(udtReview->Previous + u'|' + udtReview->Current + u'|' + udtReview->MovedFrom, Q("Shut|Close|frmOld.cmdA.0.C"));
}

TEST(FillPlan, TakesTheExactMatchOfEachUntranslatedTextNotDoneAndNotItsOwnSource)
{
    clsTranslationMemory objMemory;
    for (const auto& [strSource, strTranslation] : {std::pair{"Open", "Öffnen"}, {"Close", "Schließen"}, {"OK", "OK"}, {"Save", "保存"}})
        objMemory.AddUnit(Q(strSource), Q(strTranslation), Q("m.lrc"), QString());
    const std::vector<std::vector<udtEntryText>> udtRows = {
        {Text(Cap, "Open", ""), Text(Tip, "Close", "Close")},  // both filled: empty, still the source
        {Text(Cap, "Close", "Zu"), Text(Tip, "OK", "")},       // translated; the match is the source's own
        {Text(Cap, "Close", "Close"), Text(Tip, "Save", "")},  // done on purpose; windows-1252 cannot hold it
    };
    const auto TextsOf = [&](int32_t r) { return udtRows[r]; };
    const auto StateOf = [](int32_t r, enuTextKind) { return r == 2 ? Done() : udtTextState(); };
    QStringList strPlan, strSkipped;
    for (const udtFill& u : FillPlan(int32_t(udtRows.size()), TextsOf, StateOf, objMemory, clsCodePage(), strSkipped))
        strPlan << QString::number(u.Row) + u':' + u.Source + u'>' + u.Translation;
    EXPECT_EQ(strPlan.join(u' '), Q("0:Open>Öffnen 0:Close>Schließen"));
    EXPECT_EQ(strSkipped.size(), 1);
    EXPECT_EQ(FilledState(Done(), Q("Open")), (udtTextState{true, Q("Open"), {}, false, {}}));
}

TEST(ListSteps, GoRowByRowThroughTheListedEntriesAndRoundTheEnd)
{
    const std::vector<int32_t> lngListed = {2, 5, 6, 9};  // the entries a filter lets through
    const udtListedRows udtRows{int32_t(lngListed.size()), [&](int32_t r) { return lngListed[r]; }, nullptr};
    const auto Even = [](int32_t e) { return e % 2 == 0; };
    const struct {
        int32_t FromRow, Step, Next;
        bool After;  // an even entry below the row
    } Rows[] = {{0, 1, 6, true}, {2, 1, 2, false}, {2, -1, 2, false}, {-1, 1, 2, true}, {-1, -1, 6, true}, {3, 1, 2, false}};
    for (const auto& u : Rows) {
        EXPECT_EQ(NextWanted(udtRows, u.FromRow, u.Step, Even), u.Next) << u.FromRow << " by " << u.Step;
        EXPECT_EQ(WantedAfter(udtRows, u.FromRow, Even), u.After) << u.FromRow;
    }
    EXPECT_EQ(NextWanted(udtRows, 1, 1, [](int32_t) { return false; }), -1);
    EXPECT_EQ(NextWanted({0, nullptr, nullptr}, -1, 1, Even), -1);
    const int32_t lngAfter[][2] = {{-1, 0}, {2, 1}, {3, 1}, {6, 3}, {9, 3}, {40, 3}};
    for (const auto& u : lngAfter) EXPECT_EQ(RowAfter(udtRows, u[0]), u[1]) << u[0];
    EXPECT_EQ(RowAfter({0, nullptr, nullptr}, 3), -1);
    // Sorted the other way round: "after" is as listed.
    const std::vector<int32_t> lngSorted = {9, 6, 5, 2};
    const udtListedRows udtSorted{4, [&](int32_t r) { return lngSorted[r]; }, [](int32_t a, int32_t b) { return a > b; }};
    const int32_t lngSortedAfter[][2] = {{7, 1}, {10, 0}, {5, 3}, {1, 3}};
    for (const auto& u : lngSortedAfter) EXPECT_EQ(RowAfter(udtSorted, u[0]), u[1]) << u[0];
}

}  // namespace

// A memory's text for a caption with an access key gets one, on the letter the source's suggests.
TEST(FillPlan, ASuggestionForACaptionGetsTheSourcesAccessKey)
{
    const struct {
        const char *Source, *Memory, *Taken;
    } udtCases[] = {
        {"&Delete note", "Notiz l\u00f6schen", "&Notiz l\u00f6schen"},   // no D: the first word's first letter
        {"&Save", "Datei &sichern", "Datei &sichern"},                // it has one already
        {"&Open", "Datei \u00f6ffnen oder Ordner", "Datei \u00f6ffnen &oder Ordner"},  // o at a word's start first
        {"E&xit", "Beenden", "&Beenden"},
        {"&Notes", "B&&Notizen", "B&&&Notizen"},                      // past a literal ampersand
        {"Notes", "Notizen", "Notizen"},                              // the source has no key
    };
    for (const auto& c : udtCases)
        EXPECT_EQ(WithAccessKeyOf(QString::fromUtf8(c.Source), QString::fromUtf8(c.Memory)), QString::fromUtf8(c.Taken)) << c.Source;
}
