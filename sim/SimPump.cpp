#include "SimPump.h"

#include "Crc16.h"
#include "StandardBehaviours.h"

namespace {

using Table = PumpTables::Table;

enum Function {
    ReadCoils = 0x01,
    ReadDiscreteInputs = 0x02,
    ReadHoldingRegisters = 0x03,
    ReadInputRegisters = 0x04,
    WriteSingleCoil = 0x05,
    WriteSingleRegister = 0x06,
    WriteMultipleCoils = 0x0F,
    WriteMultipleRegisters = 0x10,
};

// Quantity limits of the Modbus application protocol, set by its 253-byte PDU.
constexpr int kMaxReadBits = 2000;
constexpr int kMaxReadRegisters = 125;
constexpr int kMaxWriteBits = 1968;
constexpr int kMaxWriteRegisters = 123;

// Write single coil carries one of these two values and nothing else.
constexpr int kCoilOn = 0xFF00;
constexpr int kCoilOff = 0x0000;

// Request layout: slave, function, address (2), quantity or value (2), [byte count, data], CRC.
constexpr int kAddressOffset = 2;
constexpr int kQuantityOffset = 4;
constexpr int kByteCountOffset = 6;
constexpr int kDataOffset = 7;
constexpr int kSingleFrameLength = 8;

int word(const QByteArray &frame, int offset)
{
    return static_cast<uchar>(frame.at(offset)) << 8 | static_cast<uchar>(frame.at(offset + 1));
}

void appendWord(QByteArray &frame, int value)
{
    frame.append(static_cast<char>(value >> 8 & 0xFF));
    frame.append(static_cast<char>(value & 0xFF));
}

bool inTable(Table table, int index, int count)
{
    return index >= 0 && index + count <= PumpTables::size(table);
}

SimPump::Result failure(const QByteArray &frame, int code)
{
    SimPump::Result result;
    result.exceptionCode = code;
    result.reply = SimPump::exceptionReply(static_cast<uchar>(frame.at(0)),
                                           static_cast<uchar>(frame.at(1)), code);
    return result;
}

} // namespace

SimPump::SimPump()
    : m_behaviours(StandardBehaviours::make())
{
}

void SimPump::addBehaviour(std::shared_ptr<SimBehaviour> behaviour)
{
    m_behaviours.push_back(std::move(behaviour));
}

void SimPump::refresh()
{
    for (const auto &behaviour : m_behaviours)
        behaviour->refresh(m_tables);
}

SimPump::Result SimPump::execute(const QByteArray &frame, int requestNumber)
{
    if (frame.size() < kSingleFrameLength)
        return Result();
    const int function = static_cast<uchar>(frame.at(1));
    Table table;
    if (!tableOf(function, &table))
        return failure(frame, IllegalFunction);

    for (const auto &behaviour : m_behaviours)
        behaviour->setRequestNumber(requestNumber);
    refresh();
    Result result;
    switch (function) {
    case WriteSingleCoil:
    case WriteSingleRegister:
        result = writeSingle(frame, table);
        break;
    case WriteMultipleCoils:
    case WriteMultipleRegisters:
        result = writeMultiple(frame, table);
        break;
    default:
        return readTable(frame, table);
    }
    if (result.wrote) {
        const int index = word(frame, kAddressOffset) - PumpTables::wireBase(table);
        const bool single = function == WriteSingleCoil || function == WriteSingleRegister;
        const int count = single ? 1 : word(frame, kQuantityOffset);
        for (const auto &behaviour : m_behaviours)
            behaviour->written(m_tables, table, index, count);
    }
    return result;
}

bool SimPump::isWriteFunction(int function)
{
    return function == WriteSingleCoil || function == WriteSingleRegister ||
        function == WriteMultipleCoils || function == WriteMultipleRegisters;
}

bool SimPump::tableOf(int function, PumpTables::Table *table)
{
    switch (function) {
    case ReadCoils:
    case WriteSingleCoil:
    case WriteMultipleCoils:
        *table = Table::Coils;
        return true;
    case ReadDiscreteInputs:
        *table = Table::DiscreteInputs;
        return true;
    case ReadHoldingRegisters:
    case WriteSingleRegister:
    case WriteMultipleRegisters:
        *table = Table::HoldingRegisters;
        return true;
    case ReadInputRegisters:
        *table = Table::InputRegisters;
        return true;
    default:
        return false;
    }
}

QByteArray SimPump::exceptionReply(int slave, int function, int code)
{
    QByteArray reply;
    reply.append(static_cast<char>(slave));
    reply.append(static_cast<char>(function | 0x80));
    reply.append(static_cast<char>(code));
    Crc16::appendModbus(reply);
    return reply;
}

SimPump::Result SimPump::readTable(const QByteArray &frame, Table table)
{
    const bool bits = PumpTables::holdsBits(table);
    const int quantity = word(frame, kQuantityOffset);
    if (quantity < 1 || quantity > (bits ? kMaxReadBits : kMaxReadRegisters))
        return failure(frame, IllegalDataValue);
    const int index = word(frame, kAddressOffset) - PumpTables::wireBase(table);
    if (!inTable(table, index, quantity))
        return failure(frame, IllegalDataAddress);

    Result result;
    result.reply = frame.left(2);
    if (bits) {
        // Eight bits a byte, the first one in the lowest bit.
        QByteArray packed((quantity + 7) / 8, '\0');
        for (int i = 0; i < quantity; ++i) {
            if (m_tables.value(table, index + i))
                packed[i / 8] = static_cast<char>(packed.at(i / 8) | 1 << (i % 8));
        }
        result.reply.append(static_cast<char>(packed.size()));
        result.reply.append(packed);
    } else {
        result.reply.append(static_cast<char>(2 * quantity));
        for (int i = 0; i < quantity; ++i)
            appendWord(result.reply, m_tables.value(table, index + i));
    }
    Crc16::appendModbus(result.reply);
    return result;
}

SimPump::Result SimPump::writeSingle(const QByteArray &frame, Table table)
{
    const int value = word(frame, kQuantityOffset);
    const bool bits = PumpTables::holdsBits(table);
    if (bits && value != kCoilOn && value != kCoilOff)
        return failure(frame, IllegalDataValue);
    const int index = word(frame, kAddressOffset) - PumpTables::wireBase(table);
    if (!inTable(table, index, 1))
        return failure(frame, IllegalDataAddress);

    m_tables.setValue(table, index, bits ? int(value == kCoilOn) : value);
    Result result;
    result.wrote = true;
    // The reply to a single write is the request itself.
    result.reply = frame.left(kSingleFrameLength);
    return result;
}

SimPump::Result SimPump::writeMultiple(const QByteArray &frame, Table table)
{
    const bool bits = PumpTables::holdsBits(table);
    const int quantity = word(frame, kQuantityOffset);
    const int byteCount =
        frame.size() > kByteCountOffset ? static_cast<uchar>(frame.at(kByteCountOffset)) : -1;
    const int expectedBytes = bits ? (quantity + 7) / 8 : 2 * quantity;
    if (quantity < 1 || quantity > (bits ? kMaxWriteBits : kMaxWriteRegisters) ||
        byteCount != expectedBytes || frame.size() != kDataOffset + byteCount + 2) {
        return failure(frame, IllegalDataValue);
    }
    const int index = word(frame, kAddressOffset) - PumpTables::wireBase(table);
    if (!inTable(table, index, quantity))
        return failure(frame, IllegalDataAddress);

    for (int i = 0; i < quantity; ++i) {
        const int value = bits ? static_cast<uchar>(frame.at(kDataOffset + i / 8)) >> (i % 8) & 1
                               : word(frame, kDataOffset + 2 * i);
        m_tables.setValue(table, index + i, value);
    }
    Result result;
    result.wrote = true;
    result.reply = frame.left(kByteCountOffset);
    Crc16::appendModbus(result.reply);
    return result;
}
