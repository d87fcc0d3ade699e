#include "Communication.h"

#include <QDebug>
#include <QTimer>

namespace {
Communication *g_current = nullptr;
}

Communication::Communication(QObject *parent)
    : QObject(parent)
    , m_responseTimer(new QTimer(this))
{
    m_responseTimer->setSingleShot(true);
    m_responseTimer->setTimerType(Qt::PreciseTimer);
    connect(m_responseTimer, &QTimer::timeout, this, &Communication::timeout);
    m_lineActivity.start();
}

Communication::~Communication()
{
    if (g_current == this)
        g_current = nullptr;
}

Communication *Communication::current()
{
    return g_current;
}

void Communication::setCurrent(Communication *link)
{
    g_current = link;
}

void Communication::setMode(int mode)
{
    m_linkMode.store(mode);
}

int Communication::linkMode() const
{
    return m_linkMode;
}

qint64 Communication::msSinceLineActivity() const
{
    return m_lineActivity.elapsed();
}

void Communication::noteLineActivity()
{
    m_lineActivity.restart();
}

void Communication::abandonRequest()
{
    stopResponseTimer();
    m_pending.reset();
    m_receiveBuffer.clear();
}

void Communication::startResponseTimer(int timeoutMs)
{
    m_responseTimer->start(timeoutMs);
}

void Communication::stopResponseTimer()
{
    m_responseTimer->stop();
}

qint64 Communication::sendFrame(const QByteArray &frame)
{
    if (frame.isEmpty())
        return -1;
    return sendRequest(frame.constData(), frame.size());
}

qint64 Communication::readCoils(quint8 slave, int index, int count)
{
    return sendFrame(Modbus::buildRead(slave, Modbus::ReadCoils, index, count));
}

qint64 Communication::readDiscreteInputs(quint8 slave, int index, int count)
{
    return sendFrame(Modbus::buildRead(slave, Modbus::ReadDiscreteInputs, index, count));
}

qint64 Communication::readHoldingRegisters(quint8 slave, int index, int count)
{
    return sendFrame(Modbus::buildRead(slave, Modbus::ReadHoldingRegisters, index, count));
}

qint64 Communication::readInputRegisters(quint8 slave, int index, int count)
{
    return sendFrame(Modbus::buildRead(slave, Modbus::ReadInputRegisters, index, count));
}

qint64 Communication::writeSingleCoil(quint8 slave, int index)
{
    return sendFrame(Modbus::buildWriteSingleCoil(slave, index, *RegisterImage::shared()));
}

qint64 Communication::writeSingleRegister(quint8 slave, int index)
{
    return sendFrame(Modbus::buildWriteSingleRegister(slave, index, *RegisterImage::shared()));
}

qint64 Communication::writeMultipleRegisters(quint8 slave, int index, int count)
{
    return sendFrame(
        Modbus::buildWriteMultipleRegisters(slave, index, count, *RegisterImage::shared()));
}

qint64 Communication::writeMultipleCoils(quint8 slave, int index, int count)
{
    return sendFrame(
        Modbus::buildWriteMultipleCoils(slave, index, count, *RegisterImage::shared()));
}

qint64 Communication::writeRegisterValue(int tag, quint8 slave, int index, quint16 value)
{
    const QByteArray frame = Modbus::buildWriteRegisterValue(slave, index, value);
    if (frame.isEmpty())
        return -1;
    const qint64 written =
        sendTagged(tag, frame.constData(), frame.size(), true, Boot::kSwitchTimeoutMs);
    m_switchEcho = frame;
    return written;
}

qint64 Communication::sendBootCommand(const QString &command)
{
    const std::optional<Boot::EncodedCommand> encoded = Boot::encodeCommand(command);
    if (!encoded)
        return -1;
    return sendRaw(encoded->bytes.constData(), encoded->bytes.size(), encoded->timeoutMs);
}

qint64 Communication::sendBlock(int blockNumber, const char *data, int length)
{
    const QByteArray frame = Boot::buildBlock(blockNumber, data, length);
    return sendTagged(Boot::TagBlockSent, frame.constData(), frame.size(), true,
                      Boot::kReplyTimeoutMs);
}

void Communication::beginRequest(const QByteArray &frame)
{
    m_canRevert = false;
    // Whatever is still buffered belongs to an earlier exchange.
    m_receiveBuffer.clear();
    m_bootExchange = false;
    m_pending = Modbus::PendingRequest::fromFrame(frame);
}

void Communication::beginBootSend()
{
    m_bootBuffer.clear();
    m_switchEcho.clear();
    m_bootExchange = true;
}

void Communication::bytesReceived(const QByteArray &bytes)
{
    noteLineActivity();
    const int mode = m_linkMode.load();
    if (mode != ModbusMode && mode != BootMode)
        return;
    if (m_bootExchange)
        processBootBytes(bytes);
    else
        processModbusBytes(bytes);
}

void Communication::processBootBytes(const QByteArray &bytes)
{
    m_bootBuffer.append(bytes);
    const int tag = m_lastTag;
    if (tag == Boot::TagSwitchToBoot && !awaitBootAnnouncement())
        return; // the timer runs on
    const int length = Boot::replyLength(tag, m_bootBuffer);
    if (length == 0)
        return; // the rest of the block is still on its way; the timer runs on
    QByteArray reply = m_bootBuffer.left(length);
    if (m_bootBuffer.size() > length)
        qDebug() << "dropping" << m_bootBuffer.size() - length
                 << "bytes after a complete boot reply";
    m_bootBuffer.clear();
    stopResponseTimer();
    const int status = checkBootReply(tag, reply);
    Q_EMIT returnStatus(tag, status, reply);
}

bool Communication::awaitBootAnnouncement()
{
    if (!m_switchEcho.isEmpty()) {
        if (m_bootBuffer.size() < m_switchEcho.size() && m_switchEcho.startsWith(m_bootBuffer))
            return false; // the rest of the echo is on its way
        if (m_bootBuffer.startsWith(m_switchEcho))
            m_bootBuffer.remove(0, m_switchEcho.size());
        m_switchEcho.clear();
    }
    // The pump's line may glitch while it restarts; only its boot loader's
    // '<' answers the switch, whatever came before it.
    const int at = m_bootBuffer.indexOf(Boot::kBootStarted);
    const int noise = at < 0 ? m_bootBuffer.size() : at;
    if (noise > 0) {
        qDebug() << "dropping" << noise << "bytes before the boot loader's announcement:"
                 << m_bootBuffer.left(noise).toHex(' ');
        m_bootBuffer.remove(0, noise);
    }
    return !m_bootBuffer.isEmpty();
}

void Communication::processModbusBytes(const QByteArray &bytes)
{
    if (!m_pending) {
        qDebug() << "dropping" << bytes.size()
                 << "bytes with no request pending:" << bytes.toHex(' ');
        Q_EMIT strayBytes(bytes.size());
        return;
    }
    m_receiveBuffer.append(bytes);
    const int length = Modbus::expectedReplyLength(m_receiveBuffer);
    if (length == 0)
        return;
    if (length > 0 && m_receiveBuffer.size() < length)
        return; // the rest of the reply is still on its way
    // A function byte we never send cannot be measured: judge what came.
    const QByteArray reply = length > 0 ? m_receiveBuffer.left(length) : m_receiveBuffer;
    const int leftover = m_receiveBuffer.size() - reply.size();
    m_receiveBuffer.clear();
    finishModbusReply(reply);
    // Reported after the reply, so that the queue judges the reply it has
    // just been given: the extra bytes may be the genuine one behind a copy.
    if (leftover > 0) {
        qDebug() << "dropping" << leftover << "bytes after a complete reply";
        Q_EMIT strayBytes(leftover);
    }
}

void Communication::finishModbusReply(const QByteArray &reply)
{
    stopResponseTimer();
    const Modbus::PendingRequest request = *m_pending;
    m_pending.reset();

    const Modbus::Verdict verdict = Modbus::judgeReply(request, reply);
    int status = Modbus::statusOf(verdict);
    m_canRevert = false;
    if (verdict == Modbus::Verdict::Accepted) {
        RegisterImage &image = *RegisterImage::shared();
        m_beforeLastReply = image;
        if (Modbus::decodeReply(request, reply, image))
            m_canRevert = true;
        else
            status = Modbus::StatusBadReply;
    }
    if (verdict != Modbus::Verdict::Accepted)
        qDebug() << "reply refused:" << Modbus::verdictName(verdict) << reply.toHex(' ');
    Q_EMIT returnStatus(status);
}

void Communication::revertLastReply()
{
    if (!m_canRevert)
        return;
    *RegisterImage::shared() = m_beforeLastReply;
    m_canRevert = false;
}

void Communication::timeout()
{
    stopResponseTimer();
    const int mode = m_linkMode.load();
    if (mode != ModbusMode && mode != BootMode)
        return;
    if (m_bootExchange) {
        m_bootBuffer.clear();
        QByteArray empty;
        Q_EMIT returnStatus(m_lastTag, Boot::StatusNoReply, empty);
        return;
    }
    // A timer that outlived its request reports nothing.
    if (!m_pending)
        return;
    m_pending.reset();
    m_receiveBuffer.clear();
    noteLineActivity();
    Q_EMIT returnStatus(Modbus::StatusTimeout);
}

int Communication::checkBootReply(int tag, QByteArray &reply)
{
    return m_judge.judge(tag, reply);
}
