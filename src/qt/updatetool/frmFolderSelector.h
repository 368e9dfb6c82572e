#pragma once
// The folder selector: a modal window with a folder tree, "&OK" and "&Cancel". Created for one
// choice and dropped after it; closing it in any way but "&OK" counts as cancelled.
#include <QDialog>

class QFileSystemModel;
class QPushButton;
class QTreeView;

namespace tralyx {

class frmFolderSelector : public QDialog {
    Q_OBJECT
public:
    explicit frmFolderSelector(QWidget* pobjParent = nullptr);

    bool Cancelled() const { return mbooCancelled; }
    // The folder selected in the tree; empty when cancelled.
    QString SelectedFolder() const;
    // Selects and shows a folder (the nearest existing one above it when it does not exist).
    void SetSelectedFolder(const QString& pstrFolder);

    // Shows a fresh selector modally at pstrStart; false when cancelled. Installed into the Qt
    // desktop seam as its folder chooser.
    static bool Choose(QWidget* pobjParent, const QString& pstrStart, QString& pstrFolder);

public slots:
    void reject() override;  // Esc and the close box: the same as "&Cancel"

protected:
    void resizeEvent(QResizeEvent* pobjEvent) override;

private slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void ftvFolderSelector_KeepInView();

private:
    void Form_Load();
    void Form_Resize();

    bool mbooCancelled = true;
    bool mbooKeepInView = false;  // the selected folder is kept in view while the tree fills in
    QFileSystemModel* mobjFolders;
    QTreeView* mftvFolderSelector;
    QPushButton* mcmdOK;
    QPushButton* mcmdCancel;
};

}  // namespace tralyx
