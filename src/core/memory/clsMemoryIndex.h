#pragma once
// The index of a translation memory's source texts, built once for all its units. A query looks up
// the masked text itself (what scores 100) and, through the words it shares with the units
// (basMatchText.h MatchKeys), ranks the units of a fitting length by the weight of the words they
// share; only the best ranked are scored by edit distance. Rare words weigh more than common ones.
// Matches may miss a unit that scores enough but shares few words with the text (every word
// changed a little); what shares most of its words is never missed.
#include "memory/udtMemoryUnit.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace tralyx {

class clsMemoryIndex {
public:
    // How many of the ranked units a query scores by edit distance: at least the fewest, then as
    // many as the budget of table cells allows, at most the most.
    static constexpr int32_t FewestCandidates = 48;
    static constexpr int32_t MostCandidates = 4096;
    static constexpr int64_t CompareBudget = 1'000'000;

    explicit clsMemoryIndex(const std::vector<udtMemoryUnit>& pudtUnits);

    struct udtMatch {
        int32_t Unit = 0;
        int32_t Score = 0;
    };
    // The units whose masked source scores at least plngMinimum against pstrMasked (a MaskedText),
    // in no particular order; every unit of the same masked text is among them.
    std::vector<udtMatch> Matches(QStringView pstrMasked, int32_t plngMinimum) const;
    // Only the units of the same masked text, in the order added: a lookup, no scoring.
    std::vector<int32_t> SameMasked(QStringView pstrMasked) const;

private:
    std::vector<QString> mstrMasked;          // per unit
    std::vector<int32_t> mlngLength;          // per unit: of its masked text
    std::vector<float> msngUnitWeight;        // per unit: the weight of its keys
    QHash<uint64_t, int32_t> mlngFirstMasked;  // TextHash of a masked text -> its first unit
    std::vector<int32_t> mlngNextMasked;       // per unit: the next unit of the same hash, or -1
    QHash<uint64_t, int32_t> mlngKeyNumbers;         // by key, numbered as first seen
    std::vector<float> msngKeyWeight;                // per key
    std::vector<int32_t> mlngPostingStart;           // per key, and one past the last
    std::vector<int32_t> mlngPostings;               // the units of each key, in order
};

}  // namespace tralyx
