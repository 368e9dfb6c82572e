#include "windows/documents/basSourceFolders.h"

#include "common/basDesktop.h"
#include "store/basSourceFolder.h"

#include <QFileInfo>
#include <QSettings>

namespace tralyx {
namespace {

const QString KeySourceFolders = QStringLiteral("SourceFolders");  // translated folder -> source folder

}  // namespace

QString SourceFolderOf(const QString& pstrPath)
{
    const QString strFolder = QFileInfo(pstrPath).absolutePath();
    const QString strChosen = QSettings().value(KeySourceFolders).toMap().value(strFolder).toString();
    return strChosen.isEmpty() ? DefaultSourceFolder(strFolder) : strChosen;
}

QString ChooseSourceFolder(const QString& pstrPath, const QString& pstrCurrent)
{
    const QString strFolder = QFileInfo(pstrPath).absolutePath();
    QString strChosen;
    if (!Desktop().ChooseFolder(pstrCurrent.isEmpty() ? strFolder : pstrCurrent, strChosen)) return QString();
    // Remembered for the translated folder: its other files, and the next start, use it too.
    RememberSourceFolder(strFolder, strChosen);
    return strChosen;
}

void RememberSourceFolder(const QString& pstrFolder, const QString& pstrSource)
{
    QSettings objSettings;
    QVariantMap objFolders = objSettings.value(KeySourceFolders).toMap();
    objFolders.insert(QFileInfo(pstrFolder).absoluteFilePath(), pstrSource);
    objSettings.setValue(KeySourceFolders, objFolders);
}

}  // namespace tralyx
