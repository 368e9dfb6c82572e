#include "StoreFiles.h"

#include <QFile>

namespace tralyx::test {

udtLoadResult LoadBytes(clsTralyx& pobjStore, enuFileKind penuKind, const QByteArray& pbytContent, const QString& pstrFolder)
{
    const QString strPath = pstrFolder + u'/' + LanguageFileName(penuKind);
    QFile objFile(strPath);
    if (objFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) objFile.write(pbytContent);
    objFile.close();
    return LoadFrom(pobjStore, penuKind, strPath);
}

udtLoadResult LoadFrom(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrPath)
{
    udtLoadResult udtResult;
    LoadFile(pobjStore, penuKind, pstrPath, udtResult.Success);
    udtResult.Error = pobjStore.LastError();
    return udtResult;
}

bool SaveTo(clsTralyx& pobjStore, enuFileKind penuKind, const QString& pstrPath)
{
    bool booSuccess = false;
    SaveFile(pobjStore, penuKind, pstrPath, booSuccess);
    return booSuccess;
}

}  // namespace tralyx::test
