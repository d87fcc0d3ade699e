#include "SimThermometer.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cmath>

namespace {

Q_LOGGING_CATEGORY(lcSimThermometer, "pumpsim.thermometer", QtWarningMsg)

using Table = PumpTables::Table;

constexpr double kTwoPi = 6.283185307179586;

bool overlaps(int index, int count, int first, int size)
{
    return index < first + size && first < index + count;
}

} // namespace

SimThermometer::SimThermometer()
{
    rebuildHistory();
    m_sinceBase.start();
    m_sinceSample.start();
}

void SimThermometer::rebuildHistory()
{
    for (int i = 0; i < kHistoryCount; ++i) {
        m_history[i] = m_gaps.contains(i)
            ? kGapCode
            : m_base + int(std::lround(kDailySwing * std::sin(kTwoPi * i / kHistoryCount)));
    }
}

void SimThermometer::pinTemperature(double celsius)
{
    m_base = int(std::lround(celsius * 10)) + kCodeOffset;
    m_reading = m_base;
    m_pinned = true;
    rebuildHistory();
}

void SimThermometer::unpin()
{
    m_base = m_reading;
    m_pinned = false;
    m_sinceBase.start();
}

void SimThermometer::setHistoryGaps(const QVector<int> &samples)
{
    m_gaps = samples;
    rebuildHistory();
}

bool SimThermometer::alarmRaised(const PumpTables &tables) const
{
    return tables.value(Table::Coils, kAlarmCoil) == 1 &&
        (m_reading < tables.value(Table::HoldingRegisters, kLowThresholdRegister) ||
         m_reading > tables.value(Table::HoldingRegisters, kHighThresholdRegister));
}

void SimThermometer::takeOver(const PumpTables &tables)
{
    const int reading = tables.value(Table::InputRegisters, kReadingRegister);
    if (reading != m_shownReading) {
        m_reading = reading;
        m_base = reading;
        m_pinned = true;
    }
    for (int i = 0; i < kHistoryCount; ++i) {
        const int sample = tables.value(Table::InputRegisters, kFirstHistoryRegister + i);
        if (sample != m_shownHistory[i])
            m_history[i] = sample;
    }
}

void SimThermometer::update()
{
    // Hours that passed unseen each leave the reading of now.
    while (m_samplesTaken < m_sinceSample.elapsed() / kSampleIntervalMs) {
        std::copy(m_history.begin() + 1, m_history.end(), m_history.begin());
        m_history.back() = m_reading;
        ++m_samplesTaken;
    }
    if (!m_pinned) {
        const double phase = kTwoPi * double(m_sinceBase.elapsed()) / double(kDriftPeriodMs);
        m_reading = m_base + int(std::lround(kDriftAmplitude * std::sin(phase)));
    }
}

bool SimThermometer::showing(const PumpTables &tables) const
{
    if (tables.value(Table::InputRegisters, kReadingRegister) != m_shownReading)
        return false;
    for (int i = 0; i < kHistoryCount; ++i) {
        if (tables.value(Table::InputRegisters, kFirstHistoryRegister + i) != m_shownHistory[i])
            return false;
    }
    return true;
}

void SimThermometer::show(PumpTables &tables)
{
    m_shownReading = m_reading;
    m_shownHistory = m_history;
    tables.setValue(Table::InputRegisters, kReadingRegister, m_reading);
    for (int i = 0; i < kHistoryCount; ++i)
        tables.setValue(Table::InputRegisters, kFirstHistoryRegister + i, m_history[i]);
}

void SimThermometer::refresh(PumpTables &tables)
{
    if (m_seenTables && !showing(tables))
        takeOver(tables);
    const bool quiet = !m_sinceRequest.isValid() || m_sinceRequest.elapsed() >= kQuietSpellMs;
    m_sinceRequest.start();
    if (quiet || !m_seenTables)
        update();
    m_seenTables = true;
    show(tables);
}

void SimThermometer::written(PumpTables &tables, PumpTables::Table table, int index, int count)
{
    if (table != Table::Coils || !overlaps(index, count, kCommitCoil, 1) ||
        tables.value(Table::Coils, kCommitCoil) != 1) {
        return;
    }
    m_commitRequests.append(requestNumber());
    qCInfo(lcSimThermometer,
           "settings commit (coil %d) #%d at request %d: alarm %d, calibration %d, low %d, "
           "high %d",
           kCommitCoil, int(m_commitRequests.size()), requestNumber(),
           tables.value(Table::Coils, kAlarmCoil),
           tables.value(Table::HoldingRegisters, kCalibrationRegister),
           tables.value(Table::HoldingRegisters, kLowThresholdRegister),
           tables.value(Table::HoldingRegisters, kHighThresholdRegister));
    tables.setValue(Table::Coils, kCommitCoil, 0);
}
