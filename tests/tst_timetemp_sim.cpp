#include "Crc16.h"
#include "SimClock.h"
#include "SimPump.h"
#include "SimThermometer.h"

#include <QtTest>

// The simulated pump's clock and thermometer, driven by request frames built
// here by hand, the way the pump would receive them.
class TestTimeTempSim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void factoryClockIsStopped();
    void clockRunsFromTheMomentItWasSet();
    void dayOfWeekMovesOnAtMidnight();
    void invalidClockIsLeftAsWrittenAndStopped();
    void clockRegistersPutDirectlySetTheClock();
    void clockCommitIsRecordedWithItsRequestAndCleared();
    void settingsCommitIsRecordedWithItsRequestAndCleared();
    void pinnedTemperatureHolds();
    void historyGapsRead0x8000();
    void readingPutDirectlyIsTakenOverAndPinned();
    void unpinnedReadingStaysNearItsBase();
    void alarmNeedsTheCoilAndAReadingOutsideTheThresholds();

private:
    static QByteArray frame(QByteArray bytes);
    static QByteArray writeRegisters(int index, const QVector<int> &values);
    static QByteArray writeCoil(int index, bool on);
    static QByteArray readInputs(int index, int count);
    static QVector<int> clockRegisters(SimPump &pump);
};

QByteArray TestTimeTempSim::frame(QByteArray bytes)
{
    Crc16::appendModbus(bytes);
    return bytes;
}

// Function 16 at the holding registers' wire base 0x3001.
QByteArray TestTimeTempSim::writeRegisters(int index, const QVector<int> &values)
{
    const int address = 0x3001 + index;
    QByteArray bytes;
    bytes.append(char(1)).append(char(0x10));
    bytes.append(char(address >> 8)).append(char(address & 0xFF));
    bytes.append(char(0)).append(char(values.size())).append(char(2 * values.size()));
    for (int value : values)
        bytes.append(char(value >> 8)).append(char(value & 0xFF));
    return frame(bytes);
}

// Function 5 at the coils' wire base 0x1001.
QByteArray TestTimeTempSim::writeCoil(int index, bool on)
{
    const int address = 0x1001 + index;
    QByteArray bytes;
    bytes.append(char(1)).append(char(5));
    bytes.append(char(address >> 8)).append(char(address & 0xFF));
    bytes.append(char(on ? 0xFF : 0)).append(char(0));
    return frame(bytes);
}

// Function 4 at the input registers' wire base 0x4001.
QByteArray TestTimeTempSim::readInputs(int index, int count)
{
    const int address = 0x4001 + index;
    QByteArray bytes;
    bytes.append(char(1)).append(char(4));
    bytes.append(char(address >> 8)).append(char(address & 0xFF));
    bytes.append(char(0)).append(char(count));
    return frame(bytes);
}

QVector<int> TestTimeTempSim::clockRegisters(SimPump &pump)
{
    pump.refresh();
    QVector<int> values;
    for (int i = 0; i < SimClock::kRegisterCount; ++i)
        values << pump.tables().value(PumpTables::Table::HoldingRegisters,
                                      SimClock::kFirstRegister + i);
    return values;
}

void TestTimeTempSim::factoryClockIsStopped()
{
    SimPump pump;
    QVERIFY(pump.behaviour<SimClock>());
    QCOMPARE(clockRegisters(pump), QVector<int>(7, 0));
    QVERIFY(!pump.behaviour<SimClock>()->isRunning());
    QVERIFY(!pump.behaviour<SimClock>()->now().isValid());
}

void TestTimeTempSim::clockRunsFromTheMomentItWasSet()
{
    SimPump pump;
    // 29 February 2024, a Thursday.
    const QVector<int> set = {2024, 2, 29, 23, 59, 58, 4};
    QCOMPARE(pump.execute(writeRegisters(SimClock::kFirstRegister, set)).exceptionCode, 0);
    auto *clock = pump.behaviour<SimClock>();
    QVERIFY(clock->isRunning());
    QCOMPARE(clock->settings().size(), 1);
    QCOMPARE(clock->settings().first().moment, QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
    // The clock takes two seconds to reach midnight; give it five.
    QTRY_COMPARE_WITH_TIMEOUT(clockRegisters(pump), QVector<int>({2024, 3, 1, 0, 0, 0, 5}), 5000);
    QCOMPARE(clock->dayOfWeek(), 5);
}

void TestTimeTempSim::dayOfWeekMovesOnAtMidnight()
{
    SimPump pump;
    // Sunday night; the day of week wraps from 7 to 1.
    pump.execute(writeRegisters(SimClock::kFirstRegister, {2024, 3, 3, 23, 59, 59, 7}));
    QTRY_COMPARE_WITH_TIMEOUT(clockRegisters(pump).mid(0, 3), QVector<int>({2024, 3, 4}), 5000);
    QCOMPARE(clockRegisters(pump).at(6), 1);
}

void TestTimeTempSim::invalidClockIsLeftAsWrittenAndStopped()
{
    SimPump pump;
    pump.execute(writeRegisters(SimClock::kFirstRegister, {2024, 3, 3, 12, 0, 0, 7}));
    QVERIFY(pump.behaviour<SimClock>()->isRunning());
    const QVector<int> invalid = {2024, 13, 3, 12, 0, 0, 7};
    pump.execute(writeRegisters(SimClock::kFirstRegister, invalid));
    QVERIFY(!pump.behaviour<SimClock>()->isRunning());
    QCOMPARE(clockRegisters(pump), invalid);
    QCOMPARE(pump.behaviour<SimClock>()->settings().size(), 1);
}

void TestTimeTempSim::clockRegistersPutDirectlySetTheClock()
{
    SimPump pump;
    clockRegisters(pump);
    const QVector<int> set = {2030, 1, 1, 6, 0, 0, 2};
    for (int i = 0; i < set.size(); ++i)
        pump.tables().setValue(PumpTables::Table::HoldingRegisters, SimClock::kFirstRegister + i,
                               set[i]);
    pump.refresh();
    QVERIFY(pump.behaviour<SimClock>()->isRunning());
    QCOMPARE(pump.behaviour<SimClock>()->now().date(), QDate(2030, 1, 1));
}

void TestTimeTempSim::clockCommitIsRecordedWithItsRequestAndCleared()
{
    SimPump pump;
    QCOMPARE(pump.execute(writeCoil(SimClock::kCommitCoil, true), 7).exceptionCode, 0);
    QCOMPARE(pump.behaviour<SimClock>()->commitCount(), 1);
    QCOMPARE(pump.behaviour<SimClock>()->commitRequests(), QVector<int>({7}));
    QCOMPARE(pump.tables().value(PumpTables::Table::Coils, SimClock::kCommitCoil), 0);
    // Writing it as 0 commits nothing.
    pump.execute(writeCoil(SimClock::kCommitCoil, false), 8);
    QCOMPARE(pump.behaviour<SimClock>()->commitRequests(), QVector<int>({7}));
    QCOMPARE(pump.behaviour<SimThermometer>()->commitCount(), 0);
}

void TestTimeTempSim::settingsCommitIsRecordedWithItsRequestAndCleared()
{
    SimPump pump;
    pump.execute(writeCoil(SimThermometer::kCommitCoil, true), 3);
    pump.execute(writeCoil(SimThermometer::kCommitCoil, true), 5);
    QCOMPARE(pump.behaviour<SimThermometer>()->commitCount(), 2);
    QCOMPARE(pump.behaviour<SimThermometer>()->commitRequests(), QVector<int>({3, 5}));
    QCOMPARE(pump.tables().value(PumpTables::Table::Coils, SimThermometer::kCommitCoil), 0);
    QCOMPARE(pump.behaviour<SimClock>()->commitCount(), 0);
}

void TestTimeTempSim::pinnedTemperatureHolds()
{
    SimPump pump;
    auto *thermometer = pump.behaviour<SimThermometer>();
    thermometer->pinTemperature(24.5);
    for (int i = 0; i < 3; ++i) {
        const SimPump::Result result = pump.execute(readInputs(0, 28));
        // Reply: slave, function, byte count, then register 0 high and low.
        QCOMPARE(result.reply.at(2), char(56));
        const int reading = uchar(result.reply.at(3)) << 8 | uchar(result.reply.at(4));
        QCOMPARE(reading, 745);
    }
    for (int i = 0; i < SimThermometer::kHistoryCount; ++i) {
        const int sample = pump.tables().value(PumpTables::Table::InputRegisters, 4 + i);
        QVERIFY2(std::abs(sample - 745) <= SimThermometer::kDailySwing,
                 qPrintable(QString::number(i)));
    }
}

void TestTimeTempSim::historyGapsRead0x8000()
{
    SimPump pump;
    pump.behaviour<SimThermometer>()->setHistoryGaps({5, 23});
    pump.refresh();
    for (int i = 0; i < SimThermometer::kHistoryCount; ++i) {
        const int sample = pump.tables().value(PumpTables::Table::InputRegisters, 4 + i);
        if (i == 5 || i == 23)
            QCOMPARE(sample, 0x8000);
        else
            QVERIFY(sample > 700 && sample < 800);
    }
    // Pinning keeps the gaps.
    pump.behaviour<SimThermometer>()->pinTemperature(20.0);
    pump.refresh();
    QCOMPARE(pump.tables().value(PumpTables::Table::InputRegisters, 9), 0x8000);
    QCOMPARE(pump.tables().value(PumpTables::Table::InputRegisters, 0), 700);
}

void TestTimeTempSim::readingPutDirectlyIsTakenOverAndPinned()
{
    SimPump pump;
    pump.refresh();
    pump.tables().setValue(PumpTables::Table::InputRegisters, 0, 612);
    pump.tables().setValue(PumpTables::Table::InputRegisters, 4 + 7, 0x8000);
    pump.refresh();
    QCOMPARE(pump.tables().value(PumpTables::Table::InputRegisters, 0), 612);
    QCOMPARE(pump.tables().value(PumpTables::Table::InputRegisters, 4 + 7), 0x8000);
    QVERIFY(pump.behaviour<SimThermometer>()->isPinned());
    QCOMPARE(pump.behaviour<SimThermometer>()->readingCode(), 612);
}

void TestTimeTempSim::unpinnedReadingStaysNearItsBase()
{
    SimPump pump;
    auto *thermometer = pump.behaviour<SimThermometer>();
    QVERIFY(!thermometer->isPinned());
    pump.refresh();
    const int reading = pump.tables().value(PumpTables::Table::InputRegisters, 0);
    QVERIFY(std::abs(reading - SimThermometer::kDefaultCode) <= SimThermometer::kDriftAmplitude);
}

void TestTimeTempSim::alarmNeedsTheCoilAndAReadingOutsideTheThresholds()
{
    SimPump pump;
    auto *thermometer = pump.behaviour<SimThermometer>();
    // Factory thresholds are 15.0 and 35.0 C with the alarm on.
    thermometer->pinTemperature(36.0);
    pump.refresh();
    QVERIFY(thermometer->alarmRaised(pump.tables()));
    thermometer->pinTemperature(25.0);
    QVERIFY(!thermometer->alarmRaised(pump.tables()));
    thermometer->pinTemperature(14.9);
    QVERIFY(thermometer->alarmRaised(pump.tables()));
    pump.execute(writeCoil(SimThermometer::kAlarmCoil, false));
    QVERIFY(!thermometer->alarmRaised(pump.tables()));
}

QTEST_GUILESS_MAIN(TestTimeTempSim)
#include "tst_timetemp_sim.moc"
