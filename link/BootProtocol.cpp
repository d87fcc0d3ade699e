#include "BootProtocol.h"

#include "Crc16.h"

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

} // namespace Boot
