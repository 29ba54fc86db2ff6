#pragma once

#include <QScrollArea>

// The scrollable panel of object entries; a session file dropped onto it is reported.
class ObjectList : public QScrollArea {
    Q_OBJECT
public:
    explicit ObjectList(QWidget* parent = nullptr);

    // At most this many dropped URLs are looked at.
    static constexpr int maxDroppedUrls = 32;

signals:
    void droppedFile(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
