#include "ManualDosing.h"

#include "CommandString.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"

#include <QtMath>

namespace ManualDosing {

namespace {

constexpr int kMsPerMinute = 60000;
// 10 ml in one calibration unit, over a minute: 60000 x 10.
constexpr double kFlowNumerator = 600000.0;
constexpr int kHundredthsPerMl = 100;

} // namespace

int runCoil(int pump)
{
    return kRunCoilFirst + pump;
}

int runVolumeRegister(int pump)
{
    return kRunVolumeFirst + pump;
}

int gearRegister(int pump)
{
    return kGearFirst + pump;
}

int calibrationRegister(int pump, int gear)
{
    return kCalibrationFirst + kGearCount * pump + gear;
}

bool isRunning(const RegisterImage &device, int pump)
{
    return device.coils[runCoil(pump)] != 0;
}

int gear(const RegisterImage &device, int pump)
{
    const int value = device.holdingRegisters[gearRegister(pump)];
    return value >= 0 && value < kGearCount ? value : 0;
}

int calibration(const RegisterImage &device, int pump, int gear)
{
    return device.holdingRegisters[calibrationRegister(pump, gear)];
}

RunWrite startOrStop(RegisterImage &device, RegisterImage &shared, int address, int pump,
                     bool start, int volumeMl)
{
    RunWrite write;
    const int coil = runCoil(pump);
    const int volume = runVolumeRegister(pump);
    write.wasRunning = device.coils[coil] != 0;
    device.coils[coil] = start ? 1 : 0;
    device.holdingRegisters[volume] = start ? qBound(0, volumeMl, kMaxManualVolume) : 0;
    shared.coils[coil] = device.coils[coil];
    shared.holdingRegisters[volume] = device.holdingRegisters[volume];
    write.commands << CommandString::format(address, Modbus::WriteSingleRegister, volume)
                   << CommandString::format(address, Modbus::WriteSingleCoil, coil);
    return write;
}

void setRunning(RegisterImage &device, int pump, bool running)
{
    device.coils[runCoil(pump)] = running ? 1 : 0;
}

QStringList gearChange(RegisterImage &device, RegisterImage &shared, int address, int pump,
                       int gear, int *previousGear)
{
    const int index = gearRegister(pump);
    *previousGear = device.holdingRegisters[index];
    device.holdingRegisters[index] = gear;
    shared.holdingRegisters[index] = gear;
    return {CommandString::format(address, Modbus::WriteSingleRegister, index)};
}

void restoreGear(RegisterImage &device, int pump, int previousGear)
{
    device.holdingRegisters[gearRegister(pump)] = previousGear;
}

std::optional<quint32> runTimeMs(quint32 volumeMl, quint32 calibration)
{
    if (volumeMl == 0 || calibration == 0)
        return std::nullopt;
    // The pump's own arithmetic: unsigned 32 bits, truncating.
    return volumeMl * calibration / 10u;
}

QStringList calibrationRunWrite(RegisterImage &device, RegisterImage &shared, int address, int pump,
                                bool running)
{
    const int coil = runCoil(pump);
    device.coils[coil] = running ? 1 : 0;
    shared.coils[coil] = device.coils[coil];
    return {CommandString::format(address, Modbus::WriteSingleCoil, coil)};
}

QStringList calibrationRead(int address)
{
    return {CommandString::format(address, Modbus::ReadHoldingRegisters, kCalibrationFirst,
                                  kCalibrationCount)};
}

void takeCalibrationTable(const RegisterImage &shared, RegisterImage &device)
{
    for (int i = 0; i < kCalibrationCount; ++i)
        device.holdingRegisters[kCalibrationFirst + i] =
            shared.holdingRegisters[kCalibrationFirst + i];
}

CalibrationResult calibrate(int workTimeMs, double measuredMl)
{
    CalibrationResult result;
    if (workTimeMs <= 0) {
        result.error = CalibrationError::NoRun;
        return result;
    }
    const qint64 hundredths = qRound64(measuredMl * kHundredthsPerMl);
    if (hundredths <= 0) {
        result.error = CalibrationError::NoVolume;
        return result;
    }
    // ms x 10 / (hundredths / 100), in integers so that 12.5 ml stays exact.
    const qint64 value = qint64(workTimeMs) * 10 * kHundredthsPerMl / hundredths;
    result.value = int(qMin<qint64>(value, kMaxCalibration));
    result.flowMlPerMin = double(hundredths) / kHundredthsPerMl * kMsPerMinute / workTimeMs;
    return result;
}

std::optional<double> flowFromCalibration(int value)
{
    if (value <= 0)
        return std::nullopt;
    return kFlowNumerator / value;
}

QStringList calibrationSave(RegisterImage &device, RegisterImage &shared, int address, int pump,
                            int gear, int value)
{
    const int entry = calibrationRegister(pump, gear);
    device.holdingRegisters[entry] = value;
    shared.holdingRegisters[entry] = value;
    shared.coils[kSettingsCommitCoil] = 1;
    return {CommandString::format(address, Modbus::WriteSingleRegister, entry),
            CommandString::format(address, Modbus::WriteSingleCoil, kSettingsCommitCoil)};
}

void restoreCalibration(RegisterImage &device, int pump, int gear, int value)
{
    device.holdingRegisters[calibrationRegister(pump, gear)] = value;
}

} // namespace ManualDosing
