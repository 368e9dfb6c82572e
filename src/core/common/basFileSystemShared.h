#pragma once
// What the two implementations of the file system (basFileSystem_Posix.cpp on Linux, and
// basFileSystem_Portable.cpp on Qt's files alone) share: the reasons they give, word for word, and
// the checks they make the same way. Not for use outside them.
#include "common/basFileSystem.h"

namespace tralyx::fs {

QString MissingReason(const QString& pstrPath);
QString FolderReason(const QString& pstrPath);
QString TooLargeReason(const QString& pstrPath, qint64 plngSize);
QString AppearedReason(const QString& pstrPath);
QString OutOfMemoryReason(const QString& pstrPath);
QString LoopReason(const QString& pstrPath);
QString ChangedReason(const QString& pstrPath);
// Missing: a dangling symlink says where it points.
QString MissingOrDanglingReason(const QString& pstrPath);

// Whether a read may open the path: a regular file, judged before the open (opening a device can
// have effects of its own); otherwise false with the reason.
bool IsReadable(const QString& pstrPath, QString& pstrReason);

// Qt's view of a path and Qt's read of a file, which Qt resources (":/Languages/German") have too:
// they are not in the file system, and only Qt can read them.
enuPathKind QtKindOfPath(const QString& pstrPath, QString* pstrReason);
bool QtReadFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason);
QByteArray QtFileIdentity(const QString& pstrPath);

// A read-modify-write's old file must still be what it read.
bool StillUnchanged(const QString& pstrPath, const QByteArray* pbytUnchanged, QString& pstrReason);

}  // namespace tralyx::fs
