// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/view3dpage.h"

#include "gui/objecttexts.h"
#include "gui/openglavailable.h"
#include "gui/sessionmodel.h"
#include "view3d/glwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Where a detached view first appears, and its size.
constexpr int detachedX = 650;
constexpr int detachedY = 10;
constexpr int detachedSize = 400;
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
}

void View3DPage::buildView() {
    if (glWidget || noViewLabel)
        return;
    if (openGLAvailable()) {
        glWidget = new GLWidget(body());
        glWidget->setObjectName(QStringLiteral("glWidget"));
        glWidget->setStore(&session()->store());
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
    if (glWidget && !glWidget->parent()) {
        // A detached view comes back into the page.
        glWidget->hide();
        glWidget->setParent(body());
        body()->layout()->addWidget(glWidget);
        glWidget->show();
    }
}

void View3DPage::makeDrawer() {
    buildView();
    if (!glWidget)
        return;
    emit detached();
    glWidget->hide();
    glWidget->setParent(nullptr);
    glWidget->setWindowIcon(window()->windowIcon());
    glWidget->resize(detachedSize, detachedSize);
    glWidget->move(detachedX, detachedY);
    glWidget->show();
}

void View3DPage::retranslate() {
    if (glWidget)
        glWidget->setWindowTitle(
            uiText(QT_TRANSLATE_NOOP("StereonGUI", "OpenGL 3D Demonstration")));
    if (noViewLabel)
        noViewLabel->setText(uiText(QT_TRANSLATE_NOOP(
            "StereonGUI", "The 3D view needs OpenGL, which is not available here.")));
}
