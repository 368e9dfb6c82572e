#pragma once
// The editor's pictures, drawn rather than loaded so they need no resource files and stay sharp at
// any scale: the six toolbar pictures (the image list imlIcons, numbered from 1) and the program's
// icon (the same design as data/org.tralyx.Tralyx.svg).
#include <QIcon>

namespace tralyx {

enum enuToolbarPicture : int { picOpen = 1, picSave, picCut, picCopy, picPaste, picToGrid };

// A toolbar picture, drawn at 16 x 16 and at the larger sizes that high-density screens ask for;
// an empty icon for a number outside 1 to 6.
QIcon ToolbarPicture(int pintPicture);

QIcon ApplicationIcon();

}  // namespace tralyx
