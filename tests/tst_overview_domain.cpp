#include "DoseProgramme.h"
#include "LiquidBottles.h"
#include "Overview.h"
#include "RegisterImage.h"
#include "TimeTempDomain.h"

#include <QtTest>

using DoseProgramme::Plan;
using Overview::Dose;
using Overview::Warning;

Q_DECLARE_METATYPE(Overview::Dose)
Q_DECLARE_METATYPE(Overview::Warning)

// The overview's arithmetic against hand-worked tables: the doses of one
// dosing day, the daily volume, and the warnings of each channel.
class TestOverviewDomain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dosesOfADay_data();
    void dosesOfADay();
    void customPlansAreInTimeOrder();
    void warningsOfAChannel_data();
    void warningsOfAChannel();
    void reagentMaximumFollowsTheAquarium();
    void pumpClockOffByMoreThanTwoMinutesIsWrong();
};

namespace {

DoseProgramme::Programme automatic(QTime start, QTime stop, int doses, double volume)
{
    DoseProgramme::Programme programme;
    DoseProgramme::Channel &c = programme.channels[0];
    c.onOff = DoseProgramme::SwitchOn;
    c.start = start;
    c.stop = stop;
    c.dosesPerDay = doses;
    c.volumeBits = DoseProgramme::volumeBits(volume);
    return programme;
}

} // namespace

void TestOverviewDomain::dosesOfADay_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("stop");
    QTest::addColumn<int>("doses");
    QTest::addColumn<double>("volume");
    QTest::addColumn<QVector<Dose>>("expected");

    QTest::newRow("08:00-19:59, 4 doses of 30 ml")
        << QTime(8, 0) << QTime(19, 59) << 4 << 30.0
        << QVector<Dose>(
               {{QTime(8, 0), 7.5}, {QTime(11, 0), 7.5}, {QTime(14, 0), 7.5}, {QTime(17, 0), 7.5}});
    QTest::newRow("10:00-10:59, one dose")
        << QTime(10, 0) << QTime(10, 59) << 1 << 12.0 << QVector<Dose>({{QTime(10, 0), 12.0}});
    QTest::newRow("00:00-23:59, 3 doses")
        << QTime(0, 0) << QTime(23, 59) << 3 << 9.0
        << QVector<Dose>({{QTime(0, 0), 3.0}, {QTime(8, 0), 3.0}, {QTime(16, 0), 3.0}});
    QTest::newRow("no doses per day")
        << QTime(8, 0) << QTime(19, 59) << 0 << 30.0 << QVector<Dose>();
    QTest::newRow("stop before start")
        << QTime(20, 0) << QTime(7, 59) << 2 << 30.0 << QVector<Dose>();
}

void TestOverviewDomain::dosesOfADay()
{
    QFETCH(QTime, start);
    QFETCH(QTime, stop);
    QFETCH(int, doses);
    QFETCH(double, volume);
    QFETCH(QVector<Dose>, expected);
    const DoseProgramme::Programme programme = automatic(start, stop, doses, volume);
    const QVector<Dose> day = Overview::dosesOfADay(programme, 0);
    QCOMPARE(day.size(), expected.size());
    for (int i = 0; i < day.size(); ++i) {
        QCOMPARE(day.at(i).time, expected.at(i).time);
        QCOMPARE(day.at(i).volumeMl, expected.at(i).volumeMl);
    }
    QCOMPARE(Overview::dailyVolumeMl(programme, 0), volume);
}

void TestOverviewDomain::customPlansAreInTimeOrder()
{
    DoseProgramme::Programme programme;
    programme.setupMode = DoseProgramme::SetupCustom;
    programme.channels[2].plans = {{QTime(14, 0), 3}, {QTime(8, 0), 2}, {QTime(20, 30), 1}};
    const QVector<Dose> day = Overview::dosesOfADay(programme, 2);
    QCOMPARE(day.size(), 3);
    QCOMPARE(day.at(0).time, QTime(8, 0));
    QCOMPARE(day.at(1).time, QTime(14, 0));
    QCOMPARE(day.at(2).time, QTime(20, 30));
    QCOMPARE(day.at(2).volumeMl, 1.0);
    QCOMPARE(Overview::dailyVolumeMl(programme, 2), 6.0);
}

void TestOverviewDomain::warningsOfAChannel_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("runMode");
    QTest::addColumn<int>("weekMask");
    QTest::addColumn<double>("dailyMl");
    QTest::addColumn<int>("liquidLeftMl");
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("reagent");
    QTest::addColumn<QVector<Warning>>("expected");

    using W = QVector<Warning>;
    // Reagent 0 (Ca) in 100 l allows 40 ml a day; reagent 5 (Other) has no maximum.
    QTest::newRow("all well") << true << 0 << 0 << 5.0 << 1000 << 0 << 0 << W();
    QTest::newRow("two days left")
        << true << 0 << 0 << 5.0 << 10 << 0 << 0 << W({Warning::LowBottle});
    QTest::newRow("three days left")
        << true << 0 << 0 << 5.0 << 15 << 0 << 0 << W({Warning::LowBottle});
    QTest::newRow("four days left") << true << 0 << 0 << 5.0 << 20 << 0 << 0 << W();
    QTest::newRow("sensor low") << true << 0 << 0 << 5.0 << 1000 << 1 << 0
                                << W({Warning::SensorLow});
    QTest::newRow("on with 0 ml") << true << 0 << 0 << 0.0 << 1000 << 0 << 0
                                  << W({Warning::NoDose});
    QTest::newRow("week without days") << true << int(DoseProgramme::RunWeek) << 0 << 5.0 << 1000
                                       << 0 << 0 << W({Warning::NoDose});
    QTest::newRow("Monday only") << true << int(DoseProgramme::RunWeek) << 0x01 << 5.0 << 1000 << 0
                                 << 0 << W();
    QTest::newRow("above the maximum")
        << true << 0 << 0 << 50.0 << 100000 << 0 << 0 << W({Warning::AboveMaximum});
    QTest::newRow("at the maximum") << true << 0 << 0 << 40.0 << 100000 << 0 << 0 << W();
    QTest::newRow("no maximum for Other") << true << 0 << 0 << 500.0 << 100000 << 0 << 5 << W();
    QTest::newRow("off, empty and low") << false << 0 << 0 << 0.0 << 1 << 0 << 0 << W();
}

void TestOverviewDomain::warningsOfAChannel()
{
    QFETCH(bool, on);
    QFETCH(int, runMode);
    QFETCH(int, weekMask);
    QFETCH(double, dailyMl);
    QFETCH(int, liquidLeftMl);
    QFETCH(int, sensor);
    QFETCH(int, reagent);
    QFETCH(QVector<Warning>, expected);

    DoseProgramme::Programme programme = automatic(QTime(8, 0), QTime(19, 59), 4, dailyMl);
    DoseProgramme::Channel &c = programme.channels[1];
    c = programme.channels[0];
    c.onOff = on ? DoseProgramme::SwitchOn : DoseProgramme::SwitchOff;
    c.runMode = runMode;
    c.weekMask = weekMask;
    RegisterImage image;
    DoseProgramme::encode(programme, image);
    image.holdingRegisters[LiquidBottles::capacityRegister(1)] = 0xFFFF;
    image.holdingRegisters[LiquidBottles::liquidLeftRegister(1)] =
        qMin(liquidLeftMl * LiquidBottles::kTenthsPerMl, 0xFFFF);
    image.discreteInputs[1] = quint8(sensor);

    Overview::Limits limits;
    limits.aquariumLitres = 100;
    limits.reagentOfChannel = {0, reagent, 0, 0};
    const QVector<Overview::Channel> rows = Overview::channels(image, limits);
    QCOMPARE(rows.size(), DoseProgramme::kChannelCount);
    QCOMPARE(rows.at(1).warnings, expected);
    QCOMPARE(rows.at(1).on, on);
}

void TestOverviewDomain::reagentMaximumFollowsTheAquarium()
{
    QCOMPARE(Overview::reagentMaximumMl(0, 100).value(), 40.0);
    QCOMPARE(Overview::reagentMaximumMl(2, 250).value(), 250.0);
    QCOMPARE(Overview::reagentMaximumMl(3, 100).value(), 20.0);
    QVERIFY(!Overview::reagentMaximumMl(5, 100));
    QVERIFY(!Overview::reagentMaximumMl(-1, 100));
}

void TestOverviewDomain::pumpClockOffByMoreThanTwoMinutesIsWrong()
{
    const QDateTime pump(QDate(2026, 12, 9), QTime(10, 0, 0));
    RegisterImage image;
    TimeTemp::encodeClock(image, pump);
    Overview::Clock clock = Overview::checkClock(image, pump.addSecs(60));
    QVERIFY(clock.pump);
    QCOMPARE(clock.offsetSeconds, -60);
    QVERIFY(!clock.wrong);
    clock = Overview::checkClock(image, pump.addSecs(-121));
    QCOMPARE(clock.offsetSeconds, 121);
    QVERIFY(clock.wrong);
    // Measured when the clock was taken: a pump read an hour ago with a
    // right clock is not wrong now, and its clock has run on since.
    image.clockTakenAtMs = pump.addSecs(-30).toMSecsSinceEpoch();
    clock = Overview::checkClock(image, pump.addSecs(3600));
    QCOMPARE(clock.offsetSeconds, 30);
    QVERIFY(!clock.wrong);
    QCOMPARE(*clock.pumpNow, pump.addSecs(3630));
    // Registers that hold no date: not set.
    clock = Overview::checkClock(RegisterImage(), pump);
    QVERIFY(!clock.pump);
    QVERIFY(clock.wrong);
}

QTEST_GUILESS_MAIN(TestOverviewDomain)
#include "tst_overview_domain.moc"
