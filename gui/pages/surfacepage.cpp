// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/surfacepage.h"

#include "geometry/construction.h"
#include "geometry/truedistance.h"
#include "geometry/vector4d.h"
#include "gui/pages/numberfield.h"
#include "gui/pages/operands.h"
#include "gui/pickermodel.h"
#include "gui/sessionmodel.h"
#include "widgets/checkgroup.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SurfacePage::SurfacePage(SessionModel* session, PickerModel* points, PickerModel* vectors,
                         QWidget* parent)
    : Page(session, QT_TRANSLATE_NOOP("StereonGUI", "New Surface"),
           QStringLiteral("background:limegreen;color:black;"), parent) {
    setObjectName(QStringLiteral("surfacePage"));
    surfaceName = new QLineEdit(this);
    surfaceName->setObjectName(QStringLiteral("surfaceName"));
    setNameField(surfaceName, QLatin1Char('S'), NameFocus::Never);
    surfaceAlert = alertLabel(QStringLiteral("surfaceAlert"));
    const char* const point = QT_TRANSLATE_NOOP("StereonGUI", "Point");
    const char* const vector = QT_TRANSLATE_NOOP("StereonGUI", "Vector");
    const char* const normal = QT_TRANSLATE_NOOP("StereonGUI", "Normal Vector");

    QFormLayout* byPoints = nullptr;
    optionGroup(0, " 1", byPoints, QStringLiteral("surfaceOption1"));
    surfacePoint1 = objectCombo(points, QStringLiteral("surfacePoint1"));
    surfacePoint2 = objectCombo(points, QStringLiteral("surfacePoint2"));
    surfacePoint3 = objectCombo(points, QStringLiteral("surfacePoint3"));
    byPoints->addRow(captionLabel(point, " 1:"), surfacePoint1);
    byPoints->addRow(captionLabel(point, " 2:"), surfacePoint2);
    byPoints->addRow(captionLabel(point, " 3:"), surfacePoint3);

    QFormLayout* byVectors = nullptr;
    optionGroup(1, " 2", byVectors, QStringLiteral("surfaceOption2"));
    surfaceVector1 = objectCombo(vectors, QStringLiteral("surfaceVector1"));
    surfaceVector2 = objectCombo(vectors, QStringLiteral("surfaceVector2"));
    surfaceVectorsPoint = objectCombo(points, QStringLiteral("surfaceVectorsPoint"));
    byVectors->addRow(captionLabel(vector, " 1:"), surfaceVector1);
    byVectors->addRow(captionLabel(vector, " 2:"), surfaceVector2);
    byVectors->addRow(captionLabel(point, ":"), surfaceVectorsPoint);

    QFormLayout* byEquation = nullptr;
    optionGroup(2, " 3", byEquation, QStringLiteral("surfaceOption3"));
    surfaceNormal = objectCombo(vectors, QStringLiteral("surfaceNormal"));
    surfaceD = numberEdit(QStringLiteral("surfaceD"));
    byEquation->addRow(captionLabel(normal, ":"), surfaceNormal);
    byEquation->addRow(QStringLiteral("D:"), surfaceD);

    QFormLayout* byNormal = nullptr;
    optionGroup(3, " 4", byNormal, QStringLiteral("surfaceOption4"));
    surfaceNormalOfPoint = objectCombo(vectors, QStringLiteral("surfaceNormalOfPoint"));
    surfaceNormalPoint = objectCombo(points, QStringLiteral("surfaceNormalPoint"));
    byNormal->addRow(captionLabel(normal, ":"), surfaceNormalOfPoint);
    byNormal->addRow(captionLabel(point, ":"), surfaceNormalPoint);

    addSurfaceButton = captionButton<QPushButton>(QT_TRANSLATE_NOOP("StereonGUI", "Add Surface"),
                                                  QStringLiteral("addSurfaceButton"));
    addSurfaceButton->setEnabled(false);

    auto* form = new QFormLayout(body());
    form->setSpacing(10);
    form->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Name:")), surfaceName);
    form->addRow(surfaceAlert);
    for (CheckGroup* group : std::as_const(options_))
        form->addRow(group);
    form->addRow(addSurfaceButton);

    connect(surfaceName, &QLineEdit::textEdited, this, &SurfacePage::enableAddS);
    connect(surfaceD, &QLineEdit::textChanged, this, &SurfacePage::enableAddS);
    for (QComboBox* combo :
         {surfacePoint1, surfacePoint2, surfacePoint3, surfaceVector1, surfaceVector2,
          surfaceVectorsPoint, surfaceNormal, surfaceNormalOfPoint, surfaceNormalPoint})
        connect(combo, &QComboBox::currentIndexChanged, this, &SurfacePage::enableAddS);
    connect(addSurfaceButton, &QPushButton::clicked, this, &SurfacePage::addSurface);
    // D is only enabled with option 3; otherwise the focus stays on the name.
    connect(surfaceName, &QLineEdit::returnPressed, this, [this] {
        if (surfaceD->isEnabled())
            surfaceD->setFocus();
    });
    connect(surfaceD, &QLineEdit::returnPressed, this, [this] {
        addSurface();
        surfaceName->setFocus();
    });
}

void SurfacePage::enableAddS() {
    QString problem = nameProblem(surfaceName);
    if (problem.isEmpty() && options_[0]->isChecked() &&
        (sameOperand(surfacePoint1, surfacePoint2) || sameOperand(surfacePoint1, surfacePoint3) ||
         sameOperand(surfacePoint2, surfacePoint3)))
        problem = uiText(QT_TRANSLATE_NOOP("StereonGUI", "Choose 3 different points."));
    else if (problem.isEmpty() && options_[1]->isChecked() &&
             sameOperand(surfaceVector1, surfaceVector2))
        problem = uiText(QT_TRANSLATE_NOOP("StereonGUI", "Choose 2 different vectors."));
    const bool clear = showAlert(surfaceAlert, problem);
    bool input = false;
    if (options_[0]->isChecked())
        input = chosen(surfacePoint1) && chosen(surfacePoint2) && chosen(surfacePoint3);
    else if (options_[1]->isChecked())
        input = chosen(surfaceVector1) && chosen(surfaceVector2) && chosen(surfaceVectorsPoint);
    else if (options_[2]->isChecked())
        input = chosen(surfaceNormal) && numberIn(surfaceD).has_value();
    else if (options_[3]->isChecked())
        input = chosen(surfaceNormalOfPoint) && chosen(surfaceNormalPoint);
    addSurfaceButton->setEnabled(clear && input);
}

bool SurfacePage::file(const QString& name, const char*& reason) {
    const ObjectStore& store = session()->store();
    const std::string key = SessionModel::storeName(name);
    const auto zero = [&store](const std::string& operandName) {
        const vector4D* v = coordinatesOf(store, operandName);
        return v && isZeroVector(*v);
    };
    Refusal why = Refusal::None;
    bool added = false;
    if (options_[2]->isChecked()) {
        const std::string n = operand(surfaceNormal);
        const double d = *numberIn(surfaceD);
        added = session()->add(
            name, [&](ObjectStore& s) { return createSurfaceFromEquation(s, n, d, key, &why); });
        if (zero(n))
            reason = QT_TRANSLATE_NOOP("StereonGUI", "The normal vector is zero.");
    } else if (options_[3]->isChecked()) {
        const std::string n = operand(surfaceNormalOfPoint);
        const std::string p = operand(surfaceNormalPoint);
        added = session()->add(name, [&](ObjectStore& s) {
            return createSurfaceFromPointAndNormal(s, n, p, key, &why);
        });
        if (zero(n))
            reason = QT_TRANSLATE_NOOP("StereonGUI", "The normal vector is zero.");
    } else {
        const bool byPoints = options_[0]->isChecked();
        const std::string a = operand(byPoints ? surfacePoint1 : surfaceVector1);
        const std::string b = operand(byPoints ? surfacePoint2 : surfaceVector2);
        const std::string c = operand(byPoints ? surfacePoint3 : surfaceVectorsPoint);
        added = session()->add(
            name, [&](ObjectStore& s) { return createSurfaceFromThree(s, a, b, c, key, &why); });
        const vector4D* u = coordinatesOf(store, a);
        const vector4D* v = coordinatesOf(store, b);
        if (byPoints) {
            const vector4D* w = coordinatesOf(store, c);
            if (u && v && w && parallelDirections(*v - *u, *w - *u))
                reason = QT_TRANSLATE_NOOP("StereonGUI", "The points lie on one line.");
        } else if (zero(a) || zero(b)) {
            reason = QT_TRANSLATE_NOOP("StereonGUI", "The direction vector is zero.");
        } else if (u && v && parallelDirections(*u, *v)) {
            reason = QT_TRANSLATE_NOOP("StereonGUI", "The vectors are parallel.");
        }
    }
    if (why == Refusal::TooLarge)
        reason = QT_TRANSLATE_NOOP("StereonGUI", "The numbers are too large.");
    else if (why != Refusal::Degenerate)
        reason = nullptr;
    return added;
}

void SurfacePage::addSurface() {
    if (!addSurfaceButton->isEnabled())
        return;
    const QString name = surfaceName->text();
    const char* reason = nullptr;
    if (!file(name, reason)) {
        tellFailed(surfaceAlert, QT_TRANSLATE_NOOP("StereonGUI", "Failed to add surface."), reason);
        return;
    }
    surfaceName->clear();
    if (options_[2]->isChecked())
        surfaceD->clear();
    proposeName();
    tellAdded(surfaceAlert, QT_TRANSLATE_NOOP("StereonGUI", "Surface %1 was added."), name);
}
