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
#include <QEventLoop>
#include <QRandomGenerator>
#include <QSettings>
#include <QTcpSocket>
#include <QThread>

#include <cstdio>

namespace {

constexpr int kRuns = 5;
constexpr int kMaster = 1;

using BenchSupport::median;

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

void record(BenchSupport::Runs &runs, const char *what, int run,
            const BenchSupport::BatchCost &cost, double floorMs)
{
    runs.add(cost, floorMs);
    std::printf("%s run %d: wall %.2f ms, ratio %.4f, client CPU %.2f ms (%.2f %%)\n", what,
                run + 1, cost.wallMs, runs.ratios.last(), cost.cpuMs, runs.cpuShares.last());
}

} // namespace

int main(int argc, char **argv)
{
    BenchSupport::Bench<QCoreApplication> bench(argc, argv, 0);
    if (!bench.ok())
        return 1;
    QSettings &settings = AppSettings::store();

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
        if (!BenchSupport::connectProbe(socket, bench.port()))
            return 1;
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
    CommSend *queue = BenchSupport::queueOnThread(thread);
    QObject::connect(queue, &CommSend::returnStatus, queue,
                     [queue](int status) { BatchOutcome::route(*queue, status); });
    BenchSupport::startLinkThread(thread);

    std::printf("backup: %d requests, floor %.2f ms (round trips %.2f ms)\n",
                int(backupCommands.size()), backupFloor, backupRtt);
    std::printf("restore writes, commit and check read: %d requests, floor %.2f ms "
                "(round trips %.2f ms)\n",
                int(restoreList.size()), restoreFloor, restoreRtt);
    BenchSupport::Runs backups;
    BenchSupport::Runs restores;
    SetupTransfer transfer;
    for (int run = 0; run < kRuns; ++run) {
        QEventLoop loop;
        bool ok = false;
        const QMetaObject::Connection read =
            QObject::connect(&transfer, &SetupTransfer::readFinished, &loop, [&](bool result) {
                ok = result;
                loop.quit();
            });
        const BenchSupport::BatchCost backup = BenchSupport::timeBatch([&] {
            transfer.startBackup(kMaster, SetupFile::readPcSettings(settings, kMaster));
            loop.exec();
        });
        record(backups, "backup", run, backup, backupFloor);
        if (!ok) {
            std::fprintf(stderr, "the backup failed\n");
            return 1;
        }
        BenchSupport::restAfterBatch();
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
        const BenchSupport::BatchCost restore = BenchSupport::timeBatch([&] {
            transfer.startRestoreWrites();
            loop.exec();
        });
        record(restores, "restore", run, restore, restoreFloor);
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
    return 0;
}
