#pragma once
// The last files opened, listed in the File menu and remembered between runs (QSettings), each with
// the code page it was read in.
#include <QList>
#include <QObject>
#include <QPair>

class QAction;
class QMenu;

namespace tralyx {

class clsRecentFiles : public QObject {
    Q_OBJECT
public:
    // Lists them in pobjMenu above pobjBefore, with a separator of their own below them.
    clsRecentFiles(QMenu* pobjMenu, QAction* pobjBefore);

    void Add(const QString& pstrPath, const QString& pstrCodePage);  // first in the list
    // The list, newest first: each path with the code page it was read with.
    static QList<QPair<QString, QString>> Entries();

signals:
    void Chosen(const QString& pstrPath, const QString& pstrCodePage);

private:
    void ShowList();

    QMenu* mnuFile;
    QAction* mnuFileBarRecent;
    QList<QAction*> mobjItems;
};

}  // namespace tralyx
