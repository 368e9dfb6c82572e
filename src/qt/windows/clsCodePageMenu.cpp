#include "windows/clsCodePageMenu.h"

#include "editor/basCodePages.h"

#include <QActionGroup>

namespace tralyx {

clsCodePageMenu::clsCodePageMenu(const QString& pstrChecked, QWidget* pobjParent)
    : QMenu(QStringLiteral("&Code Page"), pobjParent)
{
    setObjectName(QStringLiteral("mnuCodePage"));
    setToolTipsVisible(true);
    auto* objItems = new QActionGroup(this);
    for (const udtCodePageChoice& udtPage : CodePageChoices()) {
        const QString strName = QLatin1String(udtPage.Name);
        QAction* pobjItem = addAction(QLatin1String(udtPage.Caption) + QStringLiteral(" (") + strName + u')');
        pobjItem->setCheckable(true);
        pobjItem->setChecked(strName == pstrChecked);
        pobjItem->setToolTip(QStringLiteral("Read the files opened from now on as ") + strName);
        objItems->addAction(pobjItem);
        connect(pobjItem, &QAction::triggered, this, [this, strName] { emit Chosen(strName); });
    }
}

}  // namespace tralyx
