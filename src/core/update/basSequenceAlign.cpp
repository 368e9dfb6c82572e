#include "update/basSequenceAlign.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

namespace tralyx {
namespace {

using udtPair = std::pair<int32_t, int32_t>;  // an old and a new position

// The longest subsequence of pairs (in new order) whose old positions increase (patience sorting).
std::vector<udtPair> LongestIncreasing(const std::vector<udtPair>& pudtPairs)
{
    std::vector<int32_t> lngTops;  // index of the pair on top of each pile
    std::vector<int32_t> lngBefore(pudtPairs.size(), -1);
    for (size_t k = 0; k < pudtPairs.size(); ++k) {
        const auto itPile = std::lower_bound(lngTops.begin(), lngTops.end(), pudtPairs[k].first,
                                             [&](int32_t t, int32_t a) { return pudtPairs[t].first < a; });
        if (itPile != lngTops.begin()) lngBefore[k] = *(itPile - 1);
        if (itPile == lngTops.end()) lngTops.push_back(static_cast<int32_t>(k));
        else *itPile = static_cast<int32_t>(k);
    }
    std::vector<udtPair> udtOut(lngTops.size());
    for (int32_t k = lngTops.empty() ? -1 : lngTops.back(), n = static_cast<int32_t>(lngTops.size()); k >= 0; k = lngBefore[k])
        udtOut[--n] = pudtPairs[k];
    return udtOut;
}

// The cells of all exact tables of one alignment together: a crafted order gets no more.
constexpr int64_t MaxTableCells = int64_t(1) << 21;
// Elements visited while cutting stretches, per element of the two sequences: an order that cuts
// off one pair at a time stops there, and what is left is paired as changed entries.
constexpr int64_t WorkPerElement = 16;

// A stretch still to align: [O0, O1) of the list of old positions still unpaired against [N0, N1)
// of the new ones. The lists stay sorted, and a stretch's elements stay contiguous in them.
struct udtStretch {
    int32_t O0, O1, N0, N1;
};

class clsAligner {
public:
    clsAligner(const std::vector<uint32_t>& pOld, const std::vector<uint32_t>& pNew, uint32_t plngDistinct)
        : A(pOld), B(pNew), mlngCountA(plngDistinct, 0), mlngCountB(plngDistinct, 0), mlngWhere(plngDistinct, 0),
          mlngOld(pOld.size()), mlngNew(pNew.size()), mlngMatch(pNew.size(), -1), mbooOldPaired(pOld.size(), false),
          mlngWorkLeft(WorkPerElement * static_cast<int64_t>(pOld.size() + pNew.size()) + 4096)
    {
        std::iota(mlngOld.begin(), mlngOld.end(), 0);
        std::iota(mlngNew.begin(), mlngNew.end(), 0);
    }

    std::vector<int32_t> Run()
    {
        std::vector<udtStretch> udtTodo{{0, static_cast<int32_t>(A.size()), 0, static_cast<int32_t>(B.size())}};
        for (size_t k = 0; k < udtTodo.size(); ++k) {  // the coarse cuts before the fine ones
            udtStretch s = udtTodo[k];
            while (s.O0 < s.O1 && s.N0 < s.N1 && A[mlngOld[s.O0]] == B[mlngNew[s.N0]]) Pair(mlngOld[s.O0++], mlngNew[s.N0++]);
            while (s.O0 < s.O1 && s.N0 < s.N1 && A[mlngOld[s.O1 - 1]] == B[mlngNew[s.N1 - 1]]) Pair(mlngOld[--s.O1], mlngNew[--s.N1]);
            if (s.O0 == s.O1 || s.N0 == s.N1) continue;
            const int64_t lngSize = (s.O1 - s.O0) + (s.N1 - s.N0);
            if (lngSize > mlngWorkLeft) continue;
            mlngWorkLeft -= lngSize;
            Cut(s, udtTodo);
        }
        return std::move(mlngMatch);
    }

private:
    void Pair(int32_t a, int32_t b)
    {
        mlngMatch[b] = a;
        mbooOldPaired[a] = true;
    }

    // Pairs the stretch's anchors and queues the stretches between them.
    void Cut(const udtStretch& s, std::vector<udtStretch>& pudtTodo)
    {
        for (int32_t k = s.O0; k < s.O1; ++k) ++mlngCountA[A[mlngOld[k]]];
        for (int32_t k = s.N0; k < s.N1; ++k) ++mlngCountB[B[mlngNew[k]]];
        const auto Unique = [&](uint32_t e) { return mlngCountA[e] == 1 && mlngCountB[e] == 1; };
        std::vector<udtPair> udtPairs, udtCuts;
        for (int32_t k = s.O0; k < s.O1; ++k)
            if (Unique(A[mlngOld[k]])) mlngWhere[A[mlngOld[k]]] = static_cast<uint32_t>(mlngOld[k]);
        for (int32_t k = s.N0; k < s.N1; ++k)
            if (Unique(B[mlngNew[k]])) udtPairs.push_back({static_cast<int32_t>(mlngWhere[B[mlngNew[k]]]), mlngNew[k]});
        if (!udtPairs.empty()) {
            udtCuts = LongestIncreasing(udtPairs);  // every unique text is paired; the ones in order cut
        } else {
            // The k-th occurrence of a text that occurs as often on both sides with the k-th.
            const auto Even = [&](uint32_t e) { return mlngCountA[e] == mlngCountB[e]; };
            std::vector<std::pair<uint32_t, int32_t>> udtOld;
            for (int32_t k = s.O0; k < s.O1; ++k)
                if (Even(A[mlngOld[k]])) udtOld.push_back({A[mlngOld[k]], mlngOld[k]});
            std::stable_sort(udtOld.begin(), udtOld.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
            for (size_t k = 0; k < udtOld.size(); ++k)
                if (k == 0 || udtOld[k].first != udtOld[k - 1].first) mlngWhere[udtOld[k].first] = static_cast<uint32_t>(k);
            for (int32_t k = s.N0; k < s.N1; ++k)
                if (Even(B[mlngNew[k]])) udtPairs.push_back({udtOld[mlngWhere[B[mlngNew[k]]]++].second, mlngNew[k]});
            udtPairs = udtCuts = LongestIncreasing(udtPairs);
        }
        for (int32_t k = s.O0; k < s.O1; ++k) mlngCountA[A[mlngOld[k]]] = 0;
        for (int32_t k = s.N0; k < s.N1; ++k) mlngCountB[B[mlngNew[k]]] = 0;
        if (udtPairs.empty()) {
            const int64_t lngCells = int64_t(s.O1 - s.O0) * (s.N1 - s.N0);
            if (lngCells <= mlngCellsLeft) {
                mlngCellsLeft -= lngCells;
                AlignExactly(s);
            }
            return;
        }
        for (const auto& [a, b] : udtPairs) Pair(a, b);
        // What is left of the stretch, still sorted, then cut between the anchors in order.
        const int32_t lngO1 = static_cast<int32_t>(
            std::remove_if(mlngOld.begin() + s.O0, mlngOld.begin() + s.O1, [&](int32_t a) { return mbooOldPaired[a]; }) - mlngOld.begin());
        const int32_t lngN1 = static_cast<int32_t>(
            std::remove_if(mlngNew.begin() + s.N0, mlngNew.begin() + s.N1, [&](int32_t b) { return mlngMatch[b] >= 0; }) - mlngNew.begin());
        udtCuts.push_back({std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()});
        int32_t o = s.O0, n = s.N0;
        for (const auto& [a, b] : udtCuts) {
            const int32_t lngO = o, lngN = n;
            while (o < lngO1 && mlngOld[o] < a) ++o;
            while (n < lngN1 && mlngNew[n] < b) ++n;
            if (o > lngO && n > lngN) pudtTodo.push_back({lngO, o, lngN, n});
        }
    }

    // The longest common subsequence of a small stretch, by its table; of equal choices the one that
    // pairs earlier elements.
    void AlignExactly(const udtStretch& s)
    {
        const int32_t n = s.O1 - s.O0, m = s.N1 - s.N0;
        const auto OldAt = [&](int32_t i) { return A[mlngOld[s.O0 + i]]; };
        const auto NewAt = [&](int32_t j) { return B[mlngNew[s.N0 + j]]; };
        std::vector<uint16_t> lngTable(static_cast<size_t>(n + 1) * (m + 1), 0);
        const auto At = [&](int32_t i, int32_t j) -> uint16_t& { return lngTable[static_cast<size_t>(i) * (m + 1) + j]; };
        for (int32_t i = n - 1; i >= 0; --i)
            for (int32_t j = m - 1; j >= 0; --j)
                At(i, j) = OldAt(i) == NewAt(j) ? At(i + 1, j + 1) + 1 : std::max(At(i + 1, j), At(i, j + 1));
        for (int32_t i = 0, j = 0; i < n && j < m;) {
            if (OldAt(i) == NewAt(j)) Pair(mlngOld[s.O0 + i++], mlngNew[s.N0 + j++]);
            else if (At(i + 1, j) >= At(i, j + 1)) ++i;
            else ++j;
        }
    }

    const std::vector<uint32_t>& A;
    const std::vector<uint32_t>& B;
    std::vector<uint32_t> mlngCountA, mlngCountB, mlngWhere;
    std::vector<int32_t> mlngOld, mlngNew, mlngMatch;
    std::vector<bool> mbooOldPaired;
    int64_t mlngWorkLeft;
    int64_t mlngCellsLeft = MaxTableCells;
};

// A block of changed entries is paired in pieces of at most this many entries a side, so that a
// block of any size costs a fixed number of comparisons per entry.
constexpr int32_t PieceSide = 16;

// The best-scoring pairs of old elements pOld[o0, o1) with new elements pNew[n0, n1), in order.
void BestPairs(const std::vector<int32_t>& pOld, int32_t o0, int32_t o1, const std::vector<int32_t>& pNew, int32_t n0,
               int32_t n1, const fnPairScore& pfnScore, std::vector<udtPair>& pudtOut)
{
    const int32_t a = o1 - o0, b = n1 - n0, w = b + 1;
    std::array<float, (PieceSide + 1) * (PieceSide + 1)> sngBest{};
    std::array<uint8_t, (PieceSide + 1) * (PieceSide + 1)> bytStep{};  // 0 old skipped, 1 new skipped, 2 paired
    for (int32_t i = 1; i <= a; ++i)
        for (int32_t j = 1; j <= b; ++j) {
            float sngValue = sngBest[(i - 1) * w + j];
            uint8_t bytHow = 0;
            if (sngBest[i * w + j - 1] > sngValue) sngValue = sngBest[i * w + j - 1], bytHow = 1;
            if (const float s = pfnScore(pOld[o0 + i - 1], pNew[n0 + j - 1]); s > 0 && sngBest[(i - 1) * w + j - 1] + s > sngValue)
                sngValue = sngBest[(i - 1) * w + j - 1] + s, bytHow = 2;
            sngBest[i * w + j] = sngValue;
            bytStep[i * w + j] = bytHow;
        }
    const size_t lngFirst = pudtOut.size();
    for (int32_t i = a, j = b; i > 0 && j > 0;) {
        const uint8_t bytHow = bytStep[i * w + j];
        if (bytHow == 2) pudtOut.push_back({o0 + --i, n0 + --j});
        else if (bytHow == 1) --j;
        else --i;
    }
    std::reverse(pudtOut.begin() + static_cast<std::ptrdiff_t>(lngFirst), pudtOut.end());
}

// One block between two aligned pairs: its old and its new elements, in order.
void PairBlock(const std::vector<int32_t>& pOld, const std::vector<int32_t>& pNew, const fnPairScore& pfnScore,
               std::vector<int32_t>& plngPaired)
{
    const int32_t p = static_cast<int32_t>(pOld.size()), q = static_cast<int32_t>(pNew.size());
    if (p == 0 || q == 0) return;
    const int32_t lngPieces = (std::max(p, q) + PieceSide - 1) / PieceSide;
    std::vector<udtPair> udtPairs;  // as places in pOld and pNew
    for (int32_t c = 0; c < lngPieces; ++c)
        BestPairs(pOld, static_cast<int32_t>(int64_t(p) * c / lngPieces), static_cast<int32_t>(int64_t(p) * (c + 1) / lngPieces), pNew,
                  static_cast<int32_t>(int64_t(q) * c / lngPieces), static_cast<int32_t>(int64_t(q) * (c + 1) / lngPieces), pfnScore,
                  udtPairs);
    udtPairs.push_back({p, q});
    int32_t o = 0, n = 0;
    for (const auto& [x, y] : udtPairs) {
        if (x - o == y - n)
            for (int32_t t = 0; t < x - o; ++t) plngPaired[static_cast<size_t>(pNew[n + t])] = pOld[o + t];
        if (x < p) plngPaired[static_cast<size_t>(pNew[y])] = pOld[x];
        o = x + 1;
        n = y + 1;
    }
}

}  // namespace

std::vector<int32_t> AlignSequences(const std::vector<uint32_t>& pOld, const std::vector<uint32_t>& pNew,
                                    uint32_t plngDistinct)
{
    return clsAligner(pOld, pNew, plngDistinct).Run();
}

std::vector<int32_t> PairChanged(const std::vector<int32_t>& pAligned, int32_t plngOldSize, const fnPairScore& pfnScore)
{
    std::vector<int32_t> lngPaired(pAligned.size(), -1);
    if (std::find(pAligned.begin(), pAligned.end(), -1) == pAligned.end()) return lngPaired;  // nothing left to pair
    std::vector<udtPair> udtPairs;
    std::vector<bool> booOldUsed(static_cast<size_t>(plngOldSize), false);
    for (size_t j = 0; j < pAligned.size(); ++j)
        if (pAligned[j] >= 0) {
            udtPairs.push_back({pAligned[j], static_cast<int32_t>(j)});
            booOldUsed[static_cast<size_t>(pAligned[j])] = true;
        }
    // The blocks lie between the aligned pairs that are in order; a moved one bounds none.
    std::vector<udtPair> udtBounds = LongestIncreasing(udtPairs);
    udtBounds.push_back({plngOldSize, static_cast<int32_t>(pAligned.size())});
    std::vector<int32_t> lngOld, lngNew;
    int32_t i = 0, j = 0;
    for (const auto& [a, b] : udtBounds) {
        lngOld.clear();
        lngNew.clear();
        for (; i < a; ++i)
            if (!booOldUsed[static_cast<size_t>(i)]) lngOld.push_back(i);
        for (; j < b; ++j)
            if (pAligned[static_cast<size_t>(j)] < 0) lngNew.push_back(j);
        PairBlock(lngOld, lngNew, pfnScore, lngPaired);
        i = a + 1;
        j = b + 1;
    }
    return lngPaired;
}

}  // namespace tralyx
