// The checks of a translation against its source: each rule firing and not firing, the clash of
// access keys on a form, the sample folders, lint's output and exit codes.
#include "checks/basChecks.h"
#include "checks/basFolderCheck.h"
#include "RunProgram.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

std::string Rules(const std::vector<udtProblem>& pudtProblems)
{
    std::string strOut;
    for (const udtProblem& u : pudtProblems) strOut += (strOut.empty() ? "" : " ") + u.Rule.toStdString();
    return strOut;
}

udtEntryText Entry(enuTextKind penuKind, const char* pstrSource, const char* pstrTranslation, const char* pstrControl = "cmdGo")
{
    udtEntryText u;
    u.Kind = penuKind;
    u.ObjectPath = Q("frmMain.") + Q(pstrControl) + Q(".0");
    u.Id = u.ObjectPath + (penuKind == enuTextKind::ToolTip ? Q(".T") : Q(".C"));
    u.SourceRecord = u.Record = 0;
    u.Source = Q(pstrSource);
    u.Translation = Q(pstrTranslation);
    u.Storable = penuKind == enuTextKind::Caption ? ControlHasCaptionLine(Q(pstrControl)) : ControlHasToolTipLine(Q(pstrControl));
    return u;
}

}  // namespace

TEST(ChecksTest, EachRuleFiresAndStaysQuiet)
{
    using K = enuTextKind;
    struct udtCase {
        K Kind;
        const char* Source;
        const char* Translation;
        const char* Rules;  // the rules that fire, in order
        const char* Control = "cmdGo";
    };
    const udtCase udtCases[] = {
        {K::MessageText, "Delete \"[#!title!#]\"?", "\"[#!title!#]\" l\xc3\xb6schen?", ""},
        {K::MessageText, "Delete [#!title!#]?", "[#!titel!#] l\xc3\xb6schen?", "markers"},
        {K::MessageText, "[#!a b!#] and [#!!#]", "[#!!#] und [#!a b!#]", ""},         // odd names, order free
        {K::MessageText, "[#!x!#] or [#!x!#]", "[#!x!#] oder x", "markers"},            // a multiset
        {K::MessageText, "Saved [#!file!#]", "[#!file!#] gespeichert [#!", "markers"},  // unclosed
        {K::MessageTitle, "[#!x", "[#!x?", ""},                                          // the source's own flaw
        {K::Caption, "&New", "&Neu", ""},
        {K::Caption, "&New", "Neu", "accelerator"},
        {K::Caption, "&New", "&Neu && &Alt", "accelerator"},
        {K::Caption, "Salt && Pepper", "Salz && Pfeffer", ""},  // "&&" is no access key
        {K::Caption, "Salt && Pepper", "Salz & Pfeffer", "accelerator"},
        {K::ToolTip, "Salt && Pepper", "Salz & Pfeffer", ""},   // captions only
        {K::Caption, "OK", "Oui, d'accord!", ""},  // twice the source plus 10 characters: the most allowed
        {K::Caption, "OK", "Oui, d'accord !", "length"},
        {K::ToolTip, "OK", "Oui, d'accord !", ""},
        {K::MessageText, "One\r\nTwo", "Eins\r\nZwei", ""},
        {K::MessageText, "One\r\nTwo", "Eins Zwei", "lines"},
        {K::Caption, "One\rTwo", "Eins\r\nZwei", ""},  // a lone CR ends a line too
        {K::Secondary, " Name ", " Name", "blanks"},
        {K::Secondary, "Name\r\n", "Nom\r\n", ""},
        {K::Secondary, "Name", "\r\nNom", "lines blanks"},
        {K::Caption, "&Open...", "\xc3\x96&ffnen\xe2\x80\xa6", ""},  // "..." and "…" are one ending
        {K::Caption, "&Open\xe2\x80\xa6", "\xc3\x96&ffnen", "punctuation"},
        {K::Caption, "&Search:", "&Suchen :", ""},
        {K::Caption, "&Search:", "&Suchen", "punctuation"},
        {K::Caption, "&Search:", "&Suchen\xef\xbc\x9a", ""},  // the full-width colon is a colon
        {K::Secondary, "Name\xef\xbc\x9a", "Nom", "punctuation"},
        {K::ToolTip, "From 1 to 120 minutes", "Von 1 bis 120 Minuten", ""},
        {K::ToolTip, "From 1 to 120 minutes", "Von 1 bis 12 Minuten", "numbers"},
        {K::Secondary, "Today", "", "untranslated"},
        {K::Secondary, "", "", ""},
        {K::Caption, "Quillnote", "Quillnote", "identical"},
        {K::Caption, "...", "...", ""},  // no letter: nothing to translate
        {K::Caption, "", "", "", "txtName"},
        {K::Caption, "", "Name", "not-saved", "txtName"},
        {K::ToolTip, "", "Datei", "not-saved", "mnuFile"},
        {K::ToolTip, "", "Datei", "not-saved", "[Caption]"},
    };
    for (const udtCase& c : udtCases) {
        std::vector<udtProblem> udtProblems;
        CheckEntryText(enuFileKind::Messages, Entry(c.Kind, c.Source, c.Translation, c.Control), udtProblems);
        EXPECT_EQ(Rules(udtProblems), c.Rules) << c.Source << " / " << c.Translation;
    }
}

TEST(ChecksTest, AccessKeyClashesOnOneForm)
{
    const auto Caption = [](const char* pstrPath, const char* pstrSource, const char* pstrTranslation) {
        udtEntryText u = Entry(enuTextKind::Caption, pstrSource, pstrTranslation);
        u.ObjectPath = Q(pstrPath);
        u.Id = u.ObjectPath + Q(".C");
        return u;
    };
    const std::vector<udtEntryText> udtEntries{
        Caption("frmA.cmdNew.0", "&New", "&Neu"),         Caption("frmA.cmdNext.0", "Ne&xt", "&nächste"),
        Caption("frmA.mnuNote.0", "&Note", "&Notiz"),     Caption("frmB.cmdNo.0", "&No", "&Nein"),
        Caption("frmA.optA.0", "&Left", "&Links"),        Caption("frmA.optA.1", "&Light", "&Licht"),
    };
    std::vector<udtProblem> udtProblems;
    CheckFileEntries(enuFileKind::ControlText, udtEntries, udtProblems);
    // Only the clash the translation made: menus, other forms and a clash the source had stay quiet.
    ASSERT_EQ(Rules(udtProblems), "accelerator-clash");
    EXPECT_EQ(udtProblems[0].Entry, Q("frmA.cmdNext.0.C"));
    EXPECT_TRUE(udtProblems[0].Message.contains(Q("frmA.cmdNew.0.C"))) << udtProblems[0].Message.toStdString();
}

TEST(ChecksTest, SourceFolderIsTheEnglishSibling)
{
    const clsTempDir objDir;
    for (const char* pstrName : {"ENGLISH", "German", "Solo/French"}) QDir().mkpath(objDir.Path(Q(pstrName)));
    EXPECT_EQ(DefaultSourceFolder(objDir.Path(Q("German"))), objDir.Path(Q("ENGLISH")));
    EXPECT_EQ(DefaultSourceFolder(objDir.Path(Q("German/"))), objDir.Path(Q("ENGLISH")));
    EXPECT_EQ(DefaultSourceFolder(objDir.Path(Q("ENGLISH"))), QString());  // never the folder itself
    EXPECT_EQ(DefaultSourceFolder(objDir.Path(Q("Solo/French"))), QString());
}

TEST(ChecksTest, SampleFoldersHaveNoError)
{
    const QString strSamples = QDir::cleanPath(Q(TRALYX_TEST_DATA "/../../examples/languages")) + u'/';
    for (const char* pstrFolder : {"German", "English"}) {
        const udtFolderCheck udtCheck = CheckFolder(strSamples + Q("English"), strSamples + Q(pstrFolder), Q("windows-1252"));
        EXPECT_EQ(udtCheck.Files.size(), 3u);
        EXPECT_TRUE(udtCheck.AllLoaded());
        EXPECT_EQ(udtCheck.Count(enuSeverity::Error), 0) << pstrFolder;
        EXPECT_EQ(udtCheck.Translated().Entries, 54);
        EXPECT_EQ(udtCheck.Translated().Translated, Q(pstrFolder) == u"German" ? 51 : 0) << pstrFolder;  // three stay the same
    }
}

TEST(ChecksTest, LintPrintsLinesAndExitCodes)
{
    const clsTempDir objDir;
    QDir().mkpath(objDir.Path(Q("English")));
    QDir().mkpath(objDir.Path(Q("German")));
    objDir.Write(Q("English/core.lrc"), "frmMain.cmdNew.0.T:Start\r\nfrmMain.cmdNew.0.C:&New\r\n");
    objDir.Write(Q("English/messages.lrc"), "MSG001:Gone\r\nMST001:Title\r\n");
    objDir.Write(Q("German/core.lrc"), "frmMain.cmdNew.0.T:Anfangen\r\nfrmMain.cmdNew.0.C:Neu\r\n");
    objDir.Write(Q("German/secondary.lrc"), "TXT001:Da\r\n");
    struct udtCase {
        QStringList Args;
        int ExitCode;
        const char* Says;
    } const udtCases[] = {
        {{objDir.Path(Q("German"))}, 1, "German/core.lrc:1: error: frmMain.cmdNew.0.C: accelerator: the source has an access key (&New)"},
        {{objDir.Path(Q("German"))}, 1, "German/messages.lrc: warning: missing: "},
        {{objDir.Path(Q("German"))}, 1, "1 error, 2 warnings, 0 infos; 2 of 4 entries translated"},
        {{Q("--json"), objDir.Path(Q("German"))}, 1, "{\"file\": \"core.lrc\", \"line\": 1, \"entry\": \"frmMain.cmdNew.0.C\", \"rule\": \"accelerator\""},
        {{Q("--source"), objDir.Path(Q("English")), objDir.Path(Q("English"))}, 0, "0 errors, 0 warnings, 4 infos"},
        {{objDir.Path(Q("English"))}, 2, "no sibling folder named English"},
        {{}, 2, "expected one FOLDER"},
    };
    for (const udtCase& c : udtCases) {
        const udtRun udtResult = RunLrc(QStringList{Q("lint")} + c.Args);
        const QString strOut = udtResult.Said();
        EXPECT_EQ(udtResult.ExitCode, c.ExitCode) << c.Says;
        EXPECT_TRUE(strOut.contains(Q(c.Says))) << strOut.toStdString();
    }
}

TEST(ChecksTest, OneRecordPairsAsTheWholeFile)
{
    const QString strSamples = QDir::cleanPath(Q(TRALYX_TEST_DATA "/../../examples/languages")) + u'/';
    clsTralyx objSource, objTranslation;
    bool booSource = false, booTranslation = false;
    objSource.LoadControlText(strSamples + Q("English/core.lrc"), booSource);
    objTranslation.LoadControlText(strSamples + Q("German/core.lrc"), booTranslation);
    ASSERT_TRUE(booSource && booTranslation);
    QVector<ControlTextItem> udtTable = objTranslation.ControlTextTable();
    udtTable.insert(3, udtTable[1]);        // a later duplicate is never read
    udtTable.append(ControlTextItem{Q("frmNew"), Q("cmdX"), 0, Q("X"), QString()});  // only the translation has it
    objTranslation.SetControlTextTable(udtTable);
    const clsSourcePairing objPairing(enuFileKind::ControlText, objSource);
    std::vector<udtEntryText> udtOneByOne;
    for (qsizetype i = 0; i < udtTable.size(); ++i)
        for (udtEntryText& u : objPairing.Record(objTranslation, i)) udtOneByOne.push_back(std::move(u));
    std::vector<udtEntryText> udtAll = MatchEntries(enuFileKind::ControlText, objSource, objTranslation);
    std::erase_if(udtAll, [](const udtEntryText& u) { return u.Missing(); });
    ASSERT_EQ(udtOneByOne.size(), udtAll.size());
    for (size_t i = 0; i < udtAll.size(); ++i) {
        EXPECT_EQ(udtOneByOne[i].Id, udtAll[i].Id);
        EXPECT_EQ(udtOneByOne[i].Source, udtAll[i].Source) << udtAll[i].Id.toStdString();
        EXPECT_EQ(udtOneByOne[i].SourceRecord, udtAll[i].SourceRecord) << udtAll[i].Id.toStdString();
    }
}
