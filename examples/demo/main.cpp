// tralyx-demo: a Qt application translated by Tralyx.
//
//   tralyx-demo                       English, the form's own text
//   tralyx-demo --language DIR        the language of the folder DIR (core.lrc, messages.lrc)
//   tralyx-demo --harvest             writes Languages/English/frmDemo.LRC beside the program and ends
#include "binding/QtDesktop.h"
#include "common/basApplication.h"
#include "common/clsRuntimeError.h"
#include "frmDemo.h"
#include "store/clsTralyx.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication objApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tralyx demo"));

    QCommandLineParser objParser;
    objParser.setApplicationDescription(QStringLiteral("A small form translated at run time by Tralyx."));
    objParser.addHelpOption();
    const QCommandLineOption optLanguage(QStringLiteral("language"),
                                         QStringLiteral("Start in the language of the folder <dir>."), QStringLiteral("dir"));
    const QCommandLineOption optHarvest(QStringLiteral("harvest"),
                                        QStringLiteral("Write the form's English text to Languages/English and end."));
    objParser.addOption(optLanguage);
    objParser.addOption(optHarvest);
    objParser.process(objApp);

    tralyx::clsQtDesktop objDesktop;
    tralyx::InstallDesktop(&objDesktop);

    tralyx::clsTralyx objLanguage;
    demo::frmDemo frmMain(objLanguage);

    if (objParser.isSet(optHarvest)) {
        try {
            const QString strFile = frmMain.HarvestText();
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(strFile)));
            return 0;
        } catch (const tralyx::clsRuntimeError& e) {
            std::fprintf(stderr, "tralyx-demo: error %d: %s\n", e.Number(), e.what());
            return 1;
        }
    }

    // The English messages always; then the chosen language over them.
    frmMain.LoadLanguage(tralyx::App::Path() + QStringLiteral("/Languages/English"));
    if (objParser.isSet(optLanguage)) frmMain.LoadLanguage(objParser.value(optLanguage));

    frmMain.show();
    const int lngResult = objApp.exec();
    tralyx::InstallDesktop(nullptr);
    return lngResult;
}
