#pragma once
// The records of the three tables seen alike by the merges: a record's texts in the order of their
// ids (basStateIds.h), the file kind of a record type, and the id of the record at a position.
#include "store/basFileKind.h"
#include "store/clsTralyx.h"

#include <type_traits>

namespace tralyx::records {

inline const QString& TextOf(const ControlTextItem& pudtItem, int t) { return t == 0 ? pudtItem.Caption : pudtItem.ToolTip; }
inline const QString& TextOf(const MessageItem& pudtItem, int t) { return t == 0 ? pudtItem.Message : pudtItem.Title; }
inline const QString& TextOf(const QString& pstrText, int) { return pstrText; }
inline QString& TextOf(ControlTextItem& pudtItem, int t) { return t == 0 ? pudtItem.Caption : pudtItem.ToolTip; }
inline QString& TextOf(MessageItem& pudtItem, int t) { return t == 0 ? pudtItem.Message : pudtItem.Title; }
inline QString& TextOf(QString& pstrText, int) { return pstrText; }

template <class TItem>
constexpr enuFileKind KindOf()
{
    if constexpr (std::is_same_v<TItem, ControlTextItem>) return enuFileKind::ControlText;
    else if constexpr (std::is_same_v<TItem, MessageItem>) return enuFileKind::Messages;
    else return enuFileKind::Secondary;
}

// The id of the record at a position: its object path, or the file's number.
inline QString RecordKey(const QVector<ControlTextItem>& pudtTable, qsizetype i) { return clsTralyx::ObjectPath(pudtTable[i]); }
inline QString RecordKey(const QVector<MessageItem>&, qsizetype i) { return RecordId(enuFileKind::Messages, i); }
inline QString RecordKey(const QStringList&, qsizetype i) { return RecordId(enuFileKind::Secondary, i); }

}  // namespace tralyx::records
