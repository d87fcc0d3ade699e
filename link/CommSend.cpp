#include "CommSend.h"

#include "BootProtocol.h"
#include "CommBackOperate.h"
#include "CommandString.h"
#include "ModbusCodec.h"
#include "TcpClient.h"

#include <QDebug>
#include <QTimer>

namespace {
CommSend *g_instance = nullptr;
}

CommBackOperate::~CommBackOperate()
{
    if (g_instance)
        g_instance->forget(this);
}

CommSend::CommSend(QObject *parent)
    : QObject(parent)
    , m_pauseTimer(new QTimer(this))
    , m_outcomeContext(new QObject)
    , m_transfer(new BootTransfer(*this, this))
{
    m_pauseTimer->setSingleShot(true);
    m_pauseTimer->setTimerType(Qt::PreciseTimer);
    connect(m_pauseTimer, &QTimer::timeout, this, &CommSend::sendFirstAfterPause);
    // Direct: the results leave at the moment and on the thread the
    // transfer reports them, as if the queue reported them itself.
    qRegisterMetaType<Boot::Failure>();
    connect(m_transfer, &BootTransfer::upgradeReturnFailure, this, &CommSend::upgradeReturnFailure,
            Qt::DirectConnection);
    connect(m_transfer, &BootTransfer::upgradeReturnAcction, this, &CommSend::upgradeReturnAcction,
            Qt::DirectConnection);
    connect(m_transfer, &BootTransfer::upgradeReturnProgress, this,
            &CommSend::upgradeReturnProgress, Qt::DirectConnection);
}

CommSend::~CommSend()
{
    if (g_instance == this)
        g_instance = nullptr;
    delete m_outcomeContext;
}

CommSend *CommSend::instance()
{
    return g_instance;
}

void CommSend::setInstance(CommSend *queue)
{
    g_instance = queue;
}

void CommSend::appendCommand(const QString &command)
{
    m_idle.store(false, std::memory_order_release);
    m_pending.append(command);
}

void CommSend::forget(CommBackOperate *callback)
{
    if (m_callback == callback)
        m_callback = nullptr;
}

void CommSend::start()
{
    m_link = TcpClient::instance();
    m_transfer->setLink(m_link);
    Communication::setCurrent(m_link);
    m_link->connectToDevice();
    disconnect(m_statusConnection);
    m_statusConnection = connect(m_link, qOverload<int>(&Communication::returnStatus), this,
                                 qOverload<int>(&CommSend::recieveData));
    disconnect(m_strayConnection);
    m_strayConnection = connect(m_link, &Communication::strayBytes, this, &CommSend::strayBytes);
    disconnect(m_bootConnection);
    // Direct: the link lives on this thread, and the bytes go by reference.
    m_bootConnection =
        connect(m_link, qOverload<int, int, QByteArray &>(&Communication::returnStatus), this,
                qOverload<int, int, QByteArray &>(&CommSend::recieveData), Qt::DirectConnection);
}

void CommSend::stop()
{
    if (!m_link)
        return;
    if (auto *tcp = qobject_cast<TcpClient *>(m_link))
        tcp->setAutoReconnect(false);
    m_link->disconnectFromDevice();
    disconnect(m_statusConnection);
    disconnect(m_strayConnection);
    disconnect(m_bootConnection);
    // Neither can the boot loader's answer to the step in flight.
    m_transfer->abort();
    // The reply to the command in flight can no longer arrive.
    if (m_running) {
        m_pending.clear();
        finishBatch(Modbus::StatusTimeout);
    }
}

void CommSend::shutdown()
{
    stop();
    if (qobject_cast<TcpClient *>(m_link)) {
        if (Communication::current() == m_link)
            Communication::setCurrent(nullptr);
        delete m_link;
    }
    m_link = nullptr;
    m_transfer->setLink(nullptr);
}

void CommSend::transmission()
{
    if (m_running)
        return;
    if (m_pending.isEmpty()) {
        m_idle.store(true, std::memory_order_release);
        return;
    }
    m_running = true;
    m_attempts = 1;
    m_answered.clear();
    m_silentAddress = -1;
    m_batchTotal = m_pending.size();
    reportProgress(0);
    if (m_needQuietLine) {
        m_quietWait.start();
        sendFirstAfterPause();
    } else if (m_sinceReply.isValid() && m_sinceReply.elapsed() < kPauseMs) {
        // The pause after a reply holds across batches too: a batch started
        // the moment the last one ended would rush the pump's bus.
        m_pauseTimer->start(static_cast<int>(kPauseMs - m_sinceReply.elapsed()));
    } else {
        sendFirst();
    }
}

bool CommSend::sendCommand(const QString &command)
{
    if (!m_link)
        return false;
    const CommandString parsed = CommandString::parse(command);
    const quint8 slave = static_cast<quint8>(parsed.slave & 0xFF);
    qint64 written = -1;
    switch (parsed.function) {
    case Modbus::ReadCoils:
        written = m_link->readCoils(slave, parsed.index, parsed.count);
        break;
    case Modbus::ReadDiscreteInputs:
        written = m_link->readDiscreteInputs(slave, parsed.index, parsed.count);
        break;
    case Modbus::ReadHoldingRegisters:
        written = m_link->readHoldingRegisters(slave, parsed.index, parsed.count);
        break;
    case Modbus::ReadInputRegisters:
        written = m_link->readInputRegisters(slave, parsed.index, parsed.count);
        break;
    case Modbus::WriteSingleCoil:
        written = m_link->writeSingleCoil(slave, parsed.index);
        break;
    case Modbus::WriteSingleRegister:
        written = m_link->writeSingleRegister(slave, parsed.index);
        break;
    case Modbus::WriteMultipleCoils:
        written = m_link->writeMultipleCoils(slave, parsed.index, parsed.count);
        break;
    case Modbus::WriteMultipleRegisters:
        written = m_link->writeMultipleRegisters(slave, parsed.index, parsed.count);
        break;
    default:
        break;
    }
    return written >= 0;
}

void CommSend::sendFirst()
{
    // Once the next command is on the line, stray bytes say nothing more
    // about the reply before it.
    m_unconfirmed.clear();
    if (m_pending.isEmpty()) {
        finishBatch(m_lastStatus);
        return;
    }
    if (!m_link || m_link->socketState() != Communication::kConnectedState) {
        // A link that is down, or still trying, fails the batch at once: the
        // page says so now instead of after every attempt's timeout.
        m_pending.clear();
        m_lastStatus = Modbus::StatusTimeout;
        finishBatch(m_lastStatus);
        return;
    }
    if (sendCommand(m_pending.first())) {
        m_inFlight = true;
        return;
    }
    // A request that leaves its table, or names a function we do not send,
    // can never succeed: the batch fails without trying the rest.
    qWarning() << "refusing command" << m_pending.first();
    m_lastStatus = Modbus::StatusBadReply;
    m_pending.clear();
    finishBatch(m_lastStatus);
}

void CommSend::sendFirstAfterPause()
{
    if (!m_running)
        return;
    if (m_needQuietLine) {
        const qint64 quietFor = m_link ? m_link->msSinceLineActivity() : kQuietLineMs;
        // Waiting longer than one response time would be a line that never
        // goes quiet; send anyway, the reply checker still guards the data.
        if (quietFor < kQuietLineMs && m_quietWait.elapsed() < Communication::kResponseTimeoutMs) {
            m_pauseTimer->start(static_cast<int>(kQuietLineMs - quietFor));
            return;
        }
        m_needQuietLine = false;
    }
    sendFirst();
}

void CommSend::recieveData(int status)
{
    if (!m_running || !m_inFlight) {
        qDebug() << "ignoring status" << status << "with no command in flight";
        return;
    }
    m_inFlight = false;
    m_lastStatus = status;
    m_sinceReply.start();
    if (status == Modbus::StatusTimeout) {
        m_needQuietLine = true;
        m_quietWait.start();
    }
    if (status != Modbus::StatusOk) {
        m_unconfirmed.clear();
        if (m_attempts >= kMaxAttempts) {
            if (status == Modbus::StatusTimeout)
                m_silentAddress = CommandString::parse(m_pending.first()).slave;
            // The failed request is over too.
            reportProgress(m_batchTotal - m_pending.size() + 1);
            m_pending.clear();
            finishBatch(m_lastStatus);
            return;
        }
    } else {
        const int address = CommandString::parse(m_pending.first()).slave;
        if (!m_answered.contains(address))
            m_answered.append(address);
        m_unconfirmed = m_pending.takeFirst();
        m_unconfirmedAttempts = m_attempts;
        m_attempts = 0;
        reportProgress(m_batchTotal - m_pending.size());
    }
    // Also after the last command: its reply is confirmed by the pause, and
    // sendFirst() then ends the batch.
    ++m_attempts;
    m_pauseTimer->start(kPauseMs);
}

void CommSend::strayBytes(int count)
{
    if (!m_running || m_inFlight || m_unconfirmed.isEmpty())
        return;
    qDebug() << count << "stray bytes after the reply to" << m_unconfirmed
             << "was accepted: sending it again";
    if (m_link)
        m_link->revertLastReply();
    const QString suspect = m_unconfirmed;
    m_unconfirmed.clear();
    if (m_unconfirmedAttempts >= kMaxAttempts) {
        m_pending.clear();
        m_lastStatus = Modbus::StatusBadReply;
        finishBatch(m_lastStatus);
        return;
    }
    m_pending.prepend(suspect);
    reportProgress(m_batchTotal - m_pending.size());
    m_attempts = m_unconfirmedAttempts + 1;
    m_lastStatus = Modbus::StatusBadReply;
    // Whatever else the bridge repeated must have passed before the command
    // goes again, or its copy lands on it as well.
    m_needQuietLine = true;
    m_quietWait.start();
    if (!m_pauseTimer->isActive())
        m_pauseTimer->start(kPauseMs);
}

void CommSend::finishBatch(int status)
{
    m_running = false;
    m_inFlight = false;
    m_unconfirmed.clear();
    m_pauseTimer->stop();
    QMetaObject::invokeMethod(
        m_outcomeContext,
        [this, status, answered = m_answered, silent = m_silentAddress] {
            deliverOutcome(status, answered, silent);
        },
        Qt::QueuedConnection);
}

void CommSend::deliverOutcome(int status, const QVector<int> &answered, int silentAddress)
{
    m_idle.store(true, std::memory_order_release);
    Q_EMIT pumpsHeard(answered, silentAddress);
    Q_EMIT returnStatus(status);
}

void CommSend::reportProgress(int done)
{
    // One small queued call per request, next to a round trip on the line.
    QMetaObject::invokeMethod(
        m_outcomeContext,
        [this, done, total = m_batchTotal] { Q_EMIT requestProgress(done, total); },
        Qt::QueuedConnection);
}

void CommSend::hold()
{
    m_idle.store(false, std::memory_order_release);
}

void CommSend::release()
{
    m_idle.store(true, std::memory_order_release);
}

bool CommSend::claimForUpgrade()
{
    bool idle = true;
    return m_idle.compare_exchange_strong(idle, false, std::memory_order_acq_rel);
}

void CommSend::upgradeAction(int action)
{
    if (!m_link || m_running || m_transfer->isRunning()) {
        m_transfer->refuse(action);
        return;
    }
    m_transfer->start(action);
}

void CommSend::recieveData(int tag, int status, QByteArray &bytes)
{
    m_transfer->recieveData(tag, status, bytes);
}
