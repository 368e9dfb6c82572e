#include "basMerge.h"

#include <QHash>
#include <vector>

namespace tralyx {
namespace {

// A control's object path, viewed in place in the old table.
struct udtKeyView {
    QStringView FormName;
    QStringView ControlName;
    uint8_t Index = 0;
    bool operator==(const udtKeyView&) const = default;
};

size_t qHash(const udtKeyView& pudtKey, size_t plngSeed)
{
    return qHashMulti(plngSeed, pudtKey.FormName, pudtKey.ControlName, pudtKey.Index);
}

udtKeyView KeyOf(const ControlTextItem& pudtItem) { return {pudtItem.FormName, pudtItem.ControlName, pudtItem.Index}; }

// A dropped text as one short line, enough for the translator to recognise it.
QString Shortened(const QString& pstrText)
{
    constexpr qsizetype MaxChars = 60;
    qsizetype lngEnd = pstrText.indexOf(u'\r');
    if (const qsizetype lngLF = pstrText.indexOf(u'\n'); lngLF >= 0 && (lngEnd < 0 || lngLF < lngEnd)) lngEnd = lngLF;
    const bool booCut = lngEnd >= 0 || pstrText.size() > MaxChars;
    QString strOut = pstrText.left(std::min(lngEnd < 0 ? pstrText.size() : lngEnd, MaxChars));
    return booCut ? strOut + QStringLiteral("...") : strOut;
}

QString DroppedText(const ControlTextItem& pudtItem)
{
    return Shortened(pudtItem.Caption.isEmpty() ? pudtItem.ToolTip : pudtItem.Caption);
}
QString DroppedText(const MessageItem& pudtItem)
{
    if (pudtItem.Title.isEmpty()) return Shortened(pudtItem.Message);
    return Shortened(pudtItem.Title + QStringLiteral(": ") + pudtItem.Message);
}
QString DroppedText(const QString& pstrText) { return Shortened(pstrText); }

template <class TTable>
void MergeByPosition(const TTable& pudtNewTable, const TTable& pudtOldTable, TTable& pudtResultTable,
                     udtUpdateReport& pudtReport)
{
    const qsizetype lngKept = std::min(pudtNewTable.size(), pudtOldTable.size());
    TTable udtResult = pudtOldTable.mid(0, lngKept);
    udtResult.append(pudtNewTable.mid(lngKept));
    pudtReport.KeptFromOld = static_cast<int32_t>(lngKept);
    pudtReport.TakenFromNew = static_cast<int32_t>(pudtNewTable.size() - lngKept);
    pudtReport.Dropped.clear();
    for (qsizetype i = lngKept; i < pudtOldTable.size(); ++i)
        pudtReport.Dropped.append({static_cast<int32_t>(i), QString(), DroppedText(pudtOldTable[i]), false});
    pudtResultTable = std::move(udtResult);
}

}  // namespace

// Both merges build their result aside, so that the result table may be one of the inputs.
void MergeControlTextTables(const QVector<ControlTextItem>& pudtNewTable, const QVector<ControlTextItem>& pudtOldTable,
                            QVector<ControlTextItem>& pudtResultTable, udtUpdateReport& pudtReport)
{
    // The first old entry of each path, found by hashing instead of scanning the old table for
    // every new entry: the same pairs, in linear time. Filled from the end, so that the first
    // entry of a path is the last one stored.
    QHash<udtKeyView, int32_t> objFirstOld;
    objFirstOld.reserve(pudtOldTable.size());
    for (qsizetype i = pudtOldTable.size() - 1; i >= 0; --i)
        objFirstOld.insert(KeyOf(pudtOldTable[i]), static_cast<int32_t>(i));

    std::vector<bool> booUsed(pudtOldTable.size(), false);
    QVector<ControlTextItem> udtResult;
    udtResult.reserve(pudtNewTable.size());
    int32_t lngKept = 0;
    for (const ControlTextItem& udtNew : pudtNewTable) {
        const auto itOld = objFirstOld.constFind(KeyOf(udtNew));
        if (itOld == objFirstOld.cend()) {
            udtResult.append(udtNew);
        } else {
            udtResult.append(pudtOldTable[*itOld]);
            booUsed[*itOld] = true;
            ++lngKept;
        }
    }

    pudtReport.KeptFromOld = lngKept;
    pudtReport.TakenFromNew = static_cast<int32_t>(pudtNewTable.size()) - lngKept;
    pudtReport.Dropped.clear();
    for (qsizetype i = 0; i < pudtOldTable.size(); ++i) {
        if (booUsed[i]) continue;
        const ControlTextItem& udtOld = pudtOldTable[i];
        const int32_t lngFirst = objFirstOld.value(KeyOf(udtOld));
        const bool booDuplicate = lngFirst != i && booUsed[lngFirst];
        pudtReport.Dropped.append(
            {static_cast<int32_t>(i), clsTralyx::ObjectPath(udtOld), DroppedText(udtOld), booDuplicate});
    }
    pudtResultTable = std::move(udtResult);
}

void MergeMessageTables(const QVector<MessageItem>& pudtNewTable, const QVector<MessageItem>& pudtOldTable,
                        QVector<MessageItem>& pudtResultTable, udtUpdateReport& pudtReport)
{
    MergeByPosition(pudtNewTable, pudtOldTable, pudtResultTable, pudtReport);
}

void MergeSecondaryTables(const QStringList& pstrNewTable, const QStringList& pstrOldTable,
                          QStringList& pstrResultTable, udtUpdateReport& pudtReport)
{
    MergeByPosition(pstrNewTable, pstrOldTable, pstrResultTable, pudtReport);
}

}  // namespace tralyx
