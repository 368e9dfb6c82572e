#include "store/basSourceFolder.h"

#include "common/basFileSystem.h"

#include <QDir>
#include <QFileInfo>

namespace tralyx {

QString DefaultSourceFolder(const QString& pstrFolder)
{
    const QDir objParent(QDir::cleanPath(pstrFolder + QStringLiteral("/..")));
    const QString strSelf = QFileInfo(pstrFolder).canonicalFilePath();
    for (const QString& strName : objParent.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (strName.compare(QLatin1StringView("English"), Qt::CaseInsensitive) != 0) continue;
        const QString strCandidate = QDir::cleanPath(objParent.path() + u'/' + strName);
        if (QFileInfo(strCandidate).canonicalFilePath() != strSelf) return strCandidate;
    }
    return QString();
}

QString FindSourceFolder(const QString& pstrFolder)
{
    return DefaultSourceFolder(QDir::cleanPath(QDir(pstrFolder).absolutePath()));
}

QString SourceFolderOfLoad(const QString& pstrFolder, const QString& pstrGiven)
{
    const QString strSource = pstrGiven.isEmpty() ? DefaultSourceFolder(pstrFolder) : pstrGiven;
    return !strSource.isEmpty() && fs::SameFile(strSource, pstrFolder) ? QString() : strSource;
}

}  // namespace tralyx
