// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the command line asked for.
struct Invocation {
    QString command;       // show, intersect, angle, distance, add, delete
    QStringList arguments; // positional arguments after the command
    bool json = false;
    bool all = false;
    bool withDependents = false; // delete: whatever is built from the object goes too
    QString from;                // add vector --from: the first point (the second is positional)
    QString normal;              // add plane --normal
    QString point;               // add plane --point
    QString d;                   // add plane --d
    QStringList options;         // the names of the options given, in order, repeats included
};

struct ParseOutcome {
    enum Kind { Run, ShowHelp, ShowVersion, UsageError } kind = Run;
    Invocation invocation;
    QString message; // help text, version text or the usage error
};

ParseOutcome parseArguments(const QStringList& argv);
