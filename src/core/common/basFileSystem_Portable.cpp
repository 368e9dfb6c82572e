// The file system on Qt's files alone, the path a Windows build takes (make test-portable-fs
// builds and tests it on Linux).
#include "common/basFileSystem.h"
#include "common/basFileSystemShared.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <new>

namespace tralyx::fs {

bool PortableFileSystem() { return true; }

bool SameFile(const QString& pstrOne, const QString& pstrOther)
{
    const QString strOne = QFileInfo(pstrOne).canonicalFilePath();
    return !strOne.isEmpty() && strOne == QFileInfo(pstrOther).canonicalFilePath();
}

QByteArray FileIdentity(const QString& pstrPath) { return QtFileIdentity(pstrPath); }

enuPathKind KindOfPath(const QString& pstrPath, QString* pstrReason) { return QtKindOfPath(pstrPath, pstrReason); }

bool ReadRegularFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason)
{
    return QtReadFile(pstrFileName, pbytContent, pstrReason);
}

bool WriteAtomically(const QString& pstrFileName, const QByteArray& pbytContent, bool pbooMayReplace, QString& pstrReason,
                     const QByteArray* pbytUnchanged)
{
    if (pstrFileName.isEmpty()) {
        pstrReason = QCoreApplication::translate("basFileSystem_Portable", "no file name given");
        return false;
    }
    if (!pbooMayReplace && NameTaken(pstrFileName)) {
        pstrReason = AppearedReason(pstrFileName);
        return false;
    }
    const QFileInfo objInfo(pstrFileName);
    switch (KindOfPath(pstrFileName, &pstrReason)) {
    case enuPathKind::Folder: pstrReason = FolderReason(pstrFileName); return false;
    case enuPathKind::Other: pstrReason += QCoreApplication::translate("basFileSystem_Portable", "; not replaced"); return false;
    case enuPathKind::Unreachable: return false;
    default: break;
    }
    if (!objInfo.absoluteDir().exists()) {
        pstrReason = QCoreApplication::translate("basFileSystem_Portable", "the folder %1 does not exist").arg(objInfo.absolutePath());
        return false;
    }
    QSaveFile objFile(pstrFileName);
    objFile.setDirectWriteFallback(false);
    if (!objFile.open(QIODevice::WriteOnly)) {
        pstrReason = QCoreApplication::translate("basFileSystem_Portable", "cannot create %1: %2").arg(pstrFileName, objFile.errorString());
        return false;
    }
    // Every write and the flush are checked: when the disk fills, commit() alone can report
    // success and leave an empty file.
    const bool booWritten = objFile.write(pbytContent) == pbytContent.size() && objFile.flush() &&
                            objFile.error() == QFileDevice::NoError;
    if (!booWritten) {
        pstrReason = QCoreApplication::translate("basFileSystem_Portable", "cannot write %1: %2").arg(pstrFileName, objFile.errorString());
        objFile.cancelWriting();
        return false;
    }
    // Without a no-replace step here, the checks come as late as they can.
    const bool booHasOld = QFileInfo::exists(pstrFileName);
    const auto Refused = [&] {
        if (!pbooMayReplace && NameTaken(pstrFileName)) {
            pstrReason = AppearedReason(pstrFileName);
            return true;
        }
        if (booHasOld && !StillUnchanged(pstrFileName, pbytUnchanged, pstrReason)) return true;
        if (booHasOld && !QFileInfo(pstrFileName).isWritable()) {
            pstrReason = QCoreApplication::translate("basFileSystem_Portable", "cannot write %1: Permission denied").arg(pstrFileName);
            return true;
        }
        return false;
    };
    if (Refused()) {
        objFile.cancelWriting();
        return false;
    }
    if (!objFile.commit()) {
        pstrReason = QCoreApplication::translate("basFileSystem_Portable", "cannot write %1: %2").arg(pstrFileName, objFile.errorString());
        return false;
    }
    return true;
}

}  // namespace tralyx::fs
