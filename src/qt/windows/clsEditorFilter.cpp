#include "windows/clsEditorFilter.h"

#include "editor/clsWorkbenchRows.h"
#include "windows/clsEditorListModel.h"

namespace tralyx {

clsEditorFilter::clsEditorFilter(clsEditorListModel* pobjRows, QObject* pobjParent)
    : QSortFilterProxyModel(pobjParent), mobjRows(pobjRows)
{
    setSourceModel(pobjRows);
}

void clsEditorFilter::SetRowInfo(std::function<uint8_t(int32_t)> pfnStateOf,
                                 std::function<bool(int32_t, const QString&)> pfnSourceHas)
{
    mfnStateOf = std::move(pfnStateOf);
    mfnSourceHas = std::move(pfnSourceHas);
}

void clsEditorFilter::SetFilter(const QString& pstrText, int32_t penuShow)
{
    if (pstrText == mstrText && penuShow == menuShow) return;
    mstrText = pstrText;
    menuShow = penuShow;
    invalidateRowsFilter();
}

int32_t clsEditorFilter::EntryOf(int plngViewRow) const
{
    if (plngViewRow < 0 || plngViewRow >= rowCount()) return -1;
    return mapToSource(index(plngViewRow, 0)).row();
}

int clsEditorFilter::ViewRowOf(int32_t plngEntry) const
{
    if (plngEntry < 0 || plngEntry >= mobjRows->Count()) return -1;
    return mapFromSource(mobjRows->index(plngEntry, 0)).row();
}

bool clsEditorFilter::filterAcceptsRow(int plngSourceRow, const QModelIndex&) const
{
    const uint8_t bytState = mfnStateOf ? mfnStateOf(plngSourceRow) : 0;
    switch (menuShow) {
    case ShowNeedsWork:
        if (!(bytState & RowNeedsWork)) return false;
        break;
    case ShowErrors:
        if (!(bytState & RowError)) return false;
        break;
    case ShowChanged:
        if (!mobjRows->IsChanged(plngSourceRow)) return false;
        break;
    default: break;
    }
    if (mstrText.isEmpty()) return true;
    for (int intColumn = 0; intColumn < 3; ++intColumn)
        if (mobjRows->ItemText(plngSourceRow, intColumn).contains(mstrText, Qt::CaseInsensitive)) return true;
    if (mobjRows->IdOf(plngSourceRow).contains(mstrText, Qt::CaseInsensitive)) return true;
    return mfnSourceHas && mfnSourceHas(plngSourceRow, mstrText);
}

}  // namespace tralyx
