// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/pages/page.h"

class GLWidget;
class QToolButton;

// 3D Demonstration: the OpenGL view of the session, in the page or in a window of its own;
// a notice instead where no OpenGL context can be had.
class View3DPage : public Page {
    Q_OBJECT
public:
    explicit View3DPage(SessionModel* session, QWidget* parent = nullptr);
    ~View3DPage() override;

    // Null until the page has first been shown (or the view detached), and where no OpenGL
    // context can be had.
    GLWidget* view() const { return glWidget; }
    QWidget* focusTarget() override;

public slots:
    // The view leaves the page for a window of its own.
    void makeDrawer();

signals:
    void detached();

protected:
    void showEvent(QShowEvent* event) override;
    void retranslate() override;

private:
    // The view, or the notice, is made on first need: an OpenGL widget makes the toolkit
    // compose the whole window through OpenGL, which costs every repaint of every page.
    void buildView();

    QToolButton* showInWindowButton;
    // Without a parent while detached.
    GLWidget* glWidget = nullptr;
    QLabel* noViewLabel = nullptr;
};
