// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/description.h"

#include "geometry/line.h"
#include "geometry/numberformat.h"
#include "geometry/numeric.h"
#include "geometry/surface.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

struct Term {
    const vector4D* values;
    char parameter;
};

double component(const vector4D& c, int axis) {
    return axis == 0 ? c.x() : axis == 1 ? c.y() : c.z();
}

// "+3k" or "-1k": the sign written apart from the magnitude; nothing for zero.
std::string signedTerm(double value, const std::string& suffix) {
    if (value > 0.0)
        return "+" + formatNumber(value) + suffix;
    if (value < 0.0)
        return "-" + formatNumber(std::fabs(value)) + suffix;
    return {};
}

std::string parametricEquation(const vector4D& point, std::initializer_list<Term> terms) {
    static const char* const letters[] = {"x=", "y=", "z="};
    std::string axes[3];
    for (int axis = 0; axis < 3; ++axis) {
        const double p = component(point, axis);
        if (p != 0.0)
            axes[axis] += " " + formatNumber(p);
        for (const Term& term : terms) {
            const double value = component(*term.values, axis);
            if (value != 0.0)
                axes[axis] += " " + signedTerm(value, std::string(1, term.parameter));
        }
    }
    // An axis left out would read as free; it is written as "y= 0" unless all are zero.
    if (axes[0].empty() && axes[1].empty() && axes[2].empty())
        return "{}";
    std::string text = "{";
    for (int axis = 0; axis < 3; ++axis)
        text += letters[axis] + (axes[axis].empty() ? std::string(" 0") : axes[axis]) + "; ";
    return text + "}";
}

ObjectSummary textRecord(Row row, std::string text) {
    ObjectSummary record;
    record.row = row;
    record.name = std::move(text);
    return record;
}

ObjectSummary parentRecord(const SpaceObject* described, const SpaceObject* parent) {
    ObjectSummary record;
    record.kind = parent->type();
    record.visible = parent->visible;
    record.name = parent->name;
    if (record.kind != Kind::Point && record.kind != Kind::Vector)
        return record;
    const vector4D& c = static_cast<const Point*>(parent)->coordinates;
    record.x = c.x();
    record.y = c.y();
    record.z = c.z();
    // Any point or vector parent at the coordinates of the plane's normal is listed as it.
    if (described->type() == Kind::Plane) {
        const vector4D& n = static_cast<const surface*>(described)->normal.coordinates;
        if (nearlyEqual(c.x(), n.x()) && nearlyEqual(c.y(), n.y()) && nearlyEqual(c.z(), n.z())) {
            record.row = Row::NormalVector;
            record.kind = Kind::Vector;
        }
    }
    return record;
}

} // namespace

std::string lineEquation(const Point& P, const Vector& V) {
    return parametricEquation(P.coordinates, {{&V.coordinates, 'k'}});
}

std::string planeParametricEquation(const Point& P, const Vector& u, const Vector& v) {
    return parametricEquation(P.coordinates, {{&v.coordinates, 'k'}, {&u.coordinates, 'l'}});
}

std::string planeGeneralEquation(const Vector& n, double d) {
    const vector4D& c = n.coordinates;
    std::string text;
    if (c.x() != 0.0)
        text += formatNumber(c.x()) + "x ";
    text += signedTerm(c.y(), "y ");
    text += signedTerm(c.z(), "z ");
    text += signedTerm(d, "");
    return text + " = 0";
}

std::string parentEquation(const ObjectStore& store, const ObjectSummary& record) {
    const SpaceObject* parent = store.find(record.name);
    if (record.row != Row::Object || !parent || parent->type() != record.kind)
        return {};
    if (record.kind == Kind::Line) {
        const auto* l = static_cast<const line*>(parent);
        return lineEquation(l->point, l->direction);
    }
    if (record.kind == Kind::Plane) {
        const auto* s = static_cast<const surface*>(parent);
        return planeGeneralEquation(s->normal, s->d);
    }
    return {};
}

std::vector<ObjectSummary> describeObject(const ObjectStore&, const SpaceObject* object) {
    std::vector<ObjectSummary> records;
    if (!object)
        return records;
    if (object->type() == Kind::Line) {
        const auto* l = static_cast<const line*>(object);
        records.push_back(
            textRecord(Row::ParametricEquation, lineEquation(l->point, l->direction)));
    } else if (object->type() == Kind::Plane) {
        const auto* s = static_cast<const surface*>(object);
        records.push_back(textRecord(Row::GeneralEquation, planeGeneralEquation(s->normal, s->d)));
        records.push_back(
            textRecord(Row::ParametricEquation, planeParametricEquation(s->point, s->u, s->v)));
    }
    for (const SpaceObject* parent : object->parents)
        records.push_back(parentRecord(object, parent));
    return records;
}

std::vector<ObjectSummary> describeObjectByName(const ObjectStore& store, const std::string& name) {
    return describeObject(store, store.find(name));
}
