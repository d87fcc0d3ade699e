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
    if (m_bootStep != BootStep::None)
        finishBootStep(Boot::ResultCommandFailed);
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
            m_pending.clear();
            finishBatch(m_lastStatus);
            return;
        }
    } else {
        m_unconfirmed = m_pending.takeFirst();
        m_unconfirmedAttempts = m_attempts;
        m_attempts = 0;
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
        m_outcomeContext, [this, status] { deliverOutcome(status); }, Qt::QueuedConnection);
}

void CommSend::deliverOutcome(int status)
{
    m_idle.store(true, std::memory_order_release);
    Q_EMIT returnStatus(status);
}

void CommSend::setFirmware(const QByteArray &image)
{
    m_imageSize = image.size();
    m_blockCount = Boot::blockCount(m_imageSize);
    m_firmware = Boot::padImage(image);
    m_currentBlock = 1;
}

bool CommSend::claimForUpgrade()
{
    bool idle = true;
    return m_idle.compare_exchange_strong(idle, false, std::memory_order_acq_rel);
}

void CommSend::upgradeAction(int action)
{
    if (!m_link || m_running || m_bootStep != BootStep::None) {
        qWarning() << "upgrade step" << action << "refused: the link is busy or down";
        Q_EMIT upgradeReturnAcction(Boot::ResultCommandFailed);
        return;
    }
    // Every step gets its full retries, whatever the last one used up.
    m_bootRetries = 0;
    m_bootCommands.clear();
    const int start = Boot::kApplicationAddress;
    // Without an image, erasing would leave the pump with no application.
    if (action >= 2 && action <= 4 && m_blockCount == 0) {
        qWarning() << "upgrade step" << action << "refused: no firmware image";
        m_idle.store(true, std::memory_order_release);
        Q_EMIT upgradeReturnAcction(Boot::ResultCommandFailed);
        return;
    }
    switch (action) {
    case 0:
        // The pump's '<' moves on to the connect; without one in the
        // switch's time the step fails. The queue stays held all along, so
        // that no Modbus request takes the line from under the '<'.
        m_idle.store(false, std::memory_order_release);
        m_bootStep = BootStep::Switching;
        m_link->writeRegisterValue(Boot::TagSwitchToBoot, Boot::kSwitchSlave, Boot::kSwitchRegister,
                                   Boot::kSwitchValue);
        break;
    case 1:
        startBootStep(BootStep::Connecting, Boot::command(Boot::TagConnect));
        break;
    case 2:
        startBootStep(
            BootStep::Erasing,
            Boot::command(Boot::TagErase, start,
                          m_eraseAll.load() ? Boot::kEraseAllEndPage : Boot::kEraseEndPage));
        break;
    case 3:
        startBootStep(BootStep::Downloading,
                      Boot::command(Boot::TagWrite, start, m_firmware.size()));
        break;
    case 4:
        m_readBack.clear();
        startBootStep(BootStep::Verifying, Boot::command(Boot::TagRead, start, m_firmware.size()));
        break;
    default:
        break;
    }
}

void CommSend::startBootStep(BootStep step, const QString &command)
{
    m_idle.store(false, std::memory_order_release);
    m_bootStep = step;
    m_bootCommands.append(command);
    sendFirstBootCommand();
}

void CommSend::sendFirstBootCommand()
{
    m_link->sendBootCommand(m_bootCommands.first());
}

void CommSend::sendNextBlock()
{
    if (m_currentBlock > m_blockCount) {
        m_bootCommands.append(Boot::command(Boot::TagEndOfTransmission));
        sendFirstBootCommand();
        return;
    }
    m_blockBuffer = m_firmware.mid((m_currentBlock - 1) * Boot::kBlockSize, Boot::kBlockSize);
    m_link->sendBlock(m_currentBlock, m_blockBuffer.constData(), Boot::kBlockSize);
}

void CommSend::recieveData(int tag, int status, QByteArray &bytes)
{
    if (m_bootStep == BootStep::None) {
        qDebug() << "ignoring boot reply" << tag << status << "with no step running";
        return;
    }
    if (status == Boot::StatusAccepted) {
        if (!m_bootCommands.isEmpty())
            m_bootCommands.removeFirst();
        m_bootRetries = 0;
        bootReplyAccepted(tag, bytes);
    } else {
        bootReplyRejected(tag, status);
    }
}

void CommSend::bootReplyAccepted(int tag, const QByteArray &bytes)
{
    switch (tag) {
    case Boot::TagBlockSent:
        Q_EMIT upgradeReturnProgress(m_currentBlock);
        ++m_currentBlock;
        sendNextBlock();
        return;
    case Boot::TagConnect:
        finishBootStep(Boot::ResultConnected);
        return;
    case Boot::TagBlockReceived:
        blockReceived(bytes);
        return;
    case Boot::TagEndOfTransmission:
        finishBootStep(Boot::ResultDownloaded);
        return;
    case Boot::TagRead:
        m_currentBlock = 1;
        m_link->setBlocksExpected(m_blockCount);
        // Unlike the bare request, this one waits for the first block with
        // a timer, so that a pump that never sends ends the step.
        m_link->sendTaggedByte(Boot::TagBlockReceived, Boot::kReadyToReceive, true,
                               Boot::kReplyTimeoutMs);
        return;
    case Boot::TagErase:
        finishBootStep(Boot::ResultErased);
        return;
    case Boot::TagWrite:
        m_currentBlock = 1;
        sendNextBlock();
        return;
    case Boot::TagSwitchToBoot:
        if (m_bootStep != BootStep::Switching)
            break;
        if (!bytes.isEmpty() && bytes.at(0) == Boot::kBootStarted) {
            m_bootStep = BootStep::Connecting;
            m_link->sendTaggedByte(Boot::TagSwitchToBoot, Boot::kHandshake, true,
                                   Boot::kReplyTimeoutMs);
            m_bootCommands.append(Boot::command(Boot::TagConnect));
            sendFirstBootCommand();
            return;
        }
        // The link hands on only the '<'; any other answer means the pump
        // did not switch, and the page must hear so.
        finishBootStep(Boot::ResultCommandFailed);
        return;
    default:
        break;
    }
    resendOrEndStep();
}

void CommSend::blockReceived(const QByteArray &bytes)
{
    const bool endOfTransmission = bytes.size() == 1 && bytes.at(0) == Boot::kEot;
    if (!endOfTransmission)
        m_readBack.append(bytes.mid(3, Boot::kBlockSize));
    Q_EMIT upgradeReturnProgress(m_currentBlock);
    m_link->sendTaggedByte(Boot::TagBlockReceived, Boot::kAck, true, Boot::kReplyTimeoutMs);
    if (!endOfTransmission && m_currentBlock < m_blockCount) {
        ++m_currentBlock;
        return;
    }
    if (m_readBack != m_firmware) {
        finishBootStep(Boot::ResultVerifyFailed);
        return;
    }
    // The step goes on until the pump has taken the start command.
    Q_EMIT upgradeReturnAcction(Boot::ResultVerified);
    m_bootStep = BootStep::Starting;
    m_bootCommands.append(Boot::command(Boot::TagStart, Boot::kApplicationAddress));
    sendFirstBootCommand();
}

void CommSend::bootReplyRejected(int tag, int status)
{
    switch (tag) {
    case Boot::TagBlockSent:
        if (++m_bootRetries <= kBootRetries) {
            m_link->sendBlock(m_currentBlock, m_blockBuffer.constData(), Boot::kBlockSize);
            return;
        }
        finishBootStep(Boot::ResultDownloadFailed);
        return;
    case Boot::TagBlockReceived:
        if (++m_bootRetries <= kBootRetries) {
            // Before the first block, silence means the request to start
            // sending was lost: ask again. Otherwise acknowledge again.
            const bool nothingYet = m_readBack.isEmpty() && status == Boot::StatusNoReply;
            m_link->sendTaggedByte(Boot::TagBlockReceived,
                                   nothingYet ? Boot::kReadyToReceive : Boot::kAck, true,
                                   Boot::kReplyTimeoutMs);
            return;
        }
        finishBootStep(Boot::ResultVerifyFailed);
        return;
    case Boot::TagEndOfTransmission:
    case Boot::TagConnect:
    case Boot::TagStart:
    case Boot::TagH:
    case Boot::TagErase:
    case Boot::TagN:
    case Boot::TagO:
    case Boot::TagRead:
    case Boot::TagWrite:
    case Boot::TagT:
    case Boot::TagV:
    case Boot::TagW:
    case Boot::TagLowerH:
    case Boot::TagLowerO:
    case Boot::TagLowerW:
        if (m_bootRetries > kBootRetries) {
            m_bootCommands.clear();
            finishBootStep(Boot::ResultCommandFailed);
            return;
        }
        break;
    case Boot::TagSwitchToBoot:
        // No '<' within the switch's time. The write is not sent again: a
        // pump that did take it waits in its boot loader, where a second
        // Modbus frame is only noise.
        if (m_bootStep == BootStep::Switching) {
            finishBootStep(Boot::ResultCommandFailed);
            return;
        }
        break;
    default:
        break;
    }
    resendOrEndStep();
}

void CommSend::resendOrEndStep()
{
    if (m_bootCommands.isEmpty()) {
        finishBootStep(0);
        return;
    }
    ++m_bootRetries;
    sendFirstBootCommand();
}

void CommSend::finishBootStep(int result)
{
    m_bootStep = BootStep::None;
    m_bootCommands.clear();
    // Idle first: the page that hears the result may start the next step.
    m_idle.store(true, std::memory_order_release);
    if (result != 0)
        Q_EMIT upgradeReturnAcction(result);
}
