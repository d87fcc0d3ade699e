#include "AppSettings.h"
#include "PumpNames.h"
#include "TestSupport.h"

#include <QtTest>

// The channel names and reagent choices of each pump in the settings store:
// the master's where they always were, a slave's beside them under its
// address, and what a slave shows before it has any of its own.
class TestPumpNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void masterReadsAndWritesTheArrayWithoutAnAddress();
    void slaveNamesAreStoredUnderItsAddressAndLeaveTheMastersAlone();
    void slaveWithoutNamesShowsTheMastersBehindItsOwnName();
    void derivedNamesAreCutToWhatTheDialogTakes();
    void readingASlaveWritesNothing();
    void reagentChoicesArePerPump();
    void slaveWithoutReagentChoicesTakesTheMasters();
    void namesAndReagentChoicesOfOnePumpLeaveEachOtherAlone();

private:
    static QStringList stored(const char *group, const char *key);
};

namespace {

constexpr int kSlave = 3;
const QStringList kMasterNames = {"Ca", "Mg", "Kh", "Other"};

} // namespace

void TestPumpNames::init()
{
    AppSettings::writeClientDefaults(TestSupport::freshSettings());
}

QStringList TestPumpNames::stored(const char *group, const char *key)
{
    QSettings &settings = AppSettings::store();
    QStringList values;
    const int size = settings.beginReadArray(QLatin1String(group));
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        values << settings.value(QLatin1String(key)).toString();
    }
    settings.endArray();
    return values;
}

void TestPumpNames::masterReadsAndWritesTheArrayWithoutAnAddress()
{
    QSettings &settings = AppSettings::store();
    QCOMPARE(PumpNames::names(settings, 1), kMasterNames);
    // A display name changes nothing for the master.
    QCOMPARE(PumpNames::names(settings, 1, QStringLiteral("Master")), kMasterNames);

    const QStringList renamed = {"Calcium", "Magnesium", "Alkalinity", "Iodine"};
    PumpNames::setNames(settings, 1, renamed);
    QCOMPARE(stored("group_pumps", "pumps_name"), renamed);
    QCOMPARE(stored("group_pumps", "pumps_reagent_index"), QStringList({"0", "1", "2", "3"}));
    QCOMPARE(PumpNames::names(settings, 1), renamed);
    QVERIFY(!settings.childGroups().contains(QStringLiteral("group_pumps_1")));
}

void TestPumpNames::slaveNamesAreStoredUnderItsAddressAndLeaveTheMastersAlone()
{
    QSettings &settings = AppSettings::store();
    const QStringList slave = {"Iodine", "Iron", "Potassium", ""};
    PumpNames::setNames(settings, kSlave, slave);

    QCOMPARE(stored("group_pumps_3", "pumps_name"), slave);
    QCOMPARE(stored("group_pumps", "pumps_name"), kMasterNames);
    QCOMPARE(PumpNames::names(settings, kSlave, QStringLiteral("Slave1")), slave);
    QCOMPARE(PumpNames::names(settings, 1), kMasterNames);
    // Another slave still has none of its own.
    QCOMPARE(PumpNames::names(settings, 2, QStringLiteral("Slave2")),
             QStringList({"Slave2 Ca", "Slave2 Mg", "Slave2 Kh", "Slave2 Other"}));
}

void TestPumpNames::slaveWithoutNamesShowsTheMastersBehindItsOwnName()
{
    QSettings &settings = AppSettings::store();
    PumpNames::setNames(settings, 1, {"Pump1", "Pump2", "", "Pump4"});
    QCOMPARE(PumpNames::names(settings, kSlave, QStringLiteral("Slave1")),
             QStringList({"Slave1 Pump1", "Slave1 Pump2", "Slave1", "Slave1 Pump4"}));
    // Without a display name the master's are taken as they stand.
    QCOMPARE(PumpNames::names(settings, kSlave), QStringList({"Pump1", "Pump2", "", "Pump4"}));
    // The master's names show through until the slave has its own.
    PumpNames::setNames(settings, 1, {"A", "B", "C", "D"});
    QCOMPARE(PumpNames::names(settings, kSlave, QStringLiteral("Slave1")).at(0),
             QStringLiteral("Slave1 A"));
}

void TestPumpNames::derivedNamesAreCutToWhatTheDialogTakes()
{
    QCOMPARE(PumpNames::derivedName(QStringLiteral("Slave1"), QStringLiteral("Magnesium chlori")),
             QStringLiteral("Slave1 Magnesium"));
    QCOMPARE(PumpNames::derivedName(QStringLiteral("Slave1"), QStringLiteral("Ca")),
             QStringLiteral("Slave1 Ca"));
    QVERIFY(PumpNames::derivedName(QStringLiteral("Slave1"), QStringLiteral("Magnesium chlori"))
                .size() <= PumpNames::kMaxNameLength);
}

void TestPumpNames::readingASlaveWritesNothing()
{
    QSettings &settings = AppSettings::store();
    const QStringList before = settings.allKeys();
    PumpNames::names(settings, kSlave, QStringLiteral("Slave1"));
    PumpNames::reagentIndices(settings, kSlave);
    QCOMPARE(settings.allKeys(), before);
}

void TestPumpNames::reagentChoicesArePerPump()
{
    QSettings &settings = AppSettings::store();
    PumpNames::setReagentIndices(settings, kSlave, {4, 3, 2, 1});
    QCOMPARE(PumpNames::reagentIndices(settings, kSlave), QVector<int>({4, 3, 2, 1}));
    QCOMPARE(PumpNames::reagentIndices(settings, 1), QVector<int>({0, 1, 2, 3}));
    QCOMPARE(stored("group_pumps_3", "pumps_reagent_index"), QStringList({"4", "3", "2", "1"}));

    PumpNames::setReagentIndices(settings, 1, {5, 5, 5, 5});
    QCOMPARE(stored("group_pumps", "pumps_reagent_index"), QStringList({"5", "5", "5", "5"}));
    QCOMPARE(PumpNames::reagentIndices(settings, kSlave), QVector<int>({4, 3, 2, 1}));
}

void TestPumpNames::slaveWithoutReagentChoicesTakesTheMasters()
{
    QSettings &settings = AppSettings::store();
    PumpNames::setReagentIndices(settings, 1, {2, 2, 0, 5});
    QCOMPARE(PumpNames::reagentIndices(settings, kSlave), QVector<int>({2, 2, 0, 5}));
    // Names of its own do not make the choices its own.
    PumpNames::setNames(settings, kSlave, {"a", "b", "c", "d"});
    QCOMPARE(PumpNames::reagentIndices(settings, kSlave), QVector<int>({2, 2, 0, 5}));
}

void TestPumpNames::namesAndReagentChoicesOfOnePumpLeaveEachOtherAlone()
{
    QSettings &settings = AppSettings::store();
    PumpNames::setReagentIndices(settings, kSlave, {1, 1, 1, 1});
    // Choices of its own do not make the names its own.
    QCOMPARE(PumpNames::names(settings, kSlave, QStringLiteral("Slave1")).at(0),
             QStringLiteral("Slave1 Ca"));
    PumpNames::setNames(settings, kSlave, {"a", "b", "c", "d"});
    QCOMPARE(PumpNames::reagentIndices(settings, kSlave), QVector<int>({1, 1, 1, 1}));
    PumpNames::setReagentIndices(settings, kSlave, {2, 2, 2, 2});
    QCOMPARE(PumpNames::names(settings, kSlave, QStringLiteral("Slave1")),
             QStringList({"a", "b", "c", "d"}));
}

QTEST_GUILESS_MAIN(TestPumpNames)
#include "tst_pumpnames.moc"
