#pragma once
// Applying captions and tool-tips to the controls of a form, wherever the texts come from: the
// store's control-text table (SetFormText) or a Translation's language.
#include "runtime/clsForm.h"

#include <QString>
#include <functional>

namespace tralyx {

struct udtControlTexts {
    QString Caption;
    QString ToolTip;
};

// The texts stored for a control of the form, by its name and index; false when there are none.
using ControlTextLookup = std::function<bool(const QString& pstrControl, uint8_t pbytIndex, udtControlTexts& pudtOut)>;

// SetFormText's walk: every control of a supported kind gets the texts that pfnLookup finds for it
// (text boxes the tool-tip only, check boxes and option buttons widened to their caption, tab
// controls each tab by its number); a failing step is skipped and the walk goes on. With
// pbooWidenLaidOut false, controls that a layout sizes are not widened: the layout does that.
void ApplyFormText(clsForm& pfrmForm, const ControlTextLookup& pfnLookup, bool pbooWidenLaidOut = true);

// SetControlText's assignments for one control: the tool-tip, the caption unless it is a text box,
// and with pbooResizeControlToFit the width of the caption in the form's font (plus room for the box
// of a check box or option button). Each assignment that succeeded stays when a later one fails.
void ApplyControlTexts(clsForm& pfrmForm, clsControl& pctlControl, const udtControlTexts& pudtTexts,
                       bool pbooResizeControlToFit);

}  // namespace tralyx
