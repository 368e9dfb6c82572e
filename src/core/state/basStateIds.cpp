#include "state/basStateIds.h"

namespace tralyx {
namespace {

// The digits of a whole number without sign, or -1.
qsizetype Number(QStringView pstrDigits)
{
    if (pstrDigits.isEmpty() || pstrDigits.size() > 9) return -1;
    qsizetype lngValue = 0;
    for (const QChar c : pstrDigits) {
        if (c < u'0' || c > u'9') return -1;
        lngValue = lngValue * 10 + (c.unicode() - u'0');
    }
    return lngValue;
}

}  // namespace

int32_t TextsPerRecord(enuFileKind penuFile) { return penuFile == enuFileKind::Secondary ? 1 : 2; }

QString TextId(enuFileKind penuFile, const QString& pstrRecordId, int32_t plngText)
{
    switch (penuFile) {
    case enuFileKind::ControlText: return pstrRecordId + (plngText == 0 ? QLatin1StringView(".C") : QLatin1StringView(".T"));
    case enuFileKind::Messages: return plngText == 0 ? pstrRecordId : QStringLiteral("MST") + pstrRecordId.mid(3);
    case enuFileKind::Secondary: break;
    }
    return pstrRecordId;
}

bool PositionOfTextId(enuFileKind penuFile, QStringView pstrId, qsizetype& plngPosition, int32_t& plngText)
{
    if (penuFile == enuFileKind::ControlText || pstrId.size() < 6) return false;
    const QStringView strTag = pstrId.left(3);
    if (penuFile == enuFileKind::Messages) {
        if (strTag != u"MSG" && strTag != u"MST") return false;
        plngText = strTag == u"MST" ? 1 : 0;
    } else {
        if (strTag != u"TXT") return false;
        plngText = 0;
    }
    const qsizetype lngHash = pstrId.indexOf(u'#');
    const qsizetype lngNumber = Number(pstrId.mid(3, lngHash < 0 ? -1 : lngHash - 3));
    if (lngNumber < 0 || (lngHash < 0 && (lngNumber == 0 || pstrId.size() != 6))) return false;
    if (lngHash < 0) {
        plngPosition = lngNumber - 1;
        return true;
    }
    // TXT004#1004: the position is the number after "#", and the file's number must be its wrap.
    const qsizetype lngWhole = Number(pstrId.mid(lngHash + 1));
    if (penuFile != enuFileKind::Secondary || lngWhole < 1000 || lngWhole % 1000 != lngNumber) return false;
    plngPosition = lngWhole - 1;
    return true;
}

}  // namespace tralyx
