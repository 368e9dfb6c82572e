#include "memory/clsMemoryIndex.h"

#include "memory/basMatchText.h"

#include <algorithm>
#include <cmath>

namespace tralyx {
namespace {

// A unit can reach plngMinimum only when its length is within this range of the query's: the edit
// distance is at least the difference of the lengths.
std::pair<int32_t, int32_t> LengthRange(int32_t plngLength, int32_t plngMinimum)
{
    const int32_t lngMinimum = std::clamp(plngMinimum, 1, 100);
    return {(plngLength * lngMinimum + 99) / 100, plngLength * 100 / lngMinimum};
}

}  // namespace

clsMemoryIndex::clsMemoryIndex(const std::vector<udtMemoryUnit>& pudtUnits)
{
    const size_t lngUnits = pudtUnits.size();
    mstrMasked.reserve(lngUnits);
    mlngLength.reserve(lngUnits);
    mlngNextMasked.assign(lngUnits, -1);
    mlngFirstMasked.reserve(static_cast<qsizetype>(lngUnits));
    std::vector<int32_t> lngLastOfHash(lngUnits, -1);  // per first unit of a hash: the last one so far
    // Each unit's keys, numbered as they are first seen, in one array with a start per unit.
    std::vector<int32_t> lngUnitKeys, lngUnitKeyStart{0};
    lngUnitKeys.reserve(lngUnits * 24);
    lngUnitKeyStart.reserve(lngUnits + 1);
    std::vector<int32_t> lngKeyCount;
    std::vector<uint64_t> lngKeys;
    for (size_t i = 0; i < lngUnits; ++i) {
        // Most texts have nothing to mask: they share the unit's string instead of a copy.
        const QString& strSource = pudtUnits[i].Source;
        const bool booPlain = !strSource.contains(u'&') && !strSource.contains(u'[') && !strSource.contains(u'\r');
        mstrMasked.push_back(booPlain ? strSource : MaskedText(strSource));
        const QString& strMasked = mstrMasked.back();
        mlngLength.push_back(static_cast<int32_t>(strMasked.size()));
        // Chained in order, so that a query meets the first origin's unit first.
        const uint64_t lngHash = TextHash(strMasked);
        auto itFirst = mlngFirstMasked.find(lngHash);
        if (itFirst == mlngFirstMasked.end()) itFirst = mlngFirstMasked.insert(lngHash, static_cast<int32_t>(i));
        int32_t& lngLast = lngLastOfHash[static_cast<size_t>(itFirst.value())];
        if (lngLast >= 0) mlngNextMasked[static_cast<size_t>(lngLast)] = static_cast<int32_t>(i);
        lngLast = static_cast<int32_t>(i);
        MatchKeys(strMasked, lngKeys);
        for (const uint64_t lngKey : lngKeys) {
            auto itKey = mlngKeyNumbers.find(lngKey);
            if (itKey == mlngKeyNumbers.end()) {
                itKey = mlngKeyNumbers.insert(lngKey, static_cast<int32_t>(lngKeyCount.size()));
                lngKeyCount.push_back(0);
            }
            const int32_t lngNumber = itKey.value();
            ++lngKeyCount[static_cast<size_t>(lngNumber)];
            lngUnitKeys.push_back(lngNumber);
        }
        lngUnitKeyStart.push_back(static_cast<int32_t>(lngUnitKeys.size()));
    }
    // The postings: the units of each key, in unit order.
    const size_t lngKeyTotal = lngKeyCount.size();
    mlngPostingStart.assign(lngKeyTotal + 1, 0);
    for (size_t k = 0; k < lngKeyTotal; ++k) mlngPostingStart[k + 1] = mlngPostingStart[k] + lngKeyCount[k];
    mlngPostings.resize(lngUnitKeys.size());
    std::vector<int32_t> lngFill(mlngPostingStart.begin(), mlngPostingStart.end() - 1);
    for (size_t i = 0; i < lngUnits; ++i)
        for (int32_t p = lngUnitKeyStart[i]; p < lngUnitKeyStart[i + 1]; ++p)
            mlngPostings[static_cast<size_t>(lngFill[static_cast<size_t>(lngUnitKeys[static_cast<size_t>(p)])]++)] = static_cast<int32_t>(i);
    // A key's weight: how rare it is.
    msngKeyWeight.resize(lngKeyTotal);
    const double dblUnits = static_cast<double>(std::max<size_t>(lngUnits, 1));
    for (size_t k = 0; k < lngKeyTotal; ++k) msngKeyWeight[k] = static_cast<float>(std::log(1.0 + dblUnits / lngKeyCount[k]));
    msngUnitWeight.assign(lngUnits, 0.0f);
    for (size_t i = 0; i < lngUnits; ++i)
        for (int32_t p = lngUnitKeyStart[i]; p < lngUnitKeyStart[i + 1]; ++p)
            msngUnitWeight[i] += msngKeyWeight[static_cast<size_t>(lngUnitKeys[static_cast<size_t>(p)])];
}

std::vector<int32_t> clsMemoryIndex::SameMasked(QStringView pstrMasked) const
{
    std::vector<int32_t> lngOut;
    const auto itSame = mlngFirstMasked.constFind(TextHash(pstrMasked));
    for (int32_t u = itSame == mlngFirstMasked.cend() ? -1 : itSame.value(); u >= 0; u = mlngNextMasked[static_cast<size_t>(u)])
        if (mstrMasked[static_cast<size_t>(u)] == pstrMasked) lngOut.push_back(u);
    return lngOut;
}

std::vector<clsMemoryIndex::udtMatch> clsMemoryIndex::Matches(QStringView pstrMasked, int32_t plngMinimum) const
{
    std::vector<udtMatch> udtOut;
    if (pstrMasked.isEmpty()) return udtOut;
    // The same masked text: 100 without scoring.
    for (const int32_t u : SameMasked(pstrMasked)) udtOut.push_back({u, 100});
    const bool booSame = !udtOut.empty();

    // The units of a fitting length that share keys with the text, each with the weight shared.
    thread_local std::vector<float> sngShared;
    thread_local std::vector<int32_t> lngTouched;
    thread_local std::vector<uint64_t> lngKeys;
    sngShared.resize(mstrMasked.size(), 0.0f);
    lngTouched.clear();
    const auto [lngShortest, lngLongest] = LengthRange(static_cast<int32_t>(pstrMasked.size()), plngMinimum);
    MatchKeys(pstrMasked, lngKeys);
    float sngQueryWeight = 0.0f;
    const float sngUnknownWeight = static_cast<float>(std::log(1.0 + static_cast<double>(mstrMasked.size() + 1)));
    for (const uint64_t lngKey : lngKeys) {
        const auto itKey = mlngKeyNumbers.constFind(lngKey);
        if (itKey == mlngKeyNumbers.cend()) {
            sngQueryWeight += sngUnknownWeight;
            continue;
        }
        const size_t k = static_cast<size_t>(itKey.value());
        const float sngWeight = msngKeyWeight[k];
        sngQueryWeight += sngWeight;
        const int32_t* p = mlngPostings.data() + mlngPostingStart[k];
        const int32_t* const pEnd = mlngPostings.data() + mlngPostingStart[k + 1];
        for (; p < pEnd; ++p) {
            const int32_t lngLength = mlngLength[static_cast<size_t>(*p)];
            if (lngLength < lngShortest || lngLength > lngLongest) continue;
            float& sngUnit = sngShared[static_cast<size_t>(*p)];
            if (sngUnit == 0.0f) lngTouched.push_back(*p);
            sngUnit += sngWeight;
        }
    }
    // Ranked by the share of weight they have in common (Dice), then by how close their length is,
    // and scored by distance in that order until the budget of compared characters is spent: a
    // short text can afford to compare many units, a long one the best few dozen.
    struct udtRank {
        float Share;
        int32_t LengthOff;
        int32_t Unit;
    };
    std::vector<udtRank> udtRanked;
    udtRanked.reserve(lngTouched.size());
    const int32_t lngQueryLength = static_cast<int32_t>(pstrMasked.size());
    for (const int32_t u : lngTouched) {
        const size_t i = static_cast<size_t>(u);
        udtRanked.push_back({2.0f * sngShared[i] / (sngQueryWeight + msngUnitWeight[i]), std::abs(mlngLength[i] - lngQueryLength), u});
        sngShared[i] = 0.0f;
    }
    const auto Better = [](const udtRank& a, const udtRank& b) {
        if (a.Share != b.Share) return a.Share > b.Share;
        return a.LengthOff != b.LengthOff ? a.LengthOff < b.LengthOff : a.Unit < b.Unit;
    };
    const size_t lngMost = std::min(udtRanked.size(), static_cast<size_t>(MostCandidates));
    const auto itMost = udtRanked.begin() + static_cast<std::ptrdiff_t>(lngMost);
    std::nth_element(udtRanked.begin(), itMost, udtRanked.end(), Better);
    std::sort(udtRanked.begin(), itMost, Better);
    int64_t lngBudget = CompareBudget;
    for (size_t r = 0; r < lngMost && (r < static_cast<size_t>(FewestCandidates) || lngBudget > 0); ++r) {
        const int32_t lngUnit = udtRanked[r].Unit;
        const QString& strOther = mstrMasked[static_cast<size_t>(lngUnit)];
        if (booSame && strOther == pstrMasked) continue;  // listed
        const int64_t lngLonger = std::max<int64_t>(lngQueryLength, strOther.size());
        lngBudget -= lngQueryLength * (2 * lngLonger * (100 - plngMinimum) / 100 + 1);  // the band's cells
        const int32_t lngScore = MatchScore(pstrMasked, strOther, plngMinimum);
        if (lngScore >= plngMinimum) udtOut.push_back({lngUnit, lngScore});
    }
    return udtOut;
}

}  // namespace tralyx
