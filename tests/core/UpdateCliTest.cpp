// tralyx-lrc update: exit codes, what it writes, and what it prints.
#include "TempDir.h"

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

enum class enuDest { Empty, HasCore, Missing };

struct udtCase {
    const char* Name;
    QStringList Options;
    enuDest Dest;
    bool OldMessagesMissing;
    int ExitCode;
    QByteArray CoreAfter;  // what dest/core.lrc holds afterwards (empty: no file)
    bool MessagesWritten;
    bool SecondaryWritten;
    const char* Says;      // a part of stdout
};

}  // namespace

TEST(CliUpdateTest, ExitCodesAndFiles)
{
    const std::vector<udtCase> udtCases{
        {"fresh destination", {}, enuDest::Empty, false, 0, MergedCore, true, true, "core.lrc was written to"},
        {"existing file left alone", {}, enuDest::HasCore, false, 1, Existing, true, true, "already exists and was not overwritten (--force overwrites it)"},
        {"--force overwrites", {"--force"}, enuDest::HasCore, false, 0, MergedCore, true, true, "frmMain.cmdGone.0 \"Parti\""},
        {"--dry-run writes nothing", {"--dry-run"}, enuDest::Empty, false, 0, {}, false, false, "core.lrc would be written to"},
        {"--dry-run on an existing file", {"--dry-run"}, enuDest::HasCore, false, 1, Existing, false, false,
         "already exists (--force overwrites it)"},
        {"--dry-run --force", {"--dry-run", "--force"}, enuDest::HasCore, false, 0, Existing, false, false, "core.lrc would be overwritten"},
        {"a missing old file", {}, enuDest::Empty, true, 1, MergedCore, false, true, "messages.lrc was not merged:"},
        {"a missing destination folder", {}, enuDest::Missing, false, 1, {}, false, false, "does not exist"},
        {"another code page", {"--code-page=ISO-8859-1"}, enuDest::Empty, false, 0, MergedCore, true, true, "was written"},
        {"options after \"--\" are folders", {"--", "--force"}, enuDest::Empty, false, 2, {}, false, false, ""},
    };
    for (const udtCase& c : udtCases) {
        clsTempDir objDir;
        objDir.Write(QStringLiteral("old/core.lrc"), OldCore);
        if (!c.OldMessagesMissing) objDir.Write(QStringLiteral("old/messages.lrc"), Messages);
        objDir.Write(QStringLiteral("old/secondary.lrc"), Secondary);
        objDir.Write(QStringLiteral("new/core.lrc"), NewCore);
        objDir.Write(QStringLiteral("new/messages.lrc"), Messages);
        objDir.Write(QStringLiteral("new/secondary.lrc"), Secondary);
        if (c.Dest != enuDest::Missing) QDir().mkpath(objDir.Path(QStringLiteral("dest")));
        if (c.Dest == enuDest::HasCore) objDir.Write(QStringLiteral("dest/core.lrc"), Existing);

        const udtRun udtResult = RunUpdate(QStringList{objDir.Path(QStringLiteral("old")), objDir.Path(QStringLiteral("new")),
                                                       objDir.Path(QStringLiteral("dest"))} + c.Options);
        EXPECT_EQ(udtResult.ExitCode, c.ExitCode) << c.Name << "\n" << udtResult.Out.toStdString() << udtResult.Err.toStdString();
        EXPECT_EQ(clsTempDir::Read(objDir.Path(QStringLiteral("dest/core.lrc"))), c.CoreAfter) << c.Name;
        EXPECT_EQ(clsTempDir::Read(objDir.Path(QStringLiteral("dest/messages.lrc"))), c.MessagesWritten ? Messages : QByteArray())
            << c.Name;
        EXPECT_EQ(clsTempDir::Read(objDir.Path(QStringLiteral("dest/secondary.lrc"))), c.SecondaryWritten ? Secondary : QByteArray())
            << c.Name;
        EXPECT_TRUE(udtResult.Out.contains(QLatin1StringView(c.Says))) << c.Name << "\n" << udtResult.Out.toStdString();
    }
}

TEST(CliUpdateTest, UsageErrorsExitTwoAndTouchNothing)
{
    clsTempDir objDir;
    QDir().mkpath(objDir.Path(QStringLiteral("a")));
    const QString a = objDir.Path(QStringLiteral("a"));
    for (const QStringList& strArgs : {QStringList{}, QStringList{a, a}, QStringList{a, a, a, a}, QStringList{a, a, a, "--frce"},
                                       QStringList{a, a, a, "--code-page"}, QStringList{a, a, a, "--code-page", "no-such-page"}}) {
        const udtRun udtResult = RunUpdate(strArgs);
        EXPECT_EQ(udtResult.ExitCode, 2) << strArgs.join(u' ').toStdString();
        EXPECT_TRUE(udtResult.Err.contains(QStringLiteral("usage: tralyx-lrc update"))) << udtResult.Err.toStdString();
        EXPECT_TRUE(QDir(a).isEmpty());
    }
}
