#pragma once

// Modbus RTU frames as the pump speaks them over the bridge's byte stream:
// the request builders, the expected length of a reply from its header, the
// one reply checker, and decoding an accepted reply into a register image.
// Everything here is pure: the transport feeds it bytes and acts on verdicts.

#include "RegisterImage.h"

#include <QByteArray>

namespace Modbus {

enum FunctionCode : quint8 {
    ReadCoils = 1,
    ReadDiscreteInputs = 2,
    ReadHoldingRegisters = 3,
    ReadInputRegisters = 4,
    WriteSingleCoil = 5,
    WriteSingleRegister = 6,
    WriteMultipleCoils = 15,
    WriteMultipleRegisters = 16,
};

// Wire address = table base + image index.
constexpr quint16 kCoilBase = 0x1001;
constexpr quint16 kDiscreteInputBase = 0x2001;
constexpr quint16 kHoldingRegisterBase = 0x3001;
constexpr quint16 kInputRegisterBase = 0x4001;

constexpr quint8 kExceptionFlag = 0x80;

// A register read or write carries its byte count in one byte: 2 x 127 fits.
constexpr int kMaxRegistersPerRequest = 127;

// The longest reply: a read of 127 registers (3 + 254 + CRC).
constexpr int kMaxReplyLength = 3 + 2 * kMaxRegistersPerRequest + 2;

// Batch statuses raised by reply and timeout processing.
enum Status {
    StatusOk = 0,
    StatusBadReply = 1,
    StatusException = 3,
    StatusTimeout = 6,
};

// Why a reply was refused; each rejection has its own reason so tests and
// debug output can tell them apart. All but Exception report StatusBadReply.
enum class Verdict {
    Accepted,
    TooShort,
    BadCrc,
    WrongSlave,
    Exception,
    WrongFunction,
    WrongByteCount,
    WrongEcho,
    OutsideTable,
};

int statusOf(Verdict verdict);
const char *verdictName(Verdict verdict);

// The request a reply is judged against, taken from the request's own bytes.
struct PendingRequest
{
    int addr = 0; // byte 0, slave address
    int code = 0; // byte 1, function code
    int raddr = 0; // bytes 2..3, wire address
    int count = 0; // bytes 4..5, quantity (1-4, 15, 16) or value (5, 6)

    static PendingRequest fromFrame(const QByteArray &frame);
};

// Request builders. Each returns the complete frame with its CRC, or an
// empty array when the request would leave its table (nothing is sent then).
QByteArray buildRead(quint8 slave, FunctionCode function, int index, int count);
QByteArray buildWriteSingleCoil(quint8 slave, int index, const RegisterImage &image);
QByteArray buildWriteSingleRegister(quint8 slave, int index, const RegisterImage &image);
QByteArray buildWriteMultipleCoils(quint8 slave, int index, int count, const RegisterImage &image);
QByteArray buildWriteMultipleRegisters(quint8 slave, int index, int count,
                                       const RegisterImage &image);
// A function 6 frame with an explicit value instead of the image's.
QByteArray buildWriteRegisterValue(quint8 slave, int index, quint16 value);

// The full length of the reply whose first bytes are in buffer: 5 for an
// exception, 5 + byte count for reads, 8 for writes. 0 while the header is
// still incomplete, -1 when byte 1 names no function we ever send.
int expectedReplyLength(const QByteArray &buffer);

// The one reply checker, in a fixed order: length and CRC, slave address,
// exception, function code, byte count against the request, write echo.
Verdict judgeReply(const PendingRequest &request, const QByteArray &reply);

// Stores an accepted read reply in image; writes change nothing. Returns
// false, touching nothing, when the reply would not fit its table.
bool decodeReply(const PendingRequest &request, const QByteArray &reply, RegisterImage &image);

} // namespace Modbus
