#include "common/basStoreText.h"

namespace tralyx {
namespace {

constexpr char16_t MarkCR = u'\u240D';     // ␍
constexpr char16_t MarkLF = u'\u240A';     // ␊
constexpr char16_t MarkBreak = u'\u21B5';  // ↵, one-line boxes only

bool IsMark(QChar pchr, enuBoxLines penuBox)
{
    return pchr == MarkCR || pchr == MarkLF || (penuBox == enuBoxLines::One && pchr == MarkBreak);
}

// A one-line box holds the separators as characters; a document breaks its lines at them.
bool IsWidgetBreak(QChar pchr, enuBoxLines penuBox)
{
    return pchr == u'\n' || pchr == u'\r' ||
           (penuBox == enuBoxLines::Several && (pchr == QChar::LineSeparator || pchr == QChar::ParagraphSeparator));
}

// Calls pfnBreak for each CR LF, CR or LF of the text and pfnOther for every other character.
template <typename Break, typename Other>
void ForEachBreak(const QString& pstrText, Break pfnBreak, Other pfnOther)
{
    for (qsizetype i = 0; i < pstrText.size(); ++i) {
        const QChar c = pstrText[i];
        if (c == u'\r' && i + 1 < pstrText.size() && pstrText[i + 1] == u'\n') {
            pfnBreak(QStringView(u"\r\n"));
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            pfnBreak(QStringView(pstrText).mid(i, 1));
        } else {
            pfnOther(c);
        }
    }
}

}  // namespace

QString StoreToBox(const QString& pstrStored, enuBoxLines penuBox)
{
    QString strOut;
    strOut.reserve(pstrStored.size());
    ForEachBreak(
        pstrStored,
        [&](QStringView pstrBreak) {
            if (pstrBreak.size() == 2) strOut += penuBox == enuBoxLines::One ? QChar(MarkBreak) : QChar(u'\n');
            else strOut += pstrBreak[0] == u'\r' ? QChar(MarkCR) : QChar(MarkLF);
        },
        [&](QChar c) { strOut += c; });
    return strOut;
}

QString BoxToStore(const QString& pstrBox, enuBoxLines penuBox)
{
    QString strOut;
    strOut.reserve(pstrBox.size() + 8);
    for (qsizetype i = 0; i < pstrBox.size(); ++i) {
        const QChar c = pstrBox[i];
        if (IsWidgetBreak(c, penuBox)) {
            if (c == u'\r' && i + 1 < pstrBox.size() && pstrBox[i + 1] == u'\n') ++i;
            strOut += QLatin1StringView("\r\n");
        } else if (IsMark(c, penuBox)) {
            if (c == MarkCR) {
                strOut += u'\r';
            } else if (c == MarkLF) {
                strOut += u'\n';
            } else {
                strOut += QLatin1StringView("\r\n");
            }
        } else {
            strOut += c;
        }
    }
    return strOut;
}

bool BoxCanHold(const QString& pstrStored, enuBoxLines penuBox)
{
    for (const QChar c : pstrStored) {
        // A mark typed into the text itself would read back as a line break: no escape for it
        // can be told apart from two breaks in a row.
        if (IsMark(c, penuBox)) return false;
        if (penuBox == enuBoxLines::Several &&
            (c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == u'\uFDD0' || c == u'\uFDD1'))
            return false;
    }
    return true;
}

QString StoreToLines(const QString& pstrStored)
{
    if (!pstrStored.contains(u'\r')) return pstrStored;
    QString strOut;
    strOut.reserve(pstrStored.size());
    ForEachBreak(pstrStored, [&](QStringView) { strOut += u'\n'; }, [&](QChar c) { strOut += c; });
    return strOut;
}

QString LinesToStore(const QString& pstrLines)
{
    QString strOut;
    strOut.reserve(pstrLines.size() + 8);
    ForEachBreak(pstrLines, [&](QStringView) { strOut += QLatin1StringView("\r\n"); }, [&](QChar c) { strOut += c; });
    return strOut;
}

QString StoreToRow(const QString& pstrStored)
{
    if (!pstrStored.contains(u'\r') && !pstrStored.contains(u'\n')) return pstrStored;
    QString strOut;
    strOut.reserve(pstrStored.size() + 8);
    ForEachBreak(pstrStored, [&](QStringView) { strOut += QStringLiteral(" \u21B5 "); }, [&](QChar c) { strOut += c; });
    return strOut;
}

}  // namespace tralyx
