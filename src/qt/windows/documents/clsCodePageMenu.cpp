#include "windows/documents/clsCodePageMenu.h"

#include "editor/basCodePages.h"

#include <QActionGroup>
#include <QCoreApplication>

namespace tralyx {

clsCodePageMenu::clsCodePageMenu(const QString& pstrChecked, QWidget* pobjParent)
    : QMenu(tr("&Code Page"), pobjParent)
{
    setObjectName(QStringLiteral("mnuCodePage"));
    setToolTipsVisible(true);
    auto* objItems = new QActionGroup(this);
    for (const udtCodePageChoice& udtPage : CodePageChoices()) {
        const QString strName = QLatin1String(udtPage.Name);
        QAction* pobjItem =
            addAction(QCoreApplication::translate("basCodePages", udtPage.Caption) + QStringLiteral(" (") + strName + u')');
        pobjItem->setCheckable(true);
        pobjItem->setChecked(strName == pstrChecked);
        pobjItem->setToolTip(tr("Read the files opened from now on as %1").arg(strName));
        objItems->addAction(pobjItem);
        connect(pobjItem, &QAction::triggered, this, [this, strName] { emit Chosen(strName); });
    }
}

}  // namespace tralyx
