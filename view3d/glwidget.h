// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view3d/camera.h"
#include "view3d/namelabels.h"
#include "view3d/objectdrawing.h"

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPointF>

class ObjectStore;
class QTimer;

#include <vector>

// The OpenGL view: white axes with unit ticks and labels, a camera turned by dragging and
// moved by the wheel, automatic turning after 20 s without input (while it can be seen), full
// screen on F5 or F11 as a window of its own, back on Escape or F11, a screenshot on F12. The
// objects of the store it is given are drawn in every frame right after the axes, with the
// same camera and a light at the eye, and their names over them.
class GLWidget : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit GLWidget(QWidget* parent = nullptr);
    ~GLWidget() override;

    // The store whose visible objects each frame draws; null draws none. Not owned.
    void setStore(const ObjectStore* store);

    // Names beside the objects; on at first.
    void setNamesShown(bool shown);

    Camera camera() const { return camera_; }
    void setCamera(const Camera& camera);

    // Saves what the view shows; the format follows the suffix. False when there is no
    // picture (no GL context) or the file cannot be written.
    bool saveScreenshot(const QString& fileName);
    // 100 for a name ending in ".jpg" (exactly so), else the writer's default (-1).
    static int screenshotQuality(const QString& fileName);

public slots:
    void animate();
    // Draws at once, for a detached view whose objects changed.
    void redrawNow();

signals:
    // Emitted at the end of every frame, after the objects are drawn.
    void repaintObjects();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool contextUsable() const;
    void releaseGL();
    void setFrameState();
    void drawObjects();
    // Where the axis labels go, as far as the objects drawn so far leave them visible.
    void placeAxisLabels();
    void drawOverlay();
    static bool hiddenByScene(double wx, double wy, double wz, const int* viewport);
    QString hintText();
    void askForScreenshot();
    void stopTimers();
    // Whether anyone can see a frame: shown, not minimised, on screen.
    bool seen() const;

    QTimer* animationTimer_;
    QTimer* idleTimer_;
    // Repaints when a hint's time is up, so it does not linger until the next input.
    QTimer* hintTimer_;
    QElapsedTimer hintClock_;
    bool dragging_ = false;
    Camera camera_;
    int lastX_ = 0;
    int lastY_ = 0;
    double zNear_ = 0.1;
    double zFar_ = 100.0;

    const ObjectStore* store_ = nullptr;
    ObjectDrawing drawing_;
    NameLabels names_;
    struct AxisLabel {
        QPointF at;
        QString text;
    };
    std::vector<AxisLabel> axisLabels_;
    bool namesShown_ = true;
    unsigned axesList_ = 0;
    bool glReady_ = false;
};
