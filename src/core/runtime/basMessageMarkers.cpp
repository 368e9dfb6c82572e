#include "runtime/basMessageMarkers.h"

#include "common/clsRuntimeError.h"

namespace tralyx {
namespace {

constexpr qsizetype MaxPosition = 32767;  // text positions are 16-bit, counted from 1

}  // namespace

void ReplaceMarkedText(QString& pstrText, const QString& pstrReplacement)
{
    static const QString strOpen = QStringLiteral("[#!");
    static const QString strClose = QStringLiteral("!#]");
    qsizetype lngFrom = 0;
    for (;;) {
        const qsizetype lngOpen = pstrText.indexOf(strOpen, lngFrom);
        if (lngOpen < 0) return;
        if (lngOpen >= MaxPosition) throw clsOverflow("replacement marker beyond character 32767");
        // The closing marker is searched after the opening one, so "!#] [#!" or "[#!#]" is left alone.
        const qsizetype lngClose = pstrText.indexOf(strClose, lngOpen + strOpen.size());
        if (lngClose < 0) return;
        if (lngClose >= MaxPosition) throw clsOverflow("replacement marker beyond character 32767");
        pstrText.replace(lngOpen, lngClose + strClose.size() - lngOpen, pstrReplacement);
        lngFrom = lngOpen + pstrReplacement.size();
    }
}

QString GetReplacedText(QString pstrText, const QString& pstrReplacement)
{
    ReplaceMarkedText(pstrText, pstrReplacement);
    return pstrText;
}

}  // namespace tralyx
