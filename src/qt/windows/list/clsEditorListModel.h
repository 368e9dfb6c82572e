#pragma once
// The editor's list: a table over one table of a text store, one row per entry in table order (row
// k is entry k), with the columns that the list-filling operations fill (the row text and its
// sub-items). It keeps no texts of its own: every cell is read from the store (only the object
// paths, which are never edited, are kept once built), and every change of an entry's texts goes
// through setData, which writes the store with the kind's setter. With a source two columns follow
// the table's: the source's text of the row and the row's state. A view that filters or sorts
// shows it through a proxy that maps its rows back to entries (clsEditorFilter).
#include "store/basFileKind.h"

#include <QAbstractTableModel>
#include <QVector>
#include <functional>

namespace tralyx {

class clsWorkbenchRows;

class clsEditorListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Qt::DisplayRole is a cell's text on one line, Qt::EditRole the text exactly as stored (CR LF
    // included); setData takes Qt::EditRole.
    enum enuRole : int {
        EntryIdRole = Qt::UserRole,  // the entry as its file names it: MSG006, TXT007, the object path
        EntryStateRole,              // enuRowState flags against the source; 0 without one
        ChangedRole,                 // committed since the table was last saved
    };

    explicit clsEditorListModel(QObject* pobjParent = nullptr);

    // Lists the table of that kind of pobjStore, which must outlive the model; nullptr: nothing.
    // The rows are counted now: a table replaced afterwards shows empty cells until the next call.
    void SetTable(clsTralyx* pobjStore, enuFileKind penuKind);
    enuFileKind Kind() const { return menuKind; }
    int32_t Count() const { return mlngRows; }
    int TableColumns() const { return mintColumns; }  // the columns of the table's texts
    // With a source, after the table's columns; -1 without one.
    int SourceColumn() const { return mobjWork ? mintColumns : -1; }
    int StateColumn() const { return mobjWork ? mintColumns + 1 : -1; }
    // The source's text the Source column shows: that of the row's main text, else its other one.
    QString SourceText(int32_t plngEntry) const;
    QString ItemText(int32_t plngEntry, int pintColumn) const;  // as stored; empty outside the table
    QString EntryId(int32_t plngEntry) const;
    // Whether the file can keep a text in that cell (core.lrc has no caption line for a txt... box,
    // no tool-tip line for a menu); the object path never. Such cells are not editable.
    bool Storable(int32_t plngEntry, int pintColumn) const;

    // Runs pfnChanges as one change: the views and EntriesChanged hear of it once, at the end.
    void Batch(const std::function<void()>& pfnChanges);

    // Entries committed since the last save are shown in bold (an undo may take the mark back).
    void MarkChanged(int32_t plngEntry, bool pbooChanged = true);
    void ClearChanged();
    bool IsChanged(int32_t plngEntry) const;

    // The rows' states against a source (not owned; nullptr: none), shown as an icon in the State
    // column and in words in its tool-tip.
    void SetWork(const clsWorkbenchRows* pobjWork);
    const clsWorkbenchRows* Work() const { return mobjWork; }
    uint8_t State(int32_t plngEntry) const;
    // What the row's icon says, the worst first: error 0, untranslated, to review, the same as the
    // source, warning, changed, done 6. The State column sorts by it.
    int StateRank(int32_t plngEntry) const;
    void StatesChanged(int32_t plngFirst, int32_t plngLast);  // computed again

    int rowCount(const QModelIndex& pobjParent = QModelIndex()) const override;
    int columnCount(const QModelIndex& pobjParent = QModelIndex()) const override;
    QVariant data(const QModelIndex& pobjIndex, int pintRole = Qt::DisplayRole) const override;
    QVariant headerData(int pintSection, Qt::Orientation penuOrientation, int pintRole = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& pobjIndex) const override;
    // The one way an entry's text changes: writes the store, then tells the views and EntriesChanged.
    // False, changing nothing, for a cell that is not Storable.
    bool setData(const QModelIndex& pobjIndex, const QVariant& pobjValue, int pintRole = Qt::EditRole) override;

signals:
    // Texts of the entries plngFirst to plngLast were set through setData (the store holds them):
    // once for each setData outside a batch, once for a whole batch.
    void EntriesChanged(int32_t plngFirst, int32_t plngLast);

private:
    QString CellText(int32_t plngEntry, int pintColumn) const;  // a table's column or the Source column
    QVariant ToolTip(int32_t plngEntry, int pintColumn) const;
    void CellsChanged(int32_t plngFirst, int32_t plngLast, int pintFirstColumn, int pintLastColumn,
                      const QList<int>& pintRoles = {});

    clsTralyx* mobjStore = nullptr;
    enuFileKind menuKind = enuFileKind::Messages;
    int32_t mlngRows = 0;
    int mintColumns = 0;
    QStringList mstrHeaders;  // the table's columns, then Source and State
    mutable QVector<QString> mstrPaths;  // of control text, by entry; null until first read
    const clsWorkbenchRows* mobjWork = nullptr;
    QVector<bool> mbooChanged;  // by entry; shorter than the table when its last entries are unchanged
    int mintBatch = 0;          // depth of Batch
    int32_t mlngBatchFirst = -1, mlngBatchLast = -1;
};

}  // namespace tralyx
