#include "SoakRun.h"

#include "AppSettings.h"
#include "BatchOutcome.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "Communication.h"
#include "RegisterImage.h"
#include "TcpClient.h"

#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kSlaves[] = {1, 2, 3};
constexpr int kMaxCommands = 6;
// One batch in this many is made to fail part way through.
constexpr quint32 kDoomedEvery = 8;

// Values the simulator never holds: a read range still showing them was
// not read.
constexpr int kUnreadRegister = -12345;
constexpr int kUnreadBit = 0xEE;

// Every reply leaves the simulator this late.
constexpr int kBaseDelayMs = 10;
// Some replies come slowly but in time, some just after their request timed
// out. A reply later than that lands on whatever request is pending then:
// a master without transaction ids cannot tell it from the real reply, so
// the late ones are kept inside the quiet-line wait that follows a timeout.
constexpr double kSlowShare = 0.03;
constexpr int kSlowMinMs = 600;
constexpr int kSlowMaxMs = 2000;
constexpr double kLateShare = 0.02;
constexpr int kLateMinMs = Communication::kResponseTimeoutMs + 30;
constexpr int kLateMaxMs = Communication::kResponseTimeoutMs + CommSend::kQuietLineMs / 2;
// Some requests get no reply at all.
constexpr double kDropShare = 0.03;
// A fifth of the replies are sent twice. Half the copies follow inside the
// queue's pause; the other half land on the next request, 5 ms after it went
// out and before its own reply. A master without transaction ids knows such
// a copy only by the genuine reply that follows it with nothing pending, so
// the request after a landing copy is always answered, and in time: were it
// dropped or slow, no master could tell the copy from its reply.
constexpr double kDuplicateShare = 0.2;
constexpr int kDuplicateInPauseMs = CommSend::kPauseMs / 4;
constexpr int kDuplicateOnNextMs = CommSend::kPauseMs + kBaseDelayMs / 2;

// The longest a command can take in the worst case, all its attempts
// failing: the reply wait, the quiet-line wait after it, the pause, and
// room for a reconnect on loopback and the scheduler.
constexpr qint64 kWorstAttemptMs = 2 * Communication::kResponseTimeoutMs + CommSend::kPauseMs + 500;

bool isBitFunction(int function)
{
    return function == 1 || function == 2 || function == 5 || function == 15;
}

// Ranges the simulator's own parts (clock, thermometer, motors, commit
// coils, the switch into the boot loader) change or act on by themselves:
// written, they would start something; read, they could move on between
// the reply and the check.
bool isLive(int function, int index)
{
    switch (function) {
    case 1:
    case 5:
    case 15:
        return (index >= 11 && index <= 14) || index == 33 || index == 34;
    case 3:
    case 6:
    case 16:
        return (index >= 152 && index <= 158) || index == 160;
    case 4:
        return index == 0 || (index >= 4 && index <= 27);
    default:
        return false;
    }
}

int tableSize(int function)
{
    switch (function) {
    case 1:
    case 5:
    case 15:
        return RegisterImage::kCoilCount;
    case 2:
        return RegisterImage::kDiscreteInputCount;
    case 4:
        return RegisterImage::kInputRegisterCount;
    default:
        return RegisterImage::kHoldingRegisterCount;
    }
}

// The table a function works on, as a key for keeping ranges apart.
int tableKey(int function)
{
    return isBitFunction(function) ? (function == 2 ? 2 : 1) : (function == 4 ? 4 : 3);
}

} // namespace

SoakRun::SoakRun(quint32 seed)
    : m_random(seed)
{
    m_sim.addSlave(2);
    m_sim.addSlave(3);
    SimFaults faults;
    faults.seed = seed;
    faults.replyDelayMs = kBaseDelayMs;
    faults.corruptRate = 0.05;
    faults.splitRate = 0.25;
    faults.splitGapMs = 20;
    faults.exceptionRate = 0.03;
    faults.closeAfterRequests = 37;
    m_sim.setFaults(faults);
}

SoakRun::~SoakRun()
{
    if (m_queue) {
        QMetaObject::invokeMethod(m_queue, &CommSend::shutdown, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
        CommSend::setInstance(nullptr);
        delete m_queue;
    }
}

qint64 SoakRun::residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool SoakRun::startLink()
{
    if (!m_sim.listen(0))
        return false;
    QSettings &settings = AppSettings::store();
    settings.setValue(QLatin1String(AppSettings::kNetIp), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(AppSettings::kNetPort), m_sim.port());

    // Set up as the client does it: the queue on its worker thread, its
    // outcome routed to the callback on this one.
    m_queue = new CommSend;
    CommSend::setInstance(m_queue);
    m_queue->moveToThread(&m_thread);
    connect(&m_thread, &QThread::started, m_queue, &CommSend::start, Qt::QueuedConnection);
    connect(this, &SoakRun::transmission, m_queue, &CommSend::transmission, Qt::QueuedConnection);
    connect(m_queue, &CommSend::returnStatus, this,
            [this](int status) { BatchOutcome::route(*m_queue, status); });

    QEventLoop loop;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&m_sim, &PumpSimulator::clientConnected, &loop, &QEventLoop::quit);
    m_thread.start();
    giveUp.start(TcpClient::kConnectTimeoutMs);
    loop.exec();
    return m_sim.hasClient();
}

void SoakRun::fillSimulator()
{
    for (int slave : kSlaves) {
        for (int i = 0; i < RegisterImage::kCoilCount; ++i)
            if (!isLive(1, i))
                m_sim.setCoil(slave, i, int(m_random.bounded(2u)));
        for (int i = 0; i < RegisterImage::kDiscreteInputCount; ++i)
            m_sim.setDiscreteInput(slave, i, int(m_random.bounded(2u)));
        for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
            if (!isLive(3, i))
                m_sim.setHoldingRegister(slave, i, int(m_random.bounded(65536u)));
        for (int i = 0; i < RegisterImage::kInputRegisterCount; ++i)
            if (!isLive(4, i))
                m_sim.setInputRegister(slave, i, int(m_random.bounded(65536u)));
    }
}

QString SoakRun::commandText(const Command &c) const
{
    return QStringLiteral("%1 %2 %3 %4").arg(c.slave).arg(c.function).arg(c.index).arg(c.count);
}

// One to six commands on random slaves, reads and writes of every kind. The
// image is shared by all slaves and writes take their values from it, so
// the ranges of one batch never overlap within a table.
QVector<SoakRun::Command> SoakRun::makeBatch()
{
    static constexpr int kFunctions[] = {1, 2, 3, 4, 5, 6, 15, 16};
    QVector<Command> batch;
    // By table key, which is also a read function of that table.
    QVector<QVector<bool>> used(5);
    for (int key = 1; key <= 4; ++key)
        used[key] = QVector<bool>(tableSize(key));
    const int wanted = 1 + int(m_random.bounded(quint32(kMaxCommands)));
    for (int attempt = 0; attempt < 40 && batch.size() < wanted; ++attempt) {
        Command c;
        // Often the shape of the command before, elsewhere in its table, as a
        // page's reads are: a repeated reply fits such a request exactly.
        if (!batch.isEmpty() && m_random.bounded(2u) == 0) {
            c.function = batch.last().function;
            c.slave = batch.last().slave;
            c.count = batch.last().count;
        } else {
            c.function = kFunctions[m_random.bounded(8u)];
            c.slave = kSlaves[m_random.bounded(3u)];
            const int size = tableSize(c.function);
            const bool single = c.function == 5 || c.function == 6;
            const int most = std::min(size, isBitFunction(c.function) ? size : 127);
            // Mostly short requests, now and then a long one.
            c.count = single ? 1 : 1 + int(m_random.bounded(quint32(std::min(most, 30))));
            if (!single && m_random.bounded(5u) == 0)
                c.count = 1 + int(m_random.bounded(quint32(most)));
        }
        c.kind = c.function <= 4 ? Kind::Read : Kind::Write;
        const int count = c.count;
        const int size = tableSize(c.function);
        c.index = int(m_random.bounded(quint32(size - count + 1)));
        QVector<bool> &taken = used[tableKey(c.function)];
        bool fine = true;
        for (int i = c.index; i < c.index + c.count && fine; ++i)
            fine = !taken[i] && !isLive(c.function, i);
        if (!fine)
            continue;
        for (int i = c.index; i < c.index + c.count; ++i)
            taken[i] = true;
        batch.append(c);
    }
    return batch;
}

void SoakRun::scriptFaults(int commands)
{
    // Numbered from 1 again for every batch, with nothing left over from the
    // script of the batch before, which may not have used all its numbers.
    m_sim.clearRequests();
    m_sim.clearScriptedFaults();
    const int requests = commands * CommSend::kMaxAttempts;
    // Now and then a batch meets four exceptions in a row, so one of its
    // commands uses up its attempts: the batch fails part way through.
    const int doomedFrom = m_random.bounded(kDoomedEvery) == 0
        ? 1 + int(m_random.bounded(quint32(commands)))
        : requests + 1;
    // The first request of a batch may meet the last copy of the batch before.
    bool answerInTime = true;
    for (int n = 1; n <= requests; ++n) {
        const bool doomed = n >= doomedFrom && n < doomedFrom + CommSend::kMaxAttempts;
        m_sim.scriptException(n, doomed ? int(SimPump::ServerDeviceFailure) : 0);
        const double draw = m_random.generateDouble();
        int delay = kBaseDelayMs;
        if (!answerInTime) {
            if (draw < kLateShare)
                delay = kLateMinMs + int(m_random.bounded(quint32(kLateMaxMs - kLateMinMs + 1)));
            else if (draw < kLateShare + kSlowShare)
                delay = kSlowMinMs + int(m_random.bounded(quint32(kSlowMaxMs - kSlowMinMs + 1)));
            else if (draw < kLateShare + kSlowShare + kDropShare)
                m_sim.scriptDrop(n);
        }
        m_sim.scriptReplyDelay(n, delay);
        answerInTime = false;
        const double copy = m_random.generateDouble();
        if (copy < kDuplicateShare / 2) {
            m_sim.scriptDuplicate(n, kDuplicateInPauseMs);
        } else if (copy < kDuplicateShare) {
            m_sim.scriptDuplicate(n, kDuplicateOnNextMs);
            answerInTime = true;
        }
    }
}

int SoakRun::simValue(int slave, int function, int index) const
{
    switch (function) {
    case 1:
    case 5:
    case 15:
        return m_sim.coil(slave, index);
    case 2:
        return m_sim.discreteInput(slave, index);
    case 4:
        return m_sim.inputRegister(slave, index);
    default:
        return m_sim.holdingRegister(slave, index);
    }
}

int SoakRun::imageValue(int function, int index) const
{
    const RegisterImage &image = *RegisterImage::shared();
    switch (function) {
    case 1:
    case 5:
    case 15:
        return image.coils[index];
    case 2:
        return image.discreteInputs[index];
    case 4:
        return image.inputRegisters[index];
    default:
        return image.holdingRegisters[index];
    }
}

void SoakRun::setImageValue(int function, int index, int value)
{
    RegisterImage &image = *RegisterImage::shared();
    switch (function) {
    case 1:
    case 5:
    case 15:
        image.coils[index] = static_cast<quint8>(value);
        break;
    case 2:
        image.discreteInputs[index] = static_cast<quint8>(value);
        break;
    case 4:
        image.inputRegisters[index] = value;
        break;
    default:
        image.holdingRegisters[index] = value;
        break;
    }
}

void SoakRun::noteWrong(const QString &what)
{
    if (m_figures.wrongSamples.size() < 10)
        m_figures.wrongSamples.append(what);
}

int SoakRun::checkBatch(const QVector<Command> &batch, bool success)
{
    int wrong = 0;
    for (const Command &c : batch) {
        int truth = 0;
        int untouched = 0;
        for (int k = 0; k < c.count; ++k) {
            const int i = c.index + k;
            const int sim = simValue(c.slave, c.function, i);
            if (c.kind == Kind::Read) {
                const int got = imageValue(c.function, i);
                const int unread = isBitFunction(c.function) ? kUnreadBit : kUnreadRegister;
                truth += got == sim;
                untouched += got == unread;
            } else {
                truth += sim == c.values.at(k);
                untouched += sim == c.before.at(k);
            }
        }
        // A reply lands whole or not at all, and a write is carried out whole
        // or not at all: anything else is a wrong value.
        const bool whole = truth == c.count;
        const bool clean = whole || (!success && untouched == c.count);
        if (!clean) {
            const int bad = c.count - std::max(truth, success ? 0 : untouched);
            wrong += std::max(bad, 1);
            noteWrong(
                QStringLiteral("%1 \"%2\" after %3: %4 of %5 true")
                    .arg(c.kind == Kind::Read ? QStringLiteral("read") : QStringLiteral("write"))
                    .arg(commandText(c))
                    .arg(success ? QStringLiteral("success") : QStringLiteral("failure"))
                    .arg(truth)
                    .arg(c.count));
        }
    }
    return wrong;
}

void SoakRun::operateSuccess()
{
    m_status = 0;
    m_ended = true;
    Q_EMIT batchEnded();
}

void SoakRun::operateFailure(int status)
{
    m_status = status;
    m_ended = true;
    Q_EMIT batchEnded();
}

SoakFigures SoakRun::run(int seconds)
{
    m_figures = SoakFigures();
    m_figures.rssStartKb = residentKb();
    m_figures.linkCameUp = startLink();
    if (!m_figures.linkCameUp)
        return m_figures;
    fillSimulator();

    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < qint64(seconds) * 1000) {
        QVector<Command> batch = makeBatch();
        if (batch.isEmpty())
            continue;
        for (Command &c : batch) {
            for (int k = 0; k < c.count; ++k) {
                const int i = c.index + k;
                if (c.kind == Kind::Read) {
                    setImageValue(c.function, i,
                                  isBitFunction(c.function) ? kUnreadBit : kUnreadRegister);
                } else {
                    const int value = isBitFunction(c.function) ? int(m_random.bounded(2u))
                                                                : int(m_random.bounded(65536u));
                    c.values.append(value);
                    c.before.append(simValue(c.slave, c.function, i));
                    setImageValue(c.function, i, value);
                }
            }
        }
        scriptFaults(int(batch.size()));

        // As a page does it: check idle, queue, name the callback, start.
        QEventLoop loop;
        QTimer worstCase;
        worstCase.setSingleShot(true);
        connect(&worstCase, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(this, &SoakRun::batchEnded, &loop, &QEventLoop::quit);
        QStringList commands;
        for (const Command &c : batch)
            commands << commandText(c);
        if (!BatchStart::begin(commands, this, m_queue)) {
            ++m_figures.hangs;
            break;
        }
        m_ended = false;
        QElapsedTimer batchClock;
        batchClock.start();
        const qint64 limitMs = qint64(batch.size()) * CommSend::kMaxAttempts * kWorstAttemptMs;
        worstCase.start(int(limitMs));
        Q_EMIT transmission();
        loop.exec();
        const qint64 tookMs = batchClock.elapsed();
        m_figures.longestBatchMs = std::max(m_figures.longestBatchMs, tookMs);
        ++m_figures.batches;
        if (!m_ended) {
            // Give it one more worst case to end at all, then give up.
            ++m_figures.hangs;
            worstCase.start(int(limitMs));
            loop.exec();
            if (!m_ended)
                break;
        }
        const bool success = m_status == 0;
        const int wrong = checkBatch(batch, success);
        m_figures.wrongValues += wrong;
        if (success)
            ++m_figures.succeeded;
        else if (wrong == 0)
            ++m_figures.failedCleanly;
        m_figures.requests += m_sim.requestCount();
    }
    m_figures.reconnects = std::max(0, m_sim.connectionCount() - 1);
    m_figures.rssEndKb = residentKb();
    return m_figures;
}
