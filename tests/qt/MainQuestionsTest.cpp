// The questions about unsaved work say which file and entry they are about, and the row-switch
// question lets the user stay on the row.
#include "MainTest.h"

#include <QFile>

namespace tralyx::test {
namespace {

using clsMainQuestionsTest = clsMainFixture;

TEST_F(clsMainQuestionsTest, ExitAsksAboutEachWindowByFileAndEntry)
{
    const struct {
        const char* File;
        QByteArray Bytes;
        const char* Entry;
    } udtFiles[] = {
        {"German/messages.lrc", MessagesA, "MSG001 \u201CError\u201D"},
        {"German/secondary.lrc", SecondaryA, "TXT001 \u201CFirst\u201D"},
        {"German/core.lrc", CoreA, "frmMain.cmdOK.0 \u201COK\u201D"},
    };
    for (const auto& udtFile : udtFiles) {
        const QString strPath = mobjDir.Write(Q(udtFile.File), udtFile.Bytes);
        ASSERT_TRUE(mfrmMain->OpenFile(strPath));
        ClickRow(*mfrmMain->ActiveEditor(), 0);
        TypeLower(*mfrmMain->ActiveEditor(), Q("!"));
        mobjDesktop.Expect(Q("This item has changed, do you want to save the changes?\r\n\r\n") + strPath + Q(", ") + Q(udtFile.Entry),
                           vbQuestion + vbYesNoCancel, Q("Data changed"), vbNo);
    }
    mfrmMain->close();
    EXPECT_EQ(mobjDesktop.Pending(), 0u);
    EXPECT_FALSE(mfrmMain->isVisible());
}

TEST_F(clsMainQuestionsTest, CancelOnLeavingARowStaysOnItWithTheTyping)
{
    const QString strPath = mobjDir.Write(Q("German/messages.lrc"), MessagesA);
    ASSERT_TRUE(mfrmMain->OpenFile(strPath));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    ClickRow(frmEditor, 0);
    TypeLower(frmEditor, Q("!"));
    // Leaving by a click, or saving: each asks once.
    const std::function<void()> fnLeave[] = {[&] { ClickRow(frmEditor, 1); }, [&] { Click("mnuFileSave"); }};
    for (size_t i = 0; i < std::size(fnLeave); ++i) {
        mobjDesktop.Expect(DataChangedPrompt, vbQuestion + vbYesNoCancel, Q("Data changed"), vbCancel);
        fnLeave[i]();
        EXPECT_EQ(mobjDesktop.Pending(), 0u) << "way " << i;
        EXPECT_EQ(frmEditor.CurrentItem(), 1) << "way " << i;
        EXPECT_EQ(List(frmEditor)->currentIndex().row(), 0) << "way " << i;
        EXPECT_EQ(LowerBox(frmEditor)->toPlainText(), Q("Disk full.\nFree some space.!")) << "way " << i;
        EXPECT_TRUE(frmEditor.ItemChanged()) << "way " << i;
    }
    EXPECT_EQ(gobjTextStore->MessageTable()[0].Message, Q("Disk full.\r\nFree some space."));
}

TEST_F(clsMainQuestionsTest, OverwriteOfTheOwnFileAsksUnlessTurnedOffSaveAsAlwaysAsks)
{
    const QString strPath = mobjDir.Write(Q("German/messages.lrc"), MessagesA);
    const QString strOther = mobjDir.Write(Q("Other/messages.lrc"), MessagesB);
    ASSERT_TRUE(mfrmMain->OpenFile(strPath));
    frmMessageEditor& frmEditor = *mfrmMain->ActiveEditor();
    auto* mnuAsk = mfrmMain->findChild<QAction*>(Q("mnuFileAskOverwrite"));
    ASSERT_TRUE(mnuAsk->isChecked());
    const struct {
        bool Ask;
        const QString* SaveAs;  // nullptr: Save
        const QString* Asked;   // the file the question names; nullptr: none
    } udtSaves[] = {
        {true, nullptr, &strPath},
        {false, nullptr, nullptr},
        {false, &strOther, &strOther},
        {false, nullptr, nullptr},  // the window's file is now the other one
        {true, nullptr, &strOther},
    };
    for (size_t i = 0; i < std::size(udtSaves); ++i) {
        ClickRow(frmEditor, 0);
        TypeLower(frmEditor, Q("!"));
        frmEditor.CommitAndNext();
        mnuAsk->setChecked(udtSaves[i].Ask);
        if (udtSaves[i].Asked) mobjDesktop.Expect(OverwritePrompt(*udtSaves[i].Asked), vbQuestion + vbYesNo, Q("Overwrite file"), vbYes);
        if (udtSaves[i].SaveAs) mobjDesktop.NextFile(*udtSaves[i].SaveAs);
        Click(udtSaves[i].SaveAs ? "mnuFileSaveAs" : "mnuFileSave");
        EXPECT_EQ(mobjDesktop.Pending(), 0u) << "save " << i;
        EXPECT_FALSE(frmEditor.DataChanged()) << "save " << i;
        QFile objFile(frmEditor.FileNameValue());
        ASSERT_TRUE(objFile.open(QIODevice::ReadOnly));
        EXPECT_TRUE(objFile.readAll().contains("space." + QByteArray(int(i) + 1, '!') + "\r\n")) << "save " << i;
    }
}

}  // namespace
}  // namespace tralyx::test
