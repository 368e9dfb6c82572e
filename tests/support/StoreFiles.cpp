#include "StoreFiles.h"

#include <QFile>

namespace tralyx::test {

const char* FileNameOf(enuKind penuKind)
{
    switch (penuKind) {
    case enuKind::ControlText: return "core.lrc";
    case enuKind::Messages: return "messages.lrc";
    case enuKind::Secondary: return "secondary.lrc";
    }
    return "";
}

udtLoadResult LoadBytes(clsTralyx& pobjStore, enuKind penuKind, const QByteArray& pbytContent, const QString& pstrFolder)
{
    const QString strPath = pstrFolder + u'/' + QString::fromLatin1(FileNameOf(penuKind));
    QFile objFile(strPath);
    if (objFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) objFile.write(pbytContent);
    objFile.close();
    return LoadFrom(pobjStore, penuKind, strPath);
}

udtLoadResult LoadFrom(clsTralyx& pobjStore, enuKind penuKind, const QString& pstrPath)
{
    udtLoadResult udtResult;
    switch (penuKind) {
    case enuKind::ControlText: pobjStore.LoadControlText(pstrPath, udtResult.Success); break;
    case enuKind::Messages: pobjStore.LoadMessagesFromResource(pstrPath, udtResult.Success); break;
    case enuKind::Secondary: pobjStore.LoadPreceduralTextFromResource(pstrPath, udtResult.Success); break;
    }
    udtResult.Error = pobjStore.LastError();
    return udtResult;
}

bool SaveTo(clsTralyx& pobjStore, enuKind penuKind, const QString& pstrPath)
{
    bool booSuccess = false;
    switch (penuKind) {
    case enuKind::ControlText: pobjStore.SaveControlText(pstrPath, booSuccess); break;
    case enuKind::Messages: pobjStore.SaveMessageText(pstrPath, booSuccess); break;
    case enuKind::Secondary: pobjStore.SaveSecondaryText(pstrPath, booSuccess); break;
    }
    return booSuccess;
}

}  // namespace tralyx::test
