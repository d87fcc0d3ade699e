#pragma once

#include <QByteArray>

// Cuts Modbus RTU requests out of a TCP byte stream. The length of a request follows from its
// function code (and, for the multiple writes, its byte count). A complete frame whose CRC fails
// is garbage or a misaligned start, so the framer drops its first byte and tries again, as a
// serial slave resynchronises on the next frame. Only frames with a good CRC come out.
class RequestFramer
{
public:
    void append(const QByteArray &bytes);
    // Takes the next complete request; false while more bytes are needed.
    bool takeRequest(QByteArray *frame);
    void clear();

    // Bytes given up as garbage so far.
    int discardedBytes() const { return m_discarded; }

private:
    // The length of the frame starting at offset, or 0 while its header is incomplete.
    int lengthAt(int offset) const;
    bool completeAndValidAt(int offset, int *length) const;
    void take(int length, QByteArray *frame);
    void discard(int count);

    QByteArray m_buffer;
    int m_discarded = 0;
    bool m_resynchronising = false;
};
