#include "BenchSupport.h"

#include "CommSend.h"

#include <QSettings>
#include <QString>

#include <cstdio>
#include <stdlib.h>
#include <sys/resource.h>
#include <time.h>

namespace BenchSupport {

bool isolateSettings()
{
    char pattern[] = "/tmp/tidewell-bench-settings-XXXXXX";
    const char *dir = mkdtemp(pattern);
    if (!dir)
        return false;
    qputenv("XDG_CONFIG_HOME", dir);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(dir));
    return true;
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double threadCpuSeconds()
{
    timespec spent {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spent);
    return spent.tv_sec + spent.tv_nsec / 1e9;
}

quint16 startPumpsim(QProcess &sim, const QStringList &arguments)
{
    sim.start(QStringLiteral(PUMPSIM_PATH), arguments);
    // Its first line on stdout names the port: "pumpsim listening on 127.0.0.1:PORT".
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "pumpsim did not start\n");
        return 0;
    }
    const QByteArray line = sim.readLine().trimmed();
    return static_cast<quint16>(line.mid(line.lastIndexOf(':') + 1).toInt());
}

double batchFloorMs(int requests, double roundTripsMs)
{
    return requests * CommSend::kPauseMs + roundTripsMs;
}

} // namespace BenchSupport
