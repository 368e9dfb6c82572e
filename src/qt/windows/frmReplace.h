#pragma once
// Edit > Replace...: finds a text in the translations of the active editor window and replaces it
// there, one entry at a time or in all of them. A tool window: it stays open while the user works.
#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;

namespace tralyx {

class clsTextFind;
class frmMessageEditor;

class frmReplace : public QDialog {
    Q_OBJECT
public:
    frmReplace(std::function<frmMessageEditor*()> pfnEditor, QWidget* pobjParent);

    void FindText(const QString& pstrText);  // fills "Find what"
    void cmdFindNext_Click();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();

private:
    clsTextFind Find() const;
    void NotFound();

    std::function<frmMessageEditor*()> mfnEditor;
    QLineEdit* txtFind;
    QLineEdit* txtReplace;
    QCheckBox* chkMatchCase;
    QCheckBox* chkWholeWord;
};

}  // namespace tralyx
