#include "store/basListColumns.h"

namespace tralyx {

int ListColumnCount(enuFileKind penuKind)
{
    switch (penuKind) {
    case enuFileKind::ControlText: return 3;
    case enuFileKind::Messages: return 2;
    case enuFileKind::Secondary: break;
    }
    return 1;
}

QString ListText(const clsTralyx& pobjStore, enuFileKind penuKind, qsizetype plngEntry, int pintColumn)
{
    if (plngEntry < 0 || plngEntry >= RecordCount(pobjStore, penuKind)) return QString();
    switch (penuKind) {
    case enuFileKind::ControlText: {
        const ControlTextItem& udtItem = pobjStore.ControlTextTable()[plngEntry];
        if (pintColumn == 0) return clsTralyx::ObjectPath(udtItem);
        return pintColumn == 1 ? udtItem.Caption : pintColumn == 2 ? udtItem.ToolTip : QString();
    }
    case enuFileKind::Messages: {
        const MessageItem& udtItem = pobjStore.MessageTable()[plngEntry];
        return pintColumn == 0 ? udtItem.Title : pintColumn == 1 ? udtItem.Message : QString();
    }
    case enuFileKind::Secondary: break;
    }
    return pintColumn == 0 ? pobjStore.SecondaryTable()[plngEntry] : QString();
}

bool SetListText(clsTralyx& pobjStore, enuFileKind penuKind, qsizetype plngEntry, int pintColumn,
                 const QString& pstrText)
{
    // Checked here, so that the setters' own out-of-range messages never show.
    if (plngEntry < 0 || plngEntry >= RecordCount(pobjStore, penuKind) || plngEntry > clsTralyx::MaxRecords)
        return false;
    const auto intIndex = static_cast<int16_t>(plngEntry);
    switch (penuKind) {
    case enuFileKind::ControlText: {
        const ControlTextItem udtItem = pobjStore.ControlTextTable()[plngEntry];
        if (pintColumn == 1) pobjStore.SetControlTextItem(intIndex, pstrText, udtItem.ToolTip);
        else if (pintColumn == 2) pobjStore.SetControlTextItem(intIndex, udtItem.Caption, pstrText);
        else return false;
        return true;
    }
    case enuFileKind::Messages: {
        const MessageItem udtItem = pobjStore.MessageTable()[plngEntry];
        if (pintColumn == 0) pobjStore.SetMessageText(intIndex, pstrText, udtItem.Message);
        else if (pintColumn == 1) pobjStore.SetMessageText(intIndex, udtItem.Title, pstrText);
        else return false;
        return true;
    }
    case enuFileKind::Secondary: break;
    }
    if (pintColumn != 0) return false;
    pobjStore.SetSecondary(intIndex, pstrText);
    return true;
}

}  // namespace tralyx
