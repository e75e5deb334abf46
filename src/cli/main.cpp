// abpm-cli: the headless front end on the same core as the window program.
#include <QCoreApplication>
#include <cstdio>

#include "CliCommand.h"

namespace {

QList<CliCommand>& Registry() {
    static QList<CliCommand> commands;
    return commands;
}

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "usage: abpm-cli COMMAND [ARGS]\n\ncommands:\n");
    for (const CliCommand& c : CliCommands())
        std::fprintf(out, "  %s\n", c.usage);
}

} // namespace

CliCommandRegistration::CliCommandRegistration(const CliCommand& command) {
    Registry().append(command);
}

const QList<CliCommand>& CliCommands() {
    return Registry();
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        PrintUsage(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& c : CliCommands())
        if (name == QLatin1String(c.name)) return c.run(args);
    std::fprintf(stderr, "abpm-cli: unknown command \"%s\"\n", name.toLocal8Bit().constData());
    PrintUsage(stderr);
    return 2;
}
