// The compute commands of the intersection, angle and distance pages.
#include "gui/stereongui.h"

#include "geometry/construction.h"
#include "geometry/intersection.h"
#include "geometry/measure.h"
#include "geometry/usability.h"
#include "widgets/objectitem.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

std::string storeName(const QString& name) {
    return name.toUtf8().toStdString();
}

// The title of a relation result, by the kinds of its two operands; empty for other pairs.
QString relationTitle(const ObjectSummary& first, const ObjectSummary& second, bool holds) {
    const QString a = QString::fromStdString(first.name);
    const QString b = QString::fromStdString(second.name);
    if (first.kind == Kind::Point && second.kind == Kind::Point)
        return (holds ? StereonGUI::tr("Points %1 and %2 are equal")
                      : StereonGUI::tr("Points %1 and %2 ARE NOT equal"))
            .arg(a, b);
    // The point's name comes first, whichever operand it was.
    const bool pointFirst = first.kind == Kind::Point;
    if (!pointFirst && second.kind != Kind::Point)
        return QString();
    const Kind otherKind = pointFirst ? second.kind : first.kind;
    const QString point = pointFirst ? a : b;
    const QString other = pointFirst ? b : a;
    if (otherKind == Kind::Line)
        return (holds ? StereonGUI::tr("Point %1 lays on line %2")
                      : StereonGUI::tr("Point %1 DOES NOT lay on line %2"))
            .arg(point, other);
    if (otherKind == Kind::Plane)
        return (holds ? StereonGUI::tr("Point %1 lays on surface %2")
                      : StereonGUI::tr("Point %1 DOES NOT lay on surface %2"))
            .arg(point, other);
    return QString();
}

} // namespace

QString StereonGUI::objectNameFromEntry(const QString& entry) {
    for (const char* kind :
         {QT_TR_NOOP("Point"), QT_TR_NOOP("Vector"), QT_TR_NOOP("Line"), QT_TR_NOOP("Surface")}) {
        const QString word = tr(kind);
        if (entry.startsWith(word))
            return entry.mid(word.size() + 1);
    }
    return entry;
}

void StereonGUI::compIntersect() {
    Refusal why = Refusal::None;
    const IntersectionResult result =
        intersect(*objectStore, storeName(objectNameFromEntry(intersectObject1->currentText())),
                  storeName(objectNameFromEntry(intersectObject2->currentText())), &why);
    intersectResult = result.head;
    switch (result.outcome) {
    case IntersectionResult::Outcome::Error:
        intersectItem->setItem(QStringLiteral("ERROR"), -1);
        intersectItem->setTitle(tr("Error 0xc58d3"));
        // The operands are fine, only their numbers are not: say so above the pickers.
        if (why == Refusal::TooLarge)
            showAlert(intersectAlert, tr("The numbers are too large."));
        break;
    case IntersectionResult::Outcome::Empty:
        intersectItem->setItem(QStringLiteral("EMPTY"), -1);
        intersectItem->setTitle(tr("The intersection DOES NOT exist"));
        break;
    case IntersectionResult::Outcome::Relation: {
        const bool holds = result.holds;
        intersectItem->setItem(holds ? QStringLiteral("BELONG") : QStringLiteral("!BELONG"),
                               holds ? 4 : -1);
        if (result.rows.size() >= 2) {
            const QString title = relationTitle(result.rows[0], result.rows[1], holds);
            if (!title.isEmpty())
                intersectItem->setTitle(title);
        }
        break;
    }
    case IntersectionResult::Outcome::Object:
        showIntersection(result);
        break;
    }
    intersectItem->show();
}

// A new object: the page turns to its result state, offering to add it under a fresh name.
void StereonGUI::showIntersection(const IntersectionResult& result) {
    intersectItem->setItem(intersectName->text(), fileCode(result.head.kind));
    fillObjectInfo(intersectItem, result.rows);
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectObject1Label), static_cast<QWidget*>(intersectObject1),
          static_cast<QWidget*>(intersectObject2Label), static_cast<QWidget*>(intersectObject2),
          static_cast<QWidget*>(computeIntersectButton)})
        widget->hide();
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectNameLabel), static_cast<QWidget*>(intersectName),
          static_cast<QWidget*>(addIntersectButton), static_cast<QWidget*>(resetIntersectButton)})
        widget->show();
    setIntersectTitle(intersectName->text());
    switch (result.head.kind) {
    case Kind::Point:
        addIntersectButton->setText(tr("Add Point"));
        setRandName(QLatin1Char('P'));
        break;
    case Kind::Line:
        addIntersectButton->setText(tr("Add Line"));
        setRandName(QLatin1Char('L'));
        break;
    default:
        addIntersectButton->setText(tr("Add Surface"));
        setRandName(QLatin1Char('S'));
        break;
    }
}

void StereonGUI::addIntersect() {
    if (!addIntersectButton->isEnabled())
        return;
    const QString name = intersectName->text();
    const Kind kind = intersectResult.kind;
    Refusal why = Refusal::None;
    const bool added = createIntersection(
        *objectStore, storeName(objectNameFromEntry(intersectObject1->currentText())),
        storeName(objectNameFromEntry(intersectObject2->currentText())), storeName(name), &why);
    if (added) {
        rememberedName.clear();
        intersectName->clear();
        rebuildList();
        resetIntersect();
        if (glWidget && !isEmbedded3D())
            repaintDrawer();
        const char* sentence = kind == Kind::Point  ? QT_TR_NOOP("Point %1 was added.")
                               : kind == Kind::Line ? QT_TR_NOOP("Line %1 was added.")
                                                    : QT_TR_NOOP("Surface %1 was added.");
        intersectAlert->setText(objectLink(name, tr(sentence).arg(name)));
        modified = true;
        intersectAlert->show();
        return;
    }
    addFailed(intersectAlert,
              kind == Kind::Point  ? QT_TR_NOOP("Failed to add point.")
              : kind == Kind::Line ? QT_TR_NOOP("Failed to add line.")
                                   : QT_TR_NOOP("Failed to add surface."),
              why == Refusal::TooLarge ? QT_TR_NOOP("The numbers are too large.") : nullptr);
}

void StereonGUI::compAngle() {
    Refusal why = Refusal::None;
    const std::optional<double> angle =
        angleBetween(*objectStore, storeName(objectNameFromEntry(angleObject1->currentText())),
                     storeName(objectNameFromEntry(angleObject2->currentText())), &why);
    angleResult->setText(!angle
                             ? tr("Error 0xc58d3")
                             : tr("Result") + QStringLiteral(" = %1\u00b0").arg(*angle, 0, 'g', 6));
    angleResult->show();
    if (why == Refusal::TooLarge)
        showAlert(angleAlert, tr("The numbers are too large."));
}

void StereonGUI::compDistance() {
    const std::string first = storeName(objectNameFromEntry(distanceObject1->currentText()));
    const std::string second = storeName(objectNameFromEntry(distanceObject2->currentText()));
    Refusal why = Refusal::None;
    const std::optional<double> distance = distanceBetween(*objectStore, first, second, &why);
    distanceResult->setText(!distance
                                ? tr("Error 0xc58d3")
                                : tr("Result") + QStringLiteral(" = %1").arg(*distance, 0, 'g', 6));
    distanceResult->show();
    if (why == Refusal::TooLarge)
        showAlert(distanceAlert, tr("The numbers are too large."));
}
