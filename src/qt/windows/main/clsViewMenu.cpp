#include "windows/main/clsViewMenu.h"

#include "windows/workbench/clsFilterBar.h"
#include "windows/workbench/clsSourceDock.h"

namespace tralyx {

clsViewMenu::clsViewMenu(clsSourceDock* pdckSource, clsFilterBar* ptbFilter, QWidget* pobjParent)
    : QMenu(tr("&View"), pobjParent)
{
    setObjectName(QStringLiteral("mnuView"));
    QAction* mnuViewSource = pdckSource->toggleViewAction();
    mnuViewSource->setObjectName(QStringLiteral("mnuViewSource"));
    addAction(mnuViewSource);
    QAction* mnuViewFilter = ptbFilter->toggleViewAction();
    mnuViewFilter->setObjectName(QStringLiteral("mnuViewFilter"));
    addAction(mnuViewFilter);
    QAction* mnuViewFilterFocus = addAction(tr("&Filter Rows"));
    mnuViewFilterFocus->setObjectName(QStringLiteral("mnuViewFilterFocus"));
    mnuViewFilterFocus->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(mnuViewFilterFocus, &QAction::triggered, ptbFilter, &clsFilterBar::FocusText);
}

}  // namespace tralyx
