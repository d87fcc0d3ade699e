#include "AppSettings.h"
#include "TimeTempDomain.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace TimeTemp;

// The register encodings of the time and temperature page, on their own.
class TestTimeTempDomain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodingIsSignedTenthsAboveMinusFifty_data();
    void decodingIsSignedTenthsAboveMinusFifty();
    void everyTenthEncodesToItsOwnCode();
    void finerValuesAreTruncatedTowardZero_data();
    void finerValuesAreTruncatedTowardZero();
    void encodingStaysInsideTheRegister();
    void fahrenheitRoundTripKeepsEveryCode();
    void switchingTheUnitTwiceReturnsTheValue();
    void calibrationNotSetReadsZero_data();
    void calibrationNotSetReadsZero();
    void calibrationOfMinusTwoIsStoredAs480();
    void calibrationConvertsAsAnOffset_data();
    void calibrationConvertsAsAnOffset();
    void calibrationRoundTripInFahrenheitKeepsEveryCode();
    void calibrationRangeCoversTheSameCorrectionsInFahrenheit();
    void gapsAreNotZeroReadings();
    void historyWithoutSamplesIsNotValid();
    void historyExtremesAreConvertedToFahrenheit();
    void currentReadingGapIsEmpty();
    void alarmCoilOtherThanZeroOrOneIsLeftUndecided();
    void yAxisTruncatesBoundsTowardZero_data();
    void yAxisTruncatesBoundsTowardZero();
    void alarmRangeNeedsTheAlarmAndAReading_data();
    void alarmRangeNeedsTheAlarmAndAReading();
    void temperatureModeOtherThanOneIsCelsius();
    void clockRegistersNameTheMomentWithItsWeekday();
    void clockDecodingRefusesAWrongWeekday();
    void clockUpdateGoesToMasterThenSlavesInUse();
    void operationsQueueTheirCommandLists();
    void savePutsValuesInPlaceAndSetsTheCommitCoil();
    void clockUpdatePutsTheClockInPlaceAndSetsTheCommitCoil();
    void temperatureReadCopiesInputRegistersZeroToTwentySeven();
};

void TestTimeTempDomain::decodingIsSignedTenthsAboveMinusFifty_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<float>("celsius");
    QTest::newRow("zero is -50.0") << 0 << -50.0f;
    QTest::newRow("480 is -2.0") << 480 << -2.0f;
    QTest::newRow("500 is 0.0") << 500 << 0.0f;
    QTest::newRow("749 is 24.9") << 749 << 24.9f;
    QTest::newRow("1500 is 100.0") << 1500 << 100.0f;
}

void TestTimeTempDomain::decodingIsSignedTenthsAboveMinusFifty()
{
    QFETCH(int, code);
    QFETCH(float, celsius);
    QCOMPARE(decodeTemperature(code), celsius);
}

void TestTimeTempDomain::everyTenthEncodesToItsOwnCode()
{
    // However a tenth reaches the encoder: divided, multiplied, or from the
    // double a spin box holds.
    for (int tenths = -500; tenths <= 999; ++tenths) {
        const int code = tenths + kCodeOffset;
        const float divided = float(tenths) / 10.0f;
        const float multiplied = float(tenths) * 0.1f;
        const float fromSpinBox = float(double(tenths) / 10.0);
        if (encodeTemperature(divided) != code || encodeTemperature(multiplied) != code ||
            encodeTemperature(fromSpinBox) != code) {
            QFAIL(qPrintable(QStringLiteral("%1 C does not encode to %2").arg(divided).arg(code)));
        }
    }
}

void TestTimeTempDomain::finerValuesAreTruncatedTowardZero_data()
{
    QTest::addColumn<float>("celsius");
    QTest::addColumn<int>("code");
    QTest::newRow("25.37") << 25.37f << 753;
    QTest::newRow("25.39") << 25.39f << 753;
    QTest::newRow("20.05") << 20.05f << 700;
    QTest::newRow("68.5 F") << toCelsius(68.5f) << 702;
    QTest::newRow("-2.05") << -2.05f << 479;
}

void TestTimeTempDomain::finerValuesAreTruncatedTowardZero()
{
    QFETCH(float, celsius);
    QFETCH(int, code);
    QCOMPARE(encodeTemperature(celsius), code);
}

void TestTimeTempDomain::encodingStaysInsideTheRegister()
{
    QCOMPARE(encodeTemperature(-60.0f), 0);
    QCOMPARE(encodeTemperature(7000.0f), kMaxCode);
}

void TestTimeTempDomain::fahrenheitRoundTripKeepsEveryCode()
{
    for (int code = 500; code <= 1500; ++code) {
        const float shown = toFahrenheit(decodeTemperature(code));
        if (encodeTemperature(toCelsius(shown)) != code)
            QFAIL(qPrintable(QStringLiteral("code %1 came back as %2")
                                 .arg(code)
                                 .arg(encodeTemperature(toCelsius(shown)))));
    }
}

void TestTimeTempDomain::switchingTheUnitTwiceReturnsTheValue()
{
    for (float value : {0.0f, 15.0f, 24.9f, 35.0f, -2.0f, 99.9f}) {
        const float back = toCelsius(toFahrenheit(value));
        QVERIFY2(std::abs(back - value) < 1e-4f, qPrintable(QString::number(value)));
    }
}

void TestTimeTempDomain::calibrationNotSetReadsZero_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0;
    QTest::newRow("0xFFFF") << 0xFFFF;
}

void TestTimeTempDomain::calibrationNotSetReadsZero()
{
    QFETCH(int, code);
    QCOMPARE(decodeCalibration(code), 0.0f);
    QCOMPARE(offsetToFahrenheit(decodeCalibration(code)), 0.0f);
    RegisterImage image;
    image.holdingRegisters[kCalibrationRegister] = code;
    QCOMPARE(decodeSettings(image).calibration, 0.0f);
}

void TestTimeTempDomain::calibrationOfMinusTwoIsStoredAs480()
{
    RegisterImage image;
    encodeSettings(image, true, -2.0f, 20.0f, 30.0f);
    QCOMPARE(image.holdingRegisters[kCalibrationRegister], 480);
    QCOMPARE(decodeSettings(image).calibration, -2.0f);
}

void TestTimeTempDomain::calibrationConvertsAsAnOffset_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<float>("fahrenheit");
    QTest::newRow("no correction") << 500 << 0.0f;
    QTest::newRow("-2.0 C") << 480 << -3.6f;
    QTest::newRow("+1.0 C") << 510 << 1.8f;
    QTest::newRow("+5.0 C") << 550 << 9.0f;
}

void TestTimeTempDomain::calibrationConvertsAsAnOffset()
{
    QFETCH(int, code);
    QFETCH(float, fahrenheit);
    const float shown = offsetToUnit(decodeCalibration(code), Unit::Fahrenheit);
    QVERIFY2(std::abs(shown - fahrenheit) < 1e-5f, qPrintable(QString::number(shown)));
    // Typed as shown, the value lands on the code it came from.
    QCOMPARE(encodeTemperature(offsetFromUnit(fahrenheit, Unit::Fahrenheit)), code);
    QCOMPARE(offsetToUnit(decodeCalibration(code), Unit::Celsius), decodeCalibration(code));
    // Thresholds and readings stay absolute.
    QCOMPARE(toFahrenheit(0.0f), 32.0f);
}

void TestTimeTempDomain::calibrationRoundTripInFahrenheitKeepsEveryCode()
{
    // Every correction the field offers, -49.9 to +100.0 C.
    for (int code = 1; code <= 1500; ++code) {
        const float shown = offsetToFahrenheit(decodeCalibration(code));
        const int back = encodeTemperature(offsetToCelsius(shown));
        if (back != code)
            QFAIL(qPrintable(QStringLiteral("code %1 came back as %2").arg(code).arg(back)));
    }
}

void TestTimeTempDomain::calibrationRangeCoversTheSameCorrectionsInFahrenheit()
{
    const Range celsius = calibrationRange(Unit::Celsius);
    QCOMPARE(celsius.minimum, -50.0);
    QVERIFY(std::abs(celsius.maximum - 99.99) < 1e-5);
    const Range fahrenheit = calibrationRange(Unit::Fahrenheit);
    QCOMPARE(fahrenheit.minimum, -90.0);
    QVERIFY(std::abs(fahrenheit.maximum - 179.982) < 1e-3);
}

void TestTimeTempDomain::gapsAreNotZeroReadings()
{
    RegisterImage image;
    for (int i = 0; i < kHistorySampleCount; ++i)
        image.inputRegisters[kFirstHistoryRegister + i] = 700 + i;
    image.inputRegisters[kFirstHistoryRegister + 5] = kNoSampleMarker;
    const History history = decodeHistory(image, Unit::Celsius);
    QCOMPARE(history.x.size(), 23);
    QCOMPARE(history.temperatures.size(), 23);
    QVERIFY(!history.x.contains(5));
    QVERIFY(history.x.contains(4));
    QVERIFY(history.x.contains(6));
    QVERIFY(history.valid);
    QCOMPARE(history.lowest, 20.0f);
    QCOMPARE(history.highest, 22.3f);

    // A sample of 0 is a gap too, so -50.0 never becomes the lowest.
    image.inputRegisters[kFirstHistoryRegister] = kNoSampleCode;
    const History withZero = decodeHistory(image, Unit::Celsius);
    QCOMPARE(withZero.x.size(), 22);
    QCOMPARE(withZero.lowest, 20.1f);
}

void TestTimeTempDomain::historyWithoutSamplesIsNotValid()
{
    RegisterImage image;
    for (int i = 0; i < kHistorySampleCount; ++i)
        image.inputRegisters[kFirstHistoryRegister + i] = i % 2 ? kNoSampleMarker : kNoSampleCode;
    const History history = decodeHistory(image, Unit::Fahrenheit);
    QVERIFY(!history.valid);
    QVERIFY(history.x.isEmpty());
}

void TestTimeTempDomain::historyExtremesAreConvertedToFahrenheit()
{
    RegisterImage image;
    image.inputRegisters[kFirstHistoryRegister + 3] = 700;
    image.inputRegisters[kFirstHistoryRegister + 10] = 800;
    const History history = decodeHistory(image, Unit::Fahrenheit);
    QCOMPARE(history.x, QVector<double>({3, 10}));
    QCOMPARE(history.temperatures, QVector<double>({68.0, 86.0}));
    QCOMPARE(history.lowest, 68.0f);
    QCOMPARE(history.highest, 86.0f);
}

void TestTimeTempDomain::currentReadingGapIsEmpty()
{
    RegisterImage image;
    image.inputRegisters[kCurrentTemperatureRegister] = kNoSampleMarker;
    QVERIFY(!decodeCurrent(image, Unit::Celsius));
    image.inputRegisters[kCurrentTemperatureRegister] = kNoSampleCode;
    QVERIFY(!decodeCurrent(image, Unit::Celsius));
    image.inputRegisters[kCurrentTemperatureRegister] = 750;
    QCOMPARE(*decodeCurrent(image, Unit::Fahrenheit), 77.0f);
}

void TestTimeTempDomain::alarmCoilOtherThanZeroOrOneIsLeftUndecided()
{
    RegisterImage image;
    image.coils[kAlarmCoil] = 2;
    QVERIFY(!decodeSettings(image).alarmOn);
    image.coils[kAlarmCoil] = 1;
    QCOMPARE(decodeSettings(image).alarmOn, std::optional<bool>(true));
    image.coils[kAlarmCoil] = 0;
    QCOMPARE(decodeSettings(image).alarmOn, std::optional<bool>(false));
}

void TestTimeTempDomain::yAxisTruncatesBoundsTowardZero_data()
{
    QTest::addColumn<float>("low");
    QTest::addColumn<float>("high");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("Celsius 20 to 30") << 20.0f << 30.0f << 18 << 32;
    QTest::newRow("Fahrenheit 68 to 86") << toFahrenheit(20.0f) << toFahrenheit(30.0f) << 66 << 88;
    QTest::newRow("low of 0.0") << 0.0f << 30.0f << -2 << 32;
    QTest::newRow("low of 0.5") << 0.5f << 30.7f << -1 << 32;
    QTest::newRow("fractions") << 15.9f << 35.9f << 13 << 37;
}

void TestTimeTempDomain::yAxisTruncatesBoundsTowardZero()
{
    QFETCH(float, low);
    QFETCH(float, high);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    const AxisBounds bounds = yAxisBounds(low, high);
    QCOMPARE(bounds.minimum, minimum);
    QCOMPARE(bounds.maximum, maximum);
}

void TestTimeTempDomain::alarmRangeNeedsTheAlarmAndAReading_data()
{
    QTest::addColumn<bool>("alarmOn");
    QTest::addColumn<bool>("hasReading");
    QTest::addColumn<float>("reading");
    QTest::addColumn<bool>("outside");
    QTest::newRow("above") << true << true << 30.1f << true;
    QTest::newRow("below") << true << true << 19.9f << true;
    QTest::newRow("on the high line") << true << true << 30.0f << false;
    QTest::newRow("on the low line") << true << true << 20.0f << false;
    QTest::newRow("inside") << true << true << 25.0f << false;
    QTest::newRow("alarm off") << false << true << 35.0f << false;
    QTest::newRow("no reading") << true << false << 0.0f << false;
}

void TestTimeTempDomain::alarmRangeNeedsTheAlarmAndAReading()
{
    QFETCH(bool, alarmOn);
    QFETCH(bool, hasReading);
    QFETCH(float, reading);
    QFETCH(bool, outside);
    const std::optional<float> current = hasReading ? std::optional<float>(reading) : std::nullopt;
    QCOMPARE(isOutsideAlarmRange(alarmOn, current, 20.0f, 30.0f), outside);
}

void TestTimeTempDomain::temperatureModeOtherThanOneIsCelsius()
{
    QCOMPARE(unitFromSetting(1), Unit::Fahrenheit);
    QCOMPARE(unitFromSetting(0), Unit::Celsius);
    QCOMPARE(unitFromSetting(2), Unit::Celsius);
    QCOMPARE(unitFromSetting(-1), Unit::Celsius);
    QCOMPARE(settingFromUnit(Unit::Fahrenheit), 1);
}

void TestTimeTempDomain::clockRegistersNameTheMomentWithItsWeekday()
{
    // 3 March 2024 was a Sunday, 4 March a Monday.
    const auto sunday = clockRegisters(QDateTime(QDate(2024, 3, 3), QTime(23, 59, 58)));
    QCOMPARE(sunday, (std::array<int, 7> {2024, 3, 3, 23, 59, 58, 7}));
    const auto monday = clockRegisters(QDateTime(QDate(2024, 3, 4), QTime(0, 0, 1)));
    QCOMPARE(monday, (std::array<int, 7> {2024, 3, 4, 0, 0, 1, 1}));

    RegisterImage image;
    encodeClock(image, QDateTime(QDate(2031, 7, 15), QTime(8, 30, 5)));
    for (int i = 0; i < kClockRegisterCount; ++i) {
        const int expected[] = {2031, 7, 15, 8, 30, 5, 2};
        QCOMPARE(image.holdingRegisters[kFirstClockRegister + i], expected[i]);
    }
    QCOMPARE(*decodeClock(image), QDateTime(QDate(2031, 7, 15), QTime(8, 30, 5)));
}

void TestTimeTempDomain::clockDecodingRefusesAWrongWeekday()
{
    RegisterImage image;
    encodeClock(image, QDateTime(QDate(2031, 7, 15), QTime(8, 30, 5)));
    image.holdingRegisters[kFirstClockRegister + 6] = 3;
    QVERIFY(!decodeClock(image));
    image.holdingRegisters[kFirstClockRegister + 6] = 2;
    image.holdingRegisters[kFirstClockRegister + 1] = 13;
    QVERIFY(!decodeClock(image));
}

void TestTimeTempDomain::clockUpdateGoesToMasterThenSlavesInUse()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSettings settings(dir.filePath(QStringLiteral("slaves.ini")), QSettings::IniFormat);
    settings.beginWriteArray(QLatin1String(AppSettings::kGroupSlaves));
    const int entries[][2] = {{2, 1}, {3, 0}, {4, 2}};
    for (int i = 0; i < 3; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(AppSettings::kSlaveAddress), entries[i][0]);
        settings.setValue(QLatin1String(AppSettings::kSlaveOnOff), entries[i][1]);
    }
    settings.endArray();

    const QVector<int> slaves = slavesInUse(settings);
    QCOMPARE(slaves, QVector<int>({2}));
    QCOMPARE(clockUpdateCommands(slaves),
             QStringList({"1 16 152 7", "1 5 33", "2 16 152 7", "2 5 33"}));
    QCOMPARE(clockUpdateCommands({}), QStringList({"1 16 152 7", "1 5 33"}));
    QCOMPARE(clockUpdateCommands({4, 2}),
             QStringList({"1 16 152 7", "1 5 33", "4 16 152 7", "4 5 33", "2 16 152 7", "2 5 33"}));
}

void TestTimeTempDomain::operationsQueueTheirCommandLists()
{
    QCOMPARE(readTemperatureCommands(), QStringList({"1 4 0 22", "1 4 22 6"}));
    QCOMPARE(readSettingsCommands(), QStringList({"1 1 46 1", "1 3 131 1", "1 3 146 2"}));
    QCOMPARE(saveSettingsCommands(), QStringList({"1 5 46", "1 6 131", "1 16 146 2", "1 5 34"}));
}

void TestTimeTempDomain::savePutsValuesInPlaceAndSetsTheCommitCoil()
{
    RegisterImage device;
    RegisterImage shared;
    stageSettingsSave(device, shared, false, -2.0f, 24.9f, 30.0f);
    for (const RegisterImage *image : {&device, &shared}) {
        QCOMPARE(int(image->coils[kAlarmCoil]), 0);
        QCOMPARE(image->holdingRegisters[kCalibrationRegister], 480);
        QCOMPARE(image->holdingRegisters[kLowThresholdRegister], 749);
        QCOMPARE(image->holdingRegisters[kHighThresholdRegister], 800);
    }
    QCOMPARE(int(shared.coils[kSettingsCommitCoil]), 1);
    QCOMPARE(int(device.coils[kSettingsCommitCoil]), 0);
    QCOMPARE(int(shared.coils[kClockCommitCoil]), 0);

    stageSettingsSave(device, shared, true, 0.0f, 20.0f, 30.0f);
    QCOMPARE(int(shared.coils[kAlarmCoil]), 1);
}

void TestTimeTempDomain::clockUpdatePutsTheClockInPlaceAndSetsTheCommitCoil()
{
    RegisterImage device;
    RegisterImage shared;
    stageClockUpdate(device, shared, QDateTime(QDate(2024, 3, 3), QTime(12, 0, 0)));
    for (const RegisterImage *image : {&device, &shared}) {
        QCOMPARE(image->holdingRegisters[kFirstClockRegister], 2024);
        QCOMPARE(image->holdingRegisters[kFirstClockRegister + 6], 7);
        QCOMPARE(image->holdingRegisters[kFirstClockRegister - 1], 0);
        QCOMPARE(image->holdingRegisters[kFirstClockRegister + kClockRegisterCount], 0);
    }
    QCOMPARE(int(shared.coils[kClockCommitCoil]), 1);
    QCOMPARE(int(shared.coils[kSettingsCommitCoil]), 0);
}

void TestTimeTempDomain::temperatureReadCopiesInputRegistersZeroToTwentySeven()
{
    RegisterImage from;
    RegisterImage to;
    for (int i = 0; i < RegisterImage::kInputRegisterCount; ++i)
        from.inputRegisters[i] = 1000 + i;
    copyTemperatureReadings(from, to);
    QCOMPARE(to.inputRegisters[0], 1000);
    QCOMPARE(to.inputRegisters[27], 1027);
    // The firmware version beyond them is not touched.
    QCOMPARE(to.inputRegisters[28], 0);
    QCOMPARE(to.inputRegisters[29], 0);
}

QTEST_GUILESS_MAIN(TestTimeTempDomain)
#include "tst_timetemp_domain.moc"
