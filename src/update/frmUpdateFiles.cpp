#include "frmUpdateFiles.h"

namespace tralyx {
frmUpdateFiles::frmUpdateFiles(QWidget* pobjParent) : QWidget(pobjParent) {}
frmUpdateFiles* frmUpdateFiles::ShowIn(QMdiArea*) { return nullptr; }
}  // namespace tralyx
