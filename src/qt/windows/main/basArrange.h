#pragma once
// Arranging the child windows of the main window's frame.
#include <QList>

class QMdiArea;
class QMdiSubWindow;

namespace tralyx {

enum enuArrange : int { vbCascade = 0, vbTileHorizontal = 1, vbTileVertical = 2, vbArrangeIcons = 3 };

// 0 cascade; 1 tile horizontally: the windows stacked one above the other, each the full width;
// 2 tile vertically: side by side, each the full height; 3 line up the minimised windows along the
// bottom edge. Minimised windows keep their place when tiling or cascading. Other codes: nothing.
void Arrange(QMdiArea& pobjArea, int pintCode);

// The frame's windows that show and are not minimised, in the order they were made: those tiling arranges.
QList<QMdiSubWindow*> ShownWindows(QMdiArea& pobjArea);

// Places a window just added to the frame as the desktop places a new document window: cascaded
// one title bar below and right of the windows before it, at its preferred size but never beyond
// the frame's visible area, so that the frame does not need to scroll to show it.
void PlaceNewWindow(QMdiArea& pobjArea, QMdiSubWindow& pobjWindow);

}  // namespace tralyx
