#include "AppSettings.h"
#include "CommSend.h"
#include "DeviceHost.h"
#include "LinkFixture.h"
#include "RegisterImage.h"
#include "TestSupport.h"
#include "UiOperate.h"

#include <QtTest>

namespace {

// Stands in for the main window and remembers what it was handed.
class RecordingHost : public DeviceHost
{
public:
    struct Device
    {
        QString name;
        int address;
        RegisterImage *image;
        RegisterImage copy; // the image as it was handed over
    };

    void setLaunchMode(int mode) override { modes.append(mode); }
    void addDevice(const QString &name, int address, RegisterImage *image) override
    {
        devices.append({name, address, image, *image});
    }
    void setDeviceOnline(int index, bool online) override { offline.append({index, online}); }
    void showFixedSize(int width, int height) override { shownAt = QSize(width, height); }
    void setRetryHandler(RetryHandler handler) override { retry = std::move(handler); }

    QVector<int> modes;
    QVector<Device> devices;
    QVector<QPair<int, bool>> offline;
    QSize shownAt;
    RetryHandler retry;
};

} // namespace

// The read-out after login: which pumps are read, in what order, where their
// data lands, and what a silent pump leads to.
class TestOrchestrator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void fullReadIsTwentyThreeRequestsInTableOrder();
    void masterOnlyIsOneBatchOf23Requests();
    void slavesInUseAreReadInIndexOrder();
    void firmwareVersionsAreStored();
    void silentSlaveGetsAnOfflineTab();
    void silentMasterEndsWithMinusOne();
    void readOutProgressCountsEveryRequestOfEveryPumpNamingEachInTurn();
    void retryReadsTheSilentPumpAloneAndHandsItsValuesOver();
    void retryIsRefusedWhileAnotherBatchRuns();
    void upgradeModeShowsTheWindowWithoutReading();
    void firstRunDefaultsAreWrittenOnce();
    void batchOutcomeLineIsPrintedWithoutQuotes();

private:
    // Runs a launch to its end; the host is owned by the orchestrator.
    int launch(UiOperate &orchestrator, int mode);

    LinkFixture m_fixture;
    RecordingHost *m_host = nullptr;
};

void TestOrchestrator::initTestCase()
{
    QVERIFY(m_fixture.start());
    // The orchestrator routes every outcome itself, as in the product.
    m_fixture.stopRouting();
}

void TestOrchestrator::init()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_fixture.queue().isIdle(), 15000);
    m_fixture.sim().setFaults(SimFaults());
    m_fixture.sim().clearRequests();
    QSettings &settings = AppSettings::store();
    AppSettings::writeClientDefaults(settings);
}

int TestOrchestrator::launch(UiOperate &orchestrator, int mode)
{
    QSignalSpy state(&orchestrator, &UiOperate::launchStateChanged);
    orchestrator.startLaunch(mode);
    if (orchestrator.launchState() == 0)
        state.wait(30000);
    return orchestrator.launchState();
}

void TestOrchestrator::fullReadIsTwentyThreeRequestsInTableOrder()
{
    // Coils, discrete inputs, holding and input registers, at most 22 items
    // a request, each table up to the count the full read fills.
    const QStringList expected = {
        "2 1 0 22",   "2 1 22 22",  "2 1 44 3",   "2 2 0 5",    "2 3 0 22",   "2 3 22 22",
        "2 3 44 22",  "2 3 66 22",  "2 3 88 22",  "2 3 110 22", "2 3 132 22", "2 3 154 22",
        "2 3 176 22", "2 3 198 22", "2 3 220 22", "2 3 242 22", "2 3 264 22", "2 3 286 22",
        "2 3 308 22", "2 3 330 22", "2 3 352 15", "2 4 0 22",   "2 4 22 9",
    };
    QCOMPARE(UiOperate::fullReadCommands(2), expected);
}

void TestOrchestrator::masterOnlyIsOneBatchOf23Requests()
{
    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    QCOMPARE(launch(orchestrator, 0), 1);
    QCOMPARE(m_fixture.sim().requestCount(), 23);
    QStringList seen;
    for (const PumpSimulator::Request &r : m_fixture.sim().requests())
        seen
            << QStringLiteral("%1 %2 %3 %4").arg(r.slave).arg(r.function).arg(r.index).arg(r.count);
    QCOMPARE(seen, UiOperate::fullReadCommands(1));
    QCOMPARE(m_host->devices.size(), 1);
    QCOMPARE(m_host->devices[0].name, QStringLiteral("Master"));
    QCOMPARE(m_host->devices[0].address, 1);
    QCOMPARE(m_host->devices[0].image, RegisterImage::working());
    QCOMPARE(m_host->modes, QVector<int>({0}));
    QCOMPARE(m_host->shownAt, QSize(900, 600));
    // The password registers came from the pump, into the master's image.
    QCOMPARE(RegisterImage::working()->holdingRegisters[161], 6);
}

void TestOrchestrator::slavesInUseAreReadInIndexOrder()
{
    m_fixture.sim().addSlave(2);
    m_fixture.sim().addSlave(3);
    m_fixture.sim().addSlave(4);
    m_fixture.sim().setHoldingRegister(1, 100, 1111);
    m_fixture.sim().setHoldingRegister(2, 100, 2222);
    m_fixture.sim().setHoldingRegister(3, 100, 3333);
    m_fixture.sim().setHoldingRegister(4, 100, 4444);
    LinkFixture::useSlaves({{2, 1}, {3, 0}, {4, 1}});

    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    QCOMPARE(launch(orchestrator, 0), 1);

    QVector<int> order;
    for (const PumpSimulator::Request &r : m_fixture.sim().requests()) {
        if (order.isEmpty() || order.last() != r.slave)
            order.append(r.slave);
    }
    QCOMPARE(order, QVector<int>({1, 2, 4}));
    QCOMPARE(m_fixture.sim().requestCount(), 3 * 23);

    QCOMPARE(m_host->devices.size(), 3);
    QCOMPARE(m_host->devices[1].name, QStringLiteral("Slave1"));
    QCOMPARE(m_host->devices[1].address, 2);
    QCOMPARE(m_host->devices[2].name, QStringLiteral("Slave3"));
    QCOMPARE(m_host->devices[2].address, 4);
    // Each pump's data is in its own image, and stays there.
    QCOMPARE(m_host->devices[0].image->holdingRegisters[100], 1111);
    QCOMPARE(m_host->devices[1].image->holdingRegisters[100], 2222);
    QCOMPARE(m_host->devices[2].image->holdingRegisters[100], 4444);
    QCOMPARE(m_host->devices[2].copy.holdingRegisters[100], 4444);
    QCOMPARE(orchestrator.deviceImages().size(), 3);
    QVERIFY(m_host->offline.isEmpty());
    LinkFixture::useSlaves({{1, 0}, {2, 0}, {3, 0}});
}

void TestOrchestrator::firmwareVersionsAreStored()
{
    m_fixture.sim().setInputRegister(1, 29, 0x1203);
    m_fixture.sim().setInputRegister(1, 30, 5);
    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    QCOMPARE(launch(orchestrator, 0), 1);
    QSettings &settings = AppSettings::store();
    QCOMPARE(settings.value("firmware_app_version").toString(),
             QStringLiteral("Firmvare App Version 1.2.3"));
    QCOMPARE(settings.value("firmware_version").toString(),
             QStringLiteral("Firmvare Version 200005"));
}

void TestOrchestrator::silentSlaveGetsAnOfflineTab()
{
    m_fixture.sim().addSlave(3);
    LinkFixture::useSlaves({{2, 0}, {3, 1}, {4, 0}});
    SimFaults faults;
    faults.silentSlaves = {3};
    m_fixture.sim().setFaults(faults);

    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    QCOMPARE(launch(orchestrator, 0), 1);
    QCOMPARE(m_host->devices.size(), 2);
    QCOMPARE(m_host->devices[1].name, QStringLiteral("Slave2"));
    QCOMPARE(m_host->devices[1].address, 3);
    // The pages count tabs, not the slaves of the settings: Slave2 is the second tab.
    QCOMPARE(m_host->offline, (QVector<QPair<int, bool>> {{1, false}}));
    // Nothing of the master, whose replies the register image still holds.
    QCOMPARE(RegisterImage::shared()->holdingRegisters[161], 6);
    QCOMPARE(m_host->devices[1].copy.holdingRegisters[161], 0);
    // Four tries of the first command, then the read-out went on.
    int toSlave = 0;
    for (const PumpSimulator::Request &r : m_fixture.sim().requests())
        toSlave += r.slave == 3;
    QCOMPARE(toSlave, 4);
    LinkFixture::useSlaves({{1, 0}, {2, 0}, {3, 0}});
}

void TestOrchestrator::silentMasterEndsWithMinusOne()
{
    SimFaults faults;
    faults.silentSlaves = {1};
    m_fixture.sim().setFaults(faults);
    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    m_host = nullptr;
    QCOMPARE(launch(orchestrator, 0), -1);
    QVERIFY(!orchestrator.mainWindow());
    QCOMPARE(m_fixture.sim().requestCount(), 4);
}

void TestOrchestrator::readOutProgressCountsEveryRequestOfEveryPumpNamingEachInTurn()
{
    for (int address = 2; address <= 4; ++address)
        m_fixture.sim().addSlave(address);
    LinkFixture::useSlaves({{2, 1}, {3, 1}, {4, 1}});
    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    QVector<int> done;
    QStringList pumps;
    bool wrongTotal = false;
    connect(&orchestrator, &UiOperate::readOutProgress, this,
            [&](const QString &pump, int requests, int total) {
                wrongTotal = wrongTotal || total != 4 * 23;
                done.append(requests);
                if (pumps.isEmpty() || pumps.last() != pump)
                    pumps.append(pump);
            });
    QCOMPARE(launch(orchestrator, 0), 1);
    QVERIFY(!wrongTotal);
    QCOMPARE(pumps, QStringList({"Master", "Slave1", "Slave2", "Slave3"}));
    // Every request once, in order; each batch starts where the last ended.
    QVector<int> counted;
    for (int requests : done) {
        if (counted.isEmpty() || counted.last() != requests)
            counted.append(requests);
    }
    QVector<int> expected;
    for (int requests = 0; requests <= 92; ++requests)
        expected.append(requests);
    QCOMPARE(counted, expected);
    QCOMPARE(done.last(), 92);
    LinkFixture::useSlaves({{1, 0}, {2, 0}, {3, 0}});
}

void TestOrchestrator::retryReadsTheSilentPumpAloneAndHandsItsValuesOver()
{
    m_fixture.sim().addSlave(3);
    m_fixture.sim().setHoldingRegister(3, 100, 3131);
    LinkFixture::useSlaves({{2, 0}, {3, 1}, {4, 0}});
    SimFaults faults;
    faults.silentSlaves = {3};
    m_fixture.sim().setFaults(faults);
    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    QCOMPARE(launch(orchestrator, 0), 1);
    QCOMPARE(m_host->offline, (QVector<QPair<int, bool>> {{1, false}}));
    QVERIFY(m_host->retry);
    RegisterImage *image = orchestrator.deviceImages().at(1);
    QCOMPARE(image->holdingRegisters[100], 0);

    // Still silent: the tab stays offline and its image empty.
    m_fixture.sim().clearRequests();
    QSignalSpy outcome(&m_fixture.queue(), &CommSend::returnStatus);
    QVERIFY(m_host->retry(1));
    QVERIFY(outcome.wait(15000));
    QCOMPARE(m_host->offline.last(), qMakePair(1, false));
    QCOMPARE(image->holdingRegisters[100], 0);
    QCOMPARE(m_fixture.sim().requestCount(), CommSend::kMaxAttempts);

    // Answering now: the same 23 reads as after login, to this pump only.
    m_fixture.sim().setFaults(SimFaults());
    QTRY_VERIFY(m_fixture.queue().isIdle());
    m_fixture.sim().clearRequests();
    QVERIFY(m_host->retry(1));
    QVERIFY(outcome.wait(15000));
    QCOMPARE(m_host->offline.last(), qMakePair(1, true));
    QCOMPARE(m_fixture.sim().requests().size(), 23);
    QStringList seen;
    for (const PumpSimulator::Request &r : m_fixture.sim().requests())
        seen
            << QStringLiteral("%1 %2 %3 %4").arg(r.slave).arg(r.function).arg(r.index).arg(r.count);
    QCOMPARE(seen, UiOperate::fullReadCommands(3));
    QCOMPARE(image->holdingRegisters[100], 3131);
    // The master's image is not touched by the slave's reply.
    QVERIFY(orchestrator.deviceImages().at(0)->holdingRegisters[100] != 3131);
    LinkFixture::useSlaves({{1, 0}, {2, 0}, {3, 0}});
}

void TestOrchestrator::retryIsRefusedWhileAnotherBatchRuns()
{
    m_fixture.sim().addSlave(3);
    LinkFixture::useSlaves({{2, 0}, {3, 1}, {4, 0}});
    SimFaults faults;
    faults.silentSlaves = {3};
    m_fixture.sim().setFaults(faults);
    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    QCOMPARE(launch(orchestrator, 0), 1);
    m_fixture.sim().setFaults(SimFaults());
    QTRY_VERIFY(m_fixture.queue().isIdle());
    m_fixture.sim().clearRequests();

    // A page's batch of its own runs: the retry must not slip in between.
    RecordingCallback page;
    QVERIFY(m_fixture.runBatch({"1 3 0 22", "1 3 22 22", "1 3 44 22"}, &page));
    QVERIFY(!m_host->retry(1));
    QTRY_COMPARE(page.outcomes, QVector<int>({0}));
    QCOMPARE(m_fixture.sim().requestCount(), 3);
    QCOMPARE(m_host->offline.size(), 1);

    // And while a retry runs, a second one is not queued behind it.
    QSignalSpy outcome(&m_fixture.queue(), &CommSend::returnStatus);
    QVERIFY(m_host->retry(1));
    QVERIFY(!m_host->retry(1));
    QVERIFY(outcome.wait(15000));
    // A second batch would come right after the first: wait past its first reply.
    QTest::qWait(300);
    QCOMPARE(m_fixture.sim().requestCount(), 3 + 23);
    QCOMPARE(m_host->offline.last(), qMakePair(1, true));
    LinkFixture::useSlaves({{1, 0}, {2, 0}, {3, 0}});
}

void TestOrchestrator::upgradeModeShowsTheWindowWithoutReading()
{
    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    QCOMPARE(launch(orchestrator, 1), 1);
    QCOMPARE(m_host->modes, QVector<int>({1}));
    QCOMPARE(m_host->shownAt, QSize(900, 600));
    QVERIFY(m_host->devices.isEmpty());
    // Nothing may be read: wait as long as a first reply would take.
    QTest::qWait(200);
    QCOMPARE(m_fixture.sim().requestCount(), 0);
}

void TestOrchestrator::firstRunDefaultsAreWrittenOnce()
{
    QSettings &settings = AppSettings::store();
    AppSettings::factoryReset(settings);
    {
        UiOperate orchestrator([this] { return m_host = new RecordingHost; });
        QVERIFY(!AppSettings::isFirstRun(settings));
        QCOMPARE(settings.beginReadArray("group_pumps"), 4);
        settings.endArray();
    }
    settings.beginWriteArray("group_pumps");
    settings.setArrayIndex(0);
    settings.setValue("pumps_name", "Calcium");
    settings.endArray();
    UiOperate again([this] { return m_host = new RecordingHost; });
    settings.beginReadArray("group_pumps");
    settings.setArrayIndex(0);
    QCOMPARE(settings.value("pumps_name").toString(), QStringLiteral("Calcium"));
    settings.endArray();
}

void TestOrchestrator::batchOutcomeLineIsPrintedWithoutQuotes()
{
    UiOperate orchestrator([this] { return m_host = new RecordingHost; });
    // The exact texts: a quoted "retValue:0" would not match.
    QTest::ignoreMessage(QtDebugMsg, "retValue:0");
    RecordingCallback success;
    QVERIFY(m_fixture.runBatch({"1 3 161 4"}, &success));
    QTRY_COMPARE(success.outcomes, QVector<int>({0}));

    // Every send of the next command is answered with an exception.
    const int sent = m_fixture.sim().requestCount();
    for (int attempt = 1; attempt <= CommSend::kMaxAttempts; ++attempt)
        m_fixture.sim().scriptException(sent + attempt, 4);
    QTest::ignoreMessage(QtDebugMsg, "retValue:3");
    RecordingCallback failure;
    QVERIFY(m_fixture.runBatch({"1 3 161 4"}, &failure));
    QTRY_COMPARE(failure.outcomes, QVector<int>({3}));
}

QTEST_GUILESS_MAIN(TestOrchestrator)
#include "tst_orchestrator.moc"
