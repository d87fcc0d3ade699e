#include "DoseGuards.h"

#include "AppSettings.h"
#include "LiquidBottles.h"
#include "RegisterImage.h"

#include <QSettings>

namespace DoseGuards {

QVector<Excess> aboveMaximum(const DoseProgramme::Programme &programme,
                             const QVector<int> &reagentOfChannel, double aquariumLitres)
{
    QVector<Excess> excesses;
    for (int i = 0; i < DoseProgramme::kChannelCount; ++i) {
        if (programme.channels.at(size_t(i)).onOff != DoseProgramme::SwitchOn)
            continue;
        const int reagent = reagentOfChannel.value(i, -1);
        const std::optional<double> maximum = Overview::reagentMaximumMl(reagent, aquariumLitres);
        if (!maximum)
            continue;
        const double daily = Overview::dailyVolumeMl(programme, i);
        if (daily > *maximum + kToleranceMl)
            excesses.append({i, reagent, daily, *maximum});
    }
    return excesses;
}

double storedAquariumLitres(QSettings &settings)
{
    return settings.value(QLatin1String(AppSettings::kAquariumVolume)).toDouble();
}

QVector<int> quickSetupReagents()
{
    QVector<int> reagents;
    for (int i = 0; i < DoseProgramme::kChannelCount; ++i)
        reagents << i;
    return reagents;
}

DoseProgramme::Programme afterQuickSetup(const RegisterImage &master,
                                         const QuickSetup::Results &results, double aquariumLitres)
{
    RegisterImage written = master;
    QuickSetup::prepare(master, written, results, aquariumLitres);
    return DoseProgramme::decode(written);
}

bool ChannelSummary::operator==(const ChannelSummary &other) const
{
    return on == other.on && custom == other.custom && runMode == other.runMode &&
        weekMask == other.weekMask && qFuzzyCompare(dailyMl + 1, other.dailyMl + 1) &&
        doses == other.doses;
}

ChannelSummary summary(const DoseProgramme::Programme &programme, int channel)
{
    const DoseProgramme::Channel &c = programme.channels.at(size_t(channel));
    ChannelSummary s;
    // An Off channel doses nothing, whatever else its registers hold.
    s.on = c.onOff == DoseProgramme::SwitchOn;
    if (!s.on)
        return s;
    s.custom = programme.setupMode == DoseProgramme::SetupCustom;
    s.runMode = c.runMode;
    if (c.runMode == DoseProgramme::RunWeek) {
        s.weekMask = c.weekMask & DoseProgramme::kWeekMaskBits;
    }
    s.dailyMl = Overview::dailyVolumeMl(programme, channel);
    s.doses = Overview::dosesOfADay(programme, channel);
    return s;
}

QVector<ChannelChange> compare(const DoseProgramme::Programme &before,
                               const DoseProgramme::Programme &after)
{
    QVector<ChannelChange> changes;
    for (int i = 0; i < DoseProgramme::kChannelCount; ++i)
        changes.append({summary(before, i), summary(after, i)});
    return changes;
}

std::optional<int> runAboveLiquidLeft(const RegisterImage &device, int pump, int volumeMl)
{
    const LiquidBottles::Bottle bottle = LiquidBottles::bottles(device).value(pump);
    // A bottle never given a capacity has nothing counted down: its 0 ml left
    // is no measure, and asking at every run would teach the user to say OK.
    if (bottle.capacityTenths <= 0)
        return std::nullopt;
    const int left = LiquidBottles::liquidLeftMl(bottle);
    if (volumeMl > left)
        return left;
    return std::nullopt;
}

QString formatMl(double ml)
{
    QString text = QString::number(ml, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace DoseGuards
