#pragma once
// A QWidget seen as a control of the run-time face.
//
// Kinds: QLineEdit, QTextEdit and QPlainTextEdit are text boxes, QLabel a label, QPushButton a
// command button, QCheckBox a check box, QRadioButton an option button, QGroupBox a frame and
// QTabWidget the tab control; anything else is of no supported kind. Name is the objectName; the
// control-array index is the integer dynamic property "Index". Widths are in twips. Texts cross
// this boundary with CR LF line breaks on the store's side and LF on the widget's.
#include "runtime/clsControl.h"

#include <QPointer>

class QWidget;
class QTabWidget;

namespace tralyx {

class clsQtControl : public clsControl {
public:
    explicit clsQtControl(QWidget* pobjWidget);

    // The kind a widget is handled as.
    static enuControlKind KindOf(const QWidget* pobjWidget);

    enuControlKind Kind() const override { return menuKind; }
    QString Name() const override;
    std::optional<int32_t> Index() const override;
    QString Caption() const override;
    void SetCaption(const QString& pstrCaption) override;
    QString ToolTipText() const override;
    void SetToolTipText(const QString& pstrToolTip) override;
    void SetWidth(float psngWidth) override;
    bool LaidOut() const override;  // an item of its parent's layout or of a layout nested in it
    int16_t Tab() const override;
    void SetTab(int16_t pintTab) override;
    void AddressTab(int16_t pintTab) override;  // the tab's texts, its page left as it is
    QString Placeholder() const override;
    void SetPlaceholder(const QString& pstrText) override;
    int16_t Tabs() const override;

    QWidget* Widget() const;

private:
    QWidget* Checked() const;             // the widget, or a 438 error when it has gone
    QTabWidget* CheckedTabs() const;      // the tab widget; null for the other numbered kinds, a 438 error for any other
    QWidget* CheckedNumbered() const;     // the tab widget, combo box, tree or table widget, or a 438 error
    int Count() const;                    // its tabs or items
    int Current() const;                  // the tab or item selected
    // A combo box's item text (its own tool-tip on item 0), a tree or table widget's column header.
    QString ItemText(int plngItem, bool pbooToolTip) const;
    void SetItemText(int plngItem, bool pbooToolTip, const QString& pstrText);
    int AddressedTab() const;             // the tab that Caption and ToolTipText address

    QPointer<QWidget> mobjWidget;
    enuControlKind menuKind;
    // The tab last selected through SetTab: a disabled or hidden tab may refuse to become current,
    // yet its texts are still the ones addressed.
    std::optional<int> mintAddressedTab;
};

}  // namespace tralyx
