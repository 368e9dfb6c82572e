#include "update/basMerge.h"

#include "common/basShortened.h"
#include "store/basFileKind.h"
#include "store/clsFirstPathIndex.h"

#include <vector>

namespace tralyx {
namespace {

// A dropped or new text is named by Shortened(): one short line, enough for the translator to
// recognise it.
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
void MergeByPosition(enuFileKind penuFile, const TTable& pudtNewTable, const TTable& pudtOldTable,
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
    MergeByPosition(enuFileKind::Messages, pudtNewTable, pudtOldTable, pudtResultTable, pudtReport);
}

void MergeSecondaryTables(const QStringList& pstrNewTable, const QStringList& pstrOldTable,
                          QStringList& pstrResultTable, udtUpdateReport& pudtReport)
{
    MergeByPosition(enuFileKind::Secondary, pstrNewTable, pstrOldTable, pstrResultTable, pudtReport);
}

}  // namespace tralyx
