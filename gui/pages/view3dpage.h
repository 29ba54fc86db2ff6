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

    // Names beside the objects in the view.
    void setNamesShown(bool shown);

public slots:
    // The view leaves the page for a window of its own.
    void makeDrawer();
    // The view fills the screen, or goes back from it: from the page it goes full screen as
    // a window of its own, and comes back into the page when it leaves full screen.
    void toggleFullScreen();

signals:
    void detached();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void retranslate() override;

private:
    // The view, or the notice, is made on first need: an OpenGL widget makes the toolkit
    // compose the whole window through OpenGL, which costs every repaint of every page.
    void buildView();
    // Puts a view that is a window of its own back into the page.
    void embedView();

    QToolButton* showInWindowButton;
    // Without a parent while detached.
    GLWidget* glWidget = nullptr;
    QLabel* noViewLabel = nullptr;
    bool namesShown = true;
    // The view left the page only to fill the screen.
    bool fullScreenFromPage = false;
};
