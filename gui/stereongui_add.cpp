// The add commands of the point, vector, line and surface pages.
#include "gui/stereongui.h"

#include "geometry/construction.h"
#include "geometry/numeric.h"
#include "geometry/point.h"
#include "geometry/truedistance.h"
#include "view3d/glwidget.h"
#include "widgets/checkgroup.h"
#include "widgets/gridpicker.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace {

std::string bytes(const QString& text) {
    return text.toUtf8().toStdString();
}

std::string operand(const QComboBox* combo) {
    return bytes(combo->currentText());
}

const vector4D* coordinatesOf(const ObjectStore& store, const QComboBox* combo) {
    const SpaceObject* object = store.find(operand(combo));
    return object && (object->type() == Kind::Point || object->type() == Kind::Vector)
               ? &static_cast<const Point*>(object)->coordinates
               : nullptr;
}

bool isZero(const vector4D& v) {
    return nearlyEqual(v.x(), 0.0) && nearlyEqual(v.y(), 0.0) && nearlyEqual(v.z(), 0.0);
}

// An operand found in the store that has no direction.
bool isZero(const vector4D* v) {
    return v && isZero(*v);
}

bool samePoint(const vector4D* a, const vector4D* b) {
    return a && b && isZero(*a - *b);
}

} // namespace

void StereonGUI::objectAdded(QLabel* alert, const char* sentence, const QString& name) {
    rememberedName.clear();
    rebuildList();
    setRandName();
    if (glWidget && !glWidget->parent())
        repaintDrawer();
    alert->setText(objectLink(name, tr(sentence).arg(name)));
    alert->show();
    modified = true;
}

void StereonGUI::addFailed(QLabel* alert, const char* message, const char* reason) {
    QString text = tr(message);
    if (reason)
        text += QLatin1Char('\n') + tr(reason);
    alert->setText(text);
    alert->show();
}

void StereonGUI::addPoint() {
    // Return reaches here with incomplete input too.
    if (!addPointButton->isEnabled())
        return;
    const QString name = pointName->text();
    if (!createPoint(*objectStore, pointX->text().toDouble(), pointY->text().toDouble(),
                     pointZ->text().toDouble(), bytes(name))) {
        addFailed(pointAlert, QT_TR_NOOP("Failed to add point."), nullptr);
        return;
    }
    for (QLineEdit* edit : {pointName, pointX, pointY, pointZ})
        edit->clear();
    gridPicker->reset(false);
    objectAdded(pointAlert, QT_TR_NOOP("Point %1 was added."), name);
}

void StereonGUI::addVector() {
    if (!addVectorButton->isEnabled())
        return;
    const QString name = vectorName->text();
    const bool byCoordinates = vectorOptions[0]->isChecked();
    Refusal why = Refusal::None;
    const bool added =
        byCoordinates
            ? createVector(*objectStore, vectorX->text().toDouble(), vectorY->text().toDouble(),
                           vectorZ->text().toDouble(), bytes(name), &why)
            : createVectorFromPoints(*objectStore, operand(vectorPoint1), operand(vectorPoint2),
                                     bytes(name), &why);
    if (!added) {
        addFailed(vectorAlert, QT_TR_NOOP("Failed to add vector."),
                  why == Refusal::TooLarge ? QT_TR_NOOP("The numbers are too large.") : nullptr);
        return;
    }
    vectorName->clear();
    if (byCoordinates) {
        for (QLineEdit* edit : {vectorX, vectorY, vectorZ})
            edit->clear();
    }
    objectAdded(vectorAlert, QT_TR_NOOP("Vector %1 was added."), name);
}

void StereonGUI::addLine() {
    if (!addLineButton->isEnabled())
        return;
    const QString name = lineName->text();
    const bool byPoints = lineOptions[0]->isChecked();
    const QComboBox* first = byPoints ? linePoint1 : linePoint;
    const QComboBox* second = byPoints ? linePoint2 : lineVector;
    Refusal why = Refusal::None;
    if (!createLine(*objectStore, operand(first), operand(second), bytes(name), &why)) {
        const char* reason = nullptr;
        const vector4D* a = coordinatesOf(*objectStore, first);
        const vector4D* b = coordinatesOf(*objectStore, second);
        if (why == Refusal::Degenerate && byPoints && samePoint(a, b))
            reason = QT_TR_NOOP("The two points are the same.");
        else if (why == Refusal::Degenerate && !byPoints && isZero(b))
            reason = QT_TR_NOOP("The direction vector is zero.");
        else if (why == Refusal::TooLarge)
            reason = QT_TR_NOOP("The numbers are too large.");
        addFailed(lineAlert, QT_TR_NOOP("Failed to add line."), reason);
        return;
    }
    lineName->clear();
    objectAdded(lineAlert, QT_TR_NOOP("Line %1 was added."), name);
}

void StereonGUI::addSurface() {
    if (!addSurfaceButton->isEnabled())
        return;
    const QString name = surfaceName->text();
    const ObjectStore& store = *objectStore;
    Refusal why = Refusal::None;
    bool added = false;
    // Why a degenerate input gives no plane, told from the operands.
    const char* reason = nullptr;
    if (surfaceOptions[2]->isChecked()) {
        added = createSurfaceFromEquation(*objectStore, operand(surfaceNormal),
                                          surfaceD->text().toDouble(), bytes(name), &why);
        if (isZero(coordinatesOf(store, surfaceNormal)))
            reason = QT_TR_NOOP("The normal vector is zero.");
    } else if (surfaceOptions[3]->isChecked()) {
        added = createSurfaceFromPointAndNormal(*objectStore, operand(surfaceNormalOfPoint),
                                                operand(surfaceNormalPoint), bytes(name), &why);
        if (isZero(coordinatesOf(store, surfaceNormalOfPoint)))
            reason = QT_TR_NOOP("The normal vector is zero.");
    } else if (surfaceOptions[0]->isChecked()) {
        added = createSurfaceFromThree(*objectStore, operand(surfacePoint1), operand(surfacePoint2),
                                       operand(surfacePoint3), bytes(name), &why);
        const vector4D* a = coordinatesOf(store, surfacePoint1);
        const vector4D* b = coordinatesOf(store, surfacePoint2);
        const vector4D* c = coordinatesOf(store, surfacePoint3);
        if (a && b && c && parallelDirections(*b - *a, *c - *a))
            reason = QT_TR_NOOP("The points lie on one line.");
    } else {
        added =
            createSurfaceFromThree(*objectStore, operand(surfaceVector1), operand(surfaceVector2),
                                   operand(surfaceVectorsPoint), bytes(name), &why);
        const vector4D* u = coordinatesOf(store, surfaceVector1);
        const vector4D* v = coordinatesOf(store, surfaceVector2);
        if (isZero(u) || isZero(v))
            reason = QT_TR_NOOP("The direction vector is zero.");
        else if (u && v && parallelDirections(*u, *v))
            reason = QT_TR_NOOP("The vectors are parallel.");
    }
    if (!added) {
        if (why == Refusal::TooLarge)
            reason = QT_TR_NOOP("The numbers are too large.");
        else if (why != Refusal::Degenerate)
            reason = nullptr;
        addFailed(surfaceAlert, QT_TR_NOOP("Failed to add surface."), reason);
        return;
    }
    surfaceName->clear();
    if (surfaceOptions[2]->isChecked())
        surfaceD->clear();
    objectAdded(surfaceAlert, QT_TR_NOOP("Surface %1 was added."), name);
}
