#pragma once
// The update files window: the old (translated) folder, the source folder it was translated from
// (optional), the new release's folder and the destination folder, and the button that merges the
// three language files of the old and the new folder into the destination. A child window of the
// main window's frame, one at a time.
#include "update/basFolderUpdate.h"
#include "updatetool/frmUpdateReport.h"

#include <QPointer>
#include <QVector>
#include <QWidget>
#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QPushButton;

namespace tralyx {

class frmUpdateFiles : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdateFiles(QWidget* pobjParent = nullptr);
    // Shows the one update window in the frame, or brings the open one forward with its texts. The
    // report windows it opens offer "Open Result" through pfnOpenResult.
    // A new window starts with the folder open in the editor (pstrOpenFolder) as the old one, and the
    // new folder chosen last time, when it still exists.
    static frmUpdateFiles* ShowIn(QMdiArea* pobjArea, const OpenResultHandler& pfnOpenResult = {}, const QString& pstrOpenFolder = {});

protected:
    void keyPressEvent(QKeyEvent* pobjEvent) override;  // Esc presses "&Cancel"

private slots:
    void cmdUpdate_Click();
    void cmdCancel_Click();
    void cmdShowReport_Click();
    void txtOldFile_Change();
    void txtOldSource_Change();
    void txtNewFile_Change();
    void txtDestination_Change();

private:
    // The browse buttons are one control array; Index picks the row: 0 old, 1 new, 2 destination,
    // 3 old source.
    void cmdBrowse_Click(int16_t Index);
    void SetUpdateButtonState();

    QGroupBox* mfraDetails;
    QLabel* mlblOldFile;
    QLabel* mlblNew;
    QLabel* mlblDestination;
    QLineEdit* mtxtOldFile;
    QLineEdit* mtxtNewFile;
    QLineEdit* mtxtDestination;
    QLabel* mlblOldSource;
    QLineEdit* mtxtOldSource;
    QString mstrOldSourceFilled;  // what the window put into the old source box (the old folder's English)
    std::array<QLineEdit*, 4> mtxtRows;
    std::array<QPushButton*, 4> mcmdBrowse;
    QPushButton* mcmdUpdate;
    QPushButton* mcmdCancel;
    QPushButton* mcmdShowReport;  // enabled once an update has run
    udtFolderUpdate mudtLastUpdate;  // what the last update did, and with which folders
    udtUpdateFolders mudtLastFolders;
    OpenResultHandler mfnOpenResult;
};

}  // namespace tralyx
