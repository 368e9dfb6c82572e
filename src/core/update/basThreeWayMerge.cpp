#include "update/basThreeWayMerge.h"

#include "state/basStateIds.h"
#include "store/basFileKind.h"
#include "update/basMerge.h"
#include "update/basRecordTexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <tuple>

namespace tralyx {
namespace {

using records::KindOf;
using records::RecordKey;
using records::TextOf;

// Which element of the base each side's elements continue, and which element of the other side is
// the same entry (-1: none).
struct udtPairs {
    std::vector<int32_t> OursBase, TheirsBase, OursTheirs, TheirsOurs;
};

void LinkSides(udtPairs& pudtPairs, size_t plngBase)
{
    std::vector<int32_t> lngTheirsOf(plngBase, -1);
    for (size_t j = 0; j < pudtPairs.TheirsBase.size(); ++j)
        if (pudtPairs.TheirsBase[j] >= 0) lngTheirsOf[static_cast<size_t>(pudtPairs.TheirsBase[j])] = static_cast<int32_t>(j);
    pudtPairs.OursTheirs.assign(pudtPairs.OursBase.size(), -1);
    pudtPairs.TheirsOurs.assign(pudtPairs.TheirsBase.size(), -1);
    for (size_t i = 0; i < pudtPairs.OursBase.size(); ++i) {
        if (pudtPairs.OursBase[i] < 0) continue;
        const int32_t j = lngTheirsOf[static_cast<size_t>(pudtPairs.OursBase[i])];
        pudtPairs.OursTheirs[i] = j;
        if (j >= 0) pudtPairs.TheirsOurs[static_cast<size_t>(j)] = static_cast<int32_t>(i);
    }
}

// core.lrc: the n-th entry of a path on one side is the n-th of that path on the others.
std::vector<QString> PathKeys(const QVector<ControlTextItem>& pudtTable)
{
    std::vector<QString> strKeys;
    strKeys.reserve(static_cast<size_t>(pudtTable.size()));
    QHash<QString, int> intSeen;
    intSeen.reserve(pudtTable.size());
    for (const ControlTextItem& udtItem : pudtTable) {
        const QString strPath = clsTralyx::ObjectPath(udtItem);
        const int n = intSeen[strPath]++;
        strKeys.push_back(n == 0 ? strPath : strPath + u'#' + QString::number(n));
    }
    return strKeys;
}

udtPairs PairByPath(const QVector<ControlTextItem>& pudtBase, const QVector<ControlTextItem>& pudtOurs,
                    const QVector<ControlTextItem>& pudtTheirs)
{
    const std::vector<QString> strBase = PathKeys(pudtBase), strOurs = PathKeys(pudtOurs), strTheirs = PathKeys(pudtTheirs);
    QHash<QString, int32_t> lngBaseAt, lngTheirsAt;
    lngBaseAt.reserve(static_cast<qsizetype>(strBase.size()));
    lngTheirsAt.reserve(static_cast<qsizetype>(strTheirs.size()));
    for (size_t i = 0; i < strBase.size(); ++i) lngBaseAt.insert(strBase[i], static_cast<int32_t>(i));
    for (size_t i = 0; i < strTheirs.size(); ++i) lngTheirsAt.insert(strTheirs[i], static_cast<int32_t>(i));
    udtPairs udtOut;
    for (const QString& k : strOurs) udtOut.OursBase.push_back(lngBaseAt.value(k, -1));
    for (const QString& k : strTheirs) udtOut.TheirsBase.push_back(lngBaseAt.value(k, -1));
    udtOut.OursTheirs.assign(strOurs.size(), -1);
    udtOut.TheirsOurs.assign(strTheirs.size(), -1);
    for (size_t i = 0; i < strOurs.size(); ++i) {
        const int32_t j = lngTheirsAt.value(strOurs[i], -1);
        udtOut.OursTheirs[i] = j;
        if (j >= 0) udtOut.TheirsOurs[static_cast<size_t>(j)] = static_cast<int32_t>(i);
    }
    return udtOut;
}

// Whether a side keeps the entries it shares with the base in the base's order.
bool KeepsBaseOrder(const std::vector<int32_t>& plngBase)
{
    int32_t lngLast = -1;
    for (const int32_t b : plngBase) {
        if (b < 0) continue;
        if (b < lngLast) return false;
        lngLast = b;
    }
    return true;
}

struct udtPendingConflict {
    qsizetype Record;
    int Text;
    QString Kept, Other, Base;
};

template <class TTable>
class clsTableMerge {
public:
    using TItem = typename TTable::value_type;
    static constexpr int Texts = std::is_same_v<TItem, QString> ? 1 : 2;

    clsTableMerge(const TTable& pudtBase, const TTable& pudtOurs, const TTable& pudtTheirs, const udtPairs& pudtPairs,
                  bool pbooPositional)
        : mudtBase(pudtBase), mudtOurs(pudtOurs), mudtTheirs(pudtTheirs), mudtPairs(pudtPairs), mbooPositional(pbooPositional)
    {
    }

    udtThreeWayReport Run(TTable& pudtResult)
    {
        // The skeleton gives the order: ours, unless only theirs moved entries.
        mbooTheirsSkeleton = KeepsBaseOrder(mudtPairs.OursBase) && !KeepsBaseOrder(mudtPairs.TheirsBase);
        const TTable& S = Skeleton();
        const TTable& X = Other();
        const std::vector<int32_t>& sBase = mbooTheirsSkeleton ? mudtPairs.TheirsBase : mudtPairs.OursBase;
        const std::vector<int32_t>& xBase = mbooTheirsSkeleton ? mudtPairs.OursBase : mudtPairs.TheirsBase;
        std::vector<int32_t> sx = mbooTheirsSkeleton ? mudtPairs.TheirsOurs : mudtPairs.OursTheirs;
        const std::vector<int32_t>& xs = mbooTheirsSkeleton ? mudtPairs.OursTheirs : mudtPairs.TheirsOurs;
        const qsizetype nS = S.size();

        // The other side's new entries, each after the skeleton's entry that precedes it there.
        std::vector<std::vector<int32_t>> lngAfter(static_cast<size_t>(nS + 1));  // slot = anchor + 1
        int32_t lngAnchor = -1;
        for (qsizetype x = 0; x < X.size(); ++x) {
            const size_t ux = static_cast<size_t>(x);
            if (xs[ux] >= 0) {
                lngAnchor = xs[ux];
            } else if (xBase[ux] < 0) {
                lngAfter[static_cast<size_t>(lngAnchor + 1)].push_back(static_cast<int32_t>(x));
            } else if (!(X[x] == mudtBase[xBase[ux]])) {
                Note((mbooTheirsSkeleton ? QCoreApplication::translate("basThreeWayMerge", "%1 changed on our side and removed on the other: the change is left out (\"%2\")")
                                         : QCoreApplication::translate("basThreeWayMerge", "%1 changed on their side and removed on the other: the change is left out (\"%2\")"))
                         .arg(RecordKey(mudtBase, xBase[ux]), Shown(X[x])));
            }
        }
        // Messages and procedural texts: entries both sides added at one place are paired by place
        // (both took in the same release); the rest of the other side's follow the skeleton's.
        if (mbooPositional) {
            for (qsizetype a = -1; a < nS; ++a) {
                std::vector<int32_t>& lngRun = lngAfter[static_cast<size_t>(a + 1)];
                if (lngRun.empty()) continue;
                qsizetype s = a + 1, k = 0;
                while (s < nS && sBase[static_cast<size_t>(s)] < 0 && sx[static_cast<size_t>(s)] < 0 && k < qsizetype(lngRun.size())) {
                    sx[static_cast<size_t>(s)] = lngRun[static_cast<size_t>(k)];
                    ++s;
                    ++k;
                }
                if (k == 0) continue;
                std::vector<int32_t> lngRest(lngRun.begin() + k, lngRun.end());
                lngRun.clear();
                if (!lngRest.empty()) {
                    Note(s < nS ? QCoreApplication::translate("basThreeWayMerge", "both sides added entries before %1, the other side %2 more; they follow ours")
                                      .arg(RecordKey(S, s))
                                      .arg(lngRest.size())
                                : QCoreApplication::translate("basThreeWayMerge", "both sides added entries before the end, the other side %1 more; they follow ours")
                                      .arg(lngRest.size()));
                    lngAfter[static_cast<size_t>(s)] = std::move(lngRest);
                }
            }
        }

        pudtResult.clear();
        pudtResult.reserve(std::max(mudtOurs.size(), mudtTheirs.size()));
        const auto Insert = [&](size_t plngSlot) {
            for (const int32_t x : lngAfter[plngSlot]) {
                pudtResult.append(X[x]);
                if (mbooTheirsSkeleton == false) ++mudtReport.TakenFromTheirs;
            }
        };
        Insert(0);
        for (qsizetype s = 0; s < nS; ++s) {
            const size_t us = static_cast<size_t>(s);
            const int32_t b = sBase[us];
            if (sx[us] >= 0) {
                const TItem* pudtBaseItem = b >= 0 ? &mudtBase[b] : nullptr;  // a pair shares its base element
                const TItem& udtX = X[sx[us]];
                if (mbooTheirsSkeleton) pudtResult.append(MergeRecord(pudtBaseItem, udtX, S[s], pudtResult.size()));
                else pudtResult.append(MergeRecord(pudtBaseItem, S[s], udtX, pudtResult.size()));
            } else if (b >= 0) {
                if (!(S[s] == mudtBase[b])) {
                    Note((mbooTheirsSkeleton ? QCoreApplication::translate("basThreeWayMerge", "%1 changed on their side and removed on the other: the change is kept")
                                             : QCoreApplication::translate("basThreeWayMerge", "%1 changed on our side and removed on the other: the change is kept"))
                             .arg(RecordKey(mudtBase, b)));
                    pudtResult.append(S[s]);
                    if (mbooTheirsSkeleton) ++mudtReport.TakenFromTheirs;
                }
            } else {
                pudtResult.append(S[s]);
                if (mbooTheirsSkeleton) ++mudtReport.TakenFromTheirs;
            }
            Insert(us + 1);
        }
        for (const udtPendingConflict& c : mudtPending)
            mudtReport.Conflicts.append({TextId(KindOf<TItem>(), RecordKey(pudtResult, c.Record), c.Text), c.Kept, c.Other, c.Base});
        return std::move(mudtReport);
    }

private:
    const TTable& Skeleton() const { return mbooTheirsSkeleton ? mudtTheirs : mudtOurs; }
    const TTable& Other() const { return mbooTheirsSkeleton ? mudtOurs : mudtTheirs; }

    // Ours with each text theirs changed alone; a text both changed differently keeps ours.
    TItem MergeRecord(const TItem* pudtBase, const TItem& pudtOurs, const TItem& pudtTheirs, qsizetype plngAt)
    {
        TItem udtOut = pudtOurs;
        for (int t = 0; t < Texts; ++t) {
            const QString& strOurs = TextOf(pudtOurs, t);
            const QString& strTheirs = TextOf(pudtTheirs, t);
            if (strOurs == strTheirs) continue;
            if (pudtBase && strOurs == TextOf(*pudtBase, t)) {
                TextOf(udtOut, t) = strTheirs;
                ++mudtReport.TakenFromTheirs;
            } else if (!pudtBase || strTheirs != TextOf(*pudtBase, t)) {
                mudtPending.push_back({plngAt, t, strOurs, strTheirs, pudtBase ? TextOf(*pudtBase, t) : QString()});
            }
        }
        return udtOut;
    }

    static QString Shown(const TItem& pudtItem)
    {
        QString strText = TextOf(pudtItem, 0);
        if (strText.size() > 40) strText = strText.left(39) + u'…';
        return strText.replace(u'\r', u' ').replace(u'\n', u' ');
    }
    void Note(const QString& pstrNote) { mudtReport.Notes.append(pstrNote); }

    const TTable& mudtBase;
    const TTable& mudtOurs;
    const TTable& mudtTheirs;
    const udtPairs& mudtPairs;
    const bool mbooPositional;
    bool mbooTheirsSkeleton = false;
    udtThreeWayReport mudtReport;
    std::vector<udtPendingConflict> mudtPending;
};

template <class TTable>
udtThreeWayReport MergePositional(const TTable& pudtBase, const TTable& pudtOurs, const TTable& pudtTheirs, TTable& pudtResult)
{
    udtPairs udtPairs;
    udtPairs.OursBase = PairWithBase(pudtBase, pudtOurs);
    udtPairs.TheirsBase = PairWithBase(pudtBase, pudtTheirs);
    LinkSides(udtPairs, static_cast<size_t>(pudtBase.size()));
    return clsTableMerge<TTable>(pudtBase, pudtOurs, pudtTheirs, udtPairs, true).Run(pudtResult);
}

auto ReviewPart(const udtTextState& s) { return std::tie(s.Review, s.PreviousSource, s.MovedFrom); }

}  // namespace

udtThreeWayReport MergeThreeWay(const QVector<ControlTextItem>& pudtBase, const QVector<ControlTextItem>& pudtOurs,
                                const QVector<ControlTextItem>& pudtTheirs, QVector<ControlTextItem>& pudtResult)
{
    const udtPairs udtPairs = PairByPath(pudtBase, pudtOurs, pudtTheirs);
    return clsTableMerge<QVector<ControlTextItem>>(pudtBase, pudtOurs, pudtTheirs, udtPairs, false).Run(pudtResult);
}

udtThreeWayReport MergeThreeWay(const QVector<MessageItem>& pudtBase, const QVector<MessageItem>& pudtOurs,
                                const QVector<MessageItem>& pudtTheirs, QVector<MessageItem>& pudtResult)
{
    return MergePositional(pudtBase, pudtOurs, pudtTheirs, pudtResult);
}

udtThreeWayReport MergeThreeWay(const QStringList& pstrBase, const QStringList& pstrOurs, const QStringList& pstrTheirs,
                                QStringList& pstrResult)
{
    return MergePositional(pstrBase, pstrOurs, pstrTheirs, pstrResult);
}

udtThreeWayReport MergeThreeWay(const clsTranslationState& pobjBase, const clsTranslationState& pobjOurs,
                                const clsTranslationState& pobjTheirs, clsTranslationState& pobjResult)
{
    udtThreeWayReport udtReport;
    pobjResult = pobjOurs;
    for (const enuFileKind k : {enuFileKind::ControlText, enuFileKind::Messages, enuFileKind::Secondary}) {
        QSet<QString> strIds;
        for (const clsTranslationState* p : {&pobjBase, &pobjOurs, &pobjTheirs})
            for (auto it = p->Texts(k).cbegin(); it != p->Texts(k).cend(); ++it) strIds.insert(it.key());
        for (const QString& strId : std::as_const(strIds)) {
            const udtTextState b = pobjBase.Get(k, strId), o = pobjOurs.Get(k, strId), t = pobjTheirs.Get(k, strId);
            if (o == t || t == b) continue;
            if (o == b) {
                pobjResult.Set(k, strId, t);
                ++udtReport.TakenFromTheirs;
                continue;
            }
            const QString strWhere = LanguageFileName(k) + QStringLiteral(": ") + strId;
            udtTextState r = o;
            bool booMarksFromTheirs = false;
            if (ReviewPart(o) != ReviewPart(t) && ReviewPart(o) == ReviewPart(b)) {
                std::tie(r.Review, r.PreviousSource, r.MovedFrom) = ReviewPart(t);
                booMarksFromTheirs = true;
            }
            if (o.Done != t.Done && o.Done == b.Done) {
                r.Done = t.Done;
                booMarksFromTheirs = true;
            }
            if (r.Done && r.Review) {  // one side said done, the other that it needs review
                std::tie(r.Review, r.PreviousSource, r.MovedFrom) = ReviewPart(o);
                r.Done = o.Done;
                booMarksFromTheirs = false;
                udtReport.Notes.append(strWhere + QCoreApplication::translate("basThreeWayMerge", ": one side marked it done, the other for review: ours is kept"));
            }
            if (o.Note != t.Note && o.Note == b.Note) {
                r.Note = t.Note;
            } else if (o.Note != t.Note && t.Note != b.Note) {
                r.Note = o.Note.isEmpty() ? t.Note : t.Note.isEmpty() ? o.Note : o.Note + u'\n' + t.Note;
                udtReport.Notes.append(strWhere + QCoreApplication::translate("basThreeWayMerge", ": both sides changed the note: both are kept, ours first"));
            }
            r.For = booMarksFromTheirs ? t.For : o.For;
            pobjResult.Set(k, strId, r);
            ++udtReport.TakenFromTheirs;
        }
    }
    return udtReport;
}

}  // namespace tralyx
