#include "SetupRestore.h"

#include "ChemicalInterval.h"
#include "CommandString.h"
#include "DoseProgramme.h"
#include "LiquidBottles.h"
#include "ManualDosing.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"
#include "TimeTempDomain.h"

#include <QCoreApplication>

namespace SetupRestore {

namespace {

constexpr int kCommitCoils[] = {DoseProgramme::kCommitCoilClock,
                                DoseProgramme::kCommitCoilSettings};
constexpr int kCommitCoilCount = 2;

bool isCommitCoil(int index)
{
    return index == DoseProgramme::kCommitCoilClock || index == DoseProgramme::kCommitCoilSettings;
}

void clearCommitCoils(RegisterImage &image)
{
    for (int coil : kCommitCoils)
        image.coils[coil] = 0;
}

// The pages' own lists end with a single commit write; one commit ends the
// whole restore instead.
QStringList withoutCommitWrites(const QStringList &commands)
{
    QStringList kept;
    for (const QString &command : commands) {
        const CommandString parsed = CommandString::parse(command);
        if (parsed.function == Modbus::WriteSingleCoil && isCommitCoil(parsed.index))
            continue;
        kept << command;
    }
    return kept;
}

QVector<int> calibrationEntries()
{
    QVector<int> entries;
    for (int pump = 0; pump < ManualDosing::kPumpCount; ++pump)
        for (int gear = 0; gear < ManualDosing::kGearCount; ++gear)
            entries << ManualDosing::calibrationRegister(pump, gear);
    return entries;
}

QVector<int> bottleRegisters()
{
    QVector<int> registers;
    for (int pump = 0; pump < LiquidBottles::kPumpCount; ++pump)
        registers << LiquidBottles::capacityRegister(pump)
                  << LiquidBottles::liquidLeftRegister(pump);
    return registers;
}

QStringList singleRegisterWrites(int address, const QVector<int> &registers)
{
    QStringList commands;
    for (int index : registers)
        commands << CommandString::format(address, Modbus::WriteSingleRegister, index);
    return commands;
}

} // namespace

QVector<Group> groupsFor(int address)
{
    if (address == kMasterAddress)
        return {Group::Programme, Group::Intervals, Group::Temperature, Group::Calibration,
                Group::Bottles};
    return {Group::Programme, Group::Calibration, Group::Bottles};
}

QString groupName(Group group)
{
    switch (group) {
    case Group::Programme:
        return QCoreApplication::translate("SetupRestore", "dose programme");
    case Group::Intervals:
        return QCoreApplication::translate("SetupRestore", "intervals");
    case Group::Temperature:
        return QCoreApplication::translate("SetupRestore", "temperature settings");
    case Group::Calibration:
        return QCoreApplication::translate("SetupRestore", "calibration");
    case Group::Bottles:
        return QCoreApplication::translate("SetupRestore", "bottles");
    }
    return QString();
}

QStringList stage(Group group, const RegisterImage &file, RegisterImage &shared, int address)
{
    QStringList commands;
    switch (group) {
    case Group::Programme:
        DoseProgramme::copySaveRanges(file, shared);
        commands = DoseProgramme::saveCommands(address);
        break;
    case Group::Intervals:
        ChemicalInterval::copy(file, shared);
        commands << ChemicalInterval::writeCommand();
        break;
    case Group::Temperature:
        TimeTemp::copySettings(file, shared);
        commands = TimeTemp::saveSettingsCommands();
        break;
    case Group::Calibration:
        for (int entry : calibrationEntries())
            shared.holdingRegisters[entry] = file.holdingRegisters[entry];
        commands = singleRegisterWrites(address, calibrationEntries());
        break;
    case Group::Bottles:
        for (int index : bottleRegisters())
            shared.holdingRegisters[index] = file.holdingRegisters[index];
        commands = singleRegisterWrites(address, bottleRegisters());
        break;
    }
    clearCommitCoils(shared);
    return withoutCommitWrites(commands);
}

QStringList stageCommit(RegisterImage &shared, int address)
{
    for (int coil : kCommitCoils)
        shared.coils[coil] = 1;
    return {CommandString::format(address, Modbus::WriteMultipleCoils, kCommitCoils[0],
                                  kCommitCoilCount)};
}

QVector<Cell> writtenCells(Group group, int address)
{
    RegisterImage scratch;
    QVector<Cell> cells;
    for (const QString &command : stage(group, scratch, scratch, address)) {
        const CommandString write = CommandString::parse(command);
        int count = write.count;
        Cell::Table table = Cell::HoldingRegister;
        switch (write.function) {
        case Modbus::WriteSingleCoil:
            count = 1;
            table = Cell::Coil;
            break;
        case Modbus::WriteMultipleCoils:
            table = Cell::Coil;
            break;
        case Modbus::WriteSingleRegister:
            count = 1;
            break;
        default:
            break;
        }
        for (int index = write.index; index < write.index + count; ++index) {
            if (table == Cell::Coil && isCommitCoil(index))
                continue;
            cells.append({table, index});
        }
    }
    return cells;
}

QVector<Mismatch> compare(const QVector<Group> &groups, const RegisterImage &file,
                          const RegisterImage &pump, int address)
{
    QVector<Mismatch> mismatches;
    for (Group group : groups) {
        for (const Cell &cell : writtenCells(group, address)) {
            const int expected = cell.table == Cell::Coil ? file.coils[cell.index]
                                                          : file.holdingRegisters[cell.index];
            const int found = cell.table == Cell::Coil ? pump.coils[cell.index]
                                                       : pump.holdingRegisters[cell.index];
            if ((expected & 0xFFFF) != (found & 0xFFFF))
                mismatches.append({group, cell, expected, found});
        }
    }
    return mismatches;
}

} // namespace SetupRestore
