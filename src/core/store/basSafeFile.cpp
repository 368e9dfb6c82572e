#include "basSafeFile.h"

#include "basFileSystem.h"

namespace tralyx {

bool WriteFileAtomically(const QString& pstrFileName, const QByteArray& pbytContent, QString& pstrReason,
                         bool pbooMayReplace)
{
    return fs::WriteAtomically(pstrFileName, pbytContent, pbooMayReplace, pstrReason);
}

bool ReadWholeFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason)
{
    return fs::ReadRegularFile(pstrFileName, pbytContent, pstrReason);
}

}  // namespace tralyx
