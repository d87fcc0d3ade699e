#include "LiquidBottles.h"
#include "LiquidSensors.h"
#include "ManualDosing.h"
#include "RegisterImage.h"

#include <QtTest>

#include <cstring>

Q_DECLARE_METATYPE(ManualDosing::CalibrationError)

// The arithmetic and register encodings behind the manual, calibration,
// liquid status and liquid sensor pages, without any widget.
class TestLiquidFormulas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runTimeIsVolumeTimesCalibrationOverTen_data();
    void runTimeIsVolumeTimesCalibrationOverTen();
    void startWritesVolumeThenCoilAndStopWritesZero();
    void stopOfAPumpTheImageHasStoppedStillWritesTheStop();
    void slaveCommandsCarryTheSlaveAddress();
    void gearChangeWritesOnlyThatPumpsGear();
    void calibrationValueAndFlow_data();
    void calibrationValueAndFlow();
    void calibrationWithoutARunOrVolumeIsRefused_data();
    void calibrationWithoutARunOrVolumeIsRefused();
    void flowFromAStoredCalibration();
    void calibrationSaveWritesTheEntryOfPumpAndGearThenCommits();
    void calibrationReadTakesTheWholeTable();
    void capacityAndLiquidLeftAreTenthsTruncated();
    void fillLevelIsLiquidLeftOfCapacity_data();
    void fillLevelIsLiquidLeftOfCapacity();
    void daysLeft_data();
    void daysLeft();
    void customPlanCountIsKeptInsideTheChannelsBlock();
    void refillWritesCapacityAndLiquidLeftThenCommits();
    void refillOfNothingSendsAndChangesNothing();
    void restorePutsThePreviousBottlesBack();
    void bottleReadsAreTheirOwnRegisters();
    void sensorReadAndTake();
    void lampCircleFollowsItsHeight();
};

namespace {

void putFloat(RegisterImage &image, int high, float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    image.holdingRegisters[high] = int(bits >> 16);
    image.holdingRegisters[high + 1] = int(bits & 0xFFFF);
}

} // namespace

void TestLiquidFormulas::runTimeIsVolumeTimesCalibrationOverTen_data()
{
    QTest::addColumn<quint32>("volume");
    QTest::addColumn<quint32>("calibration");
    QTest::addColumn<bool>("timed");
    QTest::addColumn<quint32>("ms");
    QTest::newRow("25 ml at 2000 ms per 10 ml") << 25u << 2000u << true << 5000u;
    QTest::newRow("truncates") << 3u << 3333u << true << 999u;
    QTest::newRow("largest values stay in 32 bits") << 65535u << 65535u << true << 429483622u;
    QTest::newRow("volume 0 runs untimed") << 0u << 2000u << false << 0u;
    QTest::newRow("not calibrated runs untimed") << 25u << 0u << false << 0u;
}

void TestLiquidFormulas::runTimeIsVolumeTimesCalibrationOverTen()
{
    QFETCH(quint32, volume);
    QFETCH(quint32, calibration);
    QFETCH(bool, timed);
    QFETCH(quint32, ms);
    const std::optional<quint32> runTime = ManualDosing::runTimeMs(volume, calibration);
    QCOMPARE(runTime.has_value(), timed);
    if (timed)
        QCOMPARE(*runTime, ms);
}

void TestLiquidFormulas::startWritesVolumeThenCoilAndStopWritesZero()
{
    RegisterImage device;
    RegisterImage shared;
    ManualDosing::RunWrite start = ManualDosing::startOrStop(device, shared, 1, 0, true, 25);
    QVERIFY(!start.wasRunning);
    QCOMPARE(start.commands, QStringList({"1 6 58", "1 5 11"}));
    QCOMPARE(int(device.coils[11]), 1);
    QCOMPARE(int(shared.coils[11]), 1);
    QCOMPARE(device.holdingRegisters[58], 25);
    QCOMPARE(shared.holdingRegisters[58], 25);

    ManualDosing::RunWrite stop = ManualDosing::startOrStop(device, shared, 1, 0, false, 25);
    QVERIFY(stop.wasRunning);
    QCOMPARE(int(shared.coils[11]), 0);
    QCOMPARE(shared.holdingRegisters[58], 0);
    QCOMPARE(device.holdingRegisters[58], 0);

    ManualDosing::setRunning(device, 0, true);
    QVERIFY(ManualDosing::isRunning(device, 0));
}

void TestLiquidFormulas::stopOfAPumpTheImageHasStoppedStillWritesTheStop()
{
    RegisterImage device;
    RegisterImage shared;
    shared.coils[12] = 1;
    shared.holdingRegisters[59] = 40;
    ManualDosing::RunWrite stop = ManualDosing::startOrStop(device, shared, 1, 1, false, 40);
    QVERIFY(!stop.wasRunning);
    QCOMPARE(stop.commands, QStringList({"1 6 59", "1 5 12"}));
    QCOMPARE(int(device.coils[12]), 0);
    QCOMPARE(int(shared.coils[12]), 0);
    QCOMPARE(shared.holdingRegisters[59], 0);
}

void TestLiquidFormulas::slaveCommandsCarryTheSlaveAddress()
{
    RegisterImage device;
    RegisterImage shared;
    QCOMPARE(ManualDosing::startOrStop(device, shared, 3, 2, true, 10).commands,
             QStringList({"3 6 60", "3 5 13"}));
    QCOMPARE(ManualDosing::calibrationRead(3), QStringList({"3 3 114 15"}));
    QCOMPARE(ManualDosing::calibrationRunWrite(device, shared, 3, 3, true),
             QStringList({"3 5 14"}));
    QCOMPARE(int(device.coils[14]), 1);
    QCOMPARE(int(shared.coils[14]), 1);
}

void TestLiquidFormulas::gearChangeWritesOnlyThatPumpsGear()
{
    RegisterImage device;
    RegisterImage shared;
    device.holdingRegisters[81] = 1;
    int previous = -1;
    QCOMPARE(ManualDosing::gearChange(device, shared, 1, 1, 2, &previous), QStringList({"1 6 81"}));
    QCOMPARE(previous, 1);
    QCOMPARE(device.holdingRegisters[81], 2);
    QCOMPARE(shared.holdingRegisters[81], 2);
    QCOMPARE(shared.holdingRegisters[80], 0);
    ManualDosing::restoreGear(device, 1, previous);
    QCOMPARE(device.holdingRegisters[81], 1);
    QCOMPARE(ManualDosing::gear(device, 1), 1);
    device.holdingRegisters[81] = 7;
    QCOMPARE(ManualDosing::gear(device, 1), 0);
}

void TestLiquidFormulas::calibrationValueAndFlow_data()
{
    QTest::addColumn<int>("workTimeMs");
    QTest::addColumn<double>("measured");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("flow");
    QTest::newRow("5 s, 1.00 ml") << 5000 << 1.00 << 50000 << "12.00";
    QTest::newRow("60 s, 0.5 ml is capped") << 60000 << 0.5 << 65535 << "0.50";
    QTest::newRow("30 s, 12.5 ml") << 30000 << 12.5 << 24000 << "25.00";
    QTest::newRow("30 s, 7 ml truncates") << 30000 << 7.0 << 42857 << "14.00";
    QTest::newRow("typed hundredths are exact") << 30000 << 12.34 << 24311 << "24.68";
}

void TestLiquidFormulas::calibrationValueAndFlow()
{
    QFETCH(int, workTimeMs);
    QFETCH(double, measured);
    QFETCH(int, value);
    QFETCH(QString, flow);
    const ManualDosing::CalibrationResult result = ManualDosing::calibrate(workTimeMs, measured);
    QCOMPARE(result.error, ManualDosing::CalibrationError::None);
    QCOMPARE(result.value, value);
    QCOMPARE(QString::number(result.flowMlPerMin, 'f', 2), flow);
}

void TestLiquidFormulas::calibrationWithoutARunOrVolumeIsRefused_data()
{
    QTest::addColumn<int>("workTimeMs");
    QTest::addColumn<double>("measured");
    QTest::addColumn<ManualDosing::CalibrationError>("error");
    QTest::newRow("no run") << 0 << 12.5 << ManualDosing::CalibrationError::NoRun;
    QTest::newRow("no run and no volume") << 0 << 0.0 << ManualDosing::CalibrationError::NoRun;
    QTest::newRow("no volume") << 30000 << 0.0 << ManualDosing::CalibrationError::NoVolume;
    QTest::newRow("below a hundredth")
        << 30000 << 0.004 << ManualDosing::CalibrationError::NoVolume;
}

void TestLiquidFormulas::calibrationWithoutARunOrVolumeIsRefused()
{
    QFETCH(int, workTimeMs);
    QFETCH(double, measured);
    QFETCH(ManualDosing::CalibrationError, error);
    QCOMPARE(ManualDosing::calibrate(workTimeMs, measured).error, error);
}

void TestLiquidFormulas::flowFromAStoredCalibration()
{
    QCOMPARE(QString::number(*ManualDosing::flowFromCalibration(24000), 'f', 1),
             QStringLiteral("25.0"));
    QCOMPARE(QString::number(*ManualDosing::flowFromCalibration(50000), 'f', 1),
             QStringLiteral("12.0"));
    QVERIFY(!ManualDosing::flowFromCalibration(0).has_value());
}

void TestLiquidFormulas::calibrationSaveWritesTheEntryOfPumpAndGearThenCommits()
{
    RegisterImage device;
    RegisterImage shared;
    QCOMPARE(ManualDosing::calibrationSave(device, shared, 2, 1, 2, 24000),
             QStringList({"2 6 119", "2 5 34"}));
    QCOMPARE(device.holdingRegisters[119], 24000);
    QCOMPARE(shared.holdingRegisters[119], 24000);
    QCOMPARE(int(shared.coils[34]), 1);
    QCOMPARE(ManualDosing::calibrationRegister(3, 2), 125);
}

void TestLiquidFormulas::calibrationReadTakesTheWholeTable()
{
    RegisterImage device;
    RegisterImage shared;
    for (int i = 110; i < 132; ++i)
        shared.holdingRegisters[i] = i;
    ManualDosing::takeCalibrationTable(shared, device);
    QCOMPARE(device.holdingRegisters[113], 0);
    QCOMPARE(device.holdingRegisters[114], 114);
    QCOMPARE(device.holdingRegisters[128], 128);
    QCOMPARE(device.holdingRegisters[129], 0);
}

void TestLiquidFormulas::capacityAndLiquidLeftAreTenthsTruncated()
{
    RegisterImage device;
    device.holdingRegisters[64] = 5000;
    device.holdingRegisters[70] = 1234;
    const LiquidBottles::Bottle bottle = LiquidBottles::bottles(device).first();
    QCOMPARE(LiquidBottles::capacityMl(bottle), 500);
    QCOMPARE(LiquidBottles::liquidLeftMl(bottle), 123);
}

void TestLiquidFormulas::fillLevelIsLiquidLeftOfCapacity_data()
{
    QTest::addColumn<int>("capacityTenths");
    QTest::addColumn<int>("leftTenths");
    QTest::addColumn<double>("level");
    QTest::newRow("a quarter") << 5000 << 1250 << 0.25;
    QTest::newRow("full") << 5000 << 5000 << 1.0;
    QTest::newRow("empty") << 5000 << 0 << 0.0;
    QTest::newRow("more left than fits") << 5000 << 6000 << 1.0;
    QTest::newRow("no capacity") << 0 << 1000 << 0.0;
    QTest::newRow("tenths count") << 10 << 1 << 0.1;
}

void TestLiquidFormulas::fillLevelIsLiquidLeftOfCapacity()
{
    QFETCH(int, capacityTenths);
    QFETCH(int, leftTenths);
    QFETCH(double, level);
    QCOMPARE(LiquidBottles::fillLevel({capacityTenths, leftTenths}), level);
}

void TestLiquidFormulas::daysLeft_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("weekMask");
    QTest::addColumn<float>("dose");
    QTest::addColumn<int>("liquidLeft");
    QTest::addColumn<qint64>("days"); // -1: no value
    QTest::addColumn<bool>("on");
    QTest::newRow("every 2 days") << 2 << 0 << 10.0f << 100 << qint64(20) << true;
    QTest::newRow("weekly on three days") << 4 << 0b0010101 << 5.0f << 90 << qint64(42) << true;
    QTest::newRow("truncated toward zero") << 1 << 0 << 3.0f << 100 << qint64(33) << true;
    QTest::newRow("weekly ignores bit 7") << 4 << 0b10000001 << 1.0f << 10 << qint64(70) << true;
    QTest::newRow("dose 0") << 1 << 0 << 0.0f << 100 << qint64(-1) << true;
    QTest::newRow("negative dose") << 1 << 0 << -5.0f << 100 << qint64(-1) << true;
    QTest::newRow("weekly with no day") << 4 << 0 << 5.0f << 90 << qint64(-1) << true;
    QTest::newRow("channel off") << 2 << 0 << 10.0f << 100 << qint64(-1) << false;
    QTest::newRow("endless") << 3 << 0 << 1e-30f << 100 << qint64(-1) << true;
}

void TestLiquidFormulas::daysLeft()
{
    QFETCH(int, mode);
    QFETCH(int, weekMask);
    QFETCH(float, dose);
    QFETCH(int, liquidLeft);
    QFETCH(qint64, days);
    QFETCH(bool, on);
    RegisterImage device;
    const int pump = 2;
    device.coils[28 + pump] = on;
    device.holdingRegisters[2 + pump] = mode;
    device.holdingRegisters[10 + pump] = weekMask;
    putFloat(device, 19 + 2 * pump, dose);
    const std::optional<qint64> result = LiquidBottles::daysLeft(device, pump, liquidLeft);
    QCOMPARE(result.has_value(), days >= 0);
    if (result)
        QCOMPARE(*result, days);
}

void TestLiquidFormulas::customPlanCountIsKeptInsideTheChannelsBlock()
{
    RegisterImage device;
    device.holdingRegisters[148] = 1; // Custom, pump 0 has no plans
    device.holdingRegisters[149] = 2 << 8; // pump 1: two plans
    device.holdingRegisters[199 + 48] = 4;
    device.holdingRegisters[199 + 48 + 1] = 6;
    device.holdingRegisters[3] = 1;
    device.coils[28] = device.coils[29] = 1;
    QCOMPARE(LiquidBottles::doseVolumeMl(device, 1), 10.0);
    QCOMPARE(*LiquidBottles::daysLeft(device, 1, 100), qint64(10));
    QVERIFY(!LiquidBottles::daysLeft(device, 0, 100).has_value());

    // A count of 200 reads no further than the pump's 24 plans.
    device.holdingRegisters[150] = 200 << 8;
    for (int j = 0; j < 48; ++j)
        device.holdingRegisters[199 + 96 + j] = 1;
    device.holdingRegisters[199 + 144] = 1000;
    QCOMPARE(LiquidBottles::doseVolumeMl(device, 2), 24.0);
}

void TestLiquidFormulas::refillWritesCapacityAndLiquidLeftThenCommits()
{
    RegisterImage device;
    RegisterImage shared;
    const QStringList commands = LiquidBottles::refill(device, shared, 1, {{1, 250.0}});
    QCOMPARE(commands, QStringList({"1 6 65", "1 6 71", "1 5 34"}));
    QCOMPARE(device.holdingRegisters[65], 2500);
    QCOMPARE(device.holdingRegisters[71], 2500);
    QCOMPARE(shared.holdingRegisters[65], 2500);
    QCOMPARE(shared.holdingRegisters[71], 2500);
    QCOMPARE(int(shared.coils[34]), 1);

    QCOMPARE(LiquidBottles::refill(device, shared, 3, {{0, 100.0}, {3, 99999.0}}),
             QStringList({"3 6 64", "3 6 70", "3 6 67", "3 6 73", "3 5 34"}));
    // A capacity beyond a 16-bit register is held at its largest.
    QCOMPARE(shared.holdingRegisters[67], 65530);
}

void TestLiquidFormulas::refillOfNothingSendsAndChangesNothing()
{
    RegisterImage device;
    RegisterImage shared;
    QVERIFY(LiquidBottles::refill(device, shared, 1, {}).isEmpty());
    QCOMPARE(int(shared.coils[34]), 0);
}

void TestLiquidFormulas::restorePutsThePreviousBottlesBack()
{
    RegisterImage device;
    RegisterImage shared;
    device.holdingRegisters[65] = 800;
    device.holdingRegisters[71] = 300;
    const QVector<LiquidBottles::Bottle> before = LiquidBottles::bottles(device);
    LiquidBottles::refill(device, shared, 1, {{1, 250.0}});
    LiquidBottles::restore(device, before);
    QCOMPARE(device.holdingRegisters[65], 800);
    QCOMPARE(device.holdingRegisters[71], 300);
}

void TestLiquidFormulas::bottleReadsAreTheirOwnRegisters()
{
    QCOMPARE(LiquidBottles::readBottle(1, 2), QStringList({"1 3 66 1", "1 3 72 1", "1 3 148 1"}));
    QCOMPARE(LiquidBottles::readAll(2), QStringList({"2 3 64 11", "2 3 148 1"}));
    RegisterImage shared;
    RegisterImage device;
    for (int i = 60; i < 80; ++i)
        shared.holdingRegisters[i] = i;
    LiquidBottles::takeBottle(shared, device, 2);
    QCOMPARE(device.holdingRegisters[66], 66);
    QCOMPARE(device.holdingRegisters[72], 72);
    QCOMPARE(device.holdingRegisters[65], 0);
    LiquidBottles::takeAll(shared, device);
    QCOMPARE(device.holdingRegisters[63], 0);
    QCOMPARE(device.holdingRegisters[64], 64);
    QCOMPARE(device.holdingRegisters[74], 74);
    QCOMPARE(device.holdingRegisters[75], 0);
}

void TestLiquidFormulas::sensorReadAndTake()
{
    QCOMPARE(LiquidSensors::read(3), QStringList({"3 2 0 4"}));
    RegisterImage shared;
    RegisterImage device;
    shared.discreteInputs[1] = 1;
    shared.discreteInputs[4] = 1;
    LiquidSensors::take(shared, device);
    QCOMPARE(LiquidSensors::states(device), QVector<int>({0, 1, 0, 0}));
    QCOMPARE(int(device.discreteInputs[4]), 0);
    QVERIFY(LiquidSensors::isActive(2));
    QVERIFY(!LiquidSensors::isActive(0));
}

void TestLiquidFormulas::lampCircleFollowsItsHeight()
{
    const QRect circle = LiquidSensors::circleRect(QSize(400, 71));
    QCOMPARE(circle.topLeft(), QPoint(2, 4));
    QCOMPARE(circle.width(), 63);
    QCOMPARE(circle.height(), 63);
    const QRect name = LiquidSensors::nameRect(QSize(400, 71));
    QCOMPARE(name.left(), 73);
    QCOMPARE(name.right(), 399);
    QCOMPARE(name.bottom(), 70);
}

QTEST_GUILESS_MAIN(TestLiquidFormulas)
#include "tst_liquid_formulas.moc"
