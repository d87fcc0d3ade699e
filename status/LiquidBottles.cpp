#include "LiquidBottles.h"

#include "CommandString.h"
#include "DoseProgramme.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"

#include <QtMath>

#include <cmath>
#include <limits>

namespace LiquidBottles {

namespace {

using namespace DoseProgramme;

// Run modes 1..3 are a cycle of that many days; 4 doses by the week mask.
constexpr int kLongestCycleDays = 3;
constexpr int kDaysPerWeek = 7;
// Plan volumes follow the 24 plan times in each channel's block.
constexpr int kPlanVolumeRegister = kPlanBlockRegister + kMaxPlans;

float registerFloat(const RegisterImage &device, int high)
{
    return floatFromBits(quint32(device.holdingRegisters[high] & 0xFFFF) << 16 |
                         quint32(device.holdingRegisters[high + 1] & 0xFFFF));
}

int highByte(int value)
{
    return (value >> 8) & 0xFF;
}

int lowByte(int value)
{
    return value & 0xFF;
}

} // namespace

int capacityRegister(int pump)
{
    return kCapacityFirst + pump;
}

int liquidLeftRegister(int pump)
{
    return kLiquidLeftFirst + pump;
}

QVector<Bottle> bottles(const RegisterImage &device)
{
    QVector<Bottle> list;
    for (int k = 0; k < kPumpCount; ++k)
        list.append({device.holdingRegisters[capacityRegister(k)],
                     device.holdingRegisters[liquidLeftRegister(k)]});
    return list;
}

int capacityMl(const Bottle &bottle)
{
    return bottle.capacityTenths / kTenthsPerMl;
}

int liquidLeftMl(const Bottle &bottle)
{
    return bottle.liquidLeftTenths / kTenthsPerMl;
}

double fillLevel(const Bottle &bottle)
{
    if (bottle.capacityTenths <= 0 || bottle.liquidLeftTenths <= 0)
        return 0;
    return qMin(1.0, double(bottle.liquidLeftTenths) / bottle.capacityTenths);
}

double doseVolumeMl(const RegisterImage &device, int pump)
{
    if (lowByte(device.holdingRegisters[kPlanCountRegister]) != 0) {
        // A count beyond the channel's 24 plans would read the next channel's block.
        const int plans =
            qMin(highByte(device.holdingRegisters[kPlanCountRegister + pump]), kMaxPlans);
        double sum = 0;
        for (int j = 0; j < plans; ++j)
            sum += device.holdingRegisters[kPlanVolumeRegister + kPlanBlockSize * pump + j];
        return sum;
    }
    return registerFloat(device, kVolumeRegister + 2 * pump);
}

std::optional<qint64> daysLeft(const RegisterImage &device, int pump, int liquidLeftMl)
{
    // A channel that is off takes nothing from its bottle.
    if (device.coils[kChannelSwitchCoil + pump] == 0)
        return std::nullopt;
    const double dose = doseVolumeMl(device, pump);
    if (!(dose > 0) || !std::isfinite(dose))
        return std::nullopt;
    const int mode = device.holdingRegisters[kRunModeRegister + pump];
    double days;
    if (mode <= kLongestCycleDays) {
        days = liquidLeftMl / dose * mode;
    } else {
        const int dosingDays = qPopulationCount(
            quint32(device.holdingRegisters[kWeekMaskRegister + pump] & kWeekMaskBits));
        if (dosingDays == 0)
            return std::nullopt;
        days = double(liquidLeftMl) / dosingDays / dose * kDaysPerWeek;
    }
    // A dose of a few nanolitres would last longer than anything can show.
    if (!std::isfinite(days) || days > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return qint64(std::trunc(days));
}

QStringList readBottle(int address, int pump)
{
    return {
        CommandString::format(address, Modbus::ReadHoldingRegisters, capacityRegister(pump), 1),
        CommandString::format(address, Modbus::ReadHoldingRegisters, liquidLeftRegister(pump), 1),
        CommandString::format(address, Modbus::ReadHoldingRegisters, kPlanCountRegister, 1)};
}

QStringList readAll(int address)
{
    return {
        CommandString::format(address, Modbus::ReadHoldingRegisters, kCapacityFirst, kReadAllCount),
        CommandString::format(address, Modbus::ReadHoldingRegisters, kPlanCountRegister, 1)};
}

void takeBottle(const RegisterImage &shared, RegisterImage &device, int pump)
{
    for (int index : {capacityRegister(pump), liquidLeftRegister(pump)})
        device.holdingRegisters[index] = shared.holdingRegisters[index];
}

void takeAll(const RegisterImage &shared, RegisterImage &device)
{
    // Only what the read returned: 64..74.
    for (int i = 0; i < kReadAllCount; ++i)
        device.holdingRegisters[kCapacityFirst + i] = shared.holdingRegisters[kCapacityFirst + i];
}

QStringList refill(RegisterImage &device, RegisterImage &shared, int address,
                   const QVector<Refill> &bottles)
{
    QStringList commands;
    for (const Refill &bottle : bottles) {
        const double tenths = qBound(0.0, bottle.capacityMl, double(kMaxCapacityMl)) * kTenthsPerMl;
        const int value = int(tenths);
        for (int index : {capacityRegister(bottle.pump), liquidLeftRegister(bottle.pump)}) {
            device.holdingRegisters[index] = value;
            shared.holdingRegisters[index] = value;
            commands << CommandString::format(address, Modbus::WriteSingleRegister, index);
        }
    }
    if (commands.isEmpty())
        return commands;
    shared.coils[kSettingsCommitCoil] = 1;
    commands << CommandString::format(address, Modbus::WriteSingleCoil, kSettingsCommitCoil);
    return commands;
}

void restore(RegisterImage &device, const QVector<Bottle> &bottles)
{
    for (int k = 0; k < bottles.size() && k < kPumpCount; ++k) {
        device.holdingRegisters[capacityRegister(k)] = bottles.at(k).capacityTenths;
        device.holdingRegisters[liquidLeftRegister(k)] = bottles.at(k).liquidLeftTenths;
    }
}

} // namespace LiquidBottles
