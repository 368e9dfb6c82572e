// The translation memory and the spelling check on full-size folder pairs: English and a German
// translation, each with 32,767 core.lrc records (caption and tool-tip), 255 messages and 32,767
// procedural texts. Their words are real ones, taken from the installed Hunspell dictionaries
// (en_US, de_DE) and drawn with the skew of real text (a few words often, most rarely); the German
// text puts the German word of the same rank where the English has its word, and misspells one
// word in a hundred.
//
//   build/bench/bench_MemoryBench
#include "checks/basEntryMatch.h"
#include "memory/basMatchText.h"
#include "memory/clsTranslationMemory.h"
#include "spelling/basSpellingCheck.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <random>

using namespace tralyx;

namespace {

// Words of a Hunspell dictionary: letters only, every so many lines, so that they spread over it.
QStringList DictionaryWords(const char* pstrFile, int32_t plngCount)
{
    QFile objFile(QString::fromLatin1(pstrFile));
    QStringList strWords;
    if (!objFile.open(QIODevice::ReadOnly)) return strWords;
    const QList<QByteArray> bytLines = objFile.readAll().split('\n');
    const qsizetype lngStep = std::max<qsizetype>(1, bytLines.size() / plngCount);
    for (qsizetype i = 1; i < bytLines.size() && strWords.size() < plngCount; i += lngStep) {
        const QString strWord = QString::fromUtf8(bytLines[i].split('/').front()).trimmed();
        if (strWord.size() >= 2 && std::all_of(strWord.begin(), strWord.end(), [](QChar c) { return c.isLetter(); }))
            strWords.append(strWord);
    }
    return strWords;
}

struct udtLanguagePair {
    QStringList English, German;
};

const udtLanguagePair& Words()
{
    static const udtLanguagePair udtWords = [] {
        udtLanguagePair u{DictionaryWords("/usr/share/hunspell/en_US.dic", 8000),
                          DictionaryWords("/usr/share/hunspell/de_DE.dic", 12000)};
        // Stems that stand only inside compounds ("Abfertigungs") are no words of their own.
        const clsSpeller objSpeller(QStringLiteral("de_DE"));
        u.German.removeIf([&](const QString& s) { return !objSpeller.Check(s); });
        const qsizetype lngCount = std::min(u.English.size(), u.German.size());
        u.English = u.English.mid(0, lngCount);
        u.German = u.German.mid(0, lngCount);
        return u;
    }();
    return udtWords;
}

// Texts in both languages, drawn from the same ranks of the two word lists.
class clsTextMaker {
public:
    explicit clsTextMaker(uint32_t plngSeed) : mobjRandom(plngSeed)
    {
        double dblSum = 0;
        for (qsizetype i = 0; i < Words().English.size(); ++i) mdblCumulative.push_back(dblSum += 1.0 / static_cast<double>(i + 1));
    }
    // plngMin to plngMax words; an access key, a number, a marker at random.
    std::pair<QString, QString> Make(int32_t plngMin, int32_t plngMax, bool pbooAccessKey, bool pbooMarker)
    {
        QString strEnglish, strGerman;
        const int32_t lngWords = plngMin + static_cast<int32_t>(mobjRandom() % static_cast<uint32_t>(plngMax - plngMin + 1));
        for (int32_t w = 0; w < lngWords; ++w) {
            const double dblPick = std::uniform_real_distribution<double>(0, mdblCumulative.back())(mobjRandom);
            const qsizetype k = std::upper_bound(mdblCumulative.begin(), mdblCumulative.end(), dblPick) - mdblCumulative.begin();
            QString strOne = Words().English[std::min(k, Words().English.size() - 1)];
            QString strOther = Words().German[std::min(k, Words().German.size() - 1)];
            if (mobjRandom() % 100 == 0 && strOther.size() > 3) std::swap(strOther[1], strOther[2]);  // a misspelling
            if (w == 0) {
                strOne[0] = strOne[0].toUpper();
                strOther[0] = strOther[0].toUpper();
                if (pbooAccessKey) strOne.prepend(u'&'), strOther.prepend(u'&');
            }
            strEnglish += (w ? QStringLiteral(" ") : QString()) + strOne;
            strGerman += (w ? QStringLiteral(" ") : QString()) + strOther;
            if (w == lngWords / 2 && mobjRandom() % 8 == 0) {
                const QString strNumber = QString::number(mobjRandom() % 500);
                strEnglish += u' ' + strNumber;
                strGerman += u' ' + strNumber;
            }
        }
        if (pbooMarker) {
            strEnglish += QStringLiteral(" [#!name!#]");
            strGerman += QStringLiteral(" [#!name!#]");
        }
        return {strEnglish, strGerman};
    }
    std::mt19937& Random() { return mobjRandom; }

private:
    std::mt19937 mobjRandom;
    std::vector<double> mdblCumulative;
};

struct udtFolderPair {
    clsTralyx Source, Translation;
};

udtFolderPair MakeFolderPair(uint32_t plngSeed)
{
    clsTextMaker objMaker(plngSeed);
    QVector<ControlTextItem> udtCore[2];
    for (int32_t i = 0; i < clsTralyx::MaxRecords; ++i) {
        const auto [strCaption, strCaptionDe] = objMaker.Make(1, 4, i % 3 != 0, false);
        const auto [strTip, strTipDe] = objMaker.Make(4, 14, false, false);
        const QString strForm = QStringLiteral("frmForm%1").arg(i / 150), strControl = QStringLiteral("cmdControl%1").arg(i % 150);
        udtCore[0].append({strForm, strControl, 0, strCaption, strTip});
        udtCore[1].append({strForm, strControl, 0, strCaptionDe, strTipDe});
    }
    QVector<MessageItem> udtMessages[2];
    for (int32_t i = 0; i < clsTralyx::MaxMessages; ++i) {
        const auto [strText, strTextDe] = objMaker.Make(8, 25, false, true);
        const auto [strTitle, strTitleDe] = objMaker.Make(1, 3, false, false);
        udtMessages[0].append({0, strText, strTitle});
        udtMessages[1].append({0, strTextDe, strTitleDe});
    }
    QStringList strSecondary[2];
    for (int32_t i = 0; i < clsTralyx::MaxRecords; ++i) {
        const auto [strText, strTextDe] = objMaker.Make(1, 10, false, i % 10 == 0);
        strSecondary[0].append(strText);
        strSecondary[1].append(strTextDe);
    }
    udtFolderPair udtPair;
    for (int32_t s = 0; s < 2; ++s) {
        clsTralyx& objStore = s == 0 ? udtPair.Source : udtPair.Translation;
        objStore.SetControlTextTable(udtCore[s]);
        objStore.SetMessageTable(udtMessages[s]);
        objStore.SetSecondaryTable(strSecondary[s]);
    }
    return udtPair;
}

const std::vector<udtFolderPair>& ThreePairs()
{
    static const std::vector<udtFolderPair> udtPairs = [] {
        std::vector<udtFolderPair> u;
        for (uint32_t lngSeed : {1u, 2u, 3u}) u.push_back(MakeFolderPair(lngSeed));
        return u;
    }();
    return udtPairs;
}

void AddPairs(clsTranslationMemory& pobjMemory)
{
    for (size_t p = 0; p < ThreePairs().size(); ++p)
        for (const enuFileKind enuFile : AllFileKinds)
            pobjMemory.AddTables(enuFile, ThreePairs()[p].Source, ThreePairs()[p].Translation, QStringLiteral("Product%1/German").arg(p));
}

const clsTranslationMemory& FullMemory()
{
    static const clsTranslationMemory* const pobjMemory = [] {
        auto* p = new clsTranslationMemory;
        AddPairs(*p);
        p->Build();
        return p;
    }();
    return *pobjMemory;
}

// CPU time of this thread, so that the figures hold on a busy machine too.
double CpuMs()
{
    timespec udtNow{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &udtNow);
    return static_cast<double>(udtNow.tv_sec) * 1e3 + static_cast<double>(udtNow.tv_nsec) / 1e6;
}

// The memory's units up to a count, each as AddUnit takes it.
void BM_IndexUnits(benchmark::State& state)
{
    const std::vector<udtMemoryUnit>& udtUnits = FullMemory().Units();
    const size_t lngCount = std::min(udtUnits.size(), static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        clsTranslationMemory objMemory;
        for (size_t i = 0; i < lngCount; ++i) objMemory.AddUnit(udtUnits[i].Source, udtUnits[i].Translation, QStringLiteral("x"), udtUnits[i].Entry);
        objMemory.Build();
        benchmark::DoNotOptimize(objMemory.Size());
    }
    state.counters["units"] = static_cast<double>(lngCount);
}
BENCHMARK(BM_IndexUnits)->Arg(100000)->Unit(benchmark::kMillisecond);

// From three loaded folder pairs to a memory ready to answer: pairing, each pair kept once, index.
void BM_MemoryOfThreePairs(benchmark::State& state)
{
    double dblPairing = 0, dblIndex = 0;
    for (auto _ : state) {
        clsTranslationMemory objMemory;
        const double dblStart = CpuMs();
        AddPairs(objMemory);
        const double dblPaired = CpuMs();
        objMemory.Build();
        dblPairing += dblPaired - dblStart;
        dblIndex += CpuMs() - dblPaired;
        state.counters["units"] = static_cast<double>(objMemory.Size());
    }
    state.counters["pairing_cpu_ms"] = dblPairing / static_cast<double>(state.iterations());
    state.counters["index_cpu_ms"] = dblIndex / static_cast<double>(state.iterations());
}
BENCHMARK(BM_MemoryOfThreePairs)->Unit(benchmark::kMillisecond);

// One row's suggestions: a quarter each of sources the memory has, sources with a word changed,
// with a number changed, and new sources.
void BM_Suggestions(benchmark::State& state)
{
    const clsTranslationMemory& objMemory = FullMemory();
    clsTextMaker objMaker(99);
    QStringList strQueries;
    for (int32_t i = 0; i < 400; ++i) {
        const udtMemoryUnit& udtUnit = objMemory.Units()[objMaker.Random()() % objMemory.Units().size()];
        QString strQuery = udtUnit.Source;
        if (i % 4 == 1) {
            const QStringList strWords = strQuery.split(u' ');
            QStringList strChanged = strWords;
            strChanged[static_cast<qsizetype>(objMaker.Random()() % static_cast<uint32_t>(strWords.size()))] = objMaker.Make(1, 1, false, false).first;
            strQuery = strChanged.join(u' ');
        } else if (i % 4 == 2) {
            strQuery += QStringLiteral(" 42");
        } else if (i % 4 == 3) {
            strQuery = objMaker.Make(1, 14, false, false).first;
        }
        strQueries.append(strQuery);
    }
    size_t lngFound = 0, lngAsked = 0;
    double dblSlowest = 0;
    for (auto _ : state) {
        const double dblStart = CpuMs();
        const std::vector<udtSuggestion> udtFound = objMemory.Suggestions(strQueries[static_cast<qsizetype>(lngAsked % 400)]);
        dblSlowest = std::max(dblSlowest, CpuMs() - dblStart);
        lngFound += udtFound.size();
        ++lngAsked;
    }
    state.counters["slowest_cpu_ms"] = dblSlowest;
    state.counters["units"] = static_cast<double>(objMemory.Size());
    state.counters["suggestions"] = static_cast<double>(lngFound) / static_cast<double>(std::max<size_t>(lngAsked, 1));
}
BENCHMARK(BM_Suggestions)->Unit(benchmark::kMicrosecond);

// The first 100,000 units of the memory, for the concordance search: its index made once, as the
// first search makes it, and timed on its own.
const clsTranslationMemory& HundredThousand()
{
    static const clsTranslationMemory* const pobjMemory = [] {
        auto* p = new clsTranslationMemory;
        const std::vector<udtMemoryUnit>& udtUnits = FullMemory().Units();
        for (size_t i = 0; i < std::min<size_t>(udtUnits.size(), 100000); ++i)
            p->AddUnit(udtUnits[i].Source, udtUnits[i].Translation, QStringLiteral("x"), udtUnits[i].Entry);
        return p;
    }();
    return *pobjMemory;
}

void BM_ConcordanceIndex(benchmark::State& state)
{
    const std::vector<udtMemoryUnit>& udtUnits = HundredThousand().Units();
    for (auto _ : state) {
        clsTranslationMemory objMemory;
        state.PauseTiming();
        for (const udtMemoryUnit& u : udtUnits) objMemory.AddUnit(u.Source, u.Translation, QStringLiteral("x"), u.Entry);
        state.ResumeTiming();
        benchmark::DoNotOptimize(objMemory.Concordance(QStringLiteral("x")).Total);
    }
    state.counters["units"] = static_cast<double>(udtUnits.size());
}
BENCHMARK(BM_ConcordanceIndex)->Unit(benchmark::kMillisecond);

// One search over 100,000 units, on the side the argument names (0 both, 1 sources, 2
// translations): words of every rank (the commonest hit most units), parts of words, two-word
// phrases, a letter, and words the memory does not have.
void BM_Concordance(benchmark::State& state)
{
    const clsTranslationMemory& objMemory = HundredThousand();
    const auto enuSide = static_cast<enuConcordanceSide>(state.range(0));
    objMemory.Concordance(QStringLiteral("x"));  // the index, made before the timing
    QStringList strQueries;
    const udtLanguagePair& udtWords = Words();
    for (qsizetype r : {0, 1, 5, 30, 200, 1500, 4000}) {
        strQueries << udtWords.English.value(r) << udtWords.German.value(r);
        strQueries << udtWords.English.value(r).left(4) << udtWords.English.value(r) + u' ' + udtWords.English.value(r + 1);
    }
    strQueries << QStringLiteral("e") << QStringLiteral("zzqx") << QStringLiteral("the unknown words");
    size_t lngAsked = 0;
    double dblSlowest = 0, dblTotal = 0;
    for (auto _ : state) {
        const double dblStart = CpuMs();
        const udtConcordance udtFound = objMemory.Concordance(strQueries[static_cast<qsizetype>(lngAsked % size_t(strQueries.size()))], enuSide);
        dblSlowest = std::max(dblSlowest, CpuMs() - dblStart);
        dblTotal += udtFound.Total;
        ++lngAsked;
    }
    state.counters["slowest_cpu_ms"] = dblSlowest;
    state.counters["units"] = static_cast<double>(objMemory.Size());
    state.counters["hits"] = dblTotal / static_cast<double>(std::max<size_t>(lngAsked, 1));
}
BENCHMARK(BM_Concordance)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Every translated text of a full-size German folder, with a fresh dictionary (its load included).
void BM_SpellFolder(benchmark::State& state)
{
    const udtFolderPair& udtPair = ThreePairs().front();
    size_t lngProblems = 0;
    for (auto _ : state) {
        const clsSpeller objSpeller(QStringLiteral("de_DE"));
        if (!objSpeller.IsValid()) {
            state.SkipWithError(qPrintable(objSpeller.Problem()));
            return;
        }
        std::vector<udtProblem> udtProblems;
        for (const enuFileKind enuFile : AllFileKinds)
            ForEachEntry(enuFile, udtPair.Source, udtPair.Translation,
                         [&](const udtEntryText& u) { CheckSpelling(objSpeller, enuFile, u, udtProblems); });
        lngProblems = udtProblems.size();
    }
    state.counters["misspelt"] = static_cast<double>(lngProblems);
}
BENCHMARK(BM_SpellFolder)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // The folders and the memory that the benchmarks read are made before any is timed.
    benchmark::Initialize(&argc, argv);
    FullMemory();
    HundredThousand();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
