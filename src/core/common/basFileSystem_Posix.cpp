// The file system on Linux's own calls: non-blocking opens with a file-type check, unnamed
// temporary files, no-replace commits, the owner and mode of a replaced file.
#include "common/basFileSystem.h"
#include "common/basFileSystemShared.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace tralyx::fs {

namespace {

QByteArray Native(const QString& pstrPath) { return QFile::encodeName(pstrPath); }
// A path of Qt's resources, which the system's calls cannot see.
bool IsResource(const QString& pstrPath) { return pstrPath.startsWith(u':'); }
QString SystemReason(int plngError) { return QString::fromLocal8Bit(std::strerror(plngError)); }

QString OtherKindReason(const QString& pstrPath, mode_t plngMode)
{
    const char* strKind = S_ISFIFO(plngMode)   ? "a FIFO"
                          : S_ISCHR(plngMode)  ? "a character device"
                          : S_ISBLK(plngMode)  ? "a block device"
                          : S_ISSOCK(plngMode) ? "a socket"
                                               : "of an unknown type";
    return QCoreApplication::translate("basFileSystem_Posix", "%1 is not a regular file (it is %2)").arg(pstrPath, QLatin1StringView(strKind));
}

// For a path that failed with ENOTDIR: which part of it is a file where a folder should be.
QString FileOnTheWayReason(const QString& pstrPath)
{
    for (QString strPart = QFileInfo(pstrPath).path(); strPart != u"." && strPart != u"/";) {
        struct stat udtStat;
        if (stat(Native(strPart).constData(), &udtStat) == 0 && !S_ISDIR(udtStat.st_mode))
            return QCoreApplication::translate("basFileSystem_Posix", "%1 is a file, not a folder, so %2 cannot exist").arg(strPart, pstrPath);
        const QString strUp = QFileInfo(strPart).path();
        if (strUp == strPart) break;
        strPart = strUp;
    }
    return QCoreApplication::translate("basFileSystem_Posix", "%1: a part of the path is not a folder").arg(pstrPath);
}

// The reason for a failed stat/open of pstrPath, by errno.
QString PathErrorReason(const QString& pstrPath, int plngError, const char* pstrDoing)
{
    switch (plngError) {
    case ENOENT: return MissingReason(pstrPath);
    case ELOOP: return LoopReason(pstrPath);
    case ENOTDIR: return FileOnTheWayReason(pstrPath);
    default: return QStringLiteral("cannot %1 %2: %3").arg(QLatin1StringView(pstrDoing), pstrPath, SystemReason(plngError));
    }
}

// Follows a chain of symlinks to the path that a write replaces. A dangling link names a file to
// create; a loop fails.
bool FollowLinks(const QString& pstrPath, QString& pstrTarget, QString& pstrReason)
{
    QString strPath = pstrPath;
    for (int i = 0; i < 40; ++i) {
        struct stat udtStat;
        const QByteArray bytPath = Native(strPath);
        if (lstat(bytPath.constData(), &udtStat) != 0 || !S_ISLNK(udtStat.st_mode)) {
            pstrTarget = strPath;
            return true;
        }
        char strLink[PATH_MAX];
        const ssize_t lngSize = readlink(bytPath.constData(), strLink, sizeof strLink);
        if (lngSize < 0) {
            pstrTarget = strPath;
            return true;
        }
        const QString strLinked = QFile::decodeName(QByteArray(strLink, lngSize));
        strPath = strLinked.startsWith(u'/') ? strLinked : QFileInfo(strPath).path() + u'/' + strLinked;
    }
    pstrReason = LoopReason(pstrPath);
    return false;
}

// Closes the descriptor and removes the named temporary file unless it was committed.
struct udtTempFile {
    int Handle = -1;
    QByteArray Name;  // empty for an unnamed (O_TMPFILE) file
    ~udtTempFile()
    {
        if (Handle >= 0) close(Handle);
        if (!Name.isEmpty()) unlink(Name.constData());
    }
};

// A name beside the file that nothing uses yet: ".core.lrc.tralyx-1a2b3c4d".
QByteArray TempNameBeside(const QByteArray& pbytFolder, const QString& pstrFileName)
{
    return pbytFolder + "/." + Native(pstrFileName) + ".tralyx-" +
           QByteArray::number(QRandomGenerator::global()->generate(), 16);
}

// Opens a new file in the folder: unnamed where the file system allows, so that a killed writer
// leaves nothing behind; created with mode 0666 less the umask, as any new file.
bool OpenTemp(const QByteArray& pbytFolder, const QString& pstrFileName, udtTempFile& pudtTemp, int& plngError)
{
#ifdef O_TMPFILE
    // Linking it into place goes through /proc; without /proc a named file is used instead.
    if (access("/proc/self/fd", X_OK) == 0) {
        pudtTemp.Handle = open(pbytFolder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (pudtTemp.Handle >= 0) return true;
    }
#endif
    for (int i = 0; i < 100; ++i) {
        const QByteArray bytName = TempNameBeside(pbytFolder, pstrFileName);
        pudtTemp.Handle = open(bytName.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (pudtTemp.Handle >= 0) {
            pudtTemp.Name = bytName;
            return true;
        }
        if (errno != EEXIST) break;
    }
    plngError = errno;
    return false;
}

bool WriteAll(int plngHandle, const QByteArray& pbytContent, int& plngError)
{
    const char* pbytNext = pbytContent.constData();
    qint64 lngLeft = pbytContent.size();
    while (lngLeft > 0) {
        const ssize_t lngDone = write(plngHandle, pbytNext, static_cast<size_t>(std::min<qint64>(lngLeft, 1 << 30)));
        if (lngDone < 0) {
            if (errno == EINTR) continue;
            plngError = errno;
            return false;
        }
        pbytNext += lngDone;
        lngLeft -= lngDone;
    }
    // Where the disk fills only at the flush, this is where it shows. EINVAL: syncing unsupported.
    if (fsync(plngHandle) != 0 && errno != EINVAL) {
        plngError = errno;
        return false;
    }
    return true;
}

// The new name is an entry of the folder: until the folder itself reaches the disk, a crash may
// leave the old file (or none) under it. Not every file system can sync a folder; the file is in
// place either way, so a failure here is not the save's.
void SyncFolder(const QByteArray& pbytFolder)
{
    const int lngHandle = open(pbytFolder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lngHandle < 0) return;
    fsync(lngHandle);
    close(lngHandle);
}

// Puts the written file in place at pbytTarget. Returns 0 or the errno of the failure.
int Commit(udtTempFile& pudtTemp, const QByteArray& pbytFolder, const QString& pstrFileName, const QByteArray& pbytTarget,
           bool pbooMayReplace)
{
    if (pudtTemp.Name.isEmpty()) {  // unnamed: give it a name by linking it
        const QByteArray bytSelf = "/proc/self/fd/" + QByteArray::number(pudtTemp.Handle);
        if (!pbooMayReplace)
            return linkat(AT_FDCWD, bytSelf.constData(), AT_FDCWD, pbytTarget.constData(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
        for (int i = 0; i < 100 && pudtTemp.Name.isEmpty(); ++i) {
            const QByteArray bytName = TempNameBeside(pbytFolder, pstrFileName);
            if (linkat(AT_FDCWD, bytSelf.constData(), AT_FDCWD, bytName.constData(), AT_SYMLINK_FOLLOW) == 0)
                pudtTemp.Name = bytName;
            else if (errno != EEXIST)
                return errno;
        }
        if (pudtTemp.Name.isEmpty()) return EEXIST;
    }
    if (pbooMayReplace) {
        if (rename(pudtTemp.Name.constData(), pbytTarget.constData()) != 0) return errno;
        pudtTemp.Name.clear();
        return 0;
    }
#ifdef RENAME_NOREPLACE
    if (renameat2(AT_FDCWD, pudtTemp.Name.constData(), AT_FDCWD, pbytTarget.constData(), RENAME_NOREPLACE) == 0) {
        pudtTemp.Name.clear();
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
#endif
    // A hard link fails when the name exists, as atomically; the temporary name then goes.
    if (link(pudtTemp.Name.constData(), pbytTarget.constData()) == 0) return 0;
    if (errno != EPERM && errno != ENOTSUP) return errno;
    // A file system with neither: the check and the rename are two steps here.
    struct stat udtStat;
    if (lstat(pbytTarget.constData(), &udtStat) == 0) return EEXIST;
    if (rename(pudtTemp.Name.constData(), pbytTarget.constData()) != 0) return errno;
    pudtTemp.Name.clear();
    return 0;
}

}  // namespace

bool PortableFileSystem() { return false; }

bool SameFile(const QString& pstrOne, const QString& pstrOther)
{
    if (IsResource(pstrOne) || IsResource(pstrOther))
        return QDir::cleanPath(pstrOne) == QDir::cleanPath(pstrOther) && QFileInfo::exists(pstrOne);
    struct stat udtOne, udtOther;
    return stat(Native(pstrOne).constData(), &udtOne) == 0 && stat(Native(pstrOther).constData(), &udtOther) == 0 &&
           udtOne.st_dev == udtOther.st_dev && udtOne.st_ino == udtOther.st_ino;
}

QByteArray FileIdentity(const QString& pstrPath)
{
    if (IsResource(pstrPath)) return QtFileIdentity(pstrPath);
    struct stat udtStat;
    if (stat(Native(pstrPath).constData(), &udtStat) != 0) return {};
    const qint64 lngParts[] = {qint64(udtStat.st_dev), qint64(udtStat.st_ino),        qint64(udtStat.st_size),
                               qint64(udtStat.st_mtim.tv_sec), qint64(udtStat.st_mtim.tv_nsec), qint64(udtStat.st_ctim.tv_sec),
                               qint64(udtStat.st_ctim.tv_nsec)};
    return QByteArray(reinterpret_cast<const char*>(lngParts), sizeof(lngParts));
}

enuPathKind KindOfPath(const QString& pstrPath, QString* pstrReason)
{
    if (IsResource(pstrPath)) return QtKindOfPath(pstrPath, pstrReason);
    QString strReason;
    enuPathKind enuKind;
    struct stat udtStat;
    if (stat(Native(pstrPath).constData(), &udtStat) == 0) {
        enuKind = S_ISREG(udtStat.st_mode) ? enuPathKind::Regular : S_ISDIR(udtStat.st_mode) ? enuPathKind::Folder : enuPathKind::Other;
        if (enuKind == enuPathKind::Other) strReason = OtherKindReason(pstrPath, udtStat.st_mode);
    } else if (errno == ENOENT) {
        enuKind = enuPathKind::Missing;
    } else {
        enuKind = enuPathKind::Unreachable;
        strReason = PathErrorReason(pstrPath, errno, "reach");
    }
    if (pstrReason) *pstrReason = strReason;
    return enuKind;
}

bool ReadRegularFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason)
{
    if (IsResource(pstrFileName)) return QtReadFile(pstrFileName, pbytContent, pstrReason);
    if (!IsReadable(pstrFileName, pstrReason)) return false;
    // Non-blocking, in case it was swapped for a FIFO since: the check below then fails at once.
    const int lngHandle = open(Native(pstrFileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (lngHandle < 0) {
        pstrReason = PathErrorReason(pstrFileName, errno, "open");
        return false;
    }
    struct udtCloser {
        int Handle;
        ~udtCloser() { close(Handle); }
    } objCloser{lngHandle};
    struct stat udtStat;
    if (fstat(lngHandle, &udtStat) != 0) {
        pstrReason = QCoreApplication::translate("basFileSystem_Posix", "cannot read %1: %2").arg(pstrFileName, SystemReason(errno));
        return false;
    }
    if (!S_ISREG(udtStat.st_mode)) {
        pstrReason = OtherKindReason(pstrFileName, udtStat.st_mode);
        return false;
    }
    if (udtStat.st_size > MaxFileSize) {
        pstrReason = TooLargeReason(pstrFileName, udtStat.st_size);
        return false;
    }
    try {
        // One byte more than the size, so that the end shows in one read; files that report no size
        // (as in /proc) or grow while read are read on until their end.
        QByteArray bytContent(static_cast<qsizetype>(udtStat.st_size) + 1, Qt::Uninitialized);
        qint64 lngHave = 0;
        for (;;) {
            if (lngHave == bytContent.size())
                bytContent.resize(static_cast<qsizetype>(std::min(std::max<qint64>(lngHave * 2, 65536), MaxFileSize + 1)));
            const ssize_t lngRead = read(lngHandle, bytContent.data() + lngHave, static_cast<size_t>(bytContent.size() - lngHave));
            if (lngRead < 0) {
                if (errno == EINTR) continue;
                pstrReason = QCoreApplication::translate("basFileSystem_Posix", "cannot read %1: %2").arg(pstrFileName, SystemReason(errno));
                return false;
            }
            if (lngRead == 0) break;
            lngHave += lngRead;
            if (lngHave > MaxFileSize) {
                pstrReason = TooLargeReason(pstrFileName, lngHave);
                return false;
            }
        }
        bytContent.truncate(static_cast<qsizetype>(lngHave));
        pbytContent = std::move(bytContent);
    } catch (const std::bad_alloc&) {
        pstrReason = OutOfMemoryReason(pstrFileName);
        return false;
    }
    return true;
}

bool WriteAtomically(const QString& pstrFileName, const QByteArray& pbytContent, bool pbooMayReplace, QString& pstrReason,
                     const QByteArray* pbytUnchanged)
{
    if (pstrFileName.isEmpty()) {
        pstrReason = QCoreApplication::translate("basFileSystem_Posix", "no file name given");
        return false;
    }
    // A symlink at the name, even a dangling one, is something that stands there: followed without
    // leave, it would make a file wherever it points.
    struct stat udtName;
    if (!pbooMayReplace && lstat(Native(pstrFileName).constData(), &udtName) == 0) {
        pstrReason = AppearedReason(pstrFileName);
        return false;
    }
    QString strTarget;
    if (!FollowLinks(pstrFileName, strTarget, pstrReason)) return false;
    const QByteArray bytTarget = Native(strTarget);

    struct stat udtOld;
    const bool booHasOld = lstat(bytTarget.constData(), &udtOld) == 0;
    if (booHasOld && S_ISDIR(udtOld.st_mode)) {
        pstrReason = FolderReason(pstrFileName);
        return false;
    }
    if (booHasOld && !S_ISREG(udtOld.st_mode)) {
        pstrReason = OtherKindReason(pstrFileName, udtOld.st_mode) + QCoreApplication::translate("basFileSystem_Posix", "; not replaced");
        return false;
    }
    if (!booHasOld && errno != ENOENT) {
        pstrReason = errno == ENOTDIR ? FileOnTheWayReason(pstrFileName)
                                      : QCoreApplication::translate("basFileSystem_Posix", "cannot write %1: %2").arg(pstrFileName, SystemReason(errno));
        return false;
    }
    const QFileInfo objTarget(strTarget);
    const QByteArray bytFolder = Native(objTarget.path());
    struct stat udtFolder;
    if (stat(bytFolder.constData(), &udtFolder) != 0) {
        pstrReason = errno == ENOENT ? QCoreApplication::translate("basFileSystem_Posix", "the folder %1 does not exist").arg(objTarget.absolutePath())
                     : errno == ENOTDIR ? FileOnTheWayReason(strTarget)
                                        : QCoreApplication::translate("basFileSystem_Posix", "cannot write %1: %2").arg(pstrFileName, SystemReason(errno));
        return false;
    }
    if (!S_ISDIR(udtFolder.st_mode)) {
        pstrReason = FileOnTheWayReason(strTarget);
        return false;
    }

    udtTempFile udtTemp;
    int lngError = 0;
    if (!OpenTemp(bytFolder, objTarget.fileName(), udtTemp, lngError)) {
        pstrReason = QCoreApplication::translate("basFileSystem_Posix", "cannot create %1: %2").arg(pstrFileName, SystemReason(lngError));
        return false;
    }
    if (booHasOld) {
        // The owner first: changing it clears the set-id bits that the mode then restores. Only root
        // may give a file away; a member of the file's group may still keep the group.
        if ((udtOld.st_uid != geteuid() || udtOld.st_gid != getegid()) &&
            fchown(udtTemp.Handle, udtOld.st_uid, udtOld.st_gid) != 0)
            (void)!fchown(udtTemp.Handle, static_cast<uid_t>(-1), udtOld.st_gid);
        fchmod(udtTemp.Handle, udtOld.st_mode & 07777);
    }
    if (!WriteAll(udtTemp.Handle, pbytContent, lngError)) {
        pstrReason = QCoreApplication::translate("basFileSystem_Posix", "cannot write %1: %2").arg(pstrFileName, SystemReason(lngError));
        return false;
    }
    if (booHasOld && !StillUnchanged(strTarget, pbytUnchanged, pstrReason)) return false;
    // The rename needs only the folder's leave; replacing a file also needs the file's own, as an
    // editor asks for it (root has it anyway).
    if (booHasOld && faccessat(AT_FDCWD, bytTarget.constData(), W_OK, AT_EACCESS) != 0) {
        pstrReason = QCoreApplication::translate("basFileSystem_Posix", "cannot write %1: %2").arg(pstrFileName, SystemReason(errno));
        return false;
    }
    lngError = Commit(udtTemp, bytFolder, objTarget.fileName(), bytTarget, pbooMayReplace);
    if (lngError == EEXIST) {
        pstrReason = AppearedReason(pstrFileName);
        return false;
    }
    if (lngError != 0) {
        pstrReason = QCoreApplication::translate("basFileSystem_Posix", "cannot write %1: %2").arg(pstrFileName, SystemReason(lngError));
        return false;
    }
    SyncFolder(bytFolder);
    return true;
}

}  // namespace tralyx::fs
