#include "memory/clsConcordanceIndex.h"

#include "memory/basMatchText.h"

#include <QStringMatcher>
#include <algorithm>

namespace tralyx {

clsConcordanceIndex::clsConcordanceIndex(const std::vector<udtMemoryUnit>& pudtUnits)
{
    for (const int32_t s : {Source, Translation}) {
        qsizetype lngChars = 0;
        for (const udtMemoryUnit& u : pudtUnits) lngChars += (s == Source ? u.Source : u.Translation).size() + 1;
        mstrText[s].reserve(lngChars);
        mlngStart[s].reserve(pudtUnits.size() + 1);
        for (const udtMemoryUnit& u : pudtUnits) {
            mlngStart[s].push_back(mstrText[s].size());
            mstrText[s] += ConcordanceText(s == Source ? u.Source : u.Translation);
            mstrText[s] += u'\n';
        }
        mlngStart[s].push_back(mstrText[s].size());
        mstrText[s].squeeze();
    }
}

std::vector<int32_t> clsConcordanceIndex::Find(QStringView pstrFolded, enuSide penuSide) const
{
    std::vector<int32_t> lngOut;
    if (pstrFolded.isEmpty() || pstrFolded.contains(u'\n')) return lngOut;
    const QStringMatcher objMatcher(pstrFolded, Qt::CaseSensitive);
    const QString& strText = mstrText[penuSide];
    const std::vector<qsizetype>& lngStart = mlngStart[penuSide];
    for (qsizetype p = objMatcher.indexIn(strText, 0); p >= 0;) {
        const auto itNext = std::upper_bound(lngStart.begin(), lngStart.end(), p);
        lngOut.push_back(static_cast<int32_t>(itNext - lngStart.begin() - 1));
        p = objMatcher.indexIn(strText, *itNext);  // the last start is the string's end: never passed
    }
    return lngOut;
}

}  // namespace tralyx
