#pragma once
// The report of an update in a window of its own, as a place to start work: per file what was
// written and how many entries were kept, are to review, moved, new and dropped; every entry by id
// with its text, all or of one kind; the report saved as text; and the result opened in the editor.
#include "update/basFolderUpdate.h"
#include "update/udtUpdateReport.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace tralyx {

class clsUpdateReportModel;

// Opens the files an update wrote in the editor, with pstrSourceFolder (the new release's folder)
// as their source. The main window provides it; without one, "Open Result" is not offered.
using OpenResultHandler = std::function<void(const QStringList& pstrFiles, const QString& pstrSourceFolder)>;

class frmUpdateReport : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdateReport(QWidget* pobjOwner = nullptr);

    // Shows the report in the owner's one report window (made when there is none), in front.
    static frmUpdateReport* ShowReport(QWidget* pobjOwner, const udtFolderUpdate& pudtUpdate, const udtUpdateFolders& pudtFolders,
                                       const OpenResultHandler& pfnOpenResult);
    void SetReport(const udtFolderUpdate& pudtUpdate, const udtUpdateFolders& pudtFolders, const OpenResultHandler& pfnOpenResult);

protected:
    void keyPressEvent(QKeyEvent* pobjEvent) override;  // Esc closes

private slots:
    void cboKind_Change(int plngIndex);
    void cmdSaveReport_Click();
    void cmdOpenResult_Click();

private:
    void ShowCount();

    QLabel* mlblSummary;
    QTableWidget* mgrdCounts;
    QComboBox* mcboKind;
    QLabel* mlblShown;
    QTableView* mlvwEntries;
    clsUpdateReportModel* mobjEntries;
    QPushButton* mcmdSaveReport;
    QPushButton* mcmdOpenResult;
    QPushButton* mcmdClose;
    udtFolderUpdate mudtUpdate;
    QString mstrSourceFolder;  // the new release's folder: the source of the result
    QStringList mstrWritten;   // the files the update wrote
    OpenResultHandler mfnOpenResult;
};

}  // namespace tralyx
