#pragma once
// Merging two versions of one language file that grew from a common one (Git's base, ours and
// theirs), entry by entry instead of line by line: core.lrc by object path, messages and procedural
// texts by the entry each side's text continues (the update's pairing, so that a renumbering on one
// side is followed). A text changed on one side only takes that change; the same change on both
// merges; two different changes of one text keep ours and name theirs as the other candidate. The
// order is ours, or theirs where only theirs moved entries (a release renumbered the texts), with
// each side's new entries where that side put them.
#include "state/clsMergeCandidates.h"
#include "state/clsTranslationState.h"
#include "store/clsTralyx.h"

#include <QStringList>
#include <QVector>

namespace tralyx {

struct udtThreeWayReport {
    QVector<udtMergeCandidate> Conflicts;
    // What could not be merged and is not a candidate: an entry changed on one side and removed on
    // the other (where the text stays or goes), entries both sides added at one place beyond those
    // paired. Any of these, or a conflict, makes the merge unclean.
    QStringList Notes;
    qsizetype TakenFromTheirs = 0;  // texts theirs changed that the merge took
    bool Clean() const { return Conflicts.isEmpty() && Notes.isEmpty(); }
};

udtThreeWayReport MergeThreeWay(const QVector<ControlTextItem>& pudtBase, const QVector<ControlTextItem>& pudtOurs,
                                const QVector<ControlTextItem>& pudtTheirs, QVector<ControlTextItem>& pudtResult);
udtThreeWayReport MergeThreeWay(const QVector<MessageItem>& pudtBase, const QVector<MessageItem>& pudtOurs,
                                const QVector<MessageItem>& pudtTheirs, QVector<MessageItem>& pudtResult);
udtThreeWayReport MergeThreeWay(const QStringList& pstrBase, const QStringList& pstrOurs, const QStringList& pstrTheirs,
                                QStringList& pstrResult);

// The state by file and text id: each of a record's parts (review, done, note) three-way; a note
// both sides changed keeps both, ours first, and is a conflict. What a part was given for follows
// the side whose marks the record takes.
udtThreeWayReport MergeThreeWay(const clsTranslationState& pobjBase, const clsTranslationState& pobjOurs,
                                const clsTranslationState& pobjTheirs, clsTranslationState& pobjResult);

}  // namespace tralyx
