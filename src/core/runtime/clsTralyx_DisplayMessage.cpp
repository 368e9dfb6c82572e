// Showing a stored message, with the caller's replacement string in place of its markers.
#include "common/basApplication.h"
#include "common/basDesktop.h"
#include "common/clsRuntimeError.h"
#include "runtime/basMessageMarkers.h"
#include "store/clsTralyx.h"

namespace tralyx {

int32_t clsTralyx::DisplayMessage(uint8_t pbytMessageIdentifier, const QString& pstrReplacementString,
                                  int32_t pintOptions, const QString& pstrTitle, const QString& pstrMessage) const
{
    // The entry is read only when the caller leaves a text to it, so a caller who supplies both
    // may pass any identifier, even against an empty table.
    const auto Entry = [&]() -> const MessageItem& {
        if (pbytMessageIdentifier >= mudtMessages.size())
            throw clsSubscriptOutOfRange("message " + std::to_string(pbytMessageIdentifier) + " of " +
                                         std::to_string(mudtMessages.size()));
        return mudtMessages[pbytMessageIdentifier];
    };

    QString strTitle;
    if (!pstrTitle.isEmpty()) strTitle = GetReplacedText(pstrTitle, pstrReplacementString);
    else if (!Entry().Title.isEmpty()) strTitle = GetReplacedText(Entry().Title, pstrReplacementString);
    else strTitle = App::Title();

    QString strText = !pstrMessage.isEmpty() ? pstrMessage : Entry().Message;
    // An empty replacement leaves the text's markers standing (the title's are removed above).
    if (!pstrReplacementString.isEmpty()) ReplaceMarkedText(strText, pstrReplacementString);

    return MessageDesktop(QStringLiteral("message %1").arg(pbytMessageIdentifier)).MsgBox(strText, pintOptions, strTitle, QString());
}

}  // namespace tralyx
