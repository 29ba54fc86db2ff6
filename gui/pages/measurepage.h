// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/usability.h"
#include "gui/pages/page.h"

#include <optional>
#include <string>
#include <utility>

class PickerModel;
class QComboBox;
class QLabel;
class QPushButton;

// A page that measures two objects (angle, distance). The result shown is always the one of
// the two objects in the pickers: it goes when a picker changes, and is worked out again
// when the session changes.
class MeasurePage : public Page {
    Q_OBJECT
public:
    // `prefix` names the widgets: prefix + "Alert", "Object1", "Object2", "Result".
    MeasurePage(SessionModel* session, PickerModel* objects, const char* title, const char* command,
                const QString& prefix, QWidget* parent = nullptr);

    QWidget* focusTarget() override { return this; }

protected:
    virtual std::optional<double> measure(const std::string& first, const std::string& second,
                                          Refusal* why) const = 0;
    // The unit after the number ("°" or nothing).
    virtual QString unit() const = 0;

    // The enable rule and the command.
    void enableCompute();
    void compute();

    void retranslate() override;

private:
    void showResult();

    QLabel* alert_;
    QComboBox* object1_;
    QComboBox* object2_;
    QLabel* result_;
    QPushButton* computeButton_;
    // The operands of the result on show.
    std::pair<std::string, std::string> shownFor_;
};
