// The commands of the menus and the toolbar: Save As and the dialog's memory, the clipboard
// commands on the whole text, the toolbar's keys, Exit with the close checks, and tiling.
#include "MainTest.h"

#include "clsFileDialog.h"

#include <QMenu>

namespace tralyx::test {
namespace {

using MainCommandsTest = clsMainFixture;

TEST(MainFileDialogTest, TheOpenFilterKeepsItsDescriptionsAndMatchesAnyLetterCase)
{
    const QString strFilter = clsFileDialog::QtFilter(Q(frmMain::OpenFilter));
    EXPECT_EQ(strFilter, Q("Zarvo Language resource files (*.LRC) (*.[Ll][Rr][Cc]);;All Files (*.*) (*)"));
}

TEST_F(MainCommandsTest, SaveAsUsesTheFilterAndTheNameThatOpenLeftInTheDialog)
{
    const QString strA = mobjDir.Write(Q("a/messages.lrc"), MessagesA);
    const QString strB = mobjDir.Write(Q("b/secondary.lrc"), SecondaryA);
    const QString strC = mobjDir.Path(Q("copy of secondary.lrc"));
    const QString strFilter = clsFileDialog::QtFilter(Q(frmMain::OpenFilter));
    mfrmMain->OpenFile(strA);  // as from the command line: the dialog has not been used yet

    mobjDesktop.NextFile(std::nullopt);
    Click("mnuFileSaveAs");
    OpenByMenu(strB);
    mobjDesktop.NextFile(strC);
    Click("mnuFileSaveAs");
    mobjDesktop.NextFile(std::nullopt);
    Click("mnuFileSaveAs");
    mobjDesktop.NextFile(std::nullopt);
    Click("mnuFileOpen");  // cancelled: the dialog's name is empty afterwards
    mobjDesktop.NextFile(std::nullopt);
    Click("mnuFileSaveAs");

    const std::vector<udtFileDialogCall> udtExpected = {
        {true, Q(""), Q("")},           {false, strFilter, Q("")}, {true, strFilter, strB},
        {true, strFilter, strC},        {false, strFilter, strC},  {true, strFilter, Q("")},
    };
    ASSERT_EQ(mobjDesktop.FileDialogs().size(), udtExpected.size());
    for (size_t i = 0; i < udtExpected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(mobjDesktop.FileDialogs()[i].Save, udtExpected[i].Save);
        EXPECT_EQ(mobjDesktop.FileDialogs()[i].Filter, udtExpected[i].Filter);
        EXPECT_EQ(mobjDesktop.FileDialogs()[i].OfferedName, udtExpected[i].OfferedName);
    }
    EXPECT_EQ(clsTempDir::Read(strC), SecondaryA);
    EXPECT_EQ(mfrmMain->ActiveEditor()->FileNameValue(), strC);
}

TEST_F(MainCommandsTest, ClipboardCommandsWorkOnTheWholeTextOfTheFocusedBox)
{
    struct udtCase {
        const char* Command;  // menu item, or a toolbar key
        bool Lower;           // the several-line box, else the one-line box
        const char* ClipboardBefore;
        const char* BoxAfter;
        const char* ClipboardAfter;
    };
    const udtCase udtCases[] = {
        {"mnuEditCut", false, "old", "", "Error"},       {"Cut", true, "old", "", "Disk full.\nFree some space."},
        {"mnuEditCopy", true, "old", "Disk full.\nFree some space.", "Disk full.\nFree some space."},
        {"Copy", false, "old", "Error", "Error"},         {"mnuEditPaste", false, "", "", ""},
        {"Paste", true, "", "", ""},                      {"mnuEditPaste", true, "One\r\nTwo", "One\nTwo", "One\r\nTwo"},
    };
    mfrmMain->OpenFile(mobjDir.Write(Q("messages.lrc"), MessagesA));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    for (const udtCase& udtEntry : udtCases) {
        SCOPED_TRACE(std::string(udtEntry.Command) + (udtEntry.Lower ? " lower" : " upper"));
        if (frmEditor.ItemChanged()) mobjDesktop.Expect(DataChangedPrompt, vbQuestion + vbYesNo, Q("Data changed"), vbNo);
        ClickRow(frmEditor, 0);
        QWidget* txtBox = udtEntry.Lower ? static_cast<QWidget*>(LowerBox(frmEditor)) : UpperBox(frmEditor);
        txtBox->setFocus();
        if (udtEntry.Lower) LowerBox(frmEditor)->moveCursor(QTextCursor::Start, QTextCursor::MoveMode::KeepAnchor);
        else UpperBox(frmEditor)->setSelection(1, 2);  // a selection plays no part
        mobjDesktop.mstrClipboard = Q(udtEntry.ClipboardBefore);
        if (QByteArray(udtEntry.Command).startsWith("mnu")) Click(udtEntry.Command);
        else ClickButton(Q(udtEntry.Command));
        const QString strBox = udtEntry.Lower ? LowerBox(frmEditor)->toPlainText() : UpperBox(frmEditor)->text();
        EXPECT_EQ(strBox, Q(udtEntry.BoxAfter));
        EXPECT_EQ(mobjDesktop.mstrClipboard, Q(udtEntry.ClipboardAfter));
        // Cut and Paste change the box as typing does; a row click after them asks about it.
        EXPECT_EQ(frmEditor.ItemChanged(), !QByteArray(udtEntry.Command).contains("Copy"));
    }
    // The keys do what the menu items do, even where the box has a selection of its own.
    UpperBox(frmEditor)->setFocus();
    UpperBox(frmEditor)->setSelection(0, 1);
    QTest::keyClick(UpperBox(frmEditor), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(mobjDesktop.mstrClipboard, Q("Error"));
    EXPECT_EQ(UpperBox(frmEditor)->text(), Q(""));
    // The list has the focus: not a text box, nothing happens.
    frmEditor.findChild<QTreeView*>(Q("lvwMessages"))->setFocus();
    Click("mnuEditPaste");
    EXPECT_EQ(UpperBox(frmEditor)->text(), Q(""));
}

TEST_F(MainCommandsTest, ToolbarKeysAreComparedExactly)
{
    struct udtCase {
        const char* Key;
        bool Opens;
    };
    const udtCase udtCases[] = {{"Open", true}, {"open", false}, {"OPEN", false}, {"Open ", false},
                                {" Open", false}, {"", false},   {"Togrid", false}, {"Save changes", false}};
    for (const udtCase& udtEntry : udtCases) {
        SCOPED_TRACE(udtEntry.Key);
        const size_t lngBefore = mobjDesktop.FileDialogs().size();
        if (udtEntry.Opens) mobjDesktop.NextFile(std::nullopt);
        ClickButton(Q(udtEntry.Key));
        EXPECT_EQ(mobjDesktop.FileDialogs().size(), lngBefore + (udtEntry.Opens ? 1 : 0));
    }
    // The eight buttons, their keys and tool-tips, in order.
    const std::pair<const char*, const char*> udtButtons[] = {{"Open", "Open"}, {"Save", "Save"}, {"", ""},
                                                              {"Cut", "Cut"},   {"Copy", "Copy"}, {"Paste", "Paste"},
                                                              {"", ""},         {"ToGrid", "Save changes"}};
    const QList<QAction*> objActions = mfrmMain->findChild<QToolBar*>(Q("tbToolBar"))->actions();
    ASSERT_EQ(objActions.size(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(objActions[i]->isSeparator(), !*udtButtons[i].first) << i;
        EXPECT_EQ(objActions[i]->data().toString(), Q(udtButtons[i].first)) << i;
        EXPECT_EQ(objActions[i]->toolTip(), Q(udtButtons[i].second)) << i;
        EXPECT_EQ(objActions[i]->icon().isNull(), objActions[i]->isSeparator()) << i;
    }
}

TEST_F(MainCommandsTest, ExitAsksEveryWindowAndOneCancelKeepsAllOpen)
{
    const QString strA = mobjDir.Write(Q("messages.lrc"), MessagesA);
    const QString strB = mobjDir.Write(Q("secondary.lrc"), SecondaryA);
    mfrmMain->OpenFile(strA);
    mfrmMain->OpenFile(strB);
    ASSERT_EQ(Editors().size(), 2);
    for (frmMessageEditor* frmEditor : Editors()) {
        mfrmMain->Frame()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(frmEditor->parentWidget()));
        EditAndCommit(*frmEditor, 0, Q("!"));
    }
    mobjDesktop.Expect(DataChangedPrompt, vbQuestion + vbYesNo, Q("Data changed"), vbYes)
        .Expect(SaveChangesPrompt, vbQuestion + vbYesNoCancel, Q("Save changes"), vbYes)
        .Expect(OverwritePrompt(strA), vbQuestion + vbYesNo, Q("Overwrite file"), vbYes)
        .Expect(DataChangedPrompt, vbQuestion + vbYesNo, Q("Data changed"), vbYes)
        .Expect(SaveChangesPrompt, vbQuestion + vbYesNoCancel, Q("Save changes"), vbCancel);
    Click("mnuFileExit");
    EXPECT_TRUE(mfrmMain->isVisible());
    EXPECT_EQ(Editors().size(), 2);
    EXPECT_EQ(clsTempDir::Read(strA),
              QByteArray("MSG001:Disk full.\rMSG001:Free some space.!\r\nMST001:Error\r\nMSG002:Saved.\r\nMST002:Done\r\n"));
    EXPECT_EQ(clsTempDir::Read(strB), SecondaryA);

    // Asked again, the saved window has nothing left to ask; No in the other one ends the program.
    mobjDesktop.Expect(SaveChangesPrompt, vbQuestion + vbYesNoCancel, Q("Save changes"), vbNo);
    Click("mnuFileExit");
    EXPECT_FALSE(mfrmMain->isVisible());
    EXPECT_EQ(clsTempDir::Read(strB), SecondaryA);
}

TEST_F(MainCommandsTest, TilingStacksOrPlacesSideBySideOverTheWholeFrameAndIconsLineUpAtTheBottom)
{
    for (int n = 2; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const char* pstrNames[] = {"messages.lrc", "secondary.lrc", "core.lrc"};
        const QByteArray bytContents[] = {MessagesA, SecondaryA, CoreA};
        for (int i = 0; i < n; ++i) mfrmMain->OpenFile(mobjDir.Write(Q(pstrNames[i]), bytContents[i]));
        const QRect objArea = mfrmMain->Frame()->viewport()->rect();
        const QList<QMdiSubWindow*> objChildren = mfrmMain->Frame()->subWindowList(QMdiArea::CreationOrder);
        ASSERT_EQ(objChildren.size(), n);

        Click("mnuWindowTileHorizontal");
        int lngTop = 0;
        for (QMdiSubWindow* pobjChild : objChildren) {
            EXPECT_EQ(pobjChild->geometry().left(), 0);
            EXPECT_EQ(pobjChild->width(), objArea.width());
            EXPECT_EQ(pobjChild->geometry().top(), lngTop);
            lngTop += pobjChild->height();
        }
        EXPECT_EQ(lngTop, objArea.height());

        Click("mnuWindowTileVertical");
        int lngLeft = 0;
        for (QMdiSubWindow* pobjChild : objChildren) {
            EXPECT_EQ(pobjChild->geometry().top(), 0);
            EXPECT_EQ(pobjChild->height(), objArea.height());
            EXPECT_EQ(pobjChild->geometry().left(), lngLeft);
            lngLeft += pobjChild->width();
        }
        EXPECT_EQ(lngLeft, objArea.width());

        // Minimised windows line up along the bottom edge, left to right.
        for (QMdiSubWindow* pobjChild : objChildren) pobjChild->showMinimized();
        Click("mnuWindowArrangeIcons");
        lngLeft = 0;
        for (QMdiSubWindow* pobjChild : objChildren) {
            EXPECT_EQ(pobjChild->geometry().bottom(), objArea.bottom());
            EXPECT_EQ(pobjChild->geometry().left(), lngLeft);
            lngLeft += pobjChild->width();
        }
        for (QMdiSubWindow* pobjChild : objChildren) pobjChild->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Mended: new windows opened partly outside the frame, or stacked on one another.
TEST_F(MainCommandsTest, NewWindowsOpenInsideTheVisibleFrame)
{
    for (const QSize objMain : {QSize(620, 480), QSize(1200, 800)}) {
        mfrmMain->resize(objMain);
        QCoreApplication::processEvents();
        const char* pstrNames[] = {"messages.lrc", "secondary.lrc", "core.lrc"};
        const QByteArray bytContents[] = {MessagesA, SecondaryA, CoreA};
        for (int i = 0; i < 3; ++i) mfrmMain->OpenFile(mobjDir.Write(Q(pstrNames[i]), bytContents[i]));
        QPoint objLast(-1, -1);
        for (QMdiSubWindow* pobjChild : mfrmMain->Frame()->subWindowList(QMdiArea::CreationOrder)) {
            EXPECT_TRUE(mfrmMain->Frame()->viewport()->rect().contains(pobjChild->geometry()))
                << objMain.width() << ": " << pobjChild->geometry().x() << "," << pobjChild->geometry().y() << " "
                << pobjChild->width() << "x" << pobjChild->height();
            EXPECT_NE(pobjChild->pos(), objLast) << objMain.width();  // cascaded, not stacked on one another
            objLast = pobjChild->pos();
        }
        for (QMdiSubWindow* pobjChild : mfrmMain->Frame()->subWindowList()) pobjChild->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(MainCommandsTest, TheWindowMenuListsTheOpenWindowsBelowItsOwnItems)
{
    const QString strA = mobjDir.Write(Q("messages.lrc"), MessagesA);
    const QString strB = mobjDir.Write(Q("Tom & Jerry/core.lrc"), CoreA);
    mfrmMain->OpenFile(strA);
    mfrmMain->OpenFile(strB);
    auto* mnuWindow = mfrmMain->findChild<QMenu*>(Q("mnuWindow"));
    for (int intShowing = 0; intShowing < 2; ++intShowing) {  // rebuilt, not added to, each time
        emit mnuWindow->aboutToShow();
        QStringList strItems;
        for (QAction* pobjItem : mnuWindow->actions())
            strItems << (pobjItem->isSeparator() ? Q("-") : pobjItem->text() + (pobjItem->isChecked() ? Q(" *") : Q("")));
        EXPECT_EQ(strItems, QStringList({Q("-"), Q("&Cascade"), Q("Tile &Horizontal"), Q("Tile &Vertical"),
                                         Q("&Arrange Icons"), Q("-"), Q("&1 Localising ") + strA,
                                         Q("&2 Localising ") + QString(strB).replace(Q("&"), Q("&&")) + Q(" *")}));
    }
    mnuWindow->actions()[6]->trigger();
    EXPECT_EQ(mfrmMain->ActiveEditor()->FileNameValue(), strA);
}

TEST_F(MainCommandsTest, FileCommandsWithoutAnEditorWindowDoNothing)
{
    // No child window, then a child window that is not an editor (as the update window is).
    for (int intRound = 0; intRound < 2; ++intRound) {
        SCOPED_TRACE(intRound);
        for (const char* pstrName : {"mnuFileSave", "mnuFileSaveAs", "mnuEditCut", "mnuEditCopy", "mnuEditPaste"})
            Click(pstrName);
        for (const char* pstrKey : {"Save", "Cut", "Copy", "Paste", "ToGrid"}) ClickButton(Q(pstrKey));
        if (intRound == 0) {
            Click("mnuFileClose");
            auto* txtOther = new QLineEdit(Q("kept"));
            mfrmMain->Frame()->addSubWindow(txtOther)->show();
            txtOther->setFocus();
        }
    }
    EXPECT_TRUE(mobjDesktop.FileDialogs().empty());
    EXPECT_EQ(mfrmMain->findChild<QLineEdit*>()->text(), Q("kept"));
    Click("mnuFileClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mfrmMain->Frame()->subWindowList().isEmpty());
}

}  // namespace
}  // namespace tralyx::test
