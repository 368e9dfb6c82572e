// frmMain: the documents. Opening files and folders (from the dialogs, the recent files, a drop or
// an update's result), closing, saving, and the code page files are read in.
#include "windows/main/frmMain.h"

#include "common/basDesktop.h"
#include "common/basFileSystem.h"
#include "common/basTwips.h"
#include "editor/clsWorkbenchRows.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "updatetool/frmUpdateFiles.h"
#include "windows/documents/basEditorFiles.h"
#include "windows/documents/basSourceFolders.h"
#include "windows/documents/clsRecentFiles.h"
#include "windows/editor/frmMessageEditor.h"
#include "windows/main/basArrange.h"
#include "windows/main/clsKeptTile.h"
#include "windows/workbench/clsSourceDock.h"

#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <algorithm>

namespace tralyx {
namespace {

const QString KeyDialogFolder = QStringLiteral("FileDialog/Folder");
const QString KeyCodePage = QStringLiteral("CodePage");

}  // namespace

void frmMain::RestoreDocuments()
{
    // MDIForm_Load: the program's one text store.
    gobjTextStore = std::make_unique<clsTralyx>();
    const QSettings objSettings;
    gobjTextStore->SetCodePage(objSettings.value(KeyCodePage, gobjTextStore->CodePage()).toString());
    const QString strFolder = objSettings.value(KeyDialogFolder).toString();
    if (!strFolder.isEmpty()) dlgCommonDialog.SetFileName(strFolder + u'/');
}

std::optional<int32_t> frmMain::EditTypeOf(const QString& pstrPath)
{
    const std::optional<enuFileKind> enuKind = FileKindOfPath(pstrPath);
    if (!enuKind) return std::nullopt;
    return static_cast<int32_t>(*enuKind);
}

bool frmMain::AskIn(QMdiSubWindow* pobjChild, const std::function<bool()>& pfnAsk)
{
    // A window with questions to ask comes to the front first: the user sees which file is meant.
    const auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget());
    if (frmEditor && (frmEditor->DataChanged() || frmEditor->ItemChanged())) mdiArea->setActiveSubWindow(pobjChild);
    return pfnAsk();
}

bool frmMain::CloseEditorsOfKind(int32_t plngEditType)
{
    // The store holds one table of each kind: a window still showing the old table would save the
    // new file's entries over its own file.
    for (QMdiSubWindow* pobjChild : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        const auto* pobjEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget());
        if (pobjEditor && pobjEditor->EditTypeValue() == plngEditType &&
            !AskIn(pobjChild, [pobjChild] { return pobjChild->close(); }))
            return false;
    }
    return true;
}

bool frmMain::OpenFile(const QString& pstrPath)
{
    const std::optional<int32_t> lngEditType = EditTypeOf(pstrPath);
    const bool booMaximised = ActiveChild() && ActiveChild()->isMaximized();
    if (!lngEditType || !CloseEditorsOfKind(*lngEditType)) return false;

    if (!LoadTable(*gobjTextStore, static_cast<enuFileKind>(*lngEditType), pstrPath)) return false;
    auto* frmEditor = new frmMessageEditor;
    frmEditor->SkippedLines(gobjTextStore->LastWarnings());
    frmEditor->EditType(*lngEditType);
    frmEditor->FileName(pstrPath);
    frmEditor->LoadSource(mstrSourceFolder.isEmpty() ? SourceFolderOf(pstrPath) : mstrSourceFolder);
    // The memory of a full-size folder takes a moment to build: after the window is up.
    const QString strStateProblem = frmEditor->LoadState();
    frmEditor->SetNotice(strStateProblem);
    QTimer::singleShot(0, frmEditor, [this, frmEditor, strStateProblem] {
        ApplyWorkbench(frmEditor, strStateProblem);
        if (frmEditor == ActiveEditor()) ShowWork();
    });
    WatchEditor(frmEditor);
    QMdiSubWindow* pobjChild = mdiArea->addSubWindow(frmEditor);
    if (booMaximised) {
        pobjChild->showMaximized();
    } else {
        pobjChild->show();
        PlaceNewWindow(*mdiArea, *pobjChild);
    }
    // After the window has its place and size: the dock then makes room beside the frame.
    if (frmEditor->HasSource()) ShowSourceDock();
    mdiArea->setActiveSubWindow(pobjChild);
    mobjRecentFiles->Add(pstrPath, frmEditor->CodePage());
    UpdateCommands();
    return true;
}

void frmMain::OpenFiles(const QStringList& pstrPaths, const QStringList& pstrNotValid)
{
    QStringList strNotOpened;
    for (const QString& strPath : pstrNotValid) strNotOpened.append(strPath + QStringLiteral(": ") + fs::UnfaithfulNameReason());
    for (const QString& strPath : pstrPaths) {
        if (QFileInfo(strPath).isDir()) {
            if (!OpenFolder(strPath)) strNotOpened.append(tr("%1: a folder without any of them").arg(strPath));
        } else if (const QString strWhy = WhyNotOpened(strPath); !strWhy.isEmpty()) {
            strNotOpened.append(strPath + QStringLiteral(": ") + strWhy);
        } else {
            OpenFile(strPath);
        }
    }
    SayNotOpened(strNotOpened);
}

bool frmMain::OpenFolder(const QString& pstrFolder)
{
    const QDir objFolder(pstrFolder);
    const QStringList strNames = objFolder.entryList(QDir::Files | QDir::Hidden);
    bool booFound = false;
    int intOpened = 0;
    for (const enuFileKind enuKind : AllFileKinds) {
        const auto objName = std::find_if(strNames.begin(), strNames.end(), [enuKind](const QString& pstrName) {
            return pstrName.compare(LanguageFileName(enuKind), Qt::CaseInsensitive) == 0;
        });
        if (objName == strNames.end()) continue;
        booFound = true;
        intOpened += OpenFile(objFolder.filePath(*objName)) ? 1 : 0;
    }
    if (intOpened > 1 && !(ActiveChild() && ActiveChild()->isMaximized())) TileToRead();
    return booFound;
}

void frmMain::TileToRead()
{
    // The screen at hand, all of it: several windows need the room.
    if (isVisible() && !isMaximized() && !isFullScreen()) {
        showMaximized();
        layout()->activate();
    }
    // Side by side where each keeps the width of a new window, else one above the other; again
    // whenever the frame takes its size from the window manager (the tiles follow it for a while).
    mobjKeptTile->Tile(TwipsToPixels(7935, logicalDpiX()));
    QTimer::singleShot(100, this, [this] {
        // Asked to maximise and still its small self: nothing maximises windows here (no window
        // manager, or one that ignored it), so the frame takes the screen's room itself.
        if (isMaximized() && screen()) {
            const QRect objRoom = screen()->availableGeometry();
            if (frameGeometry().width() < objRoom.width() * 3 / 4) {
                setGeometry(objRoom);
                layout()->activate();
            }
        }
    });
}

void frmMain::mnuFileOpen_Click()
{
    dlgCommonDialog.SetFilter(tr(OpenFilter));
    if (!dlgCommonDialog.ShowOpen() || dlgCommonDialog.FileName().isEmpty()) return;
    RememberDialogFolder();
    OpenFiles({dlgCommonDialog.FileName()});
}

void frmMain::mnuFileOpenFolder_Click()
{
    QString strFolder;
    if (!Desktop().ChooseFolder(QFileInfo(dlgCommonDialog.FileName()).absolutePath(), strFolder) || strFolder.isEmpty()) return;
    // The next dialog of either kind starts there.
    dlgCommonDialog.SetFileName(strFolder + u'/');
    RememberDialogFolder();
    OpenFiles({strFolder});
}

void frmMain::mnuRecentFile_Click(const QString& pstrPath, const QString& pstrCodePage)
{
    // Reopened in the code page it was read with; the choice for other files stays.
    const QString strChosen = gobjTextStore->CodePage();
    if (!pstrCodePage.isEmpty()) gobjTextStore->SetCodePage(pstrCodePage);
    OpenFiles({pstrPath});
    gobjTextStore->SetCodePage(strChosen);
    UpdateCommands();
}

void frmMain::RememberDialogFolder()
{
    QSettings().setValue(KeyDialogFolder, QFileInfo(dlgCommonDialog.FileName()).absolutePath());
}

void frmMain::mnuFileClose_Click()
{
    if (QMdiSubWindow* pobjChild = ActiveChild()) pobjChild->close();
}

void frmMain::mnuMergeFiles_Click()
{
    // The folder being translated is the old one of the coming update: the active file's, or any open one's.
    QString strOpenFolder;
    QList<QMdiSubWindow*> objChildren = mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    std::reverse(objChildren.begin(), objChildren.end());
    for (QMdiSubWindow* pobjChild : objChildren) {
        if (auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget()); frmEditor && !frmEditor->FileNameValue().isEmpty()) {
            strOpenFolder = QFileInfo(frmEditor->FileNameValue()).absolutePath();
            break;
        }
    }
    frmUpdateFiles::ShowIn(
        mdiArea, [this](const QStringList& pstrFiles, const QString& pstrSource) { OpenUpdateResult(pstrFiles, pstrSource); }, strOpenFolder);
}

void frmMain::OpenUpdateResult(const QStringList& pstrFiles, const QString& pstrSourceFolder)
{
    if (pstrFiles.isEmpty()) return;
    // Update Files has done its work (the report keeps what it said): it makes room for the files,
    // which then open tiled, not stacked behind it.
    for (QMdiSubWindow* pobjChild : mdiArea->subWindowList())
        if (qobject_cast<frmUpdateFiles*>(pobjChild->widget())) pobjChild->close();
    // The folder's source is remembered, so that the files opened again later are shown against it too.
    RememberSourceFolder(QFileInfo(pstrFiles.first()).absolutePath(), pstrSourceFolder);
    OpenFiles(pstrFiles);
    if (pstrFiles.size() > 1 && !(ActiveChild() && ActiveChild()->isMaximized())) TileToRead();
    // Each window on its first entry that needs work (F8 goes on from there), the first such in front.
    QMdiSubWindow* pobjFirst = nullptr;
    for (QMdiSubWindow* pobjChild : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget());
        if (!frmEditor || !pstrFiles.contains(frmEditor->FileNameValue())) continue;
        const int32_t lngRow = frmEditor->CurrentItem() - 1;
        const bool booWork = (lngRow >= 0 && (frmEditor->RowState(lngRow) & RowNeedsWork)) || frmEditor->GoToNeedsWork(1);
        if (booWork && !pobjFirst) pobjFirst = pobjChild;
    }
    if (pobjFirst) mdiArea->setActiveSubWindow(pobjFirst);
    raise();
    activateWindow();
}

void frmMain::mnuFileSave_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) return;
    dckSource->CommitNote();
    frmEditor->SaveMe();
}

// Every changed file of the active window's folder, with one question for them all.
void frmMain::mnuFileSaveAll_Click()
{
    frmMessageEditor* frmActive = ActiveEditor();
    if (!frmActive) return;
    dckSource->CommitNote();
    QList<frmMessageEditor*> frmChanged;
    QStringList strNames;
    for (frmMessageEditor* frmEditor : FolderEditors(*frmActive)) {
        if (!frmEditor->DataChanged() && !frmEditor->ItemChanged()) continue;
        frmChanged.append(frmEditor);
        strNames.append(QFileInfo(frmEditor->FileNameValue()).fileName());
    }
    if (frmChanged.isEmpty()) return;
    const bool booAsk = QSettings().value(QLatin1StringView(frmMessageEditor::AskOverwriteKey), true).toBool();
    if (booAsk && MsgBox(tr("Save the changes to %1 in %2?\r\nThe files there are overwritten.")
                             .arg(strNames.join(QStringLiteral(", ")), QDir::toNativeSeparators(QFileInfo(frmActive->FileNameValue()).absolutePath())),
                         vbQuestion + vbYesNo, tr("Save All")) != vbYes)
        return;
    for (frmMessageEditor* frmEditor : std::as_const(frmChanged)) {
        frmEditor->CommitPendingBoxes();  // saving all is the word on what the boxes hold too
        if (!frmEditor->SaveMe(QString(), false)) break;
    }  // the failure was said; the rest stay unsaved
}

void frmMain::mnuFileSaveAs_Click()
{
    // Without an editor window there is nothing to save: no dialog whose answer would be dropped.
    frmMessageEditor* frmEditor = ActiveEditor();
    dckSource->CommitNote();
    if (!frmEditor || !dlgCommonDialog.ShowSave()) return;
    RememberDialogFolder();
    if (!ConfirmSaveAsKind(dlgCommonDialog.FileName(), frmEditor->EditTypeValue())) return;
    try {
        frmEditor->SaveMe(dlgCommonDialog.FileName());
    } catch (...) {
        // Any failure of Save As ends it silently.
    }
}

void frmMain::mnuFileSourceFolder_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) return;
    const QString strChosen = ChooseSourceFolder(frmEditor->FileNameValue(), frmEditor->SourceFolder());
    if (strChosen.isEmpty()) return;
    frmEditor->LoadSource(strChosen);
    ApplyWorkbench(frmEditor);
    if (frmEditor->HasSource()) ShowSourceDock();
    ShowWork();
}

void frmMain::mnuCodePage_Click(const QString& pstrName)
{
    gobjTextStore->SetCodePage(pstrName);
    QSettings().setValue(KeyCodePage, pstrName);
    UpdateCommands();
    // A file that shows wrong letters is usually read in the wrong code page: offer to read it
    // again at once, while nothing typed would be lost.
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor || frmEditor->DataChanged() || frmEditor->ItemChanged() || frmEditor->CodePage() == pstrName) return;
    if (MsgBox(tr("Do you want to open %1 again in %2?\r\nIt was read in %3.").arg(frmEditor->FileNameValue(), pstrName, frmEditor->CodePage()),
               vbQuestion + vbYesNo, tr("Code page")) == vbYes)
        OpenFile(frmEditor->FileNameValue());
}

}  // namespace tralyx
