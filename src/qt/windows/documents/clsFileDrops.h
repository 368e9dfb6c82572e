#pragma once
// Files dropped onto a window: a drag is accepted when it carries local files, which are reported
// together by their absolute paths.
#include <QObject>

class QWidget;

namespace tralyx {

class clsFileDrops : public QObject {
    Q_OBJECT
public:
    explicit clsFileDrops(QWidget* pobjTarget);

signals:
    void Dropped(const QStringList& pstrPaths);

protected:
    bool eventFilter(QObject* pobjWatched, QEvent* pobjEvent) override;
};

}  // namespace tralyx
