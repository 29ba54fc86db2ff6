// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/objectlist.h"

#include "widgets/objectdelegate.h"
#include "widgets/objectroles.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The first session file among the dropped URLs; empty when there is none.
QString droppedSession(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls().mid(0, ObjectList::maxDroppedUrls);
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        if (url.isLocalFile() && path.endsWith(QLatin1String(".zdr"), Qt::CaseSensitive))
            return path;
    }
    return {};
}

} // namespace

ObjectList::ObjectList(QWidget* parent) : QListView(parent), delegate_(new ObjectDelegate(this)) {
    setItemDelegate(delegate_);
    // Entries differ in height only when unfolded; the view asks each for its size.
    setUniformItemSizes(false);
    setResizeMode(QListView::Adjust);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
}

void ObjectList::reveal(const QModelIndex& index) {
    if (!index.isValid())
        return;
    model()->setData(index, true, ObjectRole::Expanded);
    setCurrentIndex(index);
    // The unfolded entry's new height is laid out before it is scrolled to.
    executeDelayedItemsLayout();
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

void ObjectList::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                             const QList<int>& roles) {
    QListView::dataChanged(topLeft, bottomRight, roles);
    // Unfolding changes an entry's height.
    if (roles.isEmpty() || roles.contains(ObjectRole::Expanded))
        scheduleDelayedItemsLayout();
}

void ObjectList::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedSession(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void ObjectList::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedSession(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void ObjectList::dropEvent(QDropEvent* event) {
    const QString path = droppedSession(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit droppedFile(path);
}
