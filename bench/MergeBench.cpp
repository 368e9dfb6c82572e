// The update merge at the largest table a file can hold (32,767 entries on each side): the keyed
// merge alone, the same pairing by scanning the old table for every new entry, the positional merge
// of procedural text without and with the old source (in several orders), and the whole
// file-to-file update of core.lrc (two loads, the merge and the save).
#include "store/clsTralyx.h"
#include "update/basMerge.h"
#include "update/udtUpdateReport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

using namespace tralyx;

namespace {

constexpr int Entries = 32767;

// A release's control text: forms of about 150 controls, some of them control arrays. The new
// release renames every 10th control and moves every 7th to a new index, so about a fifth of the
// entries find no old partner and as many old ones are dropped.
QVector<ControlTextItem> ControlText(bool pbooNewRelease)
{
    QVector<ControlTextItem> udtTable;
    udtTable.reserve(Entries);
    for (int i = 0; i < Entries; ++i) {
        const int lngControl = i % 150;
        QString strControl = QStringLiteral("cmdControl%1").arg(lngControl);
        uint8_t bytIndex = static_cast<uint8_t>((i / 150) % 4);
        if (pbooNewRelease && i % 10 == 3) strControl += QStringLiteral("New");
        if (pbooNewRelease && i % 7 == 5) bytIndex = static_cast<uint8_t>(bytIndex + 4);
        udtTable.append({QStringLiteral("frmForm%1").arg(i / 600), strControl, bytIndex,
                         QStringLiteral("%1 caption %2").arg(pbooNewRelease ? u"New" : u"Old").arg(i),
                         QStringLiteral("Tool-tip of entry %1").arg(i)});
    }
    return udtTable;
}

// The pairing as the plain scan of the old table: the measure of what the hash index saves.
void ScanMerge(const QVector<ControlTextItem>& pudtNew, const QVector<ControlTextItem>& pudtOld,
               QVector<ControlTextItem>& pudtResult)
{
    pudtResult.resize(pudtNew.size());
    for (qsizetype i = 0; i < pudtNew.size(); ++i) {
        pudtResult[i] = pudtNew[i];
        for (const ControlTextItem& udtOld : pudtOld) {
            if (udtOld.FormName == pudtNew[i].FormName && udtOld.ControlName == pudtNew[i].ControlName &&
                udtOld.Index == pudtNew[i].Index) {
                pudtResult[i] = udtOld;
                break;
            }
        }
    }
}

void BM_MergeControlTextTables(benchmark::State& state)
{
    const QVector<ControlTextItem> udtOld = ControlText(false), udtNew = ControlText(true);
    udtUpdateReport udtReport;
    for (auto _ : state) {
        QVector<ControlTextItem> udtResult;
        MergeControlTextTables(udtNew, udtOld, udtResult, udtReport);
        benchmark::DoNotOptimize(udtResult.constData());
    }
    state.counters["kept"] = udtReport.KeptFromOld;
    state.counters["dropped"] = static_cast<double>(udtReport.Dropped.size());
}
BENCHMARK(BM_MergeControlTextTables)->Unit(benchmark::kMillisecond);

void BM_MergeControlTextByScan(benchmark::State& state)
{
    const QVector<ControlTextItem> udtOld = ControlText(false), udtNew = ControlText(true);
    for (auto _ : state) {
        QVector<ControlTextItem> udtResult;
        ScanMerge(udtNew, udtOld, udtResult);
        benchmark::DoNotOptimize(udtResult.constData());
    }
}
BENCHMARK(BM_MergeControlTextByScan)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_MergeSecondaryTables(benchmark::State& state)
{
    QStringList strOld, strNew;
    for (int i = 0; i < Entries; ++i) {
        strOld.append(QStringLiteral("Texte %1").arg(i));
        strNew.append(QStringLiteral("Text %1").arg(i));
    }
    udtUpdateReport udtReport;
    for (auto _ : state) {
        QStringList strResult;
        MergeSecondaryTables(strNew, strOld, strResult, udtReport);
        benchmark::DoNotOptimize(strResult.data());
    }
}
BENCHMARK(BM_MergeSecondaryTables)->Unit(benchmark::kMillisecond);

// The merge against the old source at full size, in the orders a release can give the texts:
// 0 unchanged, 1 reversed, 2 shuffled, 3 every other text moved to the end, 4 every text changed
// and the first removed (one block, all paired by likeness), 5 texts that repeat in a cycle of 1,000,
// reversed (none to anchor on), 6 reversed with every other text a repeat of one of the first
// 1,000: a crafted worst case.
QStringList Ordered(int plngOrder, const QStringList& pstrOld)
{
    QStringList strNew;
    switch (plngOrder) {
    case 1: strNew = QStringList(pstrOld.rbegin(), pstrOld.rend()); break;
    case 2: {
        strNew = pstrOld;
        std::mt19937 objRandom(7);
        std::shuffle(strNew.begin(), strNew.end(), objRandom);
        break;
    }
    case 3:
        for (int k = 0; k < 2; ++k)
            for (qsizetype i = k; i < pstrOld.size(); i += 2) strNew.append(pstrOld[i]);
        break;
    case 4:
        for (qsizetype i = 1; i < pstrOld.size(); ++i) strNew.append(pstrOld[i] + QStringLiteral(" (changed)"));
        break;
    case 5: strNew = QStringList(pstrOld.rbegin(), pstrOld.rend()); break;
    case 6:
        for (qsizetype i = pstrOld.size() - 1; i >= 0; --i) strNew.append(pstrOld[i % 2 ? i : i % 1000]);
        break;
    default: strNew = pstrOld;
    }
    return strNew;
}

void BM_MergeSecondaryWithSource(benchmark::State& state)
{
    const int lngOrder = static_cast<int>(state.range(0));
    QStringList strSource, strTranslation;
    for (int i = 0; i < Entries; ++i) {
        strSource.append(lngOrder == 5 ? QStringLiteral("English text %1").arg(i % 1000) : QStringLiteral("English text %1").arg(i));
        strTranslation.append(QStringLiteral("Text %1").arg(i));
    }
    const QStringList strNew = Ordered(lngOrder, strSource);
    udtUpdateReport udtReport;
    for (auto _ : state) {
        QStringList strResult;
        MergeSecondaryWithSource(strNew, strTranslation, strSource, strResult, udtReport);
        benchmark::DoNotOptimize(strResult.data());
    }
    state.counters["carried"] = udtReport.KeptFromOld;
    state.counters["changed"] = static_cast<double>(udtReport.Changed.size());
}
BENCHMARK(BM_MergeSecondaryWithSource)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// core.lrc from file to file, as the dialog and tralyx-lrc update run it.
void BM_UpdateControlTextFiles(benchmark::State& state)
{
    QTemporaryDir objDir;
    for (const char* pstrFolder : {"old", "new", "dest"}) QDir(objDir.path()).mkpath(QLatin1StringView(pstrFolder));
    {
        clsTralyx objWriter;
        bool booSuccess = false;
        objWriter.SetControlTextTable(ControlText(false));
        objWriter.SaveControlText(objDir.path() + QStringLiteral("/old/core.lrc"), booSuccess);
        objWriter.SetControlTextTable(ControlText(true));
        objWriter.SaveControlText(objDir.path() + QStringLiteral("/new/core.lrc"), booSuccess);
        if (!booSuccess) state.SkipWithError("cannot write the input files");
    }
    const QString strOld = objDir.path() + QStringLiteral("/old"), strNew = objDir.path() + QStringLiteral("/new"),
                  strDestination = objDir.path() + QStringLiteral("/dest");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(strDestination + QStringLiteral("/core.lrc"));  // no overwrite question
        state.ResumeTiming();
        clsTralyx objStore;
        const udtUpdateReport udtReport = objStore.UpdateControlText(strOld, strNew, strDestination);
        if (!udtReport.Written()) state.SkipWithError(qPrintable(udtReport.Summary()));
    }
}
BENCHMARK(BM_UpdateControlTextFiles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
