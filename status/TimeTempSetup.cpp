#include "TimeTempSetup.h"

#include "AppSettings.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "DialogWaiting.h"
#include "MyMessageBox.h"
#include "Overview.h"
#include "OverviewPage.h"
#include "UnsavedEdits.h"

#include <QDateTime>
#include <QEvent>
#include <QPen>
#include <QSignalBlocker>
#include <QTimer>

#include <qwt_plot_curve.h>
#include <qwt_symbol.h>

namespace {

using TimeTemp::Unit;

// Prompt numbers and help texts of the catalogue.
constexpr int kPromptSaved = 3;
constexpr int kPromptSaveFailed = 4;
constexpr int kPromptReadDone = 5;
constexpr int kPromptReadFailed = 6;
constexpr int kHelpPlot = 15;
constexpr int kHelpReadSettings = 16;
constexpr int kHelpSaveSettings = 17;
constexpr int kHelpTimeUpdate = 18;

const QColor kHistoryColour(0, 0, 255);
const QColor kThresholdColour(128, 128, 128);
const QColor kAlarmColour(255, 0, 0);
const QSize kSampleDotSize(5, 5);

QString unitSymbol(Unit unit)
{
    return unit == Unit::Fahrenheit ? QStringLiteral("℉") : QStringLiteral("℃");
}

QwtPlotCurve *makeCurve(const QString &title, const QColor &colour)
{
    auto *curve = new QwtPlotCurve(title);
    curve->setCurveAttribute(QwtPlotCurve::Fitted);
    curve->setPen(QPen(colour));
    return curve;
}

} // namespace

TimeTempSetup::TimeTempSetup(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    m_waiting = new DialogWaiting(this);
    m_timer = new QTimer(this);
    m_timer->setInterval(kClockIntervalMs);
    m_timer->start();
    m_ui.dateEditDate->setDate(QDate::currentDate());
    m_ui.timeEditTime->setTime(QTime::currentTime());

    fillTempModeItems();

    QSettings &settings = AppSettings::store();
    const TimeTemp::TemperatureSettings stored = TimeTemp::decodeSettings(workingImage());
    if (stored.alarmOn)
        m_ui.cBoxTempAlarm->setChecked(*stored.alarmOn);
    const Unit shown = TimeTemp::unitFromSetting(
        settings.value(QLatin1String(AppSettings::kTemperatureMode)).toInt());
    m_ui.combTempMode->setCurrentIndex(int(shown));
    takeSettings(stored);
    m_current = TimeTemp::decodeTemperature(
        workingImage().inputRegisters[TimeTemp::kCurrentTemperatureRegister]);
    showUnitLabels();
    showSettingsInSpinBoxes();

    m_curveHistory = makeCurve(tr("Temp."), kHistoryColour);
    // A dot on every sample, so that an hour without one shows as a gap.
    m_curveHistory->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(kHistoryColour),
                                            QPen(kHistoryColour), kSampleDotSize));
    m_curveHigh = makeCurve(QString(), kThresholdColour);
    m_curveLow = makeCurve(QString(), kThresholdColour);
    m_ui.qwtPlotTemp->setAxisScale(QwtPlot::xBottom, TimeTemp::kXAxisMinimum,
                                   TimeTemp::kXAxisMaximum);
    updateYAxis();
    updateThresholdLines();
    m_curveHistory->attach(m_ui.qwtPlotTemp);
    m_curveHigh->attach(m_ui.qwtPlotTemp);
    m_curveLow->attach(m_ui.qwtPlotTemp);
    if (!temperatureRefresh())
        m_ui.qwtPlotTemp->replot();

    if (settings.value(QLatin1String(AppSettings::kDisplayPrompt)).toInt() == 1)
        showToolTips();

    if (CommSend *queue = CommSend::instance())
        connect(this, &TimeTempSetup::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
    connect(m_ui.qwtPlotTemp, &MyQwtPlot::clicked, this, &TimeTempSetup::btnReadTemp_Clicked);
    connect(m_ui.btnDateSetup, &QPushButton::clicked, this, &TimeTempSetup::btnDateSetup_Clicked);
    connect(m_ui.btnTimeUpdate, &QPushButton::clicked, this, &TimeTempSetup::btnTimeUpdate_Clicked);
    connect(m_ui.btnReadTempSettings, &QPushButton::clicked, this,
            &TimeTempSetup::btnReadTempSettings_Clicked);
    connect(m_ui.btnSaveTemSet, &QPushButton::clicked, this, &TimeTempSetup::btnSaveTemSet_Clicked);
    connect(m_ui.cBoxTempAlarm, &QCheckBox::stateChanged, this,
            &TimeTempSetup::cBoxTempAlarm_CheckChanged);
    connect(m_ui.combTempMode, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TimeTempSetup::combTempMode_CurrentIndexChanged);
    connect(m_ui.dSTempCalibrate, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &TimeTempSetup::dSTempCalibrate_ValueChanged);
    connect(m_ui.dSpinTempLow, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &TimeTempSetup::dSpinTempLow_ValueChanged);
    connect(m_ui.dSpinTempHigh, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &TimeTempSetup::dSpinTempHigh_ValueChanged);
    connect(m_timer, &QTimer::timeout, this, &TimeTempSetup::timerOutTime);

    // Watched only now: what the page has shown so far is the pump's.
    m_clockEdits = new UnsavedEdits(this);
    m_clockEdits->watch({m_ui.combSetupTime, m_ui.dateEditDate, m_ui.timeEditTime});
    m_settingsEdits = new UnsavedEdits(this);
    m_settingsEdits->watch({m_ui.cBoxTempAlarm, m_ui.combTempMode, m_ui.dSTempCalibrate,
                            m_ui.dSpinTempLow, m_ui.dSpinTempHigh});
}

TimeTempSetup::~TimeTempSetup()
{
    if (CommSend *queue = CommSend::instance())
        queue->forget(this);
}

void TimeTempSetup::showToolTips()
{
    m_ui.qwtPlotTemp->setToolTip(MyMessageBox::helpText(kHelpPlot));
    m_ui.btnReadTempSettings->setToolTip(MyMessageBox::helpText(kHelpReadSettings));
    m_ui.btnSaveTemSet->setToolTip(MyMessageBox::helpText(kHelpSaveSettings));
    m_ui.btnTimeUpdate->setToolTip(MyMessageBox::helpText(kHelpTimeUpdate));
}

void TimeTempSetup::clearToolTips()
{
    m_ui.qwtPlotTemp->setToolTip(QString());
    m_ui.btnReadTempSettings->setToolTip(QString());
    m_ui.btnSaveTemSet->setToolTip(QString());
    m_ui.btnTimeUpdate->setToolTip(QString());
}

Unit TimeTempSetup::unit() const
{
    return TimeTemp::unitFromSetting(m_ui.combTempMode->currentIndex());
}

RegisterImage &TimeTempSetup::workingImage()
{
    RegisterImage *image = RegisterImage::working();
    return image ? *image : m_fallbackImage;
}

void TimeTempSetup::fillTempModeItems()
{
    const QSignalBlocker blocker(m_ui.combTempMode);
    const QStringList items = {tr("℃ Celsius degrees"), tr("℉ Fahrenheit scale")};
    if (m_ui.combTempMode->count() == 0) {
        m_ui.combTempMode->addItems(items);
        return;
    }
    for (int i = 0; i < items.size(); ++i)
        m_ui.combTempMode->setItemText(i, items.at(i));
}

// The device's settings (in Celsius) into the members, in the shown unit.
void TimeTempSetup::takeSettings(const TimeTemp::TemperatureSettings &settings)
{
    m_tempCalibrate = TimeTemp::offsetToUnit(settings.calibration, unit());
    m_tempLow = TimeTemp::toUnit(settings.low, unit());
    m_tempHigh = TimeTemp::toUnit(settings.high, unit());
}

void TimeTempSetup::showUnitLabels()
{
    const QString symbol = unitSymbol(unit());
    m_ui.lbTemUnit1->setText(symbol);
    m_ui.lbTemUnit2->setText(symbol);
    m_ui.lbTemUnit3->setText(symbol);
}

void TimeTempSetup::showSettingsInSpinBoxes()
{
    // The spin boxes round to one decimal; the members keep the exact value.
    const QSignalBlocker calibrate(m_ui.dSTempCalibrate);
    const QSignalBlocker low(m_ui.dSpinTempLow);
    const QSignalBlocker high(m_ui.dSpinTempHigh);
    // The same corrections span more Fahrenheit degrees than Celsius ones.
    const TimeTemp::Range calibration = TimeTemp::calibrationRange(unit());
    m_ui.dSTempCalibrate->setRange(calibration.minimum, calibration.maximum);
    m_ui.dSTempCalibrate->setValue(m_tempCalibrate);
    m_ui.dSpinTempLow->setValue(m_tempLow);
    m_ui.dSpinTempHigh->setValue(m_tempHigh);
    showAlarmState();
}

void TimeTempSetup::updateThresholdLines()
{
    m_lineX.clear();
    m_lineHigh.clear();
    m_lineLow.clear();
    for (int i = 0; i < TimeTemp::kHistorySampleCount; ++i) {
        m_lineX.append(i);
        m_lineHigh.append(m_tempHigh);
        m_lineLow.append(m_tempLow);
    }
    m_curveHigh->setSamples(m_lineX, m_lineHigh);
    m_curveLow->setSamples(m_lineX, m_lineLow);
}

void TimeTempSetup::updateYAxis()
{
    const TimeTemp::AxisBounds bounds = TimeTemp::yAxisBounds(m_tempLow, m_tempHigh);
    m_ui.qwtPlotTemp->setAxisScale(QwtPlot::yLeft, bounds.minimum, bounds.maximum);
}

void TimeTempSetup::showAlarmState()
{
    const std::optional<float> current =
        m_currentValid ? std::optional<float>(m_current) : std::nullopt;
    const bool alarm = TimeTemp::isOutsideAlarmRange(m_ui.cBoxTempAlarm->isChecked(), current,
                                                     m_tempLow, m_tempHigh);
    // A palette change restyles and repaints the label: only when it turns.
    if (alarm == m_alarmShown)
        return;
    m_alarmShown = alarm;
    if (!alarm) {
        // An empty palette lets the label take its colours from the page again.
        m_ui.lbTempActive->setPalette(QPalette());
        return;
    }
    QPalette palette = m_ui.lbTempActive->palette();
    palette.setColor(QPalette::WindowText, kAlarmColour);
    m_ui.lbTempActive->setPalette(palette);
}

bool TimeTempSetup::temperatureRefresh()
{
    const RegisterImage &image = workingImage();
    const TimeTemp::History history = TimeTemp::decodeHistory(image, unit());
    m_historyX = history.x;
    m_historyTemperatures = history.temperatures;
    m_historyValid = history.valid;
    if (history.valid) {
        m_lowest = history.lowest;
        m_highest = history.highest;
    }
    const std::optional<float> current = TimeTemp::decodeCurrent(image, unit());
    m_currentValid = current.has_value();
    if (current)
        m_current = *current;

    const bool fahrenheit = unit() == Unit::Fahrenheit;
    const auto number = [](float value) { return QString::number(value, 'f', 1); };
    const QString nothing = tr("Nothing");
    m_ui.lbTempLow->setText(!m_historyValid  ? nothing
                                : fahrenheit ? tr("Low:%1 ℉").arg(number(m_lowest))
                                             : tr("Low:%1 ℃").arg(number(m_lowest)));
    m_ui.lbTempHigh->setText(!m_historyValid  ? nothing
                                 : fahrenheit ? tr("High:%1 ℉").arg(number(m_highest))
                                              : tr("High:%1 ℃").arg(number(m_highest)));
    m_ui.lbTempActive->setText(!m_currentValid  ? nothing
                                   : fahrenheit ? tr("Active:%1 ℉").arg(number(m_current))
                                                : tr("Active:%1 ℃").arg(number(m_current)));
    showAlarmState();

    // With no sample at all the plot keeps the curve it had.
    if (m_historyX.isEmpty())
        return false;
    m_curveHistory->setSamples(m_historyX, m_historyTemperatures);
    m_ui.qwtPlotTemp->replot();
    return true;
}

void TimeTempSetup::startOperation(Pending operation, const QStringList &commands)
{
    m_waiting->exec();
    m_pending = operation;
    BatchStart::queue(commands, this);
    Q_EMIT transmission();
}

void TimeTempSetup::finishOperation()
{
    m_pending = PendingNone;
    m_waiting->close();
}

void TimeTempSetup::caledarSetup(QDate date)
{
    m_ui.dateEditDate->setDate(date);
}

void TimeTempSetup::showPumpClock(const QDateTime &now)
{
    const Overview::Clock clock = Overview::checkClock(workingImage(), now);
    const QString text = clock.pumpNow
        ? tr("Pump clock: %1, %2")
              .arg(clock.pumpNow->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                   OverviewPage::clockDifferenceText(clock.offsetSeconds))
        : tr("Pump clock: not set");
    m_ui.lbPumpClock->setText(text);
    // Coloured and worded alike: a wrong clock doses at the wrong hour.
    m_ui.lbPumpClock->setStyleSheet(clock.wrong ? QStringLiteral("color:#a02800") : QString());
    m_ui.lbPumpClock->setToolTip(clock.wrong ? tr("The pump's clock is wrong: set it from the PC")
                                             : QString());
}

void TimeTempSetup::timerOutTime()
{
    showPumpClock(QDateTime::currentDateTime());
    // While "Setup Time" is checked the user types a date and time of their own.
    if (m_ui.combSetupTime->isChecked())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const UnsavedEdits::Loading loading(*m_clockEdits);
    m_ui.timeEditTime->setTime(now.time());
    m_ui.dateEditDate->setDate(now.date());
}

void TimeTempSetup::btnReadTemp_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    startOperation(PendingReadTemperature, TimeTemp::readTemperatureCommands());
}

void TimeTempSetup::btnDateSetup_Clicked()
{
    // The button stays hidden; its calendar is the date editor's own popup.
    caledarSetup(QDate::currentDate());
}

void TimeTempSetup::btnTimeUpdate_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    const QDateTime moment = m_ui.combSetupTime->isChecked()
        ? QDateTime(m_ui.dateEditDate->date(), m_ui.timeEditTime->time())
        : QDateTime::currentDateTime();
    TimeTemp::stageClockUpdate(workingImage(), *RegisterImage::shared(), moment);
    m_clockMoment = moment;
    const QVector<int> slaves = TimeTemp::slavesInUse(AppSettings::store());
    startOperation(PendingClock, TimeTemp::clockUpdateCommands(slaves));
}

void TimeTempSetup::cBoxTempAlarm_CheckChanged(int state)
{
    Q_UNUSED(state)
    showAlarmState();
}

void TimeTempSetup::btnReadTempSettings_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    startOperation(PendingReadSettings, TimeTemp::readSettingsCommands());
}

void TimeTempSetup::btnSaveTemSet_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    // The members stay in the shown unit; the pump gets Celsius codes.
    TimeTemp::stageSettingsSave(
        workingImage(), *RegisterImage::shared(), m_ui.cBoxTempAlarm->isChecked(),
        TimeTemp::offsetFromUnit(m_tempCalibrate, unit()), TimeTemp::fromUnit(m_tempLow, unit()),
        TimeTemp::fromUnit(m_tempHigh, unit()));
    startOperation(PendingSaveSettings, TimeTemp::saveSettingsCommands());
}

void TimeTempSetup::combTempMode_CurrentIndexChanged(int index)
{
    if (index == int(Unit::Celsius)) {
        m_tempCalibrate = TimeTemp::offsetToCelsius(m_tempCalibrate);
        m_tempHigh = TimeTemp::toCelsius(m_tempHigh);
        m_tempLow = TimeTemp::toCelsius(m_tempLow);
    } else if (index == int(Unit::Fahrenheit)) {
        m_tempCalibrate = TimeTemp::offsetToFahrenheit(m_tempCalibrate);
        m_tempHigh = TimeTemp::toFahrenheit(m_tempHigh);
        m_tempLow = TimeTemp::toFahrenheit(m_tempLow);
    } else {
        return;
    }
    showUnitLabels();
    updateThresholdLines();
    updateYAxis();
    if (!temperatureRefresh())
        m_ui.qwtPlotTemp->replot();
    showSettingsInSpinBoxes();
}

void TimeTempSetup::dSTempCalibrate_ValueChanged(double value)
{
    m_tempCalibrate = float(value);
}

void TimeTempSetup::dSpinTempLow_ValueChanged(double value)
{
    m_tempLow = float(value);
    showAlarmState();
}

void TimeTempSetup::dSpinTempHigh_ValueChanged(double value)
{
    m_tempHigh = float(value);
    showAlarmState();
}

void TimeTempSetup::operateSuccess()
{
    const int finished = m_pending;
    finishOperation();
    switch (finished) {
    case PendingClock:
        showPumpClock(QDateTime::currentDateTime());
        Q_EMIT clockSet(m_clockMoment);
        m_clockEdits->clear();
        MyMessageBox::prompt(this, kPromptSaved);
        break;
    case PendingReadSettings: {
        RegisterImage &image = workingImage();
        TimeTemp::copySettings(*RegisterImage::shared(), image);
        const UnsavedEdits::Loading loading(*m_settingsEdits);
        const TimeTemp::TemperatureSettings settings = TimeTemp::decodeSettings(image);
        if (settings.alarmOn)
            m_ui.cBoxTempAlarm->setChecked(*settings.alarmOn);
        {
            // The stored unit comes back without converting the old values:
            // they are replaced by the ones just read.
            const QSignalBlocker blocker(m_ui.combTempMode);
            m_ui.combTempMode->setCurrentIndex(int(TimeTemp::unitFromSetting(
                AppSettings::store().value(QLatin1String(AppSettings::kTemperatureMode)).toInt())));
        }
        takeSettings(settings);
        showUnitLabels();
        showSettingsInSpinBoxes();
        updateThresholdLines();
        updateYAxis();
        // The unit may have changed with it; one replot shows it all.
        if (!temperatureRefresh())
            m_ui.qwtPlotTemp->replot();
        m_settingsEdits->clear();
        MyMessageBox::prompt(this, kPromptReadDone);
        break;
    }
    case PendingSaveSettings:
        updateYAxis();
        updateThresholdLines();
        m_ui.qwtPlotTemp->replot();
        AppSettings::store().setValue(QLatin1String(AppSettings::kTemperatureMode),
                                      TimeTemp::settingFromUnit(unit()));
        m_settingsEdits->clear();
        MyMessageBox::prompt(this, kPromptSaved);
        break;
    case PendingReadTemperature:
        TimeTemp::copyTemperatureReadings(*RegisterImage::shared(), workingImage());
        temperatureRefresh();
        break;
    default:
        break;
    }
}

void TimeTempSetup::operateFailure(int status)
{
    Q_UNUSED(status)
    const int finished = m_pending;
    finishOperation();
    if (finished == PendingClock || finished == PendingSaveSettings)
        MyMessageBox::prompt(this, kPromptSaveFailed);
    else if (finished == PendingReadSettings)
        MyMessageBox::prompt(this, kPromptReadFailed);
}

void TimeTempSetup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_curveHistory) {
        m_ui.retranslateUi(this);
        fillTempModeItems();
        m_curveHistory->setTitle(tr("Temp."));
        temperatureRefresh();
    }
    QWidget::changeEvent(event);
}
