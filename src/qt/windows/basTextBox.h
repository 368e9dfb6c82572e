#pragma once
// The text-box view of a control that the clipboard commands need: whether it is a text box, and
// its whole text. Line edits and plain or rich text edits are text boxes; anything else is not.
#include <QString>

class QWidget;

namespace tralyx {

bool IsTextBox(const QWidget* pobjControl);
bool IsReadOnlyTextBox(const QWidget* pobjControl);
QString TextBoxText(const QWidget* pobjControl);  // empty for anything that is not a text box
// Replaces the whole text, as typing would (the box reports a change); ignored for anything else.
void SetTextBoxText(QWidget* pobjControl, const QString& pstrText);

}  // namespace tralyx
