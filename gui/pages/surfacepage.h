// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/pages/page.h"

class PickerModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// New Surface: option 1 three points, 2 two vectors and a point, 3 a normal and D, 4 a
// normal and a point.
class SurfacePage : public Page {
    Q_OBJECT
public:
    SurfacePage(SessionModel* session, PickerModel* points, PickerModel* vectors,
                QWidget* parent = nullptr);

public slots:
    void enableAddS();
    void addSurface();

protected:
    void enableAdd() override { enableAddS(); }

private:
    // Files the plane of the checked option; why it was refused goes to reason.
    bool file(const QString& name, const char*& reason);

    QLineEdit* surfaceName;
    QLabel* surfaceAlert;
    QComboBox* surfacePoint1;
    QComboBox* surfacePoint2;
    QComboBox* surfacePoint3;
    QComboBox* surfaceVector1;
    QComboBox* surfaceVector2;
    QComboBox* surfaceVectorsPoint;
    QComboBox* surfaceNormal;
    QLineEdit* surfaceD;
    QComboBox* surfaceNormalOfPoint;
    QComboBox* surfaceNormalPoint;
    QPushButton* addSurfaceButton;
};
