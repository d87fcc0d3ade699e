#include "TestSupport.h"

#include "AppSettings.h"

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <stdlib.h>

namespace {

QtMessageHandler g_previous = nullptr;
bool g_installed = false;

// Warnings that mean an object was used from a thread it does not live in.
const char *const kThreadFaults[] = {
    "Cannot create children for a parent that is in a different thread",
    "Timers cannot be started from another thread",
    "Timers cannot be stopped from another thread",
    "QSocketNotifier: Socket notifiers cannot be enabled or disabled from another thread",
    "Cannot send events to objects owned by a different thread",
    "Cannot queue arguments of type",
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

struct Installer
{
    Installer()
    {
        isolateSettings();
        TestSupport::installStrictMessageHandler();
    }
} g_installer;

} // namespace

namespace TestSupport {

void installStrictMessageHandler()
{
    if (g_installed)
        return;
    g_installed = true;
    g_previous = qInstallMessageHandler(strictHandler);
}

QSettings &freshSettings()
{
    QSettings &settings = AppSettings::store();
    settings.clear();
    settings.sync();
    return settings;
}

} // namespace TestSupport
