// Filling the editor's list: one row per record, in table order, appended after existing rows.
#include "store/clsListItems.h"
#include "store/clsTralyx.h"

namespace tralyx {

void clsTralyx::DisplayControlText(clsListItems& plvwDestinationListView) const
{
    for (const ControlTextItem& udtItem : mudtControlText) {
        const int32_t lngRow = plvwDestinationListView.AddItem(ObjectPath(udtItem));
        plvwDestinationListView.SetSubItem(lngRow, 1, udtItem.Caption);
        plvwDestinationListView.SetSubItem(lngRow, 2, udtItem.ToolTip);
    }
}

void clsTralyx::DisplayMessages(clsListItems& plvwDestinationListView) const
{
    for (const MessageItem& udtItem : mudtMessages) {
        const int32_t lngRow = plvwDestinationListView.AddItem(udtItem.Title);
        plvwDestinationListView.SetSubItem(lngRow, 1, udtItem.Message);
    }
}

void clsTralyx::DisplaySecondary(clsListItems& plvwDestinationListView) const
{
    for (const QString& strText : mstrSecondary) plvwDestinationListView.AddItem(strText);
}

}  // namespace tralyx
