#pragma once
// Merging the table of an old (translated) language file with the same file of a new release: the
// result has the new table's entries in the new table's order, and each entry that the old table
// already had keeps its old text. The report receives the counts and the old entries left out.
//
// Given the old release's source table too (the English the old file was translated from), each new
// entry gets the translation of the old entry whose source it was: an entry whose source changed
// keeps its translation for review, messages and procedural texts follow their source text to its
// new number, and a control whose name changed keeps its translation when its unchanged source
// appears once under a new name on the same form.
#include "state/clsTranslationState.h"
#include "store/clsTralyx.h"
#include "update/udtUpdateReport.h"

#include <vector>

namespace tralyx {

enum class enuMergeOrigin : uint8_t {
    New,      // from the new file
    Kept,     // the old entry of the same id, its source unchanged (or not known)
    Changed,  // an old entry whose source changed: kept for review
    Moved,    // the old entry of another id (a renamed control: for review; a renumbered text)
};

// Where one entry of the merged table came from.
struct udtMergeLink {
    int32_t Old = -1;  // position in the old table; -1 for a new entry
    enuMergeOrigin Origin = enuMergeOrigin::New;
    // Per text of the record (caption / message text / text, then tool-tip / title): to review.
    bool Review[2] = {false, false};
    int32_t Source = -1;  // to review: the old source's record the translation was made for
};

// Control text is paired by its exact object path (form, control and index; case-sensitive). A new
// entry takes the first old entry with its path, all five fields, even when the old texts are empty;
// else it stays as it is. Old entries whose path the new table lacks, and later old entries whose
// path an earlier one already had, are left out.
void MergeControlTextTables(const QVector<ControlTextItem>& pudtNewTable, const QVector<ControlTextItem>& pudtOldTable,
                            QVector<ControlTextItem>& pudtResultTable, udtUpdateReport& pudtReport,
                            std::vector<udtMergeLink>* pudtLinks = nullptr);

// Messages and procedural text are paired by position: position i comes from the old table when it
// has one, else from the new. Old entries beyond the new table's end are left out.
void MergeMessageTables(const QVector<MessageItem>& pudtNewTable, const QVector<MessageItem>& pudtOldTable,
                        QVector<MessageItem>& pudtResultTable, udtUpdateReport& pudtReport,
                        std::vector<udtMergeLink>* pudtLinks = nullptr);
void MergeSecondaryTables(const QStringList& pstrNewTable, const QStringList& pstrOldTable,
                          QStringList& pstrResultTable, udtUpdateReport& pudtReport,
                          std::vector<udtMergeLink>* pudtLinks = nullptr);

// The same with the old release's source table, pudtOldSource beside pudtOldTable:
// - control text: the same pairs; a text whose source changed is kept for review; a new path whose
//   source (caption and tool-tip) is that of exactly one old path of the same form that the new
//   table lacks, and of no other new path, takes that old entry's texts for review;
// - messages and procedural text: where the old and the new source agree at a position, the old
//   entry of that position; elsewhere the old and the new source are aligned (basSequenceAlign.h:
//   a text once on each side wherever it moved, the rest as diff aligns lines), and a new entry
//   takes the old entry whose source it is (at its new number), or, in a block of replaced
//   entries, the old entry it most resembles (the same title or text, else the closest text, at
//   least half alike), or the one at its place where a block has as many old as new entries left,
//   for review.
// Where the old and the new source agree at a path or position the result is the plain merge's.
void MergeControlTextWithSource(const QVector<ControlTextItem>& pudtNewTable, const QVector<ControlTextItem>& pudtOldTable,
                                const QVector<ControlTextItem>& pudtOldSource, QVector<ControlTextItem>& pudtResultTable,
                                udtUpdateReport& pudtReport, std::vector<udtMergeLink>* pudtLinks = nullptr);
void MergeMessagesWithSource(const QVector<MessageItem>& pudtNewTable, const QVector<MessageItem>& pudtOldTable,
                             const QVector<MessageItem>& pudtOldSource, QVector<MessageItem>& pudtResultTable,
                             udtUpdateReport& pudtReport, std::vector<udtMergeLink>* pudtLinks = nullptr);
void MergeSecondaryWithSource(const QStringList& pstrNewTable, const QStringList& pstrOldTable,
                              const QStringList& pstrOldSource, QStringList& pstrResultTable, udtUpdateReport& pudtReport,
                              std::vector<udtMergeLink>* pudtLinks = nullptr);

// For each record of pudtSide, the record of pudtBase it continues, as the update pairs an old and a
// new table with the old one as its own source: the same text wherever it moved, else a changed text
// in its place; -1 for a record new on that side. No base record is given twice.
std::vector<int32_t> PairWithBase(const QVector<MessageItem>& pudtBase, const QVector<MessageItem>& pudtSide);
std::vector<int32_t> PairWithBase(const QStringList& pstrBase, const QStringList& pstrSide);

// The old folder's state of each text the merge carried, under the text's id in the merged table,
// into pobjNew's section of that file (replaced); review where the link says so (a review already
// recorded keeps the source it was made for; done is cleared), and the id a renamed control came
// from.
// pudtOldSource: the old source table the merge was given (none for the plain merge).
void CarryState(const std::vector<udtMergeLink>& pudtLinks, const QVector<ControlTextItem>& pudtOldTable,
                const QVector<ControlTextItem>* pudtOldSource, const QVector<ControlTextItem>& pudtResultTable,
                const clsTranslationState& pobjOldState, clsTranslationState& pobjNew);
void CarryState(const std::vector<udtMergeLink>& pudtLinks, const QVector<MessageItem>& pudtOldTable,
                const QVector<MessageItem>* pudtOldSource, const QVector<MessageItem>& pudtResultTable,
                const clsTranslationState& pobjOldState, clsTranslationState& pobjNew);
void CarryState(const std::vector<udtMergeLink>& pudtLinks, const QStringList& pstrOldTable, const QStringList* pstrOldSource,
                const QStringList& pstrResultTable, const clsTranslationState& pobjOldState, clsTranslationState& pobjNew);

}  // namespace tralyx
