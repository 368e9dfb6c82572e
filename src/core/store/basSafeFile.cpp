#include "store/basSafeFile.h"

#include "common/basFileSystem.h"

#include <cstdint>

namespace tralyx {

// The readers count lines in 32 bits; a file read whole has fewer lines than bytes.
static_assert(fs::MaxFileSize < INT32_MAX, "a line number of a file read whole must fit 32 bits");

bool WriteFileAtomically(const QString& pstrFileName, const QByteArray& pbytContent, QString& pstrReason,
                         bool pbooMayReplace, const QByteArray* pbytUnchanged)
{
    return fs::WriteAtomically(pstrFileName, pbytContent, pbooMayReplace, pstrReason, pbytUnchanged);
}

bool ReadWholeFile(const QString& pstrFileName, QByteArray& pbytContent, QString& pstrReason)
{
    return fs::ReadRegularFile(pstrFileName, pbytContent, pstrReason);
}

}  // namespace tralyx
