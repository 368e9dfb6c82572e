#include "binding/QtGeneralItems.h"

#include "binding/QtTwips.h"
#include "common/basGeneralItems.h"
#include "common/basTwips.h"

#include <QApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QTreeView>
#include <QWidget>

namespace tralyx {

namespace {

QWidget* MainWindow(const QWidget& pfrmForm)
{
    for (QWidget* objWidget : QApplication::topLevelWidgets())
        if (objWidget != &pfrmForm && objWidget->objectName() == QLatin1String("frmMain") && objWidget->isVisible())
            return objWidget;
    QWidget* objParent = pfrmForm.parentWidget();
    return objParent ? objParent->window() : nullptr;
}

udtTwipsRect ToTwips(const QWidget& pobjWidget, const QRect& pobjRect)
{
    return {double(PixelsToTwipsX(pobjWidget, pobjRect.left())), double(PixelsToTwipsY(pobjWidget, pobjRect.top())),
            double(PixelsToTwipsX(pobjWidget, pobjRect.width())), double(PixelsToTwipsY(pobjWidget, pobjRect.height()))};
}

}  // namespace

void CentreForm(QWidget& pfrmForm, bool pbooOnScreen)
{
    // Work in global coordinates with the form's outer (frame) size.
    const udtTwipsRect udtForm = ToTwips(pfrmForm, pfrmForm.frameGeometry());
    const QWidget* objMain = pbooOnScreen ? nullptr : MainWindow(pfrmForm);
    udtTwipsPosition udtPosition;
    if (objMain) {
        // A window's frame geometry is in screen coordinates.
        udtPosition = CentreFormOverMain(ToTwips(pfrmForm, objMain->frameGeometry()), udtForm.Width, udtForm.Height);
    } else {
        const QScreen* objScreen = pfrmForm.screen() ? pfrmForm.screen() : QGuiApplication::primaryScreen();
        if (!objScreen) return;
        const udtTwipsRect udtScreen = ToTwips(pfrmForm, objScreen->geometry());
        udtPosition = CentreFormOnScreen(udtScreen.Width, udtScreen.Height, udtForm.Width, udtForm.Height);
        udtPosition.Left += udtScreen.Left;
        udtPosition.Top += udtScreen.Top;
    }
    QPoint objTarget(TwipsToPixels(udtPosition.Left, pfrmForm.logicalDpiX()),
                     TwipsToPixels(udtPosition.Top, pfrmForm.logicalDpiY()));
    if (!pfrmForm.isWindow() && pfrmForm.parentWidget()) objTarget = pfrmForm.parentWidget()->mapFromGlobal(objTarget);
    pfrmForm.move(objTarget);
}

void SetFullRowSelect(QAbstractItemView& plvwListView)
{
    plvwListView.setSelectionBehavior(QAbstractItemView::SelectRows);
    if (auto* objTree = qobject_cast<QTreeView*>(&plvwListView)) {
        objTree->setAllColumnsShowFocus(true);
        objTree->header()->setSectionsMovable(false);
    } else if (auto* objTable = qobject_cast<QTableView*>(&plvwListView)) {
        objTable->setShowGrid(false);
    }
}

}  // namespace tralyx
