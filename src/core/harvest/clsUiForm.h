#pragma once
// A Qt Designer form (.ui) seen as a form of the run-time face, with nothing built or run: its
// widgets as the window that uic makes from it holds them, so that FormTextFileContent and
// WindowTextFileContent write for it what a harvest of that window writes.
//
// What uic does that shows in the texts' paths is done here too: a name C++ cannot take has its other
// characters made '_', a name already used (by a widget, layout, spacer, action or action group
// before it) gets the first free number appended, a widget without a name is named after its class;
// widgets come in the order uic creates them (a widget's actions, its own child widgets, then those
// of its layout; a splitter's in the reverse order) after the raise() of each <zorder>; a custom
// widget is of the class it extends.
#include "harvest/clsUiControl.h"
#include "runtime/basFormTextFile.h"
#include "runtime/clsForm.h"
#include "store/clsTralyx.h"
#include "store/udtFormLayout.h"

#include <QByteArray>

namespace tralyx {

class clsUiForm : public clsForm {
public:
    // Reads a form's bytes; false, with the line and what was wrong, when they are not well-formed
    // XML or not a Qt Designer form.
    bool Parse(const QByteArray& pbytContent, udtFileIssue& pudtError);

    QString Name() const override { return mudtForm.Name; }
    void Controls(const std::function<void(clsControl&)>& pfnVisit) override;
    // A form on file has no font to measure with: a 438 error.
    float TextWidth(const QString& pstrText) const override;

    // The window's title, and its named menus then its named actions, as the window's harvest takes them.
    QString Title() const { return mudtForm.Text(QStringLiteral("windowTitle")); }
    QVector<udtMenuText> Menus() const;

    // The layout a harvest of the window records, as far as the file tells it: the controls that
    // Designer placed by hand, with the frames of Qt's Fusion style at 96 DPI. A control that a
    // layout places has no size in the file: its entry goes to pstrUnplaced instead. False, with
    // why, when the form has no size of its own.
    bool Layout(udtFormLayout& pudtLayout, QStringList& pstrUnplaced, QString& pstrWhy) const;

private:
    udtUiWidget mudtForm;
};

}  // namespace tralyx
