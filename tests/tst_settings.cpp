#include "AppSettings.h"
#include "TestSupport.h"

#include <QHostAddress>
#include <QtTest>

using namespace AppSettings;

namespace {
// The bridge's factory address as a number, written independently of the
// code under test. It is only compared with what the store holds; nothing
// dials it.
constexpr quint32 kFactoryBridgeAddress = 0x0A0A64FE;

bool isFactoryBridgeAddress(const QVariant &value)
{
    return QHostAddress(value.toString()).toIPv4Address() == kFactoryBridgeAddress;
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestSupport::freshSettings(); }

    void markerDecidesFirstRun_data();
    void markerDecidesFirstRun();
    void networkDefaultsAreWriterA();
    void clientDefaultsWriteMarkerAndArrays();
    void clientDefaultsLeaveNetworkKeysAlone();
    void factoryResetKeepsOnlyNetworkKeys();
    void stateAfterFactoryResetIsAFirstRunWithoutPassword();
    void storeIsOneProcessWideObject();
    void bridgeHostIsAnIpv4AddressOrAHostName_data();
    void bridgeHostIsAnIpv4AddressOrAHostName();
    void bridgePortIsAWholeNumberFrom1To65535_data();
    void bridgePortIsAWholeNumberFrom1To65535();
};

void TestSettings::markerDecidesFirstRun_data()
{
    QTest::addColumn<QVariant>("marker");
    QTest::addColumn<bool>("firstRun");
    QTest::newRow("missing") << QVariant() << true;
    QTest::newRow("exact") << QVariant(QStringLiteral("TIDEWELL_D4")) << false;
    QTest::newRow("other case") << QVariant(QStringLiteral("tidewell_d4")) << true;
    QTest::newRow("empty") << QVariant(QString()) << true;
    QTest::newRow("trailing space") << QVariant(QStringLiteral("TIDEWELL_D4 ")) << true;
}

void TestSettings::markerDecidesFirstRun()
{
    QFETCH(QVariant, marker);
    QFETCH(bool, firstRun);
    QSettings &settings = store();
    if (marker.isValid())
        settings.setValue(QStringLiteral("TIDEWELL_D4"), marker);
    QCOMPARE(isFirstRun(settings), firstRun);
}

void TestSettings::networkDefaultsAreWriterA()
{
    QSettings &settings = store();
    writeNetworkDefaults(settings);
    QVERIFY(isFactoryBridgeAddress(settings.value("net_ip")));
    QCOMPARE(settings.value("net_port").toInt(), 8899);
    QCOMPARE(settings.value("save_password").toInt(), 1);
    QCOMPARE(settings.value("login_password").toString(), QStringLiteral("572913"));
    // Writer A does not mark the store: writer B still has to run.
    QVERIFY(isFirstRun(settings));
    QCOMPARE(settings.allKeys().size(), 4);
}

void TestSettings::clientDefaultsWriteMarkerAndArrays()
{
    QSettings &settings = store();
    writeClientDefaults(settings);
    QVERIFY(!isFirstRun(settings));
    QCOMPARE(settings.value("display_prompt").toInt(), 1);
    QCOMPARE(settings.value("aquarium_volume").toDouble(), 100.0);
    QCOMPARE(settings.value("chemical_interval").toInt(), 4);
    QCOMPARE(settings.value("chemical_pump4_select").toInt(), 0);
    QCOMPARE(settings.value("chemical_pump5_select").toInt(), 0);

    const QStringList names = {"Ca", "Mg", "Kh", "Other"};
    QCOMPARE(settings.beginReadArray("group_pumps"), 4);
    for (int i = 0; i < 4; ++i) {
        settings.setArrayIndex(i);
        QCOMPARE(settings.value("pumps_name").toString(), names.at(i));
        QCOMPARE(settings.value("pumps_reagent_index").toInt(), i);
    }
    settings.endArray();

    const QStringList reagents = {"Ca", "Mg", "Kh", "Sr", QStringLiteral("阴阳水"), "Other"};
    const double max[] = {40.0, 40.0, 100.0, 20.0, 20.0};
    const double offer[] = {0.7, 0.5, 4.4, 0.5, 0.5};
    QCOMPARE(settings.beginReadArray("group_reagent"), 6);
    for (int i = 0; i < 6; ++i) {
        settings.setArrayIndex(i);
        QCOMPARE(settings.value("reagent_name").toString(), reagents.at(i));
        QVERIFY(settings.value("reagent_max").toDouble() > 0);
        QVERIFY(settings.value("reagent_offer").toDouble() > 0);
        if (i < 5) {
            QCOMPARE(settings.value("reagent_max").toDouble(), max[i]);
            QCOMPARE(settings.value("reagent_offer").toDouble(), offer[i]);
        }
        QVERIFY(!settings.contains("reagent_consume"));
    }
    settings.endArray();

    QCOMPARE(settings.beginReadArray("group_slaves"), 3);
    for (int i = 0; i < 3; ++i) {
        settings.setArrayIndex(i);
        QCOMPARE(settings.value("slave_address").toInt(), i + 1);
        QCOMPARE(settings.value("slave_on_off").toInt(), 0);
    }
    settings.endArray();
}

void TestSettings::clientDefaultsLeaveNetworkKeysAlone()
{
    QSettings &settings = store();
    settings.setValue("net_ip", "127.0.0.1");
    settings.setValue("login_password", "1234");
    writeClientDefaults(settings);
    QCOMPARE(settings.value("net_ip").toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(settings.value("login_password").toString(), QStringLiteral("1234"));
    QVERIFY(!settings.contains("net_port"));
}

void TestSettings::factoryResetKeepsOnlyNetworkKeys()
{
    QSettings &settings = store();
    writeNetworkDefaults(settings);
    writeClientDefaults(settings);
    settings.setValue("net_ip", "127.0.0.1");
    settings.setValue("language", 25);
    factoryReset(settings);
    QStringList keys = settings.allKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList {"net_ip", "net_port", "save_password"}));
    QVERIFY(isFactoryBridgeAddress(settings.value("net_ip")));
    QCOMPARE(settings.value("net_port").toInt(), 8899);
    QCOMPARE(settings.value("save_password").toInt(), 1);
}

void TestSettings::stateAfterFactoryResetIsAFirstRunWithoutPassword()
{
    QSettings &settings = store();
    factoryReset(settings);
    QVERIFY(isFirstRun(settings));
    writeClientDefaults(settings);
    QVERIFY(!isFirstRun(settings));
    QVERIFY(!settings.contains("login_password"));
    QCOMPARE(settings.beginReadArray("group_slaves"), 3);
    settings.endArray();
}

void TestSettings::storeIsOneProcessWideObject()
{
    QCOMPARE(&store(), &store());
    QCOMPARE(store().organizationName(), QStringLiteral("TIDEWELL_D4"));
    QCOMPARE(store().applicationName(), QStringLiteral("TIDEWELL_D4"));
    // The store must live in the test's own directory, never the user's.
    QVERIFY(store().fileName().startsWith(QStringLiteral("/tmp/tidewell-test-settings-")));
}

void TestSettings::bridgeHostIsAnIpv4AddressOrAHostName_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("valid");
    QTest::newRow("loopback") << "127.0.0.1" << true;
    QTest::newRow("loopback range") << "127.10.100.254" << true;
    QTest::newRow("all zeros") << "0.0.0.0" << true;
    QTest::newRow("host name") << "reef-bridge" << true;
    QTest::newRow("dotted host name") << "bridge.home.lan" << true;
    QTest::newRow("label starting with a digit") << "4pumps.lan" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("octet too big") << "127.0.0.256" << false;
    QTest::newRow("three octets") << "127.0.0" << false;
    QTest::newRow("five octets") << "127.0.0.1.1" << false;
    QTest::newRow("one number") << "2130706433" << false;
    QTest::newRow("trailing dot") << "127.0.0.1." << false;
    QTest::newRow("space inside") << "127.0. 0.1" << false;
    QTest::newRow("underscore") << "reef_bridge" << false;
    QTest::newRow("leading hyphen") << "-bridge" << false;
    QTest::newRow("empty label") << "bridge..lan" << false;
    QTest::newRow("label of 64") << QString(64, QLatin1Char('a')) << false;
    QTest::newRow("port in the address") << "127.0.0.1:8899" << false;
}

void TestSettings::bridgeHostIsAnIpv4AddressOrAHostName()
{
    QFETCH(QString, host);
    QFETCH(bool, valid);
    QCOMPARE(AppSettings::isValidBridgeHost(host), valid);
}

void TestSettings::bridgePortIsAWholeNumberFrom1To65535_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("port");
    QTest::newRow("default") << "8899" << 8899;
    QTest::newRow("lowest") << "1" << 1;
    QTest::newRow("highest") << "65535" << 65535;
    QTest::newRow("spaces around") << " 502 " << 502;
    QTest::newRow("zero") << "0" << -1;
    QTest::newRow("one past the highest") << "65536" << -1;
    QTest::newRow("digits then a letter") << "99999x" << -1;
    QTest::newRow("letters") << "abc" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("sign") << "+80" << -1;
    QTest::newRow("six digits") << "100000" << -1;
}

void TestSettings::bridgePortIsAWholeNumberFrom1To65535()
{
    QFETCH(QString, text);
    QFETCH(int, port);
    QCOMPARE(AppSettings::bridgePort(text).value_or(-1), port);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
