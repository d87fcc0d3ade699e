#pragma once

// What the "Liquid Status" page knows of a pump's solution bottles: where
// capacity and liquid left are kept (tenths of a ml), the batches that read
// and refill them, and how many days the liquid left lasts at the programmed
// dose. The dose programme is only read here, from the device image, at the
// registers its own encoding names.

#include <QStringList>
#include <QVector>

#include <optional>

struct RegisterImage;

namespace LiquidBottles {

constexpr int kPumpCount = 4;

// Holding 64 + k: capacity of the bottle of pump k, 0.1 ml.
constexpr int kCapacityFirst = 64;
// Holding 70 + k: liquid left in that bottle, 0.1 ml.
constexpr int kLiquidLeftFirst = 70;
// Read all fetches capacities through liquid left in one request: 64..74.
constexpr int kReadAllCount = 11;
constexpr int kTenthsPerMl = 10;
// The largest capacity a 16-bit register holds, in whole ml.
constexpr int kMaxCapacityMl = 65535 / kTenthsPerMl;
// Written as 1 after a capacity change so the pump takes it over.
constexpr int kSettingsCommitCoil = 34;

int capacityRegister(int pump);
int liquidLeftRegister(int pump);

struct Bottle
{
    int capacityTenths = 0;
    int liquidLeftTenths = 0;
};

// The bottles as the device image holds them.
QVector<Bottle> bottles(const RegisterImage &device);

// Whole ml shown in the capacity editor: tenths / 10, truncated.
int capacityMl(const Bottle &bottle);
// Liquid left in whole ml (tenths / 10, truncated), shown with one decimal.
int liquidLeftMl(const Bottle &bottle);

// How full the bottle is, 0 to 1: liquid left of capacity. An empty or
// unset capacity is 0; liquid left above capacity is 1.
double fillLevel(const Bottle &bottle);

// The dose volume of pump per dosing day: the custom plans' volumes when the
// device doses by plans, else the automatic programme's total volume.
double doseVolumeMl(const RegisterImage &device, int pump);
// Days the liquid left lasts; no value when the programme gives no daily
// consumption (the channel off, a dose of 0, a weekly mode with no day set).
std::optional<qint64> daysLeft(const RegisterImage &device, int pump, int liquidLeftMl);

// [A 3 64+k 1], [A 3 70+k 1], [A 3 148 1].
QStringList readBottle(int address, int pump);
// [A 3 64 11], [A 3 148 1].
QStringList readAll(int address);
// Takes what a bottle read or a read of all returned from shared into device.
void takeBottle(const RegisterImage &shared, RegisterImage &device, int pump);
void takeAll(const RegisterImage &shared, RegisterImage &device);

// Refills the chosen bottles: capacity and liquid left both become the
// capacity typed (ml x 10, truncated) in device and shared, then the commit
// coil is set in shared. Returns, per chosen bottle in pump order, [A 6 64+k]
// and [A 6 70+k], then [A 5 34]; empty (and nothing changed) when none is
// chosen.
struct Refill
{
    int pump = 0;
    double capacityMl = 0;
};
QStringList refill(RegisterImage &device, RegisterImage &shared, int address,
                   const QVector<Refill> &bottles);
// Puts bottles back into device, after a refill the pump did not confirm.
void restore(RegisterImage &device, const QVector<Bottle> &bottles);

} // namespace LiquidBottles
