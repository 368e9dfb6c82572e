#pragma once
// Cut, Copy and Paste on the whole text of the focused box of the active editor window. The menu,
// the toolbar and the keys do the same: Ctrl+X, C and V in such a box are left to the menu's
// shortcuts instead of the box's own handling of its selection.
#include <QObject>
#include <functional>

namespace tralyx {

class clsClipboardCommands : public QObject {
    Q_OBJECT
public:
    // pfnWindow gives the active editor window, or nullptr.
    clsClipboardCommands(std::function<QWidget*()> pfnWindow, QObject* pobjParent);
    ~clsClipboardCommands() override;

    QWidget* FocusedTextBox() const;  // in the active editor window, or nullptr
    void Cut();
    void Copy();
    void Paste();

protected:
    bool eventFilter(QObject* pobjWatched, QEvent* pobjEvent) override;

private:
    std::function<QWidget*()> mfnWindow;
};

}  // namespace tralyx
