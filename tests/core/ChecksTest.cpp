// The checks of a translation against its source: each rule firing and not firing, the end of a
// text as its language writes it, the clash of access keys on a form, one source translated two
// ways in a folder, the sample folders, lint's output and exit codes.
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
        {K::Caption, "Fields marked * are required", "", "not-saved", "txtHint"},  // no translation can carry it
        {K::ToolTip, "", "Datei", "not-saved", "mnuFile"},
        {K::ToolTip, "", "Datei", "not-saved", "[Caption]"},
        {K::Secondary, "Delete?", "L\xc3\xb6schen?", ""},
        {K::Secondary, "Delete?", "L\xc3\xb6schen.", "punctuation"},
        {K::Secondary, "Saved.", "Gespeichert", "punctuation"},
        {K::Secondary, "(Recommended.)", "(Empfohlen)", "punctuation"},  // the mark before a closing bracket
        {K::Secondary, "\"Stop!\"", "\u201EHalt!\u201C", ""},
        {K::Secondary, "Name", "Name:", ""},  // only the source's ending asks for one
        {K::Secondary, "Close the file", "Schlie\xc3\x9f die die Datei", "repeated-word"},
        {K::Secondary, "That", "Das das", "repeated-word"},
        {K::Caption, "&File", "&Datei Datei", "repeated-word"},  // the access key is no letter
        {K::Secondary, "That, that", "Das, das", ""},
        {K::Secondary, "Salt & salt", "Salz & Salz", ""},
        {K::Secondary, "Page 1 1", "Seite 1 1", ""},  // numbers are no words
        {K::Secondary, "One\nOne", "Eins\nEins", ""},
        {K::Secondary, "Bye bye", "Tsch\xc3\xbcss tsch\xc3\xbcss", ""},  // the source repeats too
        {K::MessageText, "[#!a b!#] b and [#!x!#]", "[#!a b!#] und [#!x!#] x", ""},  // marker names are no words
        {K::Secondary, "Open (read-only)", "\xc3\x96" "ffnen (schreibgesch\xc3\xbctzt", "brackets"},
        {K::Secondary, "Open (read-only)", "\xc3\x96" "ffnen [schreibgesch\xc3\xbctzt)", "brackets"},
        {K::Secondary, "1) Start", "1) Anfang", ""},  // the source's own imbalance
        {K::Secondary, "a (b", "c (d))", "brackets"},
        {K::Secondary, "Say \"hi\"", "Sag \u201Ehallo\u201C", ""},
        {K::Secondary, "Say \"hi\"", "Dites \u00AB salut \u00BB", ""},
        {K::Secondary, "Say \"hi\"", "Sag \u201Ehallo", "brackets"},
        {K::MessageText, "Delete [#!a]b!#]?", "[#!a]b!#] l\xc3\xb6schen?", ""},  // a marker's own bracket
        {K::MessageText, "Delete [#!a!#]", "[#!a!#] l\xc3\xb6schen)", "brackets"},
    };
    for (const udtCase& c : udtCases) {
        std::vector<udtProblem> udtProblems;
        CheckEntryText(enuFileKind::Messages, Entry(c.Kind, c.Source, c.Translation, c.Control), udtProblems);
        EXPECT_EQ(Rules(udtProblems), c.Rules) << c.Source << " / " << c.Translation;
    }
}

TEST(ChecksTest, EndOfTextAsTheLanguageWritesIt)
{
    struct udtCase {
        const char* Language;
        const char* Source;
        const char* Translation;
        const char* Says;  // null: no problem
    } const udtCases[] = {
        {"el", "Delete?", "\u0394\u03B9\u03B1\u03B3\u03C1\u03B1\u03C6\u03AE;", nullptr},
        {"el_GR", "Delete?", "\u0394\u03B9\u03B1\u03B3\u03C1\u03B1\u03C6\u03AE?", "with \"?\" (Greek writes \";\")"},
        {"de", "Delete?", "L\xc3\xb6schen;", "the source ends with \"?\", the translation with \";\""},
        {"", "Delete?", "L\xc3\xb6schen;", nullptr},  // language not known: any language's marks
        {"es", "Delete?", "\u00BFBorrar?", nullptr},
        {"es-MX", "Stop!", "\u00A1Alto!", nullptr},
        {"es", "Delete?", "Borrar?", "no \"\u00BF\" before it (Spanish writes \"\u00BF\u2026?\")"},
        {"fr", "Delete?", "Supprimer\u202F?", nullptr},
        {"fr", "Name:", "Nom\u00A0:", nullptr},
        {"fr_CA", "Delete?", "Supprimer?", nullptr},
        {"FR", "Delete?", "Supprimer.", "(French writes \" ?\")"},
        {"ja", "Saved.", "\u4FDD\u5B58\u3057\u307E\u3057\u305F\u3002", nullptr},
        {"zh", "Delete?", "\u5220\u9664\uFF1F", nullptr},
        {"de", "Saved.", "Gespeichert\u3002", "the translation with \"\u3002\""},
        {"ar", "Delete?", "\u062D\u0630\u0641\u061F", nullptr},
        {"ar", "Delete?", "\u062D\u0630\u0641?", "(Arabic writes \"\u061F\")"},
        {"hi", "Saved.", "\u0938\u0939\u0947\u091C\u093E\u0964", nullptr},
        {"th", "Saved.", "\u0E1A\u0E31\u0E19\u0E17\u0E36\u0E01", nullptr},  // Thai ends a sentence without one
        {"th", "Saved.", "\u0E1A\u0E31\u0E19\u0E17\u0E36\u0E01!", "the translation with \"!\""},
        {"de", "Open\u2026", "\xc3\x96" "ffnen.", "the source ends with \"...\" (more input follows), the translation does not"},
        {"ja", "Name:", "\u540D\u524D", "the source ends with \":\", the translation does not (Japanese writes \"\uFF1A\")"},
    };
    for (const udtCase& c : udtCases) {
        const QString strSaid = EndPunctuationProblem(Q(c.Source), Q(c.Translation), EndMarksOf(Q(c.Language)));
        if (!c.Says) EXPECT_EQ(strSaid, QString()) << c.Language << ": " << c.Translation;
        else EXPECT_TRUE(strSaid.contains(Q(c.Says))) << c.Language << ": " << strSaid.toStdString();
    }
}

TEST(ChecksTest, OneSourceTranslatedTwoWaysInTheFolder)
{
    const clsTempDir objDir;
    QDir().mkpath(objDir.Path(Q("English")));
    QDir().mkpath(objDir.Path(Q("German")));
    objDir.Write(Q("English/core.lrc"), "frmMain.cmdOpen.0.T:Open\r\nfrmMain.cmdOpen.0.C:&Open\r\nfrmMain.mnuOpen.0.C:&Open\r\n"
                                         "frmMain.cmdShut.0.C:&Close\r\nfrmMain.cmdQuit.0.C:E&xit\r\n");
    objDir.Write(Q("German/core.lrc"), "frmMain.cmdOpen.0.T:Auf\r\nfrmMain.cmdOpen.0.C:&Auf\r\nfrmMain.mnuOpen.0.C:A&uf\r\n"
                                        "frmMain.cmdShut.0.C:&Zu\r\nfrmMain.cmdQuit.0.C:Z&u\r\n");
    objDir.Write(Q("English/messages.lrc"), "MSG001:Open\r\nMST001:Title\r\n");
    objDir.Write(Q("German/messages.lrc"), "MSG001:Aufmachen\r\nMST001:Titel\r\n");
    objDir.Write(Q("English/secondary.lrc"), "TXT001:Open\r\nTXT002:Close\r\n");
    objDir.Write(Q("German/secondary.lrc"), "TXT001:Auf\r\nTXT002:Schliessen\r\n");
    const udtFolderCheck udtCheck = CheckFolder(objDir.Path(Q("English")), objDir.Path(Q("German")), Q("windows-1252"), {}, Q("de"));
    // An access key moved is the same translation, one translation of two sources is fine.
    std::vector<udtProblem> udtFound;
    for (const udtFileCheck& udtFile : udtCheck.Files)
        for (const udtProblem& u : udtFile.Problems)
            if (u.Rule == u"consistency") udtFound.push_back(u);
    ASSERT_EQ(udtFound.size(), 2u);
    EXPECT_EQ(udtFound[0].File + u' ' + udtFound[0].Entry, Q("messages.lrc MSG001"));
    EXPECT_EQ(udtFound[0].Severity, enuSeverity::Info);
    EXPECT_EQ(udtFound[0].Message.toStdString(),
              "the source \"Open\" is translated \"Aufmachen\" here and \"&Auf\" at frmMain.cmdOpen.0.C (core.lrc:2)");
    EXPECT_EQ(udtFound[1].File + u' ' + udtFound[1].Entry, Q("secondary.lrc TXT002"));
    EXPECT_TRUE(udtFound[1].Message.contains(Q("\"&Zu\" at frmMain.cmdShut.0.C (core.lrc:4)"))) << udtFound[1].Message.toStdString();
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

// The translator's state: review is a warning and not yet translated; done is translated and not identical.
TEST(ChecksTest, TheStateSaysReviewAndDone)
{
    clsTralyx objSource, objTranslation;
    objSource.SetControlTextTable({{"f", "cmdNew", 0, "&New note", ""}, {"f", "[Caption]", 0, "Quillnote", ""}, {"f", "cmdOK", 0, "OK", ""}});
    objTranslation.SetControlTextTable({{"f", "cmdNew", 0, "&Neu", ""}, {"f", "[Caption]", 0, "Quillnote", ""}, {"f", "cmdOK", 0, "OK", ""}});
    clsTranslationState objState;
    objState.MarkReview(enuFileKind::ControlText, Q("f.cmdNew.0.C"), Q("&New"));
    objState.SetDone(enuFileKind::ControlText, Q("f.[Caption].0.C"), true);
    std::vector<udtProblem> udtProblems;
    const udtTranslatedCount udtCount = CheckTables(enuFileKind::ControlText, objSource, objTranslation, udtProblems, {}, {nullptr, nullptr, &objState});
    ASSERT_EQ(Rules(udtProblems), "review identical");
    EXPECT_EQ(udtProblems[0].Message, Q("the source was \"&New\" when this was translated; review the translation"));
    EXPECT_EQ(udtProblems[1].Entry, Q("f.cmdOK.0.C"));
    EXPECT_EQ(udtCount.Translated, 1);  // the one done on purpose
    EXPECT_EQ(udtCount.Entries, 3);
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
        const udtFolderCheck udtCheck =
            CheckFolder(strSamples + Q("English"), strSamples + Q(pstrFolder), Q("windows-1252"), {}, Q(pstrFolder) == u"German" ? Q("de") : Q("en"));
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
    objDir.Write(Q("English/core.lrc"), "frmMain.cmdNew.0.T:Start?\r\nfrmMain.cmdNew.0.C:&New\r\n");
    objDir.Write(Q("English/messages.lrc"), "MSG001:Gone\r\nMST001:Title\r\n");
    objDir.Write(Q("German/core.lrc"), "frmMain.cmdNew.0.T:Anfangen;\r\nfrmMain.cmdNew.0.C:Neu\r\n");
    objDir.Write(Q("German/secondary.lrc"), "TXT001:Da\r\n");
    struct udtCase {
        QStringList Args;
        int ExitCode;
        const char* Says;
    } const udtCases[] = {
        {{objDir.Path(Q("German"))}, 1, "German/core.lrc:2: error: frmMain.cmdNew.0.C: accelerator: the source has an access key (&New)"},
        {{objDir.Path(Q("German"))}, 1, "German/messages.lrc: error: missing: "},
        {{objDir.Path(Q("German"))}, 1, "2 errors, 2 warnings, 0 infos; 2 of 4 entries translated"},
        {{objDir.Path(Q("German"))}, 1, "frmMain.cmdNew.0.T: punctuation: the source ends with \"?\", the translation with \";\""},  // German's way
        {{Q("--json"), objDir.Path(Q("German"))}, 1, "{\"file\": \"core.lrc\", \"line\": 2, \"entry\": \"frmMain.cmdNew.0.C\", \"rule\": \"accelerator\""},
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
