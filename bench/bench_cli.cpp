// tidewell-cli as a script runs it: `info` with a master and three slaves,
// and `temperature --json`, each from process start to exit against pumpsim
// (its own process) over loopback, with the command's CPU time. The info
// reads one request per pump after the password; its floor is those
// requests' 60 ms pauses.

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kRuns = 7;

double childrenCpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

using BenchSupport::median;

// Runs the command kRuns times; false when one did not end with 0. The
// simulator's CPU is not a child's that has ended, so it is not counted.
bool measure(const char *what, const QStringList &arguments)
{
    QVector<double> walls;
    QVector<double> cpus;
    for (int run = 0; run < kRuns; ++run) {
        QProcess cli;
        const double cpuBefore = childrenCpuMs();
        QElapsedTimer wall;
        wall.start();
        cli.start(QStringLiteral(TIDEWELL_CLI_PATH), arguments);
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0) {
            std::fprintf(stderr, "%s failed: %s\n", what, cli.readAllStandardError().constData());
            return false;
        }
        walls << wall.nsecsElapsed() / 1e6;
        cpus << childrenCpuMs() - cpuBefore;
    }
    std::printf("%s: start to exit median %.1f ms (min %.1f), CPU median %.1f ms\n", what,
                median(walls), *std::min_element(walls.begin(), walls.end()), median(cpus));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // A settings directory of our own, which the commands inherit.
    if (!BenchSupport::isolateSettings())
        return 1;
    QCoreApplication app(argc, argv);
    QProcess sim;
    const quint16 port = BenchSupport::startPumpsim(sim, 3);
    if (port == 0)
        return 1;
    BenchSupport::writeSettings(port, 3);

    std::printf("%d runs each; floor of info: 5 requests x 60 ms = 300 ms, of temperature: "
                "3 x 60 ms = 180 ms\n",
                kRuns);
    const bool ok = measure("info (master and 3 slaves)", {QStringLiteral("info")}) &&
        measure("temperature --json", {QStringLiteral("temperature"), QStringLiteral("--json")});
    sim.kill();
    sim.waitForFinished();
    return ok ? 0 : 1;
}
