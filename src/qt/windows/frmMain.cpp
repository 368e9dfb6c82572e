#include "frmMain.h"

#include "FileFunctions.h"
#include "basArrange.h"
#include "basCodePages.h"
#include "basDesktop.h"
#include "basGeneralItems.h"
#include "basIcons.h"
#include "basTextBox.h"
#include "basTwips.h"
#include "clsStatusPanels.h"
#include "clsTralyx.h"
#include "frmAbout.h"
#include "frmMessageEditor.h"
#include "frmUpdateFiles.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QMimeData>
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

}  // namespace

frmMain::frmMain(QWidget* pobjParent) : QMainWindow(pobjParent)
{
    // MDIForm_Load: the program's one text store.
    gobjTextStore = std::make_unique<clsTralyx>();

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
    UpdateCommands();

    // The frame's client area, where the child windows live, is 9015 x 5805 twips.
    const int intDpi = logicalDpiX();
    const int intBars = menuBar()->sizeHint().height() + tbToolBar->sizeHint().height() + statusBar()->sizeHint().height();
    resize(TwipsToPixels(9015, intDpi), TwipsToPixels(5805, intDpi) + intBars);

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

    QMenu* mnuFile = fnMenu("mnuFile", QStringLiteral("&File"));
    AddItem(mnuFile, "mnuFileOpen", QStringLiteral("&Open"), &frmMain::mnuFileOpen_Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = AddItem(mnuFile, "mnuFileClose", QStringLiteral("&Close"), &frmMain::mnuFileClose_Click);
    fnBar(mnuFile, "mnuFileBar1");
    AddItem(mnuFile, "mnuMergeFiles", QStringLiteral("&Update file"), &frmMain::mnuMergeFiles_Click);
    fnBar(mnuFile, "mnuFileBar2");
    mnuFileSave = AddItem(mnuFile, "mnuFileSave", QStringLiteral("&Save"), &frmMain::mnuFileSave_Click,
                          QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = AddItem(mnuFile, "mnuFileSaveAs", QStringLiteral("Save &As..."), &frmMain::mnuFileSaveAs_Click);
    fnBar(mnuFile, "mnuFileBar3");
    AddItem(mnuFile, "mnuFileExit", QStringLiteral("E&xit"), &frmMain::mnuFileExit_Click);

    QMenu* mnuEdit = fnMenu("mnuEdit", QStringLiteral("&Edit"));
    mnuEditCut = AddItem(mnuEdit, "mnuEditCut", QStringLiteral("Cu&t"), &frmMain::mnuEditCut_Click,
                         QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuEditCopy = AddItem(mnuEdit, "mnuEditCopy", QStringLiteral("&Copy"), &frmMain::mnuEditCopy_Click,
                          QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = AddItem(mnuEdit, "mnuEditPaste", QStringLiteral("&Paste"), &frmMain::mnuEditPaste_Click,
                           QKeySequence(Qt::CTRL | Qt::Key_V));

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
    const QString strBase = GetFileName(pstrPath, false).toLower();
    if (strBase == QLatin1String("core")) return frmMessageEditor::EditControlText;
    if (strBase == QLatin1String("secondary")) return frmMessageEditor::EditSecondary;
    if (strBase == QLatin1String("messages")) return frmMessageEditor::EditMessages;
    return std::nullopt;
}

bool frmMain::CloseEditorsOfKind(int32_t plngEditType)
{
    // The store holds one table of each kind: a window still showing the old table would save the
    // new file's entries over its own file.
    for (QMdiSubWindow* pobjChild : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        const auto* pobjEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget());
        if (pobjEditor && pobjEditor->EditTypeValue() == plngEditType && !pobjChild->close()) return false;
    }
    return true;
}

bool frmMain::OpenFile(const QString& pstrPath)
{
    const std::optional<int32_t> lngEditType = EditTypeOf(pstrPath);
    if (!lngEditType || !CloseEditorsOfKind(*lngEditType)) return false;

    bool booSuccess = false;
    switch (*lngEditType) {
    case frmMessageEditor::EditControlText: gobjTextStore->LoadControlText(pstrPath, booSuccess); break;
    case frmMessageEditor::EditSecondary: gobjTextStore->LoadPreceduralTextFromResource(pstrPath, booSuccess); break;
    default: gobjTextStore->LoadMessagesFromResource(pstrPath, booSuccess); break;
    }
    if (!booSuccess) {
        QString strDetails = gobjTextStore->LastError().Text();
        for (const udtFileIssue& udtWarning : gobjTextStore->LastWarnings())
            strDetails += QStringLiteral("\nskipped ") + udtWarning.Text();
        MsgBox(QStringLiteral("The file ") + pstrPath + QStringLiteral(" is corrupt!"), vbCritical,
               QStringLiteral("Couldn't load ") + pstrPath, strDetails);
        return false;
    }
    auto* frmEditor = new frmMessageEditor;
    frmEditor->SkippedLines(gobjTextStore->LastWarnings());
    frmEditor->EditType(*lngEditType);
    frmEditor->FileName(pstrPath);
    QMdiSubWindow* pobjChild = mdiArea->addSubWindow(frmEditor);
    pobjChild->show();
    PlaceNewWindow(*mdiArea, *pobjChild);
    mdiArea->setActiveSubWindow(pobjChild);
    UpdateCommands();
    return true;
}

void frmMain::mnuFileOpen_Click()
{
    dlgCommonDialog.SetFilter(QLatin1String(OpenFilter));
    if (!dlgCommonDialog.ShowOpen() || dlgCommonDialog.FileName().isEmpty()) return;
    OpenFile(dlgCommonDialog.FileName());
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
    Desktop().SetClipboardText(TextBoxText(txtBox));
    SetTextBoxText(txtBox, QString());
}

void frmMain::mnuEditCopy_Click()
{
    if (QWidget* txtBox = FocusedTextBox()) Desktop().SetClipboardText(TextBoxText(txtBox));
}

void frmMain::mnuEditPaste_Click()
{
    QWidget* txtBox = FocusedTextBox();
    if (txtBox && !IsReadOnlyTextBox(txtBox)) SetTextBoxText(txtBox, Desktop().ClipboardText());
}

void frmMain::mnuCodePage_Click(QAction* pobjItem)
{
    gobjTextStore->SetCodePage(pobjItem->data().toString());
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
    for (QAction* pobjButton : tbToolBar->actions()) {
        const QString strKey = pobjButton->data().toString();
        if (!strKey.isEmpty() && strKey != QLatin1String("Open")) pobjButton->setEnabled(booEditor);
    }
    mobjStatus->SetCodePage(frmEditor ? frmEditor->CodePage() : QString());
}

void frmMain::closeEvent(QCloseEvent* pobjEvent)
{
    // Every editor window is asked first; one refusal keeps them all open. Windows that agreed are
    // not asked again: they go with the frame.
    for (QMdiSubWindow* pobjChild : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* frmEditor = qobject_cast<frmMessageEditor*>(pobjChild->widget());
        if (frmEditor && !frmEditor->QueryClose()) {
            pobjEvent->ignore();
            return;
        }
    }
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
    for (const QUrl& objUrl : pobjEvent->mimeData()->urls())
        if (objUrl.isLocalFile()) OpenFile(QFileInfo(objUrl.toLocalFile()).absoluteFilePath());
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
