// The merge of an old (translated) table with a new release's table.
#include "basMerge.h"

#include <gtest/gtest.h>

#include <random>

using namespace tralyx;

namespace {

ControlTextItem Item(const char* pstrForm, const char* pstrControl, uint8_t pbytIndex, const char* pstrCaption,
                     const char* pstrToolTip = "")
{
    return {QString::fromUtf8(pstrForm), QString::fromUtf8(pstrControl), pbytIndex, QString::fromUtf8(pstrCaption),
            QString::fromUtf8(pstrToolTip)};
}

// The pairing as a plain scan: for each new entry, the first old entry with the same path.
QVector<ControlTextItem> ScanMerge(const QVector<ControlTextItem>& pudtNew, const QVector<ControlTextItem>& pudtOld,
                                   std::vector<bool>& pbooUsed)
{
    pbooUsed.assign(pudtOld.size(), false);
    QVector<ControlTextItem> udtResult;
    for (const ControlTextItem& udtNew : pudtNew) {
        qsizetype lngFound = -1;
        for (qsizetype j = 0; j < pudtOld.size() && lngFound < 0; ++j)
            if (pudtOld[j].FormName == udtNew.FormName && pudtOld[j].ControlName == udtNew.ControlName &&
                pudtOld[j].Index == udtNew.Index)
                lngFound = j;
        if (lngFound >= 0) pbooUsed[lngFound] = true;
        udtResult.append(lngFound >= 0 ? pudtOld[lngFound] : udtNew);
    }
    return udtResult;
}

std::vector<int32_t> DroppedPositions(const udtUpdateReport& pudtReport)
{
    std::vector<int32_t> lngOut;
    for (const udtDroppedEntry& udtEntry : pudtReport.Dropped) lngOut.push_back(udtEntry.Position);
    return lngOut;
}

struct udtKeyedCase {
    const char* Name;
    QVector<ControlTextItem> Old;
    QVector<ControlTextItem> New;
    QVector<ControlTextItem> Expected;
    std::vector<int32_t> Dropped;  // old positions
};

}  // namespace

TEST(MergeControlTextTablesTest, PairsByExactPathOnly)
{
    const std::vector<udtKeyedCase> udtCases{
        {"old-only entries are dropped, new-only ones arrive, in the new order",
         {Item("frmMain", "cmdA", 0, "Annuler", "tA"), Item("frmMain", "cmdB", 0, "Bravo", "tB")},
         {Item("frmMain", "cmdC", 0, "Close", "tipC"), Item("frmMain", "cmdA", 0, "Cancel", "tipA")},
         {Item("frmMain", "cmdC", 0, "Close", "tipC"), Item("frmMain", "cmdA", 0, "Annuler", "tA")},
         {1}},
        {"an index is part of the path",
         {Item("frmMain", "cmd", 0, "zero"), Item("frmMain", "cmd", 1, "un")},
         {Item("frmMain", "cmd", 1, "one"), Item("frmMain", "cmd", 2, "two"), Item("frmMain", "cmd", 0, "nil")},
         {Item("frmMain", "cmd", 1, "un"), Item("frmMain", "cmd", 2, "two"), Item("frmMain", "cmd", 0, "zero")},
         {}},
        {"letter case of control and form names counts",
         {Item("frmMain", "cmdok", 0, "ancien"), Item("FRMMAIN", "cmdOK", 0, "ancien2")},
         {Item("frmMain", "cmdOK", 0, "OK")},
         {Item("frmMain", "cmdOK", 0, "OK")},
         {0, 1}},
        {"a trailing blank in a name counts",
         {Item("frmMain", "cmdOK ", 0, "ancien")},
         {Item("frmMain", "cmdOK", 0, "OK")},
         {Item("frmMain", "cmdOK", 0, "OK")},
         {0}},
        {"empty old texts win over new ones; texts are never compared",
         {Item("frmMain", "cmdOK", 0, "", ""), Item("frmMain", "lblName", 0, "Nom", "Le nom")},
         {Item("frmMain", "cmdOK", 0, "OK", "Accept"), Item("frmMain", "lblName", 0, "Full name", "Your name")},
         {Item("frmMain", "cmdOK", 0, "", ""), Item("frmMain", "lblName", 0, "Nom", "Le nom")},
         {}},
    };
    for (const udtKeyedCase& c : udtCases) {
        udtUpdateReport udtReport;
        QVector<ControlTextItem> udtResult;
        MergeControlTextTables(c.New, c.Old, udtResult, udtReport);
        EXPECT_EQ(udtResult, c.Expected) << c.Name;
        EXPECT_EQ(DroppedPositions(udtReport), c.Dropped) << c.Name;
        EXPECT_EQ(udtReport.KeptFromOld + udtReport.TakenFromNew, c.New.size()) << c.Name;
    }
}

TEST(MergeControlTextTablesTest, FirstOldDuplicateServesAnyNumberOfNewDuplicates)
{
    const QVector<ControlTextItem> udtOld{Item("frm", "cmd", 3, "premier", "p"), Item("frm", "lbl", 0, "x"),
                                          Item("frm", "cmd", 3, "second", "s"), Item("frm", "cmd", 3, "troisieme")};
    for (int n = 1; n <= 4; ++n) {
        const QVector<ControlTextItem> udtNew(n, Item("frm", "cmd", 3, "new", "n"));
        udtUpdateReport udtReport;
        QVector<ControlTextItem> udtResult;
        MergeControlTextTables(udtNew, udtOld, udtResult, udtReport);
        EXPECT_EQ(udtResult, QVector<ControlTextItem>(n, udtOld[0])) << n << " new duplicates";
        EXPECT_EQ(udtReport.KeptFromOld, n);
        ASSERT_EQ(DroppedPositions(udtReport), (std::vector<int32_t>{1, 2, 3}));
        // lbl is simply gone; the later cmd entries lost to the first one.
        EXPECT_FALSE(udtReport.Dropped[0].Duplicate);
        EXPECT_TRUE(udtReport.Dropped[1].Duplicate);
        EXPECT_TRUE(udtReport.Dropped[2].Duplicate);
        EXPECT_EQ(udtReport.Dropped[1].Key.toStdString(), "frm.cmd.3");
        EXPECT_EQ(udtReport.Dropped[1].Text.toStdString(), "second");
    }
}

TEST(MergeControlTextTablesTest, SameAsScanningTheOldTableForEveryNewEntry)
{
    // Few distinct names and indexes, so that duplicates on both sides and near-misses in case are
    // common.
    std::mt19937 objRandom(20240611);
    const char* const strForms[] = {"frmMain", "frmmain", "frmAbout"};
    const char* const strControls[] = {"cmdOK", "cmdok", "lblName", "mnuFile", "txtName"};
    const auto RandomTable = [&](int n, const char* pstrText, unsigned plngIndexes) {
        QVector<ControlTextItem> udtTable;
        for (int i = 0; i < n; ++i)
            udtTable.append({QString::fromLatin1(strForms[objRandom() % 3]), QString::fromLatin1(strControls[objRandom() % 5]),
                             static_cast<uint8_t>(objRandom() % plngIndexes), QStringLiteral("%1 %2").arg(QLatin1StringView(pstrText)).arg(i),
                             objRandom() % 4 ? QStringLiteral("tip %1").arg(i) : QString()});
        return udtTable;
    };
    // Many small tables, then a few large ones in which most paths occur once.
    for (int lngRound = 0; lngRound < 303; ++lngRound) {
        const bool booLarge = lngRound >= 300;
        const int lngSize = booLarge ? 3000 : 40;
        const unsigned lngIndexes = booLarge ? 256 : 3;
        const QVector<ControlTextItem> udtOld = RandomTable(1 + objRandom() % lngSize, "old", lngIndexes);
        const QVector<ControlTextItem> udtNew = RandomTable(1 + objRandom() % lngSize, "new", lngIndexes);
        std::vector<bool> booUsed;
        const QVector<ControlTextItem> udtExpected = ScanMerge(udtNew, udtOld, booUsed);

        udtUpdateReport udtReport;
        QVector<ControlTextItem> udtResult;
        MergeControlTextTables(udtNew, udtOld, udtResult, udtReport);
        ASSERT_EQ(udtResult, udtExpected) << "round " << lngRound;
        std::vector<int32_t> lngUnused;
        for (size_t j = 0; j < booUsed.size(); ++j)
            if (!booUsed[j]) lngUnused.push_back(static_cast<int32_t>(j));
        ASSERT_EQ(DroppedPositions(udtReport), lngUnused) << "round " << lngRound;
        int32_t lngFromOld = 0;
        for (qsizetype i = 0; i < udtNew.size(); ++i) lngFromOld += udtExpected[i].Caption.startsWith(u'o');
        ASSERT_EQ(udtReport.KeptFromOld, lngFromOld);
        ASSERT_EQ(udtReport.TakenFromNew, udtNew.size() - lngFromOld);
    }
}

TEST(MergeByPositionTest, OldTextsUpToTheNewLengthThenNewOnes)
{
    struct udtCase {
        int OldCount;
        int NewCount;
    };
    const auto Messages = [](int n, const char* pstrSide, uint8_t pbytFirstIdentifier) {
        QVector<MessageItem> udtTable;
        for (int i = 0; i < n; ++i)
            udtTable.append({static_cast<uint8_t>(pbytFirstIdentifier + i), QStringLiteral("%1 text %2\r\nline 2").arg(QLatin1StringView(pstrSide)).arg(i),
                             QStringLiteral("%1 title %2").arg(QLatin1StringView(pstrSide)).arg(i)});
        return udtTable;
    };
    for (const udtCase c : {udtCase{3, 5}, udtCase{5, 3}, udtCase{4, 4}, udtCase{1, 1}, udtCase{1, 6}, udtCase{7, 1}}) {
        const QVector<MessageItem> udtOld = Messages(c.OldCount, "old", 10), udtNew = Messages(c.NewCount, "new", 100);
        QStringList strOld, strNew;
        for (const MessageItem& m : udtOld) strOld.append(m.Message);
        for (const MessageItem& m : udtNew) strNew.append(m.Message);

        udtUpdateReport udtMessages, udtSecondary;
        QVector<MessageItem> udtResult;
        QStringList strResult;
        MergeMessageTables(udtNew, udtOld, udtResult, udtMessages);
        MergeSecondaryTables(strNew, strOld, strResult, udtSecondary);

        ASSERT_EQ(udtResult.size(), c.NewCount);
        ASSERT_EQ(strResult.size(), c.NewCount);
        for (int i = 0; i < c.NewCount; ++i) {
            // Every field from the chosen side, Identifier included.
            EXPECT_EQ(udtResult[i], i < c.OldCount ? udtOld[i] : udtNew[i]) << c.OldCount << "/" << c.NewCount << " at " << i;
            EXPECT_EQ(strResult[i], i < c.OldCount ? strOld[i] : strNew[i]);
        }
        std::vector<int32_t> lngDropped;
        for (int i = c.NewCount; i < c.OldCount; ++i) lngDropped.push_back(i);
        for (const udtUpdateReport* pudtReport : {&udtMessages, &udtSecondary}) {
            EXPECT_EQ(DroppedPositions(*pudtReport), lngDropped) << c.OldCount << "/" << c.NewCount;
            EXPECT_EQ(pudtReport->KeptFromOld, std::min(c.OldCount, c.NewCount));
            EXPECT_EQ(pudtReport->TakenFromNew, std::max(0, c.NewCount - c.OldCount));
        }
        if (!udtMessages.Dropped.isEmpty()) {
            EXPECT_EQ(udtMessages.Dropped[0].Text.toStdString(),
                      QStringLiteral("old title %1: old text %1...").arg(c.NewCount).toStdString());
        }
    }
}
