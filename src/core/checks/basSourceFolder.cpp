#include "checks/basSourceFolder.h"

#include <QDir>
#include <QFileInfo>

namespace tralyx {

QString FindSourceFolder(const QString& pstrFolder)
{
    const QFileInfo objFolder(QDir::cleanPath(QDir(pstrFolder).absolutePath()));  // "German/" too
    const QDir objParent = objFolder.absoluteDir();
    const QString strSelf = objFolder.canonicalFilePath();
    const QStringList strSiblings = objParent.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& strName : strSiblings) {
        if (strName.compare(QLatin1StringView("English"), Qt::CaseInsensitive) != 0) continue;
        const QString strPath = objParent.filePath(strName);
        if (QFileInfo(strPath).canonicalFilePath() != strSelf) return strPath;
    }
    return QString();
}

}  // namespace tralyx
