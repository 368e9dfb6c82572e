#pragma once
// The panels of the main window's status bar: "Status", the code page of the active file, and the
// date and time, kept current by a timer that wakes once a minute.
#include <QObject>

class QLabel;
class QStatusBar;
class QTimer;

namespace tralyx {

class clsStatusPanels : public QObject {
    Q_OBJECT
public:
    explicit clsStatusPanels(QStatusBar* psbStatusBar);

    void SetCodePage(const QString& pstrName);  // empty when no file window is active

private slots:
    void tmrClock_Timer();

private:
    QLabel* mlblCodePage = nullptr;
    QLabel* mlblDate = nullptr;
    QLabel* mlblTime = nullptr;
    QTimer* tmrClock = nullptr;
};

}  // namespace tralyx
