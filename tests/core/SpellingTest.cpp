// Spelling: which parts of a translation are words, the dictionary a language gets and the package
// that adds a missing one, Enchant with a dictionary of our own (tests/data/enchant) and with an
// installed one (hunspell-de-de, from tools/install-deps.sh), and lint --spell.
#include "RunProgram.h"
#include "ScopedEnvironment.h"
#include "spelling/basMisspeltWords.h"
#include "spelling/clsSpeller.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>

using namespace tralyx;
using namespace tralyx::test;

namespace {

struct udtWordsCase {
    const char* Text;
    const char* Words;  // joined with "|"
};

void PrintTo(const udtWordsCase& u, std::ostream* pobjOut) { *pobjOut << u.Text; }

class SpellingWordsOf : public testing::TestWithParam<udtWordsCase> {};

TEST_P(SpellingWordsOf, LeavesOutWhatIsNotProse)
{
    QStringList strWords;
    const QString strText = Q(GetParam().Text);
    for (const udtSpellingWord& u : SpellingWords(strText)) {
        strWords.append(u.Word);
        // The span covers the word in the text, "&" and all.
        EXPECT_EQ(QString(strText.mid(u.Start, u.Length)).remove(u'&'), u.Word);
    }
    EXPECT_EQ(strWords.join(u'|'), Q(GetParam().Words));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpellingWordsOf,
    testing::Values(udtWordsCase{"&Datei öffnen", "Datei|öffnen"}, udtWordsCase{"Da&tei", "Datei"},
                    udtWordsCase{"Tom && Jerry&", "Tom|Jerry"}, udtWordsCase{"Löschen [#!title!#]?[#!x!#]", "Löschen"},
                    udtWordsCase{"Von 1 bis 120 Minuten, 3D", "Von|bis|Minuten"},
                    udtWordsCase{"MSG003 frmMain.cmdOK core.lrc snake_case OK PDF frmMain", ""},
                    udtWordsCase{"E-Mail-Adresse, don't „Zitat“ (Klammer) Datei-", "E-Mail-Adresse|don't|Zitat|Klammer|Datei"},
                    udtWordsCase{"http://example.com/x user@example.org", ""},
                    udtWordsCase{"Zeile eins\r\nZeile/zwei...", "Zeile|eins|Zeile|zwei"},
                    udtWordsCase{"Wie geht’s? ’Sicher’", "Wie|geht’s|Sicher"}));

TEST(Speller, ChoosesTheDictionaryOfALanguageAndNamesADebianPackageForAMissingOne)
{
    const struct {
        const char* Asked;
        const char* Installed;  // joined with "|"
        const char* Tag;
        const char* Package;
    } Rows[] = {{"de", "de_AT|de_DE", "de_DE", "hunspell-de-de"},
                {"DE-de", "", "de_DE", "hunspell-de-de"},
                {"de", "de_AT", "de_AT", "hunspell-de-at"},
                {"en", "en|en_GB|en_US", "en_US", "hunspell-en-us"},  // aspell-en's "en" beside hunspell-en-us
                {"en", "en|en_GB", "en", "hunspell-en-us"},
                {"en_IE", "en_US", "en_IE", ""},  // Debian has no package for that country
                {"pt_br", "", "pt_BR", "hunspell-pt-br"},
                {"fr", "", "fr_FR", "hunspell-fr"},
                {"fr_CA", "", "fr_CA", "hunspell-fr"},
                {"nb", "", "nb_NO", "hunspell-no"},
                {"de_de_frami", "", "de_DE_frami", "hunspell-de-de-frami"},
                {"en_US_x", "", "en_US_x", ""},
                {"zz", "", "zz", ""},
                {"/etc/passwd", "", "", ""},
                {"de_", "", "", ""}};
    for (const auto& u : Rows) {
        const QStringList strInstalled = Q(u.Installed).split(u'|', Qt::SkipEmptyParts);
        EXPECT_EQ(clsSpeller::DictionaryFor(Q(u.Asked), strInstalled), Q(u.Tag)) << u.Asked << " among " << u.Installed;
        EXPECT_EQ(clsSpeller::PackageFor(Q(u.Tag)), Q(u.Package)) << u.Tag;
    }
}

// Enchant finds only what it finds anywhere (the installed dictionaries) and our own qtx_TX; the
// personal word lists it makes go to a folder of the test's.
class SpellerOfOurs : public testing::Test {
protected:
    SpellerOfOurs() : mobjEnvironment({{"ENCHANT_CONFIG_DIR", mobjConfig.Path().toUtf8()}})
    {
        for (const QString& strName : {Q("enchant.ordering"), Q("hunspell/qtx_TX.aff"), Q("hunspell/qtx_TX.dic")})
            mobjConfig.Write(strName, clsTempDir::Read(QStringLiteral(TRALYX_TEST_DATA "/enchant/") + strName));
    }
    const clsTempDir mobjConfig;
    const clsScopedEnvironment mobjEnvironment;
};

TEST_F(SpellerOfOurs, ChecksSuggestsAndKeepsThePersonalListOfASharedSpellerOnly)
{
    EXPECT_TRUE(clsSpeller::AvailableDictionaries().contains(Q("qtx_TX")));
    EXPECT_EQ(clsSpeller::DictionaryFor(Q("QTX")), Q("qtx_TX"));  // the one installed country
    clsSpeller objShared(Q("qtx"));
    ASSERT_TRUE(objShared.IsValid()) << qPrintable(objShared.Problem());
    EXPECT_TRUE(objShared.Check(Q("Größe")));
    EXPECT_FALSE(objShared.Check(Q("Grßöe")));
    EXPECT_TRUE(objShared.Suggest(Q("Ntoiz")).contains(Q("Notiz")));
    objShared.AddToPersonal(Q("Quillnote"));
    EXPECT_EQ(clsTempDir::Read(mobjConfig.Path(Q("qtx_TX.dic"))), "Quillnote\n");
    EXPECT_TRUE(clsSpeller(Q("qtx_TX")).Check(Q("Quillnote")));

    // A read-only speller reads the list and leaves it, and the exclusions, as they are.
    mobjConfig.Write(Q("qtx_TX.exc"), "Heute\n");
    clsSpeller objReadOnly(Q("qtx_TX"), clsSpeller::enuWordList::ReadOnly);
    ASSERT_TRUE(objReadOnly.IsValid()) << qPrintable(objReadOnly.Problem());
    EXPECT_TRUE(objReadOnly.Check(Q("Quillnote")) && objReadOnly.Check(Q("Notiz")));
    EXPECT_FALSE(objReadOnly.Check(Q("Heute")));
    objReadOnly.AddToPersonal(Q("Tralyx"));
    EXPECT_TRUE(objReadOnly.Check(Q("Tralyx")));
    EXPECT_EQ(clsTempDir::Read(mobjConfig.Path(Q("qtx_TX.dic"))), "Quillnote\n");
    EXPECT_EQ(clsTempDir::Read(mobjConfig.Path(Q("qtx_TX.exc"))), "Heute\n");

    const struct {
        const char* Asked;
        const char* Problem;
    } Missing[] = {{"qtx_QQ", "no spelling dictionary for qtx_QQ is installed"},
                   {"fr-xx", "no spelling dictionary for fr_XX is installed (the Debian package hunspell-fr adds one)"},
                   {"/etc/passwd", "/etc/passwd is not a language such as de or de_DE"}};
    for (const auto& u : Missing) {
        const clsSpeller objMissing(Q(u.Asked));
        EXPECT_FALSE(objMissing.IsValid());
        EXPECT_EQ(objMissing.Problem(), Q(u.Problem));
        EXPECT_TRUE(objMissing.Check(Q("anything")));
    }
}

TEST_F(SpellerOfOurs, MisspeltWordsAreTheUnknownWordsOfTheTextWhereThereIsADictionary)
{
    const clsSpeller objOurs(Q("qtx_TX")), objMissing(Q("qtx_QQ"));
    const QString strText = Q("Grßöe N&otiz [#!Ntoiz!#] Größe Ntoiz");
    const struct {
        const clsSpeller* Speller;
        const char* Words;  // word@start, joined with "|"
    } Rows[] = {{&objOurs, "Grßöe@0|Ntoiz@31"}, {&objMissing, ""}, {nullptr, ""}};
    for (const auto& u : Rows) {
        QStringList strFound;
        for (const udtSpellingWord& udtWord : MisspeltWords(u.Speller, strText))
            strFound << udtWord.Word + u'@' + QString::number(udtWord.Start);
        EXPECT_EQ(strFound.join(u'|'), Q(u.Words));
    }
}

// The installed German dictionary of the Debian package, where it is installed.
TEST_F(SpellerOfOurs, FindsAnInstalledDebianDictionary)
{
    if (!QFile::exists(QStringLiteral("/usr/share/hunspell/de_DE.dic"))) GTEST_SKIP() << "hunspell-de-de is not installed";
    const clsSpeller objGerman(Q("de_DE"));
    ASSERT_TRUE(objGerman.IsValid()) << qPrintable(objGerman.Problem());
    EXPECT_TRUE(objGerman.Check(Q("Größe")));
    EXPECT_FALSE(objGerman.Check(Q("Grßöe")));
    EXPECT_TRUE(objGerman.Suggest(Q("Dtaei")).contains(Q("Datei")));
}

// Every file under a folder with its content.
QMap<QString, QByteArray> FilesUnder(const QString& pstrFolder)
{
    QMap<QString, QByteArray> udtFiles;
    QDirIterator objFiles(pstrFolder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (objFiles.hasNext()) {
        const QString strPath = objFiles.next();
        udtFiles.insert(strPath.mid(pstrFolder.size()), clsTempDir::Read(strPath));
    }
    return udtFiles;
}

TEST(LintSpell, NamesEachMisspeltWordReadsTheUsersListsAndWritesNothingInTheHome)
{
    const clsTempDir objDir;
    const QString strGerman = objDir.Language(Q("Languages/German"), "", "", "TXT001:Unbenannte Notiz\r\nTXT002:Quillnote Heute Heuet\r\n");
    objDir.Language(Q("Languages/English"), "", "", "TXT001:Unnamed note\r\nTXT002:Quillnote today\r\n");
    // The user's home: a dictionary of the user's own, a personal word list and an exclusion.
    const QString strHome = objDir.Path(Q("home")), strConfig = strHome + Q("/.config/enchant/");
    for (const QString& strName : {Q("hunspell/qtx_TX.aff"), Q("hunspell/qtx_TX.dic")})
        objDir.Write(Q("home/.config/enchant/") + strName, clsTempDir::Read(QStringLiteral(TRALYX_TEST_DATA "/enchant/") + strName));
    objDir.Write(Q("home/.config/enchant/qtx_TX.dic"), "Quillnote\n");
    objDir.Write(Q("home/.config/enchant/qtx_TX.exc"), "Heute\n");
    const QMap<QString, QByteArray> udtBefore = FilesUnder(strHome);
    const clsScopedEnvironment objEnvironment(
        {{"ENCHANT_CONFIG_DIR", QByteArray()}, {"HOME", strHome.toUtf8()}, {"XDG_CONFIG_HOME", (strHome + Q("/.config")).toUtf8()}});

    udtRun udtRun = RunLrc({Q("lint"), Q("--dictionary"), Q("qtx_TX"), strGerman});
    EXPECT_EQ(udtRun.ExitCode, 0) << qPrintable(udtRun.Said());
    EXPECT_EQ(udtRun.Out.count(Q("spelling:")), 2) << qPrintable(udtRun.Out);
    for (const char* pstrWord : {"Heute", "Heuet"})
        EXPECT_TRUE(udtRun.Out.contains(strGerman + Q("/secondary.lrc:2: info: TXT002: spelling: \"%1\" is not in the qtx_TX dictionary\n").arg(Q(pstrWord))))
            << qPrintable(udtRun.Out);
    EXPECT_EQ(FilesUnder(strHome), udtBefore);

    const struct {
        QStringList Args;
        int ExitCode;
        const char* Said;
    } Rows[] = {{{Q("--dictionary"), Q("qtx_QQ"), strGerman}, 1, "lint: no spelling dictionary for qtx_QQ is installed\n"},
                {{Q("--dictionary"), Q("../../etc/passwd"), strGerman}, 1, "lint: ../../etc/passwd is not a language such as de or de_DE\n"},
                {{Q("--spell"), Q("--source"), objDir.Path(Q("Languages/English")), objDir.Write(Q("Mine/secondary.lrc"), "TXT001:x\r\n").chopped(14)},
                 2, "give --dictionary LANG"}};
    for (const auto& u : Rows) {
        udtRun = RunLrc(QStringList{Q("lint")} + u.Args);
        EXPECT_EQ(udtRun.ExitCode, u.ExitCode) << qPrintable(udtRun.Said());
        EXPECT_TRUE(udtRun.Err.contains(Q(u.Said))) << qPrintable(udtRun.Said());
    }
}

}  // namespace
