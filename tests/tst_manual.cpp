#include "ManuControl.h"
#include "ManualControl.h"
#include "ManualControlUnit.h"
#include "PageFixture.h"
#include "SimMotors.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

#include "ClientFixture.h"
#include "TestSupport.h"

using TestSupport::child;

// Manual runs and gear changes against the simulator's motors.
class TestManual : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void calibratedRunEndsOnThePageWithinMsOfTheMotor();
    void stopDuringARunStopsTheMotorAndWritesVolumeZero();
    void runOfVolumeZeroShowsStopAndStartsNoTimer();
    void uncalibratedRunStaysOnStopUntilStopped();
    void gearChangeWritesOnlyThatPumpsGear();
    void failedGearChangePutsTheSelectorBackWithNoSecondWrite();
    void failedStartPutsTheCoilBackAndKeepsTheButton();
    void slaveTabSendsOnlyToItsAddress();
    void buttonsDuringARunningBatchDoNothing();
    void tabsFollowTheDevicesAndTheirOnlineState();

private:
    ManualControlUnit *unit(int tab, int pump) { return m_page->tab(tab)->unit(pump); }
    QPushButton *startButton(int tab, int pump)
    {
        return child<QPushButton>(unit(tab, pump), "btnStart");
    }
    SimMotors *motors(int address) { return m_fixture.sim().pump(address)->behaviour<SimMotors>(); }
    // Stops any motor a test left running, through the simulator's tables.
    void stopAll(int address);

    PageFixture m_fixture;
    RegisterImage m_master;
    RegisterImage m_slave;
    ManualControl *m_page = nullptr;
};

void TestManual::initTestCase()
{
    QVERIFY(m_fixture.start());
    m_fixture.sim().addSlave(3);
    // Gear 1 of pump 0: 2000 ms per 10 ml.
    m_fixture.sim().setHoldingRegister(1, 80, 1);
    m_fixture.sim().setHoldingRegister(1, 115, 2000);
    m_fixture.loadImage(1, m_master);
    m_fixture.loadImage(3, m_slave);
    m_page = new ManualControl;
    m_page->resize(730, 520);
    m_page->addDevice(QStringLiteral("Master"), 1, &m_master);
    m_page->addDevice(QStringLiteral("Slave1"), 3, &m_slave);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    QVERIFY(m_page->tab(0) && m_page->tab(1));
    for (int pump = 0; pump < 4; ++pump)
        QVERIFY(startButton(0, pump) && startButton(1, pump));
}

void TestManual::cleanupTestCase()
{
    delete m_page;
}

void TestManual::init()
{
    m_fixture.reset();
}

void TestManual::stopAll(int address)
{
    // Coil writes through the queue, as the pump sees a stop.
    QStringList commands;
    for (int pump = 0; pump < 4; ++pump) {
        RegisterImage::shared()->coils[11 + pump] = 0;
        commands << QStringLiteral("%1 5 %2").arg(address).arg(11 + pump);
    }
    RecordingCallback callback;
    QVERIFY(m_fixture.link.runBatch(commands, &callback));
    QTRY_COMPARE(callback.outcomes.size(), 1);
}

void TestManual::calibratedRunEndsOnThePageWithinMsOfTheMotor()
{
    QPushButton *start = startButton(0, 0);
    auto *volume = child<QDoubleSpinBox>(unit(0, 0), "dsVolume");
    auto *speed = child<QComboBox>(unit(0, 0), "combSpeed");
    QVERIFY(volume && speed);
    QCOMPARE(speed->currentIndex(), 1);
    volume->setValue(25);
    const int liquidBefore = m_fixture.sim().holdingRegister(1, 70);

    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Stop"));
    QCOMPARE(m_fixture.seen(),
             QStringList({"1 6 58 25", QStringLiteral("1 5 11 %1").arg(kCoilOnValue)}));
    QVERIFY(motors(1)->isRunning(0));
    QVERIFY(unit(0, 0)->isRunTimerActive());
    // Gear 1, 2000 ms per 10 ml, 25 ml.
    QCOMPARE(unit(0, 0)->runTimerInterval(), 5000);
    ClientFixture::screenshot(m_page, QStringLiteral("manual-running"));

    // Watch both sides on the simulator's clock, every 2 ms.
    qint64 pageStoppedAt = -1;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    connect(&watch, &QTimer::timeout, this, [&] {
        if (pageStoppedAt < 0 && start->text() == QLatin1String("Start"))
            pageStoppedAt = SimMotors::nowMs();
    });
    watch.start(2);
    QTRY_VERIFY_WITH_TIMEOUT(pageStoppedAt >= 0 && !motors(1)->isRunning(0), 8000);
    watch.stop();
    const qint64 motorStoppedAt = motors(1)->stoppedAtMs(0);
    QVERIFY2(qAbs(pageStoppedAt - motorStoppedAt) <= 300,
             qPrintable(
                 QStringLiteral("page %1 ms, motor %2 ms").arg(pageStoppedAt).arg(motorStoppedAt)));
    QCOMPARE(motors(1)->deliveredMl(0), 25.0);
    // Nothing is sent when the run ends: the pump stops by itself.
    QCOMPARE(m_fixture.sim().requestCount(), 2);
    QCOMPARE(int(m_master.coils[11]), 0);
    // The next request brings the pump's tables up to date.
    QCOMPARE(m_fixture.sim().pump(1)->tables().value(PumpTables::Table::Coils, 11), 1);
    m_fixture.sim().pump(1)->refresh();
    QCOMPARE(m_fixture.sim().coil(1, 11), 0);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 70), liquidBefore - 250);
}

void TestManual::stopDuringARunStopsTheMotorAndWritesVolumeZero()
{
    QPushButton *start = startButton(0, 1);
    child<QDoubleSpinBox>(unit(0, 1), "dsVolume")->setValue(500);
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Stop"));
    QVERIFY(motors(1)->isRunning(1));
    m_fixture.sim().clearRequests();

    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Start"));
    QCOMPARE(m_fixture.seen(), QStringList({"1 6 59 0", "1 5 12 0"}));
    QVERIFY(!motors(1)->isRunning(1));
    QCOMPARE(m_fixture.sim().holdingRegister(1, 59), 0);
    QCOMPARE(m_fixture.sim().coil(1, 12), 0);
    QVERIFY(!unit(0, 1)->isRunTimerActive());
    QVERIFY(motors(1)->deliveredMl(1) < 500);
}

void TestManual::runOfVolumeZeroShowsStopAndStartsNoTimer()
{
    QPushButton *start = startButton(0, 2);
    child<QDoubleSpinBox>(unit(0, 2), "dsVolume")->setValue(0);
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Stop"));
    QVERIFY(!unit(0, 2)->isRunTimerActive());
    QVERIFY(motors(1)->isRunning(2));
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(!motors(1)->isRunning(2));
}

void TestManual::uncalibratedRunStaysOnStopUntilStopped()
{
    // Pump 3 at gear 0 has no calibration.
    m_master.holdingRegisters[80 + 3] = 0;
    m_master.holdingRegisters[114 + 9] = 0;
    m_fixture.sim().setHoldingRegister(1, 83, 0);
    m_fixture.sim().setHoldingRegister(1, 123, 0);
    unit(0, 3)->setSpeed(0);
    QPushButton *start = startButton(0, 3);
    child<QDoubleSpinBox>(unit(0, 3), "dsVolume")->setValue(25);
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Stop"));
    QVERIFY(!unit(0, 3)->isRunTimerActive());
    // Long past any timer of 0 ms: the button still shows the pump running.
    QTest::qWait(300);
    QCOMPARE(start->text(), QStringLiteral("Stop"));
    QVERIFY(motors(1)->isRunning(3));
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(!motors(1)->isRunning(3));
}

void TestManual::gearChangeWritesOnlyThatPumpsGear()
{
    auto *speed = child<QComboBox>(unit(0, 2), "combSpeed");
    const int before80 = m_fixture.sim().holdingRegister(1, 80);
    speed->setCurrentIndex(2);
    QTRY_COMPARE(m_fixture.sim().requestCount(), 1);
    QTRY_VERIFY(m_fixture.link.queue().isIdle());
    QCOMPARE(m_fixture.seen(), QStringList({"1 6 82 2"}));
    QCOMPARE(m_fixture.sim().holdingRegister(1, 82), 2);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 80), before80);
    QCOMPARE(m_master.holdingRegisters[82], 2);
    QVERIFY(m_fixture.prompts.isEmpty());
}

void TestManual::failedGearChangePutsTheSelectorBackWithNoSecondWrite()
{
    auto *speed = child<QComboBox>(unit(0, 1), "combSpeed");
    const int previous = speed->currentIndex();
    const int wanted = (previous + 1) % 3;
    for (int request = 1; request <= 4; ++request)
        m_fixture.sim().scriptException(request, 4);
    speed->setCurrentIndex(wanted);
    QTRY_COMPARE(speed->currentIndex(), previous);
    QTRY_VERIFY(m_fixture.link.queue().isIdle());
    // Let a write the reset might have queued reach the simulator.
    QTest::qWait(200);
    const QString write = QStringLiteral("1 6 81 %1").arg(wanted);
    QCOMPARE(m_fixture.seen(), QStringList({write, write, write, write}));
    QCOMPARE(m_master.holdingRegisters[81], previous);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 81), previous);
    QVERIFY(m_fixture.prompts.isEmpty());
}

void TestManual::failedStartPutsTheCoilBackAndKeepsTheButton()
{
    QPushButton *start = startButton(0, 0);
    QCOMPARE(start->text(), QStringLiteral("Start"));
    for (int request = 1; request <= 4; ++request)
        m_fixture.sim().scriptException(request, 4);
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(m_fixture.sim().requestCount(), 4);
    QTRY_VERIFY(m_fixture.link.queue().isIdle());
    QCOMPARE(int(m_master.coils[11]), 0);
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(!motors(1)->isRunning(0));
    QVERIFY(m_fixture.prompts.isEmpty());
}

void TestManual::slaveTabSendsOnlyToItsAddress()
{
    m_page->findChild<QTabWidget *>(QStringLiteral("tabWidgetManuControl"))->setCurrentIndex(1);
    QPushButton *start = startButton(1, 1);
    child<QDoubleSpinBox>(unit(1, 1), "dsVolume")->setValue(10);
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Stop"));
    ClientFixture::screenshot(m_page, QStringLiteral("manual-slave"));
    QCOMPARE(m_fixture.seen(),
             QStringList({"3 6 59 10", QStringLiteral("3 5 12 %1").arg(kCoilOnValue)}));
    QVERIFY(motors(3)->isRunning(1));
    QVERIFY(!motors(1)->isRunning(1));
    QCOMPARE(int(m_slave.coils[12]), 1);
    QCOMPARE(int(m_master.coils[12]), 0);
    stopAll(3);
    m_page->findChild<QTabWidget *>(QStringLiteral("tabWidgetManuControl"))->setCurrentIndex(0);
}

void TestManual::buttonsDuringARunningBatchDoNothing()
{
    // Another page's batch, its reply held back for a while.
    m_fixture.sim().scriptReplyDelay(1, 600);
    RecordingCallback other;
    QVERIFY(m_fixture.link.runBatch({"1 3 0 22"}, &other));
    auto *speed = child<QComboBox>(unit(0, 0), "combSpeed");
    const int gear = speed->currentIndex();
    QTest::mouseClick(startButton(0, 0), Qt::LeftButton);
    speed->setCurrentIndex((gear + 1) % 3);
    QTRY_COMPARE(other.outcomes, QVector<int>({0}));
    QTRY_VERIFY(m_fixture.link.queue().isIdle());
    // Anything the presses had queued would follow within a pause.
    QTest::qWait(200);
    QCOMPARE(m_fixture.seen(), QStringList({"1 3 0 22"}));
    QCOMPARE(startButton(0, 0)->text(), QStringLiteral("Start"));
    QCOMPARE(speed->currentIndex(), gear);
    QCOMPARE(int(m_master.coils[11]), 0);
    QVERIFY(!motors(1)->isRunning(0));
}

void TestManual::tabsFollowTheDevicesAndTheirOnlineState()
{
    auto *tabs = m_page->findChild<QTabWidget *>(QStringLiteral("tabWidgetManuControl"));
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(1), QStringLiteral("Slave1"));
    QCOMPARE(m_page->tab(1)->address(), 3);
    m_page->setDeviceOnline(1, false);
    QVERIFY(!m_page->isDeviceOnline(1));
    m_page->setDeviceOnline(5, false);
    QCOMPARE(m_page->deviceCount(), 2);
    m_page->setDeviceOnline(1, true);
    QVERIFY(m_page->isDeviceOnline(1));
    // The pump names of the settings title the units.
    QCOMPARE(child<QGroupBox>(unit(0, 0), "gBoxPump")->title().isEmpty(), false);
    ClientFixture::screenshot(m_page, QStringLiteral("manual-idle"));
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
