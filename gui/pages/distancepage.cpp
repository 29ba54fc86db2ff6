// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/distancepage.h"

#include "geometry/measure.h"
#include "gui/sessionmodel.h"

DistancePage::DistancePage(SessionModel* session, PickerModel* objects, QWidget* parent)
    : MeasurePage(session, objects, QT_TRANSLATE_NOOP("StereonGUI", "Compute Distance"),
                  QT_TRANSLATE_NOOP("StereonGUI", "Compute Distance"), QStringLiteral("distance"),
                  parent) {
    setObjectName(QStringLiteral("distancePage"));
}

std::optional<double> DistancePage::measure(const std::string& first, const std::string& second,
                                            Refusal* why) const {
    return distanceBetween(session()->store(), first, second, why);
}
