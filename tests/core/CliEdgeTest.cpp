// tralyx-lrc at the edges: empty arguments, odd files, a report that cannot be printed, the dump of
// a failed load, texts that no file can hold.
#include "RunProgram.h"
#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tralyx::test;

namespace {

struct udtEdgeCase {
    const char* Name;
    QStringList Args;    // "DIR" stands for the test's folder
    QByteArray Input;    // on stdin
    bool FullStdout;     // stdout goes to /dev/full
    int ExitCode;
    const char* Says;    // a part of stdout or stderr
};

const QByteArray Core = "frmMain.cmdOK.0.T:Tip\r\nfrmMain.cmdOK.0.C:OK\r\n";
const QByteArray CoreDump = R"({"kind": "core", "records": [{"FormName": "f", "ControlName": "c", "Index": 0}]})";

TEST(CliEdgeTest, FailsClearlyAndChangesNothing)
{
    const udtEdgeCase udtCases[] = {
        {"check to a full disk", {"check", "DIR/en/core.lrc"}, {}, true, 1, "cannot write to the standard output: No space left"},
        {"update to a full disk", {"update", "DIR/en", "DIR/en", "DIR/out"}, {}, true, 1, "cannot write to the standard output"},
        {"help to a full disk", {"--help"}, {}, true, 1, "cannot write to the standard output"},
        {"check ''", {"check", ""}, {}, false, 2, "an empty argument"},
        {"write ''", {"write", ""}, CoreDump, false, 2, "an empty argument"},
        {"update into ''", {"update", "DIR/en", "DIR/en", ""}, {}, false, 2, "an empty argument"},
        {"update into a file", {"update", "DIR/en", "DIR/en", "DIR/en/core.lrc"}, {}, false, 1, "core.lrc is not a folder"},
        {"check a FIFO", {"check", "DIR/fifo/core.lrc"}, {}, false, 1, "is not a regular file (it is a FIFO)"},
        {"dump a device", {"dump", "--kind", "core", "/dev/zero"}, {}, false, 1, "is not a regular file (it is a character device)"},
        {"write over a FIFO", {"write", "--force", "DIR/fifo/core.lrc"}, CoreDump, false, 1, "(it is a FIFO); not replaced"},
        {"a dry run over a FIFO", {"update", "--dry-run", "--force", "DIR/en", "DIR/en", "DIR/fifo"}, {}, false, 1,
         "/fifo/core.lrc is not a regular file"},
        {"a path through a file", {"check", "DIR/en/core.lrc/core.lrc"}, {}, false, 1, "core.lrc is a file, not a folder"},
        {"write the dump of a failed load", {"write", "--force", "DIR/en/core.lrc"},
         R"({"kind": "core", "success": false, "error": {"line": 14, "reason": "the line is blank"}, "records": []})", false, 1,
         "failed (line 14: the line is blank)"},
        {"a lone surrogate", {"write", "DIR/out/core.lrc"},
         R"({"records": [{"FormName": "f", "ControlName": "c", "Index": 0, "Caption": "ab\ud800"}]})", false, 1,
         "records[0].Caption holds a lone surrogate \\ud800 at character 3"},
    };
    for (const udtEdgeCase& c : udtCases) {
        clsTempDir objDir;
        objDir.Write(QStringLiteral("en/core.lrc"), Core);
        objDir.Write(QStringLiteral("en/messages.lrc"), "MSG001:Hello\r\nMST001:Hi\r\n");
        objDir.Write(QStringLiteral("en/secondary.lrc"), "TXT001:One\r\n");
        QDir().mkpath(objDir.Path(QStringLiteral("out")));
        QDir().mkpath(objDir.Path(QStringLiteral("fifo")));
        ASSERT_EQ(mkfifo(QFile::encodeName(objDir.Path(QStringLiteral("fifo/core.lrc"))).constData(), 0644), 0);

        QStringList strArgs;
        for (const QString& strArg : c.Args) strArgs.append(QString(strArg).replace(QStringLiteral("DIR"), objDir.Path()));
        const udtRun udtResult = RunLrc(strArgs, c.Input, c.FullStdout ? QStringLiteral("/dev/full") : QString());
        const QString strSaid = udtResult.Said();
        EXPECT_EQ(udtResult.ExitCode, c.ExitCode) << c.Name << ": " << strSaid.toStdString();
        EXPECT_TRUE(strSaid.contains(QLatin1StringView(c.Says))) << c.Name << ": " << strSaid.toStdString();
        EXPECT_EQ(clsTempDir::Read(objDir.Path(QStringLiteral("en/core.lrc"))), Core) << c.Name;
        if (!c.FullStdout) { EXPECT_TRUE(QDir(objDir.Path(QStringLiteral("out"))).isEmpty()) << c.Name; }
    }
}

}  // namespace
