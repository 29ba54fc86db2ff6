// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/view3dpage.h"

#include "gui/objecttexts.h"
#include "gui/openglavailable.h"
#include "gui/sessionmodel.h"
#include "view3d/glwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// A detached view's size, and its distance from the main window.
constexpr int detachedSize = 400;
constexpr int detachedGap = 10;
} // namespace

View3DPage::View3DPage(SessionModel* session, QWidget* parent)
    : Page(session, QT_TRANSLATE_NOOP("StereonGUI", "3D Demonstration"),
           QStringLiteral("background:black;"), parent) {
    setObjectName(QStringLiteral("view3DPage"));
    showInWindowButton = captionButton<QToolButton>(
        QT_TRANSLATE_NOOP("StereonGUI", "Show in Window"), QStringLiteral("showInWindowButton"),
        QKeySequence(Qt::CTRL | Qt::Key_I));
    showInWindowButton->setProperty("isLabel", true);
    showInWindowButton->setStyleSheet(QStringLiteral("background:black;"));
    header()->addWidget(showInWindowButton);
    (new QVBoxLayout(body()))->setContentsMargins(0, 0, 0, 0);
    connect(showInWindowButton, &QToolButton::clicked, this, &View3DPage::makeDrawer);
    // Only while the page shows; a view of its own window takes the key itself.
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this,
            &View3DPage::toggleFullScreen);
}

void View3DPage::buildView() {
    if (glWidget || noViewLabel)
        return;
    if (openGLAvailable()) {
        glWidget = new GLWidget(body());
        glWidget->setObjectName(QStringLiteral("glWidget"));
        glWidget->setStore(&session()->store());
        glWidget->setNamesShown(namesShown);
        glWidget->installEventFilter(this);
        body()->layout()->addWidget(glWidget);
        glWidget->show();
        connect(session(), &SessionModel::changed, glWidget, qOverload<>(&QWidget::update));
    } else {
        noViewLabel = new QLabel(body());
        noViewLabel->setObjectName(QStringLiteral("noViewLabel"));
        noViewLabel->setAlignment(Qt::AlignCenter);
        noViewLabel->setWordWrap(true);
        body()->layout()->addWidget(noViewLabel);
        noViewLabel->show();
    }
    retranslate();
}

View3DPage::~View3DPage() {
    // A detached view is a window of its own and not among our children.
    if (glWidget && !glWidget->parent())
        delete glWidget;
}

QWidget* View3DPage::focusTarget() {
    buildView();
    return glWidget ? static_cast<QWidget*>(glWidget) : noViewLabel;
}

void View3DPage::showEvent(QShowEvent* event) {
    Page::showEvent(event);
    buildView();
    showInWindowButton->setFixedHeight(titleLabel()->sizeHint().height());
    // A detached view comes back into the page.
    if (glWidget && !glWidget->parent())
        embedView();
}

void View3DPage::embedView() {
    fullScreenFromPage = false;
    glWidget->hide();
    glWidget->setParent(body());
    body()->layout()->addWidget(glWidget);
    glWidget->show();
    if (isVisible()) {
        window()->activateWindow();
        glWidget->setFocus(Qt::OtherFocusReason);
    }
}

void View3DPage::setNamesShown(bool shown) {
    namesShown = shown;
    if (glWidget)
        glWidget->setNamesShown(shown);
}

void View3DPage::makeDrawer() {
    buildView();
    if (!glWidget)
        return;
    emit detached();
    fullScreenFromPage = false;
    glWidget->hide();
    glWidget->setParent(nullptr);
    glWidget->setWindowIcon(window()->windowIcon());
    glWidget->resize(detachedSize, detachedSize);
    // Beside the main window, on the side with room, never over its menu.
    const QRect main = window()->frameGeometry();
    const QRect screen = window()->screen()->availableGeometry();
    int x = main.right() + 1 + detachedGap;
    if (x + detachedSize > screen.right() &&
        main.left() - detachedGap - detachedSize >= screen.left())
        x = main.left() - detachedGap - detachedSize;
    glWidget->move(std::min(x, std::max(screen.left(), screen.right() - detachedSize)), main.top());
    glWidget->show();
}

void View3DPage::toggleFullScreen() {
    buildView();
    if (!glWidget)
        return;
    if (glWidget->isWindow()) {
        if (glWidget->isFullScreen())
            glWidget->showNormal();
        else
            glWidget->showFullScreen();
        return;
    }
    glWidget->hide();
    glWidget->setParent(nullptr);
    glWidget->setWindowIcon(window()->windowIcon());
    fullScreenFromPage = true;
    glWidget->showFullScreen();
    glWidget->activateWindow();
    glWidget->setFocus(Qt::OtherFocusReason);
}

bool View3DPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != glWidget || !fullScreenFromPage)
        return Page::eventFilter(watched, event);
    // Out of full screen, or closed, the view goes back where it came from. Later: the
    // widget is still in the middle of its own event.
    const bool closing = event->type() == QEvent::Close;
    if (closing || (event->type() == QEvent::WindowStateChange && !glWidget->isFullScreen())) {
        fullScreenFromPage = false;
        QMetaObject::invokeMethod(this, &View3DPage::embedView, Qt::QueuedConnection);
        if (closing) {
            event->ignore();
            return true;
        }
    }
    return Page::eventFilter(watched, event);
}

void View3DPage::retranslate() {
    if (glWidget)
        glWidget->setWindowTitle(
            uiText(QT_TRANSLATE_NOOP("StereonGUI", "OpenGL 3D Demonstration")));
    if (noViewLabel)
        noViewLabel->setText(uiText(QT_TRANSLATE_NOOP(
            "StereonGUI", "The 3D view needs OpenGL, which is not available here.")));
}
