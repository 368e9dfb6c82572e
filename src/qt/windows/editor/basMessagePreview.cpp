#include "windows/editor/basMessagePreview.h"

#include "checks/basChecks.h"
#include "common/basApplication.h"
#include "common/basDesktop.h"
#include "common/basTextSyntax.h"
#include "common/clsRuntimeError.h"
#include "runtime/basMessageMarkers.h"
#include "store/clsTralyx.h"

#include <QCoreApplication>
#include <limits>

namespace tralyx {
namespace {

const QString ReplacementString = QStringLiteral("\u00ACTHIS IS REPLACED BY Zarvo\u00AC");

// pstrText with the markers named in pstrNames replaced; any other marker stands as it is.
QString ReplaceNamedMarkers(const QString& pstrText, const QStringList& pstrNames)
{
    QString strOut;
    qsizetype lngFrom = 0;
    for (udtMarker udtFound = NextMarker(pstrText, 0); udtFound.Closed(); udtFound = NextMarker(pstrText, lngFrom)) {
        strOut += pstrText.mid(lngFrom, udtFound.Start - lngFrom);
        strOut += pstrNames.contains(udtFound.Name(pstrText)) ? ReplacementString
                                                               : pstrText.mid(udtFound.Start, udtFound.End - udtFound.Start);
        lngFrom = udtFound.End;
    }
    return strOut + pstrText.mid(lngFrom);
}

}  // namespace

void PreviewMessage(const clsTralyx& pobjStore, int32_t plngEntry, const QString& pstrTitle, const QString& pstrMessage,
                    const std::optional<QStringList>& pstrSourceMarkers)
{
    if (plngEntry < 0) return;
    const MessageItem* udtStored = plngEntry < pobjStore.MessageTable().size() ? &pobjStore.MessageTable()[plngEntry] : nullptr;
    const QString strTitle = !pstrTitle.isEmpty() || !udtStored ? pstrTitle : udtStored->Title;
    const QString strText = !pstrMessage.isEmpty() || !udtStored ? pstrMessage : udtStored->Message;
    if (pstrSourceMarkers) {
        const QStringList strNames = MarkerNames(strTitle) + MarkerNames(strText);
        // A marker the source does not have is never replaced by the application: shown as it stands.
        if (std::any_of(strNames.begin(), strNames.end(), [&](const QString& s) { return !pstrSourceMarkers->contains(s); })) {
            MsgBox(ReplaceNamedMarkers(strText, *pstrSourceMarkers), vbOKOnly,
                   strTitle.isEmpty() ? App::Title() : ReplaceNamedMarkers(strTitle, *pstrSourceMarkers));
            return;
        }
    }
    try {
        if (plngEntry <= std::numeric_limits<uint8_t>::max()) {
            pobjStore.DisplayMessage(static_cast<uint8_t>(plngEntry), ReplacementString, vbOKOnly, pstrTitle, pstrMessage);
        } else {
            // Beyond what an identifier can address: the boxes alone, never another row's entry.
            MsgBox(GetReplacedText(pstrMessage, ReplacementString), vbOKOnly,
                   pstrTitle.isEmpty() ? QString() : GetReplacedText(pstrTitle, ReplacementString));
        }
    } catch (const clsRuntimeError& objError) {
        MsgBox(QCoreApplication::translate("basMessagePreview", "This message cannot be previewed: %1")
                   .arg(QString::fromStdString(objError.what())),
               vbExclamation, QCoreApplication::translate("basMessagePreview", "Preview"));
    }
}

}  // namespace tralyx
