// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/intersection.h"
#include "gui/pages/page.h"

#include <string>

class ObjectItem;
class PickerModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Compute Intersection: of two lines, a line and a plane or two planes (a new object to
// add), or a point's relation to a point, line or plane. A result is kept with the two
// objects it was computed for: Add files exactly what is shown, and a change of the
// session works it out again.
class IntersectPage : public Page {
    Q_OBJECT
public:
    IntersectPage(SessionModel* session, PickerModel* objects, QWidget* parent = nullptr);

    QWidget* focusTarget() override { return this; }

public slots:
    void enableAddI();
    void compIntersect();
    void addIntersect();
    void resetIntersect();
    void setIntersectTitle(const QString& name);

protected:
    void retranslate() override;

private:
    void showResult();
    void showObjectResult();
    // Whether the page offers a new object to add (the pickers are then hidden).
    bool offering() const;
    void refresh();

    QLabel* intersectAlert;
    QLabel* intersectObject1Label;
    QLabel* intersectObject2Label;
    QComboBox* intersectObject1;
    QComboBox* intersectObject2;
    QPushButton* computeIntersectButton;
    QLabel* intersectNameLabel;
    QLineEdit* intersectName;
    ObjectItem* intersectItem;
    QPushButton* addIntersectButton;
    QPushButton* resetIntersectButton;

    std::string first_;
    std::string second_;
    IntersectionResult result_;
};
