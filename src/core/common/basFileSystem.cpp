#include "common/basFileSystem.h"
#include "common/basFileSystemShared.h"

#include <QFileInfo>

namespace tralyx::fs {

QString MissingReason(const QString& pstrPath) { return QStringLiteral("%1 does not exist").arg(pstrPath); }
QString FolderReason(const QString& pstrPath) { return QStringLiteral("%1 is a folder, not a file").arg(pstrPath); }
QString TooLargeReason(const QString& pstrPath, qint64 plngSize)
{
    return QStringLiteral("%1 is larger than %2 MiB (%3 bytes), too large for a language file")
        .arg(pstrPath, QString::number(MaxFileSize / (1024 * 1024)), QString::number(plngSize));
}
QString AppearedReason(const QString& pstrPath)
{
    return QStringLiteral("%1 appeared while it was being written; not replaced").arg(pstrPath);
}
QString OutOfMemoryReason(const QString& pstrPath) { return QStringLiteral("not enough memory to read %1").arg(pstrPath); }
QString LoopReason(const QString& pstrPath)
{
    return QStringLiteral("%1: too many levels of symbolic links (is there a symlink loop?)").arg(pstrPath);
}

QString ChangedReason(const QString& pstrPath)
{
    return QStringLiteral("%1 changed since it was read; nothing was written (run again)").arg(pstrPath);
}

QString MissingOrDanglingReason(const QString& pstrPath)
{
    const QFileInfo objInfo(pstrPath);
    return objInfo.isSymLink() ? QStringLiteral("%1 is a symlink to %2, which does not exist").arg(pstrPath, objInfo.symLinkTarget())
                               : MissingReason(pstrPath);
}

bool IsReadable(const QString& pstrPath, QString& pstrReason)
{
    switch (KindOfPath(pstrPath, &pstrReason)) {
    case enuPathKind::Regular: return true;
    case enuPathKind::Missing: pstrReason = MissingOrDanglingReason(pstrPath); return false;
    case enuPathKind::Folder: pstrReason = FolderReason(pstrPath); return false;
    default: return false;
    }
}

bool StillUnchanged(const QString& pstrPath, const QByteArray* pbytUnchanged, QString& pstrReason)
{
    if (!pbytUnchanged) return true;
    QByteArray bytNow;
    QString strIgnored;
    if (ReadRegularFile(pstrPath, bytNow, strIgnored) && bytNow == *pbytUnchanged) return true;
    pstrReason = ChangedReason(pstrPath);
    return false;
}

bool FileNameFaithful(const QString& pstrPath) { return !pstrPath.contains(QChar::ReplacementCharacter) || NameTaken(pstrPath); }

bool NameTaken(const QString& pstrPath)
{
    const QFileInfo objInfo(pstrPath);
    return objInfo.exists() || objInfo.isSymLink();
}

}  // namespace tralyx::fs
