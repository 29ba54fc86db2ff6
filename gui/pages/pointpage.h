// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/pages/page.h"

class GridPicker;
class QLabel;
class QLineEdit;
class QPushButton;

// New Point: a name and three coordinates, typed or picked on three grids.
class PointPage : public Page {
    Q_OBJECT
public:
    explicit PointPage(SessionModel* session, QWidget* parent = nullptr);

    QWidget* focusTarget() override;

public slots:
    void enableAddP();
    void addPoint();

protected:
    void enableAdd() override { enableAddP(); }

private:
    QLineEdit* pointName;
    QLabel* pointAlert;
    QLineEdit* pointX;
    QLineEdit* pointY;
    QLineEdit* pointZ;
    QPushButton* addPointButton;
    QPushButton* resetPointButton;
    GridPicker* gridPicker;
};
