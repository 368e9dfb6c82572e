#pragma once
// The text editor window: one opened language file, listed row by row, with the current row's
// texts in one or two boxes that are committed back to the row and the store.
#include "clsEditorLayout.h"
#include "clsTralyx.h"

#include <QWidget>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tralyx {

class clsEditorListModel;
class clsEditorListView;

class frmMessageEditor : public QWidget {
    Q_OBJECT
public:
    enum : int32_t { EditMessages = 0, EditSecondary = 1, EditControlText = 2 };

    explicit frmMessageEditor(QWidget* pobjParent = nullptr);

    void EditType(int32_t penuEditType);      // builds the columns and fills the list
    int32_t EditTypeValue() const { return mlngEditType; }
    void FileName(const QString& pstrFileName);  // sets the caption "Localising " + path
    const QString& FileNameValue() const { return mstrFileName; }
    // The code page the window's table was read with and is written in.
    QString CodePage() const;
    void MoveToList();
    bool SaveMe(const QString& pstrFileName = QString());
    // Lines the load of the window's file skipped: the next save asks before it drops them.
    void SkippedLines(const QVector<udtFileIssue>& pudtLines) { mudtSkippedLines = pudtLines; }
    // The close checks ("Data changed", "Save changes"); true when the window may close.
    bool QueryClose();

    // The editing state, for the main window and tests.
    bool ItemChanged() const { return mbooItemChanged; }
    bool DataChanged() const { return mbooDataChanged; }
    int32_t CurrentItem() const { return mlngCurrentItem + 1; }  // 1-based row position; 0 for none
    const clsEditorLayout& Layout() const { return mudtLayout; }

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* pobjEvent) override;
    void resizeEvent(QResizeEvent* pobjEvent) override;
    void showEvent(QShowEvent* pobjEvent) override;

private slots:
    void txtTitle_Change();
    void txtMessage_Change();
    void lvwMessages_ItemClick(int plngRow);
    void cmdPreview_Click();

private:
    void Form_Load();
    void Form_Resize();
    void ConfirmItemChange();
    bool ConfirmOverwriteOfOtherChanges();  // false when the file changed on disk and the user keeps it
    void ApplyLayout();
    void WarnUnencodable(const QString& pstrText);
    QString TitleBoxText() const;
    QString MessageBoxText() const;
    void SetBoxes(const QString& pstrTitle, const QString& pstrMessage);

    QGroupBox* fraMessage;
    QLabel* lblTitle;
    QLineEdit* txtTitle;
    QLabel* lblMessage;
    QPlainTextEdit* txtMessage;
    clsEditorListView* lvwMessages;
    clsEditorListModel* mobjListItems;
    QPushButton* cmdPreview;

    int32_t mlngEditType = EditMessages;
    QString mstrFileName;
    int32_t mlngCurrentItem = -1;  // row from 0, -1 for none
    bool mbooItemChanged = false;
    bool mbooDataChanged = false;
    QVector<udtFileIssue> mudtSkippedLines;
    bool mbooLoaded = false;
    // Set when the close checks said yes; good for the rest of the current event only, so that a
    // close that follows them at once does not ask again.
    bool mbooCloseAgreed = false;
    clsEditorLayout mudtLayout;
};

}  // namespace tralyx
