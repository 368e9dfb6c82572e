// tralyx-lrc update: exit codes, what it writes, and what it prints.
#include "TempDir.h"
#include "TestTexts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace tralyx::test;

namespace {

struct udtRun {
    int ExitCode = -1;
    QString Out;
    QString Err;
};

udtRun RunUpdate(const QStringList& pstrArgs)
{
    QProcess objProcess;
    objProcess.start(QStringLiteral(TRALYX_LRC_EXE), QStringList{QStringLiteral("update")} + pstrArgs);
    objProcess.waitForFinished(30000);
    return {objProcess.exitCode(), QString::fromUtf8(objProcess.readAllStandardOutput()),
            QString::fromUtf8(objProcess.readAllStandardError())};
}

const QByteArray OldCore = "frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\nfrmMain.cmdGone.0.T:\r\nfrmMain.cmdGone.0.C:Parti\r\n";
const QByteArray NewCore = "frmMain.cmdOK.0.T:Accept\r\nfrmMain.cmdOK.0.C:OK\r\n";
const QByteArray MergedCore = "frmMain.cmdOK.0.T:Valider\r\nfrmMain.cmdOK.0.C:D'accord\r\n";
const QByteArray Messages = "MSG001:\xc9t\xe9\r\nMST001:Title\r\n";  // windows-1252 bytes
const QByteArray Secondary = "TXT001:One\r\n";
const QByteArray Existing = "existing\r\n";

}  // namespace

TEST(CliUpdateTest, ExitCodesFilesAndWhatItSays)
{
    enum { Empty, HasCore, Missing };
    const std::tuple<QStringList, int, bool, int, QByteArray, bool, const char*> udtCases[] = {
        // options, destination, old messages.lrc missing, exit code, dest/core.lrc afterwards, dest/secondary.lrc written, says
        {{}, Empty, false, 0, MergedCore, true, "core.lrc was written to"},
        {{}, HasCore, false, 1, Existing, true, "already exists and was not overwritten (--force overwrites it)"},
        {{"--force"}, HasCore, false, 0, MergedCore, true, "frmMain.cmdGone.0 \"Parti\""},
        {{"--dry-run"}, Empty, false, 0, {}, false, "core.lrc would be written to"},
        {{"--dry-run"}, HasCore, false, 1, Existing, false, "already exists (--force overwrites it)"},
        {{"--dry-run", "--force"}, HasCore, false, 0, Existing, false, "core.lrc would be overwritten"},
        {{}, Empty, true, 1, MergedCore, true, "messages.lrc was not merged:"},
        {{}, Missing, false, 1, {}, false, "does not exist"},
        {{"--code-page=ISO-8859-1"}, Empty, false, 0, MergedCore, true, "was written"},
        {{"--", "--force"}, Empty, false, 2, {}, false, ""},  // options after "--" are folders
    };
    for (const auto& [strOptions, intDest, booOldMessagesMissing, intExit, bytCore, booSecondary, pstrSays] : udtCases) {
        SCOPED_TRACE(strOptions.join(u' ').toStdString() + " " + pstrSays);
        clsTempDir objDir;
        for (const char* pstrSide : {"old", "new"}) {
            objDir.Write(Q(pstrSide) + "/core.lrc", Q(pstrSide) == "old" ? OldCore : NewCore);
            if (Q(pstrSide) == "new" || !booOldMessagesMissing) objDir.Write(Q(pstrSide) + "/messages.lrc", Messages);
            objDir.Write(Q(pstrSide) + "/secondary.lrc", Secondary);
        }
        if (intDest != Missing) QDir().mkpath(objDir.Path("dest"));
        if (intDest == HasCore) objDir.Write("dest/core.lrc", Existing);
        const udtRun udtResult = RunUpdate(QStringList{objDir.Path("old"), objDir.Path("new"), objDir.Path("dest")} + strOptions);
        EXPECT_EQ(udtResult.ExitCode, intExit) << udtResult.Out.toStdString() << udtResult.Err.toStdString();
        EXPECT_EQ(clsTempDir::Read(objDir.Path("dest/core.lrc")), bytCore);
        EXPECT_EQ(clsTempDir::Read(objDir.Path("dest/messages.lrc")), booSecondary && !booOldMessagesMissing ? Messages : QByteArray());
        EXPECT_EQ(clsTempDir::Read(objDir.Path("dest/secondary.lrc")), booSecondary ? Secondary : QByteArray());
        EXPECT_TRUE(udtResult.Out.contains(pstrSays)) << udtResult.Out.toStdString();
    }
}

TEST(CliUpdateTest, UsageErrorsExitTwoAndTouchNothing)
{
    clsTempDir objDir;
    QDir().mkpath(objDir.Path("a"));
    const QString a = objDir.Path("a");
    for (const QStringList& strArgs : {QStringList{}, QStringList{a, a}, QStringList{a, a, a, a}, QStringList{a, a, a, "--frce"},
                                       QStringList{a, a, a, "--code-page"}, QStringList{a, a, a, "--code-page", "no-such-page"}}) {
        const udtRun udtResult = RunUpdate(strArgs);
        EXPECT_EQ(udtResult.ExitCode, 2) << strArgs.join(u' ').toStdString();
        EXPECT_TRUE(udtResult.Err.contains("usage: tralyx-lrc update")) << udtResult.Err.toStdString();
        EXPECT_TRUE(QDir(a).isEmpty());
    }
}
