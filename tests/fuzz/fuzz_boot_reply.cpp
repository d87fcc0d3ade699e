// The boot loader's replies under any bytes, for every tag. Each input is a
// script of sends (a boot command, a tagged byte, a block, the switch into
// the boot loader), the bytes that come back in chunks of any size,
// timeouts and changes of the number of blocks the verification expects.
// The real Communication collects and judges; the harness checks each
// outcome against its own reading of what each tag accepts:
//  - acknowledgement tags (EOT, block sent): the reply starts with ACK;
//  - command tags (#, H, I, O, W, R): exactly 0x80; the write (S): exactly 'C';
//  - block received (B): a whole block, the number expected next, its
//    complement and CRC, or EOT once every expected block is in;
//  - tags answered by anything (G, N, T, V, Z, h, o, w): some reply;
//  - anything else: never accepted.
// The reply reported is the bytes received since the send, and a block
// reported is never cut short. After the switch (Z) the pump's echo and
// anything before the boot loader's '<' are dropped: the reply starts at
// the '<'.

#include "FuzzLink.h"

#include "BootProtocol.h"

#include <QVector>

#include <cstdint>

using namespace FuzzSupport;

namespace {

constexpr quint8 kOpSend = 0xFF;
constexpr quint8 kOpTimeout = 0xFE;
constexpr quint8 kOpBlocksExpected = 0xFD;

// Every tag the queue uses, and a few it never does.
constexpr int kTags[] = {4,   '#', 'B', 'C', 'G', 'H', 'I', 'N', 'O', 'R', 'S',
                         'T', 'V', 'W', 'Z', 'h', 'o', 'w', 'A', 0,   'x', 0x80};
constexpr int kTagCount = sizeof(kTags) / sizeof(kTags[0]);

struct Outcome
{
    int tag;
    int status;
    QByteArray bytes;
};

class Harness
{
public:
    Harness()
    {
        m_link.setMode(Communication::BootMode);
        QObject::connect(&m_link, qOverload<int, int, QByteArray &>(&Communication::returnStatus),
                         [this](int tag, int status, QByteArray &bytes) {
                             m_outcomes.append({tag, status, bytes});
                         });
    }

    void run(Input &in)
    {
        while (!in.atEnd()) {
            const quint8 op = in.byte();
            if (op == kOpSend) {
                send(in);
            } else if (op == kOpTimeout) {
                timeout();
            } else if (op == kOpBlocksExpected) {
                m_blocksExpected = in.byte();
                m_link.setBlocksExpected(m_blocksExpected);
            } else {
                deliver(in.bytes(op));
            }
        }
    }

private:
    void send(Input &in)
    {
        const int tag = kTags[in.byte() % kTagCount];
        const quint8 how = in.byte();
        m_stream.clear();
        m_sent = true;
        m_tag = tag;
        m_echo.clear();
        if (tag == 'Z') {
            // The switch into the boot loader, echoed by the pump first.
            m_link.writeRegisterValue(tag, 1, 160, 0x9B47);
            m_echo = m_link.lastFrame;
            m_echoPending = true;
        } else if (tag == 'C') {
            QByteArray data(Boot::kBlockSize, static_cast<char>(how));
            m_link.sendBlock(how, data.constData(), data.size());
        } else if (how & 1) {
            const QString command = Boot::command(tag, 4096, 996);
            if (m_link.sendBootCommand(command) < 0) {
                // Not a command: send the tag byte on its own instead.
                m_link.sendTaggedByte(tag, static_cast<char>(tag), (how & 2) != 0, 400);
            }
        } else {
            m_link.sendTaggedByte(tag, static_cast<char>(tag), (how & 2) != 0, 400);
        }
        check(m_link.lastTag() == tag, "a send did not take its tag");
    }

    void timeout()
    {
        const int before = m_outcomes.size();
        m_link.timeout();
        if (m_sent) {
            check(m_outcomes.size() == before + 1, "a timeout did not report once");
            const Outcome &o = m_outcomes.last();
            check(o.tag == m_tag && o.status == Boot::StatusNoReply && o.bytes.isEmpty(),
                  "a timeout reported something other than no reply");
        }
        m_stream.clear();
    }

    void deliver(const QByteArray &bytes)
    {
        if (bytes.isEmpty())
            return;
        const int before = m_outcomes.size();
        m_link.feed(bytes);
        check(m_outcomes.size() <= before + 1, "one delivery reported twice");
        if (!m_sent) {
            check(m_outcomes.size() == before, "bytes before any send reported an outcome");
            return;
        }
        m_stream.append(bytes);
        if (m_echoPending) {
            // Until the whole echo is in, the link waits; then it is dropped.
            if (m_stream.size() < m_echo.size() && m_echo.startsWith(m_stream)) {
                check(m_outcomes.size() == before, "a partial switch echo was judged");
                return;
            }
            if (m_stream.startsWith(m_echo))
                m_stream.remove(0, m_echo.size());
            m_echoPending = false;
        }
        if (m_tag == 'Z') {
            const int at = m_stream.indexOf('<');
            m_stream.remove(0, at < 0 ? m_stream.size() : at);
            if (m_stream.isEmpty()) {
                check(m_outcomes.size() == before,
                      "bytes before the boot loader's '<' were judged");
                return;
            }
        }
        if (m_outcomes.size() == before) {
            // Only a block still on its way may keep the link waiting.
            check(m_tag == 'B' && m_stream.at(0) == Boot::kSoh && m_stream.size() < 133,
                  "a complete boot reply went unjudged");
            return;
        }
        const Outcome &o = m_outcomes.last();
        check(o.tag == m_tag, "a reply was judged under another tag");
        check(o.status == Boot::StatusAccepted || o.status == Boot::StatusRejected,
              "a reply got an unknown status");
        check(m_stream.startsWith(o.bytes) && !o.bytes.isEmpty(),
              "the reply judged is not what was received");
        const bool accepted = o.status == Boot::StatusAccepted;
        check(accepted == acceptable(o.bytes),
              accepted ? "a wrong boot reply was accepted" : "a right boot reply was refused");
        m_stream.clear();
    }

    // The harness's own rules, with its own block counters.
    bool acceptable(const QByteArray &reply)
    {
        const auto only = [&reply](char c) { return reply.size() == 1 && reply.at(0) == c; };
        switch (m_tag) {
        case 4:
        case 'C':
            return reply.at(0) == 0x06;
        case '#':
        case 'H':
        case 'I':
        case 'O':
        case 'W':
            return only(static_cast<char>(0x80));
        case 'R':
            m_nextBlock = 1;
            m_blocksIn = 0;
            return only(static_cast<char>(0x80));
        case 'S':
            return only('C');
        case 'B':
            return acceptableBlock(reply);
        case 'G':
        case 'N':
        case 'T':
        case 'V':
        case 'Z':
        case 'h':
        case 'o':
        case 'w':
            return true;
        default:
            return false;
        }
    }

    bool acceptableBlock(const QByteArray &reply)
    {
        if (reply.size() == 1 && reply.at(0) == 0x04)
            return m_blocksIn == m_blocksExpected;
        check(reply.at(0) != 0x01 || reply.size() == 133, "a block was judged cut short");
        if (reply.size() != 133 || reply.at(0) != 0x01)
            return false;
        const quint8 number = static_cast<quint8>(reply.at(1));
        const quint8 complement = static_cast<quint8>(reply.at(2));
        const quint16 crc = crcXmodem(reply.mid(3, 128));
        const quint16 sent = static_cast<quint16>(static_cast<quint8>(reply.at(131)) << 8 |
                                                  static_cast<quint8>(reply.at(132)));
        if (number != m_nextBlock || complement != static_cast<quint8>(~m_nextBlock) || crc != sent)
            return false;
        ++m_nextBlock;
        ++m_blocksIn;
        return true;
    }

    CapturingLink m_link;
    QVector<Outcome> m_outcomes;
    bool m_sent = false;
    int m_tag = 0;
    QByteArray m_stream;
    QByteArray m_echo;
    bool m_echoPending = false;
    int m_blocksExpected = 0;
    quint8 m_nextBlock = 1;
    int m_blocksIn = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    Harness harness;
    harness.run(in);
    return 0;
}
