#pragma once
// The View menu: the Source dock and the filter bar shown or hidden, and Ctrl+F to the filter.
#include <QMenu>

namespace tralyx {

class clsFilterBar;
class clsSourceDock;

class clsViewMenu : public QMenu {
    Q_OBJECT
public:
    clsViewMenu(clsSourceDock* pdckSource, clsFilterBar* ptbFilter, QWidget* pobjParent);
};

}  // namespace tralyx
