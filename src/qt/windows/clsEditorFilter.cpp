#include "windows/clsEditorFilter.h"

#include "editor/clsWorkbenchRows.h"
#include "windows/clsEditorListModel.h"

#include <QLocale>

namespace tralyx {

clsEditorFilter::clsEditorFilter(clsEditorListModel* pobjRows, QObject* pobjParent)
    : QSortFilterProxyModel(pobjParent), mobjRows(pobjRows)
{
    setSourceModel(pobjRows);
    // Rows are filtered again only when the filter changes: a committed row stays where it is.
    setDynamicSortFilter(false);
}

void clsEditorFilter::SetFilter(const QString& pstrText, int32_t penuShow)
{
    if (pstrText == mstrText && penuShow == menuShow) return;
    mstrText = pstrText;
    menuShow = penuShow;
    invalidateRowsFilter();
}

QString clsEditorFilter::CountText() const
{
    const QLocale objLocale(QLocale::English, QLocale::UnitedStates);
    return QStringLiteral("%1 of %2 rows").arg(objLocale.toString(rowCount()), objLocale.toString(mobjRows->Count()));
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

int32_t clsEditorFilter::NextEntry(int32_t plngEntry, int32_t plngStep, const std::function<bool(int32_t)>& pfnWanted) const
{
    const int lngRows = rowCount();
    int lngFrom = ViewRowOf(plngEntry);
    if (lngFrom < 0) lngFrom = plngStep > 0 ? -1 : lngRows;
    for (int i = 1; i <= lngRows; ++i) {
        const int32_t lngEntry = EntryOf(((lngFrom + plngStep * i) % lngRows + lngRows) % lngRows);
        if (pfnWanted(lngEntry)) return lngEntry;
    }
    return -1;
}

bool clsEditorFilter::filterAcceptsRow(int plngSourceRow, const QModelIndex&) const
{
    switch (menuShow) {
    case ShowNeedsWork:
        if (!(mobjRows->State(plngSourceRow) & RowNeedsWork)) return false;
        break;
    case ShowErrors:
        if (!(mobjRows->State(plngSourceRow) & RowError)) return false;
        break;
    case ShowChanged:
        if (!mobjRows->IsChanged(plngSourceRow)) return false;
        break;
    default: break;
    }
    if (mstrText.isEmpty()) return true;
    const int intColumns = mobjRows->columnCount();
    for (int intColumn = 0; intColumn < intColumns; ++intColumn)
        if (mobjRows->ItemText(plngSourceRow, intColumn).contains(mstrText, Qt::CaseInsensitive)) return true;
    // The object path of core.lrc is its id and its first column alike.
    if (mobjRows->Kind() != enuFileKind::ControlText && mobjRows->EntryId(plngSourceRow).contains(mstrText, Qt::CaseInsensitive))
        return true;
    const clsWorkbenchRows* objWork = mobjRows->Work();
    return objWork && objWork->SourceContains(plngSourceRow, mstrText, Qt::CaseInsensitive);
}

}  // namespace tralyx
