// The translator's workbench on the largest tables (32,767 records) and their 32,767-record source:
// opening a window with its source, every row's state, one filter keystroke, Replace all, the
// next row with the Source dock showing the memory's suggestions, and sorting the list.
#include "common/basDesktop.h"
#include "common/basGeneralItems.h"
#include "editor/clsTextFind.h"
#include "editor/clsWorkbenchRows.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "windows/editor/frmMessageEditor.h"
#include "windows/workbench/clsSourceDock.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>

using namespace tralyx;

namespace {

constexpr int32_t Records = clsTralyx::MaxRecords;

// Answers every question Yes: Replace all asks before it changes anything.
class clsYesDesktop : public clsDesktop {
public:
    int32_t MsgBox(const QString&, int32_t, const QString&, const QString&) override { return vbYes; }
    bool FileDialog(bool, const QString&, QString&) override { return false; }
    bool ChooseFolder(const QString&, QString&) override { return false; }
    QString ClipboardText() override { return QString(); }
    void SetClipboardText(const QString&) override {}
};

QVector<ControlTextItem> Controls(bool pbooSource)
{
    QVector<ControlTextItem> udtControls;
    udtControls.reserve(Records);
    for (int32_t i = 0; i < Records; ++i) {
        // One in ten still untranslated, one in fifty with a lost marker.
        const bool booUntranslated = !pbooSource && i % 10 == 3;
        const QString strCaption = pbooSource ? QStringLiteral("&Caption number %1 of [#!form!#]").arg(i)
                                   : booUntranslated ? QString()
                                   : i % 50 == 7     ? QStringLiteral("&Beschriftung Nummer %1").arg(i)
                                                     : QStringLiteral("&Beschriftung Nummer %1 von [#!form!#]").arg(i);
        const QString strTip = pbooSource ? QStringLiteral("Tool-tip %1\r\nwith a second line").arg(i)
                                          : QStringLiteral("Hinweis %1\r\nmit einer zweiten Zeile").arg(i);
        udtControls.push_back({QStringLiteral("frmForm%1").arg(i / 40), QStringLiteral("cmdControl%1").arg(i % 40),
                               static_cast<uint8_t>(i % 7), strCaption, strTip});
    }
    return udtControls;
}

struct udtFolders {
    QTemporaryDir Root;
    QString Source, Translation;
    udtFolders()
    {
        Source = Root.filePath(QStringLiteral("English"));
        Translation = Root.filePath(QStringLiteral("German"));
        QDir().mkpath(Source);
        QDir().mkpath(Translation);
        for (const bool booSource : {true, false}) {
            clsTralyx objStore;
            objStore.SetControlTextTable(Controls(booSource));
            bool booSuccess = false;
            objStore.SaveControlText((booSource ? Source : Translation) + QStringLiteral("/core.lrc"), booSuccess);
        }
    }
};

udtFolders& Folders()
{
    static udtFolders udtOnce;
    return udtOnce;
}

std::unique_ptr<frmMessageEditor> OpenWithSource()
{
    bool booSuccess = false;
    gobjTextStore->LoadControlText(Folders().Translation + QStringLiteral("/core.lrc"), booSuccess);
    auto objWindow = std::make_unique<frmMessageEditor>();
    objWindow->EditType(frmMessageEditor::EditControlText);
    objWindow->FileName(Folders().Translation + QStringLiteral("/core.lrc"));
    objWindow->LoadSource(Folders().Source);
    objWindow->show();
    QApplication::processEvents();
    objWindow->repaint();
    return objWindow;
}

void BM_OpenWithSource(benchmark::State& state)
{
    Folders();  // written once, outside the timing
    for (auto _ : state) {
        auto objWindow = OpenWithSource();
        state.PauseTiming();
        if (!objWindow->HasSource()) state.SkipWithError("no source");
        objWindow.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWithSource)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AllRowStates(benchmark::State& state)
{
    auto objSource = std::make_unique<clsTralyx>();
    objSource->SetControlTextTable(Controls(true));
    clsTralyx objTranslation;
    objTranslation.SetControlTextTable(Controls(false));
    clsWorkbenchRows objRows(enuFileKind::ControlText, std::move(objSource));
    for (auto _ : state) objRows.ComputeAll(objTranslation);
    state.counters["errors"] = objRows.Progress().Errors;
}
BENCHMARK(BM_AllRowStates)->Unit(benchmark::kMillisecond);

// One character typed or deleted in the filter, the list repainted.
void BM_FilterKeystroke(benchmark::State& state)
{
    auto objWindow = OpenWithSource();
    const QString strTyped = QStringLiteral("frmform12");
    QTreeView* objList = objWindow->findChild<QTreeView*>();
    int32_t lngLength = 0;
    for (auto _ : state) {
        lngLength = (lngLength + 1) % (strTyped.size() + 1);
        objWindow->SetFilter(strTyped.left(lngLength), 0);
        objList->viewport()->repaint();
    }
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

// One commit of a row in the middle of the list: its state checked again, the list repainted.
void BM_CommitWithSource(benchmark::State& state)
{
    auto objWindow = OpenWithSource();
    QTreeView* objList = objWindow->findChild<QTreeView*>();
    objList->setCurrentIndex(objList->model()->index(Records / 2, 0));
    auto* txtCaption = objWindow->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"));
    bool booForth = true;
    for (auto _ : state) {
        txtCaption->setPlainText(booForth ? QStringLiteral("&Zahl [#!form!#]") : QStringLiteral("&Nummer [#!form!#]"));
        objWindow->MoveToList();
        objList->viewport()->repaint();
        booForth = !booForth;
    }
}
BENCHMARK(BM_CommitWithSource)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Every caption changed, and back again.
void BM_ReplaceAll(benchmark::State& state)
{
    auto objWindow = OpenWithSource();
    bool booForth = true;
    for (auto _ : state) {
        const int32_t lngChanged = booForth ? objWindow->ReplaceAll(clsTextFind(QStringLiteral("Nummer"), true, false), QStringLiteral("Zahl"))
                                            : objWindow->ReplaceAll(clsTextFind(QStringLiteral("Zahl"), true, false), QStringLiteral("Nummer"));
        if (lngChanged < Records / 2) state.SkipWithError("too few replaced");
        booForth = !booForth;
    }
}
BENCHMARK(BM_ReplaceAll)->Unit(benchmark::kMillisecond)->UseRealTime();

// The next row chosen while the Source dock shows the suggestions of a memory of the folder pair
// (65,534 texts): the row loaded, its suggestions found and shown, dock and list repainted.
void BM_NextRowWithSuggestions(benchmark::State& state)
{
    auto objWindow = OpenWithSource();
    QElapsedTimer objBuild;
    objBuild.start();
    auto objMemory = std::make_shared<clsTranslationMemory>();
    QString strError;
    if (!objMemory->AddFolderPair(Folders().Source, Folders().Translation, objWindow->CodePage(), strError))
        state.SkipWithError(strError.toStdString().c_str());
    objMemory->Build();
    state.counters["memory_ms"] = double(objBuild.elapsed());
    objWindow->SetMemory(objMemory);
    QMainWindow objMain;
    auto* dckSource = new clsSourceDock(&objMain);
    objMain.addDockWidget(Qt::RightDockWidgetArea, dckSource);
    objMain.resize(1600, 1000);
    objMain.show();
    QTreeView* objList = objWindow->findChild<QTreeView*>();
    int32_t lngRow = Records / 2;
    size_t lngShown = 0;
    for (auto _ : state) {
        objList->setCurrentIndex(objList->model()->index(lngRow++, 0));
        dckSource->ShowEditor(objWindow.get());
        lngShown += objWindow->Suggestions().size();
        dckSource->repaint();
        objList->viewport()->repaint();
    }
    state.counters["suggestions"] = double(lngShown) / double(state.iterations());
}
BENCHMARK(BM_NextRowWithSuggestions)->Unit(benchmark::kMillisecond)->UseRealTime();

// A click on a column's header: the 32,767 rows sorted, the list repainted. Range 0: the column
// (0 object path, 1 caption, 3 the source, 4 the state); range 1: 1 the first click on it (each
// text's collation key made), 0 the next click, the other way round.
void BM_SortRows(benchmark::State& state)
{
    auto objWindow = OpenWithSource();
    QTreeView* objList = objWindow->findChild<QTreeView*>();
    const int intColumn = int(state.range(0));
    const bool booFirst = state.range(1) == 1;
    bool booAscending = true;
    objList->sortByColumn(intColumn, Qt::DescendingOrder);
    for (auto _ : state) {
        if (booFirst) {
            // Another column's keys replace this one's.
            state.PauseTiming();
            objList->sortByColumn(intColumn == 1 ? 0 : 1, Qt::AscendingOrder);
            state.ResumeTiming();
        }
        objList->sortByColumn(intColumn, booAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
        objList->viewport()->repaint();
        booAscending = booFirst || !booAscending;
    }
    if (objList->model()->rowCount() != Records) state.SkipWithError("rows missing");
}
BENCHMARK(BM_SortRows)->ArgsProduct({{0, 1, 3, 4}, {1, 0}})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication objApp(argc, argv);
    clsYesDesktop objDesktop;
    InstallDesktop(&objDesktop);
    gobjTextStore = std::make_unique<clsTralyx>();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gobjTextStore.reset();
    InstallDesktop(nullptr);
    return 0;
}
