#include "store/udtFileStamp.h"

#include "store/basSafeFile.h"

#include <QFileInfo>
#include <QHashFunctions>

namespace tralyx {

namespace {
// Qt hashes with a seed by AES instructions where the processor has them, without one by SipHash,
// many times slower on a large file, and the stamp is paid on every load and save. Stamps are only
// compared within one run, so the value of the seed does not matter.
constexpr size_t ContentSeed = 0x7F4A7C15;
}  // namespace

udtFileStamp udtFileStamp::Of(const QString& pstrFileName, const QByteArray& pbytContent)
{
    const QFileInfo objInfo(pstrFileName);
    if (!objInfo.exists() || objInfo.isDir()) return {};
    return {true, objInfo.size(), objInfo.lastModified(), qHashBits(pbytContent.constData(), pbytContent.size(), ContentSeed)};
}

udtFileStamp udtFileStamp::Of(const QString& pstrFileName)
{
    QByteArray bytContent;
    QString strReason;
    if (!ReadWholeFile(pstrFileName, bytContent, strReason)) return {};
    return Of(pstrFileName, bytContent);
}

}  // namespace tralyx
