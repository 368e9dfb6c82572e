#pragma once
// The main window: a frame of child windows whose menus and toolbar hold every command of the
// editor. It owns the program's text store, opens each language file in a text editor window and
// sends Save, Save As, Commit and the clipboard commands to the active one.
#include "editor/clsFileDialog.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <optional>

class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace tralyx {

class clsSourceDock;
class clsStatusPanels;
class frmMessageEditor;
class frmReplace;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The filter of the Open dialog, in the classic form.
    static constexpr const char* OpenFilter = "Zarvo Language resource files (*.LRC)|*.LRC|All Files (*.*)|*.*";

    explicit frmMain(QWidget* pobjParent = nullptr);
    ~frmMain() override;

    // Opens a file as Open does after its dialog: by the lower-cased base name "core", "secondary" or
    // "messages" (any other name is ignored), in a new editor window. True when a window opened.
    bool OpenFile(const QString& pstrPath);
    // Opens each file with OpenFile; those of no known kind, and those whose names are not valid in
    // the system's encoding (pstrNotValid, or found so here), are named in one message instead.
    void OpenFiles(const QStringList& pstrPaths, const QStringList& pstrNotValid = {});

    // The edit type that a file of this name is opened with; none when it is not a language file.
    static std::optional<int32_t> EditTypeOf(const QString& pstrPath);

    // The source-language folder of every file opened from now on (tralyx --source DIR), instead of
    // the one remembered for the file's folder or its "English" sibling.
    void SetSourceFolder(const QString& pstrFolder) { mstrSourceFolder = pstrFolder; }

    QMdiArea* Frame() const { return mdiArea; }
    frmMessageEditor* ActiveEditor() const;

protected:
    void closeEvent(QCloseEvent* pobjEvent) override;
    void dragEnterEvent(QDragEnterEvent* pobjEvent) override;
    void dropEvent(QDropEvent* pobjEvent) override;
    bool eventFilter(QObject* pobjWatched, QEvent* pobjEvent) override;

private slots:
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuMergeFiles_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditReplace_Click();
    void mnuFileSourceFolder_Click();
    void mnuCodePage_Click(QAction* pobjItem);
    void mnuWindow_AboutToShow();
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuWindowArrangeIcons_Click();
    void mnuHelpAbout_Click();
    void tbToolBar_ButtonClick(QAction* pobjButton);
    void mdiArea_SubWindowActivated(QMdiSubWindow* pobjWindow);
    void mnuRecentFile_Click(const QString& pstrPath, const QString& pstrCodePage);

private:
    void BuildMenus();
    void BuildToolBar();
    QAction* AddItem(QMenu* pobjMenu, const char* pstrName, const QString& pstrCaption, void (frmMain::*pfnSlot)(),
                     const QKeySequence& pobjShortcut = QKeySequence());
    QMdiSubWindow* ActiveChild() const;
    QWidget* FocusedTextBox() const;  // in the active editor window, or nullptr
    bool CloseEditorsOfKind(int32_t plngEditType);
    void UpdateCommands();
    bool AskIn(QMdiSubWindow* pobjChild, const std::function<bool()>& pfnAsk);  // activates, then asks
    void AddRecentFile(const QString& pstrPath, const QString& pstrCodePage);
    void UpdateRecentFiles();
    void RememberDialogFolder();
    void WatchEditor(frmMessageEditor* pfrmEditor);
    void BuildWorkbench();
    QString SourceFolderOf(const QString& pstrPath) const;
    void ShowWork();  // status, Source dock and filter of the active window
    void ShowSourceDock();
    void ApplyFilter();

    QMdiArea* mdiArea = nullptr;
    QToolBar* tbToolBar = nullptr;
    QMenu* mnuWindow = nullptr;
    QActionGroup* mobjCodePages = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuEditCut = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditPaste = nullptr;
    QList<QAction*> mobjWindowList;  // the window list entries of mnuWindow
    QMenu* mnuFile = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuFileBarRecent = nullptr;
    QList<QAction*> mobjRecentList;  // the recent file entries of mnuFile
    clsStatusPanels* mobjStatus = nullptr;
    clsFileDialog dlgCommonDialog;
    clsSourceDock* dckSource = nullptr;
    QToolBar* tbFilter = nullptr;
    QLineEdit* txtFilter = nullptr;
    QComboBox* cboFilterShow = nullptr;
    QLabel* lblFilterCount = nullptr;
    frmReplace* mfrmReplace = nullptr;
    QList<QAction*> mobjEditorCommands;  // enabled with an editor window
    QString mstrSourceFolder;
};

}  // namespace tralyx
