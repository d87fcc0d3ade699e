#pragma once

// The automatic dosing programme of one pump's four channels and the
// registers that hold it. A Read lands in the shared register image, its
// ranges are copied into the pump's device image and decoded into a
// Programme; the page shows that in its editors. A Save collects the
// editors into a Programme again and writes into a copy of the device image
// only the fields that differ from what was shown, so that every register
// the user did not change goes back to the pump exactly as it came.

#include <QStringList>
#include <QTime>
#include <QVector>

#include <array>
#include <optional>

struct RegisterImage;

namespace DoseProgramme {

constexpr int kChannelCount = 4;
constexpr int kMaxPlans = 24;

// Coils, by register-image index.
constexpr int kChannelSwitchCoil = 28; // + channel: 1 "On", 0 "Off"
constexpr int kCommitCoilClock = 33; // set to 1 by every Save
constexpr int kCommitCoilSettings = 34;
constexpr int kFirstCoil = 28; // coils 28..34 are read and written together
constexpr int kCoilCount = 7;

// Holding registers, by register-image index.
constexpr int kRunModeRegister = 2; // + channel: run-mode index + 1
constexpr int kWeekMaskRegister = 10; // + channel: bit 0 Monday .. bit 6 Sunday
constexpr int kVolumeRegister = 19; // + 2 x channel: float high word, then low word
constexpr int kDosesPerDayRegister = 32; // + channel
constexpr int kSpeedRegister = 80; // + channel: speed index
constexpr int kPlanCountRegister = 148; // + channel: plan count in the high byte;
                                        // low byte of 148: Auto (0) / Custom (1)
constexpr int kStartTimeRegister = 165; // + 2 x channel: hour x 256 + minute
constexpr int kStopTimeRegister = 166; // + 2 x channel
constexpr int kPlanBlockRegister = 175; // + 48 x channel: 24 plan times, then 24 volumes
constexpr int kPlanBlockSize = 2 * kMaxPlans;
constexpr int kProgrammeAreaFirst = 165; // start/stop times and plan blocks, 165..366
constexpr int kProgrammeAreaLast = kPlanBlockRegister + kChannelCount * kPlanBlockSize - 1;

// The editors' ranges.
constexpr double kMaxVolume = 1000000.0;
constexpr int kMaxPlanVolume = 65535;
constexpr int kWeekMaskBits = 0x7F;

// Choice orders, which are the register format.
enum RunMode { RunOneDay = 0, RunTwoDays, RunThreeDays, RunWeek, RunModeCount };
enum Speed { SpeedPrecise = 0, SpeedModerate, SpeedFast, SpeedCount };
enum SetupMode { SetupAuto = 0, SetupCustom, SetupModeCount };
enum Switch { SwitchOff = 0, SwitchOn };

struct Plan
{
    QTime time;
    double volume = 0; // whole ml on the pump
    bool operator==(const Plan &other) const
    {
        return time == other.time && volume == other.volume;
    }
    bool operator!=(const Plan &other) const { return !(*this == other); }
};

struct Channel
{
    int onOff = SwitchOff;
    int runMode = RunOneDay; // 0-based choice index
    int speed = SpeedPrecise;
    quint32 volumeBits = 0; // IEEE-754 single precision
    int dosesPerDay = 0;
    QTime start;
    QTime stop;
    int weekMask = 0;
    QVector<Plan> plans;

    // Set by decode when the pump's value could not be shown as it is (a
    // volume that is no finite number in the editor's range, more than 24
    // plans). Such a field is written as shown by the next Save.
    bool volumeClamped = false;
    bool plansClamped = false;
};

struct Programme
{
    std::array<Channel, kChannelCount> channels;
    int setupMode = SetupAuto; // low byte of register 148
};

// Floats travel as their bit pattern, high 16 bits in the first register.
quint32 floatBits(float value);
float floatFromBits(quint32 bits);
quint32 volumeBits(double volume); // the editor's double narrowed to float

// The volume an editor can show for a stored pattern: NaN and negative
// patterns become 0, values above the range (or infinite) the maximum.
double shownVolume(quint32 bits, bool *clamped = nullptr);

// A clock time as hour x 256 + minute. A register whose bytes are no clock
// time decodes to the nearest one (hour at most 23, minute at most 59).
int timeRegister(const QTime &time);
QTime timeFromRegister(int value);

// Automatic start times are whole hours, stop times end at minute 59.
QTime snappedStart(const QTime &time);
QTime snappedStop(const QTime &time);

// The doses-per-day choices between start and stop: every divisor of the
// span in hours, increasing; empty when the stop is not after the start.
QVector<int> dosesPerDayChoices(const QTime &start, const QTime &stop);

// The per-dose volume, or nothing while there is no dose count to divide by.
std::optional<double> perDoseVolume(double total, int dosesPerDay);

// Plans in time order; plans with equal times keep their order.
void sortPlans(QVector<Plan> &plans);

// The first channel that is On in the automatic mode but has no
// doses-per-day choice (its stop time is not after its start time): a Save
// would otherwise tell the pump 0 doses a day with a volume.
std::optional<int> channelWithoutDoseChoice(const Programme &programme);

// Decodes the programme registers of a device image.
Programme decode(const RegisterImage &image);

// Writes every field of the programme into image and sets the commit
// coils; registers the programme does not describe are left as they are.
void encode(const Programme &programme, RegisterImage &image);

// Writes only the fields in which edited differs from shown (or that
// decode had to clamp), and sets the commit coils. Plans are written in
// edited's order, so sort them first.
void encodeChanges(const Programme &shown, const Programme &edited, RegisterImage &image);

// The sixteen requests of a Read and of a Save, for the pump at address.
QStringList readCommands(int address);
QStringList saveCommands(int address);

// What a Read brings back (register image -> device image) and what a Save
// sends (device image -> register image).
void copyReadRanges(const RegisterImage &from, RegisterImage &to);
void copySaveRanges(const RegisterImage &from, RegisterImage &to);

} // namespace DoseProgramme
