#pragma once
// One control of a form, as the run-time face sees it. Bindings to a real toolkit implement this;
// tests implement it with fakes. A failing operation (a property the control lacks, a value it
// refuses) throws a clsRuntimeError.
#include <QString>
#include <cstdint>
#include <optional>

namespace tralyx {

enum class enuControlKind { TextBox, Label, CommandButton, CheckBox, OptionButton, TabControl, Frame, Other };

class clsControl {
public:
    virtual ~clsControl() = default;

    virtual enuControlKind Kind() const = 0;
    virtual QString Name() const = 0;
    // The position in the control array; nothing for a control that is not in one.
    virtual std::optional<int32_t> Index() const = 0;

    // Texts hold their line breaks as CR LF. For a tab control they address the selected tab.
    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString& pstrCaption) = 0;
    virtual QString ToolTipText() const = 0;
    virtual void SetToolTipText(const QString& pstrToolTip) = 0;
    // In the units of the form's TextWidth (twips).
    virtual void SetWidth(float psngWidth) = 0;
    // Whether a layout gives the control its size (and so the width its caption needs).
    virtual bool LaidOut() const { return false; }

    // Tab controls only: the selected tab (from 0) and the number of tabs.
    virtual int16_t Tab() const = 0;
    virtual void SetTab(int16_t pintTab) = 0;
    virtual int16_t Tabs() const = 0;
    // Makes the texts read and written next those of that tab: the walks over a control's tabs use
    // it. By default it selects the tab; a binding that can reach a tab's texts without selecting it
    // (and so without showing its page) does that instead.
    virtual void AddressTab(int16_t pintTab) { SetTab(pintTab); }
    // Text boxes only: the grey text an empty box shows. Kept as the caption of an entry of its own,
    // "[Placeholder]" + the control's name (basFormTextFile.h), since core.lrc keeps no caption of a "txt" control.
    virtual QString Placeholder() const { return QString(); }
    virtual void SetPlaceholder(const QString&) {}
};

}  // namespace tralyx
