#include "windows/clsToolBar.h"

#include "windows/basIcons.h"

namespace tralyx {
namespace {

// Key, tool-tip and picture of each button; an empty key is a separator.
struct udtButton {
    const char* Key;
    const char* ToolTip;
    int Picture;
};
constexpr udtButton gudtButtons[] = {
    {"Open", "Open", picOpen}, {"Save", "Save", picSave}, {"", "", 0},
    {"Cut", "Cut", picCut},    {"Copy", "Copy", picCopy}, {"Paste", "Paste", picPaste},
    {"", "", 0},               {"ToGrid", "Save changes", picToGrid},
};

}  // namespace

clsToolBar::clsToolBar(QWidget* pobjParent) : QToolBar(QStringLiteral("Toolbar"), pobjParent)
{
    setObjectName(QStringLiteral("tbToolBar"));
    setMovable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const udtButton& udtEntry : gudtButtons) {
        if (!*udtEntry.Key) {
            addSeparator();
            continue;
        }
        QAction* pobjButton = addAction(ToolbarPicture(udtEntry.Picture), QLatin1String(udtEntry.ToolTip));
        pobjButton->setObjectName(QStringLiteral("tb") + QLatin1String(udtEntry.Key));
        pobjButton->setData(QLatin1String(udtEntry.Key));
        pobjButton->setToolTip(QLatin1String(udtEntry.ToolTip));
    }
    connect(this, &QToolBar::actionTriggered, this, &clsToolBar::ButtonClick);
}

QList<QAction*> clsToolBar::Buttons() const
{
    QList<QAction*> objButtons;
    for (QAction* pobjButton : actions())
        if (!pobjButton->isSeparator()) objButtons << pobjButton;
    return objButtons;
}

QString clsToolBar::KeyOf(const QAction* pobjButton) { return pobjButton->data().toString(); }

}  // namespace tralyx
