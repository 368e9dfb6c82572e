#pragma once
// The window helpers of basGeneralItems applied to widgets.
class QAbstractItemView;
class QWidget;

namespace tralyx {

// Centres a window on its screen (pbooOnScreen) or over the main window (the top-level widget
// named "frmMain"; without one, the form's own parent window, else the screen). The form is moved,
// never resized.
void CentreForm(QWidget& pfrmForm, bool pbooOnScreen);

// A click anywhere in a row selects the whole row, and that is the list's only extra style.
void SetFullRowSelect(QAbstractItemView& plvwListView);

}  // namespace tralyx
