#include "basMerge.h"

#include "basEntryMatch.h"

#include <vector>

namespace tralyx {
namespace {

bool SamePath(const ControlTextItem& pudtOne, const ControlTextItem& pudtOther)
{
    // Most paths of a table share their form name: compare it last.
    return pudtOne.Index == pudtOther.Index && pudtOne.ControlName == pudtOther.ControlName &&
           pudtOne.FormName == pudtOther.FormName;
}

uint32_t PathHash(const ControlTextItem& pudtItem)
{
    // FNV-1a over the path's UTF-16 units, then a final mix so that the low bits, which pick the
    // slot, depend on all of it.
    uint32_t lngHash = 2166136261u;
    const auto Add = [&lngHash](uint32_t plngUnit) { lngHash = (lngHash ^ plngUnit) * 16777619u; };
    for (const QChar chrUnit : pudtItem.FormName) Add(chrUnit.unicode());
    Add(0x10000);  // a separator no UTF-16 unit can be
    for (const QChar chrUnit : pudtItem.ControlName) Add(chrUnit.unicode());
    Add(0x10000u + pudtItem.Index);
    lngHash ^= lngHash >> 16;
    lngHash *= 0x85ebca6bu;
    lngHash ^= lngHash >> 13;
    return lngHash;
}

// The first position of each path in a table: an open-addressed array of positions at most half
// full, small enough to stay in the cache, with each entry's hash kept to skip most string
// comparisons. Built once, it answers in constant time what a scan of the table answers in
// linear time.
class clsFirstPathIndex {
public:
    explicit clsFirstPathIndex(const QVector<ControlTextItem>& pudtTable) : mudtTable(pudtTable)
    {
        size_t lngSlots = 16;
        while (lngSlots < 2 * static_cast<size_t>(pudtTable.size())) lngSlots *= 2;
        mlngSlots.assign(lngSlots, -1);
        mlngMask = lngSlots - 1;
        mlngHashes.resize(pudtTable.size());
        for (qsizetype i = 0; i < pudtTable.size(); ++i) {
            mlngHashes[i] = PathHash(pudtTable[i]);
            int32_t& lngSlot = mlngSlots[Slot(mlngHashes[i], pudtTable[i])];
            if (lngSlot < 0) lngSlot = static_cast<int32_t>(i);  // a later duplicate leaves the first
        }
    }

    // The first position of the item's path, or -1.
    int32_t Find(const ControlTextItem& pudtItem) const { return mlngSlots[Slot(PathHash(pudtItem), pudtItem)]; }

private:
    // The slot that holds the path, or the empty one where it would go.
    size_t Slot(uint32_t plngHash, const ControlTextItem& pudtItem) const
    {
        for (size_t lngSlot = plngHash & mlngMask;; lngSlot = (lngSlot + 1) & mlngMask) {
            const int32_t lngPosition = mlngSlots[lngSlot];
            if (lngPosition < 0 || (mlngHashes[lngPosition] == plngHash && SamePath(mudtTable[lngPosition], pudtItem)))
                return lngSlot;
        }
    }

    const QVector<ControlTextItem>& mudtTable;
    std::vector<int32_t> mlngSlots;
    std::vector<uint32_t> mlngHashes;
    size_t mlngMask = 0;
};

// A dropped or new text as one short line, enough for the translator to recognise it.
QString Shortened(const QString& pstrText)
{
    constexpr qsizetype MaxChars = 60;
    qsizetype lngEnd = pstrText.indexOf(u'\r');
    if (const qsizetype lngLF = pstrText.indexOf(u'\n'); lngLF >= 0 && (lngEnd < 0 || lngLF < lngEnd)) lngEnd = lngLF;
    const bool booCut = lngEnd >= 0 || pstrText.size() > MaxChars;
    QString strOut = pstrText.left(std::min(lngEnd < 0 ? pstrText.size() : lngEnd, MaxChars));
    return booCut ? strOut + QStringLiteral("...") : strOut;
}

QString ShortText(const ControlTextItem& pudtItem)
{
    return Shortened(pudtItem.Caption.isEmpty() ? pudtItem.ToolTip : pudtItem.Caption);
}
QString ShortText(const MessageItem& pudtItem)
{
    if (pudtItem.Title.isEmpty()) return Shortened(pudtItem.Message);
    return Shortened(pudtItem.Title + QStringLiteral(": ") + pudtItem.Message);
}
QString ShortText(const QString& pstrText) { return Shortened(pstrText); }

template <class TTable>
void MergeByPosition(enuLanguageFile penuFile, const TTable& pudtNewTable, const TTable& pudtOldTable,
                     TTable& pudtResultTable, udtUpdateReport& pudtReport)
{
    const qsizetype lngKept = std::min(pudtNewTable.size(), pudtOldTable.size());
    TTable udtResult = pudtOldTable.mid(0, lngKept);
    udtResult.append(pudtNewTable.mid(lngKept));
    pudtReport.KeptFromOld = static_cast<int32_t>(lngKept);
    pudtReport.TakenFromNew = static_cast<int32_t>(pudtNewTable.size() - lngKept);
    pudtReport.TakenNew.clear();
    pudtReport.TakenNew.reserve(pudtNewTable.size() - lngKept);
    for (qsizetype i = lngKept; i < pudtNewTable.size(); ++i)
        pudtReport.TakenNew.append({static_cast<int32_t>(i), RecordId(penuFile, i), ShortText(pudtNewTable[i])});
    pudtReport.Dropped.clear();
    for (qsizetype i = lngKept; i < pudtOldTable.size(); ++i)
        pudtReport.Dropped.append({static_cast<int32_t>(i), RecordId(penuFile, i), ShortText(pudtOldTable[i]), false});
    pudtResultTable = std::move(udtResult);
}

}  // namespace

// Both merges build their result aside, so that the result table may be one of the inputs.
void MergeControlTextTables(const QVector<ControlTextItem>& pudtNewTable, const QVector<ControlTextItem>& pudtOldTable,
                            QVector<ControlTextItem>& pudtResultTable, udtUpdateReport& pudtReport)
{
    // The first old entry of each path, found through an index instead of scanning the old table
    // for every new entry: the same pairs, in linear time.
    const clsFirstPathIndex objFirstOld(pudtOldTable);
    std::vector<bool> booUsed(pudtOldTable.size(), false);
    QVector<ControlTextItem> udtResult;
    udtResult.reserve(pudtNewTable.size());
    QVector<udtNewEntry> udtTakenNew;
    int32_t lngKept = 0;
    for (qsizetype i = 0; i < pudtNewTable.size(); ++i) {
        const ControlTextItem& udtNew = pudtNewTable[i];
        const int32_t lngOld = objFirstOld.Find(udtNew);
        if (lngOld < 0) {
            udtResult.append(udtNew);
            udtTakenNew.append({static_cast<int32_t>(i), clsTralyx::ObjectPath(udtNew), ShortText(udtNew)});
        } else {
            udtResult.append(pudtOldTable[lngOld]);
            booUsed[lngOld] = true;
            ++lngKept;
        }
    }

    pudtReport.KeptFromOld = lngKept;
    pudtReport.TakenFromNew = static_cast<int32_t>(pudtNewTable.size()) - lngKept;
    pudtReport.TakenNew = std::move(udtTakenNew);
    pudtReport.Dropped.clear();
    for (qsizetype i = 0; i < pudtOldTable.size(); ++i) {
        if (booUsed[i]) continue;
        const ControlTextItem& udtOld = pudtOldTable[i];
        const int32_t lngFirst = objFirstOld.Find(udtOld);
        const bool booDuplicate = lngFirst != i && booUsed[lngFirst];
        pudtReport.Dropped.append(
            {static_cast<int32_t>(i), clsTralyx::ObjectPath(udtOld), ShortText(udtOld), booDuplicate});
    }
    pudtResultTable = std::move(udtResult);
}

void MergeMessageTables(const QVector<MessageItem>& pudtNewTable, const QVector<MessageItem>& pudtOldTable,
                        QVector<MessageItem>& pudtResultTable, udtUpdateReport& pudtReport)
{
    MergeByPosition(enuLanguageFile::Messages, pudtNewTable, pudtOldTable, pudtResultTable, pudtReport);
}

void MergeSecondaryTables(const QStringList& pstrNewTable, const QStringList& pstrOldTable,
                          QStringList& pstrResultTable, udtUpdateReport& pudtReport)
{
    MergeByPosition(enuLanguageFile::Secondary, pstrNewTable, pstrOldTable, pstrResultTable, pudtReport);
}

}  // namespace tralyx
