#pragma once
// Merging the table of an old (translated) language file with the same file of a new release: the
// result has the new table's entries in the new table's order, and each entry that the old table
// already had keeps its old text. The report receives the counts and the old entries left out.
#include "store/clsTralyx.h"
#include "update/udtUpdateReport.h"

namespace tralyx {

// Control text is paired by its exact object path (form, control and index; case-sensitive). A new
// entry takes the first old entry with its path, all five fields, even when the old texts are empty;
// else it stays as it is. Old entries whose path the new table lacks, and later old entries whose
// path an earlier one already had, are left out.
void MergeControlTextTables(const QVector<ControlTextItem>& pudtNewTable, const QVector<ControlTextItem>& pudtOldTable,
                            QVector<ControlTextItem>& pudtResultTable, udtUpdateReport& pudtReport);

// Messages and procedural text are paired by position: position i comes from the old table when it
// has one, else from the new. Old entries beyond the new table's end are left out.
void MergeMessageTables(const QVector<MessageItem>& pudtNewTable, const QVector<MessageItem>& pudtOldTable,
                        QVector<MessageItem>& pudtResultTable, udtUpdateReport& pudtReport);
void MergeSecondaryTables(const QStringList& pstrNewTable, const QStringList& pstrOldTable,
                          QStringList& pstrResultTable, udtUpdateReport& pudtReport);

}  // namespace tralyx
