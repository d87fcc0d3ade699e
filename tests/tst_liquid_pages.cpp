#include "AutoModeUnit.h"
#include "AutoSetup.h"
#include "DoseSetGroup.h"
#include "LiquidStatus.h"
#include "LiquidStatusSetup.h"
#include "LiquidStatusUnit.h"
#include "MainWindowConn.h"
#include "ManualControl.h"
#include "PageFixture.h"
#include "SensorStatus.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

#include <cstring>

#include "ClientFixture.h"

// The manual, liquid status and sensor pages as the main window hosts them:
// every widget fits the page without clipping, for the master and a slave,
// and the liquid page follows a programme the dose settings page saved.
class TestLiquidPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pagesFitTheMainWindow_data();
    void pagesFitTheMainWindow();
    void daysLeftFollowASavedDoseWithoutARead();
    void channelSwitchedOffAndOnBySaveShowsNoDaysLeftThenANumber();

private:
    // Shows a page through the page list, as a user's click does.
    void showPage(int page);
    QString daysLeft(int pump);
    AutoModeUnit *doseUnit(int channel);
    // Saves the master's dose settings and waits for the pump to confirm.
    void saveDoses();
    // The float a channel's total volume registers hold in the simulator.
    float simulatorVolume(int address, int channel);

    PageFixture m_fixture;
    RegisterImage m_master;
    RegisterImage m_slave;
    MainWindowConn *m_window = nullptr;
};

void TestLiquidPages::initTestCase()
{
    QVERIFY(m_fixture.start());
    m_fixture.sim().addSlave(3);
    m_fixture.loadImage(1, m_master);
    m_fixture.loadImage(3, m_slave);
    m_window = new MainWindowConn;
    m_window->setLaunchMode(0);
    m_window->addDevice(QStringLiteral("Master"), 1, &m_master);
    m_window->addDevice(QStringLiteral("Slave1"), 3, &m_slave);
    m_window->showFixedSize(900, 600);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestLiquidPages::cleanupTestCase()
{
    delete m_window;
}

void TestLiquidPages::pagesFitTheMainWindow_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::newRow("manual master") << int(MainWindowConn::PageManual) << 0 << "page-manual-master";
    QTest::newRow("manual slave") << int(MainWindowConn::PageManual) << 1 << "page-manual-slave";
    QTest::newRow("liquid master")
        << int(MainWindowConn::PageLiquidStatus) << 0 << "page-liquid-master";
    QTest::newRow("liquid slave") << int(MainWindowConn::PageLiquidStatus) << 1
                                  << "page-liquid-slave";
    QTest::newRow("sensor master") << int(MainWindowConn::PageSensor) << 0 << "page-sensor-master";
    QTest::newRow("sensor slave") << int(MainWindowConn::PageSensor) << 1 << "page-sensor-slave";
}

void TestLiquidPages::pagesFitTheMainWindow()
{
    QFETCH(int, page);
    QFETCH(int, tab);
    QFETCH(QString, name);
    auto *stack = m_window->findChild<QStackedWidget *>(QStringLiteral("stackedWidgetSetup"));
    QVERIFY(stack);
    m_window->listWidgetSetupItemClicked(m_window->pageItem(page));
    QCOMPARE(stack->currentIndex(), page);
    QWidget *current = stack->currentWidget();
    auto *tabs = current->findChild<QTabWidget *>();
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    tabs->setCurrentIndex(tab);
    QApplication::processEvents();
    ClientFixture::screenshot(m_window, name);
    const QSize needed = tabs->minimumSizeHint();
    const QSize given = tabs->size();
    QVERIFY2(needed.width() <= given.width() && needed.height() <= given.height(),
             qPrintable(QStringLiteral("needs %1x%2, has %3x%4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(given.width())
                            .arg(given.height())));
}

void TestLiquidPages::showPage(int page)
{
    auto *list = m_window->findChild<QListWidget *>(QStringLiteral("listWidgetSetup"));
    QVERIFY(list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(m_window->pageItem(page)).center());
    QCOMPARE(m_window->currentPage(), page);
    // The master's tab, whichever an earlier test left in front.
    auto *stack = m_window->findChild<QStackedWidget *>(QStringLiteral("stackedWidgetSetup"));
    auto *tabs = stack->currentWidget()->findChild<QTabWidget *>();
    QVERIFY(tabs);
    tabs->setCurrentIndex(0);
}

QString TestLiquidPages::daysLeft(int pump)
{
    auto *page = m_window->findChild<LiquidStatusSetup *>(QStringLiteral("wgLiquidStatusSetup"));
    auto *unit =
        page->tab(0)->findChild<LiquidStatusUnit *>(QStringLiteral("wgPump%1").arg(pump + 1));
    auto *label = unit ? unit->findChild<QLabel *>(QStringLiteral("lbDaysLeft")) : nullptr;
    return label ? label->text() : QStringLiteral("no lbDaysLeft");
}

AutoModeUnit *TestLiquidPages::doseUnit(int channel)
{
    auto *doses = m_window->findChild<AutoSetup *>(QStringLiteral("wgAutoSetup"));
    return doses->page(0)->unit(channel);
}

void TestLiquidPages::saveDoses()
{
    m_fixture.reset();
    auto *doses = m_window->findChild<AutoSetup *>(QStringLiteral("wgAutoSetup"));
    auto *save = doses->page(0)->findChild<QPushButton *>(QStringLiteral("btnSave"));
    QVERIFY(save);
    QTest::mouseClick(save, Qt::LeftButton);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
}

float TestLiquidPages::simulatorVolume(int address, int channel)
{
    const quint32 bits = quint32(m_fixture.sim().holdingRegister(address, 19 + 2 * channel)) << 16 |
        quint32(m_fixture.sim().holdingRegister(address, 20 + 2 * channel));
    float volume;
    std::memcpy(&volume, &bits, sizeof volume);
    return volume;
}

void TestLiquidPages::daysLeftFollowASavedDoseWithoutARead()
{
    const int pump = 1;
    // 100 ml left; the pump leaves the factory dosing every day in
    // automatic mode.
    m_fixture.sim().setHoldingRegister(1, 70 + pump, 1000);
    QCOMPARE(m_master.holdingRegisters[2 + pump], 1);
    QCOMPARE(int(m_master.coils[28 + pump]), 1);
    showPage(MainWindowConn::PageLiquidStatus);
    m_fixture.reset();
    auto *page = m_window->findChild<LiquidStatusSetup *>(QStringLiteral("wgLiquidStatusSetup"));
    QTest::mouseClick(page->tab(0)->findChild<QPushButton *>(QStringLiteral("btnRead")),
                      Qt::LeftButton);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));

    showPage(MainWindowConn::PageDoseSettings);
    auto *volume = doseUnit(pump)->findChild<QDoubleSpinBox *>(QStringLiteral("dbVolume"));
    QVERIFY(volume);
    volume->setValue(20);
    saveDoses();
    QCOMPARE(simulatorVolume(1, pump), 20.0f);

    m_fixture.reset();
    showPage(MainWindowConn::PageLiquidStatus);
    // 100 ml at 20 ml a day; nothing was read for it.
    QCOMPARE(daysLeft(pump), QStringLiteral("5"));
    QCOMPARE(m_fixture.sim().requestCount(), 0);
    ClientFixture::screenshot(m_window, QStringLiteral("liquid-after-dose-save"));

    showPage(MainWindowConn::PageDoseSettings);
    volume->setValue(4);
    saveDoses();
    QCOMPARE(simulatorVolume(1, pump), 4.0f);
    showPage(MainWindowConn::PageLiquidStatus);
    QCOMPARE(daysLeft(pump), QStringLiteral("25"));
}

void TestLiquidPages::channelSwitchedOffAndOnBySaveShowsNoDaysLeftThenANumber()
{
    const int pump = 2;
    QCOMPARE(int(m_master.coils[28 + pump]), 1);
    showPage(MainWindowConn::PageDoseSettings);
    auto *onOff = doseUnit(pump)->findChild<QComboBox *>(QStringLiteral("combOnOff"));
    QVERIFY(onOff);
    onOff->setCurrentIndex(0);
    saveDoses();
    QCOMPARE(m_fixture.sim().coil(1, 28 + pump), 0);
    showPage(MainWindowConn::PageLiquidStatus);
    QCOMPARE(daysLeft(pump), QStringLiteral("--"));

    showPage(MainWindowConn::PageDoseSettings);
    onOff->setCurrentIndex(1);
    saveDoses();
    QCOMPARE(m_fixture.sim().coil(1, 28 + pump), 1);
    showPage(MainWindowConn::PageLiquidStatus);
    bool isNumber = false;
    daysLeft(pump).toInt(&isNumber);
    QVERIFY2(isNumber, qPrintable(daysLeft(pump)));
}

QTEST_MAIN(TestLiquidPages)
#include "tst_liquid_pages.moc"
