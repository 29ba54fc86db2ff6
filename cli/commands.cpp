#include "commands.h"

#include "report.h"

#include "geometry/construction.h"
#include "geometry/intersection.h"
#include "geometry/measure.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <functional>

namespace {

// A command that cannot go on: its exit status and the one line that says why.
struct Failure {
    int status;
    QString message;
};

std::string bytes(const QString& s) {
    return s.toUtf8().toStdString();
}

void printJson(QTextStream& out, const QJsonObject& o) {
    out << QJsonDocument(o).toJson(QJsonDocument::Indented);
}

void need(const Invocation& inv, int count, const char* usage) {
    if (inv.arguments.size() != count)
        throw Failure{UsageError,
                      QStringLiteral("usage: stereon-cli %1").arg(QLatin1String(usage))};
}

void load(ObjectStore& store, const QString& file) {
    const QFileInfo info(file);
    if (!info.exists())
        throw Failure{FileError, QStringLiteral("%1: no such file").arg(file)};
    if (!info.isFile() || !info.isReadable())
        throw Failure{FileError, QStringLiteral("%1: cannot be read").arg(file)};
    if (!readSession(store, bytes(file)))
        throw Failure{FileError, QStringLiteral("%1: not a valid session file").arg(file)};
}

const SpaceObject* object(const ObjectStore& store, const QString& name) {
    const SpaceObject* o = store.find(bytes(name));
    if (!o)
        throw Failure{Refused, QStringLiteral("no object named \"%1\"").arg(name)};
    return o;
}

double number(const QString& text) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw Failure{UsageError, QStringLiteral("\"%1\" is not a number").arg(text)};
    return v;
}

// Names a session file cannot hold faithfully are refused before anything is built.
void checkNewName(const ObjectStore& store, const QString& name) {
    if (name.isEmpty())
        throw Failure{UsageError, QStringLiteral("the new object needs a name")};
    for (const QChar c : name)
        if (c == QLatin1Char('$') || c.category() == QChar::Other_Control)
            throw Failure{Refused, QStringLiteral("the name \"%1\" must not contain \"$\" or "
                                                  "control characters")
                                       .arg(name)};
    if (store.exists(bytes(name)))
        throw Failure{Refused, QStringLiteral("an object named \"%1\" already exists").arg(name)};
}

QString refusalText(Refusal why, const QString& what) {
    switch (why) {
    case Refusal::WrongKinds:
        return QStringLiteral("cannot build %1 from objects of these kinds").arg(what);
    case Refusal::Degenerate:
        return QStringLiteral("cannot build %1: the input is degenerate (equal or collinear "
                              "points, parallel or zero vectors)")
            .arg(what);
    case Refusal::NameTaken:
        return QStringLiteral("cannot build %1: the name is taken").arg(what);
    case Refusal::UnknownName:
        return QStringLiteral("cannot build %1: an operand does not exist").arg(what);
    default:
        return QStringLiteral("cannot build %1").arg(what);
    }
}

int show(const Invocation& inv, QTextStream& out) {
    if (inv.arguments.isEmpty())
        throw Failure{UsageError, QStringLiteral("usage: stereon-cli show FILE [NAME ...]")};
    ObjectStore store;
    load(store, inv.arguments.first());
    std::vector<const SpaceObject*> chosen;
    if (inv.arguments.size() > 1) {
        for (const QString& name : inv.arguments.mid(1))
            chosen.push_back(object(store, name));
    } else {
        for (int kind = 0; kind < 4; ++kind)
            for (const auto& entry : store.objects(kind))
                if (inv.all || entry.second->visible)
                    chosen.push_back(entry.second.get());
    }
    if (inv.json) {
        QJsonArray list;
        for (const SpaceObject* o : chosen)
            list.append(objectJson(store, o));
        printJson(out, QJsonObject{{QStringLiteral("objects"), list}});
        return Success;
    }
    for (const SpaceObject* o : chosen) {
        out << objectTitle(store, o) << (o->visible ? "" : " (hidden)") << '\n';
        for (const QString& line : objectDetails(store, o))
            out << "    " << line << '\n';
    }
    return Success;
}

int intersectCommand(const Invocation& inv, QTextStream& out) {
    need(inv, 3, "intersect FILE A B");
    ObjectStore store;
    load(store, inv.arguments[0]);
    object(store, inv.arguments[1]);
    object(store, inv.arguments[2]);
    const IntersectionResult result =
        intersect(store, bytes(inv.arguments[1]), bytes(inv.arguments[2]));
    if (result.head.kind == -1)
        throw Failure{Refused, QStringLiteral("%1 and %2 have no intersection that can be "
                                              "computed (Error 0xc58d3)")
                                   .arg(inv.arguments[1], inv.arguments[2])};
    if (inv.json)
        printJson(out, intersectionJson(result));
    else
        out << intersectionText(result).join(QLatin1Char('\n')) << '\n';
    return Success;
}

int measureCommand(const Invocation& inv, QTextStream& out, bool isAngle) {
    need(inv, 3, isAngle ? "angle FILE A B" : "distance FILE A B");
    ObjectStore store;
    load(store, inv.arguments[0]);
    object(store, inv.arguments[1]);
    object(store, inv.arguments[2]);
    const std::string a = bytes(inv.arguments[1]), b = bytes(inv.arguments[2]);
    const double value = isAngle ? angleBetween(store, a, b) : distanceBetween(store, a, b);
    if (value == noResult)
        throw Failure{Refused, QStringLiteral("%1 and %2 have no %3 (Error 0xc58d3)")
                                   .arg(inv.arguments[1], inv.arguments[2],
                                        QLatin1String(isAngle ? "angle" : "distance"))};
    if (inv.json)
        printJson(out, QJsonObject{{QLatin1String(isAngle ? "angle" : "distance"), value}});
    else
        out << "Result = " << listNumber(value) << (isAngle ? QStringLiteral("\u00b0") : QString())
            << '\n';
    return Success;
}

int add(const Invocation& inv, QTextStream& out) {
    const QStringList& a = inv.arguments;
    if (a.size() < 3)
        throw Failure{UsageError, QStringLiteral("usage: stereon-cli add FILE KIND NAME ...")};
    const QString file = a[0], kind = a[1], name = a[2];
    const QStringList rest = a.mid(3);

    ObjectStore store;
    if (QFileInfo::exists(file))
        load(store, file);
    checkNewName(store, name);

    // Every operand must exist; saying which one is missing helps more than a refusal.
    auto operands = [&](const QStringList& names) {
        std::vector<std::string> out;
        for (const QString& n : names) {
            object(store, n);
            out.push_back(bytes(n));
        }
        return out;
    };
    const std::string newName = bytes(name);
    Refusal why = Refusal::None;
    bool built = false;
    QString what;
    if (kind == QLatin1String("point") && rest.size() == 3) {
        what = QStringLiteral("the point");
        built =
            createPoint(store, number(rest[0]), number(rest[1]), number(rest[2]), newName, &why);
    } else if (kind == QLatin1String("vector") && !inv.from.isEmpty() && rest.size() == 1) {
        what = QStringLiteral("the vector");
        const auto o = operands({inv.from, rest[0]});
        built = createVectorFromPoints(store, o[0], o[1], newName, &why);
    } else if (kind == QLatin1String("vector") && rest.size() == 3) {
        what = QStringLiteral("the vector");
        built =
            createVector(store, number(rest[0]), number(rest[1]), number(rest[2]), newName, &why);
    } else if (kind == QLatin1String("line") && rest.size() == 2) {
        what = QStringLiteral("the line");
        const auto o = operands(rest);
        built = createLine(store, o[0], o[1], newName, &why);
    } else if (kind == QLatin1String("plane") && !inv.normal.isEmpty() && rest.isEmpty() &&
               (inv.hasD != !inv.point.isEmpty())) {
        what = QStringLiteral("the plane");
        if (inv.hasD) {
            const double d = number(inv.d);
            const auto o = operands({inv.normal});
            built = createSurfaceFromEquation(store, o[0], d, newName, &why);
        } else {
            const auto o = operands({inv.normal, inv.point});
            built = createSurfaceFromPointAndNormal(store, o[0], o[1], newName, &why);
        }
    } else if (kind == QLatin1String("plane") && inv.normal.isEmpty() && rest.size() == 3) {
        what = QStringLiteral("the plane");
        const auto o = operands(rest);
        built = createSurfaceFromThree(store, o[0], o[1], o[2], newName, &why);
    } else if (kind == QLatin1String("intersection") && rest.size() == 2) {
        what = QStringLiteral("the intersection");
        const auto o = operands(rest);
        built = createIntersection(store, o[0], o[1], newName, &why);
    } else {
        throw Failure{UsageError, QStringLiteral("cannot add \"%1\" with these arguments "
                                                 "(see stereon-cli --help)")
                                      .arg(kind)};
    }
    if (!built)
        throw Failure{Refused, refusalText(why, what)};
    if (!writeSession(store, bytes(file)))
        throw Failure{FileError, QStringLiteral("%1: cannot be saved").arg(file)};

    const SpaceObject* added = store.find(newName);
    if (inv.json)
        printJson(out, objectJson(store, added));
    else
        out << objectTitle(store, added) << '\n';
    return Success;
}

} // namespace

int runCommand(const Invocation& inv, QTextStream& out, QTextStream& err) {
    try {
        if (inv.command == QLatin1String("show"))
            return show(inv, out);
        if (inv.command == QLatin1String("intersect"))
            return intersectCommand(inv, out);
        if (inv.command == QLatin1String("angle"))
            return measureCommand(inv, out, true);
        if (inv.command == QLatin1String("distance"))
            return measureCommand(inv, out, false);
        if (inv.command == QLatin1String("add"))
            return add(inv, out);
        throw Failure{UsageError,
                      QStringLiteral("unknown command \"%1\" (try --help)").arg(inv.command)};
    } catch (const Failure& f) {
        printError(err, f.message);
        return f.status;
    }
}

void printError(QTextStream& err, const QString& message) {
    QString line;
    for (const QChar c : message) {
        if (c == QLatin1Char('\n'))
            line += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            line += QLatin1String("\\t");
        else if (c.category() == QChar::Other_Control)
            line += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            line += c;
    }
    err << "stereon-cli: " << line << '\n';
}
