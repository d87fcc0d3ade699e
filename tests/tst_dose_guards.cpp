#include "DoseGuards.h"
#include "DoseProgramme.h"
#include "LiquidBottles.h"
#include "QuickSetup.h"
#include "RegisterImage.h"

#include <QtTest>

using DoseGuards::Excess;
using DoseProgramme::Plan;

// The checks before a dose goes out, against hand-worked numbers: which
// channels are above their reagent's maximum, what a quick setup makes of
// the master's programme, and a manual run against its bottle.
class TestDoseGuards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyOnChannelsAboveAReagentMaximumCount();
    void customPlansCountWithTheirSum();
    void floatRoundingOfTheMaximumItselfIsNotAbove();
    void quickSetupProgrammeTurnsChannelFourOffAndReplacesVolumes();
    void offChannelsCompareEqualWhateverTheyHold();
    void manualRunAboveTheLiquidLeftGivesTheLiquidLeft();
    void manualRunOnABottleNeverSetUpIsNotGuarded();
    void volumesAreShownWithAtMostTwoDecimals();
};

namespace {

void setAutomatic(DoseProgramme::Programme &programme, int channel, bool on, double volume,
                  int doses = 1)
{
    DoseProgramme::Channel &c = programme.channels[size_t(channel)];
    c.onOff = on ? DoseProgramme::SwitchOn : DoseProgramme::SwitchOff;
    c.start = QTime(8, 0);
    c.stop = QTime(19, 59);
    c.dosesPerDay = doses;
    c.volumeBits = DoseProgramme::volumeBits(volume);
}

} // namespace

void TestDoseGuards::onlyOnChannelsAboveAReagentMaximumCount()
{
    // 100 l: calcium and magnesium 0.4 x 100 = 40 ml, alkalinity 100 ml.
    DoseProgramme::Programme programme;
    setAutomatic(programme, 0, true, 45); // Ca, 45 > 40
    setAutomatic(programme, 1, true, 40); // Mg, the maximum itself
    setAutomatic(programme, 2, false, 500); // Kh, but Off
    setAutomatic(programme, 3, true, 999); // "Other": no maximum
    const QVector<Excess> excesses = DoseGuards::aboveMaximum(programme, {0, 1, 2, 5}, 100);
    QCOMPARE(excesses.size(), 1);
    QCOMPARE(excesses.at(0).channel, 0);
    QCOMPARE(excesses.at(0).reagentIndex, 0);
    QCOMPARE(excesses.at(0).dailyMl, 45.0);
    QCOMPARE(excesses.at(0).maximumMl, 40.0);

    // Alkalinity on channel 3, switched On: 500 > 100. Channel 4 without
    // any reagent stays unguarded.
    programme.channels[2].onOff = DoseProgramme::SwitchOn;
    const QVector<Excess> two = DoseGuards::aboveMaximum(programme, {0, 1, 2}, 100);
    QCOMPARE(two.size(), 2);
    QCOMPARE(two.at(1).channel, 2);
    QCOMPARE(two.at(1).reagentIndex, 2);
    QCOMPARE(two.at(1).dailyMl, 500.0);
    QCOMPARE(two.at(1).maximumMl, 100.0);

    // The same 45 ml of strontium in a 250 l aquarium: 0.2 x 250 = 50 ml.
    QVERIFY(DoseGuards::aboveMaximum(programme, {3, -1, -1, -1}, 250).isEmpty());
}

void TestDoseGuards::customPlansCountWithTheirSum()
{
    // Magnesium in 50 l: at most 0.4 x 50 = 20 ml; three plans of 8 ml are 24.
    DoseProgramme::Programme programme;
    programme.setupMode = DoseProgramme::SetupCustom;
    programme.channels[1].onOff = DoseProgramme::SwitchOn;
    programme.channels[1].plans = {Plan {QTime(9, 0), 8}, Plan {QTime(7, 0), 8},
                                   Plan {QTime(12, 0), 8}};
    // The automatic volume is not what a custom programme doses.
    programme.channels[1].volumeBits = DoseProgramme::volumeBits(1);
    const QVector<Excess> excesses = DoseGuards::aboveMaximum(programme, {0, 1, 2, 3}, 50);
    QCOMPARE(excesses.size(), 1);
    QCOMPARE(excesses.at(0).channel, 1);
    QCOMPARE(excesses.at(0).dailyMl, 24.0);
    QCOMPARE(excesses.at(0).maximumMl, 20.0);
}

void TestDoseGuards::floatRoundingOfTheMaximumItselfIsNotAbove()
{
    // Strontium in 0.5 l: at most 0.1 ml; 0.1 as a float is 0.100000001.
    DoseProgramme::Programme programme;
    setAutomatic(programme, 0, true, 0.1);
    QVERIFY(DoseProgramme::shownVolume(programme.channels[0].volumeBits) > 0.1);
    QVERIFY(DoseGuards::aboveMaximum(programme, {3}, 0.5).isEmpty());
    setAutomatic(programme, 0, true, 0.11);
    QCOMPARE(DoseGuards::aboveMaximum(programme, {3}, 0.5).size(), 1);
}

void TestDoseGuards::quickSetupProgrammeTurnsChannelFourOffAndReplacesVolumes()
{
    // The master now: channel 1 Off with 4 doses of 20 ml, channel 4 On
    // with 12 ml in 2 doses, all 08:00 to 19:59.
    DoseProgramme::Programme now;
    setAutomatic(now, 0, false, 20, 4);
    setAutomatic(now, 1, true, 10, 1);
    setAutomatic(now, 2, true, 44, 1);
    setAutomatic(now, 3, true, 12, 2);
    RegisterImage master;
    DoseProgramme::encode(now, master);

    QuickSetup::Results results;
    results.supplyCa = 6.7;
    results.supplyMg = 10;
    results.supplyKh = 44;
    const DoseProgramme::Programme after = DoseGuards::afterQuickSetup(master, results, 100);
    // The master's own image is left as it was.
    QCOMPARE(DoseProgramme::decode(master).channels[3].onOff, int(DoseProgramme::SwitchOn));

    const QVector<DoseGuards::ChannelChange> changes = DoseGuards::compare(now, after);
    QCOMPARE(changes.size(), 4);
    // Channel 1: Off -> On, one dose of 6.7 ml at 08:00, every day.
    QVERIFY(changes.at(0).changed());
    QVERIFY(!changes.at(0).before.on);
    QVERIFY(changes.at(0).after.on);
    QCOMPARE(changes.at(0).after.runMode, int(DoseProgramme::RunOneDay));
    QCOMPARE(float(changes.at(0).after.dailyMl), 6.7f);
    QCOMPARE(changes.at(0).after.doses.size(), 1);
    QCOMPARE(changes.at(0).after.doses.at(0).time, QTime(8, 0));
    // Channels 2 and 3 keep what they had.
    QVERIFY(!changes.at(1).changed());
    QVERIFY(!changes.at(2).changed());
    // Channel 4: On with 2 doses of 6 ml -> Off.
    QVERIFY(changes.at(3).changed());
    QCOMPARE(changes.at(3).before.doses.size(), 2);
    QCOMPARE(changes.at(3).before.doses.at(1).volumeMl, 6.0);
    QVERIFY(!changes.at(3).after.on);

    // Calcium at 6.7 ml is within 40 ml for 100 l; 60 ml is not.
    QVERIFY(DoseGuards::aboveMaximum(after, DoseGuards::quickSetupReagents(), 100).isEmpty());
    results.supplyCa = 60;
    const QVector<Excess> excesses = DoseGuards::aboveMaximum(
        DoseGuards::afterQuickSetup(master, results, 100), DoseGuards::quickSetupReagents(), 100);
    QCOMPARE(excesses.size(), 1);
    QCOMPARE(excesses.at(0).channel, 0);
    QCOMPARE(excesses.at(0).maximumMl, 40.0);
}

void TestDoseGuards::offChannelsCompareEqualWhateverTheyHold()
{
    DoseProgramme::Programme a;
    DoseProgramme::Programme b;
    setAutomatic(a, 2, false, 5);
    setAutomatic(b, 2, false, 50, 3);
    QVERIFY(!DoseGuards::compare(a, b).at(2).changed());
    setAutomatic(b, 2, true, 5);
    QVERIFY(DoseGuards::compare(a, b).at(2).changed());
    // A week with three days instead of every day.
    setAutomatic(a, 2, true, 5);
    QVERIFY(!DoseGuards::compare(a, b).at(2).changed());
    b.channels[2].runMode = DoseProgramme::RunWeek;
    b.channels[2].weekMask = 0b10010101; // a bit above Sunday is no day
    QCOMPARE(DoseGuards::summary(b, 2).weekMask, 0b0010101);
    QVERIFY(DoseGuards::compare(a, b).at(2).changed());
}

void TestDoseGuards::manualRunAboveTheLiquidLeftGivesTheLiquidLeft()
{
    // 123.4 ml left of a 500 ml bottle on pump 3.
    RegisterImage device;
    device.holdingRegisters[LiquidBottles::capacityRegister(2)] = 5000;
    device.holdingRegisters[LiquidBottles::liquidLeftRegister(2)] = 1234;
    QVERIFY(!DoseGuards::runAboveLiquidLeft(device, 2, 123));
    QCOMPARE(DoseGuards::runAboveLiquidLeft(device, 2, 124).value(), 123);
    // Pump 2's bottle is empty.
    device.holdingRegisters[LiquidBottles::capacityRegister(1)] = 5000;
    QCOMPARE(DoseGuards::runAboveLiquidLeft(device, 1, 1).value(), 0);
    QVERIFY(!DoseGuards::runAboveLiquidLeft(device, 1, 0));
}

void TestDoseGuards::manualRunOnABottleNeverSetUpIsNotGuarded()
{
    // No capacity: the pump counts nothing down, so its 0 ml left says nothing.
    RegisterImage device;
    QVERIFY(!DoseGuards::runAboveLiquidLeft(device, 0, 500));
    device.holdingRegisters[LiquidBottles::liquidLeftRegister(0)] = 10;
    QVERIFY(!DoseGuards::runAboveLiquidLeft(device, 0, 500));
}

void TestDoseGuards::volumesAreShownWithAtMostTwoDecimals()
{
    QCOMPARE(DoseGuards::formatMl(40.0), QStringLiteral("40"));
    QCOMPARE(DoseGuards::formatMl(2.5), QStringLiteral("2.5"));
    QCOMPARE(DoseGuards::formatMl(16.78), QStringLiteral("16.78"));
    QCOMPARE(DoseGuards::formatMl(double(6.7f)), QStringLiteral("6.7"));
    QCOMPARE(DoseGuards::formatMl(100.004), QStringLiteral("100"));
}

QTEST_GUILESS_MAIN(TestDoseGuards)
#include "tst_dose_guards.moc"
