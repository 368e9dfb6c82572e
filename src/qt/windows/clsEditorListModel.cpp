#include "clsEditorListModel.h"

namespace tralyx {

namespace {

// One line per row: line breaks are shown as a return sign so a row keeps its height.
QString OneLine(const QString& pstrText)
{
    if (!pstrText.contains(u'\r') && !pstrText.contains(u'\n')) return pstrText;
    QString strLine = pstrText;
    strLine.replace(QStringLiteral("\r\n"), QStringLiteral(" \u21B5 "));
    strLine.replace(u'\r', QStringLiteral(" \u21B5 ")).replace(u'\n', QStringLiteral(" \u21B5 "));
    return strLine;
}

constexpr qsizetype ToolTipLimit = 2000;

}  // namespace

clsEditorListModel::clsEditorListModel(QObject* pobjParent) : QAbstractTableModel(pobjParent) {}

void clsEditorListModel::SetColumns(const QStringList& pstrHeaders)
{
    beginResetModel();
    mudtRows.clear();
    mstrHeaders = pstrHeaders;
    endResetModel();
}

void clsEditorListModel::Fill(const std::function<void(clsListItems&)>& pfnFill)
{
    beginResetModel();
    mbooFilling = true;
    try {
        pfnFill(*this);
    } catch (...) {
        mbooFilling = false;
        endResetModel();
        throw;
    }
    mbooFilling = false;
    endResetModel();
}

int32_t clsEditorListModel::AddItem(const QString& pstrText)
{
    const int lngRow = static_cast<int>(mudtRows.size());
    if (!mbooFilling) beginInsertRows(QModelIndex(), lngRow, lngRow);
    mudtRows.push_back(udtRow{pstrText, QString(), QString()});
    if (!mbooFilling) endInsertRows();
    return lngRow + 1;
}

void clsEditorListModel::SetSubItem(int32_t plngItem, int pintSubItem, const QString& pstrText)
{
    if (pintSubItem < 1 || pintSubItem > 2) return;
    SetItemText(plngItem - 1, pintSubItem, pstrText);
}

QString clsEditorListModel::ItemText(int32_t plngRow, int pintColumn) const
{
    if (plngRow < 0 || plngRow >= mudtRows.size() || pintColumn < 0 || pintColumn > 2) return QString();
    return mudtRows[plngRow][pintColumn];
}

void clsEditorListModel::SetItemText(int32_t plngRow, int pintColumn, const QString& pstrText)
{
    if (plngRow < 0 || plngRow >= mudtRows.size() || pintColumn < 0 || pintColumn > 2) return;
    mudtRows[plngRow][pintColumn] = pstrText;
    if (!mbooFilling && pintColumn < columnCount()) {
        const QModelIndex objCell = index(plngRow, pintColumn);
        emit dataChanged(objCell, objCell, {Qt::DisplayRole, Qt::ToolTipRole});
    }
}

int clsEditorListModel::rowCount(const QModelIndex& pobjParent) const
{
    return pobjParent.isValid() ? 0 : static_cast<int>(mudtRows.size());
}

int clsEditorListModel::columnCount(const QModelIndex& pobjParent) const
{
    return pobjParent.isValid() ? 0 : static_cast<int>(mstrHeaders.size());
}

QVariant clsEditorListModel::data(const QModelIndex& pobjIndex, int pintRole) const
{
    if (!pobjIndex.isValid() || pobjIndex.row() >= mudtRows.size() || pobjIndex.column() > 2) return {};
    const QString& strText = mudtRows[pobjIndex.row()][pobjIndex.column()];
    switch (pintRole) {
    case Qt::DisplayRole: return OneLine(strText);
    case Qt::ToolTipRole:
        // The text with its lines, for cells too narrow to show it; marked up so that text which
        // looks like markup is shown as it stands.
        if (strText.isEmpty()) return {};
        return QStringLiteral("<p style='white-space:pre-wrap'>") + strText.left(ToolTipLimit).toHtmlEscaped() +
               QStringLiteral("</p>");
    default: return {};
    }
}

QVariant clsEditorListModel::headerData(int pintSection, Qt::Orientation penuOrientation, int pintRole) const
{
    if (penuOrientation != Qt::Horizontal || pintRole != Qt::DisplayRole) return {};
    if (pintSection < 0 || pintSection >= mstrHeaders.size()) return {};
    return mstrHeaders[pintSection];
}

Qt::ItemFlags clsEditorListModel::flags(const QModelIndex& pobjIndex) const
{
    // Never editable in place: a row changes only through a commit, which also writes the store.
    if (!pobjIndex.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace tralyx
