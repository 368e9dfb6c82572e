#pragma once
// The file system's edge: reading a whole regular file and replacing one atomically. On Linux this
// uses the system's own calls (non-blocking opens with a file-type check, unnamed temporary files,
// no-replace commits, owner and mode of the replaced file); elsewhere QFile and QSaveFile.
#include <QCoreApplication>
#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tralyx::fs {

// Largest file read whole. A language file is a few tens of MB at most; anything bigger is not one,
// and reading it (or /dev/zero) would only exhaust the memory.
inline constexpr qint64 MaxFileSize = qint64(512) * 1024 * 1024;

enum class enuPathKind {
    Missing,      // nothing there (a dangling symlink too)
    Regular,      // a regular file, or a symlink to one
    Folder,       // a folder, or a symlink to one
    Other,        // a FIFO, a device, a socket
    Unreachable,  // a symlink loop, a file on the way, no permission: see the reason
};

// The reading functions below take Qt resources (":/Languages/German") too, as Qt sees them.

// What a path names, following symlinks; for Other and Unreachable a reason that starts with the path.
enuPathKind KindOfPath(const QString& pstrPath, QString* pstrReason = nullptr);

// Whether anything stands at the name itself, a symlink included, dangling or not: a name that is
// taken, which only a replace may write through.
bool NameTaken(const QString& pstrPath);

// Whether two paths name one existing file or folder, following symlinks (the same device and inode;
// the portable build compares canonical paths, so a hard link escapes it). A command never writes
// over one of its own inputs.
bool SameFile(const QString& pstrOne, const QString& pstrOther);

// What tells one version of a file from the next: its device and inode, size and times of change
// (the portable build: size and times). A replace by rename gives a new identity; empty when
// nothing is there. A reader compares the identities before and after to know it read one version.
QByteArray FileIdentity(const QString& pstrPath);

// Whether a path that came through Qt (a dialog, a drop, the settings) still names the file it
// shows. A name that is not valid in the system's encoding reaches Qt with U+FFFD for its bytes, and
// written back it would name another file; such a path is refused unless a file of exactly that name
// exists. (Raw arguments are checked byte for byte where they arrive.)
bool FileNameFaithful(const QString& pstrPath);
inline QString UnfaithfulNameReason() { return QCoreApplication::translate("basFileSystem", "the file name is not valid in this system's encoding (UTF-8)"); }

// True for the portable build (TRALYX_PORTABLE_FS, Qt's files only): it keeps a replaced file's mode
// but not its owner, checks that a new file's name is still free only just before its commit instead
// of in one step with it, and takes no locks (clsFileLock).
bool PortableFileSystem();

// Reads a whole regular file (or the one a symlink names) without ever blocking on a FIFO or a
// device. False with a reason when it is missing, not a regular file, larger than MaxFileSize,
// unreadable, or when the memory for it runs out.
bool ReadRegularFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason);

// Writes the bytes to a new file beside pstrFileName and puts it in place only when all of them
// reached the disk. A symlink is followed: its target is replaced. Only a regular file is replaced,
// keeping its mode and, where this process may set them, its owner and group, and only when this
// user may write to it (checked just before the commit: a writable folder is not leave enough).
// With pbooMayReplace false nothing that stands at the name is replaced, a dangling symlink
// included, nor a file that appears meanwhile: the write fails instead. With pbytUnchanged given,
// the old file must still hold exactly those bytes just before the commit (what a read-modify-write
// read), or the write fails with "changed since it was read". On failure the old file is untouched,
// no temporary file is left, and the reason is given.
bool WriteAtomically(const QString& pstrFileName, const QByteArray& pbytContent, bool pbooMayReplace,
                     QString& pstrReason, const QByteArray* pbytUnchanged = nullptr);

// Makes a folder with its parents, or says why not: the first part that could not be made and
// the system's reason (no permission, a read-only file system, ...).
bool MakeFolder(const QString& pstrFolder, QString& pstrReason);

}  // namespace tralyx::fs
