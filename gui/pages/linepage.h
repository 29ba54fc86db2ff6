// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/pages/page.h"

class PickerModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// New Line: through two points (option 1) or through a point along a vector (option 2).
class LinePage : public Page {
    Q_OBJECT
public:
    LinePage(SessionModel* session, PickerModel* points, PickerModel* vectors,
             QWidget* parent = nullptr);

public slots:
    void enableAddL();
    void addLine();

protected:
    void enableAdd() override { enableAddL(); }

private:
    QLineEdit* lineName;
    QLabel* lineAlert;
    QComboBox* linePoint1;
    QComboBox* linePoint2;
    QComboBox* linePoint;
    QComboBox* lineVector;
    QPushButton* addLineButton;
};
