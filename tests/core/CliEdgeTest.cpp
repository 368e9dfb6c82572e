// tralyx-lrc at the edges: empty arguments, odd files, a report that cannot be printed, the dump of
// a failed load, texts that no file can hold, outputs that are inputs, names and code pages that
// do not survive, control characters of a file on the terminal.
#include "RunProgram.h"
#include "TempDir.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <iostream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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
        {"update into blanks", {"update", "DIR/en", "DIR/en", "  "}, {}, false, 2, "an empty argument"},
        {"update into a file", {"update", "DIR/en", "DIR/en", "DIR/en/core.lrc"}, {}, false, 1, "core.lrc is not a folder"},
        {"check a FIFO", {"check", "DIR/fifo/core.lrc"}, {}, false, 1, "is not a regular file (it is a FIFO)"},
        {"dump a device", {"dump", "--kind", "core", "/dev/zero"}, {}, false, 1, "is not a regular file (it is a character device)"},
        {"write over a FIFO", {"write", "--force", "DIR/fifo/core.lrc"}, CoreDump, false, 1, "(it is a FIFO); not replaced"},
        {"a dry run over a FIFO", {"update", "--dry-run", "--force", "DIR/en", "DIR/en", "DIR/fifo"}, {}, false, 1,
         "/fifo/core.lrc is not a regular file"},
        {"a path through a file", {"check", "DIR/en/core.lrc/core.lrc"}, {}, false, 1, "core.lrc is a file, not a folder"},
        {"write the dump of a failed load", {"write", "--force", "DIR/en/core.lrc"},
         R"({"kind": "core", "success": false, "error": {"line": 14, "reason": "the line is blank"}, "records": []})", false, 1,
         "failed (line 14: the line is blank), so its records are only the part read before the failure; nothing was written "
         "(mend the file and dump it again)"},
        {"the dump of a file not read", {"dump", "DIR/fifo/core.lrc"}, {}, false, 1, "\"records\": []"},
        // Never over an input, through a symlink or as the same folder; a dangling link is a taken name.
        {"export --force through a link to an input",
         {"export", "--force", "--source-language=en", "--target-language=de", "--source", "DIR/en", "DIR/en", "DIR/link.po"}, {},
         false, 1, "link.po: is DIR/en/core.lrc itself"},
        {"update into the new folder", {"update", "--force", "DIR/en", "DIR/en", "DIR/en"}, {}, false, 1,
         "core.lrc was not written: DIR/en/core.lrc is the old or the new file itself"},
        {"import a link to the folder's file", {"import", "--force", "DIR/link.po", "DIR/en"}, {}, false, 1, "is DIR/en/core.lrc itself"},
        {"write from the file itself", {"sh", "exec \"$0\" write --force DIR/en/core.lrc < DIR/en/core.lrc"}, {}, false, 1,
         "core.lrc: is /dev/stdin itself"},
        {"tm export through a link to an input", {"tm", "export", "--force", "--source-language=en", "--target-language=de", "--source",
         "DIR/en", "DIR/en", "DIR/link.tmx"}, {}, false, 1, "link.tmx: is DIR/en/core.lrc itself"},
        {"export to a dangling link",
         {"export", "--source-language=en", "--target-language=de", "--source", "DIR/en", "DIR/en", "DIR/dangling.po"}, {}, false, 1,
         "already exists"},
        {"write to a dangling link", {"write", "--kind", "core", "DIR/dangling.po"}, CoreDump, false, 1, "already exists"},
        // The state file is an input and an output as the three are: never written through a link,
        // over an input, or over a file that could not be read (unless discarded).
        {"import with the state a link to a file", {"import", "--force", "DIR/fz.po", "DIR/ln"}, {}, false, 1,
         "ln/translation-state.json is a link (to "},
        {"update into a folder whose state links to a source", {"update", "DIR/en", "DIR/en", "DIR/ln"}, {}, false, 1,
         "ln/translation-state.json is a link"},
        {"export over the folder's state", {"export", "--force", "--source-language=en", "--target-language=de", "--source", "DIR/en",
         "DIR/bad", "DIR/st.po"}, {}, false, 1, "st.po: is DIR/bad/translation-state.json itself"},
        {"import over an unreadable state", {"import", "--force", "DIR/fz.po", "DIR/bad"}, {}, false, 1,
         "bad/translation-state.json: line 1: not valid JSON"},
        {"import over an unreadable state, discarded", {"import", "--force", "--discard-state", "DIR/fz.po", "DIR/bad"}, {}, false, 0,
         "bad/translation-state.json: written"},
        {"update from an unreadable state", {"update", "DIR/bad", "DIR/en", "DIR/out/de"}, {}, false, 1,
         "its marks and notes would be lost, so nothing was written"},
        // Names not valid UTF-8, a code page that shifts between states, a file's control characters.
        {"a file name not valid UTF-8", {"sh", "exec \"$0\" write --kind core \"$(printf 'DIR/out/core\\344.lrc')\""}, CoreDump,
         false, 1, "the file name 'DIR/out/core\\xe4.lrc' is not valid in this system's encoding"},
        {"UTF-7", {"write", "--code-page", "UTF-7", "DIR/out/core.lrc"}, CoreDump, false, 2, "'UTF-7' cannot be used"},
        // A replace needs the file's own leave too: as nobody when root, who has it anyway.
        {"write over root's 0644 file", {"sh", "chmod 777 DIR DIR/en; [ $(id -u) = 0 ] && R='runuser -u nobody --' || chmod 444 "
         "DIR/en/core.lrc; exec $R \"$0\" write --force DIR/en/core.lrc"}, CoreDump, false, 1, "core.lrc: Permission denied"},
        {"import over a 0444 file", {"sh", "chmod 777 DIR DIR/en; chmod 444 DIR/en/*; [ $(id -u) = 0 ] && chown nobody DIR/en/* && "
         "R='runuser -u nobody --'; exec $R \"$0\" import --force DIR/in.po DIR/en"}, {}, false, 1, "core.lrc: Permission denied"},
        // Nothing to import; one file of the folder that cannot be read does not stop the others.
        {"import an empty PO", {"import", "DIR/empty.po", "DIR/en"}, {}, false, 1, "empty.po: nothing to import"},
        {"import obsolete entries only", {"import", "DIR/obsolete.po", "DIR/en"}, {}, false, 1, "obsolete.po: nothing to import"},
        {"import beside a FIFO and a broken file", {"import", "--force", "DIR/in.po", "DIR/fifo"}, {}, false, 1,
         "DIR/fifo/messages.lrc: 1 entry changed, written"},
        {"import into a FIFO", {"import", "--force", "DIR/in.po", "DIR/fifo"}, {}, false, 1,
         "DIR/fifo/core.lrc is not a regular file (it is a FIFO)"},
        {"ESC and NEL in a warning", {"check", "--code-page", "UTF-8", "DIR/ctl/core.lrc"}, {}, false, 0, "tag '\\x1b[2J\\u0085'"},
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
        objDir.Write(QStringLiteral("fifo/messages.lrc"), "MSG001:Hello\r\nMST001:Hi\r\n");
        objDir.Write(QStringLiteral("fifo/secondary.lrc"), "TXT001\r\n");  // does not load
        objDir.Write(QStringLiteral("empty.po"), "");
        const QByteArray bytPo = "msgctxt \"messages.lrc:MSG001\"\nmsgid \"Hello\"\nmsgstr \"Hallo\"\n\n"
                                 "msgctxt \"core.lrc:frmMain.cmdOK.0.C\"\nmsgid \"OK\"\nmsgstr \"Gut\"\n";
        objDir.Write(QStringLiteral("in.po"), bytPo);
        objDir.Write(QStringLiteral("obsolete.po"), "#~ " + QByteArray(bytPo).replace("\n", "\n#~ "));
        objDir.Write(QStringLiteral("fz.po"), "#, fuzzy\nmsgctxt \"messages.lrc:MSG001\"\nmsgid \"Hello\"\nmsgstr \"Hallo\"\n");
        objDir.Write(QStringLiteral("ln/messages.lrc"), "MSG001:Hello\r\nMST001:Hi\r\n");
        (void)!symlink("../en/core.lrc", QFile::encodeName(objDir.Path(QStringLiteral("ln/translation-state.json"))).constData());
        objDir.Write(QStringLiteral("bad/translation-state.json"), "{");
        for (const char* pstrFile : {"core.lrc", "messages.lrc", "secondary.lrc"})
            QFile::copy(objDir.Path(QStringLiteral("en/") + pstrFile), objDir.Path(QStringLiteral("bad/") + pstrFile));
        (void)!symlink("bad/translation-state.json", QFile::encodeName(objDir.Path(QStringLiteral("st.po"))).constData());
        objDir.Write(QStringLiteral("ctl/core.lrc"), "f.c.0.\x1b[2J\xc2\x85:x\r\nf.c.0.C:y\r\n");
        for (const char* pstrLink : {"link.po", "link.tmx"})
            (void)!symlink("en/core.lrc", QFile::encodeName(objDir.Path(pstrLink)).constData());
        (void)!symlink("out/planted.po", QFile::encodeName(objDir.Path(QStringLiteral("dangling.po"))).constData());

        QStringList strArgs;
        for (const QString& strArg : c.Args) strArgs.append(QString(strArg).replace(QStringLiteral("DIR"), objDir.Path()));
        if (strArgs.back().contains("runuser") && geteuid() == 0 && !getpwnam("nobody")) {
            std::cout << "[  SKIPPED ] " << c.Name << ": running as root, and there is no user nobody to run it as\n";
            continue;
        }
        // "sh": a command line the shell makes (bytes a QString cannot carry, a redirection, another user).
        const udtRun udtResult = strArgs.front() == u"sh" ? RunProgram("/bin/sh", {"-c", strArgs[1], TRALYX_LRC_EXE}, c.Input)
                                                          : RunLrc(strArgs, c.Input, c.FullStdout ? QStringLiteral("/dev/full") : QString());
        const QString strSaid = udtResult.Said();
        EXPECT_EQ(udtResult.ExitCode, c.ExitCode) << c.Name << ": " << strSaid.toStdString();
        EXPECT_TRUE(strSaid.contains(QString::fromUtf8(c.Says).replace(QStringLiteral("DIR"), objDir.Path())))
            << c.Name << ": " << strSaid.toStdString();
        EXPECT_EQ(clsTempDir::Read(objDir.Path(QStringLiteral("en/core.lrc"))), Core) << c.Name;
        if (!c.FullStdout) { EXPECT_TRUE(QDir(objDir.Path(QStringLiteral("out"))).isEmpty()) << c.Name; }
    }
}

// Thirty pairs of imports into one secondary.lrc, each pair changing two entries at once: every
// change arrives, or its import says it wrote nothing; never "written" twice with one change lost.
TEST(CliEdgeTest, TwoImportsAtOnceLoseNoChange)
{
    const clsTempDir objDir;
    for (int r = 0; r < 30; ++r) {
        objDir.Write("G/secondary.lrc", "TXT001:one\r\nTXT002:two\r\n");
        QProcess objImports[2];
        for (int i = 0; i < 2; ++i)
            objImports[i].start(TRALYX_LRC_EXE, {"import", "--force", objDir.Write(QString::number(i) + ".po", QStringLiteral(
                "msgctxt \"secondary.lrc:TXT00%1\"\nmsgid \"x\"\nmsgstr \"new%1\"\n").arg(i + 1).toUtf8()), objDir.Path("G")});
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(objImports[i].waitForFinished(60000));
            const QString strSaid = objImports[i].readAll() + objImports[i].readAllStandardError();
            EXPECT_TRUE(clsTempDir::Read(objDir.Path("G/secondary.lrc")).contains(QStringLiteral(":new%1\r").arg(i + 1).toUtf8()) ||
                        (objImports[i].exitCode() == 1 && !strSaid.contains("written\n"))) << "pair " << r << ": " << strSaid.toStdString();
        }
    }
}

}  // namespace
