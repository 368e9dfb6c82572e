#pragma once
// Where a language folder's source language lives.
#include <QString>

namespace tralyx {

// The source folder of a translated folder: its sibling named "English" in any letter case, when
// that exists and is not the folder itself; else empty. The sibling keeps the form the folder was
// given in (relative stays relative), for messages.
QString DefaultSourceFolder(const QString& pstrFolder);
// The same as an absolute path ("German/" too).
QString FindSourceFolder(const QString& pstrFolder);
// The source language a load of pstrFolder takes: pstrGiven, else the sibling English; never the
// folder itself (then empty, no source).
QString SourceFolderOfLoad(const QString& pstrFolder, const QString& pstrGiven);

}  // namespace tralyx
