#pragma once
#include "runtime/basApplyFormText.h"

namespace tralyx {

// An entry's texts as apply() puts them on a widget, and which of them an entry has a line for.
struct udtFoundTexts {
    udtControlTexts Texts;
    bool HasCaption = false;
    bool HasToolTip = false;
};

}  // namespace tralyx
