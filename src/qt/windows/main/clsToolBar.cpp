#include "windows/main/clsToolBar.h"

#include "windows/main/basIcons.h"

namespace tralyx {
namespace {

// Key, tool-tip (English, translated as the toolbar's) and picture of each button; an empty key is a
// separator.
struct udtButton {
    const char* Key;
    const char* ToolTip;
    int Picture;
};
constexpr udtButton gudtButtons[] = {
    {"Open", QT_TRANSLATE_NOOP("tralyx::clsToolBar", "Open"), picOpen},
    {"Save", QT_TRANSLATE_NOOP("tralyx::clsToolBar", "Save"), picSave},
    {"", "", 0},
    {"Cut", QT_TRANSLATE_NOOP("tralyx::clsToolBar", "Cut"), picCut},
    {"Copy", QT_TRANSLATE_NOOP("tralyx::clsToolBar", "Copy"), picCopy},
    {"Paste", QT_TRANSLATE_NOOP("tralyx::clsToolBar", "Paste"), picPaste},
    {"", "", 0},
    {"ToGrid", QT_TRANSLATE_NOOP("tralyx::clsToolBar", "Save changes"), picToGrid},
};

}  // namespace

clsToolBar::clsToolBar(QWidget* pobjParent) : QToolBar(tr("Toolbar"), pobjParent)
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
        const QString strToolTip = tr(udtEntry.ToolTip);
        QAction* pobjButton = addAction(ToolbarPicture(udtEntry.Picture), strToolTip);
        pobjButton->setObjectName(QStringLiteral("tb") + QLatin1String(udtEntry.Key));
        pobjButton->setData(QLatin1String(udtEntry.Key));
        pobjButton->setToolTip(strToolTip);
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
