#pragma once

// What the fuzz targets share: a Communication whose transport is the
// harness (frames are captured instead of written to a socket, received
// bytes are handed in by the harness), the Qt set-up a link needs, and the
// harness's own CRCs, written apart from the client's so that a fault in
// the client's cannot hide itself.

#include "Communication.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace FuzzSupport {

// Fails the run with a message; libFuzzer saves the input that did it.
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "FUZZ FAULT: %s\n", what);
    std::abort();
}

inline void check(bool condition, const char *what)
{
    if (!condition)
        fail(what);
}

// The link's debug lines about refused replies would drown the fuzzer;
// anything louder than debug means misuse, so it fails the run.
inline void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    std::fprintf(stderr, "Qt warning: %s\n", qPrintable(message));
    std::abort();
}

// A link's timers need an application object on this thread.
inline void initialise()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    qInstallMessageHandler(messageHandler);
    static QCoreApplication app(argc, argv);
}

// Bit by bit, straight from the polynomial.
inline quint16 crcModbus(const QByteArray &data)
{
    quint16 crc = 0xFFFF;
    for (char c : data) {
        crc ^= static_cast<quint8>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<quint16>((crc >> 1) ^ 0xA001)
                            : static_cast<quint16>(crc >> 1);
    }
    return crc;
}

inline quint16 crcXmodem(const QByteArray &data)
{
    quint16 crc = 0;
    for (char c : data) {
        crc ^= static_cast<quint16>(static_cast<quint8>(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<quint16>((crc << 1) ^ 0x1021)
                                 : static_cast<quint16>(crc << 1);
    }
    return crc;
}

// True when the frame ends in the Modbus CRC of the rest, low byte first.
inline bool modbusCrcHolds(const QByteArray &frame)
{
    if (frame.size() < 3)
        return false;
    const quint16 crc = crcModbus(frame.left(frame.size() - 2));
    return static_cast<quint8>(frame.at(frame.size() - 2)) == (crc & 0xFF) &&
        static_cast<quint8>(frame.at(frame.size() - 1)) == (crc >> 8);
}

// The transport half of a link, played by the harness. It does for each
// send what the TCP transport does, minus the socket.
class CapturingLink : public Communication
{
public:
    QByteArray lastFrame;
    int sends = 0;

    void feed(const QByteArray &bytes) { bytesReceived(bytes); }

    void connectToDevice() override { }
    void disconnectFromDevice() override { abandonRequest(); }
    qint64 sendRequest(const char *frame, qint64 length) override
    {
        if (!frame || length <= 0)
            return -1;
        lastFrame = QByteArray(frame, static_cast<int>(length));
        ++sends;
        beginRequest(lastFrame);
        startResponseTimer(kResponseTimeoutMs);
        return length;
    }
    qint64 sendRequest(const char *frame) override
    {
        return frame ? sendRequest(frame, static_cast<qint64>(std::strlen(frame))) : -1;
    }
    bool isOpen() const override { return true; }
    int socketState() const override { return 3; }
    void setIp(const QString &) override { }
    void setPort(int) override { }
    qint64 sendRaw(const char *data, qint64 length, int timeoutMs) override
    {
        if (!data || length <= 0)
            return -1;
        lastFrame = QByteArray(data, static_cast<int>(length));
        ++sends;
        beginBootSend();
        setLastTag(static_cast<signed char>(data[0]));
        startResponseTimer(timeoutMs);
        return length;
    }
    qint64 sendRaw(const char *data, int timeoutMs) override
    {
        return data ? sendRaw(data, static_cast<qint64>(std::strlen(data)), timeoutMs) : -1;
    }
    qint64 sendTagged(int tag, const char *data, qint64 length, bool startTimer,
                      int timeoutMs) override
    {
        if (!data || length <= 0)
            return -1;
        lastFrame = QByteArray(data, static_cast<int>(length));
        ++sends;
        beginBootSend();
        setLastTag(tag);
        if (startTimer)
            startResponseTimer(timeoutMs);
        else
            stopResponseTimer();
        return length;
    }
    qint64 sendTaggedByte(int tag, char byte, bool startTimer, int timeoutMs) override
    {
        return sendTagged(tag, &byte, 1, startTimer, timeoutMs);
    }
};

// Reads the fuzzer's bytes front to back; past the end everything is 0.
class Input
{
public:
    Input(const quint8 *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool atEnd() const { return m_pos >= m_size; }
    quint8 byte() { return atEnd() ? 0 : m_data[m_pos++]; }
    int word()
    {
        const int high = byte();
        return high << 8 | byte();
    }
    QByteArray bytes(size_t count)
    {
        const size_t n = count < m_size - m_pos ? count : m_size - m_pos;
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), static_cast<int>(n));
        m_pos += n;
        return out;
    }

private:
    const quint8 *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace FuzzSupport
