#pragma once
// Writing and reading whole files safely.
#include <QByteArray>
#include <QString>

namespace tralyx {

// Writes the bytes to a new file beside pstrFileName and puts it in place atomically only when all
// of it reached the disk. On failure the old file is untouched, no temporary file is left, and the
// reason is returned in pstrReason.
bool WriteFileAtomically(const QString& pstrFileName, const QByteArray& pbytContent, QString& pstrReason);

// Reads a whole file; false with a reason when it is missing, a folder or unreadable.
bool ReadWholeFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason);

}  // namespace tralyx
