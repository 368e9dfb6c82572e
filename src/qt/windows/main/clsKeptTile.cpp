#include "windows/main/clsKeptTile.h"

#include "windows/main/basArrange.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace tralyx {
namespace {

// Long enough for a slow window manager's answer, short enough that a frame the user resizes
// later leaves the windows where they are.
constexpr qint64 SettleMilliseconds = 3000;

}  // namespace

clsKeptTile::clsKeptTile(QMdiArea& pobjArea) : QObject(&pobjArea), mobjArea(pobjArea)
{
    pobjArea.viewport()->installEventFilter(this);
}

void clsKeptTile::Tile(int pintMinWidth)
{
    mintMinWidth = pintMinWidth;
    mobjSince.start();
    Arrange();
}

void clsKeptTile::Arrange()
{
    const QList<QMdiSubWindow*> objWindows = ShownWindows(mobjArea);
    if (objWindows.isEmpty()) return;
    const bool booSideBySide = mobjArea.viewport()->width() / int(objWindows.size()) >= mintMinWidth;
    tralyx::Arrange(mobjArea, booSideBySide ? vbTileVertical : vbTileHorizontal);
    mobjTiles.clear();
    for (QMdiSubWindow* pobjWindow : objWindows) mobjTiles.append({pobjWindow, pobjWindow->geometry()});
}

bool clsKeptTile::Untouched() const
{
    const QList<QMdiSubWindow*> objWindows = ShownWindows(mobjArea);
    if (objWindows.size() != mobjTiles.size()) return false;
    for (qsizetype i = 0; i < objWindows.size(); ++i)
        if (mobjTiles[i].first != objWindows[i] || mobjTiles[i].second != objWindows[i]->geometry()) return false;
    return true;
}

bool clsKeptTile::eventFilter(QObject* pobjWatched, QEvent* pobjEvent)
{
    if (pobjEvent->type() == QEvent::Resize && !mobjTiles.isEmpty()) {
        if (mobjSince.isValid() && mobjSince.elapsed() < SettleMilliseconds && Untouched())
            Arrange();
        else
            mobjTiles.clear();
    }
    return QObject::eventFilter(pobjWatched, pobjEvent);
}

}  // namespace tralyx
