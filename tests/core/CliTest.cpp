// tralyx-lrc as a user runs it: the built program on files the tests make.
#include "exchange/basPseudoText.h"
#include "RunProgram.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace tralyx;
using namespace tralyx::test;

namespace {

QJsonObject ParseDump(const udtRun& pudtRun)
{
    QJsonParseError udtError;
    const QJsonDocument objDocument = QJsonDocument::fromJson(pudtRun.OutBytes, &udtError);
    EXPECT_EQ(udtError.error, QJsonParseError::NoError) << udtError.errorString().toStdString();
    return objDocument.object();
}

QByteArray Document(const QJsonArray& pudtRecords)
{
    return QJsonDocument(QJsonObject{{"records", pudtRecords}}).toJson(QJsonDocument::Compact);
}

QJsonObject Message(int plngIdentifier, const QString& pstrMessage, const QString& pstrTitle)
{
    return {{"Identifier", plngIdentifier}, {"Message", pstrMessage}, {"Title", pstrTitle}};
}

QStringList Listing(const QString& pstrFolder)
{
    return QDir(pstrFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

TEST(CliCheckTest, ReportsEachFileAndWritesNothing)
{
    const struct {
        const char* FileName;  // "core.lrc/" makes a folder, a null Content no file
        QByteArray Content;
        QStringList Options;
        int ExitCode;
        const char* Expected;  // FILE stands for the path
    } udtCases[] = {
        {"core.lrc", "frmMain.cmdOK.0.T:Tip\r\nfrmMain.cmdOK.0.C:OK\r\nfrmMain.mnuFile.0.C:&File\r\n", {}, 0, "FILE: ok, 2 records\n"},
        {"Messages.lrc", "MSG001:One\rMSG001:Two\r\nMST001:T\r\nMSG002:\r\nMST002:\r\n", {}, 0, "FILE: ok, 2 records\n"},
        {"SECONDARY.LRC", "TXT001:a\r\nheading\r\nTXT002:b\r\n", {}, 0,
         "FILE:2: warning: no number after the first three characters (TXTnnn:); the line was skipped\nFILE: ok, 2 records\n"},
        {"notes.txt", "MSG001:a\r\nMST001:t\r\n", {"--kind", "messages"}, 0, "FILE: ok, 1 records\n"},
        {"notes.lrc", "a.b.0.C:x\r\n", {}, 1,
         "FILE: cannot tell the kind of file from the name 'notes.lrc'; expected core.lrc, messages.lrc or secondary.lrc, "
         "or give --kind core|messages|secondary\n"},
        {"core.lrc", QByteArray(), {}, 1, "FILE: does not exist\n"},
        {"core.lrc/", QByteArray(), {}, 1, "FILE: is a folder, not a file\n"},
    };
    for (const auto& c : udtCases) {
        SCOPED_TRACE(c.Expected);
        clsTempDir objDir;
        QString strFile = objDir.Path(QString::fromUtf8(c.FileName));
        if (strFile.endsWith(u'/')) {
            strFile.chop(1);
            QDir().mkpath(strFile);
        } else if (!c.Content.isNull()) objDir.Write(QString::fromUtf8(c.FileName), c.Content);
        const QStringList strBefore = Listing(objDir.Path());
        const udtRun udtResult = RunLrc(QStringList{"check"} + c.Options + QStringList{strFile});
        EXPECT_EQ(udtResult.ExitCode, c.ExitCode) << udtResult.Err.toStdString();
        EXPECT_EQ(udtResult.Out, QString::fromUtf8(c.Expected).replace("FILE", strFile));
        EXPECT_EQ(Listing(objDir.Path()), strBefore);
    }
    // Several files: each reported in order, and one failure fails the run.
    clsTempDir objDir;
    const QString strGood = objDir.Write("a/core.lrc", "a.b.0.C:x\r\n"), strBad = objDir.Write("b/core.lrc", "a.b.0.C:x\r\n\r\n");
    const udtRun udtResult = RunLrc({"check", strGood, strBad});
    EXPECT_EQ(udtResult.ExitCode, 1);
    EXPECT_EQ(udtResult.Out, strGood + ": ok, 1 records\n" + strBad + ":2: the line is blank\n");
}

TEST(CliCheckTest, BadCommandLinesAreUsageErrors)
{
    clsTempDir objDir;
    const QString strFile = objDir.Write("core.lrc", "a.b.0.C:x\r\n");
    const QList<QStringList> strCases = {
        {"check"}, {"check", "--code-page", "no-such-page", strFile}, {"check", "--kind", "forms", strFile}, {"check", "--force", strFile},
        {"dump", strFile, strFile}, {"write"}, {"update", strFile, strFile}, {"update", "--frce", strFile, strFile, strFile},
        {"frobnicate"}, {}};
    for (const QStringList& strArgs : strCases) {
        const udtRun udtResult = RunLrc(strArgs, "{\"records\": []}");
        EXPECT_EQ(udtResult.ExitCode, 2) << strArgs.join(u' ').toStdString();
        EXPECT_TRUE(udtResult.Out.isEmpty() && !udtResult.Err.isEmpty()) << strArgs.join(u' ').toStdString();
    }
    EXPECT_EQ(clsTempDir::Read(strFile), "a.b.0.C:x\r\n");
}

// The messages follow the user's language; what scripts read (rule names, severities, options)
// stays as it is, and LC_ALL=C or LANGUAGE=C gets the English.
TEST(CliLanguageTest, GermanUnderAGermanLocaleEnglishUnderC)
{
    clsTempDir objDir;
    objDir.Write("English/core.lrc", "frmMain.mnuFile.0.C:&File\r\n");
    objDir.Write("German/core.lrc", "frmMain.mnuFile.0.C:Datei\r\n");
    objDir.Write("Bad/translation-state.json", "{\n  \"tralyx-translation-state\": 9\n}\n");
    objDir.Write("empty.po", "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n");
    const struct {
        const char *Language, *All;
        QStringList Args;  // "tralyx" first: the editor; DIR: the folder made above
        const char* Says;
    } udtCases[] = {
        {"de", nullptr, {"--help"}, "Aufruf: tralyx-lrc COMMAND [Optionen] ARGUMENTS\n"},
        {"de", nullptr, {"lint", "DIR/Dutch"}, "tralyx-lrc lint: DIR/Dutch ist kein Ordner\nAufruf: tralyx-lrc lint"},
        {"de", nullptr, {"lint", "DIR/German"}, "core.lrc:1: error: frmMain.mnuFile.0.C: accelerator: die Quelle hat eine Zugriffstaste"},
        {"de", nullptr, {"check", "DIR/German/core.lrc", "DIR/core.lrc"}, "ok, 1 Datensätze\nDIR/core.lrc: ist nicht vorhanden\n"},
#ifdef TRALYX_EXE
        {"de", nullptr, {"tralyx", "--help"}, "Aufruf: tralyx [Optionen] [FILE...]\n"},
        {"C", nullptr, {"tralyx", "--help"}, "usage: tralyx [options] [FILE...]\n"},
#endif
        {"fr:de", nullptr, {"--frobnicate"}, "tralyx-lrc: unbekannter Befehl '--frobnicate'\nAufruf:"},
        {"C", nullptr, {"lint", "DIR/German"}, "accelerator: the source has an access key (&File), the translation has none\n"},
        {"de", "C", {"check", "DIR/core.lrc"}, "DIR/core.lrc: does not exist\n"},
        {"de", nullptr, {"import", "DIR/empty.po", "DIR/German"}, "DIR/empty.po: nichts zu importieren (die Datei enthält keine Einträge)\n"},
        // the line of a state file's problem stays apart from its reason, whatever the language
        {"de", nullptr, {"check", "DIR/Bad/translation-state.json"}, "translation-state.json:2: Version 9 der Datei mit dem Bearbeitungsstand"},
        {"C", nullptr, {"check", "DIR/Bad/translation-state.json"}, "translation-state.json:2: version 9 of the state file is not known"},
    };
    for (const auto& c : udtCases) {
        const clsScopedEnvironment objLanguage({{"LANGUAGE", c.Language}, {"LC_ALL", c.All ? QByteArray(c.All) : QByteArray()}});
        QStringList strArgs = c.Args;
        for (QString& strArg : strArgs) strArg.replace("DIR", objDir.Path());
#ifdef TRALYX_EXE
        const QString strProgram = strArgs.front() == u"tralyx" ? QStringLiteral(TRALYX_EXE) : QStringLiteral(TRALYX_LRC_EXE);
#else
        const QString strProgram = QStringLiteral(TRALYX_LRC_EXE);
#endif
        if (strArgs.front() == u"tralyx") strArgs.removeFirst();
        const udtRun udtResult = RunProgram(strProgram, strArgs);
        EXPECT_TRUE(udtResult.Said().contains(QString::fromUtf8(c.Says).replace("DIR", objDir.Path())))
            << c.Language << " " << strArgs.join(u' ').toStdString() << ":\n" << udtResult.Said().toStdString();
    }
}

TEST(CliDumpTest, PrintsTheDocumentWithWarnings)
{
    clsTempDir objDir;
    const QString strFile = objDir.Write("core.lrc", "frmMain.cmdOK.0.T:Press \"OK\"  \r\nfrmMain.cmdOK.0.C:   OK\r\n"
                                                     "frmMain.cmdOK.0.Z:?\r\nfrmMain.mnuFile.3.C:&Fil\xE9\rfrmMain.mnuFile.3.C: \\x\r\n");
    const udtRun udtResult = RunLrc({"dump", strFile});
    EXPECT_EQ(udtResult.ExitCode, 0);
    EXPECT_EQ(udtResult.Out.toStdString(),
              "{\n  \"kind\": \"core\",\n  \"success\": true,\n  \"error\": null,\n  \"warnings\": [\n"
              "    {\"line\": 3, \"reason\": \"unexpected tag 'Z'; the line was skipped\"}\n  ],\n  \"records\": [\n"
              "    {\"FormName\": \"frmMain\", \"ControlName\": \"cmdOK\", \"Index\": 0, \"Caption\": \"OK\", \"ToolTip\": \"Press \\\"OK\\\"  \"},\n"
              "    {\"FormName\": \"frmMain\", \"ControlName\": \"mnuFile\", \"Index\": 3, "
              "\"Caption\": \"&Fil\xC3\xA9\\r\\n \\\\x\", \"ToolTip\": \"\"}\n"
              "  ]\n}\n");
}

TEST(CliDumpTest, AFailedLoadStillShowsTheRecordsReadAndTheLine)
{
    clsTempDir objDir;
    const QString strFile = objDir.Write("messages.lrc", "MSG001:Hello\r\nMST001:Hi\r\nMSG002:Bye\r\nMSG\r\n");
    const udtRun udtResult = RunLrc({"dump", strFile});
    const QString strReason = "the line is shorter than its 7-character head (MSGnnn:)";
    EXPECT_EQ(udtResult.ExitCode, 1);
    EXPECT_EQ(udtResult.Err, strFile + ":4: " + strReason + "\n");
    const QJsonObject objDump = ParseDump(udtResult);
    EXPECT_FALSE(objDump.value("success").toBool(true));
    EXPECT_EQ(objDump.value("error").toObject(), (QJsonObject{{"line", 4}, {"reason", strReason}}));
    EXPECT_EQ(objDump.value("records").toArray(), (QJsonArray{Message(1, "Hello", "Hi"), Message(2, "Bye", "")}));
}

TEST(CliWriteTest, WritesTheSaversBytesAndReplacesOnlyWithForce)
{
    clsTempDir objDir;
    const QString strFile = objDir.Path("messages.lrc");
    const QByteArray bytJson = Document({Message(7, "Line one\r\nLine two", "Warning"), Message(0, "", "Empty"), Message(0, "Ends\n", "")});
    udtRun udtResult = RunLrc({"write", strFile}, bytJson);
    EXPECT_EQ(udtResult.ExitCode, 0) << udtResult.Err.toStdString();
    EXPECT_EQ(udtResult.Out, strFile + ": written, 3 records\n");
    const QByteArray bytWritten =
        "MSG001:Line one\rMSG001:Line two\r\nMST001:Warning\r\nMSG002:\r\nMST002:Empty\r\nMSG003:Ends\rMSG003:\r\nMST003:\r\n";
    EXPECT_EQ(clsTempDir::Read(strFile), bytWritten);

    udtResult = RunLrc({"write", strFile}, Document({Message(1, "new", "")}));
    EXPECT_EQ(udtResult.ExitCode, 1);
    EXPECT_EQ(udtResult.Err, strFile + ": already exists and was not overwritten (give --force to replace it)\n");
    EXPECT_EQ(clsTempDir::Read(strFile), bytWritten);
    EXPECT_EQ(RunLrc({"write", "--force", strFile}, Document({Message(1, "new", "")})).ExitCode, 0);
    EXPECT_EQ(clsTempDir::Read(strFile), "MSG001:new\r\nMST001:\r\n");
}

TEST(CliWriteTest, KindFromTheOptionTheNameOrTheDocument)
{
    clsTempDir objDir;
    const std::tuple<QStringList, const char*, QByteArray, QByteArray> udtCases[] = {  // a null result: refused, no file
        {{}, "out1.lrc", R"({"kind": "secondary", "records": ["x"]})", "TXT001:x\r\n"},
        {{"--kind", "secondary"}, "out2.lrc", R"({"records": ["y"]})", "TXT001:y\r\n"},
        {{}, "core.lrc", R"({"kind": "secondary", "records": []})", {}},  // the name and the document disagree
        {{}, "out3.lrc", R"({"records": []})", {}},                        // nothing tells
    };
    for (const auto& [strOptions, pstrName, bytJson, bytWritten] : udtCases) {
        EXPECT_EQ(RunLrc(QStringList{"write"} + strOptions + QStringList{objDir.Path(pstrName)}, bytJson).ExitCode, bytWritten.isNull() ? 1 : 0);
        EXPECT_EQ(clsTempDir::Read(objDir.Path(pstrName)), bytWritten) << pstrName;
    }
}

// A label named txt... that a harvest wrote: core.lrc has no caption line for that name.
TEST(CliWriteTest, TextsCoreLrcCannotKeepAreRefusedUnlessDropped)
{
    clsTempDir objDir;
    const udtRun udtDump = RunLrc({"dump", objDir.Write("English/core.lrc", "f.txtHint.0.T:\r\nf.txtHint.0.C:Fields marked *\r\n")});
    const udtRun udtRefused = RunLrc({"write", objDir.Path("core.lrc")}, udtDump.OutBytes);
    EXPECT_EQ(udtRefused.ExitCode, 1);
    EXPECT_TRUE(udtRefused.Err.contains("f.txtHint.0.C: core.lrc has no line for this text: \"Fields marked *\"")) << udtRefused.Err.toStdString();
    EXPECT_TRUE(Listing(objDir.Path()) == QStringList{"English"});
    EXPECT_EQ(RunLrc({"write", "--drop-unwritable", objDir.Path("core.lrc")}, udtDump.OutBytes).ExitCode, 0);
    EXPECT_EQ(clsTempDir::Read(objDir.Path("core.lrc")), "f.txtHint.0.T:\r\n");
}

TEST(CliWriteTest, BadInputIsRefusedWithTheReasonAndNoFile)
{
    // The store's own refusals are tested with the store; one of them shows the path to stderr.
    const std::pair<QByteArray, const char*> udtCases[] = {
        {"{\"records\": [\n  {\"FormName\": \"a\",,}]}", "standard input: line 2, column 21: not valid JSON"},
        {R"({"kind": "core"})", "the object has no \"records\""},
        {R"({"records": [{"FormName": "f", "ControlName": "c", "Index": 0, "Caption": "Жук"}]})", "windows-1252 cannot write the characters 'Жук'"},
    };
    for (const auto& [bytJson, pstrReason] : udtCases) {
        clsTempDir objDir;
        const udtRun udtResult = RunLrc({"write", objDir.Path("core.lrc")}, bytJson);
        EXPECT_EQ(udtResult.ExitCode, 1) << pstrReason;
        EXPECT_TRUE(udtResult.Out.isEmpty() && udtResult.Err.contains(QString::fromUtf8(pstrReason))) << udtResult.Err.toStdString();
        EXPECT_TRUE(Listing(objDir.Path()).isEmpty());
    }
}

// Every byte but the line ends survives dump and write: control characters and NUL through JSON
// escapes, the bytes a code page leaves undefined through their private code points. (What each
// format's lines can carry is tested with the store.)
TEST(CliRoundTripTest, EveryByteOfASingleByteCodePage)
{
    QByteArray bytFile = "TXT001:";
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') bytFile += static_cast<char>(b);
    bytFile += "\r\n";
    for (const char* pstrCodePage : {"windows-1252", "windows-1253", "windows-1255", "windows-1257"}) {
        clsTempDir objDir;
        const QStringList strOptions{"--code-page", pstrCodePage};
        const udtRun udtDump = RunLrc(QStringList{"dump"} + strOptions + QStringList{objDir.Write("secondary.lrc", bytFile)});
        ASSERT_EQ(udtDump.ExitCode, 0) << pstrCodePage;
        const QString strOut = objDir.Write("out/secondary.lrc", {});
        ASSERT_EQ(RunLrc(QStringList{"write", "--force"} + strOptions + QStringList{strOut}, udtDump.OutBytes).ExitCode, 0) << pstrCodePage;
        EXPECT_TRUE(clsTempDir::Read(strOut) == bytFile) << pstrCodePage;
    }
}

TEST(CliBadInputTest, HugeLinesAreNotQuotedAndUnreadableFilesFail)
{
    clsTempDir objDir;
    const QString strFile = objDir.Write("core.lrc", "a.b.0.C:x\r\n" + QByteArray(10 * 1024 * 1024, 'x') + "\r\n");
    const udtRun udtCheck = RunLrc({"check", strFile});
    EXPECT_EQ(udtCheck.ExitCode, 1);
    EXPECT_TRUE(udtCheck.Out.startsWith(strFile + ":2: ") && udtCheck.Out.size() < 300) << udtCheck.Out.left(300).toStdString();
    // A file that opens but cannot be read: this process's memory at address 0, even for root.
    const udtRun udtProc = RunLrc({"check", "--kind", "core", "/proc/self/mem"});
    EXPECT_EQ(udtProc.ExitCode, 1);
    EXPECT_TRUE(udtProc.Out.startsWith("/proc/self/mem: cannot read ")) << udtProc.Out.toStdString();
}

}  // namespace

// The pseudo-language: each text at least the percentage longer, its markers, access keys, numbers,
// line breaks and end kept where the checks want them; made from the example English, it lints clean.
TEST(CliPseudoTest, LongerTextsThatKeepWhatTheChecksWant)
{
    const clsCodePage objCp1252(QStringLiteral("windows-1252")), objAscii(QStringLiteral("US-ASCII"));
    const struct {
        const char16_t *Text, *Pseudo;
        const clsCodePage& CodePage;
    } udtCases[] = {
        {u"&Open...", u"[&Opéñ·]...", objCp1252},
        {u"  [#!title!#] is due in 5 min.\r\n", u"  [[#!title!#] ís dúé íñ 5 míñ··········].\r\n", objCp1252},
        {u"Line\r\nnext:", u"[Líñé\r\nñéxt··]:", objCp1252},
        {u"Save &&close %1", u"[Sávé &&çlósé %1····]", objCp1252},
        {u"Note", u"[Note]", objAscii},  // no letter, and no middle dot, the code page cannot write
        {u"", u"", objCp1252},
    };
    for (const auto& c : udtCases) {
        const QString strText = QString::fromUtf16(c.Text), strPseudo = PseudoText(strText, {35, true, true}, c.CodePage);
        EXPECT_EQ(strPseudo, QString::fromUtf16(c.Pseudo)) << strText.toStdString();
        EXPECT_GE(strPseudo.size() * 100, strText.size() * 135) << strText.toStdString();
    }
    const clsTempDir objDir;
    const QString strEnglish = QDir::cleanPath(QStringLiteral(TRALYX_TEST_DATA "/../../examples/languages/English"));
    const QString strPseudo = objDir.Path(QStringLiteral("Pseudo"));
    const udtRun udtMade = RunLrc({QStringLiteral("pseudo"), QStringLiteral("--accents"), QStringLiteral("--brackets"), strEnglish, strPseudo});
    ASSERT_EQ(udtMade.ExitCode, 0) << udtMade.Said().toStdString();
    const udtRun udtLint = RunLrc({QStringLiteral("lint"), QStringLiteral("--source"), strEnglish, strPseudo});
    EXPECT_EQ(udtLint.ExitCode, 0);
    EXPECT_TRUE(udtLint.Out.contains(QStringLiteral(": 0 errors, 0 warnings"))) << udtLint.Out.toStdString();
    EXPECT_EQ(RunLrc({QStringLiteral("pseudo"), strEnglish, strPseudo}).ExitCode, 1) << "an existing file is replaced only with --force";
}
