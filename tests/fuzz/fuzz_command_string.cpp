// The command-string parser under any text, and what the queue does with
// what it parses. Each input is read as text (Latin-1 and UTF-8) and
// parsed; the harness checks:
//  - no crash and no memory fault (ASan, UBSan), whatever the text;
//  - the parsed command, sent the way the queue sends it, either builds a
//    frame that names exactly the slave's low 8 bits, the function and a
//    range inside its table, or is refused because it would leave it;
//  - any four numbers formatted and parsed again come back as they were
//    (the count only where the function carries one).

#include "FuzzLink.h"

#include "CommandString.h"
#include "RegisterImage.h"

#include <cstdint>
#include <cstring>

using namespace FuzzSupport;

namespace {

struct Shape
{
    int base;
    int size;
    int maxCount;
};

// Zero size for functions the queue does not send.
Shape shapeOf(int function)
{
    switch (function) {
    case 1:
    case 15:
        return {0x1001, RegisterImage::kCoilCount, RegisterImage::kCoilCount};
    case 5:
        return {0x1001, RegisterImage::kCoilCount, 1};
    case 2:
        return {0x2001, RegisterImage::kDiscreteInputCount, RegisterImage::kDiscreteInputCount};
    case 3:
    case 16:
        return {0x3001, RegisterImage::kHoldingRegisterCount, 127};
    case 6:
        return {0x3001, RegisterImage::kHoldingRegisterCount, 1};
    case 4:
        return {0x4001, RegisterImage::kInputRegisterCount, 127};
    default:
        return {0, 0, 0};
    }
}

int wordAt(const QByteArray &data, int i)
{
    return static_cast<quint8>(data.at(i)) << 8 | static_cast<quint8>(data.at(i + 1));
}

// As the queue's sendCommand does it.
qint64 sendParsed(CapturingLink &link, const CommandString &c)
{
    const quint8 slave = static_cast<quint8>(c.slave & 0xFF);
    switch (c.function) {
    case 1:
        return link.readCoils(slave, c.index, c.count);
    case 2:
        return link.readDiscreteInputs(slave, c.index, c.count);
    case 3:
        return link.readHoldingRegisters(slave, c.index, c.count);
    case 4:
        return link.readInputRegisters(slave, c.index, c.count);
    case 5:
        return link.writeSingleCoil(slave, c.index);
    case 6:
        return link.writeSingleRegister(slave, c.index);
    case 15:
        return link.writeMultipleCoils(slave, c.index, c.count);
    case 16:
        return link.writeMultipleRegisters(slave, c.index, c.count);
    default:
        return -1;
    }
}

void checkSend(const CommandString &c)
{
    CapturingLink link;
    const qint64 written = sendParsed(link, c);
    const Shape shape = shapeOf(c.function);
    const bool single = c.function == 5 || c.function == 6;
    const qint64 count = single ? 1 : c.count;
    const bool fits = shape.size > 0 && c.index >= 0 && count >= 1 && count <= shape.maxCount &&
        static_cast<qint64>(c.index) + count <= shape.size;
    if (!fits) {
        check(written == -1 && link.sends == 0, "a command outside its table was sent");
        return;
    }
    check(written > 0 && link.sends == 1, "a command inside its table was refused");
    const QByteArray &frame = link.lastFrame;
    check(frame.size() >= 8 && modbusCrcHolds(frame), "a command built a frame without a good CRC");
    check(static_cast<quint8>(frame.at(0)) == (c.slave & 0xFF), "the frame names the wrong slave");
    check(static_cast<quint8>(frame.at(1)) == c.function, "the frame names the wrong function");
    check(wordAt(frame, 2) == shape.base + c.index, "the frame names the wrong address");
    if (!single)
        check(wordAt(frame, 4) == count, "the frame names the wrong count");
}

int intAt(const uint8_t *data)
{
    quint32 value;
    std::memcpy(&value, data, sizeof value);
    return static_cast<int>(value);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initialise();
    // Writes are built from the image: give it values worth checking.
    RegisterImage &image = *RegisterImage::shared();
    for (int i = 0; i < RegisterImage::kCoilCount; ++i)
        image.coils[i] = static_cast<quint8>(i % 3);
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        image.holdingRegisters[i] = i * 4099;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    const int length = static_cast<int>(size);
    checkSend(CommandString::parse(QString::fromLatin1(text, length)));
    checkSend(CommandString::parse(QString::fromUtf8(text, length)));

    if (size >= 16) {
        const int slave = intAt(data);
        const int function = intAt(data + 4);
        const int index = intAt(data + 8);
        const int count = intAt(data + 12);
        const CommandString back =
            CommandString::parse(CommandString::format(slave, function, index, count));
        check(back.slave == slave && back.function == function && back.index == index,
              "a formatted command did not parse back");
        check(back.count == ((function == 5 || function == 6) ? 0 : count),
              "a formatted command's count did not parse back");
        const CommandString shortForm =
            CommandString::parse(CommandString::format(slave, function, index));
        check(shortForm.slave == slave && shortForm.function == function &&
                  shortForm.index == index && shortForm.count == 0,
              "a command without a count did not parse back");
        checkSend(back);
    }
    return 0;
}
