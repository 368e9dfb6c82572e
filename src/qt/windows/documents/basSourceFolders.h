#pragma once
// Which source-language folder a translated file is shown with: the one chosen for its folder
// (File > Source Folder..., remembered with QSettings), else the sibling folder named "English".
#include <QString>

namespace tralyx {

QString SourceFolderOf(const QString& pstrPath);
// Asks for the source folder of a file, starting at its current one (or the file's own folder);
// the folder chosen is remembered for the file's folder. Empty when the user cancelled.
QString ChooseSourceFolder(const QString& pstrPath, const QString& pstrCurrent);
// Remembers pstrSource as the source folder of the files in pstrFolder.
void RememberSourceFolder(const QString& pstrFolder, const QString& pstrSource);

}  // namespace tralyx
