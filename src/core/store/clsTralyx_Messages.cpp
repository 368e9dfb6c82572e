// messages.lrc: the file side; the format itself is in basMessagesFormat.
#include "store/basMessagesFormat.h"
#include "store/basTableFile.h"
#include "store/clsTralyx.h"

namespace tralyx {

void clsTralyx::LoadMessagesFromResource(const QString& pstrFileName, bool& pbooSuccess)
{
    pbooSuccess = LoadTableFile(&ReadMessages, pstrFileName, mudtMessages, mlngMessageLines, mstrMessagesCodePage,
                                mbooMessagesMark, mudtMessagesStamp, &mlngMessageTitleLines);
}

void clsTralyx::SaveMessageText(const QString& pstrFileName, bool& pbooSuccess)
{
    SaveTableFile(&WriteMessages, mudtMessages, mstrMessagesCodePage, mbooMessagesMark, pstrFileName, mudtMessagesStamp,
                  pbooSuccess);
}

}  // namespace tralyx
