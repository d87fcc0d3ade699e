#include "TimeTempDomain.h"

#include "AppSettings.h"
#include "CommandString.h"
#include "ModbusCodec.h"

#include <QDateTime>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace TimeTemp {

namespace {

// How close, in code steps, a scaled value must lie to a whole code to be
// taken as that code. A float near 100 C is off by at most 8e-6 C (8e-5
// steps), a Fahrenheit round trip (of a temperature or of a calibration
// offset) by a few times that; a value typed in tenths of a Fahrenheit
// degree lies at least 1/9 step from a whole code.
constexpr double kWholeCodeTolerance = 1e-3;

constexpr float kTenths = 10.0f;

bool isGap(int code)
{
    return code == kNoSampleCode || code == kNoSampleMarker;
}

} // namespace

Unit unitFromSetting(int mode)
{
    return mode == int(Unit::Fahrenheit) ? Unit::Fahrenheit : Unit::Celsius;
}

int settingFromUnit(Unit unit)
{
    return int(unit);
}

float decodeTemperature(int code)
{
    return float(code - kCodeOffset) / kTenths;
}

int encodeTemperature(float celsius)
{
    const double scaled = double(celsius) * 10.0 + kCodeOffset;
    const double nearest = std::round(scaled);
    const double code =
        std::abs(scaled - nearest) <= kWholeCodeTolerance ? nearest : std::trunc(scaled);
    return int(std::clamp(code, 0.0, double(kMaxCode)));
}

std::optional<float> decodeReading(int code)
{
    if (isGap(code))
        return std::nullopt;
    return decodeTemperature(code);
}

float decodeCalibration(int code)
{
    if (code == kCalibrationUnsetCode || code == kCalibrationUnsetMarker)
        return 0.0f;
    return decodeTemperature(code);
}

float toFahrenheit(float celsius)
{
    return celsius * 9.0f / 5.0f + 32.0f;
}

float toCelsius(float fahrenheit)
{
    return (fahrenheit - 32.0f) * 5.0f / 9.0f;
}

float toUnit(float celsius, Unit unit)
{
    return unit == Unit::Fahrenheit ? toFahrenheit(celsius) : celsius;
}

float fromUnit(float value, Unit unit)
{
    return unit == Unit::Fahrenheit ? toCelsius(value) : value;
}

float offsetToFahrenheit(float celsius)
{
    return celsius * 9.0f / 5.0f;
}

float offsetToCelsius(float fahrenheit)
{
    return fahrenheit * 5.0f / 9.0f;
}

float offsetToUnit(float celsius, Unit unit)
{
    return unit == Unit::Fahrenheit ? offsetToFahrenheit(celsius) : celsius;
}

float offsetFromUnit(float value, Unit unit)
{
    return unit == Unit::Fahrenheit ? offsetToCelsius(value) : value;
}

Range calibrationRange(Unit unit)
{
    return {offsetToUnit(kCalibrationMinimum, unit), offsetToUnit(kCalibrationMaximum, unit)};
}

History decodeHistory(const RegisterImage &image, Unit unit)
{
    History history;
    for (int i = 0; i < kHistorySampleCount; ++i) {
        const std::optional<float> sample =
            decodeReading(image.inputRegisters[kFirstHistoryRegister + i]);
        if (!sample)
            continue;
        const float t = *sample;
        if (!history.valid) {
            history.valid = true;
            history.lowest = t;
            history.highest = t;
        } else {
            history.lowest = std::min(history.lowest, t);
            history.highest = std::max(history.highest, t);
        }
        history.x.append(i);
        history.temperatures.append(toUnit(t, unit));
    }
    history.lowest = toUnit(history.lowest, unit);
    history.highest = toUnit(history.highest, unit);
    return history;
}

std::optional<float> decodeCurrent(const RegisterImage &image, Unit unit)
{
    const std::optional<float> current =
        decodeReading(image.inputRegisters[kCurrentTemperatureRegister]);
    if (!current)
        return std::nullopt;
    return toUnit(*current, unit);
}

TemperatureSettings decodeSettings(const RegisterImage &image)
{
    TemperatureSettings settings;
    const int alarm = image.coils[kAlarmCoil];
    if (alarm == 0 || alarm == 1)
        settings.alarmOn = alarm == 1;
    settings.calibration = decodeCalibration(image.holdingRegisters[kCalibrationRegister]);
    settings.low = decodeTemperature(image.holdingRegisters[kLowThresholdRegister]);
    settings.high = decodeTemperature(image.holdingRegisters[kHighThresholdRegister]);
    return settings;
}

void encodeSettings(RegisterImage &image, bool alarmOn, float calibration, float low, float high)
{
    image.coils[kAlarmCoil] = alarmOn ? 1 : 0;
    image.holdingRegisters[kCalibrationRegister] = encodeTemperature(calibration);
    image.holdingRegisters[kLowThresholdRegister] = encodeTemperature(low);
    image.holdingRegisters[kHighThresholdRegister] = encodeTemperature(high);
}

bool isOutsideAlarmRange(bool alarmOn, std::optional<float> current, float low, float high)
{
    return alarmOn && current && (*current < low || *current > high);
}

AxisBounds yAxisBounds(float low, float high)
{
    // A float to int conversion truncates toward zero.
    return {int(low - kAxisMargin), int(high + kAxisMargin)};
}

std::array<int, kClockRegisterCount> clockRegisters(const QDateTime &moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year(),   date.month(),  date.day(),      time.hour(),
            time.minute(), time.second(), date.dayOfWeek()};
}

void encodeClock(RegisterImage &image, const QDateTime &moment)
{
    const std::array<int, kClockRegisterCount> registers = clockRegisters(moment);
    std::copy(registers.begin(), registers.end(), image.holdingRegisters + kFirstClockRegister);
}

std::optional<QDateTime> decodeClock(const RegisterImage &image)
{
    const int *r = image.holdingRegisters + kFirstClockRegister;
    const QDate date(r[0], r[1], r[2]);
    const QTime time(r[3], r[4], r[5]);
    if (!date.isValid() || !time.isValid() || date.dayOfWeek() != r[6])
        return std::nullopt;
    return QDateTime(date, time);
}

QVector<int> slavesInUse(QSettings &settings)
{
    QVector<int> addresses;
    const int count = settings.beginReadArray(QLatin1String(AppSettings::kGroupSlaves));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        if (settings.value(QLatin1String(AppSettings::kSlaveOnOff)).toInt() == 1)
            addresses.append(settings.value(QLatin1String(AppSettings::kSlaveAddress)).toInt());
    }
    settings.endArray();
    return addresses;
}

QStringList readTemperatureCommands()
{
    return {CommandString::format(kMasterAddress, Modbus::ReadInputRegisters,
                                  kCurrentTemperatureRegister, kTemperatureFirstReadCount),
            CommandString::format(kMasterAddress, Modbus::ReadInputRegisters,
                                  kCurrentTemperatureRegister + kTemperatureFirstReadCount,
                                  kTemperatureReadCount - kTemperatureFirstReadCount)};
}

QStringList readSettingsCommands()
{
    return {CommandString::format(kMasterAddress, Modbus::ReadCoils, kAlarmCoil, 1),
            CommandString::format(kMasterAddress, Modbus::ReadHoldingRegisters,
                                  kCalibrationRegister, 1),
            CommandString::format(kMasterAddress, Modbus::ReadHoldingRegisters,
                                  kLowThresholdRegister, kThresholdRegisterCount)};
}

QStringList saveSettingsCommands()
{
    return {
        CommandString::format(kMasterAddress, Modbus::WriteSingleCoil, kAlarmCoil),
        CommandString::format(kMasterAddress, Modbus::WriteSingleRegister, kCalibrationRegister),
        CommandString::format(kMasterAddress, Modbus::WriteMultipleRegisters, kLowThresholdRegister,
                              kThresholdRegisterCount),
        CommandString::format(kMasterAddress, Modbus::WriteSingleCoil, kSettingsCommitCoil)};
}

QStringList clockUpdateCommands(const QVector<int> &slaveAddresses)
{
    QVector<int> addresses {kMasterAddress};
    addresses += slaveAddresses;
    QStringList commands;
    for (int address : qAsConst(addresses)) {
        commands << CommandString::format(address, Modbus::WriteMultipleRegisters,
                                          kFirstClockRegister, kClockRegisterCount)
                 << CommandString::format(address, Modbus::WriteSingleCoil, kClockCommitCoil);
    }
    return commands;
}

void copyTemperatureReadings(const RegisterImage &from, RegisterImage &to)
{
    std::copy(from.inputRegisters, from.inputRegisters + kTemperatureReadCount, to.inputRegisters);
}

void copySettings(const RegisterImage &from, RegisterImage &to)
{
    to.coils[kAlarmCoil] = from.coils[kAlarmCoil];
    to.holdingRegisters[kCalibrationRegister] = from.holdingRegisters[kCalibrationRegister];
    std::copy(from.holdingRegisters + kLowThresholdRegister,
              from.holdingRegisters + kLowThresholdRegister + kThresholdRegisterCount,
              to.holdingRegisters + kLowThresholdRegister);
}

void copyClock(const RegisterImage &from, RegisterImage &to)
{
    std::copy(from.holdingRegisters + kFirstClockRegister,
              from.holdingRegisters + kFirstClockRegister + kClockRegisterCount,
              to.holdingRegisters + kFirstClockRegister);
}

void stageSettingsSave(RegisterImage &device, RegisterImage &shared, bool alarmOn,
                       float calibration, float low, float high)
{
    encodeSettings(device, alarmOn, calibration, low, high);
    copySettings(device, shared);
    shared.coils[kSettingsCommitCoil] = 1;
}

void stageClockUpdate(RegisterImage &device, RegisterImage &shared, const QDateTime &moment)
{
    encodeClock(device, moment);
    device.clockTakenAtMs = QDateTime::currentMSecsSinceEpoch();
    copyClock(device, shared);
    shared.coils[kClockCommitCoil] = 1;
}

} // namespace TimeTemp
