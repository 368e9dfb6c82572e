// Filling the editor list: one row per record, in table order, appended after existing rows.
#include "store/basListColumns.h"
#include "store/clsListItems.h"
#include "store/clsTralyx.h"

namespace tralyx {
namespace {

void Display(const clsTralyx& pobjStore, enuFileKind penuKind, clsListItems& plvwDestinationListView)
{
    const qsizetype lngEntries = RecordCount(pobjStore, penuKind);
    const int intColumns = ListColumnCount(penuKind);
    for (qsizetype lngEntry = 0; lngEntry < lngEntries; ++lngEntry) {
        const int32_t lngRow = plvwDestinationListView.AddItem(ListText(pobjStore, penuKind, lngEntry, 0));
        for (int intSubItem = 1; intSubItem < intColumns; ++intSubItem)
            plvwDestinationListView.SetSubItem(lngRow, intSubItem, ListText(pobjStore, penuKind, lngEntry, intSubItem));
    }
}

}  // namespace

void clsTralyx::DisplayControlText(clsListItems& plvwDestinationListView) const
{
    Display(*this, enuFileKind::ControlText, plvwDestinationListView);
}

void clsTralyx::DisplayMessages(clsListItems& plvwDestinationListView) const
{
    Display(*this, enuFileKind::Messages, plvwDestinationListView);
}

void clsTralyx::DisplaySecondary(clsListItems& plvwDestinationListView) const
{
    Display(*this, enuFileKind::Secondary, plvwDestinationListView);
}

}  // namespace tralyx
