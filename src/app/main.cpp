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
    const QStringList strArguments = QApplication::arguments().mid(1);
    for (const QString& strArgument : strArguments) frmMainWindow.OpenFile(QFileInfo(strArgument).absoluteFilePath());

    const int intResult = QApplication::exec();
    tralyx::InstallDesktop(nullptr);
    return intResult;
}
