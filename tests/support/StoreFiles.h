#pragma once
// Loading and saving through the store in tests, with the results in one value.
#include "store/basFileKind.h"
#include "store/clsTralyx.h"

#include <QByteArray>
#include <QString>

namespace tralyx::test {

struct udtLoadResult {
    bool Success = false;
    udtFileIssue Error;
};

udtLoadResult LoadFrom(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrPath);
// Writes the bytes to the kind's file name in pstrFolder and loads that.
udtLoadResult LoadBytes(clsTralyx& pobjStore, enuFileKind penuKind, const QByteArray& pbytContent,
                        const QString& pstrFolder);
bool SaveTo(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrPath);

}  // namespace tralyx::test
