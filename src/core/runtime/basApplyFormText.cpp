#include "runtime/basApplyFormText.h"

#include "common/clsRuntimeError.h"
#include "runtime/basControlIndex.h"
#include "runtime/basForEachTab.h"
#include "runtime/basFormTextFile.h"

namespace tralyx {

void ApplyControlTexts(clsForm& pfrmForm, clsControl& pctlControl, const udtControlTexts& pudtTexts,
                       bool pbooResizeControlToFit)
{
    const enuControlKind enuKind = pctlControl.Kind();
    pctlControl.SetToolTipText(pudtTexts.ToolTip);
    if (enuKind != enuControlKind::TextBox) pctlControl.SetCaption(pudtTexts.Caption);
    if (pbooResizeControlToFit) {
        float sngWidth = pfrmForm.TextWidth(pudtTexts.Caption);
        // Room for the box or the circle in front of the caption.
        if (enuKind == enuControlKind::CheckBox || enuKind == enuControlKind::OptionButton) sngWidth += 350.0f;
        pctlControl.SetWidth(sngWidth);
    }
}

void ApplyFormText(clsForm& pfrmForm, const ControlTextLookup& pfnLookup, bool pbooWidenLaidOut)
{
    udtControlTexts udtTexts;
    const auto Apply = [&](clsControl& pctlControl, uint8_t pbytIndex, bool pbooResize) {
        if (pfnLookup(pctlControl.Name(), pbytIndex, udtTexts)) ApplyControlTexts(pfrmForm, pctlControl, udtTexts, pbooResize);
    };
    pfrmForm.Controls([&](clsControl& pctlControl) {
        // A failing step is skipped and the walk goes on.
        try {
            const uint8_t bytIndex = StoredIndex(pctlControl);
            switch (pctlControl.Kind()) {
            case enuControlKind::TextBox:
                if (pfnLookup(PlaceholderEntry() + pctlControl.Name(), bytIndex, udtTexts) && !udtTexts.Caption.isEmpty())
                    pctlControl.SetPlaceholder(udtTexts.Caption);
                Apply(pctlControl, bytIndex, false);
                break;
            case enuControlKind::Label:
            case enuControlKind::CommandButton:
            case enuControlKind::Frame: Apply(pctlControl, bytIndex, false); break;
            case enuControlKind::CheckBox:
            case enuControlKind::OptionButton: Apply(pctlControl, bytIndex, pbooWidenLaidOut || !pctlControl.LaidOut()); break;
            case enuControlKind::TabControl:  // tab entries are keyed by tab number
                ForEachTab(pctlControl, [&](uint8_t pbytTab) { Apply(pctlControl, pbytTab, false); });
                break;
            case enuControlKind::Other: break;
            }
        } catch (const clsRuntimeError&) {
        }
    });
}

}  // namespace tralyx
