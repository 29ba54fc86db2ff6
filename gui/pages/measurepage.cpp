// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/measurepage.h"

#include "gui/pages/operands.h"
#include "gui/pickermodel.h"
#include "gui/sessionmodel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

MeasurePage::MeasurePage(SessionModel* session, PickerModel* objects, const char* title,
                         const char* command, const QString& prefix, QWidget* parent)
    : Page(session, title, QString(), parent) {
    alert_ = alertLabel(prefix + QStringLiteral("Alert"));
    object1_ = objectCombo(objects, prefix + QStringLiteral("Object1"));
    object2_ = objectCombo(objects, prefix + QStringLiteral("Object2"));
    result_ = new QLabel(this);
    result_->setObjectName(prefix + QStringLiteral("Result"));
    result_->hide();
    computeButton_ = captionButton<QPushButton>(
        command, QStringLiteral("compute%1Button").arg(prefix.left(1).toUpper() + prefix.mid(1)));
    computeButton_->setEnabled(false);

    auto* form = new QFormLayout(body());
    form->addRow(alert_);
    form->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Object"), " 1:"), object1_);
    form->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Object"), " 2:"), object2_);
    form->addRow(result_);
    form->addRow(computeButton_);

    for (QComboBox* combo : {object1_, object2_})
        connect(combo, &QComboBox::currentIndexChanged, this, &MeasurePage::enableCompute);
    connect(computeButton_, &QPushButton::clicked, this, &MeasurePage::compute);
    connect(session, &SessionModel::changed, this, [this] {
        if (!result_->isHidden())
            showResult();
    });
}

void MeasurePage::enableCompute() {
    // A result belongs to the operands it was computed for. A picker's index also moves when
    // objects come before its choice; that leaves the operands as they were.
    if (operand(object1_) != shownFor_.first || operand(object2_) != shownFor_.second)
        result_->hide();
    const bool different = !sameOperand(object1_, object2_);
    showAlert(alert_, different
                          ? QString()
                          : uiText(QT_TRANSLATE_NOOP("StereonGUI", "Choose 2 different objects.")));
    computeButton_->setEnabled(different);
}

void MeasurePage::compute() {
    if (!computeButton_->isEnabled())
        return;
    showResult();
}

void MeasurePage::showResult() {
    Refusal why = Refusal::None;
    shownFor_ = {operand(object1_), operand(object2_)};
    const std::optional<double> value = measure(shownFor_.first, shownFor_.second, &why);
    result_->setText(value ? uiText(QT_TRANSLATE_NOOP("StereonGUI", "Result")) +
                                 QStringLiteral(" = %1").arg(*value, 0, 'g', 6) + unit()
                           : uiText(QT_TRANSLATE_NOOP("StereonGUI", "Error 0xc58d3")));
    result_->show();
    if (why == Refusal::TooLarge)
        showAlert(alert_, uiText(QT_TRANSLATE_NOOP("StereonGUI", "The numbers are too large.")));
}

void MeasurePage::retranslate() {
    if (!result_->isHidden())
        showResult();
}
