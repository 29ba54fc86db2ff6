// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

// A checkable group box that tells which of its sister groups it is, so one slot can keep
// the groups of a page mutually exclusive.
class CheckGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit CheckGroup(int index, QWidget* parent = nullptr);

    int index() const { return index_; }

signals:
    void clicked(bool checked, int index);

public slots:
    void click(bool checked);

private:
    int index_;
};
