// The update files window: when "&Update" may be pressed, browsing, what an update asks and says,
// that there is one such window at a time, and the saved report.
#include "common/basApplication.h"
#include "common/basGeneralItems.h"
#include "ScriptedDesktop.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "updatetool/frmUpdateFiles.h"

#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const char* const FileNames[] = {"core.lrc", "messages.lrc", "secondary.lrc"};

class UpdateFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mobjArea.show();
        mfrmForm = frmUpdateFiles::ShowIn(&mobjArea);
        ASSERT_NE(mfrmForm, nullptr);
    }
    QLineEdit* Box(int i) const { return mfrmForm->findChild<QLineEdit*>(QStringList{"txtOldFile", "txtNewFile", "txtDestination"}[i]); }
    QPushButton* Button(const char* pstrName) const { return mfrmForm->findChild<QPushButton*>(pstrName); }
    void SetAll(const QString& a, const QString& b, const QString& c) const { Box(0)->setText(a), Box(1)->setText(b), Box(2)->setText(c); }
    QStringList Texts() const { return {Box(0)->text(), Box(1)->text(), Box(2)->text()}; }

    clsTempDir mobjDir;
    clsScriptedDesktop mobjDesktop;  // outlives the window
    QMdiArea mobjArea;
    QPointer<frmUpdateFiles> mfrmForm;
};

}  // namespace

TEST_F(UpdateFilesTest, UpdateIsEnabledExactlyWhenAllThreeBoxesHoldText)
{
    EXPECT_FALSE(Button("cmdUpdate")->isEnabled());
    const std::tuple<int, const char*, bool> udtSteps[] = {{0, "o", false}, {2, "d", false}, {1, " ", true},  // blanks count
                                                           {1, "\b", false}, {1, "n", true}, {0, "\b", false}, {0, "x", true}};
    for (const auto& [i, pstrKeys, booEnabled] : udtSteps) {
        if (*pstrKeys == '\b') QTest::keyClick(Box(i), Qt::Key_Backspace);
        else QTest::keyClicks(Box(i), pstrKeys);
        EXPECT_EQ(Button("cmdUpdate")->isEnabled(), booEnabled) << "box " << i << " now \"" << Box(i)->text().toStdString() << '"';
    }
}

TEST_F(UpdateFilesTest, BrowseStartsAtTheBoxOrTheProgramFolderAndFillsTheBoxOnlyWhenChosen)
{
    SetAll("/old", "", "/dest");
    QPushButton* cmdBrowse = nullptr;
    for (QPushButton* pcmdButton : mfrmForm->findChildren<QPushButton*>("cmdBrowse"))
        if (pcmdButton->property("Index").toInt() == 1) cmdBrowse = pcmdButton;
    mobjDesktop.NextFolder(std::nullopt).NextFolder(Q("/chosen/one")).NextFolder(std::nullopt);
    const QStringList strAfter = {"", "/chosen/one", "/chosen/one"};
    for (const QString& strText : strAfter) {
        QTest::mouseClick(cmdBrowse, Qt::LeftButton);
        EXPECT_EQ(Box(1)->text(), strText);
        EXPECT_EQ(Button("cmdUpdate")->isEnabled(), !strText.isEmpty()) << "the state is refreshed after a browse";
    }
    EXPECT_EQ(mobjDesktop.FolderStarts(), (QStringList{App::Path(), App::Path(), "/chosen/one"}));
}

TEST_F(UpdateFilesTest, SameFolderThreeTimesWritesNothingOverItsInputsAndTheWindowStaysOpen)
{
    const QByteArray bytFiles[] = {"frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\n", "MSG001:Bonjour\r\nMST001:Salut\r\n",
                                   "TXT001:Un\r\n"};
    for (int i = 0; i < 3; ++i) mobjDir.Write(FileNames[i], bytFiles[i]);
    SetAll(mobjDir.Path(), mobjDir.Path(), mobjDir.Path());
    QStringList strRefusals;
    for (const char* pstrName : FileNames)
        strRefusals.append(Q("%1 was not written: %2 is the old or the new file itself; an update never writes over its input")
                               .arg(Q(pstrName), mobjDir.Path(pstrName)));
    mobjDesktop.Expect("Not every file was updated.\r\n\r\n" + strRefusals.join("\r\n"), vbExclamation, App::Title());
    QTest::mouseClick(Button("cmdUpdate"), Qt::LeftButton);
    ASSERT_FALSE(mfrmForm.isNull());
    EXPECT_TRUE(mfrmForm->isVisible());
    EXPECT_EQ(Texts(), QStringList(3, mobjDir.Path()));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(clsTempDir::Read(mobjDir.Path(FileNames[i])), bytFiles[i]);
}

TEST_F(UpdateFilesTest, OneWindowAtATimeAndEveryWayOfClosingStartsTheNextOneEmpty)
{
    Box(0)->setText("/kept");
    EXPECT_EQ(frmUpdateFiles::ShowIn(&mobjArea), mfrmForm.data()) << "the open window comes forward";
    EXPECT_EQ(mobjArea.subWindowList().size(), 1);
    EXPECT_EQ(Box(0)->text(), "/kept");
    const std::function<void()> fnCloses[] = {[this] { QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton); },
                                              [this] { QTest::keyClick(Box(1), Qt::Key_Escape); },
                                              [this] { mobjArea.activeSubWindow()->close(); }};
    for (const auto& fnClose : fnCloses) {
        SetAll("/x", "/x", "/x");
        fnClose();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(mfrmForm.isNull() && mobjArea.subWindowList().isEmpty());
        mfrmForm = frmUpdateFiles::ShowIn(&mobjArea);
        EXPECT_EQ(Texts(), QStringList(3, QString()));
    }
}

TEST_F(UpdateFilesTest, ReadsTheFilesInTheEditorsCodePage)
{
    mobjDir.Write("old/core.lrc", "frmMain.cmdGone.0.T:\r\nfrmMain.cmdGone.0.C:\xc3\x89t\xc3\xa9\r\n");  // UTF-8
    mobjDir.Write("new/core.lrc", "frmMain.cmdOK.0.T:\r\nfrmMain.cmdOK.0.C:OK\r\n");
    for (const char* pstrEmpty : {"old/messages.lrc", "new/messages.lrc", "old/secondary.lrc", "new/secondary.lrc"})
        mobjDir.Write(pstrEmpty, {});
    std::unique_ptr<clsTralyx> objEditorStore = std::exchange(gobjTextStore, std::make_unique<clsTralyx>());
    gobjTextStore->SetCodePage("UTF-8");
    SetAll(mobjDir.Path("old"), mobjDir.Path("new"), mobjDir.Path());
    mobjDesktop.Expect("Completed!", vbInformation, App::Title());
    QTest::mouseClick(Button("cmdUpdate"), Qt::LeftButton);
    gobjTextStore = std::move(objEditorStore);
    ASSERT_EQ(mobjDesktop.Shown().size(), 1u);
    EXPECT_TRUE(mobjDesktop.Shown()[0].Details.contains("frmMain.cmdGone.0 \"\u00c9t\u00e9\"")) << mobjDesktop.Shown()[0].Details.toStdString();
}

// The full report is saved, where the closing box's details stop after the first entries.
TEST_F(UpdateFilesTest, SavesEveryEntryOnlyAfterAnUpdate)
{
    QByteArray bytOld, bytNew;
    const auto Line = [](const char* pstrWord, int i) {
        return QStringLiteral("TXT%1:%2 %3\r\n").arg(i, 3, 10, QChar(u'0')).arg(pstrWord).arg(i).toLatin1();
    };
    for (int i = 1; i <= 60; ++i) {
        if (i <= 30) bytOld += Line("Alt", i);
        bytNew += Line("New", i);
    }
    mobjDir.Write(Q("old/secondary.lrc"), bytOld);
    mobjDir.Write(Q("new/secondary.lrc"), bytNew);
    QDir().mkpath(mobjDir.Path(Q("dest")));
    EXPECT_FALSE(Button("cmdSaveReport")->isEnabled());
    SetAll(mobjDir.Path(Q("old")), mobjDir.Path(Q("new")), mobjDir.Path(Q("dest")));
    const QString strReport = mobjDir.Path(Q("report.txt"));
    mobjDesktop.Expect(Q("Not every file was updated.\r\n\r\ncore.lrc was not merged: %1 does not exist\r\n"
                        "messages.lrc was not merged: %2 does not exist")
                          .arg(mobjDir.Path(Q("old/core.lrc")), mobjDir.Path(Q("old/messages.lrc"))),
                      vbExclamation, App::Title());
    QTest::mouseClick(Button("cmdUpdate"), Qt::LeftButton);
    ASSERT_EQ(mobjDesktop.Shown().size(), 1u);
    const QString& strDetails = mobjDesktop.Shown()[0].Details;
    EXPECT_TRUE(strDetails.contains(Q("TXT031 \"New 31\"")) && !strDetails.contains(Q("TXT060")) &&
                strDetails.contains(Q("... and 10 more")))
        << strDetails.toStdString();
    mobjDesktop.NextFile(strReport);
    ASSERT_TRUE(Button("cmdSaveReport")->isEnabled());
    QTest::mouseClick(Button("cmdSaveReport"), Qt::LeftButton);
    const QString strSaved = QString::fromUtf8(clsTempDir::Read(strReport));
    for (int i = 31; i <= 60; ++i) EXPECT_TRUE(strSaved.contains(QStringLiteral("TXT0%1 \"New %1\"").arg(i))) << i;
    EXPECT_FALSE(strSaved.contains(Q("more")));
}

// The old source box takes the old folder's English while it holds what the window put there; a
// cleared box stays cleared; a folder that does not exist is named before anything is written.
TEST_F(UpdateFilesTest, TheOldSourceIsTheOldFoldersEnglishUntilTheTranslatorSaysOtherwise)
{
    for (const char* pstrFolder : {"Languages/English", "Languages/German", "Other/German", "dest"}) QDir().mkpath(mobjDir.Path(pstrFolder));
    auto* txtOldSource = mfrmForm->findChild<QLineEdit*>("txtOldSource");
    ASSERT_NE(txtOldSource, nullptr);
    const std::pair<const char*, const char*> udtSteps[] = {
        {"Languages/German", "Languages/English"}, {"Other/German", ""}, {"Languages/German/", "Languages/English"}};
    for (const auto& [pstrOld, pstrSource] : udtSteps) {
        Box(0)->setText(mobjDir.Path(pstrOld));
        EXPECT_EQ(txtOldSource->text(), *pstrSource ? mobjDir.Path(pstrSource) : QString()) << pstrOld;
    }
    QTest::keyClick(txtOldSource, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(txtOldSource, Qt::Key_Backspace);
    Box(0)->setText(mobjDir.Path("Languages/German"));
    EXPECT_TRUE(txtOldSource->text().isEmpty()) << "a cleared box is filled in again";

    txtOldSource->setText(mobjDir.Path("missing"));
    SetAll(mobjDir.Path("Languages/German"), mobjDir.Path("Languages/English"), mobjDir.Path("dest"));
    mobjDesktop.Expect(Q("The old source folder %1 does not exist.\r\n\r\nChoose the folder the old folder was translated from, or "
                         "clear the box to update without it.")
                           .arg(mobjDir.Path("missing")),
                       vbExclamation, App::Title());
    QTest::mouseClick(Button("cmdUpdate"), Qt::LeftButton);
    EXPECT_TRUE(QDir(mobjDir.Path("dest")).isEmpty());
}
