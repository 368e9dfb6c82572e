#pragma once
// The lock that every read-modify-write of a language file holds, from its read (or its check that
// the file is still what it read) to its commit: tralyx-lrc's import and update and the editor's
// Save. A second writer waits for it instead of writing over the first one's change.
//
// It is an advisory flock on the file itself, not a lock file beside it: nothing is left behind in
// a language folder, and the system drops the lock of a process that dies. A save replaces the file
// with a new one, so a waiter that gets the lock checks that the name still names the file it
// locked, and otherwise locks the new one. Where the file system has no locks (an NFS mount without
// them) the writers go on without one; the check right before each commit that the file is still
// what was read (fs::WriteAtomically) remains. The portable build takes none.
#include <QString>
#include <cstdint>

namespace tralyx {

class clsFileLock {
public:
    static constexpr int32_t DefaultWaitMs = 10000;

    clsFileLock() = default;
    ~clsFileLock() { Unlock(); }
    clsFileLock(clsFileLock&& pobjOther) noexcept : mlngHandle(pobjOther.mlngHandle) { pobjOther.mlngHandle = -1; }
    clsFileLock& operator=(clsFileLock&& pobjOther) noexcept;
    clsFileLock(const clsFileLock&) = delete;
    clsFileLock& operator=(const clsFileLock&) = delete;

    // Locks the regular file at the path (or the one a symlink names), waiting up to plngWaitMs for
    // another holder. True when locked or when there is nothing to lock (no such file, not a regular
    // file, not readable, no locks here: the read or the write then says what it finds); false, with
    // a reason, only when another writer held it all that time.
    bool Lock(const QString& pstrFileName, QString& pstrReason, int32_t plngWaitMs = DefaultWaitMs);
    // The same on a folder: the lock of every read-modify-write of a language folder, its state file
    // included, which may not exist yet and so has no file to lock.
    bool LockFolder(const QString& pstrFolder, QString& pstrReason, int32_t plngWaitMs = DefaultWaitMs);
    // A reader's share of a folder's lock: it waits while a writer holds the lock, so that it reads
    // the folder's files from one commit, and holds off writers while it reads (readers share it).
    bool ShareFolder(const QString& pstrFolder, QString& pstrReason, int32_t plngWaitMs = DefaultWaitMs);
    // Whether a lock is held (false where the file system or the build has none).
    bool Held() const { return mlngHandle >= 0; }
    void Unlock();

private:
    bool Take(const QString& pstrPath, bool pbooFolder, bool pbooShared, QString& pstrReason, int32_t plngWaitMs);
    int mlngHandle = -1;
};

}  // namespace tralyx
