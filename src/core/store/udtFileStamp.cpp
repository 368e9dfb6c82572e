#include "udtFileStamp.h"

#include "basSafeFile.h"

#include <QFileInfo>
#include <QHashFunctions>

namespace tralyx {

udtFileStamp udtFileStamp::Of(const QString& pstrFileName, const QByteArray& pbytContent)
{
    const QFileInfo objInfo(pstrFileName);
    if (!objInfo.exists() || objInfo.isDir()) return {};
    return {true, objInfo.size(), objInfo.lastModified(), qHashBits(pbytContent.constData(), pbytContent.size())};
}

udtFileStamp udtFileStamp::Of(const QString& pstrFileName)
{
    QByteArray bytContent;
    QString strReason;
    if (!ReadWholeFile(pstrFileName, bytContent, strReason)) return {};
    return Of(pstrFileName, bytContent);
}

}  // namespace tralyx
