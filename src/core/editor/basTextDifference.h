#pragma once
// Where two versions of a text differ, word by word: what the workbench marks between the source a
// translation was made for and the source now, and between a memory's source and the row's.
#include <QString>
#include <QStringView>
#include <vector>

namespace tralyx {

enum class enuDifference { Same, Removed, Added };

struct udtDifferencePart {
    enuDifference Kind = enuDifference::Same;
    QString Text;
    bool operator==(const udtDifferencePart&) const = default;
};

// The parts of pstrOld and pstrNew in reading order: Same parts belong to both, Removed ones to the
// old text only, Added ones to the new text only. The old text is Same and Removed parts put
// together, the new one Same and Added parts. Texts of many words are compared in coarser runs, so
// that the cost stays small.
std::vector<udtDifferencePart> TextDifference(QStringView pstrOld, QStringView pstrNew);

// One side as HTML, the parts of the other side left out and its own differing parts marked:
// Removed (pbooOld) struck through, Added underlined; line breaks as <br>.
QString DifferenceHtml(const std::vector<udtDifferencePart>& pudtParts, bool pbooOld);

}  // namespace tralyx
