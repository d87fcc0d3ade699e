#pragma once

// A pump's whole setup kept in a file: every table of its start-up read,
// what the client keeps about it on the PC (channel names, reagents, the
// aquarium volume, the interval settings), and where and when it was made.
// The file is versioned JSON; parse() checks all of it before a caller sees
// any value, so a file that fails one check is never half used.

#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>

class QSettings;
struct RegisterImage;

namespace SetupFile {

inline const char kFormatName[] = "tidewell-d4-setup";
constexpr int kFormatVersion = 1;
inline const char kFileSuffix[] = ".tidewell.json";

// Bus addresses a Modbus slave can have.
constexpr int kFirstAddress = 1;
constexpr int kLastAddress = 247;
constexpr int kMaxRegisterValue = 0xFFFF;

struct PumpEntry
{
    QString name;
    int reagentIndex = 0;
    bool operator==(const PumpEntry &other) const
    {
        return name == other.name && reagentIndex == other.reagentIndex;
    }
};

struct ReagentEntry
{
    QString name;
    double max = 0;
    double offer = 0;
    std::optional<double> consume; // absent until the quick setup writes it
    bool operator==(const ReagentEntry &other) const
    {
        return name == other.name && max == other.max && offer == other.offer &&
            consume == other.consume;
    }
};

struct PcSettings
{
    double aquariumVolume = 0;
    QVector<PumpEntry> pumps; // one per channel
    QVector<ReagentEntry> reagents;
    int chemicalInterval = 0;
    int chemicalPump4Select = 0;
    int chemicalPump5Select = 0;
    bool operator==(const PcSettings &other) const
    {
        return aquariumVolume == other.aquariumVolume && pumps == other.pumps &&
            reagents == other.reagents && chemicalInterval == other.chemicalInterval &&
            chemicalPump4Select == other.chemicalPump4Select &&
            chemicalPump5Select == other.chemicalPump5Select;
    }
};

struct Setup
{
    QDateTime saved;
    QString clientVersion;
    int address = 0;
    QString appVersion; // "major.minor.patch", from the pump's input register 29
    QString firmwareVersion; // the build number, from input register 30
    // Each table from index 0, as long as the start-up read fills it.
    QVector<int> coils;
    QVector<int> discreteInputs;
    QVector<int> inputRegisters;
    QVector<int> holdingRegisters;
    PcSettings pc;
};

// The settings as the store holds them now for the pump at address; absent
// keys read as their defaults would (0, empty). The channels are that pump's
// (PumpNames): a slave without names of its own has the master's behind
// pumpName, its display name. The rest is shared by every pump.
PcSettings readPcSettings(QSettings &settings, int address, const QString &pumpName = QString());
// The channels go to the pump at address, the rest to what every pump shares.
void writePcSettings(const PcSettings &pc, QSettings &settings, int address);

// What a backup of the pump at address holds after its start-up read
// landed in image.
Setup fromPump(const RegisterImage &image, int address, const PcSettings &pc,
               const QDateTime &saved);
// The file's tables put into the read ranges of image.
void toImage(const Setup &setup, RegisterImage &image);

QByteArray toJson(const Setup &setup);

// A setup, or the reason the bytes are none, in words for the user.
struct Parsed
{
    std::optional<Setup> setup;
    QString error;
};
Parsed parse(const QByteArray &bytes);

// Writes through a temporary file renamed at the end, so a crash or a full
// disk never leaves half a file under the name.
bool save(const Setup &setup, const QString &path, QString *error);
Parsed load(const QString &path);

} // namespace SetupFile
