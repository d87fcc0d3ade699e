#include "AppSettings.h"
#include "AutoSetup.h"
#include "ClientFixture.h"
#include "DoseProgramme.h"
#include "Language.h"
#include "LinkFixture.h"
#include "MainWindowConn.h"
#include "OverviewPage.h"
#include "SimPumpSetup.h"
#include "TestSupport.h"
#include "UiOperate.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using TestSupport::child;
using namespace SimPumpSetup;

namespace {

constexpr int kMaster = 1;
// Slave k of the settings sits at bus address k + 1.
constexpr int kSlaveAddressOffset = 1;
constexpr int kSensorFirst = 0; // discrete inputs, one per channel

} // namespace

// The overview: every channel of every pump from the device images, the
// warnings and the status bar's count of them, an offline pump shown as
// such, Read All, and each pump's clock against the PC's.
class TestOverview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startPageListsEveryChannelOfEveryPumpAndShowingItSendsNothing();
    void doseSaveShowsInTheOverviewWithoutARead();
    void lowBottleAndLowSensorWarnAndTheStatusBarCountFollows();
    void wrongPumpClockWarnsUntilTheTimePageSetsIt();
    void offlineSlaveShowsOfflineAndReadAllBringsItBack();

private:
    void useSlaves(const QVector<int> &inUse);
    bool launch();
    void showPage(int page);
    QTreeWidget *tree() const { return child<QTreeWidget>(m_window, "twOverview"); }
    QTreeWidgetItem *row(int pump, int channel) const
    {
        return tree()->topLevelItem(pump)->child(channel);
    }
    QString warningsButtonText() const
    {
        return child<QToolButton>(m_window, "btnWarnings")->text();
    }

    LinkFixture m_link;
    ClientFixture m_client;
    UiOperate *m_orchestrator = nullptr;
    MainWindowConn *m_window = nullptr;
};

void TestOverview::initTestCase()
{
    QVERIFY(ClientFixture::startLinkForWindow(
        m_link, {1 + kSlaveAddressOffset, 2 + kSlaveAddressOffset, 3 + kSlaveAddressOffset}));
}

void TestOverview::init()
{
    QVERIFY(m_link.resetForClientTest(Language::kEnglish));
    for (int address = kMaster; address <= 4; ++address)
        setQuietPump(m_link.sim(), address);
    useSlaves({});
    m_client.clearPrompts();
    m_client.clearWarnings();
    m_client.answerQuestionsWith(true);
}

void TestOverview::cleanup()
{
    m_link.sim().setFaults(SimFaults());
    delete m_orchestrator;
    m_orchestrator = nullptr;
    m_window = nullptr;
}

void TestOverview::useSlaves(const QVector<int> &inUse)
{
    QVector<QPair<int, int>> slaves;
    for (int slave = 1; slave <= 3; ++slave)
        slaves.append({slave + kSlaveAddressOffset, inUse.contains(slave) ? 1 : 0});
    LinkFixture::useSlaves(slaves);
}

bool TestOverview::launch()
{
    m_window = ClientFixture::launchMainWindow(m_orchestrator);
    m_client.clearPrompts();
    return m_window;
}

void TestOverview::showPage(int page)
{
    m_window->listWidgetSetupItemClicked(m_window->pageItem(page));
    QCOMPARE(m_window->currentPage(), page);
    // A page shown the first time is laid out on a posted request.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void TestOverview::startPageListsEveryChannelOfEveryPumpAndShowingItSendsNothing()
{
    PumpSimulator &sim = m_link.sim();
    useSlaves({1, 2, 3});
    setAutoChannel(sim, kMaster, 0, thirtyMlInFourDoses());
    AutoChannel monday;
    monday.runMode = DoseProgramme::RunWeek;
    monday.weekMask = 1;
    monday.volume = 12.0f;
    monday.doses = 1;
    monday.start = QTime(9, 0);
    monday.stop = QTime(9, 59);
    setAutoChannel(sim, 4, 1, monday);
    QVERIFY(launch());
    ClientFixture::screenshot(m_window, QStringLiteral("overview_en"));

    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageOverview));
    QCOMPARE(tree()->topLevelItemCount(), 4);
    const QStringList pumps = {"Master", "Slave1", "Slave2", "Slave3"};
    for (int pump = 0; pump < 4; ++pump) {
        QTreeWidgetItem *item = tree()->topLevelItem(pump);
        QVERIFY2(item->text(0).startsWith(pumps.at(pump)), qPrintable(item->text(0)));
        QCOMPARE(item->childCount(), 4);
    }
    QCOMPARE(row(0, 0)->text(OverviewPage::ColumnProgramme),
             QStringLiteral("Every day · 4 × 7.5\u00a0ml\n08:00, 11:00, 14:00, 17:00"));
    QCOMPARE(row(0, 0)->text(OverviewPage::ColumnDaily), QStringLiteral("30.0 ml"));
    QCOMPARE(row(0, 0)->text(OverviewPage::ColumnBottle), QStringLiteral("500 ml"));
    // 500 ml at 30 ml a day.
    QCOMPARE(row(0, 0)->text(OverviewPage::ColumnDaysLeft), QStringLiteral("16"));
    QCOMPARE(row(3, 1)->text(OverviewPage::ColumnProgramme),
             QStringLiteral("Mon · 1 × 12.0\u00a0ml\n09:00"));
    for (int pump = 0; pump < 4; ++pump) {
        for (int channel = 0; channel < 4; ++channel) {
            if ((pump == 0 && channel == 0) || (pump == 3 && channel == 1))
                continue;
            QCOMPARE(row(pump, channel)->text(OverviewPage::ColumnProgramme),
                     QStringLiteral("Off"));
            QCOMPARE(row(pump, channel)->text(OverviewPage::ColumnWarnings), QString());
        }
    }
    QCOMPARE(warningsButtonText(), QStringLiteral("No warnings"));
    // Each pump's own channel names: a slave without names of its own
    // shows the master's with its name in front.
    const QString masterName = row(0, 0)->text(OverviewPage::ColumnChannel).section('\n', 0, 0);
    QCOMPARE(row(2, 0)->text(OverviewPage::ColumnChannel).section('\n', 0, 0),
             QStringLiteral("Slave2 %1").arg(masterName));

    const int before = sim.requests().size();
    showPage(MainWindowConn::PageTimeTemp);
    showPage(MainWindowConn::PageOverview);
    // Long enough for a request queued on showing to cross the loopback.
    QTest::qWait(300);
    QCOMPARE(sim.requests().size(), before);
}

void TestOverview::doseSaveShowsInTheOverviewWithoutARead()
{
    setAutoChannel(m_link.sim(), kMaster, 0, thirtyMlInFourDoses());
    // 50 ml left at 30 ml a day: one day, a warning.
    setBottle(m_link.sim(), kMaster, 0, 500, 50);
    QVERIFY(launch());
    QCOMPARE(warningsButtonText(), QStringLiteral("Warnings: 1"));
    showPage(MainWindowConn::PageDoseSettings);
    auto *tabs = child<QWidget>(m_window, "wgAutoSetup")->findChild<QTabWidget *>();
    QVERIFY(tabs);
    QWidget *page = tabs->widget(0);
    auto *volume = child<QDoubleSpinBox>(child<QWidget>(page, "wgPump1"), "dbVolume");
    volume->setValue(5.0);
    QTest::mouseClick(child<QPushButton>(page, "btnSave"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(3), 10000);
    QCOMPARE(SimPumpSetup::volume(m_link.sim(), kMaster, 0), 5.0f);
    // Ten days left now: the count follows the Save while the dose page is shown.
    QTRY_COMPARE(warningsButtonText(), QStringLiteral("No warnings"));

    const int before = m_link.sim().requests().size();
    showPage(MainWindowConn::PageOverview);
    QCOMPARE(row(0, 0)->text(OverviewPage::ColumnDaily), QStringLiteral("5.0 ml"));
    QCOMPARE(row(0, 0)->text(OverviewPage::ColumnDaysLeft), QStringLiteral("10"));
    QVERIFY2(
        row(0, 0)->text(OverviewPage::ColumnProgramme).contains(QStringLiteral("4 × 1.3\u00a0ml")),
        qPrintable(row(0, 0)->text(OverviewPage::ColumnProgramme)));
    QCOMPARE(m_link.sim().requests().size(), before);
}

void TestOverview::lowBottleAndLowSensorWarnAndTheStatusBarCountFollows()
{
    PumpSimulator &sim = m_link.sim();
    setAutoChannel(sim, kMaster, 0, thirtyMlInFourDoses());
    // 50 ml left at 30 ml a day: one day.
    setBottle(sim, kMaster, 0, 500, 50);
    sim.setDiscreteInput(kMaster, kSensorFirst + 1, 1);
    QVERIFY(launch());

    QCOMPARE(row(0, 0)->text(OverviewPage::ColumnDaysLeft), QStringLiteral("1"));
    QCOMPARE(row(0, 0)->text(OverviewPage::ColumnWarnings), QStringLiteral("Bottle low"));
    QCOMPARE(row(0, 1)->text(OverviewPage::ColumnSensor), QStringLiteral("Low"));
    QCOMPARE(row(0, 1)->text(OverviewPage::ColumnWarnings), QStringLiteral("Sensor low"));
    // The colour says it too, and a row without a warning has none.
    QVERIFY(row(0, 0)->background(OverviewPage::ColumnChannel).style() != Qt::NoBrush);
    QCOMPARE(row(0, 2)->background(OverviewPage::ColumnChannel).style(), Qt::NoBrush);
    QCOMPARE(warningsButtonText(), QStringLiteral("Warnings: 2"));

    // A day left is above a threshold of none: the bottle warning goes.
    child<QSpinBox>(m_window, "sbLowBottleDays")->setValue(0);
    QCOMPARE(AppSettings::store().value("low_bottle_days").toInt(), 0);
    QCOMPARE(row(0, 0)->text(OverviewPage::ColumnWarnings), QString());
    QCOMPARE(warningsButtonText(), QStringLiteral("Warnings: 1"));

    // The count opens the overview from any page.
    showPage(MainWindowConn::PageLiquidStatus);
    QTest::mouseClick(child<QToolButton>(m_window, "btnWarnings"), Qt::LeftButton);
    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageOverview));
}

void TestOverview::wrongPumpClockWarnsUntilTheTimePageSetsIt()
{
    PumpSimulator &sim = m_link.sim();
    useSlaves({1});
    setClock(sim, kMaster, QDateTime::currentDateTime().addSecs(-600));
    setClock(sim, 1 + kSlaveAddressOffset, QDateTime::currentDateTime().addSecs(200));
    QVERIFY(launch());

    QVERIFY2(tree()->topLevelItem(0)->text(0).contains("10 min behind the PC"),
             qPrintable(tree()->topLevelItem(0)->text(0)));
    QVERIFY(tree()->topLevelItem(0)->text(0).contains("Clock wrong"));
    QVERIFY2(tree()->topLevelItem(1)->text(0).contains("3 min ahead of the PC"),
             qPrintable(tree()->topLevelItem(1)->text(0)));
    QCOMPARE(warningsButtonText(), QStringLiteral("Warnings: 2"));

    showPage(MainWindowConn::PageTimeTemp);
    auto *pumpClock = child<QLabel>(m_window, "lbPumpClock");
    QTRY_VERIFY2(pumpClock->text().contains("10 min behind the PC"), qPrintable(pumpClock->text()));
    QTest::mouseClick(child<QPushButton>(m_window, "btnTimeUpdate"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(3), 10000);

    QCOMPARE(warningsButtonText(), QStringLiteral("No warnings"));
    QVERIFY2(pumpClock->text().contains("same time as the PC") || pumpClock->text().contains(" s "),
             qPrintable(pumpClock->text()));
    showPage(MainWindowConn::PageOverview);
    QVERIFY(!tree()->topLevelItem(1)->text(0).contains("Clock wrong"));
}

void TestOverview::offlineSlaveShowsOfflineAndReadAllBringsItBack()
{
    PumpSimulator &sim = m_link.sim();
    const int slave = 1 + kSlaveAddressOffset;
    useSlaves({1});
    SimFaults faults;
    faults.silentSlaves = {slave};
    sim.setFaults(faults);
    QVERIFY(launch());
    // The window names the silent pump once it is up.
    QTRY_COMPARE(m_client.warnings().size(), 1);
    m_client.clearWarnings();

    QTreeWidgetItem *offline = tree()->topLevelItem(1);
    QVERIFY2(offline->text(0).contains("offline"), qPrintable(offline->text(0)));
    // Not a row of zeros.
    QCOMPARE(offline->childCount(), 0);

    sim.setFaults(SimFaults());
    setAutoChannel(sim, slave, 2, thirtyMlInFourDoses());
    auto *progress = child<QProgressBar>(m_window, "pbReadAll");
    QSignalSpy steps(progress, &QProgressBar::valueChanged);
    const int before = sim.requests().size();
    QTest::mouseClick(child<QPushButton>(m_window, "btnReadAll"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(5), 20000);

    // Both pumps whole, counted over one bar.
    const int perPump = UiOperate::fullReadCommands(kMaster).size();
    QCOMPARE(sim.requests().size() - before, 2 * perPump);
    QCOMPARE(progress->maximum(), 2 * perPump);
    QCOMPARE(steps.last().at(0).toInt(), 2 * perPump);
    QVERIFY(!progress->isVisible());
    QCOMPARE(tree()->topLevelItem(1)->childCount(), 4);
    QCOMPARE(row(1, 2)->text(OverviewPage::ColumnDaily), QStringLiteral("30.0 ml"));
    // The other pages follow: the slave's tabs are uncovered.
    QVERIFY(child<AutoSetup>(m_window, "wgAutoSetup")->isDeviceOnline(1));
    QVERIFY(m_client.warnings().isEmpty());
}

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
