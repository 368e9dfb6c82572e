#pragma once
// Loading and saving through the store in tests, with the results in one value.
#include "clsTralyx.h"

#include <QByteArray>
#include <QString>

namespace tralyx::test {

enum class enuKind { ControlText, Messages, Secondary };

struct udtLoadResult {
    bool Success = false;
    udtFileIssue Error;
};

udtLoadResult LoadFrom(clsTralyx& pobjStore, enuKind penuKind, const QString& pstrPath);
// Writes the bytes to the kind's file name in pstrFolder and loads that.
udtLoadResult LoadBytes(clsTralyx& pobjStore, enuKind penuKind, const QByteArray& pbytContent,
                        const QString& pstrFolder);
bool SaveTo(clsTralyx& pobjStore, enuKind penuKind, const QString& pstrPath);
const char* FileNameOf(enuKind penuKind);

}  // namespace tralyx::test
