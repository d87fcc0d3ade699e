// Backup and restore of the master through the real queue and transport
// against pumpsim over loopback. The backup is one start-up read of 23
// requests; the restore's timed part is its writes, group by group, the
// commit and the check read. Each prints its wall time over the protocol
// floor (one 60 ms pause per request plus the measured round trips of the
// same frames) and the client's CPU time. The simulator runs as its own
// process, so the CPU figure is the client's alone.

#include "AppSettings.h"
#include "BatchOutcome.h"
#include "BenchSupport.h"
#include "CommSend.h"
#include "RegisterImage.h"
#include "SetupRestore.h"
#include "SetupTransfer.h"
#include "UiOperate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 5;
constexpr int kMaster = 1;

using BenchSupport::cpuSeconds;

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Waits for the pump's pause after the previous batch: a user's next click
// comes later than that, so the clock starts after it.
void rest()
{
    QEventLoop loop;
    QTimer::singleShot(CommSend::kPauseMs + 20, &loop, &QEventLoop::quit);
    loop.exec();
}

// The restore's writes from file, the commit and the check read.
QStringList restoreCommands(const RegisterImage &file)
{
    RegisterImage scratch;
    QStringList commands;
    for (SetupRestore::Group group : SetupRestore::groupsFor(kMaster))
        commands += SetupRestore::stage(group, file, scratch, kMaster);
    commands += SetupRestore::stageCommit(scratch, kMaster);
    commands += UiOperate::fullReadCommands(kMaster);
    return commands;
}

struct Figures
{
    QVector<double> ratios;
    QVector<double> cpuShares;
};

void record(Figures &figures, const char *what, int run, double wallMs, double cpuMs,
            double floorMs)
{
    figures.ratios << wallMs / floorMs;
    figures.cpuShares << 100.0 * cpuMs / wallMs;
    std::printf("%s run %d: wall %.2f ms, ratio %.4f, client CPU %.2f ms (%.2f %%)\n", what,
                run + 1, wallMs, wallMs / floorMs, cpuMs, 100.0 * cpuMs / wallMs);
}

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
    AppSettings::writeClientDefaults(settings);

    // A setup of random values; measuring the restore's round trips writes
    // it into the simulator, so that the backups below carry it.
    RegisterImage file;
    QRandomGenerator random(20261209);
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        file.holdingRegisters[i] = int(random.bounded(0x10000));
    for (int i = 0; i < RegisterImage::kReadCoilCount; ++i)
        file.coils[i] = quint8(random.bounded(2));
    const QStringList backupCommands = UiOperate::fullReadCommands(kMaster);
    const QStringList restoreList = restoreCommands(file);
    double backupRtt = 0;
    double restoreRtt = 0;
    {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        if (!socket.waitForConnected(5000))
            return 1;
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        for (int i = 0; i < kRuns; ++i) {
            backupRtt += BenchSupport::roundTripsMs(socket, backupCommands, file);
            restoreRtt += BenchSupport::roundTripsMs(socket, restoreList, file);
        }
        backupRtt /= kRuns;
        restoreRtt /= kRuns;
    }
    if (backupRtt < 0 || restoreRtt < 0) {
        std::fprintf(stderr, "could not measure the round trips\n");
        return 1;
    }
    const double backupFloor = BenchSupport::batchFloorMs(backupCommands.size(), backupRtt);
    const double restoreFloor = BenchSupport::batchFloorMs(restoreList.size(), restoreRtt);

    QThread thread;
    auto *queue = new CommSend;
    CommSend::setInstance(queue);
    queue->moveToThread(&thread);
    QObject::connect(&thread, &QThread::started, queue, &CommSend::start, Qt::QueuedConnection);
    QObject::connect(queue, &CommSend::returnStatus, queue,
                     [queue](int status) { BatchOutcome::route(*queue, status); });
    thread.start();
    {
        // Let the link connect before the clock starts.
        QEventLoop connecting;
        QTimer::singleShot(500, &connecting, &QEventLoop::quit);
        connecting.exec();
    }

    std::printf("backup: %d requests, floor %.2f ms (round trips %.2f ms)\n",
                int(backupCommands.size()), backupFloor, backupRtt);
    std::printf("restore writes, commit and check read: %d requests, floor %.2f ms "
                "(round trips %.2f ms)\n",
                int(restoreList.size()), restoreFloor, restoreRtt);
    Figures backups;
    Figures restores;
    SetupTransfer transfer;
    for (int run = 0; run < kRuns; ++run) {
        QEventLoop loop;
        bool ok = false;
        const QMetaObject::Connection read =
            QObject::connect(&transfer, &SetupTransfer::readFinished, &loop, [&](bool result) {
                ok = result;
                loop.quit();
            });
        rest();
        double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        transfer.startBackup(kMaster, SetupFile::readPcSettings(settings, kMaster));
        loop.exec();
        record(backups, "backup", run, wall.nsecsElapsed() / 1e6, (cpuSeconds() - cpuBefore) * 1000,
               backupFloor);
        if (!ok) {
            std::fprintf(stderr, "the backup failed\n");
            return 1;
        }
        rest();
        transfer.startRestoreRead(transfer.setup(), kMaster);
        loop.exec();
        QObject::disconnect(read);
        if (!ok) {
            std::fprintf(stderr, "the restore's read failed\n");
            return 1;
        }

        SetupTransfer::Outcome outcome = SetupTransfer::Outcome::ReadFailed;
        const QMetaObject::Connection finished = QObject::connect(
            &transfer, &SetupTransfer::restoreFinished, &loop, [&](SetupTransfer::Outcome result) {
                outcome = result;
                loop.quit();
            });
        rest();
        cpuBefore = cpuSeconds();
        wall.start();
        transfer.startRestoreWrites();
        loop.exec();
        record(restores, "restore", run, wall.nsecsElapsed() / 1e6,
               (cpuSeconds() - cpuBefore) * 1000, restoreFloor);
        QObject::disconnect(finished);
        if (outcome != SetupTransfer::Outcome::Restored) {
            std::fprintf(stderr, "the restore ended with outcome %d\n", int(outcome));
            return 1;
        }
    }
    std::printf("backup median: ratio %.4f (goal <= 1.01), client CPU %.2f %% of wall "
                "(goal < 1 %%)\n",
                median(backups.ratios), median(backups.cpuShares));
    std::printf("restore median: ratio %.4f (goal <= 1.01), client CPU %.2f %% of wall "
                "(goal < 1 %%)\n",
                median(restores.ratios), median(restores.cpuShares));

    thread.quit();
    thread.wait();
    sim.kill();
    sim.waitForFinished();
    return 0;
}
