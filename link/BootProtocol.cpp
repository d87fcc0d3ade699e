#include "BootProtocol.h"

#include "Crc16.h"

#include <QStringList>

namespace Boot {

QByteArray buildBlock(int blockNumber, const char *data, int length)
{
    QByteArray frame;
    frame.reserve(length + 5);
    const quint8 number = static_cast<quint8>(blockNumber & 0xFF);
    frame.append(kSoh);
    frame.append(static_cast<char>(number));
    frame.append(static_cast<char>(255 - number));
    frame.append(data, length);
    const quint16 crc = Crc16::xmodem(data, length);
    frame.append(static_cast<char>(crc >> 8));
    frame.append(static_cast<char>(crc & 0xFF));
    return frame;
}

int blockCount(int imageSize)
{
    return imageSize <= 0 ? 0 : (imageSize + kBlockSize - 1) / kBlockSize;
}

QByteArray padImage(const QByteArray &image)
{
    QByteArray padded = image;
    padded.append(QByteArray(blockCount(image.size()) * kBlockSize - image.size(), kPadding));
    return padded;
}

QString command(int tag)
{
    return QString::number(tag);
}

QString command(int tag, int argument)
{
    return QStringLiteral("%1 %2").arg(tag).arg(argument);
}

QString command(int tag, int first, int second)
{
    return QStringLiteral("%1 %2 %3").arg(tag).arg(first).arg(second);
}

std::optional<EncodedCommand> encodeCommand(const QString &command)
{
    const QStringList fields = command.split(QLatin1Char(' '));
    const int tag = fields.value(0).toInt();
    // Arguments go out in lower-case hexadecimal without leading zeros.
    const auto argument = [&fields](int field) {
        return QByteArray::number(fields.value(field).toInt(), 16);
    };
    const char letter = static_cast<char>(tag);
    EncodedCommand encoded;
    switch (tag) {
    case TagEndOfTransmission:
        encoded.bytes = QByteArray(1, kEot);
        break;
    case TagConnect:
        encoded.bytes = QByteArray(1, '#');
        break;
    case TagStart:
        encoded.bytes = letter + argument(1) + '#';
        break;
    case TagErase:
        encoded.timeoutMs = kEraseTimeoutMs;
        encoded.bytes = letter + argument(1) + ',' + argument(2) + '#';
        break;
    case TagH:
    case TagO:
    case TagRead:
    case TagWrite:
    case TagW:
        encoded.bytes = letter + argument(1) + ',' + argument(2) + '#';
        break;
    case TagN:
    case TagT:
    case TagV:
        encoded.bytes = QByteArray(1, letter) + '#';
        break;
    case TagLowerH:
    case TagLowerO:
    case TagLowerW: {
        const char digit = tag == TagLowerH ? '2' : tag == TagLowerO ? '1' : '4';
        encoded.bytes = letter + argument(1) + ',' + digit + '#';
        break;
    }
    default:
        return std::nullopt;
    }
    return encoded;
}

int ReplyJudge::judge(int tag, const QByteArray &reply)
{
    const auto single = [&reply](char byte) { return reply.size() == 1 && reply.at(0) == byte; };
    const auto verdict = [](bool accepted) { return accepted ? StatusAccepted : StatusRejected; };
    switch (tag) {
    case TagEndOfTransmission:
    case TagBlockSent:
        return verdict(!reply.isEmpty() && reply.at(0) == kAck);
    case TagConnect:
    case TagH:
    case TagErase:
    case TagO:
    case TagW:
        return verdict(single(kCommandAccepted));
    case TagRead:
        // The verification starts: blocks received counts the blocks
        // actually taken, so the closing EOT matches blocks expected only
        // once every block is in.
        m_expectedBlock = 1;
        m_blocksReceived = 0;
        return verdict(single(kCommandAccepted));
    case TagWrite:
        return verdict(single(kReadyToReceive));
    case TagBlockReceived:
        return judgeBlock(reply);
    case TagStart:
    case TagN:
    case TagT:
    case TagV:
    case TagSwitchToBoot:
    case TagLowerH:
    case TagLowerO:
    case TagLowerW:
        return verdict(!reply.isEmpty());
    default:
        // Nothing we send is tagged so; whatever answers it is not ours.
        return StatusRejected;
    }
}

int ReplyJudge::judgeBlock(const QByteArray &reply)
{
    if (reply.size() == 1 && reply.at(0) == kEot)
        return m_blocksReceived == m_blocksExpected ? StatusAccepted : StatusRejected;
    if (reply.size() != kBlockFrameSize || reply.at(0) != kSoh)
        return StatusRejected;
    const quint8 number = static_cast<quint8>(reply.at(1));
    const quint8 complement = static_cast<quint8>(reply.at(2));
    const quint16 crc = Crc16::xmodem(reply.constData() + 3, kBlockSize);
    const quint16 sent = static_cast<quint16>(static_cast<quint8>(reply.at(3 + kBlockSize)) << 8 |
                                              static_cast<quint8>(reply.at(4 + kBlockSize)));
    if (number != m_expectedBlock || complement != 255 - m_expectedBlock || crc != sent)
        return StatusRejected;
    ++m_blocksReceived;
    ++m_expectedBlock; // wraps after 255, as the block numbers do
    return StatusAccepted;
}

int replyLength(int tag, const QByteArray &buffer)
{
    if (buffer.isEmpty())
        return 0;
    if (tag == TagBlockReceived && buffer.at(0) == kSoh)
        return buffer.size() < kBlockFrameSize ? 0 : kBlockFrameSize;
    if (tag == TagBlockReceived && buffer.at(0) == kEot)
        return 1;
    return buffer.size();
}

QString describe(const Failure &failure)
{
    static const char *const kSteps[] = {
        "switch into the boot loader", "connect", "erase", "download", "verify",
        "start the application"};
    const QString name = QLatin1String(kSteps[static_cast<int>(failure.step)]);
    QString reason;
    switch (failure.reason) {
    case Failure::Reason::None:
        reason = QStringLiteral("no reason recorded");
        break;
    case Failure::Reason::NoAnswer:
        reason = QStringLiteral("no answer after %1 attempts").arg(failure.attempts);
        break;
    case Failure::Reason::Refused:
        reason = QStringLiteral("refused %1 times").arg(failure.attempts);
        break;
    case Failure::Reason::NotBootLoader:
        reason = QStringLiteral("the pump did not announce its boot loader");
        break;
    case Failure::Reason::BlockFailed:
    case Failure::Reason::ReadBlockFailed:
        reason = QStringLiteral("block %1 failed %2 times (%3 refused or bad, %4 unanswered)")
                     .arg(failure.block)
                     .arg(failure.attempts)
                     .arg(failure.refusals)
                     .arg(failure.attempts - failure.refusals);
        break;
    case Failure::Reason::Mismatch:
        reason = QStringLiteral("verification mismatch at block %1").arg(failure.block);
        break;
    case Failure::Reason::NoImage:
        reason = QStringLiteral("no firmware image loaded");
        break;
    case Failure::Reason::LinkBusy:
        reason = QStringLiteral("the link is busy or down");
        break;
    case Failure::Reason::LinkLost:
        reason = QStringLiteral("the link went down");
        break;
    }
    return QStringLiteral("upgrade step %1 failed: %2").arg(name, reason);
}

} // namespace Boot
