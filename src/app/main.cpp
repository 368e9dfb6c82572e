// Starts the editor: the application, the desktop seam bound to Qt, the main window, and the files
// named on the command line (as a file manager's "Open with" passes them).
#include "binding/QtDesktop.h"
#include "common/Version.h"
#include "updatetool/frmFolderSelector.h"
#include "windows/main/basIcons.h"
#include "i18n/basTranslations.h"
#include "windows/main/frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <cstdio>
#include <cstring>

namespace {

const char* const Help = QT_TRANSLATE_NOOP("tralyx",
    "usage: tralyx [options] [FILE...]\n"
    "\n"
    "Opens the editor of language resource files, with each FILE (core.lrc, messages.lrc,\n"
    "secondary.lrc) in a window of its own; a FILE that is a folder opens its three files.\n"
    "\n"
    "options:\n"
    "  -h, --help     show this help\n"
    "  --version      print the program's name and version\n"
    "  --source DIR   the source-language folder shown beside the files (default: the sibling\n"
    "                 folder named English)\n"
    "  --             every argument after this one is a FILE\n"
    "\n"
    "Qt's own options are understood as well, for example -platform offscreen or -style Fusion.\n");

// --help and --version are answered before the application starts, so that they work without a
// display; the help in the user's language, through a core application of its own. -1: neither was given.
int AnswerInformationOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) break;
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("tralyx " TRALYX_VERSION_STRING "\n" TRALYX_COPYRIGHT "\n" TRALYX_LICENCE "\n", stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            const QCoreApplication objApp(argc, argv);
            tralyx::InstallTranslations(tralyx::SystemUiLanguages());
            std::fputs(QCoreApplication::translate("tralyx", Help).toUtf8().constData(), stdout);
            return 0;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (const int intAnswered = AnswerInformationOptions(argc, argv); intAnswered >= 0) return intAnswered;
    QApplication objApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tralyx"));
    QApplication::setOrganizationName(QStringLiteral("Tralyx"));
    QApplication::setDesktopFileName(QStringLiteral("org.tralyx.Tralyx"));
    QApplication::setWindowIcon(tralyx::ApplicationIcon());
    tralyx::InstallTranslations(tralyx::SystemUiLanguages());

    tralyx::frmMain frmMainWindow;
    const QPointer<QWidget> objMain = &frmMainWindow;
    // Boxes and dialogs belong to the window the user is looking at (a modal dialog over the main
    // window when one is open), so they open centred over it.
    tralyx::clsQtDesktop objDesktop([objMain]() -> QWidget* {
        if (QWidget* pobjModal = QApplication::activeModalWidget()) return pobjModal;
        if (QWidget* pobjActive = QApplication::activeWindow()) return pobjActive;
        return objMain.data();
    });
    objDesktop.SetFolderChooser(&tralyx::frmFolderSelector::Choose);
    tralyx::InstallDesktop(&objDesktop);

    frmMainWindow.show();
    // tralyx [--source DIR] FILE...: DIR is the source-language folder of the files opened; after
    // the first "--" every argument is a file. argv is what is left after Qt took its own options; a
    // name whose bytes do not survive the way into Qt is named, not opened.
    QStringList strFiles, strNotValid;
    bool booOptionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const QString strArgument = QFile::decodeName(argv[i]);
        if (!booOptionsEnded && strArgument == QLatin1String("--"))
            booOptionsEnded = true;
        else if (!booOptionsEnded && strArgument == QLatin1String("--source") && i + 1 < argc)
            frmMainWindow.SetSourceFolder(QFileInfo(QFile::decodeName(argv[++i])).absoluteFilePath());
        else if (!booOptionsEnded && strArgument.startsWith(QLatin1String("--source=")))
            frmMainWindow.SetSourceFolder(QFileInfo(strArgument.mid(9)).absoluteFilePath());
        else
            (QFile::encodeName(strArgument) == argv[i] ? strFiles : strNotValid).append(QFileInfo(strArgument).absoluteFilePath());
    }
    frmMainWindow.OpenFiles(strFiles, strNotValid);

    const int intResult = QApplication::exec();
    tralyx::InstallDesktop(nullptr);
    return intResult;
}
