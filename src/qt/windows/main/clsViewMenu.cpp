#include "windows/main/clsViewMenu.h"

#include "windows/editor/frmMessageEditor.h"
#include "windows/workbench/clsFilterBar.h"
#include "windows/workbench/clsSourceDock.h"

#include <QDockWidget>
#include <QSettings>

namespace tralyx {

clsViewMenu::clsViewMenu(clsSourceDock* pdckSource, clsFilterBar* ptbFilter, QDockWidget* pdckFormPreview, QWidget* pobjParent)
    : QMenu(tr("&View"), pobjParent)
{
    setObjectName(QStringLiteral("mnuView"));
    QAction* mnuViewSource = pdckSource->toggleViewAction();
    mnuViewSource->setObjectName(QStringLiteral("mnuViewSource"));
    addAction(mnuViewSource);
    mnuViewSourceColumn = addAction(tr("Source &Column"));
    mnuViewSourceColumn->setObjectName(QStringLiteral("mnuViewSourceColumn"));
    mnuViewSourceColumn->setCheckable(true);
    mnuViewSourceColumn->setChecked(frmMessageEditor::SourceColumnWanted());
    mnuViewSourceColumn->setEnabled(false);
    connect(mnuViewSourceColumn, &QAction::toggled, this, [this](bool pbooShown) {
        QSettings().setValue(QLatin1StringView(frmMessageEditor::SourceColumnKey), pbooShown);
        emit SourceColumnToggled(pbooShown);
    });
    QAction* mnuViewFormPreview = pdckFormPreview->toggleViewAction();
    mnuViewFormPreview->setObjectName(QStringLiteral("mnuViewFormPreview"));
    mnuViewFormPreview->setText(tr("Form &Preview"));
    addAction(mnuViewFormPreview);
    QAction* mnuViewFilter = ptbFilter->toggleViewAction();
    mnuViewFilter->setObjectName(QStringLiteral("mnuViewFilter"));
    addAction(mnuViewFilter);
    QAction* mnuViewFilterFocus = addAction(tr("&Filter Rows"));
    mnuViewFilterFocus->setObjectName(QStringLiteral("mnuViewFilterFocus"));
    mnuViewFilterFocus->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(mnuViewFilterFocus, &QAction::triggered, ptbFilter, &clsFilterBar::FocusText);
}

void clsViewMenu::SetSourceColumnUsable(bool pbooUsable) { mnuViewSourceColumn->setEnabled(pbooUsable); }

}  // namespace tralyx
