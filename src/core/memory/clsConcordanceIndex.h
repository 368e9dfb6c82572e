#pragma once
// What a concordance search reads: for each side of a memory's units (their sources, their
// translations), the units' ConcordanceTexts one after the other in one string, each ended by a
// line break, which no such text holds. A search is one Boyer-Moore pass over that string; a hit
// names its unit by where it starts, and the search goes on at the next unit's text.
#include "memory/udtMemoryUnit.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace tralyx {

class clsConcordanceIndex {
public:
    enum enuSide : int32_t { Source = 0, Translation = 1 };

    explicit clsConcordanceIndex(const std::vector<udtMemoryUnit>& pudtUnits);

    // The units whose text of that side holds pstrFolded (a ConcordanceText without a line break),
    // in the order added; none for an empty one.
    std::vector<int32_t> Find(QStringView pstrFolded, enuSide penuSide) const;

private:
    QString mstrText[2];
    std::vector<qsizetype> mlngStart[2];  // per unit: where its text starts; and one past the last
};

}  // namespace tralyx
