// Spelling: which parts of a translation are words, the dictionaries Enchant finds (hunspell-de-de
// and hunspell-en-us, installed by tools/install-deps.sh), and lint --spell.
#include "RunProgram.h"
#include "spelling/basSpellingWords.h"
#include "spelling/clsSpeller.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace tralyx;
using namespace tralyx::test;

namespace {

struct udtWordsCase {
    const char* Text;
    const char* Words;  // joined with "|"
};

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
                    udtWordsCase{"Zeile eins\r\nZeile/zwei...", "Zeile|eins|Zeile|zwei"}));

TEST(Speller, FindsTheDictionaryOfALanguageAndNamesThePackageOfAMissingOne)
{
    const struct {
        const char* Asked;
        const char* Tag;
        const char* Package;
    } Rows[] = {{"de", "de_DE", "hunspell-de-de"}, {"DE-de", "de_DE", "hunspell-de-de"}, {"en", "en_US", "hunspell-en-us"},
                {"pt_BR", "pt_BR", "hunspell-pt-br"}, {"fr", "fr_FR", "hunspell-fr"}, {"zz", "zz", "hunspell-zz"}};
    for (const auto& u : Rows) {
        EXPECT_EQ(clsSpeller::DictionaryFor(Q(u.Asked)), Q(u.Tag)) << u.Asked;
        EXPECT_EQ(clsSpeller::PackageFor(clsSpeller::DictionaryFor(Q(u.Asked))), Q(u.Package)) << u.Asked;
    }
    const clsSpeller objGerman(QStringLiteral("de"));
    ASSERT_TRUE(objGerman.IsValid()) << qPrintable(objGerman.Problem());
    EXPECT_TRUE(objGerman.Check(Q("Größe")));
    EXPECT_FALSE(objGerman.Check(Q("Grßöe")));
    EXPECT_TRUE(objGerman.Suggest(Q("Dtaei")).contains(Q("Datei")));
    const clsSpeller objMissing(QStringLiteral("zz_ZZ"));
    EXPECT_FALSE(objMissing.IsValid());
    EXPECT_EQ(objMissing.Problem(), Q("no spelling dictionary for zz_ZZ is installed (the Debian package hunspell-zz adds one)"));
    EXPECT_TRUE(objMissing.Check(Q("anything")));
}

TEST(LintSpell, NamesEachMisspeltWordAndTakesTheUsersWordList)
{
    const clsTempDir objDir;
    const QString strSamples = QDir::cleanPath(QStringLiteral(TRALYX_TEST_DATA "/../../examples/languages")) + u'/';
    for (const QString& strPath : {QStringLiteral("English/core.lrc"), QStringLiteral("German/messages.lrc"), QStringLiteral("English/messages.lrc")})
        objDir.Write(QStringLiteral("Languages/") + strPath, clsTempDir::Read(strSamples + strPath));
    objDir.Write(QStringLiteral("Languages/German/core.lrc"),
                 clsTempDir::Read(strSamples + QStringLiteral("German/core.lrc")).replace("Notizen:", "Notzien:"));
    const QString strGerman = objDir.Path(QStringLiteral("Languages/German"));
    // The desktop's word lists live under XDG_CONFIG_HOME/enchant; this one knows the product's name.
    const QByteArray bytConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", objDir.Path(QStringLiteral("config")).toUtf8());
    const auto Lint = [&](QStringList pstrArgs) { return RunLrc(QStringList{QStringLiteral("lint")} + pstrArgs + QStringList{strGerman}); };

    udtRun udtRun = Lint({QStringLiteral("--spell")});
    EXPECT_EQ(udtRun.ExitCode, 0) << qPrintable(udtRun.Said());
    EXPECT_TRUE(udtRun.Out.contains(strGerman + Q("/core.lrc:18: info: frmMain.lblCount.0.C: spelling: \"Notzien\" is not in the de_DE dictionary\n")))
        << qPrintable(udtRun.Out);
    EXPECT_EQ(udtRun.Out.count(QStringLiteral("spelling: \"Quillnote\"")), 4);
    objDir.Write(QStringLiteral("config/enchant/de_DE.dic"), "Quillnote\n");
    udtRun = Lint({QStringLiteral("--spell")});
    EXPECT_EQ(udtRun.Out.count(QStringLiteral("spelling:")), 1) << qPrintable(udtRun.Out);

    udtRun = Lint({QStringLiteral("--dictionary"), QStringLiteral("zz_ZZ")});
    EXPECT_EQ(udtRun.ExitCode, 1);
    EXPECT_TRUE(udtRun.Err.contains(QStringLiteral("the Debian package hunspell-zz adds one"))) << qPrintable(udtRun.Said());
    udtRun = RunLrc({QStringLiteral("lint"), QStringLiteral("--spell"), QStringLiteral("--source"),
                     objDir.Path(QStringLiteral("Languages/English")), objDir.Path(QStringLiteral("Languages"))});
    EXPECT_EQ(udtRun.ExitCode, 2);
    EXPECT_TRUE(udtRun.Err.contains(QStringLiteral("give --dictionary LANG"))) << qPrintable(udtRun.Said());
    if (bytConfig.isNull()) qunsetenv("XDG_CONFIG_HOME");
    else qputenv("XDG_CONFIG_HOME", bytConfig);
}

}  // namespace
