#pragma once
// Aligning two sequences of texts the way diff aligns lines, except that a text that occurs once on
// each side is paired with itself wherever it moved: it is the surest sign of one entry. Texts are
// given as numbers (equal texts, equal numbers). Every order costs about the same: the work of
// each step is bounded by a multiple of the sequences' length.
#include <cstdint>
#include <functional>
#include <vector>

namespace tralyx {

// For each element of pNew, the element of pOld it is paired with, or -1: paired elements are
// equal. Common starts and ends first; then every text that occurs once in each side of the
// stretch, wherever it stands; the longest run of those in the same order on both sides cuts the
// stretch into smaller ones, each aligned the same way with the elements left; a stretch without
// such texts takes the k-th occurrence of a text that occurs as often on both sides for the k-th,
// in order, and a small one without any is aligned exactly (longest common subsequence).
// plngDistinct: the numbers are below it.
std::vector<int32_t> AlignSequences(const std::vector<uint32_t>& pOld, const std::vector<uint32_t>& pNew,
                                    uint32_t plngDistinct);

// How alike old element plngOld and new element plngNew are: above 0 a pair that a changed entry
// may make, the higher the closer; 0 never.
using fnPairScore = std::function<float(int32_t plngOld, int32_t plngNew)>;

// What the alignment leaves unpaired, paired as changed entries: within each stretch between two
// aligned pairs in the same order, by the best-scoring pairs in order, then, between those, where
// as many old as new elements are left, by place (an entry reworded where it stood). Returns for
// each new element the old one, -1 where none.
std::vector<int32_t> PairChanged(const std::vector<int32_t>& pAligned, int32_t plngOldSize, const fnPairScore& pfnScore);

}  // namespace tralyx
