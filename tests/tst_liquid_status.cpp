#include "LiquidStatus.h"
#include "LiquidStatusSetup.h"
#include "LiquidStatusUnit.h"
#include "MyLabel.h"
#include "PageFixture.h"
#include "SimMotors.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>

#include <cstring>

#include "ClientFixture.h"

using TestSupport::child;

// The liquid status page against the simulator: bottles read one by one
// and all together, refills saved, days left from the dose programme.
class TestLiquidStatus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void readAllShowsCapacityAndLiquidLeft();
    void daysLeftFollowsTheProgramme_data();
    void daysLeftFollowsTheProgramme();
    void channelOffShowsNoDaysLeftAndSwitchedOnShowsANumber();
    void clickOnABottleReadsOnlyThatBottle();
    void capacityIsEditableOnlyWhenChecked();
    void savingBottle2WritesCapacityAndLiquidLeftThenCommits();
    void saveWithNoBottleCheckedRaisesPrompt19AndSendsNothing();
    void failedSavePutsThePreviousBottlesBack();
    void failedReadRaisesPrompt6();
    void buttonsDuringARunningBatchDoNothing();
    void slaveTabReadsOnlyItsAddress();
    void tooltipsFollowThePromptSetting();
    void runningMotorLowersTheLiquidLeftShownAfterARead();

private:
    LiquidStatusUnit *unit(int pump)
    {
        return m_page->tab(0)->findChild<LiquidStatusUnit *>(
            QStringLiteral("wgPump%1").arg(pump + 1));
    }
    QString text(int pump, const char *label) { return child<QLabel>(unit(pump), label)->text(); }
    void click(const char *button, int tab = 0)
    {
        QTest::mouseClick(child<QPushButton>(m_page->tab(tab), button), Qt::LeftButton);
    }
    static void putFloat(RegisterImage &image, int high, float value);

    PageFixture m_fixture;
    RegisterImage m_master;
    RegisterImage m_slave;
    LiquidStatusSetup *m_page = nullptr;
};

void TestLiquidStatus::putFloat(RegisterImage &image, int high, float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    image.holdingRegisters[high] = int(bits >> 16);
    image.holdingRegisters[high + 1] = int(bits & 0xFFFF);
}

void TestLiquidStatus::initTestCase()
{
    QVERIFY(m_fixture.start());
    m_fixture.sim().addSlave(3);
    m_fixture.loadImage(1, m_master);
    m_fixture.loadImage(3, m_slave);
    m_page = new LiquidStatusSetup;
    m_page->addDevice(QStringLiteral("Master"), 1, &m_master);
    m_page->addDevice(QStringLiteral("Slave1"), 3, &m_slave);
    m_page->resize(730, 520);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    for (int pump = 0; pump < 4; ++pump) {
        QVERIFY(unit(pump));
        QVERIFY(child<MyLabel>(unit(pump), "btnPump"));
        QVERIFY(child<QCheckBox>(unit(pump), "cbPump"));
        QVERIFY(child<QDoubleSpinBox>(unit(pump), "dsCapacity"));
    }
    QCOMPARE(text(0, "lbName"), QStringLiteral("Ca"));
    ClientFixture::screenshot(m_page, QStringLiteral("liquid-full"));
}

void TestLiquidStatus::cleanupTestCase()
{
    delete m_page;
}

void TestLiquidStatus::init()
{
    m_fixture.reset();
}

void TestLiquidStatus::readAllShowsCapacityAndLiquidLeft()
{
    m_fixture.sim().setHoldingRegister(1, 64, 5000);
    m_fixture.sim().setHoldingRegister(1, 70, 1234);
    m_fixture.sim().setHoldingRegister(1, 73, 15);
    m_master.holdingRegisters[63] = 4242;
    click("btnRead");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(m_fixture.seen(), QStringList({"1 3 64 11", "1 3 148 1"}));
    QCOMPARE(child<QDoubleSpinBox>(unit(0), "dsCapacity")->value(), 500.0);
    QCOMPARE(text(0, "lbLiquidLeft"), QStringLiteral("123.0 ml"));
    QCOMPARE(text(3, "lbLiquidLeft"), QStringLiteral("1.0 ml"));
    QCOMPARE(m_master.holdingRegisters[64], 5000);
    QCOMPARE(m_master.holdingRegisters[70], 1234);
    // Register 63 was not read: the image keeps its own value.
    QCOMPARE(m_master.holdingRegisters[63], 4242);
    ClientFixture::screenshot(m_page, QStringLiteral("liquid-nearly-empty"));
}

void TestLiquidStatus::daysLeftFollowsTheProgramme_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("weekMask");
    QTest::addColumn<float>("dose");
    QTest::addColumn<int>("leftTenths");
    QTest::addColumn<QString>("days");
    QTest::newRow("every 2 days") << 2 << 0 << 10.0f << 1000 << "20";
    QTest::newRow("weekly on three days") << 4 << 0b0010101 << 5.0f << 900 << "42";
    QTest::newRow("dose 0") << 1 << 0 << 0.0f << 1000 << "--";
    QTest::newRow("weekly with no day") << 4 << 0 << 5.0f << 900 << "--";
}

void TestLiquidStatus::daysLeftFollowsTheProgramme()
{
    QFETCH(int, mode);
    QFETCH(int, weekMask);
    QFETCH(float, dose);
    QFETCH(int, leftTenths);
    QFETCH(QString, days);
    const int pump = 1;
    m_master.holdingRegisters[148] &= 0xFF00; // Auto
    m_master.holdingRegisters[2 + pump] = mode;
    m_master.holdingRegisters[10 + pump] = weekMask;
    putFloat(m_master, 19 + 2 * pump, dose);
    m_fixture.sim().setHoldingRegister(1, 70 + pump, leftTenths);
    m_fixture.sim().setHoldingRegister(1, 148, 0);
    click("btnRead");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(text(pump, "lbDaysLeft"), days);
    if (days == QLatin1String("--"))
        ClientFixture::screenshot(m_page, QStringLiteral("liquid-days-unknown"));
}

void TestLiquidStatus::channelOffShowsNoDaysLeftAndSwitchedOnShowsANumber()
{
    const int pump = 2;
    m_master.holdingRegisters[148] &= 0xFF00; // Auto
    m_master.holdingRegisters[2 + pump] = 1;
    putFloat(m_master, 19 + 2 * pump, 10.0f);
    m_master.coils[28 + pump] = 0;
    m_fixture.sim().setHoldingRegister(1, 70 + pump, 1000);
    m_fixture.sim().setHoldingRegister(1, 148, 0);
    click("btnRead");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(text(pump, "lbDaysLeft"), QStringLiteral("--"));

    // The dose settings page switches the channel on in the device image the
    // pages of this pump share; the page shows it when it is shown again.
    m_fixture.reset();
    m_master.coils[28 + pump] = 1;
    m_page->hide();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    QCOMPARE(text(pump, "lbDaysLeft"), QStringLiteral("10"));
    QCOMPARE(m_fixture.sim().requestCount(), 0);
}

void TestLiquidStatus::clickOnABottleReadsOnlyThatBottle()
{
    m_fixture.sim().setHoldingRegister(1, 66, 3000);
    m_fixture.sim().setHoldingRegister(1, 72, 2000);
    m_fixture.sim().setHoldingRegister(1, 65, 7000);
    const QString capacity1 =
        QString::number(child<QDoubleSpinBox>(unit(1), "dsCapacity")->value());
    QTest::mouseClick(child<MyLabel>(unit(2), "btnPump"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(m_fixture.seen(), QStringList({"1 3 66 1", "1 3 72 1", "1 3 148 1"}));
    QCOMPARE(child<QDoubleSpinBox>(unit(2), "dsCapacity")->value(), 300.0);
    QCOMPARE(text(2, "lbLiquidLeft"), QStringLiteral("200.0 ml"));
    QCOMPARE(QString::number(child<QDoubleSpinBox>(unit(1), "dsCapacity")->value()), capacity1);
    QCOMPARE(m_master.holdingRegisters[66], 3000);
    QVERIFY(m_master.holdingRegisters[65] != 7000);
    m_fixture.sim().setHoldingRegister(1, 65, m_master.holdingRegisters[65]);
}

void TestLiquidStatus::capacityIsEditableOnlyWhenChecked()
{
    auto *check = child<QCheckBox>(unit(0), "cbPump");
    auto *capacity = child<QDoubleSpinBox>(unit(0), "dsCapacity");
    QVERIFY(!check->isChecked());
    QVERIFY(!capacity->isEnabled());
    check->setChecked(true);
    QVERIFY(capacity->isEnabled());
    check->setChecked(false);
    QVERIFY(!capacity->isEnabled());
}

void TestLiquidStatus::savingBottle2WritesCapacityAndLiquidLeftThenCommits()
{
    child<QCheckBox>(unit(1), "cbPump")->setChecked(true);
    child<QDoubleSpinBox>(unit(1), "dsCapacity")->setValue(250);
    click("btnSave");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    QCOMPARE(
        m_fixture.seen(),
        QStringList({"1 6 65 2500", "1 6 71 2500", QStringLiteral("1 5 34 %1").arg(kCoilOnValue)}));
    QCOMPARE(m_fixture.sim().holdingRegister(1, 65), 2500);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 71), 2500);
    QCOMPARE(text(1, "lbLiquidLeft"), QStringLiteral("250.0 ml"));
    QVERIFY(!child<QCheckBox>(unit(1), "cbPump")->isChecked());
}

void TestLiquidStatus::saveWithNoBottleCheckedRaisesPrompt19AndSendsNothing()
{
    click("btnSave");
    QCOMPARE(m_fixture.prompts, QVector<int>({19}));
    // A write would have reached the simulator by now.
    QTest::qWait(200);
    QCOMPARE(m_fixture.sim().requestCount(), 0);
    QVERIFY(m_fixture.link.queue().isIdle());
}

void TestLiquidStatus::failedSavePutsThePreviousBottlesBack()
{
    const int capacity = m_master.holdingRegisters[67];
    const int left = m_master.holdingRegisters[73];
    const QString shown = text(3, "lbLiquidLeft");
    for (int request = 1; request <= 4; ++request)
        m_fixture.sim().scriptException(request, 4);
    child<QCheckBox>(unit(3), "cbPump")->setChecked(true);
    child<QDoubleSpinBox>(unit(3), "dsCapacity")->setValue(900);
    click("btnSave");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({4}));
    QCOMPARE(m_master.holdingRegisters[67], capacity);
    QCOMPARE(m_master.holdingRegisters[73], left);
    QCOMPARE(text(3, "lbLiquidLeft"), shown);
    // A later refresh shows what the pump holds, not what was typed.
    QTest::mouseClick(child<MyLabel>(unit(0), "btnPump"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({4, 5}));
    child<QCheckBox>(unit(3), "cbPump")->setChecked(false);
}

void TestLiquidStatus::failedReadRaisesPrompt6()
{
    for (int request = 1; request <= 4; ++request)
        m_fixture.sim().scriptException(request, 4);
    click("btnRead");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({6}));
}

void TestLiquidStatus::buttonsDuringARunningBatchDoNothing()
{
    m_fixture.sim().scriptReplyDelay(1, 500);
    RecordingCallback other;
    QVERIFY(m_fixture.link.runBatch({"1 3 0 22"}, &other));
    click("btnRead");
    click("btnSave");
    QTest::mouseClick(child<MyLabel>(unit(0), "btnPump"), Qt::LeftButton);
    QTRY_COMPARE(other.outcomes, QVector<int>({0}));
    // Anything the presses had queued would follow within a pause.
    QTest::qWait(200);
    QCOMPARE(m_fixture.seen(), QStringList({"1 3 0 22"}));
    QVERIFY(m_fixture.prompts.isEmpty());
}

void TestLiquidStatus::slaveTabReadsOnlyItsAddress()
{
    m_fixture.sim().setHoldingRegister(3, 64, 2220);
    click("btnRead", 1);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(m_fixture.seen(), QStringList({"3 3 64 11", "3 3 148 1"}));
    QCOMPARE(m_slave.holdingRegisters[64], 2220);
    QVERIFY(m_master.holdingRegisters[64] != 2220);
}

void TestLiquidStatus::tooltipsFollowThePromptSetting()
{
    auto *read = child<QPushButton>(m_page->tab(0), "btnRead");
    auto *save = child<QPushButton>(m_page->tab(1), "btnSave");
    m_page->showToolTips();
    QCOMPARE(read->toolTip(), QStringLiteral("Read the setting parameters of solution bottle"));
    QCOMPARE(save->toolTip(), QStringLiteral("Save the setting parameters of solution bottle"));
    m_page->clearToolTips();
    QVERIFY(read->toolTip().isEmpty());
    QVERIFY(save->toolTip().isEmpty());
}

void TestLiquidStatus::runningMotorLowersTheLiquidLeftShownAfterARead()
{
    // 20 ml at 1000 ms per 10 ml: two seconds of running.
    PumpSimulator &sim = m_fixture.sim();
    sim.setHoldingRegister(1, 70, 5000);
    sim.setHoldingRegister(1, 80, 0);
    sim.setHoldingRegister(1, 114, 1000);
    sim.setHoldingRegister(1, 58, 20);
    RegisterImage::shared()->coils[11] = 1;
    RecordingCallback start;
    QVERIFY(m_fixture.link.runBatch({"1 5 11"}, &start));
    QTRY_COMPARE(start.outcomes, QVector<int>({0}));
    SimMotors *motors = sim.pump(1)->behaviour<SimMotors>();
    QVERIFY(motors->isRunning(0));
    QTRY_VERIFY_WITH_TIMEOUT(!motors->isRunning(0), 4000);
    m_fixture.sim().clearRequests();
    click("btnRead");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(text(0, "lbLiquidLeft"), QStringLiteral("480.0 ml"));
    QCOMPARE(sim.coil(1, 11), 0);
}

QTEST_MAIN(TestLiquidStatus)
#include "tst_liquid_status.moc"
