// The compiled language answers exactly as the text files it was made from, is bypassed with a
// warning once they change, and a cut or damaged file is refused or gives empty texts, never a crash.
#include "RunProgram.h"
#include "TempDir.h"

#include "runtime/Translation.h"
#include "runtime/clsCompiledLanguage.h"
#include "runtime/udtLoadedLanguages.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

QString Q(const char* p) { return QString::fromUtf8(p); }

struct udtPair {
    clsTempDir Dir;
    QString German, English;
    udtPair()
    {
        // Fallbacks of every kind: an empty caption, a tool-tip line only in English, an entry and a
        // message and a text only in English, a duplicate key (the first one counts), a multi-line text.
        English = Dir.Language(Q("English"),
                               "frmMain.cmdOK.0.T:Accept\r\nfrmMain.cmdOK.0.C:&OK\r\nfrmMain.lblA.3.C:A three\r\n"
                               "frmMain.lblOnly.0.C:English only\r\nfrmMain.[Caption].0.C:Notes\r\n",
                               "MSG001:One\r\nMST001:T1\r\nMSG002:Two\rMSG002:lines\r\nMST002:T2\r\n",
                               "TXT001:first\r\nTXT002:second\r\n");
        German = Dir.Language(Q("German"),
                              "frmMain.cmdOK.0.C:\r\nfrmMain.lblA.3.C:A drei\r\nfrmMain.lblA.3.C:ignored\r\n"
                              "frmMain.[Caption].0.C:Notizen \xe4\r\n",
                              "MSG001:Eins\r\nMST001:\r\n", "TXT001:erstes\r\n");
    }
};

const std::pair<const char*, const char*> Keys[] = {{"frmMain", "cmdOK"}, {"frmMain", "lblA"}, {"frmMain", "lblOnly"},
                                                    {"frmMain", "[Caption]"}, {"frmMain", "missing"}};

}  // namespace

TEST(CompiledLanguage, AnswersAsTheTextFilesDo)
{
    udtPair p;
    udtLoadedLanguages udtText;
    QString strError;
    QStringList strWarnings;
    ASSERT_TRUE(LoadLanguages(p.German, p.English, Q("windows-1252"), udtText, strError, strWarnings)) << strError.toStdString();
    QFile objOut(p.German + u'/' + clsCompiledLanguage::FileName());
    ASSERT_TRUE(objOut.open(QIODevice::WriteOnly));
    objOut.write(clsCompiledLanguage::Compile(udtText, p.German, p.English, Q("windows-1252")));
    objOut.close();
    clsCompiledLanguage objCompiled;
    QString strWhy;
    ASSERT_TRUE(objCompiled.Open(p.German, p.English, Q("windows-1252"), strWhy)) << strWhy.toStdString();
    for (const auto& [pstrForm, pstrControl] : Keys) {
        for (const uint8_t bytIndex : {0, 3}) {
            udtFoundTexts a, b;
            const bool booText = udtText.FindControl(Q(pstrForm), Q(pstrControl), bytIndex, a);
            ASSERT_EQ(objCompiled.Find(Q(pstrForm), Q(pstrControl), bytIndex, b), booText) << pstrControl;
            EXPECT_EQ(b.Texts.Caption, a.Texts.Caption) << pstrControl;
            EXPECT_EQ(b.Texts.ToolTip, a.Texts.ToolTip) << pstrControl;
            EXPECT_EQ(b.HasCaption, a.HasCaption) << pstrControl;
            EXPECT_EQ(b.HasToolTip, a.HasToolTip) << pstrControl;
        }
    }
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(objCompiled.MessageText(i), udtText.MessageText(i)) << i;
        EXPECT_EQ(objCompiled.MessageTitle(i), udtText.MessageTitle(i)) << i;
        EXPECT_EQ(objCompiled.Text(i), udtText.Text(i)) << i;
    }
    // Another code page, or no source language, is not what it was made for.
    EXPECT_FALSE(objCompiled.Open(p.German, p.English, Q("windows-1250"), strWhy));
    EXPECT_FALSE(objCompiled.Open(p.German, QString(), Q("windows-1252"), strWhy));
}

TEST(CompiledLanguage, TheLoaderUsesItOnlyWhileItMatches)
{
    udtPair p;
    const udtRun udtCompile = RunLrc({Q("compile"), p.German});
    ASSERT_EQ(udtCompile.ExitCode, 0) << udtCompile.Said().toStdString();
    const QString strCompiled = p.German + u'/' + clsCompiledLanguage::FileName();
    const QByteArray bytCompiled = clsTempDir::Read(strCompiled);
    Translation objTranslation;
    QString strError;
    QStringList strWarnings;
    ASSERT_TRUE(objTranslation.load(p.German, &strError, &strWarnings)) << strError.toStdString();
    EXPECT_TRUE(strWarnings.isEmpty()) << strWarnings.join(u'\n').toStdString();
    EXPECT_EQ(objTranslation.message(2), Q("Two\r\nlines"));
    EXPECT_EQ(objTranslation.sourceFolder(), p.English);

    // Each case on a fresh pair, compiled, then changed: the load warns and reads the text files.
    const QByteArray bytCut = bytCompiled.left(bytCompiled.size() - 9);
    struct {
        const char* Name;
        const char* File;
        QByteArray Bytes;
        const char* Warning;
        const char* Text2;
    } udtCases[] = {
        {"a translation saved since", "German/secondary.lrc", "TXT001:neu\r\n", "is older than secondary.lrc", "second"},
        {"the source changed", "English/secondary.lrc", "TXT001:first\r\nTXT002:2nd\r\n", "the source language's", "2nd"},
        {"cut short", "German/language.tralyx", bytCut, "cut short", "second"},
        {"not ours", "German/language.tralyx", QByteArray(200, 'x'), "not a compiled language", "second"},
        {"the same bytes written again (a checkout)", "German/secondary.lrc", "TXT001:erstes\r\n", nullptr, "second"},
    };
    for (const auto& c : udtCases) {
        udtPair q;
        ASSERT_EQ(RunLrc({Q("compile"), q.German}).ExitCode, 0);
        q.Dir.Write(Q(c.File), c.Bytes);
        if (!c.Warning) {  // another time for the same bytes
            QFile objFile(q.Dir.Path(Q(c.File)));
            ASSERT_TRUE(objFile.open(QIODevice::ReadWrite));
            ASSERT_TRUE(objFile.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000), QFileDevice::FileModificationTime));
        }
        Translation objAgain;
        ASSERT_TRUE(objAgain.load(q.German, &strError, &strWarnings)) << c.Name << strError.toStdString();
        if (c.Warning) EXPECT_TRUE(strWarnings.join(u'\n').contains(Q(c.Warning))) << c.Name << ": " << strWarnings.join(u'\n').toStdString();
        else EXPECT_TRUE(strWarnings.isEmpty()) << c.Name << ": " << strWarnings.join(u'\n').toStdString();
        EXPECT_EQ(objAgain.text(2), Q(c.Text2)) << c.Name;
    }
}

TEST(CompiledLanguage, NeverWrittenThroughALink)
{
    udtPair p;
    const QByteArray bytEnglish = clsTempDir::Read(p.English + QStringLiteral("/core.lrc"));
    ASSERT_TRUE(QFile::link(p.English + QStringLiteral("/core.lrc"), p.German + u'/' + clsCompiledLanguage::FileName()));
    EXPECT_EQ(RunLrc({Q("compile"), p.German}).ExitCode, 1);
    EXPECT_EQ(clsTempDir::Read(p.English + QStringLiteral("/core.lrc")), bytEnglish);
}

// Any byte of the file damaged: the open refuses it or every lookup stays in bounds.
TEST(CompiledLanguage, ADamagedFileNeverCrashes)
{
    udtPair p;
    ASSERT_EQ(RunLrc({Q("compile"), p.German}).ExitCode, 0);
    const QString strPath = p.German + u'/' + clsCompiledLanguage::FileName();
    const QByteArray bytGood = clsTempDir::Read(strPath);
    for (qsizetype i = 8; i < bytGood.size(); i += 3) {
        QByteArray bytBad = bytGood;
        bytBad[i] = static_cast<char>(bytBad[i] ^ 0xA5);
        QFile objFile(strPath);
        ASSERT_TRUE(objFile.open(QIODevice::WriteOnly));
        objFile.write(bytBad);
        objFile.close();
        clsCompiledLanguage objCompiled;
        QString strWhy;
        if (!objCompiled.Open(p.German, p.English, Q("windows-1252"), strWhy)) continue;
        udtFoundTexts u;
        for (const auto& [pstrForm, pstrControl] : Keys) objCompiled.Find(Q(pstrForm), Q(pstrControl), 0, u);
        for (int k = -1; k < 4; ++k) (void)(objCompiled.MessageText(k) + objCompiled.MessageTitle(k) + objCompiled.Text(k));
    }
}
