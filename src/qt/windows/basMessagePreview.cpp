#include "windows/basMessagePreview.h"

#include "common/basDesktop.h"
#include "common/clsRuntimeError.h"
#include "runtime/basMessageMarkers.h"
#include "store/clsTralyx.h"

#include <limits>

namespace tralyx {

void PreviewMessage(const clsTralyx& pobjStore, int32_t plngEntry, const QString& pstrTitle, const QString& pstrMessage)
{
    static const QString ReplacementString = QStringLiteral("\u00ACTHIS IS REPLACED BY Zarvo\u00AC");
    if (plngEntry < 0) return;
    try {
        if (plngEntry <= std::numeric_limits<uint8_t>::max()) {
            pobjStore.DisplayMessage(static_cast<uint8_t>(plngEntry), ReplacementString, vbOKOnly, pstrTitle, pstrMessage);
        } else {
            // Beyond what an identifier can address: the boxes alone, never another row's entry.
            MsgBox(GetReplacedText(pstrMessage, ReplacementString), vbOKOnly,
                   pstrTitle.isEmpty() ? QString() : GetReplacedText(pstrTitle, ReplacementString));
        }
    } catch (const clsRuntimeError& objError) {
        MsgBox(QStringLiteral("This message cannot be previewed: ") + QString::fromStdString(objError.what()),
               vbExclamation, QStringLiteral("Preview"));
    }
}

}  // namespace tralyx
