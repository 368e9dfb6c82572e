#include "windows/list/clsEditorListView.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace tralyx {

clsEditorListView::clsEditorListView(QWidget* pobjParent) : QTreeView(pobjParent)
{
    // A report view of rows, never edited in place: a row changes only through a commit.
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    // A click on a header sorts by its column, a second the other way, a third back to the file's
    // order; it opens in the file's order.
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    header()->setSortIndicatorClearable(true);
    setSortingEnabled(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setAlternatingRowColors(true);
}

void clsEditorListView::mousePressEvent(QMouseEvent* pobjEvent)
{
    mbooMousePressed = true;
    mlngRowAtPress = currentIndex().row();
    QTreeView::mousePressEvent(pobjEvent);
}

void clsEditorListView::mouseReleaseEvent(QMouseEvent* pobjEvent)
{
    QTreeView::mouseReleaseEvent(pobjEvent);
    if (!mbooMousePressed) return;
    mbooMousePressed = false;
    const QModelIndex objReleased = indexAt(pobjEvent->position().toPoint());
    if (objReleased.isValid()) {
        emit ItemClick(objReleased.row());
    } else if (currentIndex().isValid() && currentIndex().row() != mlngRowAtPress) {
        // Dragged off the rows: the row the press moved to is still the one chosen.
        emit ItemClick(currentIndex().row());
    }
}

void clsEditorListView::currentChanged(const QModelIndex& pobjCurrent, const QModelIndex& pobjPrevious)
{
    QTreeView::currentChanged(pobjCurrent, pobjPrevious);
    if (!mbooMousePressed && pobjCurrent.isValid() && pobjCurrent.row() != pobjPrevious.row())
        emit ItemClick(pobjCurrent.row());
}

}  // namespace tralyx
