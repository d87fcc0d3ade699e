// Full read of one pump (the 23 requests of the start-up read-out) through
// the real queue and transport against pumpsim over loopback. Prints the
// wall time, the protocol floor (23 pauses of 60 ms plus the measured round
// trips), their ratio, and the client's CPU time. The simulator runs as its
// own process, so the CPU figure is the client's alone.

#include "AppSettings.h"
#include "BatchOutcome.h"
#include "BatchStart.h"
#include "BenchSupport.h"
#include "CommBackOperate.h"
#include "CommSend.h"
#include "RegisterImage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSettings>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdlib.h>
#include <sys/resource.h>

namespace {

constexpr int kRuns = 7;

QStringList fullReadCommands()
{
    QStringList commands = {"1 1 0 22", "1 1 22 22", "1 1 44 3", "1 2 0 5"};
    for (int index = 0; index <= 330; index += 22)
        commands << QStringLiteral("1 3 %1 22").arg(index);
    commands << "1 3 352 15"
             << "1 4 0 22"
             << "1 4 22 9";
    return commands;
}

using BenchSupport::cpuSeconds;

// The round trips alone: the same requests sent back to back on a socket of
// our own, each waiting only for its complete reply.
double roundTripsMs(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(5000))
        return -1;
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return BenchSupport::roundTripsMs(socket, fullReadCommands(), RegisterImage());
}

class Outcome : public CommBackOperate
{
public:
    void operateSuccess() override { status = 0; }
    void operateFailure(int s) override { status = s; }
    int status = -1;
};

class Driver : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    void transmission();
};

} // namespace

int main(int argc, char **argv)
{
    // A settings directory of our own: the benchmark never touches the user's.
    if (!BenchSupport::isolateSettings())
        return 1;
    qputenv("QT_LOGGING_RULES", "*.debug=false");

    QCoreApplication app(argc, argv);

    QProcess sim;
    const quint16 port =
        BenchSupport::startPumpsim(sim, {QStringLiteral("--port"), QStringLiteral("0")});
    if (port == 0)
        return 1;

    QSettings &settings = AppSettings::store();
    settings.setValue(QLatin1String(AppSettings::kNetIp), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(AppSettings::kNetPort), port);

    double rtt = 0;
    for (int i = 0; i < kRuns; ++i)
        rtt += roundTripsMs(port);
    rtt /= kRuns;
    const double floorMs = BenchSupport::batchFloorMs(23, rtt);

    QThread thread;
    auto *queue = new CommSend;
    CommSend::setInstance(queue);
    queue->moveToThread(&thread);
    QObject::connect(&thread, &QThread::started, queue, &CommSend::start, Qt::QueuedConnection);
    Driver driver;
    QObject::connect(&driver, &Driver::transmission, queue, &CommSend::transmission,
                     Qt::QueuedConnection);
    thread.start();
    // Let the link connect before the clock starts.
    QEventLoop connecting;
    QTimer::singleShot(500, &connecting, &QEventLoop::quit);
    connecting.exec();

    std::printf("full read of one pump, 23 requests, %d runs\n", kRuns);
    std::printf("round trips alone: %.2f ms\n", rtt);
    std::printf("protocol floor (23 x 60 ms + round trips): %.2f ms\n", floorMs);
    QVector<double> ratios;
    QVector<double> cpuShares;
    for (int run = 0; run < kRuns; ++run) {
        Outcome outcome;
        BatchStart::queue(fullReadCommands(), &outcome, queue);
        QEventLoop loop;
        QObject::connect(queue, &CommSend::returnStatus, &loop, [&](int status) {
            BatchOutcome::deliver(&outcome, status);
            loop.quit();
        });
        {
            // The pump needs its pause after the previous batch's last reply;
            // a user's next click comes later than that, so the clock starts
            // after it.
            QEventLoop rest;
            QTimer::singleShot(CommSend::kPauseMs + 20, &rest, &QEventLoop::quit);
            rest.exec();
        }
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        Q_EMIT driver.transmission();
        loop.exec();
        const double wallMs = wall.nsecsElapsed() / 1e6;
        const double cpuMs = (cpuSeconds() - cpuBefore) * 1000;
        if (outcome.status != 0) {
            std::fprintf(stderr, "run %d failed with status %d\n", run + 1, outcome.status);
            return 1;
        }
        ratios << wallMs / floorMs;
        cpuShares << 100.0 * cpuMs / wallMs;
        std::printf("run %d: wall %.2f ms, ratio %.4f, client CPU %.2f ms (%.2f %%)\n", run + 1,
                    wallMs, wallMs / floorMs, cpuMs, 100.0 * cpuMs / wallMs);
    }
    std::sort(ratios.begin(), ratios.end());
    std::sort(cpuShares.begin(), cpuShares.end());
    std::printf("median: ratio %.4f (goal <= 1.01), client CPU %.2f %% of wall (goal <= 1 %%)\n",
                ratios[kRuns / 2], cpuShares[kRuns / 2]);

    thread.quit();
    thread.wait();
    sim.kill();
    sim.waitForFinished();
    return 0;
}

#include "bench_readout.moc"
