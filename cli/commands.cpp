// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "report.h"

#include "geometry/construction.h"
#include "geometry/intersection.h"
#include "geometry/measure.h"
#include "geometry/removal.h"
#include "session/sessionlock.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cerrno>
#include <cmath>
#include <functional>
#include <optional>
#include <sys/stat.h>

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

bool given(const Invocation& inv, const char* option) {
    return inv.options.contains(QLatin1String(option));
}

// An option the form does not read would be ignored without a word; it is refused instead,
// as is a value option given twice (only the last value would count). --json fits all.
void allowOptions(const Invocation& inv, const QString& form, const QStringList& allowed) {
    QStringList seen;
    for (const QString& option : inv.options) {
        if (option != QLatin1String("json") && !allowed.contains(option))
            throw Failure{UsageError,
                          QStringLiteral("--%1 does not belong to \"%2\" (see stereon-cli --help)")
                              .arg(option, form)};
        if (option != QLatin1String("json") && option != QLatin1String("all") &&
            seen.contains(option))
            throw Failure{UsageError, QStringLiteral("--%1 is given twice").arg(option)};
        seen << option;
    }
}

// "FILE: reason", the reason as describeProblem() gives it.
Failure fileFailure(const QString& file, const FileStatus& status) {
    return {FileError, file + QStringLiteral(": ") + QString::fromUtf8(describeProblem(status))};
}

void load(ObjectStore& store, const QString& file) {
    // stat first: a loop of links is named as such, and a pipe is never opened.
    struct stat info;
    if (stat(bytes(file).c_str(), &info) != 0)
        throw fileFailure(file, errno == ELOOP ? fileProblem(FileProblem::SymlinkLoop)
                                               : systemProblem(errno));
    if (!S_ISREG(info.st_mode))
        throw fileFailure(file, fileProblem(FileProblem::NotRegularFile));
    if (const FileStatus status = readSession(store, bytes(file)); !status)
        throw fileFailure(file, status);
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
    case Refusal::TooLarge:
        return QStringLiteral("cannot build %1: the numbers are too large").arg(what);
    default:
        return QStringLiteral("cannot build %1").arg(what);
    }
}

// A query on A and B that overflowed; the other refusals keep their older texts.
Failure tooLarge(const char* what, const QString& a, const QString& b) {
    return {Refused, QStringLiteral("cannot compute the %1 of %2 and %3: the numbers are too large")
                         .arg(QLatin1String(what), a, b)};
}

// Text output lines, each with its names made printable.
void printLines(QTextStream& out, QStringList lines) {
    for (QString& line : lines)
        line = printable(line);
    out << lines.join(QLatin1Char('\n')) << '\n';
}

int show(const Invocation& inv, QTextStream& out) {
    allowOptions(inv, QStringLiteral("show FILE [NAME ...]"), {QStringLiteral("all")});
    if (inv.arguments.isEmpty())
        throw Failure{UsageError, QStringLiteral("usage: stereon-cli show FILE [NAME ...]")};
    ObjectStore store;
    load(store, inv.arguments.first());
    std::vector<const SpaceObject*> chosen;
    if (inv.arguments.size() > 1) {
        for (const QString& name : inv.arguments.mid(1))
            chosen.push_back(object(store, name));
    } else {
        for (Kind kind : storedKinds)
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
        out << printable(objectTitle(o)) << (o->visible ? "" : " (hidden)") << '\n';
        for (const QString& line : objectDetails(store, o))
            out << "    " << printable(line) << '\n';
    }
    return Success;
}

int intersectCommand(const Invocation& inv, QTextStream& out) {
    allowOptions(inv, QStringLiteral("intersect FILE A B"), {});
    need(inv, 3, "intersect FILE A B");
    ObjectStore store;
    load(store, inv.arguments[0]);
    object(store, inv.arguments[1]);
    object(store, inv.arguments[2]);
    Refusal why = Refusal::None;
    const IntersectionResult result =
        intersect(store, bytes(inv.arguments[1]), bytes(inv.arguments[2]), &why);
    if (why == Refusal::TooLarge)
        throw tooLarge("intersection", inv.arguments[1], inv.arguments[2]);
    if (result.outcome == IntersectionResult::Outcome::Error)
        throw Failure{Refused, QStringLiteral("%1 and %2 have no intersection that can be "
                                              "computed (Error 0xc58d3)")
                                   .arg(inv.arguments[1], inv.arguments[2])};
    if (inv.json)
        printJson(out, intersectionJson(result));
    else
        printLines(out, intersectionText(result));
    return Success;
}

int measureCommand(const Invocation& inv, QTextStream& out, bool isAngle) {
    const char* usage = isAngle ? "angle FILE A B" : "distance FILE A B";
    allowOptions(inv, QLatin1String(usage), {});
    need(inv, 3, usage);
    ObjectStore store;
    load(store, inv.arguments[0]);
    object(store, inv.arguments[1]);
    object(store, inv.arguments[2]);
    const std::string a = bytes(inv.arguments[1]), b = bytes(inv.arguments[2]);
    Refusal why = Refusal::None;
    const std::optional<double> value =
        isAngle ? angleBetween(store, a, b, &why) : distanceBetween(store, a, b, &why);
    if (why == Refusal::TooLarge)
        throw tooLarge(isAngle ? "angle" : "distance", inv.arguments[1], inv.arguments[2]);
    if (!value)
        throw Failure{Refused, QStringLiteral("%1 and %2 have no %3 (Error 0xc58d3)")
                                   .arg(inv.arguments[1], inv.arguments[2],
                                        QLatin1String(isAngle ? "angle" : "distance"))};
    if (inv.json)
        printJson(out, QJsonObject{{QLatin1String(isAngle ? "angle" : "distance"), *value}});
    else
        out << "Result = " << listNumber(*value) << (isAngle ? QStringLiteral("\u00b0") : QString())
            << '\n';
    return Success;
}

// The forms of "add", told apart by the kind word and the options.
enum class AddForm {
    Point,
    Vector,
    VectorFrom,
    Line,
    PlaneThree,
    PlaneNormalPoint,
    PlaneNormalD,
    Intersection
};

// The form the arguments ask for; the kind word, the options and the number of operands are
// checked here, before the file is touched, and anything amiss is a usage error.
AddForm addForm(const Invocation& inv) {
    const QStringList& a = inv.arguments;
    const QString kind = a.value(1);
    static const QStringList kinds = {QStringLiteral("point"), QStringLiteral("vector"),
                                      QStringLiteral("line"), QStringLiteral("plane"),
                                      QStringLiteral("intersection")};
    if (a.size() >= 2 && !kinds.contains(kind))
        throw Failure{UsageError, QStringLiteral("unknown object kind \"%1\" (point, vector, "
                                                 "line, plane or intersection)")
                                      .arg(kind)};
    if (a.size() < 3)
        throw Failure{UsageError, QStringLiteral("usage: stereon-cli add FILE KIND NAME ...")};

    AddForm form = AddForm::Intersection;
    int operands = 2;
    QStringList options;
    const char* usage = "add FILE intersection NAME A B";
    if (kind == QLatin1String("point")) {
        form = AddForm::Point;
        operands = 3;
        usage = "add FILE point NAME X Y Z";
    } else if (kind == QLatin1String("vector") && given(inv, "from")) {
        form = AddForm::VectorFrom;
        operands = 1;
        options = {QStringLiteral("from")};
        usage = "add FILE vector NAME --from A B";
    } else if (kind == QLatin1String("vector")) {
        form = AddForm::Vector;
        operands = 3;
        usage = "add FILE vector NAME X Y Z";
    } else if (kind == QLatin1String("line")) {
        form = AddForm::Line;
        usage = "add FILE line NAME A B";
    } else if (kind == QLatin1String("plane") && given(inv, "normal")) {
        const bool byPoint = given(inv, "point");
        if (byPoint == given(inv, "d"))
            throw Failure{UsageError, QStringLiteral("usage: stereon-cli add FILE plane NAME "
                                                     "--normal V, then --point P or --d D")};
        form = byPoint ? AddForm::PlaneNormalPoint : AddForm::PlaneNormalD;
        operands = 0;
        options = {QStringLiteral("normal"), QLatin1String(byPoint ? "point" : "d")};
        usage = byPoint ? "add FILE plane NAME --normal V --point P"
                        : "add FILE plane NAME --normal V --d D";
    } else if (kind == QLatin1String("plane")) {
        for (const char* option : {"point", "d"})
            if (given(inv, option))
                throw Failure{UsageError,
                              QStringLiteral("--%1 needs --normal").arg(QLatin1String(option))};
        form = AddForm::PlaneThree;
        operands = 3;
        usage = "add FILE plane NAME A B C";
    }
    allowOptions(inv, QLatin1String(usage), options);
    if (a.size() - 3 != operands)
        throw Failure{UsageError,
                      QStringLiteral("usage: stereon-cli %1").arg(QLatin1String(usage))};
    return form;
}

int add(const Invocation& inv, QTextStream& out) {
    const AddForm form = addForm(inv);
    const QStringList& a = inv.arguments;
    const QString file = a[0], kind = a[1], name = a[2];
    const QStringList rest = a.mid(3);

    // Held from the read to the save, so that a concurrent add cannot slip in between and
    // have its object overwritten.
    SessionLock lock;
    if (const FileStatus locked = lock.acquire(bytes(file)); !locked)
        throw fileFailure(file, locked);
    ObjectStore store;
    struct stat info;
    if (stat(bytes(file).c_str(), &info) == 0 || errno != ENOENT)
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
    const QString what = QStringLiteral("the ") + kind;
    switch (form) {
    case AddForm::Point:
        built =
            createPoint(store, number(rest[0]), number(rest[1]), number(rest[2]), newName, &why);
        break;
    case AddForm::Vector:
        built =
            createVector(store, number(rest[0]), number(rest[1]), number(rest[2]), newName, &why);
        break;
    case AddForm::VectorFrom: {
        const auto o = operands({inv.from, rest[0]});
        built = createVectorFromPoints(store, o[0], o[1], newName, &why);
        break;
    }
    case AddForm::Line: {
        const auto o = operands(rest);
        built = createLine(store, o[0], o[1], newName, &why);
        break;
    }
    case AddForm::PlaneThree: {
        const auto o = operands(rest);
        built = createSurfaceFromThree(store, o[0], o[1], o[2], newName, &why);
        break;
    }
    case AddForm::PlaneNormalPoint: {
        const auto o = operands({inv.normal, inv.point});
        built = createSurfaceFromPointAndNormal(store, o[0], o[1], newName, &why);
        break;
    }
    case AddForm::PlaneNormalD: {
        const double d = number(inv.d);
        const auto o = operands({inv.normal});
        built = createSurfaceFromEquation(store, o[0], d, newName, &why);
        break;
    }
    case AddForm::Intersection: {
        const auto o = operands(rest);
        built = createIntersection(store, o[0], o[1], newName, &why);
        if (why == Refusal::NoCommonPoint) {
            const bool lines =
                store.find(o[0])->type() == Kind::Line && store.find(o[1])->type() == Kind::Line;
            const QString how = QLatin1String(lines ? "parallel or skew" : "parallel");
            throw Failure{
                Refused,
                QStringLiteral("%1 and %2 have no common point (%3)").arg(rest[0], rest[1], how)};
        }
        break;
    }
    }
    if (!built)
        throw Failure{Refused, refusalText(why, what)};
    if (const FileStatus saved = writeSession(store, bytes(file)); !saved)
        throw fileFailure(file, saved);
    lock.release();

    const SpaceObject* added = store.find(newName);
    if (inv.json)
        printJson(out, objectJson(store, added));
    else
        out << printable(objectTitle(added)) << '\n';
    return Success;
}

// Removes the object, or refuses while other objects are built from it, naming them, unless
// they are to go too. Hidden companions that nothing else uses go with it either way.
int remove(const Invocation& inv, QTextStream& out) {
    allowOptions(inv, QStringLiteral("delete FILE NAME [--with-dependents]"),
                 {QStringLiteral("with-dependents")});
    if (inv.arguments.size() != 2)
        throw Failure{UsageError,
                      QStringLiteral("usage: stereon-cli delete FILE NAME [--with-dependents]")};
    const QString file = inv.arguments[0], name = inv.arguments[1];
    SessionLock lock;
    if (const FileStatus locked = lock.acquire(bytes(file)); !locked)
        throw fileFailure(file, locked);
    ObjectStore store;
    load(store, file);
    object(store, name);
    const std::vector<std::string> going = deletionOf(store, bytes(name));
    QStringList dependents;
    for (const std::string& n : dependentsOf(store, bytes(name)))
        dependents << QString::fromUtf8(n);
    if (!dependents.isEmpty() && !inv.withDependents)
        throw Failure{Refused,
                      QStringLiteral("%1 is used by %2 (--with-dependents deletes them too)")
                          .arg(name, dependents.join(QStringLiteral(", ")))};
    for (const std::string& n : going)
        store.take(n);
    if (const FileStatus saved = writeSession(store, bytes(file)); !saved)
        throw fileFailure(file, saved);
    lock.release();
    if (inv.json) {
        QJsonArray deleted;
        for (const std::string& n : going)
            deleted.append(QString::fromUtf8(n));
        printJson(out, QJsonObject{{QStringLiteral("deleted"), deleted}});
    } else {
        for (const std::string& n : going)
            out << printable(QString::fromUtf8(n)) << '\n';
    }
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
        if (inv.command == QLatin1String("delete"))
            return remove(inv, out);
        throw Failure{UsageError,
                      QStringLiteral("unknown command \"%1\" (try --help)").arg(inv.command)};
    } catch (const Failure& f) {
        printError(err, f.message);
        return f.status;
    }
}

void printError(QTextStream& err, const QString& message) {
    err << "stereon-cli: " << printable(message) << '\n';
}
