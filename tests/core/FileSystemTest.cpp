// Reading and replacing files through symlinks, past the size limit, and what a replace keeps.
#include "common/basFileSystem.h"
#include "common/clsFileLock.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <future>
#include <gtest/gtest.h>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

using namespace tralyx;
using tralyx::test::clsTempDir;

namespace {
// The files this process synced. A save that put its file in place without syncing it first could
// leave a file of zeros or nothing under the name after a crash.
std::mutex gobjSyncedLock;
std::set<std::pair<dev_t, ino_t>> gudtSynced;

bool WasSynced(const QString& pstrPath)
{
    struct stat udtStat;
    const std::lock_guard objLock(gobjSyncedLock);
    return stat(QFile::encodeName(pstrPath).constData(), &udtStat) == 0 && gudtSynced.count({udtStat.st_dev, udtStat.st_ino}) > 0;
}
}  // namespace

// Take the place of the C library's fsync and fdatasync (QSaveFile's, in the portable build) for the
// whole test program, recording what they sync.
static int Synced(int plngHandle, long plngCall)
{
    struct stat udtStat;
    if (fstat(plngHandle, &udtStat) == 0) {
        const std::lock_guard objLock(gobjSyncedLock);
        gudtSynced.insert({udtStat.st_dev, udtStat.st_ino});
    }
    return static_cast<int>(syscall(plngCall, plngHandle));
}
extern "C" int fsync(int plngHandle) { return Synced(plngHandle, SYS_fsync); }
extern "C" int fdatasync(int plngHandle) { return Synced(plngHandle, SYS_fdatasync); }

namespace {

enum class enuSetup { LinkToFile, DanglingLink, LinkLoop, Huge };

struct udtCase {
    const char* Name;
    enuSetup Setup;      // at dir/f; a link names dir/real
    const char* Reason;  // of the read and the write; empty: both succeed
    const char* WrittenTo;
};

TEST(FileSystemTest, ReadAndReplaceFollowLinksAndRefuseLoopsAndHugeFiles)
{
    const udtCase udtCases[] = {
        {"link: its file is read and replaced", enuSetup::LinkToFile, "", "real"},
        {"dangling link: missing, and its file is made", enuSetup::DanglingLink, "f is a symlink to", "real"},
        {"link loop", enuSetup::LinkLoop, "symlink loop", ""},
        {"too large to read", enuSetup::Huge, "f is larger than 512 MiB", "f"},
    };
    for (const udtCase& c : udtCases) {
        clsTempDir objDir;
        const QString strPath = objDir.Path(QStringLiteral("f"));
        const QByteArray bytPath = QFile::encodeName(strPath);
        if (c.Setup != enuSetup::DanglingLink) objDir.Write(QString::fromLatin1(c.Setup == enuSetup::Huge ? "f" : "real"), "old");
        if (c.Setup == enuSetup::LinkToFile || c.Setup == enuSetup::DanglingLink) (void)!symlink("real", bytPath.constData());
        if (c.Setup == enuSetup::LinkLoop) (void)!symlink("f", bytPath.constData());
        if (c.Setup == enuSetup::Huge) QFile::resize(strPath, fs::MaxFileSize + 1);  // sparse: costs no disk

        QByteArray bytRead;
        QString strReason;
        const bool booRead = fs::ReadRegularFile(strPath, bytRead, strReason);
        EXPECT_EQ(booRead, !*c.Reason) << c.Name;
        EXPECT_EQ(bytRead, booRead ? "old" : "") << c.Name;
        EXPECT_TRUE(strReason.contains(QLatin1StringView(c.Reason))) << c.Name << ": " << strReason.toStdString();

        strReason.clear();
        const bool booWritten = fs::WriteAtomically(strPath, "new", true, strReason);
        EXPECT_EQ(booWritten, *c.WrittenTo != 0) << c.Name << ": " << strReason.toStdString();
        if (booWritten) EXPECT_EQ(clsTempDir::Read(objDir.Path(QLatin1StringView(c.WrittenTo))), "new") << c.Name;
        else EXPECT_TRUE(strReason.contains(QLatin1StringView(c.Reason))) << c.Name << ": " << strReason.toStdString();
        struct stat udtStat;
        ASSERT_EQ(lstat(bytPath.constData(), &udtStat), 0) << c.Name;
        EXPECT_EQ(S_ISLNK(udtStat.st_mode), c.Setup != enuSetup::Huge) << c.Name;
    }
}

TEST(FileSystemTest, ReplaceSyncsAndKeepsModeAndOwnerAndNoReplaceNeverReplaces)
{
    clsTempDir objDir;
    const QString strPath = objDir.Write(QStringLiteral("f"), "old");
    const QByteArray bytPath = QFile::encodeName(strPath);
    ASSERT_EQ(chmod(bytPath.constData(), 0604), 0);
    QString strReason;
    EXPECT_FALSE(fs::WriteAtomically(strPath, "new", false, strReason));
    EXPECT_EQ(strReason, strPath + QStringLiteral(" appeared while it was being written; not replaced"));
    EXPECT_EQ(clsTempDir::Read(strPath), "old");
    ASSERT_TRUE(fs::WriteAtomically(objDir.Path(QStringLiteral("g")), "new", false, strReason)) << strReason.toStdString();
    EXPECT_TRUE(WasSynced(objDir.Path(QStringLiteral("g"))));
    QFile::remove(objDir.Path(QStringLiteral("g")));

    // Only root can give a file away; others check the mode alone, as does the portable build.
    const bool booRoot = geteuid() == 0 && !fs::PortableFileSystem();
    if (booRoot) {
        ASSERT_EQ(chown(bytPath.constData(), 4321, 4322), 0);
    }
    ASSERT_TRUE(fs::WriteAtomically(strPath, "new", true, strReason)) << strReason.toStdString();
    struct stat udtStat;
    ASSERT_EQ(stat(bytPath.constData(), &udtStat), 0);
    EXPECT_EQ(udtStat.st_mode & 07777, 0604u);
    EXPECT_TRUE(WasSynced(strPath));
    if (!fs::PortableFileSystem()) {
        EXPECT_TRUE(WasSynced(objDir.Path())) << "the folder holding the new name";
    }
    if (booRoot) {
        EXPECT_EQ(udtStat.st_uid, 4321u);
        EXPECT_EQ(udtStat.st_gid, 4322u);
    }
    EXPECT_EQ(QDir(objDir.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"f"});
}

// A read-modify-write holds the file's lock; a second one waits, and after a replace it locks the
// new file the name names; a file changed since it was read is not replaced.
TEST(FileSystemTest, LocksFollowTheReplacedFileAndAChangedFileIsNotReplaced)
{
    clsTempDir objDir;
    const QString strPath = objDir.Write(QStringLiteral("f"), "old");
    const QByteArray bytOther = "other", bytOld = "old";
    QString strReason;
    EXPECT_FALSE(fs::WriteAtomically(strPath, "new", true, strReason, &bytOther));
    EXPECT_EQ(strReason, strPath + QStringLiteral(" changed since it was read; nothing was written (run again)"));
    clsFileLock objFirst, objSecond;
    ASSERT_TRUE(objFirst.Lock(strPath, strReason));
    EXPECT_EQ(objSecond.Lock(strPath, strReason, 30), fs::PortableFileSystem()) << "the portable build takes no locks";
    ASSERT_TRUE(fs::WriteAtomically(strPath, "new", true, strReason, &bytOld));
    EXPECT_TRUE(objSecond.Lock(strPath, strReason, 30)) << "the first lock holds the replaced file, not the new one";

    // A writer already waiting when the holder replaces the file gets the old file's lock first:
    // it must go on to the new one, or a third writer would lock that one beside it.
    objSecond.Unlock();
    ASSERT_TRUE(objFirst.Lock(strPath, strReason));
    clsFileLock objWaiter, objThird;
    QString strWaiterReason;
    auto objWaiting = std::async(std::launch::async, [&] { return objWaiter.Lock(strPath, strWaiterReason, 5000); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const QByteArray bytNew = "new";
    ASSERT_TRUE(fs::WriteAtomically(strPath, "newer", true, strReason, &bytNew));
    objFirst.Unlock();
    EXPECT_TRUE(objWaiting.get()) << qPrintable(strWaiterReason);
    EXPECT_EQ(objThird.Lock(strPath, strReason, 30), fs::PortableFileSystem()) << "the waiter holds the file the name names";
}

}  // namespace
