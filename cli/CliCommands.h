#pragma once

// The subcommands of tidewell-cli. Each connects through the settings'
// bridge (or --host/--port), checks the device password as the login does,
// does its work and prints plain text or, with --json, one JSON object.
// Errors are one line on standard error; the exit code says what kind.

#include <QStringList>

namespace CliCommands {

enum Exit {
    Done = 0,
    UsageError = 1,
    LinkFailure = 2,
    DoneWithWarnings = 3,
    FileRefused = 4,
    WrongPassword = 5,
};

// arguments as QCoreApplication::arguments() gives them.
int run(const QStringList &arguments);

} // namespace CliCommands
