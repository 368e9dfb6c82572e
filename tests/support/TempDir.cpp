#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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

QByteArray clsTempDir::ReadState(const QString& pstrPath)
{
    static const QRegularExpression objStamp(QStringLiteral(", \"for\": \"[0-9a-f]*:[0-9a-f]+\""));
    return QString::fromUtf8(Read(pstrPath)).remove(objStamp).toUtf8();
}

}  // namespace tralyx::test
