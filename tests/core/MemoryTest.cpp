// Translation memory: what a row is offered and in which order, what a concordance search lists,
// the index against a scan of every unit, TMX written and read by us and by Translate Toolkit, and
// tralyx-lrc tm.
#include "exchange/basLanguageFolder.h"
#include "memory/basMatchText.h"
#include "memory/basMemoryFill.h"
#include "memory/clsTranslationMemory.h"
#include "RunProgram.h"
#include "TempDir.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <random>

using namespace tralyx;
using namespace tralyx::test;

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");  // Debian's, where translate-toolkit lives

// "95 Von 1 bis 120 Minuten"; "=" after the score marks an exact match.
QStringList Described(const std::vector<udtSuggestion>& pudtFound)
{
    QStringList strOut;
    for (const udtSuggestion& u : pudtFound) strOut.append(QStringLiteral("%1%2 %3").arg(u.Score).arg(u.Exact ? "=" : "", u.Translation));
    return strOut;
}

struct udtSuggestCase {
    const char* Name;
    const char* Query;
    QStringList Expected;
};

void PrintTo(const udtSuggestCase& u, std::ostream* pobjOut) { *pobjOut << u.Name; }

class MemorySuggestions : public testing::TestWithParam<udtSuggestCase> {};

TEST_P(MemorySuggestions, ExactFirstThenByScoreOnMaskedTexts)
{
    clsTranslationMemory objMemory;
    const char* const Units[][2] = {{"&Open...", "Ö&ffnen..."},
                                    {"Open...", "Öffnen ..."},
                                    {"Delete [#!title!#]?", "[#!title!#] löschen?"},
                                    {"From 1 to 120 minutes", "Von 1 bis 120 Minuten"},
                                    {"Save the file", "Datei speichern"},
                                    {"Save the files", "Dateien speichern"},
                                    {"Line one\r\nLine two", "Zeile eins\r\nZeile zwei"},
                                    {"Print", "Drucken"},
                                    {"&Open...", "&Öffnen..."},
                                    {"Open...", "Öffnen ..."}};  // the same pair again: kept once
    for (const auto& u : Units) objMemory.AddUnit(Q(u[0]), Q(u[1]), QStringLiteral("memory"), QString());
    EXPECT_EQ(objMemory.Size(), 9);
    EXPECT_EQ(Described(objMemory.Suggestions(Q(GetParam().Query))), GetParam().Expected);
    // What a pre-translation takes: the first exact one only.
    const std::optional<udtSuggestion> udtExact = objMemory.BestExact(Q(GetParam().Query));
    EXPECT_EQ(udtExact ? QStringLiteral("100= ") + udtExact->Translation : QString(),
              GetParam().Expected.value(0).startsWith(QStringLiteral("100=")) ? GetParam().Expected.value(0) : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemorySuggestions,
    testing::Values(
        udtSuggestCase{"exact ones first, in the order added, then the same text without its access key", "&Open...",
                       {Q("100= Ö&ffnen..."), Q("100= &Öffnen..."), Q("100 Öffnen ...")}},
        udtSuggestCase{"a marker's name costs nothing", "Delete [#!name!#]?", {Q("100 [#!title!#] löschen?")}},
        udtSuggestCase{"a changed number does", "From 1 to 12 minutes", {Q("95 Von 1 bis 120 Minuten")}},
        udtSuggestCase{"equal scores in the order added", "Save the file!", {Q("92 Datei speichern"), Q("92 Dateien speichern")}},
        udtSuggestCase{"line breaks of any kind are one", "Line one\nLine two", {Q("100 Zeile eins\r\nZeile zwei")}},
        udtSuggestCase{"below 70 is no suggestion", "Print it", {}},
        udtSuggestCase{"a short text, one character more", "Prints", {Q("83 Drucken")}},
        udtSuggestCase{"nothing for an empty text", "", {}}),
    [](const testing::TestParamInfo<udtSuggestCase>& info) { return "Case" + std::to_string(info.index); });

// "Save the [File] = Datei speichern @ old.tmx MSG003": what was found in brackets.
QString Marked(const QString& pstrText, const QString& pstrQuery)
{
    QString strOut = pstrText;
    const auto udtRanges = ConcordanceRanges(pstrText, ConcordanceText(pstrQuery).trimmed());
    for (auto it = udtRanges.rbegin(); it != udtRanges.rend(); ++it) strOut.insert(it->first + it->second, u']').insert(it->first, u'[');
    return strOut;
}

struct udtConcordanceCase {
    const char* Name;
    const char* Query;
    enuConcordanceSide Side;
    int32_t Max;
    QStringList Expected;
    int32_t Total;
};

void PrintTo(const udtConcordanceCase& u, std::ostream* pobjOut) { *pobjOut << u.Name; }

class MemoryConcordance : public testing::TestWithParam<udtConcordanceCase> {};

TEST_P(MemoryConcordance, EveryUnitThatHoldsTheTextInTheOrderAdded)
{
    clsTranslationMemory objMemory;
    objMemory.AddUnit(Q("&Open the file..."), Q("Datei ö&ffnen..."), Q("Release1/German/core.lrc"), Q("frmMain.mnuFileOpen.0.C"));
    objMemory.AddUnit(Q("Save the File"), Q("Datei speichern"), Q("old.tmx"), Q("MSG003"));
    objMemory.AddUnit(Q("Line one\r\nLine two"), Q("Zeile eins\r\nZeile zwei"), Q("old.tmx"), QString());
    objMemory.AddUnit(Q("Profile"), Q("Profil"), Q("old.tmx"), QString());
    objMemory.AddUnit(Q("Print"), Q("Drucken"), Q("old.tmx"), QString());
    const udtConcordance udtFound = objMemory.Concordance(Q(GetParam().Query), GetParam().Side, GetParam().Max);
    QStringList strFound;
    for (const udtConcordanceHit& u : udtFound.Hits)
        strFound << QStringLiteral("%1 = %2 @ %3 %4").arg(Marked(u.Source, Q(GetParam().Query)), Marked(u.Translation, Q(GetParam().Query)),
                                                       u.Origin, u.Entry).trimmed();
    EXPECT_EQ(strFound, GetParam().Expected);
    EXPECT_EQ(udtFound.Total, GetParam().Total);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoryConcordance,
    testing::Values(
        udtConcordanceCase{"a word in the sources, in any case, inside other words too", "FILE", enuConcordanceSide::Source, 200,
                           {Q("&Open the [file]... = Datei ö&ffnen... @ Release1/German/core.lrc frmMain.mnuFileOpen.0.C"),
                            Q("Save the [File] = Datei speichern @ old.tmx MSG003"), Q("Pro[file] = Profil @ old.tmx")}, 3},
        udtConcordanceCase{"in the translations, across an access key", "Öffnen", enuConcordanceSide::Translation, 200,
                           {Q("&Open the file... = Datei [ö&ffnen]... @ Release1/German/core.lrc frmMain.mnuFileOpen.0.C")}, 1},
        udtConcordanceCase{"the translations only", "file", enuConcordanceSide::Translation, 200, {}, 0},
        udtConcordanceCase{"a phrase across a line break", " one  line ", enuConcordanceSide::Source, 200,
                           {Q("Line [one\r\nLine] two = Zeile eins\r\nZeile zwei @ old.tmx")}, 1},
        udtConcordanceCase{"found on both sides: the unit once", "profil", enuConcordanceSide::Both, 200, {Q("[Profil]e = [Profil] @ old.tmx")}, 1},
        udtConcordanceCase{"no unit holds it", "Dateien", enuConcordanceSide::Both, 200, {}, 0},
        udtConcordanceCase{"the first ones listed, every one counted", "e", enuConcordanceSide::Both, 2,
                           {Q("&Op[e]n th[e] fil[e]... = Dat[e]i ö&ffn[e]n... @ Release1/German/core.lrc frmMain.mnuFileOpen.0.C"),
                            Q("Sav[e] th[e] Fil[e] = Dat[e]i sp[e]ich[e]rn @ old.tmx MSG003")}, 5},
        udtConcordanceCase{"white space finds nothing", " \t", enuConcordanceSide::Both, 200, {}, 0}),
    [](const testing::TestParamInfo<udtConcordanceCase>& info) { return "Case" + std::to_string(info.index); });

// Plain edit distance over the whole table, to hold the banded one to.
int32_t NaiveScore(const QString& a, const QString& b)
{
    std::vector<int32_t> lngRow(static_cast<size_t>(b.size() + 1));
    for (qsizetype j = 0; j <= b.size(); ++j) lngRow[static_cast<size_t>(j)] = static_cast<int32_t>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int32_t lngDiagonal = lngRow[0];
        lngRow[0] = static_cast<int32_t>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int32_t lngUp = lngRow[static_cast<size_t>(j)];
            lngRow[static_cast<size_t>(j)] = std::min({lngUp + 1, lngRow[static_cast<size_t>(j - 1)] + 1, lngDiagonal + (a[i - 1] != b[j - 1])});
            lngDiagonal = lngUp;
        }
    }
    const qsizetype lngLonger = std::max(a.size(), b.size());
    return lngLonger == 0 ? 100 : static_cast<int32_t>((lngLonger - lngRow.back()) * 100 / lngLonger);
}

TEST(MemoryIndex, FindsTheBestScoreThatAScanOfEveryUnitFinds)
{
    std::mt19937 objRandom(7);
    QStringList strVocabulary;
    static const char* const Syllables[] = {"ka", "lo", "mi", "ter", "sun", "dra", "vel", "po", "ri", "ne"};
    for (int32_t i = 0; i < 400; ++i)
        strVocabulary.append(Q(Syllables[objRandom() % 10]) + Q(Syllables[objRandom() % 10]) + Q(Syllables[objRandom() % 10]));
    const auto Word = [&] { return strVocabulary[static_cast<qsizetype>(std::min(objRandom() % 400, objRandom() % 400))]; };
    clsTranslationMemory objMemory;
    for (int32_t i = 0; i < 1000; ++i) {
        QStringList strWords;
        for (uint32_t n = 1 + objRandom() % 10; n > 0; --n) strWords.append(Word());
        if (i % 5 == 0) strWords[0].prepend(u'&');
        objMemory.AddUnit(strWords.join(u' '), QString::number(i), QStringLiteral("memory"), QString());
    }
    int32_t lngFound = 0;
    for (int32_t q = 0; q < 150; ++q) {
        QStringList strWords = objMemory.Units()[objRandom() % objMemory.Units().size()].Source.split(u' ');
        const qsizetype lngAt = static_cast<qsizetype>(objRandom() % static_cast<uint32_t>(strWords.size()));
        switch (q % 3) {
        case 0: strWords[lngAt] = Word(); break;
        case 1: strWords.insert(lngAt, QString::number(q)); break;
        default: strWords[lngAt].chop(1); break;
        }
        const QString strQuery = strWords.join(u' '), strMasked = MaskedText(strQuery);
        int32_t lngBest = -1;
        for (const udtMemoryUnit& u : objMemory.Units()) {
            const QString strOther = MaskedText(u.Source);
            const int32_t lngScore = NaiveScore(strMasked, strOther);
            ASSERT_EQ(MatchScore(strMasked, strOther, 70), lngScore >= 70 ? lngScore : -1) << qPrintable(strMasked + u'|' + strOther);
            lngBest = std::max(lngBest, lngScore);
        }
        const std::vector<udtSuggestion> udtFound = objMemory.Suggestions(strQuery);
        ASSERT_EQ(udtFound.empty() ? -1 : udtFound.front().Score, lngBest >= 70 ? lngBest : -1) << qPrintable(strQuery);
        lngFound += !udtFound.empty();
    }
    EXPECT_GT(lngFound, 110);
}

udtTmxDocument TrickyDocument()
{
    udtTmxDocument udtDocument{QStringLiteral("en"), QStringLiteral("de-DE"), {}};
    const char* const Texts[][3] = {{"core.lrc:frmMain.cmdOK.0.C", "&OK", "&OK <ja>"},
                                    {"messages.lrc:MSG002", "Line one\nLine two", "Zeile eins\nZeile zwei"},
                                    {"messages.lrc:MSG003", "A lone\rCR and \"quotes\" & 'apostrophes'", "Ein einzelnes\rCR"},
                                    {"secondary.lrc:TXT004", "  leading and trailing blanks\t ", "  führende Leerzeichen\t "},
                                    {"secondary.lrc:TXT005#1005", "Size… [#!name!#] \u00A0€", "Größe… [#!name!#] \u00A0€"},
                                    {"", "no id", "keine Kennung"}};
    for (const auto& u : Texts) udtDocument.Units.push_back({Q(u[0]), Q(u[1]), Q(u[2]), QString()});
    udtDocument.Units.front().Note = QStringLiteral("caption, access key O");
    return udtDocument;
}

TEST(MemoryTmx, WrittenFileReadsBackIdenticallyAndTranslateToolkitReadsEveryUnit)
{
    const udtTmxDocument udtDocument = TrickyDocument();
    QByteArray bytTmx;
    QString strReason;
    ASSERT_TRUE(WriteTmx(udtDocument, bytTmx, strReason)) << qPrintable(strReason);
    udtTmxDocument udtRead;
    ASSERT_TRUE(ReadTmx(bytTmx, udtRead, strReason)) << qPrintable(strReason);
    EXPECT_EQ(udtRead, udtDocument);

    const clsTempDir objDir;
    QJsonArray objExpected;
    for (const udtTmxUnit& u : udtDocument.Units) objExpected.append(QJsonArray{u.Id, u.Source, u.Translation});
    const QString strScript = objDir.Write(QStringLiteral("read.py"), R"(import json, sys
from translate.storage import tmx
units = [[u.xmlelement.get("tuid", ""), u.source, u.target] for u in tmx.tmxfile.parsefile(sys.argv[1]).units]
expected = json.load(open(sys.argv[2], encoding="utf-8"))
print(json.dumps(units) if units != expected else "same")
)");
    const udtRun udtRun = RunProgram(Python, {strScript, objDir.Write(QStringLiteral("our.tmx"), bytTmx),
                                              objDir.Write(QStringLiteral("expected.json"), QJsonDocument(objExpected).toJson())});
    EXPECT_EQ(udtRun.Said().trimmed(), QStringLiteral("same"));

    udtTmxDocument udtBad = udtDocument;
    udtBad.Units[1].Translation += QChar(7);
    EXPECT_FALSE(WriteTmx(udtBad, bytTmx, strReason));
    EXPECT_TRUE(strReason.contains(QStringLiteral("messages.lrc:MSG002"))) << qPrintable(strReason);
}

struct udtReadCase {
    const char* Name;
    const char* Xml;
    const char* Target;     // asked for; empty: the first other language
    const char* Expected;   // "source=translation|..." and the target language, or "error: ..."
};

void PrintTo(const udtReadCase& u, std::ostream* pobjOut) { *pobjOut << u.Name; }

class MemoryTmxRead : public testing::TestWithParam<udtReadCase> {};

TEST_P(MemoryTmxRead, TakesTheSourceAndTargetVariants)
{
    udtTmxDocument udtDocument;
    udtDocument.SourceLanguage = QStringLiteral("en");
    udtDocument.TargetLanguage = Q(GetParam().Target);
    QString strReason, strGot;
    if (!ReadTmx(QByteArray(GetParam().Xml), udtDocument, strReason)) {
        strGot = QStringLiteral("error: ") + strReason;
    } else {
        for (const udtTmxUnit& u : udtDocument.Units) strGot += u.Source + u'=' + u.Translation + u'|';
        strGot += udtDocument.TargetLanguage;
    }
    EXPECT_EQ(strGot, Q(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoryTmxRead,
    testing::Values(
        udtReadCase{"the target asked for among several, the source by the header",
                    R"(<tmx version="1.4"><header srclang="en-US"/><body><tu><tuv xml:lang="fr"><seg>Ouvrir</seg></tuv>)"
                    R"(<tuv xml:lang="en-US"><seg>Open</seg></tuv><tuv xml:lang="de-DE"><seg>Öffnen</seg></tuv></tu></body></tmx>)",
                    "de", "Open=Öffnen|de"},
        udtReadCase{"srclang *all*: the source language given; the first other is the target",
                    R"(<tmx version="1.4"><header srclang="*all*"/><body><tu><tuv xml:lang="DE"><seg>Öffnen</seg></tuv>)"
                    R"(<tuv xml:lang="en"><seg>Open</seg></tuv></tu></body></tmx>)",
                    "", "Open=Öffnen|DE"},
        udtReadCase{"inline codes left out, highlighted text kept; TMX 1.1 lang",
                    R"(<tmx version="1.1"><header srclang="en"/><body><tu><note>n</note><tuv lang="en"><seg><bpt i="1">&lt;b&gt;</bpt>Bold<ept i="1">&lt;/b&gt;</ept> <hi>text</hi></seg></tuv>)"
                    R"(<tuv lang="de"><seg><ph>{0}</ph>Fett</seg></tuv></tu></body></tmx>)",
                    "", "Bold text=Fett|de"},
        udtReadCase{"a unit without the target keeps an empty translation",
                    R"(<tmx version="1.4"><header srclang="en"/><body><tu><tuv xml:lang="en"><seg>Open</seg></tuv></tu></body></tmx>)",
                    "de", "Open=|de"},
        udtReadCase{"not TMX", R"(<xliff version="1.2"/>)", "", "error: line 1: not a TMX document (the root is <xliff>)"},
        udtReadCase{"cut short", "<tmx version=\"1.4\">\n<body><tu>", "", "error: line 2: Premature end of document."},
        udtReadCase{"Shift_JIS as declared", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<tmx version=\"1.4\"><body><tu>"
                    "<tuv xml:lang=\"en\"><seg>a</seg></tuv><tuv xml:lang=\"ja\"><seg>\x82\xa0</seg></tuv></tu></body></tmx>", "", "a=あ|ja"},
        udtReadCase{"bytes Shift_JIS cannot decode", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<tmx version=\"1.4\">\n<body><tu>"
                    "<tuv xml:lang=\"de\"><seg>\x85\x40" "ffnen</seg></tuv></tu></body></tmx>", "",
                    "error: line 3: bytes that are not valid Shift_JIS, the file's encoding"},
        udtReadCase{"an entity of the DTD, which is not read", "<!DOCTYPE tmx SYSTEM \"tmx14.dtd\">\n<tmx version=\"1.4\"><body>\n<tu>"
                    "<tuv xml:lang=\"en\"><seg>Open</seg></tuv><tuv xml:lang=\"de\"><seg>&nbsp;&ouml;ffnen</seg></tuv></tu></body></tmx>", "",
                    "error: line 3: the entity &nbsp; was not expanded (only the file's own declarations are read, no DTD or external "
                    "entity), so the text would lose it; nothing was read"},
        udtReadCase{"an external entity", "<!DOCTYPE tmx [<!ENTITY x SYSTEM \"file:///etc/hostname\">]><tmx version=\"1.4\"><body><tu>"
                    "<tuv xml:lang=\"en\"><seg>&x;</seg></tuv></tu></body></tmx>", "",
                    "error: line 1: the entity x comes from outside the file (file:///etc/hostname), which is not read; nothing was read"}),
    [](const testing::TestParamInfo<udtReadCase>& info) { return "Case" + std::to_string(info.index); });

// The reader of the usual file from its bytes against Qt's reader of the decoded text: the same
// units and languages, or the same error, each file taken by the one it is meant for.
struct udtBytesCase {
    const char* Xml;  // after the declaration
    bool Bytes;       // read from the bytes, not left to Qt's reader
};

class MemoryTmxBytes : public testing::TestWithParam<udtBytesCase> {};

TEST_P(MemoryTmxBytes, ReadsAsQtsReaderDoes)
{
    struct clsUnits final : clsTmxUnitSink {
        QString Got;
        bool Restarted = false;
        void Unit(udtTmxUnit& u) override { Got += u.Id + u'|' + u.Source + u'=' + u.Translation + u'|' + u.Note + u';'; }
        void Restart() override { Got.clear(), Restarted = true; }
    };
    const QByteArray bytXml = QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + GetParam().Xml;
    QString strGot[2];
    bool booRestarted = false;
    for (const bool booBytes : {true, false}) {
        clsUnits objUnits;
        udtTmxDocument udtLanguages{QStringLiteral("en"), QString(), {}};
        QString strReason;
        const bool booRead = booBytes ? ReadTmxUnits(bytXml, udtLanguages, objUnits, strReason)
                                      : ReadTmxDecoded(bytXml, udtLanguages, objUnits, strReason);
        strGot[booBytes] = booRead ? objUnits.Got + udtLanguages.SourceLanguage + u'>' + udtLanguages.TargetLanguage : strReason;
        if (booBytes) booRestarted = objUnits.Restarted;
    }
    EXPECT_EQ(strGot[true], strGot[false]);
    EXPECT_EQ(booRestarted, !GetParam().Bytes) << qPrintable(strGot[true]);
}

// A file of many pieces reads as the same bytes whole do, each piece from its bytes.
TEST(MemoryTmxBytes, AFileReadInPiecesGivesEveryUnit)
{
    udtTmxDocument udtDocument = TrickyDocument();
    for (int32_t i = 0; udtDocument.Units.size() < 60000; ++i)
        udtDocument.Units.push_back({QStringLiteral("core.lrc:frm%1.cmd.0.C").arg(i), QStringLiteral("&Öffnen %1\nZeile").arg(i),
                                     QStringLiteral("Open %1 < > &").arg(i), i % 7 ? QString() : QStringLiteral("n")});
    QByteArray bytTmx;
    QString strReason;
    ASSERT_TRUE(WriteTmx(udtDocument, bytTmx, strReason));
    ASSERT_GT(bytTmx.size(), 3 * (4 << 20));
    const clsTempDir objDir;
    struct clsUnits final : clsTmxUnitSink {
        std::vector<udtTmxUnit> Units;
        bool Restarted = false;
        void Unit(udtTmxUnit& u) override { Units.push_back(u); }
        void Restart() override { Restarted = true; }
    } objUnits;
    udtTmxDocument udtRead;
    ASSERT_TRUE(ReadTmxFile(objDir.Write(QStringLiteral("big.tmx"), bytTmx), udtRead, objUnits, strReason)) << qPrintable(strReason);
    EXPECT_FALSE(objUnits.Restarted);
    udtRead.Units = std::move(objUnits.Units);
    EXPECT_TRUE(udtRead == udtDocument);
}

#define TU(A, B) "<tu tuid=\"x\"><tuv xml:lang=\"en-US\"><seg>" A "</seg></tuv>\n<tuv xml:lang=\"de\"><seg>" B "</seg></tuv></tu>"
INSTANTIATE_TEST_SUITE_P(
    Table, MemoryTmxBytes,
    testing::Values(
        udtBytesCase{"\n<!DOCTYPE tmx SYSTEM \"tmx14.dtd\">\n<tmx version=\"1.4\"><header srclang='en' datatype=\"plaintext\"/><body>"
                     TU("&amp;Open &lt;&gt;&quot;&apos; &#13;&#xE9;&#128512; \xC3\xB6\xE2\x82\xAC\xF0\x9F\x98\x80", "A\r\nB\rC\nD\tE")
                     "<!-- c --><tu><note>n <x>1</x></note><note/><tuv lang=\"en\"><seg>a<bpt i=\"1\">&lt;b></bpt><hi>b<ph/></hi></seg></tuv>"
                     "<prop type=\"p\">q</prop><tuv xml:lang=\"fr\"><seg>f</seg></tuv><tuv xml:lang=\"de-DE\" ><seg/></tuv></tu></body></tmx>\n", true},
        udtBytesCase{"<tmx><header srclang=\"*all*\"/><body>" TU("a", "b") "</body></tmx><!-- end -->", true},
        udtBytesCase{"<xliff/>", false},
        udtBytesCase{"<tmx><body>" TU("a", "b") "</body>", false},
        udtBytesCase{"<tmx><body>" TU("a", "b") "</bodi></tmx>", false},
        udtBytesCase{"<tmx><body>" TU("a &nbsp;", "b") "</body></tmx>", false},
        udtBytesCase{"<tmx><body>" TU("a &#1;", "b") "</body></tmx>", false},
        udtBytesCase{"<tmx><body>" TU("a \xC3", "b") "</body></tmx>", false},
        udtBytesCase{"<tmx><body>" TU("a \xE0\x80\x80", "b") "</body></tmx>", false},
        udtBytesCase{"<tmx><body>" TU("a \x01", "b") "</body></tmx>", false},
        udtBytesCase{"<tmx><body>" TU("a ]]> <![CDATA[b]]>", "b") "</body></tmx>", false},
        udtBytesCase{"<tmx a='1' a='2'><body>" TU("a", "b") "</body></tmx>", false},
        udtBytesCase{"<tmx><body><tu tuid=\"a\nb\">" TU("a", "b") "</tu></body></tmx>", false},
        udtBytesCase{"<tmx xmlns:t=\"u\"><body><t:tu/>" TU("a", "b") "</body></tmx>", false},
        udtBytesCase{"<!DOCTYPE tmx [<!ENTITY e \"E\">]><tmx><body>" TU("&e;", "b") "</body></tmx>", false},
        udtBytesCase{"<!DOCTYPE tmx SYSTEM \"a&amp;b\"><tmx><body>" TU("a", "b") "</body></tmx>", false},
        udtBytesCase{"<tmx><body>" TU("a", "b") "</body></tmx><tmx/>", false},
        udtBytesCase{"<tmx><body><?pi x?>" TU("a", "b") "</body></tmx>", false}),
    [](const testing::TestParamInfo<udtBytesCase>& info) { return "Case" + std::to_string(info.index); });
#undef TU

// Languages/English and Languages/<pstrLanguage>, copies of the sample folders.
QString SampleFolders(const clsTempDir& pobjDir, const QString& pstrLanguage = QStringLiteral("German"))
{
    const QString strSamples = QDir::cleanPath(QStringLiteral(TRALYX_TEST_DATA "/../../examples/languages")) + u'/';
    for (const QString& strFile : {QStringLiteral("core.lrc"), QStringLiteral("messages.lrc"), QStringLiteral("secondary.lrc")}) {
        pobjDir.Write(QStringLiteral("Languages/English/") + strFile, clsTempDir::Read(strSamples + QStringLiteral("English/") + strFile));
        pobjDir.Write(QStringLiteral("Languages/%1/%2").arg(pstrLanguage, strFile), clsTempDir::Read(strSamples + QStringLiteral("German/") + strFile));
    }
    return pobjDir.Path(QStringLiteral("Languages/") + pstrLanguage);
}

TEST(MemoryTm, ExportOfAFolderReadsBackAsTheFolderPairsMemory)
{
    const clsTempDir objDir;
    const QString strGerman = SampleFolders(objDir), strOut = objDir.Path(QStringLiteral("de.tmx"));
    // A text to review is no memory yet; a note leaves a text in.
    objDir.Write(QStringLiteral("Languages/German/translation-state.json"),
                 R"({"tralyx-translation-state": 1, "files": {"secondary.lrc": [{"id": "TXT001", "review": "Untitled"}, {"id": "TXT002", "note": "n"}]}})");
    udtRun udtRun = RunLrc({QStringLiteral("tm"), QStringLiteral("export"), strGerman, strOut});
    ASSERT_EQ(udtRun.ExitCode, 0) << qPrintable(udtRun.Said());
    EXPECT_EQ(udtRun.Out.trimmed(), strOut + QStringLiteral(": written, 50 translation units (en to de)"));
    clsTranslationMemory objFolder, objFile;
    QString strError;
    ASSERT_TRUE(objFolder.AddPath(strGerman, QStringLiteral("windows-1252"), strError)) << qPrintable(strError);
    ASSERT_TRUE(objFile.AddPath(strOut, QStringLiteral("windows-1252"), strError)) << qPrintable(strError);
    udtTmxDocument udtFromFile;
    ASSERT_TRUE(ReadTmx(clsTempDir::Read(strOut), udtFromFile, strError));
    EXPECT_EQ(udtFromFile, objFolder.ToTmx());
    EXPECT_EQ(objFile.BestExact(Q("The note [#!title!#] could not be saved.\r\nCheck that its folder still exists and that you may write to it."))
                  .value_or(udtSuggestion()).Translation.count(QStringLiteral("\r\n")),
              1);

    // What the tools around us make of it: --force to replace; an unknown action; no memory.
    const struct {
        QStringList Args;
        int ExitCode;
        const char* Said;
    } Rows[] = {{{QStringLiteral("export"), strGerman, strOut}, 1, "already exists (give --force to replace it)"},
                {{QStringLiteral("export"), QStringLiteral("--force"), strGerman, strOut}, 0, "written, 50 translation units"},
                {{QStringLiteral("export"), strGerman, objDir.Path(QStringLiteral("de.xlf"))}, 2, "OUT must end in .tmx"},
                {{QStringLiteral("copy")}, 2, "unknown action 'copy'"},
                {{QStringLiteral("suggest"), QStringLiteral("Open")}, 2, "give the memory with --memory PATH"},
                {{QStringLiteral("suggest"), QStringLiteral("--memory"), objDir.Path(QStringLiteral("none.tmx")), QStringLiteral("Open")}, 1, "does not exist"},
                {{QStringLiteral("suggest"), QStringLiteral("--memory"), objDir.Path(QStringLiteral("Languages")), QStringLiteral("Open")}, 1,
                 "no source folder beside it"}};
    for (const auto& udtRow : Rows) {
        udtRun = RunLrc(QStringList{QStringLiteral("tm")} + udtRow.Args);
        EXPECT_EQ(udtRun.ExitCode, udtRow.ExitCode) << qPrintable(udtRow.Args.join(u' ') + u'\n' + udtRun.Said());
        EXPECT_TRUE(udtRun.Said().contains(Q(udtRow.Said))) << qPrintable(udtRun.Said());
    }
}

TEST(MemoryTm, SuggestFromFoldersOfOneLanguageAndFromPo2tmx)
{
    const clsTempDir objDir;
    const QString strGerman = SampleFolders(objDir), strFrench = SampleFolders(objDir, QStringLiteral("French"));
    const QString strPo = objDir.Path(QStringLiteral("de.po")), strTmx = objDir.Path(QStringLiteral("po.tmx"));
    ASSERT_EQ(RunLrc({QStringLiteral("export"), strGerman, strPo}).ExitCode, 0);
    const udtRun udtPo2tmx = RunProgram(QStringLiteral("po2tmx"), {QStringLiteral("-l"), QStringLiteral("de"), strPo, strTmx});
    ASSERT_EQ(udtPo2tmx.ExitCode, 0) << qPrintable(udtPo2tmx.Said());

    udtRun udtRun = RunLrc({QStringLiteral("tm"), QStringLiteral("suggest"), QStringLiteral("--json"), QStringLiteral("--memory"), strTmx,
                            QStringLiteral("--memory"), strGerman, Q("&Open..."), Q("Line one\nLine two")});
    ASSERT_EQ(udtRun.ExitCode, 0) << qPrintable(udtRun.Said());
    const QJsonArray objTexts = QJsonDocument::fromJson(udtRun.OutBytes).array();
    ASSERT_EQ(objTexts.size(), 2) << qPrintable(udtRun.Out);
    const QJsonObject objFirst = objTexts[0].toObject()["suggestions"].toArray()[0].toObject();
    EXPECT_EQ(objFirst["translation"].toString(), Q("Ö&ffnen..."));
    EXPECT_TRUE(objFirst["exact"].toBool());
    EXPECT_EQ(objFirst["origin"].toString(), strTmx);  // po2tmx's unit first: the file was given first
    EXPECT_TRUE(objTexts[1].toObject()["suggestions"].toArray().isEmpty());

    udtRun = RunLrc({QStringLiteral("tm"), QStringLiteral("suggest"), QStringLiteral("--memory"), strGerman, QStringLiteral("--memory"),
                     strFrench, QStringLiteral("Open")});
    EXPECT_EQ(udtRun.ExitCode, 1);
    EXPECT_TRUE(udtRun.Err.contains(strFrench + QStringLiteral(": its language is fr, the memory's de"))) << qPrintable(udtRun.Said());
}

}  // namespace

// A match the folder's code page cannot write is named and left out; the rest of the file fills.
TEST(MemoryFill, SkipsAMatchTheCodePageCannotWrite)
{
    const clsTempDir objDir;
    objDir.Write(Q("English/secondary.lrc"), "TXT001:Yesterday\r\nTXT002:Today\r\n");
    objDir.Write(Q("German/secondary.lrc"), "TXT001:\r\nTXT002:\r\n");
    udtLanguageFolder udtSource, udtGerman;
    QStringList strErrors, strSkipped;
    ASSERT_TRUE(LoadLanguageFolder(objDir.Path(Q("English")), Q("windows-1252"), udtSource, strErrors));
    ASSERT_TRUE(LoadLanguageFolder(objDir.Path(Q("German")), Q("windows-1252"), udtGerman, strErrors));
    clsTranslationMemory objMemory;
    objMemory.AddUnit(Q("Yesterday"), Q("昨日"), Q("memory"), QString());
    objMemory.AddUnit(Q("Today"), Q("Heute"), Q("memory"), QString());
    objMemory.Build();
    EXPECT_EQ(FillFromMemory(enuFileKind::Secondary, udtSource.Store, udtGerman.Store, objMemory, udtGerman.State, strSkipped), 1);
    EXPECT_EQ(udtGerman.Store.SecondaryTable(), (QStringList{Q(""), Q("Heute")}));
    EXPECT_EQ(strSkipped, QStringList{Q("TXT001: not filled from the memory, windows-1252 cannot write '昨日'")});
}
