// The update merge on real folders: what lands in the destination, byte for byte, what each run
// reports, and that the old and new folders are never touched.
#include "ScriptedDesktop.h"
#include "TempDir.h"
#include "TestTexts.h"
#include "basApplication.h"
#include "clsTralyx.h"
#include "udtUpdateReport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <map>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const QByteArray OldCore = "frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\n"
                           "frmMain.mnuFile.0.C:&Fichier\r\n"
                           "frmMain.cmdGone.0.T:\r\nfrmMain.cmdGone.0.C:Parti\r\n";
const QByteArray NewCore = "frmMain.cmdOK.0.T:Accept\r\nfrmMain.cmdOK.0.C:OK\r\n"
                           "frmMain.cmdNew.0.T:Tip\r\nfrmMain.cmdNew.0.C:New\r\n"
                           "frmMain.mnuFile.0.C:&File\r\n";
const QByteArray MergedCore = "frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\n"
                              "frmMain.cmdNew.0.T:Tip\r\nfrmMain.cmdNew.0.C:New\r\n"
                              "frmMain.mnuFile.0.C:&Fichier\r\n";
// A two-line message (lone CR between its lines) and a windows-1252 byte that must come back as it was.
const QByteArray OldMessages = "MSG001:Bonjour\rMSG001:le monde\r\nMST001:Salut\r\nMSG002:Fin \xe9t\xe9\r\nMST002:Fin\r\n";
const QByteArray NewMessages = "MSG001:Hello\rMSG001:world\r\nMST001:Hi\r\nMSG002:End\r\nMST002:End\r\n"
                               "MSG003:Third\r\nMST003:New\r\n";
const QByteArray MergedMessages = "MSG001:Bonjour\rMSG001:le monde\r\nMST001:Salut\r\nMSG002:Fin \xe9t\xe9\r\nMST002:Fin\r\n"
                                  "MSG003:Third\r\nMST003:New\r\n";
const QByteArray OldSecondary = "TXT001:Un\r\nTXT002:Deux\rTXT002:lignes\r\nTXT003:Trois\r\n";
const QByteArray NewSecondary = "TXT001:One\r\nTXT002:Two\r\n";
const QByteArray MergedSecondary = "TXT001:Un\r\nTXT002:Deux\rTXT002:lignes\r\n";

const char* const FileNames[] = {"core.lrc", "messages.lrc", "secondary.lrc"};

class UpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* pstrFolder : {"old", "new", "dest"}) QDir().mkpath(Folder(pstrFolder));
        WriteSet("old", {OldCore, OldMessages, OldSecondary});
        WriteSet("new", {NewCore, NewMessages, NewSecondary});
    }

    QString Folder(const char* pstrName) const { return mobjDir.Path(QString::fromLatin1(pstrName)); }
    QString File(const char* pstrFolder, const char* pstrName) const
    {
        return Folder(pstrFolder) + u'/' + QString::fromLatin1(pstrName);
    }
    void WriteSet(const char* pstrFolder, const std::vector<QByteArray>& pbytFiles) const
    {
        for (size_t i = 0; i < 3; ++i) mobjDir.Write(QStringLiteral("%1/%2").arg(pstrFolder, FileNames[i]), pbytFiles[i]);
    }
    std::map<QString, QByteArray> Snapshot(const QString& pstrFolder) const
    {
        std::map<QString, QByteArray> objFiles;
        for (const QString& strName : QDir(pstrFolder).entryList(QDir::Files)) objFiles[strName] = clsTempDir::Read(pstrFolder + u'/' + strName);
        return objFiles;
    }

    // The three operations, as the dialog runs them, on a store of their own. The input folders
    // must come out of every run as they went in.
    QVector<udtUpdateReport> RunAll(const QString& pstrOld, const QString& pstrNew, const QString& pstrDestination,
                                    bool pbooWrite = true) const
    {
        const auto objOldBefore = Snapshot(pstrOld), objNewBefore = Snapshot(pstrNew);
        clsTralyx objStore;
        QVector<udtUpdateReport> udtReports{objStore.UpdateControlText(pstrOld, pstrNew, pstrDestination, pbooWrite),
                                            objStore.UpdateMessages(pstrOld, pstrNew, pstrDestination, pbooWrite),
                                            objStore.UpdateSecondaryText(pstrOld, pstrNew, pstrDestination, pbooWrite)};
        EXPECT_EQ(Snapshot(pstrOld), objOldBefore) << "the old folder changed";
        EXPECT_EQ(Snapshot(pstrNew), objNewBefore) << "the new folder changed";
        return udtReports;
    }
    QVector<udtUpdateReport> RunAll() const { return RunAll(Folder("old"), Folder("new"), Folder("dest")); }

    clsTempDir mobjDir;
};

}  // namespace

TEST_F(UpdateTest, WritesEachMergedFileByteForByte)
{
    clsScriptedDesktop objDesktop;  // no question: the destination is empty
    // A trailing "/" on the destination is not doubled.
    const QVector<udtUpdateReport> udtReports = RunAll(Folder("old"), Folder("new"), Folder("dest") + u'/');

    EXPECT_EQ(clsTempDir::Read(File("dest", "core.lrc")), MergedCore);
    EXPECT_EQ(clsTempDir::Read(File("dest", "messages.lrc")), MergedMessages);
    EXPECT_EQ(clsTempDir::Read(File("dest", "secondary.lrc")), MergedSecondary);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(udtReports[i].Written()) << udtReports[i].Summary().toStdString();
        EXPECT_EQ(udtReports[i].DestinationFile, File("dest", FileNames[i]));
    }
    // The closing box says so, and its details name what was dropped by the file's own ids (the
    // merge's own counts are tested with the merge).
    const udtUpdateMessage udtMessage = UpdateMessage(udtReports);
    EXPECT_EQ(udtMessage.Prompt.toStdString(), "Completed!");
    EXPECT_EQ(udtMessage.Style, vbInformation);
    EXPECT_TRUE(udtMessage.Details.contains(QStringLiteral("frmMain.cmdGone.0 \"Parti\"")));
    EXPECT_TRUE(udtMessage.Details.contains(QStringLiteral("TXT003 \"Trois\"")));
}

TEST_F(UpdateTest, AFileThatDoesNotLoadSkipsOnlyItsOwnKind)
{
    struct udtCase {
        const char* Folder;
        int Kind;              // 0 core, 1 messages, 2 secondary
        QByteArray Content;    // empty: the file is removed
        int32_t Line;          // where the reader stopped; 0 for the file as a whole
        const char* Reason;    // a part of the reason
    };
    const std::vector<udtCase> udtCases{
        {"old", 0, {}, 0, "does not exist"},
        {"new", 0, "frmMain.cmdOK.0.C:OK\r\ngarbage\r\n", 2, "fewer than three '.'"},
        {"old", 1, "MSG001:Hello\r\nMST001:Hi\r\n\r\n", 3, "blank"},
        {"new", 2, {}, 0, "does not exist"},
    };
    for (const udtCase& c : udtCases) {
        SetUp();
        QDir(Folder("dest")).removeRecursively();
        QDir().mkpath(Folder("dest"));
        const QString strBroken = File(c.Folder, FileNames[c.Kind]);
        if (c.Content.isEmpty()) QFile::remove(strBroken);
        else mobjDir.Write(QStringLiteral("%1/%2").arg(c.Folder, FileNames[c.Kind]), c.Content);

        clsScriptedDesktop objDesktop;
        const QVector<udtUpdateReport> udtReports = RunAll();
        const QByteArray bytMerged[] = {MergedCore, MergedMessages, MergedSecondary};
        for (int i = 0; i < 3; ++i) {
            if (i == c.Kind) {
                EXPECT_FALSE(QFile::exists(File("dest", FileNames[i]))) << strBroken.toStdString();
                EXPECT_EQ(udtReports[i].Outcome, enuUpdateOutcome::NotMerged);
                EXPECT_EQ(udtReports[i].FailedFile, strBroken);
                EXPECT_EQ(udtReports[i].Issue.Line, c.Line) << strBroken.toStdString();
                EXPECT_TRUE(udtReports[i].Issue.Reason.contains(QLatin1StringView(c.Reason)))
                    << udtReports[i].Issue.Reason.toStdString();
            } else {
                EXPECT_EQ(clsTempDir::Read(File("dest", FileNames[i])), bytMerged[i]) << "with " << strBroken.toStdString();
                EXPECT_TRUE(udtReports[i].Written());
            }
        }
        // The box names the file that was not updated, with the exclamation icon.
        const udtUpdateMessage udtMessage = UpdateMessage(udtReports);
        EXPECT_EQ(udtMessage.Style, vbExclamation);
        EXPECT_TRUE(udtMessage.Prompt.contains(QStringLiteral("%1 was not merged: %2").arg(FileNames[c.Kind], strBroken)))
            << udtMessage.Prompt.toStdString();
    }
}

TEST_F(UpdateTest, DeclinedOverwriteLeavesTheExistingFileByteIdentical)
{
    const QByteArray bytExisting = "MSG001:Keep me\r\nMST001:Mine\r\n";
    const QString strExisting = mobjDir.Write(QStringLiteral("dest/messages.lrc"), bytExisting);
    clsScriptedDesktop objDesktop;
    objDesktop.Expect(OverwritePrompt(strExisting), vbQuestion + vbYesNo, QStringLiteral("Overwrite file"), vbNo);

    const QVector<udtUpdateReport> udtReports = RunAll();
    EXPECT_EQ(clsTempDir::Read(strExisting), bytExisting);
    EXPECT_EQ(udtReports[1].Outcome, enuUpdateOutcome::NotWritten);
    EXPECT_EQ(udtReports[1].Summary().toStdString(),
              QStringLiteral("messages.lrc was not written: %1 already exists and was not overwritten").arg(strExisting).toStdString());
    // Not written, yet merged: the counts still tell what the file would have held.
    EXPECT_EQ(udtReports[1].KeptFromOld, 2);
    EXPECT_TRUE(udtReports[0].Written());
    EXPECT_TRUE(udtReports[2].Written());
    EXPECT_EQ(UpdateMessage(udtReports).Style, vbExclamation);
}

TEST_F(UpdateTest, EmptyOldFilesGiveAnEmptyEntryAtPositionZero)
{
    WriteSet("old", {OldCore, QByteArray(), QByteArray()});
    clsScriptedDesktop objDesktop;
    const QVector<udtUpdateReport> udtReports = RunAll();

    clsTralyx objResult;
    bool booSuccess = false;
    objResult.LoadMessagesFromResource(File("dest", "messages.lrc"), booSuccess);
    ASSERT_TRUE(booSuccess);
    ASSERT_EQ(objResult.MessageTable().size(), 3);
    EXPECT_EQ(objResult.MessageTable()[0].Message, QString());
    EXPECT_EQ(objResult.MessageTable()[0].Title, QString());
    EXPECT_EQ(objResult.MessageTable()[1].Title.toStdString(), "End");
    objResult.LoadPreceduralTextFromResource(File("dest", "secondary.lrc"), booSuccess);
    ASSERT_TRUE(booSuccess);
    EXPECT_EQ(objResult.SecondaryTable(), (QStringList{QString(), QStringLiteral("Two")}));
    EXPECT_EQ(udtReports[1].KeptFromOld, 1);
    EXPECT_EQ(udtReports[2].TakenFromNew, 1);
}

TEST_F(UpdateTest, SkippedLinesOfTheNewFileAreReported)
{
    mobjDir.Write(QStringLiteral("new/core.lrc"), NewCore + "frmMain.cmdX.0.Q:what\r\n");
    clsScriptedDesktop objDesktop;
    objDesktop.Expect(QStringLiteral("An unexpected error occurred loading the control text."), vbCritical, App::Title());
    const QVector<udtUpdateReport> udtReports = RunAll();
    EXPECT_TRUE(udtReports[0].Written());
    ASSERT_EQ(udtReports[0].Warnings.size(), 1);
    EXPECT_TRUE(udtReports[0].Warnings[0].startsWith(File("new", "core.lrc") + QStringLiteral(", line 6: ")))
        << udtReports[0].Warnings[0].toStdString();
    EXPECT_EQ(clsTempDir::Read(File("dest", "core.lrc")), MergedCore);
}
