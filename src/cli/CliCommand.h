#pragma once

#include <QStringList>

// A subcommand of abpm-cli. Each command file registers itself with a static
// CliCommandRegistration, so commands can be added without touching main.
struct CliCommand {
    const char* name;
    const char* usage; // one line, shown by "abpm-cli --help"
    // args are the words after the command name; returns the process exit status
    // (0 success, 2 bad input or unreadable record).
    int (*run)(const QStringList& args);
    // Drawing commands need fonts and a paint engine: a GUI application, on no display.
    bool needsGui = false;
};

struct CliCommandRegistration {
    explicit CliCommandRegistration(const CliCommand& command);
};

const QList<CliCommand>& CliCommands();
