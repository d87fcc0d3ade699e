#include "BenchSupport.h"

#include "AppSettings.h"
#include "CommSend.h"
#include "CommandString.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"
#include "UiOperate.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QString>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <thread>
#include <time.h>
#include <unistd.h>

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

bool prepareProcess(Windows windows)
{
    // A settings directory of our own: the benchmark never touches the user's.
    if (!isolateSettings())
        return false;
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    if (windows == Windows::Offscreen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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

double wakeCpuMicroseconds(int sleeps, int sleepMicroseconds)
{
    const timespec pause {0, sleepMicroseconds * 1000L};
    const double before = threadCpuSeconds();
    // ppoll without descriptors, as the event loop sleeps when no socket is
    // ready: the timer that ends it is the wake being measured.
    for (int i = 0; i < sleeps; ++i)
        ppoll(nullptr, 0, &pause, nullptr);
    return (threadCpuSeconds() - before) * 1e6 / sleeps;
}

double crossWakeCpuMicroseconds(int wakes)
{
    const int event = eventfd(0, 0);
    if (event < 0)
        return -1;
    std::thread sleeper([event, wakes] {
        quint64 count = 0;
        for (int i = 0; i < wakes; ++i) {
            if (read(event, &count, sizeof count) != sizeof count)
                return;
        }
    });
    // A millisecond is long enough for the sleeper to be asleep again.
    const timespec settle {0, 1000 * 1000L};
    const quint64 one = 1;
    double spent = 0;
    for (int i = 0; i < wakes; ++i) {
        ppoll(nullptr, 0, &settle, nullptr);
        const double before = threadCpuSeconds();
        if (write(event, &one, sizeof one) != sizeof one)
            break;
        spent += threadCpuSeconds() - before;
    }
    sleeper.join();
    close(event);
    return spent * 1e6 / wakes;
}

RequestWakes measureRequestWakes()
{
    RequestWakes wakes;
    wakes.pauseUs = wakeCpuMicroseconds(20, CommSend::kPauseMs * 1000);
    wakes.replyUs = wakeCpuMicroseconds(200, 300);
    wakes.crossUs = crossWakeCpuMicroseconds(200);
    return wakes;
}

void printRequestWakesFloor()
{
    const RequestWakes wakes = measureRequestWakes();
    std::printf("floor on this machine: one request's sleeps and wakes cost %.1f us of CPU, "
                "%.2f %% of its %d ms pause (%.1f us a pause, %.1f us a reply, %.1f us waking "
                "another thread)\n",
                wakes.perRequestUs(), wakes.perRequestUs() / (10.0 * CommSend::kPauseMs),
                CommSend::kPauseMs, wakes.pauseUs, wakes.replyUs, wakes.crossUs);
}

quint16 startPumpsim(QProcess &sim, int slaves, const QStringList &extra)
{
    QStringList arguments = {QStringLiteral("--port"), QStringLiteral("0")};
    if (slaves > 0) {
        QStringList addresses;
        for (int address = 2; address <= slaves + 1; ++address)
            addresses << QString::number(address);
        arguments << QStringLiteral("--slaves") << addresses.join(QLatin1Char(','));
    }
    sim.start(QStringLiteral(PUMPSIM_PATH), arguments + extra);
    // Its first line on stdout names the port: "pumpsim listening on 127.0.0.1:PORT".
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "pumpsim did not start\n");
        return 0;
    }
    const QByteArray line = sim.readLine().trimmed();
    return static_cast<quint16>(line.mid(line.lastIndexOf(':') + 1).toInt());
}

void stopPumpsim(QProcess &sim)
{
    sim.kill();
    sim.waitForFinished();
}

void writeSettings(quint16 port, int slaves)
{
    QSettings &settings = AppSettings::store();
    AppSettings::writeNetworkDefaults(settings);
    AppSettings::writeClientDefaults(settings);
    settings.setValue(QLatin1String(AppSettings::kNetIp), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(AppSettings::kNetPort), port);
    // English (the language code the client's language menu stores).
    settings.setValue(QLatin1String(AppSettings::kLanguage), 31);
    // Writing the array sets its size to the entries written, so with no
    // slaves in use the first run's entries would be lost.
    if (slaves > 0) {
        settings.beginWriteArray(QLatin1String(AppSettings::kGroupSlaves));
        for (int i = 0; i < slaves; ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QLatin1String(AppSettings::kSlaveAddress), i + 2);
            settings.setValue(QLatin1String(AppSettings::kSlaveOnOff), 1);
        }
        settings.endArray();
    }
    settings.sync();
}

void waitMs(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool connectProbe(QTcpSocket &socket, quint16 port)
{
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(5000))
        return false;
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return true;
}

void closeProbe(QTcpSocket &socket)
{
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(2000);
}

double fullReadsRoundTripsMs(quint16 port, int pumps)
{
    QTcpSocket socket;
    if (!connectProbe(socket, port))
        return -1;
    QStringList commands;
    for (int address = 1; address <= pumps; ++address)
        commands += UiOperate::fullReadCommands(address);
    const double total = roundTripsMs(socket, commands, RegisterImage());
    closeProbe(socket);
    return total;
}

double batchFloorMs(int requests, double roundTripsMs)
{
    return requests * CommSend::kPauseMs + roundTripsMs;
}

QByteArray frameOf(const QString &command, const RegisterImage &image)
{
    const CommandString parsed = CommandString::parse(command);
    const auto slave = quint8(parsed.slave);
    switch (parsed.function) {
    case Modbus::WriteSingleCoil:
        return Modbus::buildWriteSingleCoil(slave, parsed.index, image);
    case Modbus::WriteSingleRegister:
        return Modbus::buildWriteSingleRegister(slave, parsed.index, image);
    case Modbus::WriteMultipleCoils:
        return Modbus::buildWriteMultipleCoils(slave, parsed.index, parsed.count, image);
    case Modbus::WriteMultipleRegisters:
        return Modbus::buildWriteMultipleRegisters(slave, parsed.index, parsed.count, image);
    default:
        return Modbus::buildRead(slave, Modbus::FunctionCode(parsed.function), parsed.index,
                                 parsed.count);
    }
}

double roundTripsMs(QTcpSocket &socket, const QStringList &commands, const RegisterImage &image)
{
    double total = 0;
    for (const QString &command : commands) {
        const QByteArray frame = frameOf(command, image);
        QElapsedTimer clock;
        clock.start();
        socket.write(frame);
        socket.flush();
        QByteArray reply;
        while (Modbus::expectedReplyLength(reply) <= 0 ||
               reply.size() < Modbus::expectedReplyLength(reply)) {
            if (!socket.waitForReadyRead(3000))
                return -1;
            reply += socket.readAll();
        }
        total += clock.nsecsElapsed() / 1e6;
    }
    return total;
}

QVector<double> repeatedRoundTripsMs(QTcpSocket &socket, const QStringList &commands,
                                     const RegisterImage &image, int runs)
{
    QVector<double> totals;
    for (int run = 0; run < runs; ++run) {
        const double total = roundTripsMs(socket, commands, image);
        if (total < 0)
            return {};
        totals << total;
    }
    return totals;
}

CommSend *queueOnThread(QThread &thread)
{
    auto *queue = new CommSend;
    CommSend::setInstance(queue);
    queue->moveToThread(&thread);
    QObject::connect(&thread, &QThread::started, queue, &CommSend::start, Qt::QueuedConnection);
    return queue;
}

void startLinkThread(QThread &thread)
{
    thread.start();
    // Half a second is ample for a connection over loopback.
    waitMs(500);
}

Transmitter::Transmitter(CommSend *queue)
{
    connect(this, &Transmitter::transmission, queue, &CommSend::transmission, Qt::QueuedConnection);
}

void restAfterBatch()
{
    // Twenty milliseconds more than the pause, so that it has surely passed.
    waitMs(CommSend::kPauseMs + 20);
}

BatchCost timeBatch(const std::function<void()> &startAndWait)
{
    restAfterBatch();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    startAndWait();
    BatchCost cost;
    cost.wallMs = wall.nsecsElapsed() / 1e6;
    cost.cpuMs = (cpuSeconds() - cpuBefore) * 1000;
    return cost;
}

void Runs::add(double wallMs, double cpuMsOfRun, double floorMs)
{
    walls << wallMs;
    ratios << wallMs / floorMs;
    cpuMs << cpuMsOfRun;
    cpuShares << 100.0 * cpuMsOfRun / wallMs;
}

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double mean(const QVector<double> &values)
{
    if (values.isEmpty())
        return 0;
    double sum = 0;
    for (double value : values)
        sum += value;
    return sum / values.size();
}

} // namespace BenchSupport
