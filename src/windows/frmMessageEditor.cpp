#include "frmMessageEditor.h"

namespace tralyx {
frmMessageEditor::frmMessageEditor(QWidget* pobjParent) : QWidget(pobjParent) {}
void frmMessageEditor::EditType(int32_t penuEditType) { mlngEditType = penuEditType; }
void frmMessageEditor::FileName(const QString& pstrFileName)
{
    mstrFileName = pstrFileName;
    setWindowTitle(QStringLiteral("Localising ") + pstrFileName);
}
void frmMessageEditor::MoveToList() {}
bool frmMessageEditor::SaveMe(const QString&) { return false; }
bool frmMessageEditor::QueryClose() { return true; }
}  // namespace tralyx
