#include "update/basMerge.h"

#include "update/basRecordTexts.h"

#include "common/basShortened.h"
#include "state/basStateIds.h"
#include "store/basFileKind.h"
#include "store/clsFirstPathIndex.h"
#include "update/basSequenceAlign.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace tralyx {
namespace {

using records::KindOf;
using records::RecordKey;
using records::TextOf;

// A text whose source (record plngSource of the old source) differs is to review; the link is a
// change when one is.
template <class TTable>
void CompareSources(const TTable& pudtOldSource, int32_t plngSource, const typename TTable::value_type& pudtNew,
                    udtMergeLink& pudtLink)
{
    for (int t = 0; t < TextsPerRecord(KindOf<typename TTable::value_type>()); ++t) {
        if (TextOf(pudtOldSource[plngSource], t) == TextOf(pudtNew, t)) continue;
        pudtLink.Review[t] = true;
        pudtLink.Source = plngSource;
        pudtLink.Origin = enuMergeOrigin::Changed;
    }
}

// The merged table and the report from the links. Built aside, so that the result table may be one
// of the inputs.
template <class TTable>
void Finish(const TTable& pudtNew, const TTable& pudtOld, const TTable* pudtOldSource, const std::vector<udtMergeLink>& pudtLinks,
            const clsFirstPathIndex* pobjFirstOld, TTable& pudtResult, udtUpdateReport& pudtReport)
{
    using TItem = typename TTable::value_type;
    TTable udtResult;
    udtResult.reserve(pudtNew.size());
    std::vector<bool> booUsed(pudtOld.size(), false);
    udtUpdateReport& r = pudtReport;
    r.KeptFromOld = 0;
    r.TakenNew.clear();
    r.Kept.clear();
    r.Changed.clear();
    r.Moved.clear();
    r.Dropped.clear();
    qsizetype lngCount[4] = {0, 0, 0, 0};  // by origin
    for (const udtMergeLink& l : pudtLinks) ++lngCount[static_cast<int>(l.Origin)];
    r.TakenNew.reserve(lngCount[static_cast<int>(enuMergeOrigin::New)]);
    r.Kept.reserve(lngCount[static_cast<int>(enuMergeOrigin::Kept)]);
    r.Changed.reserve(lngCount[static_cast<int>(enuMergeOrigin::Changed)]);
    r.Moved.reserve(lngCount[static_cast<int>(enuMergeOrigin::Moved)]);
    for (qsizetype i = 0; i < pudtNew.size(); ++i) {
        const udtMergeLink& l = pudtLinks[static_cast<size_t>(i)];
        const int32_t lngPosition = static_cast<int32_t>(i);
        if (l.Old < 0) {
            udtResult.append(pudtNew[i]);
            r.TakenNew.append({lngPosition, RecordKey(pudtNew, i), ShortEntryText(pudtNew[i])});
            continue;
        }
        const TItem& udtOld = pudtOld[l.Old];
        booUsed[static_cast<size_t>(l.Old)] = true;
        ++r.KeptFromOld;
        if constexpr (std::is_same_v<TItem, ControlTextItem>) {
            if (l.Origin == enuMergeOrigin::Moved) {  // a renamed control: the new names, the old texts
                ControlTextItem udtItem = pudtNew[i];
                udtItem.Caption = udtOld.Caption;
                udtItem.ToolTip = udtOld.ToolTip;
                udtResult.append(std::move(udtItem));
            } else {
                udtResult.append(udtOld);
            }
        } else {
            udtResult.append(udtOld);
        }
        if (l.Origin == enuMergeOrigin::Kept) {
            r.Kept.append(lngPosition);
            continue;
        }
        udtCarriedEntry udtEntry{lngPosition, l.Old, ShortEntryText(udtOld), {}, {}, l.Review[0] || l.Review[1]};
        if (l.Origin == enuMergeOrigin::Moved) {
            r.Moved.append(std::move(udtEntry));
            continue;
        }
        const int t = l.Review[0] ? 0 : 1;
        udtEntry.Previous = Shortened(TextOf((*pudtOldSource)[l.Source], t));
        udtEntry.Source = Shortened(TextOf(pudtNew[i], t));
        r.Changed.append(std::move(udtEntry));
    }
    r.TakenFromNew = static_cast<int32_t>(pudtNew.size()) - r.KeptFromOld;
    r.File = KindOf<TItem>();
    // Shared, not copied: they name the entries and give the kept ones' texts.
    if constexpr (std::is_same_v<TItem, ControlTextItem>) {
        r.Merged = udtResult;
        r.Old = pudtOld;
    } else if constexpr (std::is_same_v<TItem, MessageItem>) {
        r.MergedMessages = udtResult;
    } else {
        r.MergedSecondary = udtResult;
    }
    for (qsizetype j = 0; j < pudtOld.size(); ++j) {
        if (booUsed[static_cast<size_t>(j)]) continue;
        bool booDuplicate = false;
        if constexpr (std::is_same_v<TItem, ControlTextItem>) {
            const int32_t lngFirst = pobjFirstOld->Find(pudtOld[j]);
            booDuplicate = lngFirst != j && booUsed[static_cast<size_t>(lngFirst)];
        }
        r.Dropped.append({static_cast<int32_t>(j), RecordKey(pudtOld, j), ShortEntryText(pudtOld[j]), booDuplicate});
    }
    pudtResult = std::move(udtResult);
}

// Control text by path; with the old source, changed texts for review and renamed controls.
void LinkControlText(const QVector<ControlTextItem>& pudtNew, const QVector<ControlTextItem>& pudtOld,
                     const clsFirstPathIndex& pobjFirstOld, const QVector<ControlTextItem>* pudtOldSource,
                     std::vector<udtMergeLink>& pudtLinks)
{
    for (qsizetype i = 0; i < pudtNew.size(); ++i) {
        const int32_t lngOld = pobjFirstOld.Find(pudtNew[i]);
        if (lngOld >= 0) pudtLinks[static_cast<size_t>(i)] = {lngOld, enuMergeOrigin::Kept, {}, -1};
    }
    if (!pudtOldSource) return;
    const QVector<ControlTextItem>& udtSource = *pudtOldSource;
    const clsFirstPathIndex objFirstSource(udtSource);
    for (qsizetype i = 0; i < pudtNew.size(); ++i) {
        udtMergeLink& l = pudtLinks[static_cast<size_t>(i)];
        if (l.Old < 0) continue;
        if (const int32_t lngSource = objFirstSource.Find(pudtNew[i]); lngSource >= 0) CompareSources(udtSource, lngSource, pudtNew[i], l);
    }

    // A path the new table lacks, whose source appears under exactly one new path of its form (and
    // no other such old path has that source): the control was renamed.
    const auto EnglishKey = [](const QString& pstrForm, const ControlTextItem& pudtTexts) {
        return QString::number(pstrForm.size()) + u':' + pstrForm + QString::number(pudtTexts.Caption.size()) + u':' +
               pudtTexts.Caption + pudtTexts.ToolTip;
    };
    struct udtCandidates {
        int32_t Old = -1, Source = -1, New = -1, OldCount = 0, NewCount = 0;
    };
    // Every old path the new table has is the first old entry of a new entry's link.
    std::vector<bool> booLinked(static_cast<size_t>(pudtOld.size()), false);
    for (const udtMergeLink& l : pudtLinks)
        if (l.Old >= 0) booLinked[static_cast<size_t>(l.Old)] = true;
    QHash<QString, udtCandidates> udtByEnglish;
    for (qsizetype j = 0; j < pudtOld.size(); ++j) {
        if (!pobjFirstOld.IsFirst(j) || booLinked[static_cast<size_t>(j)]) continue;
        const int32_t lngSource = objFirstSource.Find(pudtOld[j]);
        if (lngSource < 0 || (udtSource[lngSource].Caption.isEmpty() && udtSource[lngSource].ToolTip.isEmpty())) continue;
        udtCandidates& c = udtByEnglish[EnglishKey(pudtOld[j].FormName, udtSource[lngSource])];
        c.Old = static_cast<int32_t>(j);
        c.Source = lngSource;
        ++c.OldCount;
    }
    if (udtByEnglish.isEmpty()) return;
    for (qsizetype i = 0; i < pudtNew.size(); ++i) {  // a path twice in the new table counts twice: not once
        if (pudtLinks[static_cast<size_t>(i)].Old >= 0) continue;
        const auto it = udtByEnglish.find(EnglishKey(pudtNew[i].FormName, pudtNew[i]));
        if (it == udtByEnglish.end()) continue;
        it->New = static_cast<int32_t>(i);
        ++it->NewCount;
    }
    for (const udtCandidates& c : std::as_const(udtByEnglish)) {
        if (c.OldCount != 1 || c.NewCount != 1) continue;
        udtMergeLink& l = pudtLinks[static_cast<size_t>(c.New)];
        l = {c.Old, enuMergeOrigin::Moved, {!pudtNew[c.New].Caption.isEmpty(), !pudtNew[c.New].ToolTip.isEmpty()}, c.Source};
    }
}

// What the alignment compares: the text, or a message's text and title together.
size_t HashOf(const QString& pstrText) { return qHash(QStringView(pstrText)); }
size_t HashOf(const MessageItem& pudtItem) { return qHash(QStringView(pudtItem.Message)) * 31 + qHash(QStringView(pudtItem.Title)); }
bool SameTexts(const QString& pstrOne, const QString& pstrOther) { return pstrOne == pstrOther; }
bool SameTexts(const MessageItem& pudtOne, const MessageItem& pudtOther)
{
    return pudtOne.Message == pudtOther.Message && pudtOne.Title == pudtOther.Title;
}

// Numbers for the texts of two tables, equal texts equal numbers: an open-addressed table of first
// occurrences with their hashes, which costs a fraction of a hash map of strings.
template <class TTable>
uint32_t NumberTexts(const TTable& pudtOld, const TTable& pudtNew, std::vector<uint32_t>& plngOld, std::vector<uint32_t>& plngNew)
{
    const auto At = [&](size_t k) -> const auto& { return k < static_cast<size_t>(pudtOld.size()) ? pudtOld[k] : pudtNew[k - pudtOld.size()]; };
    const size_t lngCount = static_cast<size_t>(pudtOld.size() + pudtNew.size());
    size_t lngSlots = 16;
    while (lngSlots < 2 * lngCount) lngSlots *= 2;
    std::vector<int32_t> lngSlot(lngSlots, -1);  // a first occurrence, as a position in old then new
    std::vector<size_t> lngHash(lngCount);
    std::vector<uint32_t> lngNumber(lngCount);
    uint32_t lngDistinct = 0;
    for (size_t k = 0; k < lngCount; ++k) {
        lngHash[k] = HashOf(At(k));
        size_t s = lngHash[k] & (lngSlots - 1);
        while (lngSlot[s] >= 0 && !(lngHash[lngSlot[s]] == lngHash[k] && SameTexts(At(lngSlot[s]), At(k)))) s = (s + 1) & (lngSlots - 1);
        if (lngSlot[s] < 0) {
            lngSlot[s] = static_cast<int32_t>(k);
            lngNumber[k] = lngDistinct++;
        } else {
            lngNumber[k] = lngNumber[lngSlot[s]];
        }
    }
    plngOld.assign(lngNumber.begin(), lngNumber.begin() + pudtOld.size());
    plngNew.assign(lngNumber.begin() + pudtOld.size(), lngNumber.end());
    return lngDistinct;
}

// How alike two texts are, for pairing changed entries: the Dice coefficient of their sets of
// character pairs, estimated from the smallest few of their hashes (exact for a short text), so
// that a comparison costs the same for a text of any length; or the share of their common start
// and end.
class clsTextLikeness {
public:
    static constexpr size_t SketchSize = 48;
    // A pair of changed texts at least this alike may be one entry reworded.
    static constexpr float Threshold = 0.5f;
    static constexpr qsizetype MaxAffix = 1024;  // characters compared at each end

    static std::vector<uint32_t> Sketch(const QString& pstrText)
    {
        std::vector<uint32_t> lngHashes;
        const QChar* const p = pstrText.constData();
        const qsizetype n = pstrText.size();
        if (n == 1) lngHashes.push_back(Mix(p[0].unicode()));
        for (qsizetype k = 0; k + 1 < n; ++k) lngHashes.push_back(Mix(uint32_t(p[k].unicode()) << 16 | p[k + 1].unicode()));
        std::sort(lngHashes.begin(), lngHashes.end());
        lngHashes.erase(std::unique(lngHashes.begin(), lngHashes.end()), lngHashes.end());
        if (lngHashes.size() > SketchSize) lngHashes.resize(SketchSize);
        return lngHashes;
    }

    static float Dice(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
    {
        if (a.empty() || b.empty()) return a.empty() && b.empty() ? 1.0f : 0.0f;
        // The smallest hashes of the union, and how many of them both texts have.
        size_t i = 0, j = 0, lngUnion = 0, lngBoth = 0;
        while (lngUnion < SketchSize && (i < a.size() || j < b.size())) {
            ++lngUnion;
            if (j == b.size() || (i < a.size() && a[i] < b[j])) ++i;
            else if (i == a.size() || b[j] < a[i]) ++j;
            else ++lngBoth, ++i, ++j;
        }
        const float sngJaccard = static_cast<float>(lngBoth) / static_cast<float>(lngUnion);
        return 2 * sngJaccard / (1 + sngJaccard);
    }

    // The share of both texts that their common start and end make: a short text with one edit
    // ("B" and "B2") has too few character pairs for Dice to see it.
    static float Affixes(const QString& a, const QString& b)
    {
        const qsizetype lngShorter = std::min(a.size(), b.size());
        if (a.size() + b.size() == 0) return 1.0f;
        qsizetype lngStart = 0, lngEnd = 0;
        while (lngStart < lngShorter && lngStart < MaxAffix && a[lngStart] == b[lngStart]) ++lngStart;
        while (lngEnd < lngShorter - lngStart && lngEnd < MaxAffix && a[a.size() - 1 - lngEnd] == b[b.size() - 1 - lngEnd]) ++lngEnd;
        return 2.0f * static_cast<float>(lngStart + lngEnd) / static_cast<float>(a.size() + b.size());
    }

private:
    static uint32_t Mix(uint32_t x)
    {
        x ^= x >> 16;
        x *= 0x7feb352dU;
        x ^= x >> 15;
        x *= 0x846ca68bU;
        return x ^ (x >> 16);
    }
};

// The score of an old source entry against a new one as a changed entry (fnPairScore): an
// unchanged title or text is a match, the closer the rest the better; otherwise the texts' likeness
// when above the threshold. Sketches are made once, on first use.
template <class TTable>
class clsChangedScore {
public:
    clsChangedScore(const TTable& pudtOld, const TTable& pudtNew) : mudtOld(pudtOld), mudtNew(pudtNew) {}

    float operator()(int32_t plngOld, int32_t plngNew)
    {
        // The common ends first: cheap, and enough for most rewordings.
        float sngLike = clsTextLikeness::Affixes(TextOf(mudtOld[plngOld], 0), TextOf(mudtNew[plngNew], 0));
        if (sngLike < clsTextLikeness::Threshold)
            sngLike = std::max(sngLike, clsTextLikeness::Dice(Sketch(mudtOld, mlngOldSketch, mbooOldMade, plngOld),
                                                              Sketch(mudtNew, mlngNewSketch, mbooNewMade, plngNew)));
        if constexpr (std::is_same_v<typename TTable::value_type, MessageItem>) {
            const MessageItem &o = mudtOld[plngOld], &n = mudtNew[plngNew];
            if ((!o.Title.isEmpty() && o.Title == n.Title) || (!o.Message.isEmpty() && o.Message == n.Message)) return 1 + sngLike;
        }
        return sngLike >= clsTextLikeness::Threshold ? sngLike : 0.0f;
    }

private:
    static const std::vector<uint32_t>& Sketch(const TTable& pudtTable, std::vector<std::vector<uint32_t>>& plngSketches,
                                               std::vector<bool>& pbooMade, int32_t i)
    {
        if (pbooMade.empty()) {  // most updates compare no texts: made when the first is
            plngSketches.resize(static_cast<size_t>(pudtTable.size()));
            pbooMade.resize(plngSketches.size(), false);
        }
        if (!pbooMade[static_cast<size_t>(i)]) {
            plngSketches[static_cast<size_t>(i)] = clsTextLikeness::Sketch(TextOf(pudtTable[i], 0));
            pbooMade[static_cast<size_t>(i)] = true;
        }
        return plngSketches[static_cast<size_t>(i)];
    }

    const TTable& mudtOld;
    const TTable& mudtNew;
    std::vector<std::vector<uint32_t>> mlngOldSketch, mlngNewSketch;
    std::vector<bool> mbooOldMade, mbooNewMade;
};

// Messages and procedural text by position; with the old source, by the alignment of the two sources.
template <class TTable>
void LinkByPosition(const TTable& pudtNew, const TTable& pudtOld, const TTable* pudtOldSource, std::vector<udtMergeLink>& pudtLinks)
{
    if (!pudtOldSource) {
        for (qsizetype i = 0; i < std::min(pudtNew.size(), pudtOld.size()); ++i)
            pudtLinks[static_cast<size_t>(i)] = {static_cast<int32_t>(i), enuMergeOrigin::Kept, {}, -1};
        return;
    }
    const TTable& udtSource = *pudtOldSource;
    std::vector<uint32_t> lngOldTexts, lngNewTexts;
    const uint32_t lngDistinct = NumberTexts(udtSource, pudtNew, lngOldTexts, lngNewTexts);
    const std::vector<int32_t> lngAligned = AlignSequences(lngOldTexts, lngNewTexts, lngDistinct);
    clsChangedScore<TTable> objScore(udtSource, pudtNew);
    const std::vector<int32_t> lngPaired =
        PairChanged(lngAligned, static_cast<int32_t>(udtSource.size()), [&](int32_t o, int32_t n) { return objScore(o, n); });
    // Old entries whose source is known: a translated file longer than its source has the rest of
    // its entries without one.
    const qsizetype lngKnown = std::min(pudtOld.size(), udtSource.size());
    for (qsizetype i = 0; i < pudtNew.size(); ++i) {
        udtMergeLink& l = pudtLinks[static_cast<size_t>(i)];
        const int32_t lngAt = static_cast<int32_t>(i);
        if (i < lngKnown && lngOldTexts[static_cast<size_t>(i)] == lngNewTexts[static_cast<size_t>(i)]) {
            l = {lngAt, enuMergeOrigin::Kept, {}, -1};  // the sources agree here: what the plain merge takes
        } else if (const int32_t j = lngAligned[static_cast<size_t>(i)]; j >= 0) {
            if (j < lngKnown) l = {j, j == lngAt ? enuMergeOrigin::Kept : enuMergeOrigin::Moved, {}, -1};
        } else if (const int32_t k = lngPaired[static_cast<size_t>(i)]; k >= 0 && k < lngKnown) {
            l = {k, k == lngAt ? enuMergeOrigin::Kept : enuMergeOrigin::Moved, {}, -1};
            CompareSources(udtSource, k, pudtNew[i], l);
        }
    }
}

template <class TTable>
void MergeByPosition(const TTable& pudtNew, const TTable& pudtOld, const TTable* pudtOldSource, TTable& pudtResult,
                     udtUpdateReport& pudtReport, std::vector<udtMergeLink>* pudtLinks)
{
    std::vector<udtMergeLink> udtLinks(static_cast<size_t>(pudtNew.size()));
    LinkByPosition(pudtNew, pudtOld, pudtOldSource, udtLinks);
    Finish(pudtNew, pudtOld, pudtOldSource, udtLinks, nullptr, pudtResult, pudtReport);
    if (pudtLinks) *pudtLinks = std::move(udtLinks);
}

void MergeControlText(const QVector<ControlTextItem>& pudtNew, const QVector<ControlTextItem>& pudtOld,
                      const QVector<ControlTextItem>* pudtOldSource, QVector<ControlTextItem>& pudtResult,
                      udtUpdateReport& pudtReport, std::vector<udtMergeLink>* pudtLinks)
{
    // The first old entry of each path, found through an index instead of scanning the old table
    // for every new entry: the same pairs, in linear time.
    const clsFirstPathIndex objFirstOld(pudtOld);
    std::vector<udtMergeLink> udtLinks(static_cast<size_t>(pudtNew.size()));
    LinkControlText(pudtNew, pudtOld, objFirstOld, pudtOldSource, udtLinks);
    Finish(pudtNew, pudtOld, pudtOldSource, udtLinks, &objFirstOld, pudtResult, pudtReport);
    if (pudtLinks) *pudtLinks = std::move(udtLinks);
}

template <class TTable>
void CarryStateOf(const std::vector<udtMergeLink>& pudtLinks, const TTable& pudtOld, const TTable* pudtOldSource,
                  const TTable& pudtResult, const clsTranslationState& pobjOldState, clsTranslationState& pobjNew)
{
    constexpr enuFileKind enuFile = KindOf<typename TTable::value_type>();
    pobjNew.ClearFile(enuFile);
    const bool booOldState = !pobjOldState.Texts(enuFile).isEmpty();
    const qsizetype lngReview = std::count_if(pudtLinks.begin(), pudtLinks.end(), [](const udtMergeLink& l) { return l.Review[0] || l.Review[1]; });
    pobjNew.Reserve(enuFile, pobjOldState.Texts(enuFile).size() + lngReview * TextsPerRecord(enuFile));
    for (size_t i = 0; i < pudtLinks.size(); ++i) {
        const udtMergeLink& l = pudtLinks[i];
        if (l.Old < 0 || (!booOldState && !l.Review[0] && !l.Review[1])) continue;
        // The old ids only where they are read: an old state, or where a renamed control came from.
        const bool booMoved = l.Origin == enuMergeOrigin::Moved;
        const QString strOldRecord = booOldState || booMoved ? RecordKey(pudtOld, l.Old) : QString();
        const QString strNewRecord = RecordKey(pudtResult, static_cast<qsizetype>(i));
        for (int t = 0; t < TextsPerRecord(enuFile); ++t) {
            udtTextState udtState = booOldState ? pobjOldState.Get(enuFile, TextId(enuFile, strOldRecord, t)) : udtTextState();
            if (l.Review[t]) {
                if (!udtState.Review) udtState.PreviousSource = TextOf((*pudtOldSource)[l.Source], t);
                udtState.Review = true;
                udtState.Done = false;
                udtState.For.clear();  // given for the new texts
                if (booMoved && udtState.MovedFrom.isEmpty()) udtState.MovedFrom = TextId(enuFile, strOldRecord, t);
            }
            if (!udtState.IsEmpty()) pobjNew.Set(enuFile, TextId(enuFile, strNewRecord, t), udtState);
        }
    }
}

}  // namespace

void MergeControlTextTables(const QVector<ControlTextItem>& pudtNewTable, const QVector<ControlTextItem>& pudtOldTable,
                            QVector<ControlTextItem>& pudtResultTable, udtUpdateReport& pudtReport,
                            std::vector<udtMergeLink>* pudtLinks)
{
    MergeControlText(pudtNewTable, pudtOldTable, nullptr, pudtResultTable, pudtReport, pudtLinks);
}

void MergeMessageTables(const QVector<MessageItem>& pudtNewTable, const QVector<MessageItem>& pudtOldTable,
                        QVector<MessageItem>& pudtResultTable, udtUpdateReport& pudtReport, std::vector<udtMergeLink>* pudtLinks)
{
    MergeByPosition(pudtNewTable, pudtOldTable, static_cast<const QVector<MessageItem>*>(nullptr), pudtResultTable, pudtReport, pudtLinks);
}

void MergeSecondaryTables(const QStringList& pstrNewTable, const QStringList& pstrOldTable, QStringList& pstrResultTable,
                          udtUpdateReport& pudtReport, std::vector<udtMergeLink>* pudtLinks)
{
    MergeByPosition(pstrNewTable, pstrOldTable, static_cast<const QStringList*>(nullptr), pstrResultTable, pudtReport, pudtLinks);
}

void MergeControlTextWithSource(const QVector<ControlTextItem>& pudtNewTable, const QVector<ControlTextItem>& pudtOldTable,
                                const QVector<ControlTextItem>& pudtOldSource, QVector<ControlTextItem>& pudtResultTable,
                                udtUpdateReport& pudtReport, std::vector<udtMergeLink>* pudtLinks)
{
    MergeControlText(pudtNewTable, pudtOldTable, &pudtOldSource, pudtResultTable, pudtReport, pudtLinks);
}

void MergeMessagesWithSource(const QVector<MessageItem>& pudtNewTable, const QVector<MessageItem>& pudtOldTable,
                             const QVector<MessageItem>& pudtOldSource, QVector<MessageItem>& pudtResultTable,
                             udtUpdateReport& pudtReport, std::vector<udtMergeLink>* pudtLinks)
{
    MergeByPosition(pudtNewTable, pudtOldTable, &pudtOldSource, pudtResultTable, pudtReport, pudtLinks);
}

void MergeSecondaryWithSource(const QStringList& pstrNewTable, const QStringList& pstrOldTable, const QStringList& pstrOldSource,
                              QStringList& pstrResultTable, udtUpdateReport& pudtReport, std::vector<udtMergeLink>* pudtLinks)
{
    MergeByPosition(pstrNewTable, pstrOldTable, &pstrOldSource, pstrResultTable, pudtReport, pudtLinks);
}

void CarryState(const std::vector<udtMergeLink>& pudtLinks, const QVector<ControlTextItem>& pudtOldTable,
                const QVector<ControlTextItem>* pudtOldSource, const QVector<ControlTextItem>& pudtResultTable,
                const clsTranslationState& pobjOldState, clsTranslationState& pobjNew)
{
    CarryStateOf(pudtLinks, pudtOldTable, pudtOldSource, pudtResultTable, pobjOldState, pobjNew);
}

void CarryState(const std::vector<udtMergeLink>& pudtLinks, const QVector<MessageItem>& pudtOldTable,
                const QVector<MessageItem>* pudtOldSource, const QVector<MessageItem>& pudtResultTable,
                const clsTranslationState& pobjOldState, clsTranslationState& pobjNew)
{
    CarryStateOf(pudtLinks, pudtOldTable, pudtOldSource, pudtResultTable, pobjOldState, pobjNew);
}

void CarryState(const std::vector<udtMergeLink>& pudtLinks, const QStringList& pstrOldTable, const QStringList* pstrOldSource,
                const QStringList& pstrResultTable, const clsTranslationState& pobjOldState, clsTranslationState& pobjNew)
{
    CarryStateOf(pudtLinks, pstrOldTable, pstrOldSource, pstrResultTable, pobjOldState, pobjNew);
}

namespace {
template <class TTable>
std::vector<int32_t> PairWithBaseOf(const TTable& pudtBase, const TTable& pudtSide)
{
    std::vector<udtMergeLink> udtLinks(static_cast<size_t>(pudtSide.size()));
    LinkByPosition(pudtSide, pudtBase, &pudtBase, udtLinks);
    std::vector<int32_t> lngOut(udtLinks.size(), -1);
    std::vector<bool> booTaken(static_cast<size_t>(pudtBase.size()), false);
    for (size_t i = 0; i < udtLinks.size(); ++i) {
        const int32_t b = udtLinks[i].Old;
        if (b < 0 || booTaken[static_cast<size_t>(b)]) continue;
        booTaken[static_cast<size_t>(b)] = true;
        lngOut[i] = b;
    }
    return lngOut;
}
}  // namespace

std::vector<int32_t> PairWithBase(const QVector<MessageItem>& pudtBase, const QVector<MessageItem>& pudtSide)
{
    return PairWithBaseOf(pudtBase, pudtSide);
}
std::vector<int32_t> PairWithBase(const QStringList& pstrBase, const QStringList& pstrSide)
{
    return PairWithBaseOf(pstrBase, pstrSide);
}

}  // namespace tralyx
