#include "common/basTextSyntax.h"

#include <algorithm>

namespace tralyx {
namespace {

// Where pstrNeedle starts at or after plngFrom, or -1. Qt's search goes through its general
// machinery for every text; a marker is three characters and the checks look into every text.
qsizetype IndexOfMark(QStringView pstrText, QStringView pstrNeedle, qsizetype plngFrom)
{
    const char16_t *pText = pstrText.utf16(), *pNeedle = pstrNeedle.utf16();
    const qsizetype lngLast = pstrText.size() - pstrNeedle.size();
    for (qsizetype i = std::max<qsizetype>(plngFrom, 0); i <= lngLast; ++i)
        if (pText[i] == pNeedle[0] && std::equal(pNeedle + 1, pNeedle + pstrNeedle.size(), pText + i + 1)) return i;
    return -1;
}

udtMarker ClosedFrom(QStringView pstrText, qsizetype plngOpen)
{
    udtMarker udtOut;
    udtOut.Start = plngOpen;
    const qsizetype lngClose = IndexOfMark(pstrText, MarkerClose, plngOpen + MarkerOpen.size());
    if (lngClose >= 0) udtOut.End = lngClose + MarkerClose.size();
    return udtOut;
}

}  // namespace

udtMarker NextMarker(QStringView pstrText, qsizetype plngFrom)
{
    const qsizetype lngOpen = IndexOfMark(pstrText, MarkerOpen, plngFrom);
    return lngOpen < 0 ? udtMarker() : ClosedFrom(pstrText, lngOpen);
}

udtMarker MarkerAt(QStringView pstrText, qsizetype plngAt)
{
    if (plngAt < 0 || plngAt + MarkerOpen.size() > pstrText.size() || pstrText.sliced(plngAt, MarkerOpen.size()) != MarkerOpen)
        return {};
    return ClosedFrom(pstrText, plngAt);
}

}  // namespace tralyx
