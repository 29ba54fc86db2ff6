#include "arguments.h"
#include "commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
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
