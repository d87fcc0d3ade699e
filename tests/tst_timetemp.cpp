#include "AppSettings.h"
#include "BatchStart.h"
#include "ClientFixture.h"
#include "CommSend.h"
#include "Communication.h"
#include "DialogLogin.h"
#include "Language.h"
#include "MyMessageBox.h"
#include "MyQwtPlot.h"
#include "RegisterImage.h"
#include "SimClock.h"
#include "SimThermometer.h"
#include "TestSupport.h"
#include "TimeTempSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>

#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>
#include <qwt_scale_widget.h>

#include <memory>

// The "Time/Temp" page against the simulator: the real queue and transport
// (created by the login dialog, as in the product), the master at address 1
// and slaves 2 and 4 on the bus.
class TestTimeTemp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void formHasItsWidgets();
    void clockUpdateSetsMasterAndSlavesInUseToThePcClock();
    void setupTimeWritesTheTypedDate();
    void datesFollowThePcClockWhileSetupTimeIsOff();
    void fahrenheitSaveWritesBackTheCodesThatWereRead_data();
    void fahrenheitSaveWritesBackTheCodesThatWereRead();
    void editedFahrenheitValuesArriveAsCelsiusCodes();
    void fahrenheitCalibrationIsACorrectionNotATemperature();
    void temperatureModeIsStoredOnlyAfterASuccessfulSave();
    void failedClockUpdateRaisesPrompt4();
    void failedReadRaisesPrompt6();
    void readSettingsShowsThePumpsValues();
    void readSettingsBringsBackTheStoredUnitWithoutMixingValues();
    void plotClickReadsTheTemperatureAndRedrawsWithoutPrompt();
    void historyWithoutSamplesKeepsThePreviousCurve();
    void buttonsDuringARunningBatchQueueNothing();
    void saveTwiceRunsOneBatch();
    void constructionTakesTheWorkingImage();
    void unsetCalibrationShowsZero_data();
    void unsetCalibrationShowsZero();
    void switchingTheUnitTwiceReturnsTheSpinBoxes();
    void activeLabelTurnsRedOutsideTheThresholds();
    void toolTipsFollowTheCatalogue();
    void screenshots();

private:
    template<typename T> T *child(const char *name)
    {
        return TestSupport::child<T>(m_page.get(), name);
    }
    void makePage();
    void click(const char *button);
    QStringList requestStrings() const;
    void waitForOutcome();
    QwtPlotCurve *historyCurve();
    void setThresholdCodes(int calibration, int low, int high);
    void setMode(int mode);

    ClientFixture m_fixture;
    DialogLogin *m_login = nullptr;
    RegisterImage m_image;
    std::unique_ptr<TimeTempSetup> m_page;
};

void TestTimeTemp::initTestCase()
{
    QVERIFY(m_fixture.start());
    m_fixture.sim().addSlave(2);
    m_fixture.sim().addSlave(4);
    m_login = m_fixture.openLogin();
    QVERIFY(m_login);
    RegisterImage::setWorking(&m_image);
}

void TestTimeTemp::cleanupTestCase()
{
    m_page.reset();
    RegisterImage::setWorking(nullptr);
    delete m_login;
}

void TestTimeTemp::init()
{
    QTRY_VERIFY(CommSend::instance()->isIdle());
    m_fixture.sim().setFaults(SimFaults());
    m_image = RegisterImage();
    // What the login cycle's full read would have left: the factory settings,
    // 15.0 to 35.0 C with the alarm on, and a reading of 25.0 C.
    m_image.coils[46] = 1;
    setThresholdCodes(0, 650, 850);
    m_image.inputRegisters[0] = 750;
    for (int i = 0; i < 24; ++i)
        m_image.inputRegisters[4 + i] = 740 + i % 5;
    *RegisterImage::shared() = RegisterImage();
    QSettings &settings = AppSettings::store();
    settings.setValue(QLatin1String(AppSettings::kTemperatureMode), 0);
    settings.setValue(QLatin1String(AppSettings::kDisplayPrompt), 1);
    settings.beginWriteArray(QLatin1String(AppSettings::kGroupSlaves));
    for (int i = 0; i < AppSettings::kSlaveCount; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(AppSettings::kSlaveAddress), i + 1);
        settings.setValue(QLatin1String(AppSettings::kSlaveOnOff), 0);
    }
    settings.endArray();
    m_fixture.sim().setCoil(1, 46, 1);
    m_fixture.sim().setHoldingRegister(1, 131, 0);
    m_fixture.sim().setHoldingRegister(1, 146, 650);
    m_fixture.sim().setHoldingRegister(1, 147, 850);
    for (int address : {1, 2, 4}) {
        auto *thermometer = m_fixture.sim().pump(address)->behaviour<SimThermometer>();
        thermometer->setHistoryGaps({});
        thermometer->pinTemperature(25.0);
    }
    m_fixture.sim().clearRequests();
    m_fixture.clearPrompts();
}

void TestTimeTemp::cleanup()
{
    m_page.reset();
}

void TestTimeTemp::setThresholdCodes(int calibration, int low, int high)
{
    m_image.holdingRegisters[131] = calibration;
    m_image.holdingRegisters[146] = low;
    m_image.holdingRegisters[147] = high;
}

void TestTimeTemp::setMode(int mode)
{
    AppSettings::store().setValue(QLatin1String(AppSettings::kTemperatureMode), mode);
}

void TestTimeTemp::makePage()
{
    m_page.reset(new TimeTempSetup);
    m_page->resize(730, 520);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void TestTimeTemp::click(const char *button)
{
    QPushButton *widget = child<QPushButton>(button);
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

QStringList TestTimeTemp::requestStrings() const
{
    QStringList list;
    for (const PumpSimulator::Request &r : const_cast<ClientFixture &>(m_fixture).sim().requests())
        list
            << QStringLiteral("%1 %2 %3 %4").arg(r.slave).arg(r.function).arg(r.index).arg(r.count);
    return list;
}

void TestTimeTemp::waitForOutcome()
{
    QTRY_COMPARE_WITH_TIMEOUT(m_page->pending(), 0, 20000);
    QVERIFY(CommSend::instance()->isIdle());
}

QwtPlotCurve *TestTimeTemp::historyCurve()
{
    auto *plot = child<MyQwtPlot>("qwtPlotTemp");
    if (!plot)
        return nullptr;
    for (QwtPlotItem *item : plot->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        if (item->title().text() == QLatin1String("Temp."))
            return static_cast<QwtPlotCurve *>(item);
    }
    return nullptr;
}

void TestTimeTemp::formHasItsWidgets()
{
    makePage();
    for (const char *name :
         {"lbTempHigh", "lbTempActive", "lbTempLow", "lbTemUnit1", "lbTemUnit2", "lbTemUnit3"})
        QVERIFY2(child<QLabel>(name), name);
    for (const char *name : {"dSpinTempLow", "dSpinTempHigh", "dSTempCalibrate"}) {
        QVERIFY2(child<QDoubleSpinBox>(name), name);
        QCOMPARE(child<QDoubleSpinBox>(name)->decimals(), 1);
    }
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempLow")->minimum(), 0.0);
    QCOMPARE(child<QDoubleSpinBox>("dSTempCalibrate")->minimum(), -50.0);
    QVERIFY(child<QDoubleSpinBox>("dSpinTempHigh")->maximum() >= 99.9);
    QCOMPARE(child<QCheckBox>("cBoxTempAlarm")->text(), QStringLiteral("Temperature alarm"));
    QCOMPARE(child<QCheckBox>("combSetupTime")->text(), QStringLiteral("Setup Time"));
    QCOMPARE(child<QPushButton>("btnReadTempSettings")->text(), QStringLiteral("Read Settings"));
    QCOMPARE(child<QPushButton>("btnSaveTemSet")->text(), QStringLiteral("Save Settings"));
    QCOMPARE(child<QPushButton>("btnTimeUpdate")->text(), QStringLiteral("Time Update"));
    QVERIFY(child<QPushButton>("btnDateSetup"));
    QVERIFY(!child<QPushButton>("btnDateSetup")->isVisible());
    QCOMPARE(child<QTimeEdit>("timeEditTime")->displayFormat(), QStringLiteral("hh:mm:ss"));
    QVERIFY(child<QDateEdit>("dateEditDate"));
    QComboBox *mode = child<QComboBox>("combTempMode");
    QCOMPARE(mode->count(), 2);
    QCOMPARE(mode->itemText(0), QStringLiteral("℃ Celsius degrees"));
    QCOMPARE(mode->itemText(1), QStringLiteral("℉ Fahrenheit scale"));
    auto *plot = child<MyQwtPlot>("qwtPlotTemp");
    QVERIFY(plot);
    QVERIFY(plot->width() >= 500 && plot->height() >= 260);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).lowerBound(), 0.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 25.0);
    const QwtPlotItemList curves = plot->itemList(QwtPlotItem::Rtti_PlotCurve);
    QCOMPARE(curves.size(), 3);
    int grey = 0;
    for (QwtPlotItem *item : curves) {
        auto *curve = static_cast<QwtPlotCurve *>(item);
        QVERIFY(curve->testCurveAttribute(QwtPlotCurve::Fitted));
        if (curve->pen().color() == QColor(128, 128, 128)) {
            ++grey;
            QCOMPARE(curve->dataSize(), size_t(24));
        }
    }
    QCOMPARE(grey, 2);
    QVERIFY(historyCurve());
    QCOMPARE(historyCurve()->pen().color(), QColor(0, 0, 255));
    QCOMPARE(m_fixture.sim().requestCount(), 0);
}

void TestTimeTemp::clockUpdateSetsMasterAndSlavesInUseToThePcClock()
{
    QSettings &settings = AppSettings::store();
    settings.beginWriteArray(QLatin1String(AppSettings::kGroupSlaves));
    const int entries[][2] = {{2, 1}, {3, 0}, {4, 1}};
    for (int i = 0; i < 3; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(AppSettings::kSlaveAddress), entries[i][0]);
        settings.setValue(QLatin1String(AppSettings::kSlaveOnOff), entries[i][1]);
    }
    settings.endArray();
    QMap<int, int> commitsBefore;
    for (int address : {1, 2, 4})
        commitsBefore[address] =
            m_fixture.sim().pump(address)->behaviour<SimClock>()->commitCount();

    makePage();
    click("btnTimeUpdate");
    QCOMPARE(m_page->pending(), int(TimeTempSetup::PendingClock));
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({3}));
    QCOMPARE(requestStrings(),
             QStringList({"1 16 152 7", "1 5 33 65280", "2 16 152 7", "2 5 33 65280", "4 16 152 7",
                          "4 5 33 65280"}));

    const QDateTime pc = QDateTime::currentDateTime();
    for (int address : {1, 2, 4}) {
        SimClock *clock = m_fixture.sim().pump(address)->behaviour<SimClock>();
        QVERIFY(clock->isRunning());
        const qint64 offMs = qAbs(clock->now().msecsTo(pc));
        QVERIFY2(offMs <= 2000,
                 qPrintable(QStringLiteral("pump %1 is %2 ms off").arg(address).arg(offMs)));
        QCOMPARE(clock->dayOfWeek(), pc.date().dayOfWeek());
        QCOMPARE(clock->commitCount(), commitsBefore[address] + 1);
        QCOMPARE(m_fixture.sim().coil(address, 33), 0);
    }
    QCOMPARE(
        m_image.holdingRegisters[152],
        m_fixture.sim().pump(1)->behaviour<SimClock>()->settings().last().moment.date().year());

    // The clock then runs on its own: its seconds register moves.
    SimPump *master = m_fixture.sim().pump(1);
    master->refresh();
    const int second = m_fixture.sim().holdingRegister(1, 157);
    QTRY_VERIFY_WITH_TIMEOUT((master->refresh(), m_fixture.sim().holdingRegister(1, 157) != second),
                             3000);
}

void TestTimeTemp::setupTimeWritesTheTypedDate()
{
    makePage();
    QCheckBox *setupTime = child<QCheckBox>("combSetupTime");
    setupTime->setChecked(true);
    child<QDateEdit>("dateEditDate")->setDate(QDate(2031, 7, 15));
    child<QTimeEdit>("timeEditTime")->setTime(QTime(8, 30, 0));
    // One tick of the page's clock must leave the typed values alone.
    QTimer *timer = m_page->findChild<QTimer *>();
    QVERIFY(timer);
    QSignalSpy tick(timer, &QTimer::timeout);
    QVERIFY(tick.wait(3000));
    QCOMPARE(child<QDateEdit>("dateEditDate")->date(), QDate(2031, 7, 15));

    click("btnTimeUpdate");
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({3}));
    QCOMPARE(requestStrings(), QStringList({"1 16 152 7", "1 5 33 65280"}));
    const SimClock::Setting setting =
        m_fixture.sim().pump(1)->behaviour<SimClock>()->settings().last();
    QCOMPARE(setting.moment, QDateTime(QDate(2031, 7, 15), QTime(8, 30, 0)));
    // 15 July 2031 is a Tuesday.
    QCOMPARE(setting.dayOfWeek, 2);
    QCOMPARE(m_image.holdingRegisters[158], 2);
}

void TestTimeTemp::datesFollowThePcClockWhileSetupTimeIsOff()
{
    makePage();
    child<QDateEdit>("dateEditDate")->setDate(QDate(2001, 1, 1));
    QSignalSpy tick(m_page->findChild<QTimer *>(), &QTimer::timeout);
    QVERIFY(tick.wait(3000));
    QCOMPARE(child<QDateEdit>("dateEditDate")->date(), QDate::currentDate());
    QVERIFY(qAbs(child<QTimeEdit>("timeEditTime")->time().secsTo(QTime::currentTime())) <= 2);
}

void TestTimeTemp::fahrenheitSaveWritesBackTheCodesThatWereRead_data()
{
    QTest::addColumn<int>("calibration");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("20.0 and 30.0 C") << 500 << 700 << 800;
    // 20.3 C is 68.54 F, which a one-decimal spin box shows as 68.5.
    QTest::newRow("values the spin boxes round") << 481 << 703 << 1297;
    QTest::newRow("24.9 C") << 749 << 749 << 1499;
    // A correction of -2.0 C, shown as -3.6 F, goes back as 480.
    QTest::newRow("calibration -2.0 C") << 480 << 650 << 850;
}

void TestTimeTemp::fahrenheitSaveWritesBackTheCodesThatWereRead()
{
    QFETCH(int, calibration);
    QFETCH(int, low);
    QFETCH(int, high);
    setMode(1);
    setThresholdCodes(calibration, low, high);
    const int commits = m_fixture.sim().pump(1)->behaviour<SimThermometer>()->commitCount();
    makePage();
    QCOMPARE(child<QComboBox>("combTempMode")->currentIndex(), 1);
    QCOMPARE(child<QLabel>("lbTemUnit1")->text(), QStringLiteral("℉"));
    if (low == 700) {
        // The edge case: 20.0 and 30.0 C show as 68.0 and 86.0 F on an axis from 66 to 88.
        QCOMPARE(child<QDoubleSpinBox>("dSpinTempLow")->value(), 68.0);
        QCOMPARE(child<QDoubleSpinBox>("dSpinTempHigh")->value(), 86.0);
        // No correction is no correction in either unit.
        QCOMPARE(child<QDoubleSpinBox>("dSTempCalibrate")->value(), 0.0);
        auto *plot = child<MyQwtPlot>("qwtPlotTemp");
        QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 66.0);
        QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 88.0);
    }
    // Read from the pump as well: the spin boxes are then filled while their
    // slots listen, and must not hand their rounded values back.
    m_fixture.sim().setHoldingRegister(1, 131, calibration);
    m_fixture.sim().setHoldingRegister(1, 146, low);
    m_fixture.sim().setHoldingRegister(1, 147, high);
    for (const char *name : {"dSpinTempLow", "dSpinTempHigh", "dSTempCalibrate"})
        child<QDoubleSpinBox>(name)->setValue(1.0);
    click("btnReadTempSettings");
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({5}));
    m_fixture.sim().setHoldingRegister(1, 131, 0);
    m_fixture.sim().setHoldingRegister(1, 146, 0);
    m_fixture.sim().setHoldingRegister(1, 147, 0);
    m_fixture.sim().clearRequests();
    m_fixture.clearPrompts();

    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({3}));
    QCOMPARE(requestStrings(),
             QStringList({"1 5 46 65280", "1 6 131 " + QString::number(calibration), "1 16 146 2",
                          "1 5 34 65280"}));
    QCOMPARE(m_fixture.sim().holdingRegister(1, 131), calibration);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 146), low);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 147), high);
    QCOMPARE(m_fixture.sim().coil(1, 46), 1);
    QCOMPARE(m_fixture.sim().coil(1, 34), 0);
    QCOMPARE(m_fixture.sim().pump(1)->behaviour<SimThermometer>()->commitCount(), commits + 1);
    QCOMPARE(AppSettings::store().value(QLatin1String(AppSettings::kTemperatureMode)).toInt(), 1);
}

void TestTimeTemp::editedFahrenheitValuesArriveAsCelsiusCodes()
{
    setMode(1);
    makePage();
    child<QCheckBox>("cBoxTempAlarm")->setChecked(false);
    // 75.2 F is 24.0 C, 84.2 F is 29.0 C; a correction of -3.6 F is one of -2.0 C.
    child<QDoubleSpinBox>("dSpinTempLow")->setValue(75.2);
    child<QDoubleSpinBox>("dSpinTempHigh")->setValue(84.2);
    child<QDoubleSpinBox>("dSTempCalibrate")->setValue(-3.6);
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.sim().holdingRegister(1, 146), 740);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 147), 790);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 131), 480);
    QCOMPARE(m_fixture.sim().coil(1, 46), 0);
    // The spin boxes keep showing Fahrenheit, the axis follows the new lines.
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempLow")->value(), 75.2);
    auto *plot = child<MyQwtPlot>("qwtPlotTemp");
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 73.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 86.0);
}

void TestTimeTemp::fahrenheitCalibrationIsACorrectionNotATemperature()
{
    setMode(1);
    m_image.holdingRegisters[131] = 480;
    makePage();
    QDoubleSpinBox *calibrate = child<QDoubleSpinBox>("dSTempCalibrate");
    QVERIFY(calibrate);
    QCOMPARE(calibrate->value(), -3.6);

    // 0.0 F typed by a user who wants no correction is none.
    calibrate->setValue(0.0);
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.sim().holdingRegister(1, 131), 500);

    // 1.8 F is a correction of +1.0 C.
    calibrate->setValue(1.8);
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.sim().holdingRegister(1, 131), 510);

    // The field offers in Fahrenheit every correction it offers in Celsius,
    // -50.0 to 99.99 C: -72.0 F is -40.0 C and 162.0 F is +90.0 C.
    QVERIFY(calibrate->minimum() <= -90.0);
    QVERIFY(calibrate->maximum() >= 179.9);
    calibrate->setValue(-72.0);
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.sim().holdingRegister(1, 131), 100);
    calibrate->setValue(162.0);
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.sim().holdingRegister(1, 131), 1400);
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({3, 3, 3, 3}));

    // Back in Celsius the field shows the correction in Celsius, in its own range.
    child<QComboBox>("combTempMode")->setCurrentIndex(0);
    QCOMPARE(calibrate->value(), 90.0);
    QCOMPARE(calibrate->minimum(), -50.0);
}

void TestTimeTemp::temperatureModeIsStoredOnlyAfterASuccessfulSave()
{
    makePage();
    child<QComboBox>("combTempMode")->setCurrentIndex(1);
    QSettings &settings = AppSettings::store();
    QCOMPARE(settings.value(QLatin1String(AppSettings::kTemperatureMode)).toInt(), 0);

    // Every send of the first write answered with an exception: the batch fails.
    for (int attempt = 1; attempt <= CommSend::kMaxAttempts; ++attempt)
        m_fixture.sim().scriptException(attempt, 4);
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({4}));
    QCOMPARE(m_fixture.prompts().first().parent.data(), m_page.get());
    QCOMPARE(settings.value(QLatin1String(AppSettings::kTemperatureMode)).toInt(), 0);
    QVERIFY(!m_page->findChild<QDialog *>()->isVisible());

    m_fixture.clearPrompts();
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({3}));
    QCOMPARE(settings.value(QLatin1String(AppSettings::kTemperatureMode)).toInt(), 1);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 146), 650);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 147), 850);
}

void TestTimeTemp::failedClockUpdateRaisesPrompt4()
{
    makePage();
    for (int attempt = 1; attempt <= CommSend::kMaxAttempts; ++attempt)
        m_fixture.sim().scriptException(attempt, 4);
    click("btnTimeUpdate");
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({4}));
}

void TestTimeTemp::failedReadRaisesPrompt6()
{
    makePage();
    const double low = child<QDoubleSpinBox>("dSpinTempLow")->value();
    for (int attempt = 1; attempt <= CommSend::kMaxAttempts; ++attempt)
        m_fixture.sim().scriptException(attempt, 4);
    // Slow refusals, so that the tries outlast the indicator's delay: it
    // shows meanwhile.
    SimFaults slow;
    slow.replyDelayMs = 100;
    m_fixture.sim().setFaults(slow);
    click("btnReadTempSettings");
    QTRY_VERIFY(m_page->findChild<QDialog *>()->isVisible());
    waitForOutcome();
    m_fixture.sim().setFaults(SimFaults());
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({6}));
    QVERIFY(!m_page->findChild<QDialog *>()->isVisible());
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempLow")->value(), low);

    // A failed temperature read raises nothing.
    m_fixture.clearPrompts();
    m_fixture.sim().clearRequests();
    for (int attempt = 1; attempt <= CommSend::kMaxAttempts; ++attempt)
        m_fixture.sim().scriptException(attempt, 4);
    QTest::mouseClick(child<MyQwtPlot>("qwtPlotTemp")->canvas(), Qt::LeftButton);
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>());
}

void TestTimeTemp::readSettingsShowsThePumpsValues()
{
    m_fixture.sim().setCoil(1, 46, 0);
    m_fixture.sim().setHoldingRegister(1, 131, 480);
    m_fixture.sim().setHoldingRegister(1, 146, 655);
    m_fixture.sim().setHoldingRegister(1, 147, 842);
    makePage();
    QVERIFY(child<QCheckBox>("cBoxTempAlarm")->isChecked());
    click("btnReadTempSettings");
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({5}));
    QCOMPARE(requestStrings(), QStringList({"1 1 46 1", "1 3 131 1", "1 3 146 2"}));
    QVERIFY(!child<QCheckBox>("cBoxTempAlarm")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>("dSTempCalibrate")->value(), -2.0);
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempLow")->value(), 15.5);
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempHigh")->value(), 34.2);
    QCOMPARE(m_image.holdingRegisters[146], 655);
    QCOMPARE(m_image.holdingRegisters[131], 480);
    QCOMPARE(int(m_image.coils[46]), 0);
    auto *plot = child<MyQwtPlot>("qwtPlotTemp");
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 13.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 36.0);

    // Saved again unchanged, the same codes go back.
    m_fixture.sim().clearRequests();
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.sim().holdingRegister(1, 131), 480);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 146), 655);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 147), 842);
    QCOMPARE(m_fixture.sim().coil(1, 46), 0);
}

void TestTimeTemp::readSettingsBringsBackTheStoredUnitWithoutMixingValues()
{
    setMode(1);
    makePage();
    // The user switches to Celsius but does not save.
    child<QComboBox>("combTempMode")->setCurrentIndex(0);
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempLow")->value(), 15.0);
    click("btnReadTempSettings");
    waitForOutcome();
    QCOMPARE(child<QComboBox>("combTempMode")->currentIndex(), 1);
    QCOMPARE(child<QLabel>("lbTemUnit2")->text(), QStringLiteral("℉"));
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempLow")->value(), 59.0);
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempHigh")->value(), 95.0);
    QCOMPARE(child<QDoubleSpinBox>("dSTempCalibrate")->value(), 0.0);
    QCOMPARE(child<QLabel>("lbTempActive")->text(), QStringLiteral("Active:77.0 ℉"));
}

void TestTimeTemp::plotClickReadsTheTemperatureAndRedrawsWithoutPrompt()
{
    makePage();
    SimThermometer *thermometer = m_fixture.sim().pump(1)->behaviour<SimThermometer>();
    thermometer->pinTemperature(24.5);
    thermometer->setHistoryGaps({5});
    m_fixture.sim().pump(1)->refresh();
    QCOMPARE(m_fixture.sim().inputRegister(1, 9), 0x8000);
    int lowest = 0x10000;
    int highest = 0;
    for (int i = 0; i < 24; ++i) {
        if (i == 5)
            continue;
        lowest = qMin(lowest, m_fixture.sim().inputRegister(1, 4 + i));
        highest = qMax(highest, m_fixture.sim().inputRegister(1, 4 + i));
    }

    auto *plot = child<MyQwtPlot>("qwtPlotTemp");
    QSignalSpy clicked(plot, &MyQwtPlot::clicked);
    QTest::mouseClick(plot->canvas(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    // Any other button leaves the plot alone.
    QTest::mouseClick(plot->canvas(), Qt::RightButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(m_page->pending(), int(TimeTempSetup::PendingReadTemperature));
    waitForOutcome();
    QCOMPARE(requestStrings(), QStringList({"1 4 0 22", "1 4 22 6"}));
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>());
    QCOMPARE(m_image.inputRegisters[0], 745);
    QCOMPARE(m_image.inputRegisters[9], 0x8000);
    QCOMPARE(child<QLabel>("lbTempActive")->text(), QStringLiteral("Active:24.5 ℃"));
    QCOMPARE(child<QLabel>("lbTempLow")->text(),
             QStringLiteral("Low:%1 ℃").arg((lowest - 500) / 10.0, 0, 'f', 1));
    QCOMPARE(child<QLabel>("lbTempHigh")->text(),
             QStringLiteral("High:%1 ℃").arg((highest - 500) / 10.0, 0, 'f', 1));
    QwtPlotCurve *curve = historyCurve();
    QVERIFY(curve);
    QCOMPARE(curve->dataSize(), size_t(23));
    for (size_t i = 0; i < curve->dataSize(); ++i)
        QVERIFY(curve->sample(int(i)).x() != 5.0);
    QVERIFY(!m_page->findChild<QDialog *>()->isVisible());
    // A refresh leaves the y axis where the thresholds put it.
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 13.0);

    // Clicks on the axes read too, once each.
    m_fixture.sim().clearRequests();
    QTest::mouseClick(plot->axisWidget(QwtPlot::yLeft), Qt::LeftButton);
    QCOMPARE(clicked.count(), 2);
    waitForOutcome();
    QCOMPARE(m_fixture.sim().requestCount(), 2);
}

void TestTimeTemp::historyWithoutSamplesKeepsThePreviousCurve()
{
    makePage();
    QCOMPARE(historyCurve()->dataSize(), size_t(24));
    QList<int> all;
    for (int i = 0; i < 24; ++i)
        all << i;
    m_fixture.sim().pump(1)->behaviour<SimThermometer>()->setHistoryGaps(all.toVector());
    m_fixture.sim().setInputRegister(1, 0, 0x8000);
    QTest::mouseClick(child<MyQwtPlot>("qwtPlotTemp")->canvas(), Qt::LeftButton);
    waitForOutcome();
    QCOMPARE(child<QLabel>("lbTempLow")->text(), QStringLiteral("Nothing"));
    QCOMPARE(child<QLabel>("lbTempHigh")->text(), QStringLiteral("Nothing"));
    QCOMPARE(child<QLabel>("lbTempActive")->text(), QStringLiteral("Nothing"));
    QCOMPARE(historyCurve()->dataSize(), size_t(24));
}

// A test callback that stands for another page's batch.
class ForeignBatch : public CommBackOperate
{
public:
    void operateSuccess() override { ++outcomes; }
    void operateFailure(int) override { ++outcomes; }
    int outcomes = 0;
};

void TestTimeTemp::buttonsDuringARunningBatchQueueNothing()
{
    makePage();
    const RegisterImage before = *RegisterImage::shared();
    const RegisterImage workingBefore = m_image;
    // Another page's read, held up 800 ms by the pump.
    m_fixture.sim().scriptReplyDelay(1, 800);
    ForeignBatch foreign;
    CommSend *queue = CommSend::instance();
    BatchStart::queue({QStringLiteral("1 3 0 1")}, &foreign, queue);
    QMetaObject::invokeMethod(queue, &CommSend::transmission, Qt::QueuedConnection);
    QTRY_COMPARE(m_fixture.sim().requestCount(), 1);
    QVERIFY(!queue->isIdle());

    child<QCheckBox>("combSetupTime")->setChecked(true);
    click("btnTimeUpdate");
    click("btnReadTempSettings");
    click("btnSaveTemSet");
    QTest::mouseClick(child<MyQwtPlot>("qwtPlotTemp")->canvas(), Qt::LeftButton);
    QCOMPARE(m_page->pending(), 0);
    QVERIFY(!m_page->findChild<QDialog *>()->isVisible());

    QTRY_VERIFY(queue->isIdle());
    QCOMPARE(foreign.outcomes, 1);
    // Long enough for a queued stray batch to reach the simulator: a
    // loopback round trip plus the 60 ms gap take well under 300 ms.
    QTest::qWait(300);
    QCOMPARE(m_fixture.sim().requestCount(), 1);
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>());
    QCOMPARE(RegisterImage::shared()->coils[33], before.coils[33]);
    QCOMPARE(RegisterImage::shared()->coils[34], before.coils[34]);
    QCOMPARE(m_image.holdingRegisters[152], workingBefore.holdingRegisters[152]);
    QCOMPARE(m_image.holdingRegisters[146], workingBefore.holdingRegisters[146]);
}

void TestTimeTemp::saveTwiceRunsOneBatch()
{
    makePage();
    click("btnSaveTemSet");
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({3}));
    QCOMPARE(m_fixture.sim().requestCount(), 4);
}

void TestTimeTemp::constructionTakesTheWorkingImage()
{
    m_image.coils[46] = 0;
    setThresholdCodes(520, 700, 800);
    m_image.inputRegisters[0] = 755;
    m_image.inputRegisters[4 + 5] = 0x8000;
    makePage();
    QVERIFY(!child<QCheckBox>("cBoxTempAlarm")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>("dSTempCalibrate")->value(), 2.0);
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempLow")->value(), 20.0);
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempHigh")->value(), 30.0);
    QCOMPARE(child<QLabel>("lbTempActive")->text(), QStringLiteral("Active:25.5 ℃"));
    QCOMPARE(child<QLabel>("lbTempLow")->text(), QStringLiteral("Low:24.0 ℃"));
    QCOMPARE(child<QLabel>("lbTempHigh")->text(), QStringLiteral("High:24.4 ℃"));
    QCOMPARE(historyCurve()->dataSize(), size_t(23));
    auto *plot = child<MyQwtPlot>("qwtPlotTemp");
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 18.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 32.0);

    // A coil value other than 0 or 1 leaves the box as the form has it.
    m_image.coils[46] = 7;
    makePage();
    QVERIFY(!child<QCheckBox>("cBoxTempAlarm")->isChecked());
    QCOMPARE(m_fixture.sim().requestCount(), 0);
}

void TestTimeTemp::unsetCalibrationShowsZero_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("shown");
    QTest::newRow("0 in Celsius") << 0 << 0 << 0.0;
    QTest::newRow("0xFFFF in Celsius") << 0xFFFF << 0 << 0.0;
    QTest::newRow("0 in Fahrenheit") << 0 << 1 << 0.0;
    QTest::newRow("0xFFFF in Fahrenheit") << 0xFFFF << 1 << 0.0;
}

void TestTimeTemp::unsetCalibrationShowsZero()
{
    QFETCH(int, code);
    QFETCH(int, mode);
    QFETCH(double, shown);
    setMode(mode);
    m_image.holdingRegisters[131] = code;
    makePage();
    QCOMPARE(child<QDoubleSpinBox>("dSTempCalibrate")->value(), shown);
}

void TestTimeTemp::switchingTheUnitTwiceReturnsTheSpinBoxes()
{
    setThresholdCodes(481, 703, 1297);
    makePage();
    QComboBox *mode = child<QComboBox>("combTempMode");
    const double low = child<QDoubleSpinBox>("dSpinTempLow")->value();
    const double high = child<QDoubleSpinBox>("dSpinTempHigh")->value();
    const double calibrate = child<QDoubleSpinBox>("dSTempCalibrate")->value();
    mode->setCurrentIndex(1);
    QCOMPARE(child<QLabel>("lbTemUnit3")->text(), QStringLiteral("℉"));
    QCOMPARE(child<QLabel>("lbTempActive")->text(), QStringLiteral("Active:77.0 ℉"));
    auto *plot = child<MyQwtPlot>("qwtPlotTemp");
    // 20.3 C is 68.54 F, 79.7 C is 175.46 F.
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 66.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 177.0);
    mode->setCurrentIndex(0);
    QCOMPARE(child<QLabel>("lbTemUnit1")->text(), QStringLiteral("℃"));
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempLow")->value(), low);
    QCOMPARE(child<QDoubleSpinBox>("dSpinTempHigh")->value(), high);
    QCOMPARE(child<QDoubleSpinBox>("dSTempCalibrate")->value(), calibrate);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 18.0);
    // Nothing was stored and nothing sent.
    QCOMPARE(AppSettings::store().value(QLatin1String(AppSettings::kTemperatureMode)).toInt(), 0);
    QCOMPARE(m_fixture.sim().requestCount(), 0);

    // Saved after the round trip, the codes go back as they came.
    mode->setCurrentIndex(1);
    click("btnSaveTemSet");
    waitForOutcome();
    QCOMPARE(m_fixture.sim().holdingRegister(1, 131), 481);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 146), 703);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 147), 1297);
}

void TestTimeTemp::activeLabelTurnsRedOutsideTheThresholds()
{
    setThresholdCodes(500, 700, 800);
    m_image.inputRegisters[0] = 810; // 31.0 C, above the 30.0 C line
    makePage();
    QLabel *active = child<QLabel>("lbTempActive");
    const QColor normal = child<QLabel>("lbTempLow")->palette().color(QPalette::WindowText);
    const auto colour = [active] { return active->palette().color(QPalette::WindowText); };
    QCOMPARE(colour(), QColor(255, 0, 0));
    QCOMPARE(child<QLabel>("lbTempLow")->palette().color(QPalette::WindowText), normal);

    child<QCheckBox>("cBoxTempAlarm")->setChecked(false);
    QCOMPARE(colour(), normal);
    child<QCheckBox>("cBoxTempAlarm")->setChecked(true);
    QCOMPARE(colour(), QColor(255, 0, 0));
    // Raising the high threshold above the reading clears it at once.
    child<QDoubleSpinBox>("dSpinTempHigh")->setValue(31.5);
    QCOMPARE(colour(), normal);
    // The same holds in Fahrenheit.
    child<QDoubleSpinBox>("dSpinTempHigh")->setValue(30.0);
    child<QComboBox>("combTempMode")->setCurrentIndex(1);
    QCOMPARE(colour(), QColor(255, 0, 0));

    // A reading inside the lines, read from the pump, turns it back.
    m_fixture.sim().pump(1)->behaviour<SimThermometer>()->pinTemperature(25.0);
    QTest::mouseClick(child<MyQwtPlot>("qwtPlotTemp")->canvas(), Qt::LeftButton);
    waitForOutcome();
    QCOMPARE(active->text(), QStringLiteral("Active:77.0 ℉"));
    QCOMPARE(colour(), normal);
    // Below the low line.
    m_fixture.sim().pump(1)->behaviour<SimThermometer>()->pinTemperature(19.9);
    QTest::mouseClick(child<MyQwtPlot>("qwtPlotTemp")->canvas(), Qt::LeftButton);
    waitForOutcome();
    QCOMPARE(colour(), QColor(255, 0, 0));
}

void TestTimeTemp::toolTipsFollowTheCatalogue()
{
    makePage();
    const QString plotTip = MyMessageBox::helpText(15);
    QCOMPARE(plotTip, QStringLiteral("Read temperature in the past 24 hours"));
    QCOMPARE(child<MyQwtPlot>("qwtPlotTemp")->toolTip(), plotTip);
    QCOMPARE(child<QPushButton>("btnReadTempSettings")->toolTip(), MyMessageBox::helpText(16));
    QCOMPARE(child<QPushButton>("btnSaveTemSet")->toolTip(), MyMessageBox::helpText(17));
    QCOMPARE(child<QPushButton>("btnTimeUpdate")->toolTip(), MyMessageBox::helpText(18));
    m_page->clearToolTips();
    QVERIFY(child<MyQwtPlot>("qwtPlotTemp")->toolTip().isEmpty());
    QVERIFY(child<QPushButton>("btnTimeUpdate")->toolTip().isEmpty());
    m_page->showToolTips();
    QCOMPARE(child<QPushButton>("btnSaveTemSet")->toolTip(), MyMessageBox::helpText(17));

    AppSettings::store().setValue(QLatin1String(AppSettings::kDisplayPrompt), 0);
    makePage();
    QVERIFY(child<QPushButton>("btnReadTempSettings")->toolTip().isEmpty());
}

void TestTimeTemp::screenshots()
{
    if (qEnvironmentVariableIsEmpty("TIDEWELL_SCREENSHOTS"))
        QSKIP("set TIDEWELL_SCREENSHOTS to a directory to take the pictures");
    SimThermometer *thermometer = m_fixture.sim().pump(1)->behaviour<SimThermometer>();
    thermometer->pinTemperature(24.6);
    for (int mode : {0, 1}) {
        for (bool gaps : {false, true}) {
            setMode(mode);
            thermometer->setHistoryGaps(gaps ? QVector<int>({5, 6, 7, 15}) : QVector<int>());
            makePage();
            QTest::mouseClick(child<MyQwtPlot>("qwtPlotTemp")->canvas(), Qt::LeftButton);
            waitForOutcome();
            ClientFixture::screenshot(
                m_page.get(),
                QStringLiteral("timetemp-%1-%2")
                    .arg(mode ? QStringLiteral("fahrenheit") : QStringLiteral("celsius"),
                         gaps ? QStringLiteral("gaps") : QStringLiteral("full")));
        }
    }
    Language::install(Language::kChinese);
    setMode(0);
    makePage();
    QTest::mouseClick(child<MyQwtPlot>("qwtPlotTemp")->canvas(), Qt::LeftButton);
    waitForOutcome();
    ClientFixture::screenshot(m_page.get(), QStringLiteral("timetemp-chinese"));
    Language::install(Language::kEnglish);
}

QTEST_MAIN(TestTimeTemp)
#include "tst_timetemp.moc"
