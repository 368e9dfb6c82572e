#pragma once
// The update files window (placeholder until it is built).
#include <QWidget>

class QMdiArea;

namespace tralyx {

class frmUpdateFiles : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdateFiles(QWidget* pobjParent = nullptr);
    // Shows the one update window in the frame, or brings the open one forward with its texts.
    static frmUpdateFiles* ShowIn(QMdiArea* pobjArea);
};

}  // namespace tralyx
