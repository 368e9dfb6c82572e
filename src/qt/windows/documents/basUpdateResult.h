#pragma once
// Opening what an update wrote as the next piece of work: the files of the destination folder in
// the editor, against the new release's folder, each on its first entry that needs work.
#include <QStringList>

namespace tralyx {

class frmMain;

// The folder's source is remembered, so that the files opened again later are shown against it too.
void OpenUpdateResult(frmMain& pfrmMain, const QStringList& pstrFiles, const QString& pstrSourceFolder);

}  // namespace tralyx
