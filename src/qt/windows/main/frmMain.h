#pragma once
// The main window: a frame of child windows whose menus and toolbar hold every command of the
// editor. It owns the program's text store, opens each language file in a text editor window and
// sends Save, Save As, Commit and the clipboard commands to the active one.
#include "editor/clsFileDialog.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <optional>

class QMdiArea;
class QMdiSubWindow;

namespace tralyx {

class clsClipboardCommands;
class clsFilterBar;
class clsRecentFiles;
class clsWelcome;
class clsSourceDock;
class clsFormPreview;
class clsKeptTile;
class clsSpellingMenu;
class clsWorkbenchMemory;
class clsWorkbenchGlossary;
class clsStatusPanels;
class clsToolBar;
class clsViewMenu;
class frmConcordance;
class frmMessageEditor;
class frmReplace;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The filter of the Open dialog, in the classic form.
    static constexpr const char* OpenFilter = QT_TR_NOOP("Zarvo Language resource files (*.LRC)|*.LRC|All Files (*.*)|*.*");

    explicit frmMain(QWidget* pobjParent = nullptr);
    ~frmMain() override;

    // Opens a file as Open does after its dialog: by the lower-cased base name "core", "secondary" or
    // "messages" (any other name is ignored), in a new editor window. True when a window opened.
    bool OpenFile(const QString& pstrPath);
    // Opens each file with OpenFile; those of no known kind, and those whose names are not valid in
    // the system's encoding (pstrNotValid, or found so here), are named in one message instead.
    // A folder among them opens with OpenFolder.
    void OpenFiles(const QStringList& pstrPaths, const QStringList& pstrNotValid = {});
    // Opens the folder's core.lrc, messages.lrc and secondary.lrc (any letter case), tiled so that
    // each can be read; false when it holds none of them.
    bool OpenFolder(const QString& pstrFolder);

    // The edit type that a file of this name is opened with; none when it is not a language file.
    static std::optional<int32_t> EditTypeOf(const QString& pstrPath);

    // The source-language folder of every file opened from now on (tralyx --source DIR), instead of
    // the one remembered for the file's folder or its "English" sibling.
    void SetSourceFolder(const QString& pstrFolder) { mstrSourceFolder = pstrFolder; }

    QMdiArea* Frame() const { return mdiArea; }
    frmMessageEditor* ActiveEditor() const;

protected:
    void closeEvent(QCloseEvent* pobjEvent) override;

private slots:
    void mnuFileOpen_Click();
    void mnuFileOpenFolder_Click();
    void mnuFileClose_Click();
    void mnuMergeFiles_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileSaveAll_Click();
    void mnuFileSourceFolder_Click();
    void mnuFileMemory_Click();
    void mnuFileGlossary_Click();
    void mnuFileGlossaryClear_Click();
    void mnuEditMarkDone_Click();
    void mnuEditMarkReview_Click();
    void mnuEditFillFromMemory_Click();
    void mnuFileExit_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditReplace_Click();
    void mnuEditConcordance_Click();
    void mnuEditNextToDo_Click();
    // No entry of the file needs work: the next file of its language that does is offered.
    void OfferNextFile(frmMessageEditor& pfrmEditor);
    void mnuEditPreviousToDo_Click();
    void mnuCodePage_Click(const QString& pstrName);
    void mnuHelpAbout_Click();
    void tbToolBar_ButtonClick(QAction* pobjButton);
    void mdiArea_SubWindowActivated(QMdiSubWindow* pobjWindow);
    void mnuRecentFile_Click(const QString& pstrPath, const QString& pstrCodePage);
    void tbFilter_FilterChanged(const QString& pstrText, int32_t penuShow);

private:
    void BuildMenus();
    void BuildWorkbench();
    QMdiSubWindow* ActiveChild() const;
    void RestoreDocuments();  // the text store in the code page last chosen, the dialogs' last folder
    bool CloseEditorsOfKind(int32_t plngEditType);
    // What an update wrote, opened as the next piece of work: the destination's files against the
    // new release's folder, each on its first entry that needs work.
    void OpenUpdateResult(const QStringList& pstrFiles, const QString& pstrSourceFolder);
    void UpdateCommands();
    void UpdateUndo();
    bool AskIn(QMdiSubWindow* pobjChild, const std::function<bool()>& pfnAsk);  // activates, then asks
    void RememberDialogFolder();
    void WatchEditor(frmMessageEditor* pfrmEditor);
    void ShowWork();  // status, Source dock and filter of the active window
    // The memory and the speller of a window's folder, and what could not be had of them.
    void ApplyWorkbench(frmMessageEditor* pfrmEditor, const QString& pstrStateProblem = QString());
    void ApplyWorkbenchToAll();  // every editor window's, then the active one shown again
    void ShowSourceDock();
    void ActivateEditor(frmMessageEditor* pfrmEditor);  // in front, with the focus
    QList<frmMessageEditor*> FolderEditors(const frmMessageEditor& pfrmEditor) const;  // of its folder, itself too
    QString LanguageProgress(const frmMessageEditor& pfrmEditor) const;  // the folder's total, with several open
    void TileToRead();  // the frame as large as the screen, its windows tiled

    QMdiArea* mdiArea = nullptr;
    clsToolBar* tbToolBar = nullptr;
    QList<QAction*> mobjEditorCommands;  // enabled with an editor window
    QAction* mnuFileClose = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    clsRecentFiles* mobjRecentFiles = nullptr;
    clsWelcome* lblWelcome = nullptr;  // what the empty frame says
    clsClipboardCommands* mobjClipboard = nullptr;
    clsStatusPanels* mobjStatus = nullptr;
    clsFileDialog dlgCommonDialog;
    clsSourceDock* dckSource = nullptr;
    clsFormPreview* dckFormPreview = nullptr;
    clsKeptTile* mobjKeptTile = nullptr;
    clsFilterBar* tbFilter = nullptr;
    clsWorkbenchMemory* mobjMemory = nullptr;
    clsWorkbenchGlossary* mobjGlossary = nullptr;
    clsSpellingMenu* mnuSpelling = nullptr;
    clsViewMenu* mnuView = nullptr;
    frmReplace* mfrmReplace = nullptr;
    frmConcordance* mfrmConcordance = nullptr;
    QString mstrSourceFolder;
    bool mbooDockRoomMade = false;  // the window was widened for the dock, or its size restored
};

}  // namespace tralyx
