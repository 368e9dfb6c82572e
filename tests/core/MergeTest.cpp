// The merge of an old (translated) table with a new release's table.
#include "update/basMerge.h"

#include <gtest/gtest.h>

using namespace tralyx;

namespace {

std::vector<int32_t> DroppedPositions(const udtUpdateReport& pudtReport)
{
    std::vector<int32_t> lngOut;
    for (const udtDroppedEntry& udtEntry : pudtReport.Dropped) lngOut.push_back(udtEntry.Position);
    return lngOut;
}

}  // namespace

TEST(MergeControlTextTablesTest, PairsByExactPathOnlyAndTheFirstOldDuplicateServesEveryNewOne)
{
    using T = QVector<ControlTextItem>;
    const std::tuple<T, T, T, std::vector<int32_t>> udtCases[] = {
        // old-only entries are dropped, new-only ones arrive, in the new order
        {{{"f", "cmdA", 0, "Annuler", "tA"}, {"f", "cmdB", 0, "Bravo", "tB"}},
         {{"f", "cmdC", 0, "Close", "tipC"}, {"f", "cmdA", 0, "Cancel", "tipA"}},
         {{"f", "cmdC", 0, "Close", "tipC"}, {"f", "cmdA", 0, "Annuler", "tA"}}, {1}},
        // letter case and trailing blanks of names count (fuzz_merge compares random tables with a plain scan)
        {{{"f", "cmdok", 0, "a", ""}, {"F", "cmdOK", 0, "b", ""}, {"f", "cmdOK ", 0, "c", ""}}, {{"f", "cmdOK", 0, "OK", ""}},
         {{"f", "cmdOK", 0, "OK", ""}}, {0, 1, 2}},
        // the first of duplicate old entries serves every new one; the later ones are dropped as duplicates
        {{{"f", "cmd", 3, "premier", "p"}, {"f", "lbl", 0, "x", ""}, {"f", "cmd", 3, "second", "s"}},
         {{"f", "cmd", 3, "new", "n"}, {"f", "cmd", 3, "new", "n"}},
         {{"f", "cmd", 3, "premier", "p"}, {"f", "cmd", 3, "premier", "p"}}, {1, 2}},
    };
    for (const auto& [udtOld, udtNew, udtExpected, lngDropped] : udtCases) {
        udtUpdateReport udtReport;
        QVector<ControlTextItem> udtResult;
        MergeControlTextTables(udtNew, udtOld, udtResult, udtReport);
        EXPECT_EQ(udtResult, udtExpected) << udtNew[0].ControlName.toStdString();
        EXPECT_EQ(DroppedPositions(udtReport), lngDropped) << udtNew[0].ControlName.toStdString();
        EXPECT_EQ(udtReport.KeptFromOld + udtReport.TakenFromNew, udtNew.size());
    }
    udtUpdateReport udtReport;
    QVector<ControlTextItem> udtResult;
    MergeControlTextTables({{"f", "cmd", 3, "", ""}}, std::get<0>(udtCases[2]), udtResult, udtReport);
    EXPECT_FALSE(udtReport.Dropped[0].Duplicate);
    EXPECT_TRUE(udtReport.Dropped[1].Duplicate);
    EXPECT_EQ(udtReport.Dropped[1].Key, "f.cmd.3");
    EXPECT_EQ(udtReport.Dropped[1].Text, "second");
}

TEST(MergeByPositionTest, OldTextsUpToTheNewLengthThenNewOnes)
{
    // old, new, result, dropped positions, kept from the old table
    const std::tuple<QStringList, QStringList, QStringList, std::vector<int32_t>, int> udtCases[] = {
        {{"a", "b"}, {"A", "B", "C", "D"}, {"a", "b", "C", "D"}, {}, 2},
        {{"a", "b", "c", "d"}, {"A", "B"}, {"a", "b"}, {2, 3}, 2},
        {{"a", "b", "c"}, {"A", "B", "C"}, {"a", "b", "c"}, {}, 3},
        {{"a"}, {"A", "B"}, {"a", "B"}, {}, 1},
    };
    for (const auto& [strOld, strNew, strExpected, lngDropped, lngKept] : udtCases) {
        SCOPED_TRACE(testing::Message() << strOld.size() << " old, " << strNew.size() << " new");
        udtUpdateReport udtReport;
        QStringList strResult;
        MergeSecondaryTables(strNew, strOld, strResult, udtReport);
        EXPECT_EQ(strResult, strExpected);
        EXPECT_EQ(DroppedPositions(udtReport), lngDropped);
        EXPECT_EQ(udtReport.KeptFromOld, lngKept);
        EXPECT_EQ(udtReport.TakenFromNew, strNew.size() - lngKept);
    }
    // Messages: every field from the chosen side, Identifier included; a dropped one is named by
    // its title and first line.
    udtUpdateReport udtReport;
    QVector<MessageItem> udtResult;
    MergeMessageTables({{100, "N1", "T1"}}, {{10, "m1\r\nline 2", "t1"}, {11, "m2\r\nline 2", "t2"}}, udtResult, udtReport);
    EXPECT_EQ(udtResult, (QVector<MessageItem>{{10, "m1\r\nline 2", "t1"}}));
    ASSERT_EQ(DroppedPositions(udtReport), std::vector<int32_t>{1});
    EXPECT_EQ(udtReport.Dropped[0].Text, "t2: m2...");
    udtResult.clear();
    MergeMessageTables({{100, "N1", "T1"}, {101, "N2", "T2"}}, {{10, "m1", "t1"}}, udtResult, udtReport);
    EXPECT_EQ(udtResult, (QVector<MessageItem>{{10, "m1", "t1"}, {101, "N2", "T2"}}));
}
