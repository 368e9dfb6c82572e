// Applying the stored captions and tool-tips to a form's controls.
#include "basControlIndex.h"
#include "basForEachTab.h"
#include "clsForm.h"
#include "clsRuntimeError.h"
#include "clsTralyx.h"

namespace tralyx {
namespace {

// Names of one table tend to share their beginning ("frmMain", "frmMainOptions"; "lblName1",
// "lblName2"), so the last character rejects most of them before the full comparison.
inline bool SameName(const QString& pstrA, const QString& pstrB)
{
    return pstrA.size() == pstrB.size() && (pstrA.isEmpty() || pstrA.back() == pstrB.back()) && pstrA == pstrB;
}

}  // namespace

void clsTralyx::SetControlText(clsForm& pfrmContainingForm, clsControl& pctlControlName, uint8_t pbytIndex,
                               bool pbooResizeControlToFit) const
{
    if (mudtControlText.isEmpty()) throw clsSubscriptOutOfRange("the control text has not been loaded");
    if (mudtControlText.size() > MaxRecords)
        throw clsOverflow("the control text has more than 32767 entries");

    const QString strForm = pfrmContainingForm.Name();
    const QString strControl = pctlControlName.Name();
    // Records loaded from one file share their name strings: a form name held in the same storage
    // as the record before it has the same characters, so the earlier comparison holds.
    const QChar* pchrLastForm = nullptr;
    qsizetype lngLastFormSize = -1;
    bool booLastFormMatched = false;
    for (const ControlTextItem& udtItem : mudtControlText) {
        if (udtItem.FormName.constData() != pchrLastForm || udtItem.FormName.size() != lngLastFormSize) {
            pchrLastForm = udtItem.FormName.constData();
            lngLastFormSize = udtItem.FormName.size();
            booLastFormMatched = SameName(udtItem.FormName, strForm);
        }
        if (!booLastFormMatched || udtItem.Index != pbytIndex || !SameName(udtItem.ControlName, strControl)) continue;

        // First match only. Each assignment that succeeded stays when a later one fails.
        const enuControlKind enuKind = pctlControlName.Kind();
        pctlControlName.SetToolTipText(udtItem.ToolTip);
        if (enuKind != enuControlKind::TextBox) pctlControlName.SetCaption(udtItem.Caption);
        if (pbooResizeControlToFit) {
            float sngWidth = pfrmContainingForm.TextWidth(udtItem.Caption);
            // Room for the box or the circle in front of the caption.
            if (enuKind == enuControlKind::CheckBox || enuKind == enuControlKind::OptionButton) sngWidth += 350.0f;
            pctlControlName.SetWidth(sngWidth);
        }
        return;
    }
}

void clsTralyx::SetFormText(clsForm& pfrmPassedForm) const
{
    // Nothing loaded: every lookup would fail, so the form is left alone without walking it.
    if (mudtControlText.isEmpty()) return;
    pfrmPassedForm.Controls([&](clsControl& pctlControl) {
        // A failing step is skipped and the walk goes on.
        try {
            const uint8_t bytIndex = StoredIndex(pctlControl);
            switch (pctlControl.Kind()) {
            case enuControlKind::TextBox:
            case enuControlKind::Label:
            case enuControlKind::CommandButton:
            case enuControlKind::Frame: SetControlText(pfrmPassedForm, pctlControl, bytIndex, false); break;
            case enuControlKind::CheckBox:
            case enuControlKind::OptionButton: SetControlText(pfrmPassedForm, pctlControl, bytIndex, true); break;
            case enuControlKind::TabControl:  // tab entries are keyed by tab number
                ForEachTab(pctlControl, [&](uint8_t pbytTab) { SetControlText(pfrmPassedForm, pctlControl, pbytTab, false); });
                break;
            case enuControlKind::Other: break;
            }
        } catch (const clsRuntimeError&) {
        }
    });
}

void clsTralyx::GetFormDimensions(clsForm&) const {}

}  // namespace tralyx
