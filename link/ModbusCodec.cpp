#include "ModbusCodec.h"

#include "Crc16.h"

namespace Modbus {

namespace {

struct Table
{
    quint16 base;
    int size;
};

// The table a function code addresses; size 0 for codes we never send.
Table tableOf(int function)
{
    switch (function) {
    case ReadCoils:
    case WriteSingleCoil:
    case WriteMultipleCoils:
        return {kCoilBase, RegisterImage::kCoilCount};
    case ReadDiscreteInputs:
        return {kDiscreteInputBase, RegisterImage::kDiscreteInputCount};
    case ReadHoldingRegisters:
    case WriteSingleRegister:
    case WriteMultipleRegisters:
        return {kHoldingRegisterBase, RegisterImage::kHoldingRegisterCount};
    case ReadInputRegisters:
        return {kInputRegisterBase, RegisterImage::kInputRegisterCount};
    default:
        return {0, 0};
    }
}

bool fitsTable(int function, int index, int count)
{
    const Table table = tableOf(function);
    // Not index + count: far past the end that sum overflows and would pass.
    return index >= 0 && count >= 1 && index <= table.size - count;
}

quint8 byteAt(const QByteArray &data, int i)
{
    return static_cast<quint8>(data.at(i));
}

int word(const QByteArray &data, int i)
{
    return byteAt(data, i) << 8 | byteAt(data, i + 1);
}

void appendWord(QByteArray &frame, int value)
{
    frame.append(static_cast<char>((value >> 8) & 0xFF));
    frame.append(static_cast<char>(value & 0xFF));
}

QByteArray header(quint8 slave, quint8 function, int index, int field)
{
    QByteArray frame;
    frame.reserve(8);
    frame.append(static_cast<char>(slave));
    frame.append(static_cast<char>(function));
    appendWord(frame, tableOf(function).base + index);
    appendWord(frame, field);
    return frame;
}

int bitBytes(int count)
{
    return (count + 7) / 8;
}

bool isRead(int function)
{
    return function >= ReadCoils && function <= ReadInputRegisters;
}

bool isWrite(int function)
{
    return function == WriteSingleCoil || function == WriteSingleRegister ||
        function == WriteMultipleCoils || function == WriteMultipleRegisters;
}

} // namespace

int statusOf(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Accepted:
        return StatusOk;
    case Verdict::Exception:
        return StatusException;
    default:
        return StatusBadReply;
    }
}

const char *verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Accepted:
        return "accepted";
    case Verdict::TooShort:
        return "too short";
    case Verdict::BadCrc:
        return "bad CRC";
    case Verdict::WrongSlave:
        return "wrong slave address";
    case Verdict::Exception:
        return "exception";
    case Verdict::WrongFunction:
        return "wrong function code";
    case Verdict::WrongByteCount:
        return "wrong byte count";
    case Verdict::WrongEcho:
        return "write not echoed";
    case Verdict::OutsideTable:
        return "outside the table";
    }
    return "";
}

PendingRequest PendingRequest::fromFrame(const QByteArray &frame)
{
    PendingRequest request;
    if (frame.size() < 6)
        return request;
    request.addr = byteAt(frame, 0);
    request.code = byteAt(frame, 1);
    request.raddr = word(frame, 2);
    request.count = word(frame, 4);
    return request;
}

QByteArray buildRead(quint8 slave, FunctionCode function, int index, int count)
{
    if (!isRead(function) || !fitsTable(function, index, count))
        return {};
    if ((function == ReadHoldingRegisters || function == ReadInputRegisters) &&
        count > kMaxRegistersPerRequest)
        return {};
    QByteArray frame = header(slave, function, index, count);
    Crc16::appendModbus(frame);
    return frame;
}

QByteArray buildWriteSingleCoil(quint8 slave, int index, const RegisterImage &image)
{
    if (!fitsTable(WriteSingleCoil, index, 1))
        return {};
    // Any image value but 1 writes OFF.
    QByteArray frame = header(slave, WriteSingleCoil, index, image.coils[index] == 1 ? 0xFF00 : 0);
    Crc16::appendModbus(frame);
    return frame;
}

QByteArray buildWriteSingleRegister(quint8 slave, int index, const RegisterImage &image)
{
    if (!fitsTable(WriteSingleRegister, index, 1))
        return {};
    return buildWriteRegisterValue(slave, index,
                                   static_cast<quint16>(image.holdingRegisters[index] & 0xFFFF));
}

QByteArray buildWriteRegisterValue(quint8 slave, int index, quint16 value)
{
    if (!fitsTable(WriteSingleRegister, index, 1))
        return {};
    QByteArray frame = header(slave, WriteSingleRegister, index, value);
    Crc16::appendModbus(frame);
    return frame;
}

QByteArray buildWriteMultipleCoils(quint8 slave, int index, int count, const RegisterImage &image)
{
    if (!fitsTable(WriteMultipleCoils, index, count))
        return {};
    QByteArray frame = header(slave, WriteMultipleCoils, index, count);
    const int byteCount = bitBytes(count);
    frame.append(static_cast<char>(byteCount));
    QByteArray bits(byteCount, '\0');
    for (int i = 0; i < count; ++i) {
        if (image.coils[index + i] == 1)
            bits[i / 8] = static_cast<char>(bits.at(i / 8) | (1 << (i % 8)));
    }
    frame.append(bits);
    Crc16::appendModbus(frame);
    return frame;
}

QByteArray buildWriteMultipleRegisters(quint8 slave, int index, int count,
                                       const RegisterImage &image)
{
    if (!fitsTable(WriteMultipleRegisters, index, count) || count > kMaxRegistersPerRequest)
        return {};
    QByteArray frame = header(slave, WriteMultipleRegisters, index, count);
    frame.append(static_cast<char>(2 * count));
    for (int k = 0; k < count; ++k)
        appendWord(frame, image.holdingRegisters[index + k] & 0xFFFF);
    Crc16::appendModbus(frame);
    return frame;
}

int expectedReplyLength(const QByteArray &buffer)
{
    if (buffer.size() < 2)
        return 0;
    const int function = byteAt(buffer, 1);
    if (function & kExceptionFlag)
        return 5; // slave, function | 0x80, exception code, CRC
    if (isRead(function))
        return buffer.size() < 3 ? 0 : 5 + byteAt(buffer, 2);
    if (isWrite(function))
        return 8; // slave, function, address, value or quantity, CRC
    return -1;
}

Verdict judgeReply(const PendingRequest &request, const QByteArray &reply)
{
    if (reply.size() < 5)
        return Verdict::TooShort;
    if (!Crc16::hasValidModbusCrc(reply))
        return Verdict::BadCrc;
    if (byteAt(reply, 0) != request.addr)
        return Verdict::WrongSlave;
    const int function = byteAt(reply, 1);
    if (function == (request.code | kExceptionFlag))
        return Verdict::Exception;
    if (function != request.code)
        return Verdict::WrongFunction;

    if (isRead(function)) {
        const int expectedBytes = (function == ReadCoils || function == ReadDiscreteInputs)
            ? bitBytes(request.count)
            : 2 * request.count;
        if (byteAt(reply, 2) != expectedBytes || reply.size() != 5 + expectedBytes)
            return Verdict::WrongByteCount;
        if (!fitsTable(function, request.raddr - tableOf(function).base, request.count))
            return Verdict::OutsideTable;
        return Verdict::Accepted;
    }
    if (isWrite(function)) {
        if (reply.size() != 8 || word(reply, 2) != request.raddr || word(reply, 4) != request.count)
            return Verdict::WrongEcho;
        return Verdict::Accepted;
    }
    return Verdict::WrongFunction;
}

bool decodeReply(const PendingRequest &request, const QByteArray &reply, RegisterImage &image)
{
    const int function = request.code;
    if (!isRead(function))
        return true;
    const int index = request.raddr - tableOf(function).base;
    const int count = request.count;
    if (!fitsTable(function, index, count))
        return false;

    switch (function) {
    case ReadCoils:
    case ReadDiscreteInputs: {
        if (reply.size() < 3 + bitBytes(count))
            return false;
        quint8 *table = function == ReadCoils ? image.coils : image.discreteInputs;
        for (int i = 0; i < count; ++i)
            table[index + i] = (byteAt(reply, 3 + i / 8) >> (i % 8)) & 1;
        return true;
    }
    default: {
        if (reply.size() < 3 + 2 * count)
            return false;
        int *table =
            function == ReadHoldingRegisters ? image.holdingRegisters : image.inputRegisters;
        for (int k = 0; k < count; ++k)
            table[index + k] = word(reply, 3 + 2 * k);
        return true;
    }
    }
}

} // namespace Modbus
