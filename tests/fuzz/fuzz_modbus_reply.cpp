// The Modbus reply path under any bytes. Each input is a script: a request
// of any of the eight kinds (any slave, index and count, in or out of its
// table), then the bytes that come back, in chunks of any size, with
// timeouts and further requests in between. The real Communication builds
// each request and handles every byte; the harness judges each outcome on
// its own terms:
//  - no crash and no memory fault (ASan, UBSan);
//  - a refused request is one that really leaves its table, and a built one
//    names exactly the slave, function and range asked for;
//  - success only for the reply that matches the request in slave,
//    function, byte count or echo and CRC, and then always;
//  - the register image changes only in the request's own range, only on
//    success, and to the values the reply carries;
//  - one outcome per request, none with no request pending.

#include "FuzzLink.h"

#include "RegisterImage.h"

#include <QVector>

#include <algorithm>
#include <cstdint>

using namespace FuzzSupport;

namespace {

constexpr quint8 kOpRequest = 0xFF;
constexpr quint8 kOpTimeout = 0xFE;

constexpr int kFunctions[] = {1, 2, 3, 4, 5, 6, 15, 16};

struct TableShape
{
    int base;
    int size;
};

TableShape shapeOf(int function)
{
    switch (function) {
    case 1:
    case 5:
    case 15:
        return {0x1001, RegisterImage::kCoilCount};
    case 2:
        return {0x2001, RegisterImage::kDiscreteInputCount};
    case 3:
    case 6:
    case 16:
        return {0x3001, RegisterImage::kHoldingRegisterCount};
    default:
        return {0x4001, RegisterImage::kInputRegisterCount};
    }
}

bool isRead(int function)
{
    return function >= 1 && function <= 4;
}

bool isSingleWrite(int function)
{
    return function == 5 || function == 6;
}

// What the harness expects of one request, worked out from what it asked.
struct Expectation
{
    int slave = 0;
    int function = 0;
    int index = 0;
    int count = 0;
    QByteArray frame;
    int replyLength = 0;
    int byteCount = 0;
};

int wordAt(const QByteArray &data, int i)
{
    return static_cast<quint8>(data.at(i)) << 8 | static_cast<quint8>(data.at(i + 1));
}

void fillImage(RegisterImage &image, int seed)
{
    for (int i = 0; i < RegisterImage::kCoilCount; ++i)
        image.coils[i] = static_cast<quint8>((i * 37 + seed) % 3);
    for (int i = 0; i < RegisterImage::kDiscreteInputCount; ++i)
        image.discreteInputs[i] = static_cast<quint8>((i * 11 + seed) & 0xFF);
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        image.holdingRegisters[i] = 0x12345 + i * 7919 + seed;
    for (int i = 0; i < RegisterImage::kInputRegisterCount; ++i)
        image.inputRegisters[i] = -1 - i * 131 - seed;
}

bool sameImage(const RegisterImage &a, const RegisterImage &b)
{
    return std::equal(a.coils, a.coils + RegisterImage::kCoilCount, b.coils) &&
        std::equal(a.discreteInputs, a.discreteInputs + RegisterImage::kDiscreteInputCount,
                   b.discreteInputs) &&
        std::equal(a.holdingRegisters, a.holdingRegisters + RegisterImage::kHoldingRegisterCount,
                   b.holdingRegisters) &&
        std::equal(a.inputRegisters, a.inputRegisters + RegisterImage::kInputRegisterCount,
                   b.inputRegisters);
}

class Harness
{
public:
    Harness()
    {
        QObject::connect(&m_link, qOverload<int>(&Communication::returnStatus),
                         [this](int status) { m_statuses.append(status); });
    }

    void run(Input &in)
    {
        sendRequest(in);
        while (!in.atEnd()) {
            const quint8 op = in.byte();
            if (op == kOpRequest) {
                // The queue sends again only after an outcome.
                if (m_pending)
                    timeout();
                sendRequest(in);
            } else if (op == kOpTimeout) {
                timeout();
            } else {
                deliver(in.bytes(op));
            }
        }
        if (m_pending)
            timeout();
    }

private:
    void sendRequest(Input &in)
    {
        Expectation e;
        e.function = kFunctions[in.byte() % 8];
        e.slave = in.byte();
        const TableShape shape = shapeOf(e.function);
        // A few indexes either side of the table, to see refusals.
        e.index = in.word() % (shape.size + 8) - 4;
        e.count = isSingleWrite(e.function) ? 1 : in.byte();
        const bool registers = e.function == 3 || e.function == 4 || e.function == 16;
        const bool fits = e.index >= 0 && e.count >= 1 &&
            static_cast<qint64>(e.index) + e.count <= shape.size && (!registers || e.count <= 127);

        ++m_requestNumber;
        fillImage(*RegisterImage::shared(), m_requestNumber);
        m_before = *RegisterImage::shared();
        m_link.lastFrame.clear();
        const int sendsBefore = m_link.sends;
        qint64 written = -1;
        const quint8 slave = static_cast<quint8>(e.slave);
        switch (e.function) {
        case 1:
            written = m_link.readCoils(slave, e.index, e.count);
            break;
        case 2:
            written = m_link.readDiscreteInputs(slave, e.index, e.count);
            break;
        case 3:
            written = m_link.readHoldingRegisters(slave, e.index, e.count);
            break;
        case 4:
            written = m_link.readInputRegisters(slave, e.index, e.count);
            break;
        case 5:
            written = m_link.writeSingleCoil(slave, e.index);
            break;
        case 6:
            written = m_link.writeSingleRegister(slave, e.index);
            break;
        case 15:
            written = m_link.writeMultipleCoils(slave, e.index, e.count);
            break;
        default:
            written = m_link.writeMultipleRegisters(slave, e.index, e.count);
            break;
        }
        check(sameImage(m_before, *RegisterImage::shared()),
              "building a request changed the image");
        if (!fits) {
            check(written == -1 && m_link.sends == sendsBefore,
                  "a request outside its table was sent");
            check(!m_link.hasPendingRequest(), "a refused request left one pending");
            m_pending = false;
            return;
        }
        check(written > 0 && m_link.sends == sendsBefore + 1,
              "a request inside its table was refused");
        checkRequestFrame(e, m_link.lastFrame);
        e.frame = m_link.lastFrame;
        if (isRead(e.function)) {
            e.byteCount = (e.function <= 2) ? (e.count + 7) / 8 : 2 * e.count;
            e.replyLength = 5 + e.byteCount;
        } else {
            e.replyLength = 8;
        }
        m_expect = e;
        m_pending = true;
        m_stream.clear();
        m_statuses.clear();
    }

    void checkRequestFrame(const Expectation &e, const QByteArray &frame)
    {
        check(frame.size() >= 8 && modbusCrcHolds(frame), "request frame without a good CRC");
        check(static_cast<quint8>(frame.at(0)) == e.slave, "request names the wrong slave");
        check(static_cast<quint8>(frame.at(1)) == e.function, "request names the wrong function");
        check(wordAt(frame, 2) == shapeOf(e.function).base + e.index,
              "request names the wrong address");
        const RegisterImage &image = m_before;
        switch (e.function) {
        case 5:
            check(wordAt(frame, 4) == (image.coils[e.index] == 1 ? 0xFF00 : 0),
                  "single coil write carries the wrong value");
            break;
        case 6:
            check(wordAt(frame, 4) == (image.holdingRegisters[e.index] & 0xFFFF),
                  "single register write carries the wrong value");
            break;
        case 15: {
            const int bytes = (e.count + 7) / 8;
            check(wordAt(frame, 4) == e.count && frame.size() == 9 + bytes &&
                      static_cast<quint8>(frame.at(6)) == bytes,
                  "coil write has the wrong shape");
            for (int i = 0; i < e.count; ++i) {
                const int bit = (static_cast<quint8>(frame.at(7 + i / 8)) >> (i % 8)) & 1;
                check(bit == (image.coils[e.index + i] == 1 ? 1 : 0),
                      "coil write carries a wrong bit");
            }
            break;
        }
        case 16:
            check(wordAt(frame, 4) == e.count && frame.size() == 9 + 2 * e.count &&
                      static_cast<quint8>(frame.at(6)) == 2 * e.count,
                  "register write has the wrong shape");
            for (int k = 0; k < e.count; ++k)
                check(wordAt(frame, 7 + 2 * k) == (image.holdingRegisters[e.index + k] & 0xFFFF),
                      "register write carries a wrong value");
            break;
        default:
            check(frame.size() == 8 && wordAt(frame, 4) == e.count, "read has the wrong shape");
            break;
        }
    }

    void timeout()
    {
        const int before = m_statuses.size();
        m_link.timeout();
        if (!m_pending) {
            check(m_statuses.size() == before, "a timeout with nothing pending reported");
            return;
        }
        check(m_statuses.size() == before + 1 && m_statuses.last() == 6,
              "a timeout did not report exactly one timeout");
        check(sameImage(m_before, *RegisterImage::shared()), "a timeout changed the image");
        m_pending = false;
    }

    void deliver(const QByteArray &bytes)
    {
        if (bytes.isEmpty())
            return;
        const int before = m_statuses.size();
        m_link.feed(bytes);
        if (!m_pending) {
            check(m_statuses.size() == before, "bytes with nothing pending reported an outcome");
            check(sameImage(m_before, *RegisterImage::shared()),
                  "bytes with nothing pending changed the image");
            check(!m_link.hasPendingRequest(), "a request became pending by itself");
            return;
        }
        m_stream.append(bytes);
        check(m_statuses.size() <= before + 1, "one delivery reported twice");
        if (m_statuses.size() == before) {
            check(!matches() && !isException(), "a complete matching reply went unreported");
            check(sameImage(m_before, *RegisterImage::shared()),
                  "an unfinished reply changed the image");
            return;
        }
        m_pending = false;
        check(!m_link.hasPendingRequest(), "a request stayed pending after its outcome");
        judge(m_statuses.last());
    }

    // The reply that matches the request: the first replyLength bytes.
    bool matches() const
    {
        const Expectation &e = m_expect;
        if (m_stream.size() < e.replyLength)
            return false;
        const QByteArray reply = m_stream.left(e.replyLength);
        if (static_cast<quint8>(reply.at(0)) != e.slave ||
            static_cast<quint8>(reply.at(1)) != e.function || !modbusCrcHolds(reply))
            return false;
        if (isRead(e.function))
            return static_cast<quint8>(reply.at(2)) == e.byteCount;
        return reply.mid(2, 4) == e.frame.mid(2, 4);
    }

    bool isException() const
    {
        if (m_stream.size() < 5)
            return false;
        const QByteArray reply = m_stream.left(5);
        return static_cast<quint8>(reply.at(0)) == m_expect.slave &&
            static_cast<quint8>(reply.at(1)) == (m_expect.function | 0x80) && modbusCrcHolds(reply);
    }

    void judge(int status)
    {
        check(status == 0 || status == 1 || status == 3, "a reply reported an unknown status");
        const bool match = matches();
        check((status == 0) == match,
              status == 0 ? "success reported for a wrong reply" : "a matching reply was refused");
        check((status == 3) == isException(), "exception status without an exception reply");

        RegisterImage expected = m_before;
        if (status == 0 && isRead(m_expect.function)) {
            const QByteArray reply = m_stream.left(m_expect.replyLength);
            const int f = m_expect.function;
            for (int i = 0; i < m_expect.count; ++i) {
                const int at = m_expect.index + i;
                if (f == 1 || f == 2) {
                    const quint8 bit = (static_cast<quint8>(reply.at(3 + i / 8)) >> (i % 8)) & 1;
                    (f == 1 ? expected.coils : expected.discreteInputs)[at] = bit;
                } else {
                    (f == 3 ? expected.holdingRegisters : expected.inputRegisters)[at] =
                        wordAt(reply, 3 + 2 * i);
                }
            }
        }
        check(sameImage(expected, *RegisterImage::shared()),
              "the image changed outside what the accepted reply carries");
        // From here on the image must stay as the reply left it.
        m_before = expected;
    }

    CapturingLink m_link;
    QVector<int> m_statuses;
    Expectation m_expect;
    bool m_pending = false;
    QByteArray m_stream;
    RegisterImage m_before;
    int m_requestNumber = 0;
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
