// The editor list as the store fills it.
#include "clsEditorListModel.h"
#include "clsTralyx.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace tralyx {
namespace {

TEST(EditorListModelTest, StoreFillsRowsInTableOrderAndAppendsOnASecondFill)
{
    clsTralyx objStore;
    objStore.SetControlTextTable({{QStringLiteral("frmA"), QStringLiteral("optX"), 12, QStringLiteral("Cap"),
                                   QStringLiteral("Tip\r\ntwo")},
                                  {}});
    clsEditorListModel objModel;
    objModel.SetColumns({QStringLiteral("Object Path"), QStringLiteral("Text/Caption"), QStringLiteral("Tool-Tip")});
    QSignalSpy objResets(&objModel, &QAbstractItemModel::modelReset);
    objModel.Fill([&](clsListItems& plvwList) { objStore.DisplayControlText(plvwList); });
    EXPECT_EQ(objResets.count(), 1) << "one batch, not a signal per row";
    objStore.DisplayControlText(objModel);  // outside a batch: appended one by one

    ASSERT_EQ(objModel.rowCount(), 4);
    for (int lngCopy : {0, 2}) {
        EXPECT_EQ(objModel.ItemText(lngCopy, 0), QStringLiteral("frmA.optX.12"));
        EXPECT_EQ(objModel.ItemText(lngCopy, 1), QStringLiteral("Cap"));
        EXPECT_EQ(objModel.ItemText(lngCopy, 2), QStringLiteral("Tip\r\ntwo"));  // kept as stored
        EXPECT_EQ(objModel.ItemText(lngCopy + 1, 0), QStringLiteral("..0"));
    }
    EXPECT_EQ(objModel.index(0, 2).data().toString(), QStringLiteral("Tip \u21B5 two"));  // shown on one line
}

TEST(EditorListModelTest, AddItemReturnsOneBasedPositionsAndIgnoresBadSubItems)
{
    clsEditorListModel objModel;
    objModel.SetColumns({QStringLiteral("Title"), QStringLiteral("Message")});
    EXPECT_EQ(objModel.AddItem(QStringLiteral("a")), 1);
    EXPECT_EQ(objModel.AddItem(QStringLiteral("b")), 2);
    objModel.SetSubItem(2, 1, QStringLiteral("b1"));
    for (auto [lngRow, lngSub] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 3}, {-1, 2}})
        objModel.SetSubItem(lngRow, lngSub, QStringLiteral("x"));  // rows from 1, sub-items 1 and 2 only
    EXPECT_EQ(objModel.ItemText(0, 0), QStringLiteral("a"));
    EXPECT_EQ(objModel.ItemText(0, 1), QString());
    EXPECT_EQ(objModel.ItemText(1, 1), QStringLiteral("b1"));
    EXPECT_FALSE(objModel.flags(objModel.index(0, 0)) & Qt::ItemIsEditable);
}

}  // namespace
}  // namespace tralyx
