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
    // The code page the next Open uses, shown only when it differs from the active file's.
    void SetNextCodePage(const QString& pstrName);
    void SetModified(bool pbooModified);       // the active window's table has unsaved commits
    void SetEntry(const QString& pstrEntryId);  // the selected row's entry id; empty: "Status"
    // The active window's progress against its source, or why it has no source; empty: hidden.
    void SetWork(const QString& pstrText);

private slots:
    void tmrClock_Timer();

private:
    QLabel* mlblStatus = nullptr;
    QLabel* mlblWork = nullptr;
    QLabel* mlblModified = nullptr;
    QLabel* mlblNextCodePage = nullptr;
    QLabel* mlblCodePage = nullptr;
    QLabel* mlblDate = nullptr;
    QLabel* mlblTime = nullptr;
    QTimer* tmrClock = nullptr;
};

}  // namespace tralyx
