#include "Overview.h"

#include "LiquidBottles.h"
#include "LiquidSensors.h"
#include "QuickSetup.h"
#include "RegisterImage.h"
#include "TimeTempDomain.h"

#include <cmath>

namespace Overview {

namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;

// The reagent list's order: Ca, Mg, Kh, Sr, the cold-hot water, Other.
enum Reagent { ReagentCa = 0, ReagentMg, ReagentKh, ReagentSr, ReagentColdHot };

} // namespace

QVector<Dose> dosesOfADay(const DoseProgramme::Programme &programme, int channel)
{
    const DoseProgramme::Channel &c = programme.channels.at(size_t(channel));
    QVector<Dose> doses;
    if (programme.setupMode == DoseProgramme::SetupCustom) {
        QVector<DoseProgramme::Plan> plans = c.plans;
        DoseProgramme::sortPlans(plans);
        for (const DoseProgramme::Plan &plan : plans)
            doses.append({plan.time, plan.volume});
        return doses;
    }
    if (c.dosesPerDay <= 0 || !c.start.isValid() || !c.stop.isValid())
        return doses;
    const QVector<int> choices = DoseProgramme::dosesPerDayChoices(c.start, c.stop);
    if (choices.isEmpty())
        return doses;
    // The last choice is the span in hours: one dose an hour.
    const int spanMinutes = choices.last() * kMinutesPerHour;
    const int stepMinutes = spanMinutes / c.dosesPerDay;
    const double each = DoseProgramme::shownVolume(c.volumeBits) / c.dosesPerDay;
    const QTime first(c.start.hour(), 0);
    for (int k = 0; k < c.dosesPerDay && k * stepMinutes < kHoursPerDay * kMinutesPerHour; ++k)
        doses.append({first.addSecs(k * stepMinutes * kMinutesPerHour), each});
    return doses;
}

double dailyVolumeMl(const DoseProgramme::Programme &programme, int channel)
{
    const DoseProgramme::Channel &c = programme.channels.at(size_t(channel));
    if (programme.setupMode == DoseProgramme::SetupCustom) {
        double sum = 0;
        for (const DoseProgramme::Plan &plan : c.plans)
            sum += plan.volume;
        return sum;
    }
    return DoseProgramme::shownVolume(c.volumeBits);
}

std::optional<double> reagentMaximumMl(int reagentIndex, double aquariumLitres)
{
    QuickSetup::Inputs inputs;
    inputs.volume = aquariumLitres;
    const QuickSetup::Results results = QuickSetup::calculate(inputs);
    switch (reagentIndex) {
    case ReagentCa:
        return results.maxCa;
    case ReagentMg:
        return results.maxMg;
    case ReagentKh:
        return results.maxKh;
    case ReagentSr:
        return results.maxSr;
    case ReagentColdHot:
        return results.maxColdHot;
    default:
        return std::nullopt;
    }
}

QVector<Channel> channels(const RegisterImage &device, const Limits &limits)
{
    const DoseProgramme::Programme programme = DoseProgramme::decode(device);
    const QVector<LiquidBottles::Bottle> bottles = LiquidBottles::bottles(device);
    const QVector<int> sensors = LiquidSensors::states(device);
    QVector<Channel> rows;
    for (int i = 0; i < DoseProgramme::kChannelCount; ++i) {
        const DoseProgramme::Channel &c = programme.channels.at(size_t(i));
        Channel row;
        row.on = c.onOff == DoseProgramme::SwitchOn;
        row.custom = programme.setupMode == DoseProgramme::SetupCustom;
        row.runMode = c.runMode;
        row.weekMask = c.weekMask & DoseProgramme::kWeekMaskBits;
        row.doses = dosesOfADay(programme, i);
        row.dailyMl = dailyVolumeMl(programme, i);
        const LiquidBottles::Bottle bottle = bottles.value(i);
        row.capacityMl = LiquidBottles::capacityMl(bottle);
        row.liquidLeftMl = LiquidBottles::liquidLeftMl(bottle);
        row.fillLevel = LiquidBottles::fillLevel(bottle);
        row.daysLeft = LiquidBottles::daysLeft(device, i, row.liquidLeftMl);
        row.sensorLow = LiquidSensors::isActive(sensors.value(i));
        if (i < limits.reagentOfChannel.size())
            row.maximumMl = reagentMaximumMl(limits.reagentOfChannel.at(i), limits.aquariumLitres);

        if (row.on && row.daysLeft && *row.daysLeft <= limits.lowBottleDays)
            row.warnings.append(Warning::LowBottle);
        if (row.sensorLow)
            row.warnings.append(Warning::SensorLow);
        const bool weekWithoutDays =
            !row.custom && row.runMode == DoseProgramme::RunWeek && row.weekMask == 0;
        if (row.on && (!(row.dailyMl > 0) || weekWithoutDays))
            row.warnings.append(Warning::NoDose);
        if (row.on && row.maximumMl && row.dailyMl > *row.maximumMl)
            row.warnings.append(Warning::AboveMaximum);
        rows.append(row);
    }
    return rows;
}

Clock checkClock(const RegisterImage &device, const QDateTime &pcNow)
{
    Clock clock;
    clock.pump = TimeTemp::decodeClock(device);
    if (!clock.pump) {
        clock.wrong = true;
        return clock;
    }
    const QDateTime takenAt =
        device.clockTakenAtMs > 0 ? QDateTime::fromMSecsSinceEpoch(device.clockTakenAtMs) : pcNow;
    clock.offsetSeconds = takenAt.secsTo(*clock.pump);
    clock.pumpNow = clock.pump->addMSecs(takenAt.msecsTo(pcNow));
    clock.wrong = std::llabs(clock.offsetSeconds) > kClockToleranceSeconds;
    return clock;
}

} // namespace Overview
