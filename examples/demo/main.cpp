// tralyx-demo: a Qt application translated by Tralyx.
//
//   tralyx-demo                       English: Languages/English beside the program
//   tralyx-demo --language DIR        the language of the folder DIR, falling back to English
//   tralyx-demo --harvest             writes Languages/English/frmDemo.LRC beside the program and ends
#include "common/basApplication.h"
#include "frmDemo.h"
#include "runtime/Translation.h"

#include <QApplication>
#include <QCommandLineParser>

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

    tralyx::Translation objTranslation;
    demo::frmDemo frmMain(objTranslation);
    if (objParser.isSet(optHarvest)) return objTranslation.harvest(&frmMain) ? 0 : 1;

    frmMain.LoadLanguage(objParser.isSet(optLanguage) ? objParser.value(optLanguage)
                                                      : tralyx::App::Path() + QStringLiteral("/Languages/English"));
    frmMain.show();
    return objApp.exec();
}
