// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/pages/measurepage.h"

// Compute Angle: between vectors, lines and planes.
class AnglePage : public MeasurePage {
    Q_OBJECT
public:
    AnglePage(SessionModel* session, PickerModel* objects, QWidget* parent = nullptr);

public slots:
    void enableAddA() { enableCompute(); }
    void compAngle() { compute(); }

protected:
    std::optional<double> measure(const std::string& first, const std::string& second,
                                  Refusal* why) const override;
    QString unit() const override { return QStringLiteral("\u00b0"); }
};
