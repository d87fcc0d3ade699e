#pragma once

#include <QByteArray>

// The two checksums the pump uses: CRC-16/MODBUS on every Modbus RTU frame
// (sent low byte first) and CRC-16/XMODEM on the boot loader's 128-byte
// blocks (sent high byte first).
namespace Crc16 {

quint16 modbus(const char *data, int length);
inline quint16 modbus(const QByteArray &data)
{
    return modbus(data.constData(), data.size());
}

quint16 xmodem(const char *data, int length);
inline quint16 xmodem(const QByteArray &data)
{
    return xmodem(data.constData(), data.size());
}

// Appends the Modbus CRC of everything in frame, low byte first.
void appendModbus(QByteArray &frame);

// True when the last two bytes of frame are the Modbus CRC of the rest.
bool hasValidModbusCrc(const QByteArray &frame);

} // namespace Crc16
