// PO and XLIFF export and import: round trips that must leave files byte for byte, the splice of
// changed texts into files of every shape the readers accept, and the real gettext and XML tools.
#include "exchange/basExchangeFiles.h"
#include "exchange/basExchangeImport.h"
#include "state/clsTranslationState.h"
#include "RunProgram.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <random>

using namespace tralyx;
using namespace tralyx::test;

namespace {

int RunTool(const QString& pstrProgram, const QStringList& pstrArgs, QString* pstrOutput = nullptr)
{
    const udtRun udtResult = RunProgram(pstrProgram, pstrArgs);
    if (pstrOutput) *pstrOutput = udtResult.Said();
    return udtResult.ExitCode;
}
int Lrc(const QStringList& pstrArgs, QString* pstrOutput = nullptr) { return RunTool(QStringLiteral(TRALYX_LRC_EXE), pstrArgs, pstrOutput); }

// A random folder of the largest size the formats hold: line breaks, trailing blanks and characters
// beyond ASCII; the translation differs from the source except now and then.
void WriteRandomFolder(const QString& pstrFolder, uint32_t plngSeed)
{
    static const QStringList Words = {QStringLiteral("Größe"), QStringLiteral("Übersicht"), QStringLiteral("café"),
                                      QStringLiteral("…"),     QStringLiteral("€ 5"),       QStringLiteral("a\u00A0b"),
                                      QStringLiteral("„Zitat“"), QStringLiteral("[#!name!#]"), QStringLiteral("&Datei"),
                                      QStringLiteral("file"),  QStringLiteral("\r\n"),      QStringLiteral("end. ")};
    std::mt19937 objRandom(plngSeed);
    auto Text = [&] {
        QString s = Words[objRandom() % 9];
        for (uint32_t n = objRandom() % 6; n > 0; --n) s += u' ' + Words[objRandom() % Words.size()];
        return s;
    };
    QDir().mkpath(pstrFolder);
    clsTralyx objStore;
    QVector<ControlTextItem> udtCore(clsTralyx::MaxRecords);
    static const char* const Prefixes[] = {"cmd", "lbl", "mnu", "txt", "[Cap"};
    for (int i = 0; i < udtCore.size(); ++i)
        udtCore[i] = {QStringLiteral("frmForm%1").arg(i / 250), QString::fromLatin1(Prefixes[i % 5]) + QString::number(i % 250 / 5),
                      0, Text(), Text()};
    QVector<MessageItem> udtMessages(clsTralyx::MaxMessages);
    for (MessageItem& u : udtMessages) u = {0, Text(), Text().remove(QStringLiteral("\r\n"))};
    QStringList strSecondary;
    for (int i = 0; i < clsTralyx::MaxRecords; ++i) strSecondary.append(Text());
    objStore.SetControlTextTable(udtCore);
    objStore.SetMessageTable(udtMessages);
    objStore.SetSecondaryTable(strSecondary);
    bool booOK = false;
    objStore.SaveControlText(pstrFolder + QStringLiteral("/core.lrc"), booOK);
    objStore.SaveMessageText(pstrFolder + QStringLiteral("/messages.lrc"), booOK);
    objStore.SaveSecondaryText(pstrFolder + QStringLiteral("/secondary.lrc"), booOK);
    ASSERT_TRUE(booOK);
}

udtExchangeEntry Entry(const char* pstrFile, const char* pstrKey, const QString& pstrTranslation, bool pbooFuzzy = false,
                       const QString& pstrSource = QString())
{
    udtExchangeEntry u;
    u.FileName = QString::fromLatin1(pstrFile);
    u.Key = u.Id = QString::fromLatin1(pstrKey);
    u.Source = pstrSource, u.Translation = pstrTranslation, u.Fuzzy = pbooFuzzy;
    return u;
}

const QStringList LanguageFiles = {QStringLiteral("core.lrc"), QStringLiteral("messages.lrc"), QStringLiteral("secondary.lrc")};

// Languages/English and Languages/German, copies of the samples or random full-size folders.
QString MakeFolders(const clsTempDir& pobjDir, bool pbooFullSize)
{
    for (const QString& strLanguage : {QStringLiteral("English"), QStringLiteral("German")}) {
        const QString strFolder = pobjDir.Path(QStringLiteral("Languages/") + strLanguage);
        if (pbooFullSize) {
            WriteRandomFolder(strFolder, strLanguage.size());
            continue;
        }
        QDir().mkpath(strFolder);
        const QString strSamples = QDir::cleanPath(QStringLiteral(TRALYX_TEST_DATA "/../../examples/languages")) + u'/';
        for (const QString& strFile : LanguageFiles) {
            const QByteArray bytSample = clsTempDir::Read(strSamples + strLanguage + u'/' + strFile);
            EXPECT_FALSE(bytSample.isEmpty()) << strFile.toStdString();
            pobjDir.Write(QStringLiteral("Languages/%1/%2").arg(strLanguage, strFile), bytSample);
        }
    }
    return pobjDir.Path(QStringLiteral("Languages/German"));
}

QByteArray FileOf(const QString& pstrFolder, const QString& pstrFile) { return clsTempDir::Read(pstrFolder + u'/' + pstrFile); }

// IntoSource: import into the source folder, where every text changes and must become the translation.
struct udtRoundTrip { bool FullSize; const char* Extension; bool IntoSource; };

void PrintTo(const udtRoundTrip& u, std::ostream* pobjOut)
{
    *pobjOut << (u.FullSize ? "full-size " : "samples ") << u.Extension << (u.IntoSource ? " into the source" : "");
}

class ExchangeRoundTrip : public testing::TestWithParam<udtRoundTrip> {};

TEST_P(ExchangeRoundTrip, ExportThenImportGivesTheTranslatedFilesByteForByte)
{
    const clsTempDir objDir;
    const QString strGerman = MakeFolders(objDir, GetParam().FullSize);
    const QString strInto = GetParam().IntoSource ? objDir.Path(QStringLiteral("Languages/English")) : strGerman;
    QList<QByteArray> bytGerman;
    for (const QString& strFile : LanguageFiles) bytGerman.append(FileOf(strGerman, strFile));
    const QString strOut = objDir.Path(QStringLiteral("de.") + QLatin1StringView(GetParam().Extension));
    QString strOutput;
    ASSERT_EQ(Lrc({QStringLiteral("export"), strGerman, strOut}, &strOutput), 0) << strOutput.toStdString();
    // Into the source folder, whose name says another language.
    ASSERT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--force"), QStringLiteral("--language=de"), strOut, strInto}, &strOutput), 0)
        << strOutput.toStdString();
    EXPECT_EQ(strOutput.count(QStringLiteral("no change, not written")), GetParam().IntoSource ? 0 : 3) << strOutput.toStdString();
    for (qsizetype i = 0; i < LanguageFiles.size(); ++i) EXPECT_EQ(FileOf(strInto, LanguageFiles[i]), bytGerman[i]) << LanguageFiles[i].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Folders, ExchangeRoundTrip,
                         testing::Values(udtRoundTrip{false, "po", false}, udtRoundTrip{false, "xlf", false},
                                         udtRoundTrip{true, "po", false}, udtRoundTrip{true, "xliff", false},
                                         udtRoundTrip{true, "po", true}, udtRoundTrip{true, "xlf", true}));

// The tools translators use read what we write, and what they change comes back exactly there.
TEST(ExchangePeers, GettextAndXmlToolsRoundTrip)
{
    for (const char* pstrTool : {"msgfmt", "msgcat", "msgfilter", "xmllint", "xmlstarlet"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(pstrTool)).isEmpty()) GTEST_SKIP() << pstrTool << " is not installed";
    const clsTempDir objDir;
    const QString strGerman = MakeFolders(objDir, false);
    const QString strPo = objDir.Path(QStringLiteral("de.po")), strXlf = objDir.Path(QStringLiteral("de.xlf"));
    const QString strEdited = objDir.Path(QStringLiteral("edited.po"));
    ASSERT_EQ(Lrc({QStringLiteral("export"), strGerman, strPo}), 0);
    ASSERT_EQ(Lrc({QStringLiteral("export"), strGerman, strXlf}), 0);
    QString strOutput;
    EXPECT_EQ(RunTool(QStringLiteral("msgfmt"), {QStringLiteral("--check"), QStringLiteral("-o"), QStringLiteral("/dev/null"), strPo}, &strOutput), 0)
        << strOutput.toStdString();
    EXPECT_EQ(RunTool(QStringLiteral("msgcat"), {QStringLiteral("-o"), QStringLiteral("/dev/null"), strPo}), 0);
    EXPECT_EQ(RunTool(QStringLiteral("xmllint"), {QStringLiteral("--noout"), strXlf}), 0);

    QList<QByteArray> bytBefore;
    for (const QString& strFile : LanguageFiles) bytBefore.append(FileOf(strGerman, strFile));
    ASSERT_EQ(RunTool(QStringLiteral("msgfilter"), {QStringLiteral("-i"), strPo, QStringLiteral("-o"), strEdited, QStringLiteral("sed"),
                                                 QStringLiteral("s/Notiz/NOTIZ/")}, &strOutput), 0) << strOutput.toStdString();
    ASSERT_TRUE(QFileInfo::exists(strEdited)) << strOutput.toStdString();
    ASSERT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--force"), strEdited, strGerman}, &strOutput), 0) << strOutput.toStdString();
    for (qsizetype i = 0; i < LanguageFiles.size(); ++i) {
        QByteArray bytExpected = bytBefore[i];
        bytExpected.replace("Notiz", "NOTIZ");  // the first one of each text: the samples have no text with two
        EXPECT_EQ(FileOf(strGerman, LanguageFiles[i]), bytExpected) << LanguageFiles[i].toStdString();
    }
    // A target set with an XML tool, with a line break in it, in a file exported after that import.
    ASSERT_EQ(Lrc({QStringLiteral("export"), QStringLiteral("--force"), strGerman, strXlf}), 0);
    ASSERT_EQ(RunTool(QStringLiteral("xmlstarlet"),
                  {QStringLiteral("ed"), QStringLiteral("-L"), QStringLiteral("-N"), QStringLiteral("x=urn:oasis:names:tc:xliff:document:1.2"),
                   QStringLiteral("-u"), QStringLiteral("//x:file[@original='secondary.lrc']/x:body/x:trans-unit[@id='TXT004']/x:target"),
                   QStringLiteral("-v"), QStringLiteral("Vor-\ngestern"), strXlf}), 0);
    const QByteArray bytSecondary = FileOf(strGerman, QStringLiteral("secondary.lrc"));
    ASSERT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--force"), strXlf, strGerman}, &strOutput), 0) << strOutput.toStdString();
    EXPECT_EQ(FileOf(strGerman, QStringLiteral("secondary.lrc")),
              QByteArray(bytSecondary).replace("TXT004:Gestern\r\n", "TXT004:Vor-\rTXT004:gestern\r\n"));
    EXPECT_TRUE(strOutput.contains(QStringLiteral("secondary.lrc: 1 entry changed, written"))) << strOutput.toStdString();
}

// Changed texts go into files of every shape the readers take, and nothing else moves (fuzz_import
// splices into LF-only files and numbers out of order too). A text the file has no line for yet is
// inserted where the reader expects it: before the first record, at a boundary that two records'
// new lines share, after an unterminated last line.
struct udtSplice {
    const char* File;
    QByteArray Before;
    std::vector<std::pair<const char*, const char*>> Translations;  // key, text
    QByteArray After;
};

void PrintTo(const udtSplice& u, std::ostream* pobjOut) { *pobjOut << u.File << ' ' << u.Translations.front().first; }

class ExchangeSplice : public testing::TestWithParam<udtSplice> {};

TEST_P(ExchangeSplice, OnlyTheChangedTextsLinesChange)
{
    const udtSplice& u = GetParam();
    const clsTempDir objDir;
    objDir.Write(QString::fromLatin1(u.File), u.Before);
    udtLanguageFolder udtFolder;
    QStringList strErrors;
    ASSERT_TRUE(LoadLanguageFolder(objDir.Path(), QStringLiteral("windows-1252"), udtFolder, strErrors));
    udtExchangeDocument udtDocument;
    for (const auto& [pstrKey, pstrText] : u.Translations) udtDocument.Entries.push_back(Entry(u.File, pstrKey, QString::fromUtf8(pstrText)));
    const udtImportPlan udtPlan = PlanImport(udtFolder, udtDocument);
    EXPECT_TRUE(udtPlan.NotApplied.empty()) << udtPlan.NotApplied.front().Reason.toStdString();
    const auto itFile = std::find_if(udtPlan.Files.begin(), udtPlan.Files.end(),
                                     [&](const udtImportedFile& f) { return f.File == FileKindOfPath(QString::fromLatin1(u.File)); });
    ASSERT_NE(itFile, udtPlan.Files.end());
    EXPECT_FALSE(itFile->Refused) << itFile->Reason.toStdString();
    EXPECT_EQ(itFile->Changed, static_cast<int32_t>(u.Translations.size()));
    EXPECT_EQ(itFile->Content.toStdString(), u.After.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ExchangeSplice,
    testing::Values(
        udtSplice{"core.lrc", "f.lblA.0.T:x\r\nf.lblA.0.C:one\rf.lblA.0.C:two\r\nf.cmdZ.0.T:z\r\nf.cmdZ.0.C:Z\r\n", {{"f.lblA.0.C",
                  "a\nb\nc"}}, "f.lblA.0.T:x\r\nf.lblA.0.C:a\rf.lblA.0.C:b\rf.lblA.0.C:c\r\nf.cmdZ.0.T:z\r\nf.cmdZ.0.C:Z\r\n"},
        udtSplice{"core.lrc", "f.cmdA.0.T:a\r\nf.cmdB.0.T:b\r\nf.cmdB.0.C:B\r\n", {{"f.cmdA.0.C", "Neu\n"}},
                  "f.cmdA.0.T:a\r\nf.cmdA.0.C:Neu\rf.cmdA.0.C:\r\nf.cmdB.0.T:b\r\nf.cmdB.0.C:B\r\n"},
        udtSplice{"core.lrc", "f.cmdA.007.T:  tip \r\nf.cmdA.007.X:skipped\r\nf.cmdA.007.C:A", {{"f.cmdA.7.C", "B …"}},
                  "f.cmdA.007.T:  tip \r\nf.cmdA.007.X:skipped\r\nf.cmdA.7.C:B \x85"},
        // insertions: before the first record and after an unterminated last line, at once
        udtSplice{"core.lrc", "f.cmdA.0.C:A\r\nf.cmdB.0.T:b", {{"f.cmdB.0.C", "B"}, {"f.cmdA.0.T", "Tipp"}},
                  "f.cmdA.0.T:Tipp\r\nf.cmdA.0.C:A\r\nf.cmdB.0.T:b\r\nf.cmdB.0.C:B\r\n"},
        // one record's new caption and the next one's new tool-tip at one boundary
        udtSplice{"core.lrc", "f.lblP.0.T:Tipp P\r\nf.cmdA.0.C:Knopf A\r\n", {{"f.lblP.0.C", "P"}, {"f.cmdA.0.T", "Tipp A"}},
                  "f.lblP.0.T:Tipp P\r\nf.lblP.0.C:P\r\nf.cmdA.0.T:Tipp A\r\nf.cmdA.0.C:Knopf A\r\n"},
        udtSplice{"core.lrc", "f.lblP.0.T:p\nf.cmdA.0.C:A\nf.cmdB.0.T:b\n",
                  {{"f.cmdB.0.C", "B"}, {"f.cmdA.0.T", "a"}, {"f.lblP.0.C", "P"}},
                  "f.lblP.0.T:p\nf.lblP.0.C:P\r\nf.cmdA.0.T:a\r\nf.cmdA.0.C:A\nf.cmdB.0.T:b\nf.cmdB.0.C:B\r\n"},
        udtSplice{"messages.lrc", "MST001:T\nMSG001:m\rMSG001:n\nMST001:T2\n", {{"MST001", "Titel"}},
                  "MST001:T\nMSG001:m\rMSG001:n\nMST001:Titel\n"},
        udtSplice{"messages.lrc", "MST001:T\r\nMSG002:n\r\nMST002:N", {{"MSG001", "m"}},
                  "MSG001:m\r\nMST001:T\r\nMSG002:n\r\nMST002:N"},
        // one message's new title and the next one's new text at one boundary, a title after the end
        udtSplice{"messages.lrc", "MSG001:m\r\nMST002:N\r\nMSG003:o", {{"MST003", "O"}, {"MSG002", "n"}, {"MST001", "M"}},
                  "MSG001:m\r\nMST001:M\r\nMSG002:n\r\nMST002:N\r\nMSG003:o\r\nMST003:O\r\n"},
        udtSplice{"secondary.lrc", "TXT010:a\r\n\r\nHeading\r\nTXT020:b\rTXT020:c\r\nTXT030:d", {{"TXT002", "e"}},
                  "TXT010:a\r\n\r\nHeading\r\nTXT020:e\r\nTXT030:d"},
        udtSplice{"secondary.lrc", "TXT001:a\r\nTXT002:b", {{"TXT002", "c\n"}, {"TXT001", "d"}}, "TXT001:d\r\nTXT002:c\rTXT002:"}));

// What the files cannot hold, or the folder does not have, is listed and changes nothing.
TEST(ExchangeImport, ListsWhatItDoesNotApply)
{
    // file, entry, translation, fuzzy, the reason given
    static const std::tuple<const char*, const char*, const char*, bool, const char*> Cases[] = {
        {"core.lrc", "f.txtName.0.C", "x", false, "no caption line"}, {"core.lrc", "f.mnuFile.0.T", "x", false, "no tool-tip line"},
        {"core.lrc", "f.cmdA.0.C", " lead", false, "blanks"},          {"core.lrc", "f.cmdZ.0.C", "x", false, "no such entry"},
        {"messages.lrc", "MST001", "a\nb", false, "line break"},       {"secondary.lrc", "TXT001", "\xc4\x89", true, "cannot write"},
        {"other.lrc", "X", "x", false, "no language file"}};
    const clsTempDir objDir;
    objDir.Write(QStringLiteral("core.lrc"), "f.txtName.0.T:t\r\nf.mnuFile.0.C:m\r\nf.cmdA.0.T:a\r\nf.cmdA.0.C:A\r\n");
    objDir.Write(QStringLiteral("messages.lrc"), "MSG001:m\r\nMST001:t\r\n");
    objDir.Write(QStringLiteral("secondary.lrc"), "TXT001:s\r\n");
    udtLanguageFolder udtFolder;
    QStringList strErrors;
    ASSERT_TRUE(LoadLanguageFolder(objDir.Path(), QStringLiteral("windows-1252"), udtFolder, strErrors));
    for (const auto& [pstrFile, pstrKey, pstrTranslation, booFuzzy, pstrReason] : Cases) {
        udtExchangeDocument udtDocument;
        udtDocument.Entries.push_back(Entry(pstrFile, pstrKey, QString::fromUtf8(pstrTranslation), booFuzzy));
        const udtImportPlan udtPlan = PlanImport(udtFolder, udtDocument);
        ASSERT_EQ(udtPlan.NotApplied.size(), 1u) << pstrKey;
        EXPECT_TRUE(udtPlan.NotApplied[0].Reason.contains(QLatin1StringView(pstrReason))) << udtPlan.NotApplied[0].Reason.toStdString();
        EXPECT_FALSE(udtPlan.NotApplied[0].Informational);
        for (const udtImportedFile& udtFile : udtPlan.Files) EXPECT_EQ(udtFile.Changed, 0) << pstrKey;
    }
}

// A tool's file is taken as it says, or the file or the entry is refused by name: never in part.
TEST(ExchangeRead, RefusesWhatItCannotTakeWhole)
{
    const QByteArray PoHead = "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\nmsgctxt \"secondary.lrc:TXT001\"\n";
    const QByteArray XliffUnit = "<xliff version=\"1.2\" xmlns=\"urn:oasis:names:tc:xliff:document:1.2\" xmlns:o=\"urn:o\"><file "
                                 "original=\"secondary.lrc\"><body><trans-unit id=\"TXT001\"><source>s</source>%1</trans-unit></body></file></xliff>";
    const auto Xliff = [&](const char* pstrBefore, const char* pstrTargets) { return pstrBefore + QByteArray(XliffUnit).replace("%1", pstrTargets); };
    const struct {  // Content: PO when it starts with "msgid"; Refusal: of the file, its entry, or a warning
        const char *Name; QByteArray Content; const char *Refusal, *Translation;
    } udtCases[] = {
        {"a NUL escape", PoHead + "msgid \"a\"\nmsgstr \"b\\000c\"\n", "line 6: a NUL character", ""},
        {"a raw NUL", PoHead + "msgid \"a\"\nmsgstr \"b" + QByteArray(1, 0) + "c\"\n", "line 6: a NUL character", ""},
        {"escapes that are no NUL", PoHead + "msgid \"a\"\nmsgstr \"\\\\000\\0010\"\n", "", "\\000\x01" "0"},
        {"plural forms", PoHead + "msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[0] \"b\"\n", "plural forms are not used", ""},
        {"a string over lines, its keyword apart", PoHead + "msgid\n\"a\"\nmsgstr \"b\"\n\"c\"\n", "", "bc"},
        {"a string not closed", PoHead + "msgid \"a\nmsgstr \"b\"\n", "line 5: a string not closed", ""},
        {"bytes the charset cannot decode", PoHead + "msgid \"a\"\nmsgstr \"\xff\"\n", "line 6: bytes that are not valid UTF-8", ""},
        {"Shift_JIS whose second byte is a backslash",
         "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=Shift_JIS\\n\"\n\nmsgctxt \"secondary.lrc:TXT001\"\nmsgid \"a\"\nmsgstr \"\x95\\\"\n",
         "", "\xe8\xa1\xa8"},
        {"XLIFF 2.0", "<xliff version=\"2.0\" xmlns=\"urn:oasis:names:tc:xliff:document:2.0\"><file id=\"f\"><unit id=\"u\"/></file></xliff>",
         "line 1: XLIFF 2.0 is not read, only XLIFF 1.2", ""},
        {"an entity of a DTD not read", Xliff("<!DOCTYPE xliff SYSTEM \"x.dtd\">", "<target>Heute &nbsp; mehr</target>"),
         "the entity &nbsp; was not expanded", ""},
        {"an external entity", Xliff("<!DOCTYPE xliff [<!ENTITY xxe SYSTEM \"file:///etc/hostname\">]>", "<target>&xxe;</target>"),
         "line 1: the entity xxe comes from outside the file (file:///etc/hostname)", ""},
        {"the file's own entities", Xliff("<!DOCTYPE xliff [<!ENTITY a \"&#65;\">]>", "<target>&a;&amp;&lt;&#66;</target>"), "", "A&<B"},
        {"two targets", Xliff("", "<target>b</target><target>c</target>"), "the unit has more than one <target>", ""},
        {"a target of another namespace", Xliff("", "<target>b</target><o:target>c</o:target>"), "", "b"},
        {"UTF-8 bytes said to be ISO-8859-1", Xliff("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", "<target>\xc3\xa4</target>"),
         "the file says its code page is ISO-8859-1, but its bytes are UTF-8", "\xc3\x83\xc2\xa4"},
        {"Shift_JIS as declared", Xliff("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>", "<target>\x82\xa0</target>"), "", "\xe3\x81\x82"},
        {"bytes Shift_JIS cannot decode", Xliff("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n", "<target>ein\x85\x40" "fach</target>"),
         "line 2: bytes that are not valid Shift_JIS, the file's encoding; nothing was imported", ""},
        {"bytes ISO-2022-JP cannot decode", Xliff("<?xml version=\"1.0\" encoding=\"ISO-2022-JP\"?>\n", "<target>Gr\xc3\xb6\xc3\x9f" "e</target>"),
         "line 2: bytes that are not valid ISO-2022-JP", ""},
        {"bytes UTF-7 cannot decode", Xliff("<?xml version=\"1.0\" encoding=\"UTF-7\"?>\n", "<target>Gr\xc3\xb6\xc3\x9f" "e</target>"),
         "line 2: bytes that are not valid UTF-7", ""},
        {"bytes that are not UTF-8", Xliff("", "<target>\xff</target>"), "line 1: bytes that are not valid UTF-8", ""},
    };
    for (const auto& c : udtCases) {
        udtExchangeDocument udtRead;
        QString strReason;
        const bool booRead = c.Content.startsWith("msgid") ? ReadPo(c.Content, udtRead, strReason) : ReadXliff(c.Content, udtRead, strReason);
        if (booRead && !udtRead.Entries.empty()) strReason = udtRead.Entries[0].Refused + udtRead.Warnings.join(u' ');
        EXPECT_TRUE(*c.Refusal ? strReason.contains(QString::fromUtf8(c.Refusal)) : strReason.isEmpty()) << c.Name << ": " << strReason.toStdString();
        EXPECT_TRUE(!*c.Translation || udtRead.Entries.at(0).Translation == QString::fromUtf8(c.Translation)) << c.Name;
    }
    QByteArray bytPo;
    QString strReason;
    EXPECT_FALSE(WritePo({{}, {}, {Entry("secondary.lrc", "TXT001", QStringLiteral("a%1b").arg(QChar(0)))}, {}}, bytPo, strReason));
    EXPECT_EQ(strReason, QStringLiteral("secondary.lrc TXT001: the text holds a NUL character, which PO cannot carry"));
}

// The splice starts where the reader does: after a UTF-8 byte-order mark, which stays.
TEST(ExchangeImport, SplicesAfterAByteOrderMark)
{
    const std::tuple<const char*, QByteArray, const char*, QByteArray> udtKinds[] = {
        {"core.lrc", "f.c.0.C:alt\r\nf.d.0.C:x\r\n", "f.c.0.C", "f.c.0.C:neu\r\nf.d.0.C:x\r\n"},
        {"messages.lrc", "MSG001:alt\r\nMST001:t\r\n", "MSG001", "MSG001:neu\r\nMST001:t\r\n"},
        {"secondary.lrc", "TXT001:alt\r\nTXT002:x\r\n", "TXT001", "TXT001:neu\r\nTXT002:x\r\n"}};
    for (const auto& [pstrFile, bytBefore, pstrKey, bytAfter] : udtKinds) {
        for (const QByteArray& bytMark : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
            const clsTempDir objDir;
            objDir.Write(QString::fromLatin1(pstrFile), bytMark + bytBefore);
            udtLanguageFolder udtFolder;
            QStringList strErrors;
            ASSERT_TRUE(LoadLanguageFolder(objDir.Path(), QStringLiteral("UTF-8"), udtFolder, strErrors));
            const udtImportPlan udtPlan = PlanImport(udtFolder, {{}, {}, {Entry(pstrFile, pstrKey, QStringLiteral("neu"))}, {}});
            const auto& udtFile = *std::find_if(udtPlan.Files.begin(), udtPlan.Files.end(), [](const auto& u) { return u.Changed > 0; });
            EXPECT_EQ(udtFile.Content, bytMark + bytAfter) << pstrFile << " " << udtFile.Reason.toStdString();
        }
    }
}

// Only a state that says the target is finished makes it done; one XLIFF 1.2 does not know is doubted aloud.
TEST(ExchangeXliff, TakesAsFinishedOnlyWhatTheStateSaysIsFinished)
{
    const struct {
        const char* State;
        bool Fuzzy, Warned;
    } udtCases[] = {{"", false, false},          {"translated", false, false}, {"final", false, false},
                    {"signed-off", false, false}, {"new", true, false},        {"needs-translation", true, false},
                    {"needs-l10n", true, false},  {"needs-review-l10n", true, false}, {"x-weird", true, true},
                    {"bogus value", true, true}};
    for (const auto& c : udtCases) {
        const QByteArray bytState = *c.State ? " state=\"" + QByteArray(c.State) + '"' : QByteArray();
        const QByteArray bytXliff = "<xliff version=\"1.2\" xmlns=\"urn:oasis:names:tc:xliff:document:1.2\"><file original=\"secondary.lrc\">"
                                    "<body><trans-unit id=\"TXT001\"><source>s</source><target" + bytState + ">t</target></trans-unit>"
                                    "</body></file></xliff>";
        udtExchangeDocument udtRead;
        QString strReason;
        ASSERT_TRUE(ReadXliff(bytXliff, udtRead, strReason)) << c.State;
        EXPECT_EQ(udtRead.Entries.at(0).Fuzzy, c.Fuzzy) << c.State;
        EXPECT_EQ(udtRead.Warnings.join(u' ').contains(QStringLiteral("\"%1\" is not one XLIFF 1.2 defines").arg(c.State)), c.Warned) << c.State;
    }
}

// XML reads every CR of a document as LF unless it is a character reference.
TEST(ExchangeXliff, CarriesLoneCrAndLineBreaks)
{
    udtExchangeDocument udtDocument{QStringLiteral("en"), QStringLiteral("de"), {}, {}};
    udtDocument.Entries.push_back(Entry("core.lrc", "f.c.0.C", QStringLiteral(" x\r\ny\u00A0"), false, QStringLiteral("a\rb\nc ")));
    QByteArray bytXml;
    QString strReason;
    ASSERT_TRUE(WriteXliff(udtDocument, bytXml, strReason));
    udtExchangeDocument udtRead;
    ASSERT_TRUE(ReadXliff(bytXml, udtRead, strReason)) << strReason.toStdString();
    ASSERT_EQ(udtRead.Entries.size(), 1u);
    EXPECT_EQ(udtRead.Entries[0].Source, udtDocument.Entries[0].Source);
    EXPECT_EQ(udtRead.Entries[0].Translation, udtDocument.Entries[0].Translation);
    EXPECT_EQ(udtRead.TargetLanguage, QStringLiteral("de"));
}

// The bytes exports have always had (Qt's XML writer made them before the writer of our own): the
// layout, and the escapes in text and in attributes.
TEST(ExchangeXliff, WritesTheBytesEarlierExportsHad)
{
    udtExchangeDocument udtDocument{QStringLiteral("en"), QStringLiteral("de"), {}, {}};
    udtDocument.Entries.push_back(Entry("core.lrc", "f.c.0.C", QStringLiteral("\"<&>\t\u00e9\r\n"), true, QStringLiteral("a\rb\nc")));
    udtDocument.Entries[0].PreviousSource = QStringLiteral("o\"ld");
    udtDocument.Entries[0].Exported = QStringLiteral("a\tb\nc\"");
    udtDocument.Entries[0].Note = QStringLiteral("n");
    udtDocument.Entries.push_back(Entry("secondary.lrc", "TXT001", QString()));
    udtDocument.Entries[1].Obsolete = true;
    QByteArray bytXml;
    QString strReason;
    ASSERT_TRUE(WriteXliff(udtDocument, bytXml, strReason));
    EXPECT_EQ(bytXml.toStdString(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<xliff xmlns=\"urn:oasis:names:tc:xliff:document:1.2\" xmlns:tralyx=\"urn:tralyx:exchange\" version=\"1.2\">\n"
              "  <file original=\"core.lrc\" datatype=\"plaintext\" source-language=\"en\" target-language=\"de\">\n"
              "    <body>\n"
              "      <trans-unit id=\"f.c.0.C\" resname=\"f.c.0.C\" xml:space=\"preserve\" tralyx:exported=\"a&#9;b&#10;c&quot;\">\n"
              "        <source>a&#13;b\nc</source>\n"
              "        <target state=\"needs-review-translation\">&quot;&lt;&amp;&gt;\t\xc3\xa9&#13;\n</target>\n"
              "        <alt-trans alttranstype=\"previous-version\">\n"
              "          <source>o&quot;ld</source>\n"
              "          <target>&quot;&lt;&amp;&gt;\t\xc3\xa9&#13;\n</target>\n"
              "        </alt-trans>\n"
              "        <note from=\"tralyx\">n</note>\n"
              "      </trans-unit>\n"
              "    </body>\n"
              "  </file>\n"
              "  <file original=\"secondary.lrc\" datatype=\"plaintext\" source-language=\"en\" target-language=\"de\">\n"
              "    <body>\n"
              "      <trans-unit id=\"TXT001\" resname=\"TXT001\" xml:space=\"preserve\" translate=\"no\">\n"
              "        <source></source>\n"
              "        <target state=\"needs-translation\"></target>\n"
              "      </trans-unit>\n"
              "    </body>\n"
              "  </file>\n"
              "</xliff>\n");
    ASSERT_TRUE(WriteXliff({QStringLiteral("en"), QString(), {}, {}}, bytXml, strReason));
    EXPECT_EQ(bytXml.toStdString(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff xmlns=\"urn:oasis:names:tc:xliff:document:1.2\" version=\"1.2\"/>\n");
}

// The state goes out and comes back through a tool's rewrap: fuzzy with the source it was made for,
// done as translated, notes as comments, obsolete entries out of the way; what the translator
// changed comes back, checked.
TEST(ExchangeState, ExportRewrapImportKeepsTheStateAndNamesTheErrorsItBringsIn)
{
    for (const char* pstrTool : {"msgfmt", "msgcat", "pocount", "xliff2po"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(pstrTool)).isEmpty()) GTEST_SKIP() << pstrTool << " is not installed";
    const clsTempDir objDir;
    const QString strGerman = MakeFolders(objDir, false);
    objDir.Write(QStringLiteral("Languages/German/core.lrc"), FileOf(strGerman, QStringLiteral("core.lrc")) + "frmMain.cmdGone.0.T:\r\nfrmMain.cmdGone.0.C:Weg\r\n");
    clsTranslationState objState;
    objState.MarkReview(enuFileKind::ControlText, QStringLiteral("frmMain.cmdNew.0.C"), QStringLiteral("&New old"));
    objState.MarkReview(enuFileKind::ControlText, QStringLiteral("frmMain.cmdDelete.0.C"), QStringLiteral("&Remove"));
    objState.SetDone(enuFileKind::ControlText, QStringLiteral("frmMain.[Caption].0.C"), true);
    objState.SetNote(enuFileKind::Secondary, QStringLiteral("TXT001"), QStringLiteral("the title of a note without one"));
    QString strOutput;
    objDir.Write(QStringLiteral("Languages/German/translation-state.json"), objState.ToJson());
    const QString strPo = objDir.Path(QStringLiteral("de.po")), strXlf = objDir.Path(QStringLiteral("de.xlf"));
    ASSERT_EQ(Lrc({QStringLiteral("export"), strGerman, strPo}), 0);
    ASSERT_EQ(Lrc({QStringLiteral("export"), strGerman, strXlf}), 0);
    EXPECT_EQ(RunTool(QStringLiteral("msgfmt"), {QStringLiteral("--check"), QStringLiteral("-o"), QStringLiteral("/dev/null"), strPo}, &strOutput), 0)
        << strOutput.toStdString();
    QString strPoText = QString::fromUtf8(clsTempDir::Read(strPo));
    for (const char* pstrHas : {"#, fuzzy\n#| msgctxt \"core.lrc:frmMain.cmdNew.0.C\"\n#| msgid \"&New old\"\nmsgctxt \"core.lrc:frmMain.cmdNew.0.C\"", "#~ msgid \"Weg\"",
                                "# the title of a note without one\n", "msgid \"Quillnote\"\nmsgstr \"Quillnote\""})
        EXPECT_TRUE(strPoText.contains(QString::fromUtf8(pstrHas))) << pstrHas;
    // Translate Toolkit counts a unit as translated only when it is approved.
    const QString strXliff = QString::fromUtf8(clsTempDir::Read(strXlf));
    ASSERT_EQ(RunTool(QStringLiteral("pocount"), {QStringLiteral("--csv"), strXlf}, &strOutput), 0) << strOutput.toStdString();
    EXPECT_EQ(strOutput.section(u'\n', 1, 1).section(u',', 1, 1).trimmed().toInt(), strXliff.count(QStringLiteral("approved=\"yes\"")))
        << strOutput.toStdString();
    EXPECT_EQ(strXliff.count(QStringLiteral("translate=\"no\"")), 1);
    EXPECT_EQ(strXliff.count(QStringLiteral("needs-review-translation")), 2);
    EXPECT_TRUE(strXliff.contains(QStringLiteral("<alt-trans alttranstype=\"previous-version\">\n          <source>&amp;New old</source>")))
        << strXliff.toStdString();
    // Its PO of our XLIFF keeps the texts to review fuzzy (an approved unit would lose the flag).
    ASSERT_EQ(RunTool(QStringLiteral("xliff2po"), {strXlf, objDir.Path(QStringLiteral("xliff.po"))}, &strOutput), 0) << strOutput.toStdString();
    const QString strFromXliff = QString::fromUtf8(clsTempDir::Read(objDir.Path(QStringLiteral("xliff.po"))));
    for (const char* pstrId : {"frmMain.cmdNew.0.C", "frmMain.cmdDelete.0.C"})
        EXPECT_TRUE(strFromXliff.contains(QStringLiteral("#: %1\n#, fuzzy\n").arg(QLatin1StringView(pstrId)))) << pstrId;

    // The translator fixes one review, leaves the other, takes a caption as it is, and loses an access key.
    strPoText.replace(QStringLiteral("#, fuzzy\n#| msgctxt \"core.lrc:frmMain.cmdNew.0.C\"\n#| msgid \"&New old\"\nmsgctxt \"core.lrc:frmMain.cmdNew.0.C\"\nmsgid \"&New\"\nmsgstr \"&Neu\""),
                      QStringLiteral("msgctxt \"core.lrc:frmMain.cmdNew.0.C\"\nmsgid \"&New\"\nmsgstr \"&Neue Notiz\""));
    strPoText.replace(QStringLiteral("msgid \"OK\"\nmsgstr \"\""), QStringLiteral("msgid \"OK\"\nmsgstr \"OK\""));
    strPoText.replace(QStringLiteral("msgstr \"&Hilfe\""), QStringLiteral("msgstr \"Hilfe\""));
    objDir.Write(QStringLiteral("edited.po"), strPoText.toUtf8());
    const QString strRewrapped = objDir.Path(QStringLiteral("rewrapped.po"));
    ASSERT_EQ(RunTool(QStringLiteral("msgcat"), {QStringLiteral("-w"), QStringLiteral("20"), QStringLiteral("-o"), strRewrapped,
                                                 objDir.Path(QStringLiteral("edited.po"))}), 0);
    const QByteArray bytCore = FileOf(strGerman, QStringLiteral("core.lrc"));
    EXPECT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--dry-run"), strRewrapped, strGerman}, &strOutput), 1);
    EXPECT_TRUE(strOutput.contains(QStringLiteral("core.lrc:7: error: frmMain.mnuHelp.0.C: accelerator:"))) << strOutput.toStdString();
    EXPECT_EQ(FileOf(strGerman, QStringLiteral("core.lrc")), bytCore);
    EXPECT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--force"), strRewrapped, strGerman}, &strOutput), 1) << strOutput.toStdString();
    EXPECT_TRUE(FileOf(strGerman, QStringLiteral("core.lrc")).contains("frmMain.mnuHelp.0.C:Hilfe\r\n"));  // written all the same
    clsTranslationState objBack;
    ASSERT_TRUE(objBack.Load(strGerman, strOutput));
    objState.ClearReview(enuFileKind::ControlText, QStringLiteral("frmMain.cmdNew.0.C"));
    objState.SetDone(enuFileKind::ControlText, QStringLiteral("frmOptions.cmdOK.0.C"), true);
    EXPECT_TRUE(objBack.SameMarks(objState));

    // The same through XLIFF: nothing changes, the state stays.
    ASSERT_EQ(Lrc({QStringLiteral("export"), QStringLiteral("--force"), strGerman, strXlf}), 0);
    EXPECT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--force"), strXlf, strGerman}, &strOutput), 0) << strOutput.toStdString();
    ASSERT_TRUE(objBack.Load(strGerman, strOutput));
    EXPECT_TRUE(objBack.SameMarks(objState));
}

// A file of another language is refused whole; a translation of a source text that has changed since
// the export is not applied.
TEST(ExchangeState, ImportRefusesAnotherLanguageAndTranslationsOfAnotherSource)
{
    const clsTempDir objDir;
    const QString strGerman = MakeFolders(objDir, false);
    const QString strPo = objDir.Path(QStringLiteral("de.po"));
    ASSERT_EQ(Lrc({QStringLiteral("export"), strGerman, strPo}), 0);
    QString strPoText = QString::fromUtf8(clsTempDir::Read(strPo));
    strPoText.replace(QStringLiteral("msgstr \"Gestern\""), QStringLiteral("msgstr \"Vorgestern\""));
    objDir.Write(QStringLiteral("fr.po"), QString(strPoText).replace(QStringLiteral("Language: de"), QStringLiteral("Language: fr_FR")).toUtf8());
    QString strOutput;
    EXPECT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--force"), objDir.Path(QStringLiteral("fr.po")), strGerman}, &strOutput), 1);
    EXPECT_TRUE(strOutput.contains(QStringLiteral("for the language 'fr_FR', ") + strGerman + QStringLiteral(" is 'de'; nothing was imported")))
        << strOutput.toStdString();
    objDir.Write(QStringLiteral("Languages/English/secondary.lrc"),
                 FileOf(objDir.Path(QStringLiteral("Languages/English")), QStringLiteral("secondary.lrc")).replace("Yesterday", "The day before"));
    objDir.Write(QStringLiteral("de.po"), strPoText.toUtf8());
    const QByteArray bytSecondary = FileOf(strGerman, QStringLiteral("secondary.lrc"));
    EXPECT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--force"), strPo, strGerman}, &strOutput), 1);
    EXPECT_TRUE(strOutput.contains(QStringLiteral("not applied: secondary.lrc TXT004: the English changed since the export (it is now "
                                                  "\"The day before\")")))
        << strOutput.toStdString();
    EXPECT_EQ(FileOf(strGerman, QStringLiteral("secondary.lrc")), bytSecondary);
}

}  // namespace

namespace {

// Translate Toolkit's converters of our files: po2xliff keeps only each entry's "#: file:line" (and
// writes XLIFF 1.1), xliff2po only each unit's id, without its file. Either comes back whole: the
// one edited text applied, every mark, done flag and note as it was.
TEST(ExchangeState, TranslateToolkitConversionsImportWithNothingLost)
{
    for (const char* pstrTool : {"po2xliff", "xliff2po"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(pstrTool)).isEmpty()) GTEST_SKIP() << pstrTool << " is not installed";
    for (const auto& [pstrTool, pstrOurs, pstrTheirs] : {std::tuple{"po2xliff", "de.po", "de.xlf"}, std::tuple{"xliff2po", "de.xlf", "de.po"}}) {
        SCOPED_TRACE(pstrTool);
        const clsTempDir objDir;
        const QString strGerman = MakeFolders(objDir, false);
        clsTranslationState objState;
        objState.MarkReview(enuFileKind::ControlText, QStringLiteral("frmMain.cmdNew.0.C"), QStringLiteral("&New old"));
        objState.SetDone(enuFileKind::ControlText, QStringLiteral("frmMain.[Caption].0.C"), true);
        objState.SetNote(enuFileKind::Secondary, QStringLiteral("TXT001"), QStringLiteral("the title of a note without one"));
        objState.SetNote(enuFileKind::Messages, QStringLiteral("MST002"), QStringLiteral("short"));
        QString strOutput;
        objDir.Write(QStringLiteral("Languages/German/translation-state.json"), objState.ToJson());
        const QString strOurs = objDir.Path(QString::fromLatin1(pstrOurs)), strTheirs = objDir.Path(QStringLiteral("their-") + pstrTheirs);
        ASSERT_EQ(Lrc({QStringLiteral("export"), strGerman, strOurs}), 0);
        ASSERT_EQ(RunTool(QString::fromLatin1(pstrTool), {strOurs, strTheirs}, &strOutput), 0) << strOutput.toStdString();
        objDir.Write(QStringLiteral("their-") + pstrTheirs, clsTempDir::Read(strTheirs).replace("Gestern", "Vorgestern"));
        EXPECT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--force"), strTheirs, strGerman}, &strOutput), 0) << strOutput.toStdString();
        EXPECT_TRUE(FileOf(strGerman, QStringLiteral("secondary.lrc")).contains(":Vorgestern\r\n"));
        clsTranslationState objBack;
        ASSERT_TRUE(objBack.Load(strGerman, strOutput));
        EXPECT_TRUE(objBack.SameMarks(objState)) << clsTempDir::Read(strGerman + QStringLiteral("/translation-state.json")).toStdString();
    }
}

// Two translators export one folder, each changes an entry, both import: the second import must not
// set the first one's change back. msgcat and po2xliff/xliff2po keep the export's record; msgmerge
// drops it (it takes "#." comments from the template), and the import is then two-way as without one.
TEST(ExchangeThreeWay, AStaleExportNeverRevertsANewerChange)
{
    struct udtCase { const char* Name; const char* Ext; const char* Tool; const char* From; const char* To; bool FirstFirst; int Exit;
                     const char* Txt001; const char* Txt002; };
    const udtCase Cases[] = {
        {"po, in order", "po", "", "Angeheftet", "Oben angeheftet", true, 0, "Neue Notiz", "Oben angeheftet"},
        {"po, the other order", "po", "", "Angeheftet", "Oben angeheftet", false, 0, "Neue Notiz", "Oben angeheftet"},
        {"xlf", "xlf", "", "Angeheftet", "Oben angeheftet", true, 0, "Neue Notiz", "Oben angeheftet"},
        {"msgcat", "po", "msgcat", "Angeheftet", "Oben angeheftet", true, 0, "Neue Notiz", "Oben angeheftet"},
        {"po2xliff, xliff2po", "po", "po2xliff", "Angeheftet", "Oben angeheftet", true, 0, "Neue Notiz", "Oben angeheftet"},
        {"conflict", "po", "", "Unbenannte Notiz", "Leere Notiz", true, 1, "Neue Notiz", "Angeheftet"},
        {"conflict, --theirs", "po", "--theirs", "Unbenannte Notiz", "Leere Notiz", true, 0, "Leere Notiz", "Angeheftet"},
        {"no record: as before", "po", "strip", "Angeheftet", "Oben angeheftet", true, 0, "Unbenannte Notiz", "Oben angeheftet"},
    };
    for (const udtCase& c : Cases) {
        SCOPED_TRACE(c.Name);
        const QString strTool = QString::fromLatin1(c.Tool);
        if ((strTool == u"msgcat" || strTool == u"po2xliff") && QStandardPaths::findExecutable(strTool).isEmpty()) continue;
        const clsTempDir objDir;
        const QString strGerman = MakeFolders(objDir, false);
        const QString strExt = QString::fromLatin1(c.Ext);
        const QString strFirst = objDir.Path(QStringLiteral("first.") + strExt), strSecond = objDir.Path(QStringLiteral("second.") + strExt);
        ASSERT_EQ(Lrc({QStringLiteral("export"), strGerman, strFirst}), 0);
        ASSERT_EQ(Lrc({QStringLiteral("export"), strGerman, strSecond}), 0);
        const auto Edit = [&](const QString& pstrFile, const char* pstrFrom, const char* pstrTo) {
            QByteArray bytFile = clsTempDir::Read(pstrFile);
            bytFile.replace((strExt == u"po" ? "\"" : ">") + QByteArray(pstrFrom) + (strExt == u"po" ? "\"" : "<"),
                            (strExt == u"po" ? "\"" : ">") + QByteArray(pstrTo) + (strExt == u"po" ? "\"" : "<"));
            if (strTool == u"strip")
                bytFile = QString::fromUtf8(bytFile).remove(QRegularExpression(QStringLiteral("#\\. tralyx-exported: \\w+\n"))).toUtf8();
            QFile objFile(pstrFile);
            ASSERT_TRUE(objFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
            objFile.write(bytFile);
        };
        Edit(strFirst, "Unbenannte Notiz", "Neue Notiz");
        Edit(strSecond, c.From, c.To);
        QString strOutput;
        if (strTool == u"msgcat") {
            ASSERT_EQ(RunTool(strTool, {QStringLiteral("-o"), strSecond, strSecond}, &strOutput), 0) << strOutput.toStdString();
        } else if (strTool == u"po2xliff") {
            const QString strXlf = objDir.Path(QStringLiteral("second.xlf"));
            ASSERT_EQ(RunTool(strTool, {strSecond, strXlf}, &strOutput), 0) << strOutput.toStdString();
            ASSERT_EQ(RunTool(QStringLiteral("xliff2po"), {strXlf, strSecond}, &strOutput), 0) << strOutput.toStdString();
        }
        EXPECT_EQ(clsTempDir::Read(strSecond).contains(strExt == u"po" ? "tralyx-exported: " : "tralyx:exported="), strTool != u"strip");
        const QString strThen = c.FirstFirst ? strSecond : strFirst;
        ASSERT_EQ(Lrc({QStringLiteral("import"), QStringLiteral("--force"), c.FirstFirst ? strFirst : strSecond, strGerman}, &strOutput), 0)
            << strOutput.toStdString();
        QStringList strArgs = {QStringLiteral("import"), QStringLiteral("--force"), strThen, strGerman};
        if (strTool == u"--theirs") strArgs.insert(1, strTool);
        EXPECT_EQ(Lrc(strArgs, &strOutput), c.Exit) << strOutput.toStdString();
        if (c.Exit == 1) {
            EXPECT_TRUE(strOutput.contains(strThen + QStringLiteral(":372: secondary.lrc TXT001: conflict: the file has \"Leere Notiz\", the "
                                                                    "folder changed it since the export to \"Neue Notiz\"")))
                << strOutput.toStdString();
        }
        const QByteArray bytSecondary = FileOf(strGerman, QStringLiteral("secondary.lrc"));
        EXPECT_TRUE(bytSecondary.contains("TXT001:" + QByteArray(c.Txt001) + "\r\n")) << bytSecondary.toStdString();
        EXPECT_TRUE(bytSecondary.contains("TXT002:" + QByteArray(c.Txt002) + "\r\n")) << bytSecondary.toStdString();
    }
}

}  // namespace
