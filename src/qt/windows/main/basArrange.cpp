#include "windows/main/basArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tralyx {
namespace {

QList<QMdiSubWindow*> Windows(QMdiArea& pobjArea, bool pbooMinimised)
{
    QList<QMdiSubWindow*> objOut;
    for (QMdiSubWindow* pobjWindow : pobjArea.subWindowList(QMdiArea::CreationOrder))
        if (pobjWindow->isVisible() && pobjWindow->isMinimized() == pbooMinimised) objOut.append(pobjWindow);
    return objOut;
}

}  // namespace

QList<QMdiSubWindow*> ShownWindows(QMdiArea& pobjArea) { return Windows(pobjArea, false); }

namespace {

// Splits plngTotal into plngParts lengths that differ by at most one and add up to the whole.
int Share(int plngTotal, int plngParts, int plngPart) { return plngTotal * (plngPart + 1) / plngParts - plngTotal * plngPart / plngParts; }
int Offset(int plngTotal, int plngParts, int plngPart) { return plngTotal * plngPart / plngParts; }

void Tile(QMdiArea& pobjArea, bool pbooStacked)
{
    const QList<QMdiSubWindow*> objWindows = Windows(pobjArea, false);
    const QRect objArea = pobjArea.viewport()->rect();
    const int n = int(objWindows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* pobjWindow = objWindows[i];
        if (pobjWindow->isMaximized()) pobjWindow->showNormal();
        if (pbooStacked)
            pobjWindow->setGeometry(0, Offset(objArea.height(), n, i), objArea.width(), Share(objArea.height(), n, i));
        else
            pobjWindow->setGeometry(Offset(objArea.width(), n, i), 0, Share(objArea.width(), n, i), objArea.height());
    }
}

void ArrangeIcons(QMdiArea& pobjArea)
{
    // Rows from the bottom edge upwards, left to right.
    const int intWidth = pobjArea.viewport()->width();
    const int intBottom = pobjArea.viewport()->height();
    int x = 0;
    int intRow = 0;
    for (QMdiSubWindow* pobjWindow : Windows(pobjArea, true)) {
        const QSize objSize = pobjWindow->size();
        if (x > 0 && x + objSize.width() > intWidth) {
            x = 0;
            ++intRow;
        }
        pobjWindow->move(x, intBottom - (intRow + 1) * objSize.height());
        x += objSize.width();
    }
}

}  // namespace

void PlaceNewWindow(QMdiArea& pobjArea, QMdiSubWindow& pobjWindow)
{
    const QSize objArea = pobjArea.viewport()->size();
    const qsizetype lngOthers = Windows(pobjArea, false).size() - (pobjWindow.isVisible() ? 1 : 0);
    const int intStep = pobjWindow.widget() ? std::max(pobjWindow.height() - pobjWindow.widget()->height(), 16) : 24;
    QPoint objTopLeft(intStep * int(lngOthers % 5), intStep * int(lngOthers % 5));
    const QSize objFull = pobjWindow.sizeHint().boundedTo(objArea);
    QSize objSize = objFull.boundedTo(objArea - QSize(objTopLeft.x(), objTopLeft.y()));
    if (objSize.width() * 4 < objFull.width() * 3 || objSize.height() * 4 < objFull.height() * 3) {
        objTopLeft = QPoint(0, 0);  // cascading would cut off too much: start again at the corner
        objSize = objFull;
    }
    pobjWindow.setGeometry(QRect(objTopLeft, objSize));
}

void Arrange(QMdiArea& pobjArea, int pintCode)
{
    switch (pintCode) {
    case vbCascade: pobjArea.cascadeSubWindows(); break;
    case vbTileHorizontal: Tile(pobjArea, true); break;
    case vbTileVertical: Tile(pobjArea, false); break;
    case vbArrangeIcons: ArrangeIcons(pobjArea); break;
    default: break;
    }
}

}  // namespace tralyx
