// Opening the text editor window on the largest tables (32,767 records): list filled and window
// shown, under whatever platform QT_QPA_PLATFORM names (offscreen for the figures we quote).
#include "common/basGeneralItems.h"
#include "store/basTextStore.h"
#include "store/clsTralyx.h"
#include "windows/editor/frmMessageEditor.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTreeView>
#include <benchmark/benchmark.h>

using namespace tralyx;

namespace {

constexpr int32_t Records = clsTralyx::MaxRecords;

void FillStore()
{
    gobjTextStore = std::make_unique<clsTralyx>();
    QVector<ControlTextItem> udtControls;
    QStringList strSecondary;
    udtControls.reserve(Records);
    strSecondary.reserve(Records);
    for (int32_t i = 0; i < Records; ++i) {
        udtControls.push_back({QStringLiteral("frmForm%1").arg(i / 40), QStringLiteral("cmdControl%1").arg(i % 40),
                               static_cast<uint8_t>(i % 7), QStringLiteral("Caption number %1 of the form").arg(i),
                               QStringLiteral("Tool-tip %1\r\nwith a second line").arg(i)});
        strSecondary << QStringLiteral("Procedural text %1, somewhat longer as such texts often are.").arg(i);
    }
    gobjTextStore->SetControlTextTable(std::move(udtControls));
    gobjTextStore->SetSecondaryTable(std::move(strSecondary));
}

// Range 0: the window on its own; 1: inside an MDI frame, as the main window shows it.
void BM_OpenEditor(benchmark::State& state, int32_t plngEditType)
{
    if (!gobjTextStore) FillStore();
    const bool booInFrame = state.range(0) == 1;
    QMdiArea objArea;
    if (booInFrame) {
        objArea.resize(1000, 700);
        objArea.show();
        QApplication::processEvents();
    }
    for (auto _ : state) {
        auto* objWindow = new frmMessageEditor();
        objWindow->EditType(plngEditType);
        objWindow->FileName(QStringLiteral("/lang/file.lrc"));
        if (booInFrame) objArea.addSubWindow(objWindow)->show();
        else objWindow->show();
        QApplication::processEvents();  // shown
        objWindow->repaint();           // and painted whole, whatever the platform deferred
        state.PauseTiming();
        if (objWindow->findChild<QTreeView*>()->model()->rowCount() != Records) state.SkipWithError("rows missing");
        if (booInFrame) objArea.removeSubWindow(objWindow);
        delete objWindow;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_OpenEditor, ControlText, frmMessageEditor::EditControlText)
    ->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_OpenEditor, Secondary, frmMessageEditor::EditSecondary)
    ->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// One page of scrolling anywhere in the list, repainted at once.
void BM_ScrollPage(benchmark::State& state)
{
    if (!gobjTextStore) FillStore();
    frmMessageEditor objWindow;
    objWindow.EditType(frmMessageEditor::EditControlText);
    objWindow.show();
    QApplication::processEvents();
    QTreeView* objList = objWindow.findChild<QTreeView*>();
    QScrollBar* objBar = objList->verticalScrollBar();
    int lngStep = 0;
    for (auto _ : state) {
        objBar->setValue((lngStep++ * 7919) % (objBar->maximum() + 1));
        objList->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMicrosecond);

// One commit of a row in the middle of the list (its caption changed), the list repainted.
void BM_Commit(benchmark::State& state)
{
    if (!gobjTextStore) FillStore();
    frmMessageEditor objWindow;
    objWindow.EditType(frmMessageEditor::EditControlText);
    objWindow.show();
    QApplication::processEvents();
    QTreeView* objList = objWindow.findChild<QTreeView*>();
    objList->setCurrentIndex(objList->model()->index(Records / 2, 0));
    auto* txtCaption = objWindow.findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"));
    bool booForth = true;
    for (auto _ : state) {
        txtCaption->setPlainText(booForth ? QStringLiteral("Changed caption") : QStringLiteral("Caption again"));
        objWindow.MoveToList();
        objList->viewport()->repaint();
        booForth = !booForth;
    }
}
BENCHMARK(BM_Commit)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication objApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gobjTextStore.reset();
    return 0;
}
