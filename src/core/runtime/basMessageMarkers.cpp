#include "runtime/basMessageMarkers.h"

#include "common/basTextSyntax.h"
#include "common/clsRuntimeError.h"

namespace tralyx {
namespace {

constexpr qsizetype MaxPosition = 32767;  // text positions are 16-bit, counted from 1

}  // namespace

void ReplaceMarkedText(QString& pstrText, const QString& pstrReplacement)
{
    qsizetype lngFrom = 0;
    for (;;) {
        const udtMarker udtFound = NextMarker(pstrText, lngFrom);
        if (!udtFound.Found()) return;
        if (udtFound.Start >= MaxPosition) throw clsOverflow("replacement marker beyond character 32767");
        if (!udtFound.Closed()) return;
        if (udtFound.End - MarkerClose.size() >= MaxPosition) throw clsOverflow("replacement marker beyond character 32767");
        pstrText.replace(udtFound.Start, udtFound.End - udtFound.Start, pstrReplacement);
        lngFrom = udtFound.Start + pstrReplacement.size();
    }
}

QString GetReplacedText(QString pstrText, const QString& pstrReplacement)
{
    ReplaceMarkedText(pstrText, pstrReplacement);
    return pstrText;
}

}  // namespace tralyx
