// SPDX-License-Identifier: GPL-3.0-or-later
#include "report.h"

#include "geometry/description.h"
#include "geometry/surface.h"

#include <QJsonArray>

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

const char* kindWord(Kind kind) {
    switch (kind) {
    case Kind::Point:
        return "Point";
    case Kind::Vector:
        return "Vector";
    case Kind::Line:
        return "Line";
    case Kind::Plane:
        return "Surface";
    default:
        return "";
    }
}

const char* kindKey(Kind kind) {
    switch (kind) {
    case Kind::Point:
        return "point";
    case Kind::Vector:
        return "vector";
    case Kind::Line:
        return "line";
    case Kind::Plane:
        return "plane";
    default:
        return "object";
    }
}

QString coordinates(const char* open, double x, double y, double z, const char* close) {
    return QStringLiteral("%1%2; %3; %4%5")
        .arg(QLatin1String(open), listNumber(x), listNumber(y), listNumber(z),
             QLatin1String(close));
}

QString equationOf(const std::vector<ObjectSummary>& rows, Row row) {
    for (const ObjectSummary& r : rows)
        if (r.row == row)
            return text(r.name);
    return {};
}

// Empty for a row that stands for no parent.
QString parentLine(const ObjectStore& store, const ObjectSummary& r) {
    const QString name = text(r.name);
    if (r.row == Row::NormalVector)
        return QStringLiteral("Normal Vector ") + name + QLatin1Char(' ') +
               coordinates("(", r.x, r.y, r.z, ")");
    if (r.row != Row::Object)
        return {};
    switch (r.kind) {
    case Kind::Point:
        return QStringLiteral("Point ") + name + QLatin1Char(' ') +
               coordinates("[", r.x, r.y, r.z, "]");
    case Kind::Vector:
        return QStringLiteral("Vector ") + name + QLatin1Char(' ') +
               coordinates("(", r.x, r.y, r.z, ")");
    case Kind::Line:
        return QStringLiteral("Line ") + name + QLatin1Char(' ') + text(parentEquation(store, r));
    case Kind::Plane:
        return QStringLiteral("Surface ") + name + QStringLiteral(": ") +
               text(parentEquation(store, r));
    default:
        return {};
    }
}

bool isParentRecord(const ObjectSummary& r) {
    return r.row == Row::NormalVector ||
           (r.row == Row::Object && r.kind != Kind::Root && r.kind != Kind::Empty);
}

QJsonArray triple(double x, double y, double z) {
    return QJsonArray{x, y, z};
}

} // namespace

QString listNumber(double value) {
    return QString::number(value, 'g', 6);
}

QString printable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (category == QChar::Other_Control)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else if (category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString objectTitle(const SpaceObject* object) {
    const QString name = text(object->name);
    const Kind kind = object->type();
    if (kind == Kind::Point || kind == Kind::Vector) {
        const vector4D& c = static_cast<const Point*>(object)->coordinates;
        return QLatin1String(kindWord(kind)) + QLatin1Char(' ') + name + QLatin1Char(' ') +
               (kind == Kind::Point ? coordinates("[", c.x(), c.y(), c.z(), "]")
                                    : coordinates("(", c.x(), c.y(), c.z(), ")"));
    }
    if (kind == Kind::Plane) {
        const auto* s = static_cast<const surface*>(object);
        return QStringLiteral("Surface ") + name + QStringLiteral(": ") +
               text(planeGeneralEquation(s->normal, s->d));
    }
    return QLatin1String(kindWord(kind)) + QLatin1Char(' ') + name;
}

QStringList objectDetails(const ObjectStore& store, const SpaceObject* object) {
    QStringList lines;
    for (const ObjectSummary& r : describeObject(store, object)) {
        if (r.row == Row::ParametricEquation)
            lines << QStringLiteral("Parametric equation: ") + text(r.name);
        else if (isParentRecord(r))
            lines << parentLine(store, r) + (r.visible ? QString() : QStringLiteral(" (hidden)"));
    }
    return lines;
}

QJsonObject objectJson(const ObjectStore& store, const SpaceObject* object) {
    QJsonObject o;
    const Kind kind = object->type();
    o[QStringLiteral("kind")] = QLatin1String(kindKey(kind));
    o[QStringLiteral("name")] = text(object->name);
    o[QStringLiteral("visible")] = object->visible;
    o[QStringLiteral("title")] = objectTitle(object);
    if (kind == Kind::Point || kind == Kind::Vector) {
        const vector4D& c = static_cast<const Point*>(object)->coordinates;
        o[QStringLiteral("coordinates")] = triple(c.x(), c.y(), c.z());
    }
    const auto rows = describeObject(store, object);
    if (kind == Kind::Line || kind == Kind::Plane)
        o[QStringLiteral("parametric")] = equationOf(rows, Row::ParametricEquation);
    if (kind == Kind::Plane) {
        const auto* s = static_cast<const surface*>(object);
        o[QStringLiteral("general")] = equationOf(rows, Row::GeneralEquation);
        const vector4D& n = s->normal.coordinates;
        o[QStringLiteral("normal")] = triple(n.x(), n.y(), n.z());
        o[QStringLiteral("d")] = s->d;
    }
    QJsonArray parents;
    for (const SpaceObject* p : object->parents)
        parents.append(text(p->name));
    o[QStringLiteral("parents")] = parents;
    return o;
}

QStringList intersectionText(const IntersectionResult& result) {
    const ObjectSummary& h = result.head;
    switch (result.outcome) {
    case IntersectionResult::Outcome::Empty:
        return {QStringLiteral("The intersection DOES NOT exist")};
    case IntersectionResult::Outcome::Relation: {
        if (result.rows.size() < 2)
            return {};
        const ObjectSummary* a = &result.rows[0];
        const ObjectSummary* b = &result.rows[1];
        if (a->kind != Kind::Point) // the point is always named first
            std::swap(a, b);
        const QString p = text(a->name), o = text(b->name);
        const bool holds = result.holds;
        if (b->kind == Kind::Point)
            return {holds ? QStringLiteral("Points %1 and %2 are equal").arg(p, o)
                          : QStringLiteral("Points %1 and %2 ARE NOT equal").arg(p, o)};
        if (b->kind == Kind::Line)
            return {holds ? QStringLiteral("Point %1 lays on line %2").arg(p, o)
                          : QStringLiteral("Point %1 DOES NOT lay on line %2").arg(p, o)};
        return {holds ? QStringLiteral("Point %1 lays on surface %2").arg(p, o)
                      : QStringLiteral("Point %1 DOES NOT lay on surface %2").arg(p, o)};
    }
    case IntersectionResult::Outcome::Object:
        break;
    case IntersectionResult::Outcome::Error:
        return {};
    }
    switch (h.kind) {
    case Kind::Point:
        return {QStringLiteral("Point ") + coordinates("[", h.x, h.y, h.z, "]")};
    case Kind::Line:
        return {QStringLiteral("Line"), QStringLiteral("Parametric equation: ") +
                                            equationOf(result.rows, Row::ParametricEquation)};
    case Kind::Plane:
        return {QStringLiteral("Surface: ") + equationOf(result.rows, Row::GeneralEquation),
                QStringLiteral("Parametric equation: ") +
                    equationOf(result.rows, Row::ParametricEquation)};
    default:
        return {};
    }
}

QJsonObject intersectionJson(const IntersectionResult& result) {
    const ObjectSummary& h = result.head;
    QJsonObject o;
    const QString resultKey = QStringLiteral("result");
    switch (result.outcome) {
    case IntersectionResult::Outcome::Error:
        o[resultKey] = QStringLiteral("error");
        break;
    case IntersectionResult::Outcome::Empty:
        o[resultKey] = QStringLiteral("empty");
        break;
    case IntersectionResult::Outcome::Relation:
        o[resultKey] = QStringLiteral("relation");
        o[QStringLiteral("holds")] = result.holds;
        break;
    case IntersectionResult::Outcome::Object:
        if (h.kind == Kind::Point) {
            o[resultKey] = QStringLiteral("point");
            o[QStringLiteral("coordinates")] = triple(h.x, h.y, h.z);
        } else if (h.kind == Kind::Line) {
            o[resultKey] = QStringLiteral("line");
            o[QStringLiteral("parametric")] = equationOf(result.rows, Row::ParametricEquation);
        } else if (h.kind == Kind::Plane) {
            o[resultKey] = QStringLiteral("plane");
            o[QStringLiteral("general")] = equationOf(result.rows, Row::GeneralEquation);
            o[QStringLiteral("parametric")] = equationOf(result.rows, Row::ParametricEquation);
        } else {
            o[resultKey] = QStringLiteral("error");
        }
        break;
    }
    o[QStringLiteral("text")] = intersectionText(result).join(QLatin1Char('\n'));
    return o;
}
