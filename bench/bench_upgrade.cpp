// Firmware upgrade of a 100 kB image through the real queue and transport
// against pumpsim's boot loader over loopback. Prints the wall time of the
// download and of the verification, their protocol floor (the same blocks
// exchanged one by one on a bare socket, each waiting only for its answer),
// the ratio, the bytes per second and the client's CPU time. The simulator
// runs as its own process, so the CPU figure is the client's alone.
//
// The upgrades run back to back in one process, as a user upgrading several
// pumps in one session would: the last line compares the tenth with the
// first, so that anything the link keeps from one upgrade to the next shows
// up as a growing ratio or CPU time.

#include "BenchSupport.h"
#include "BootProtocol.h"
#include "CommSend.h"
#include "ModbusCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kRuns = 10;
constexpr int kImageSize = 100000;

using BenchSupport::cpuSeconds;
using BenchSupport::median;

// Waits for exactly `bytes` more bytes.
bool readExactly(QTcpSocket &socket, int bytes, QByteArray *got)
{
    got->clear();
    while (got->size() < bytes) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(3000))
            return false;
        got->append(socket.read(bytes - got->size()));
    }
    return true;
}

bool exchange(QTcpSocket &socket, const QByteArray &send, int answerBytes)
{
    socket.write(send);
    socket.flush();
    QByteArray answer;
    return readExactly(socket, answerBytes, &answer);
}

struct Floor
{
    double downloadMs = -1;
    double verifyMs = -1;
};

// The bare protocol: every block written and its ACK awaited, then every
// block read back and acknowledged, on a socket of our own.
Floor protocolFloor(quint16 port, const QByteArray &image)
{
    Floor floor;
    QTcpSocket socket;
    if (!BenchSupport::connectProbe(socket, port))
        return floor;
    const QByteArray switchFrame = Modbus::buildWriteRegisterValue(1, 160, 0x9B47);
    const int blocks = image.size() / Boot::kBlockSize;
    const QByteArray length = QByteArray::number(image.size(), 16);
    if (!exchange(socket, switchFrame, switchFrame.size() + 1) || !exchange(socket, ">#", 1) ||
        !exchange(socket, "I1000,3e4#", 1) || !exchange(socket, "S1000," + length + "#", 1))
        return floor;
    QElapsedTimer clock;
    double total = 0;
    for (int block = 1; block <= blocks; ++block) {
        const QByteArray frame = Boot::buildBlock(
            block, image.constData() + (block - 1) * Boot::kBlockSize, Boot::kBlockSize);
        clock.start();
        if (!exchange(socket, frame, 1))
            return floor;
        total += clock.nsecsElapsed() / 1e6;
    }
    floor.downloadMs = total;
    if (!exchange(socket, "\x04", 1) || !exchange(socket, "R1000," + length + "#", 1))
        return floor;
    total = 0;
    QByteArray next("C");
    for (int block = 1; block <= blocks; ++block) {
        clock.start();
        if (!exchange(socket, next, Boot::kBlockFrameSize))
            return floor;
        total += clock.nsecsElapsed() / 1e6;
        next = QByteArray(1, Boot::kAck);
    }
    floor.verifyMs = total;
    // The last ACK brings the EOT; G starts the application again.
    if (!exchange(socket, next, 1) || !exchange(socket, "G1000#", 1))
        floor.verifyMs = -1;
    BenchSupport::closeProbe(socket);
    // The simulator takes one client at a time: give it the moment it needs
    // to let this one go before the next connects.
    BenchSupport::waitMs(200);
    return floor;
}

class Driver : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    void upgradeAction(int action);
};

} // namespace

int main(int argc, char **argv)
{
    BenchSupport::Bench<QCoreApplication> bench(argc, argv, 0);
    if (!bench.ok())
        return 1;

    QRandomGenerator random(2024);
    QByteArray raw(kImageSize, '\0');
    for (int i = 0; i < kImageSize; ++i)
        raw[i] = static_cast<char>(random.bounded(256));
    const QByteArray image = Boot::padImage(raw);
    const int blocks = image.size() / Boot::kBlockSize;

    QVector<double> downloadFloors;
    QVector<double> verifyFloors;
    for (int i = 0; i < kRuns; ++i) {
        const Floor floor = protocolFloor(bench.port(), image);
        if (floor.downloadMs < 0 || floor.verifyMs < 0) {
            std::fprintf(stderr, "the bare protocol run failed\n");
            return 1;
        }
        downloadFloors << floor.downloadMs;
        verifyFloors << floor.verifyMs;
    }
    const double downloadFloor = median(downloadFloors);
    const double verifyFloor = median(verifyFloors);

    QThread thread;
    CommSend *queue = BenchSupport::queueOnThread(thread);
    Driver driver;
    QObject::connect(&driver, &Driver::upgradeAction, queue, &CommSend::upgradeAction,
                     Qt::QueuedConnection);
    BenchSupport::startLinkThread(thread);
    queue->setFirmware(raw);

    std::printf("upgrade of a %d-byte image (%d blocks), %d runs\n", kImageSize, blocks, kRuns);
    std::printf("protocol floor: download %.2f ms, verification %.2f ms\n", downloadFloor,
                verifyFloor);
    BenchSupport::Runs runs;
    QVector<double> rates;
    for (int run = 0; run < kRuns; ++run) {
        QEventLoop loop;
        QElapsedTimer clock;
        double downloadMs = 0;
        double verifyMs = 0;
        double cpuBefore = 0;
        double cpuMs = 0;
        int last = 0;
        const QMetaObject::Connection results =
            QObject::connect(queue, &CommSend::upgradeReturnAcction, &loop, [&](int result) {
                last = result;
                switch (result) {
                case Boot::ResultConnected:
                    queue->claimForUpgrade();
                    Q_EMIT driver.upgradeAction(Boot::stepAction(Boot::UpgradeStep::Erase));
                    break;
                case Boot::ResultErased:
                    queue->claimForUpgrade();
                    cpuBefore = cpuSeconds();
                    clock.start();
                    Q_EMIT driver.upgradeAction(Boot::stepAction(Boot::UpgradeStep::Download));
                    break;
                case Boot::ResultDownloaded:
                    downloadMs = clock.nsecsElapsed() / 1e6;
                    queue->claimForUpgrade();
                    clock.start();
                    Q_EMIT driver.upgradeAction(Boot::stepAction(Boot::UpgradeStep::Verify));
                    break;
                default:
                    verifyMs = clock.nsecsElapsed() / 1e6;
                    cpuMs = (cpuSeconds() - cpuBefore) * 1000;
                    loop.quit();
                    break;
                }
            });
        // The pump runs its application: switch it into the boot loader.
        queue->claimForUpgrade();
        Q_EMIT driver.upgradeAction(Boot::stepAction(Boot::UpgradeStep::SwitchToBoot));
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
        guard.start(120000);
        loop.exec();
        QObject::disconnect(results);
        if (last != Boot::ResultVerified) {
            std::fprintf(stderr, "run %d ended with result %d\n", run + 1, last);
            return 1;
        }
        // The start command's answer brings the queue back to idle.
        QEventLoop settle;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &settle, [&] {
            if (queue->isIdle())
                settle.quit();
        });
        poll.start(10);
        settle.exec();

        runs.add(downloadMs + verifyMs, cpuMs, downloadFloor + verifyFloor);
        const double rate = image.size() / (downloadMs / 1000.0);
        rates << rate;
        std::printf("run %d: download %.2f ms (%.0f bytes/s), verification %.2f ms, ratio %.4f, "
                    "client CPU %.2f ms (%.2f %%)\n",
                    run + 1, downloadMs, rate, verifyMs, runs.ratios.last(), cpuMs,
                    runs.cpuShares.last());
    }
    std::printf("median: ratio %.4f (goal <= 1.05), download %.0f bytes/s, client CPU %.2f %% of "
                "wall (goal < 2 %%)\n",
                median(runs.ratios), median(rates), median(runs.cpuShares));
    const auto change = [](const QVector<double> &values) {
        return 100.0 * (values.last() - values.first()) / values.first();
    };
    std::printf("run %d against run 1: ratio %+.1f %%, client CPU %+.1f %% (goal: within 10 %%)\n",
                kRuns, change(runs.ratios), change(runs.cpuMs));

    thread.quit();
    thread.wait();
    return 0;
}

#include "bench_upgrade.moc"
