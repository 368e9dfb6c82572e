// tralyx-lrc as a user runs it: the built program on files the tests make.
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <random>
#include <unistd.h>

using tralyx::test::clsTempDir;

namespace {

struct udtRun {
    int ExitCode = -1;
    QString Out;
    QString Err;
    QByteArray OutBytes;
};

udtRun RunLrc(const QStringList& pstrArgs, const QByteArray& pbytInput = QByteArray())
{
    QProcess objProcess;
    objProcess.start(QStringLiteral(TRALYX_LRC_EXE), pstrArgs);
    udtRun udtResult;
    if (!objProcess.waitForStarted()) return udtResult;
    objProcess.write(pbytInput);
    objProcess.closeWriteChannel();
    if (!objProcess.waitForFinished(60000) || objProcess.exitStatus() != QProcess::NormalExit) return udtResult;  // crashed
    udtResult.ExitCode = objProcess.exitCode();
    udtResult.OutBytes = objProcess.readAllStandardOutput();
    udtResult.Out = QString::fromUtf8(udtResult.OutBytes);
    udtResult.Err = QString::fromUtf8(objProcess.readAllStandardError());
    return udtResult;
}

QJsonObject ParseDump(const udtRun& pudtRun)
{
    QJsonParseError udtError;
    const QJsonDocument objDocument = QJsonDocument::fromJson(pudtRun.OutBytes, &udtError);
    EXPECT_EQ(udtError.error, QJsonParseError::NoError) << udtError.errorString().toStdString();
    return objDocument.object();
}

QByteArray Document(const QJsonArray& pudtRecords)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("records"), pudtRecords}}).toJson(QJsonDocument::Compact);
}

QJsonObject Control(const QString& pstrForm, const QString& pstrControl, int plngIndex, const QString& pstrCaption,
                    const QString& pstrToolTip)
{
    return {{QStringLiteral("FormName"), pstrForm},    {QStringLiteral("ControlName"), pstrControl},
            {QStringLiteral("Index"), plngIndex},      {QStringLiteral("Caption"), pstrCaption},
            {QStringLiteral("ToolTip"), pstrToolTip}};
}

QJsonObject Message(int plngIdentifier, const QString& pstrMessage, const QString& pstrTitle)
{
    return {{QStringLiteral("Identifier"), plngIdentifier},
            {QStringLiteral("Message"), pstrMessage},
            {QStringLiteral("Title"), pstrTitle}};
}

QStringList FolderListing(const QString& pstrFolder)
{
    return QDir(pstrFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// ---- check ------------------------------------------------------------------------------------------

struct udtCheckCase {
    const char* Name;
    const char* FileName;  // made in a fresh folder; "" makes no file, "/" a folder of that name
    QByteArray Content;
    QStringList Options;
    int ExitCode;
    const char* Expected;  // the output, FILE standing for the path
};

class CliCheckTest : public ::testing::TestWithParam<udtCheckCase> {};

TEST_P(CliCheckTest, ReportsEachFile)
{
    const udtCheckCase& c = GetParam();
    clsTempDir objDir;
    QString strFile = objDir.Path(QString::fromUtf8(c.FileName));
    if (strFile.endsWith(u'/')) {
        strFile.chop(1);
        QDir().mkpath(strFile);
    } else if (!c.Content.isNull()) {
        objDir.Write(QString::fromUtf8(c.FileName), c.Content);
    }
    const QStringList strBefore = FolderListing(objDir.Path());
    const udtRun udtResult = RunLrc(QStringList{QStringLiteral("check")} + c.Options + QStringList{strFile});
    EXPECT_EQ(udtResult.ExitCode, c.ExitCode) << udtResult.Err.toStdString();
    EXPECT_EQ(udtResult.Out.toStdString(), QString::fromUtf8(c.Expected).replace(QStringLiteral("FILE"), strFile).toStdString());
    EXPECT_EQ(FolderListing(objDir.Path()), strBefore) << "check wrote something";
}

INSTANTIATE_TEST_SUITE_P(
    Files, CliCheckTest,
    ::testing::Values(
        udtCheckCase{"Core", "core.lrc", "frmMain.cmdOK.0.T:Tip\r\nfrmMain.cmdOK.0.C:OK\r\nfrmMain.mnuFile.0.C:&File\r\n",
                     {}, 0, "FILE: ok, 2 records\n"},
        udtCheckCase{"UpperCaseName", "CORE.LRC", "a.b.0.C:x\r\n", {}, 0, "FILE: ok, 1 records\n"},
        udtCheckCase{"Messages", "Messages.lrc", "MSG001:One\rMSG001:Two\r\nMST001:T\r\nMSG002:\r\nMST002:\r\n",
                     {}, 0, "FILE: ok, 2 records\n"},
        udtCheckCase{"Secondary", "secondary.lrc", "TXT001:a\r\nheading\r\nTXT002:b\nTXT003:c\r", {}, 0,
                     "FILE:2: warning: no number after the first three characters (TXTnnn:); the line was skipped\n"
                     "FILE: ok, 3 records\n"},
        udtCheckCase{"UnexpectedTagIsAWarning", "core.lrc", "a.b.0.C:x\r\na.b.0.Q:y\r\n", {}, 0,
                     "FILE:2: warning: unexpected tag 'Q'; the line was skipped\nFILE: ok, 1 records\n"},
        udtCheckCase{"KindOption", "notes.txt", "MSG001:a\r\nMST001:t\r\n", {"--kind", "messages"}, 0,
                     "FILE: ok, 1 records\n"},
        udtCheckCase{"UnknownName", "notes.lrc", "a.b.0.C:x\r\n", {}, 1,
                     "FILE: cannot tell the kind of file from the name 'notes.lrc'; expected core.lrc, messages.lrc "
                     "or secondary.lrc, or give --kind core|messages|secondary\n"},
        udtCheckCase{"Missing", "core.lrc", QByteArray(), {}, 1, "FILE: does not exist\n"},
        udtCheckCase{"Folder", "core.lrc/", QByteArray(), {}, 1, "FILE: is a folder, not a file\n"},
        udtCheckCase{"OnlyDots", "core.lrc", "....\r\n", {}, 1, "FILE:1: index '' is not a number from 0 to 255\n"},
        udtCheckCase{"NulBytes", "core.lrc", QByteArray(4096, '\0'), {}, 1,
                     "FILE:1: expected Form.Control.Index.Tag:Text, but the line has fewer than three '.'\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CliCheckTest, ReportsEveryFileInOrderAndFailsWhenOneFails)
{
    clsTempDir objDir;
    const QString strGood = objDir.Write(QStringLiteral("a/core.lrc"), "a.b.0.C:x\r\n");
    const QString strBad = objDir.Write(QStringLiteral("b/core.lrc"), "a.b.0.C:x\r\n\r\n");
    const QString strSecondary = objDir.Write(QStringLiteral("secondary.lrc"), "TXT001:x\r\n");
    const udtRun udtResult = RunLrc({QStringLiteral("check"), strGood, strBad, strSecondary});
    EXPECT_EQ(udtResult.ExitCode, 1);
    EXPECT_EQ(udtResult.Out, strGood + QStringLiteral(": ok, 1 records\n") + strBad +
                                 QStringLiteral(":2: the line is blank\n") + strSecondary +
                                 QStringLiteral(": ok, 1 records\n"));
}

TEST(CliCheckTest, BadCommandLinesAreUsageErrors)
{
    clsTempDir objDir;
    const QString strFile = objDir.Write(QStringLiteral("core.lrc"), "a.b.0.C:x\r\n");
    const QList<QStringList> strCases = {
        {QStringLiteral("check")},
        {QStringLiteral("check"), QStringLiteral("--code-page"), QStringLiteral("no-such-page"), strFile},
        {QStringLiteral("check"), QStringLiteral("--kind"), QStringLiteral("forms"), strFile},
        {QStringLiteral("check"), QStringLiteral("--force"), strFile},
        {QStringLiteral("dump"), strFile, strFile},
        {QStringLiteral("write")},
        {QStringLiteral("frobnicate")},
        {}};
    for (const QStringList& strArgs : strCases) {
        const udtRun udtResult = RunLrc(strArgs, "{\"records\": []}");
        EXPECT_EQ(udtResult.ExitCode, 2) << strArgs.join(u' ').toStdString();
        EXPECT_TRUE(udtResult.Out.isEmpty()) << strArgs.join(u' ').toStdString();
        EXPECT_FALSE(udtResult.Err.isEmpty()) << strArgs.join(u' ').toStdString();
    }
    EXPECT_EQ(clsTempDir::Read(strFile), "a.b.0.C:x\r\n");
}

// ---- dump -------------------------------------------------------------------------------------------

TEST(CliDumpTest, PrintsTheDocumentWithWarnings)
{
    clsTempDir objDir;
    const QString strFile = objDir.Write(QStringLiteral("core.lrc"),
                                         "frmMain.cmdOK.0.T:Press \"OK\"  \r\nfrmMain.cmdOK.0.C:   OK\r\n"
                                         "frmMain.cmdOK.0.Z:?\r\nfrmMain.mnuFile.3.C:&Fil\xE9\rfrmMain.mnuFile.3.C: \\x\r\n");
    const udtRun udtResult = RunLrc({QStringLiteral("dump"), strFile});
    EXPECT_EQ(udtResult.ExitCode, 0);
    EXPECT_EQ(udtResult.Out.toStdString(),
              "{\n"
              "  \"kind\": \"core\",\n"
              "  \"success\": true,\n"
              "  \"error\": null,\n"
              "  \"warnings\": [\n"
              "    {\"line\": 3, \"reason\": \"unexpected tag 'Z'; the line was skipped\"}\n"
              "  ],\n"
              "  \"records\": [\n"
              "    {\"FormName\": \"frmMain\", \"ControlName\": \"cmdOK\", \"Index\": 0, \"Caption\": \"OK\", "
              "\"ToolTip\": \"Press \\\"OK\\\"  \"},\n"
              "    {\"FormName\": \"frmMain\", \"ControlName\": \"mnuFile\", \"Index\": 3, \"Caption\": "
              "\"&Fil\xC3\xA9\\r\\n \\\\x\", \"ToolTip\": \"\"}\n"
              "  ]\n"
              "}\n");
}

TEST(CliDumpTest, AFailedLoadStillShowsTheRecordsReadAndTheLine)
{
    clsTempDir objDir;
    const QString strFile = objDir.Write(QStringLiteral("messages.lrc"),
                                         "MSG001:Hello\r\nMST001:Hi\r\nMSG002:Bye\r\nMSG\r\n");
    const udtRun udtResult = RunLrc({QStringLiteral("dump"), strFile});
    EXPECT_EQ(udtResult.ExitCode, 1);
    EXPECT_EQ(udtResult.Err, strFile + QStringLiteral(":4: the line is shorter than its 7-character head (MSGnnn:)\n"));
    const QJsonObject objDump = ParseDump(udtResult);
    EXPECT_EQ(objDump.value(QStringLiteral("kind")).toString(), QStringLiteral("messages"));
    EXPECT_FALSE(objDump.value(QStringLiteral("success")).toBool(true));
    EXPECT_EQ(objDump.value(QStringLiteral("error")).toObject(),
              (QJsonObject{{QStringLiteral("line"), 4},
                           {QStringLiteral("reason"), QStringLiteral("the line is shorter than its 7-character head (MSGnnn:)")}}));
    EXPECT_EQ(objDump.value(QStringLiteral("warnings")).toArray(), QJsonArray());
    EXPECT_EQ(objDump.value(QStringLiteral("records")).toArray(),
              (QJsonArray{Message(1, QStringLiteral("Hello"), QStringLiteral("Hi")), Message(2, QStringLiteral("Bye"), QString())}));
}

TEST(CliDumpTest, AMissingFileIsAFailureOfLineZeroWithTheEmptyTable)
{
    clsTempDir objDir;
    const udtRun udtResult = RunLrc({QStringLiteral("dump"), objDir.Path(QStringLiteral("secondary.lrc"))});
    EXPECT_EQ(udtResult.ExitCode, 1);
    const QJsonObject objDump = ParseDump(udtResult);
    EXPECT_EQ(objDump.value(QStringLiteral("error")).toObject().value(QStringLiteral("line")).toInt(-1), 0);
    EXPECT_EQ(objDump.value(QStringLiteral("records")).toArray(), QJsonArray{QString()});
    EXPECT_TRUE(FolderListing(objDir.Path()).isEmpty());
}

// ---- write ------------------------------------------------------------------------------------------

TEST(CliWriteTest, WritesTheSaversBytes)
{
    clsTempDir objDir;
    const QString strFile = objDir.Path(QStringLiteral("messages.lrc"));
    const QJsonArray udtRecords{Message(7, QStringLiteral("Line one\r\nLine two"), QStringLiteral("Warning")),
                                Message(0, QString(), QStringLiteral("Empty")),
                                Message(0, QStringLiteral("Ends\n"), QString())};
    const udtRun udtResult = RunLrc({QStringLiteral("write"), strFile}, Document(udtRecords));
    EXPECT_EQ(udtResult.ExitCode, 0) << udtResult.Err.toStdString();
    EXPECT_EQ(udtResult.Out, strFile + QStringLiteral(": written, 3 records\n"));
    EXPECT_EQ(clsTempDir::Read(strFile), "MSG001:Line one\rMSG001:Line two\r\nMST001:Warning\r\n"
                                         "MSG002:\r\nMST002:Empty\r\n"
                                         "MSG003:Ends\rMSG003:\r\nMST003:\r\n");
}

TEST(CliWriteTest, ReplacesAnExistingFileOnlyWithForce)
{
    clsTempDir objDir;
    const QString strFile = objDir.Write(QStringLiteral("secondary.lrc"), "TXT001:old\r\n");
    const QByteArray bytJson = Document({QStringLiteral("new")});

    udtRun udtResult = RunLrc({QStringLiteral("write"), strFile}, bytJson);
    EXPECT_EQ(udtResult.ExitCode, 1);
    EXPECT_EQ(udtResult.Err, strFile + QStringLiteral(": already exists and was not overwritten (give --force to replace it)\n"));
    EXPECT_EQ(clsTempDir::Read(strFile), "TXT001:old\r\n");

    udtResult = RunLrc({QStringLiteral("write"), QStringLiteral("--force"), strFile}, bytJson);
    EXPECT_EQ(udtResult.ExitCode, 0) << udtResult.Err.toStdString();
    EXPECT_EQ(clsTempDir::Read(strFile), "TXT001:new\r\n");
    EXPECT_EQ(FolderListing(objDir.Path()), QStringList{QStringLiteral("secondary.lrc")}) << "a temporary file was left";
}

TEST(CliWriteTest, KindFromTheOptionTheNameOrTheDocument)
{
    clsTempDir objDir;
    const struct {
        QStringList Options;
        const char* FileName;
        QByteArray Json;
        QByteArray Written;  // null: refused, no file
    } udtCases[] = {
        {{}, "out1.lrc", R"({"kind": "secondary", "records": ["x"]})", "TXT001:x\r\n"},
        {{"--kind", "secondary"}, "out2.lrc", R"({"records": ["y"]})", "TXT001:y\r\n"},
        {{}, "core.lrc", R"({"kind": "secondary", "records": []})", {}},  // the name and the document disagree
        {{}, "out3.lrc", R"({"records": []})", {}},                        // nothing tells
    };
    for (const auto& c : udtCases) {
        const QString strFile = objDir.Path(QString::fromLatin1(c.FileName));
        EXPECT_EQ(RunLrc(QStringList{QStringLiteral("write")} + c.Options + QStringList{strFile}, c.Json).ExitCode,
                  c.Written.isNull() ? 1 : 0) << c.FileName;
        EXPECT_EQ(QFileInfo::exists(strFile), !c.Written.isNull()) << c.FileName;
        EXPECT_EQ(clsTempDir::Read(strFile), c.Written) << c.FileName;
    }
}

struct udtBadInputCase {
    const char* Name;
    const char* FileName;
    QByteArray Json;
    QStringList Options;
    const char* Reason;  // a part of the message on stderr
};

class CliWriteRefusesTest : public ::testing::TestWithParam<udtBadInputCase> {};

TEST_P(CliWriteRefusesTest, SaysWhyAndWritesNothing)
{
    const udtBadInputCase& c = GetParam();
    clsTempDir objDir;
    const QString strFile = objDir.Path(QString::fromUtf8(c.FileName));
    const udtRun udtResult = RunLrc(QStringList{QStringLiteral("write")} + c.Options + QStringList{strFile}, c.Json);
    EXPECT_EQ(udtResult.ExitCode, 1);
    EXPECT_TRUE(udtResult.Out.isEmpty());
    EXPECT_TRUE(udtResult.Err.contains(QString::fromUtf8(c.Reason))) << udtResult.Err.toStdString();
    EXPECT_TRUE(FolderListing(objDir.Path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CliWriteRefusesTest,
    ::testing::Values(
        udtBadInputCase{"NotJson", "core.lrc", "{\"records\": [\n  {\"FormName\": \"a\",,}]}", {},
                        "standard input: line 2, column 21: not valid JSON"},
        udtBadInputCase{"NoRecords", "core.lrc", "{\"kind\": \"core\"}", {}, "the object has no \"records\""},
        udtBadInputCase{"IndexTooBig", "core.lrc",
                        R"({"records": [{"FormName": "f", "ControlName": "c", "Index": 0}, {"FormName": "f", "ControlName": "c", "Index": 256}]})",
                        {}, "records[1].Index must be a whole number from 0 to 255, not 256"},
        udtBadInputCase{"MisspeltField", "core.lrc",
                        R"({"records": [{"FormName": "f", "ControlName": "c", "Index": 0, "caption": "x"}]})", {},
                        "records[0] has an unknown field 'caption'"},
        udtBadInputCase{"IdentifierTooBig", "messages.lrc", R"({"records": [{"Identifier": 300, "Message": "m"}]})", {},
                        "records[0].Identifier must be a whole number from 0 to 255, not 300"},
        udtBadInputCase{"NameWithADot", "core.lrc", R"({"records": [{"FormName": "f.g", "ControlName": "c", "Index": 0}]})",
                        {}, "holds a '.' or a line break"},
        udtBadInputCase{"Unencodable", "core.lrc",
                        R"({"records": [{"FormName": "f", "ControlName": "c", "Index": 0, "Caption": "Жук"}]})", {},
                        "windows-1252 cannot write the characters 'Жук'"},
        udtBadInputCase{"TitleWithALineBreak", "messages.lrc", R"({"records": [{"Title": "a\nb"}]})", {},
                        "MST001: a title cannot hold a line break"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CliWriteTest, RefusesMoreMessagesThanAFileCanNumber)
{
    clsTempDir objDir;
    QJsonArray udtRecords;
    for (int i = 0; i < 256; ++i) udtRecords.append(Message(0, QStringLiteral("m"), QString()));
    const udtRun udtResult = RunLrc({QStringLiteral("write"), objDir.Path(QStringLiteral("messages.lrc"))}, Document(udtRecords));
    EXPECT_EQ(udtResult.ExitCode, 1);
    EXPECT_TRUE(udtResult.Err.contains(QStringLiteral("256 messages"))) << udtResult.Err.toStdString();
    EXPECT_TRUE(FolderListing(objDir.Path()).isEmpty());
}

TEST(CliWriteTest, AFolderAsTheFileIsAFailure)
{
    clsTempDir objDir;
    QDir().mkpath(objDir.Path(QStringLiteral("core.lrc")));
    for (const QStringList& strOptions : {QStringList(), QStringList{QStringLiteral("--force")}}) {
        const udtRun udtResult = RunLrc(QStringList{QStringLiteral("write")} + strOptions + QStringList{objDir.Path(QStringLiteral("core.lrc"))},
                                     Document({Control(QStringLiteral("f"), QStringLiteral("c"), 0, QString(), QString())}));
        EXPECT_EQ(udtResult.ExitCode, 1);
        EXPECT_TRUE(udtResult.Err.contains(QStringLiteral("is a folder"))) << udtResult.Err.toStdString();
        EXPECT_TRUE(QFileInfo(objDir.Path(QStringLiteral("core.lrc"))).isDir());
    }
}

// ---- round trips ------------------------------------------------------------------------------------

// A table is written from JSON, dumped, the dump written again and dumped again: the records come
// back as expected, the two files are identical and so are the two dumps.
struct udtRoundTrip {
    QString FileName;
    QStringList Options;
    QJsonArray Records;
    QJsonArray Expected;  // what a dump of the written file holds
};

void ExpectRoundTrip(const udtRoundTrip& pudtCase)
{
    clsTempDir objDir;
    const QString strFirst = objDir.Path(QStringLiteral("1/") + pudtCase.FileName);
    const QString strSecond = objDir.Path(QStringLiteral("2/") + pudtCase.FileName);
    QDir().mkpath(QFileInfo(strFirst).path());
    QDir().mkpath(QFileInfo(strSecond).path());

    udtRun udtWritten = RunLrc(QStringList{QStringLiteral("write")} + pudtCase.Options + QStringList{strFirst}, Document(pudtCase.Records));
    ASSERT_EQ(udtWritten.ExitCode, 0) << udtWritten.Err.toStdString();
    const udtRun udtFirstDump = RunLrc(QStringList{QStringLiteral("dump")} + pudtCase.Options + QStringList{strFirst});
    ASSERT_EQ(udtFirstDump.ExitCode, 0) << udtFirstDump.Err.toStdString();
    const QJsonObject objDump = ParseDump(udtFirstDump);
    EXPECT_TRUE(objDump.value(QStringLiteral("success")).toBool());
    const QJsonArray udtRecords = objDump.value(QStringLiteral("records")).toArray();
    ASSERT_EQ(udtRecords.size(), pudtCase.Expected.size());
    for (qsizetype i = 0; i < udtRecords.size(); ++i)
        ASSERT_EQ(udtRecords[i], pudtCase.Expected[i])
            << "record " << i << ": " << QJsonDocument(QJsonArray{udtRecords[i]}).toJson().toStdString();

    udtWritten = RunLrc(QStringList{QStringLiteral("write")} + pudtCase.Options + QStringList{strSecond}, udtFirstDump.OutBytes);
    ASSERT_EQ(udtWritten.ExitCode, 0) << udtWritten.Err.toStdString();
    EXPECT_TRUE(clsTempDir::Read(strFirst) == clsTempDir::Read(strSecond)) << "the saved bytes differ";
    const udtRun udtSecondDump = RunLrc(QStringList{QStringLiteral("dump")} + pudtCase.Options + QStringList{strSecond});
    EXPECT_TRUE(udtSecondDump.OutBytes == udtFirstDump.OutBytes) << "the dumps differ";
}

TEST(CliRoundTripTest, ControlTextLosesOnlyWhatItsLinesCannotCarry)
{
    const QJsonArray udtKept{
        Control(QStringLiteral("frmMain"), QStringLiteral("cmdOK"), 0, QStringLiteral("&OK"), QStringLiteral("Accept  ")),
        Control(QStringLiteral("frmMain"), QStringLiteral("cmdOK"), 1, QString(), QString()),
        Control(QStringLiteral("frmMain"), QStringLiteral("lblNote"), 0, QStringLiteral("First\r\n  indented\r\n\r\nlast "),
                QStringLiteral("tip\r\n")),
        Control(QStringLiteral("frmMain"), QStringLiteral("txtName"), 0, QString(), QStringLiteral("a.b:c. d")),
        Control(QStringLiteral("frmMain"), QStringLiteral("mnuFile"), 0, QStringLiteral("&Datei \u20ac\u00e9"), QString()),
        Control(QStringLiteral("frmOther"), QStringLiteral("[Caption]"), 2, QStringLiteral("\r\n"), QString()),
        Control(QStringLiteral("frmOther"), QStringLiteral("cmd"), 255, QStringLiteral("tab\there"), QStringLiteral("\"q\" \\"))};
    QJsonArray udtRecords = udtKept, udtExpected = udtKept;
    udtRecords.append(Control(QStringLiteral("f"), QStringLiteral("txtName"), 0, QStringLiteral("lost caption"), QStringLiteral("tip")));
    udtRecords.append(Control(QStringLiteral("f"), QStringLiteral("mnuEdit"), 0, QStringLiteral("Edit"), QStringLiteral("lost tip")));
    udtRecords.append(Control(QStringLiteral("f"), QStringLiteral("cmdGo"), 0, QStringLiteral("   Go"), QStringLiteral("a\nb\rc")));
    udtExpected.append(Control(QStringLiteral("f"), QStringLiteral("txtName"), 0, QString(), QStringLiteral("tip")));
    udtExpected.append(Control(QStringLiteral("f"), QStringLiteral("mnuEdit"), 0, QStringLiteral("Edit"), QString()));
    udtExpected.append(Control(QStringLiteral("f"), QStringLiteral("cmdGo"), 0, QStringLiteral("Go"), QStringLiteral("a\r\nb\r\nc")));
    ExpectRoundTrip({QStringLiteral("core.lrc"), {}, udtRecords, udtExpected});
}

TEST(CliRoundTripTest, TheLargestControlTextTable)
{
    QJsonArray udtRecords;
    for (int i = 0; i < 32767; ++i)
        udtRecords.append(Control(QStringLiteral("frmForm%1").arg(i / 200), QStringLiteral("cmdButton%1").arg(i % 200 / 4), i % 4,
                                  i % 7 == 0 ? QStringLiteral("Caption\r\nline %1").arg(i) : QStringLiteral("Caption %1").arg(i),
                                  i % 5 == 0 ? QString() : QStringLiteral("Tip %1 ").arg(i)));
    ExpectRoundTrip({QStringLiteral("core.lrc"), {}, udtRecords, udtRecords});
}

TEST(CliRoundTripTest, TwoHundredFiftyFiveMessagesNumberedByPosition)
{
    QJsonArray udtRecords, udtExpected;
    for (int i = 0; i < 255; ++i) {
        const QString strMessage = i % 4 == 0   ? QString()
                                   : i % 4 == 1 ? QStringLiteral("Line %1\r\n\r\nlast  ").arg(i)
                                   : i % 4 == 2 ? QStringLiteral("ends with a break\r\n")
                                                : QStringLiteral("[#!x!#] %1").arg(i);
        const QString strTitle = i % 3 == 0 ? QString() : QStringLiteral("Title %1 ").arg(i);
        udtRecords.append(Message(200, strMessage, strTitle));
        udtExpected.append(Message(i + 1, strMessage, strTitle));
    }
    ExpectRoundTrip({QStringLiteral("messages.lrc"), {}, udtRecords, udtExpected});
}

TEST(CliRoundTripTest, ProceduralTextBeyondNineHundredNinetyNineEntries)
{
    QJsonArray udtRecords;
    for (int i = 0; i < 1500; ++i)
        udtRecords.append(i % 10 == 0   ? QString()
                          : i % 10 == 1 ? QStringLiteral("two\r\nlines %1").arg(i)
                          : i % 10 == 2 ? QStringLiteral("break at the end\r\n")
                                        : QStringLiteral("entry %1  ").arg(i));
    ExpectRoundTrip({QStringLiteral("secondary.lrc"), {}, udtRecords, udtRecords});
}

// Every byte but the line ends survives load, dump, write: control characters and NUL through JSON
// escapes, the bytes a code page leaves undefined through their private code points.
TEST(CliRoundTripTest, EveryByteOfASingleByteCodePage)
{
    QByteArray bytFile = "TXT001:";
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') bytFile += static_cast<char>(b);
    bytFile += "\r\n";
    for (const char* pstrCodePage : {"windows-1252", "windows-1253", "windows-1255", "windows-1257"}) {
        clsTempDir objDir;
        const QString strFile = objDir.Write(QStringLiteral("secondary.lrc"), bytFile);
        const QStringList strOptions{QStringLiteral("--code-page"), QString::fromLatin1(pstrCodePage)};
        const udtRun udtDump = RunLrc(QStringList{QStringLiteral("dump")} + strOptions + QStringList{strFile});
        ASSERT_EQ(udtDump.ExitCode, 0) << pstrCodePage;
        const QString strOut = objDir.Path(QStringLiteral("out/secondary.lrc"));
        QDir().mkpath(QFileInfo(strOut).path());
        const udtRun udtWrite = RunLrc(QStringList{QStringLiteral("write")} + strOptions + QStringList{strOut}, udtDump.OutBytes);
        ASSERT_EQ(udtWrite.ExitCode, 0) << pstrCodePage << ": " << udtWrite.Err.toStdString();
        EXPECT_TRUE(clsTempDir::Read(strOut) == bytFile) << pstrCodePage;
    }
}

// ---- damaged files ----------------------------------------------------------------------------------

TEST(CliBadInputTest, RandomBytesNulsAndHugeLinesFailClearlyWithoutAWrite)
{
    std::mt19937 objRandom(7);
    QByteArray bytRandom(200000, Qt::Uninitialized);
    for (char& b : bytRandom) b = static_cast<char>(objRandom());
    const QByteArray bytHugeTag = "a.b.0." + QByteArray(10 * 1024 * 1024, 'x') + ":t\r\n";
    const QByteArray bytHugeLine = QByteArray(10 * 1024 * 1024, 'x') + "\r\n";
    const QByteArray bytNuls = "a.b.0.C:x\r\n" + QByteArray(1000, '\0') + "\r\n";

    struct udtCase {
        const char* FileName;
        QByteArray Content;
        int ExitCode;
    };
    const udtCase udtCases[] = {{"core.lrc", bytRandom, 1},    {"messages.lrc", bytRandom, 1},
                                {"secondary.lrc", bytRandom, 0}, // unnumbered lines are skipped
                                {"core.lrc", bytHugeLine, 1},  {"messages.lrc", bytHugeLine, 0},
                                {"core.lrc", bytHugeTag, 0},   {"core.lrc", bytNuls, 1}};
    for (const udtCase& c : udtCases) {
        clsTempDir objDir;
        const QString strFile = objDir.Write(QString::fromLatin1(c.FileName), c.Content);
        const QString strWhat = QStringLiteral("%1 of %2 bytes").arg(QString::fromLatin1(c.FileName)).arg(c.Content.size());
        udtRun udtCheck = RunLrc({QStringLiteral("check"), strFile});
        EXPECT_EQ(udtCheck.ExitCode, c.ExitCode) << strWhat.toStdString();
        // Skipped lines are listed (a hundred at most, then counted); the rest is the report.
        const QStringList strLines = udtCheck.Out.split(u'\n', Qt::SkipEmptyParts);
        const QStringList strWarnings = strLines.filter(QStringLiteral(": warning: "));
        EXPECT_LE(strWarnings.size(), 101) << strWhat.toStdString();
        udtCheck.Out = QStringList(strLines.mid(strWarnings.size())).join(u'\n') + u'\n';
        EXPECT_LT(udtCheck.Out.size(), 1000) << strWhat.toStdString() << ": the report quotes too much";
        if (c.ExitCode == 1) {
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^%1:[1-9][0-9]*: \\S[^\\n]*\\n$")
                                               .arg(QRegularExpression::escape(strFile)))
                            .match(udtCheck.Out)
                            .hasMatch())
                << strWhat.toStdString() << ": " << udtCheck.Out.left(300).toStdString();
        }
        const udtRun udtDump = RunLrc({QStringLiteral("dump"), strFile});
        EXPECT_EQ(udtDump.ExitCode, c.ExitCode) << strWhat.toStdString();
        EXPECT_FALSE(ParseDump(udtDump).isEmpty()) << strWhat.toStdString();
        EXPECT_EQ(FolderListing(objDir.Path()), QStringList{QString::fromLatin1(c.FileName)});
        EXPECT_TRUE(clsTempDir::Read(strFile) == c.Content) << strWhat.toStdString();
    }
}

TEST(CliBadInputTest, AFileThatOpensButCannotBeRead)
{
    // Reading this process's memory at address 0 fails, even for root.
    const udtRun udtProc = RunLrc({QStringLiteral("check"), QStringLiteral("--kind"), QStringLiteral("core"), QStringLiteral("/proc/self/mem")});
    EXPECT_EQ(udtProc.ExitCode, 1);
    EXPECT_TRUE(udtProc.Out.startsWith(QStringLiteral("/proc/self/mem: cannot read "))) << udtProc.Out.toStdString();
}

TEST(CliBadInputTest, AFileWithoutReadPermission)
{
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file whatever its permissions";
    clsTempDir objDir;
    const QString strFile = objDir.Write(QStringLiteral("core.lrc"), "a.b.0.C:x\r\n");
    QFile::setPermissions(strFile, QFileDevice::WriteOwner);
    const udtRun udtResult = RunLrc({QStringLiteral("check"), strFile});
    EXPECT_EQ(udtResult.ExitCode, 1);
    EXPECT_TRUE(udtResult.Out.startsWith(strFile + QStringLiteral(": cannot open "))) << udtResult.Out.toStdString();
}

}  // namespace
