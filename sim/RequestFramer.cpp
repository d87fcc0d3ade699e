#include "RequestFramer.h"

#include "Crc16.h"

namespace {

// Functions 1 to 6: slave, function, address (2), quantity or value (2), CRC (2).
constexpr int kFixedLength = 8;
// Functions 15 and 16: the fixed part plus a byte count at offset 6, then that many bytes.
constexpr int kByteCountOffset = 6;
constexpr int kMultipleOverhead = 9;

constexpr int kFunctionOffset = 1;

bool isKnownFunction(int function)
{
    return (function >= 0x01 && function <= 0x06) || function == 0x0F || function == 0x10;
}

} // namespace

void RequestFramer::append(const QByteArray &bytes)
{
    m_buffer.append(bytes);
}

bool RequestFramer::takeRequest(QByteArray *frame)
{
    int length = 0;
    while (lengthAt(0) != 0 && m_buffer.size() >= lengthAt(0)) {
        if (completeAndValidAt(0, &length)) {
            take(length, frame);
            return true;
        }
        discard(1);
        m_resynchronising = !m_buffer.isEmpty();
    }
    if (!m_resynchronising)
        return false;

    // After garbage, the start of the buffer may announce a frame longer than anything that
    // will come (a stray byte count of 200, say), while a complete request already sits behind
    // it; that one is taken rather than waiting for the phantom.
    for (int offset = 1; offset + kFunctionOffset < m_buffer.size(); ++offset) {
        if (completeAndValidAt(offset, &length)) {
            discard(offset);
            take(length, frame);
            return true;
        }
    }
    return false;
}

void RequestFramer::clear()
{
    m_buffer.clear();
    m_resynchronising = false;
}

int RequestFramer::lengthAt(int offset) const
{
    const int available = m_buffer.size() - offset;
    if (available <= kFunctionOffset)
        return 0;
    const int function = static_cast<uchar>(m_buffer.at(offset + kFunctionOffset));
    if (function == 0x0F || function == 0x10) {
        if (available <= kByteCountOffset)
            return 0;
        return kMultipleOverhead + static_cast<uchar>(m_buffer.at(offset + kByteCountOffset));
    }
    // The length of an unknown function can't be known; its first eight bytes are taken as
    // its request, to be refused.
    return kFixedLength;
}

bool RequestFramer::completeAndValidAt(int offset, int *length) const
{
    *length = lengthAt(offset);
    return *length != 0 && offset + *length <= m_buffer.size() &&
        Crc16::hasValidModbusCrc(m_buffer.mid(offset, *length));
}

void RequestFramer::take(int length, QByteArray *frame)
{
    *frame = m_buffer.left(length);
    m_buffer.remove(0, length);
    // Whatever came with an unknown function may belong to it, so none of it is trusted.
    if (!isKnownFunction(static_cast<uchar>(frame->at(kFunctionOffset))))
        discard(m_buffer.size());
    m_resynchronising = false;
}

void RequestFramer::discard(int count)
{
    m_buffer.remove(0, count);
    m_discarded += count;
}
