#pragma once
// Writing and reading whole files safely (see basFileSystem.h for how).
#include <QByteArray>
#include <QString>

namespace tralyx {

// Writes the bytes to a new file beside pstrFileName and puts it in place atomically only when all
// of it reached the disk. Only a regular file (or the one a symlink names) is replaced; with
// pbooMayReplace false not even that, should one appear meanwhile. With pbytUnchanged, only a file
// that still holds those bytes. On failure the old file is untouched, no temporary file is left, and
// the reason is returned in pstrReason.
bool WriteFileAtomically(const QString& pstrFileName, const QByteArray& pbytContent, QString& pstrReason,
                         bool pbooMayReplace = true, const QByteArray* pbytUnchanged = nullptr);

// Reads a whole file; false with a reason when it is missing, a folder, not a regular file, larger
// than fs::MaxFileSize or unreadable. Never blocks on a FIFO or a device.
bool ReadWholeFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason);

}  // namespace tralyx
