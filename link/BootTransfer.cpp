#include "BootTransfer.h"

#include "BootProtocol.h"
#include "Communication.h"

#include <QDebug>

namespace {

// The upgrade actions 0..4 in the order of the failure's steps.
bool failureStepOf(int action, Boot::Failure::Step *step)
{
    if (action < Boot::stepAction(Boot::UpgradeStep::SwitchToBoot) ||
        action > Boot::stepAction(Boot::UpgradeStep::Verify))
        return false;
    *step = static_cast<Boot::Failure::Step>(action);
    return true;
}

// The first block, counted from 1, in which the read-back differs from the
// image; a read-back cut short differs where it ends.
int firstDifferingBlock(const QByteArray &readBack, const QByteArray &image)
{
    const int blocks = Boot::blockCount(qMax(readBack.size(), image.size()));
    for (int block = 0; block < blocks; ++block) {
        const int at = block * Boot::kBlockSize;
        if (readBack.mid(at, Boot::kBlockSize) != image.mid(at, Boot::kBlockSize))
            return block + 1;
    }
    return 0;
}

} // namespace

BootTransfer::BootTransfer(Hold &queue, QObject *parent)
    : QObject(parent)
    , m_queue(queue)
{
}

void BootTransfer::setFirmware(const QByteArray &image)
{
    m_imageSize = image.size();
    m_blockCount = Boot::blockCount(m_imageSize);
    m_firmware = Boot::padImage(image);
    m_currentBlock = 1;
}

void BootTransfer::start(int action)
{
    // Every step gets its full retries, whatever the last one used up.
    m_retries = 0;
    m_refusals = 0;
    m_commands.clear();
    if (!failureStepOf(action, &m_step))
        return;
    const int begin = Boot::kApplicationAddress;
    const auto step = static_cast<Boot::UpgradeStep>(action);
    // Without an image, erasing would leave the pump with no application.
    const bool needsImage = step == Boot::UpgradeStep::Erase ||
        step == Boot::UpgradeStep::Download || step == Boot::UpgradeStep::Verify;
    if (needsImage && m_blockCount == 0) {
        fail(Boot::ResultCommandFailed, Boot::Failure::Reason::NoImage);
        return;
    }
    switch (step) {
    case Boot::UpgradeStep::SwitchToBoot:
        // The pump's '<' moves on to the connect; without one in the
        // switch's time the step fails. The queue stays held all along, so
        // that no Modbus request takes the line from under the '<'.
        m_queue.hold();
        m_phase = Phase::Switching;
        m_link->writeRegisterValue(Boot::TagSwitchToBoot, Boot::kSwitchSlave, Boot::kSwitchRegister,
                                   Boot::kSwitchValue);
        break;
    case Boot::UpgradeStep::Connect:
        startPhase(Phase::Connecting, Boot::command(Boot::TagConnect));
        break;
    case Boot::UpgradeStep::Erase:
        startPhase(Phase::Erasing,
                   Boot::command(Boot::TagErase, begin,
                                 m_eraseAll.load() ? Boot::kEraseAllEndPage : Boot::kEraseEndPage));
        break;
    case Boot::UpgradeStep::Download:
        startPhase(Phase::Downloading, Boot::command(Boot::TagWrite, begin, m_firmware.size()));
        break;
    case Boot::UpgradeStep::Verify:
        m_readBack.clear();
        startPhase(Phase::Verifying, Boot::command(Boot::TagRead, begin, m_firmware.size()));
        break;
    }
}

void BootTransfer::refuse(int action)
{
    Boot::Failure failure;
    if (!failureStepOf(action, &failure.step))
        failure.step = Boot::Failure::Step::Connect;
    failure.reason = Boot::Failure::Reason::LinkBusy;
    m_lastFailure = failure;
    qWarning().noquote() << Boot::describe(failure);
    Q_EMIT upgradeReturnFailure(failure);
    Q_EMIT upgradeReturnAcction(Boot::ResultCommandFailed);
}

void BootTransfer::abort()
{
    if (isRunning())
        fail(Boot::ResultCommandFailed, Boot::Failure::Reason::LinkLost);
}

void BootTransfer::startPhase(Phase phase, const QString &command)
{
    m_queue.hold();
    m_phase = phase;
    m_commands.append(command);
    sendFirstCommand();
}

void BootTransfer::sendFirstCommand()
{
    m_link->sendBootCommand(m_commands.first());
}

void BootTransfer::sendNextBlock()
{
    if (m_currentBlock > m_blockCount) {
        m_commands.append(Boot::command(Boot::TagEndOfTransmission));
        sendFirstCommand();
        return;
    }
    m_blockBuffer = m_firmware.mid((m_currentBlock - 1) * Boot::kBlockSize, Boot::kBlockSize);
    m_link->sendBlock(m_currentBlock, m_blockBuffer.constData(), Boot::kBlockSize);
}

void BootTransfer::recieveData(int tag, int status, const QByteArray &bytes)
{
    if (!isRunning()) {
        qDebug() << "ignoring boot reply" << tag << status << "with no step running";
        return;
    }
    if (status == Boot::StatusAccepted) {
        if (!m_commands.isEmpty())
            m_commands.removeFirst();
        m_retries = 0;
        m_refusals = 0;
        replyAccepted(tag, bytes);
    } else {
        replyRejected(tag, status);
    }
}

void BootTransfer::replyAccepted(int tag, const QByteArray &bytes)
{
    switch (tag) {
    case Boot::TagBlockSent:
        Q_EMIT upgradeReturnProgress(m_currentBlock);
        ++m_currentBlock;
        sendNextBlock();
        return;
    case Boot::TagConnect:
        finish(Boot::ResultConnected);
        return;
    case Boot::TagBlockReceived:
        blockReceived(bytes);
        return;
    case Boot::TagEndOfTransmission:
        finish(Boot::ResultDownloaded);
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
        finish(Boot::ResultErased);
        return;
    case Boot::TagWrite:
        m_currentBlock = 1;
        sendNextBlock();
        return;
    case Boot::TagSwitchToBoot:
        if (m_phase != Phase::Switching)
            break;
        if (!bytes.isEmpty() && bytes.at(0) == Boot::kBootStarted) {
            m_phase = Phase::Connecting;
            m_step = Boot::Failure::Step::Connect;
            m_link->sendTaggedByte(Boot::TagSwitchToBoot, Boot::kHandshake, true,
                                   Boot::kReplyTimeoutMs);
            m_commands.append(Boot::command(Boot::TagConnect));
            sendFirstCommand();
            return;
        }
        // The link hands on only the '<'; any other answer means the pump
        // did not switch, and the page must hear so.
        fail(Boot::ResultCommandFailed, Boot::Failure::Reason::NotBootLoader, 1);
        return;
    default:
        break;
    }
    resendOrEnd();
}

void BootTransfer::blockReceived(const QByteArray &bytes)
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
        fail(Boot::ResultVerifyFailed, Boot::Failure::Reason::Mismatch, 1,
             firstDifferingBlock(m_readBack, m_firmware));
        return;
    }
    // The step goes on until the pump has taken the start command.
    Q_EMIT upgradeReturnAcction(Boot::ResultVerified);
    m_phase = Phase::Starting;
    m_step = Boot::Failure::Step::StartApplication;
    m_commands.append(Boot::command(Boot::TagStart, Boot::kApplicationAddress));
    sendFirstCommand();
}

void BootTransfer::replyRejected(int tag, int status)
{
    switch (tag) {
    case Boot::TagBlockSent:
        if (status == Boot::StatusRejected)
            ++m_refusals;
        if (++m_retries <= kRetries) {
            m_link->sendBlock(m_currentBlock, m_blockBuffer.constData(), Boot::kBlockSize);
            return;
        }
        fail(Boot::ResultDownloadFailed, Boot::Failure::Reason::BlockFailed, m_retries,
             m_currentBlock, m_refusals);
        return;
    case Boot::TagBlockReceived:
        if (status == Boot::StatusRejected)
            ++m_refusals;
        if (++m_retries <= kRetries) {
            // Before the first block, silence means the request to start
            // sending was lost: ask again. Otherwise acknowledge again.
            const bool nothingYet = m_readBack.isEmpty() && status == Boot::StatusNoReply;
            m_link->sendTaggedByte(Boot::TagBlockReceived,
                                   nothingYet ? Boot::kReadyToReceive : Boot::kAck, true,
                                   Boot::kReplyTimeoutMs);
            return;
        }
        fail(Boot::ResultVerifyFailed, Boot::Failure::Reason::ReadBlockFailed, m_retries,
             m_currentBlock, m_refusals);
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
        if (m_retries > kRetries) {
            // The first send and each resend.
            fail(Boot::ResultCommandFailed,
                 status == Boot::StatusNoReply ? Boot::Failure::Reason::NoAnswer
                                               : Boot::Failure::Reason::Refused,
                 m_retries + 1);
            return;
        }
        break;
    case Boot::TagSwitchToBoot:
        // No '<' within the switch's time. The write is not sent again: a
        // pump that did take it waits in its boot loader, where a second
        // Modbus frame is only noise.
        if (m_phase == Phase::Switching) {
            fail(Boot::ResultCommandFailed, Boot::Failure::Reason::NoAnswer, 1);
            return;
        }
        break;
    default:
        break;
    }
    resendOrEnd();
}

void BootTransfer::resendOrEnd()
{
    if (m_commands.isEmpty()) {
        finish(kNoResult);
        return;
    }
    ++m_retries;
    sendFirstCommand();
}

void BootTransfer::finish(int result)
{
    m_phase = Phase::None;
    m_commands.clear();
    // Released first: the page that hears the result may start the next step.
    m_queue.release();
    if (result != kNoResult)
        Q_EMIT upgradeReturnAcction(result);
}

void BootTransfer::fail(int result, Boot::Failure::Reason reason, int attempts, int block,
                        int refusals)
{
    Boot::Failure failure;
    failure.step = m_step;
    failure.reason = reason;
    failure.attempts = attempts;
    failure.block = block;
    failure.refusals = refusals;
    m_lastFailure = failure;
    qWarning().noquote() << Boot::describe(failure);
    finish(kNoResult);
    Q_EMIT upgradeReturnFailure(failure);
    Q_EMIT upgradeReturnAcction(result);
}
