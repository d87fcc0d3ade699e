#include "DoseProgramme.h"

#include "CommandString.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace DoseProgramme {

namespace {

// The programme's holding-register ranges outside the plan area, as the
// Read requests them (registers 17 and 18 are read but never written).
struct Range
{
    int first;
    int count;
};
constexpr Range kReadRanges[] = {{1, 14}, {17, 12}, {32, 4}, {80, 4}, {148, 4}};
constexpr Range kSaveRanges[] = {{1, 14}, {19, 10}, {32, 4}, {80, 4}, {148, 4}};
// The programme area goes in requests of 22 registers and a last one of 4.
constexpr int kAreaChunk = 22;

constexpr int kWordMask = 0xFFFF;
constexpr int kByteMask = 0xFF;

void copyRegisters(const RegisterImage &from, RegisterImage &to, int first, int count)
{
    std::copy_n(from.holdingRegisters + first, count, to.holdingRegisters + first);
}

void copyCoilsAndArea(const RegisterImage &from, RegisterImage &to)
{
    std::copy_n(from.coils + kFirstCoil, kCoilCount, to.coils + kFirstCoil);
    copyRegisters(from, to, kProgrammeAreaFirst, kProgrammeAreaLast - kProgrammeAreaFirst + 1);
}

int planCountOf(const RegisterImage &image, int channel)
{
    return (image.holdingRegisters[kPlanCountRegister + channel] >> 8) & kByteMask;
}

void writeSwitch(RegisterImage &image, int channel, int onOff)
{
    image.coils[kChannelSwitchCoil + channel] = onOff == SwitchOn ? 1 : 0;
}

void writeRunMode(RegisterImage &image, int channel, int runMode)
{
    image.holdingRegisters[kRunModeRegister + channel] = (runMode + 1) & kWordMask;
}

void writeSpeed(RegisterImage &image, int channel, int speed)
{
    image.holdingRegisters[kSpeedRegister + channel] = speed & kWordMask;
}

void writeVolume(RegisterImage &image, int channel, quint32 bits)
{
    image.holdingRegisters[kVolumeRegister + 2 * channel] = int(bits >> 16);
    image.holdingRegisters[kVolumeRegister + 2 * channel + 1] = int(bits & kWordMask);
}

void writeDosesPerDay(RegisterImage &image, int channel, int doses)
{
    image.holdingRegisters[kDosesPerDayRegister + channel] = doses & kWordMask;
}

void writeStart(RegisterImage &image, int channel, const QTime &time)
{
    image.holdingRegisters[kStartTimeRegister + 2 * channel] = timeRegister(time);
}

void writeStop(RegisterImage &image, int channel, const QTime &time)
{
    image.holdingRegisters[kStopTimeRegister + 2 * channel] = timeRegister(time);
}

void writeWeekMask(RegisterImage &image, int channel, int mask)
{
    image.holdingRegisters[kWeekMaskRegister + channel] = mask & kWordMask;
}

void writeSetupMode(RegisterImage &image, int mode)
{
    int &reg = image.holdingRegisters[kPlanCountRegister];
    reg = (reg & (kByteMask << 8)) | (mode & kByteMask);
}

// The plan count goes into the high byte; the low byte stays as it was.
// Plan slots beyond the count keep what they held.
void writePlans(RegisterImage &image, int channel, const QVector<Plan> &plans)
{
    const int count = std::min(int(plans.size()), kMaxPlans);
    int &reg = image.holdingRegisters[kPlanCountRegister + channel];
    reg = (count << 8) | (reg & kByteMask);
    int *block = image.holdingRegisters + kPlanBlockRegister + kPlanBlockSize * channel;
    for (int j = 0; j < count; ++j) {
        block[j] = timeRegister(plans.at(j).time);
        // Whole ml, truncated toward zero, within what a register holds.
        const double volume = std::clamp(plans.at(j).volume, 0.0, double(kMaxPlanVolume));
        block[kMaxPlans + j] = int(volume);
    }
}

void setCommitCoils(RegisterImage &image)
{
    image.coils[kCommitCoilClock] = 1;
    image.coils[kCommitCoilSettings] = 1;
}

} // namespace

quint32 floatBits(float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float floatFromBits(quint32 bits)
{
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

quint32 volumeBits(double volume)
{
    return floatBits(static_cast<float>(volume));
}

double shownVolume(quint32 bits, bool *clamped)
{
    const float value = floatFromBits(bits);
    bool outside = true;
    double shown = 0;
    if (std::isnan(value) || value < 0)
        shown = 0;
    else if (value > kMaxVolume)
        shown = kMaxVolume;
    else {
        // -0.0 is shown as 0 without a mark: it is no volume either way.
        shown = value == 0 ? 0.0 : double(value);
        outside = false;
    }
    if (clamped)
        *clamped = outside;
    return shown;
}

int timeRegister(const QTime &time)
{
    if (!time.isValid())
        return 0;
    return time.hour() * 256 + time.minute();
}

QTime timeFromRegister(int value)
{
    const int hour = std::min((value >> 8) & kByteMask, 23);
    const int minute = std::min(value & kByteMask, 59);
    return QTime(hour, minute);
}

QTime snappedStart(const QTime &time)
{
    return time.isValid() ? QTime(time.hour(), 0) : time;
}

QTime snappedStop(const QTime &time)
{
    return time.isValid() ? QTime(time.hour(), 59) : time;
}

QVector<int> dosesPerDayChoices(const QTime &start, const QTime &stop)
{
    QVector<int> choices;
    if (!start.isValid() || !stop.isValid())
        return choices;
    const int startHour = start.hour();
    // The hour the programme ends in; a stop at 23:59 ends the day at 24.
    int endHour = stop.addSecs(60).hour();
    if (endHour == 0)
        endHour = 24;
    const int span = endHour - startHour;
    for (int k = 1; k <= span; ++k) {
        if (span % k == 0)
            choices.append(k);
    }
    return choices;
}

std::optional<double> perDoseVolume(double total, int dosesPerDay)
{
    if (dosesPerDay <= 0)
        return std::nullopt;
    return total / dosesPerDay;
}

void sortPlans(QVector<Plan> &plans)
{
    std::stable_sort(plans.begin(), plans.end(),
                     [](const Plan &a, const Plan &b) { return a.time < b.time; });
}

std::optional<int> channelWithoutDoseChoice(const Programme &programme)
{
    if (programme.setupMode != SetupAuto)
        return std::nullopt;
    for (int i = 0; i < kChannelCount; ++i) {
        const Channel &channel = programme.channels.at(i);
        if (channel.onOff == SwitchOn && dosesPerDayChoices(channel.start, channel.stop).isEmpty())
            return i;
    }
    return std::nullopt;
}

Programme decode(const RegisterImage &image)
{
    const int *regs = image.holdingRegisters;
    Programme programme;
    programme.setupMode = regs[kPlanCountRegister] & kByteMask;
    for (int i = 0; i < kChannelCount; ++i) {
        Channel &channel = programme.channels[i];
        channel.onOff = image.coils[kChannelSwitchCoil + i];
        channel.runMode = regs[kRunModeRegister + i] - 1;
        channel.speed = regs[kSpeedRegister + i];
        channel.volumeBits = quint32(regs[kVolumeRegister + 2 * i] & kWordMask) << 16 |
            quint32(regs[kVolumeRegister + 2 * i + 1] & kWordMask);
        shownVolume(channel.volumeBits, &channel.volumeClamped);
        channel.dosesPerDay = regs[kDosesPerDayRegister + i];
        channel.start = timeFromRegister(regs[kStartTimeRegister + 2 * i]);
        channel.stop = timeFromRegister(regs[kStopTimeRegister + 2 * i]);
        channel.weekMask = regs[kWeekMaskRegister + i];

        // Never beyond the channel's own 48 registers.
        int count = planCountOf(image, i);
        if (count > kMaxPlans) {
            count = kMaxPlans;
            channel.plansClamped = true;
        }
        const int *block = regs + kPlanBlockRegister + kPlanBlockSize * i;
        for (int j = 0; j < count; ++j)
            channel.plans.append(
                {timeFromRegister(block[j]), double(block[kMaxPlans + j] & kWordMask)});
    }
    return programme;
}

void encode(const Programme &programme, RegisterImage &image)
{
    for (int i = 0; i < kChannelCount; ++i) {
        const Channel &channel = programme.channels.at(i);
        writeSwitch(image, i, channel.onOff);
        writeRunMode(image, i, channel.runMode);
        writeSpeed(image, i, channel.speed);
        writeDosesPerDay(image, i, channel.dosesPerDay);
        writeVolume(image, i, channel.volumeBits);
        writeStart(image, i, channel.start);
        writeStop(image, i, channel.stop);
        writeWeekMask(image, i, channel.weekMask);
    }
    setCommitCoils(image);
    writeSetupMode(image, programme.setupMode);
    for (int i = 0; i < kChannelCount; ++i)
        writePlans(image, i, programme.channels.at(i).plans);
}

void encodeChanges(const Programme &shown, const Programme &edited, RegisterImage &image)
{
    for (int i = 0; i < kChannelCount; ++i) {
        const Channel &was = shown.channels.at(i);
        const Channel &now = edited.channels.at(i);
        if (now.onOff != was.onOff)
            writeSwitch(image, i, now.onOff);
        if (now.runMode != was.runMode)
            writeRunMode(image, i, now.runMode);
        if (now.speed != was.speed)
            writeSpeed(image, i, now.speed);
        if (now.dosesPerDay != was.dosesPerDay)
            writeDosesPerDay(image, i, now.dosesPerDay);
        if (was.volumeClamped || now.volumeBits != was.volumeBits)
            writeVolume(image, i, now.volumeBits);
        if (now.start != was.start)
            writeStart(image, i, now.start);
        if (now.stop != was.stop)
            writeStop(image, i, now.stop);
        if (now.weekMask != was.weekMask)
            writeWeekMask(image, i, now.weekMask);
    }
    setCommitCoils(image);
    if (edited.setupMode != shown.setupMode)
        writeSetupMode(image, edited.setupMode);
    for (int i = 0; i < kChannelCount; ++i) {
        const Channel &was = shown.channels.at(i);
        const Channel &now = edited.channels.at(i);
        if (was.plansClamped || now.plans != was.plans)
            writePlans(image, i, now.plans);
    }
}

QStringList readCommands(int address)
{
    QStringList commands;
    commands << CommandString::format(address, Modbus::ReadCoils, kFirstCoil, kCoilCount);
    for (const Range &range : kReadRanges)
        commands << CommandString::format(address, Modbus::ReadHoldingRegisters, range.first,
                                          range.count);
    for (int first = kProgrammeAreaFirst; first <= kProgrammeAreaLast; first += kAreaChunk) {
        const int count = std::min(kAreaChunk, kProgrammeAreaLast - first + 1);
        commands << CommandString::format(address, Modbus::ReadHoldingRegisters, first, count);
    }
    return commands;
}

QStringList saveCommands(int address)
{
    QStringList commands;
    for (const Range &range : kSaveRanges)
        commands << CommandString::format(address, Modbus::WriteMultipleRegisters, range.first,
                                          range.count);
    for (int first = kProgrammeAreaFirst; first <= kProgrammeAreaLast; first += kAreaChunk) {
        const int count = std::min(kAreaChunk, kProgrammeAreaLast - first + 1);
        commands << CommandString::format(address, Modbus::WriteMultipleRegisters, first, count);
    }
    commands << CommandString::format(address, Modbus::WriteMultipleCoils, kFirstCoil, kCoilCount);
    return commands;
}

void copyReadRanges(const RegisterImage &from, RegisterImage &to)
{
    // Only what the Read asked for: registers 29 and 30 were not read, so
    // the register image holds nothing of this pump there.
    for (const Range &range : kReadRanges)
        copyRegisters(from, to, range.first, range.count);
    copyCoilsAndArea(from, to);
}

void copySaveRanges(const RegisterImage &from, RegisterImage &to)
{
    // The same ranges: registers 17 and 18 are copied but no request writes them.
    for (const Range &range : kReadRanges)
        copyRegisters(from, to, range.first, range.count);
    copyCoilsAndArea(from, to);
}

} // namespace DoseProgramme
