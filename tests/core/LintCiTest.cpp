// lint made for CI: what fails a run, the formats CI servers read, every language under one root,
// folders named as translators name them; and check's word on line ends Git changed.
#include "RunProgram.h"
#include "TempDir.h"
#include "exchange/basLanguageFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const QByteArray EnglishCore = "f.cmdA.0.T:Tip\r\nf.cmdA.0.C:&Go\r\n";
const QByteArray EnglishTexts = "TXT001:One\r\nTXT002:Two\r\n";

QString Folder(const clsTempDir& pobjDir, const QString& pstrName, const QByteArray& pbytCore, const QByteArray& pbytTexts)
{
    pobjDir.Write(pstrName + "/core.lrc", pbytCore);
    return QFileInfo(pobjDir.Write(pstrName + "/secondary.lrc", pbytTexts)).path();
}

TEST(LintCiTest, FailOnSaysWhatFailsTheRun)
{
    clsTempDir objDir;
    Folder(objDir, "English", EnglishCore, EnglishTexts);
    const QByteArray bytCore = "f.cmdA.0.T:Tipp\r\nf.cmdA.0.C:&Los\r\n";
    const struct {
        const char* Name;
        QByteArray Texts;
        QByteArray State;  // translation-state.json, when not empty
        int Warning, Review, Untranslated, Missing;  // the exit status with --fail-on that
    } udtCases[] = {
        {"clean", "TXT001:Eins\r\nTXT002:Zwei\r\n", {}, 0, 0, 0, 0},
        {"empty text", "TXT001:Eins\r\nTXT002:\r\n", {}, 1, 0, 1, 0},
        {"entry lacking", "TXT001:Eins\r\n", {}, 1, 0, 1, 1},
        {"to review", "TXT001:Eins\r\nTXT002:Zwei\r\n",
         R"({"tralyx-translation-state": 1, "files": {"secondary.lrc": [{"id": "TXT001", "review": "Once"}]}})", 1, 1, 0, 0},
    };
    for (const auto& c : udtCases) {
        const QString strGerman = Folder(objDir, c.Name, bytCore, c.Texts);
        if (!c.State.isEmpty()) objDir.Write(QString::fromLatin1(c.Name) + "/translation-state.json", c.State);
        const QStringList strSource = {"--source", objDir.Path("English")};
        EXPECT_EQ(RunLrc(QStringList{"lint"} + strSource + QStringList{strGerman}).ExitCode, 0) << c.Name;
        const std::pair<const char*, int> udtFailOn[] = {
            {"warning", c.Warning}, {"review", c.Review}, {"untranslated", c.Untranslated}, {"missing", c.Missing}};
        for (const auto& [pstrWhat, lngExit] : udtFailOn)
            EXPECT_EQ(RunLrc(QStringList{"lint", "--fail-on", pstrWhat} + strSource + QStringList{strGerman}).ExitCode, lngExit)
                << c.Name << " --fail-on " << pstrWhat;
    }
    // A file the source has and the translation lacks, and a folder without any, are errors.
    const QString strNoTexts = QFileInfo(objDir.Write("NoTexts/core.lrc", bytCore)).path();
    QDir().mkpath(objDir.Path("Empty/English"));
    QDir().mkpath(objDir.Path("Empty/German"));
    const struct {
        QStringList Args;
        const char* Says;
    } udtErrors[] = {
        {{"--source", objDir.Path("English"), strNoTexts}, "NoTexts/secondary.lrc: error: missing: "},
        {{objDir.Path("Empty/German")}, "German: error: no language file"},
    };
    for (const auto& c : udtErrors) {
        const udtRun udtResult = RunLrc(QStringList{"lint"} + c.Args);
        EXPECT_EQ(udtResult.ExitCode, 1) << c.Says;
        EXPECT_TRUE(udtResult.Out.contains(c.Says)) << udtResult.Out.toStdString();
    }
}

TEST(LintCiTest, FormatsTheirReadersTake)
{
    clsTempDir objDir;
    Folder(objDir, "English", EnglishCore, EnglishTexts);
    // The caption has lost its access key (an error on line 2, the caption's own); TXT002 is the
    // source's own text (an info).
    const QString strGerman = Folder(objDir, "German", "f.cmdA.0.T:Tipp\r\nf.cmdA.0.C:Los\r\n", "TXT001:Eins\r\nTXT002:Two\r\n");
    const QString strCore = strGerman + "/core.lrc";
    const struct {
        QStringList Options;
        const char* Has;
        const char* HasNot;
    } udtCases[] = {
        {{}, "German/core.lrc:2: error: f.cmdA.0.C: accelerator:", "identical"},
        {{"--infos"}, "German/secondary.lrc:2: info: TXT002: identical:", "::"},
        {{"--format", "github"}, "::error file=FILE,line=2,col=1,title=accelerator::f.cmdA.0.C: the source has", "::notice"},
        {{"--format", "github", "--infos"}, "::notice file=", "German/core.lrc:2"},
        {{"--format", "json"}, R"("files": [)", "identical"},
    };
    for (const auto& c : udtCases) {
        const udtRun udtResult = RunLrc(QStringList{"lint"} + c.Options + QStringList{strGerman});
        EXPECT_EQ(udtResult.ExitCode, 1);
        EXPECT_TRUE(udtResult.Out.contains(QString::fromUtf8(c.Has).replace("FILE", strCore))) << udtResult.Out.toStdString();
        EXPECT_FALSE(udtResult.Out.contains(c.HasNot)) << udtResult.Out.toStdString();
    }
    // JUnit XML as the schema CI servers follow has it, with the failing file a failed test case.
    objDir.Write("German/core.lrc", "f.cmdA.0.T:Tipp\r\nf.cmdA.0.C:Los && <mehr>\r\n");
    const udtRun udtJunit = RunLrc({"lint", "--format", "junit", strGerman});
    EXPECT_EQ(udtJunit.ExitCode, 1);
    const udtRun udtValid = RunProgram("xmllint", {"--noout", "--schema", TRALYX_TEST_DATA "/junit.xsd", "-"}, udtJunit.OutBytes);
    EXPECT_EQ(udtValid.ExitCode, 0) << udtValid.Err.toStdString() << udtJunit.Out.toStdString();
    EXPECT_TRUE(udtJunit.Out.contains(R"(<testcase classname="German" name="core.lrc")")) << udtJunit.Out.toStdString();
    EXPECT_TRUE(udtJunit.Out.contains("<failure message=\"1 error, 0 warnings; 2 of 2 entries translated\">")) << udtJunit.Out.toStdString();
}

TEST(LintCiTest, EveryLanguageUnderOneRoot)
{
    clsTempDir objDir;
    Folder(objDir, "Root/English", EnglishCore, EnglishTexts);
    const QByteArray bytCore = "f.cmdA.0.T:X\r\nf.cmdA.0.C:&X\r\n";
    for (const char* pstrName : {"German", "Portuguese (Brazil)", "Klingon"})
        Folder(objDir, QStringLiteral("Root/") + pstrName, bytCore, "TXT001:X\r\n");
    const udtRun udtLint = RunLrc({"lint", objDir.Path("Root")});
    EXPECT_EQ(udtLint.ExitCode, 0) << udtLint.Said().toStdString();
    EXPECT_TRUE(udtLint.Err.contains("Root/Klingon: cannot tell the language from the folder's name")) << udtLint.Err.toStdString();
    const udtRun udtStatus = RunLrc({"status", objDir.Path("Root")});
    EXPECT_EQ(udtStatus.ExitCode, 0);
    // Each language against the one English, in name order; the sum of its files last.
    for (const char* pstrRow : {"language             file           entries  translated  review  untranslated  errors  warnings  words to do\n"
                                "German               core.lrc             2           2       0             0       0         0            0\n"
                                "German               secondary.lrc        2           1       0             1       0         1            1\n"
                                "German               all                  4           3       0             1       0         1            1\n"
                                "Klingon              core.lrc",
                                "Portuguese (Brazil)  all                  4           3       0             1       0         1            1\n"})
        EXPECT_TRUE(udtStatus.Out.contains(pstrRow)) << udtStatus.Out.toStdString();
    EXPECT_TRUE(udtLint.Out.endsWith(udtStatus.Out)) << udtLint.Out.toStdString();
    EXPECT_EQ(RunLrc({"lint", "--fail-on", "missing", objDir.Path("Root")}).ExitCode, 1);
    EXPECT_EQ(RunLrc({"lint", objDir.Path("Nowhere")}).ExitCode, 2);
}

TEST(LintCiTest, FoldersNamedAsTranslatorsNameThem)
{
    const struct {
        const char* Name;
        const char* Code;
    } udtCases[] = {
        {"German", "de"},   {"deutsch", "de"},       {"Norwegian", "nb"}, {"Norsk", "nb"}, {"Portuguese (Brazil)", "pt_BR"},
        {"pt-BR", "pt_BR"}, {"zh_CN", "zh_CN"},      {"Chinese (Simplified)", "zh_CN"},  {"Klingon", ""},
        {"German2", ""},    {"new", ""},             {"Portuguese (Atlantis)", ""},
    };
    for (const auto& c : udtCases) EXPECT_EQ(LanguageCodeOfFolder(QStringLiteral("/x/") + c.Name), QString::fromLatin1(c.Code)) << c.Name;
}

TEST(LintCiTest, CheckWarnsOfLineEndsGitChanged)
{
    clsTempDir objDir;
    const struct {
        QByteArray Content;
        const char* Warning;  // empty: none
        const char* Also = "";  // another warning, by its line
    } udtCases[] = {
        {"TXT001:a\nTXT002:b\n", ":1: warning: 2 lines end with LF alone (this one the first)"},
        {"TXT001:a\r\nTXT002:b\r\nTXT003:c\n", ":3: warning: 1 line ends with LF alone"},
        {"TXT001:a\rTXT001:b\r\nTXT002:c\r\n", ""},
        // The lines before the first UTF-8 character end in all three ways.
        {"TXT001:a\rTXT001:b\r\nTXT002:c\nTXT003:d \xC3\xB6\r\n", ":3: warning: 1 line ends with LF alone",
         ":4: warning: the file reads as valid UTF-8"},
    };
    for (const auto& c : udtCases) {
        const QString strFile = objDir.Write("secondary.lrc", c.Content);
        const udtRun udtResult = RunLrc({"check", strFile});
        EXPECT_EQ(udtResult.ExitCode, 0);
        EXPECT_EQ(udtResult.Out.contains("LF alone"), *c.Warning != 0) << udtResult.Out.toStdString();
        EXPECT_TRUE(udtResult.Out.contains(QLatin1StringView(c.Also))) << udtResult.Out.toStdString();
        if (*c.Warning) {
            EXPECT_TRUE(udtResult.Out.startsWith(strFile + c.Warning)) << udtResult.Out.toStdString();
            EXPECT_TRUE(udtResult.Out.contains("\"*.lrc -text\" in .gitattributes")) << udtResult.Out.toStdString();
        }
    }
}

}  // namespace
