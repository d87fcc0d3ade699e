#include "PageFixture.h"
#include "SensorStatus.h"
#include "SensorStatusItem.h"
#include "SensorStatusSetup.h"
#include "SimSensors.h"

#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>

#include "ClientFixture.h"

// The liquid sensor page against the simulator's sensors, and the lamps.
class TestSensor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void lampsCarryTheirNamesCountingDown();
    void sensorsSetInTheSimulatorShowOnTheRightPumpsLamps();
    void sensorFollowingItsBottleTurnsRedWhenItRunsLow();
    void failedReadRaisesPrompt6AndKeepsTheLamps();
    void readingWhileTheQueueIsBusyDoesNothing();
    void activeLampIsRedWithRedTextAndNormalGreenWithBlack();
    void lampOf71PixelsDrawsACircle63Across();
    void tooltipFollowsThePromptSetting();

private:
    SensorStatusItem *item(int tab, int n)
    {
        return m_page->tab(tab)->findChild<SensorStatusItem *>(QStringLiteral("wgItem%1").arg(n));
    }
    QVector<int> states(int tab)
    {
        QVector<int> list;
        for (int n = 1; n <= 4; ++n)
            list << item(tab, n)->state();
        return list;
    }
    void read(int tab)
    {
        QTest::mouseClick(m_page->tab(tab)->findChild<QPushButton *>(QStringLiteral("btnRead")),
                          Qt::LeftButton);
    }
    static QImage paint(int state);

    PageFixture m_fixture;
    RegisterImage m_master;
    RegisterImage m_slave;
    SensorStatus *m_page = nullptr;
};

void TestSensor::initTestCase()
{
    QVERIFY(m_fixture.start());
    m_fixture.sim().addSlave(3);
    m_fixture.loadImage(1, m_master);
    m_fixture.loadImage(3, m_slave);
    m_page = new SensorStatus;
    m_page->addDevice(QStringLiteral("Master"), 1, &m_master);
    m_page->addDevice(QStringLiteral("Slave1"), 3, &m_slave);
    m_page->resize(730, 520);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    for (int tab = 0; tab < 2; ++tab) {
        for (int n = 1; n <= 4; ++n)
            QVERIFY(item(tab, n));
    }
    auto *button = m_page->tab(0)->findChild<QPushButton *>(QStringLiteral("btnRead"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral(" Reading status"));
}

void TestSensor::cleanupTestCase()
{
    delete m_page;
}

void TestSensor::init()
{
    m_fixture.reset();
}

void TestSensor::lampsCarryTheirNamesCountingDown()
{
    QCOMPARE(item(0, 1)->name(), QStringLiteral("Sensor4"));
    QCOMPARE(item(0, 2)->name(), QStringLiteral("Sensor3"));
    QCOMPARE(item(0, 3)->name(), QStringLiteral("Sensor2"));
    QCOMPARE(item(0, 4)->name(), QStringLiteral("Sensor1"));
    QCOMPARE(item(0, 1)->sizeHint(), QSize(400, 71));
    QCOMPARE(m_page->tab(1)->findChild<QGroupBox *>()->title(), QStringLiteral("Slave1"));
}

void TestSensor::sensorsSetInTheSimulatorShowOnTheRightPumpsLamps()
{
    SimSensors *sensors = m_fixture.sim().pump(3)->behaviour<SimSensors>();
    QVERIFY(sensors);
    sensors->force(1, 1);
    read(1);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(m_fixture.seen(), QStringList({"3 2 0 4"}));
    QCOMPARE(states(1), QVector<int>({0, 1, 0, 0}));
    QCOMPARE(states(0), QVector<int>({0, 0, 0, 0}));
    QCOMPARE(int(m_slave.discreteInputs[1]), 1);
    QCOMPARE(int(m_master.discreteInputs[1]), 0);
    m_page->findChild<QTabWidget *>()->setCurrentIndex(1);
    ClientFixture::screenshot(m_page, QStringLiteral("sensor-mixed-slave"));
    m_page->findChild<QTabWidget *>()->setCurrentIndex(0);
    sensors->release(1);
    m_fixture.sim().setDiscreteInput(3, 1, 0);
}

void TestSensor::sensorFollowingItsBottleTurnsRedWhenItRunsLow()
{
    SimSensors *sensors = m_fixture.sim().pump(1)->behaviour<SimSensors>();
    // Below 50 ml; bottle 4 holds 40 ml, the others are full.
    sensors->followBelow(500);
    m_fixture.sim().setHoldingRegister(1, 73, 400);
    read(0);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(states(0), QVector<int>({0, 0, 0, 1}));
    ClientFixture::screenshot(m_page, QStringLiteral("sensor-mixed-master"));
    sensors->followBelow(-1);
    m_fixture.sim().setHoldingRegister(1, 73, 10000);
    m_fixture.sim().setDiscreteInput(1, 3, 0);
}

void TestSensor::failedReadRaisesPrompt6AndKeepsTheLamps()
{
    const QVector<int> before = states(0);
    m_fixture.sim().setDiscreteInput(1, 0, 1);
    for (int request = 1; request <= 4; ++request)
        m_fixture.sim().scriptException(request, 4);
    read(0);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({6}));
    QCOMPARE(states(0), before);
    m_fixture.sim().setDiscreteInput(1, 0, 0);
}

void TestSensor::readingWhileTheQueueIsBusyDoesNothing()
{
    m_fixture.sim().scriptReplyDelay(1, 500);
    RecordingCallback other;
    QVERIFY(m_fixture.link.runBatch({"1 3 0 22"}, &other));
    read(0);
    QTRY_COMPARE(other.outcomes, QVector<int>({0}));
    // A read the click had queued would follow within a pause.
    QTest::qWait(200);
    QCOMPARE(m_fixture.seen(), QStringList({"1 3 0 22"}));
    QVERIFY(m_fixture.prompts.isEmpty());
}

QImage TestSensor::paint(int state)
{
    SensorStatusItem lamp;
    lamp.resize(400, 71);
    lamp.setName(QStringLiteral("Sensor3"));
    lamp.setState(state);
    return lamp.grab().toImage();
}

void TestSensor::activeLampIsRedWithRedTextAndNormalGreenWithBlack()
{
    const QImage active = paint(1);
    QCOMPARE(active.pixelColor(35, 35), QColor(Qt::red));
    const QImage normal = paint(0);
    QCOMPARE(normal.pixelColor(35, 35), QColor(Qt::green));
    // The name's pixels take the text colour.
    const auto textPixels = [](const QImage &image, QRgb colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 74; x < image.width(); ++x)
                count += image.pixel(x, y) == colour ? 1 : 0;
        }
        return count;
    };
    QVERIFY(textPixels(active, qRgb(255, 0, 0)) > 20);
    QCOMPARE(textPixels(active, qRgb(0, 0, 0)), 0);
    QVERIFY(textPixels(normal, qRgb(0, 0, 0)) > 20);
    QCOMPARE(textPixels(normal, qRgb(255, 0, 0)), 0);
}

void TestSensor::lampOf71PixelsDrawsACircle63Across()
{
    const QImage image = paint(1);
    // The filled span across the middle row and column, inside the outline.
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int x = 0; x < 73; ++x) {
        if (image.pixel(x, 35) == qRgb(255, 0, 0)) {
            left = left < 0 ? x : left;
            right = x;
        }
    }
    for (int y = 0; y < 71; ++y) {
        if (image.pixel(33, y) == qRgb(255, 0, 0)) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    // 63 across, less a pixel of outline at each side.
    QVERIFY2(qAbs((right - left + 1) - 61) <= 1, qPrintable(QString::number(right - left + 1)));
    QVERIFY2(qAbs((bottom - top + 1) - 61) <= 1, qPrintable(QString::number(bottom - top + 1)));
    QVERIFY(qAbs(left - 3) <= 1);
    QVERIFY(qAbs(top - 5) <= 1);
}

void TestSensor::tooltipFollowsThePromptSetting()
{
    auto *button = m_page->tab(1)->findChild<QPushButton *>(QStringLiteral("btnRead"));
    m_page->showToolTips();
    QCOMPARE(button->toolTip(), QStringLiteral("Reading the status information for liquid sensor"));
    m_page->clearToolTips();
    QVERIFY(button->toolTip().isEmpty());
}

QTEST_MAIN(TestSensor)
#include "tst_sensor.moc"
