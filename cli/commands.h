// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arguments.h"

#include <QTextStream>

// Exit statuses of stereon-cli.
enum ExitStatus { Success = 0, Refused = 1, UsageError = 2, FileError = 3 };

// Runs one parsed command; results go to out, the one-line error to err.
int runCommand(const Invocation& invocation, QTextStream& out, QTextStream& err);

// Writes "stereon-cli: message" as one line: control characters in echoed names are shown
// as escapes.
void printError(QTextStream& err, const QString& message);
