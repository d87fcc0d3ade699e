#include "CommSend.h"

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
{
    m_pauseTimer->setSingleShot(true);
    m_pauseTimer->setTimerType(Qt::PreciseTimer);
    connect(m_pauseTimer, &QTimer::timeout, this, &CommSend::sendFirstAfterPause);
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
    Communication::setCurrent(m_link);
    m_link->connectToDevice();
    disconnect(m_statusConnection);
    m_statusConnection = connect(m_link, qOverload<int>(&Communication::returnStatus), this,
                                 &CommSend::recieveData);
}

void CommSend::stop()
{
    if (!m_link)
        return;
    if (auto *tcp = qobject_cast<TcpClient *>(m_link))
        tcp->setAutoReconnect(false);
    m_link->disconnectFromDevice();
    disconnect(m_statusConnection);
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
    if (m_needQuietLine) {
        m_quietWait.start();
        sendFirstAfterPause();
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
    if (status == Modbus::StatusTimeout) {
        m_needQuietLine = true;
        m_quietWait.start();
    }
    if (status != Modbus::StatusOk) {
        if (m_attempts >= kMaxAttempts)
            m_pending.clear();
    } else {
        m_attempts = 0;
        m_pending.removeFirst();
    }
    if (m_pending.isEmpty()) {
        finishBatch(m_lastStatus);
        return;
    }
    ++m_attempts;
    m_pauseTimer->start(kPauseMs);
}

void CommSend::finishBatch(int status)
{
    m_running = false;
    m_inFlight = false;
    m_pauseTimer->stop();
    QMetaObject::invokeMethod(
        m_outcomeContext, [this, status] { deliverOutcome(status); }, Qt::QueuedConnection);
}

void CommSend::deliverOutcome(int status)
{
    m_idle.store(true, std::memory_order_release);
    Q_EMIT returnStatus(status);
}
