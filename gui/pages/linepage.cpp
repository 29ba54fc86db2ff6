// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/linepage.h"

#include "geometry/construction.h"
#include "geometry/vector4d.h"
#include "gui/pages/operands.h"
#include "gui/pickermodel.h"
#include "gui/sessionmodel.h"
#include "widgets/checkgroup.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LinePage::LinePage(SessionModel* session, PickerModel* points, PickerModel* vectors,
                   QWidget* parent)
    : Page(session, QT_TRANSLATE_NOOP("StereonGUI", "New Line"),
           QStringLiteral("background:deepskyblue;color:black;"), parent) {
    setObjectName(QStringLiteral("linePage"));
    lineName = new QLineEdit(this);
    lineName->setObjectName(QStringLiteral("lineName"));
    setNameField(lineName, QLatin1Char('L'), NameFocus::Never);
    lineAlert = alertLabel(QStringLiteral("lineAlert"));

    QFormLayout* byPoints = nullptr;
    CheckGroup* option1 = optionGroup(0, " 1", byPoints, QStringLiteral("lineOption1"));
    linePoint1 = objectCombo(points, QStringLiteral("linePoint1"));
    linePoint2 = objectCombo(points, QStringLiteral("linePoint2"));
    byPoints->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Point"), " 1:"), linePoint1);
    byPoints->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Point"), " 2:"), linePoint2);

    QFormLayout* byVector = nullptr;
    CheckGroup* option2 = optionGroup(1, " 2", byVector, QStringLiteral("lineOption2"));
    linePoint = objectCombo(points, QStringLiteral("linePoint"));
    lineVector = objectCombo(vectors, QStringLiteral("lineVector"));
    byVector->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Point"), ":"), linePoint);
    byVector->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Vector"), ":"), lineVector);

    addLineButton = captionButton<QPushButton>(QT_TRANSLATE_NOOP("StereonGUI", "Add Line"),
                                               QStringLiteral("addLineButton"));
    addLineButton->setEnabled(false);

    auto* form = new QFormLayout(body());
    form->setSpacing(10);
    form->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Name:")), lineName);
    form->addRow(lineAlert);
    form->addRow(option1);
    form->addRow(option2);
    form->addRow(addLineButton);

    connect(lineName, &QLineEdit::textEdited, this, &LinePage::enableAddL);
    for (QComboBox* combo : {linePoint1, linePoint2, linePoint, lineVector})
        connect(combo, &QComboBox::currentIndexChanged, this, &LinePage::enableAddL);
    connect(addLineButton, &QPushButton::clicked, this, &LinePage::addLine);
    connect(lineName, &QLineEdit::returnPressed, this, &LinePage::addLine);
}

void LinePage::enableAddL() {
    const bool byPoints = options_[0]->isChecked();
    QString problem = nameProblem(lineName);
    if (problem.isEmpty() && byPoints && sameOperand(linePoint1, linePoint2))
        problem = uiText(QT_TRANSLATE_NOOP("StereonGUI", "Choose 2 different points."));
    const bool clear = showAlert(lineAlert, problem);
    const bool input = byPoints ? chosen(linePoint1) && chosen(linePoint2)
                                : chosen(linePoint) && chosen(lineVector);
    addLineButton->setEnabled(clear && input);
}

void LinePage::addLine() {
    if (!addLineButton->isEnabled())
        return;
    const QString name = lineName->text();
    const bool byPoints = options_[0]->isChecked();
    const std::string first = operand(byPoints ? linePoint1 : linePoint);
    const std::string second = operand(byPoints ? linePoint2 : lineVector);
    Refusal why = Refusal::None;
    const bool added = session()->add(name, [&](ObjectStore& store) {
        return createLine(store, first, second, SessionModel::storeName(name), &why);
    });
    if (!added) {
        const char* reason = nullptr;
        const vector4D* a = coordinatesOf(session()->store(), first);
        const vector4D* b = coordinatesOf(session()->store(), second);
        if (why == Refusal::Degenerate && byPoints && a && b && isZeroVector(*a - *b))
            reason = QT_TRANSLATE_NOOP("StereonGUI", "The two points are the same.");
        else if (why == Refusal::Degenerate && !byPoints && b && isZeroVector(*b))
            reason = QT_TRANSLATE_NOOP("StereonGUI", "The direction vector is zero.");
        else if (why == Refusal::TooLarge)
            reason = QT_TRANSLATE_NOOP("StereonGUI", "The numbers are too large.");
        tellFailed(lineAlert, QT_TRANSLATE_NOOP("StereonGUI", "Failed to add line."), reason);
        return;
    }
    lineName->clear();
    proposeName();
    tellAdded(lineAlert, QT_TRANSLATE_NOOP("StereonGUI", "Line %1 was added."), name);
}
