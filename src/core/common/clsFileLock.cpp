#include "common/clsFileLock.h"

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <thread>

#if defined(__linux__) && !defined(TRALYX_PORTABLE_FS)
#define TRALYX_FLOCK 1
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tralyx {

clsFileLock& clsFileLock::operator=(clsFileLock&& pobjOther) noexcept
{
    if (this != &pobjOther) {
        Unlock();
        mlngHandle = pobjOther.mlngHandle;
        pobjOther.mlngHandle = -1;
    }
    return *this;
}

void clsFileLock::Unlock()
{
#ifdef TRALYX_FLOCK
    if (mlngHandle >= 0) close(mlngHandle);  // closing the only descriptor drops the lock
#endif
    mlngHandle = -1;
}

bool clsFileLock::Lock(const QString& pstrFileName, QString& pstrReason, int32_t plngWaitMs)
{
    return Take(pstrFileName, false, false, pstrReason, plngWaitMs);
}

bool clsFileLock::LockFolder(const QString& pstrFolder, QString& pstrReason, int32_t plngWaitMs)
{
    return Take(pstrFolder, true, false, pstrReason, plngWaitMs);
}

bool clsFileLock::ShareFolder(const QString& pstrFolder, QString& pstrReason, int32_t plngWaitMs)
{
    return Take(pstrFolder, true, true, pstrReason, plngWaitMs);
}

bool clsFileLock::Take(const QString& pstrFileName, bool pbooFolder, bool pbooShared, QString& pstrReason, int32_t plngWaitMs)
{
    Unlock();
#ifdef TRALYX_FLOCK
    using namespace std::chrono;
    const QByteArray bytPath = QFile::encodeName(pstrFileName);
    const auto tGiveUp = steady_clock::now() + milliseconds(plngWaitMs);
    for (;;) {
        // Judged before the open: opening a device can have effects of its own.
        struct stat udtNamed, udtLocked;
        if (stat(bytPath.constData(), &udtNamed) != 0 || !(pbooFolder ? S_ISDIR(udtNamed.st_mode) : S_ISREG(udtNamed.st_mode)))
            return true;
        const int lngHandle = open(bytPath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (lngHandle < 0) return true;
        int lngResult;
        while ((lngResult = flock(lngHandle, (pbooShared ? LOCK_SH : LOCK_EX) | LOCK_NB)) != 0 && errno == EWOULDBLOCK && steady_clock::now() < tGiveUp)
            std::this_thread::sleep_for(milliseconds(5));
        const int lngError = errno;
        if (lngResult != 0) {
            close(lngHandle);
            if (lngError != EWOULDBLOCK && lngError != EINTR) return true;  // no locks on this file system
            break;
        }
        // The holder before us may have put a new file in place: the lock must be on the file the
        // name names now.
        if (fstat(lngHandle, &udtLocked) == 0 && stat(bytPath.constData(), &udtNamed) == 0 &&
            udtNamed.st_dev == udtLocked.st_dev && udtNamed.st_ino == udtLocked.st_ino) {
            mlngHandle = lngHandle;
            return true;
        }
        close(lngHandle);
        if (steady_clock::now() >= tGiveUp) break;
    }
    pstrReason = QCoreApplication::translate("clsFileLock", "%1 is being changed by another program (an import, an update or a save holds its lock); "
                                "nothing was written (run again when it has finished)")
                     .arg(pstrFileName);
    return false;
#else
    (void)pstrFileName, (void)pbooFolder, (void)pbooShared, (void)pstrReason, (void)plngWaitMs;
    return true;
#endif
}

}  // namespace tralyx
