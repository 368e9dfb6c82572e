#pragma once
// What a file looked like when it was loaded or saved, so that a later save can tell whether
// another program changed it in between.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tralyx {

struct udtFileStamp {
    bool Exists = false;
    qint64 Size = 0;
    QDateTime Modified;
    size_t ContentHash = 0;

    static udtFileStamp Of(const QString& pstrFileName);  // reads the file now
    static udtFileStamp Of(const QString& pstrFileName, const QByteArray& pbytContent);  // content in hand
    bool operator==(const udtFileStamp&) const = default;
};

}  // namespace tralyx
