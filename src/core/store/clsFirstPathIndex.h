#pragma once
// The first position of each object path (form, control, index; exact case) in a control-text
// table, found in constant time without building a string per path. The merge and the pairing of a
// translation with its source both use it.
#include "store/clsFirstIndex.h"
#include "store/clsTralyx.h"

#include <cstdint>
#include <vector>

namespace tralyx {
namespace path_index {

inline bool SamePath(const ControlTextItem& pudtOne, const ControlTextItem& pudtOther)
{
    // Most paths of a table share their form name: compare it last.
    return pudtOne.Index == pudtOther.Index && pudtOne.ControlName == pudtOther.ControlName &&
           pudtOne.FormName == pudtOther.FormName;
}

inline uint32_t PathHash(const ControlTextItem& pudtItem)
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

// The key of an object path's text ("frmMain.cmdDelete.0", as clsTralyx::ObjectPath writes it:
// names without dots, the index without leading zeros); false for any other text. The names are
// views of pstrPath, which must outlive the key.
inline bool KeyOfPath(QStringView pstrPath, ControlTextItem& pudtOut)
{
    const qsizetype lngFirst = pstrPath.indexOf(u'.'), lngSecond = lngFirst < 0 ? -1 : pstrPath.indexOf(u'.', lngFirst + 1);
    if (lngSecond < 0) return false;
    const QStringView strIndex = pstrPath.sliced(lngSecond + 1);
    if (strIndex.isEmpty() || strIndex.size() > 3 || (strIndex.size() > 1 && strIndex[0] == u'0')) return false;
    unsigned lngIndex = 0;
    for (const QChar chrDigit : strIndex) {
        if (chrDigit < u'0' || chrDigit > u'9') return false;
        lngIndex = lngIndex * 10 + unsigned(chrDigit.unicode() - u'0');
    }
    if (lngIndex > 255) return false;
    pudtOut.FormName = QString::fromRawData(pstrPath.data(), lngFirst);
    pudtOut.ControlName = QString::fromRawData(pstrPath.data() + lngFirst + 1, lngSecond - lngFirst - 1);
    pudtOut.Index = static_cast<uint8_t>(lngIndex);
    return true;
}

}  // namespace path_index

// The first position of each path in a table. Built once, it answers in constant time what a scan
// of the table answers in linear time.
class clsFirstPathIndex {
public:
    explicit clsFirstPathIndex(const QVector<ControlTextItem>& pudtTable) : mudtTable(pudtTable)
    {
        mobjIndex.Build(
            pudtTable.size(), [&](qsizetype i) { return path_index::PathHash(pudtTable[i]); },
            [&](int32_t p, qsizetype i) { return path_index::SamePath(pudtTable[p], pudtTable[i]); },
            [&](qsizetype i) {
                if (mbooLater.empty()) mbooLater.resize(static_cast<size_t>(pudtTable.size()));
                mbooLater[static_cast<size_t>(i)] = true;
            });
    }

    // The first position of the item's path, or -1.
    int32_t Find(const ControlTextItem& pudtItem) const
    {
        return mobjIndex.Find(path_index::PathHash(pudtItem), [&](int32_t p) { return path_index::SamePath(mudtTable[p], pudtItem); });
    }

    // Whether the entry at that position is the first of its path: Find(table[i]) == i, known
    // from building.
    bool IsFirst(qsizetype plngPosition) const
    {
        return mbooLater.empty() || !mbooLater[static_cast<size_t>(plngPosition)];
    }

private:
    const QVector<ControlTextItem>& mudtTable;
    clsFirstIndex mobjIndex;
    std::vector<bool> mbooLater;  // the later duplicates; empty when the table has none
};

}  // namespace tralyx
