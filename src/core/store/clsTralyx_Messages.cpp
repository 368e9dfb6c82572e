// messages.lrc: the file side; the format itself is in basMessagesFormat.
#include "basMessagesFormat.h"
#include "basTableFile.h"
#include "clsTralyx.h"

namespace tralyx {

void clsTralyx::LoadMessagesFromResource(const QString& pstrFileName, bool& pbooSuccess)
{
    mstrMessagesCodePage = mstrCodePage;
    udtMessagesRead udtRead;
    ReadTableFile(pstrFileName, mstrCodePage, &ReadMessages, udtRead, mudtMessagesStamp);
    mudtMessages = std::move(udtRead.Table);
    mlngMessageLines = std::move(udtRead.Lines);
    mbooMessagesMark = udtRead.ByteOrderMark;
    mudtLastError = udtRead.Error;
    mudtLastWarnings = std::move(udtRead.Warnings);
    pbooSuccess = udtRead.Success;
}

void clsTralyx::SaveMessageText(const QString& pstrFileName, bool& pbooSuccess)
{
    SaveTableFile(&WriteMessages, mudtMessages, mstrMessagesCodePage, mbooMessagesMark, pstrFileName, mudtMessagesStamp,
                  pbooSuccess);
}

}  // namespace tralyx
