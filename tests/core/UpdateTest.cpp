// The update merge on real folders: what lands in the destination, byte for byte, what each run
// reports, and that the old and new folders are never touched.
#include "common/basApplication.h"
#include "ScriptedDesktop.h"
#include "store/clsTralyx.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "update/basFolderUpdate.h"
#include "update/udtUpdateReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <map>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const char* const FileNames[] = {"core.lrc", "messages.lrc", "secondary.lrc"};
const QByteArray Old[] = {"frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\nfrmMain.mnuFile.0.C:&Fichier\r\n"
                          "frmMain.cmdGone.0.T:\r\nfrmMain.cmdGone.0.C:Parti\r\n",
                          // a two-line message and a windows-1252 byte that must come back as they were
                          "MSG001:Bonjour\rMSG001:le monde\r\nMST001:Salut\r\nMSG002:Fin \xe9t\xe9\r\nMST002:Fin\r\n",
                          "TXT001:Un\r\nTXT002:Deux\rTXT002:lignes\r\nTXT003:Trois\r\n"};
const QByteArray New[] = {"frmMain.cmdOK.0.T:Accept\r\nfrmMain.cmdOK.0.C:OK\r\nfrmMain.cmdNew.0.T:Tip\r\nfrmMain.cmdNew.0.C:New\r\n"
                          "frmMain.mnuFile.0.C:&File\r\n",
                          "MSG001:Hello\rMSG001:world\r\nMST001:Hi\r\nMSG002:End\r\nMST002:End\r\nMSG003:Third\r\nMST003:New\r\n",
                          "TXT001:One\r\nTXT002:Two\r\n"};
const QByteArray Merged[] = {"frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\nfrmMain.cmdNew.0.T:Tip\r\nfrmMain.cmdNew.0.C:New\r\n"
                             "frmMain.mnuFile.0.C:&Fichier\r\n",
                             "MSG001:Bonjour\rMSG001:le monde\r\nMST001:Salut\r\nMSG002:Fin \xe9t\xe9\r\nMST002:Fin\r\nMSG003:Third\r\nMST003:New\r\n",
                             "TXT001:Un\r\nTXT002:Deux\rTXT002:lignes\r\n"};

class UpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(Path("dest"));
        for (int i = 0; i < 3; ++i) mobjDir.Write(Q("old/") + FileNames[i], Old[i]), mobjDir.Write(Q("new/") + FileNames[i], New[i]);
    }
    QString Path(const QString& pstrName) const { return mobjDir.Path(pstrName); }
    std::map<QString, QByteArray> Snapshot(const QString& pstrFolder) const
    {
        std::map<QString, QByteArray> objFiles;
        for (const QString& strName : QDir(Path(pstrFolder)).entryList(QDir::Files))
            objFiles[strName] = clsTempDir::Read(Path(pstrFolder + u'/' + strName));
        return objFiles;
    }
    // The three operations, as the dialog runs them, on a store of their own; the input folders
    // come out of every run as they went in.
    QVector<udtUpdateReport> RunAll(const QString& pstrDestination = Q("dest")) const
    {
        const auto objOld = Snapshot("old"), objNew = Snapshot("new");
        clsTralyx objStore;
        const QString strOld = Path("old"), strNew = Path("new"), strDestination = Path(pstrDestination);
        QVector<udtUpdateReport> udtReports{objStore.UpdateControlText(strOld, strNew, strDestination, true),
                                            objStore.UpdateMessages(strOld, strNew, strDestination, true),
                                            objStore.UpdateSecondaryText(strOld, strNew, strDestination, true)};
        EXPECT_TRUE(Snapshot("old") == objOld && Snapshot("new") == objNew) << "an input folder changed";
        return udtReports;
    }
    clsTempDir mobjDir;
};

}  // namespace

TEST_F(UpdateTest, WritesEachMergedFileByteForByte)
{
    clsScriptedDesktop objDesktop;  // no question: the destination is empty
    const QVector<udtUpdateReport> udtReports = RunAll("dest/");  // a trailing "/" is not doubled
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(clsTempDir::Read(Path(Q("dest/") + FileNames[i])), Merged[i]) << FileNames[i];
        EXPECT_TRUE(udtReports[i].Written()) << udtReports[i].Summary().toStdString();
        EXPECT_EQ(udtReports[i].DestinationFile, Path(Q("dest/") + FileNames[i]));
    }
    EXPECT_EQ(UpdateMessage(udtReports).Prompt, "Completed!");  // its details: the window's tests
}

TEST_F(UpdateTest, ADestinationNotThereIsMadeAndSaidSoUnlessItCannotBe)
{
    mobjDir.Write("afile", "x");
    const std::tuple<QString, bool, const char*> udtCases[] = {  // destination, made, why not
        {Path("made/for/you"), true, ""}, {Path("afile/dest"), false, "afile is not a folder"}, {"  ", false, "name is blank"},
        {"/sys/tralyx-dest", false, "could not be created: Operation not permitted"}};  // refused even to root
    for (const auto& [strDestination, booMade, pstrWhyNot] : udtCases) {
        SCOPED_TRACE(strDestination.toStdString());
        const udtFolderUpdate udtUpdate = UpdateLanguageFolder({Path("old"), Path("new"), strDestination, {}}, "windows-1252", true);
        EXPECT_EQ(udtUpdate.DestinationLine, booMade ? Q("Created the destination folder %1.").arg(strDestination) : QString());
        EXPECT_EQ(QFileInfo(strDestination).isDir(), booMade);
        for (const udtUpdateReport& udtReport : udtUpdate.Files) {
            EXPECT_EQ(udtReport.Written(), booMade);
            EXPECT_TRUE(udtReport.Issue.Reason.contains(pstrWhyNot)) << udtReport.Issue.Reason.toStdString();
        }
    }
}

TEST_F(UpdateTest, AFileThatDoesNotLoadSkipsOnlyItsOwnKind)
{
    const std::tuple<const char*, int, QByteArray, int32_t, const char*> udtCases[] = {
        {"old", 0, {}, 0, "does not exist"},  // empty content: the file is removed
        {"new", 0, "frmMain.cmdOK.0.C:OK\r\ngarbage\r\n", 2, "fewer than three '.'"},
        {"old", 1, "MSG001:Hello\r\nMST001:Hi\r\n\r\n", 3, "blank"},
        {"new", 2, {}, 0, "does not exist"},
        {"old", 1, QByteArray(reinterpret_cast<const char*>(u"MSG001:Hallo\r\nMST001:Hi\r\n"), 50), 2, "UTF-16 (little-endian), not in windows-1252"},
    };
    for (const auto& [pstrFolder, intKind, bytContent, lngLine, pstrReason] : udtCases) {
        SetUp();
        QDir(Path("dest")).removeRecursively();
        QDir().mkpath(Path("dest"));
        const QString strBroken = Path(Q(pstrFolder) + u'/' + FileNames[intKind]);
        if (bytContent.isEmpty()) QFile::remove(strBroken);
        else mobjDir.Write(Q(pstrFolder) + u'/' + FileNames[intKind], bytContent);
        clsScriptedDesktop objDesktop;
        const QVector<udtUpdateReport> udtReports = RunAll();
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(strBroken.toStdString() + " then " + FileNames[i]);
            EXPECT_EQ(clsTempDir::Read(Path(Q("dest/") + FileNames[i])), i == intKind ? QByteArray() : Merged[i]);
            EXPECT_EQ(udtReports[i].Outcome, i == intKind ? enuUpdateOutcome::NotMerged : enuUpdateOutcome::Written);
        }
        EXPECT_EQ(udtReports[intKind].FailedFile, strBroken);
        EXPECT_EQ(udtReports[intKind].Issue.Line, lngLine);
        EXPECT_TRUE(udtReports[intKind].Issue.Reason.contains(pstrReason)) << udtReports[intKind].Issue.Reason.toStdString();
        const udtUpdateMessage udtMessage = UpdateMessage(udtReports);
        EXPECT_EQ(udtMessage.Style, vbExclamation);
        EXPECT_TRUE(udtMessage.Prompt.contains(Q("%1 was not merged: %2").arg(FileNames[intKind], strBroken))) << udtMessage.Prompt.toStdString();
    }
}

TEST_F(UpdateTest, DeclinedOverwriteLeavesTheExistingFileAndEmptyOldFilesGiveAnEmptyEntry)
{
    const QString strExisting = mobjDir.Write("dest/messages.lrc", "MSG001:Keep me\r\nMST001:Mine\r\n");
    mobjDir.Write("old/secondary.lrc", {});
    clsScriptedDesktop objDesktop;
    objDesktop.Expect(OverwritePrompt(strExisting), vbQuestion + vbYesNo, "Overwrite file", vbNo);
    const QVector<udtUpdateReport> udtReports = RunAll();
    EXPECT_EQ(clsTempDir::Read(strExisting), "MSG001:Keep me\r\nMST001:Mine\r\n");
    EXPECT_EQ(udtReports[1].Outcome, enuUpdateOutcome::NotWritten);
    EXPECT_EQ(udtReports[1].Summary(), Q("messages.lrc was not written: %1 already exists and was not overwritten").arg(strExisting));
    EXPECT_EQ(udtReports[1].KeptFromOld, 2);  // not written, yet merged
    EXPECT_EQ(UpdateMessage(udtReports).Style, vbExclamation);
    // An empty old file reads as one empty entry at position 0, which wins over the new one.
    EXPECT_EQ(clsTempDir::Read(Path("dest/secondary.lrc")), "TXT001:\r\nTXT002:Two\r\n");
    EXPECT_EQ(udtReports[2].KeptFromOld, 1);
}

TEST_F(UpdateTest, SkippedLinesOfTheNewFileAreReported)
{
    mobjDir.Write("new/core.lrc", New[0] + "frmMain.cmdX.0.Q:what\r\n");
    clsScriptedDesktop objDesktop;
    objDesktop.Expect("An unexpected error occurred loading the control text.", vbCritical, App::Title());
    const QVector<udtUpdateReport> udtReports = RunAll();
    EXPECT_EQ(clsTempDir::Read(Path("dest/core.lrc")), Merged[0]);
    ASSERT_EQ(udtReports[0].Warnings.size(), 1);
    EXPECT_TRUE(udtReports[0].Warnings[0].startsWith(Path("new/core.lrc") + ", line 6: ")) << udtReports[0].Warnings[0].toStdString();
}
