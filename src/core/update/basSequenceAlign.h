#pragma once
// Aligning two sequences of texts the way diff aligns lines: the longest run of equal texts in the
// same order that it can find cheaply, so that a text followed by an insertion or a removal is still
// paired with itself. Texts are given as numbers (equal texts, equal numbers).
#include <cstdint>
#include <vector>

namespace tralyx {

// For each element of pNew, the element of pOld it is paired with, or -1: paired elements are equal
// and in the same order on both sides. Common starts and ends first; then texts that occur once in
// each remaining stretch (patience diff), then texts that occur as often on both sides, each
// stretch between two such anchors aligned the same way; a small stretch without any is aligned
// exactly (longest common subsequence). plngDistinct: the numbers are below it.
std::vector<int32_t> AlignSequences(const std::vector<uint32_t>& pOld, const std::vector<uint32_t>& pNew,
                                    uint32_t plngDistinct);

// What the alignment leaves unpaired, paired by place: within each stretch between two aligned
// pairs, the k-th unpaired old element with the k-th unpaired new one (a changed text). Returns
// for each new element the old one, -1 where the stretch has no old element left.
std::vector<int32_t> PairChanged(const std::vector<int32_t>& pAligned, int32_t plngOldSize);

}  // namespace tralyx
