#include "windows/clsEditorListModel.h"

#include "common/basStoreText.h"

#include <QFont>

namespace tralyx {

namespace {

constexpr qsizetype ToolTipLimit = 2000;

}  // namespace

clsEditorListModel::clsEditorListModel(QObject* pobjParent) : QAbstractTableModel(pobjParent) {}

void clsEditorListModel::SetColumns(const QStringList& pstrHeaders)
{
    beginResetModel();
    mudtRows.clear();
    mbooChanged.clear();
    mstrHeaders = pstrHeaders;
    endResetModel();
}

void clsEditorListModel::Fill(const std::function<void(clsListItems&)>& pfnFill)
{
    beginResetModel();
    mbooChanged.clear();
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
    if (!mbooFilling && !mbooQuiet && pintColumn < columnCount()) {
        const QModelIndex objCell = index(plngRow, pintColumn);
        emit dataChanged(objCell, objCell, {Qt::DisplayRole, Qt::ToolTipRole});
    }
}

void clsEditorListModel::MarkChanged(int32_t plngRow)
{
    if (plngRow < 0 || plngRow >= mudtRows.size()) return;
    if (mbooChanged.size() <= plngRow) mbooChanged.resize(plngRow + 1);
    mbooChanged[plngRow] = true;
    if (!mbooQuiet && columnCount() > 0) emit dataChanged(index(plngRow, 0), index(plngRow, columnCount() - 1), {Qt::FontRole});
}

void clsEditorListModel::ClearChanged()
{
    const qsizetype lngRows = mbooChanged.size();
    mbooChanged.clear();
    if (lngRows > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(int(lngRows) - 1, columnCount() - 1), {Qt::FontRole});
}

void clsEditorListModel::StateChanged(int32_t plngFirst, int32_t plngLast)
{
    if (mbooQuiet || plngFirst < 0 || plngLast >= mudtRows.size() || plngFirst > plngLast || columnCount() == 0) return;
    emit dataChanged(index(plngFirst, 0), index(plngLast, 0), {Qt::DecorationRole, Qt::ToolTipRole});
}

void clsEditorListModel::Quietly(const std::function<void()>& pfnChange)
{
    mbooQuiet = true;
    try {
        pfnChange();
    } catch (...) {
        mbooQuiet = false;
        throw;
    }
    mbooQuiet = false;
    if (!mudtRows.isEmpty() && columnCount() > 0) emit dataChanged(index(0, 0), index(Count() - 1, columnCount() - 1));
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
    case Qt::DisplayRole: return StoreToRow(strText);  // one line, so that a row keeps its height
    case Qt::ToolTipRole: {
        // The entry's id, so that a number in a report can be found, and the text with its lines
        // for cells too narrow to show it; marked up so that text which looks like markup is shown
        // as it stands.
        const QString strId = IdOf(pobjIndex.row());
        QString strTip;
        const QString strState = mfnStateTipOf && pobjIndex.column() == 0 ? mfnStateTipOf(pobjIndex.row()) : QString();
        if (!strId.isEmpty()) strTip = QStringLiteral("<p><b>") + strId.toHtmlEscaped() + QStringLiteral("</b></p>");
        if (!strState.isEmpty())
            strTip += QStringLiteral("<p style='white-space:pre-wrap'><i>") + strState.toHtmlEscaped() +
                      QStringLiteral("</i></p>");
        if (!strText.isEmpty())
            strTip += QStringLiteral("<p style='white-space:pre-wrap'>") +
                      StoreToLines(strText.left(ToolTipLimit)).toHtmlEscaped() + QStringLiteral("</p>");
        if (strTip.isEmpty()) return {};
        return strTip;
    }
    case Qt::DecorationRole:
        if (pobjIndex.column() == 0 && mfnIconOf) return mfnIconOf(pobjIndex.row());
        return {};
    case Qt::FontRole: {
        if (pobjIndex.row() >= mbooChanged.size() || !mbooChanged[pobjIndex.row()]) return {};
        QFont objFont;
        objFont.setBold(true);
        return objFont;
    }
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
