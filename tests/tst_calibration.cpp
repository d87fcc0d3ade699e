#include "ManuControl.h"
#include "ManualControl.h"
#include "ManualControlUnit.h"
#include "PageFixture.h"
#include "SimMotors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>

#include "ClientFixture.h"
#include "TestSupport.h"

// The calibration panel against the simulator's motors: timed runs that
// stop by themselves, also behind another page's batch, and the saves and
// reads of the calibration table.
class TestCalibration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void calibrationModeUncheckedDisablesStartReadAndSave();
    void saveBeforeAnyRunIsRefusedAndSendsNothing();
    void fiveSecondRunStopsTheMotorByItselfAndRaisesPrompt24();
    void saveOfVolumeZeroIsRefusedAndSendsNothing();
    void saveStoresTheEntryOfPumpAndGearThenCommits();
    void autoStopDuringALongBatchIsSentRightAfterIt();
    void stopByHandEndsTheRunAndVoidsItsMeasurement();
    void pumpChoiceIsLockedWhileARunGoesOn();
    void failedAutoStopRaisesPrompt2AndLeavesThePanelIdle();
    void readShowsTheFlowOfTheStoredEntry();
    void choosingAnUncalibratedPumpLeavesTheFlowLabel();
    void failedSaveKeepsThePreviousEntry();
    void manualUnitFollowsTheCalibrationRunAndItsAutomaticStop();
    void unitShowingStopSendsTheStopNeverAStart();

private:
    template<typename T> T *child(const char *name) { return TestSupport::child<T>(m_tab, name); }
    SimMotors *motors() { return m_fixture.sim().pump(1)->behaviour<SimMotors>(); }
    void choosePump(int pump) { child<QComboBox>("combCaliPump")->setCurrentIndex(pump); }
    // Starts a run of seconds on the chosen pump and waits for the pump's acknowledgement.
    void startRun(int seconds);
    QPushButton *unitButton(int pump)
    {
        return m_tab->unit(pump)->findChild<QPushButton *>("btnStart");
    }
    // What a switch to another page and back does to the tab.
    void showAgain()
    {
        m_page->hide();
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
    }
    QStringList panelTexts() const;

    PageFixture m_fixture;
    RegisterImage m_master;
    ManualControl *m_page = nullptr;
    ManuControl *m_tab = nullptr;
};

void TestCalibration::initTestCase()
{
    QVERIFY(m_fixture.start());
    m_fixture.loadImage(1, m_master);
    m_page = new ManualControl;
    m_page->addDevice(QStringLiteral("Master"), 1, &m_master);
    m_page->resize(730, 520);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    m_tab = m_page->tab(0);
    QVERIFY(m_tab);
    for (const char *name : {"btnStartCali", "btnCaliRead", "btnSaveCali"})
        QVERIFY(child<QPushButton>(name));
    QVERIFY(child<QCheckBox>("cBoxCaliMode"));
    QVERIFY(child<QComboBox>("combCaliPump"));
    QVERIFY(child<QDoubleSpinBox>("dsCaliTime"));
    QVERIFY(child<QDoubleSpinBox>("dsCaliGet"));
    QVERIFY(child<QLabel>("lbWorkTime"));
    QVERIFY(child<QLabel>("lbEverage"));
    QCOMPARE(child<QDoubleSpinBox>("dsCaliTime")->value(), 30.0);
    QCOMPARE(child<QLabel>("lbWorkTime")->text(), QStringLiteral("0 S"));
    QCOMPARE(child<QLabel>("lbEverage")->text(), QStringLiteral("0.00 ml/min"));
    QCOMPARE(child<QComboBox>("combCaliPump")->count(), 4);
}

void TestCalibration::cleanupTestCase()
{
    delete m_page;
}

void TestCalibration::init()
{
    m_fixture.reset();
    child<QCheckBox>("cBoxCaliMode")->setChecked(true);
}

void TestCalibration::startRun(int seconds)
{
    child<QDoubleSpinBox>("dsCaliTime")->setValue(seconds);
    QPushButton *start = child<QPushButton>("btnStartCali");
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Stop"));
    QVERIFY(m_tab->isCalibrating());
}

void TestCalibration::calibrationModeUncheckedDisablesStartReadAndSave()
{
    child<QCheckBox>("cBoxCaliMode")->setChecked(false);
    for (const char *name : {"btnStartCali", "btnCaliRead", "btnSaveCali"})
        QVERIFY2(!child<QPushButton>(name)->isEnabled(), name);
    child<QCheckBox>("cBoxCaliMode")->setChecked(true);
    for (const char *name : {"btnStartCali", "btnCaliRead", "btnSaveCali"})
        QVERIFY2(child<QPushButton>(name)->isEnabled(), name);
}

void TestCalibration::saveBeforeAnyRunIsRefusedAndSendsNothing()
{
    child<QDoubleSpinBox>("dsCaliGet")->setValue(12.5);
    QTest::mouseClick(child<QPushButton>("btnSaveCali"), Qt::LeftButton);
    QVERIFY(child<QLabel>("lbCaliHint")->isVisible());
    QVERIFY(!child<QLabel>("lbCaliHint")->text().isEmpty());
    ClientFixture::screenshot(m_page, QStringLiteral("calibration-refused"));
    // A write would have reached the simulator by now.
    QTest::qWait(200);
    QCOMPARE(m_fixture.sim().requestCount(), 0);
    QVERIFY(m_fixture.prompts.isEmpty());
}

void TestCalibration::fiveSecondRunStopsTheMotorByItselfAndRaisesPrompt24()
{
    choosePump(0);
    QStringList counted;
    QLabel *workTime = child<QLabel>("lbWorkTime");
    QMetaObject::Connection watch;
    startRun(5);
    QCOMPARE(m_fixture.seen(), QStringList({QStringLiteral("1 5 11 %1").arg(kCoilOnValue)}));
    QVERIFY(motors()->isRunning(0));
    QCOMPARE(m_master.coils[11], quint8(1));
    ClientFixture::screenshot(m_page, QStringLiteral("calibration-running"));
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (counted.isEmpty() || counted.last() != workTime->text())
            counted << workTime->text();
    });
    poll.start(20);
    QTRY_VERIFY_WITH_TIMEOUT(m_fixture.prompts.contains(24), 8000);
    poll.stop();
    // "5 S" shows only for the moment between the last tick and the stop, so
    // a loaded machine may not sample it; every earlier second must be seen.
    QCOMPARE(counted.mid(0, 5), QStringList({"0 S", "1 S", "2 S", "3 S", "4 S"}));
    QVERIFY(counted.size() == 5 || (counted.size() == 6 && counted.last() == "5 S"));
    QCOMPARE(m_fixture.seen(),
             QStringList({QStringLiteral("1 5 11 %1").arg(kCoilOnValue), "1 5 11 0"}));
    QVERIFY(!motors()->isRunning(0));
    // Counted from the acknowledgement: the motor ran the work time and a little more.
    const qint64 ran = motors()->stoppedAtMs(0) - motors()->startedAtMs(0);
    QVERIFY2(ran >= 5000 && ran < 5400, qPrintable(QString::number(ran)));
    QCOMPARE(child<QPushButton>("btnStartCali")->text(), QStringLiteral("Start"));
    QVERIFY(!m_tab->isCalibrating());
    QCOMPARE(m_tab->completedWorkTimeMs(), 5000);
    QCOMPARE(m_master.coils[11], quint8(0));
    QCOMPARE(m_fixture.prompts, QVector<int>({24}));
}

void TestCalibration::saveOfVolumeZeroIsRefusedAndSendsNothing()
{
    QCOMPARE(m_tab->completedWorkTimeMs(), 5000);
    child<QDoubleSpinBox>("dsCaliGet")->setValue(0);
    QTest::mouseClick(child<QPushButton>("btnSaveCali"), Qt::LeftButton);
    QVERIFY(child<QLabel>("lbCaliHint")->isVisible());
    // A write would have reached the simulator by now.
    QTest::qWait(200);
    QCOMPARE(m_fixture.sim().requestCount(), 0);
    QVERIFY(m_fixture.prompts.isEmpty());
}

void TestCalibration::saveStoresTheEntryOfPumpAndGearThenCommits()
{
    QCOMPARE(m_tab->completedWorkTimeMs(), 5000);
    const int gear = m_master.holdingRegisters[80];
    child<QDoubleSpinBox>("dsCaliGet")->setValue(1.00);
    QTest::mouseClick(child<QPushButton>("btnSaveCali"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    const int entry = 114 + gear;
    QCOMPARE(m_fixture.seen(),
             QStringList({QStringLiteral("1 6 %1 50000").arg(entry),
                          QStringLiteral("1 5 34 %1").arg(kCoilOnValue)}));
    QCOMPARE(m_fixture.sim().holdingRegister(1, entry), 50000);
    QCOMPARE(m_master.holdingRegisters[entry], 50000);
    QCOMPARE(child<QLabel>("lbEverage")->text(), QStringLiteral("12.00 ml/min"));
    QVERIFY(!child<QLabel>("lbCaliHint")->isVisible());
}

void TestCalibration::autoStopDuringALongBatchIsSentRightAfterIt()
{
    choosePump(1);
    startRun(5);
    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>("lbWorkTime")->text(), QStringLiteral("4 S"), 6000);
    // Another page's batch, started a second before the work time ends and
    // held up for two: it reads the run coils, so the reply puts the pump's
    // running coil into the register image.
    m_fixture.sim().scriptReplyDelay(2, 2000);
    RecordingCallback other;
    QVERIFY(m_fixture.link.runBatch({"1 1 0 22", "1 3 0 22"}, &other));
    QTRY_VERIFY_WITH_TIMEOUT(m_fixture.prompts.contains(24), 8000);
    QCOMPARE(other.outcomes, QVector<int>({0}));
    const QStringList expected = {QStringLiteral("1 5 12 %1").arg(kCoilOnValue), "1 1 0 22",
                                  "1 3 0 22", "1 5 12 0"};
    QCOMPARE(m_fixture.seen(), expected);
    QVERIFY(!motors()->isRunning(1));
    const PumpSimulator::Request stop = m_fixture.sim().requests().last();
    const PumpSimulator::Request last = m_fixture.sim().requests().at(2);
    // Right after the batch: one pause of the queue, not another batch's worth.
    QVERIFY2(stop.receivedMs - last.receivedMs < 300,
             qPrintable(QString::number(stop.receivedMs - last.receivedMs)));
    QVERIFY(motors()->stoppedAtMs(1) - motors()->startedAtMs(1) > 5000);
    QVERIFY(m_fixture.link.queue().callback() != &other || m_fixture.link.queue().isIdle());
    QCOMPARE(m_fixture.prompts, QVector<int>({24}));
    QCOMPARE(m_tab->completedWorkTimeMs(), 5000);
}

void TestCalibration::stopByHandEndsTheRunAndVoidsItsMeasurement()
{
    choosePump(2);
    startRun(30);
    QVERIFY(motors()->isRunning(2));
    QCOMPARE(m_tab->completedWorkTimeMs(), 0);
    QPushButton *start = child<QPushButton>("btnStartCali");
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_COMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(!motors()->isRunning(2));
    QVERIFY(!m_tab->isCalibrating());
    QVERIFY(child<QComboBox>("combCaliPump")->isEnabled());
    m_fixture.sim().clearRequests();
    child<QDoubleSpinBox>("dsCaliGet")->setValue(3.0);
    QTest::mouseClick(child<QPushButton>("btnSaveCali"), Qt::LeftButton);
    QVERIFY(child<QLabel>("lbCaliHint")->isVisible());
    // A write would have reached the simulator by now.
    QTest::qWait(200);
    QCOMPARE(m_fixture.sim().requestCount(), 0);
    QVERIFY(m_fixture.prompts.isEmpty());
}

void TestCalibration::pumpChoiceIsLockedWhileARunGoesOn()
{
    choosePump(3);
    startRun(30);
    QVERIFY(!child<QComboBox>("combCaliPump")->isEnabled());
    QVERIFY(!child<QCheckBox>("cBoxCaliMode")->isEnabled());
    QTest::mouseClick(child<QPushButton>("btnStartCali"), Qt::LeftButton);
    QTRY_VERIFY(!m_tab->isCalibrating());
    QVERIFY(child<QComboBox>("combCaliPump")->isEnabled());
    QVERIFY(child<QCheckBox>("cBoxCaliMode")->isEnabled());
    QCOMPARE(m_fixture.seen(),
             QStringList({QStringLiteral("1 5 14 %1").arg(kCoilOnValue), "1 5 14 0"}));
}

void TestCalibration::failedAutoStopRaisesPrompt2AndLeavesThePanelIdle()
{
    choosePump(0);
    startRun(5);
    for (int request = 2; request <= 5; ++request)
        m_fixture.sim().scriptException(request, 4);
    QTRY_VERIFY_WITH_TIMEOUT(m_fixture.prompts.contains(2), 9000);
    QCOMPARE(m_fixture.prompts, QVector<int>({2}));
    QCOMPARE(child<QPushButton>("btnStartCali")->text(), QStringLiteral("Start"));
    QVERIFY(!m_tab->isCalibrating());
    QCOMPARE(m_master.coils[11], quint8(0));
    QCOMPARE(m_tab->completedWorkTimeMs(), 0);
    QVERIFY(child<QComboBox>("combCaliPump")->isEnabled());
    // The pump did not hear the stop; stop it for the tests that follow.
    QTRY_VERIFY(m_fixture.link.queue().isIdle());
    RegisterImage::shared()->coils[11] = 0;
    RecordingCallback stop;
    QVERIFY(m_fixture.link.runBatch({"1 5 11"}, &stop));
    QTRY_COMPARE(stop.outcomes, QVector<int>({0}));
    QVERIFY(!motors()->isRunning(0));
}

void TestCalibration::readShowsTheFlowOfTheStoredEntry()
{
    choosePump(1);
    const int gear = m_master.holdingRegisters[81];
    m_fixture.sim().setHoldingRegister(1, 114 + 3 + gear, 24000);
    QTest::mouseClick(child<QPushButton>("btnCaliRead"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(m_fixture.seen(), QStringList({"1 3 114 15"}));
    QCOMPARE(m_master.holdingRegisters[114 + 3 + gear], 24000);
    QCOMPARE(child<QLabel>("lbEverage")->text(), QStringLiteral("25.0 ml/min"));
}

void TestCalibration::choosingAnUncalibratedPumpLeavesTheFlowLabel()
{
    choosePump(1);
    const QString shown = child<QLabel>("lbEverage")->text();
    m_master.holdingRegisters[80 + 2] = 0;
    m_master.holdingRegisters[114 + 6] = 0;
    choosePump(2);
    QCOMPARE(child<QLabel>("lbEverage")->text(), shown);
    m_master.holdingRegisters[114 + 6] = 50000;
    choosePump(1);
    choosePump(2);
    QCOMPARE(child<QLabel>("lbEverage")->text(), QStringLiteral("12.0 ml/min"));
}

void TestCalibration::failedSaveKeepsThePreviousEntry()
{
    choosePump(2);
    startRun(5);
    QTRY_VERIFY_WITH_TIMEOUT(m_fixture.prompts.contains(24), 8000);
    QTRY_VERIFY(m_fixture.link.queue().isIdle());
    m_fixture.reset();
    const int gear = m_master.holdingRegisters[82];
    const int entry = 114 + 6 + gear;
    const int before = m_master.holdingRegisters[entry];
    for (int request = 1; request <= 4; ++request)
        m_fixture.sim().scriptException(request, 4);
    child<QDoubleSpinBox>("dsCaliGet")->setValue(2.0);
    QTest::mouseClick(child<QPushButton>("btnSaveCali"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({4}));
    QCOMPARE(m_master.holdingRegisters[entry], before);
    ClientFixture::screenshot(m_page, QStringLiteral("calibration-mode"));
}

void TestCalibration::manualUnitFollowsTheCalibrationRunAndItsAutomaticStop()
{
    choosePump(0);
    QPushButton *button = unitButton(0);
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("Start"));
    startRun(5);
    // The pump runs, and its manual unit says so, also after a page switch.
    QCOMPARE(button->text(), QStringLiteral("Stop"));
    QVERIFY(m_tab->unit(0)->isShownRunning());
    showAgain();
    QCOMPARE(button->text(), QStringLiteral("Stop"));
    QTRY_VERIFY_WITH_TIMEOUT(m_fixture.prompts.contains(24), 8000);
    // The automatic stop ended the run: the unit offers a start again at once.
    QCOMPARE(button->text(), QStringLiteral("Start"));
    QVERIFY(!m_tab->unit(0)->isShownRunning());
    showAgain();
    QCOMPARE(button->text(), QStringLiteral("Start"));
    QVERIFY(!m_tab->unit(0)->isShownRunning());
    QVERIFY(!motors()->isRunning(0));
    QCOMPARE(m_fixture.seen(),
             QStringList({QStringLiteral("1 5 11 %1").arg(kCoilOnValue), "1 5 11 0"}));
}

void TestCalibration::unitShowingStopSendsTheStopNeverAStart()
{
    choosePump(1);
    startRun(30);
    QPushButton *button = unitButton(1);
    QCOMPARE(button->text(), QStringLiteral("Stop"));
    // A stop the page was not told of: the image has the pump stopped while
    // the unit still offers "Stop".
    m_master.coils[12] = 0;
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(button->text(), QStringLiteral("Start"));
    QCOMPARE(m_fixture.seen(),
             QStringList({QStringLiteral("1 5 12 %1").arg(kCoilOnValue), "1 6 59 0", "1 5 12 0"}));
    QVERIFY(!motors()->isRunning(1));
    QCOMPARE(m_fixture.sim().holdingRegister(1, 59), 0);
    // End the calibration run the panel still counts.
    QTest::mouseClick(child<QPushButton>("btnStartCali"), Qt::LeftButton);
    QTRY_VERIFY(!m_tab->isCalibrating());
    QVERIFY(!motors()->isRunning(1));
    // The calibration's own start is the only start the pump heard.
    QCOMPARE(m_fixture.seen().count(QStringLiteral("1 5 12 %1").arg(kCoilOnValue)), 1);
}

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
