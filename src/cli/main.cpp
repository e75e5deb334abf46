// abpm-cli: the headless front end on the same core as the window program.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

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

namespace {

const CliCommand* FindCommand(const char* name) {
    for (const CliCommand& c : CliCommands())
        if (std::strcmp(c.name, name) == 0) return &c;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    // Only the commands that draw start a GUI application, on the offscreen platform unless
    // another is named; the others run without any display.
    const CliCommand* command = argc > 1 ? FindCommand(argv[1]) : nullptr;
    std::unique_ptr<QCoreApplication> app;
    if (command && command->needsGui) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        PrintUsage(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    if (command) return command->run(args);
    std::fprintf(stderr, "abpm-cli: unknown command \"%s\"\n", name.toLocal8Bit().constData());
    PrintUsage(stderr);
    return 2;
}
