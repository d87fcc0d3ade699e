#include "LiquidStatusSetup.h"
#include "MainWindowConn.h"
#include "ManualControl.h"
#include "PageFixture.h"
#include "SensorStatus.h"

#include <QStackedWidget>

#include "ClientFixture.h"

// The manual, liquid status and sensor pages as the main window hosts them:
// every widget fits the page without clipping, for the master and a slave.
class TestLiquidPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pagesFitTheMainWindow_data();
    void pagesFitTheMainWindow();

private:
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

QTEST_MAIN(TestLiquidPages)
#include "tst_liquid_pages.moc"
