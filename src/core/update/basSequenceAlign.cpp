#include "update/basSequenceAlign.h"

#include <algorithm>

namespace tralyx {
namespace {

// A stretch still to align: [A0, A1) of the old sequence against [B0, B1) of the new.
struct udtStretch {
    int32_t A0, A1, B0, B1;
};

// Exact alignment of a stretch no larger than this many pairs of elements (the table's cells).
constexpr int64_t MaxTableCells = int64_t(1) << 21;

class clsAligner {
public:
    clsAligner(const std::vector<uint32_t>& pOld, const std::vector<uint32_t>& pNew, uint32_t plngDistinct)
        : A(pOld), B(pNew), mlngCountA(plngDistinct, 0), mlngCountB(plngDistinct, 0), mlngNext(plngDistinct, 0),
          mlngMatch(pNew.size(), -1)
    {
    }

    std::vector<int32_t> Run()
    {
        std::vector<udtStretch> udtTodo{{0, static_cast<int32_t>(A.size()), 0, static_cast<int32_t>(B.size())}};
        while (!udtTodo.empty()) {
            udtStretch s = udtTodo.back();
            udtTodo.pop_back();
            while (s.A0 < s.A1 && s.B0 < s.B1 && A[s.A0] == B[s.B0]) mlngMatch[s.B0++] = s.A0++;
            while (s.A0 < s.A1 && s.B0 < s.B1 && A[s.A1 - 1] == B[s.B1 - 1]) mlngMatch[--s.B1] = --s.A1;
            if (s.A0 == s.A1 || s.B0 == s.B1) continue;
            std::vector<std::pair<int32_t, int32_t>> udtAnchors = Anchors(s, true);
            if (udtAnchors.empty()) udtAnchors = Anchors(s, false);
            if (udtAnchors.empty()) {
                if (int64_t(s.A1 - s.A0) * (s.B1 - s.B0) <= MaxTableCells) AlignExactly(s);
                continue;  // a large stretch without anchors stays unaligned: its texts are paired by place
            }
            udtStretch udtRest = s;
            for (const auto& [a, b] : udtAnchors) {
                mlngMatch[b] = a;
                udtTodo.push_back({udtRest.A0, a, udtRest.B0, b});
                udtRest.A0 = a + 1;
                udtRest.B0 = b + 1;
            }
            udtTodo.push_back(udtRest);
        }
        return std::move(mlngMatch);
    }

private:
    // Pairs of equal elements that occur once on each side of the stretch (pbooUnique), or as often
    // on each side (the k-th occurrence in the new with the k-th in the old); of those, the longest
    // run in the same order on both sides.
    std::vector<std::pair<int32_t, int32_t>> Anchors(const udtStretch& s, bool pbooUnique)
    {
        for (int32_t i = s.A0; i < s.A1; ++i) ++mlngCountA[A[i]];
        for (int32_t j = s.B0; j < s.B1; ++j) ++mlngCountB[B[j]];
        const auto Takes = [&](uint32_t e) { return mlngCountA[e] == mlngCountB[e] && (!pbooUnique || mlngCountA[e] == 1); };
        // The old occurrences of the elements taken, by element and then in order.
        std::vector<std::pair<uint32_t, int32_t>> udtOld;
        for (int32_t i = s.A0; i < s.A1; ++i)
            if (Takes(A[i])) udtOld.push_back({A[i], i});
        std::stable_sort(udtOld.begin(), udtOld.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
        for (size_t k = 0; k < udtOld.size(); ++k)
            if (k == 0 || udtOld[k].first != udtOld[k - 1].first) mlngNext[udtOld[k].first] = static_cast<uint32_t>(k);
        std::vector<std::pair<int32_t, int32_t>> udtPairs;
        for (int32_t j = s.B0; j < s.B1; ++j)
            if (Takes(B[j])) udtPairs.push_back({udtOld[mlngNext[B[j]]++].second, j});
        for (int32_t i = s.A0; i < s.A1; ++i) mlngCountA[A[i]] = 0;
        for (int32_t j = s.B0; j < s.B1; ++j) mlngCountB[B[j]] = 0;
        return LongestIncreasing(udtPairs);
    }

    // The longest subsequence of pairs (in new order) whose old positions increase (patience sorting).
    static std::vector<std::pair<int32_t, int32_t>> LongestIncreasing(const std::vector<std::pair<int32_t, int32_t>>& pudtPairs)
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
        std::vector<std::pair<int32_t, int32_t>> udtOut(lngTops.size());
        for (int32_t k = lngTops.empty() ? -1 : lngTops.back(), n = static_cast<int32_t>(lngTops.size()); k >= 0; k = lngBefore[k])
            udtOut[--n] = pudtPairs[k];
        return udtOut;
    }

    // The longest common subsequence of a small stretch, by its table; of equal choices the one that
    // pairs earlier elements.
    void AlignExactly(const udtStretch& s)
    {
        const int32_t n = s.A1 - s.A0, m = s.B1 - s.B0;
        std::vector<uint16_t> lngTable(static_cast<size_t>(n + 1) * (m + 1), 0);
        const auto At = [&](int32_t i, int32_t j) -> uint16_t& { return lngTable[static_cast<size_t>(i) * (m + 1) + j]; };
        for (int32_t i = n - 1; i >= 0; --i)
            for (int32_t j = m - 1; j >= 0; --j)
                At(i, j) = A[s.A0 + i] == B[s.B0 + j] ? At(i + 1, j + 1) + 1 : std::max(At(i + 1, j), At(i, j + 1));
        for (int32_t i = 0, j = 0; i < n && j < m;) {
            if (A[s.A0 + i] == B[s.B0 + j]) mlngMatch[s.B0 + j++] = s.A0 + i++;
            else if (At(i + 1, j) >= At(i, j + 1)) ++i;
            else ++j;
        }
    }

    const std::vector<uint32_t>& A;
    const std::vector<uint32_t>& B;
    std::vector<uint32_t> mlngCountA, mlngCountB, mlngNext;
    std::vector<int32_t> mlngMatch;
};

}  // namespace

std::vector<int32_t> AlignSequences(const std::vector<uint32_t>& pOld, const std::vector<uint32_t>& pNew,
                                    uint32_t plngDistinct)
{
    return clsAligner(pOld, pNew, plngDistinct).Run();
}

std::vector<int32_t> PairChanged(const std::vector<int32_t>& pAligned, int32_t plngOldSize)
{
    std::vector<int32_t> lngPaired(pAligned.size(), -1);
    int32_t lngNextOld = 0;  // the first old element after the last aligned pair
    for (size_t j = 0; j < pAligned.size(); ++j) {
        if (pAligned[j] >= 0) {
            lngNextOld = pAligned[j] + 1;
            continue;
        }
        // The old elements up to the next aligned one are this stretch's.
        int32_t lngLimit = plngOldSize;
        for (size_t k = j + 1; k < pAligned.size(); ++k)
            if (pAligned[k] >= 0) {
                lngLimit = pAligned[k];
                break;
            }
        for (; j < pAligned.size() && pAligned[j] < 0; ++j)
            if (lngNextOld < lngLimit) lngPaired[j] = lngNextOld++;
        --j;
    }
    return lngPaired;
}

}  // namespace tralyx
