#include "frmFolderSelector.h"

namespace tralyx {
frmFolderSelector::frmFolderSelector(QWidget* pobjParent) : QDialog(pobjParent) {}
bool frmFolderSelector::Choose(QWidget*, const QString&, QString&) { return false; }
}  // namespace tralyx
