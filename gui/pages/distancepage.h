// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/pages/measurepage.h"

// Compute Distance: between points, lines and planes.
class DistancePage : public MeasurePage {
    Q_OBJECT
public:
    DistancePage(SessionModel* session, PickerModel* objects, QWidget* parent = nullptr);

public slots:
    void enableAddD() { enableCompute(); }
    void compDistance() { compute(); }

protected:
    std::optional<double> measure(const std::string& first, const std::string& second,
                                  Refusal* why) const override;
    QString unit() const override { return QString(); }
};
