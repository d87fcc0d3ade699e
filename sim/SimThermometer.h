#pragma once

#include "SimBehaviour.h"

#include <QElapsedTimer>
#include <QVector>

#include <array>

// The pump's water thermometer. Input register 0 holds the reading and
// input registers 4..27 the last 24 hourly samples, all as tenths of a
// degree Celsius plus 500; a sample of 0x8000 is a gap (no reading that
// hour). The reading drifts slowly around its base temperature unless it is
// pinned, and every hour the oldest sample gives way to the reading, so
// sample 23 is the newest. The alarm coil 46, the calibration (holding 131)
// and the thresholds (holding 146, 147) are kept as the client writes them;
// alarmRaised() tells what the pump would make of them. The commit coil 34
// that a client writes after its settings is counted, logged with its
// request number and cleared.
//
// A reading or sample put into the tables from outside (a test, a loaded
// state) is taken over: a reading is then pinned at that value.
//
// Live values change only after a quiet spell on the bus, never between two
// requests of one batch, so that a client reading its registers in several
// requests sees one consistent set.
class SimThermometer : public SimBehaviour
{
public:
    static constexpr int kReadingRegister = 0;
    static constexpr int kFirstHistoryRegister = 4;
    static constexpr int kHistoryCount = 24;
    static constexpr int kGapCode = 0x8000;
    static constexpr int kCodeOffset = 500;
    static constexpr int kAlarmCoil = 46;
    static constexpr int kCommitCoil = 34;
    static constexpr int kCalibrationRegister = 131;
    static constexpr int kLowThresholdRegister = 146;
    static constexpr int kHighThresholdRegister = 147;

    static constexpr int kDefaultCode = 750; // 25.0 C
    // The reading swings +-0.5 C around its base over half an hour, and the
    // history +-1.0 C over the day.
    static constexpr int kDriftAmplitude = 5;
    static constexpr qint64 kDriftPeriodMs = 30 * 60 * 1000;
    static constexpr int kDailySwing = 10;
    static constexpr qint64 kSampleIntervalMs = 60 * 60 * 1000;
    // Longer than the client's 60 ms gap between the requests of a batch.
    static constexpr qint64 kQuietSpellMs = 500;

    using History = std::array<int, kHistoryCount>;

    SimThermometer();

    void refresh(PumpTables &tables) override;
    void written(PumpTables &tables, PumpTables::Table table, int index, int count) override;

    // Fixes the reading at celsius (rounded to a tenth) and rebuilds the
    // history around it, keeping the gaps.
    void pinTemperature(double celsius);
    // The reading drifts again around its present value.
    void unpin();
    bool isPinned() const { return m_pinned; }
    // These samples (0..23) become gaps; the others are rebuilt around the
    // base temperature.
    void setHistoryGaps(const QVector<int> &samples);

    int readingCode() const { return m_reading; }
    const History &history() const { return m_history; }
    int commitCount() const { return m_commitRequests.size(); }
    // The number of the request that carried each commit, oldest first.
    const QVector<int> &commitRequests() const { return m_commitRequests; }
    // Alarm on and the reading outside the thresholds, as the tables stand.
    bool alarmRaised(const PumpTables &tables) const;

private:
    void rebuildHistory();
    void takeOver(const PumpTables &tables);
    void update();
    bool showing(const PumpTables &tables) const;
    void show(PumpTables &tables);

    int m_base = kDefaultCode;
    int m_reading = kDefaultCode;
    bool m_pinned = false;
    QVector<int> m_gaps;
    History m_history {};
    QElapsedTimer m_sinceBase; // the drift's phase
    QElapsedTimer m_sinceSample;
    qint64 m_samplesTaken = 0;
    QElapsedTimer m_sinceRequest;
    bool m_seenTables = false;
    // What the last refresh put into the tables.
    int m_shownReading = 0;
    History m_shownHistory {};
    QVector<int> m_commitRequests;
};
