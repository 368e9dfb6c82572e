#pragma once
// The Window menu: the arrangement of the frame's child windows, and below it the list of the open
// child windows, the active one checked, each brought to the front when chosen.
#include <QMenu>

class QMdiArea;

namespace tralyx {

class clsWindowMenu : public QMenu {
    Q_OBJECT
public:
    clsWindowMenu(QMdiArea* pobjFrame, QWidget* pobjParent);

private slots:
    void mnuWindow_AboutToShow();

private:
    QMdiArea* mdiArea;
    QList<QAction*> mobjWindowList;
};

}  // namespace tralyx
