#include "windows/main/clsClipboardCommands.h"

#include "common/basDesktop.h"
#include "common/basStoreText.h"
#include "windows/editor/basTextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tralyx {

clsClipboardCommands::clsClipboardCommands(std::function<QWidget*()> pfnWindow, QObject* pobjParent)
    : QObject(pobjParent), mfnWindow(std::move(pfnWindow))
{
    qApp->installEventFilter(this);
}

clsClipboardCommands::~clsClipboardCommands() { qApp->removeEventFilter(this); }

QWidget* clsClipboardCommands::FocusedTextBox() const
{
    QWidget* objWindow = mfnWindow();
    if (!objWindow) return nullptr;
    QWidget* pobjFocus = objWindow->focusWidget();
    return pobjFocus && objWindow->isAncestorOf(pobjFocus) && IsTextBox(pobjFocus) ? pobjFocus : nullptr;
}

void clsClipboardCommands::Cut()
{
    QWidget* txtBox = FocusedTextBox();
    if (!txtBox || IsReadOnlyTextBox(txtBox)) return;
    Desktop().SetClipboardText(StoreToLines(TextBoxText(txtBox)));
    SetTextBoxText(txtBox, QString());
}

void clsClipboardCommands::Copy()
{
    if (QWidget* txtBox = FocusedTextBox()) Desktop().SetClipboardText(StoreToLines(TextBoxText(txtBox)));
}

void clsClipboardCommands::Paste()
{
    QWidget* txtBox = FocusedTextBox();
    if (txtBox && !IsReadOnlyTextBox(txtBox)) SetTextBoxText(txtBox, LinesToStore(Desktop().ClipboardText()));
}

bool clsClipboardCommands::eventFilter(QObject* pobjWatched, QEvent* pobjEvent)
{
    if (pobjEvent->type() == QEvent::ShortcutOverride) {
        const QKeyCombination objKey = static_cast<QKeyEvent*>(pobjEvent)->keyCombination();
        const bool booClipboardKey = objKey == QKeyCombination(Qt::ControlModifier, Qt::Key_X) ||
                                     objKey == QKeyCombination(Qt::ControlModifier, Qt::Key_C) ||
                                     objKey == QKeyCombination(Qt::ControlModifier, Qt::Key_V);
        // Not accepted and not delivered: the box leaves the key to the menu's shortcut.
        if (booClipboardKey && pobjWatched == FocusedTextBox()) return true;
    }
    return QObject::eventFilter(pobjWatched, pobjEvent);
}

}  // namespace tralyx
