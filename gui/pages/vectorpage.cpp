// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/vectorpage.h"

#include "geometry/construction.h"
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

VectorPage::VectorPage(SessionModel* session, PickerModel* points, QWidget* parent)
    : Page(session, QT_TRANSLATE_NOOP("StereonGUI", "New Vector"),
           QStringLiteral("background:tomato;color:black;"), parent) {
    setObjectName(QStringLiteral("vectorPage"));
    vectorName = new QLineEdit(this);
    vectorName->setObjectName(QStringLiteral("vectorName"));
    setNameField(vectorName, QLatin1Char('V'), NameFocus::Always);
    vectorAlert = alertLabel(QStringLiteral("vectorAlert"));

    QFormLayout* byCoordinates = nullptr;
    CheckGroup* option1 = optionGroup(0, " 1", byCoordinates, QStringLiteral("vectorOption1"));
    vectorX = numberEdit(QStringLiteral("vectorX"));
    vectorY = numberEdit(QStringLiteral("vectorY"));
    vectorZ = numberEdit(QStringLiteral("vectorZ"));
    byCoordinates->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Coordinates:")));
    byCoordinates->addRow(QStringLiteral("X:"), vectorX);
    byCoordinates->addRow(QStringLiteral("Y:"), vectorY);
    byCoordinates->addRow(QStringLiteral("Z:"), vectorZ);

    QFormLayout* byPoints = nullptr;
    CheckGroup* option2 = optionGroup(1, " 2", byPoints, QStringLiteral("vectorOption2"));
    vectorPoint1 = objectCombo(points, QStringLiteral("vectorPoint1"));
    vectorPoint2 = objectCombo(points, QStringLiteral("vectorPoint2"));
    byPoints->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Point"), " 1:"), vectorPoint1);
    byPoints->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Point"), " 2:"), vectorPoint2);

    addVectorButton = captionButton<QPushButton>(QT_TRANSLATE_NOOP("StereonGUI", "Add Vector"),
                                                 QStringLiteral("addVectorButton"));
    addVectorButton->setEnabled(false);

    auto* form = new QFormLayout(body());
    form->setSpacing(10);
    form->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Name:")), vectorName);
    form->addRow(vectorAlert);
    form->addRow(option1);
    form->addRow(option2);
    form->addRow(addVectorButton);

    connect(vectorName, &QLineEdit::textEdited, this, &VectorPage::enableAddV);
    for (QLineEdit* edit : {vectorX, vectorY, vectorZ})
        connect(edit, &QLineEdit::textChanged, this, &VectorPage::enableAddV);
    for (QComboBox* combo : {vectorPoint1, vectorPoint2})
        connect(combo, &QComboBox::currentIndexChanged, this, &VectorPage::enableAddV);
    connect(addVectorButton, &QPushButton::clicked, this, &VectorPage::addVector);
    connect(vectorName, &QLineEdit::returnPressed, this, [this] { vectorX->setFocus(); });
    connect(vectorX, &QLineEdit::returnPressed, this, [this] { vectorY->setFocus(); });
    connect(vectorY, &QLineEdit::returnPressed, this, [this] { vectorZ->setFocus(); });
    connect(vectorZ, &QLineEdit::returnPressed, this, [this] {
        addVector();
        vectorName->setFocus();
    });
}

QWidget* VectorPage::focusTarget() {
    return vectorName;
}

void VectorPage::enableAddV() {
    const bool byPoints = options_[1]->isChecked();
    QString problem = nameProblem(vectorName);
    if (problem.isEmpty() && byPoints && sameOperand(vectorPoint1, vectorPoint2))
        problem = uiText(QT_TRANSLATE_NOOP("StereonGUI", "Choose 2 different points."));
    const bool clear = showAlert(vectorAlert, problem);
    const bool input = byPoints ? chosen(vectorPoint1) && chosen(vectorPoint2)
                                : numberIn(vectorX) && numberIn(vectorY) && numberIn(vectorZ);
    addVectorButton->setEnabled(clear && input);
}

void VectorPage::addVector() {
    if (!addVectorButton->isEnabled())
        return;
    const QString name = vectorName->text();
    const std::string key = SessionModel::storeName(name);
    const bool byCoordinates = options_[0]->isChecked();
    Refusal why = Refusal::None;
    bool added = false;
    if (byCoordinates) {
        const double x = *numberIn(vectorX);
        const double y = *numberIn(vectorY);
        const double z = *numberIn(vectorZ);
        added = session()->add(
            name, [&](ObjectStore& store) { return createVector(store, x, y, z, key, &why); });
    } else {
        const std::string from = operand(vectorPoint1);
        const std::string to = operand(vectorPoint2);
        added = session()->add(name, [&](ObjectStore& store) {
            return createVectorFromPoints(store, from, to, key, &why);
        });
    }
    if (!added) {
        tellFailed(vectorAlert, QT_TRANSLATE_NOOP("StereonGUI", "Failed to add vector."),
                   why == Refusal::TooLarge
                       ? QT_TRANSLATE_NOOP("StereonGUI", "The numbers are too large.")
                       : nullptr);
        return;
    }
    vectorName->clear();
    if (byCoordinates) {
        for (QLineEdit* edit : {vectorX, vectorY, vectorZ})
            edit->clear();
    }
    proposeName();
    tellAdded(vectorAlert, QT_TRANSLATE_NOOP("StereonGUI", "Vector %1 was added."), name);
}
