// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

class ObjectDelegate;

// The object list: a card per entry, painted by ObjectDelegate, only those in view costing
// anything. A session file dropped onto it is reported.
class ObjectList : public QListView {
    Q_OBJECT
public:
    explicit ObjectList(QWidget* parent = nullptr);

    ObjectDelegate* delegate() const { return delegate_; }

    // At most this many dropped URLs are looked at.
    static constexpr int maxDroppedUrls = 32;

    // Unfolds the entry and brings it into view.
    void reveal(const QModelIndex& index);

signals:
    void droppedFile(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    ObjectDelegate* delegate_;
};
