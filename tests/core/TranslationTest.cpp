// Translation without widgets: a load is all or nothing, and texts fall back to the source
// language. (fuzz_read_control_text_file checks that the index of core.lrc reads what the store's
// reader reads.)
#include "RunProgram.h"
#include "TempDir.h"
#include "runtime/Translation.h"
#include "common/basFileSystem.h"
#include "common/clsFileLock.h"
#include "store/clsTralyx.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <atomic>
#include <thread>

using namespace tralyx;
using namespace tralyx::test;

namespace {

// Every way core.lrc's index fails (its own pass over the bytes), and the other readers' failures
// once each: French does not load, German stays, whole.
TEST(TranslationLoad, EveryFailureKeepsTheLanguageInUse)
{
    QByteArray bytManyRecords;
    for (int i = 0; i <= clsTralyx::MaxRecords; ++i) bytManyRecords += "f.mnu" + QByteArray::number(i) + ".0.C:x\r\n";
    const struct {
        const char* File;  // in French/, or "English/…": the source language's
        QByteArray Content;
        const char* Error;  // after the file's path
        const char* CodePage = "windows-1252";
    } udtCases[] = {
        {"core.lrc", "f.a.0.C:x\r\n\r\nf.b.0.C:y\r\n", ":2: the line is blank"},
        {"core.lrc", "f.a.0.C:x\r\nf.b:0\r\n", ":2: expected Form.Control.Index.Tag:Text"},
        {"core.lrc", "f.a.x1.C:x\r\n", ":1: index 'x1' is not a number from 0 to 255"},
        {"core.lrc", "f.a.0.C:x\r\nf.b.256.C:y\r\n", ":2: index '256'"},
        {"core.lrc", "f.a.0.C x\r\n", ":1: no ':' after the index"},
        {"core.lrc", QByteArray("f.a.0.C:x\r\n\0\0\0\r\n", 15), ":2: expected Form.Control.Index.Tag:Text"},
        {"core.lrc", bytManyRecords, ":32768: the file has more than 32,767 records"},
        {"core.lrc", "f.a.0.C:\xFC\r\n", ":1: byte 0xFC at column 9 is not valid UTF-8", "UTF-8"},
        {"core.lrc", {}, ": does not exist"},
        {"messages.lrc", "MSG001:a\r\nMST001:t\r\n\r\n", ":3: the line is blank"},
        {"secondary.lrc", "TXT000:a\r\n", ":1: the first numbered line has number 000"},
        {"secondary.lrc", "TXT001:a\r\n<<<<<<< HEAD\r\nTXT002:b\r\n=======\r\n", ":2: an unresolved merge conflict"},
        {"English/core.lrc", "f.a.0.C:x\r\n\r\n", ":2: the line is blank"},
        // What the classic readers take, by position or by skipping, and a translation must not.
        {"core.lrc", "\xEF\xBB\xBF" "f.a.0.C:x\r\n", ":1: the file starts with a UTF-8 byte-order mark but is read as windows-1252"},
        {"core.lrc", "f.a.0.C:x\r\nf.b.0.X:y\r\n", ":2: unexpected tag 'X'"},
        {"messages.lrc", "MSG002:Zwei\r\nMST002:t\r\n", ":1: 'MSG002' is out of place"},
        {"messages.lrc", "MSG001:a\r\nMSG002:b\r\nMSG001:c\r\n", ":3: 'MSG001' is out of place"},
        {"messages.lrc", "MSG001:a\r\nGARBAGE\r\nMST001:t\r\n", ":2: 'GARBAGE' is not an MSGnnn: or MSTnnn: head"},
        {"messages.lrc", "MSG001:a\r\nMSGxyz:b\r\n", ":2: 'MSGxyz:' is not an MSGnnn: or MSTnnn: head"},
        {"secondary.lrc", "TXT001:a\r\nTXT003:b\r\n", ":2: 'TXT003' is out of place"},
        {"secondary.lrc", "TXT001:a\r\nMSG002:b\r\n", ":2: 'MSG002:' is not a TXTnnn: head"},
        {"secondary.lrc", "TXT001:a\r\nTXT1\r\n", ":2: 'TXT1' is not a TXTnnn: head"},
        // No end mark: an empty file where the source has entries is taken for a cut one.
        {"core.lrc", "", ": the file has no entries, but the source language's has"},
        {"secondary.lrc", "\r\n", ": the file has no entries, but the source language's has"},
    };
    for (const auto& c : udtCases) {
        clsTempDir objDir;
        Translation objTranslation;
        int lngChanges = 0;
        QObject::connect(&objTranslation, &Translation::languageChanged, [&] { ++lngChanges; });
        const QString strCodePage = QString::fromLatin1(c.CodePage), strFile = QString::fromLatin1(c.File);
        const QString strGerman = objDir.Language(QStringLiteral("German"), "f.a.0.C:x\r\n", "MSG001:Hallo\r\nMST001:Gruss\r\n", "TXT001:Eins\r\n");
        objDir.Language(QStringLiteral("English"), "f.a.0.C:x\r\n", "MSG001:Hello\r\nMST001:Greeting\r\n", "TXT001:One\r\n");
        ASSERT_TRUE(objTranslation.load(strGerman, QString(), strCodePage));
        const QString strFrench = objDir.Language(QStringLiteral("French"), "f.a.0.C:x\r\n", "MSG001:Bonjour\r\n", "TXT001:Un\r\n");
        const QString strBroken = strFile.contains(u'/') ? strFile : QStringLiteral("French/") + strFile;
        if (c.Content.isNull()) QFile::remove(objDir.Path(strBroken));
        else objDir.Write(strBroken, c.Content);

        QString strError;
        EXPECT_FALSE(objTranslation.load(strFrench, QString(), strCodePage, &strError)) << c.Error;
        EXPECT_TRUE(strError.startsWith(objDir.Path(strBroken) + QString::fromLatin1(c.Error))) << strError.toStdString();
        EXPECT_EQ(objTranslation.folder() + objTranslation.message(1) + objTranslation.title(1) + objTranslation.text(1),
                  strGerman + QStringLiteral("HalloGrussEins"));
        EXPECT_EQ(lngChanges, 1) << c.Error;
    }
}

// A windows-1252 file that is valid UTF-8 with letters beyond ASCII loads as mojibake: the load
// warns beside its result, failed or not, and check and lint say the same. So does a last line
// without a line end, which a cut file has.
TEST(TranslationLoad, AFileThatReadsAsUtf8IsAWarningEverywhere)
{
    clsTempDir objDir;
    objDir.Language(QStringLiteral("English"), "f.a.0.C:Size\r\n", "", "TXT001:Size\r\n");
    const QString strGerman = objDir.Language(QStringLiteral("German"), "f.a.0.C:Gr\xC3\xB6\xC3\x9F" "e\r\n", "",
                                              "TXT001:Gr\xF6\xDF" "e");  // windows-1252 proper
    const QString strWarning = strGerman + QStringLiteral("/core.lrc:1: the file reads as valid UTF-8, so it was most likely "
                                                          "saved as UTF-8: windows-1252 reads '\u00C3\u00B6' where UTF-8 reads '\u00F6'");
    Translation objTranslation;
    QString strError;
    QStringList strWarnings;
    ASSERT_TRUE(objTranslation.load(strGerman, &strError, &strWarnings)) << strError.toStdString();
    ASSERT_EQ(strWarnings.size(), 2);
    EXPECT_TRUE(strWarnings[0].startsWith(strWarning)) << strWarnings[0].toStdString();
    EXPECT_EQ(strWarnings[1], strGerman + QStringLiteral("/secondary.lrc: the last line has no line end: is the file cut short?"));
    objDir.Write(QStringLiteral("German/secondary.lrc"), "TXT002:x\r\n");
    EXPECT_FALSE(objTranslation.load(strGerman, &strError, &strWarnings));
    EXPECT_EQ(strWarnings.size(), 1);
    EXPECT_EQ(objTranslation.text(1), QStringLiteral("Gr\u00F6\u00DFe"));

    const QString strInCheck = QString(strWarning).replace(QStringLiteral(":1: "), QStringLiteral(":1: warning: "));
    EXPECT_TRUE(RunLrc({QStringLiteral("check"), strGerman + QStringLiteral("/core.lrc")}).Out.contains(strInCheck));
    const QString strLint = RunLrc({QStringLiteral("lint"), strGerman}).Said();
    EXPECT_TRUE(strLint.contains(QStringLiteral("the file reads as valid UTF-8"))) << strLint.toStdString();
}

// An application may carry its languages as Qt resources, the sibling English folder included.
TEST(TranslationLoad, FromQtResources)
{
    Translation objFromResources, objFromFiles;
    QString strError;
    ASSERT_TRUE(objFromResources.load(QStringLiteral(":/Languages/Deutsch"), &strError)) << strError.toStdString();
    ASSERT_TRUE(objFromFiles.load(QStringLiteral(TRALYX_DEMO_LANGUAGES "/Deutsch"), &strError)) << strError.toStdString();
    EXPECT_EQ(objFromResources.sourceFolder(), QStringLiteral(":/Languages/English"));
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(objFromResources.message(i) + objFromResources.title(i) + objFromResources.text(i),
                  objFromFiles.message(i) + objFromFiles.title(i) + objFromFiles.text(i));
    // Compiled, from resources too: used without a word, and the same texts.
    Translation objCompiled;
    QStringList strWarnings;
    ASSERT_TRUE(objCompiled.load(QStringLiteral(":/compiled/Languages/Deutsch"), &strError, &strWarnings)) << strError.toStdString();
    EXPECT_TRUE(strWarnings.isEmpty()) << strWarnings.join(u'\n').toStdString();
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(objCompiled.message(i) + objCompiled.text(i), objFromFiles.message(i) + objFromFiles.text(i));
    EXPECT_FALSE(objFromResources.load(QStringLiteral(":/Languages/Nowhere"), &strError));
    EXPECT_EQ(strError, QStringLiteral(":/Languages/Nowhere/core.lrc: does not exist"));
}

// A writer that replaces the three files under the folder's lock (as import and update do) while
// an application loads: each load holds one version, never the messages of one and the texts of
// the other.
TEST(TranslationLoad, TakesOneVersionOfAFolderThatIsBeingRewritten)
{
    clsTempDir objDir;
    objDir.Language(QStringLiteral("English"), "f.a.0.C:x\r\n", "MSG001:Hello\r\nMST001:t\r\n", "TXT001:One\r\n");
    const QString strGerman = objDir.Language(QStringLiteral("German"), "f.a.0.C:A\r\n", "MSG001:A\r\nMST001:A\r\n", "TXT001:A\r\n");
    std::atomic<bool> booStop = false;
    std::atomic<int> lngCommits = 0;
    std::thread objWriter([&] {
        for (char chrVersion = 'B'; !booStop; chrVersion = chrVersion == 'A' ? 'B' : 'A') {
            clsFileLock objLock;
            QString strReason;
            objLock.LockFolder(strGerman, strReason);
            for (const auto& [strName, strHead] : {std::pair{"core.lrc", "f.a.0.C:"}, {"messages.lrc", "MSG001:"}, {"secondary.lrc", "TXT001:"}}) {
                QByteArray bytContent = QByteArray(strHead) + chrVersion + "\r\n";
                if (strHead[0] == 'M') bytContent += QByteArray("MST001:") + chrVersion + "\r\n";
                fs::WriteAtomically(strGerman + u'/' + QLatin1StringView(strName), bytContent, true, strReason);
            }
            objLock.Unlock();
            ++lngCommits;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));  // a writer between two commits
        }
    });
    int lngMixed = 0, lngLoaded = 0;
    for (int i = 0; i < 20000 && lngCommits < 50; ++i) {
        Translation objTranslation;
        if (!objTranslation.load(strGerman)) continue;
        ++lngLoaded;
        if (objTranslation.message(1) != objTranslation.text(1) || objTranslation.title(1) != objTranslation.text(1)) ++lngMixed;
    }
    booStop = true;
    objWriter.join();
    EXPECT_EQ(lngMixed, 0);
    EXPECT_GE(lngCommits, 50);
    EXPECT_GT(lngLoaded, 50);
}

// A root of folders named as translators name them: the languages it holds, and the one a locale
// gets (its whole code, then its language, then English).
TEST(TranslationLoad, ARootsLanguagesAndALocalesBest)
{
    clsTempDir objDir;
    for (const char* pstrName : {"English", "Deutsch", "Portuguese (Brazil)", "pt", "Notes"})
        objDir.Language(QString::fromUtf8(pstrName), "f.a.0.C:x\r\n", "MSG001:m\r\nMST001:t\r\n", QByteArray("TXT001:") + pstrName + "\r\n");
    QStringList strListed;
    for (const Translation::Language& u : Translation::languages(objDir.Path()))
        strListed << QFileInfo(u.folder).fileName() + u'=' + u.code + u'=' + u.name;
    EXPECT_EQ(strListed.join(u'|'), QStringLiteral("Deutsch=de=Deutsch|English=en=American English|Notes==|"
                                                   "Portuguese (Brazil)=pt_BR=português (Brasil)|pt=pt=português"));
    struct {
        const char* Locale;
        const char* Text;  // text 1 names the folder loaded
    } udtCases[] = {{"de_AT", "Deutsch"}, {"pt_BR", "Portuguese (Brazil)"}, {"pt_PT", "pt"}, {"fr_FR", "English"}};
    for (const auto& c : udtCases) {
        Translation objTranslation;
        QString strError;
        ASSERT_TRUE(objTranslation.load(objDir.Path(), QLocale(QString::fromUtf8(c.Locale)), &strError)) << c.Locale << strError.toStdString();
        EXPECT_EQ(objTranslation.text(1), QString::fromUtf8(c.Text)) << c.Locale;
    }
    Translation objNone;
    QString strError;
    EXPECT_FALSE(objNone.load(objDir.Path(QStringLiteral("Deutsch")), QLocale(QStringLiteral("fr_FR")), &strError));
    EXPECT_TRUE(strError.contains(QStringLiteral("no language folder for fr_FR, fr"))) << strError.toStdString();
}

TEST(TranslationTexts, MissingAndEmptyTextsComeFromTheSourceLanguage)
{
    clsTempDir objDir;
    const QString strGerman = objDir.Language(QStringLiteral("German"), "", "MSG001:Hallo [#!name!#]!\r\nMST001:\r\n", "TXT001:\r\nTXT002:Zwei\r\n");
    objDir.Language(QStringLiteral("english"), "", "MSG001:Hello [#!name!#]!\r\nMST001:For [#!name!#]\r\nMSG002:Two\r\nMST002:\r\n",
                    "TXT001:One\r\nTXT002:Two\r\nTXT003:Three\r\n");  // the sibling in any letter case
    Translation objTranslation;
    EXPECT_TRUE(objTranslation.isEmpty() && objTranslation.message(1).isNull());
    ASSERT_TRUE(objTranslation.load(strGerman));
    EXPECT_EQ(objTranslation.sourceFolder(), objDir.Path(QStringLiteral("english")));
    const QString strBob = QStringLiteral("Bob");
    const QStringList strGot{objTranslation.message(1, strBob), objTranslation.title(1, strBob), objTranslation.message(2),
                             objTranslation.message(3) + objTranslation.message(0), objTranslation.text(1),
                             objTranslation.text(2), objTranslation.text(3), objTranslation.text(4) + objTranslation.text(-1)};
    EXPECT_EQ(strGot.join(u'|'), QStringLiteral("Hallo Bob!|For Bob|Two||One|Zwei|Three|"));
}

}  // namespace
