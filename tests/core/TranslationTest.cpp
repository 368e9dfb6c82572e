// Translation without widgets: a load is all or nothing, texts fall back to the source language,
// and the lazily read index of core.lrc gives what the store's reader gives.
#include "StoreFiles.h"
#include "TempDir.h"
#include "runtime/Translation.h"
#include "runtime/clsLanguageFolder.h"

#include <gtest/gtest.h>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const QByteArray GermanCore = "frmMain.cmdOK.0.T:Annehmen\r\nfrmMain.cmdOK.0.C:&Annehmen\r\n";

// A language folder of the three files under pstrName, with pbytCore as core.lrc.
QString Folder(const clsTempDir& pobjDir, const QString& pstrName, const QByteArray& pbytMessages,
               const QByteArray& pbytTexts, const QByteArray& pbytCore = GermanCore)
{
    pobjDir.Write(pstrName + QStringLiteral("/core.lrc"), pbytCore);
    pobjDir.Write(pstrName + QStringLiteral("/messages.lrc"), pbytMessages);
    pobjDir.Write(pstrName + QStringLiteral("/secondary.lrc"), pbytTexts);
    return pobjDir.Path(pstrName);
}

TEST(TranslationLoad, EveryFailureOfTheReadersKeepsTheLanguageInUse)
{
    QByteArray bytManyRecords, bytManyMessages;
    for (int i = 0; i <= clsTralyx::MaxRecords; ++i) bytManyRecords += "f.mnu" + QByteArray::number(i) + ".0.C:x\r\n";
    for (int i = 1; i <= 256; ++i) bytManyMessages += i % 2 ? "MSG001:a\r\n" : "MSG002:a\r\n";
    const struct {
        const char* File;  // "English/…": the source language's file
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
        {"messages.lrc", "MSG001:a\r\nMSG002:b\r\nMSG01\r\n", ":3: the line is shorter than its 7-character head"},
        {"messages.lrc", "MSG001:a\r\nMSG256:a\r\n", ":2: record number 256 is above 255"},
        {"messages.lrc", "MSG000:a\r\n", ":1: a MSG line comes before the first record"},
        {"messages.lrc", bytManyMessages, ":256: the file has more than 255 messages"},
        {"secondary.lrc", "TXT000:a\r\n", ":1: the first numbered line has number 000"},
        {"secondary.lrc", "TXT001:a\r\nTXT003\r\n", ":2: the numbered line is shorter than its 7-character head"},
        {"English/core.lrc", "f.a.0.C:x\r\n\r\n", ":2: the line is blank"},
    };
    for (const auto& c : udtCases) {
        clsTempDir objDir;
        Translation objTranslation;
        int lngChanges = 0;
        QObject::connect(&objTranslation, &Translation::languageChanged, [&] { ++lngChanges; });
        const QString strGerman = Folder(objDir, QStringLiteral("German"), "MSG001:Hallo\r\nMST001:Gruss\r\n", "TXT001:Eins\r\n");
        Folder(objDir, QStringLiteral("English"), "MSG001:Hello\r\nMST001:Greeting\r\n", "TXT001:One\r\n");
        ASSERT_TRUE(objTranslation.load(strGerman, QString(), QString::fromLatin1(c.CodePage)));
        // The broken folder is French, with its sibling English as source; or English itself is broken.
        const QString strFrench = Folder(objDir, QStringLiteral("French"), "MSG001:Bonjour\r\nMST001:Salut\r\n", "TXT001:Un\r\n");
        const QString strFile = QString::fromLatin1(c.File);
        const QString strBroken = objDir.Path(strFile.contains(u'/') ? strFile : QStringLiteral("French/") + strFile);
        if (c.Content.isNull()) QFile::remove(strBroken);
        else objDir.Write(strBroken.mid(objDir.Path().size() + 1), c.Content);

        QString strError = QStringLiteral("unchanged");
        EXPECT_FALSE(objTranslation.load(strFrench, QString(), QString::fromLatin1(c.CodePage), &strError)) << c.Error;
        EXPECT_TRUE(strError.startsWith(strBroken + QString::fromLatin1(c.Error))) << strError.toStdString();
        EXPECT_EQ(objTranslation.folder(), strGerman) << c.Error;
        EXPECT_EQ(objTranslation.message(1) + objTranslation.title(1) + objTranslation.text(1), QStringLiteral("HalloGrussEins"));
        EXPECT_EQ(lngChanges, 1) << c.Error;
    }
}

TEST(TranslationTexts, MissingAndEmptyTextsComeFromTheSourceLanguage)
{
    clsTempDir objDir;
    const QString strGerman = Folder(objDir, QStringLiteral("German"), "MSG001:Hallo [#!name!#]!\r\nMST001:\r\n",
                                     "TXT001:\r\nTXT002:Zwei\r\n");
    const QString strEnglish = Folder(objDir, QStringLiteral("english"),  // any letter case
                                      "MSG001:Hello [#!name!#]!\r\nMST001:For [#!name!#]\r\nMSG002:Two\r\nMST002:\r\n",
                                      "TXT001:One\r\nTXT002:Two\r\nTXT003:Three\r\n");
    Translation objTranslation;
    EXPECT_TRUE(objTranslation.isEmpty());
    EXPECT_EQ(objTranslation.message(1), QString());
    ASSERT_TRUE(objTranslation.load(strGerman));
    EXPECT_EQ(objTranslation.sourceFolder(), strEnglish);
    const std::tuple<QString, QString> udtCases[] = {
        {objTranslation.message(1, QStringLiteral("Bob")), QStringLiteral("Hallo Bob!")},
        {objTranslation.title(1, QStringLiteral("Bob")), QStringLiteral("For Bob")},  // empty in German
        {objTranslation.message(2), QStringLiteral("Two")},                          // beyond German's file
        {objTranslation.title(2), QString()},
        {objTranslation.message(3) + objTranslation.message(0) + objTranslation.message(-1), QString()},
        {objTranslation.text(1), QStringLiteral("One")},
        {objTranslation.text(2), QStringLiteral("Zwei")},
        {objTranslation.text(3), QStringLiteral("Three")},
        {objTranslation.text(4) + objTranslation.text(0), QString()},
    };
    for (const auto& [strGot, strExpected] : udtCases) EXPECT_EQ(strGot, strExpected);

    // The folder itself as source: no fallback.
    ASSERT_TRUE(objTranslation.load(strGerman, strGerman, QStringLiteral("windows-1252")));
    EXPECT_EQ(objTranslation.sourceFolder(), QString());
    EXPECT_EQ(objTranslation.text(1) + objTranslation.text(3), QString());
}

// The index finds every entry's texts as the store's reader reads them, first entry of a path first.
TEST(TranslationIndex, EntriesAndTextsAsTheStoreReadsThem)
{
    const std::pair<const char*, QByteArray> udtCases[] = {
        {"windows-1252", "f.lblA.0.T:tip\r\nf.lblA.0.C:one\rf.lblA.0.C:  two\r\nf.lblA.0.C:second\r\n"
                         "f.txtName.0.T:type here\r\nf.mnuFile.0.C:&File\r\nf.optA.007.C:   Gr\xF6\xDF" "e  \r\n"
                         "f.a.0.X:skipped\r\nf.cmdB.0.T:u\nf.cmdB.0.C:c\rg.optA.7.C:other form\r\n"},
        {"windows-1252", "f.optA.0.T:t0\r\nf.optA.0.C:c0\r\nf.optA.1.T:t1\r\nf.optA.1.C:c1\r\ng.optA.0.T:t2\r\n"},
        {"UTF-8", "\xEF\xBB\xBF" "f.lbl\xC3\xA4.0.C:\xE6\x97\xA5\xE6\x9C\xAC\rf.lbl\xC3\xA4.0.C:x\r\n"},
        {"windows-932", "f.lbl.0.T:\x83\x65\x83\x58\x83\x67\r\nf.lbl.0.C:\x93\xFA\x96\x7B\r\n"},
        {"windows-1252", ""},
    };
    for (const auto& [pstrCodePage, bytCore] : udtCases) {
        clsTempDir objDir;
        const QString strFolder = Folder(objDir, QStringLiteral("L"), "", "", bytCore);
        clsTralyx objStore;
        ASSERT_TRUE(objStore.SetCodePage(QString::fromLatin1(pstrCodePage)));
        ASSERT_TRUE(LoadFrom(objStore, enuFileKind::ControlText, strFolder + QStringLiteral("/core.lrc")).Success);
        clsLanguageFolder objFolder;
        QString strError;
        ASSERT_TRUE(objFolder.Load(strFolder, QString::fromLatin1(pstrCodePage), strError)) << strError.toStdString();
        const QVector<ControlTextItem>& udtTable = objStore.ControlTextTable();
        for (qsizetype i = 0; i < udtTable.size(); ++i) {
            const ControlTextItem& udtItem = udtTable[i];
            QByteArray bytKey;
            ASSERT_TRUE(objFolder.EntryKey(udtItem.FormName, udtItem.ControlName, bytKey));
            const int32_t lngEntry = objFolder.FindEntry(bytKey, udtItem.Index);
            const auto udtFirst = std::find_if(udtTable.begin(), udtTable.end(), [&](const ControlTextItem& u) {
                return u.FormName == udtItem.FormName && u.ControlName == udtItem.ControlName && u.Index == udtItem.Index;
            });
            if (udtItem.FormName.isEmpty()) continue;  // the empty record of an empty file
            ASSERT_GE(lngEntry, 0) << clsTralyx::ObjectPath(udtItem).toStdString();
            EXPECT_EQ(objFolder.Caption(lngEntry), udtFirst->Caption) << pstrCodePage;
            EXPECT_EQ(objFolder.ToolTip(lngEntry), udtFirst->ToolTip) << pstrCodePage;
        }
        EXPECT_EQ(objFolder.FindEntry("f.nothing", 0), -1);
    }
}

}  // namespace
