#include "windows/main/clsWindowMenu.h"

#include "windows/main/basArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tralyx {

clsWindowMenu::clsWindowMenu(QMdiArea* pobjFrame, QWidget* pobjParent)
    : QMenu(tr("&Window"), pobjParent), mdiArea(pobjFrame)
{
    setObjectName(QStringLiteral("mnuWindow"));
    addSeparator()->setObjectName(QStringLiteral("mnuWindowBar1"));
    const struct {
        const char* Name;
        const char* Caption;
        int Code;
    } udtItems[] = {{"mnuWindowCascade", QT_TR_NOOP("&Cascade"), vbCascade},
                    {"mnuWindowTileHorizontal", QT_TR_NOOP("Tile &Horizontal"), vbTileHorizontal},
                    {"mnuWindowTileVertical", QT_TR_NOOP("Tile &Vertical"), vbTileVertical},
                    {"mnuWindowArrangeIcons", QT_TR_NOOP("&Arrange Icons"), vbArrangeIcons}};
    for (const auto& udtItem : udtItems) {
        QAction* pobjItem = addAction(tr(udtItem.Caption));
        pobjItem->setObjectName(QLatin1String(udtItem.Name));
        connect(pobjItem, &QAction::triggered, this, [this, intCode = udtItem.Code] { Arrange(*mdiArea, intCode); });
    }
    connect(this, &QMenu::aboutToShow, this, &clsWindowMenu::mnuWindow_AboutToShow);
}

void clsWindowMenu::mnuWindow_AboutToShow()
{
    qDeleteAll(mobjWindowList);
    mobjWindowList.clear();
    const QList<QMdiSubWindow*> objChildren = mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (objChildren.isEmpty()) return;
    mobjWindowList.append(addSeparator());
    for (qsizetype i = 0; i < objChildren.size(); ++i) {
        QMdiSubWindow* pobjChild = objChildren[i];
        // An "&" in a path is text, not an access key.
        const QString strTitle = pobjChild->windowTitle().replace(u'&', QStringLiteral("&&"));
        const QString strCaption = (i < 9 ? QStringLiteral("&%1 %2") : QStringLiteral("%1 %2")).arg(i + 1).arg(strTitle);
        QAction* pobjItem = addAction(strCaption);
        pobjItem->setCheckable(true);
        pobjItem->setChecked(pobjChild == mdiArea->currentSubWindow());
        connect(pobjItem, &QAction::triggered, pobjChild, [this, pobjChild] { mdiArea->setActiveSubWindow(pobjChild); });
        mobjWindowList.append(pobjItem);
    }
}

}  // namespace tralyx
