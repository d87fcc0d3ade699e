#pragma once

// What the "Time/Temp" page knows about the master pump's registers, with no
// widget in sight: the temperature code and its unit conversions, the 24
// hourly history samples with their gaps, the alarm settings, the clock
// registers, and the command lists of the page's four operations. The page
// decodes replies from a device image through these functions, encodes the
// user's values back into one, and queues the commands built here.

#include "RegisterImage.h"

#include <QDateTime>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

class QSettings;

namespace TimeTemp {

// The page serves the master pump only; the clock also goes to the slaves.
constexpr int kMasterAddress = 1;

// Coils.
constexpr int kClockCommitCoil = 33; // written as 1 after the clock registers
constexpr int kSettingsCommitCoil = 34; // written as 1 after the temperature settings
constexpr int kAlarmCoil = 46; // 1 alarm on, 0 off

// Input registers: the current temperature, then sample i of the last 24
// hours in register 4 + i.
constexpr int kCurrentTemperatureRegister = 0;
constexpr int kFirstHistoryRegister = 4;
constexpr int kHistorySampleCount = 24;
// Input registers 0 to 27 are read in two requests of at most 22 registers,
// the request size the full read of a pump uses as well.
constexpr int kTemperatureReadCount = kFirstHistoryRegister + kHistorySampleCount;
constexpr int kTemperatureFirstReadCount = 22;

// Holding registers.
constexpr int kCalibrationRegister = 131;
constexpr int kLowThresholdRegister = 146;
constexpr int kHighThresholdRegister = 147;
constexpr int kThresholdRegisterCount = 2;
// Year (four digits), month 1..12, day 1..31, hour, minute, second, day of
// week 1 (Monday) .. 7 (Sunday).
constexpr int kFirstClockRegister = 152;
constexpr int kClockRegisterCount = 7;

// Temperature code: tenths of a degree Celsius plus 500, so 0 is -50.0 C.
constexpr int kCodeOffset = 500;
constexpr int kMaxCode = 0xFFFF;
// A reading or history sample holding one of these is a gap, not a value.
constexpr int kNoSampleCode = 0;
constexpr int kNoSampleMarker = 0x8000;
// A calibration register holding one of these has never been set.
constexpr int kCalibrationUnsetCode = 0;
constexpr int kCalibrationUnsetMarker = 0xFFFF;

// The axis around the thresholds, and the plot's fixed x range.
constexpr int kAxisMargin = 2;
constexpr double kXAxisMinimum = 0;
constexpr double kXAxisMaximum = 25;

// The combo box order and the value of the "temperature_mode" setting.
enum class Unit { Celsius = 0, Fahrenheit = 1 };

// "temperature_mode" as stored: 1 is Fahrenheit, anything else Celsius.
Unit unitFromSetting(int mode);
int settingFromUnit(Unit unit);

// (code - 500) / 10, signed: 480 gives -2.0.
float decodeTemperature(int code);
// Temperature x 10 + 500 truncated toward zero, except that a value within
// float rounding of a whole tenth gets that tenth's code (24.9 gives 749,
// though 24.9f x 10 is 248.99999). Clamped to the register's 0..0xFFFF.
int encodeTemperature(float celsius);
// Empty for a gap (0 or 0x8000).
std::optional<float> decodeReading(int code);
// 0.0 for a calibration that was never set (0 or 0xFFFF).
float decodeCalibration(int code);

// Absolute temperatures (readings, history, thresholds): F = C x 9 / 5 + 32
// and back, in single precision.
float toFahrenheit(float celsius);
float toCelsius(float fahrenheit);
float toUnit(float celsius, Unit unit);
float fromUnit(float value, Unit unit);

// The calibration is a correction the pump adds to its reading, a
// difference of temperatures: it converts by the scale alone, F = C x 9 / 5
// and back, so that no correction is 0.0 in either unit.
float offsetToFahrenheit(float celsius);
float offsetToCelsius(float fahrenheit);
float offsetToUnit(float celsius, Unit unit);
float offsetFromUnit(float value, Unit unit);

// What the calibration field offers, in Celsius: the form's -50.0 to 99.99.
constexpr float kCalibrationMinimum = -50.0f;
constexpr float kCalibrationMaximum = 99.99f;
struct Range
{
    double minimum = 0;
    double maximum = 0;
};
// The same span of corrections in the display unit.
Range calibrationRange(Unit unit);

// The 24-hour history in the display unit: x positions of the samples that
// are not gaps, their temperatures, and the lowest and highest of them.
struct History
{
    QVector<double> x;
    QVector<double> temperatures;
    bool valid = false; // at least one sample
    float lowest = 0;
    float highest = 0;
};
History decodeHistory(const RegisterImage &image, Unit unit);
// The current temperature in the display unit, empty when it is a gap.
std::optional<float> decodeCurrent(const RegisterImage &image, Unit unit);

// The temperature settings, in Celsius.
struct TemperatureSettings
{
    std::optional<bool> alarmOn; // empty when coil 46 holds neither 0 nor 1
    float calibration = 0;
    float low = 0;
    float high = 0;
};
TemperatureSettings decodeSettings(const RegisterImage &image);
// Writes coil 46 and holding registers 131, 146 and 147.
void encodeSettings(RegisterImage &image, bool alarmOn, float calibration, float low, float high);

// True while the alarm is on and a valid current reading lies below low or
// above high, all in one unit.
bool isOutsideAlarmRange(bool alarmOn, std::optional<float> current, float low, float high);

// The y axis: low - 2 to high + 2, each bound truncated toward zero.
struct AxisBounds
{
    int minimum = 0;
    int maximum = 0;
};
AxisBounds yAxisBounds(float low, float high);

// Holding registers 152..158 for a moment of the clock, and back; the latter
// is empty when the registers do not name a valid date and time.
std::array<int, kClockRegisterCount> clockRegisters(const QDateTime &moment);
void encodeClock(RegisterImage &image, const QDateTime &moment);
std::optional<QDateTime> decodeClock(const RegisterImage &image);

// The slave addresses whose "group_slaves" entry has "slave_on_off" 1, in
// array order.
QVector<int> slavesInUse(QSettings &settings);

// The command lists of the four operations.
QStringList readTemperatureCommands();
QStringList readSettingsCommands();
QStringList saveSettingsCommands();
QStringList clockUpdateCommands(const QVector<int> &slaveAddresses);

// The ranges each operation moves between a device image and the register
// image the replies land in.
void copyTemperatureReadings(const RegisterImage &from, RegisterImage &to);
void copySettings(const RegisterImage &from, RegisterImage &to);
void copyClock(const RegisterImage &from, RegisterImage &to);

// What a save and a clock update put in place before their writes are
// queued: the values in the device image, copied into the register image the
// writes take them from, with the commit coil set there.
void stageSettingsSave(RegisterImage &device, RegisterImage &shared, bool alarmOn,
                       float calibration, float low, float high);
void stageClockUpdate(RegisterImage &device, RegisterImage &shared, const QDateTime &moment);

} // namespace TimeTemp
