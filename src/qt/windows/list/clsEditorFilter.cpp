#include "windows/list/clsEditorFilter.h"

#include <iterator>

#include "common/basApplication.h"
#include "editor/clsWorkbenchRows.h"
#include "windows/list/clsEditorListModel.h"

#include <QLocale>

namespace tralyx {
namespace {

// A caption as it reads on screen: "Notizen &zuerst" is "Notizen zuerst", "&&" one "&".
QString WithoutAccessKeys(const QString& pstrText)
{
    QString strOut;
    strOut.reserve(pstrText.size());
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        if (pstrText[i] == u'&' && ++i == pstrText.size()) break;
        strOut += pstrText[i];
    }
    return strOut;
}

}  // namespace

bool clsEditorFilter::Matches(const QString& pstrText) const
{
    return pstrText.contains(mstrText, Qt::CaseInsensitive) ||
           (pstrText.contains(u'&') && WithoutAccessKeys(pstrText).contains(mstrText, Qt::CaseInsensitive));
}

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
    const QLocale objLocale = App::TextLocale();
    // The pinned row is listed without fitting the filter: not counted, but said.
    const bool booPinnedOnly = mlngPinned >= 0 && ViewRowOf(mlngPinned) >= 0 && !Accepts(mlngPinned);
    return (booPinnedOnly ? tr("%1 of %2 rows and the row being edited") : tr("%1 of %2 rows"))
        .arg(objLocale.toString(rowCount() - (booPinnedOnly ? 1 : 0)), objLocale.toString(mobjRows->Count()));
}

bool clsEditorFilter::Unpin()
{
    const int32_t lngWas = std::exchange(mlngPinned, -1);
    if (lngWas < 0 || ViewRowOf(lngWas) < 0 || Accepts(lngWas)) return false;
    invalidateRowsFilter();
    return true;
}

void clsEditorFilter::Refilter() { invalidateRowsFilter(); }

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

udtListedRows clsEditorFilter::Listed() const
{
    return {rowCount(), [this](int32_t plngViewRow) { return EntryOf(plngViewRow); }};
}

int clsEditorFilter::ViewRowAfter(int32_t plngEntry) const { return RowAfter(Listed(), plngEntry); }

int32_t clsEditorFilter::NextEntry(int32_t plngEntry, int32_t plngStep, const std::function<bool(int32_t)>& pfnWanted) const
{
    return NextWanted(Listed(), ViewRowOf(plngEntry), plngStep, pfnWanted);
}

bool clsEditorFilter::filterAcceptsRow(int plngSourceRow, const QModelIndex&) const
{
    return plngSourceRow == mlngPinned || Accepts(plngSourceRow);
}

bool clsEditorFilter::Accepts(int32_t plngSourceRow) const
{
    // The row states each choice lets through, by its number; Changed asks the rows instead.
    static constexpr uint8_t StateOf[] = {0, RowNeedsWork, RowError, 0, RowUntranslated, RowReview, RowUntranslated | RowReview, RowWarning};
    if (menuShow == ShowChanged && !mobjRows->IsChanged(plngSourceRow)) return false;
    if (menuShow > 0 && menuShow < static_cast<int32_t>(std::size(StateOf)) && StateOf[menuShow] &&
        !(mobjRows->State(plngSourceRow) & StateOf[menuShow]))
        return false;
    if (mstrText.isEmpty()) return true;
    const int intColumns = mobjRows->columnCount();
    for (int intColumn = 0; intColumn < intColumns; ++intColumn)
        if (Matches(mobjRows->ItemText(plngSourceRow, intColumn))) return true;
    // The object path of core.lrc is its id and its first column alike.
    if (mobjRows->Kind() != enuFileKind::ControlText && mobjRows->EntryId(plngSourceRow).contains(mstrText, Qt::CaseInsensitive))
        return true;
    const clsWorkbenchRows* objWork = mobjRows->Work();
    return objWork && objWork->SourceMatches(plngSourceRow, [this](const QString& pstrText) { return Matches(pstrText); });
}

}  // namespace tralyx
