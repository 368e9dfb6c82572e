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
#include "updatetool/frmUpdateReport.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
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
    // Nothing was written: nothing is reported kept or dropped.
    ASSERT_EQ(mobjDesktop.Shown().size(), 1u);
    EXPECT_FALSE(mobjDesktop.Shown()[0].Details.contains("entries from the old file")) << mobjDesktop.Shown()[0].Details.toStdString();
    auto* frmReport = mobjArea.findChild<frmUpdateReport*>();
    ASSERT_NE(frmReport, nullptr);
    EXPECT_EQ(frmReport->findChild<QLabel*>("lblShown")->text(), "0 of 0 entries");
    EXPECT_EQ(frmReport->findChild<QTableWidget*>("grdCounts")->item(0, 2)->text(), "");
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

// From the editor the old folder is the one open, the new one the folder chosen last (while it exists).
TEST_F(UpdateFilesTest, ANewWindowStartsFromTheOpenFolderAndTheNewFolderChosenLast)
{
    const QString strOld = mobjDir.Path("Release1/German"), strNew = mobjDir.Path("Release2/English");
    QDir().mkpath(strOld);
    for (const bool booNewExists : {true, false}) {
        mobjArea.closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (booNewExists) QDir().mkpath(strNew);
        else QDir(strNew).removeRecursively();
        QSettings().setValue("Update/NewFolder", strNew);
        mfrmForm = frmUpdateFiles::ShowIn(&mobjArea, {}, strOld);
        EXPECT_EQ(Texts(), (QStringList{strOld, booNewExists ? strNew : QString(), QString()}));
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

// "Completed!" first, then the report window: per file the counts, the entries by kind with their
// texts, the whole report saved; the destination folder, not there before, made and said so.
TEST_F(UpdateFilesTest, TheReportWindowCountsListsAndSavesEveryEntryOfAFolderItMade)
{
    const char* const strFiles[][4] = {  // file, old source, old (translated), new
        {"messages.lrc", "MSG001:A\r\nMST001:\r\nMSG002:B\r\nMST002:\r\nMSG003:C\r\nMST003:\r\n",
         "MSG001:a\r\nMST001:\r\nMSG002:b\r\nMST002:\r\nMSG003:c\r\nMST003:\r\n",
         "MSG001:A\r\nMST001:\r\nMSG002:B2\r\nMST002:\r\nMSG003:X\r\nMST003:\r\nMSG004:C\r\nMST004:\r\n"},
        {"core.lrc", "frmMain.cmdOK.0.T:\r\nfrmMain.cmdOK.0.C:OK\r\nfrmMain.cmdGone.0.T:\r\nfrmMain.cmdGone.0.C:Gone\r\n",
         "frmMain.cmdOK.0.T:\r\nfrmMain.cmdOK.0.C:Gut\r\nfrmMain.cmdGone.0.T:\r\nfrmMain.cmdGone.0.C:Weg\r\n",
         "frmMain.cmdOK.0.T:\r\nfrmMain.cmdOK.0.C:OK\r\n"},
        {"secondary.lrc", nullptr, "TXT001:Eins\r\n", "TXT001:One\r\n"}};  // merged without its old source
    for (const auto& strFile : strFiles)
        for (int i = 0; i < 3; ++i)
            if (strFile[i + 1]) mobjDir.Write(Q("%1/%2").arg(Q(std::array{"English", "German", "English2"}[i]), Q(strFile[0])), strFile[i + 1]);
    const QString strDest = mobjDir.Path("out/German");
    SetAll(mobjDir.Path("German"), mobjDir.Path("English2"), strDest);
    mfrmForm->findChild<QLineEdit*>("txtOldSource")->setText(mobjDir.Path("English"));
    mobjDesktop.Expect("Completed!", vbInformation, App::Title());
    mobjDesktop.mfnOnBox = [this] { EXPECT_EQ(mobjArea.findChild<frmUpdateReport*>(), nullptr) << "the box comes first"; };
    QTest::mouseClick(Button("cmdUpdate"), Qt::LeftButton);
    mobjDesktop.mfnOnBox = {};

    auto* frmReport = mobjArea.findChild<frmUpdateReport*>();
    ASSERT_TRUE(frmReport && frmReport->isVisible());
    const QString strSummary = frmReport->findChild<QLabel*>("lblSummary")->text();
    for (const QString& strLine : {"Created the destination folder " + strDest,
                                   "secondary.lrc: 1 warning(s) while reading, the first: " + mobjDir.Path("English/secondary.lrc")})
        EXPECT_TRUE(strSummary.contains(strLine)) << strSummary.toStdString();
    auto* grdCounts = frmReport->findChild<QTableWidget*>("grdCounts");
    QStringList strCounts;  // file: kept review moved new dropped
    for (int f = 0; f < grdCounts->rowCount(); ++f) {
        QStringList strRow{grdCounts->item(f, 0)->text() + ":"};
        for (int c = 2; c < grdCounts->columnCount(); ++c) strRow.append(grdCounts->item(f, c)->text());
        strCounts.append(strRow.join(' '));
    }
    EXPECT_EQ(strCounts, QStringList({"core.lrc: 1 0 0 0 1", "messages.lrc: 1 1 1 1 0", "secondary.lrc: 1 0 0 0 0"}));

    auto* cboKind = frmReport->findChild<QComboBox*>("cboKind");
    const auto* objEntries = frmReport->findChild<QTableView*>("lvwEntries")->model();
    const std::pair<const char*, QStringList> udtKinds[] = {
        {"Review", {"messages.lrc Review MSG002 b the source was \"B\", now \"B2\""}},
        {"Moved", {"messages.lrc Moved MSG004 c the old file's MSG003, now MSG004"}},
        {"New", {"messages.lrc New MSG003 X still in the source language"}},
        {"Dropped", {"core.lrc Dropped frmMain.cmdGone.0 Weg the old file's frmMain.cmdGone.0, which the new release does not have"}},
        {"Kept", {"core.lrc Kept frmMain.cmdOK.0 Gut ", "messages.lrc Kept MSG001 a ", "secondary.lrc Kept TXT001 Eins "}},
    };
    for (const auto& [pstrKind, strRows] : udtKinds) {
        cboKind->setCurrentText(pstrKind);
        QStringList strShown;
        for (int r = 0; r < objEntries->rowCount(); ++r) {
            QStringList strCells;
            for (int c = 0; c < objEntries->columnCount(); ++c) strCells.append(objEntries->index(r, c).data().toString());
            strShown.append(strCells.join(' '));
        }
        EXPECT_EQ(strShown, strRows) << pstrKind;
    }
    cboKind->setCurrentIndex(0);
    EXPECT_EQ(frmReport->findChild<QLabel*>("lblShown")->text(), "7 of 7 entries");

    const QString strReport = mobjDir.Path("report.txt");
    mobjDesktop.NextFile(strReport);
    QTest::mouseClick(frmReport->findChild<QPushButton*>("cmdSaveReport"), Qt::LeftButton);
    const QString strSaved = QString::fromUtf8(clsTempDir::Read(strReport));
    for (const char* pstrLine : {"Created the destination folder", "MSG003 \"X\"", "frmMain.cmdGone.0 \"Weg\"", "MSG003 \u2192 MSG004 \"c\""})
        EXPECT_TRUE(strSaved.contains(Q(pstrLine))) << pstrLine << "\n" << strSaved.toStdString();
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
