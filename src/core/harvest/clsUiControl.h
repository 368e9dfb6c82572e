#pragma once
// A widget of a Qt Designer form, as the window that uic builds from the form would have it, seen as
// a control of the run-time face: the same kinds, names, indexes and texts that clsQtControl reads
// from that window, so that a harvest of the form writes what a harvest of the window writes.
#include "runtime/clsControl.h"

#include <QHash>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace tralyx {

// A "font" property: only what it sets, the rest coming from the parent as Qt resolves fonts.
struct udtUiFont {
    std::optional<QString> Family;
    std::optional<double> PointSize;
    std::optional<int> Weight;  // as QFont counts: 400 normal, 700 bold
    std::optional<bool> Italic;
};

// A widget or an action of the form, after uic's naming.
struct udtUiWidget {
    QString Class;  // the Qt class it is or, for a custom widget, the one it extends
    QString Name;   // the object name uic gives it: unique in the form, '_' for what C++ cannot name
    QString RawName;                 // the name the form gives it
    QHash<QString, QString> Texts;   // its string properties ("text", "toolTip", ...), line breaks CR LF
    QHash<QString, QString> Page;    // as a page of a tab widget: "title", "toolTip"
    uint8_t Index = 0;               // the "Index" property as a stored index (0 when absent or out of range)
    std::vector<udtUiWidget> Children;  // its widgets, in the order the window keeps them
    std::vector<udtUiWidget> Actions;   // its actions (those of its action groups after them)
    // A combo box's items, a tree or table widget's columns: each one's text and tool-tip.
    std::vector<QString> Items, ItemToolTips;
    // What its place and size are, as far as the file tells them.
    std::optional<QRect> Geometry;  // Designer writes one only for a widget that no layout places
    bool LaidOut = false;           // an item of its parent's layout
    udtUiFont Font;
    bool WordWrap = false;
    int Margin = 0, Indent = -1;  // a label's

    QString Text(const QString& pstrProperty) const { return Texts.value(pstrProperty); }
    // Whether the widget is a window of its own (a menu, a dialog): not a control of the form.
    bool IsWindow() const;
};

class clsUiControl : public clsControl {
public:
    explicit clsUiControl(udtUiWidget& pudtWidget);

    // The kind a widget of that class is handled as, as clsQtControl::KindOf sees the class.
    static enuControlKind KindOf(const QString& pstrClass);

    enuControlKind Kind() const override { return menuKind; }
    QString Name() const override { return mudtWidget.Name; }
    std::optional<int32_t> Index() const override { return mudtWidget.Index; }
    QString Caption() const override;
    void SetCaption(const QString& pstrCaption) override;
    QString ToolTipText() const override;
    void SetToolTipText(const QString& pstrToolTip) override;
    void SetWidth(float) override {}  // a form on file has no size to give
    int16_t Tab() const override;
    void SetTab(int16_t pintTab) override;
    int16_t Tabs() const override;
    QString Placeholder() const override;
    void SetPlaceholder(const QString& pstrText) override;

private:
    QString* CaptionField() const;  // where the caption is kept; a 438 error for a kind without one
    udtUiWidget& AddressedPage() const;
    bool IsCombo() const { return mudtWidget.Class == u"QComboBox"; }
    bool HasItems() const { return IsCombo() || mudtWidget.Class == u"QTreeWidget" || mudtWidget.Class == u"QTableWidget"; }

    udtUiWidget& mudtWidget;
    enuControlKind menuKind;
    int16_t mintTab = 0;
};

}  // namespace tralyx
