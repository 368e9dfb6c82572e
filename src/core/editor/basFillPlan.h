#pragma once
// Fill from Memory in the editor: which texts of the open table the memory's exact matches go into,
// planned before anything changes so that the whole fill is one undo step.
#include "checks/basEntryMatch.h"
#include "state/udtTextState.h"

#include <functional>
#include <vector>

namespace tralyx {

class clsCodePage;
class clsTranslationMemory;

struct udtFill {
    int32_t Row = 0;
    enuTextKind Text = enuTextKind::Secondary;
    QString Source, Translation;
};

// Every text of rows 0 .. plngRows - 1 that wants filling (WantsFill) and has an exact match other
// than its own source that the file's code page can write (FillFor), in row order; pstrSkipped names
// the matches the code page cannot hold.
std::vector<udtFill> FillPlan(int32_t plngRows, const std::function<std::vector<udtEntryText>(int32_t)>& pfnTexts,
                              const std::function<udtTextState(int32_t, enuTextKind)>& pfnState,
                              const clsTranslationMemory& pobjMemory, const clsCodePage& pobjCodePage,
                              QStringList& pstrSkipped);

// The state of a filled text: to review against the source it was filled for, never done.
udtTextState FilledState(udtTextState pudtState, const QString& pstrSource);

// A memory's translation for a caption whose source has an access key ("&Delete note"), when the
// translation has none ("Notiz l\u00f6schen"): with one on the source's letter where the translation has
// it (a word's first letter first), else on the first letter of its first word. Any other text
// comes back as it is.
QString WithAccessKeyOf(QStringView pstrSource, const QString& pstrTranslation);

}  // namespace tralyx
