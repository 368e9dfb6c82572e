#include "windows/documents/basUpdateResult.h"

#include "editor/clsWorkbenchRows.h"
#include "windows/documents/basSourceFolders.h"
#include "windows/editor/frmMessageEditor.h"
#include "windows/main/frmMain.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace tralyx {

void OpenUpdateResult(frmMain& pfrmMain, const QStringList& pstrFiles, const QString& pstrSourceFolder)
{
    if (pstrFiles.isEmpty()) return;
    RememberSourceFolder(QFileInfo(pstrFiles.first()).absolutePath(), pstrSourceFolder);
    pfrmMain.OpenFiles(pstrFiles);
    // Each window on its first entry that needs work (F8 goes on from there), the first such in front.
    QMdiSubWindow* pobjFirst = nullptr;
    for (QMdiSubWindow* pobjChild : pfrmMain.Frame()->subWindowList(QMdiArea::CreationOrder)) {
        auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget());
        if (!frmEditor || !pstrFiles.contains(frmEditor->FileNameValue())) continue;
        const int32_t lngRow = frmEditor->CurrentItem() - 1;
        const bool booWork = (lngRow >= 0 && (frmEditor->RowState(lngRow) & RowNeedsWork)) || frmEditor->GoToNeedsWork(1);
        if (booWork && !pobjFirst) pobjFirst = pobjChild;
    }
    if (pobjFirst) pfrmMain.Frame()->setActiveSubWindow(pobjFirst);
    pfrmMain.raise();
    pfrmMain.activateWindow();
}

}  // namespace tralyx
