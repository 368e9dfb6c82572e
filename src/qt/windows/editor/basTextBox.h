#pragma once
// The text-box view of a control that the editor and the clipboard commands need: whether it is a
// text box, and its whole text as the store holds it. Line edits are one-line boxes; plain and
// rich text edits several-line boxes; anything else is not a text box.
#include "common/basStoreText.h"

#include <QString>

class QWidget;

namespace tralyx {

bool IsTextBox(const QWidget* pobjControl);
bool IsReadOnlyTextBox(const QWidget* pobjControl);
enuBoxLines BoxLines(const QWidget* pobjControl);
// The box's text as a stored text; empty for anything that is not a text box. Taken raw, so that a
// no-break space stays one.
QString TextBoxText(const QWidget* pobjControl);
// Shows a stored text, starting the box's undo history afresh (a row loaded into the box).
void LoadTextBox(QWidget* pobjControl, const QString& pstrStored);
// Replaces the whole text with a stored text as typing would: the box reports a change and its
// undo restores the text before. Ignored for anything that is not a text box.
void SetTextBoxText(QWidget* pobjControl, const QString& pstrStored);
// Puts a stored text at the cursor, over the selection, as typing would.
void InsertInTextBox(QWidget* pobjControl, const QString& pstrStored);
// What is selected in the box, with LF line breaks; empty for anything that is not a text box.
QString TextBoxSelection(const QWidget* pobjControl);

}  // namespace tralyx
