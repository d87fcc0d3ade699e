#pragma once

// The checks a page makes before it sends a dose the fish-keeper may not
// have meant, from the programme or device image it is about to send alone:
// which channels would dose more a day than the quick-setup calculator
// allows for their reagent, what a quick setup turns the master's programme
// into, channel by channel beside the one it replaces, and whether a manual
// run wants more than its bottle holds. The pages ask the user with these
// numbers; nothing here sends a request or knows a widget.

#include "DoseProgramme.h"
#include "Overview.h"
#include "QuickSetup.h"

#include <QString>
#include <QVector>

#include <optional>

class QSettings;
struct RegisterImage;

namespace DoseGuards {

// A daily volume counts as above its maximum only by more than this: the
// pump keeps volumes as single-precision floats, whose rounding must not
// turn a volume typed as the maximum itself into a question.
constexpr double kToleranceMl = 0.001;

struct Excess
{
    int channel = 0; // 0-based
    int reagentIndex = -1;
    double dailyMl = 0;
    double maximumMl = 0;
};

// The channels that are On and whose volume of one dosing day exceeds the
// quick-setup calculator's maximum for their reagent (reagentOfChannel, by
// channel) in an aquarium of aquariumLitres. A channel without a reagent,
// or whose reagent has no maximum, is never among them.
QVector<Excess> aboveMaximum(const DoseProgramme::Programme &programme,
                             const QVector<int> &reagentOfChannel, double aquariumLitres);

// The aquarium volume the settings hold, in litres.
double storedAquariumLitres(QSettings &settings);

// The reagent of each channel once a quick setup is stored: channel i takes
// reagent i.
QVector<int> quickSetupReagents();

// The master's programme after a quick setup with these results: master
// (its device image) with what Setup writes put over it.
DoseProgramme::Programme afterQuickSetup(const RegisterImage &master,
                                         const QuickSetup::Results &results, double aquariumLitres);

// One channel of a programme as a fish-keeper reads it.
struct ChannelSummary
{
    bool on = false;
    bool custom = false; // dosed by plans
    int runMode = DoseProgramme::RunOneDay;
    int weekMask = 0; // the week's dosing days, bit 0 Monday; 0 unless weekly
    double dailyMl = 0;
    QVector<Overview::Dose> doses;

    bool operator==(const ChannelSummary &other) const;
    bool operator!=(const ChannelSummary &other) const { return !(*this == other); }
};
ChannelSummary summary(const DoseProgramme::Programme &programme, int channel);

struct ChannelChange
{
    ChannelSummary before;
    ChannelSummary after;
    bool changed() const { return before != after; }
};
// The four channels, before and after.
QVector<ChannelChange> compare(const DoseProgramme::Programme &before,
                               const DoseProgramme::Programme &after);

// The liquid left in pump's bottle in whole ml, as the liquid page shows it,
// when a manual run of volumeMl wants more than that; nothing otherwise, and
// nothing for a bottle whose capacity was never set.
std::optional<int> runAboveLiquidLeft(const RegisterImage &device, int pump, int volumeMl);

// A volume in ml with at most two decimals and no trailing zeros.
QString formatMl(double ml);

} // namespace DoseGuards
