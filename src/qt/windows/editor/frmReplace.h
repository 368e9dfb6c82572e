#pragma once
// Edit > Replace...: finds a text in the translations of the active editor window and replaces it
// there, one entry at a time or in all of them. A tool window: it stays open while the user works.
#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tralyx {

class clsTextFind;
class frmMessageEditor;

class frmReplace : public QDialog {
    Q_OBJECT
public:
    // pfnEditor gives the active editor window, pfnFolder the open windows of its folder.
    frmReplace(std::function<frmMessageEditor*()> pfnEditor, std::function<QList<frmMessageEditor*>()> pfnFolder,
               QWidget* pobjParent);

    void FindText(const QString& pstrText);  // fills "Find what"
    void cmdFindNext_Click();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();

protected:
    void showEvent(QShowEvent* pobjEvent) override;

private:
    clsTextFind Find() const;
    QList<frmMessageEditor*> Editors();  // the windows it acts on, as "Look in" says (and shows)
    void NotFound();

    std::function<frmMessageEditor*()> mfnEditor;
    std::function<QList<frmMessageEditor*>()> mfnFolder;
    QComboBox* cboLookIn;
    QLabel* lblFiles;
    QLineEdit* txtFind;
    QLineEdit* txtReplace;
    QCheckBox* chkMatchCase;
    QCheckBox* chkWholeWord;
};

}  // namespace tralyx
