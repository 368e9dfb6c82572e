// The workbench in the main window: which source folder a file gets, what the status bar and the
// Source dock then say, the filter over a row being edited, the work over a language's files
// and the memory's concordance.
#include "editor/clsWorkbenchRows.h"
#include "MainTest.h"
#include "memory/clsTranslationMemory.h"
#include "windows/editor/frmReplace.h"
#include "windows/memory/frmTranslationMemory.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTextCursor>
#include <QTimer>

namespace tralyx::test {
namespace {

class clsWorkbenchMainTest : public clsMainFixture {
protected:
    QString Work() const { return mfrmMain->findChild<QLabel*>(Q("sbWork"))->text(); }
    bool DockShown() const { return mfrmMain->findChild<QDockWidget*>(Q("dckSource"))->isVisible(); }
    QLineEdit* FilterBox() const { return mfrmMain->findChild<QLineEdit*>(Q("txtFilter")); }
    QComboBox* FilterShow() const { return mfrmMain->findChild<QComboBox*>(Q("cboFilterShow")); }
    QString Count() const { return mfrmMain->findChild<QLabel*>(Q("lblFilterCount"))->text(); }
};

// Update Files takes the open folder as the old one; the memory's Add Folder opens beside the folder
// added last, else beside the open one.
TEST_F(clsWorkbenchMainTest, UpdateFilesAndTheMemoryStartFromTheOpenFolder)
{
    const QString strFolder = QFileInfo(mobjDir.Write(Q("R1/German/messages.lrc"), MessagesA)).absolutePath();
    mobjDir.Write(Q("R1/English/messages.lrc"), MessagesA);
    ASSERT_TRUE(mfrmMain->OpenFile(strFolder + Q("/messages.lrc")));
    auto* dckSource = mfrmMain->findChild<QDockWidget*>(Q("dckSource"));
    const int lngDockWidth = dckSource->width();
    Click("mnuMergeFiles");
    auto* txtOld = mfrmMain->findChild<QLineEdit*>(Q("txtOldFile"));
    ASSERT_NE(txtOld, nullptr);
    EXPECT_EQ(txtOld->text(), strFolder);
    QCoreApplication::processEvents();
    // The dock stays as wide as it was, greyed, while the update window is in front.
    EXPECT_TRUE(DockShown() && !dckSource->widget()->isEnabled());
    EXPECT_EQ(dckSource->width(), lngDockWidth);
    const std::pair<QStringList, QString> udtCases[] = {{{}, mobjDir.Path(Q("R1"))}, {{Q("/m/a/French")}, Q("/m/a")}};
    for (const auto& [strPaths, strStart] : udtCases) {
        frmTranslationMemory frmMemory(strPaths, strFolder, mfrmMain.get());
        mobjDesktop.NextFolder(std::nullopt);
        QTest::mouseClick(frmMemory.findChild<QPushButton*>(Q("cmdAddFolder")), Qt::LeftButton);
        EXPECT_EQ(mobjDesktop.FolderStarts().value(mobjDesktop.FolderStarts().size() - 1), strStart);
    }
}

TEST_F(clsWorkbenchMainTest, SourceFolderDecidesStatusAndDock)
{
    const QString strGerman = mobjDir.Write(Q("German/messages.lrc"), MessagesA);
    const QString strOther = mobjDir.Write(Q("Other/messages.lrc"), MessagesB);
    // Without a source folder the window is as it was: no progress, no dock.
    ASSERT_TRUE(mfrmMain->OpenFile(strOther));
    EXPECT_TRUE(Work().isEmpty());
    EXPECT_FALSE(DockShown());
    QAction* mnuViewSourceColumn = mfrmMain->findChild<QAction*>(Q("mnuViewSourceColumn"));
    EXPECT_FALSE(mnuViewSourceColumn->isEnabled());
    mobjDir.Write(Q("english/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error\r\nMSG002:Saved.\r\nMST002:Done\r\n");

    // The "English" sibling in any letter case is found by itself.
    ASSERT_TRUE(mfrmMain->OpenFile(strGerman));
    EXPECT_EQ(Work().toStdString(), "Translated 1 of 4 (25%) \u00B7 0 errors \u00B7 1 warning");
    EXPECT_TRUE(DockShown());
    EXPECT_EQ(mfrmMain->findChild<QPlainTextEdit*>(Q("txtSource2"))->toPlainText(), Q("Disk is full."));
    // The list's Source column, on by default, goes off in the window and for the next start.
    ASSERT_TRUE(mnuViewSourceColumn->isEnabled() && mnuViewSourceColumn->isChecked());
    Click("mnuViewSourceColumn");
    EXPECT_TRUE(List(*mfrmMain->ActiveEditor())->header()->isSectionHidden(SourceColumn(*mfrmMain->ActiveEditor())));
    EXPECT_FALSE(frmMessageEditor::SourceColumnWanted());

    // Chosen by hand: used at once and remembered for the translated folder.
    mobjDesktop.NextFolder(mobjDir.Path(Q("Other")));
    Click("mnuFileSourceFolder");
    EXPECT_EQ(mfrmMain->findChild<QPlainTextEdit*>(Q("txtSource2"))->toPlainText(), Q("Other file"));
    ASSERT_TRUE(mfrmMain->OpenFile(strOther));
    ASSERT_TRUE(mfrmMain->OpenFile(strGerman));
    EXPECT_EQ(mfrmMain->ActiveEditor()->SourceFolder(), mobjDir.Path(Q("Other")));
    // With the last window closed the dock goes too.
    Click("mnuFileClose");
    EXPECT_FALSE(DockShown());
}

TEST_F(clsWorkbenchMainTest, CtrlFFocusesTheFilterWhichActsOnTheActiveList)
{
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), MessagesA)));
    QTest::keyClick(mfrmMain.get(), Qt::Key_F, Qt::ControlModifier);
    auto* txtFilter = mfrmMain->findChild<QLineEdit*>(Q("txtFilter"));
    EXPECT_TRUE(txtFilter->hasFocus());
    QTest::keyClicks(txtFilter, Q("saved"));
    EXPECT_EQ(mfrmMain->findChild<QLabel*>(Q("lblFilterCount"))->text(), Q("1 of 2 rows"));
    EXPECT_EQ(mfrmMain->ActiveEditor()->CurrentItem(), 2);
}

TEST_F(clsWorkbenchMainTest, TheLanguagesProgressIsShownAndF8GoesOnInItsNextFile)
{
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error\r\nMSG002:Saved.\r\nMST002:Done\r\n"
                                             "MSG003:Quit?\r\nMST003:Quit\r\nMSG004:Open?\r\nMST004:Open\r\n");
    mobjDir.Write(Q("English/secondary.lrc"), "TXT001:One\r\nTXT002:Two\r\n");
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("Deutsch/secondary.lrc"), "TXT001:Eins\r\nTXT002:Two\r\n")));
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("Deutsch/messages.lrc"), "MSG001:Voll.\r\nMST001:Fehler\r\nMSG002:Gespeichert.\r\n"
                                                 "MST002:Fertig\r\nMSG003:Beenden?\r\nMST003:Quit\r\nMSG004:Open?\r\nMST004:Oeffnen\r\n")));
    EXPECT_EQ(Work(), Q("Translated 6 of 8 (75%) · 0 errors · 0 warnings  —  German: 7 of 10 translated"));
    const struct {
        bool Commit;         // Ctrl+Return in the focused box, else F8
        const char* Typed;   // into the focused box first
        int32_t Answer;      // to the offer of the next file; 0: none is made
        const char* From;    // the file the offer is made in
        const char* File;
        int32_t Row;
        bool Upper;          // the box with the focus
    } udtPresses[] = {
        {true, "", 0, "", "messages.lrc", 3, true},  // past the rows that need nothing
        {false, "", 0, "", "messages.lrc", 4, false},
        {false, "", 0, "", "messages.lrc", 3, true},  // round the end before any other file
        {true, "Beenden", 0, "", "messages.lrc", 4, false},
        {false, "", vbNo, "messages", "messages.lrc", 4, false},
        {false, "", vbYes, "messages", "secondary.lrc", 2, false},
        {false, "", vbYes, "secondary", "messages.lrc", 4, false},
        {true, "Oeffnen?", vbYes, "messages", "secondary.lrc", 2, false},  // the file's last work committed
        {true, "", 0, "", "secondary.lrc", 2, false},  // its English accepted: done, and nothing is left
    };
    for (size_t i = 0; i < std::size(udtPresses); ++i) {
        const auto& udtPress = udtPresses[i];
        frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
        if (*udtPress.Typed && QApplication::focusWidget() == UpperBox(frmEditor)) UpperBox(frmEditor)->setText(Q(udtPress.Typed));
        else if (*udtPress.Typed) LowerBox(frmEditor)->setPlainText(Q(udtPress.Typed));
        if (udtPress.Answer)
            mobjDesktop.Expect(Q("No other entry in %1.lrc needs work.\r\nGo on with %2?")
                                   .arg(Q(udtPress.From), Q(udtPress.From) == Q("messages") ? Q("secondary.lrc") : Q("messages.lrc")),
                               vbQuestion + vbYesNo, Q("Next Needing Work"), udtPress.Answer);
        if (udtPress.Commit) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        else Click("mnuEditNextToDo");
        frmMessageEditor& frmNow = *mfrmMain->ActiveEditor();
        EXPECT_TRUE(frmNow.FileNameValue().endsWith(Q(udtPress.File))) << "press " << i;
        EXPECT_EQ(frmNow.CurrentItem(), udtPress.Row) << "press " << i;
        EXPECT_EQ(QApplication::focusWidget(), udtPress.Upper ? static_cast<QWidget*>(UpperBox(frmNow)) : LowerBox(frmNow)) << "press " << i;
    }
    EXPECT_FALSE(mfrmMain->ActiveEditor()->NeedsWorkAfter(-1));
}

TEST_F(clsWorkbenchMainTest, ReplaceActsOnTheFilesItNamesAndFindNextSelectsTheMatch)
{
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/secondary.lrc"), "TXT001:Eins\r\nTXT002:Die Notiz\r\n")));
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), "MSG001:Notiz weg\r\nMST001:Notiz\r\nMSG002:x\r\n")));
    Click("mnuEditReplace");
    auto* frmFind = mfrmMain->findChild<frmReplace*>(Q("frmReplace"));
    frmFind->findChild<QLineEdit*>(Q("txtFind"))->setText(Q("notiz"));
    frmFind->findChild<QComboBox*>(Q("cboLookIn"))->setCurrentIndex(1);
    EXPECT_EQ(frmFind->findChild<QLabel*>(Q("lblFiles"))->text(), Q("In secondary.lrc, messages.lrc"));
    const auto Selected = [this] {
        frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
        return UpperBox(frmEditor)->isVisible() && UpperBox(frmEditor)->hasSelectedText() ? UpperBox(frmEditor)->selectedText()
                                                                                        : LowerBox(frmEditor)->textCursor().selectedText();
    };
    const struct {
        const char* File;
        int32_t Row;
    } udtFinds[] = {{"secondary.lrc", 2}, {"messages.lrc", 1}, {"secondary.lrc", 2}};
    for (const auto& udtFind : udtFinds) {
        frmFind->cmdFindNext_Click();
        EXPECT_TRUE(mfrmMain->ActiveEditor()->FileNameValue().endsWith(Q(udtFind.File)));
        EXPECT_EQ(mfrmMain->ActiveEditor()->CurrentItem(), udtFind.Row);
        EXPECT_EQ(Selected(), Q("Notiz"));
    }
    frmFind->findChild<QLineEdit*>(Q("txtReplace"))->setText(Q("Memo"));
    mobjDesktop.Expect(Q("Replace all will change 2 entries in 2 files…"), vbQuestion + vbYesNo, Q("Replace all"), vbYes);
    frmFind->cmdReplaceAll_Click();
    EXPECT_EQ(gobjTextStore->SecondaryTable()[1], Q("Die Memo"));
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Title, Q("Memo"));
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, Q("Memo weg"));
}

TEST_F(clsWorkbenchMainTest, CtrlCAndTheContextMenuCopyTheDocksSelection)
{
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMSG001:Free space.\r\nMST001:Error\r\n");
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), MessagesA)));
    auto* txtSource = mfrmMain->findChild<QPlainTextEdit*>(Q("txtSource2"));
    const auto Select = [txtSource](int plngFrom, int plngTo) {
        QTextCursor objCursor = txtSource->textCursor();
        objCursor.setPosition(plngFrom);
        objCursor.setPosition(plngTo, QTextCursor::KeepAnchor);
        txtSource->setTextCursor(objCursor);
        txtSource->setFocus();
    };
    const struct {
        int From, To;
        bool ByMenu;
        QString Copied;
    } udtCases[] = {
        {0, 4, false, Q("Disk")},
        {8, 18, false, Q("full.\nFree")},
        {5, 7, true, Q("is")},
    };
    for (const auto& udtCase : udtCases) {
        Select(udtCase.From, udtCase.To);
        if (udtCase.ByMenu) {
            QTimer::singleShot(0, [] {
                QWidget* objMenu = QApplication::activePopupWidget();
                ASSERT_NE(objMenu, nullptr);
                objMenu->findChild<QAction*>(Q("mnuSourceCopy"))->trigger();
                objMenu->close();
            });
            QContextMenuEvent objEvent(QContextMenuEvent::Mouse, QPoint(2, 2), txtSource->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(txtSource, &objEvent);
        } else {
            QTest::keyClick(txtSource, Qt::Key_C, Qt::ControlModifier);
        }
        EXPECT_EQ(mobjDesktop.mstrClipboard, udtCase.Copied);
    }
}

TEST_F(clsWorkbenchMainTest, ClickingASuggestionsKeyInTheDockTakesIt)
{
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error\r\n");
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), "MSG001:\r\nMST001:Fehler\r\n")));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    auto objMemory = std::make_shared<clsTranslationMemory>();
    objMemory->AddUnit(Q("Disk is full."), Q("Platte voll."), Q("old.tmx"), QString());
    frmEditor.SetMemory(objMemory);
    auto* txtSuggestions = mfrmMain->findChild<QTextBrowser*>(Q("txtSuggestions"));
    emit txtSuggestions->anchorClicked(QUrl(Q("take:2")));  // there is no second
    EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), Q(""));
    emit txtSuggestions->anchorClicked(QUrl(Q("take:1")));
    EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), Q("Platte voll."));
}

TEST_F(clsWorkbenchMainTest, CtrlShiftFLooksUpTheDocksSelectionAndAResultGoesIntoTheBoxOrOntoTheClipboard)
{
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error\r\n");
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), "MSG001:Die \r\nMST001:Fehler\r\n")));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    auto objMemory = std::make_shared<clsTranslationMemory>();
    objMemory->AddUnit(Q("The disk is full."), Q("Die Platte ist voll."), Q("old.tmx"), Q("MSG009"));
    objMemory->AddUnit(Q("Print"), Q("Drucken"), Q("old.tmx"), QString());
    objMemory->AddUnit(Q("&Disk"), Q("&Platte"), Q("old.tmx"), QString());
    frmEditor.SetMemory(objMemory);
    LowerBox(frmEditor)->setFocus();
    LowerBox(frmEditor)->moveCursor(QTextCursor::End);  // where the result goes, though the dock has the focus
    auto* txtSource = mfrmMain->findChild<QPlainTextEdit*>(Q("txtSource2"));
    QTextCursor objCursor = txtSource->textCursor();
    objCursor.setPosition(4, QTextCursor::KeepAnchor);  // "Disk"
    txtSource->setTextCursor(objCursor);
    txtSource->setFocus();
    QTest::keyClick(txtSource, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* frmFind = mfrmMain->findChild<QWidget*>(Q("frmConcordance"));
    ASSERT_NE(frmFind, nullptr);
    EXPECT_EQ(frmFind->findChild<QLineEdit*>(Q("txtConcordance"))->text(), Q("Disk"));
    auto* lvwHits = frmFind->findChild<QTreeWidget*>(Q("lvwConcordance"));
    ASSERT_EQ(lvwHits->topLevelItemCount(), 2);
    EXPECT_EQ(lvwHits->topLevelItem(0)->text(2), Q("old.tmx \u00B7 MSG009"));
    EXPECT_EQ(frmFind->findChild<QLabel*>(Q("lblConcordanceCount"))->text(), Q("2 units of the memory hold it."));
    frmFind->findChild<QPushButton*>(Q("cmdConcordanceCopy"))->click();
    EXPECT_EQ(mobjDesktop.mstrClipboard, Q("Die Platte ist voll."));
    lvwHits->setCurrentItem(lvwHits->topLevelItem(1));
    frmFind->findChild<QPushButton*>(Q("cmdConcordanceInsert"))->click();
    EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), Q("Die &Platte"));
}

TEST_F(clsWorkbenchMainTest, TheDockListsTheGlossarysTermsAndAltNumberTypesOne)
{
    mobjDesktop.NextFile(mobjDir.Write(Q("de.csv"), "en,de\ndisk,Datenträger\n"));
    Click("mnuFileGlossary");
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error\r\n");
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), "MSG001:Platte voll.\r\nMST001:Fehler\r\n")));
    QCoreApplication::processEvents();  // the workbench comes once the window is up
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    EXPECT_TRUE(frmEditor.CurrentProblems().join(u'\n').contains(Q("\"disk\" should be \"Datenträger\"")));
    EXPECT_TRUE(mfrmMain->findChild<QTextBrowser*>(Q("txtTerms"))->toPlainText().contains(Q("Datenträger")));
    LowerBox(frmEditor)->setFocus();
    LowerBox(frmEditor)->moveCursor(QTextCursor::Start);
    QTest::keyClick(LowerBox(frmEditor), Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), Q("DatenträgerPlatte voll."));
    Click("mnuFileGlossaryClear");
    EXPECT_TRUE(frmEditor.CurrentProblems().isEmpty());
}

TEST_F(clsWorkbenchMainTest, CtrlHInATextBoxOpensReplaceAndLeavesTheText)
{
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), MessagesA)));
    QLineEdit* txtTitle = UpperBox(*mfrmMain->ActiveEditor());
    txtTitle->setFocus();
    QTest::keyClick(txtTitle, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(txtTitle->text(), Q("Error"));
    auto* frmFind = mfrmMain->findChild<QWidget*>(Q("frmReplace"));
    ASSERT_NE(frmFind, nullptr);
    EXPECT_TRUE(frmFind->isVisible());
}

TEST_F(clsWorkbenchMainTest, CtrlUInABoxMarksDoneAndTheNoteIsSavedOverAnUnreadableState)
{
    const QString strGerman = mobjDir.Write(Q("German/messages.lrc"), MessagesA);
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error!\r\nMSG002:Saved.\r\nMST002:Done\r\n");
    mobjDir.Write(Q("German/translation-state.json"), "not json");
    ASSERT_TRUE(mfrmMain->OpenFile(strGerman));
    EXPECT_TRUE(Work().contains(Q("translation-state.json"))) << Work().toStdString();
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    ClickRow(frmEditor, 1);
    ASSERT_EQ(frmEditor.RowState(1), RowSameAsSource);
    LowerBox(frmEditor)->setFocus();
    QTest::keyClick(LowerBox(frmEditor), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(frmEditor.RowState(1), 0);
    EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), Q("Saved."));  // the key is not the box's
    auto* txtNote = mfrmMain->findChild<QPlainTextEdit*>(Q("txtNote"));
    txtNote->setFocus();
    QTest::keyClicks(txtNote, Q("The same on purpose"));
    // Asked first: what the unreadable file holds is lost.
    mobjDesktop.Expect(mobjDir.Path(Q("German/translation-state.json: line 1: not valid JSON\u2026")), vbExclamation + vbYesNo + vbDefaultButton2,
                       Q("Translation state"), vbYes);
    mobjDesktop.Expect(OverwritePrompt(frmEditor.FileNameValue()), 36, Q("Overwrite file"), vbYes);
    Click("mnuFileSave");
    const QByteArray bytState = clsTempDir::ReadState(mobjDir.Path(Q("German/translation-state.json")));
    EXPECT_TRUE(bytState.contains(R"({"id": "MSG002", "done": true, "note": "The same on purpose"})")) << bytState.toStdString();
    // A note still in the box when its window closes is a change like any other.
    QTest::keyClicks(txtNote, Q("!"));
    mobjDesktop.Expect(SaveChangesPrompt, vbQuestion + vbYesNoCancel, Q("Save changes"), vbCancel);
    Click("mnuFileClose");
    EXPECT_EQ(frmEditor.Note(), Q("The same on purpose!"));
}

// An import changes the state while the file is open (a review ended, a note): the window's Save
// adds its own change to the state as the file now holds it, and loses neither.
TEST_F(clsWorkbenchMainTest, SaveKeepsWhatAnotherProgramChangedInTheStateMeanwhile)
{
    const QString strGerman = mobjDir.Write(Q("German/messages.lrc"), MessagesA);
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error!\r\nMSG002:Saved.\r\nMST002:Done\r\n");
    const QByteArray Head = "{\n  \"tralyx-translation-state\": 1,\n  \"files\": {\n    \"messages.lrc\": [\n      ";
    mobjDir.Write(Q("German/translation-state.json"), Head + "{\"id\": \"MSG001\", \"review\": \"Disk full.\"}\n    ]\n  }\n}\n");
    ASSERT_TRUE(mfrmMain->OpenFile(strGerman));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    mobjDir.Write(Q("German/translation-state.json"), Head + "{\"id\": \"MSG001\", \"note\": \"imported\"}\n    ]\n  }\n}\n");
    ClickRow(frmEditor, 1);
    LowerBox(frmEditor)->setFocus();
    QTest::keyClick(LowerBox(frmEditor), Qt::Key_U, Qt::ControlModifier);
    mobjDesktop.Expect(OverwritePrompt(frmEditor.FileNameValue()), 36, Q("Overwrite file"), vbYes);
    Click("mnuFileSave");
    EXPECT_EQ(clsTempDir::ReadState(mobjDir.Path(Q("German/translation-state.json"))),
              Head + "{\"id\": \"MSG001\", \"note\": \"imported\"},\n      {\"id\": \"MSG002\", \"done\": true},\n"
                     "      {\"id\": \"MST002\", \"done\": true}\n    ]\n  }\n}\n");
}

TEST_F(clsWorkbenchMainTest, TypingInTheFilterKeepsTheRowBeingEditedAndAsksNothing)
{
    mobjDir.Write(Q("English/messages.lrc"), "MSG001:Disk is full.\r\nMST001:Error\r\nMSG002:Saved.\r\nMST002:Done\r\n");
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), MessagesA)));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    ClickRow(frmEditor, 0);
    TypeLower(frmEditor, Q(" Notiz"));
    const QString strTyped = Q("Disk full.\nFree some space. Notiz");
    QTest::keyClick(mfrmMain.get(), Qt::Key_F, Qt::ControlModifier);
    // Every step runs with the typing still uncommitted; a question would fail the test.
    const struct {
        std::function<void()> Step;
        QString Count, Box;
        bool Typed, ReadOnly;
    } udtSteps[] = {
        {[&] { QTest::keyClicks(FilterBox(), Q("xnotiz")); }, Q("0 of 2 rows and the row being edited"), strTyped, true, false},
        {[&] { FilterShow()->setCurrentIndex(2); }, Q("0 of 2 rows and the row being edited"), strTyped, true, false},
        {[&] { FilterBox()->clear(); }, Q("0 of 2 rows and the row being edited"), strTyped, true, false},
        // Committed: the row is let go, and nothing is listed for the boxes to show.
        {[&] { ClickButton(Q("ToGrid")); }, Q("0 of 2 rows"), Q(""), false, true},
        {[&] { FilterShow()->setCurrentIndex(0); }, Q("2 of 2 rows"), Q("Disk full.\nFree some space. Notiz"), false, false},
    };
    for (size_t i = 0; i < std::size(udtSteps); ++i) {
        udtSteps[i].Step();
        EXPECT_EQ(Count(), udtSteps[i].Count) << "step " << i;
        EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), udtSteps[i].Box) << "step " << i;
        EXPECT_EQ(frmEditor.ItemChanged() && frmEditor.CurrentItem() == 1, udtSteps[i].Typed) << "step " << i;
        EXPECT_EQ(LowerBox(frmEditor)->isReadOnly(), udtSteps[i].ReadOnly) << "step " << i;
    }
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, Q("Disk full.\r\nFree some space. Notiz"));
}

TEST_F(clsWorkbenchMainTest, EachWindowKeepsItsFilterWhichReadsCaptionsAsShown)
{
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/core.lrc"), "frmMain.chkPinned.0.C:Notizen &zuerst zeigen\r\n" + CoreA)));
    QMdiSubWindow* objCore = mfrmMain->Frame()->activeSubWindow();
    ASSERT_TRUE(mfrmMain->OpenFile(mobjDir.Write(Q("German/messages.lrc"), MessagesA)));
    QMdiSubWindow* objMessages = mfrmMain->Frame()->activeSubWindow();
    const struct {
        QMdiSubWindow* Window;
        const char* Typed;  // nullptr: the window is only activated
        QString Bar, Count;
    } udtSteps[] = {
        {objCore, "notizen zuerst", Q("notizen zuerst"), Q("1 of 2 rows")},
        {objMessages, nullptr, Q(""), Q("2 of 2 rows")},
        {objMessages, "saved", Q("saved"), Q("1 of 2 rows")},
        {objCore, nullptr, Q("notizen zuerst"), Q("1 of 2 rows")},
        {objCore, "&", Q("notizen zuerst&"), Q("0 of 2 rows")},
    };
    for (size_t i = 0; i < std::size(udtSteps); ++i) {
        mfrmMain->Frame()->setActiveSubWindow(udtSteps[i].Window);
        if (udtSteps[i].Typed) QTest::keyClicks(FilterBox(), Q(udtSteps[i].Typed));
        EXPECT_EQ(FilterBox()->text(), udtSteps[i].Bar) << "step " << i;
        EXPECT_EQ(Count(), udtSteps[i].Count) << "step " << i;
    }
}

}  // namespace
}  // namespace tralyx::test
