#pragma once
// What the empty frame says until a file is open: how to begin (Open Language Folder..., Open...)
// and the folders and files opened last, each a link.
#include <QLabel>

namespace tralyx {

class clsWelcome : public QLabel {
    Q_OBJECT
public:
    explicit clsWelcome(QWidget* pobjArea);  // the frame's viewport, which it fills
    void Refresh();                          // the recent list as it is now

signals:
    void OpenFolder();
    void OpenFile();
    void OpenRecent(const QString& pstrPath, const QString& pstrCodePage);

protected:
    bool eventFilter(QObject* pobjWatched, QEvent* pobjEvent) override;
};

}  // namespace tralyx
