#pragma once
// The main window's filter bar: a text and a choice of rows (clsEditorFilter::enuShow) for the list
// of the active editor window, and how many rows that list shows.
#include <QToolBar>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tralyx {

class clsEditorFilter;

class clsFilterBar : public QToolBar {
    Q_OBJECT
public:
    explicit clsFilterBar(QWidget* pobjParent);

    void ShowFilter(const clsEditorFilter& pobjFilter);  // a window's own filter, without FilterChanged
    void SetCount(const QString& pstrText);
    void FocusText();  // Ctrl+F: the bar shown, its text selected

signals:
    void FilterChanged(const QString& pstrText, int32_t penuShow);

private:
    void Changed();

    QLineEdit* txtFilter;
    QComboBox* cboFilterShow;
    QLabel* lblFilterCount;
};

}  // namespace tralyx
