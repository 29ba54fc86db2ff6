#include "report.h"

#include "geometry/description.h"
#include "geometry/surface.h"

#include <QJsonArray>

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

const char* kindWord(int kind) {
    switch (kind) {
    case 0:
        return "Point";
    case 1:
        return "Vector";
    case 2:
        return "Line";
    case 3:
        return "Surface";
    default:
        return "";
    }
}

const char* kindKey(int kind) {
    switch (kind) {
    case 0:
        return "point";
    case 1:
        return "vector";
    case 2:
        return "line";
    case 3:
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

QString equationOf(const std::vector<ObjectSummary>& rows, int kind) {
    for (const ObjectSummary& r : rows)
        if (r.kind == kind)
            return text(r.name);
    return {};
}

QString parentLine(const ObjectStore& store, const ObjectSummary& r) {
    const QString name = text(r.name);
    switch (r.kind) {
    case 0:
        return QStringLiteral("Point ") + name + QLatin1Char(' ') +
               coordinates("[", r.x, r.y, r.z, "]");
    case 1:
        return QStringLiteral("Vector ") + name + QLatin1Char(' ') +
               coordinates("(", r.x, r.y, r.z, ")");
    case describe::normalVector:
        return QStringLiteral("Normal Vector ") + name + QLatin1Char(' ') +
               coordinates("(", r.x, r.y, r.z, ")");
    case 2:
        return QStringLiteral("Line ") + name + QLatin1Char(' ') + text(parentEquation(store, r));
    case 3:
        return QStringLiteral("Surface ") + name + QStringLiteral(": ") +
               text(parentEquation(store, r));
    default:
        return {};
    }
}

bool isParentRecord(const ObjectSummary& r) {
    return (r.kind >= 0 && r.kind <= 3) || r.kind == describe::normalVector;
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
    const int kind = object->type();
    if (kind == 0 || kind == 1) {
        const vector4D& c = static_cast<const Point*>(object)->coordinates;
        return QLatin1String(kindWord(kind)) + QLatin1Char(' ') + name + QLatin1Char(' ') +
               (kind == 0 ? coordinates("[", c.x(), c.y(), c.z(), "]")
                          : coordinates("(", c.x(), c.y(), c.z(), ")"));
    }
    if (kind == 3) {
        const auto* s = static_cast<const surface*>(object);
        return QStringLiteral("Surface ") + name + QStringLiteral(": ") +
               text(planeGeneralEquation(s->normal, s->d));
    }
    return QLatin1String(kindWord(kind)) + QLatin1Char(' ') + name;
}

QStringList objectDetails(const ObjectStore& store, const SpaceObject* object) {
    QStringList lines;
    for (const ObjectSummary& r : describeObject(store, object)) {
        if (r.kind == describe::parametricEquation)
            lines << QStringLiteral("Parametric equation: ") + text(r.name);
        else if (isParentRecord(r))
            lines << parentLine(store, r) + (r.visible ? QString() : QStringLiteral(" (hidden)"));
    }
    return lines;
}

QJsonObject objectJson(const ObjectStore& store, const SpaceObject* object) {
    QJsonObject o;
    const int kind = object->type();
    o[QStringLiteral("kind")] = QLatin1String(kindKey(kind));
    o[QStringLiteral("name")] = text(object->name);
    o[QStringLiteral("visible")] = object->visible;
    o[QStringLiteral("title")] = objectTitle(object);
    if (kind == 0 || kind == 1) {
        const vector4D& c = static_cast<const Point*>(object)->coordinates;
        o[QStringLiteral("coordinates")] = triple(c.x(), c.y(), c.z());
    }
    const auto rows = describeObject(store, object);
    if (kind == 2 || kind == 3)
        o[QStringLiteral("parametric")] = equationOf(rows, describe::parametricEquation);
    if (kind == 3) {
        const auto* s = static_cast<const surface*>(object);
        o[QStringLiteral("general")] = equationOf(rows, describe::generalEquation);
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
    switch (h.kind) {
    case -2:
        return {QStringLiteral("The intersection DOES NOT exist")};
    case 7: {
        if (result.rows.size() < 2)
            return {};
        const ObjectSummary* a = &result.rows[0];
        const ObjectSummary* b = &result.rows[1];
        if (a->kind != 0) // the point is always named first
            std::swap(a, b);
        const QString p = text(a->name), o = text(b->name);
        if (b->kind == 0)
            return {h.visible ? QStringLiteral("Points %1 and %2 are equal").arg(p, o)
                              : QStringLiteral("Points %1 and %2 ARE NOT equal").arg(p, o)};
        if (b->kind == 2)
            return {h.visible ? QStringLiteral("Point %1 lays on line %2").arg(p, o)
                              : QStringLiteral("Point %1 DOES NOT lay on line %2").arg(p, o)};
        return {h.visible ? QStringLiteral("Point %1 lays on surface %2").arg(p, o)
                          : QStringLiteral("Point %1 DOES NOT lay on surface %2").arg(p, o)};
    }
    case 0:
        return {QStringLiteral("Point ") + coordinates("[", h.x, h.y, h.z, "]")};
    case 2:
        return {QStringLiteral("Line"), QStringLiteral("Parametric equation: ") +
                                            equationOf(result.rows, describe::parametricEquation)};
    case 3:
        return {QStringLiteral("Surface: ") + equationOf(result.rows, describe::generalEquation),
                QStringLiteral("Parametric equation: ") +
                    equationOf(result.rows, describe::parametricEquation)};
    default:
        return {};
    }
}

QJsonObject intersectionJson(const IntersectionResult& result) {
    const ObjectSummary& h = result.head;
    QJsonObject o;
    switch (h.kind) {
    case -2:
        o[QStringLiteral("result")] = QStringLiteral("empty");
        break;
    case 7:
        o[QStringLiteral("result")] = QStringLiteral("relation");
        o[QStringLiteral("holds")] = h.visible;
        break;
    case 0:
        o[QStringLiteral("result")] = QStringLiteral("point");
        o[QStringLiteral("coordinates")] = triple(h.x, h.y, h.z);
        break;
    case 2:
        o[QStringLiteral("result")] = QStringLiteral("line");
        o[QStringLiteral("parametric")] = equationOf(result.rows, describe::parametricEquation);
        break;
    case 3:
        o[QStringLiteral("result")] = QStringLiteral("plane");
        o[QStringLiteral("general")] = equationOf(result.rows, describe::generalEquation);
        o[QStringLiteral("parametric")] = equationOf(result.rows, describe::parametricEquation);
        break;
    default:
        o[QStringLiteral("result")] = QStringLiteral("error");
    }
    o[QStringLiteral("text")] = intersectionText(result).join(QLatin1Char('\n'));
    return o;
}
