// The commands of the menus and the toolbar: the clipboard commands on the whole text, Exit with
// the close checks, and the placing of new child windows.
#include "MainTest.h"

#include <QDir>
#include <QLabel>

namespace tralyx::test {
namespace {

using MainCommandsTest = clsMainFixture;

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
        if (frmEditor.ItemChanged()) mobjDesktop.Expect(DataChangedPrompt, vbQuestion + vbYesNoCancel, Q("Data changed"), vbNo);
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
    mfrmMain->Frame()->activateNextSubWindow();  // the first in front: the second must come forward to ask
    mobjDesktop.Expect(DataChangedPrompt, vbQuestion + vbYesNoCancel, Q("Data changed"), vbYes)
        .Expect(SaveChangesPrompt, vbQuestion + vbYesNoCancel, Q("Save changes"), vbYes)
        .Expect(OverwritePrompt(strA), vbQuestion + vbYesNo, Q("Overwrite file"), vbYes)
        .Expect(DataChangedPrompt, vbQuestion + vbYesNoCancel, Q("Data changed"), vbYes)
        .Expect(SaveChangesPrompt, vbQuestion + vbYesNoCancel, Q("Save changes"), vbCancel);
    Click("mnuFileExit");
    EXPECT_TRUE(mfrmMain->isVisible());
    EXPECT_EQ(Editors().size(), 2);
    EXPECT_EQ(mfrmMain->ActiveEditor(), Editors()[1]);
    EXPECT_EQ(clsTempDir::Read(strA),
              QByteArray("MSG001:Disk full.\rMSG001:Free some space.!\r\nMST001:Error\r\nMSG002:Saved.\r\nMST002:Done\r\n"));
    EXPECT_EQ(clsTempDir::Read(strB), SecondaryA);

    // Asked again, the saved window has nothing left to ask; No in the other one ends the program.
    mobjDesktop.Expect(SaveChangesPrompt, vbQuestion + vbYesNoCancel, Q("Save changes"), vbNo);
    Click("mnuFileExit");
    EXPECT_FALSE(mfrmMain->isVisible());
    EXPECT_EQ(clsTempDir::Read(strB), SecondaryA);
}

// Save All: the folder's changed files with one question, none of their own; No saves nothing.
TEST_F(MainCommandsTest, SaveAllSavesTheFoldersChangedFilesWithOneQuestion)
{
    const QString strA = mobjDir.Write(Q("messages.lrc"), MessagesA);
    const QString strB = mobjDir.Write(Q("secondary.lrc"), SecondaryA);
    const QString strC = mobjDir.Write(Q("core.lrc"), CoreA);
    for (const QString& strFile : {strA, strB, strC}) mfrmMain->OpenFile(strFile);
    ASSERT_EQ(Editors().size(), 3);
    for (frmMessageEditor* frmEditor : Editors().mid(0, 2)) {
        mfrmMain->Frame()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(frmEditor->parentWidget()));
        EditAndCommit(*frmEditor, 0, Q("!"));
    }
    const QString strPrompt = Q("Save the changes to messages.lrc, secondary.lrc in ") + QDir::toNativeSeparators(mobjDir.Path()) +
                              Q("?\r\nThe files there are overwritten.");
    mobjDesktop.Expect(strPrompt, vbQuestion + vbYesNo, Q("Save All"), vbNo);
    Click("mnuFileSaveAll");
    EXPECT_EQ(clsTempDir::Read(strA), MessagesA);
    mobjDesktop.Expect(strPrompt, vbQuestion + vbYesNo, Q("Save All"), vbYes);
    Click("mnuFileSaveAll");
    EXPECT_TRUE(clsTempDir::Read(strA).contains("Free some space.!"));
    EXPECT_EQ(clsTempDir::Read(strB), QByteArray("TXT001:First!\r\nTXT002:Second\r\n"));
    EXPECT_EQ(clsTempDir::Read(strC), CoreA);
    EXPECT_FALSE(Editors()[0]->DataChanged() || Editors()[1]->DataChanged());
}

// The empty frame says how to begin and lists what was opened last; it steps aside for a window.
TEST_F(MainCommandsTest, TheEmptyFrameSaysHowToBegin)
{
    auto* lblWelcome = mfrmMain->findChild<QLabel*>(Q("lblWelcome"));
    ASSERT_NE(lblWelcome, nullptr);
    EXPECT_TRUE(lblWelcome->isVisible());
    EXPECT_TRUE(lblWelcome->text().contains(Q("Open Language Folder")));
    const QString strFile = mobjDir.Write(Q("messages.lrc"), MessagesA);
    mfrmMain->OpenFile(strFile);
    EXPECT_FALSE(lblWelcome->isVisible());
    Click("mnuFileClose");
    EXPECT_TRUE(lblWelcome->isVisible());
    EXPECT_TRUE(lblWelcome->text().contains(QDir::toNativeSeparators(strFile).toHtmlEscaped()));
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
    EXPECT_EQ(mfrmMain->findChild<QLineEdit*>()->text(), Q("kept"));
    Click("mnuFileClose");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mfrmMain->Frame()->subWindowList().isEmpty());
}

}  // namespace
}  // namespace tralyx::test
