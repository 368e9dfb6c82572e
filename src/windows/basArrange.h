#pragma once
// Arranging the child windows of the main window's frame.
class QMdiArea;

namespace tralyx {

enum enuArrange : int { vbCascade = 0, vbTileHorizontal = 1, vbTileVertical = 2, vbArrangeIcons = 3 };

// 0 cascade; 1 tile horizontally: the windows stacked one above the other, each the full width;
// 2 tile vertically: side by side, each the full height; 3 line up the minimised windows along the
// bottom edge. Minimised windows keep their place when tiling or cascading. Other codes: nothing.
void Arrange(QMdiArea& pobjArea, int pintCode);

}  // namespace tralyx
