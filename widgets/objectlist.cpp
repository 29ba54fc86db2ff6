#include "widgets/objectlist.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

ObjectList::ObjectList(QWidget* parent) : QScrollArea(parent) {
    // Drag events arrive at the viewport, which hands them to the handlers below.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

void ObjectList::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void ObjectList::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

void ObjectList::dragLeaveEvent(QDragLeaveEvent* event) {
    event->accept();
}

void ObjectList::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (!data || !data->hasUrls())
        return;
    const QList<QUrl> urls = data->urls().mid(0, maxDroppedUrls);
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        if (path.endsWith(QLatin1String(".zdr"), Qt::CaseSensitive)) {
            emit droppedFile(path);
            return;
        }
    }
}
