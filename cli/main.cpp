// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"
#include "commands.h"

#include "session/atomicwrite.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

namespace {

// An interrupted save must not leave its temporary file behind. SA_RESETHAND puts the default
// action back, so raising the signal again ends the process as the signal itself would have.
void endInterrupted(int sig) {
    removeUnfinishedTemporary();
    raise(sig);
}

void removeTemporaryOnInterrupt() {
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        // A signal the caller ignores (nohup, a background job) stays ignored.
        if (sigaction(sig, nullptr, &action) != 0 || action.sa_handler == SIG_IGN)
            continue;
        action = {};
        action.sa_handler = endInterrupted;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(sig, &action, nullptr);
    }
}

} // namespace

int main(int argc, char** argv) {
    removeTemporaryOnInterrupt();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("stereon-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STEREON_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    const ParseOutcome parsed = parseArguments(QCoreApplication::arguments());
    switch (parsed.kind) {
    case ParseOutcome::ShowHelp:
        out << parsed.message;
        return Success;
    case ParseOutcome::ShowVersion:
        out << "stereon-cli " << QCoreApplication::applicationVersion() << '\n';
        return Success;
    case ParseOutcome::UsageError:
        printError(err, parsed.message);
        return UsageError;
    case ParseOutcome::Run:
        break;
    }
    return runCommand(parsed.invocation, out, err);
}
