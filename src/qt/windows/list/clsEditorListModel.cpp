#include "windows/list/clsEditorListModel.h"

#include "checks/basEntryMatch.h"
#include "common/basStoreText.h"
#include "editor/clsEditorLayout.h"
#include "editor/clsWorkbenchRows.h"
#include "store/basFormatText.h"
#include "store/basListColumns.h"

#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace tralyx {
namespace {

constexpr qsizetype ToolTipLimit = 2000;

enum class enuMark { Dot, Diamond };

// A review row is a diamond, told apart from the dots by its shape as well as its colour.
QIcon Mark(enuMark penuShape, const QColor& pobjColour)
{
    QPixmap objPicture(12, 12);
    objPicture.fill(Qt::transparent);
    QPainter objPainter(&objPicture);
    objPainter.setRenderHint(QPainter::Antialiasing);
    objPainter.setPen(pobjColour.darker(150));
    objPainter.setBrush(pobjColour);
    if (penuShape == enuMark::Dot) {
        objPainter.drawEllipse(1, 1, 10, 10);
    } else {
        const QPointF objCorners[] = {{6, 0.5}, {11.5, 6}, {6, 11.5}, {0.5, 6}};
        objPainter.drawPolygon(objCorners, 4);
    }
    return QIcon(objPicture);
}

// The icon of a row by its StateRank.
QIcon StateIcon(int pintRank)
{
    static const QIcon Icons[] = {
        Mark(enuMark::Dot, QColor(0xd0, 0x30, 0x30)),      // error
        Mark(enuMark::Dot, QColor(0xb0, 0xb0, 0xb0)),      // untranslated
        Mark(enuMark::Diamond, QColor(0x90, 0x50, 0xd0)),  // to review
        Mark(enuMark::Dot, QColor(0xf0, 0xc0, 0x30)),      // the same as the source
        Mark(enuMark::Dot, QColor(0xf0, 0x80, 0x20)),      // warning
        Mark(enuMark::Dot, QColor(0x30, 0x70, 0xe0)),      // changed
        Mark(enuMark::Dot, QColor(0x40, 0xb0, 0x50)),      // done
    };
    return Icons[pintRank];
}

}  // namespace

clsEditorListModel::clsEditorListModel(QObject* pobjParent) : QAbstractTableModel(pobjParent) {}

void clsEditorListModel::SetTable(clsTralyx* pobjStore, enuFileKind penuKind)
{
    beginResetModel();
    mobjStore = pobjStore;
    menuKind = penuKind;
    mlngRows = pobjStore ? static_cast<int32_t>(RecordCount(*pobjStore, penuKind)) : 0;
    mintColumns = ListColumnCount(penuKind);
    mstrHeaders.clear();
    mstrPaths.clear();
    for (const udtListColumn& udtColumn : clsEditorLayout::Columns(static_cast<int32_t>(penuKind)))
        mstrHeaders << QCoreApplication::translate("clsEditorLayout", udtColumn.Header);
    mstrHeaders << tr("Source") << tr("State");
    mbooChanged.clear();
    endResetModel();
}

QString clsEditorListModel::ItemText(int32_t plngEntry, int pintColumn) const
{
    if (!mobjStore || plngEntry < 0 || plngEntry >= mlngRows) return QString();
    if (menuKind == enuFileKind::ControlText && pintColumn == 0) {
        // The object paths never change: each is built once, when first read (a filter reads them all).
        if (mstrPaths.size() != mlngRows) mstrPaths.resize(mlngRows);
        QString& strPath = mstrPaths[plngEntry];
        if (strPath.isNull()) strPath = ListText(*mobjStore, menuKind, plngEntry, 0);
        return strPath;
    }
    return ListText(*mobjStore, menuKind, plngEntry, pintColumn);
}

QString clsEditorListModel::EntryId(int32_t plngEntry) const
{
    if (plngEntry < 0 || plngEntry >= mlngRows) return QString();
    const udtFileKind& udtKind = FileKind(menuKind);
    if (!udtKind.RecordTag) return ItemText(plngEntry, 0);
    return QLatin1StringView(udtKind.RecordTag) + ThreeDigits(RecordNumber(menuKind, plngEntry));
}

bool clsEditorListModel::Storable(int32_t plngEntry, int pintColumn) const
{
    if (!mobjStore || plngEntry < 0 || plngEntry >= mlngRows || pintColumn < 0 || pintColumn >= mintColumns) return false;
    if (menuKind != enuFileKind::ControlText) return true;
    if (pintColumn == 0 || plngEntry >= mobjStore->ControlTextTable().size()) return false;
    const QString& strControl = mobjStore->ControlTextTable()[plngEntry].ControlName;
    return pintColumn == 1 ? ControlHasCaptionLine(strControl) : ControlHasToolTipLine(strControl);
}

bool clsEditorListModel::setData(const QModelIndex& pobjIndex, const QVariant& pobjValue, int pintRole)
{
    if (pintRole != Qt::EditRole || !pobjIndex.isValid() || !Storable(pobjIndex.row(), pobjIndex.column())) return false;
    const int32_t lngEntry = pobjIndex.row();
    if (!SetListText(*mobjStore, menuKind, lngEntry, pobjIndex.column(), pobjValue.toString())) return false;
    if (mintBatch > 0) {
        mlngBatchFirst = mlngBatchFirst < 0 ? lngEntry : std::min(mlngBatchFirst, lngEntry);
        mlngBatchLast = std::max(mlngBatchLast, lngEntry);
        return true;
    }
    CellsChanged(lngEntry, lngEntry, pobjIndex.column(), pobjIndex.column(), {Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole});
    emit EntriesChanged(lngEntry, lngEntry);
    return true;
}

void clsEditorListModel::Batch(const std::function<void()>& pfnChanges)
{
    ++mintBatch;
    const auto End = [this] {
        if (--mintBatch > 0 || mlngBatchFirst < 0) return;
        const int32_t lngFirst = std::exchange(mlngBatchFirst, -1);
        const int32_t lngLast = std::exchange(mlngBatchLast, -1);
        CellsChanged(lngFirst, lngLast, 0, columnCount() - 1);
        emit EntriesChanged(lngFirst, lngLast);
    };
    try {
        pfnChanges();
    } catch (...) {
        End();
        throw;
    }
    End();
}

void clsEditorListModel::MarkChanged(int32_t plngEntry, bool pbooChanged)
{
    if (plngEntry < 0 || plngEntry >= mlngRows || IsChanged(plngEntry) == pbooChanged) return;
    if (mbooChanged.size() <= plngEntry) mbooChanged.resize(plngEntry + 1);
    mbooChanged[plngEntry] = pbooChanged;
    if (mintBatch == 0) CellsChanged(plngEntry, plngEntry, 0, columnCount() - 1, {Qt::FontRole, ChangedRole});
}

void clsEditorListModel::ClearChanged()
{
    const auto lngMarked = static_cast<int32_t>(mbooChanged.size());
    mbooChanged.clear();
    if (lngMarked > 0) CellsChanged(0, lngMarked - 1, 0, columnCount() - 1, {Qt::FontRole, ChangedRole});
}

bool clsEditorListModel::IsChanged(int32_t plngEntry) const
{
    return plngEntry >= 0 && plngEntry < mbooChanged.size() && mbooChanged[plngEntry];
}

void clsEditorListModel::SetWork(const clsWorkbenchRows* pobjWork)
{
    // The source's two columns come and go with it.
    const bool booAdd = !mobjWork && pobjWork, booRemove = mobjWork && !pobjWork;
    if (booAdd) beginInsertColumns(QModelIndex(), mintColumns, mintColumns + 1);
    if (booRemove) beginRemoveColumns(QModelIndex(), mintColumns, mintColumns + 1);
    const bool booOther = mobjWork && pobjWork && mobjWork != pobjWork;
    mobjWork = pobjWork;
    if (booAdd) endInsertColumns();
    if (booRemove) endRemoveColumns();
    if (booOther) CellsChanged(0, mlngRows - 1, SourceColumn(), SourceColumn());
    StatesChanged(0, mlngRows - 1);
}

uint8_t clsEditorListModel::State(int32_t plngEntry) const { return mobjWork ? mobjWork->State(plngEntry) : 0; }

int clsEditorListModel::StateRank(int32_t plngEntry) const
{
    const uint8_t bytState = State(plngEntry);
    if (bytState & RowError) return 0;
    if (bytState & RowUntranslated) return 1;
    if (bytState & RowReview) return 2;
    if (bytState & RowSameAsSource) return 3;
    if (bytState & RowWarning) return 4;
    return IsChanged(plngEntry) ? 5 : 6;
}

QString clsEditorListModel::SourceText(int32_t plngEntry) const
{
    return mobjWork && plngEntry >= 0 && plngEntry < mlngRows ? mobjWork->SourceText(plngEntry) : QString();
}

void clsEditorListModel::StatesChanged(int32_t plngFirst, int32_t plngLast)
{
    if (mintBatch == 0 && mobjWork)
        CellsChanged(plngFirst, plngLast, StateColumn(), StateColumn(), {Qt::DecorationRole, Qt::ToolTipRole, EntryStateRole});
}

void clsEditorListModel::CellsChanged(int32_t plngFirst, int32_t plngLast, int pintFirstColumn, int pintLastColumn,
                                      const QList<int>& pintRoles)
{
    plngFirst = std::max(plngFirst, 0);
    plngLast = std::min(plngLast, mlngRows - 1);
    if (plngFirst > plngLast || pintFirstColumn < 0 || pintFirstColumn > pintLastColumn || pintLastColumn >= columnCount()) return;
    emit dataChanged(index(plngFirst, pintFirstColumn), index(plngLast, pintLastColumn), pintRoles);
}

int clsEditorListModel::rowCount(const QModelIndex& pobjParent) const { return pobjParent.isValid() ? 0 : mlngRows; }

int clsEditorListModel::columnCount(const QModelIndex& pobjParent) const
{
    return pobjParent.isValid() ? 0 : mintColumns + (mobjWork ? 2 : 0);
}

QVariant clsEditorListModel::data(const QModelIndex& pobjIndex, int pintRole) const
{
    if (!pobjIndex.isValid() || pobjIndex.row() >= mlngRows || pobjIndex.column() >= columnCount()) return {};
    const int32_t lngEntry = pobjIndex.row();
    const int intColumn = pobjIndex.column();
    switch (pintRole) {
    case Qt::DisplayRole:
        if (intColumn == StateColumn()) return {};
        return StoreToRow(CellText(lngEntry, intColumn));  // one line: rows keep their height
    case Qt::EditRole: return CellText(lngEntry, intColumn);
    case Qt::ToolTipRole: return ToolTip(lngEntry, intColumn);
    case Qt::DecorationRole:
        if (intColumn == StateColumn()) return StateIcon(StateRank(lngEntry));
        return {};
    case Qt::FontRole: {
        if (!IsChanged(lngEntry)) return {};
        QFont objFont;
        objFont.setBold(true);
        return objFont;
    }
    case EntryIdRole: return EntryId(lngEntry);
    case EntryStateRole: return State(lngEntry);
    case ChangedRole: return IsChanged(lngEntry);
    default: return {};
    }
}

QString clsEditorListModel::CellText(int32_t plngEntry, int pintColumn) const
{
    return pintColumn == SourceColumn() ? SourceText(plngEntry) : ItemText(plngEntry, pintColumn);
}

QVariant clsEditorListModel::ToolTip(int32_t plngEntry, int pintColumn) const
{
    // The entry's id, so that a number in a report can be found; in the first column its state in
    // words; and the text with its lines for cells too narrow to show it. Marked up, so that text
    // which looks like markup is shown as it stands.
    QString strTip;
    const QString strId = EntryId(plngEntry);
    if (!strId.isEmpty()) strTip = QStringLiteral("<p><b>") + strId.toHtmlEscaped() + QStringLiteral("</b></p>");
    if (pintColumn == StateColumn()) {
        const uint8_t bytState = State(plngEntry);
        QStringList strWords;
        if (bytState & RowUntranslated) strWords << tr("Untranslated");
        if (bytState & RowSameAsSource) strWords << tr("Same as the source");
        if (bytState & RowReview) strWords << tr("To review: the source changed since it was translated");
        strWords << mobjWork->Problems(plngEntry);
        if (IsChanged(plngEntry)) strWords << tr("Changed, not saved");
        if (!strWords.isEmpty())
            strTip += QStringLiteral("<p style='white-space:pre-wrap'><i>") + strWords.join(u'\n').toHtmlEscaped() +
                      QStringLiteral("</i></p>");
    }
    const QString strText = pintColumn == StateColumn() ? QString() : CellText(plngEntry, pintColumn);
    if (!strText.isEmpty())
        strTip += QStringLiteral("<p style='white-space:pre-wrap'>") + StoreToLines(strText.left(ToolTipLimit)).toHtmlEscaped() +
                  QStringLiteral("</p>");
    if (strTip.isEmpty()) return {};
    return strTip;
}

QVariant clsEditorListModel::headerData(int pintSection, Qt::Orientation penuOrientation, int pintRole) const
{
    // A first click on a header sorts A to Z (the worst state first), the next Z to A.
    if (penuOrientation == Qt::Horizontal && pintRole == Qt::InitialSortOrderRole) return Qt::AscendingOrder;
    if (penuOrientation != Qt::Horizontal || pintRole != Qt::DisplayRole) return {};
    if (pintSection < 0 || pintSection >= columnCount() || pintSection >= mstrHeaders.size()) return {};
    return mstrHeaders[pintSection];
}

Qt::ItemFlags clsEditorListModel::flags(const QModelIndex& pobjIndex) const
{
    if (!pobjIndex.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags enuFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (Storable(pobjIndex.row(), pobjIndex.column())) enuFlags |= Qt::ItemIsEditable;
    return enuFlags;
}

}  // namespace tralyx
