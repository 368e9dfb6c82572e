#pragma once
// The editor's list view: reports a row "click" once per user choice of a row, whether by mouse
// (when the button is released, so a question asked then does not interrupt the press) or by
// keyboard, and also when the row already current is clicked again. Sorted by a header click.
#include <QTreeView>

namespace tralyx {

class clsEditorListView : public QTreeView {
    Q_OBJECT
public:
    explicit clsEditorListView(QWidget* pobjParent = nullptr);

signals:
    void ItemClick(int plngRow);  // row counted from 0

protected:
    void mousePressEvent(QMouseEvent* pobjEvent) override;
    void mouseReleaseEvent(QMouseEvent* pobjEvent) override;
    void currentChanged(const QModelIndex& pobjCurrent, const QModelIndex& pobjPrevious) override;

private:
    bool mbooMousePressed = false;
    int mlngRowAtPress = -1;
};

}  // namespace tralyx
