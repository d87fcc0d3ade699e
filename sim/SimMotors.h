#pragma once

#include "SimBehaviour.h"

#include <QElapsedTimer>
#include <QString>

#include <array>
#include <memory>

class QTimer;

// The four dosing motors of one pump. Writing run coil 11 + i to 1 starts
// channel i: it delivers holding register 58 + i ml at the flow its
// calibration gives (holding 114 + 3 i + g ms per 10 ml, g the gear in
// holding 80 + i) and then clears the coil by itself; a volume of 0 runs
// until the coil is written 0, which stops it at any time. While it runs,
// the bottle's liquid left (holding 70 + i, 0.1 ml) goes down at that flow.
//
// The state is computed from a monotonic clock, so it is exact whenever it
// is looked at; a precise single-shot timer per channel marks the end of a
// timed run (and logs it) when no request comes along.
class SimMotors : public SimBehaviour
{
public:
    static constexpr int kChannelCount = 4;
    static constexpr int kRunCoilFirst = 11;
    static constexpr int kVolumeFirst = 58;
    static constexpr int kLiquidLeftFirst = 70;
    static constexpr int kGearFirst = 80;
    static constexpr int kCalibrationFirst = 114;
    static constexpr int kGearCount = 3;
    // A channel with no calibration still runs, at the factory flow.
    static constexpr int kUncalibratedMsPer10Ml = 10000;

    SimMotors();
    ~SimMotors() override;

    void refresh(PumpTables &tables) override;
    void written(PumpTables &tables, PumpTables::Table table, int index, int count) override;

    bool isRunning(int channel) const;
    // Delivered by the current run, or by the last one once it stopped.
    double deliveredMl(int channel) const;
    // Runs started since construction.
    int startCount(int channel) const;
    // Milliseconds on the simulator's clock when the channel last started
    // or stopped; -1 before it did.
    qint64 startedAtMs(int channel) const;
    qint64 stoppedAtMs(int channel) const;
    // The length a timed run was given; 0 for a run until stopped.
    qint64 plannedMs(int channel) const;
    // The simulator's clock, shared by every pump in the process.
    static qint64 nowMs();

    // Logs each start and stop on stderr as "pump A motor N ...".
    void setLog(int address, bool on);

private:
    struct Motor
    {
        bool running = false;
        qint64 startMs = -1;
        qint64 stopMs = -1;
        qint64 plannedMs = 0; // 0: until stopped
        int msPer10Ml = kUncalibratedMsPer10Ml;
        int appliedTenths = 0; // taken off the bottle so far
        double deliveredMl = 0;
        int starts = 0;
        bool clearCoil = false; // a timed run ended; the coil follows at the next request
        std::unique_ptr<QTimer> endTimer;
    };

    void start(PumpTables &tables, int channel);
    void stop(int channel, qint64 atMs, const char *why);
    // Ends timed runs whose time is up.
    void settle(int channel);
    double deliveredAt(const Motor &motor, qint64 atMs) const;
    void log(const QString &text) const;

    std::array<Motor, kChannelCount> m_motors;
    int m_address = 0;
    bool m_log = false;
};
