#pragma once
// Keeps the frame's windows tiled while the frame is still finding its size. A start tiles the
// files of a folder at once, but the window manager may answer the frame's maximising (or a saved
// size) only later: without this the files kept the small frame's tiles.
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QMdiArea;
class QMdiSubWindow;

namespace tralyx {

class clsKeptTile : public QObject {
    Q_OBJECT

public:
    explicit clsKeptTile(QMdiArea& pobjArea);
    // Tiles the frame's windows side by side where each keeps pintMinWidth pixels, else one above
    // the other, and tiles them again on each resize of the frame within the next few seconds, as
    // long as nobody moved, resized, opened or closed a window in between.
    void Tile(int pintMinWidth);

protected:
    bool eventFilter(QObject* pobjWatched, QEvent* pobjEvent) override;

private:
    bool Untouched() const;
    void Arrange();

    QMdiArea& mobjArea;
    int mintMinWidth = 0;
    QElapsedTimer mobjSince;
    QList<QPair<QPointer<QMdiSubWindow>, QRect>> mobjTiles;  // what the last tiling left
};

}  // namespace tralyx
