#pragma once

// What the overview shows of one pump, from its device image alone: for each
// channel the doses of one dosing day, the daily volume, the bottle and its
// days left, the liquid sensor and the warnings a fish-keeper must see; and
// how far the pump's clock is from the PC's. Nothing here sends a request.

#include "DoseProgramme.h"

#include <QDateTime>
#include <QTime>
#include <QVector>

#include <optional>

struct RegisterImage;

namespace Overview {

// "low_bottle_days" when the settings hold none.
constexpr int kDefaultLowBottleDays = 3;
// A pump clock further off than this doses at the wrong time of day.
constexpr qint64 kClockToleranceSeconds = 120;

struct Dose
{
    QTime time;
    double volumeMl = 0;
    bool operator==(const Dose &other) const
    {
        return time == other.time && qFuzzyCompare(volumeMl + 1, other.volumeMl + 1);
    }
};

// Automatic: the channel's doses per day, each the daily volume divided by
// their number, from the start hour every span / doses hours, as the dose
// editor offers them. Custom: the plans in time order. Off or none: empty.
QVector<Dose> dosesOfADay(const DoseProgramme::Programme &programme, int channel);
// The volume of one dosing day: the automatic total or the plans' sum.
double dailyVolumeMl(const DoseProgramme::Programme &programme, int channel);

// The largest daily dose the quick-setup calculator allows for a reagent
// (by its index in the reagent list) in an aquarium of that many litres;
// none for a reagent it has no maximum for.
std::optional<double> reagentMaximumMl(int reagentIndex, double aquariumLitres);

enum class Warning {
    LowBottle, // days left at or below the threshold
    SensorLow, // the channel's liquid sensor reports low liquid
    NoDose, // on, but nothing goes in on a dosing day (0 ml, or a week without days)
    AboveMaximum, // the daily volume exceeds its reagent's maximum
};

struct Channel
{
    bool on = false;
    bool custom = false; // dosed by plans
    int runMode = DoseProgramme::RunOneDay;
    int weekMask = 0;
    QVector<Dose> doses;
    double dailyMl = 0;
    int capacityMl = 0;
    int liquidLeftMl = 0;
    double fillLevel = 0; // 0 to 1
    std::optional<qint64> daysLeft;
    bool sensorLow = false;
    std::optional<double> maximumMl;
    QVector<Warning> warnings;
};

struct Limits
{
    int lowBottleDays = kDefaultLowBottleDays;
    double aquariumLitres = 0;
    QVector<int> reagentOfChannel; // reagent index per channel; missing: no maximum
};

QVector<Channel> channels(const RegisterImage &device, const Limits &limits);

struct Clock
{
    std::optional<QDateTime> pump; // empty when the registers hold no date and time
    // The pump's clock at pcNow, had it run on since it was taken.
    std::optional<QDateTime> pumpNow;
    qint64 offsetSeconds = 0; // pump minus PC, when the clock was taken
    bool wrong = false; // not set, or off by more than the tolerance
};
// Compares the clock registers with the PC's time when they were taken
// (the image's stamp), or with pcNow for an image that has none.
Clock checkClock(const RegisterImage &device, const QDateTime &pcNow);

} // namespace Overview
