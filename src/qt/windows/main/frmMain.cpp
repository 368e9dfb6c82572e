#include "windows/main/frmMain.h"

#include "common/basApplication.h"
#include "common/basTwips.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "windows/documents/clsCodePageMenu.h"
#include "windows/documents/clsFileDrops.h"
#include "windows/documents/clsRecentFiles.h"
#include "windows/main/clsWelcome.h"
#include "windows/editor/frmMessageEditor.h"
#include "windows/list/clsEditorFilter.h"
#include "windows/main/basIcons.h"
#include "windows/main/clsClipboardCommands.h"
#include "windows/main/clsKeptTile.h"
#include "windows/main/clsStatusPanels.h"
#include "windows/main/clsToolBar.h"
#include "windows/main/clsViewMenu.h"
#include "windows/workbench/clsFormPreview.h"
#include "windows/main/clsWindowMenu.h"
#include "windows/main/frmAbout.h"
#include "windows/spelling/clsSpellingMenu.h"
#include "windows/workbench/clsFilterBar.h"
#include "windows/workbench/clsSourceDock.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QUndoStack>

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

}  // namespace

frmMain::frmMain(QWidget* pobjParent) : QMainWindow(pobjParent)
{
    RestoreDocuments();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tralyx"));
    setWindowIcon(ApplicationIcon());

    mdiArea = new QMdiArea(this);
    mobjKeptTile = new clsKeptTile(*mdiArea);
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
    const QSettings objSettings;
    if (objSettings.contains(KeyGeometry)) mbooDockRoomMade = restoreGeometry(objSettings.value(KeyGeometry).toByteArray());
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
        {"mnuFileSaveAll", QT_TR_NOOP("Save A&ll"), &frmMain::mnuFileSaveAll_Click, Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S), true},
        {"mnuFileSourceFolder", QT_TR_NOOP("Source &Folder..."), &frmMain::mnuFileSourceFolder_Click, 0, true},
        {"mnuFileMemory", QT_TR_NOOP("Translation &Memory..."), &frmMain::mnuFileMemory_Click, 0, false},
        {"mnuFileGlossary", QT_TR_NOOP("&Glossary..."), &frmMain::mnuFileGlossary_Click, 0, false},
        {"mnuFileGlossaryClear", QT_TR_NOOP("No Glossar&y"), &frmMain::mnuFileGlossaryClear_Click, 0, false},
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
        {"mnuEditConcordance", QT_TR_NOOP("Concordance &Search..."), &frmMain::mnuEditConcordance_Click, Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_F), true},
        {"mnuEditNextToDo", QT_TR_NOOP("&Next Needing Work"), &frmMain::mnuEditNextToDo_Click, Keys(QKeyCombination(Qt::Key_F8)), true},
        {"mnuEditPreviousToDo", QT_TR_NOOP("Pre&vious Needing Work"), &frmMain::mnuEditPreviousToDo_Click, Keys(Qt::SHIFT | Qt::Key_F8), true},
        {"mnuEditBar2", nullptr, nullptr, 0, false},
        {"mnuEditMarkDone", QT_TR_NOOP("Mark as &Done"), &frmMain::mnuEditMarkDone_Click, Keys(Qt::CTRL | Qt::Key_U), true},
        {"mnuEditMarkReview", QT_TR_NOOP("Mar&k for Review"), &frmMain::mnuEditMarkReview_Click, Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_U), true},
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
    lblWelcome = new clsWelcome(mdiArea->viewport());
    connect(lblWelcome, &clsWelcome::OpenFolder, this, &frmMain::mnuFileOpenFolder_Click);
    connect(lblWelcome, &clsWelcome::OpenFile, this, &frmMain::mnuFileOpen_Click);
    connect(lblWelcome, &clsWelcome::OpenRecent, this, &frmMain::mnuRecentFile_Click);
    QMenu* mnuEdit = AddMenu("mnuEdit", tr("&Edit"), udtEditMenu);
    mnuEditUndo = mnuEdit->findChild<QAction*>(QStringLiteral("mnuEditUndo"));
    mnuEditRedo = mnuEdit->findChild<QAction*>(QStringLiteral("mnuEditRedo"));

    auto* mnuCodePage = new clsCodePageMenu(gobjTextStore->CodePage(), this);
    connect(mnuCodePage, &clsCodePageMenu::Chosen, this, &frmMain::mnuCodePage_Click);
    menuBar()->addMenu(mnuCodePage);

    mnuView = new clsViewMenu(dckSource, tbFilter, dckFormPreview, this);
    connect(mnuView, &clsViewMenu::SourceColumnToggled, this, [this](bool pbooShown) {
        for (QMdiSubWindow* pobjChild : mdiArea->subWindowList())
            if (auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget())) frmEditor->ShowSourceColumn(pbooShown);
    });
    menuBar()->addMenu(mnuView);
    QMenu* mnuTools = menuBar()->addMenu(tr("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuSpelling = new clsSpellingMenu(mnuTools);
    mnuTools->addMenu(mnuSpelling);
    connect(mnuSpelling, &clsSpellingMenu::Changed, this, &frmMain::ApplyWorkbenchToAll);
    menuBar()->addMenu(new clsWindowMenu(mdiArea, this));
    AddMenu("mnuHelp", tr("&Help"), udtHelpMenu);
}

QMdiSubWindow* frmMain::ActiveChild() const { return mdiArea->currentSubWindow(); }

frmMessageEditor* frmMain::ActiveEditor() const
{
    QMdiSubWindow* pobjChild = ActiveChild();
    return pobjChild ? qobject_cast<frmMessageEditor*>(pobjChild->widget()) : nullptr;
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
    if (lblWelcome) {
        const bool booEmpty = mdiArea->subWindowList().isEmpty();
        if (booEmpty && !lblWelcome->isVisible()) lblWelcome->Refresh();
        lblWelcome->setVisible(booEmpty);
    }
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
