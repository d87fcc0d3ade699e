#include "Communication.h"

#include "BootProtocol.h"
#include "Crc16.h"

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
    return sendTagged(tag, frame.constData(), frame.size(), false, 400);
}

void Communication::beginRequest(const QByteArray &frame)
{
    // Whatever is still buffered belongs to an earlier exchange.
    m_receiveBuffer.clear();
    m_pending = Modbus::PendingRequest::fromFrame(frame);
}

void Communication::bytesReceived(const QByteArray &bytes)
{
    noteLineActivity();
    switch (m_linkMode.load()) {
    case ModbusMode:
        processModbusBytes(bytes);
        break;
    case BootMode: {
        stopResponseTimer();
        QByteArray reply = bytes;
        const int status = checkBootReply(m_lastTag, reply);
        Q_EMIT returnStatus(m_lastTag, status, reply);
        break;
    }
    default:
        break;
    }
}

void Communication::processModbusBytes(const QByteArray &bytes)
{
    if (!m_pending) {
        qDebug() << "dropping" << bytes.size() << "bytes with no request pending:"
                 << bytes.toHex(' ');
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
    if (m_receiveBuffer.size() > reply.size())
        qDebug() << "dropping" << m_receiveBuffer.size() - reply.size()
                 << "bytes after a complete reply";
    m_receiveBuffer.clear();
    finishModbusReply(reply);
}

void Communication::finishModbusReply(const QByteArray &reply)
{
    stopResponseTimer();
    const Modbus::PendingRequest request = *m_pending;
    m_pending.reset();

    const Modbus::Verdict verdict = Modbus::judgeReply(request, reply);
    int status = Modbus::statusOf(verdict);
    if (verdict == Modbus::Verdict::Accepted
        && !Modbus::decodeReply(request, reply, *RegisterImage::shared()))
        status = Modbus::StatusBadReply;
    if (verdict != Modbus::Verdict::Accepted)
        qDebug() << "reply refused:" << Modbus::verdictName(verdict) << reply.toHex(' ');
    Q_EMIT returnStatus(status);
}

void Communication::timeout()
{
    stopResponseTimer();
    switch (m_linkMode.load()) {
    case ModbusMode:
        // A timer that outlived its request reports nothing.
        if (!m_pending)
            return;
        m_pending.reset();
        m_receiveBuffer.clear();
        noteLineActivity();
        Q_EMIT returnStatus(Modbus::StatusTimeout);
        break;
    case BootMode: {
        QByteArray empty;
        Q_EMIT returnStatus(m_lastTag, Boot::StatusNoReply, empty);
        break;
    }
    default:
        break;
    }
}

int Communication::checkBootReply(int tag, QByteArray &reply)
{
    const auto singleByte = [&reply](char byte) { return reply.size() == 1 && reply.at(0) == byte; };
    switch (tag) {
    case Boot::TagEndOfTransmission:
    case Boot::TagBlockSent:
        return !reply.isEmpty() && reply.at(0) == Boot::kAck ? Boot::StatusAccepted
                                                             : Boot::StatusRejected;
    case Boot::TagConnect:
    case 'H':
    case Boot::TagErase:
    case 'O':
    case 'W':
        return singleByte(Boot::kCommandAccepted) ? Boot::StatusAccepted : Boot::StatusRejected;
    case Boot::TagRead:
        m_expectedBlock = 1;
        m_blocksReceived = 1;
        return singleByte(Boot::kCommandAccepted) ? Boot::StatusAccepted : Boot::StatusRejected;
    case Boot::TagWrite:
        return singleByte(Boot::kReadyToReceive) ? Boot::StatusAccepted : Boot::StatusRejected;
    case Boot::TagBlockReceived: {
        if (reply.size() == Boot::kBlockFrameSize && reply.at(0) == Boot::kSoh) {
            const quint8 number = static_cast<quint8>(reply.at(1));
            const quint8 complement = static_cast<quint8>(reply.at(2));
            const quint16 crc = Crc16::xmodem(reply.constData() + 3, Boot::kBlockSize);
            const quint16 sent = static_cast<quint16>(static_cast<quint8>(reply.at(131)) << 8
                                                      | static_cast<quint8>(reply.at(132)));
            if (number != m_expectedBlock || complement != 255 - m_expectedBlock || crc != sent)
                return Boot::StatusRejected;
            ++m_blocksReceived;
            ++m_expectedBlock;
            return Boot::StatusAccepted;
        }
        if (singleByte(Boot::kEot))
            return m_blocksReceived == m_blocksExpected ? Boot::StatusAccepted
                                                        : Boot::StatusRejected;
        return Boot::StatusRejected;
    }
    case Boot::TagStart:
    case 'N':
    case 'T':
    case 'V':
    case Boot::TagSwitchToBoot:
    case 'h':
    case 'o':
    case 'w':
        return reply.isEmpty() ? Boot::StatusRejected : Boot::StatusAccepted;
    default:
        return Boot::StatusRejected;
    }
}
