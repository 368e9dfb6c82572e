#pragma once
// The editor's list: rows of up to three texts (row text, sub-item 1, sub-item 2), filled by the
// store through clsListItems and shown by a view. Texts are kept exactly as the store gives them
// (CR LF line breaks included); only what the view displays is flattened to one line.
#include "store/clsListItems.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>

namespace tralyx {

class clsEditorListModel : public QAbstractTableModel, public clsListItems {
    Q_OBJECT
public:
    explicit clsEditorListModel(QObject* pobjParent = nullptr);

    // Removes every row and sets the column headers.
    void SetColumns(const QStringList& pstrHeaders);
    // Runs pfnFill as one batch: the view hears of all its rows at once when it ends.
    void Fill(const std::function<void(clsListItems&)>& pfnFill);

    int32_t AddItem(const QString& pstrText) override;
    void SetSubItem(int32_t plngItem, int pintSubItem, const QString& pstrText) override;

    int32_t Count() const { return static_cast<int32_t>(mudtRows.size()); }
    // The text of row plngRow (from 0), column pintColumn (0 row text, 1 and 2 the sub-items).
    QString ItemText(int32_t plngRow, int pintColumn) const;
    void SetItemText(int32_t plngRow, int pintColumn, const QString& pstrText);
    // Rows committed since the last save are shown in bold.
    void MarkChanged(int32_t plngRow);
    void ClearChanged();
    // The entry id of a row as the file names it, shown in the row's tool-tip.
    void SetIdOf(std::function<QString(int32_t)> pfnIdOf) { mfnIdOf = std::move(pfnIdOf); }
    QString IdOf(int32_t plngRow) const { return mfnIdOf ? mfnIdOf(plngRow) : QString(); }
    // The state of a row (an icon in its first column, words in its tool-tip); none without a source.
    void SetStateOf(std::function<QIcon(int32_t)> pfnIconOf, std::function<QString(int32_t)> pfnTipOf)
    {
        mfnIconOf = std::move(pfnIconOf);
        mfnStateTipOf = std::move(pfnTipOf);
    }
    bool IsChanged(int32_t plngRow) const { return plngRow >= 0 && plngRow < mbooChanged.size() && mbooChanged[plngRow]; }
    // Runs pfnChange with the signals of single rows held back, then tells the view of every row at
    // once: thousands of rows changed by one command.
    void Quietly(const std::function<void()>& pfnChange);
    // The row's state was computed again.
    void StateChanged(int32_t plngFirst, int32_t plngLast);

    int rowCount(const QModelIndex& pobjParent = QModelIndex()) const override;
    int columnCount(const QModelIndex& pobjParent = QModelIndex()) const override;
    QVariant data(const QModelIndex& pobjIndex, int pintRole = Qt::DisplayRole) const override;
    QVariant headerData(int pintSection, Qt::Orientation penuOrientation, int pintRole = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& pobjIndex) const override;

private:
    using udtRow = std::array<QString, 3>;
    QVector<udtRow> mudtRows;
    QStringList mstrHeaders;
    bool mbooFilling = false;
    bool mbooQuiet = false;
    QVector<bool> mbooChanged;  // by row; shorter than the rows when the last rows are unchanged
    std::function<QString(int32_t)> mfnIdOf;
    std::function<QIcon(int32_t)> mfnIconOf;
    std::function<QString(int32_t)> mfnStateTipOf;
};

}  // namespace tralyx
