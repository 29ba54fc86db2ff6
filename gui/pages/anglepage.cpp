// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/anglepage.h"

#include "geometry/measure.h"
#include "gui/sessionmodel.h"

AnglePage::AnglePage(SessionModel* session, PickerModel* objects, QWidget* parent)
    : MeasurePage(session, objects, QT_TRANSLATE_NOOP("StereonGUI", "Compute Angle"),
                  QT_TRANSLATE_NOOP("StereonGUI", "Compute Angle"), QStringLiteral("angle"),
                  parent) {
    setObjectName(QStringLiteral("anglePage"));
}

std::optional<double> AnglePage::measure(const std::string& first, const std::string& second,
                                         Refusal* why) const {
    return angleBetween(session()->store(), first, second, why);
}
