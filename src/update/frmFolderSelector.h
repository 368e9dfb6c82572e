#pragma once
// The folder selector (placeholder until it is built).
#include <QDialog>

namespace tralyx {

class frmFolderSelector : public QDialog {
    Q_OBJECT
public:
    explicit frmFolderSelector(QWidget* pobjParent = nullptr);
    // Shows a fresh selector modally at pstrStart; false when cancelled. Installed into the Qt
    // desktop seam as its folder chooser.
    static bool Choose(QWidget* pobjParent, const QString& pstrStart, QString& pstrFolder);
};

}  // namespace tralyx
