// A Designer form's layout without a style to ask: the frames below are what Qt's Fusion style (the
// one a Qt application on Linux draws with unless told otherwise) gives at 96 DPI, measured once.
#include "harvest/clsUiForm.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace tralyx {
namespace {

// What a form whose font is never set draws with: Qt's own default, which the running application
// records under the family that stands in for "Sans Serif" on its machine.
const udtLayoutFont DefaultFont{QStringLiteral("Sans Serif"), 9, 400, false};

constexpr int ButtonFrame = 8;       // a push button's, left and right together
constexpr int IndicatorFrame = 24;   // a check box's or radio button's indicator and spacing
constexpr int TabFrame = 25;         // a tab's padding around its text
constexpr int TabPadding = 12;       // a tab's height less a line's
constexpr int PageLeft = 2;          // a tab page's place within its tab widget, right of its frame
constexpr int MenuBarPadding = 5;    // a menu bar's height less a line's

// A line of text in the font: Fusion's default family is 1.164 em high (ascent and descent).
int LineHeight(const udtLayoutFont& pudtFont) { return static_cast<int>(std::ceil(pudtFont.PointSize * 96 / 72 * 1.164)); }

udtLayoutFont Resolved(udtLayoutFont pudtParent, const udtUiFont& pudtOwn)
{
    if (pudtOwn.Family) pudtParent.Family = *pudtOwn.Family;
    if (pudtOwn.PointSize) pudtParent.PointSize = *pudtOwn.PointSize;
    if (pudtOwn.Weight) pudtParent.Weight = *pudtOwn.Weight;
    if (pudtOwn.Italic) pudtParent.Italic = *pudtOwn.Italic;
    return pudtParent;
}

enum class enuMeasured { None, Label, Button, CheckBox, OptionButton, Frame, Tab };

enuMeasured MeasuredKind(const QString& pstrClass)
{
    if (pstrClass == u"QLabel") return enuMeasured::Label;
    if (pstrClass == u"QPushButton" || pstrClass == u"QCommandLinkButton") return enuMeasured::Button;
    if (pstrClass == u"QCheckBox") return enuMeasured::CheckBox;
    if (pstrClass == u"QRadioButton") return enuMeasured::OptionButton;
    if (pstrClass == u"QGroupBox") return enuMeasured::Frame;
    if (pstrClass == u"QTabWidget") return enuMeasured::Tab;
    return enuMeasured::None;
}

bool IsOwnName(const QString& pstrName) { return !pstrName.isEmpty() && !IsQtOwnName(pstrName); }

// Where the widget's children are, within the form: nothing when a layout places it.
struct udtPlace {
    std::optional<QPoint> Origin;
    udtLayoutFont Font;
    QString Page;
};

class clsLayoutWalk {
public:
    // plngMenuBar: the height of the form's menu bar, above a main window's central widget.
    clsLayoutWalk(udtFormLayout& pudtLayout, QStringList& pstrUnplaced, int plngMenuBar)
        : mudtLayout(pudtLayout), mstrUnplaced(pstrUnplaced), mlngMenuBar(plngMenuBar)
    {
    }

    void Children(const udtUiWidget& pudtParent, const udtPlace& pudtPlace)
    {
        const bool booTabs = pudtParent.Class == u"QTabWidget";
        for (size_t i = 0; i < pudtParent.Children.size(); ++i) {
            const udtUiWidget& udtChild = pudtParent.Children[i];
            if (udtChild.IsWindow()) continue;
            udtPlace udtOwn{std::nullopt, Resolved(pudtPlace.Font, udtChild.Font), pudtPlace.Page};
            if (pudtPlace.Origin && !udtChild.LaidOut) {
                if (udtChild.Geometry) {
                    udtOwn.Origin = *pudtPlace.Origin + udtChild.Geometry->topLeft();
                } else if (booTabs) {  // a page: below the tab bar
                    udtOwn.Origin = *pudtPlace.Origin + QPoint(PageLeft, LineHeight(pudtPlace.Font) + TabPadding);
                    udtOwn.Page = pudtParent.Name + u'.' + QString::number(i);
                } else if (pudtParent.Class == u"QMainWindow" && udtChild.Class == u"QWidget") {  // the central widget
                    udtOwn.Origin = *pudtPlace.Origin + QPoint(0, mlngMenuBar);
                }
            }
            if (IsOwnName(udtChild.Name)) Add(udtChild, udtOwn);
            Children(udtChild, udtOwn);
        }
    }

private:
    void Add(const udtUiWidget& pudtWidget, const udtPlace& pudtPlace)
    {
        const enuMeasured enuKind = MeasuredKind(pudtWidget.Class);
        if (enuKind == enuMeasured::None) return;
        const QString strEntry = pudtWidget.Name + u'.' + QString::number(pudtWidget.Index);
        if (!pudtPlace.Origin || !pudtWidget.Geometry) {
            if (enuKind != enuMeasured::Tab) mstrUnplaced.append(strEntry);
            else
                for (size_t i = 0; i < pudtWidget.Children.size() && i <= 255; ++i)
                    if (!pudtWidget.Children[i].IsWindow()) mstrUnplaced.append(pudtWidget.Name + u'.' + QString::number(i));
            return;
        }
        udtControlLayout u;
        u.Entry = strEntry;
        u.X = pudtPlace.Origin->x();
        u.Y = pudtPlace.Origin->y();
        u.Width = pudtWidget.Geometry->width();
        u.Height = pudtWidget.Geometry->height();
        u.Font = pudtPlace.Font;
        u.RoomHeight = u.Height;
        u.Page = pudtPlace.Page;
        switch (enuKind) {
        case enuMeasured::Label:
            u.Kind = enuLayoutKind::Label;
            u.RoomWidth = u.Width - 2 * pudtWidget.Margin - qMax(0, pudtWidget.Indent);
            u.RoomHeight = u.Height - 2 * pudtWidget.Margin;
            u.Wrap = pudtWidget.WordWrap;
            break;
        case enuMeasured::Button:
            u.Kind = enuLayoutKind::Button;
            u.RoomWidth = u.Width - ButtonFrame;
            break;
        case enuMeasured::CheckBox:
        case enuMeasured::OptionButton:
            u.Kind = enuKind == enuMeasured::CheckBox ? enuLayoutKind::CheckBox : enuLayoutKind::OptionButton;
            u.RoomWidth = u.Width - IndicatorFrame;
            u.Widens = true;  // by the run-time where no layout does
            break;
        case enuMeasured::Frame:
            u.Kind = enuLayoutKind::Frame;
            u.RoomWidth = u.Width;  // Fusion starts the title at the frame's edge
            u.RoomHeight = LineHeight(u.Font) + 2;
            break;
        case enuMeasured::Tab: {
            // Tabs share the control's width; each of them has its own entry.
            const int lngTabs = static_cast<int>(pudtWidget.Children.size());
            for (int i = 0; i < lngTabs && i <= 255; ++i) {
                udtControlLayout udtTab = u;
                udtTab.Kind = enuLayoutKind::Tab;
                udtTab.Entry = pudtWidget.Name + u'.' + QString::number(i);
                udtTab.Width = u.Width / lngTabs;
                udtTab.X = u.X + i * udtTab.Width;
                udtTab.Height = LineHeight(u.Font) + TabPadding;
                udtTab.RoomWidth = udtTab.Width - TabFrame;
                udtTab.RoomHeight = udtTab.Height;
                mudtLayout.Controls.append(udtTab);
            }
            return;
        }
        case enuMeasured::None:
            return;
        }
        mudtLayout.Controls.append(u);
    }

    udtFormLayout& mudtLayout;
    QStringList& mstrUnplaced;
    int mlngMenuBar;
};

}  // namespace

bool clsUiForm::Layout(udtFormLayout& pudtLayout, QStringList& pstrUnplaced, QString& pstrWhy) const
{
    pudtLayout = udtFormLayout();
    pstrUnplaced.clear();
    if (!mudtForm.Geometry || mudtForm.Geometry->isEmpty()) {
        pstrWhy = QCoreApplication::translate("clsUiForm", "the form has no geometry of its own");
        return false;
    }
    pudtLayout.Form = mudtForm.Name;
    pudtLayout.Width = mudtForm.Geometry->width();
    pudtLayout.Height = mudtForm.Geometry->height();
    pudtLayout.Dpi = 96;
    const udtPlace udtForm{QPoint(0, 0), Resolved(DefaultFont, mudtForm.Font), QString()};
    const bool booMenuBar = std::any_of(mudtForm.Children.begin(), mudtForm.Children.end(),
                                        [](const udtUiWidget& u) { return u.Class == u"QMenuBar"; });
    clsLayoutWalk objWalk(pudtLayout, pstrUnplaced, booMenuBar ? LineHeight(udtForm.Font) + MenuBarPadding : 0);
    objWalk.Children(mudtForm, udtForm);
    return true;
}

}  // namespace tralyx
