#pragma once

#include <QWidget>

class ObjectItem : public QWidget {
    Q_OBJECT
public:
    explicit ObjectItem(QWidget* parent = nullptr);

    void setItem(const QString& name, int kind);
    void setTitle(const QString& text);
};
