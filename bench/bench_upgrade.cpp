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

#include "AppSettings.h"
#include "BenchSupport.h"
#include "BootProtocol.h"
#include "CommSend.h"
#include "ModbusCodec.h"

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
#include <cstdlib>
#include <stdlib.h>
#include <sys/resource.h>

namespace {

constexpr int kRuns = 10;
constexpr int kImageSize = 100000;

using BenchSupport::cpuSeconds;

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
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(5000))
        return floor;
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
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
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    // The simulator takes one client at a time: give it the moment it needs
    // to let this one go before the next connects.
    QEventLoop release;
    QTimer::singleShot(200, &release, &QEventLoop::quit);
    release.exec();
    return floor;
}

class Driver : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    void upgradeAction(int action);
};

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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

    QRandomGenerator random(2024);
    QByteArray raw(kImageSize, '\0');
    for (int i = 0; i < kImageSize; ++i)
        raw[i] = static_cast<char>(random.bounded(256));
    const QByteArray image = Boot::padImage(raw);
    const int blocks = image.size() / Boot::kBlockSize;

    QVector<double> downloadFloors;
    QVector<double> verifyFloors;
    for (int i = 0; i < kRuns; ++i) {
        const Floor floor = protocolFloor(port, image);
        if (floor.downloadMs < 0 || floor.verifyMs < 0) {
            std::fprintf(stderr, "the bare protocol run failed\n");
            return 1;
        }
        downloadFloors << floor.downloadMs;
        verifyFloors << floor.verifyMs;
    }
    const double downloadFloor = median(downloadFloors);
    const double verifyFloor = median(verifyFloors);

    QSettings &settings = AppSettings::store();
    settings.setValue(QLatin1String(AppSettings::kNetIp), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(AppSettings::kNetPort), port);

    QThread thread;
    auto *queue = new CommSend;
    CommSend::setInstance(queue);
    queue->moveToThread(&thread);
    QObject::connect(&thread, &QThread::started, queue, &CommSend::start, Qt::QueuedConnection);
    Driver driver;
    QObject::connect(&driver, &Driver::upgradeAction, queue, &CommSend::upgradeAction,
                     Qt::QueuedConnection);
    thread.start();
    // Let the link connect before the clock starts.
    QEventLoop connecting;
    QTimer::singleShot(500, &connecting, &QEventLoop::quit);
    connecting.exec();
    queue->setFirmware(raw);

    std::printf("upgrade of a %d-byte image (%d blocks), %d runs\n", kImageSize, blocks, kRuns);
    std::printf("protocol floor: download %.2f ms, verification %.2f ms\n", downloadFloor,
                verifyFloor);
    QVector<double> ratios;
    QVector<double> rates;
    QVector<double> cpuShares;
    QVector<double> cpuTimes;
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

        const double wallMs = downloadMs + verifyMs;
        const double ratio = wallMs / (downloadFloor + verifyFloor);
        const double rate = image.size() / (downloadMs / 1000.0);
        ratios << ratio;
        rates << rate;
        cpuShares << 100.0 * cpuMs / wallMs;
        cpuTimes << cpuMs;
        std::printf("run %d: download %.2f ms (%.0f bytes/s), verification %.2f ms, ratio %.4f, "
                    "client CPU %.2f ms (%.2f %%)\n",
                    run + 1, downloadMs, rate, verifyMs, ratio, cpuMs, 100.0 * cpuMs / wallMs);
    }
    std::printf("median: ratio %.4f (goal <= 1.05), download %.0f bytes/s, client CPU %.2f %% of "
                "wall (goal < 2 %%)\n",
                median(ratios), median(rates), median(cpuShares));
    const auto change = [](const QVector<double> &values) {
        return 100.0 * (values.last() - values.first()) / values.first();
    };
    std::printf("run %d against run 1: ratio %+.1f %%, client CPU %+.1f %% (goal: within 10 %%)\n",
                kRuns, change(ratios), change(cpuTimes));

    thread.quit();
    thread.wait();
    sim.kill();
    sim.waitForFinished();
    return 0;
}

#include "bench_upgrade.moc"
