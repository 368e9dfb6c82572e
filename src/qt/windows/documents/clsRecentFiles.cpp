#include "windows/documents/clsRecentFiles.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

namespace tralyx {
namespace {

const QString KeyPaths = QStringLiteral("RecentFiles/Paths");
const QString KeyCodePages = QStringLiteral("RecentFiles/CodePages");
constexpr qsizetype MaxRecentFiles = 8;

}  // namespace

clsRecentFiles::clsRecentFiles(QMenu* pobjMenu, QAction* pobjBefore) : QObject(pobjMenu), mnuFile(pobjMenu)
{
    mnuFileBarRecent = new QAction(pobjMenu);
    mnuFileBarRecent->setSeparator(true);
    mnuFileBarRecent->setObjectName(QStringLiteral("mnuFileBarRecent"));
    mnuFile->insertAction(pobjBefore, mnuFileBarRecent);
    ShowList();
}

void clsRecentFiles::Add(const QString& pstrPath, const QString& pstrCodePage)
{
    QSettings objSettings;
    QStringList strPaths = objSettings.value(KeyPaths).toStringList();
    QStringList strCodePages = objSettings.value(KeyCodePages).toStringList();
    strCodePages.resize(strPaths.size());
    const qsizetype lngAt = strPaths.indexOf(pstrPath);
    if (lngAt >= 0) {
        strPaths.removeAt(lngAt);
        strCodePages.removeAt(lngAt);
    }
    strPaths.prepend(pstrPath);
    strCodePages.prepend(pstrCodePage);
    objSettings.setValue(KeyPaths, strPaths.mid(0, MaxRecentFiles));
    objSettings.setValue(KeyCodePages, strCodePages.mid(0, MaxRecentFiles));
    ShowList();
}

QList<QPair<QString, QString>> clsRecentFiles::Entries()
{
    const QSettings objSettings;
    const QStringList strPaths = objSettings.value(KeyPaths).toStringList().mid(0, MaxRecentFiles);
    QStringList strCodePages = objSettings.value(KeyCodePages).toStringList();
    strCodePages.resize(strPaths.size());
    QList<QPair<QString, QString>> udtOut;
    for (qsizetype i = 0; i < strPaths.size(); ++i) udtOut.append({strPaths[i], strCodePages[i]});
    return udtOut;
}

void clsRecentFiles::ShowList()
{
    // Later, not now: the entry that was chosen may be the one asking for this update.
    for (QAction* pobjItem : std::as_const(mobjItems)) {
        mnuFile->removeAction(pobjItem);
        pobjItem->deleteLater();
    }
    mobjItems.clear();
    const QList<QPair<QString, QString>> udtEntries = Entries();
    for (qsizetype i = 0; i < udtEntries.size(); ++i) {
        const auto& [strPath, strCodePage] = udtEntries[i];
        const QString strCaption = QStringLiteral("&%1 %2").arg(i + 1).arg(QString(strPath).replace(u'&', QStringLiteral("&&")));
        auto* pobjItem = new QAction(strCaption, mnuFile);
        pobjItem->setObjectName(QStringLiteral("mnuRecentFile%1").arg(i + 1));
        pobjItem->setToolTip(tr("Opens in %1").arg(strCodePage));
        mnuFile->insertAction(mnuFileBarRecent, pobjItem);
        connect(pobjItem, &QAction::triggered, this, [this, strPath, strCodePage] { emit Chosen(strPath, strCodePage); });
        mobjItems.append(pobjItem);
    }
    mnuFileBarRecent->setVisible(!udtEntries.isEmpty());
}

}  // namespace tralyx
