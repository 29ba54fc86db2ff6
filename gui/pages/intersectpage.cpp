// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/intersectpage.h"

#include "geometry/construction.h"
#include "gui/objecttexts.h"
#include "gui/pages/operands.h"
#include "gui/pickermodel.h"
#include "gui/sessionmodel.h"
#include "widgets/kindcolour.h"
#include "widgets/objectitem.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The title of a relation result, by the kinds of its two operands; empty for other pairs.
QString relationTitle(const ObjectSummary& first, const ObjectSummary& second, bool holds) {
    const QString a = QString::fromStdString(first.name);
    const QString b = QString::fromStdString(second.name);
    if (first.kind == Kind::Point && second.kind == Kind::Point)
        return (holds ? uiText(QT_TRANSLATE_NOOP("StereonGUI", "Points %1 and %2 are equal"))
                      : uiText(QT_TRANSLATE_NOOP("StereonGUI", "Points %1 and %2 ARE NOT equal")))
            .arg(a, b);
    // The point's name comes first, whichever operand it was.
    const bool pointFirst = first.kind == Kind::Point;
    if (!pointFirst && second.kind != Kind::Point)
        return QString();
    const Kind otherKind = pointFirst ? second.kind : first.kind;
    const QString point = pointFirst ? a : b;
    const QString other = pointFirst ? b : a;
    if (otherKind == Kind::Line)
        return (holds ? uiText(QT_TRANSLATE_NOOP("StereonGUI", "Point %1 lays on line %2"))
                      : uiText(QT_TRANSLATE_NOOP("StereonGUI", "Point %1 DOES NOT lay on line %2")))
            .arg(point, other);
    if (otherKind == Kind::Plane)
        return (holds ? uiText(QT_TRANSLATE_NOOP("StereonGUI", "Point %1 lays on surface %2"))
                      : uiText(
                            QT_TRANSLATE_NOOP("StereonGUI", "Point %1 DOES NOT lay on surface %2")))
            .arg(point, other);
    return QString();
}

// Texts by the kind of the object an intersection gives.
struct ResultTexts {
    QChar letter;
    const char* add;
    const char* added;
    const char* failed;
};

ResultTexts resultTexts(Kind kind) {
    switch (kind) {
    case Kind::Point:
        return {QLatin1Char('P'), QT_TRANSLATE_NOOP("StereonGUI", "Add Point"),
                QT_TRANSLATE_NOOP("StereonGUI", "Point %1 was added."),
                QT_TRANSLATE_NOOP("StereonGUI", "Failed to add point.")};
    case Kind::Line:
        return {QLatin1Char('L'), QT_TRANSLATE_NOOP("StereonGUI", "Add Line"),
                QT_TRANSLATE_NOOP("StereonGUI", "Line %1 was added."),
                QT_TRANSLATE_NOOP("StereonGUI", "Failed to add line.")};
    default:
        return {QLatin1Char('S'), QT_TRANSLATE_NOOP("StereonGUI", "Add Surface"),
                QT_TRANSLATE_NOOP("StereonGUI", "Surface %1 was added."),
                QT_TRANSLATE_NOOP("StereonGUI", "Failed to add surface.")};
    }
}

} // namespace

IntersectPage::IntersectPage(SessionModel* session, PickerModel* objects, QWidget* parent)
    : Page(session, QT_TRANSLATE_NOOP("StereonGUI", "Compute Intersection"), QString(), parent) {
    setObjectName(QStringLiteral("intersectPage"));
    intersectAlert = alertLabel(QStringLiteral("intersectAlert"));
    intersectObject1 = objectCombo(objects, QStringLiteral("intersectObject1"));
    intersectObject2 = objectCombo(objects, QStringLiteral("intersectObject2"));
    intersectObject1Label = captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Object"), " 1:");
    intersectObject2Label = captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Object"), " 2:");
    computeIntersectButton =
        captionButton<QPushButton>(QT_TRANSLATE_NOOP("StereonGUI", "Compute Intersection"),
                                   QStringLiteral("computeIntersectButton"));
    computeIntersectButton->setEnabled(false);
    intersectNameLabel = captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Name:"));
    intersectName = new QLineEdit(this);
    intersectName->setObjectName(QStringLiteral("intersectName"));
    intersectItem = new ObjectItem(QString(), QString(), entryKind::noResult, this);
    intersectItem->setObjectName(QStringLiteral("intersectResult"));
    // Its text comes with the first result.
    addIntersectButton = new QPushButton(this);
    addIntersectButton->setObjectName(QStringLiteral("addIntersectButton"));
    resetIntersectButton = captionButton<QPushButton>(QT_TRANSLATE_NOOP("StereonGUI", "Reset"),
                                                      QStringLiteral("resetIntersectButton"));

    auto* form = new QFormLayout(body());
    form->addRow(intersectAlert);
    form->addRow(intersectObject1Label, intersectObject1);
    form->addRow(intersectObject2Label, intersectObject2);
    form->addRow(computeIntersectButton);
    form->addRow(intersectNameLabel, intersectName);
    form->addRow(intersectItem);
    form->addRow(addIntersectButton);
    form->addRow(resetIntersectButton);
    resetIntersect();

    for (QComboBox* combo : {intersectObject1, intersectObject2})
        connect(combo, &QComboBox::currentIndexChanged, this, &IntersectPage::enableAddI);
    connect(computeIntersectButton, &QPushButton::clicked, this, &IntersectPage::compIntersect);
    connect(addIntersectButton, &QPushButton::clicked, this, &IntersectPage::addIntersect);
    connect(resetIntersectButton, &QPushButton::clicked, this, &IntersectPage::resetIntersect);
    connect(intersectName, &QLineEdit::textChanged, this, &IntersectPage::setIntersectTitle);
    connect(intersectName, &QLineEdit::textChanged, this, &IntersectPage::enableAddI);
    connect(intersectName, &QLineEdit::returnPressed, this, &IntersectPage::addIntersect);
    connect(intersectItem, &ObjectItem::itemVisibilityChanged, session,
            [session](bool visible, const QString& name) { session->setVisible(name, visible); });
    connect(session, &SessionModel::changed, this, &IntersectPage::refresh);
}

bool IntersectPage::offering() const {
    return !intersectName->isHidden();
}

void IntersectPage::enableAddI() {
    if (!offering()) {
        // A result belongs to the operands it was computed for; a picker's index also moves
        // when objects come before its choice, which leaves the operands as they were.
        if (operand(intersectObject1) != first_ || operand(intersectObject2) != second_)
            intersectItem->hide();
        const bool different = !sameOperand(intersectObject1, intersectObject2);
        showAlert(intersectAlert,
                  different
                      ? QString()
                      : uiText(QT_TRANSLATE_NOOP("StereonGUI", "Choose 2 different objects.")));
        computeIntersectButton->setEnabled(different);
        return;
    }
    addIntersectButton->setEnabled(showAlert(intersectAlert, nameProblem(intersectName)));
}

void IntersectPage::compIntersect() {
    if (!computeIntersectButton->isEnabled())
        return;
    first_ = operand(intersectObject1);
    second_ = operand(intersectObject2);
    Refusal why = Refusal::None;
    result_ = intersect(session()->store(), first_, second_, &why);
    showResult();
    // The operands are fine, only their numbers are not: say so above the pickers.
    if (why == Refusal::TooLarge)
        showAlert(intersectAlert,
                  uiText(QT_TRANSLATE_NOOP("StereonGUI", "The numbers are too large.")));
}

void IntersectPage::showResult() {
    switch (result_.outcome) {
    case IntersectionResult::Outcome::Error:
        intersectItem->setItem(QStringLiteral("ERROR"), entryKind::noResult);
        intersectItem->setTitle(uiText(QT_TRANSLATE_NOOP("StereonGUI", "Error 0xc58d3")));
        break;
    case IntersectionResult::Outcome::Empty:
        intersectItem->setItem(QStringLiteral("EMPTY"), entryKind::noResult);
        intersectItem->setTitle(
            uiText(QT_TRANSLATE_NOOP("StereonGUI", "The intersection DOES NOT exist")));
        break;
    case IntersectionResult::Outcome::Relation:
        intersectItem->setItem(result_.holds ? QStringLiteral("BELONG") : QStringLiteral("!BELONG"),
                               result_.holds ? entryKind::relationHolds : entryKind::noResult);
        if (result_.rows.size() >= 2) {
            const QString title = relationTitle(result_.rows[0], result_.rows[1], result_.holds);
            if (!title.isEmpty())
                intersectItem->setTitle(title);
        }
        break;
    case IntersectionResult::Outcome::Object:
        showObjectResult();
        break;
    }
    intersectItem->show();
}

// A new object: the page turns to offering it under a fresh name.
void IntersectPage::showObjectResult() {
    intersectItem->setItem(intersectName->text(), fileCode(result_.head.kind));
    for (const InfoLine& line : describeEntry(session()->store(), result_.rows).lines) {
        if (line.itemName.isEmpty())
            intersectItem->addInfo(line.text);
        else
            intersectItem->addParentItem(line.text, line.itemName, line.checked);
    }
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectObject1Label), static_cast<QWidget*>(intersectObject1),
          static_cast<QWidget*>(intersectObject2Label), static_cast<QWidget*>(intersectObject2),
          static_cast<QWidget*>(computeIntersectButton)})
        widget->hide();
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectNameLabel), static_cast<QWidget*>(intersectName),
          static_cast<QWidget*>(addIntersectButton), static_cast<QWidget*>(resetIntersectButton)})
        widget->show();
    const ResultTexts texts = resultTexts(result_.head.kind);
    addIntersectButton->setText(uiText(texts.add));
    if (intersectName->text().isEmpty()) {
        intersectName->setText(freshName(texts.letter));
        intersectName->setFocus(Qt::OtherFocusReason);
    }
    setIntersectTitle(intersectName->text());
    enableAddI();
}

void IntersectPage::setIntersectTitle(const QString& name) {
    if (!offering())
        return;
    const ObjectSummary& r = result_.head;
    QString title = kindWord(r.kind) + QLatin1Char(' ');
    title += r.kind == Kind::Point ? pointText(name, r.x, r.y, r.z) : name;
    intersectItem->setTitle(title);
}

void IntersectPage::addIntersect() {
    if (!offering() || !addIntersectButton->isEnabled())
        return;
    const QString name = intersectName->text();
    const ResultTexts texts = resultTexts(result_.head.kind);
    Refusal why = Refusal::None;
    const bool added = session()->add(name, [&](ObjectStore& store) {
        return createIntersection(store, first_, second_, SessionModel::storeName(name), &why);
    });
    if (!added) {
        tellFailed(intersectAlert, texts.failed,
                   why == Refusal::TooLarge
                       ? QT_TRANSLATE_NOOP("StereonGUI", "The numbers are too large.")
                       : nullptr);
        return;
    }
    resetIntersect();
    tellAdded(intersectAlert, texts.added, name);
}

void IntersectPage::resetIntersect() {
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectObject1Label), static_cast<QWidget*>(intersectObject1),
          static_cast<QWidget*>(intersectObject2Label), static_cast<QWidget*>(intersectObject2),
          static_cast<QWidget*>(computeIntersectButton)})
        widget->show();
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectNameLabel), static_cast<QWidget*>(intersectName),
          static_cast<QWidget*>(intersectItem), static_cast<QWidget*>(addIntersectButton),
          static_cast<QWidget*>(resetIntersectButton)})
        widget->hide();
    const QSignalBlocker quiet(intersectName);
    intersectName->clear();
    enableAddI();
}

void IntersectPage::refresh() {
    if (intersectItem->isHidden())
        return;
    const IntersectionResult fresh = intersect(session()->store(), first_, second_);
    if (offering() && (fresh.outcome != IntersectionResult::Outcome::Object ||
                       fresh.head.kind != result_.head.kind)) {
        // What was offered is no longer what these objects give.
        resetIntersect();
        return;
    }
    result_ = fresh;
    showResult();
}

void IntersectPage::retranslate() {
    if (!intersectItem->isHidden())
        showResult();
}
