// tralyx::Translation beside QTranslator at an application's start, on the same texts: a language
// folder of a 32,767-record core.lrc (about 6.2 MB, 500 controls a form), 255 messages and 999
// texts, and the same texts as a .qm file made by Qt's lrelease (context the form, source the
// English text, translation the German one).
//
//   build/bench/bench_TranslationBench                   load, first apply to 500 controls, memory
//   build/bench/bench_TranslationBench --sample=DIR      only writes DIR/German and DIR/german.qm
//   build/bench/bench_TranslationBench --app=MODE DIR    one application start (none, tralyx or
//                                                        qtranslator): bench/translation-vs-qtranslator.sh
//
// The first apply is to a form made afresh for each iteration (400 labels, 100 check boxes, each
// with a caption and a tool-tip, in a grid layout as a Qt form has them; NoLayout: placed by hand,
// where apply() widens each check box to its caption, measuring the text): Translation::apply()
// with its LanguageChange, against setText(tr(...)) and setToolTip(tr(...)) for each control, what
// retranslateUi() does.
#include "runtime/Translation.h"
#include "runtime/clsCompiledLanguage.h"
#include "runtime/udtLoadedLanguages.h"
#include "store/clsTralyx.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstring>
#include <malloc.h>
#include <memory>

using namespace tralyx;

namespace {

constexpr int ControlCount = 500;
constexpr int CheckBoxEvery = 5;
constexpr int MessageCount = 255;
constexpr int TextCount = 999;

QString FormName(int plngForm) { return QStringLiteral("frmForm%1").arg(plngForm, 3, 10, QLatin1Char('0')); }
QString ControlName(int plngControl)
{
    return QString::fromLatin1(plngControl % CheckBoxEvery == 0 ? "chkItem%1" : "lblItem%1").arg(plngControl, 3, 10, QLatin1Char('0'));
}
// About 64 characters, unique per entry, as an application's captions and tool-tips run.
QString English(const char* pstrWhat, int plngEntry)
{
    return QStringLiteral("%1 %2: select the customer account before printing the report").arg(QLatin1StringView(pstrWhat)).arg(plngEntry);
}
QString German(const char* pstrWhat, int plngEntry)
{
    return QStringLiteral("%1 %2: Kundenkonto w\u00E4hlen, bevor der Bericht gedruckt wird").arg(QLatin1StringView(pstrWhat)).arg(plngEntry);
}
// The entries of the form that is applied come last, after the other forms' 32,267.
constexpr int TargetFirst = clsTralyx::MaxRecords - ControlCount;
constexpr int FormCount = (TargetFirst + ControlCount - 1) / ControlCount + 1;
const QString TargetForm = FormName(FormCount - 1);
int FormOf(int plngEntry) { return plngEntry >= TargetFirst ? FormCount - 1 : plngEntry / ControlCount; }
int ControlOf(int plngEntry) { return plngEntry >= TargetFirst ? plngEntry - TargetFirst : plngEntry % ControlCount; }

struct udtSample {
    QString Folder;     // the German language folder, beside its English one
    QString Compiled;   // the same pair again, the German compiled with its English
    QString QmFile;     // the same texts for QTranslator
    qint64 FolderBytes = 0;
    qint64 QmBytes = 0;
    QString Problem;    // why the sample could not be made
};

QString Escaped(const QString& pstrText) { return pstrText.toHtmlEscaped(); }

// Writes DIR/German (three files) and DIR/german.qm from DIR/german.ts through lrelease.
udtSample WriteSample(const QString& pstrDir)
{
    udtSample udtOut;
    udtOut.Folder = pstrDir + QStringLiteral("/German");
    udtOut.QmFile = pstrDir + QStringLiteral("/german.qm");
    QDir().mkpath(udtOut.Folder);
    QVector<ControlTextItem> udtTable, udtEnglish;
    QString strTs = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"de\">\n");
    for (int e = 0; e < clsTralyx::MaxRecords; ++e) {
        if (e == 0 || FormOf(e) != FormOf(e - 1))
            strTs += QStringLiteral("%1<context><name>%2</name>\n").arg(e ? QStringLiteral("</context>\n") : QString(), FormName(FormOf(e)));
        udtTable.append({FormName(FormOf(e)), ControlName(ControlOf(e)), 0, German("Caption", e), German("Tip", e)});
        udtEnglish.append({FormName(FormOf(e)), ControlName(ControlOf(e)), 0, English("Caption", e), English("Tip", e)});
        for (const char* pstrWhat : {"Caption", "Tip"})
            strTs += QStringLiteral("<message><source>%1</source><translation>%2</translation></message>\n")
                         .arg(Escaped(English(pstrWhat, e)), Escaped(German(pstrWhat, e)));
    }
    strTs += QStringLiteral("</context>\n");
    QVector<MessageItem> udtMessages, udtEnglishMessages;
    QStringList strTexts, strEnglishTexts;
    strTs += QStringLiteral("<context><name>messages</name>\n");
    for (int i = 1; i <= MessageCount; ++i) {
        udtMessages.append({static_cast<uint8_t>(i), German("Message", i), German("Title", i)});
        udtEnglishMessages.append({static_cast<uint8_t>(i), English("Message", i), English("Title", i)});
        strTs += QStringLiteral("<message><source>%1</source><translation>%2</translation></message>\n")
                     .arg(Escaped(English("Message", i)), Escaped(German("Message", i)));
    }
    for (int i = 1; i <= TextCount; ++i) {
        strTexts.append(German("Text", i));
        strEnglishTexts.append(English("Text", i));
        strTs += QStringLiteral("<message><source>%1</source><translation>%2</translation></message>\n")
                     .arg(Escaped(English("Text", i)), Escaped(German("Text", i)));
    }
    strTs += QStringLiteral("</context>\n</TS>\n");

    // Each language written twice: the folders read as text, and a pair whose German is compiled.
    udtOut.Compiled = pstrDir + QStringLiteral("/compiled/German");
    const auto Save = [&](const QString& pstrFolder, const QVector<ControlTextItem>& t, const QVector<MessageItem>& m,
                          const QStringList& x) {
        QDir().mkpath(pstrFolder);
        clsTralyx objStore;
        objStore.SetControlTextTable(t);
        objStore.SetMessageTable(m);
        objStore.SetSecondaryTable(x);
        bool booCore = false, booMessages = false, booTexts = false;
        objStore.SaveControlText(pstrFolder + QStringLiteral("/core.lrc"), booCore);
        objStore.SaveMessageText(pstrFolder + QStringLiteral("/messages.lrc"), booMessages);
        objStore.SaveSecondaryText(pstrFolder + QStringLiteral("/secondary.lrc"), booTexts);
        if (!booCore || !booMessages || !booTexts) udtOut.Problem = objStore.LastError().Text();
    };
    for (const QString& strRoot : {pstrDir, pstrDir + QStringLiteral("/compiled")}) {
        Save(strRoot + QStringLiteral("/German"), udtTable, udtMessages, strTexts);
        Save(strRoot + QStringLiteral("/English"), udtEnglish, udtEnglishMessages, strEnglishTexts);
    }
    if (!udtOut.Problem.isEmpty()) return udtOut;
    {
        udtLoadedLanguages udtLoaded;
        QString strError;
        QStringList strWarnings;
        const QString strEnglish = pstrDir + QStringLiteral("/compiled/English");
        if (!LoadLanguages(udtOut.Compiled, strEnglish, QStringLiteral("windows-1252"), udtLoaded, strError, strWarnings))
            return udtOut.Problem = strError, udtOut;
        QFile objCompiled(udtOut.Compiled + u'/' + clsCompiledLanguage::FileName());
        if (!objCompiled.open(QIODevice::WriteOnly) ||
            objCompiled.write(clsCompiledLanguage::Compile(udtLoaded, udtOut.Compiled, strEnglish, QStringLiteral("windows-1252"))) < 0)
            return udtOut.Problem = QStringLiteral("cannot write the compiled language"), udtOut;
    }
    for (const char* pstrFile : {"/core.lrc", "/messages.lrc", "/secondary.lrc"})
        udtOut.FolderBytes += QFileInfo(udtOut.Folder + QLatin1StringView(pstrFile)).size();

    QFile objTs(pstrDir + QStringLiteral("/german.ts"));
    if (!objTs.open(QIODevice::WriteOnly) || objTs.write(strTs.toUtf8()) < 0) return udtOut.Problem = QStringLiteral("cannot write the .ts"), udtOut;
    objTs.close();
    const QString strLrelease = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease");
    if (QProcess::execute(strLrelease, {QStringLiteral("-silent"), objTs.fileName(), QStringLiteral("-qm"), udtOut.QmFile}) != 0)
        return udtOut.Problem = strLrelease + QStringLiteral(" failed (apt-get install qt6-l10n-tools)"), udtOut;
    udtOut.QmBytes = QFileInfo(udtOut.QmFile).size();
    return udtOut;
}

const udtSample& Sample()
{
    static QTemporaryDir gobjDir;
    static const udtSample gudtSample = WriteSample(gobjDir.path());
    return gudtSample;
}

// The form an application shows: 400 labels and 100 check boxes, in English, and the English texts
// as an application's code holds them for tr().
struct udtForm {
    std::unique_ptr<QWidget> Window;
    std::vector<QAbstractButton*> Boxes;
    std::vector<QLabel*> Labels;
    std::vector<QByteArray> Captions, Tips;  // per control, in order
    std::vector<QWidget*> Controls;
};

udtForm MakeForm(bool pbooLayout = true)
{
    udtForm udtOut;
    udtOut.Window = std::make_unique<QWidget>();
    udtOut.Window->setObjectName(TargetForm);
    auto* layGrid = pbooLayout ? new QGridLayout(udtOut.Window.get()) : nullptr;
    for (int c = 0; c < ControlCount; ++c) {
        QWidget* objControl = nullptr;
        udtOut.Captions.push_back(English("Caption", TargetFirst + c).toUtf8());
        udtOut.Tips.push_back(English("Tip", TargetFirst + c).toUtf8());
        if (c % CheckBoxEvery == 0) objControl = new QCheckBox(QString::fromUtf8(udtOut.Captions.back()), udtOut.Window.get());
        else objControl = new QLabel(QString::fromUtf8(udtOut.Captions.back()), udtOut.Window.get());
        objControl->setObjectName(ControlName(c));
        objControl->setToolTip(QString::fromUtf8(udtOut.Tips.back()));
        if (layGrid) layGrid->addWidget(objControl, c / 20, c % 20);
        udtOut.Controls.push_back(objControl);
    }
    return udtOut;
}

// What retranslateUi() does with a QTranslator installed.
void Retranslate(udtForm& pudtForm)
{
    const QByteArray bytContext = TargetForm.toUtf8();
    for (size_t c = 0; c < pudtForm.Controls.size(); ++c) {
        QWidget* objControl = pudtForm.Controls[c];
        const QString strCaption = QCoreApplication::translate(bytContext.constData(), pudtForm.Captions[c].constData());
        if (auto* objLabel = qobject_cast<QLabel*>(objControl)) objLabel->setText(strCaption);
        else static_cast<QAbstractButton*>(objControl)->setText(strCaption);
        objControl->setToolTip(QCoreApplication::translate(bytContext.constData(), pudtForm.Tips[c].constData()));
    }
}

QString LastCaption(const udtForm& pudtForm) { return static_cast<QLabel*>(pudtForm.Controls.back())->text(); }
const QString ExpectedLast = German("Caption", clsTralyx::MaxRecords - 1);

void BM_Load_Translation(benchmark::State& state)
{
    const udtSample& udtFile = Sample();
    if (!udtFile.Problem.isEmpty()) return state.SkipWithError(qPrintable(udtFile.Problem));
    auto objTranslation = std::make_unique<Translation>();
    for (auto _ : state) {
        state.PauseTiming();  // releasing the language is not timed
        objTranslation = std::make_unique<Translation>();
        state.ResumeTiming();
        // The folder as its own source: one folder read, as one .qm is.
        if (!objTranslation->load(udtFile.Folder, udtFile.Folder, QStringLiteral("windows-1252"))) state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(state.iterations() * udtFile.FolderBytes);
}

// The compiled German with its English: mapped and its stamps checked.
void BM_Load_Compiled(benchmark::State& state)
{
    const udtSample& udtFile = Sample();
    if (!udtFile.Problem.isEmpty()) return state.SkipWithError(qPrintable(udtFile.Problem));
    for (auto _ : state) {
        Translation objTranslation;
        QStringList strWarnings;
        if (!objTranslation.load(udtFile.Compiled, nullptr, &strWarnings) || !strWarnings.isEmpty()) state.SkipWithError("load failed");
    }
}

void BM_Load_QTranslator(benchmark::State& state)
{
    const udtSample& udtFile = Sample();
    if (!udtFile.Problem.isEmpty()) return state.SkipWithError(qPrintable(udtFile.Problem));
    for (auto _ : state) {
        QTranslator objTranslator;
        if (!objTranslator.load(udtFile.QmFile)) state.SkipWithError("load failed");
    }
}

void BM_FirstApply_Translation(benchmark::State& state, bool pbooLayout)
{
    const udtSample& udtFile = Sample();
    if (!udtFile.Problem.isEmpty()) return state.SkipWithError(qPrintable(udtFile.Problem));
    Translation objTranslation;
    objTranslation.load(udtFile.Folder, udtFile.Folder, QStringLiteral("windows-1252"));
    udtForm udtLast;
    for (auto _ : state) {
        state.PauseTiming();
        udtForm udtWindow = MakeForm(pbooLayout);
        state.ResumeTiming();
        objTranslation.apply(udtWindow.Window.get());
        state.PauseTiming();
        udtLast = std::move(udtWindow);  // the old form goes untimed
        state.ResumeTiming();
    }
    if (LastCaption(udtLast) != ExpectedLast) state.SkipWithError("the form was not translated");
    state.counters["controls"] = ControlCount;
}

void BM_FirstApply_QTranslator(benchmark::State& state, bool pbooLayout)
{
    const udtSample& udtFile = Sample();
    if (!udtFile.Problem.isEmpty()) return state.SkipWithError(qPrintable(udtFile.Problem));
    QTranslator objTranslator;
    if (!objTranslator.load(udtFile.QmFile)) return state.SkipWithError("load failed");
    QCoreApplication::installTranslator(&objTranslator);
    udtForm udtLast;
    for (auto _ : state) {
        state.PauseTiming();
        udtForm udtWindow = MakeForm(pbooLayout);
        state.ResumeTiming();
        Retranslate(udtWindow);
        state.PauseTiming();
        udtLast = std::move(udtWindow);
        state.ResumeTiming();
    }
    QCoreApplication::removeTranslator(&objTranslator);
    if (LastCaption(udtLast) != ExpectedLast) state.SkipWithError("the form was not translated");
    state.counters["controls"] = ControlCount;
}

int64_t ResidentBytes()
{
    QFile objStatus(QStringLiteral("/proc/self/status"));
    if (!objStatus.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& bytLine : objStatus.readAll().split('\n'))
        if (bytLine.startsWith("VmRSS:")) return bytLine.mid(6).trimmed().split(' ').front().toLongLong() * 1024;
    return 0;
}

// Qt's own German, as Translation::load installs it: a Qt application translated the Qt way loads
// it too, or its message boxes' buttons stay English.
void InstallQtTexts(QTranslator& pobjQt)
{
    if (pobjQt.load(QLocale(QStringLiteral("de")), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&pobjQt);
}

int64_t HeapBytes()
{
    const auto udtHeap = mallinfo2();
    return static_cast<int64_t>(udtHeap.uordblks + udtHeap.hblkhd);
}

// In a fresh process: what loading the language and applying it to the form add, resident (VmRSS)
// and on the heap. Prints "rss heap".
int MeasureMemory(const QString& pstrMode, const QString& pstrDir)
{
    udtForm udtWindow = MakeForm();
    QTranslator objTranslator, objQtTexts;
    Translation objTranslation;
    const int64_t lngResident = ResidentBytes(), lngHeap = HeapBytes();
    if (pstrMode == u"tralyx" || pstrMode == u"compiled") {
        // The German with its English fallback, as an application loads it.
        QStringList strWarnings;
        if (!objTranslation.load(pstrDir + (pstrMode == u"tralyx" ? QStringLiteral("/German") : QStringLiteral("/compiled/German")),
                                 nullptr, &strWarnings) || !strWarnings.isEmpty())
            return 1;
        objTranslation.apply(udtWindow.Window.get());
    } else {
        if (!objTranslator.load(pstrDir + QStringLiteral("/german.qm"))) return 1;
        QCoreApplication::installTranslator(&objTranslator);
        InstallQtTexts(objQtTexts);
        Retranslate(udtWindow);
    }
    if (LastCaption(udtWindow) != ExpectedLast) return 1;
    std::printf("%lld %lld\n", static_cast<long long>(ResidentBytes() - lngResident), static_cast<long long>(HeapBytes() - lngHeap));
    return 0;
}

void BM_Memory(benchmark::State& state, const char* pstrMode)
{
    const udtSample& udtFile = Sample();
    if (!udtFile.Problem.isEmpty()) return state.SkipWithError(qPrintable(udtFile.Problem));
    const qint64 lngFiles = std::strcmp(pstrMode, "qtranslator") != 0 ? udtFile.FolderBytes : udtFile.QmBytes;
    for (auto _ : state) {
        QProcess objChild;
        objChild.start(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")),
                       {QStringLiteral("--measure=") + QLatin1StringView(pstrMode), QFileInfo(udtFile.Folder).path()});
        objChild.waitForFinished(60000);
        const QList<QByteArray> bytFields = objChild.readAllStandardOutput().trimmed().split(' ');
        if (objChild.exitCode() != 0 || bytFields.size() != 2) return state.SkipWithError("the child failed");
        state.counters["files_MB"] = lngFiles / 1e6;
        state.counters["RSS_MB"] = bytFields[0].toLongLong() / 1e6;
        state.counters["heap_MB"] = bytFields[1].toLongLong() / 1e6;
        state.counters["RSS_per_file_byte"] = static_cast<double>(bytFields[0].toLongLong()) / lngFiles;
        state.counters["heap_per_file_byte"] = static_cast<double>(bytFields[1].toLongLong()) / lngFiles;
    }
}

// One application start, timed from outside by bench/translation-vs-qtranslator.sh.
int RunApplication(const QString& pstrMode, const QString& pstrDir)
{
    udtForm udtWindow = MakeForm();
    if (pstrMode == u"none") return 0;
    if (pstrMode == u"tralyx" || pstrMode == u"compiled") {
        Translation objTranslation;
        QStringList strWarnings;
        if (!objTranslation.load(pstrDir + (pstrMode == u"tralyx" ? QStringLiteral("/German") : QStringLiteral("/compiled/German")),
                                 nullptr, &strWarnings) || !strWarnings.isEmpty())
            return 1;
        objTranslation.apply(udtWindow.Window.get());
        return LastCaption(udtWindow) == ExpectedLast ? 0 : 1;
    }
    QTranslator objTranslator, objQtTexts;
    if (!objTranslator.load(pstrDir + QStringLiteral("/german.qm"))) return 1;
    QCoreApplication::installTranslator(&objTranslator);
    InstallQtTexts(objQtTexts);
    Retranslate(udtWindow);
    return LastCaption(udtWindow) == ExpectedLast ? 0 : 1;
}

BENCHMARK(BM_Load_Translation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Compiled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_QTranslator)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstApply_Translation, Layout, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstApply_QTranslator, Layout, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstApply_Translation, NoLayout, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstApply_QTranslator, NoLayout, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Memory, Translation, "tralyx")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Memory, Compiled, "compiled")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Memory, QTranslator, "qtranslator")->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication objApp(argc, argv);
    const QStringList strArgs = QCoreApplication::arguments();
    if (strArgs.size() == 2 && strArgs[1].startsWith(QStringLiteral("--sample="))) {
        const udtSample udtFile = WriteSample(strArgs[1].mid(9));
        if (!udtFile.Problem.isEmpty()) return std::fprintf(stderr, "%s\n", qPrintable(udtFile.Problem)), 1;
        std::printf("%s: %lld bytes; %s: %lld bytes\n", qPrintable(udtFile.Folder), static_cast<long long>(udtFile.FolderBytes),
                    qPrintable(udtFile.QmFile), static_cast<long long>(udtFile.QmBytes));
        return 0;
    }
    if (strArgs.size() == 3 && strArgs[1].startsWith(QStringLiteral("--app="))) return RunApplication(strArgs[1].mid(6), strArgs[2]);
    if (strArgs.size() == 3 && strArgs[1].startsWith(QStringLiteral("--measure="))) return MeasureMemory(strArgs[1].mid(10), strArgs[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const udtSample& udtFile = Sample();
    std::printf("sample: language folder %lld bytes (core.lrc %d records), .qm %lld bytes\n", static_cast<long long>(udtFile.FolderBytes),
                clsTralyx::MaxRecords, static_cast<long long>(udtFile.QmBytes));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
