// Starts the editor: the application, the desktop seam bound to Qt, the main window, and the files
// named on the command line (as a file manager's "Open with" passes them).
#include "QtDesktop.h"
#include "basIcons.h"
#include "frmFolderSelector.h"
#include "frmMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>

int main(int argc, char** argv)
{
    QApplication objApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tralyx"));
    QApplication::setOrganizationName(QStringLiteral("Tralyx"));
    QApplication::setDesktopFileName(QStringLiteral("tralyx"));
    QApplication::setWindowIcon(tralyx::ApplicationIcon());

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
    // tralyx [--source DIR] FILE...: DIR is the source-language folder of the files opened.
    const QStringList strArguments = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < strArguments.size(); ++i) {
        const QString& strArgument = strArguments[i];
        if (strArgument == QLatin1String("--source") && i + 1 < strArguments.size())
            frmMainWindow.SetSourceFolder(QFileInfo(strArguments[++i]).absoluteFilePath());
        else if (strArgument.startsWith(QLatin1String("--source=")))
            frmMainWindow.SetSourceFolder(QFileInfo(strArgument.mid(9)).absoluteFilePath());
        else
            frmMainWindow.OpenFile(QFileInfo(strArgument).absoluteFilePath());
    }

    const int intResult = QApplication::exec();
    tralyx::InstallDesktop(nullptr);
    return intResult;
}
