#pragma once
// Where a translated language folder's source language lives by default.
#include <QString>

namespace tralyx {

// The sibling folder named "English" in any letter case (Languages/German -> Languages/English),
// unless that is the folder itself; an empty string when there is none.
QString FindSourceFolder(const QString& pstrFolder);

}  // namespace tralyx
