// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/pages/page.h"

class PickerModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// New Vector: by coordinates (option 1) or from one point to another (option 2).
class VectorPage : public Page {
    Q_OBJECT
public:
    VectorPage(SessionModel* session, PickerModel* points, QWidget* parent = nullptr);

    QWidget* focusTarget() override;

public slots:
    void enableAddV();
    void addVector();

protected:
    void enableAdd() override { enableAddV(); }

private:
    QLineEdit* vectorName;
    QLabel* vectorAlert;
    QLineEdit* vectorX;
    QLineEdit* vectorY;
    QLineEdit* vectorZ;
    QComboBox* vectorPoint1;
    QComboBox* vectorPoint2;
    QPushButton* addVectorButton;
};
