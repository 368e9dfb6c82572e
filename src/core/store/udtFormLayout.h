#pragma once
// What decides whether a text fits its control, taken from the live form when its English is
// harvested: each control's kind, place and size, its font, whether it wraps and the room its text
// has. The harvest writes it beside the form text file ("frmMain.layout.json" beside frmMain.LRC);
// joining the form texts into the English folder gathers the forms' layouts into its "layout.json".
// Sizes are in pixels at the logical DPI they were taken at.
#include <QString>
#include <QVector>

namespace tralyx {

struct udtLayoutFont {
    QString Family;
    double PointSize = 0;
    int Weight = 400;  // 400 normal, 700 bold, as QFont counts
    bool Italic = false;
};

enum class enuLayoutKind { Label, Button, CheckBox, OptionButton, Frame, Tab };

struct udtControlLayout {
    QString Entry;  // the control and index its entries name: "cmdDelete.0", a tab's "tabMain.2"
    enuLayoutKind Kind = enuLayoutKind::Label;
    int X = 0, Y = 0, Width = 0, Height = 0;  // within the form
    udtLayoutFont Font;
    bool Wrap = false;  // a label that breaks its text into lines
    // The pixels its text may take: the width and height less the frame, the margins, the check
    // box's indicator, a tab's share of the bar.
    int RoomWidth = 0, RoomHeight = 0;
    // A control that a layout sizes, or a check box or option button (which the run-time widens to
    // its caption where no layout does): its text may go on to the form's right edge.
    bool Widens = false;
    // On a tab's page: that tab's entry ("tabMain.1"); empty on the form itself.
    QString Page;
};

struct udtFormLayout {
    QString Form;
    int Width = 0, Height = 0;
    int Dpi = 96;
    QVector<udtControlLayout> Controls;
};

}  // namespace tralyx
