#include "QuickSetup.h"

#include "AppSettings.h"
#include "CommandString.h"
#include "DoseProgramme.h"
#include "ModbusCodec.h"
#include "PumpNames.h"
#include "RegisterImage.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace QuickSetup {

namespace {

// Entries of "group_reagent" the page uses.
enum Reagent { ReagentCa = 0, ReagentMg, ReagentKh, ReagentSr, ReagentColdHot };

// Registers 42..50: fixed values Setup always writes.
constexpr int kTimesValues[] = {8, 0, 0, 8, 4, 0, 8, 8, 0};

void copyRange(const int *from, int *to, int first, int last)
{
    std::copy(from + first, from + last + 1, to + first);
}

int arraySize(QSettings &settings, const char *group)
{
    const int size = settings.beginReadArray(QLatin1String(group));
    settings.endArray();
    return size;
}

} // namespace

Results calculate(const Inputs &in)
{
    Results r;
    r.maxCa = 0.4 * in.volume;
    r.maxMg = 0.4 * in.volume;
    r.maxKh = in.volume;
    r.maxSr = 0.2 * in.volume;
    r.maxColdHot = 0.2 * in.volume;
    r.supplyCa = (0.67 * in.volume / 100) * in.consumeCa;
    r.supplyMg = (in.volume * 0.5 / 100) * in.consumeMg;
    r.supplyKh = (in.volume * 4.4 / 10) * in.consumeKh;
    return r;
}

qint32 aquariumMillilitres(double litres)
{
    return static_cast<qint32>(std::trunc(litres * 1000.0f));
}

void copyWrittenRanges(const RegisterImage &from, RegisterImage &to)
{
    std::copy(from.coils + 27, from.coils + 37, to.coils + 27);
    copyRange(from.holdingRegisters, to.holdingRegisters, 2, 56);
    copyRange(from.holdingRegisters, to.holdingRegisters, 142, 145);
}

void prepare(const RegisterImage &master, RegisterImage &image, const Results &results,
             double aquariumLitres)
{
    if (&master != &image)
        copyWrittenRanges(master, image);

    quint8 *coils = image.coils;
    coils[kCoilBeforeChannels] = 0;
    for (int channel = 0; channel < DoseProgramme::kChannelCount; ++channel)
        coils[kChannelSwitchCoil + channel] = channel < kDosedChannels ? 1 : 0;
    coils[kKeptCoil32] = 0;
    coils[kCoil36] = 0;
    coils[kCommitCoilClock] = 1;
    coils[kCommitCoilSettings] = 1;

    int *regs = image.holdingRegisters;
    const double supplies[kDosedChannels] = {results.supplyCa, results.supplyMg, results.supplyKh};
    for (int channel = 0; channel < kDosedChannels; ++channel) {
        regs[kRunModeRegister + channel] = DoseProgramme::RunOneDay + 1;
        regs[kDosesPerDayRegister + channel] = 1;
        const quint32 bits = DoseProgramme::volumeBits(supplies[channel]);
        regs[kVolumeRegister + 2 * channel] = int(bits >> 16);
        regs[kVolumeRegister + 2 * channel + 1] = int(bits & 0xFFFF);
    }
    std::copy(std::begin(kTimesValues), std::end(kTimesValues), regs + kTimesRegister);

    // High half by arithmetic shift, as a signed 32-bit value.
    const qint32 ml = aquariumMillilitres(aquariumLitres);
    regs[kAquariumRegister] = (ml >> 16) & 0xFFFF;
    regs[kAquariumRegister + 1] = ml & 0xFFFF;
}

QStringList commands()
{
    const int a = kMasterAddress;
    return {
        CommandString::format(a, Modbus::WriteMultipleCoils, kFirstCoil, kCoilCount),
        CommandString::format(a, Modbus::WriteMultipleRegisters, 2, 22),
        CommandString::format(a, Modbus::WriteMultipleRegisters, 24, 22),
        CommandString::format(a, Modbus::WriteMultipleRegisters, 46, 11),
        CommandString::format(a, Modbus::WriteMultipleRegisters, kAquariumRegister, 4),
        CommandString::format(a, Modbus::WriteMultipleCoils, kCommitCoilClock, 2),
    };
}

Stored load(QSettings &settings)
{
    using namespace AppSettings;
    Stored s;
    const int size = settings.beginReadArray(QLatin1String(kGroupReagent));
    const auto read = [&settings, size](int entry, const char *key) {
        if (entry >= size)
            return 0.0;
        settings.setArrayIndex(entry);
        return settings.value(QLatin1String(key)).toDouble();
    };
    s.inputs.consumeCa = read(ReagentCa, kReagentConsume);
    s.results.maxCa = read(ReagentCa, kReagentMax);
    s.results.supplyCa = read(ReagentCa, kReagentOffer);
    s.inputs.consumeMg = read(ReagentMg, kReagentConsume);
    s.results.maxMg = read(ReagentMg, kReagentMax);
    s.results.supplyMg = read(ReagentMg, kReagentOffer);
    s.inputs.consumeKh = read(ReagentKh, kReagentConsume);
    s.results.maxKh = read(ReagentKh, kReagentMax);
    s.results.supplyKh = read(ReagentKh, kReagentOffer);
    s.results.maxSr = read(ReagentSr, kReagentMax);
    s.results.maxColdHot = read(ReagentColdHot, kReagentMax);
    settings.endArray();
    s.inputs.volume = settings.value(QLatin1String(kAquariumVolume)).toDouble();
    return s;
}

void store(QSettings &settings, const Stored &s)
{
    using namespace AppSettings;
    settings.setValue(QLatin1String(kAquariumVolume), s.inputs.volume);

    // Written with the array's own size, so that the reagents after the
    // fifth stay in the list.
    const int reagents = std::max(arraySize(settings, kGroupReagent), int(ReagentColdHot) + 1);
    settings.beginWriteArray(QLatin1String(kGroupReagent), reagents);
    const auto write = [&settings](int entry, const char *key, double value) {
        settings.setArrayIndex(entry);
        settings.setValue(QLatin1String(key), value);
    };
    write(ReagentCa, kReagentConsume, s.inputs.consumeCa);
    write(ReagentCa, kReagentMax, s.results.maxCa);
    write(ReagentCa, kReagentOffer, s.results.supplyCa);
    write(ReagentMg, kReagentConsume, s.inputs.consumeMg);
    write(ReagentMg, kReagentMax, s.results.maxMg);
    write(ReagentMg, kReagentOffer, s.results.supplyMg);
    write(ReagentKh, kReagentConsume, s.inputs.consumeKh);
    write(ReagentKh, kReagentMax, s.results.maxKh);
    write(ReagentKh, kReagentOffer, s.results.supplyKh);
    write(ReagentSr, kReagentMax, s.results.maxSr);
    write(ReagentColdHot, kReagentMax, s.results.maxColdHot);
    settings.endArray();

    // The calculator programmes the master alone: its channels take the
    // reagents of their positions, and the slaves keep their own choices.
    QVector<int> ownPositions;
    for (int i = 0; i < std::min(arraySize(settings, kGroupPumps), PumpNames::kChannelCount); ++i)
        ownPositions << i;
    PumpNames::setReagentIndices(settings, kMasterAddress, ownPositions);
}

} // namespace QuickSetup
