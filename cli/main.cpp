#include "CliCommands.h"

#include <QCoreApplication>

namespace {

// The link's debug and warning lines are for the window's log; a script
// reads one line per error, which the commands write themselves.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("TIDEWELL_CLI_DEBUG"))
        qInstallMessageHandler(quietHandler);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tidewell-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TIDEWELL_CLIENT_VERSION));
    return CliCommands::run(QCoreApplication::arguments());
}
