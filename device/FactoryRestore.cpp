#include "FactoryRestore.h"

#include "CommandString.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"

#include <algorithm>

namespace FactoryRestore {

namespace {

void fill(int *table, int first, int last, int value)
{
    std::fill(table + first, table + last + 1, value);
}

} // namespace

void copyWrittenRanges(const RegisterImage &from, RegisterImage &to)
{
    std::copy_n(from.coils, kWrittenCoilCount, to.coils);
    std::copy_n(from.holdingRegisters, kWrittenRegisterCount, to.holdingRegisters);
}

void applyFactoryValues(RegisterImage &image)
{
    quint8 *coils = image.coils;
    std::fill(coils + 10, coils + 16, 0);
    std::fill(coils + 27, coils + 33, 1);
    const quint8 channelCoils[9] = {1, 0, 1, 1, 0, 1, 0, 1, 0}; // coils 35..43
    std::copy_n(channelCoils, 9, coils + 35);
    coils[46] = 1;

    int *regs = image.holdingRegisters;
    fill(regs, 1, 6, 1);
    fill(regs, 9, 14, 3);
    // Six float volumes of 100.0 (0x42C80000), high word first.
    for (int index = 17; index <= 27; index += 2) {
        regs[index] = 0x42C8;
        regs[index + 1] = 0;
    }
    fill(regs, 31, 36, 24);
    const int times[14] = {8, 0, 0, 8, 4, 0, 8, 8, 0, 8, 12, 0, 8, 16}; // registers 42..55
    std::copy_n(times, 14, regs + 42);
    fill(regs, 56, 62, 0);
    fill(regs, 63, 74, 10000);
    fill(regs, 79, 84, 1);
    fill(regs, 111, 128, 10000);
    regs[132] = 6;
    regs[134] = 60;
    const int temperature[6] = {3, 3392, 0, 500, 650, 850}; // registers 142..147
    std::copy_n(temperature, 6, regs + 142);

    // The coil writes cover 33 and 34: at 1 the pump would commit before a
    // single holding register had its factory value.
    coils[kCommitCoilClock] = 0;
    coils[kCommitCoilSettings] = 0;
}

QStringList writeCommands()
{
    QStringList list;
    list << CommandString::format(kMasterAddress, Modbus::WriteMultipleCoils, 0, 22)
         << CommandString::format(kMasterAddress, Modbus::WriteMultipleCoils, 22, 22)
         << CommandString::format(kMasterAddress, Modbus::WriteMultipleCoils, 44, 3);
    for (int index = 0; index <= 308; index += 22)
        list << CommandString::format(kMasterAddress, Modbus::WriteMultipleRegisters, index, 22);
    list << CommandString::format(kMasterAddress, Modbus::WriteMultipleRegisters, 330, 20);
    return list;
}

void stageCommit(RegisterImage &image)
{
    image.coils[kCommitCoilClock] = 1;
    image.coils[kCommitCoilSettings] = 1;
}

QStringList commitCommands()
{
    // Coils 33 and 34 are adjacent: one request carries both.
    return {CommandString::format(kMasterAddress, Modbus::WriteMultipleCoils, kCommitCoilClock,
                                  kCommitCoilSettings - kCommitCoilClock + 1)};
}

} // namespace FactoryRestore
