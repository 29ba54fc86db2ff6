#pragma once

#include <QOpenGLWidget>

class GLWidget : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit GLWidget(QWidget* parent = nullptr);

signals:
    void repaintObjects();
};
