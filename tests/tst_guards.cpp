#include "AppSettings.h"
#include "AutoModeUnit.h"
#include "AutoSetup.h"
#include "DoseSetGroup.h"
#include "MainWindowConn.h"
#include "ManuControl.h"
#include "ManualControl.h"
#include "ManualControlUnit.h"
#include "PageFixture.h"
#include "ParameterSetup.h"
#include "RegisterImage.h"
#include "SimMotors.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QtTest>

#include <cstring>
#include <memory>

using TestSupport::child;

// The questions before a dose the user may not have meant, in the main
// window against the simulator: a programme above its reagent's maximum, a
// quick setup that replaces the master's programme, a manual run larger
// than its bottle. Cancel must leave the pump untouched.
class TestGuards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void doseSaveAboveTheMaximumAsksAndCancelWritesNothing();
    void doseSaveWithinTheMaximumAsksNothingAndWrites();
    void reagentWithoutAMaximumIsNotGuarded();
    void quickSetupPreviewShowsOldAndNewAndCancelWritesNothing();
    void quickSetupAboveTheMaximumAsksAfterThePreview();
    void manualRunAboveTheLiquidLeftAsksAndCancelSendsNoRun();

private:
    DoseSetGroup *dosePage() const;
    ManualControlUnit *manualUnit(int pump) const;
    QDoubleSpinBox *quickField(const char *name) const;
    QDoubleSpinBox *doseVolume(int channel) const;
    // Every channel automatic, once a day 08:00 to 19:59, with these
    // volumes; doses per day and the switches as given.
    void loadProgramme(const QVector<double> &volumes, const QVector<int> &doses,
                       const QVector<bool> &on);
    // Every coil and holding register of the master.
    QVector<int> snapshot() const;
    // The pump takes no request after a Cancel; a stray one would reach
    // the simulator over loopback well within this.
    void verifyNothingSent(const QVector<int> &before);
    void calculateQuickSetup(double litres, double ca, double mg, double kh);
    // As a user gets there: the page's names are set when it is shown.
    void showPage(int page);

    PageFixture m_fixture;
    std::unique_ptr<RegisterImage> m_master;
    MainWindowConn *m_window = nullptr;
};

namespace {

constexpr int kCoilCount = 60;
constexpr int kRegisterCount = 386;
constexpr int kNoRequestWaitMs = 150;

// A volume's IEEE-754 pattern, as the pump keeps it over two registers.
quint32 floatBits(float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace

void TestGuards::initTestCase()
{
    QVERIFY(m_fixture.start());
    m_master = std::make_unique<RegisterImage>();
    RegisterImage::setWorking(m_master.get());
    m_window = new MainWindowConn;
    m_window->addDevice(QStringLiteral("Master"), 1, m_master.get());
    m_window->showFixedSize(900, 600);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QVERIFY(dosePage());
    QVERIFY(manualUnit(0));
    QVERIFY(m_window->findChild<ParameterSetup *>(QStringLiteral("wgParameterSetup")));
}

void TestGuards::cleanupTestCase()
{
    delete m_window;
    RegisterImage::setWorking(nullptr);
}

void TestGuards::init()
{
    m_fixture.reset();
    // The settings after a first run: 100 l, channel i with reagent i.
    AppSettings::writeClientDefaults(AppSettings::store());
}

DoseSetGroup *TestGuards::dosePage() const
{
    auto *doses = m_window->findChild<AutoSetup *>(QStringLiteral("wgAutoSetup"));
    return doses ? doses->page(0) : nullptr;
}

ManualControlUnit *TestGuards::manualUnit(int pump) const
{
    auto *manual = m_window->findChild<ManualControl *>(QStringLiteral("wgManualControl"));
    return manual && manual->tab(0) ? manual->tab(0)->unit(pump) : nullptr;
}

QDoubleSpinBox *TestGuards::quickField(const char *name) const
{
    return child<QDoubleSpinBox>(
        m_window->findChild<ParameterSetup *>(QStringLiteral("wgParameterSetup")), name);
}

QDoubleSpinBox *TestGuards::doseVolume(int channel) const
{
    auto *unit =
        child<AutoModeUnit>(dosePage(), QStringLiteral("wgPump%1").arg(channel + 1).toLatin1());
    return child<QDoubleSpinBox>(child<QWidget>(unit, "wgSetupParameter"), "dbVolume");
}

void TestGuards::loadProgramme(const QVector<double> &volumes, const QVector<int> &doses,
                               const QVector<bool> &on)
{
    PumpSimulator &sim = m_fixture.sim();
    for (int i = 0; i < 4; ++i) {
        const quint32 bits = floatBits(float(volumes.at(i)));
        sim.setCoil(1, 28 + i, on.at(i) ? 1 : 0);
        sim.setHoldingRegister(1, 2 + i, 1); // "1 day"
        sim.setHoldingRegister(1, 10 + i, 0);
        sim.setHoldingRegister(1, 19 + 2 * i, int(bits >> 16));
        sim.setHoldingRegister(1, 20 + 2 * i, int(bits & 0xFFFF));
        sim.setHoldingRegister(1, 32 + i, doses.at(i));
        sim.setHoldingRegister(1, 148 + i, 0); // automatic, no plans
        sim.setHoldingRegister(1, 165 + 2 * i, 8 * 256);
        sim.setHoldingRegister(1, 166 + 2 * i, 19 * 256 + 59);
    }
    // As the start-up read leaves it, shown on the dose page.
    m_fixture.loadImage(1, *m_master);
    dosePage()->parameterUpdate();
    m_fixture.reset();
}

QVector<int> TestGuards::snapshot() const
{
    QVector<int> cells;
    PumpSimulator &sim = const_cast<PageFixture &>(m_fixture).sim();
    for (int i = 0; i < kCoilCount; ++i)
        cells << sim.coil(1, i);
    for (int i = 0; i < kRegisterCount; ++i)
        cells << sim.holdingRegister(1, i);
    return cells;
}

void TestGuards::verifyNothingSent(const QVector<int> &before)
{
    QTest::qWait(kNoRequestWaitMs);
    QCOMPARE(m_fixture.sim().requestCount(), 0);
    QCOMPARE(m_fixture.prompts, QVector<int>());
    QCOMPARE(snapshot(), before);
}

void TestGuards::showPage(int page)
{
    m_window->listWidgetSetupItemClicked(m_window->pageItem(page));
    QCOMPARE(m_fixture.questions, QStringList());
}

void TestGuards::calculateQuickSetup(double litres, double ca, double mg, double kh)
{
    quickField("dsAquarium")->setValue(litres);
    quickField("dsConsumeCa")->setValue(ca);
    quickField("dsConsumeMg")->setValue(mg);
    quickField("dsConsumeKh")->setValue(kh);
    auto *page = m_window->findChild<ParameterSetup *>(QStringLiteral("wgParameterSetup"));
    child<QPushButton>(page, "btnCalculate")->click();
}

void TestGuards::doseSaveAboveTheMaximumAsksAndCancelWritesNothing()
{
    loadProgramme({10, 5, 30, 2}, {1, 1, 1, 1}, {true, true, true, true});
    showPage(MainWindowConn::PageDoseSettings);
    const QVector<int> before = snapshot();
    // Calcium in 100 l: at most 0.4 x 100 = 40 ml a day.
    doseVolume(0)->setValue(45);
    m_fixture.answers = {false};
    child<QPushButton>(dosePage(), "btnSave")->click();
    QCOMPARE(m_fixture.questions.size(), 1);
    const QString question = m_fixture.questions.first();
    for (const char *part :
         {"Ca (channel 1), Ca", "45 ml per dosing day", "at most 40 ml", "100 l"})
        QVERIFY2(question.contains(QLatin1String(part)), qPrintable(question));
    // The other channels are within their maxima.
    QVERIFY2(!question.contains(QStringLiteral("channel 2")), qPrintable(question));
    QCOMPARE(dosePage()->state(), int(DoseSetGroup::StateIdle));
    verifyNothingSent(before);

    // Answered OK, the same Save goes out.
    child<QPushButton>(dosePage(), "btnSave")->click();
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    QCOMPARE(m_fixture.questions.size(), 2);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 19), 0x4234); // 45.0 is 0x42340000
    QCOMPARE(m_fixture.sim().holdingRegister(1, 20), 0x0000);
}

void TestGuards::doseSaveWithinTheMaximumAsksNothingAndWrites()
{
    loadProgramme({10, 5, 30, 2}, {1, 1, 1, 1}, {true, true, true, true});
    showPage(MainWindowConn::PageDoseSettings);
    doseVolume(0)->setValue(39.5);
    doseVolume(2)->setValue(100); // alkalinity: the maximum itself
    child<QPushButton>(dosePage(), "btnSave")->click();
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    QCOMPARE(m_fixture.questions, QStringList());
    QCOMPARE(m_fixture.sim().holdingRegister(1, 19), 0x421E); // 39.5 is 0x421E0000
    QCOMPARE(m_fixture.sim().holdingRegister(1, 23), 0x42C8); // 100.0 is 0x42C80000
}

void TestGuards::reagentWithoutAMaximumIsNotGuarded()
{
    loadProgramme({10, 5, 30, 2}, {1, 1, 1, 1}, {true, true, true, true});
    showPage(MainWindowConn::PageDoseSettings);
    auto *unit = child<AutoModeUnit>(dosePage(), "wgPump4");
    auto *reagent = child<QComboBox>(unit, "combReagent");
    // Strontium: 0.2 x 100 = 20 ml a day, so 500 ml asks.
    QCOMPARE(reagent->currentIndex(), 3);
    doseVolume(3)->setValue(500);
    m_fixture.answers = {false};
    child<QPushButton>(dosePage(), "btnSave")->click();
    QCOMPARE(m_fixture.questions.size(), 1);
    QVERIFY2(m_fixture.questions.first().contains(QStringLiteral("Other (channel 4), Sr")),
             qPrintable(m_fixture.questions.first()));
    QTest::qWait(kNoRequestWaitMs);
    QCOMPARE(m_fixture.sim().requestCount(), 0);

    // "Other" has no maximum: the same Save goes out without a question.
    QCOMPARE(reagent->itemText(5), QStringLiteral("Other"));
    reagent->setCurrentIndex(5);
    m_fixture.questions.clear();
    child<QPushButton>(dosePage(), "btnSave")->click();
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    QCOMPARE(m_fixture.questions, QStringList());
    QCOMPARE(m_fixture.sim().holdingRegister(1, 25), 0x43FA); // 500.0 is 0x43FA0000
    reagent->setCurrentIndex(3);
}

void TestGuards::quickSetupPreviewShowsOldAndNewAndCancelWritesNothing()
{
    // Channel 4 doses 12 ml in two doses; the quick setup turns it off.
    loadProgramme({10, 5, 30, 12}, {1, 1, 1, 2}, {true, true, true, true});
    showPage(MainWindowConn::PageQuickSetup);
    const QVector<int> before = snapshot();
    QSettings &settings = AppSettings::store();
    settings.setValue(QLatin1String(AppSettings::kAquariumVolume), 80.0);
    // 100 l, 10 ppm Ca, 5 ppm Mg, 1 dKH: 6.7, 2.5 and 44 ml.
    calculateQuickSetup(100, 10, 5, 1);
    auto *page = m_window->findChild<ParameterSetup *>(QStringLiteral("wgParameterSetup"));
    m_fixture.answers = {false};
    child<QPushButton>(page, "btnSetup")->click();
    QCOMPARE(m_fixture.questions.size(), 1);
    const QString preview = m_fixture.questions.first();
    // Old and new values side by side; what changes in bold.
    for (const char *part :
         {"Channel 4", "12 ml per dosing day", "2 x 6 ml at 08:00, 14:00", "<b>Off</b>",
          "10 ml per dosing day", "<b>6.7 ml per dosing day</b>", "5 ml per dosing day",
          "<b>2.5 ml per dosing day</b>", "30 ml per dosing day", "<b>44 ml per dosing day</b>"})
        QVERIFY2(preview.contains(QLatin1String(part)),
                 qPrintable(part + QStringLiteral(": ") + preview));
    QCOMPARE(page->state(), int(ParameterSetup::StateIdle));
    verifyNothingSent(before);
    QCOMPARE(settings.value(QLatin1String(AppSettings::kAquariumVolume)).toDouble(), 80.0);

    // OK writes the programme just shown.
    child<QPushButton>(page, "btnSetup")->click();
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    QCOMPARE(m_fixture.questions.size(), 2);
    QCOMPARE(m_fixture.sim().coil(1, 31), 0);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 19), 0x40D6); // 6.7 is 0x40D66666
    QCOMPARE(m_fixture.sim().holdingRegister(1, 20), 0x6666);
    QCOMPARE(settings.value(QLatin1String(AppSettings::kAquariumVolume)).toDouble(), 100.0);
}

void TestGuards::quickSetupAboveTheMaximumAsksAfterThePreview()
{
    loadProgramme({10, 5, 30, 12}, {1, 1, 1, 2}, {true, true, true, true});
    showPage(MainWindowConn::PageQuickSetup);
    const QVector<int> before = snapshot();
    calculateQuickSetup(100, 10, 5, 1);
    auto *page = m_window->findChild<ParameterSetup *>(QStringLiteral("wgParameterSetup"));
    auto *custom = child<QCheckBox>(page, "cbCustom");
    custom->setChecked(true);
    // 60 ml of calcium for 100 l, where 40 ml is the most.
    quickField("dsSupplyCa")->setValue(60);

    // Cancel on the preview asks nothing more.
    m_fixture.answers = {false};
    child<QPushButton>(page, "btnSetup")->click();
    QCOMPARE(m_fixture.questions.size(), 1);
    QVERIFY(m_fixture.questions.first().contains(QStringLiteral("<b>60 ml per dosing day</b>")));
    verifyNothingSent(before);

    // OK on the preview, Cancel on the maximum.
    m_fixture.questions.clear();
    m_fixture.answers = {true, false};
    child<QPushButton>(page, "btnSetup")->click();
    QCOMPARE(m_fixture.questions.size(), 2);
    const QString question = m_fixture.questions.at(1);
    for (const char *part :
         {"Ca (channel 1), Ca", "60 ml per dosing day", "at most 40 ml", "100 l"})
        QVERIFY2(question.contains(QLatin1String(part)), qPrintable(question));
    verifyNothingSent(before);

    // OK on both.
    child<QPushButton>(page, "btnSetup")->click();
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    QCOMPARE(m_fixture.sim().holdingRegister(1, 19), 0x4270); // 60.0 is 0x42700000
    custom->setChecked(false);
}

void TestGuards::manualRunAboveTheLiquidLeftAsksAndCancelSendsNoRun()
{
    // 100.0 ml left of a 500 ml bottle on the first channel.
    m_fixture.sim().setHoldingRegister(1, 64, 5000);
    m_fixture.sim().setHoldingRegister(1, 70, 1000);
    m_fixture.loadImage(1, *m_master);
    showPage(MainWindowConn::PageManual);
    ManualControlUnit *unit = manualUnit(0);
    auto *start = child<QPushButton>(unit, "btnStart");
    auto *volume = child<QDoubleSpinBox>(unit, "dsVolume");
    const QVector<int> before = snapshot();

    volume->setValue(150);
    m_fixture.answers = {false};
    start->click();
    QCOMPARE(m_fixture.questions.size(), 1);
    const QString question = m_fixture.questions.first();
    for (const char *part : {"Ca: a run of 150 ml", "100 ml left"})
        QVERIFY2(question.contains(QLatin1String(part)), qPrintable(question));
    verifyNothingSent(before);
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(!m_fixture.sim().pump(1)->behaviour<SimMotors>()->isRunning(0));

    // Within the bottle: no question, the run goes out.
    m_fixture.questions.clear();
    volume->setValue(100);
    start->click();
    QTRY_COMPARE(start->text(), QStringLiteral("Stop"));
    QCOMPARE(m_fixture.questions, QStringList());
    QCOMPARE(m_fixture.seen(),
             QStringList({"1 6 58 100", QStringLiteral("1 5 11 %1").arg(kCoilOnValue)}));

    // Stop is never held up, whatever the volume says.
    volume->setValue(500);
    start->click();
    QTRY_COMPARE(start->text(), QStringLiteral("Start"));
    QCOMPARE(m_fixture.questions, QStringList());
}

QTEST_MAIN(TestGuards)
#include "tst_guards.moc"
