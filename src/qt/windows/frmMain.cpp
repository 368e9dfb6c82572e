#include "windows/frmMain.h"

#include "common/basApplication.h"
#include "common/basDesktop.h"
#include "common/basFileSystem.h"
#include "common/basTwips.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "updatetool/frmUpdateFiles.h"
#include "windows/basArrange.h"
#include "windows/basEditorFiles.h"
#include "windows/basIcons.h"
#include "windows/basSourceFolders.h"
#include "windows/basUpdateResult.h"
#include "windows/clsClipboardCommands.h"
#include "windows/clsCodePageMenu.h"
#include "windows/clsEditorFilter.h"
#include "windows/clsFileDrops.h"
#include "windows/clsFilterBar.h"
#include "windows/clsRecentFiles.h"
#include "windows/clsSourceDock.h"
#include "windows/clsSpellingMenu.h"
#include "windows/clsWorkbenchMemory.h"
#include "windows/frmTranslationMemory.h"
#include "windows/clsStatusPanels.h"
#include "windows/clsToolBar.h"
#include "windows/clsViewMenu.h"
#include "windows/clsWindowMenu.h"
#include "windows/frmAbout.h"
#include "windows/frmMessageEditor.h"
#include "windows/frmReplace.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>

namespace tralyx {
namespace {

// The menus: name, caption (nullptr: a separator), command, shortcut, and whether the item needs
// an active editor window.
struct udtMenuItem {
    const char* Name;
    const char* Caption;
    void (frmMain::*Click)();
    int Key;
    bool Editor;
};
constexpr int Keys(QKeyCombination pobjKey) { return pobjKey.toCombined(); }

// What the program remembers between runs.
const QString KeyGeometry = QStringLiteral("MainWindow/Geometry");
const QString KeyDialogFolder = QStringLiteral("FileDialog/Folder");
const QString KeyCodePage = QStringLiteral("CodePage");

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

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::mdiArea_SubWindowActivated);

    // The clipboard keys run the commands (whole text) inside an editor window instead of the
    // box's own selection-based handling, so that key and menu item always do the same.
    mobjClipboard = new clsClipboardCommands([this] { return static_cast<QWidget*>(ActiveEditor()); }, this);
    connect(new clsFileDrops(this), &clsFileDrops::Dropped, this, [this](const QStringList& pstrPaths) { OpenFiles(pstrPaths); });

    BuildWorkbench();
    BuildMenus();
    tbToolBar = new clsToolBar(this);
    addToolBar(tbToolBar);
    addToolBar(tbFilter);
    for (QAction* pobjButton : tbToolBar->Buttons())
        if (clsToolBar::KeyOf(pobjButton) != QLatin1String("Open")) mobjEditorCommands << pobjButton;
    connect(tbToolBar, &clsToolBar::ButtonClick, this, &frmMain::tbToolBar_ButtonClick);
    mobjStatus = new clsStatusPanels(statusBar());
    UpdateCommands();

    // The frame's client area, where the child windows live, is 9015 x 5805 twips.
    const int intDpi = logicalDpiX();
    const int intBars = menuBar()->sizeHint().height() + tbToolBar->sizeHint().height() + statusBar()->sizeHint().height();
    resize(TwipsToPixels(9015, intDpi), TwipsToPixels(5805, intDpi) + intBars);
    // From the second start on, the size, position and maximised state the user left.
    // Restored as saved: the dock then never widens it (it would grow on every start).
    if (objSettings.contains(KeyGeometry)) mbooDockRoomMade = restoreGeometry(objSettings.value(KeyGeometry).toByteArray());
    const QString strFolder = objSettings.value(KeyDialogFolder).toString();
    if (!strFolder.isEmpty()) dlgCommonDialog.SetFileName(strFolder + u'/');
}

frmMain::~frmMain()
{
    // The clipboard keys are watched program-wide: not while this window comes apart.
    delete mobjClipboard;
    // The frame closes its windows while QWidget tears this window down; their activation signals
    // must not reach a frmMain that is no longer one.
    disconnect(mdiArea, nullptr, this, nullptr);
}

void frmMain::BuildMenus()
{
    static const udtMenuItem udtFileMenu[] = {
        {"mnuFileOpen", QT_TR_NOOP("&Open"), &frmMain::mnuFileOpen_Click, Keys(Qt::CTRL | Qt::Key_O), false},
        {"mnuFileOpenFolder", QT_TR_NOOP("Open Language &Folder..."), &frmMain::mnuFileOpenFolder_Click, Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_O), false},
        {"mnuFileClose", QT_TR_NOOP("&Close"), &frmMain::mnuFileClose_Click, 0, false},
        {"mnuFileBar1", nullptr, nullptr, 0, false},
        {"mnuMergeFiles", QT_TR_NOOP("&Update file"), &frmMain::mnuMergeFiles_Click, 0, false},
        {"mnuFileBar2", nullptr, nullptr, 0, false},
        {"mnuFileSave", QT_TR_NOOP("&Save"), &frmMain::mnuFileSave_Click, Keys(Qt::CTRL | Qt::Key_S), true},
        {"mnuFileSaveAs", QT_TR_NOOP("Save &As..."), &frmMain::mnuFileSaveAs_Click, 0, true},
        {"mnuFileSourceFolder", QT_TR_NOOP("Source &Folder..."), &frmMain::mnuFileSourceFolder_Click, 0, true},
        {"mnuFileMemory", QT_TR_NOOP("Translation &Memory..."), &frmMain::mnuFileMemory_Click, 0, false},
        {"mnuFileBar3", nullptr, nullptr, 0, false},
        {"mnuFileExit", QT_TR_NOOP("E&xit"), &frmMain::mnuFileExit_Click, 0, false},
    };
    static const udtMenuItem udtEditMenu[] = {
        {"mnuEditCut", QT_TR_NOOP("Cu&t"), &frmMain::mnuEditCut_Click, Keys(Qt::CTRL | Qt::Key_X), true},
        {"mnuEditCopy", QT_TR_NOOP("&Copy"), &frmMain::mnuEditCopy_Click, Keys(Qt::CTRL | Qt::Key_C), true},
        {"mnuEditPaste", QT_TR_NOOP("&Paste"), &frmMain::mnuEditPaste_Click, Keys(Qt::CTRL | Qt::Key_V), true},
        {"mnuEditBarUndo", nullptr, nullptr, 0, false},
        // Enabled by what the active window can undo. A text box with the focus takes the keys for
        // its own undo; elsewhere they undo commits.
        {"mnuEditUndo", QT_TR_NOOP("&Undo"), &frmMain::mnuEditUndo_Click, Keys(Qt::CTRL | Qt::Key_Z), false},
        {"mnuEditRedo", QT_TR_NOOP("&Redo"), &frmMain::mnuEditRedo_Click, Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), false},
        {"mnuEditBar1", nullptr, nullptr, 0, false},
        {"mnuEditReplace", QT_TR_NOOP("&Replace..."), &frmMain::mnuEditReplace_Click, Keys(Qt::CTRL | Qt::Key_H), true},
        {"mnuEditNextToDo", QT_TR_NOOP("&Next Needing Work"), &frmMain::mnuEditNextToDo_Click, Keys(QKeyCombination(Qt::Key_F8)), true},
        {"mnuEditPreviousToDo", QT_TR_NOOP("Pre&vious Needing Work"), &frmMain::mnuEditPreviousToDo_Click, Keys(Qt::SHIFT | Qt::Key_F8), true},
        {"mnuEditBar2", nullptr, nullptr, 0, false},
        {"mnuEditMarkDone", QT_TR_NOOP("Mark as &Done"), &frmMain::mnuEditMarkDone_Click, Keys(Qt::CTRL | Qt::Key_U), true},
        {"mnuEditFillFromMemory", QT_TR_NOOP("&Fill from Memory..."), &frmMain::mnuEditFillFromMemory_Click, 0, true},
    };
    static const udtMenuItem udtHelpMenu[] = {{"mnuHelpAbout", QT_TR_NOOP("&About Tralyx..."), &frmMain::mnuHelpAbout_Click, 0, false}};
    const auto AddMenu = [this](const char* pstrName, const QString& pstrCaption, const auto& pudtItems) {
        QMenu* pobjMenu = menuBar()->addMenu(pstrCaption);
        pobjMenu->setObjectName(QLatin1String(pstrName));
        for (const udtMenuItem& udtItem : pudtItems) {
            QAction* pobjItem = udtItem.Caption ? pobjMenu->addAction(tr(udtItem.Caption)) : pobjMenu->addSeparator();
            pobjItem->setObjectName(QLatin1String(udtItem.Name));
            if (udtItem.Key) pobjItem->setShortcut(QKeySequence(udtItem.Key));
            if (udtItem.Click) connect(pobjItem, &QAction::triggered, this, udtItem.Click);
            if (udtItem.Editor) mobjEditorCommands << pobjItem;
        }
        return pobjMenu;
    };
    QMenu* mnuFile = AddMenu("mnuFile", tr("&File"), udtFileMenu);
    mnuFileClose = mnuFile->findChild<QAction*>(QStringLiteral("mnuFileClose"));
    // Kept between runs; Save As to another existing file asks whatever it says.
    auto* mnuFileAskOverwrite = new QAction(tr("Ask Before &Overwriting the File Being Edited"), mnuFile);
    mnuFileAskOverwrite->setObjectName(QStringLiteral("mnuFileAskOverwrite"));
    mnuFileAskOverwrite->setCheckable(true);
    mnuFileAskOverwrite->setChecked(QSettings().value(QLatin1StringView(frmMessageEditor::AskOverwriteKey), true).toBool());
    connect(mnuFileAskOverwrite, &QAction::toggled, this,
            [](bool pbooAsk) { QSettings().setValue(QLatin1StringView(frmMessageEditor::AskOverwriteKey), pbooAsk); });
    mnuFile->insertAction(mnuFile->findChild<QAction*>(QStringLiteral("mnuFileBar3")), mnuFileAskOverwrite);
    mobjRecentFiles = new clsRecentFiles(mnuFile, mnuFile->actions().back());
    connect(mobjRecentFiles, &clsRecentFiles::Chosen, this, &frmMain::mnuRecentFile_Click);
    QMenu* mnuEdit = AddMenu("mnuEdit", tr("&Edit"), udtEditMenu);
    mnuEditUndo = mnuEdit->findChild<QAction*>(QStringLiteral("mnuEditUndo"));
    mnuEditRedo = mnuEdit->findChild<QAction*>(QStringLiteral("mnuEditRedo"));

    auto* mnuCodePage = new clsCodePageMenu(gobjTextStore->CodePage(), this);
    connect(mnuCodePage, &clsCodePageMenu::Chosen, this, &frmMain::mnuCodePage_Click);
    menuBar()->addMenu(mnuCodePage);

    menuBar()->addMenu(new clsViewMenu(dckSource, tbFilter, this));
    QMenu* mnuTools = menuBar()->addMenu(tr("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuSpelling = new clsSpellingMenu(mnuTools);
    mnuTools->addMenu(mnuSpelling);
    connect(mnuSpelling, &clsSpellingMenu::Changed, this, &frmMain::ApplyWorkbenchToAll);
    menuBar()->addMenu(new clsWindowMenu(mdiArea, this));
    AddMenu("mnuHelp", tr("&Help"), udtHelpMenu);
}

void frmMain::BuildWorkbench()
{
    dckSource = new clsSourceDock(this);
    addDockWidget(Qt::RightDockWidgetArea, dckSource);
    dckSource->hide();  // until a file with a source opens
    mobjMemory = new clsWorkbenchMemory(this);
    tbFilter = new clsFilterBar(this);
    connect(tbFilter, &clsFilterBar::FilterChanged, this, &frmMain::tbFilter_FilterChanged);
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
    if (intOpened > 1 && !(ActiveChild() && ActiveChild()->isMaximized())) TileToRead(intOpened);
    return booFound;
}

void frmMain::TileToRead(int pintWindows)
{
    // The screen at hand, all of it: several windows need the room.
    if (isVisible() && !isMaximized() && !isFullScreen()) {
        showMaximized();
        layout()->activate();
    }
    // Side by side where each keeps the width of a new window, else one above the other; once more
    // when the dock has taken its place and the window manager has answered.
    const auto Tile = [this, pintWindows] {
        const bool booSideBySide = mdiArea->viewport()->width() / pintWindows >= TwipsToPixels(7935, logicalDpiX());
        Arrange(*mdiArea, booSideBySide ? vbTileVertical : vbTileHorizontal);
    };
    Tile();
    QTimer::singleShot(100, this, Tile);
}

void frmMain::mnuFileOpenFolder_Click()
{
    QString strFolder;
    if (!Desktop().ChooseFolder(QFileInfo(dlgCommonDialog.FileName()).absolutePath(), strFolder) || strFolder.isEmpty()) return;
    OpenFiles({strFolder});
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
    // A note still being typed in the dock belongs to the window that closes.
    connect(pfrmEditor, &frmMessageEditor::Closing, dckSource, &clsSourceDock::CommitNote);
    connect(pfrmEditor, &frmMessageEditor::UndoChanged, this, [this, pfrmEditor] {
        if (pfrmEditor == ActiveEditor()) UpdateUndo();
    });
}

void frmMain::ShowWork()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    dckSource->ShowEditor(frmEditor);
    tbFilter->SetCount(frmEditor ? frmEditor->FilterCountText() : QString());
    if (frmEditor) {
        QString strWork = frmEditor->HasSource() ? frmEditor->ProgressText() + LanguageProgress(*frmEditor) : frmEditor->SourceNote();
        if (!frmEditor->Notice().isEmpty()) strWork += (strWork.isEmpty() ? QString() : QStringLiteral(" \u00B7 ")) + frmEditor->Notice();
        mobjStatus->SetWork(strWork);
        return;
    }
    mobjStatus->SetWork(QString());
    // With the last text window closed the dock has nothing to show; it comes back with a source.
    const QList<QMdiSubWindow*> objChildren = mdiArea->subWindowList();
    if (std::none_of(objChildren.begin(), objChildren.end(),
                     [](QMdiSubWindow* p) { return qobject_cast<frmMessageEditor*>(p->widget()) != nullptr; }))
        dckSource->hide();
}

void frmMain::ShowSourceDock()
{
    if (dckSource->isVisible()) return;
    // The window makes room for the dock once, the first time it appears in a window of the
    // default size; a size the user chose is kept.
    dckSource->ShowBeside(*mdiArea, !mbooDockRoomMade);
    mbooDockRoomMade = true;
}

QList<frmMessageEditor*> frmMain::FolderEditors(const frmMessageEditor& pfrmEditor) const
{
    QList<frmMessageEditor*> objOut;
    const QString strFolder = QFileInfo(pfrmEditor.FileNameValue()).absolutePath();
    for (QMdiSubWindow* objChild : mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto* frmEditor = qobject_cast<frmMessageEditor*>(objChild->widget());
            frmEditor && QFileInfo(frmEditor->FileNameValue()).absolutePath() == strFolder)
            objOut.append(frmEditor);
    return objOut;
}

QString frmMain::LanguageProgress(const frmMessageEditor& pfrmEditor) const
{
    const QList<frmMessageEditor*> objEditors = FolderEditors(pfrmEditor);
    if (objEditors.size() < 2) return QString();
    int32_t lngTranslated = 0, lngEntries = 0;
    for (const frmMessageEditor* frmEditor : objEditors) {
        lngTranslated += frmEditor->Progress().Translated;
        lngEntries += frmEditor->Progress().Entries;
    }
    const QLocale objLocale = App::TextLocale();
    return QStringLiteral("  \u2014  ") + tr("%1: %2 of %3 translated")
        .arg(QFileInfo(QFileInfo(pfrmEditor.FileNameValue()).absolutePath()).fileName(), objLocale.toString(lngTranslated),
             objLocale.toString(lngEntries));
}

void frmMain::tbFilter_FilterChanged(const QString& pstrText, int32_t penuShow)
{
    if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->SetFilter(pstrText, penuShow);
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

void frmMain::mnuEditReplace_Click()
{
    if (!ActiveEditor()) return;
    if (!mfrmReplace)
        mfrmReplace = new frmReplace([this] { return ActiveEditor(); },
                                     [this] { return ActiveEditor() ? FolderEditors(*ActiveEditor()) : QList<frmMessageEditor*>(); }, this);
    if (const auto* txtBox = qobject_cast<const QLineEdit*>(mobjClipboard->FocusedTextBox()); txtBox && txtBox->hasSelectedText())
        mfrmReplace->FindText(txtBox->selectedText());
    mfrmReplace->show();
    mfrmReplace->raise();
    mfrmReplace->activateWindow();
}

void frmMain::mnuEditNextToDo_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) return;
    // At the end of a file, the next file of its language that needs work is offered.
    if (!frmEditor->NeedsWorkAfter(frmEditor->CurrentItem() - 1)) {
        const QList<frmMessageEditor*> objEditors = FolderEditors(*frmEditor);
        const qsizetype lngAt = objEditors.indexOf(frmEditor);
        const auto Name = [](const frmMessageEditor* p) { return QFileInfo(p->FileNameValue()).fileName(); };
        for (qsizetype i = 1; i < objEditors.size(); ++i) {
            frmMessageEditor* frmNext = objEditors[(lngAt + i) % objEditors.size()];
            if (!frmNext->NeedsWorkAfter(-1)) continue;
            if (MsgBox(tr("No entry after this one in %1 needs work.\r\nGo on with %2?").arg(Name(frmEditor), Name(frmNext)),
                       vbQuestion + vbYesNo, tr("Next Needing Work")) != vbYes)
                break;
            mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(frmNext->parentWidget()));
            frmNext->GoToFirstNeedingWork();
            return;
        }
    }
    frmEditor->GoToNeedsWork(1);
}

void frmMain::mnuEditPreviousToDo_Click()
{
    if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->GoToNeedsWork(-1);
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
    dlgCommonDialog.SetFilter(tr(OpenFilter));
    if (!dlgCommonDialog.ShowOpen() || dlgCommonDialog.FileName().isEmpty()) return;
    RememberDialogFolder();
    OpenFiles({dlgCommonDialog.FileName()});
}

void frmMain::mnuFileClose_Click()
{
    if (QMdiSubWindow* pobjChild = ActiveChild()) pobjChild->close();
}

void frmMain::mnuMergeFiles_Click()
{
    frmUpdateFiles::ShowIn(mdiArea, [this](const QStringList& pstrFiles, const QString& pstrSource) {
        OpenUpdateResult(*this, pstrFiles, pstrSource);
    });
}

void frmMain::mnuFileSave_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) return;
    dckSource->CommitNote();
    frmEditor->SaveMe();
}

void frmMain::ApplyWorkbench(frmMessageEditor* pfrmEditor, const QString& pstrStateProblem)
{
    QStringList strNotices;
    QString strSpelling;
    pfrmEditor->SetSpeller(mnuSpelling->SpellerFor(pfrmEditor->Language(), strSpelling));
    if (!strSpelling.isEmpty()) strNotices << strSpelling;
    if (!pstrStateProblem.isEmpty()) strNotices << tr("%1 (ignored)").arg(pstrStateProblem);
    if (pfrmEditor->HasSource()) {
        QString strProblems;
        pfrmEditor->SetMemory(mobjMemory->For(pfrmEditor->SourceFolder(), QFileInfo(pfrmEditor->FileNameValue()).absolutePath(),
                                              pfrmEditor->CodePage(), strProblems));
        if (!strProblems.isEmpty()) strNotices << tr("Translation memory: %1").arg(strProblems.section(u'\n', 0, 0));
    } else {
        pfrmEditor->SetMemory(nullptr);
    }
    pfrmEditor->SetNotice(strNotices.join(QStringLiteral(" \u00B7 ")));
}

void frmMain::ApplyWorkbenchToAll()
{
    for (QMdiSubWindow* pobjChild : mdiArea->subWindowList())
        if (auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget())) ApplyWorkbench(frmEditor);
    ShowWork();
}

void frmMain::mnuFileMemory_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    frmTranslationMemory frmMemory(mobjMemory->Paths(), frmEditor ? QFileInfo(frmEditor->FileNameValue()).absolutePath() : QString(), this);
    if (frmMemory.exec() != QDialog::Accepted) return;
    mobjMemory->SetPaths(frmMemory.Paths());
    ApplyWorkbenchToAll();
}

void frmMain::mnuEditMarkDone_Click()
{
    if (frmMessageEditor* frmEditor = ActiveEditor(); frmEditor && !frmEditor->ToggleDone())
        MsgBox(tr("Mark as Done is for a translation that is the same as its source on purpose (\"OK\", a product name)."),
               vbInformation, tr("Mark as Done"));
}

void frmMain::mnuEditFillFromMemory_Click()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    if (!frmEditor) return;
    if (!frmEditor->HasSource() || !frmEditor->Memory()) {
        MsgBox(tr("Fill from Memory needs the file's source folder (File > Source Folder...)."), vbInformation,
               tr("Fill from Memory"));
        return;
    }
    QStringList strSkipped;
    const int32_t lngFilled = frmEditor->FillFromMemory(&strSkipped);
    QString strPrompt = lngFilled == 0   ? tr("The memory has no exact match for any untranslated text.")
                        : lngFilled == 1 ? tr("1 untranslated text was filled from the memory, each marked for review.")
                                         : tr("%1 untranslated texts were filled from the memory, each marked for review.").arg(lngFilled);
    if (!strSkipped.isEmpty()) strPrompt += QStringLiteral("\r\n\r\n") + strSkipped.join(QStringLiteral("\r\n"));
    MsgBox(strPrompt, vbInformation, tr("Fill from Memory"));
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

void frmMain::mnuFileExit_Click() { close(); }

void frmMain::mnuEditCut_Click() { mobjClipboard->Cut(); }
void frmMain::mnuEditCopy_Click() { mobjClipboard->Copy(); }
void frmMain::mnuEditPaste_Click() { mobjClipboard->Paste(); }

void frmMain::mnuEditUndo_Click()
{
    if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->Undo();
}

void frmMain::mnuEditRedo_Click()
{
    if (frmMessageEditor* frmEditor = ActiveEditor()) frmEditor->Redo();
}

void frmMain::UpdateUndo()
{
    frmMessageEditor* frmEditor = ActiveEditor();
    const QString strUndo = frmEditor ? frmEditor->UndoText() : QString();
    const QString strRedo = frmEditor ? frmEditor->UndoStack()->redoText() : QString();
    mnuEditUndo->setEnabled(frmEditor && frmEditor->CanUndo());
    mnuEditRedo->setEnabled(frmEditor && frmEditor->UndoStack()->canRedo());
    // "&Undo Commit MSG006"; an "&" in what follows is no access key.
    const auto Escaped = [](QString pstrWhat) { return pstrWhat.replace(u'&', QStringLiteral("&&")); };
    mnuEditUndo->setText(strUndo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(Escaped(strUndo)));
    mnuEditRedo->setText(strRedo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(Escaped(strRedo)));
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

void frmMain::mnuHelpAbout_Click()
{
    frmAbout objAbout(this);
    objAbout.exec();
}

void frmMain::tbToolBar_ButtonClick(QAction* pobjButton)
{
    const QString strKey = clsToolBar::KeyOf(pobjButton);
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
    mnuFileClose->setEnabled(ActiveChild() != nullptr);
    for (QAction* pobjItem : std::as_const(mobjEditorCommands)) pobjItem->setEnabled(frmEditor != nullptr);
    UpdateUndo();
    // The filter bar shows the active window's own filter.
    if (frmEditor) tbFilter->ShowFilter(*frmEditor->Filter());
    ShowWork();
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

}  // namespace tralyx
