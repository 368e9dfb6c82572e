#pragma once
// The about box: which program and which version is running.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tralyx {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* pobjParent = nullptr);

    // "Version " major "." minor "." revision, each in decimal without leading zeros.
    static QString VersionText(int pintMajor, int pintMinor, int pintRevision);

private slots:
    void cmdOK_Click();

private:
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace tralyx
