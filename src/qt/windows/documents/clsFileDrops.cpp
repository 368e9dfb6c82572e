#include "windows/documents/clsFileDrops.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

namespace tralyx {

clsFileDrops::clsFileDrops(QWidget* pobjTarget) : QObject(pobjTarget)
{
    pobjTarget->setAcceptDrops(true);
    pobjTarget->installEventFilter(this);
}

bool clsFileDrops::eventFilter(QObject* pobjWatched, QEvent* pobjEvent)
{
    if (pobjEvent->type() == QEvent::DragEnter) {
        auto* pobjDrag = static_cast<QDragEnterEvent*>(pobjEvent);
        const QList<QUrl> objUrls = pobjDrag->mimeData()->urls();
        if (std::any_of(objUrls.begin(), objUrls.end(), [](const QUrl& objUrl) { return objUrl.isLocalFile(); }))
            pobjDrag->acceptProposedAction();
        return true;
    }
    if (pobjEvent->type() == QEvent::Drop) {
        auto* pobjDrop = static_cast<QDropEvent*>(pobjEvent);
        QStringList strPaths;
        for (const QUrl& objUrl : pobjDrop->mimeData()->urls())
            if (objUrl.isLocalFile()) strPaths.append(QFileInfo(objUrl.toLocalFile()).absoluteFilePath());
        emit Dropped(strPaths);
        pobjDrop->acceptProposedAction();
        return true;
    }
    return QObject::eventFilter(pobjWatched, pobjEvent);
}

}  // namespace tralyx
