// Speed and size of the text store on a large core.lrc: 32,767 records, about 9 MB.
//
//   build/bench/bench_StoreBench                        the benchmarks
//   build/bench/bench_StoreBench --write-sample=PATH    only writes the sample file (bench/cli-vs-iconv.sh)
//   build/bench/bench_StoreBench --measure-load=PATH    loads it and prints records, RSS and heap added
#include "store/clsTralyx.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>
#include <malloc.h>
#include <random>

using namespace tralyx;

namespace {

// A table as a large application's translators see it: many forms, control arrays, menus, text
// boxes, and captions and tool-tips of about 130 characters, one in eight of them on two lines.
QVector<ControlTextItem> SampleTable()
{
    static const char* const Words[] = {
        "Select",  "the",     "customer", "account",  "before",   "printing", "invoice", "report",
        "Opens",   "saved",   "settings", "for",      "current",  "project",  "and",     "applies",
        "changes", "to",      "every",    "selected", "record",   "Cancel",   "without", "saving",
        "Größe",   "Übersicht", "données", "fenêtre", "Configuración", "Ausgabe", "window", "file",
        "Deletes", "entries", "older",    "than",     "chosen",   "date",     "Shows",   "details",
        "of",      "order",   "history",  "stock",    "level",    "supplier", "address", "warning"};
    static const char* const Controls[] = {"cmdOK", "cmdCancel", "cmdApply", "lblName", "lblAddress", "chkActive",
                                           "optPriority", "fraDetails", "txtName", "txtAddress", "mnuFile",
                                           "mnuFileOpen", "mnuEditCopy", "lvwOrders", "[Caption]", "tabPages"};
    std::mt19937 objRandom(20261206);
    auto Text = [&](int plngChars) {
        QString strText;
        while (strText.size() < plngChars) {
            if (!strText.isEmpty()) strText += u' ';
            strText += QString::fromUtf8(Words[objRandom() % std::size(Words)]);
        }
        if (objRandom() % 8 == 0) {  // a second line
            const qsizetype lngBreak = strText.indexOf(u' ', strText.size() / 2);
            if (lngBreak > 0) strText.replace(lngBreak, 1, QStringLiteral("\r\n"));
        }
        return strText;
    };
    QVector<ControlTextItem> udtTable;
    udtTable.reserve(clsTralyx::MaxRecords);
    for (int32_t lngForm = 0; udtTable.size() < clsTralyx::MaxRecords; ++lngForm) {
        const QString strForm = QStringLiteral("frmCustomerOrders%1").arg(lngForm);
        for (const char* pstrControl : Controls) {
            const int lngIndexes = objRandom() % 4 == 0 ? 3 : 1;  // some control arrays
            for (int i = 0; i < lngIndexes && udtTable.size() < clsTralyx::MaxRecords; ++i) {
                ControlTextItem udtItem;
                udtItem.FormName = strForm;
                udtItem.ControlName = QString::fromLatin1(pstrControl);
                udtItem.Index = static_cast<uint8_t>(i);
                udtItem.Caption = Text(120 + objRandom() % 20);
                udtItem.ToolTip = Text(120 + objRandom() % 20);
                udtTable.append(udtItem);
            }
        }
    }
    return udtTable;
}

bool WriteSample(const QString& pstrPath)
{
    clsTralyx objStore;
    objStore.SetControlTextTable(SampleTable());
    QFile::remove(pstrPath);
    bool booSuccess = false;
    objStore.SaveControlText(pstrPath, booSuccess);
    if (!booSuccess) std::fprintf(stderr, "%s\n", qPrintable(objStore.LastError().Text()));
    return booSuccess;
}

// The sample file, written once per run.
struct udtSample {
    QTemporaryDir Dir;
    QString Path;
    qint64 Size = 0;
    udtSample()
    {
        Path = Dir.path() + QStringLiteral("/core.lrc");
        if (WriteSample(Path)) Size = QFileInfo(Path).size();
    }
};

udtSample& Sample()
{
    static udtSample gudtSample;
    return gudtSample;
}

int64_t ResidentKiB()
{
    QFile objStatus(QStringLiteral("/proc/self/status"));
    if (!objStatus.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& bytLine : objStatus.readAll().split('\n'))
        if (bytLine.startsWith("VmRSS:")) return bytLine.mid(6).trimmed().split(' ').front().toLongLong();
    return 0;
}

// What loading the sample adds in a fresh process: resident memory (VmRSS) and heap bytes in use.
// The file's bytes are released by then, so both are the table's. Prints "records rss heap".
int MeasureLoad(const QString& pstrPath)
{
    const auto udtHeapBefore = mallinfo2();
    const int64_t lngBefore = ResidentKiB();
    clsTralyx objStore;
    bool booSuccess = false;
    objStore.LoadControlText(pstrPath, booSuccess);
    const auto udtHeapAfter = mallinfo2();
    std::printf("%lld %lld %lld\n", booSuccess ? static_cast<long long>(objStore.ControlTextTable().size()) : -1LL,
                static_cast<long long>((ResidentKiB() - lngBefore) * 1024),
                static_cast<long long>(udtHeapAfter.uordblks + udtHeapAfter.hblkhd) -
                    static_cast<long long>(udtHeapBefore.uordblks + udtHeapBefore.hblkhd));
    return booSuccess ? 0 : 1;
}

// The table's memory, measured in a child process (this one's heap holds what generating the
// sample freed, which a load here would reuse unseen).
void BM_TableMemory(benchmark::State& state)
{
    const udtSample& udtFile = Sample();
    for (auto _ : state) {
        const QByteArray bytCommand = "'" + QFile::symLinkTarget(QStringLiteral("/proc/self/exe")).toLocal8Bit() +
                                      "' --measure-load='" + udtFile.Path.toLocal8Bit() + "'";
        FILE* pobjChild = popen(bytCommand.constData(), "r");
        long long lngRecords = -1, lngResident = 0, lngHeap = 0;
        if (!pobjChild) return state.SkipWithError("cannot start the child");
        const int lngFields = std::fscanf(pobjChild, "%lld %lld %lld", &lngRecords, &lngResident, &lngHeap);
        pclose(pobjChild);
        if (lngFields != 3 || lngRecords != clsTralyx::MaxRecords) return state.SkipWithError("load failed");
        state.counters["file_MB"] = udtFile.Size / 1e6;
        state.counters["table_RSS_MB"] = lngResident / 1e6;
        state.counters["table_heap_MB"] = lngHeap / 1e6;
        state.counters["RSS_per_file_byte"] = static_cast<double>(lngResident) / udtFile.Size;
    }
}
BENCHMARK(BM_TableMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Each load into a fresh store; releasing the previous table is not timed.
void BM_LoadControlText(benchmark::State& state)
{
    const udtSample& udtFile = Sample();
    auto objStore = std::make_unique<clsTralyx>();
    for (auto _ : state) {
        state.PauseTiming();
        objStore = std::make_unique<clsTralyx>();
        state.ResumeTiming();
        bool booSuccess = false;
        objStore->LoadControlText(udtFile.Path, booSuccess);
        if (!booSuccess || objStore->ControlTextTable().size() != clsTralyx::MaxRecords) state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(state.iterations() * udtFile.Size);
    state.counters["records"] = objStore->ControlTextTable().size();
}
BENCHMARK(BM_LoadControlText)->Unit(benchmark::kMillisecond);

void BM_SaveControlText(benchmark::State& state)
{
    const udtSample& udtFile = Sample();
    clsTralyx objStore;
    bool booSuccess = false;
    objStore.LoadControlText(udtFile.Path, booSuccess);
    const QString strOut = udtFile.Dir.path() + QStringLiteral("/saved.lrc");
    for (auto _ : state) {
        objStore.SaveControlText(strOut, booSuccess);
        state.PauseTiming();
        // The next save must not meet an existing file (the overwrite question).
        if (!booSuccess || !QFile::remove(strOut)) state.SkipWithError("save failed");
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * udtFile.Size);
}
BENCHMARK(BM_SaveControlText)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-sample=", 15) == 0) {
            const QString strPath = QString::fromLocal8Bit(argv[i] + 15);
            if (!WriteSample(strPath)) return 1;
            std::printf("%s: %lld bytes\n", qPrintable(strPath), static_cast<long long>(QFileInfo(strPath).size()));
            return 0;
        }
        if (std::strncmp(argv[i], "--measure-load=", 15) == 0) return MeasureLoad(QString::fromLocal8Bit(argv[i] + 15));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (Sample().Size == 0) return 1;
    std::printf("sample: %s, %lld bytes, %d records\n", qPrintable(QFileInfo(Sample().Path).fileName()),
                static_cast<long long>(Sample().Size), clsTralyx::MaxRecords);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
