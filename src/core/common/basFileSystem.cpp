#include "common/basFileSystem.h"
#include "common/basFileSystemShared.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <new>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#endif
namespace tralyx::fs {

QString MissingReason(const QString& pstrPath) { return QCoreApplication::translate("basFileSystem", "%1 does not exist").arg(pstrPath); }
QString FolderReason(const QString& pstrPath) { return QCoreApplication::translate("basFileSystem", "%1 is a folder, not a file").arg(pstrPath); }
QString TooLargeReason(const QString& pstrPath, qint64 plngSize)
{
    return QCoreApplication::translate("basFileSystem", "%1 is larger than %2 MiB (%3 bytes), too large for a language file")
        .arg(pstrPath, QString::number(MaxFileSize / (1024 * 1024)), QString::number(plngSize));
}
QString AppearedReason(const QString& pstrPath)
{
    return QCoreApplication::translate("basFileSystem", "%1 appeared while it was being written; not replaced").arg(pstrPath);
}
QString OutOfMemoryReason(const QString& pstrPath) { return QCoreApplication::translate("basFileSystem", "not enough memory to read %1").arg(pstrPath); }
QString LoopReason(const QString& pstrPath)
{
    return QCoreApplication::translate("basFileSystem", "%1: too many levels of symbolic links (is there a symlink loop?)").arg(pstrPath);
}

QString ChangedReason(const QString& pstrPath)
{
    return QCoreApplication::translate("basFileSystem", "%1 changed since it was read; nothing was written (run again)").arg(pstrPath);
}

QString MissingOrDanglingReason(const QString& pstrPath)
{
    const QFileInfo objInfo(pstrPath);
    return objInfo.isSymLink() ? QCoreApplication::translate("basFileSystem", "%1 is a symlink to %2, which does not exist").arg(pstrPath, objInfo.symLinkTarget())
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

enuPathKind QtKindOfPath(const QString& pstrPath, QString* pstrReason)
{
    const QFileInfo objInfo(pstrPath);
    QString strReason;
    enuPathKind enuKind = enuPathKind::Missing;
    if (objInfo.isDir()) {
        enuKind = enuPathKind::Folder;
    } else if (objInfo.isFile()) {
        enuKind = enuPathKind::Regular;
    } else if (objInfo.exists()) {
        enuKind = enuPathKind::Other;
        strReason = QCoreApplication::translate("basFileSystem", "%1 is not a regular file").arg(pstrPath);
    } else if (objInfo.isSymLink()) {
        // Dangling, or a loop, which Qt does not tell apart: a chain that does not end is a loop.
        QFileInfo objLink = objInfo;
        for (int i = 0; i < 40 && objLink.isSymLink(); ++i) objLink.setFile(objLink.symLinkTarget());
        if (objLink.isSymLink()) {
            enuKind = enuPathKind::Unreachable;
            strReason = LoopReason(pstrPath);
        }
    }
    if (pstrReason) *pstrReason = strReason;
    return enuKind;
}

bool QtReadFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason)
{
    if (!IsReadable(pstrFileName, pstrReason)) return false;
    QFile objFile(pstrFileName);
    if (!objFile.open(QIODevice::ReadOnly)) {  // never Text mode: it would delete lone CRs
        pstrReason = QCoreApplication::translate("basFileSystem", "cannot open %1: %2").arg(pstrFileName, objFile.errorString());
        return false;
    }
    if (objFile.size() > MaxFileSize) {
        pstrReason = TooLargeReason(pstrFileName, objFile.size());
        return false;
    }
    try {
        pbytContent = objFile.readAll();
    } catch (const std::bad_alloc&) {
        pstrReason = OutOfMemoryReason(pstrFileName);
        return false;
    }
    if (objFile.error() != QFileDevice::NoError) {
        pstrReason = QCoreApplication::translate("basFileSystem", "cannot read %1: %2").arg(pstrFileName, objFile.errorString());
        return false;
    }
    return true;
}

QByteArray QtFileIdentity(const QString& pstrPath)
{
    const QFileInfo objInfo(pstrPath);
    if (!objInfo.exists()) return {};
    const qint64 lngParts[] = {objInfo.size(), objInfo.lastModified().toMSecsSinceEpoch(),
                               objInfo.metadataChangeTime().toMSecsSinceEpoch()};
    return QByteArray(reinterpret_cast<const char*>(lngParts), sizeof(lngParts));
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

bool MakeFolder(const QString& pstrFolder, QString& pstrReason)
{
    if (QDir().mkpath(pstrFolder)) return true;
    // mkpath gives no reason: make the first missing part again, alone, to learn it.
    QString strMissing = QDir::cleanPath(QFileInfo(pstrFolder).absoluteFilePath());
    for (QString strUp = QFileInfo(strMissing).path(); strUp != strMissing && !QFileInfo::exists(strUp); strUp = QFileInfo(strMissing).path())
        strMissing = strUp;
    QString strWhy;
#ifdef Q_OS_UNIX
    if (mkdir(QFile::encodeName(strMissing).constData(), 0777) == 0) {
        if (QDir().mkpath(pstrFolder)) return true;  // made by another meanwhile
    } else {
        strWhy = QString::fromLocal8Bit(std::strerror(errno));
    }
#else
    if (!QFileInfo(QFileInfo(strMissing).path()).isWritable()) strWhy = QCoreApplication::translate("basFileSystem", "no permission to write in its parent");
#endif
    pstrReason = QCoreApplication::translate("basFileSystem", "the folder %1 could not be created").arg(pstrFolder);
    if (!strWhy.isEmpty())
        pstrReason += strMissing == QDir::cleanPath(QFileInfo(pstrFolder).absoluteFilePath()) ? QStringLiteral(": ") + strWhy
                                                                                                : QStringLiteral(" (%1: %2)").arg(strMissing, strWhy);
    return false;
}

}  // namespace tralyx::fs
