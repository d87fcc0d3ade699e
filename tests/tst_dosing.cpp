#include "AppSettings.h"
#include "AutoCustomSetup.h"
#include "AutoModeUnit.h"
#include "AutoPublicSetup.h"
#include "AutoSetup.h"
#include "AutoSetupParameter.h"
#include "ClientFixture.h"
#include "CustomInformation.h"
#include "DoseProgramme.h"
#include "DoseSetGroup.h"
#include "LinkFixture.h"
#include "PageFixture.h"
#include "RegisterImage.h"
#include "TestProgramme.h"
#include "TestSupport.h"
#include "UiOperate.h"
#include "WeekWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include <memory>

using TestSupport::child;

// The dose settings page against the simulator: what reaches the pump on
// Read and Save, and how the channel editors behave.
class TestDosing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void readIsSixteenRequestsInOrder();
    void saveWithoutAChangeLeavesThePumpAsItWas();
    void saveIsSixteenWritesInOrder();
    void oneChangedFieldChangesOnlyItsRegisters();
    void readShowsTheProgramme();
    void weekRunModeShowsTheWeekSelector();
    void doseChoicesFollowTheSpan();
    void timesSnapToWholeHours();
    void typedTimesTakeAndSnapWhenTheEditingFinishes();
    void perDoseVolumeFollowsTotalAndDoses();
    void switchingAChannelOffGreysOutAllButTheSwitch();
    void customModeShowsThePlanEditorsOnAllFourChannels();
    void planEditorAddsEditsAndRemovesPlans();
    void customPlansOnTwoChannelsSurviveARestart();
    void saveRefusesAnOnChannelWithoutDoseChoice();
    void unreadableVolumeIsShownClampedAndMarked();
    void planCountAboveTwentyFourIsClamped();
    void channelSetIntoTheEditorComesBackAsShown();
    void slavePageWritesOnlyToItsOwnAddress();
    void saveTwiceRunsOneBatch();
    void readDuringAnotherBatchIsIgnored();
    void failedReadKeepsTheEditorsAndRaisesPrompt6();
    void failedSaveRaisesPrompt4AndKeepsTheDeviceImage();
    void fourChannelEditorsFitThePage();

private:
    DoseSetGroup *master() const { return m_setup->page(0); }
    DoseSetGroup *slave() const { return m_setup->page(1); }
    static AutoModeUnit *unit(DoseSetGroup *page, int channel);
    static AutoSetupParameter *parameters(DoseSetGroup *page, int channel);
    static AutoPublicSetup *publicSetup(DoseSetGroup *page, int channel);
    void loadProgramme(int address, int seed);
    // Every coil and holding register; the commit coils read as -1 because
    // the pump clears them once it has taken a commit.
    QVector<int> snapshot(int address);
    void verifyCommitted();
    void click(DoseSetGroup *page, const char *button);
    void readPage(DoseSetGroup *page);
    void savePage(DoseSetGroup *page);

    PageFixture m_fixture; // the link, with prompts and questions recorded
    LinkFixture &m_link = m_fixture.link;
    std::unique_ptr<RegisterImage> m_masterImage;
    std::unique_ptr<RegisterImage> m_slaveImage;
    AutoSetup *m_setup = nullptr;
    QVector<QString> m_refusals;
};

namespace {

constexpr int kSlave = 2;
constexpr int kCoilCount = 60;
constexpr int kRegisterCount = 386;

} // namespace

AutoModeUnit *TestDosing::unit(DoseSetGroup *page, int channel)
{
    return child<AutoModeUnit>(page, QStringLiteral("wgPump%1").arg(channel + 1).toLatin1());
}

AutoSetupParameter *TestDosing::parameters(DoseSetGroup *page, int channel)
{
    return child<AutoSetupParameter>(unit(page, channel), "wgSetupParameter");
}

AutoPublicSetup *TestDosing::publicSetup(DoseSetGroup *page, int channel)
{
    return child<AutoPublicSetup>(unit(page, channel), "wgPublicSetup");
}

void TestDosing::initTestCase()
{
    QVERIFY(m_link.start());
    AppSettings::writeClientDefaults(AppSettings::store());
    m_link.sim().addSlave(kSlave);
    DoseSetGroup::setRefusalObserver(
        [this](QWidget *, const QString &text) { m_refusals.append(text); });

    m_masterImage = std::make_unique<RegisterImage>();
    m_slaveImage = std::make_unique<RegisterImage>();
    m_setup = new AutoSetup;
    m_setup->addDevice(QStringLiteral("Master"), 1, m_masterImage.get());
    m_setup->addDevice(QStringLiteral("Slave1"), kSlave, m_slaveImage.get());
    m_setup->resize(730, 520);
    m_setup->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_setup));
    QCOMPARE(m_setup->deviceCount(), 2);
}

void TestDosing::cleanupTestCase()
{
    DoseSetGroup::setRefusalObserver(nullptr);
    delete m_setup;
}

void TestDosing::init()
{
    QTRY_VERIFY(m_link.queue().isIdle());
    m_link.sim().setFaults(SimFaults());
    m_link.sim().clearRequests();
    m_fixture.prompts.clear();
    m_refusals.clear();
}

void TestDosing::loadProgramme(int address, int seed)
{
    const TestProgramme programme = TestProgramme::make(seed);
    for (const auto &[index, value] : programme.holdingRegisters)
        m_link.sim().setHoldingRegister(address, index, value);
    for (const auto &[index, value] : programme.coils)
        m_link.sim().setCoil(address, index, value);
}

QVector<int> TestDosing::snapshot(int address)
{
    QVector<int> cells;
    for (int i = 0; i < kCoilCount; ++i)
        cells << m_link.sim().coil(address, i);
    for (int i = 0; i < kRegisterCount; ++i)
        cells << m_link.sim().holdingRegister(address, i);
    cells[33] = -1;
    cells[34] = -1;
    return cells;
}

// The last request of a Save wrote coils 28..34 with both commit coils 1.
void TestDosing::verifyCommitted()
{
    const QVector<PumpSimulator::Request> requests = m_link.sim().requests();
    QVERIFY(!requests.isEmpty());
    const PumpSimulator::Request &last = requests.last();
    QCOMPARE(last.function, 15);
    QCOMPARE(last.index, 28);
    QCOMPARE(last.count, 7);
    // address, function, start (2), quantity (2), byte count, then coil 28 in bit 0.
    const int bits = quint8(last.frame.at(7));
    QCOMPARE((bits >> 5) & 1, 1);
    QCOMPARE((bits >> 6) & 1, 1);
}

void TestDosing::click(DoseSetGroup *page, const char *button)
{
    QTest::mouseClick(child<QPushButton>(page, button), Qt::LeftButton);
}

void TestDosing::readPage(DoseSetGroup *page)
{
    click(page, "btnRead");
    QCOMPARE(page->state(), int(DoseSetGroup::StateReading));
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({5}));
    QCOMPARE(page->state(), int(DoseSetGroup::StateIdle));
    m_fixture.prompts.clear();
}

void TestDosing::savePage(DoseSetGroup *page)
{
    click(page, "btnSave");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    m_fixture.prompts.clear();
}

void TestDosing::readIsSixteenRequestsInOrder()
{
    loadProgramme(1, 1);
    readPage(master());
    const QVector<PumpSimulator::Request> requests = m_link.sim().requests();
    const int expected[16][3] = {{1, 28, 7},   {3, 1, 14},   {3, 17, 12},  {3, 32, 4},
                                 {3, 80, 4},   {3, 148, 4},  {3, 165, 22}, {3, 187, 22},
                                 {3, 209, 22}, {3, 231, 22}, {3, 253, 22}, {3, 275, 22},
                                 {3, 297, 22}, {3, 319, 22}, {3, 341, 22}, {3, 363, 4}};
    QCOMPARE(requests.size(), 16);
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(requests[i].slave, 1);
        QCOMPARE(requests[i].function, expected[i][0]);
        QCOMPARE(requests[i].index, expected[i][1]);
        QCOMPARE(requests[i].count, expected[i][2]);
    }
}

void TestDosing::saveWithoutAChangeLeavesThePumpAsItWas()
{
    loadProgramme(1, 2);
    readPage(master());
    const QVector<int> before = snapshot(1);
    m_link.sim().clearRequests();
    savePage(master());
    verifyCommitted();
    const QVector<int> expected = before;
    const QVector<int> after = snapshot(1);
    for (int i = 0; i < after.size(); ++i) {
        const QString cell = i < kCoilCount ? QStringLiteral("coil %1").arg(i)
                                            : QStringLiteral("register %1").arg(i - kCoilCount);
        QVERIFY2(after[i] == expected[i], qPrintable(cell));
    }
    // A second Save of the unchanged page changes nothing either.
    savePage(master());
    QCOMPARE(snapshot(1), expected);
}

void TestDosing::saveIsSixteenWritesInOrder()
{
    loadProgramme(1, 3);
    readPage(master());
    m_link.sim().clearRequests();
    savePage(master());
    const QVector<PumpSimulator::Request> requests = m_link.sim().requests();
    const int expected[16][3] = {{16, 1, 14},   {16, 19, 10},  {16, 32, 4},   {16, 80, 4},
                                 {16, 148, 4},  {16, 165, 22}, {16, 187, 22}, {16, 209, 22},
                                 {16, 231, 22}, {16, 253, 22}, {16, 275, 22}, {16, 297, 22},
                                 {16, 319, 22}, {16, 341, 22}, {16, 363, 4},  {15, 28, 7}};
    QCOMPARE(requests.size(), 16);
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(requests[i].slave, 1);
        QCOMPARE(requests[i].function, expected[i][0]);
        QCOMPARE(requests[i].index, expected[i][1]);
        QCOMPARE(requests[i].count, expected[i][2]);
    }
}

void TestDosing::oneChangedFieldChangesOnlyItsRegisters()
{
    loadProgramme(1, 4);
    readPage(master());
    QVector<int> expected = snapshot(1);

    child<QDoubleSpinBox>(parameters(master(), 2), "dbVolume")->setValue(42.5);
    savePage(master());
    // 42.5 is 0x422A0000: registers 23 and 24 of channel 3.
    expected[kCoilCount + 23] = 0x422A;
    expected[kCoilCount + 24] = 0x0000;
    QCOMPARE(snapshot(1), expected);

    child<QComboBox>(publicSetup(master(), 0), "combSpeed")->setCurrentIndex(2);
    savePage(master());
    expected[kCoilCount + 80] = 2;
    QCOMPARE(snapshot(1), expected);

    child<QComboBox>(publicSetup(master(), 1), "combOnOff")->setCurrentIndex(1);
    savePage(master());
    expected[29] = 1;
    QCOMPARE(snapshot(1), expected);
}

void TestDosing::readShowsTheProgramme()
{
    loadProgramme(1, 5);
    readPage(master());
    DoseSetGroup *page = master();
    QCOMPARE(child<QComboBox>(page, "combAutoCustom")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(publicSetup(page, 0), "combOnOff")->currentText(),
             QStringLiteral("On"));
    QCOMPARE(child<QComboBox>(publicSetup(page, 1), "combOnOff")->currentText(),
             QStringLiteral("Off"));
    QCOMPARE(child<QComboBox>(publicSetup(page, 2), "combSpeed")->currentText(),
             QStringLiteral("Fast"));
    QCOMPARE(child<QComboBox>(publicSetup(page, 1), "combRunMode")->currentText(),
             QStringLiteral("2 day"));
    QCOMPARE(child<QDoubleSpinBox>(parameters(page, 0), "dbVolume")->value(), 12.5);
    QCOMPARE(child<QComboBox>(parameters(page, 0), "combTimes")->currentText(),
             QStringLiteral("4"));
    QCOMPARE(child<QLabel>(parameters(page, 0), "lbPerDose")->text(), QStringLiteral("3.1 ml"));
    QCOMPARE(child<QTimeEdit>(parameters(page, 0), "tEStartTime")->time(), QTime(8, 0));
    QCOMPARE(child<QTimeEdit>(parameters(page, 0), "tEStopTime")->time(), QTime(19, 59));
    QCOMPARE(unit(page, 2)->channel().weekMask, 0x41);
    QVERIFY(child<QCheckBox>(unit(page, 2), "cBoxSunday")->isChecked());
    QVERIFY(!child<QCheckBox>(unit(page, 2), "cBoxTuesday")->isChecked());
    CustomInformation *plans = child<CustomInformation>(unit(page, 3), "wgCustomInformation");
    QCOMPARE(plans->planCount(), 3);
    QCOMPARE(plans->planText(2), QStringLiteral("2 12:00 20ml"));
    // The channel title follows the pump names.
    QCOMPARE(child<QLabel>(publicSetup(page, 0), "lbPumpName")->text(), QStringLiteral("Ca"));
}

void TestDosing::weekRunModeShowsTheWeekSelector()
{
    loadProgramme(1, 6);
    readPage(master());
    DoseSetGroup *page = master();
    QCOMPARE(child<QComboBox>(publicSetup(page, 2), "combRunMode")->currentText(),
             QStringLiteral("Week"));
    QVERIFY(child<WeekWidget>(unit(page, 2), "wgWeekSetup")->isVisibleTo(page));
    QVERIFY(!child<WeekWidget>(unit(page, 0), "wgWeekSetup")->isVisibleTo(page));
    child<QComboBox>(publicSetup(page, 0), "combRunMode")->setCurrentIndex(3);
    QVERIFY(child<WeekWidget>(unit(page, 0), "wgWeekSetup")->isVisibleTo(page));
    child<QComboBox>(publicSetup(page, 0), "combRunMode")->setCurrentIndex(1);
    QVERIFY(!child<WeekWidget>(unit(page, 0), "wgWeekSetup")->isVisibleTo(page));
    ClientFixture::screenshot(m_setup, QStringLiteral("dose-auto-week"));
    child<QComboBox>(publicSetup(page, 0), "combRunMode")->setCurrentIndex(0);
}

void TestDosing::doseChoicesFollowTheSpan()
{
    AutoSetupParameter *p = parameters(master(), 0);
    auto *start = child<QTimeEdit>(p, "tEStartTime");
    auto *stop = child<QTimeEdit>(p, "tEStopTime");
    auto *times = child<QComboBox>(p, "combTimes");
    const auto items = [times] {
        QStringList list;
        for (int i = 0; i < times->count(); ++i)
            list << times->itemText(i);
        return list;
    };
    start->setTime(QTime(8, 0));
    stop->setTime(QTime(19, 59));
    QCOMPARE(items(), QStringList({"1", "2", "3", "4", "6", "12"}));
    start->setTime(QTime(0, 0));
    stop->setTime(QTime(23, 59));
    QCOMPARE(items(), QStringList({"1", "2", "3", "4", "6", "8", "12", "24"}));
    start->setTime(QTime(10, 0));
    stop->setTime(QTime(9, 59));
    QCOMPARE(items(), QStringList());
    // No quotient without a divisor.
    const QString perDose = child<QLabel>(p, "lbPerDose")->text();
    QVERIFY2(!perDose.contains(QRegularExpression(QStringLiteral("[0-9]|nan|inf"))),
             qPrintable(perDose));
}

void TestDosing::typedTimesTakeAndSnapWhenTheEditingFinishes()
{
    AutoSetupParameter *p = parameters(master(), 1);
    auto *start = child<QTimeEdit>(p, "tEStartTime");
    auto *stop = child<QTimeEdit>(p, "tEStopTime");
    child<QComboBox>(publicSetup(master(), 1), "combOnOff")->setCurrentIndex(1);
    QVERIFY(start->isEnabled());
    start->setTime(QTime(8, 0));
    stop->setTime(QTime(19, 59));
    m_setup->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_setup));

    start->setFocus();
    QTRY_VERIFY(start->hasFocus());
    start->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(start, QStringLiteral("10"));
    start->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(start, QStringLiteral("45"));
    // Every digit took while the user typed; a save now writes the whole hour.
    QCOMPARE(start->time(), QTime(10, 45));
    QCOMPARE(p->startTime(), QTime(10, 0));
    QTest::keyClick(start, Qt::Key_Return);
    QCOMPARE(start->time(), QTime(10, 0));

    stop->setFocus();
    QTRY_VERIFY(stop->hasFocus());
    stop->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(stop, QStringLiteral("21"));
    stop->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(stop, QStringLiteral("05"));
    QCOMPARE(stop->time(), QTime(21, 5));
    QCOMPARE(p->stopTime(), QTime(21, 59));
    // Leaving the editor finishes the editing too.
    start->setFocus();
    QTRY_COMPARE(stop->time(), QTime(21, 59));
    // The dose choices follow the finished span, 10:00 to 21:59.
    auto *times = child<QComboBox>(p, "combTimes");
    QCOMPARE(times->itemText(times->count() - 1), QStringLiteral("12"));
}

void TestDosing::timesSnapToWholeHours()
{
    AutoSetupParameter *p = parameters(master(), 1);
    auto *start = child<QTimeEdit>(p, "tEStartTime");
    auto *stop = child<QTimeEdit>(p, "tEStopTime");
    start->setTime(QTime(8, 45));
    QCOMPARE(start->time(), QTime(8, 0));
    stop->setTime(QTime(17, 10));
    QCOMPARE(stop->time(), QTime(17, 59));
    // The pump's 08:30 of channel 2 is shown as 08:00.
    loadProgramme(1, 7);
    readPage(master());
    QCOMPARE(child<QTimeEdit>(parameters(master(), 1), "tEStartTime")->time(), QTime(8, 0));
}

void TestDosing::perDoseVolumeFollowsTotalAndDoses()
{
    AutoSetupParameter *p = parameters(master(), 0);
    child<QTimeEdit>(p, "tEStartTime")->setTime(QTime(8, 0));
    child<QTimeEdit>(p, "tEStopTime")->setTime(QTime(19, 59));
    child<QDoubleSpinBox>(p, "dbVolume")->setValue(30);
    child<QComboBox>(p, "combTimes")->setCurrentText(QStringLiteral("4"));
    QCOMPARE(child<QLabel>(p, "lbPerDose")->text(), QStringLiteral("7.5 ml"));
    // A dose count the span does not offer leaves the choice as it was.
    p->setDosesPerDay(5);
    QCOMPARE(child<QComboBox>(p, "combTimes")->currentText(), QStringLiteral("4"));
}

void TestDosing::switchingAChannelOffGreysOutAllButTheSwitch()
{
    AutoModeUnit *u = unit(master(), 3);
    child<QComboBox>(u, "combOnOff")->setCurrentIndex(0);
    QVERIFY(child<QComboBox>(u, "combOnOff")->isEnabled());
    const char *const greyed[] = {"combRunMode", "combSpeed",  "combReagent", "lbPumpName",
                                  "combTimes",   "lbMl",       "lbPerDose",   "tEStartTime",
                                  "tEStopTime",  "cboxDisMode"};
    for (const char *name : greyed)
        QVERIFY2(!child<QWidget>(u, name)->isEnabled(), name);
    QVERIFY(!child<QDoubleSpinBox>(parameters(master(), 3), "dbVolume")->isEnabled());
    QVERIFY(!child<QWidget>(u, "wgWeekSetup")->isEnabled());
    QVERIFY(!child<QWidget>(u, "wgCustomInformation")->isEnabled());
    auto *custom = child<AutoCustomSetup>(u, "wgCustomSetup");
    QVERIFY(!custom->controlsEnabled());
    QVERIFY(!child<QPushButton>(custom, "btnConfirm")->isEnabled());
    QVERIFY(!child<QSpinBox>(custom, "sbPlanIndex")->isEnabled());
    ClientFixture::screenshot(m_setup, QStringLiteral("dose-auto-channel-off"));

    child<QComboBox>(u, "combOnOff")->setCurrentIndex(1);
    for (const char *name : greyed)
        QVERIFY2(child<QWidget>(u, name)->isEnabled(), name);
    QVERIFY(custom->controlsEnabled());
}

void TestDosing::customModeShowsThePlanEditorsOnAllFourChannels()
{
    DoseSetGroup *page = master();
    child<QComboBox>(page, "combAutoCustom")->setCurrentIndex(1);
    for (int i = 0; i < 4; ++i) {
        AutoModeUnit *u = unit(page, i);
        QVERIFY(child<QWidget>(u, "wgCustomSetup")->isVisibleTo(page));
        QVERIFY(child<QWidget>(u, "wgCustomInformation")->isVisibleTo(page));
        QVERIFY(!child<QWidget>(u, "wgSetupParameter")->isVisibleTo(page));
        QVERIFY(!child<QWidget>(u, "wgWeekSetup")->isVisibleTo(page));
        QCOMPARE(child<QComboBox>(u, "cboxDisMode")->currentText(), QStringLiteral("Plan"));
    }
    ClientFixture::screenshot(m_setup, QStringLiteral("dose-custom"));
    child<QComboBox>(page, "combAutoCustom")->setCurrentIndex(0);
    for (int i = 0; i < 4; ++i) {
        AutoModeUnit *u = unit(page, i);
        QVERIFY(!child<QWidget>(u, "wgCustomSetup")->isVisibleTo(page));
        QVERIFY(child<QWidget>(u, "wgSetupParameter")->isVisibleTo(page));
        QCOMPARE(child<QComboBox>(u, "cboxDisMode")->currentText(), QStringLiteral("Week"));
    }
}

void TestDosing::planEditorAddsEditsAndRemovesPlans()
{
    AutoModeUnit *u = unit(master(), 0);
    auto *custom = child<AutoCustomSetup>(u, "wgCustomSetup");
    auto *plans = child<CustomInformation>(u, "wgCustomInformation");
    plans->clear();
    const auto enter = [&](int index, QTime time, double volume) {
        child<QSpinBox>(custom, "sbPlanIndex")->setValue(index);
        child<QTimeEdit>(custom, "dtStartTime")->setTime(time);
        child<QDoubleSpinBox>(custom, "dbVolume")->setValue(volume);
        QTest::mouseClick(child<QPushButton>(custom, "btnConfirm"), Qt::LeftButton);
    };
    enter(1, QTime(8, 30), 12);
    enter(2, QTime(9, 0), 3);
    enter(3, QTime(10, 0), 4);
    QCOMPARE(plans->planText(1), QStringLiteral("1 08:30 12ml"));
    enter(4, QTime(11, 0), 5);
    QCOMPARE(plans->planCount(), 4);
    enter(6, QTime(12, 0), 5);
    QCOMPARE(m_fixture.prompts, QVector<int>({26}));
    QCOMPARE(plans->planCount(), 4);
    enter(2, QTime(9, 0), 0);
    QCOMPARE(m_fixture.prompts, QVector<int>({26, 25}));
    QCOMPARE(plans->planText(2), QStringLiteral("2 09:00 3ml"));
    enter(2, QTime(9, 15), 6);
    QCOMPARE(plans->planText(2), QStringLiteral("2 09:15 6ml"));

    child<QSpinBox>(custom, "sbPlanIndex")->setValue(2);
    QTest::mouseClick(child<QPushButton>(custom, "btnDelete"), Qt::LeftButton);
    QCOMPARE(plans->planCount(), 3);
    QCOMPARE(plans->planText(2), QStringLiteral("2 10:00 4ml"));
    QCOMPARE(plans->planText(3), QStringLiteral("3 11:00 5ml"));
    // Removing a plan that does not exist changes nothing.
    child<QSpinBox>(custom, "sbPlanIndex")->setValue(9);
    QTest::mouseClick(child<QPushButton>(custom, "btnDelete"), Qt::LeftButton);
    QCOMPARE(plans->planCount(), 3);
    plans->clear();
}

void TestDosing::customPlansOnTwoChannelsSurviveARestart()
{
    loadProgramme(1, 8);
    readPage(master());
    DoseSetGroup *page = master();
    child<QComboBox>(page, "combAutoCustom")->setCurrentIndex(1);
    const auto enter = [&](int channel, int index, QTime time, double volume) {
        auto *custom = child<AutoCustomSetup>(unit(page, channel), "wgCustomSetup");
        child<QSpinBox>(custom, "sbPlanIndex")->setValue(index);
        child<QTimeEdit>(custom, "dtStartTime")->setTime(time);
        child<QDoubleSpinBox>(custom, "dbVolume")->setValue(volume);
        QTest::mouseClick(child<QPushButton>(custom, "btnConfirm"), Qt::LeftButton);
    };
    child<CustomInformation>(unit(page, 0), "wgCustomInformation")->clear();
    enter(0, 1, QTime(12, 0), 12);
    enter(0, 2, QTime(8, 0), 8);
    enter(0, 3, QTime(10, 0), 10);
    enter(2, 1, QTime(21, 30), 2);
    enter(2, 2, QTime(6, 45), 3);
    ClientFixture::screenshot(m_setup, QStringLiteral("dose-custom-plans"));
    savePage(page);
    // Saved in time order, each plan keeping its volume.
    auto *plans1 = child<CustomInformation>(unit(page, 0), "wgCustomInformation");
    QCOMPARE(plans1->planText(1), QStringLiteral("1 08:00 8ml"));
    QCOMPARE(plans1->planText(3), QStringLiteral("3 12:00 12ml"));
    QCOMPARE(m_link.sim().holdingRegister(1, 148), 0x0301);
    QCOMPARE(m_link.sim().holdingRegister(1, 175), 0x0800);
    QCOMPARE(m_link.sim().holdingRegister(1, 199), 8);
    QCOMPARE(m_link.sim().holdingRegister(1, 150), 0x02A5);
    QCOMPARE(m_link.sim().holdingRegister(1, 271), 0x062D);
    QCOMPARE(m_link.sim().holdingRegister(1, 296), 2);

    // A new client: the start-up read of the whole pump, a new page on it.
    RecordingCallback outcome;
    QVERIFY(m_link.runBatch(UiOperate::fullReadCommands(1), &outcome));
    QTRY_COMPARE(outcome.outcomes, QVector<int>({0}));
    RegisterImage fresh;
    fresh.copyReadRangesFrom(*RegisterImage::shared());
    DoseSetGroup restarted(1, &fresh);
    QCOMPARE(child<QComboBox>(&restarted, "combAutoCustom")->currentIndex(), 1);
    auto *again1 = child<CustomInformation>(unit(&restarted, 0), "wgCustomInformation");
    auto *again3 = child<CustomInformation>(unit(&restarted, 2), "wgCustomInformation");
    QCOMPARE(again1->planCount(), 3);
    QCOMPARE(again1->planText(1), QStringLiteral("1 08:00 8ml"));
    QCOMPARE(again1->planText(2), QStringLiteral("2 10:00 10ml"));
    QCOMPARE(again1->planText(3), QStringLiteral("3 12:00 12ml"));
    QCOMPARE(again3->planCount(), 2);
    QCOMPARE(again3->planText(1), QStringLiteral("1 06:45 3ml"));
    QCOMPARE(again3->planText(2), QStringLiteral("2 21:30 2ml"));
    QVERIFY(!again1->isHidden());

    child<QComboBox>(page, "combAutoCustom")->setCurrentIndex(0);
}

void TestDosing::saveRefusesAnOnChannelWithoutDoseChoice()
{
    loadProgramme(1, 9);
    readPage(master());
    m_link.sim().clearRequests();
    DoseSetGroup *page = master();
    child<QComboBox>(publicSetup(page, 1), "combOnOff")->setCurrentIndex(1);
    child<QTimeEdit>(parameters(page, 1), "tEStartTime")->setTime(QTime(10, 0));
    child<QTimeEdit>(parameters(page, 1), "tEStopTime")->setTime(QTime(9, 59));
    child<QDoubleSpinBox>(parameters(page, 1), "dbVolume")->setValue(20);
    QCOMPARE(parameters(page, 1)->doseChoices(), QStringList());
    QVERIFY(!child<QLabel>(parameters(page, 1), "lbPerDose")
                 ->text()
                 .contains(QRegularExpression("[0-9]")));

    click(page, "btnSave");
    QCOMPARE(m_refusals.size(), 1);
    QVERIFY2(m_refusals.first().contains(QStringLiteral("Mg")), qPrintable(m_refusals.first()));
    QVERIFY(m_refusals.first().contains(QStringLiteral("2")));
    QCOMPARE(page->state(), int(DoseSetGroup::StateIdle));
    QVERIFY(m_link.queue().isIdle());
    // Long enough for a stray request to reach the simulator over loopback.
    QTest::qWait(150);
    QCOMPARE(m_link.sim().requestCount(), 0);
    QCOMPARE(m_fixture.prompts, QVector<int>());

    // In the custom mode the automatic span does not matter.
    child<QComboBox>(page, "combAutoCustom")->setCurrentIndex(1);
    savePage(page);
    QCOMPARE(m_refusals.size(), 1);
    child<QComboBox>(page, "combAutoCustom")->setCurrentIndex(0);
}

void TestDosing::unreadableVolumeIsShownClampedAndMarked()
{
    loadProgramme(1, 10);
    m_link.sim().setHoldingRegister(1, 19, 0x7FC0); // NaN
    m_link.sim().setHoldingRegister(1, 20, 0x0000);
    m_link.sim().setHoldingRegister(1, 21, 0xC0A0); // -5.0
    m_link.sim().setHoldingRegister(1, 22, 0x0000);
    readPage(master());
    for (int channel : {0, 1}) {
        auto *volume = child<QDoubleSpinBox>(parameters(master(), channel), "dbVolume");
        QCOMPARE(volume->value(), 0.0);
        QVERIFY(parameters(master(), channel)->volumeMarked());
        const QString perDose = child<QLabel>(parameters(master(), channel), "lbPerDose")->text();
        QVERIFY2(!perDose.contains(QStringLiteral("nan")) && !perDose.startsWith(QLatin1Char('-')),
                 qPrintable(perDose));
    }
    QVERIFY(!parameters(master(), 2)->volumeMarked());
    // Saved as shown.
    savePage(master());
    QCOMPARE(m_link.sim().holdingRegister(1, 19), 0);
    QCOMPARE(m_link.sim().holdingRegister(1, 21), 0);
}

void TestDosing::planCountAboveTwentyFourIsClamped()
{
    loadProgramme(1, 11);
    m_link.sim().setHoldingRegister(1, 151, 40 << 8);
    readPage(master());
    auto *plans = child<CustomInformation>(unit(master(), 3), "wgCustomInformation");
    QCOMPARE(plans->planCount(), 24);
}

void TestDosing::channelSetIntoTheEditorComesBackAsShown()
{
    AutoModeUnit editor;
    DoseProgramme::Channel channel;
    channel.onOff = DoseProgramme::SwitchOn;
    channel.runMode = DoseProgramme::RunWeek;
    channel.speed = DoseProgramme::SpeedFast;
    channel.volumeBits = DoseProgramme::volumeBits(12.5);
    channel.dosesPerDay = 4;
    channel.start = QTime(8, 0);
    channel.stop = QTime(19, 59);
    channel.weekMask = 0x41;
    // Out of time order: the editor keeps the order it was given.
    channel.plans = {{QTime(12, 0), 20}, {QTime(6, 45), 3}};
    editor.setChannel(channel);
    const DoseProgramme::Channel shown = editor.channel();
    QCOMPARE(shown.onOff, channel.onOff);
    QCOMPARE(shown.runMode, channel.runMode);
    QCOMPARE(shown.speed, channel.speed);
    QCOMPARE(shown.volumeBits, channel.volumeBits);
    QCOMPARE(shown.dosesPerDay, channel.dosesPerDay);
    QCOMPARE(shown.start, channel.start);
    QCOMPARE(shown.stop, channel.stop);
    QCOMPARE(shown.weekMask, channel.weekMask);
    QCOMPARE(shown.plans, channel.plans);
    auto *parameters = child<AutoSetupParameter>(&editor, "wgSetupParameter");
    QVERIFY(!parameters->volumeMarked());

    // A volume the editor cannot show comes back as its clamp, marked.
    channel.volumeBits = 0x7FC00000; // NaN
    editor.setChannel(channel);
    QCOMPARE(editor.channel().volumeBits, DoseProgramme::volumeBits(0));
    QVERIFY(parameters->volumeMarked());
}

void TestDosing::slavePageWritesOnlyToItsOwnAddress()
{
    loadProgramme(1, 12);
    loadProgramme(kSlave, 13);
    m_link.sim().setHoldingRegister(kSlave, 80, 1);
    readPage(master());
    readPage(slave());
    const QVector<int> masterBefore = snapshot(1);
    QCOMPARE(child<QComboBox>(publicSetup(slave(), 0), "combSpeed")->currentIndex(), 1);
    m_link.sim().clearRequests();
    child<QDoubleSpinBox>(parameters(slave(), 0), "dbVolume")->setValue(77);
    savePage(slave());
    const QVector<PumpSimulator::Request> requests = m_link.sim().requests();
    QCOMPARE(requests.size(), 16);
    for (const PumpSimulator::Request &request : requests)
        QCOMPARE(request.slave, kSlave);
    QCOMPARE(snapshot(1), masterBefore);
    QCOMPARE(m_link.sim().holdingRegister(kSlave, 19), 0x429A); // 77.0
    // The master's page still shows the master.
    QCOMPARE(child<QDoubleSpinBox>(parameters(master(), 0), "dbVolume")->value(), 12.5);
}

void TestDosing::saveTwiceRunsOneBatch()
{
    loadProgramme(1, 14);
    readPage(master());
    m_link.sim().clearRequests();
    click(master(), "btnSave");
    click(master(), "btnSave");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({3}));
    QTRY_VERIFY(m_link.queue().isIdle());
    // A second batch would have started within one pause of 60 ms.
    QTest::qWait(200);
    QCOMPARE(m_fixture.prompts, QVector<int>({3}));
    QCOMPARE(m_link.sim().requestCount(), 16);
}

void TestDosing::readDuringAnotherBatchIsIgnored()
{
    RecordingCallback other;
    QVERIFY(m_link.runBatch({"1 3 106 4", "1 3 106 4"}, &other));
    click(master(), "btnRead");
    click(slave(), "btnSave");
    QTRY_COMPARE(other.outcomes, QVector<int>({0}));
    QTRY_VERIFY(m_link.queue().isIdle());
    QTest::qWait(200);
    QCOMPARE(m_link.sim().requestCount(), 2);
    QCOMPARE(m_fixture.prompts, QVector<int>());
    QCOMPARE(master()->state(), int(DoseSetGroup::StateIdle));
}

void TestDosing::failedReadKeepsTheEditorsAndRaisesPrompt6()
{
    loadProgramme(1, 15);
    readPage(master());
    m_link.sim().setHoldingRegister(1, 19, 0x4300); // 128.0, not to be shown
    m_link.sim().clearRequests();
    // The last request fails all four attempts.
    for (int attempt = 16; attempt <= 19; ++attempt)
        m_link.sim().scriptException(attempt, 2);
    click(master(), "btnRead");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({6}));
    QCOMPARE(child<QDoubleSpinBox>(parameters(master(), 0), "dbVolume")->value(), 12.5);
    QCOMPARE(master()->deviceImage()->holdingRegisters[19], 0x4148);
}

void TestDosing::failedSaveRaisesPrompt4AndKeepsTheDeviceImage()
{
    loadProgramme(1, 16);
    readPage(master());
    m_link.sim().clearRequests();
    child<QDoubleSpinBox>(parameters(master(), 0), "dbVolume")->setValue(99);
    for (int attempt = 1; attempt <= 4; ++attempt)
        m_link.sim().scriptException(attempt, 4);
    click(master(), "btnSave");
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({4}));
    QCOMPARE(master()->deviceImage()->holdingRegisters[19], 0x4148);
    // The edit is still there and goes out with the next Save.
    QCOMPARE(child<QDoubleSpinBox>(parameters(master(), 0), "dbVolume")->value(), 99.0);
    m_fixture.prompts.clear();
    savePage(master());
    QCOMPARE(m_link.sim().holdingRegister(1, 19), 0x42C6);
}

void TestDosing::fourChannelEditorsFitThePage()
{
    // The main window leaves a page about 730 x 520 pixels.
    loadProgramme(1, 17);
    readPage(master());
    DoseSetGroup *page = master();
    auto *mode = child<QComboBox>(page, "combAutoCustom");
    for (int runMode = 0; runMode < 4; ++runMode) {
        for (int channel = 0; channel < 4; ++channel)
            child<QComboBox>(publicSetup(page, channel), "combRunMode")->setCurrentIndex(runMode);
        for (int custom = 0; custom <= 1; ++custom) {
            mode->setCurrentIndex(custom);
            const QSize needed = m_setup->minimumSizeHint();
            QVERIFY2(needed.width() <= 730 && needed.height() <= 520,
                     qPrintable(QStringLiteral("%1 x %2 in run mode %3, setup mode %4")
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(runMode)
                                    .arg(custom)));
        }
    }
    mode->setCurrentIndex(0);
}

QTEST_MAIN(TestDosing)
#include "tst_dosing.moc"
