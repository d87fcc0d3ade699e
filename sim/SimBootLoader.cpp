#include "SimBootLoader.h"

#include "Crc16.h"

#include <QTimer>

#include <cstdio>

namespace {

constexpr char kSoh = 0x01;
constexpr char kEot = 0x04;
constexpr char kAck = 0x06;
constexpr char kNak = 0x15;
constexpr char kAccepted = static_cast<char>(0x80);
constexpr int kFrameSize = 3 + SimBootLoader::kBlockSize + 2;
// The only place the application may be erased, written, read or started.
constexpr int kApplicationStart = 0x1000;
// A command longer than this is line noise.
constexpr int kLongestCommand = 64;
// A write or read that hears nothing of its sender this long is abandoned
// and commands are taken again. Longer than the client's 400 ms wait for an
// answer, so a transfer that is still resending never trips it.
constexpr int kTransferIdleMs = 1000;

bool startsCommand(char c)
{
    return c == '#' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int hexField(const QList<QByteArray> &fields, int index, bool *ok)
{
    bool good = false;
    const int value = fields.value(index).toInt(&good, 16);
    if (!good)
        *ok = false;
    return value;
}

} // namespace

SimBootLoader::SimBootLoader(QObject *parent)
    : QObject(parent)
    , m_random(m_faults.seed)
{
    m_clock.start();
    m_transferIdle.setSingleShot(true);
    m_transferIdle.setTimerType(Qt::PreciseTimer);
    m_transferIdle.setInterval(kTransferIdleMs);
    connect(&m_transferIdle, &QTimer::timeout, this, &SimBootLoader::abandonTransfer);
}

void SimBootLoader::abandonTransfer()
{
    if (m_state != State::Receiving && m_state != State::ReadReady && m_state != State::Sending)
        return;
    log(QStringLiteral("transfer abandoned, taking commands again"));
    m_state = State::Commands;
    m_input.clear();
}

void SimBootLoader::setFaults(const SimBootFaults &faults)
{
    m_faults = faults;
    m_random.seed(faults.seed);
}

void SimBootLoader::scriptCorruptReadBlock(int blockNumber)
{
    m_scriptedCorruptReads.insert(blockNumber);
}

bool SimBootLoader::isSwitchRequest(const QByteArray &frame)
{
    // slave, 6, register 160 as wire address 0x3001 + 160, value, CRC
    if (frame.size() != 8)
        return false;
    const auto word = [&frame](int at) {
        return static_cast<uchar>(frame.at(at)) << 8 | static_cast<uchar>(frame.at(at + 1));
    };
    return static_cast<uchar>(frame.at(0)) == kSwitchSlave && frame.at(1) == 6 &&
        word(2) == 0x3001 + kSwitchRegister && word(4) == kSwitchValue;
}

void SimBootLoader::enter()
{
    m_state = State::AwaitingHandshake;
    m_input.clear();
    m_answers = 0;
    const quint64 entry = ++m_entry;
    if (m_faults.announceNoise > 0) {
        log(QStringLiteral("boot loader started, %1 noise bytes").arg(m_faults.announceNoise));
        if (m_writer)
            m_writer(QByteArray(m_faults.announceNoise, '\0'));
    }
    if (m_faults.announceDelayMs > 0)
        QTimer::singleShot(m_faults.announceDelayMs, Qt::PreciseTimer, this,
                           [this, entry] { announce(entry); });
    else
        announce(entry);
    emit entered();
}

void SimBootLoader::announce(quint64 entry)
{
    // Restarted or left since: that start's '<' never goes out.
    if (entry != m_entry || m_state != State::AwaitingHandshake)
        return;
    log(QStringLiteral("boot loader started, sending '<'"));
    if (m_writer)
        m_writer(QByteArray(1, '<'));
}

void SimBootLoader::startInBootLoader()
{
    ++m_entry;
    m_state = State::Commands;
    m_input.clear();
    m_answers = 0;
}

void SimBootLoader::reset()
{
    ++m_entry;
    m_state = State::Off;
    m_input.clear();
}

void SimBootLoader::clearLog()
{
    m_commands.clear();
    m_blocksRefused = 0;
    m_acksLost = 0;
    m_duplicateBlocks = 0;
    m_readBlocksSent = 0;
    m_strayBytes = 0;
}

void SimBootLoader::receive(const QByteArray &bytes)
{
    m_input.append(bytes);
    process();
}

void SimBootLoader::process()
{
    while (!m_input.isEmpty()) {
        const char first = m_input.at(0);
        switch (m_state) {
        case State::Off:
        case State::Erasing:
            // Nobody reads the line while the flash is being erased.
            m_input.clear();
            return;
        case State::AwaitingHandshake: {
            const int at = m_input.indexOf('>');
            if (at < 0) {
                m_input.clear();
                return;
            }
            m_input.remove(0, at + 1);
            m_state = State::Commands;
            log(QStringLiteral("handshake '>' taken"));
            break;
        }
        case State::Commands: {
            if (!startsCommand(first)) {
                m_input.remove(0, 1);
                ++m_strayBytes;
                break;
            }
            const int end = m_input.indexOf('#');
            if (end < 0) {
                if (m_input.size() > kLongestCommand)
                    m_input.clear();
                return;
            }
            const QByteArray text = m_input.left(end);
            m_input.remove(0, end + 1);
            takeCommand(text);
            break;
        }
        case State::Receiving:
            if (first == kEot) {
                m_input.remove(0, 1);
                m_flash = m_received;
                damageFlash();
                m_state = State::Commands;
                log(QStringLiteral("EOT after %1 bytes").arg(m_received.size()));
                answer(QByteArray(1, kAck));
                emit writeFinished();
                break;
            }
            if (first != kSoh) {
                m_input.remove(0, 1);
                break;
            }
            if (m_input.size() < kFrameSize)
                return;
            m_transferIdle.start();
            takeBlock(m_input.left(kFrameSize));
            m_input.remove(0, kFrameSize);
            break;
        case State::ReadReady:
            m_input.remove(0, 1);
            if (first == 'C') {
                m_transferIdle.start();
                m_state = State::Sending;
                m_readBlock = 1;
                sendReadBlock();
            }
            break;
        case State::Sending:
            m_input.remove(0, 1);
            if (first == kAck || first == kNak || first == 'C')
                m_transferIdle.start();
            if (first == kAck) {
                ++m_readBlock;
                if ((m_readBlock - 1) * kBlockSize >= m_readLength) {
                    m_state = State::Commands;
                    log(QStringLiteral("read done, sending EOT"));
                    answer(QByteArray(1, kEot));
                    emit readFinished();
                } else {
                    sendReadBlock();
                }
            } else if (first == kNak || first == 'C') {
                sendReadBlock();
            }
            break;
        }
    }
}

void SimBootLoader::takeCommand(const QByteArray &text)
{
    const QString command = QString::fromLatin1(text);
    m_commands.append(command);
    log(QStringLiteral("command %1#").arg(command));
    emit commandTaken(command);
    if (text.isEmpty()) {
        answer(QByteArray(1, kAccepted));
        return;
    }
    const char letter = text.at(0);
    const QList<QByteArray> fields = text.mid(1).split(',');
    bool ok = true;
    const int start = hexField(fields, 0, &ok);
    switch (letter) {
    case 'I':
        hexField(fields, 1, &ok);
        if (!ok || fields.size() != 2 || start != kApplicationStart)
            break;
        m_state = State::Erasing;
        if (m_faults.eraseDelayMs > 0)
            QTimer::singleShot(m_faults.eraseDelayMs, Qt::PreciseTimer, this,
                               &SimBootLoader::finishErase);
        else
            finishErase();
        return;
    case 'S': {
        const int length = hexField(fields, 1, &ok);
        if (!ok || fields.size() != 2 || start != kApplicationStart || length <= 0)
            break;
        m_writeLength = length;
        m_received.clear();
        m_expectedBlock = 1;
        m_state = State::Receiving;
        m_transferIdle.start();
        answer(QByteArray(1, 'C'));
        return;
    }
    case 'R': {
        const int length = hexField(fields, 1, &ok);
        if (!ok || fields.size() != 2 || start != kApplicationStart || length <= 0)
            break;
        m_readLength = length;
        m_state = State::ReadReady;
        m_transferIdle.start();
        answer(QByteArray(1, kAccepted));
        return;
    }
    case 'G':
        if (!ok || fields.size() != 1 || start != kApplicationStart)
            break;
        answer(QByteArray(1, kAccepted));
        m_state = State::Off;
        m_input.clear();
        log(QStringLiteral("application started, serving Modbus"));
        emit left();
        return;
    default:
        log(QStringLiteral("unknown command, no answer"));
        return;
    }
    answer(QByteArray(1, kNak));
}

void SimBootLoader::finishErase()
{
    if (m_state != State::Erasing)
        return;
    m_flash.clear();
    m_state = State::Commands;
    answer(QByteArray(1, kAccepted));
}

void SimBootLoader::takeBlock(const QByteArray &frame)
{
    const quint8 number = static_cast<quint8>(frame.at(1));
    const quint8 complement = static_cast<quint8>(frame.at(2));
    const QByteArray data = frame.mid(3, kBlockSize);
    const quint16 crc = static_cast<quint16>(static_cast<uchar>(frame.at(3 + kBlockSize)) << 8 |
                                             static_cast<uchar>(frame.at(4 + kBlockSize)));
    // Both draws every block, so that the rates do not shift the sequence.
    const bool refuse = m_random.generateDouble() < m_faults.refuseRate;
    const bool loseAck = m_random.generateDouble() < m_faults.lostAckRate;
    if (complement != static_cast<quint8>(255 - number) || crc != Crc16::xmodem(data)) {
        log(QStringLiteral("block %1 damaged, NAK").arg(number));
        answer(QByteArray(1, kNak));
        return;
    }
    const int index = m_received.size() / kBlockSize + 1;
    if (number == m_expectedBlock) {
        if (refuse || index == m_faults.refuseBlock) {
            ++m_blocksRefused;
            log(QStringLiteral("block %1 refused").arg(number));
            answer(QByteArray(1, kNak));
            return;
        }
        m_received.append(data);
        ++m_expectedBlock;
        if (loseAck) {
            ++m_acksLost;
            log(QStringLiteral("block %1 kept, acknowledgement lost").arg(number));
            return;
        }
        answer(QByteArray(1, kAck));
        return;
    }
    if (!m_received.isEmpty() && number == static_cast<quint8>(m_expectedBlock - 1)) {
        // The sender missed our ACK and sent the block again.
        ++m_duplicateBlocks;
        answer(QByteArray(1, kAck));
        return;
    }
    log(QStringLiteral("block %1 out of order (expected %2), NAK")
            .arg(number)
            .arg(m_expectedBlock));
    answer(QByteArray(1, kNak));
}

void SimBootLoader::damageFlash()
{
    const int at = (m_faults.badFlashBlock - 1) * kBlockSize;
    if (m_faults.badFlashBlock <= 0 || at >= m_flash.size())
        return;
    m_flash[at] = static_cast<char>(~m_flash.at(at));
    log(QStringLiteral("flash block %1 keeps a wrong byte").arg(m_faults.badFlashBlock));
}

void SimBootLoader::sendReadBlock()
{
    QByteArray data = m_flash.mid((m_readBlock - 1) * kBlockSize, kBlockSize);
    // Erased flash reads as 0xFF.
    data.append(QByteArray(kBlockSize - data.size(), static_cast<char>(0xFF)));
    const quint8 number = static_cast<quint8>(m_readBlock & 0xFF);
    QByteArray frame;
    frame.append(kSoh);
    frame.append(static_cast<char>(number));
    frame.append(static_cast<char>(255 - number));
    frame.append(data);
    const quint16 crc = Crc16::xmodem(data);
    frame.append(static_cast<char>(crc >> 8));
    frame.append(static_cast<char>(crc & 0xFF));
    ++m_readBlocksSent;
    const bool randomCorrupt = m_random.generateDouble() < m_faults.corruptReadRate;
    if (randomCorrupt || m_scriptedCorruptReads.remove(m_readBlocksSent)) {
        frame[kFrameSize - 1] = static_cast<char>(frame.at(kFrameSize - 1) ^ 0xFF);
        log(QStringLiteral("read block %1 sent with a wrong CRC").arg(m_readBlock));
    }
    answer(frame);
}

bool SimBootLoader::answer(const QByteArray &bytes)
{
    ++m_answers;
    if (m_faults.silentFrom > 0 && m_answers >= m_faults.silentFrom) {
        log(QStringLiteral("silent: %1 bytes withheld").arg(bytes.size()));
        return false;
    }
    if (m_writer)
        m_writer(bytes);
    return true;
}

void SimBootLoader::log(const QString &text) const
{
    if (!m_verbose)
        return;
    const QString line =
        QStringLiteral("%1 boot: %2\n").arg(m_clock.elapsed() / 1000.0, 9, 'f', 3).arg(text);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}
