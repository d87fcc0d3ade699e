#include "PumpTables.h"
#include "SimMotors.h"
#include "SimSensors.h"

#include <QtTest>

// The simulator's motors and liquid sensors on their own tables.
class TestLiquidSim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coilStartsARunThatEndsByItselfAtTheCalibratedRate();
    void coilWrittenZeroStopsARunEarly();
    void volumeZeroRunsUntilStopped();
    void uncalibratedChannelRunsAtTheFactoryFlow();
    void runEndsEvenWithoutARequest();
    void bottleNeverGoesBelowEmpty();
    void sensorsFollowTheirBottleAndForcingWins();

private:
    using Table = PumpTables::Table;
    static void start(SimMotors &motors, PumpTables &tables, int channel)
    {
        tables.setValue(Table::Coils, 11 + channel, 1);
        motors.written(tables, Table::Coils, 11 + channel, 1);
    }
};

void TestLiquidSim::coilStartsARunThatEndsByItselfAtTheCalibratedRate()
{
    PumpTables tables;
    SimMotors motors;
    // Channel 1, gear 2: 100 ms per 10 ml, 3 ml: 30 ms.
    tables.setValue(Table::HoldingRegisters, 81, 2);
    tables.setValue(Table::HoldingRegisters, 114 + 3 + 2, 100);
    tables.setValue(Table::HoldingRegisters, 59, 3);
    tables.setValue(Table::HoldingRegisters, 71, 1000);
    start(motors, tables, 1);
    QVERIFY(motors.isRunning(1));
    QCOMPARE(motors.plannedMs(1), qint64(30));
    QCOMPARE(motors.startCount(1), 1);
    QTRY_VERIFY(!motors.isRunning(1));
    motors.refresh(tables);
    QCOMPARE(tables.value(Table::Coils, 12), 0);
    QCOMPARE(motors.deliveredMl(1), 3.0);
    QCOMPARE(tables.value(Table::HoldingRegisters, 71), 970);
    QCOMPARE(motors.stoppedAtMs(1) - motors.startedAtMs(1), qint64(30));
    // Nothing more comes off the bottle once the run is over.
    motors.refresh(tables);
    QCOMPARE(tables.value(Table::HoldingRegisters, 71), 970);
}

void TestLiquidSim::coilWrittenZeroStopsARunEarly()
{
    PumpTables tables;
    SimMotors motors;
    tables.setValue(Table::HoldingRegisters, 80, 0);
    tables.setValue(Table::HoldingRegisters, 114, 1000);
    tables.setValue(Table::HoldingRegisters, 58, 100);
    start(motors, tables, 0);
    // Let it run a little over a tenth of a second.
    QTest::qWait(120);
    motors.refresh(tables);
    tables.setValue(Table::Coils, 11, 0);
    motors.written(tables, Table::Coils, 11, 1);
    QVERIFY(!motors.isRunning(0));
    const double delivered = motors.deliveredMl(0);
    QVERIFY2(delivered >= 1.2 && delivered < 3.0, qPrintable(QString::number(delivered)));
    motors.refresh(tables);
    QCOMPARE(tables.value(Table::HoldingRegisters, 70), 10000 - int(delivered * 10));
    // A coil write of 1 while running does not restart the run.
    start(motors, tables, 0);
    start(motors, tables, 0);
    QCOMPARE(motors.startCount(0), 2);
}

void TestLiquidSim::volumeZeroRunsUntilStopped()
{
    PumpTables tables;
    SimMotors motors;
    tables.setValue(Table::HoldingRegisters, 60, 0);
    start(motors, tables, 2);
    QCOMPARE(motors.plannedMs(2), qint64(0));
    // Far beyond the factory flow's time for any small volume.
    QTest::qWait(100);
    QVERIFY(motors.isRunning(2));
    tables.setValue(Table::Coils, 13, 0);
    motors.written(tables, Table::Coils, 13, 1);
    QVERIFY(!motors.isRunning(2));
}

void TestLiquidSim::uncalibratedChannelRunsAtTheFactoryFlow()
{
    PumpTables tables;
    SimMotors motors;
    tables.setValue(Table::HoldingRegisters, 83, 1);
    tables.setValue(Table::HoldingRegisters, 114 + 9 + 1, 0);
    tables.setValue(Table::HoldingRegisters, 61, 5);
    start(motors, tables, 3);
    QCOMPARE(motors.plannedMs(3), qint64(5 * SimMotors::kUncalibratedMsPer10Ml / 10));
}

void TestLiquidSim::runEndsEvenWithoutARequest()
{
    PumpTables tables;
    SimMotors motors;
    tables.setValue(Table::HoldingRegisters, 80, 0);
    tables.setValue(Table::HoldingRegisters, 114, 200);
    tables.setValue(Table::HoldingRegisters, 58, 1);
    start(motors, tables, 0);
    // The end timer fires on the event loop: 20 ms of run.
    QTRY_VERIFY(motors.stoppedAtMs(0) >= 0);
    QCOMPARE(motors.stoppedAtMs(0) - motors.startedAtMs(0), qint64(20));
}

void TestLiquidSim::bottleNeverGoesBelowEmpty()
{
    PumpTables tables;
    SimMotors motors;
    tables.setValue(Table::HoldingRegisters, 80, 0);
    tables.setValue(Table::HoldingRegisters, 114, 10);
    tables.setValue(Table::HoldingRegisters, 58, 10);
    tables.setValue(Table::HoldingRegisters, 70, 5);
    start(motors, tables, 0);
    QTRY_VERIFY(!motors.isRunning(0));
    motors.refresh(tables);
    QCOMPARE(tables.value(Table::HoldingRegisters, 70), 0);
}

void TestLiquidSim::sensorsFollowTheirBottleAndForcingWins()
{
    PumpTables tables;
    SimSensors sensors;
    tables.setValue(Table::DiscreteInputs, 2, 1);
    sensors.refresh(tables);
    // Left alone, the sensors keep what the tables hold.
    QCOMPARE(tables.value(Table::DiscreteInputs, 2), 1);
    sensors.followBelow(500);
    tables.setValue(Table::HoldingRegisters, 70, 499);
    tables.setValue(Table::HoldingRegisters, 71, 500);
    sensors.force(3, 1);
    sensors.refresh(tables);
    QCOMPARE(tables.value(Table::DiscreteInputs, 0), 1);
    QCOMPARE(tables.value(Table::DiscreteInputs, 1), 0);
    QCOMPARE(tables.value(Table::DiscreteInputs, 2), 0);
    QCOMPARE(tables.value(Table::DiscreteInputs, 3), 1);
    sensors.release(3);
    sensors.refresh(tables);
    QCOMPARE(tables.value(Table::DiscreteInputs, 3), 0);
}

QTEST_GUILESS_MAIN(TestLiquidSim)
#include "tst_liquid_sim.moc"
