#include "SetupDiff.h"

#include "ChemicalInterval.h"
#include "DoseProgramme.h"
#include "LiquidBottles.h"
#include "ManualDosing.h"
#include "RegisterImage.h"
#include "SetupRestore.h"
#include "TimeTempDomain.h"

#include <QCoreApplication>
#include <QLocale>

namespace SetupDiff {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SetupDiff", text);
}

const char *const kRunModes[DoseProgramme::RunModeCount] = {
    QT_TRANSLATE_NOOP("SetupDiff", "every day"), QT_TRANSLATE_NOOP("SetupDiff", "every 2 days"),
    QT_TRANSLATE_NOOP("SetupDiff", "every 3 days"),
    QT_TRANSLATE_NOOP("SetupDiff", "chosen weekdays")};
const char *const kSpeeds[DoseProgramme::SpeedCount] = {QT_TRANSLATE_NOOP("SetupDiff", "precise"),
                                                        QT_TRANSLATE_NOOP("SetupDiff", "moderate"),
                                                        QT_TRANSLATE_NOOP("SetupDiff", "fast")};
const char *const kGears[ManualDosing::kGearCount] = {
    QT_TRANSLATE_NOOP("SetupDiff", "Precise flow"), QT_TRANSLATE_NOOP("SetupDiff", "Moderate flow"),
    QT_TRANSLATE_NOOP("SetupDiff", "Fast flow")};
constexpr int kDaysInWeek = 7;
constexpr int kFirstWeekdayInMask = Qt::Monday; // bit 0

QString choice(const char *const *names, int count, int index)
{
    return index >= 0 && index < count ? tr(names[index]) : tr("unknown (%1)").arg(index);
}

QString onOff(bool on)
{
    return on ? tr("On") : tr("Off");
}

QString ml(double volume)
{
    return tr("%1 ml").arg(volume, 0, 'f', 1);
}

QString time(const QTime &moment)
{
    return moment.isValid() ? moment.toString(QStringLiteral("HH:mm")) : QStringLiteral("--");
}

QString weekdays(int mask)
{
    QStringList days;
    const QLocale locale;
    for (int bit = 0; bit < kDaysInWeek; ++bit) {
        if (mask & (1 << bit))
            days << locale.dayName(kFirstWeekdayInMask + bit, QLocale::ShortFormat);
    }
    return days.isEmpty() ? tr("none") : days.join(QStringLiteral(", "));
}

QString plans(const QVector<DoseProgramme::Plan> &list)
{
    if (list.isEmpty())
        return tr("none");
    QStringList shown;
    for (const DoseProgramme::Plan &plan : list)
        shown << tr("%1 %2").arg(time(plan.time), ml(plan.volume));
    return shown.join(QStringLiteral(", "));
}

QString flow(int value)
{
    const std::optional<double> perMinute = ManualDosing::flowFromCalibration(value);
    return perMinute ? tr("%1 ml/min").arg(*perMinute, 0, 'f', 1) : tr("not set");
}

QString celsius(float value)
{
    return tr("%1 °C").arg(double(value), 0, 'f', 1);
}

using Changes = QVector<Change>;

void compareLine(Changes &lines, const QString &what, const QString &now, const QString &after)
{
    if (now != after)
        lines.append({what, now, after});
}

void addSection(QVector<Section> &sections, const QString &title, const Changes &lines)
{
    if (!lines.isEmpty())
        sections.append({title, lines});
}

void programmes(QVector<Section> &sections, const RegisterImage &pump, const RegisterImage &file)
{
    const DoseProgramme::Programme now = DoseProgramme::decode(pump);
    const DoseProgramme::Programme after = DoseProgramme::decode(file);
    Changes all;
    compareLine(all, tr("Dosing by"),
                now.setupMode == DoseProgramme::SetupCustom ? tr("custom plans") : tr("programme"),
                after.setupMode == DoseProgramme::SetupCustom ? tr("custom plans")
                                                              : tr("programme"));
    addSection(sections, tr("All channels"), all);
    for (int channel = 0; channel < DoseProgramme::kChannelCount; ++channel) {
        const DoseProgramme::Channel &a = now.channels.at(size_t(channel));
        const DoseProgramme::Channel &b = after.channels.at(size_t(channel));
        Changes lines;
        compareLine(lines, tr("Switch"), onOff(a.onOff == DoseProgramme::SwitchOn),
                    onOff(b.onOff == DoseProgramme::SwitchOn));
        compareLine(lines, tr("Run mode"),
                    choice(kRunModes, DoseProgramme::RunModeCount, a.runMode),
                    choice(kRunModes, DoseProgramme::RunModeCount, b.runMode));
        compareLine(lines, tr("Days"), weekdays(a.weekMask), weekdays(b.weekMask));
        compareLine(lines, tr("Doses per day"), QString::number(a.dosesPerDay),
                    QString::number(b.dosesPerDay));
        compareLine(lines, tr("Daily volume"), ml(DoseProgramme::shownVolume(a.volumeBits)),
                    ml(DoseProgramme::shownVolume(b.volumeBits)));
        compareLine(lines, tr("Start"), time(a.start), time(b.start));
        compareLine(lines, tr("Stop"), time(a.stop), time(b.stop));
        compareLine(lines, tr("Speed"), choice(kSpeeds, DoseProgramme::SpeedCount, a.speed),
                    choice(kSpeeds, DoseProgramme::SpeedCount, b.speed));
        compareLine(lines, tr("Plans"), plans(a.plans), plans(b.plans));
        addSection(sections, tr("Channel %1 programme").arg(channel + 1), lines);
    }
}

void intervals(QVector<Section> &sections, const RegisterImage &pump, const RegisterImage &file)
{
    const ChemicalInterval::Intervals now = ChemicalInterval::load(pump);
    const ChemicalInterval::Intervals after = ChemicalInterval::load(file);
    Changes lines;
    for (int channel = 0; channel < ChemicalInterval::kChannelCount; ++channel)
        compareLine(lines, tr("Channel %1").arg(channel + 1),
                    tr("%1 min").arg(now.at(size_t(channel))),
                    tr("%1 min").arg(after.at(size_t(channel))));
    addSection(sections, tr("Intervals"), lines);
}

void temperature(QVector<Section> &sections, const RegisterImage &pump, const RegisterImage &file)
{
    const TimeTemp::TemperatureSettings now = TimeTemp::decodeSettings(pump);
    const TimeTemp::TemperatureSettings after = TimeTemp::decodeSettings(file);
    const auto alarm = [](const std::optional<bool> &on) {
        return on ? onOff(*on) : tr("unknown");
    };
    Changes lines;
    compareLine(lines, tr("Alarm"), alarm(now.alarmOn), alarm(after.alarmOn));
    compareLine(lines, tr("Low threshold"), celsius(now.low), celsius(after.low));
    compareLine(lines, tr("High threshold"), celsius(now.high), celsius(after.high));
    compareLine(lines, tr("Probe calibration"), celsius(now.calibration),
                celsius(after.calibration));
    addSection(sections, tr("Temperature"), lines);
}

void calibration(QVector<Section> &sections, const RegisterImage &pump, const RegisterImage &file)
{
    for (int channel = 0; channel < ManualDosing::kPumpCount; ++channel) {
        Changes lines;
        for (int gear = 0; gear < ManualDosing::kGearCount; ++gear)
            compareLine(lines, tr(kGears[gear]),
                        flow(ManualDosing::calibration(pump, channel, gear)),
                        flow(ManualDosing::calibration(file, channel, gear)));
        addSection(sections, tr("Channel %1 calibration").arg(channel + 1), lines);
    }
}

void bottles(QVector<Section> &sections, const RegisterImage &pump, const RegisterImage &file)
{
    const QVector<LiquidBottles::Bottle> now = LiquidBottles::bottles(pump);
    const QVector<LiquidBottles::Bottle> after = LiquidBottles::bottles(file);
    for (int channel = 0; channel < LiquidBottles::kPumpCount; ++channel) {
        const LiquidBottles::Bottle &a = now.at(channel);
        const LiquidBottles::Bottle &b = after.at(channel);
        Changes lines;
        compareLine(lines, tr("Capacity"),
                    ml(a.capacityTenths / double(LiquidBottles::kTenthsPerMl)),
                    ml(b.capacityTenths / double(LiquidBottles::kTenthsPerMl)));
        compareLine(lines, tr("Liquid left"),
                    ml(a.liquidLeftTenths / double(LiquidBottles::kTenthsPerMl)),
                    ml(b.liquidLeftTenths / double(LiquidBottles::kTenthsPerMl)));
        addSection(sections, tr("Bottle %1").arg(channel + 1), lines);
    }
}

void pcSettings(QVector<Section> &sections, const SetupFile::PcSettings &now,
                const SetupFile::PcSettings &after)
{
    Changes lines;
    compareLine(lines, tr("Aquarium volume"), tr("%1 l").arg(now.aquariumVolume),
                tr("%1 l").arg(after.aquariumVolume));
    for (int i = 0; i < after.pumps.size(); ++i) {
        const SetupFile::PumpEntry a = now.pumps.value(i);
        const SetupFile::PumpEntry &b = after.pumps.at(i);
        compareLine(lines, tr("Channel %1 name").arg(i + 1), a.name, b.name);
        compareLine(lines, tr("Channel %1 reagent").arg(i + 1),
                    now.reagents.value(a.reagentIndex).name,
                    after.reagents.value(b.reagentIndex).name);
    }
    for (int i = 0; i < after.reagents.size(); ++i) {
        const SetupFile::ReagentEntry a = now.reagents.value(i);
        const SetupFile::ReagentEntry &b = after.reagents.at(i);
        const QString what = tr("Reagent %1").arg(i + 1);
        compareLine(lines, what, a.name, b.name);
        if (a.max != b.max || a.offer != b.offer || a.consume != b.consume)
            lines.append({tr("%1 (%2) quick setup values").arg(what, b.name), tr("as now"),
                          tr("from the file")});
    }
    if (now.chemicalInterval != after.chemicalInterval ||
        now.chemicalPump4Select != after.chemicalPump4Select ||
        now.chemicalPump5Select != after.chemicalPump5Select)
        lines.append({tr("Interval settings kept on the PC"), tr("as now"), tr("from the file")});
    addSection(sections, tr("PC settings"), lines);
}

} // namespace

QString Change::line() const
{
    return QStringLiteral("%1: %2 → %3").arg(what, now, after);
}

QVector<Section> differences(const RegisterImage &pump, const RegisterImage &file, int address,
                             const SetupFile::PcSettings &pcNow,
                             const SetupFile::PcSettings &pcFile)
{
    QVector<Section> sections;
    for (SetupRestore::Group group : SetupRestore::groupsFor(address)) {
        switch (group) {
        case SetupRestore::Group::Programme:
            programmes(sections, pump, file);
            break;
        case SetupRestore::Group::Intervals:
            intervals(sections, pump, file);
            break;
        case SetupRestore::Group::Temperature:
            temperature(sections, pump, file);
            break;
        case SetupRestore::Group::Calibration:
            calibration(sections, pump, file);
            break;
        case SetupRestore::Group::Bottles:
            bottles(sections, pump, file);
            break;
        }
    }
    pcSettings(sections, pcNow, pcFile);
    return sections;
}

} // namespace SetupDiff
