#pragma once

// What the "Manual/Calibration" page knows of a pump: which coil runs a
// channel, where its manual volume, speed gear and calibration live, the
// batches that start, stop, re-gear, read and store them, and the arithmetic
// that turns a calibration into a run time and a flow. Widgets hand in the
// device image of their pump and the process-wide register image; nothing
// here knows a widget.

#include <QStringList>

#include <optional>

struct RegisterImage;

namespace ManualDosing {

constexpr int kPumpCount = 4;
constexpr int kGearCount = 3; // "Precise flow", "Moderate flow", "Fast flow"

// Coil 11 + i: pump i running (1) or stopped (0).
constexpr int kRunCoilFirst = 11;
// Holding 58 + i: volume of the manual run in whole ml, 0 when stopped.
constexpr int kRunVolumeFirst = 58;
// Holding 80 + i: speed gear of pump i, shared with the dose programme.
constexpr int kGearFirst = 80;
// Holding 114 + 3 i + g: ms pump i needs for 10 ml at gear g; 0 = not calibrated.
constexpr int kCalibrationFirst = 114;
constexpr int kCalibrationCount = 15; // 114..128, read in one request
// Written as 1 after a calibration value so the pump takes it over.
constexpr int kSettingsCommitCoil = 34;

// A calibration is stored in one 16-bit register.
constexpr int kMaxCalibration = 65535;
// The calibration run's work time, in seconds.
constexpr int kMinWorkTimeSeconds = 5;
constexpr int kMaxWorkTimeSeconds = 60;
constexpr int kDefaultWorkTimeSeconds = 30;
constexpr int kMaxManualVolume = 65535;

int runCoil(int pump);
int runVolumeRegister(int pump);
int gearRegister(int pump);
int calibrationRegister(int pump, int gear);

bool isRunning(const RegisterImage &device, int pump);
// The gear register of pump, or 0 when it holds no valid gear.
int gear(const RegisterImage &device, int pump);
int calibration(const RegisterImage &device, int pump, int gear);

// Manual start (start true) or stop of pump i, whatever the run coil held:
// remembers whether it ran, sets the coil and the run volume (volumeMl to
// start, 0 to stop), copies both into shared and returns [A 6 58+i],
// [A 5 11+i].
struct RunWrite
{
    bool wasRunning = false;
    QStringList commands;
};
RunWrite startOrStop(RegisterImage &device, RegisterImage &shared, int address, int pump,
                     bool start, int volumeMl);
// Puts the run coil back after a start or stop the pump did not confirm.
void setRunning(RegisterImage &device, int pump, bool running);

// Gear change of pump i: sets the gear register, copies it into shared and
// returns [A 6 80+i]. previousGear receives the register's former value.
QStringList gearChange(RegisterImage &device, RegisterImage &shared, int address, int pump,
                       int gear, int *previousGear);
void restoreGear(RegisterImage &device, int pump, int previousGear);

// How long a manual run of volumeMl takes at calibration ms per 10 ml, in
// unsigned 32-bit arithmetic. No value when either is 0: a run of no volume
// goes on until stopped, and an uncalibrated pump gives no estimate.
std::optional<quint32> runTimeMs(quint32 volumeMl, quint32 calibration);

// Calibration run of pump p: sets its run coil in both images to running
// and returns [A 5 11+p].
QStringList calibrationRunWrite(RegisterImage &device, RegisterImage &shared, int address, int pump,
                                bool running);
// [A 3 114 15].
QStringList calibrationRead(int address);
// Takes the calibration table from shared into device after a read.
void takeCalibrationTable(const RegisterImage &shared, RegisterImage &device);

enum class CalibrationError {
    None,
    NoRun, // no complete run yet: no work time to divide by
    NoVolume, // the measured volume is 0
};

struct CalibrationResult
{
    CalibrationError error = CalibrationError::None;
    int value = 0; // ms per 10 ml, capped at kMaxCalibration
    double flowMlPerMin = 0; // measured volume over the work time
};

// T = work time in ms x 10 / measured ml, truncated, capped at 65535. The
// measured volume counts in hundredths of a ml, as it is typed.
CalibrationResult calibrate(int workTimeMs, double measuredMl);

// 600000 / T ml/min; no value for an uncalibrated entry.
std::optional<double> flowFromCalibration(int value);

// Stores value for pump at gear in device and shared, sets the commit coil
// in shared and returns [A 6 entry], [A 5 34].
QStringList calibrationSave(RegisterImage &device, RegisterImage &shared, int address, int pump,
                            int gear, int value);

// Puts an entry back after a save the pump did not confirm.
void restoreCalibration(RegisterImage &device, int pump, int gear, int value);

} // namespace ManualDosing
