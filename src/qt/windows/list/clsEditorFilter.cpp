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
    // Rows are filtered and sorted again only when the filter or the sort changes: a committed row
    // stays where it is.
    setDynamicSortFilter(false);
    // "Label 9" before "Label 10", "Ärger" beside "Arger", and the object paths by their index.
    mobjCollator = QCollator(App::TextLocale());
    mobjCollator.setNumericMode(true);
    mobjCollator.setCaseSensitivity(Qt::CaseInsensitive);
    connect(pobjRows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& pobjFirst, const QModelIndex& pobjLast, const QList<int>& pintRoles) {
                if (pintRoles.isEmpty() || pintRoles.contains(Qt::DisplayRole) || pintRoles.contains(Qt::EditRole))
                    ForgetKeys(pobjFirst.row(), pobjLast.row());
            });
    connect(pobjRows, &QAbstractItemModel::modelReset, this, [this] { ForgetKeys(0, -1); });
    connect(pobjRows, &QAbstractItemModel::columnsRemoved, this, [this] { ForgetKeys(0, -1); });
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
    udtListedRows udtRows{rowCount(), [this](int32_t plngViewRow) { return EntryOf(plngViewRow); }, nullptr};
    if (sortColumn() >= 0) udtRows.Before = [this](int32_t plngA, int32_t plngB) { return Before(plngA, plngB); };
    return udtRows;
}

bool clsEditorFilter::Before(int32_t plngA, int32_t plngB) const
{
    // As the sort puts them: equal rows keep the entries' order, either way round.
    const QModelIndex objA = mobjRows->index(plngA, sortColumn()), objB = mobjRows->index(plngB, sortColumn());
    const bool booLess = lessThan(objA, objB), booMore = lessThan(objB, objA);
    if (sortOrder() == Qt::AscendingOrder) return booLess || (!booMore && plngA < plngB);
    return booMore || (!booLess && plngA < plngB);
}

bool clsEditorFilter::lessThan(const QModelIndex& pobjLeft, const QModelIndex& pobjRight) const
{
    const int intColumn = pobjLeft.column();
    const int32_t lngLeft = pobjLeft.row(), lngRight = pobjRight.row();
    if (intColumn == mobjRows->StateColumn()) return mobjRows->StateRank(lngLeft) < mobjRows->StateRank(lngRight);
    return SortKey(lngLeft, intColumn).compare(SortKey(lngRight, intColumn)) < 0;
}

const QCollatorSortKey& clsEditorFilter::SortKey(int32_t plngEntry, int pintColumn) const
{
    if (pintColumn != mintKeyColumn || mudtKeys.size() != size_t(mobjRows->Count())) {
        mudtKeys.assign(size_t(mobjRows->Count()), std::nullopt);
        mintKeyColumn = pintColumn;
    }
    std::optional<QCollatorSortKey>& udtKey = mudtKeys[size_t(plngEntry)];
    if (!udtKey)
        udtKey = mobjCollator.sortKey(pintColumn == mobjRows->SourceColumn() ? mobjRows->SourceText(plngEntry)
                                                                             : mobjRows->ItemText(plngEntry, pintColumn));
    return *udtKey;
}

void clsEditorFilter::ForgetKeys(int32_t plngFirst, int32_t plngLast)
{
    if (plngLast < plngFirst) mudtKeys.clear();
    for (int32_t i = std::max(plngFirst, 0); i <= plngLast && size_t(i) < mudtKeys.size(); ++i) mudtKeys[size_t(i)].reset();
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
    // The row states each choice lets through, by its number; Changed and Done ask the rows instead.
    static constexpr uint8_t StateOf[] = {0, RowNeedsWork, RowError, 0, RowUntranslated, RowReview, RowUntranslated | RowReview, RowWarning};
    if (menuShow == ShowChanged && !mobjRows->IsChanged(plngSourceRow)) return false;
    // Done: nothing to do and nothing to look at, the rows a reviewer may leave alone.
    if (menuShow == ShowDone && (mobjRows->State(plngSourceRow) & (RowNeedsWork | RowWarning))) return false;
    if (menuShow > 0 && menuShow < static_cast<int32_t>(std::size(StateOf)) && StateOf[menuShow] &&
        !(mobjRows->State(plngSourceRow) & StateOf[menuShow]))
        return false;
    if (mstrText.isEmpty()) return true;
    const int intColumns = mobjRows->TableColumns();
    for (int intColumn = 0; intColumn < intColumns; ++intColumn)
        if (Matches(mobjRows->ItemText(plngSourceRow, intColumn))) return true;
    // The object path of core.lrc is its id and its first column alike.
    if (mobjRows->Kind() != enuFileKind::ControlText && mobjRows->EntryId(plngSourceRow).contains(mstrText, Qt::CaseInsensitive))
        return true;
    const clsWorkbenchRows* objWork = mobjRows->Work();
    return objWork && objWork->SourceMatches(plngSourceRow, [this](const QString& pstrText) { return Matches(pstrText); });
}

}  // namespace tralyx
