#include "AppSettings.h"
#include "AutoModeUnit.h"
#include "AutoSetup.h"
#include "ClientFixture.h"
#include "DoseProgramme.h"
#include "DoseSetGroup.h"
#include "LinkFixture.h"
#include "LiquidStatus.h"
#include "LiquidStatusSetup.h"
#include "LiquidStatusUnit.h"
#include "MainWindowConn.h"
#include "PageFixture.h"
#include "ParameterSetup.h"
#include "RegisterImage.h"
#include "TestSupport.h"
#include "UiOperate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using TestSupport::child;

// The quick-setup page inside the main window, against the simulator.
class TestQuickSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void calculateShowsTheRecommendedAndMaximumDoses();
    void customTickEnablesTheResultsWithoutRecomputing();
    void setupWritesSixRequestsInOrder();
    void setupLeavesTheMastersOtherRegistersAsTheMasterHadThem();
    void masterDosePageShowsTheNewProgramme();
    void failedSetupWritesNoSettings();
    void setupUsesTheEditedResults();
    void liquidPageShowsTheDaysLeftOfTheNewProgrammeWithoutARead();

private:
    QDoubleSpinBox *field(const char *name) { return child<QDoubleSpinBox>(m_page, name); }
    void fullRead(int address, RegisterImage *into);
    void loadDistinctProgramme(int address, int seed);
    void clickSetup();

    PageFixture m_fixture; // the link, with prompts and questions recorded
    LinkFixture &m_link = m_fixture.link;
    std::unique_ptr<RegisterImage> m_master;
    MainWindowConn *m_window = nullptr;
    ParameterSetup *m_page = nullptr;
};

namespace {
constexpr int kSlave = 2;
}

void TestQuickSetup::initTestCase()
{
    QVERIFY(m_link.start());
    AppSettings::writeClientDefaults(AppSettings::store());
    m_link.sim().addSlave(kSlave);
    m_master = std::make_unique<RegisterImage>();
    RegisterImage::setWorking(m_master.get());
    m_window = new MainWindowConn;
    m_window->addDevice(QStringLiteral("Master"), 1, m_master.get());
    m_window->showFixedSize(900, 600);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_page = m_window->findChild<ParameterSetup *>(QStringLiteral("wgParameterSetup"));
    QVERIFY(m_page);
}

void TestQuickSetup::cleanupTestCase()
{
    delete m_window;
    RegisterImage::setWorking(nullptr);
}

void TestQuickSetup::init()
{
    QTRY_VERIFY(m_link.queue().isIdle());
    m_link.sim().setFaults(SimFaults());
    m_link.sim().clearRequests();
    m_fixture.prompts.clear();
}

// The start-up read of one pump, as the orchestrator does it.
void TestQuickSetup::fullRead(int address, RegisterImage *into)
{
    RecordingCallback outcome;
    QVERIFY(m_link.runBatch(UiOperate::fullReadCommands(address), &outcome));
    QTRY_COMPARE(outcome.outcomes, QVector<int>({0}));
    if (into)
        into->copyReadRangesFrom(*RegisterImage::shared());
}

void TestQuickSetup::loadDistinctProgramme(int address, int seed)
{
    for (int reg = 1; reg <= 160; ++reg)
        m_link.sim().setHoldingRegister(address, reg, (seed * 977 + reg * 13) & 0xFFFF);
    for (int coil = 27; coil <= 36; ++coil)
        m_link.sim().setCoil(address, coil, (coil + seed) % 2);
}

void TestQuickSetup::clickSetup()
{
    QTest::mouseClick(child<QPushButton>(m_page, "btnSetup"), Qt::LeftButton);
}

void TestQuickSetup::calculateShowsTheRecommendedAndMaximumDoses()
{
    field("dsAquarium")->setValue(100);
    field("dsConsumeCa")->setValue(10);
    field("dsConsumeMg")->setValue(5);
    field("dsConsumeKh")->setValue(1);
    QTest::mouseClick(child<QPushButton>(m_page, "btnCalculate"), Qt::LeftButton);
    QCOMPARE(field("dsSupplyCa")->value(), 6.70);
    QCOMPARE(field("dsSupplyMg")->value(), 2.50);
    QCOMPARE(field("dsSupplyKh")->value(), 44.00);
    QCOMPARE(field("dsMaxCa")->value(), 40.0);
    QCOMPARE(field("dsMaxMg")->value(), 40.0);
    QCOMPARE(field("dsMaxKh")->value(), 100.0);
    QCOMPARE(field("dsMaxSr")->value(), 20.0);
    QCOMPARE(field("dsMaxColdHot")->value(), 20.0);
    ClientFixture::screenshot(m_page, QStringLiteral("quick-setup"));
}

void TestQuickSetup::customTickEnablesTheResultsWithoutRecomputing()
{
    const char *const results[] = {"dsMaxCa",      "dsMaxMg",    "dsMaxKh",    "dsMaxSr",
                                   "dsMaxColdHot", "dsSupplyCa", "dsSupplyMg", "dsSupplyKh"};
    for (const char *name : results)
        QVERIFY2(!field(name)->isEnabled(), name);
    child<QCheckBox>(m_page, "cbCustom")->setChecked(true);
    for (const char *name : results)
        QVERIFY2(field(name)->isEnabled(), name);
    field("dsMaxSr")->setValue(33.3);
    child<QCheckBox>(m_page, "cbCustom")->setChecked(false);
    for (const char *name : results)
        QVERIFY2(!field(name)->isEnabled(), name);
    QCOMPARE(field("dsMaxSr")->value(), 33.3);
}

void TestQuickSetup::setupWritesSixRequestsInOrder()
{
    field("dsAquarium")->setValue(250.5);
    field("dsConsumeCa")->setValue(10);
    field("dsConsumeMg")->setValue(5);
    field("dsConsumeKh")->setValue(1);
    QTest::mouseClick(child<QPushButton>(m_page, "btnCalculate"), Qt::LeftButton);
    clickSetup();
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    const QVector<PumpSimulator::Request> requests = m_link.sim().requests();
    const int expected[6][3] = {{15, 27, 10}, {16, 2, 22},  {16, 24, 22},
                                {16, 46, 11}, {16, 142, 4}, {15, 33, 2}};
    QCOMPARE(requests.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(requests[i].slave, 1);
        QCOMPARE(requests[i].function, expected[i][0]);
        QCOMPARE(requests[i].index, expected[i][1]);
        QCOMPARE(requests[i].count, expected[i][2]);
    }
    PumpSimulator &sim = m_link.sim();
    QCOMPARE(sim.holdingRegister(1, 142), 3);
    QCOMPARE(sim.holdingRegister(1, 143), 53892);
    // 250.5 l: 16.78 ml calcium (0x41863D71), 6.26 ml magnesium, 110.22 ml KH.
    QCOMPARE(field("dsSupplyCa")->value(), 16.78);
    QCOMPARE(sim.holdingRegister(1, 19), 0x4186);
    QCOMPARE(sim.holdingRegister(1, 20), 0x3D71);
    for (int reg : {2, 3, 4, 32, 33, 34})
        QCOMPARE(sim.holdingRegister(1, reg), 1);
    const int times[9] = {8, 0, 0, 8, 4, 0, 8, 8, 0};
    for (int i = 0; i < 9; ++i)
        QCOMPARE(sim.holdingRegister(1, 42 + i), times[i]);
    const int coils[10] = {0, 1, 1, 1, 0, 0, -1, -1, -1, 0}; // 27..36; 33..35 checked apart
    for (int i = 0; i < 10; ++i) {
        if (coils[i] >= 0)
            QCOMPARE(sim.coil(1, 27 + i), coils[i]);
    }
    // The commit request carries both coils as 1.
    QCOMPARE(quint8(requests[5].frame.at(7)) & 0x03, 0x03);

    // Settings only now: the inputs, the results, each channel its own reagent.
    QSettings &settings = AppSettings::store();
    QCOMPARE(settings.value("aquarium_volume").toDouble(), 250.5);
    settings.beginReadArray("group_reagent");
    settings.setArrayIndex(0);
    QCOMPARE(settings.value("reagent_offer").toDouble(), 16.78);
    QCOMPARE(settings.value("reagent_consume").toDouble(), 10.0);
    settings.endArray();
    const int pumps = settings.beginReadArray("group_pumps");
    for (int i = 0; i < pumps; ++i) {
        settings.setArrayIndex(i);
        QCOMPARE(settings.value("pumps_reagent_index").toInt(), i);
    }
    settings.endArray();
}

void TestQuickSetup::setupLeavesTheMastersOtherRegistersAsTheMasterHadThem()
{
    loadDistinctProgramme(1, 3);
    loadDistinctProgramme(kSlave, 8);
    // As after the start-up read-out: the master read into its device
    // image, the slave read last into the register image.
    fullRead(1, m_master.get());
    fullRead(kSlave, nullptr);
    // The written ranges: coils 27..36, registers 2..56 and 142..145. The
    // pump's clock registers elsewhere move on by themselves.
    QVector<int> written;
    for (int reg = 2; reg <= 56; ++reg)
        written << reg;
    for (int reg = 142; reg <= 145; ++reg)
        written << reg;
    QMap<int, int> masterBefore;
    QMap<int, int> slaveBefore;
    for (int reg : written) {
        masterBefore[reg] = m_link.sim().holdingRegister(1, reg);
        slaveBefore[reg] = m_link.sim().holdingRegister(kSlave, reg);
    }
    QMap<int, int> coilsBefore;
    for (int coil = 27; coil <= 36; ++coil)
        coilsBefore[coil] = m_link.sim().coil(1, coil);
    m_link.sim().clearRequests();

    clickSetup();
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    const QSet<int> setRegisters = {2,  3,  4,  19, 20, 21, 22, 23, 24, 32,  33, 34,
                                    42, 43, 44, 45, 46, 47, 48, 49, 50, 142, 143};
    for (int reg : written) {
        if (setRegisters.contains(reg))
            continue;
        QVERIFY2(m_link.sim().holdingRegister(1, reg) == masterBefore[reg],
                 qPrintable(QStringLiteral("register %1").arg(reg)));
    }
    const QSet<int> setCoils = {27, 28, 29, 30, 31, 32, 33, 34, 36};
    for (int coil = 27; coil <= 36; ++coil) {
        if (setCoils.contains(coil))
            continue;
        QVERIFY2(m_link.sim().coil(1, coil) == coilsBefore[coil],
                 qPrintable(QStringLiteral("coil %1").arg(coil)));
    }
    for (int reg : written)
        QCOMPARE(m_link.sim().holdingRegister(kSlave, reg), slaveBefore[reg]);
    // The slave's values differ from the master's in every one of them.
    QVERIFY(m_link.sim().holdingRegister(1, 56) != slaveBefore[56]);
}

void TestQuickSetup::masterDosePageShowsTheNewProgramme()
{
    auto *doses = m_window->findChild<AutoSetup *>(QStringLiteral("wgAutoSetup"));
    QVERIFY(doses);
    DoseSetGroup *page = doses->page(0);
    QVERIFY(page);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(page->unit(i)->channel().onOff, 1);
        QCOMPARE(page->unit(i)->channel().runMode, 0);
    }
    QCOMPARE(page->unit(3)->channel().onOff, 0);
    // The editor shows the 16.78 written at one decimal.
    QCOMPARE(page->unit(0)->channel().volumeBits, DoseProgramme::volumeBits(16.8));
    // The device image took the written ranges.
    QCOMPARE(m_master->holdingRegisters[19], 0x4186);
    QCOMPARE(m_master->holdingRegisters[142], 3);

    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageDoseSettings));
    ClientFixture::screenshot(m_window, QStringLiteral("window-dose-settings"));
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageQuickSetup));
    ClientFixture::screenshot(m_window, QStringLiteral("window-quick-setup"));
}

void TestQuickSetup::failedSetupWritesNoSettings()
{
    QSettings &settings = AppSettings::store();
    const double volume = settings.value("aquarium_volume").toDouble();
    field("dsAquarium")->setValue(volume + 50);
    for (int attempt = 1; attempt <= 4; ++attempt)
        m_link.sim().scriptException(attempt, 4);
    QSignalSpy updates(m_page, &ParameterSetup::quikSetup);
    clickSetup();
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({4}));
    QCOMPARE(updates.count(), 0);
    QCOMPARE(settings.value("aquarium_volume").toDouble(), volume);
    QCOMPARE(m_link.sim().requestCount(), 4);
}

void TestQuickSetup::setupUsesTheEditedResults()
{
    child<QCheckBox>(m_page, "cbCustom")->setChecked(true);
    field("dsSupplyCa")->setValue(7.25);
    QSignalSpy updates(m_page, &ParameterSetup::quikSetup);
    clickSetup();
    clickSetup(); // pressed twice: one batch, one outcome
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    QCOMPARE(updates.count(), 1);
    QCOMPARE(m_link.sim().holdingRegister(1, 19), 0x40E8); // 7.25 is 0x40E80000
    QCOMPARE(m_link.sim().holdingRegister(1, 20), 0x0000);
    QTest::qWait(200); // a second batch would have started within one 60 ms pause
    QCOMPARE(m_link.sim().requestCount(), 6);
    child<QCheckBox>(m_page, "cbCustom")->setChecked(false);
}

void TestQuickSetup::liquidPageShowsTheDaysLeftOfTheNewProgrammeWithoutARead()
{
    // 100 ml in the first bottle, automatic mode, as read at start-up.
    m_link.sim().setHoldingRegister(1, 70, 1000);
    m_link.sim().setHoldingRegister(1, 148, 0);
    fullRead(1, m_master.get());
    auto *liquid = m_window->findChild<LiquidStatusSetup *>(QStringLiteral("wgLiquidStatusSetup"));
    QVERIFY(liquid);
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageLiquidStatus));
    QTest::mouseClick(child<QPushButton>(liquid->tab(0), "btnRead"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    m_fixture.prompts.clear();

    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageQuickSetup));
    child<QCheckBox>(m_page, "cbCustom")->setChecked(true);
    field("dsSupplyCa")->setValue(20);
    clickSetup();
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    QCOMPARE(m_link.sim().holdingRegister(1, 19), 0x41A0); // 20.0 is 0x41A00000
    QCOMPARE(m_link.sim().holdingRegister(1, 20), 0x0000);
    QCOMPARE(m_link.sim().holdingRegister(1, 2), 1);
    QCOMPARE(m_link.sim().coil(1, 28), 1);
    child<QCheckBox>(m_page, "cbCustom")->setChecked(false);

    m_link.sim().clearRequests();
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageLiquidStatus));
    // 100 ml at 20 ml once a day, with nothing read since.
    auto *bottle = child<LiquidStatusUnit>(liquid->tab(0), "wgPump1");
    QCOMPARE(child<QLabel>(bottle, "lbDaysLeft")->text(), QStringLiteral("5"));
    QCOMPARE(m_link.sim().requestCount(), 0);
}

QTEST_MAIN(TestQuickSetup)
#include "tst_quicksetup.moc"
