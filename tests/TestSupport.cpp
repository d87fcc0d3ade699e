#include "TestSupport.h"

#include "AppSettings.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QString>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <stdlib.h>

namespace {

QtMessageHandler g_previous = nullptr;

// Warnings that mean an object was used from a thread it does not live in.
const char *const kThreadFaults[] = {
    "Cannot create children for a parent that is in a different thread",
    "Timers cannot be started from another thread",
    "Timers cannot be stopped from another thread",
    "QSocketNotifier: Socket notifiers cannot be enabled or disabled from another thread",
    "Cannot send events to objects owned by a different thread",
    "Cannot queue arguments of type",
    "Timers can only be used with threads started with QThread",
    "Possibly trying to stop from a different thread",
    "Cannot set parent, new parent is in a different thread",
    "moveToThread: Current thread",
};

void strictHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    for (const char *fault : kThreadFaults) {
        if (message.contains(QLatin1String(fault))) {
            std::fprintf(stderr, "FATAL thread misuse: %s\n", qPrintable(message));
            std::abort();
        }
    }
    if (g_previous)
        g_previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Each test process gets a settings directory of its own, also when a test
// binary is run by hand, so no test can reach a user's real settings.
void isolateSettings()
{
    char pattern[] = "/tmp/tidewell-test-settings-XXXXXX";
    const char *dir = mkdtemp(pattern);
    if (!dir) {
        std::fprintf(stderr, "cannot create a settings directory for the test\n");
        std::abort();
    }
    qputenv("XDG_CONFIG_HOME", dir);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(dir));
}

// Installed once the test runs, on top of QTest's own handler (which
// passes nothing on): the first turn of the event loop comes after qExec
// has put that in. Not before: qExec puts back at its end whatever it found,
// and QTest's handler must not be called after that.
void reinstallOnFirstTurn()
{
    QTimer::singleShot(0, [] { TestSupport::installStrictMessageHandler(); });
}
Q_COREAPP_STARTUP_FUNCTION(reinstallOnFirstTurn)

struct Installer
{
    Installer() { isolateSettings(); }
} g_installer;

} // namespace

namespace TestSupport {

void installStrictMessageHandler()
{
    // Ours goes on top of whatever handles messages now, passing the rest on.
    const QtMessageHandler current = qInstallMessageHandler(strictHandler);
    if (current != strictHandler)
        g_previous = current;
}

QSettings &freshSettings()
{
    installStrictMessageHandler();
    QSettings &settings = AppSettings::store();
    settings.clear();
    settings.sync();
    return settings;
}

} // namespace TestSupport
