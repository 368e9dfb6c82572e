#pragma once
// The View menu: the Source dock, the form preview and the filter bar shown or hidden, Ctrl+F to the filter, and the
// list's Source column (remembered; there only for a window with a source).
#include <QMenu>

class QDockWidget;

namespace tralyx {

class clsFilterBar;
class clsSourceDock;

class clsViewMenu : public QMenu {
    Q_OBJECT
public:
    clsViewMenu(clsSourceDock* pdckSource, clsFilterBar* ptbFilter, QDockWidget* pdckFormPreview, QWidget* pobjParent);
    void SetSourceColumnUsable(bool pbooUsable);  // the active window has a source

signals:
    void SourceColumnToggled(bool pbooShown);  // already remembered

private:
    QAction* mnuViewSourceColumn;
};

}  // namespace tralyx
