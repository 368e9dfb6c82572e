#pragma once
// The ids under which the state keeps a text: the ids the checks give it (frmMain.cmdOK.0.C and .T,
// MSG003 and MST003, TXT004 and beyond 999 TXT004#1004), made from a record's id and the number of
// the text in the record, and back.
#include "store/basFileKind.h"

#include <QString>

namespace tralyx {

// How many texts a record holds: 2 for core.lrc (caption, tool-tip) and messages.lrc (text, title),
// 1 for secondary.lrc.
int32_t TextsPerRecord(enuFileKind penuFile);

// The id of text plngText (0 caption / message text / text, 1 tool-tip / title) of the record whose
// id is pstrRecordId (an object path for core.lrc, RecordId() for the others).
QString TextId(enuFileKind penuFile, const QString& pstrRecordId, int32_t plngText);

// messages.lrc and secondary.lrc: the position of the record an id names and the number of its text;
// false for an id these files do not give.
bool PositionOfTextId(enuFileKind penuFile, QStringView pstrId, qsizetype& plngPosition, int32_t& plngText);

}  // namespace tralyx
