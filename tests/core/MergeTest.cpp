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
    const auto Messages = [](int n, const char* pstrSide, int plngFirstIdentifier) {
        QVector<MessageItem> udtTable;
        for (int i = 0; i < n; ++i)
            udtTable.append({static_cast<uint8_t>(plngFirstIdentifier + i), QString("%1 text %2\r\nline 2").arg(pstrSide).arg(i),
                             QString("%1 title %2").arg(pstrSide).arg(i)});
        return udtTable;
    };
    const std::pair<int, int> udtSizes[] = {{3, 5}, {5, 3}, {4, 4}, {1, 6}, {7, 1}};
    for (const auto& [lngOld, lngNew] : udtSizes) {
        SCOPED_TRACE(testing::Message() << lngOld << " old, " << lngNew << " new");
        const QVector<MessageItem> udtOld = Messages(lngOld, "old", 10), udtNew = Messages(lngNew, "new", 100);
        QStringList strOld, strNew, strResult;
        for (const MessageItem& m : udtOld) strOld.append(m.Message);
        for (const MessageItem& m : udtNew) strNew.append(m.Message);
        udtUpdateReport udtMessages, udtSecondary;
        QVector<MessageItem> udtResult;
        MergeMessageTables(udtNew, udtOld, udtResult, udtMessages);
        MergeSecondaryTables(strNew, strOld, strResult, udtSecondary);
        // Every field from the chosen side, Identifier included.
        EXPECT_EQ(udtResult, udtOld.mid(0, lngNew) + udtNew.mid(lngOld));
        EXPECT_EQ(strResult, strOld.mid(0, lngNew) + strNew.mid(lngOld));
        std::vector<int32_t> lngDropped;
        for (int i = lngNew; i < lngOld; ++i) lngDropped.push_back(i);
        for (const udtUpdateReport* pudtReport : {&udtMessages, &udtSecondary}) {
            EXPECT_EQ(DroppedPositions(*pudtReport), lngDropped);
            EXPECT_EQ(pudtReport->KeptFromOld, std::min(lngOld, lngNew));
            EXPECT_EQ(pudtReport->TakenFromNew, std::max(0, lngNew - lngOld));
        }
        if (!udtMessages.Dropped.isEmpty()) {
            EXPECT_EQ(udtMessages.Dropped[0].Text, QString("old title %1: old text %1...").arg(lngNew));
        }
    }
}
