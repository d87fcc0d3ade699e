#pragma once

// The quick-setup calculator: recommended and maximum daily doses from the
// aquarium volume and the daily consumption, the one-dose-a-day programme
// it writes to the master (channels 1 to 3 on with the recommended volumes),
// and the inputs and results it keeps in the settings store.

#include <QStringList>

class QSettings;
struct RegisterImage;

namespace QuickSetup {

constexpr int kMasterAddress = 1;

// Coils, by register-image index.
constexpr int kFirstCoil = 27; // coils 27..36 go out in one request
constexpr int kCoilCount = 10;
constexpr int kCoilBeforeChannels = 27;
constexpr int kChannelSwitchCoil = 28; // + channel
constexpr int kKeptCoil32 = 32;
constexpr int kCommitCoilClock = 33;
constexpr int kCommitCoilSettings = 34;
constexpr int kCoil36 = 36;

// Holding registers.
constexpr int kRunModeRegister = 2; // + channel, 1 = "1 day"
constexpr int kVolumeRegister = 19; // + 2 x channel, float high word first
constexpr int kDosesPerDayRegister = 32; // + channel
constexpr int kTimesRegister = 42; // 42..50, written with fixed values
constexpr int kAquariumRegister = 142; // 142 high word, 143 low word, in ml
constexpr int kDosedChannels = 3; // calcium, magnesium, alkalinity

struct Inputs
{
    double volume = 0; // litres
    double consumeCa = 0; // ppm
    double consumeMg = 0; // ppm
    double consumeKh = 0; // dKH
};

struct Results
{
    double supplyCa = 0;
    double supplyMg = 0;
    double supplyKh = 0;
    double maxCa = 0;
    double maxMg = 0;
    double maxKh = 0;
    double maxSr = 0;
    double maxColdHot = 0;
};

Results calculate(const Inputs &inputs);

// The aquarium volume in ml as the pump keeps it: litres x 1000, truncated
// toward zero.
qint32 aquariumMillilitres(double litres);

// What Setup writes to the master, copied from one image into another:
// coils 27..36, holding registers 2..56 and 142..145.
void copyWrittenRanges(const RegisterImage &from, RegisterImage &to);

// Puts the quick-setup programme into image for the master. Every coil and
// register of the written ranges is first taken from master (the master's
// own device image), so what the programme does not set goes back to the
// master as the master last reported it, whatever pump was read last.
void prepare(const RegisterImage &master, RegisterImage &image, const Results &results,
             double aquariumLitres);

// The six requests of Setup, in the order the pump must see them.
QStringList commands();

// The page's inputs and results as the settings store keeps them.
struct Stored
{
    Inputs inputs;
    Results results;
};
Stored load(QSettings &settings);
// Also gives channel i the reagent of its own position.
void store(QSettings &settings, const Stored &stored);

} // namespace QuickSetup
