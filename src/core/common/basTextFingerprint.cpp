#include "common/basTextFingerprint.h"

#include <QCryptographicHash>

namespace tralyx {

QString TextFingerprint(QStringView pstrText)
{
    const QByteArray bytHash = QCryptographicHash::hash(pstrText.toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(bytHash.first(6).toHex());
}

}  // namespace tralyx
