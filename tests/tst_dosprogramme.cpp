#include "ChemicalInterval.h"
#include "DoseProgramme.h"
#include "QuickSetup.h"
#include "RegisterImage.h"
#include "TestSupport.h"

#include <QSettings>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace DoseProgramme;

// The dose programme's registers, the quick-setup arithmetic and the
// interval rule, without widgets or a link.
class TestDosProgramme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void volumeTravelsHighWordFirst_data();
    void volumeTravelsHighWordFirst();
    void clockTimesAreHourTimes256PlusMinute();
    void runModeSpeedAndSwitchUseTheChoiceOrder();
    void saveSetsBothCommitCoilsAndKeepsCoil32();
    void keptRegistersAreNeverWritten();
    void plansGoIntoTheirChannelBlock();
    void channelWithoutPlansKeepsItsBlock();
    void planCountAboveTwentyFourIsClampedToTheBlock();
    void planVolumesAreWholeMl();
    void unreadableVolumesAreShownClampedAndMarked_data();
    void unreadableVolumesAreShownClampedAndMarked();
    void unchangedProgrammeWritesNothingButTheCommitCoils();
    void oneChangedFieldWritesOnlyItsRegisters();
    void clampedFieldsAreWrittenAsShown();
    void dosesPerDayChoicesAreTheDivisorsOfTheSpan_data();
    void dosesPerDayChoicesAreTheDivisorsOfTheSpan();
    void timesSnapToWholeHours();
    void perDoseVolumeHasNoValueWithoutADoseCount();
    void plansSortByTimeKeepingEqualTimesInOrder();
    void onChannelWithoutDoseChoiceIsFound();
    void readAndSaveAreSixteenRequestsEach();
    void readCopiesOnlyWhatWasRead();

    void calculatorExample();
    void aquariumVolumeIsMillilitresHighWordFirst();
    void quickSetupTakesItsRangesFromTheMaster();
    void quickSetupCommandsInOrder();
    void quickSetupSettingsKeepTheSixthReagent();

    void intervalsMayTotalFiftyFiveMinutes();
};

namespace {

// An image whose every cell holds a recognisable value of its own.
std::unique_ptr<RegisterImage> patternedImage(int seed)
{
    auto image = std::make_unique<RegisterImage>();
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        image->holdingRegisters[i] = (seed * 7919 + i * 31) & 0xFFFF;
    for (int i = 0; i < RegisterImage::kCoilCount; ++i)
        image->coils[i] = (seed + i) % 3 == 0 ? 1 : 0;
    return image;
}

Programme simpleProgramme()
{
    Programme p;
    for (int i = 0; i < kChannelCount; ++i) {
        Channel &c = p.channels[i];
        c.onOff = SwitchOn;
        c.runMode = RunOneDay;
        c.speed = SpeedModerate;
        c.volumeBits = volumeBits(10.0 + i);
        c.dosesPerDay = 2;
        c.start = QTime(8, 0);
        c.stop = QTime(19, 59);
        c.weekMask = 0x7F;
    }
    return p;
}

QVector<int> differingRegisters(const RegisterImage &a, const RegisterImage &b)
{
    QVector<int> list;
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i) {
        if (a.holdingRegisters[i] != b.holdingRegisters[i])
            list << i;
    }
    return list;
}

QVector<int> differingCoils(const RegisterImage &a, const RegisterImage &b)
{
    QVector<int> list;
    for (int i = 0; i < RegisterImage::kCoilCount; ++i) {
        if (a.coils[i] != b.coils[i])
            list << i;
    }
    return list;
}

} // namespace

void TestDosProgramme::volumeTravelsHighWordFirst_data()
{
    QTest::addColumn<double>("volume");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::newRow("12.5 ml") << 12.5 << 0x4148 << 0x0000;
    QTest::newRow("6.7 ml") << 6.7 << 0x40D6 << 0x6666;
    QTest::newRow("100 ml") << 100.0 << 0x42C8 << 0x0000;
}

void TestDosProgramme::volumeTravelsHighWordFirst()
{
    QFETCH(double, volume);
    QFETCH(int, high);
    QFETCH(int, low);
    Programme p = simpleProgramme();
    p.channels[2].volumeBits = volumeBits(volume);
    RegisterImage image;
    encode(p, image);
    QCOMPARE(image.holdingRegisters[23], high);
    QCOMPARE(image.holdingRegisters[24], low);
    const Programme back = decode(image);
    QCOMPARE(floatFromBits(back.channels[2].volumeBits), float(volume));
    QVERIFY(!back.channels[2].volumeClamped);
}

void TestDosProgramme::clockTimesAreHourTimes256PlusMinute()
{
    QCOMPARE(timeRegister(QTime(8, 30)), 2078);
    Programme p = simpleProgramme();
    p.channels[0].plans = {{QTime(8, 30), 12}};
    p.channels[1].start = QTime(8, 0);
    p.channels[1].stop = QTime(19, 59);
    RegisterImage image;
    encode(p, image);
    QCOMPARE(image.holdingRegisters[175], 2078);
    QCOMPARE(image.holdingRegisters[167], 2048);
    QCOMPARE(image.holdingRegisters[168], 4923);
    QCOMPARE(timeFromRegister(2078), QTime(8, 30));
    // Bytes that are no clock time decode to the nearest one.
    QCOMPARE(timeFromRegister(0xFFFF), QTime(23, 59));
}

void TestDosProgramme::runModeSpeedAndSwitchUseTheChoiceOrder()
{
    Programme p = simpleProgramme();
    p.channels[0].runMode = RunWeek;
    p.channels[1].runMode = RunOneDay;
    p.channels[0].speed = SpeedFast;
    p.channels[1].speed = SpeedPrecise;
    p.channels[2].onOff = SwitchOff;
    p.channels[3].weekMask = 0x41; // Monday and Sunday
    RegisterImage image;
    encode(p, image);
    QCOMPARE(image.holdingRegisters[2], 4);
    QCOMPARE(image.holdingRegisters[3], 1);
    QCOMPARE(image.holdingRegisters[80], 2);
    QCOMPARE(image.holdingRegisters[81], 0);
    QCOMPARE(int(image.coils[28]), 1);
    QCOMPARE(int(image.coils[30]), 0);
    QCOMPARE(image.holdingRegisters[13], 0x41);

    RegisterImage read;
    read.holdingRegisters[4] = 4;
    QCOMPARE(decode(read).channels[2].runMode, int(RunWeek));
}

void TestDosProgramme::saveSetsBothCommitCoilsAndKeepsCoil32()
{
    for (int coil32 = 0; coil32 <= 1; ++coil32) {
        RegisterImage image;
        image.coils[32] = quint8(coil32);
        encode(simpleProgramme(), image);
        QCOMPARE(int(image.coils[33]), 1);
        QCOMPARE(int(image.coils[34]), 1);
        QCOMPARE(int(image.coils[32]), coil32);
    }
}

void TestDosProgramme::keptRegistersAreNeverWritten()
{
    auto image = patternedImage(3);
    const auto before = patternedImage(3);
    encode(simpleProgramme(), *image);
    for (int kept : {1, 6, 7, 8, 9, 14, 17, 18, 27, 28, 173, 174})
        QCOMPARE(image->holdingRegisters[kept], before->holdingRegisters[kept]);
    for (int reg : {149, 150, 151})
        QCOMPARE(image->holdingRegisters[reg] & 0xFF, before->holdingRegisters[reg] & 0xFF);
    QCOMPARE(int(image->coils[32]), int(before->coils[32]));
}

void TestDosProgramme::plansGoIntoTheirChannelBlock()
{
    Programme p = simpleProgramme();
    p.setupMode = SetupCustom;
    p.channels[1].plans = {{QTime(6, 15), 3}, {QTime(20, 0), 40}};
    RegisterImage image;
    image.holdingRegisters[149] = 0x00AB;
    encode(p, image);
    QCOMPARE(image.holdingRegisters[148] & 0xFF, 1);
    QCOMPARE(image.holdingRegisters[149], 2 * 256 + 0xAB);
    // Channel 2's block is 223..270: 24 times, then 24 volumes.
    QCOMPARE(image.holdingRegisters[223], 6 * 256 + 15);
    QCOMPARE(image.holdingRegisters[224], 20 * 256);
    QCOMPARE(image.holdingRegisters[247], 3);
    QCOMPARE(image.holdingRegisters[248], 40);

    const Programme back = decode(image);
    QCOMPARE(back.setupMode, int(SetupCustom));
    QCOMPARE(back.channels[1].plans, p.channels[1].plans);
    QVERIFY(back.channels[0].plans.isEmpty());
}

void TestDosProgramme::channelWithoutPlansKeepsItsBlock()
{
    auto image = patternedImage(5);
    const auto before = patternedImage(5);
    Programme p = simpleProgramme();
    p.channels[2].plans.clear();
    encode(p, *image);
    QCOMPARE(image->holdingRegisters[150] >> 8, 0);
    for (int reg = 271; reg <= 318; ++reg)
        QCOMPARE(image->holdingRegisters[reg], before->holdingRegisters[reg]);
}

void TestDosProgramme::planCountAboveTwentyFourIsClampedToTheBlock()
{
    RegisterImage image;
    // Channel 4 claims 40 plans; its block ends at 366. Mark what lies
    // beyond, and channel 3's block, so a read outside would show.
    image.holdingRegisters[151] = 40 << 8;
    for (int j = 0; j < 24; ++j) {
        image.holdingRegisters[319 + j] = 7 * 256 + j;
        image.holdingRegisters[343 + j] = 100 + j;
        image.holdingRegisters[271 + j] = 0x0101;
    }
    for (int reg = 367; reg < RegisterImage::kHoldingRegisterCount; ++reg)
        image.holdingRegisters[reg] = 9999;
    const Programme p = decode(image);
    const Channel &c = p.channels[3];
    QCOMPARE(c.plans.size(), 24);
    QVERIFY(c.plansClamped);
    for (int j = 0; j < 24; ++j) {
        QCOMPARE(c.plans[j].time, QTime(7, j));
        QCOMPARE(c.plans[j].volume, double(100 + j));
    }
    // Encoding never names more than 24 plans.
    RegisterImage out;
    encode(p, out);
    QCOMPARE(out.holdingRegisters[151] >> 8, 24);
    QCOMPARE(out.holdingRegisters[367], 0);
}

void TestDosProgramme::planVolumesAreWholeMl()
{
    Programme p = simpleProgramme();
    p.channels[0].plans = {{QTime(9, 0), 12}, {QTime(10, 0), 12.9}};
    RegisterImage image;
    encode(p, image);
    QCOMPARE(image.holdingRegisters[199], 12);
    QCOMPARE(image.holdingRegisters[200], 12); // truncated toward zero
}

void TestDosProgramme::unreadableVolumesAreShownClampedAndMarked_data()
{
    QTest::addColumn<quint32>("bits");
    QTest::addColumn<double>("shown");
    QTest::addColumn<bool>("clamped");
    QTest::newRow("NaN") << quint32(0x7FC00000) << 0.0 << true;
    QTest::newRow("negative") << floatBits(-5.0f) << 0.0 << true;
    QTest::newRow("infinite") << quint32(0x7F800000) << kMaxVolume << true;
    QTest::newRow("above range") << floatBits(2.0e6f) << kMaxVolume << true;
    QTest::newRow("minus zero") << quint32(0x80000000) << 0.0 << false;
    QTest::newRow("in range") << floatBits(250.5f) << 250.5 << false;
}

void TestDosProgramme::unreadableVolumesAreShownClampedAndMarked()
{
    QFETCH(quint32, bits);
    QFETCH(double, shown);
    QFETCH(bool, clamped);
    bool marked = !clamped;
    const double value = shownVolume(bits, &marked);
    QVERIFY(!std::isnan(value));
    QVERIFY(!std::signbit(value));
    QCOMPARE(value, shown);
    QCOMPARE(marked, clamped);

    RegisterImage image;
    image.holdingRegisters[21] = int(bits >> 16);
    image.holdingRegisters[22] = int(bits & 0xFFFF);
    QCOMPARE(decode(image).channels[1].volumeClamped, clamped);
}

void TestDosProgramme::unchangedProgrammeWritesNothingButTheCommitCoils()
{
    auto image = patternedImage(11);
    image->coils[33] = 0;
    image->coils[34] = 0;
    const auto before = std::make_unique<RegisterImage>(*image);
    Programme shown = decode(*image);
    // A programme shown with the editors' own rounding: 08:30 shown as
    // 08:00. Nothing was edited, so nothing of it is written.
    shown.channels[0].start = QTime(8, 0);
    shown.channels[0].volumeClamped = false;
    shown.channels[1].volumeClamped = false;
    shown.channels[2].volumeClamped = false;
    shown.channels[3].volumeClamped = false;
    for (Channel &c : shown.channels)
        c.plansClamped = false;
    encodeChanges(shown, shown, *image);
    QCOMPARE(differingRegisters(*before, *image), QVector<int>());
    QCOMPARE(differingCoils(*before, *image), QVector<int>({33, 34}));
}

void TestDosProgramme::oneChangedFieldWritesOnlyItsRegisters()
{
    RegisterImage image;
    encode(simpleProgramme(), image);
    const RegisterImage before = image;
    const Programme shown = decode(image);

    Programme edited = shown;
    edited.channels[1].volumeBits = volumeBits(33.3);
    encodeChanges(shown, edited, image);
    QCOMPARE(differingRegisters(before, image), QVector<int>({21, 22}));

    edited = shown;
    edited.channels[3].plans = {{QTime(5, 0), 2}};
    image = before;
    encodeChanges(shown, edited, image);
    QCOMPARE(differingRegisters(before, image), QVector<int>({151, 319, 343}));

    edited = shown;
    edited.setupMode = SetupCustom;
    image = before;
    encodeChanges(shown, edited, image);
    QCOMPARE(differingRegisters(before, image), QVector<int>({148}));
    QCOMPARE(image.holdingRegisters[148], (before.holdingRegisters[148] & 0xFF00) | 1);
}

void TestDosProgramme::clampedFieldsAreWrittenAsShown()
{
    RegisterImage image;
    image.holdingRegisters[19] = 0x7FC0; // NaN on channel 1
    Programme shown = decode(image);
    QVERIFY(shown.channels[0].volumeClamped);
    Programme edited = shown;
    edited.channels[0].volumeBits = volumeBits(0.0);
    encodeChanges(shown, edited, image);
    QCOMPARE(image.holdingRegisters[19], 0);
    QCOMPARE(image.holdingRegisters[20], 0);
}

void TestDosProgramme::dosesPerDayChoicesAreTheDivisorsOfTheSpan_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("stop");
    QTest::addColumn<QVector<int>>("choices");
    QTest::newRow("08:00 to 19:59")
        << QTime(8, 0) << QTime(19, 59) << QVector<int> {1, 2, 3, 4, 6, 12};
    QTest::newRow("whole day") << QTime(0, 0) << QTime(23, 59)
                               << QVector<int> {1, 2, 3, 4, 6, 8, 12, 24};
    QTest::newRow("10:00 to 09:59") << QTime(10, 0) << QTime(9, 59) << QVector<int>();
    QTest::newRow("one hour") << QTime(10, 0) << QTime(10, 59) << QVector<int> {1};
    QTest::newRow("seven hours") << QTime(1, 0) << QTime(7, 59) << QVector<int> {1, 7};
}

void TestDosProgramme::dosesPerDayChoicesAreTheDivisorsOfTheSpan()
{
    QFETCH(QTime, start);
    QFETCH(QTime, stop);
    QFETCH(QVector<int>, choices);
    QCOMPARE(dosesPerDayChoices(start, stop), choices);
}

void TestDosProgramme::timesSnapToWholeHours()
{
    QCOMPARE(snappedStart(QTime(8, 45)), QTime(8, 0));
    QCOMPARE(snappedStop(QTime(17, 10)), QTime(17, 59));
    QCOMPARE(snappedStart(QTime(8, 30)), QTime(8, 0));
}

void TestDosProgramme::perDoseVolumeHasNoValueWithoutADoseCount()
{
    QCOMPARE(perDoseVolume(30, 4).value_or(-1), 7.5);
    QVERIFY(!perDoseVolume(30, 0));
}

void TestDosProgramme::plansSortByTimeKeepingEqualTimesInOrder()
{
    QVector<Plan> plans = {{QTime(12, 0), 1}, {QTime(8, 0), 2}, {QTime(10, 0), 3}};
    sortPlans(plans);
    QCOMPARE(plans, (QVector<Plan> {{QTime(8, 0), 2}, {QTime(10, 0), 3}, {QTime(12, 0), 1}}));

    QVector<Plan> equal = {{QTime(10, 0), 1}, {QTime(10, 0), 2}, {QTime(8, 0), 3}};
    sortPlans(equal);
    QCOMPARE(equal, (QVector<Plan> {{QTime(8, 0), 3}, {QTime(10, 0), 1}, {QTime(10, 0), 2}}));
}

void TestDosProgramme::onChannelWithoutDoseChoiceIsFound()
{
    Programme p = simpleProgramme();
    QVERIFY(!channelWithoutDoseChoice(p));
    p.channels[2].start = QTime(10, 0);
    p.channels[2].stop = QTime(9, 59);
    QCOMPARE(channelWithoutDoseChoice(p).value_or(-1), 2);
    // Off, or in custom mode, the automatic span does not matter.
    p.setupMode = SetupCustom;
    QVERIFY(!channelWithoutDoseChoice(p));
    p.setupMode = SetupAuto;
    p.channels[2].onOff = SwitchOff;
    QVERIFY(!channelWithoutDoseChoice(p));
}

void TestDosProgramme::readAndSaveAreSixteenRequestsEach()
{
    const QStringList read = {"2 1 28 7",   "2 3 1 14",   "2 3 17 12",  "2 3 32 4",
                              "2 3 80 4",   "2 3 148 4",  "2 3 165 22", "2 3 187 22",
                              "2 3 209 22", "2 3 231 22", "2 3 253 22", "2 3 275 22",
                              "2 3 297 22", "2 3 319 22", "2 3 341 22", "2 3 363 4"};
    const QStringList save = {"2 16 1 14",   "2 16 19 10",  "2 16 32 4",   "2 16 80 4",
                              "2 16 148 4",  "2 16 165 22", "2 16 187 22", "2 16 209 22",
                              "2 16 231 22", "2 16 253 22", "2 16 275 22", "2 16 297 22",
                              "2 16 319 22", "2 16 341 22", "2 16 363 4",  "2 15 28 7"};
    QCOMPARE(readCommands(2), read);
    QCOMPARE(saveCommands(2), save);
}

void TestDosProgramme::readCopiesOnlyWhatWasRead()
{
    const auto from = patternedImage(1);
    auto to = std::make_unique<RegisterImage>();
    copyReadRanges(*from, *to);
    const QVector<int> copied = differingRegisters(RegisterImage(), *to);
    for (int reg : copied) {
        const bool inRead = (reg >= 1 && reg <= 14) || (reg >= 17 && reg <= 28) ||
            (reg >= 32 && reg <= 35) || (reg >= 80 && reg <= 83) || (reg >= 148 && reg <= 151) ||
            (reg >= 165 && reg <= 366);
        QVERIFY2(inRead, qPrintable(QStringLiteral("register %1").arg(reg)));
    }
    QCOMPARE(to->holdingRegisters[29], 0);
    QCOMPARE(to->holdingRegisters[30], 0);
    QCOMPARE(to->holdingRegisters[366], from->holdingRegisters[366]);
    QCOMPARE(int(to->coils[34]), int(from->coils[34]));
    QCOMPARE(int(to->coils[35]), 0);
}

void TestDosProgramme::calculatorExample()
{
    const QuickSetup::Results r = QuickSetup::calculate({100, 10, 5, 1});
    QCOMPARE(qRound(r.supplyCa * 100), 670);
    QCOMPARE(qRound(r.supplyMg * 100), 250);
    QCOMPARE(qRound(r.supplyKh * 100), 4400);
    QCOMPARE(r.maxCa, 40.0);
    QCOMPARE(r.maxMg, 40.0);
    QCOMPARE(r.maxKh, 100.0);
    QCOMPARE(r.maxSr, 20.0);
    QCOMPARE(r.maxColdHot, 20.0);
}

void TestDosProgramme::aquariumVolumeIsMillilitresHighWordFirst()
{
    QCOMPARE(QuickSetup::aquariumMillilitres(250.5), 250500);
    RegisterImage master;
    RegisterImage image;
    QuickSetup::prepare(master, image, {}, 250.5);
    QCOMPARE(image.holdingRegisters[142], 3);
    QCOMPARE(image.holdingRegisters[143], 53892);
}

void TestDosProgramme::quickSetupTakesItsRangesFromTheMaster()
{
    const auto master = patternedImage(21);
    auto image = patternedImage(99); // what another pump's read left behind
    QuickSetup::Results r;
    r.supplyCa = 6.7;
    r.supplyMg = 2.5;
    r.supplyKh = 44;
    QuickSetup::prepare(*master, *image, r, 100);

    QMap<int, int> set = {{2, 1},       {3, 1},       {4, 1},       {32, 1},  {33, 1},      {34, 1},
                          {19, 0x40D6}, {20, 0x6666}, {21, 0x4020}, {22, 0},  {23, 0x4230}, {24, 0},
                          {42, 8},      {43, 0},      {44, 0},      {45, 8},  {46, 4},      {47, 0},
                          {48, 8},      {49, 8},      {50, 0},      {142, 1}, {143, 34464}};
    for (int reg = 2; reg <= 56; ++reg) {
        const int expected = set.value(reg, master->holdingRegisters[reg]);
        QVERIFY2(image->holdingRegisters[reg] == expected, qPrintable(QString::number(reg)));
    }
    for (int reg = 142; reg <= 145; ++reg) {
        const int expected = set.value(reg, master->holdingRegisters[reg]);
        QVERIFY2(image->holdingRegisters[reg] == expected, qPrintable(QString::number(reg)));
    }
    const QMap<int, int> coils = {{27, 0}, {28, 1}, {29, 1}, {30, 1}, {31, 0},
                                  {32, 0}, {33, 1}, {34, 1}, {36, 0}};
    for (int coil = 27; coil <= 36; ++coil)
        QCOMPARE(int(image->coils[coil]), coils.value(coil, master->coils[coil]));
    // Outside the written ranges the image is left alone.
    QCOMPARE(image->holdingRegisters[60], patternedImage(99)->holdingRegisters[60]);
}

void TestDosProgramme::quickSetupCommandsInOrder()
{
    QCOMPARE(QuickSetup::commands(),
             QStringList({"1 15 27 10", "1 16 2 22", "1 16 24 22", "1 16 46 11", "1 16 142 4",
                          "1 15 33 2"}));
}

void TestDosProgramme::quickSetupSettingsKeepTheSixthReagent()
{
    QSettings &settings = TestSupport::freshSettings();
    settings.beginWriteArray("group_reagent");
    for (int i = 0; i < 6; ++i) {
        settings.setArrayIndex(i);
        settings.setValue("reagent_name", QStringLiteral("R%1").arg(i));
    }
    settings.endArray();
    settings.beginWriteArray("group_pumps");
    for (int i = 0; i < 4; ++i) {
        settings.setArrayIndex(i);
        settings.setValue("pumps_reagent_index", 5);
    }
    settings.endArray();

    QuickSetup::Stored stored;
    stored.inputs = {120, 10, 5, 1};
    stored.results = QuickSetup::calculate(stored.inputs);
    QuickSetup::store(settings, stored);

    QCOMPARE(settings.beginReadArray("group_reagent"), 6);
    settings.endArray();
    const QuickSetup::Stored back = QuickSetup::load(settings);
    QCOMPARE(back.inputs.volume, 120.0);
    QCOMPARE(back.inputs.consumeMg, 5.0);
    QCOMPARE(back.results.maxSr, stored.results.maxSr);
    QCOMPARE(back.results.supplyKh, stored.results.supplyKh);
    const int pumps = settings.beginReadArray("group_pumps");
    QCOMPARE(pumps, 4);
    for (int i = 0; i < pumps; ++i) {
        settings.setArrayIndex(i);
        QCOMPARE(settings.value("pumps_reagent_index").toInt(), i);
    }
    settings.endArray();
}

void TestDosProgramme::intervalsMayTotalFiftyFiveMinutes()
{
    QVERIFY(ChemicalInterval::withinTotal({0, 25, 20, 10}));
    QVERIFY(!ChemicalInterval::withinTotal({1, 25, 20, 10}));
    QCOMPARE(ChemicalInterval::writeCommand(), QStringLiteral("1 16 106 4"));
    QCOMPARE(ChemicalInterval::readCommand(), QStringLiteral("1 3 106 4"));
}

QTEST_GUILESS_MAIN(TestDosProgramme)
#include "tst_dosprogramme.moc"
