// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/objecttexts.h"

#include "geometry/description.h"
#include "geometry/line.h"
#include "geometry/surface.h"

namespace {

const char* const kindWords[] = {
    QT_TRANSLATE_NOOP("StereonGUI", "Point"), QT_TRANSLATE_NOOP("StereonGUI", "Vector"),
    QT_TRANSLATE_NOOP("StereonGUI", "Line"), QT_TRANSLATE_NOOP("StereonGUI", "Surface")};

} // namespace

QString kindWord(Kind kind) {
    const int code = fileCode(kind);
    return code >= 0 && code < 4 ? uiText(kindWords[code]) : QString();
}

QString numberText(double value) {
    return QString::number(value, 'g', 6);
}

QString pointText(const QString& name, double x, double y, double z) {
    return QStringLiteral("%1 [%2; %3; %4]").arg(name, numberText(x), numberText(y), numberText(z));
}

QString vectorText(const QString& name, double x, double y, double z) {
    return QStringLiteral("%1 (%2; %3; %4)").arg(name, numberText(x), numberText(y), numberText(z));
}

QString objectTitle(const SpaceObject& object) {
    const QString name = QString::fromUtf8(object.name);
    const Kind kind = object.type();
    QString title = kindWord(kind) + QLatin1Char(' ');
    switch (kind) {
    case Kind::Point:
    case Kind::Vector: {
        const vector4D& c = static_cast<const Point&>(object).coordinates;
        return title + (kind == Kind::Point ? pointText(name, c.x(), c.y(), c.z())
                                            : vectorText(name, c.x(), c.y(), c.z()));
    }
    case Kind::Plane: {
        const auto& s = static_cast<const surface&>(object);
        return title + name + QStringLiteral(": ") +
               QString::fromStdString(planeGeneralEquation(s.normal, s.d));
    }
    default:
        return title + name;
    }
}

EntryInfo describeEntry(const ObjectStore& store, const std::vector<ObjectSummary>& description) {
    EntryInfo info;
    for (const ObjectSummary& record : description) {
        const QString name = QString::fromUtf8(record.name);
        switch (record.row) {
        case Row::ParametricEquation:
            info.lines.append({QStringLiteral("<b>") +
                                   uiText(QT_TRANSLATE_NOOP("StereonGUI", "Parametric equation")) +
                                   QStringLiteral(":</b><br />") + name.toHtmlEscaped(),
                               QString(), false});
            continue;
        case Row::GeneralEquation:
            info.generalEquation = name;
            continue;
        case Row::NormalVector:
            info.lines.append({uiText(QT_TRANSLATE_NOOP("StereonGUI", "Normal Vector")) +
                                   QLatin1Char(' ') +
                                   vectorText(name, record.x, record.y, record.z),
                               name, record.visible});
            continue;
        case Row::Object:
            break;
        }
        QString text = kindWord(record.kind) + QLatin1Char(' ');
        if (record.kind == Kind::Point) {
            text += pointText(name, record.x, record.y, record.z);
        } else if (record.kind == Kind::Vector) {
            text += vectorText(name, record.x, record.y, record.z);
        } else {
            text += name;
            const QString equation = QString::fromStdString(parentEquation(store, record));
            if (!equation.isEmpty())
                text += QLatin1String(record.kind == Kind::Line ? " " : ": ") + equation;
        }
        info.lines.append({text, name, record.visible});
    }
    return info;
}
