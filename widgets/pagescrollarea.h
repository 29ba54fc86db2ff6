// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>
#include <QScrollBar>

// Scrolls a page that is taller or wider than the window, and otherwise asks for the page's
// whole size: QScrollArea's own hint stops at a few hundred pixels, which would make the
// window open smaller than its pages on any screen.
class PageScrollArea : public QScrollArea {
public:
    explicit PageScrollArea(QWidget* page, QWidget* parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(page);
    }

    QSize sizeHint() const override {
        return widget()->sizeHint() + QSize(frameWidth() * 2, frameWidth() * 2);
    }
};
