#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tralyx::test {

QString clsTempDir::Write(const QString& pstrName, const QByteArray& pbytContent) const
{
    const QString strPath = Path(pstrName);
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    QFile objFile(strPath);
    if (objFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) objFile.write(pbytContent);
    return strPath;
}

QByteArray clsTempDir::Read(const QString& pstrPath)
{
    QFile objFile(pstrPath);
    return objFile.open(QIODevice::ReadOnly) ? objFile.readAll() : QByteArray();
}

}  // namespace tralyx::test
