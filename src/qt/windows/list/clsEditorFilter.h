#pragma once
// The rows of an editor's list that the filter lets through: a text found in the row's id, its
// texts or its source texts (case-insensitive, as captions read: "&Open" is found by "open"), and a
// choice of state; sorted by a column when the view asks (texts as a reader orders them, the
// state column worst first), else in the entries' order. The view shows this model;
// every view row is mapped back to its entry before anything addresses the table.
#include "editor/basListSteps.h"

#include <QCollator>
#include <QSortFilterProxyModel>
#include <functional>
#include <optional>
#include <vector>

namespace tralyx {

class clsEditorListModel;

class clsEditorFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    // In the order the filter bar lists them; a state each, and the pair a translator works through.
    enum enuShow : int32_t {
        ShowAll = 0, ShowNeedsWork = 1, ShowErrors = 2, ShowChanged = 3,
        ShowUntranslated = 4, ShowReview = 5, ShowUntranslatedOrReview = 6, ShowWarnings = 7, ShowDone = 8,
    };

    clsEditorFilter(clsEditorListModel* pobjRows, QObject* pobjParent);

    void SetFilter(const QString& pstrText, int32_t penuShow);
    const QString& Text() const { return mstrText; }
    int32_t Show() const { return menuShow; }
    bool IsActive() const { return !mstrText.isEmpty() || menuShow != ShowAll; }

    QString CountText() const;  // "312 of 32,767 rows"

    // The row being edited stays listed whatever the filter says, until it is let go; -1: none.
    void Pin(int32_t plngEntry) { mlngPinned = plngEntry; }
    int32_t Pinned() const { return mlngPinned; }
    // Lets the pinned row go; true when the rows were filtered again because it no longer fits.
    bool Unpin();
    void Refilter();  // the same filter again, for states or source texts that changed

    int32_t EntryOf(int plngViewRow) const;  // -1 for none
    int ViewRowOf(int32_t plngEntry) const;  // -1 when the filter hides it
    // The first listed row of an entry after plngEntry, or the last listed row; -1: none listed.
    int ViewRowAfter(int32_t plngEntry) const;
    // The first entry pfnWanted accepts, going from plngEntry's row by plngStep (+1 or -1) in the
    // order the rows are listed, round the end; from plngEntry itself last. -1: none.
    int32_t NextEntry(int32_t plngEntry, int32_t plngStep, const std::function<bool(int32_t)>& pfnWanted) const;
    udtListedRows Listed() const;  // the view's rows by their entries

protected:
    bool filterAcceptsRow(int plngSourceRow, const QModelIndex& pobjSourceParent) const override;
    bool lessThan(const QModelIndex& pobjLeft, const QModelIndex& pobjRight) const override;

private:
    bool Before(int32_t plngA, int32_t plngB) const;  // entry a is listed before entry b
    // The collation key of an entry's text in the sorted column, made once until the text changes.
    const QCollatorSortKey& SortKey(int32_t plngEntry, int pintColumn) const;
    void ForgetKeys(int32_t plngFirst, int32_t plngLast);
    bool Accepts(int32_t plngEntry) const;  // by the filter alone, without the pin
    bool Matches(const QString& pstrText) const;  // holds the filter's text, access keys or not

    clsEditorListModel* mobjRows;
    int32_t mlngPinned = -1;
    QString mstrText;
    int32_t menuShow = ShowAll;
    QCollator mobjCollator;
    mutable int mintKeyColumn = -1;
    mutable std::vector<std::optional<QCollatorSortKey>> mudtKeys;  // by entry
};

}  // namespace tralyx
