// The whole update of a language folder, files to files, at full size (32,767 control-text
// records, 255 messages, 32,767 procedural texts): plain, and against the old release's source
// folder (texts compared, messages and procedural texts aligned by their source, the state
// written). The new release changes every tenth source text, inserts 1% and removes 1% of the
// entries. A third run gives the new release's procedural texts in a crafted order: reversed, every
// other text a repeat of one of the first 1,000 (no text to anchor on in most of the file).
#include "store/clsTralyx.h"
#include "update/basFolderUpdate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tralyx;

namespace {

constexpr int Entries = 32767;

enum class enuSide { OldSource, OldTranslation, NewSource };

// Which old entries the new release drops and where it inserts new ones (1% each), and which
// texts it changes (every tenth).
bool Removed(int i) { return i % 100 == 7; }
bool InsertedAfter(int i) { return i % 100 == 50; }
bool Changed(int i) { return i % 10 == 3; }

QString Text(enuSide penuSide, const char* pstrWhat, int i)
{
    if (penuSide == enuSide::OldTranslation) return QStringLiteral("Übersetzung %1 %2").arg(QLatin1StringView(pstrWhat)).arg(i);
    QString strText = QStringLiteral("English %1 %2").arg(QLatin1StringView(pstrWhat)).arg(i);
    if (penuSide == enuSide::NewSource && Changed(i)) strText += QStringLiteral(" (changed)");
    return strText;
}

void WriteFolder(const QString& pstrFolder, enuSide penuSide, bool pbooCrafted = false)
{
    const bool booNew = penuSide == enuSide::NewSource;
    QVector<ControlTextItem> udtCore;
    QVector<MessageItem> udtMessages;
    QStringList strSecondary;
    for (int i = 0; i < Entries; ++i) {
        if (booNew && Removed(i)) continue;
        const QString strForm = QStringLiteral("frmForm%1").arg(i / 600);
        udtCore.append({strForm, QStringLiteral("cmdControl%1").arg(i % 150), static_cast<uint8_t>((i / 150) % 4),
                        Text(penuSide, "caption", i), Text(penuSide, "tool-tip", i)});
        strSecondary.append(Text(penuSide, "text", i));
        if (booNew && InsertedAfter(i)) {
            udtCore.append({strForm, QStringLiteral("cmdInserted%1").arg(i), 0, Text(penuSide, "new caption", i), {}});
            strSecondary.append(Text(penuSide, "new text", i));
        }
    }
    if (pbooCrafted) {
        QStringList strCrafted;
        for (qsizetype i = strSecondary.size() - 1; i >= 0; --i) strCrafted.append(strSecondary[i % 2 ? i : i % 1000]);
        strSecondary = strCrafted;
    }
    for (int i = 0; i < clsTralyx::MaxMessages; ++i) udtMessages.append({0, Text(penuSide, "message", i), Text(penuSide, "title", i)});
    clsTralyx objWriter;
    objWriter.SetControlTextTable(udtCore.mid(0, Entries));
    objWriter.SetMessageTable(udtMessages);
    objWriter.SetSecondaryTable(strSecondary.mid(0, Entries));
    QDir().mkpath(pstrFolder);
    bool booCore = false, booMessages = false, booSecondary = false;
    objWriter.SaveControlText(pstrFolder + QStringLiteral("/core.lrc"), booCore);
    objWriter.SaveMessageText(pstrFolder + QStringLiteral("/messages.lrc"), booMessages);
    objWriter.SaveSecondaryText(pstrFolder + QStringLiteral("/secondary.lrc"), booSecondary);
    if (!booCore || !booMessages || !booSecondary) std::abort();
}

void RunUpdate(benchmark::State& state, bool pbooOldSource, bool pbooCrafted = false)
{
    QTemporaryDir objDir;
    const QString strRoot = objDir.path();
    WriteFolder(strRoot + QStringLiteral("/English"), enuSide::OldSource);
    WriteFolder(strRoot + QStringLiteral("/German"), enuSide::OldTranslation);
    WriteFolder(strRoot + QStringLiteral("/Release2"), enuSide::NewSource, pbooCrafted);
    const udtUpdateFolders udtFolders{strRoot + QStringLiteral("/German"), strRoot + QStringLiteral("/Release2"),
                                      strRoot + QStringLiteral("/German2"),
                                      pbooOldSource ? strRoot + QStringLiteral("/English") : QString()};
    QDir().mkpath(udtFolders.Destination);
    udtFolderUpdate udtUpdate;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(udtFolders.Destination).removeRecursively();  // no overwrite question
        QDir().mkpath(udtFolders.Destination);
        state.ResumeTiming();
        udtUpdate = UpdateLanguageFolder(udtFolders, QStringLiteral("windows-1252"), true);
        for (const udtUpdateReport& udtReport : udtUpdate.Files)
            if (!udtReport.Written()) state.SkipWithError(qPrintable(udtReport.Summary()));
    }
    const udtUpdateReport& udtSecondary = udtUpdate.Files[2];
    state.counters["kept"] = udtSecondary.Kept.size();
    state.counters["changed"] = udtSecondary.Changed.size();
    state.counters["moved"] = udtSecondary.Moved.size();
    state.counters["new"] = udtSecondary.TakenNew.size();
}

void BM_UpdateFolder(benchmark::State& state) { RunUpdate(state, false); }
BENCHMARK(BM_UpdateFolder)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_UpdateFolderWithOldSource(benchmark::State& state) { RunUpdate(state, true); }
BENCHMARK(BM_UpdateFolderWithOldSource)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_UpdateFolderCrafted(benchmark::State& state) { RunUpdate(state, false, true); }
BENCHMARK(BM_UpdateFolderCrafted)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_UpdateFolderWithOldSourceCrafted(benchmark::State& state) { RunUpdate(state, true, true); }
BENCHMARK(BM_UpdateFolderWithOldSourceCrafted)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
