// SetFormText on a form of 500 controls against a full control-text table (32,767 records) whose
// entries for that form come last (where a scan of the table would find them only after the other
// forms' 32,267 records); the form index is built by the first iteration and reused.
//   Model/Loaded:   plain controls, table read by LoadControlText (records share their name strings)
//   Model/Distinct: plain controls, every record with its own string storage (the slowest compare)
//   Qt/Loaded:      a real QWidget form (400 labels, 100 check boxes) through the Qt binding
#include "binding/QtForm.h"
#include "runtime/clsForm.h"
#include "store/clsTralyx.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tralyx;

namespace {

constexpr int ControlCount = 500;
constexpr int CheckBoxEvery = 5;  // one control in five is a check box, widened to its caption

QString FormName(int plngForm) { return QStringLiteral("frmForm%1").arg(plngForm, 3, 10, QLatin1Char('0')); }
QString ControlName(int plngControl)
{
    return QString::fromLatin1(plngControl % CheckBoxEvery == 0 ? "chkItem%1" : "lblItem%1").arg(plngControl, 3, 10, QLatin1Char('0'));
}
const QString TargetForm = QStringLiteral("frmForm999");

QVector<ControlTextItem> FullTable()
{
    QVector<ControlTextItem> udtTable;
    udtTable.reserve(clsTralyx::MaxRecords);
    for (int f = 0; udtTable.size() < clsTralyx::MaxRecords - ControlCount; ++f)
        for (int c = 0; c < ControlCount && udtTable.size() < clsTralyx::MaxRecords - ControlCount; ++c)
            udtTable.append({FormName(f), ControlName(c), 0, QStringLiteral("Caption %1").arg(c), QStringLiteral("Tip")});
    for (int c = 0; c < ControlCount; ++c)
        udtTable.append({TargetForm, ControlName(c), 0, QStringLiteral("Translated %1").arg(c), QStringLiteral("Tip")});
    return udtTable;
}

// The table as an application has it after LoadControlText.
const clsTralyx& LoadedStore()
{
    static clsTralyx objStore = [] {
        clsTralyx objMade;
        objMade.SetControlTextTable(FullTable());
        QTemporaryDir objDir;
        const QString strFile = objDir.path() + QStringLiteral("/core.lrc");
        bool booSuccess = false;
        objMade.SaveControlText(strFile, booSuccess);
        clsTralyx objLoaded;
        objLoaded.LoadControlText(strFile, booSuccess);
        if (!booSuccess || objLoaded.ControlTextTable().size() != clsTralyx::MaxRecords) std::abort();
        return objLoaded;
    }();
    return objStore;
}

const clsTralyx& DistinctStore()
{
    static clsTralyx objStore = [] {
        QVector<ControlTextItem> udtTable = FullTable();
        for (ControlTextItem& udtItem : udtTable) {
            udtItem.FormName = QString(udtItem.FormName.constData(), udtItem.FormName.size());
            udtItem.ControlName = QString(udtItem.ControlName.constData(), udtItem.ControlName.size());
        }
        clsTralyx objMade;
        objMade.SetControlTextTable(std::move(udtTable));
        return objMade;
    }();
    return objStore;
}

class clsPlainControl : public clsControl {
public:
    clsPlainControl(enuControlKind penuKind, QString pstrName) : menuKind(penuKind), mstrName(std::move(pstrName)) {}
    enuControlKind Kind() const override { return menuKind; }
    QString Name() const override { return mstrName; }
    std::optional<int32_t> Index() const override { return std::nullopt; }
    QString Caption() const override { return mstrCaption; }
    void SetCaption(const QString& pstrCaption) override { mstrCaption = pstrCaption; }
    QString ToolTipText() const override { return mstrToolTip; }
    void SetToolTipText(const QString& pstrToolTip) override { mstrToolTip = pstrToolTip; }
    void SetWidth(float psngWidth) override { msngWidth = psngWidth; }
    int16_t Tab() const override { return 0; }
    void SetTab(int16_t) override {}
    int16_t Tabs() const override { return 0; }

    enuControlKind menuKind;
    QString mstrName, mstrCaption, mstrToolTip;
    float msngWidth = 0;
};

class clsPlainForm : public clsForm {
public:
    clsPlainForm()
    {
        for (int c = 0; c < ControlCount; ++c)
            mobjControls.emplace_back(c % CheckBoxEvery == 0 ? enuControlKind::CheckBox : enuControlKind::Label,
                                      ControlName(c));
    }
    QString Name() const override { return TargetForm; }
    void Controls(const std::function<void(clsControl&)>& pfnVisit) override
    {
        for (clsPlainControl& ctl : mobjControls) pfnVisit(ctl);
    }
    float TextWidth(const QString& pstrText) const override { return 100.0f * pstrText.size(); }
    std::vector<clsPlainControl> mobjControls;
};

void Check(bool pbooApplied, benchmark::State& state)
{
    if (!pbooApplied) state.SkipWithError("the form's text was not applied");
}

void BM_SetFormText_Model(benchmark::State& state, const clsTralyx& (*pfnStore)())
{
    const clsTralyx& objStore = pfnStore();
    clsPlainForm frm;
    for (auto _ : state) objStore.SetFormText(frm);
    Check(frm.mobjControls.back().mstrCaption == QStringLiteral("Translated 499"), state);
    state.counters["lookups"] = ControlCount;
}

void BM_SetFormText_Qt(benchmark::State& state)
{
    const clsTralyx& objStore = LoadedStore();
    QWidget frmWidget;
    frmWidget.setObjectName(TargetForm);
    QWidget* objLast = nullptr;
    for (int c = 0; c < ControlCount; ++c) {
        objLast = c % CheckBoxEvery == 0 ? static_cast<QWidget*>(new QCheckBox(&frmWidget))
                                         : static_cast<QWidget*>(new QLabel(&frmWidget));
        objLast->setObjectName(ControlName(c));
    }
    clsQtForm frm(&frmWidget);
    for (auto _ : state) objStore.SetFormText(frm);
    Check(static_cast<QLabel*>(objLast)->text() == QStringLiteral("Translated 499"), state);
    state.counters["lookups"] = ControlCount;
}

BENCHMARK_CAPTURE(BM_SetFormText_Model, Loaded, &LoadedStore)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SetFormText_Model, Distinct, &DistinctStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetFormText_Qt)->Name("BM_SetFormText_Qt/Loaded")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication objApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
