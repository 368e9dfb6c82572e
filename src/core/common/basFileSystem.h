#pragma once
// The file system's edge: reading a whole regular file and replacing one atomically. On Linux this
// uses the system's own calls (non-blocking opens with a file-type check, unnamed temporary files,
// no-replace commits, owner and mode of the replaced file); elsewhere QFile and QSaveFile.
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

// What a path names, following symlinks; for Other and Unreachable a reason that starts with the path.
enuPathKind KindOfPath(const QString& pstrPath, QString* pstrReason = nullptr);

// Reads a whole regular file (or the one a symlink names) without ever blocking on a FIFO or a
// device. False with a reason when it is missing, not a regular file, larger than MaxFileSize,
// unreadable, or when the memory for it runs out.
bool ReadRegularFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason);

// Writes the bytes to a new file beside pstrFileName and puts it in place only when all of them
// reached the disk. A symlink is followed: its target is replaced. Only a regular file is replaced,
// keeping its mode and, where this process may set them, its owner and group. With pbooMayReplace
// false a file that appears meanwhile is never replaced: the write fails instead. On failure the old
// file is untouched, no temporary file is left, and the reason is given.
bool WriteAtomically(const QString& pstrFileName, const QByteArray& pbytContent, bool pbooMayReplace,
                     QString& pstrReason);

}  // namespace tralyx::fs
