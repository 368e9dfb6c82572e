#include "windows/frmMain.h"

#include "checks/basChecks.h"
#include "common/basDesktop.h"
#include "common/basFileSystem.h"
#include "common/basGeneralItems.h"
#include "common/basTwips.h"
#include "common/FileFunctions.h"
#include "editor/basCodePages.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "updatetool/frmUpdateFiles.h"
#include "windows/basArrange.h"
#include "windows/basIcons.h"
#include "windows/basTextBox.h"
#include "windows/clsEditorFilter.h"
#include "windows/clsSourceDock.h"
#include "windows/clsStatusPanels.h"
#include "windows/frmAbout.h"
#include "windows/frmMessageEditor.h"
#include "windows/frmReplace.h"

#include <algorithm>
#include <QActionGroup>
#include <QScreen>
#include <QTimer>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QMimeData>
#include <QSettings>
#include <QToolBar>

namespace tralyx {
namespace {

// The toolbar: key, tool-tip and picture of each button; an empty key is a separator.
struct udtButton {
    const char* Key;
    const char* ToolTip;
    int Picture;
};
constexpr udtButton gudtButtons[] = {
    {"Open", "Open", picOpen}, {"Save", "Save", picSave}, {"", "", 0},
    {"Cut", "Cut", picCut},    {"Copy", "Copy", picCopy}, {"Paste", "Paste", picPaste},
    {"", "", 0},               {"ToGrid", "Save changes", picToGrid},
};

// What the program remembers between runs.
const QString KeyGeometry = QStringLiteral("MainWindow/Geometry");
const QString KeyDialogFolder = QStringLiteral("FileDialog/Folder");
const QString KeyCodePage = QStringLiteral("CodePage");
const QString KeyRecentPaths = QStringLiteral("RecentFiles/Paths");
const QString KeyRecentCodePages = QStringLiteral("RecentFiles/CodePages");
const QString KeySourceFolders = QStringLiteral("SourceFolders");  // translated folder -> source folder
constexpr qsizetype MaxRecentFiles = 8;

QString KindName(int32_t plngEditType)
{
    switch (plngEditType) {
    case frmMessageEditor::EditControlText: return QStringLiteral("control text (core.lrc)");
    case frmMessageEditor::EditSecondary: return QStringLiteral("procedural text (secondary.lrc)");
    default: return QStringLiteral("messages (messages.lrc)");
    }
}

}  // namespace

frmMain::frmMain(QWidget* pobjParent) : QMainWindow(pobjParent)
{
    // MDIForm_Load: the program's one text store.
    gobjTextStore = std::make_unique<clsTralyx>();
    const QSettings objSettings;
    gobjTextStore->SetCodePage(objSettings.value(KeyCodePage, gobjTextStore->CodePage()).toString());

    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tralyx"));
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::mdiArea_SubWindowActivated);

    BuildMenus();
    BuildToolBar();
    mobjStatus = new clsStatusPanels(statusBar());
    BuildWorkbench();
    UpdateCommands();

    // The frame's client area, where the child windows live, is 9015 x 5805 twips.
    const int intDpi = logicalDpiX();
    const int intBars = menuBar()->sizeHint().height() + tbToolBar->sizeHint().height() + statusBar()->sizeHint().height();
    resize(TwipsToPixels(9015, intDpi), TwipsToPixels(5805, intDpi) + intBars);
    // From the second start on, the size, position and maximised state the user left.
    if (objSettings.contains(KeyGeometry)) restoreGeometry(objSettings.value(KeyGeometry).toByteArray());
    const QString strFolder = objSettings.value(KeyDialogFolder).toString();
    if (!strFolder.isEmpty()) dlgCommonDialog.SetFileName(strFolder + u'/');
    UpdateRecentFiles();

    // The clipboard keys run the commands (whole text) inside an editor window instead of the
    // box's own selection-based handling, so that key and menu item always do the same.
    qApp->installEventFilter(this);
}

frmMain::~frmMain()
{
    qApp->removeEventFilter(this);
    // The frame closes its windows while QWidget tears this window down; their activation signals
    // must not reach a frmMain that is no longer one.
    disconnect(mdiArea, nullptr, this, nullptr);
}

QAction* frmMain::AddItem(QMenu* pobjMenu, const char* pstrName, const QString& pstrCaption,
                          void (frmMain::*pfnSlot)(), const QKeySequence& pobjShortcut)
{
    QAction* pobjItem = pobjMenu->addAction(pstrCaption);
    pobjItem->setObjectName(QLatin1String(pstrName));
    pobjItem->setShortcut(pobjShortcut);
    connect(pobjItem, &QAction::triggered, this, pfnSlot);
    return pobjItem;
}

void frmMain::BuildMenus()
{
    auto fnMenu = [this](const char* pstrName, const QString& pstrCaption) {
        QMenu* pobjMenu = menuBar()->addMenu(pstrCaption);
        pobjMenu->setObjectName(QLatin1String(pstrName));
        return pobjMenu;
    };
    auto fnBar = [](QMenu* pobjMenu, const char* pstrName) {
        pobjMenu->addSeparator()->setObjectName(QLatin1String(pstrName));
    };

    mnuFile = fnMenu("mnuFile", QStringLiteral("&File"));
    AddItem(mnuFile, "mnuFileOpen", QStringLiteral("&Open"), &frmMain::mnuFileOpen_Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = AddItem(mnuFile, "mnuFileClose", QStringLiteral("&Close"), &frmMain::mnuFileClose_Click);
    fnBar(mnuFile, "mnuFileBar1");
    AddItem(mnuFile, "mnuMergeFiles", QStringLiteral("&Update file"), &frmMain::mnuMergeFiles_Click);
    fnBar(mnuFile, "mnuFileBar2");
    mnuFileSave = AddItem(mnuFile, "mnuFileSave", QStringLiteral("&Save"), &frmMain::mnuFileSave_Click,
                          QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = AddItem(mnuFile, "mnuFileSaveAs", QStringLiteral("Save &As..."), &frmMain::mnuFileSaveAs_Click);
    mobjEditorCommands << AddItem(mnuFile, "mnuFileSourceFolder", QStringLiteral("Source &Folder..."),
                                  &frmMain::mnuFileSourceFolder_Click);
    fnBar(mnuFile, "mnuFileBar3");
    mnuFileBarRecent = mnuFile->addSeparator();
    mnuFileBarRecent->setObjectName(QStringLiteral("mnuFileBarRecent"));
    mnuFileBarRecent->setVisible(false);
    mnuFileExit = AddItem(mnuFile, "mnuFileExit", QStringLiteral("E&xit"), &frmMain::mnuFileExit_Click);

    QMenu* mnuEdit = fnMenu("mnuEdit", QStringLiteral("&Edit"));
    mnuEditCut = AddItem(mnuEdit, "mnuEditCut", QStringLiteral("Cu&t"), &frmMain::mnuEditCut_Click,
                         QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuEditCopy = AddItem(mnuEdit, "mnuEditCopy", QStringLiteral("&Copy"), &frmMain::mnuEditCopy_Click,
                          QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = AddItem(mnuEdit, "mnuEditPaste", QStringLiteral("&Paste"), &frmMain::mnuEditPaste_Click,
                           QKeySequence(Qt::CTRL | Qt::Key_V));
    fnBar(mnuEdit, "mnuEditBar1");
    mobjEditorCommands << AddItem(mnuEdit, "mnuEditReplace", QStringLiteral("&Replace..."), &frmMain::mnuEditReplace_Click,
                                  QKeySequence(Qt::CTRL | Qt::Key_H));
    const auto fnStep = [this, mnuEdit](const char* pstrName, const QString& pstrCaption, int32_t plngStep, QKeySequence pobjKey) {
        QAction* pobjItem = mnuEdit->addAction(pstrCaption);
        pobjItem->setObjectName(QLatin1String(pstrName));
        pobjItem->setShortcut(pobjKey);
        connect(pobjItem, &QAction::triggered, this, [this, plngStep] {
            if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->GoToNeedsWork(plngStep);
        });
        mobjEditorCommands << pobjItem;
    };
    fnStep("mnuEditNextToDo", QStringLiteral("&Next Needing Work"), 1, QKeySequence(Qt::Key_F8));
    fnStep("mnuEditPreviousToDo", QStringLiteral("Pre&vious Needing Work"), -1, QKeySequence(Qt::SHIFT | Qt::Key_F8));

    QMenu* mnuCodePage = fnMenu("mnuCodePage", QStringLiteral("&Code Page"));
    mnuCodePage->setToolTipsVisible(true);
    mobjCodePages = new QActionGroup(this);
    for (const udtCodePageChoice& udtPage : CodePageChoices()) {
        const QString strName = QLatin1String(udtPage.Name);
        QAction* pobjItem = mnuCodePage->addAction(QLatin1String(udtPage.Caption) + QStringLiteral(" (") + strName + u')');
        pobjItem->setData(strName);
        pobjItem->setCheckable(true);
        pobjItem->setChecked(strName == gobjTextStore->CodePage());
        pobjItem->setToolTip(QStringLiteral("Read the files opened from now on as ") + strName);
        mobjCodePages->addAction(pobjItem);
    }
    connect(mobjCodePages, &QActionGroup::triggered, this, &frmMain::mnuCodePage_Click);

    mnuWindow = fnMenu("mnuWindow", QStringLiteral("&Window"));
    fnBar(mnuWindow, "mnuWindowBar1");
    AddItem(mnuWindow, "mnuWindowCascade", QStringLiteral("&Cascade"), &frmMain::mnuWindowCascade_Click);
    AddItem(mnuWindow, "mnuWindowTileHorizontal", QStringLiteral("Tile &Horizontal"), &frmMain::mnuWindowTileHorizontal_Click);
    AddItem(mnuWindow, "mnuWindowTileVertical", QStringLiteral("Tile &Vertical"), &frmMain::mnuWindowTileVertical_Click);
    AddItem(mnuWindow, "mnuWindowArrangeIcons", QStringLiteral("&Arrange Icons"), &frmMain::mnuWindowArrangeIcons_Click);
    connect(mnuWindow, &QMenu::aboutToShow, this, &frmMain::mnuWindow_AboutToShow);

    QMenu* mnuHelp = fnMenu("mnuHelp", QStringLiteral("&Help"));
    AddItem(mnuHelp, "mnuHelpAbout", QStringLiteral("&About Tralyx..."), &frmMain::mnuHelpAbout_Click);
}

void frmMain::BuildToolBar()
{
    tbToolBar = addToolBar(QStringLiteral("Toolbar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const udtButton& udtEntry : gudtButtons) {
        if (!*udtEntry.Key) {
            tbToolBar->addSeparator();
            continue;
        }
        QAction* pobjButton = tbToolBar->addAction(ToolbarPicture(udtEntry.Picture), QLatin1String(udtEntry.ToolTip));
        pobjButton->setObjectName(QStringLiteral("tb") + QLatin1String(udtEntry.Key));
        pobjButton->setData(QLatin1String(udtEntry.Key));
        pobjButton->setToolTip(QLatin1String(udtEntry.ToolTip));
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmMain::tbToolBar_ButtonClick);
}

QMdiSubWindow* frmMain::ActiveChild() const { return mdiArea->currentSubWindow(); }

frmMessageEditor* frmMain::ActiveEditor() const
{
    QMdiSubWindow* pobjChild = ActiveChild();
    return pobjChild ? qobject_cast<frmMessageEditor*>(pobjChild->widget()) : nullptr;
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

    bool booSuccess = false;
    LoadFile(*gobjTextStore, static_cast<enuFileKind>(*lngEditType), pstrPath, booSuccess);
    if (!booSuccess) {
        // The line and the reason in the box itself; skipped lines in its details. A file that could
        // not be read at all (a FIFO, a folder, no permission) is not corrupt: the reason says what it is.
        QString strDetails = gobjTextStore->LastError().Text();
        for (const udtFileIssue& udtWarning : gobjTextStore->LastWarnings())
            strDetails += QStringLiteral("\nskipped ") + udtWarning.Text();
        MsgBox(QStringLiteral("The file ") + pstrPath +
                   (gobjTextStore->LastError().Line > 0 ? QStringLiteral(" is corrupt!\r\n\r\n") : QStringLiteral(" could not be read.\r\n\r\n")) +
                   gobjTextStore->LastError().Text(),
               vbCritical, QStringLiteral("Couldn't load ") + pstrPath, strDetails);
        return false;
    }
    auto* frmEditor = new frmMessageEditor;
    frmEditor->SkippedLines(gobjTextStore->LastWarnings());
    frmEditor->EditType(*lngEditType);
    frmEditor->FileName(pstrPath);
    frmEditor->LoadSource(SourceFolderOf(pstrPath));
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
    AddRecentFile(pstrPath, frmEditor->CodePage());
    UpdateCommands();
    return true;
}

void frmMain::OpenFiles(const QStringList& pstrPaths, const QStringList& pstrNotValid)
{
    QStringList strNotOpened;
    for (const QString& strPath : pstrNotValid) strNotOpened.append(strPath + QStringLiteral(": ") + fs::UnfaithfulNameReason());
    for (const QString& strPath : pstrPaths) {
        if (!fs::FileNameFaithful(strPath)) strNotOpened.append(strPath + QStringLiteral(": ") + fs::UnfaithfulNameReason());
        else if (!EditTypeOf(strPath)) strNotOpened.append(strPath + QStringLiteral(": not core.lrc, messages.lrc or secondary.lrc"));
        else OpenFile(strPath);
    }
    if (!strNotOpened.isEmpty())
        MsgBox(QStringLiteral("Tralyx opens core.lrc, messages.lrc and secondary.lrc (in any letter case) and tells them by "
                              "their names.\r\n\r\nNot opened:\r\n") + strNotOpened.join(QStringLiteral("\r\n")),
               vbExclamation, QStringLiteral("Files not opened"));
}

void frmMain::WatchEditor(frmMessageEditor* pfrmEditor)
{
    connect(pfrmEditor, &frmMessageEditor::ModifiedChanged, this, [this, pfrmEditor](bool pbooModified) {
        if (pfrmEditor == ActiveEditor()) mobjStatus->SetModified(pbooModified);
    });
    connect(pfrmEditor, &frmMessageEditor::CurrentEntryChanged, this, [this, pfrmEditor](const QString& pstrId) {
        if (pfrmEditor != ActiveEditor()) return;
        mobjStatus->SetEntry(pstrId);
        ShowWork();
    });
    connect(pfrmEditor, &frmMessageEditor::WorkChanged, this, [this, pfrmEditor] {
        if (pfrmEditor == ActiveEditor()) ShowWork();
    });
}

void frmMain::BuildWorkbench()
{
    dckSource = new clsSourceDock(this);
    addDockWidget(Qt::RightDockWidgetArea, dckSource);
    dckSource->hide();  // until a file with a source opens

    tbFilter = addToolBar(QStringLiteral("Filter"));
    tbFilter->setObjectName(QStringLiteral("tbFilter"));
    txtFilter = new QLineEdit(tbFilter);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setPlaceholderText(QStringLiteral("Filter: id, source or translation"));
    txtFilter->setClearButtonEnabled(true);
    txtFilter->setMinimumWidth(220);
    cboFilterShow = new QComboBox(tbFilter);
    cboFilterShow->setObjectName(QStringLiteral("cboFilterShow"));
    cboFilterShow->addItems({QStringLiteral("All"), QStringLiteral("Needs work"), QStringLiteral("Errors"), QStringLiteral("Changed")});
    lblFilterCount = new QLabel(tbFilter);
    lblFilterCount->setObjectName(QStringLiteral("lblFilterCount"));
    lblFilterCount->setContentsMargins(6, 0, 6, 0);
    tbFilter->addWidget(txtFilter);
    tbFilter->addWidget(cboFilterShow);
    tbFilter->addWidget(lblFilterCount);
    connect(txtFilter, &QLineEdit::textChanged, this, &frmMain::ApplyFilter);
    connect(cboFilterShow, &QComboBox::currentIndexChanged, this, &frmMain::ApplyFilter);

    QMenu* mnuView = new QMenu(QStringLiteral("&View"), this);
    mnuView->setObjectName(QStringLiteral("mnuView"));
    menuBar()->insertMenu(mnuWindow->menuAction(), mnuView);
    QAction* mnuViewSource = dckSource->toggleViewAction();
    mnuViewSource->setObjectName(QStringLiteral("mnuViewSource"));
    mnuView->addAction(mnuViewSource);
    QAction* mnuViewFilter = tbFilter->toggleViewAction();
    mnuViewFilter->setObjectName(QStringLiteral("mnuViewFilter"));
    mnuView->addAction(mnuViewFilter);
    QAction* mnuViewFilterFocus = mnuView->addAction(QStringLiteral("&Filter Rows"));
    mnuViewFilterFocus->setObjectName(QStringLiteral("mnuViewFilterFocus"));
    mnuViewFilterFocus->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(mnuViewFilterFocus, &QAction::triggered, this, [this] {
        tbFilter->show();
        txtFilter->setFocus(Qt::ShortcutFocusReason);
        txtFilter->selectAll();
    });
}

QString frmMain::SourceFolderOf(const QString& pstrPath) const
{
    if (!mstrSourceFolder.isEmpty()) return mstrSourceFolder;
    const QString strFolder = QFileInfo(pstrPath).absolutePath();
    const QString strChosen = QSettings().value(KeySourceFolders).toMap().value(strFolder).toString();
    return strChosen.isEmpty() ? DefaultSourceFolder(strFolder) : strChosen;
}

// The dock takes its room beside the frame rather than from it: a window that is not maximised
// grows by the width the frame gave up, as far as the screen allows, so the text windows keep theirs.
void frmMain::ShowSourceDock()
{
    if (dckSource->isVisible()) return;
    const int lngBefore = mdiArea->width();
    dckSource->show();
    if (isMaximized() || isFullScreen() || !isVisible()) return;
    // Measured once the layout has placed the dock.
    QTimer::singleShot(0, this, [this, lngBefore] {
        const QScreen* objScreen = screen();
        if (!objScreen || isMaximized() || isFullScreen() || !dckSource->isVisible() || dckSource->isFloating()) return;
        const QRect objRoom = objScreen->availableGeometry();
        const int lngFrame = frameGeometry().width() - width();
        const int lngWidth = std::min(width() + lngBefore - mdiArea->width(), objRoom.width() - lngFrame);
        if (lngWidth <= width()) return;
        resize(lngWidth, height());
        const QRect objFrame = frameGeometry();
        if (objFrame.right() > objRoom.right()) move(std::max(objRoom.left(), objRoom.right() - objFrame.width() + 1), y());
    });
}

void frmMain::ShowWork()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) {
        mobjStatus->SetWork(QString());
        dckSource->ShowRow({}, {});
        lblFilterCount->clear();
        // With the last text window closed the dock has nothing to show; it comes back with a source.
        const QList<QMdiSubWindow*> objChildren = mdiArea->subWindowList();
        if (std::none_of(objChildren.begin(), objChildren.end(),
                         [](QMdiSubWindow* p) { return qobject_cast<frmMessageEditor*>(p->widget()) != nullptr; }))
            dckSource->hide();
        return;
    }
    mobjStatus->SetWork(frmEditor->HasSource() ? frmEditor->ProgressText() : frmEditor->SourceNote());
    if (frmEditor->HasSource()) dckSource->ShowRow(frmEditor->SourceBoxes(), frmEditor->CurrentProblems());
    else
        dckSource->ShowRow({}, {}, frmEditor->SourceNote().isEmpty() ? QStringLiteral("No source folder for this file.")
                                                                     : frmEditor->SourceNote());
    lblFilterCount->setText(frmEditor->FilterCountText());
}

void frmMain::ApplyFilter()
{
    if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->SetFilter(txtFilter->text(), cboFilterShow->currentIndex());
}

void frmMain::mnuFileSourceFolder_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) return;
    const QString strFolder = QFileInfo(frmEditor->FileNameValue()).absolutePath();
    QString strChosen;
    if (!Desktop().ChooseFolder(frmEditor->SourceFolder().isEmpty() ? strFolder : frmEditor->SourceFolder(), strChosen))
        return;
    // Remembered for the translated folder: its other files, and the next start, use it too.
    QSettings objSettings;
    QVariantMap objFolders = objSettings.value(KeySourceFolders).toMap();
    objFolders.insert(strFolder, strChosen);
    objSettings.setValue(KeySourceFolders, objFolders);
    frmEditor->LoadSource(strChosen);
    if (frmEditor->HasSource()) ShowSourceDock();
    ShowWork();
}

void frmMain::mnuEditReplace_Click()
{
    if (!ActiveEditor()) return;
    if (!mfrmReplace) mfrmReplace = new frmReplace([this] { return ActiveEditor(); }, this);
    if (const auto* txtBox = qobject_cast<const QLineEdit*>(FocusedTextBox()); txtBox && txtBox->hasSelectedText())
        mfrmReplace->FindText(txtBox->selectedText());
    mfrmReplace->show();
    mfrmReplace->raise();
    mfrmReplace->activateWindow();
}

void frmMain::AddRecentFile(const QString& pstrPath, const QString& pstrCodePage)
{
    QSettings objSettings;
    QStringList strPaths = objSettings.value(KeyRecentPaths).toStringList();
    QStringList strCodePages = objSettings.value(KeyRecentCodePages).toStringList();
    strCodePages.resize(strPaths.size());
    const qsizetype lngAt = strPaths.indexOf(pstrPath);
    if (lngAt >= 0) {
        strPaths.removeAt(lngAt);
        strCodePages.removeAt(lngAt);
    }
    strPaths.prepend(pstrPath);
    strCodePages.prepend(pstrCodePage);
    objSettings.setValue(KeyRecentPaths, strPaths.mid(0, MaxRecentFiles));
    objSettings.setValue(KeyRecentCodePages, strCodePages.mid(0, MaxRecentFiles));
    UpdateRecentFiles();
}

void frmMain::UpdateRecentFiles()
{
    // Later, not now: the entry that was chosen may be the one asking for this update.
    for (QAction* pobjItem : std::as_const(mobjRecentList)) {
        mnuFile->removeAction(pobjItem);
        pobjItem->deleteLater();
    }
    mobjRecentList.clear();
    const QSettings objSettings;
    const QStringList strPaths = objSettings.value(KeyRecentPaths).toStringList().mid(0, MaxRecentFiles);
    QStringList strCodePages = objSettings.value(KeyRecentCodePages).toStringList();
    strCodePages.resize(strPaths.size());
    for (qsizetype i = 0; i < strPaths.size(); ++i) {
        const QString strCaption = QStringLiteral("&%1 %2").arg(i + 1).arg(QString(strPaths[i]).replace(u'&', QStringLiteral("&&")));
        auto* pobjItem = new QAction(strCaption, mnuFile);
        pobjItem->setObjectName(QStringLiteral("mnuRecentFile%1").arg(i + 1));
        pobjItem->setToolTip(QStringLiteral("Opens in ") + strCodePages[i]);
        mnuFile->insertAction(mnuFileBarRecent, pobjItem);
        connect(pobjItem, &QAction::triggered, this,
                [this, strPath = strPaths[i], strCodePage = strCodePages[i]] { mnuRecentFile_Click(strPath, strCodePage); });
        mobjRecentList.append(pobjItem);
    }
    mnuFileBarRecent->setVisible(!strPaths.isEmpty());
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

void frmMain::mnuFileOpen_Click()
{
    dlgCommonDialog.SetFilter(QLatin1String(OpenFilter));
    if (!dlgCommonDialog.ShowOpen() || dlgCommonDialog.FileName().isEmpty()) return;
    RememberDialogFolder();
    OpenFiles({dlgCommonDialog.FileName()});
}

void frmMain::mnuFileClose_Click()
{
    if (QMdiSubWindow* pobjChild = ActiveChild()) pobjChild->close();
}

void frmMain::mnuMergeFiles_Click() { frmUpdateFiles::ShowIn(mdiArea); }

void frmMain::mnuFileSave_Click()
{
    if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->SaveMe();
}

void frmMain::mnuFileSaveAs_Click()
{
    // Without an editor window there is nothing to save: no dialog whose answer would be dropped.
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor || !dlgCommonDialog.ShowSave()) return;
    RememberDialogFolder();
    // A file named as another kind would be read as that kind: a messages table written as
    // secondary.lrc would be lost to both.
    const QString strTarget = dlgCommonDialog.FileName();
    const std::optional<int32_t> lngKind = EditTypeOf(strTarget);
    if (lngKind && *lngKind != frmEditor->EditTypeValue() &&
        MsgBox(QStringLiteral("The file ") + strTarget + QStringLiteral(" would be read as ") + KindName(*lngKind) +
                   QStringLiteral(", but this window holds ") + KindName(frmEditor->EditTypeValue()) +
                   QStringLiteral(".\r\nDo you want to save it under this name anyway?"),
               vbExclamation + vbYesNo + vbDefaultButton2, QStringLiteral("Save As")) != vbYes)
        return;
    try {
        frmEditor->SaveMe(dlgCommonDialog.FileName());
    } catch (...) {
        // Any failure of Save As ends it silently.
    }
}

void frmMain::mnuFileExit_Click() { close(); }

QWidget* frmMain::FocusedTextBox() const
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) return nullptr;
    QWidget* pobjFocus = frmEditor->focusWidget();
    return pobjFocus && frmEditor->isAncestorOf(pobjFocus) && IsTextBox(pobjFocus) ? pobjFocus : nullptr;
}

void frmMain::mnuEditCut_Click()
{
    QWidget* txtBox = FocusedTextBox();
    if (!txtBox || IsReadOnlyTextBox(txtBox)) return;
    Desktop().SetClipboardText(StoreToLines(TextBoxText(txtBox)));
    SetTextBoxText(txtBox, QString());
}

void frmMain::mnuEditCopy_Click()
{
    if (QWidget* txtBox = FocusedTextBox()) Desktop().SetClipboardText(StoreToLines(TextBoxText(txtBox)));
}

void frmMain::mnuEditPaste_Click()
{
    QWidget* txtBox = FocusedTextBox();
    if (txtBox && !IsReadOnlyTextBox(txtBox)) SetTextBoxText(txtBox, LinesToStore(Desktop().ClipboardText()));
}

void frmMain::mnuCodePage_Click(QAction* pobjItem)
{
    const QString strName = pobjItem->data().toString();
    gobjTextStore->SetCodePage(strName);
    QSettings().setValue(KeyCodePage, strName);
    UpdateCommands();
    // A file that shows wrong letters is usually read in the wrong code page: offer to read it
    // again at once, while nothing typed would be lost.
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor || frmEditor->DataChanged() || frmEditor->ItemChanged() || frmEditor->CodePage() == strName) return;
    if (MsgBox(QStringLiteral("Do you want to open ") + frmEditor->FileNameValue() + QStringLiteral(" again in ") +
                   strName + QStringLiteral("?\r\nIt was read in ") + frmEditor->CodePage() + u'.',
               vbQuestion + vbYesNo, QStringLiteral("Code page")) == vbYes)
        OpenFile(frmEditor->FileNameValue());
}

void frmMain::mnuWindow_AboutToShow()
{
    qDeleteAll(mobjWindowList);
    mobjWindowList.clear();
    const QList<QMdiSubWindow*> objChildren = mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (objChildren.isEmpty()) return;
    mobjWindowList.append(mnuWindow->addSeparator());
    for (qsizetype i = 0; i < objChildren.size(); ++i) {
        QMdiSubWindow* pobjChild = objChildren[i];
        // An "&" in a path is text, not an access key.
        const QString strTitle = pobjChild->windowTitle().replace(u'&', QStringLiteral("&&"));
        const QString strCaption = (i < 9 ? QStringLiteral("&%1 %2") : QStringLiteral("%1 %2")).arg(i + 1).arg(strTitle);
        QAction* pobjItem = mnuWindow->addAction(strCaption);
        pobjItem->setCheckable(true);
        pobjItem->setChecked(pobjChild == ActiveChild());
        connect(pobjItem, &QAction::triggered, pobjChild, [this, pobjChild] {
            mdiArea->setActiveSubWindow(pobjChild);
        });
        mobjWindowList.append(pobjItem);
    }
}

void frmMain::mnuWindowCascade_Click() { Arrange(*mdiArea, vbCascade); }
void frmMain::mnuWindowTileHorizontal_Click() { Arrange(*mdiArea, vbTileHorizontal); }
void frmMain::mnuWindowTileVertical_Click() { Arrange(*mdiArea, vbTileVertical); }
void frmMain::mnuWindowArrangeIcons_Click() { Arrange(*mdiArea, vbArrangeIcons); }

void frmMain::mnuHelpAbout_Click()
{
    frmAbout objAbout(this);
    objAbout.exec();
}

void frmMain::tbToolBar_ButtonClick(QAction* pobjButton)
{
    const QString strKey = pobjButton->data().toString();
    if (strKey == QLatin1String("Open")) mnuFileOpen_Click();
    else if (strKey == QLatin1String("Save")) mnuFileSave_Click();
    else if (strKey == QLatin1String("Cut")) mnuEditCut_Click();
    else if (strKey == QLatin1String("Copy")) mnuEditCopy_Click();
    else if (strKey == QLatin1String("Paste")) mnuEditPaste_Click();
    else if (strKey == QLatin1String("ToGrid")) {
        if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->MoveToList();
    }
}

void frmMain::mdiArea_SubWindowActivated(QMdiSubWindow*) { UpdateCommands(); }

void frmMain::UpdateCommands()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    const bool booEditor = frmEditor != nullptr;
    mnuFileClose->setEnabled(ActiveChild() != nullptr);
    for (QAction* pobjItem : {mnuFileSave, mnuFileSaveAs, mnuEditCut, mnuEditCopy, mnuEditPaste})
        pobjItem->setEnabled(booEditor);
    for (QAction* pobjItem : std::as_const(mobjEditorCommands)) pobjItem->setEnabled(booEditor);
    // The filter bar shows the active window's own filter.
    if (txtFilter && frmEditor) {
        const QSignalBlocker objNoText(txtFilter), objNoShow(cboFilterShow);
        txtFilter->setText(frmEditor->Filter()->Text());
        cboFilterShow->setCurrentIndex(frmEditor->Filter()->Show());
    }
    if (dckSource) ShowWork();
    for (QAction* pobjButton : tbToolBar->actions()) {
        const QString strKey = pobjButton->data().toString();
        if (!strKey.isEmpty() && strKey != QLatin1String("Open")) pobjButton->setEnabled(booEditor);
    }
    mobjStatus->SetCodePage(frmEditor ? frmEditor->CodePage() : QString());
    const bool booOther = frmEditor && frmEditor->CodePage() != gobjTextStore->CodePage();
    mobjStatus->SetNextCodePage(booOther ? gobjTextStore->CodePage() : QString());
    mobjStatus->SetModified(frmEditor && frmEditor->DataChanged());
    mobjStatus->SetEntry(frmEditor ? frmEditor->EntryId(frmEditor->CurrentItem() - 1) : QString());
}

void frmMain::closeEvent(QCloseEvent* pobjEvent)
{
    // Every editor window is asked first; one refusal keeps them all open. Windows that agreed are
    // not asked again: they go with the frame.
    for (QMdiSubWindow* pobjChild : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget());
        if (frmEditor && !AskIn(pobjChild, [frmEditor] { return frmEditor->QueryClose(); })) {
            pobjEvent->ignore();
            return;
        }
    }
    QSettings().setValue(KeyGeometry, saveGeometry());
    pobjEvent->accept();
}

void frmMain::dragEnterEvent(QDragEnterEvent* pobjEvent)
{
    for (const QUrl& objUrl : pobjEvent->mimeData()->urls()) {
        if (objUrl.isLocalFile()) {
            pobjEvent->acceptProposedAction();
            return;
        }
    }
}

void frmMain::dropEvent(QDropEvent* pobjEvent)
{
    QStringList strPaths;
    for (const QUrl& objUrl : pobjEvent->mimeData()->urls())
        if (objUrl.isLocalFile()) strPaths.append(QFileInfo(objUrl.toLocalFile()).absoluteFilePath());
    OpenFiles(strPaths);
    pobjEvent->acceptProposedAction();
}

bool frmMain::eventFilter(QObject* pobjWatched, QEvent* pobjEvent)
{
    if (pobjEvent->type() == QEvent::ShortcutOverride) {
        const auto* pobjKey = static_cast<QKeyEvent*>(pobjEvent);
        const QKeyCombination objKey = pobjKey->keyCombination();
        const bool booClipboardKey = objKey == QKeyCombination(Qt::ControlModifier, Qt::Key_X) ||
                                     objKey == QKeyCombination(Qt::ControlModifier, Qt::Key_C) ||
                                     objKey == QKeyCombination(Qt::ControlModifier, Qt::Key_V);
        // Not accepted and not delivered: the box leaves the key to the menu's shortcut.
        if (booClipboardKey && pobjWatched == FocusedTextBox()) return true;
    }
    return QMainWindow::eventFilter(pobjWatched, pobjEvent);
}

}  // namespace tralyx
