#include "DoseProgramme.h"
#include "FirmwareVersions.h"
#include "LiquidBottles.h"
#include "ManualDosing.h"
#include "PasswordChange.h"
#include "RegisterImage.h"
#include "SetupDiff.h"
#include "SetupFile.h"
#include "SetupRestore.h"
#include "TestSupport.h"
#include "TimeTempDomain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// The setup file without a pump: its format and every check of a file read
// back, what a restore writes and leaves alone, and the differences in words.
class TestSetupFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jsonRoundTripKeepsEveryValue();
    void pcSettingsRoundTripThroughTheStore();
    void pcSettingsCarryTheChannelsOfTheirPump();
    void badFileIsRefusedWithItsReason_data();
    void badFileIsRefusedWithItsReason();
    void saveWritesWholeFileOrReportsWhy();
    void oversizedFileIsNotRead();
    void restoreWritesOnlyThePagesRanges();
    void intervalsAndTemperatureOnlyAtTheMaster();
    void stagingLeavesCommitForTheEnd();
    void differencesListOnlyChangedSections();
    void equalSetupsHaveNothingToChange();

private:
    static SetupFile::Setup randomSetup(quint32 seed, int address = 1);
    static QJsonObject validObject();
};

namespace {

SetupFile::PcSettings samplePc()
{
    SetupFile::PcSettings pc;
    pc.aquariumVolume = 320.5;
    pc.pumps = {{QStringLiteral("Ca"), 0},
                {QStringLiteral("Mg"), 1},
                {QStringLiteral("Kh"), 2},
                {QStringLiteral("阴阳水"), 4}};
    for (int i = 0; i < 6; ++i) {
        SetupFile::ReagentEntry entry;
        entry.name = QStringLiteral("R%1").arg(i);
        entry.max = 10.0 * (i + 1);
        entry.offer = 0.5 + i;
        if (i == 2)
            entry.consume = 1.25;
        pc.reagents.append(entry);
    }
    pc.chemicalInterval = 4;
    pc.chemicalPump4Select = 1;
    return pc;
}

bool isWritten(const QVector<SetupRestore::Cell> &cells, SetupRestore::Cell::Table table, int index)
{
    return cells.contains(SetupRestore::Cell {table, index});
}

QVector<SetupRestore::Cell> allWrittenCells(int address)
{
    QVector<SetupRestore::Cell> cells;
    for (SetupRestore::Group group : SetupRestore::groupsFor(address))
        cells += SetupRestore::writtenCells(group, address);
    return cells;
}

} // namespace

SetupFile::Setup TestSetupFile::randomSetup(quint32 seed, int address)
{
    QRandomGenerator random(seed);
    RegisterImage image;
    for (int i = 0; i < RegisterImage::kReadCoilCount; ++i)
        image.coils[i] = quint8(random.bounded(2));
    for (int i = 0; i < RegisterImage::kReadDiscreteInputCount; ++i)
        image.discreteInputs[i] = quint8(random.bounded(2));
    for (int i = 0; i < RegisterImage::kReadInputRegisterCount; ++i)
        image.inputRegisters[i] = int(random.bounded(0x10000));
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        image.holdingRegisters[i] = int(random.bounded(0x10000));
    return SetupFile::fromPump(image, address, samplePc(),
                               QDateTime(QDate(2026, 12, 9), QTime(10, 30, 15)));
}

QJsonObject TestSetupFile::validObject()
{
    return QJsonDocument::fromJson(SetupFile::toJson(randomSetup(7))).object();
}

void TestSetupFile::jsonRoundTripKeepsEveryValue()
{
    RegisterImage image;
    image.inputRegisters[FirmwareVersions::kAppVersionRegister] = 0x1203;
    image.inputRegisters[FirmwareVersions::kBuildRegister] = 5;
    image.holdingRegisters[366] = 0xFFFF;
    image.coils[46] = 1;
    const SetupFile::Setup made =
        SetupFile::fromPump(image, 3, samplePc(), QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    QCOMPARE(made.appVersion, QStringLiteral("1.2.3"));
    QCOMPARE(made.firmwareVersion, QStringLiteral("200005"));

    const SetupFile::Setup setup = randomSetup(42, 3);
    const SetupFile::Parsed parsed = SetupFile::parse(SetupFile::toJson(setup));
    QVERIFY2(parsed.setup, qPrintable(parsed.error));
    const SetupFile::Setup &back = *parsed.setup;
    QCOMPARE(back.address, 3);
    QCOMPARE(back.saved, setup.saved);
    QCOMPARE(back.clientVersion, setup.clientVersion);
    QVERIFY(!back.clientVersion.isEmpty());
    QCOMPARE(back.appVersion, setup.appVersion);
    QCOMPARE(back.firmwareVersion, setup.firmwareVersion);
    QCOMPARE(back.coils, setup.coils);
    QCOMPARE(back.discreteInputs, setup.discreteInputs);
    QCOMPARE(back.inputRegisters, setup.inputRegisters);
    QCOMPARE(back.holdingRegisters, setup.holdingRegisters);
    QVERIFY(back.pc == setup.pc);

    RegisterImage into;
    SetupFile::toImage(back, into);
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        QCOMPARE(into.holdingRegisters[i], setup.holdingRegisters.at(i));
    for (int i = 0; i < RegisterImage::kReadCoilCount; ++i)
        QCOMPARE(int(into.coils[i]), setup.coils.at(i));
}

void TestSetupFile::pcSettingsRoundTripThroughTheStore()
{
    QSettings &settings = TestSupport::freshSettings();
    const SetupFile::PcSettings pc = samplePc();
    SetupFile::writePcSettings(pc, settings, 1);
    QVERIFY(SetupFile::readPcSettings(settings, 1) == pc);

    // A reagent without a consumption in the file loses the one stored.
    SetupFile::PcSettings without = pc;
    without.reagents[2].consume.reset();
    SetupFile::writePcSettings(without, settings, 1);
    QVERIFY(!SetupFile::readPcSettings(settings, 1).reagents.at(2).consume);
}

void TestSetupFile::pcSettingsCarryTheChannelsOfTheirPump()
{
    QSettings &settings = TestSupport::freshSettings();
    const SetupFile::PcSettings master = samplePc();
    SetupFile::writePcSettings(master, settings, 1);

    // Before it has names of its own, a slave's backup carries what its
    // pages show: the master's names behind its own, the master's reagents.
    const SetupFile::PcSettings derived =
        SetupFile::readPcSettings(settings, 2, QStringLiteral("Slave1"));
    QCOMPARE(derived.pumps.at(0).name, QStringLiteral("Slave1 Ca"));
    QCOMPARE(derived.pumps.at(3).name, QStringLiteral("Slave1 阴阳水"));
    QCOMPARE(derived.pumps.at(3).reagentIndex, 4);

    SetupFile::PcSettings slave = master;
    slave.pumps = {{QStringLiteral("Iodine"), 5},
                   {QStringLiteral("Iron"), 5},
                   {QStringLiteral("Potassium"), 3},
                   {QString(), 0}};
    SetupFile::writePcSettings(slave, settings, 2);
    QVERIFY(SetupFile::readPcSettings(settings, 2, QStringLiteral("Slave1")) == slave);
    // Restoring the slave leaves the master's channels alone.
    QVERIFY(SetupFile::readPcSettings(settings, 1) == master);
    QCOMPARE(settings.beginReadArray(QStringLiteral("group_pumps_2")), 4);
    settings.setArrayIndex(2);
    QCOMPARE(settings.value(QStringLiteral("pumps_name")).toString(), QStringLiteral("Potassium"));
    QCOMPARE(settings.value(QStringLiteral("pumps_reagent_index")).toInt(), 3);
    settings.endArray();

    // And the master's restore leaves the slave's.
    SetupFile::PcSettings renamed = master;
    renamed.pumps[0].name = QStringLiteral("Calcium");
    SetupFile::writePcSettings(renamed, settings, 1);
    QVERIFY(SetupFile::readPcSettings(settings, 2, QStringLiteral("Slave1")) == slave);
    QCOMPARE(SetupFile::readPcSettings(settings, 1).pumps.at(0).name, QStringLiteral("Calcium"));
}

void TestSetupFile::badFileIsRefusedWithItsReason_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray valid = QJsonDocument(validObject()).toJson();
    QTest::newRow("truncated") << valid.left(valid.size() / 2)
                               << QStringLiteral("not a setup file");
    QTest::newRow("not JSON") << QByteArray("dose 5 ml") << QStringLiteral("not a setup file");
    QTest::newRow("JSON array") << QByteArray("[1, 2]") << QStringLiteral("no JSON object");

    const auto with = [](const std::function<void(QJsonObject &)> &change) {
        QJsonObject root = validObject();
        change(root);
        return QJsonDocument(root).toJson();
    };
    const auto table = [&with](const char *name, int index, const QJsonValue &value) {
        return with([=](QJsonObject &root) {
            QJsonObject tables = root.value(QLatin1String("tables")).toObject();
            QJsonArray array = tables.value(QLatin1String(name)).toArray();
            array[index] = value;
            tables.insert(QLatin1String(name), array);
            root.insert(QLatin1String("tables"), tables);
        });
    };

    QTest::newRow("wrong format name")
        << with([](QJsonObject &root) { root.insert("format", "aquarium-lights"); })
        << QStringLiteral("\"aquarium-lights\"");
    QTest::newRow("unknown version") << with([](QJsonObject &root) { root.insert("version", 2); })
                                     << QStringLiteral("version 2");
    QTest::newRow("no version") << with([](QJsonObject &root) { root.remove("version"); })
                                << QStringLiteral("format version");
    QTest::newRow("holding table short") << with([](QJsonObject &root) {
        QJsonObject tables = root.value("tables").toObject();
        QJsonArray holding = tables.value("holding_registers").toArray();
        holding.removeLast();
        tables.insert("holding_registers", holding);
        root.insert("tables", tables);
    }) << QStringLiteral("holds 366 values; a setup file holds 367");
    QTest::newRow("coil table missing") << with([](QJsonObject &root) {
        QJsonObject tables = root.value("tables").toObject();
        tables.remove("coils");
        root.insert("tables", tables);
    }) << QStringLiteral("no coil table");
    QTest::newRow("value 70000") << table("holding_registers", 12, 70000)
                                 << QStringLiteral("holding register 12 holds 70000");
    QTest::newRow("negative value")
        << table("input_registers", 3, -1) << QStringLiteral("input register 3 holds -1");
    QTest::newRow("fraction") << table("holding_registers", 200, 1.5)
                              << QStringLiteral("holding register 200 holds 1.5");
    QTest::newRow("text value") << table("holding_registers", 0, QStringLiteral("ten"))
                                << QStringLiteral("holding register 0 holds \"ten\"");
    QTest::newRow("coil 2") << table("coils", 5, 2) << QStringLiteral("coil 5 holds 2");
    QTest::newRow("discrete input 7")
        << table("discrete_inputs", 4, 7) << QStringLiteral("discrete input 4 holds 7");
    QTest::newRow("address 0") << with([](QJsonObject &root) {
        QJsonObject pump = root.value("pump").toObject();
        pump.insert("address", 0);
        root.insert("pump", pump);
    }) << QStringLiteral("no pump address");
    QTest::newRow("no date") << with([](QJsonObject &root) { root.remove("saved"); })
                             << QStringLiteral("when it was saved");
    QTest::newRow("no PC settings") << with([](QJsonObject &root) { root.remove("pc_settings"); })
                                    << QStringLiteral("no PC settings");
    QTest::newRow("three pump names") << with([](QJsonObject &root) {
        QJsonObject pc = root.value("pc_settings").toObject();
        QJsonArray pumps = pc.value("pumps").toArray();
        pumps.removeLast();
        pc.insert("pumps", pumps);
        root.insert("pc_settings", pc);
    }) << QStringLiteral("(pumps)");
    QTest::newRow("reagent index 9") << with([](QJsonObject &root) {
        QJsonObject pc = root.value("pc_settings").toObject();
        QJsonArray pumps = pc.value("pumps").toArray();
        QJsonObject first = pumps.at(0).toObject();
        first.insert("reagent_index", 9);
        pumps[0] = first;
        pc.insert("pumps", pumps);
        root.insert("pc_settings", pc);
    }) << QStringLiteral("(pumps)");
}

void TestSetupFile::badFileIsRefusedWithItsReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const SetupFile::Parsed parsed = SetupFile::parse(bytes);
    QVERIFY(!parsed.setup);
    QVERIFY2(parsed.error.contains(reason), qPrintable(parsed.error));
}

void TestSetupFile::saveWritesWholeFileOrReportsWhy()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("reef.tidewell.json"));
    const SetupFile::Setup setup = randomSetup(3);
    QString error;
    QVERIFY2(SetupFile::save(setup, path, &error), qPrintable(error));
    const SetupFile::Parsed loaded = SetupFile::load(path);
    QVERIFY2(loaded.setup, qPrintable(loaded.error));
    QCOMPARE(loaded.setup->holdingRegisters, setup.holdingRegisters);
    // Nothing but the file itself is left in the directory.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList {QStringLiteral("reef.tidewell.json")});

    error.clear();
    QVERIFY(!SetupFile::save(setup, dir.filePath(QStringLiteral("missing/reef.tidewell.json")),
                             &error));
    QVERIFY(!error.isEmpty());

    const SetupFile::Parsed missing = SetupFile::load(dir.filePath(QStringLiteral("none.json")));
    QVERIFY(!missing.setup);
    QVERIFY(missing.error.contains(QStringLiteral("could not be read")));
}

void TestSetupFile::oversizedFileIsNotRead()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("big.tidewell.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2 << 20, ' '));
    file.close();
    const SetupFile::Parsed parsed = SetupFile::load(file.fileName());
    QVERIFY(!parsed.setup);
    QVERIFY2(parsed.error.contains(QStringLiteral("too large")), qPrintable(parsed.error));
}

void TestSetupFile::restoreWritesOnlyThePagesRanges()
{
    using Cell = SetupRestore::Cell;
    for (int address : {1, 3}) {
        const QVector<Cell> cells = allWrittenCells(address);
        // The programme, the calibration table and the bottles are written.
        for (int channel = 0; channel < DoseProgramme::kChannelCount; ++channel) {
            QVERIFY(
                isWritten(cells, Cell::HoldingRegister, DoseProgramme::kRunModeRegister + channel));
            QVERIFY(isWritten(cells, Cell::HoldingRegister,
                              DoseProgramme::kVolumeRegister + 2 * channel));
            QVERIFY(isWritten(cells, Cell::Coil, DoseProgramme::kChannelSwitchCoil + channel));
            QVERIFY(
                isWritten(cells, Cell::HoldingRegister, LiquidBottles::capacityRegister(channel)));
            QVERIFY(isWritten(cells, Cell::HoldingRegister,
                              LiquidBottles::liquidLeftRegister(channel)));
            for (int gear = 0; gear < ManualDosing::kGearCount; ++gear)
                QVERIFY(isWritten(cells, Cell::HoldingRegister,
                                  ManualDosing::calibrationRegister(channel, gear)));
        }
        QVERIFY(isWritten(cells, Cell::HoldingRegister, DoseProgramme::kProgrammeAreaLast));
        // Never the clock, the run coils and volumes, the password, the
        // boot register, nor the commit coils outside the commit itself.
        for (int i = TimeTemp::kFirstClockRegister;
             i < TimeTemp::kFirstClockRegister + TimeTemp::kClockRegisterCount; ++i)
            QVERIFY2(!isWritten(cells, Cell::HoldingRegister, i), qPrintable(QString::number(i)));
        for (int pump = 0; pump < ManualDosing::kPumpCount; ++pump) {
            QVERIFY(!isWritten(cells, Cell::Coil, ManualDosing::kRunCoilFirst + pump));
            QVERIFY(!isWritten(cells, Cell::HoldingRegister, ManualDosing::kRunVolumeFirst + pump));
        }
        for (int i = PasswordChange::kLengthRegister;
             i < PasswordChange::kLengthRegister + PasswordChange::kRegisterCount; ++i)
            QVERIFY(!isWritten(cells, Cell::HoldingRegister, i));
        QVERIFY(!isWritten(cells, Cell::HoldingRegister, 160));
        QVERIFY(!isWritten(cells, Cell::Coil, DoseProgramme::kCommitCoilClock));
        QVERIFY(!isWritten(cells, Cell::Coil, DoseProgramme::kCommitCoilSettings));
    }
}

void TestSetupFile::intervalsAndTemperatureOnlyAtTheMaster()
{
    using Group = SetupRestore::Group;
    QVERIFY(SetupRestore::groupsFor(1).contains(Group::Intervals));
    QVERIFY(SetupRestore::groupsFor(1).contains(Group::Temperature));
    QVERIFY(!SetupRestore::groupsFor(2).contains(Group::Intervals));
    QVERIFY(!SetupRestore::groupsFor(2).contains(Group::Temperature));
    // Every write of a slave's restore goes to the slave.
    RegisterImage file;
    RegisterImage shared;
    for (Group group : SetupRestore::groupsFor(2))
        for (const QString &command : SetupRestore::stage(group, file, shared, 2))
            QVERIFY2(command.startsWith(QStringLiteral("2 ")), qPrintable(command));
    QVERIFY(isWritten(allWrittenCells(1), SetupRestore::Cell::HoldingRegister, 106));
    QVERIFY(isWritten(allWrittenCells(1), SetupRestore::Cell::Coil, TimeTemp::kAlarmCoil));
    QVERIFY(!isWritten(allWrittenCells(2), SetupRestore::Cell::HoldingRegister, 106));
}

void TestSetupFile::stagingLeavesCommitForTheEnd()
{
    const SetupFile::Setup setup = randomSetup(11);
    RegisterImage file;
    SetupFile::toImage(setup, file);
    file.coils[DoseProgramme::kCommitCoilClock] = 1;
    file.coils[DoseProgramme::kCommitCoilSettings] = 1;
    RegisterImage shared;
    for (SetupRestore::Group group : SetupRestore::groupsFor(1)) {
        const QStringList commands = SetupRestore::stage(group, file, shared, 1);
        QVERIFY(!commands.isEmpty());
        QCOMPARE(int(shared.coils[DoseProgramme::kCommitCoilClock]), 0);
        QCOMPARE(int(shared.coils[DoseProgramme::kCommitCoilSettings]), 0);
        QVERIFY(!commands.contains(QStringLiteral("1 5 33")));
        QVERIFY(!commands.contains(QStringLiteral("1 5 34")));
    }
    // What was staged is the file's, cell by cell.
    QCOMPARE(SetupRestore::compare(SetupRestore::groupsFor(1), file, shared, 1).size(), 0);
    QCOMPARE(SetupRestore::stageCommit(shared, 1), QStringList {QStringLiteral("1 15 33 2")});
    QCOMPARE(int(shared.coils[DoseProgramme::kCommitCoilClock]), 1);
    QCOMPARE(int(shared.coils[DoseProgramme::kCommitCoilSettings]), 1);

    // A cell that differs is named with its group.
    shared.holdingRegisters[LiquidBottles::capacityRegister(2)] ^= 1;
    const QVector<SetupRestore::Mismatch> mismatches =
        SetupRestore::compare(SetupRestore::groupsFor(1), file, shared, 1);
    QCOMPARE(mismatches.size(), 1);
    QCOMPARE(mismatches.at(0).group, SetupRestore::Group::Bottles);
    QCOMPARE(mismatches.at(0).cell.index, LiquidBottles::capacityRegister(2));
}

void TestSetupFile::differencesListOnlyChangedSections()
{
    RegisterImage pump;
    pump.holdingRegisters[DoseProgramme::kDosesPerDayRegister + 1] = 4;
    pump.holdingRegisters[LiquidBottles::capacityRegister(2)] = 5000;
    pump.holdingRegisters[ManualDosing::calibrationRegister(0, 1)] = 0;
    RegisterImage file = pump;
    file.holdingRegisters[DoseProgramme::kDosesPerDayRegister + 1] = 6;
    file.holdingRegisters[LiquidBottles::capacityRegister(2)] = 7500;
    // 600000 / 6000 = 100 ml/min.
    file.holdingRegisters[ManualDosing::calibrationRegister(0, 1)] = 6000;
    SetupFile::PcSettings pcNow = samplePc();
    SetupFile::PcSettings pcFile = pcNow;
    pcFile.pumps[3].name = QStringLiteral("NO3");

    const QVector<SetupDiff::Section> sections =
        SetupDiff::differences(pump, file, 1, pcNow, pcFile);
    QStringList titles;
    for (const SetupDiff::Section &section : sections)
        titles << section.title;
    QCOMPARE(
        titles,
        QStringList({QStringLiteral("Channel 2 programme"), QStringLiteral("Channel 1 calibration"),
                     QStringLiteral("Bottle 3"), QStringLiteral("PC settings")}));
    const auto lines = [&sections](int i) {
        QStringList list;
        for (const SetupDiff::Change &change : sections.at(i).changes)
            list << change.line();
        return list;
    };
    QCOMPARE(lines(0), QStringList {QStringLiteral("Doses per day: 4 → 6")});
    QCOMPARE(lines(1), QStringList {QStringLiteral("Moderate flow: not set → 100.0 ml/min")});
    QCOMPARE(lines(2), QStringList {QStringLiteral("Capacity: 500.0 ml → 750.0 ml")});
    QCOMPARE(lines(3), QStringList {QStringLiteral("Channel 4 name: 阴阳水 → NO3")});

    // A slave has no intervals or temperature settings to change.
    file.holdingRegisters[106] = pump.holdingRegisters[106] + 5;
    file.holdingRegisters[TimeTemp::kLowThresholdRegister] += 10;
    bool intervalsListed = false;
    for (const SetupDiff::Section &section : SetupDiff::differences(pump, file, 1, pcNow, pcNow))
        intervalsListed = intervalsListed || section.title == QStringLiteral("Intervals");
    QVERIFY(intervalsListed);
    for (const SetupDiff::Section &section : SetupDiff::differences(pump, file, 2, pcNow, pcNow)) {
        QVERIFY(section.title != QStringLiteral("Intervals"));
        QVERIFY(section.title != QStringLiteral("Temperature"));
    }
}

void TestSetupFile::equalSetupsHaveNothingToChange()
{
    RegisterImage image;
    SetupFile::toImage(randomSetup(5), image);
    QVERIFY(SetupDiff::differences(image, image, 1, samplePc(), samplePc()).isEmpty());
}

QTEST_GUILESS_MAIN(TestSetupFile)
#include "tst_setupfile.moc"
