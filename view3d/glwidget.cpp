// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/glwidget.h"

#include "geometry/objectstore.h"
#include "view3d/currentcamera.h"
#include "view3d/scenegeometry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <GL/glu.h>

namespace {

// 30 frames a second at most.
constexpr int animationInterval = 34;
constexpr int idleInterval = 20000;
constexpr qint64 hintDuration = 5000;
constexpr double fieldOfView = 45.0;
constexpr int hintX = 20;
constexpr int hintY = 20;

const GLfloat lightDiffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat lightAmbient[] = {0.5f, 0.5f, 0.5f, 1.0f};
// Set in eye coordinates: a light from the eye, so nothing seen is ever turned from it.
const GLfloat lightPosition[] = {0.0f, 0.0f, 1.0f, 0.0f};

void emitSegments(const std::vector<scene::Segment>& segments) {
    glColor3d(1.0, 1.0, 1.0);
    glBegin(GL_LINES);
    for (const scene::Segment& s : segments) {
        glVertex3d(s.from.x, s.from.y, s.from.z);
        glVertex3d(s.to.x, s.to.y, s.to.z);
    }
    glEnd();
}

} // namespace

GLWidget::GLWidget(QWidget* parent)
    : QOpenGLWidget(parent), animationTimer_(new QTimer(this)), idleTimer_(new QTimer(this)),
      hintTimer_(new QTimer(this)) {
    setMinimumSize(200, 200);
    setWindowTitle(tr("OpenGL 3D Demonstration"));
    resize(400, 400);
    move(650, 10);
    setFocusPolicy(Qt::StrongFocus);
    hintClock_.start();

    animationTimer_->setObjectName(QStringLiteral("animationTimer"));
    animationTimer_->setInterval(animationInterval);
    idleTimer_->setObjectName(QStringLiteral("idleTimer"));
    idleTimer_->setInterval(idleInterval);
    idleTimer_->setSingleShot(true);
    hintTimer_->setSingleShot(true);
    connect(animationTimer_, &QTimer::timeout, this, &GLWidget::animate);
    connect(idleTimer_, &QTimer::timeout, this, &GLWidget::animate);
    connect(hintTimer_, &QTimer::timeout, this, QOverload<>::of(&GLWidget::update));
}

GLWidget::~GLWidget() {
    releaseGL();
    if (QOpenGLContext* ctx = context())
        disconnect(ctx, nullptr, this, nullptr);
}

void GLWidget::setStore(const ObjectStore* store) {
    store_ = store;
    update();
}

void GLWidget::setNamesShown(bool shown) {
    namesShown_ = shown;
    update();
}

void GLWidget::setCamera(const Camera& camera) {
    camera_ = camera;
    update();
}

bool GLWidget::saveScreenshot(const QString& fileName) {
    if (!glReady_)
        return false;
    const QImage image = grabFramebuffer();
    if (image.isNull())
        return false;
    // The clear colour has alpha 0; the file shows the view as seen, on black.
    return image.convertToFormat(QImage::Format_RGB32)
        .save(fileName, nullptr, screenshotQuality(fileName));
}

int GLWidget::screenshotQuality(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".jpg"), Qt::CaseSensitive) ? 100 : -1;
}

void GLWidget::animate() {
    // Turning nobody sees costs a core for nothing; the next show starts the countdown again.
    if (!seen()) {
        stopTimers();
        return;
    }
    camera_.advance();
    update();
    if (!animationTimer_->isActive())
        animationTimer_->start();
}

void GLWidget::redrawNow() {
    update();
    repaint();
}

bool GLWidget::contextUsable() const {
    const QOpenGLContext* ctx = context();
    return ctx && ctx->isValid();
}

void GLWidget::initializeGL() {
    if (!contextUsable())
        return;
    // A new top-level window (detaching, re-embedding) brings a new context: the axes
    // list of the old one goes with it and is built again here.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &GLWidget::releaseGL,
            Qt::UniqueConnection);

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT1, GL_AMBIENT, lightAmbient);
    glShadeModel(GL_SMOOTH);
    setFrameState();

    axesList_ = glGenLists(1);
    glNewList(axesList_, GL_COMPILE);
    emitSegments(scene::axisSegments());
    emitSegments(scene::tickSegments());
    glEndList();

    glReady_ = true;
}

void GLWidget::releaseGL() {
    if (!glReady_)
        return;
    makeCurrent();
    glDeleteLists(axesList_, 1);
    axesList_ = 0;
    glReady_ = false;
    doneCurrent();
}

void GLWidget::resizeGL(int w, int h) {
    if (!glReady_ || !contextUsable())
        return;
    if (h == 0)
        h = 1;
    const qreal ratio = devicePixelRatioF();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, GLsizei(w * ratio), GLsizei(h * ratio));
    gluPerspective(fieldOfView, double(w) / double(h), zNear_, zFar_);
    glMatrixMode(GL_MODELVIEW);
}

// The painter of the overlay resets depth testing; every frame and the receivers of
// repaintObjects() start from the view's own state.
void GLWidget::setFrameState() {
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
    glColor3d(1.0, 1.0, 1.0);
}

void GLWidget::paintGL() {
    if (!glReady_ || !contextUsable())
        return;
    camera_.normalise();
    setFrameState();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT1, GL_POSITION, lightPosition);
    const Vec3 eye = camera_.eye();
    gluLookAt(eye.x, eye.y, eye.z, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);

    glDisable(GL_LIGHTING);
    glCallList(axesList_);
    glEnable(GL_LIGHTING);
    glColor3d(1.0, 1.0, 1.0);

    drawObjects();
    drawOverlay();
    setFrameState();
    emit repaintObjects();
}

void GLWidget::drawObjects() {
    if (!store_) {
        placeAxisLabels();
        return;
    }
    ObjectDrawer* previous = objectDrawer();
    names_.clear();
    drawing_.setNameLabels(namesShown_ ? &names_ : nullptr);
    setObjectDrawer(&drawing_);
    store_->drawAll();
    // An axis label behind an opaque object is hidden; behind a translucent plane it shows.
    drawing_.flush([this] { placeAxisLabels(); });
    setObjectDrawer(previous);
}

// Every depth read comes before the painter starts: once it runs, the GL state and the
// buffers belong to its paint engine.
void GLWidget::placeAxisLabels() {
    const CurrentCamera camera;
    const qreal ratio = devicePixelRatioF();

    const QString labels[] = {QStringLiteral("  X"), QStringLiteral("  Y"), QStringLiteral("  Z")};
    axisLabels_.clear();
    for (int axis = 0; axis < 3; ++axis) {
        const Vec3 at = scene::labelPosition(axis, camera_.distance);
        GLdouble wx = 0.0;
        GLdouble wy = 0.0;
        GLdouble wz = 0.0;
        // Labels behind the eye or beyond the clip planes are not shown.
        if (gluProject(at.x, at.y, at.z, camera.modelView, camera.projection, camera.viewport, &wx,
                       &wy, &wz) != GL_TRUE ||
            wz < 0.0 || wz > 1.0)
            continue;
        if (hiddenByScene(wx, wy, wz, camera.viewport))
            continue;
        axisLabels_.push_back({QPointF(wx / ratio, height() - wy / ratio), labels[axis]});
    }
}

void GLWidget::drawOverlay() {
    const CurrentCamera camera;
    QPainter painter(this);
    painter.setPen(Qt::white);
    painter.setFont(QFont());
    for (const AxisLabel& label : axisLabels_)
        painter.drawText(label.at, label.text);
    if (namesShown_)
        names_.paint(painter, camera.modelView, camera.projection, camera.viewport,
                     devicePixelRatioF());
    const QString hint = hintText();
    if (!hint.isEmpty())
        painter.drawText(hintX, hintY, hint);
}

// The painter ignores depth: a label that an object covers would show through it.
bool GLWidget::hiddenByScene(double wx, double wy, double wz, const int* viewport) {
    constexpr double tolerance = 1e-4;
    const GLint x = GLint(wx);
    const GLint y = GLint(wy);
    if (x < viewport[0] || y < viewport[1] || x >= viewport[0] + viewport[2] ||
        y >= viewport[1] + viewport[3])
        return false;
    GLfloat depth = 1.0f;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth < wz - tolerance;
}

QString GLWidget::hintText() {
    const qint64 shownFor = hintClock_.elapsed();
    if (shownFor >= hintDuration || !(isMaximized() || isFullScreen()))
        return QString();
    if (!hintTimer_->isActive())
        hintTimer_->start(int(hintDuration - shownFor));
    return isMaximized() ? tr("Press F5 to switch to full-screen mode")
                         : tr("Press ESC to exit fullscreen");
}

void GLWidget::askForScreenshot() {
    const QString proposed =
        QCoreApplication::applicationDirPath() + "/" + tr("untitled") + QStringLiteral(".png");
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Save Screenshot"), proposed,
        tr("Images") + QStringLiteral(" (*.png *.jpg *.bmp *.ppm *.xbm *.xpm)"));
    if (fileName.isEmpty())
        return;
    if (!saveScreenshot(fileName))
        QMessageBox::warning(
            this, tr("Save Error"),
            tr("The screenshot could not be saved as %1.").arg(QDir::toNativeSeparators(fileName)));
}

void GLWidget::stopTimers() {
    animationTimer_->stop();
    idleTimer_->stop();
}

bool GLWidget::seen() const {
    const QWindow* shownIn = window()->windowHandle();
    return isVisible() && !window()->isMinimized() && shownIn && shownIn->isExposed();
}

void GLWidget::mousePressEvent(QMouseEvent* event) {
    stopTimers();
    if (event->button() == Qt::LeftButton) {
        event->accept();
        dragging_ = true;
        lastX_ = event->position().toPoint().x();
        lastY_ = event->position().toPoint().y();
    } else {
        event->ignore();
    }
    idleTimer_->start();
}

void GLWidget::mouseReleaseEvent(QMouseEvent* event) {
    stopTimers();
    if (event->button() == Qt::LeftButton) {
        event->accept();
        dragging_ = false;
    } else {
        event->ignore();
    }
    idleTimer_->start();
}

void GLWidget::mouseMoveEvent(QMouseEvent* event) {
    stopTimers();
    if (!dragging_) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint at = event->position().toPoint();
    camera_.turn(at.x() - lastX_, at.y() - lastY_);
    lastX_ = at.x();
    lastY_ = at.y();
    update();
}

void GLWidget::wheelEvent(QWheelEvent* event) {
    stopTimers();
    if (camera_.zoom(event->angleDelta().y())) {
        event->accept();
        update();
    } else {
        event->ignore();
    }
    idleTimer_->start();
}

void GLWidget::keyPressEvent(QKeyEvent* event) {
    stopTimers();
    idleTimer_->start();
    switch (event->key()) {
    case Qt::Key_F12:
        if (isFullScreen())
            break;
        askForScreenshot();
        return;
    case Qt::Key_F5:
        if (!isWindow())
            break;
        showFullScreen();
        return;
    case Qt::Key_F11:
        if (!isWindow())
            break;
        if (isFullScreen())
            showNormal();
        else
            showFullScreen();
        return;
    case Qt::Key_A:
        animationTimer_->start();
        return;
    case Qt::Key_Escape:
        // In the page the view is never closed: the page would stay empty.
        if (isFullScreen() || isMaximized())
            showNormal();
        else if (isWindow())
            close();
        else
            break;
        return;
    default:
        break;
    }
    QOpenGLWidget::keyPressEvent(event);
}

void GLWidget::showEvent(QShowEvent* event) {
    idleTimer_->stop();
    hintClock_.restart();
    idleTimer_->start();
    QOpenGLWidget::showEvent(event);
}

void GLWidget::hideEvent(QHideEvent* event) {
    stopTimers();
    QOpenGLWidget::hideEvent(event);
}

void GLWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        hintClock_.restart();
        update();
    } else if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("OpenGL 3D Demonstration"));
    }
    QOpenGLWidget::changeEvent(event);
}
