// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

// QCommandLineParser reads "-1" as an option; numbers are arguments here, so they are
// shielded behind a prefix no option can start with and unshielded after parsing.
const QChar shield(0x1F);

bool looksNegativeNumber(const QString& arg) {
    static const QRegularExpression number(QStringLiteral("^-(\\d|\\.\\d)"));
    return number.match(arg).hasMatch();
}

QString unshield(QString arg) {
    if (arg.startsWith(shield))
        arg.remove(0, 1);
    return arg;
}

const char* description =
    "Stereon's geometry from the command line.\n\n"
    "Commands:\n"
    "  show FILE [NAME ...]        objects with coordinates, equations and parents\n"
    "  intersect FILE A B          the intersection of two objects, or their relation\n"
    "  angle FILE A B              the angle between two objects in degrees\n"
    "  distance FILE A B           the distance between two objects\n"
    "  add FILE point NAME X Y Z\n"
    "  add FILE vector NAME X Y Z\n"
    "  add FILE vector NAME --from A B\n"
    "  add FILE line NAME A B                  two points, or a point and a vector\n"
    "  add FILE plane NAME A B C               three points, or two vectors and a point\n"
    "  add FILE plane NAME --normal V --point P\n"
    "  add FILE plane NAME --normal V --d D    the plane V.X + D = 0\n"
    "  add FILE intersection NAME A B          files the intersection of A and B\n"
    "  delete FILE NAME [--with-dependents]    removes the object (and what is built from it)\n\n"
    "add creates FILE when it is missing and saves it safely; delete saves it safely.\n"
    "Exit status: 0 success, 1 the geometry refuses, 2 usage error, 3 file error.";

} // namespace

ParseOutcome parseArguments(const QStringList& argv) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Machine-readable output (one JSON document)."));
    const QCommandLineOption all(QStringLiteral("all"),
                                 QStringLiteral("show: include hidden auxiliary objects."));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("add vector: from point A to point B."),
                                  QStringLiteral("A"));
    const QCommandLineOption normal(QStringLiteral("normal"),
                                    QStringLiteral("add plane: the normal vector."),
                                    QStringLiteral("V"));
    const QCommandLineOption point(QStringLiteral("point"),
                                   QStringLiteral("add plane: a point of the plane."),
                                   QStringLiteral("P"));
    const QCommandLineOption d(QStringLiteral("d"),
                               QStringLiteral("add plane: the constant term D."),
                               QStringLiteral("D"));
    const QCommandLineOption withDependents(
        QStringLiteral("with-dependents"),
        QStringLiteral("delete: delete what is built from the object as well."));
    for (const QCommandLineOption& o : {json, all, from, normal, point, d, withDependents})
        parser.addOption(o);
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("show, intersect, angle, distance, add or delete."));

    QStringList shielded;
    for (const QString& arg : argv)
        shielded << (looksNegativeNumber(arg) ? shield + arg : arg);

    ParseOutcome out;
    if (!parser.parse(shielded)) {
        out.kind = ParseOutcome::UsageError;
        out.message = parser.errorText();
        return out;
    }
    if (parser.isSet(help)) {
        out.kind = ParseOutcome::ShowHelp;
        out.message = parser.helpText();
        return out;
    }
    if (parser.isSet(version)) {
        out.kind = ParseOutcome::ShowVersion;
        return out;
    }
    QStringList positional;
    for (const QString& arg : parser.positionalArguments())
        positional << unshield(arg);
    if (positional.isEmpty()) {
        out.kind = ParseOutcome::UsageError;
        out.message = QStringLiteral("no command given (try --help)");
        return out;
    }
    Invocation& inv = out.invocation;
    inv.command = positional.takeFirst();
    inv.arguments = positional;
    inv.json = parser.isSet(json);
    inv.all = parser.isSet(all);
    inv.withDependents = parser.isSet(withDependents);
    inv.from = unshield(parser.value(from));
    inv.normal = unshield(parser.value(normal));
    inv.point = unshield(parser.value(point));
    inv.d = unshield(parser.value(d));
    inv.options = parser.optionNames();
    return out;
}
