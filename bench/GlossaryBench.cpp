// The glossary on a full-size file: 5,000 terms of one to three words, looked up in the English of
// 32,767 rows of 4 to 14 words each (an access key in one row of ten), and lint's rule on the same
// rows with a German translation that holds the term's translation in most of them. Words are made
// up (3 to 10 letters) and drawn with the skew of real text, so that the common ones start many
// terms.
//
//   build/bench/bench_GlossaryBench
#include "memory/clsGlossary.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace tralyx;

namespace {

constexpr int32_t Rows = 32767, Terms = 5000, Words = 8000;

struct udtData {
    QStringList Words;
    std::vector<QString> Sources, Translations;
    clsGlossary Glossary;
};

const udtData& Data()
{
    static const udtData udtOut = [] {
        udtData u;
        std::mt19937 objRandom(7);
        std::uniform_int_distribution<int> intLength(3, 10), intLetter(0, 25);
        while (u.Words.size() < Words) {
            QString strWord;
            for (int i = intLength(objRandom); i > 0; --i) strWord += QChar(u'a' + intLetter(objRandom));
            u.Words.append(strWord);
        }
        // Rank r drawn with weight 1 / (r + 10): a few words often, most rarely.
        std::vector<double> dblWeights;
        for (int r = 0; r < Words; ++r) dblWeights.push_back(1.0 / (r + 10));
        std::discrete_distribution<int> intRank(dblWeights.begin(), dblWeights.end());
        std::uniform_int_distribution<int> intTermWords(1, 3), intRowWords(4, 14), intTenth(0, 9);
        for (int32_t t = 0; t < Terms; ++t) {
            QStringList strTerm;
            for (int k = intTermWords(objRandom); k > 0; --k) strTerm.append(u.Words[intRank(objRandom) % Words]);
            u.Glossary.Add(strTerm.join(u' '), strTerm.join(u' ').toUpper());
        }
        for (int32_t r = 0; r < Rows; ++r) {
            QStringList strRow;
            for (int k = intRowWords(objRandom); k > 0; --k) strRow.append(u.Words[intRank(objRandom)]);
            if (intTenth(objRandom) == 0) strRow.front().prepend(u'&');
            u.Sources.push_back(strRow.join(u' '));
            // The translation: the same words upper-cased (each term's translation is held), one word
            // in ten left out.
            QStringList strTranslated;
            for (const QString& s : std::as_const(strRow))
                if (intTenth(objRandom) != 0) strTranslated.append(s.toUpper());
            u.Translations.push_back(strTranslated.join(u' '));
        }
        return u;
    }();
    return udtOut;
}

void BM_GlossaryBuild(benchmark::State& state)
{
    const udtData& u = Data();
    for (auto _ : state) {
        clsGlossary objGlossary;
        for (const udtGlossaryTerm& t : u.Glossary.Terms()) objGlossary.Add(t.Source, t.Translations.front());
        benchmark::DoNotOptimize(objGlossary.Terms().size());
    }
}
BENCHMARK(BM_GlossaryBuild)->Unit(benchmark::kMillisecond);

// The terms of every row's English: what the Source dock asks for one row, and the rule for each.
void BM_GlossaryLookup(benchmark::State& state)
{
    const udtData& u = Data();
    int64_t lngHits = 0;
    for (auto _ : state)
        for (const QString& s : u.Sources) lngHits += int64_t(u.Glossary.Find(s).size());
    state.counters["hits_per_row"] = double(lngHits) / double(state.iterations()) / Rows;
    state.counters["per_row"] = benchmark::Counter(Rows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GlossaryLookup)->Unit(benchmark::kMillisecond);

// Lint's rule on every row: the lookup, then each term's translation searched in the translation.
void BM_GlossaryRule(benchmark::State& state)
{
    const udtData& u = Data();
    std::vector<udtProblem> udtOut;
    int64_t lngWarnings = 0;
    for (auto _ : state) {
        for (int32_t r = 0; r < Rows; ++r) {
            udtEntryText udtEntry;
            udtEntry.Id = udtEntry.Key = QStringLiteral("TXT001");
            udtEntry.SourceRecord = udtEntry.Record = r;
            udtEntry.Source = u.Sources[size_t(r)];
            udtEntry.Translation = u.Translations[size_t(r)];
            udtOut.clear();
            CheckGlossary(u.Glossary, enuFileKind::Secondary, udtEntry, udtOut);
            lngWarnings += int64_t(udtOut.size());
        }
    }
    state.counters["warnings_per_row"] = double(lngWarnings) / double(state.iterations()) / Rows;
    state.counters["per_row"] = benchmark::Counter(Rows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GlossaryRule)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
