#include "basSafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tralyx {

bool WriteFileAtomically(const QString& pstrFileName, const QByteArray& pbytContent, QString& pstrReason)
{
    const QFileInfo objInfo(pstrFileName);
    if (objInfo.isDir()) {
        pstrReason = QStringLiteral("%1 is a folder, not a file").arg(pstrFileName);
        return false;
    }
    if (!objInfo.absoluteDir().exists()) {
        pstrReason = QStringLiteral("the folder %1 does not exist").arg(objInfo.absolutePath());
        return false;
    }
    QSaveFile objFile(pstrFileName);
    objFile.setDirectWriteFallback(false);
    if (!objFile.open(QIODevice::WriteOnly)) {
        pstrReason = QStringLiteral("cannot create %1: %2").arg(pstrFileName, objFile.errorString());
        return false;
    }
    // Every write and the flush are checked: when the disk fills, commit() alone can report
    // success and leave an empty file.
    const bool booWritten = objFile.write(pbytContent) == pbytContent.size() && objFile.flush() &&
                            objFile.error() == QFileDevice::NoError;
    if (!booWritten) {
        pstrReason = QStringLiteral("cannot write %1: %2").arg(pstrFileName, objFile.errorString());
        objFile.cancelWriting();  // the temporary file goes when objFile does
        return false;
    }
    if (!objFile.commit()) {
        pstrReason = QStringLiteral("cannot write %1: %2").arg(pstrFileName, objFile.errorString());
        return false;
    }
    return true;
}

bool ReadWholeFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason)
{
    const QFileInfo objInfo(pstrFileName);
    if (objInfo.isDir()) {
        pstrReason = QStringLiteral("%1 is a folder, not a file").arg(pstrFileName);
        return false;
    }
    QFile objFile(pstrFileName);
    if (!objFile.exists()) {
        pstrReason = QStringLiteral("%1 does not exist").arg(pstrFileName);
        return false;
    }
    if (!objFile.open(QIODevice::ReadOnly)) {  // never Text mode: it would delete lone CRs
        pstrReason = QStringLiteral("cannot open %1: %2").arg(pstrFileName, objFile.errorString());
        return false;
    }
    pbytContent = objFile.readAll();
    if (objFile.error() != QFileDevice::NoError) {
        pstrReason = QStringLiteral("cannot read %1: %2").arg(pstrFileName, objFile.errorString());
        return false;
    }
    return true;
}

}  // namespace tralyx
