// The glossary: its files read (TBX-Basic, TBX v3, CSV) and refused with their line, the terms an
// English text uses, lint's rule, and glossary export read back and checked by xmllint.
#include "memory/clsGlossary.h"
#include "RunProgram.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

// "source=translation|..." and the target language, or "error: ..."
QString ReadBack(bool pbooCsv, const QByteArray& pbytContent, const QString& pstrTarget = QString())
{
    udtGlossaryDocument udtDocument;
    udtDocument.TargetLanguage = pstrTarget;
    QString strReason, strOut;
    if (!(pbooCsv ? ReadGlossaryCsv(pbytContent, udtDocument, strReason) : ReadTbx(pbytContent, udtDocument, strReason)))
        return QStringLiteral("error: ") + strReason;
    for (const udtGlossaryPair& u : udtDocument.Pairs) strOut += u.Source + u'=' + u.Translation + u'|';
    return strOut + udtDocument.TargetLanguage;
}

TEST(Glossary, ReadsTbxAndCsvAndNamesTheLineItRefuses)
{
    const struct {
        bool Csv;
        const char* Content;
        const char* Target;
        const char* Expected;
    } Rows[] = {
        {false, R"(<martif type="TBX-Basic"><text><body><termEntry><langSet xml:lang="en"><tig><term>note</term></tig></langSet>)"
                R"(<langSet xml:lang="fr"><tig><term>note</term></tig></langSet><langSet xml:lang="de-DE"><tig><term>Notiz</term></tig>)"
                R"(<tig><term>Anmerkung</term></tig></langSet></termEntry></body></text></martif>)",
         "de", "note=Notiz|note=Anmerkung|de"},
        {false, R"(<tbx type="TBX-Core" style="dca" xml:lang="en"><text><body><conceptEntry id="1"><langSec xml:lang="en">)"
                R"(<termSec><term>Save <hi>as</hi></term></termSec></langSec><langSec xml:lang="de"><termSec><term>Speichern unter</term>)"
                R"(</termSec></langSec></conceptEntry></body></text></tbx>)",
         "", "Save as=Speichern unter|de"},
        {false, "<martif>\n<text>\n<body><termEntry>", "", "error: line 3: Premature end of document."},
        {false, "<xliff/>", "", "error: line 1: not a TBX document (the root is <xliff>)"},
        {false, "<!DOCTYPE martif [<!ENTITY x SYSTEM \"file:///etc/hostname\">]><martif/>", "",
         "error: line 1: the entity x comes from outside the file (file:///etc/hostname), which is not read; nothing was read"},
        {false, "<!DOCTYPE martif SYSTEM \"TBXcoreStructV02.dtd\">\n<martif><text><body><termEntry><langSet xml:lang=\"en\">"
                "<tig><term>&nbsp;note</term></tig></langSet></termEntry></body></text></martif>", "",
         "error: line 2: the entity &nbsp; was not expanded (only the file's own declarations are read, no DTD or external "
         "entity), so a term would lose it; nothing was read"},
        {true, "\xEF\xBB\xBF" "en,fr,de\r\n\"entry, item\",entrée,\"Eintrag \"\"A\"\"\"\r\n\r\n\"two\nlines\",x,y\n", "de",
         "entry, item=Eintrag \"A\"|two lines=y|de"},
        {true, "de;en\nNotiz;note\n", "", "note=Notiz|de"},
        {true, "en,de\nnote,Notiz\n\"open,offen\n", "", "error: line 3: a quoted field is not closed"},
        {true, "en,de\nnote,Notiz\nsave\n", "", "error: line 3: 1 fields, the header has 2"},
        {true, "en,de\nno\"te,Notiz\n", "", "error: line 2: a quote inside a field that does not start with one"},
        {true, "en,fr\nnote,note\n", "de", "error: line 1: the header \"en,fr\" names no column of de"},
    };
    for (const auto& r : Rows) EXPECT_EQ(ReadBack(r.Csv, QByteArray(r.Content), Q(r.Target)), Q(r.Expected)) << r.Content;
}

TEST(Glossary, FindsWholeWordsIgnoringCaseAndAccessKeysLongestFirst)
{
    clsGlossary objGlossary;
    for (const char* pstrTerm : {"note", "Save", "save as", "entry", "e-mail"}) objGlossary.Add(Q(pstrTerm), Q("x"));
    const struct {
        const char* Text;
        const char* Expected;  // "term@position+length ..."
    } Rows[] = {
        {"Save &As...", "save as@0+8"},
        {"&Save the Notes", "Save@0+5 note@10+5"},
        {"Notebook, keynote, denote", ""},
        {"Two entries; one ENTRY", "entry@4+7 entry@17+5"},
        {"Save, as before", "Save@0+4"},
        {"Send an E-Mail && a note", "e-mail@8+6 note@20+4"},
    };
    for (const auto& r : Rows) {
        QStringList strGot;
        for (const udtGlossaryHit& u : objGlossary.Find(Q(r.Text)))
            strGot.append(QStringLiteral("%1@%2+%3").arg(objGlossary.Terms()[size_t(u.Term)].Source).arg(u.Position).arg(u.Length));
        EXPECT_EQ(strGot.join(u' '), Q(r.Expected)) << r.Text;
    }
}

TEST(Glossary, LintWarnsWhereATermsTranslationIsMissing)
{
    clsGlossary objGlossary;
    objGlossary.Add(Q("note"), Q("Notiz"));
    objGlossary.Add(Q("note"), Q("Anmerkung"));
    objGlossary.Add(Q("all entries"), Q("Alle Einträge"));
    const struct {
        const char* Source;
        const char* Translation;
        const char* Expected;
    } Rows[] = {
        {"Untitled note", "Unbenannte &Notiz", ""},
        {"A note", "Eine ANMERKUNG", ""},
        {"Notes", "Notizen", ""},
        {"All notes", "Alle Einträge", "\"note\" should be \"Notiz\" or \"Anmerkung\" (\"Alle Einträge\")"},
        {"All entries", "All entries", ""},  // still the source's: untranslated, not the glossary's
        {"Other", "Andere", ""},
    };
    for (const auto& r : Rows) {
        udtEntryText udtEntry{Q("TXT004"), Q("TXT004"), enuTextKind::Secondary, QString(), 3, 3, 4, 4, Q(r.Source), Q(r.Translation)};
        std::vector<udtProblem> udtOut;
        CheckGlossary(objGlossary, enuFileKind::Secondary, udtEntry, udtOut);
        EXPECT_EQ(udtOut.empty() ? QString() : udtOut.front().Message, Q(r.Expected)) << r.Source;
    }

    const clsTempDir objDir;
    objDir.Write(Q("English/secondary.lrc"), "TXT001:All notes\r\nTXT002:Untitled note\r\n");
    objDir.Write(Q("German/secondary.lrc"), "TXT001:Alle Eintr\xe4ge\r\nTXT002:Unbenannte Notiz\r\n");
    objDir.Write(Q("de.csv"), "en,de\nnote,Notiz\n");
    const udtRun udtRun = RunLrc({Q("lint"), Q("--glossary"), objDir.Path(Q("de.csv")), objDir.Path(Q("German"))});
    EXPECT_EQ(udtRun.ExitCode, 0);
    EXPECT_TRUE(udtRun.Out.startsWith(objDir.Path(Q("German/secondary.lrc")) +
                                      Q(":1: warning: TXT001: glossary: \"note\" should be \"Notiz\" (\"Alle Einträge\")\n")))
        << qPrintable(udtRun.Said());
}

TEST(Glossary, ExportReadsBackAndIsWellFormed)
{
    const clsTempDir objDir;
    objDir.Write(Q("English/core.lrc"), "frmA.mnuOpen.0.C:&Open...\r\nfrmA.cmdOpen.0.C:Open\r\nfrmB.cmdOpen.0.C:Open\r\n"
                                        "frmA.lblLong.0.C:A caption of many words\r\nfrmA.cmdOK.0.C:OK\r\nfrmA.lblName.0.C:Name:\r\n");
    objDir.Write(Q("German/core.lrc"), "frmA.mnuOpen.0.C:\xd6&ffnen...\r\nfrmA.cmdOpen.0.C:Aufmachen\r\nfrmB.cmdOpen.0.C:\xd6" "ffnen\r\n"
                                       "frmA.lblLong.0.C:Eine Beschriftung vieler W\xf6rter\r\nfrmA.cmdOK.0.C:OK\r\nfrmA.lblName.0.C:Name:\r\n");
    const QString strOut = objDir.Path(Q("de.tbx"));
    udtRun udtRun = RunLrc({Q("glossary"), Q("export"), objDir.Path(Q("German")), strOut});
    ASSERT_EQ(udtRun.ExitCode, 0) << qPrintable(udtRun.Said());
    EXPECT_TRUE(udtRun.Err.contains(Q("several translations of \"Open\": \"Öffnen\" (2 of 3 translations; also \"Aufmachen\" 1)")))
        << qPrintable(udtRun.Err);
    EXPECT_EQ(ReadBack(false, clsTempDir::Read(strOut)), Q("Open=Öffnen|de"));
    EXPECT_EQ(RunProgram(Q("xmllint"), {Q("--noout"), strOut}).ExitCode, 0);
    udtRun = RunLrc({Q("glossary"), Q("export"), objDir.Path(Q("German")), strOut});
    EXPECT_EQ(udtRun.ExitCode, 1);
    EXPECT_TRUE(udtRun.Err.contains(Q("already exists (give --force to replace it)")));
    EXPECT_EQ(RunLrc({Q("glossary"), Q("export"), Q("--force"), objDir.Path(Q("German")), strOut}).ExitCode, 0);
}

}  // namespace
