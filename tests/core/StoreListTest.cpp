// The editor list's columns: the list-filling operations append one row per record to any list, and
// a column's text is set through the kind's setter without touching the entry's other text.
#include "ScriptedDesktop.h"
#include "store/basListColumns.h"
#include "store/clsListItems.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

// A list that keeps what it is given, row by row: the row text, then the sub-items.
class clsRecordedList : public clsListItems {
public:
    int32_t AddItem(const QString& pstrText) override
    {
        mstrRows.append(QStringList{pstrText});
        return int32_t(mstrRows.size());
    }
    void SetSubItem(int32_t plngItem, int pintSubItem, const QString& pstrText) override
    {
        QStringList& strRow = mstrRows[plngItem - 1];
        strRow.resize(std::max<qsizetype>(strRow.size(), pintSubItem + 1));
        strRow[pintSubItem] = pstrText;
    }
    QList<QStringList> mstrRows;
};

}  // namespace

TEST(StoreList, EachOperationAppendsOneRowPerRecordWithItsColumns)
{
    clsTralyx store;
    store.SetControlTextTable({{"frmMain", "optKind", 12, "Kind", "Pick\r\none"}, {}});  // {}: as an empty file loads
    store.SetMessageTable({{1, "Disk full.\r\nFree space.", "Error"}});
    store.SetSecondaryTable({"Two\r\nlines"});
    const struct {
        void (clsTralyx::*Display)(clsListItems&) const;
        QList<QStringList> Rows;
    } udtCases[] = {
        {&clsTralyx::DisplayControlText, {{"frmMain.optKind.12", "Kind", "Pick\r\none"}, {"..0", "", ""}}},
        {&clsTralyx::DisplayMessages, {{"Error", "Disk full.\r\nFree space."}}},
        {&clsTralyx::DisplaySecondary, {{"Two\r\nlines"}}},
    };
    for (const auto& udtCase : udtCases) {
        clsRecordedList objList;
        objList.AddItem("already there");
        (store.*udtCase.Display)(objList);
        (store.*udtCase.Display)(objList);  // appended again, never cleared
        EXPECT_EQ(objList.mstrRows, QList<QStringList>{{"already there"}} + udtCase.Rows + udtCase.Rows);
    }
}

TEST(StoreList, SettingAColumnKeepsTheOtherTextAndRefusesPathsAndPlacesOutside)
{
    clsScriptedDesktop desktop;  // no "Doh!" box: places outside are refused before the setters
    clsTralyx store;
    store.SetControlTextTable({{"f", "cmdA", 0, "Caption", "Tip"}});
    store.SetMessageTable({{7, "Text", "Title"}});
    store.SetSecondaryTable({"Text"});
    const struct {
        enuFileKind Kind;
        qsizetype Entry;
        int Column;
        bool Set;
        QStringList After;  // the entry's columns
    } udtCases[] = {
        {enuFileKind::ControlText, 0, 1, true, {"f.cmdA.0", "New", "Tip"}},
        {enuFileKind::ControlText, 0, 2, true, {"f.cmdA.0", "New", "New"}},
        {enuFileKind::ControlText, 0, 0, false, {"f.cmdA.0", "New", "New"}},
        {enuFileKind::Messages, 0, 0, true, {"New", "Text"}},
        {enuFileKind::Messages, 0, 1, true, {"New", "New"}},
        {enuFileKind::Messages, 0, 2, false, {"New", "New"}},
        {enuFileKind::Messages, 1, 0, false, {"New", "New"}},
        {enuFileKind::Secondary, -1, 0, false, {"Text"}},
        {enuFileKind::Secondary, 0, 0, true, {"New"}},
    };
    for (const auto& c : udtCases) {
        EXPECT_EQ(SetListText(store, c.Kind, c.Entry, c.Column, "New"), c.Set) << int(c.Kind) << " " << c.Entry << " " << c.Column;
        QStringList strColumns;
        for (int i = 0; i < ListColumnCount(c.Kind); ++i) strColumns << ListText(store, c.Kind, 0, i);
        EXPECT_EQ(strColumns, c.After) << int(c.Kind) << " " << c.Column;
    }
    EXPECT_EQ(store.MessageTable()[0].Identifier, 7);
}
