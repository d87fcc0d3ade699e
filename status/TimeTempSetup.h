#pragma once

// The "Time/Temp" page of the master pump. It shows the temperature now, the
// extremes and a plot of the last 24 hourly samples between the two alarm
// lines; reads and saves the alarm settings; sets the clock of the master and
// of every slave in use; and shows everything in Celsius or Fahrenheit.
// Values come from and go to the master's device image (the working image)
// through the domain functions of TimeTempDomain.h; each operation queues
// its commands while the queue is idle and hears its outcome through
// CommBackOperate, with m_pending naming the operation in flight.

#include "CommBackOperate.h"
#include "RegisterImage.h"
#include "TimeTempDomain.h"

#include "ui_TimeTempSetup.h"
#include <QDate>
#include <QDateTime>
#include <QVector>
#include <QWidget>

class DialogWaiting;
class QTimer;
class QwtPlotCurve;
class UnsavedEdits;

class TimeTempSetup : public QWidget, public CommBackOperate
{
    Q_OBJECT
public:
    // The operation in flight.
    enum Pending {
        PendingNone = 0,
        PendingClock = 1,
        PendingReadSettings = 2,
        PendingSaveSettings = 3,
        PendingReadTemperature = 4
    };

    static constexpr int kClockIntervalMs = 1000;

    explicit TimeTempSetup(QWidget *parent = nullptr);
    ~TimeTempSetup() override;

    void showToolTips();
    void clearToolTips();

    void operateSuccess() override;
    void operateFailure(int status) override;

    int pending() const { return m_pending; }

Q_SIGNALS:
    void transmission();
    // The master and every slave in use took moment as their clock.
    void clockSet(const QDateTime &moment);

public Q_SLOTS:
    void caledarSetup(QDate date);
    void timerOutTime();
    void btnReadTemp_Clicked();
    void btnDateSetup_Clicked();
    void btnTimeUpdate_Clicked();
    void cBoxTempAlarm_CheckChanged(int state);
    void btnReadTempSettings_Clicked();
    void btnSaveTemSet_Clicked();
    void combTempMode_CurrentIndexChanged(int index);
    void dSTempCalibrate_ValueChanged(double value);
    void dSpinTempLow_ValueChanged(double value);
    void dSpinTempHigh_ValueChanged(double value);

protected:
    void changeEvent(QEvent *event) override;

private:
    TimeTemp::Unit unit() const;
    void showPumpClock(const QDateTime &now);
    RegisterImage &workingImage();
    // Called only while the queue is idle.
    void startOperation(Pending operation, const QStringList &commands);
    void finishOperation();

    // True when it replotted (the history holds a sample).
    bool temperatureRefresh();
    void showUnitLabels();
    void showSettingsInSpinBoxes();
    void takeSettings(const TimeTemp::TemperatureSettings &settings);
    void updateThresholdLines();
    void updateYAxis();
    void showAlarmState();
    void fillTempModeItems();

    Ui::TimeTempSetup m_ui;
    DialogWaiting *m_waiting;
    // The clock the user types and the alarm settings are saved apart.
    UnsavedEdits *m_clockEdits;
    UnsavedEdits *m_settingsEdits;
    QTimer *m_timer;
    // Used only when no login cycle has published the master's image.
    RegisterImage m_fallbackImage;

    QVector<double> m_historyX;
    QVector<double> m_historyTemperatures;
    QVector<double> m_lineX;
    QVector<double> m_lineHigh;
    QVector<double> m_lineLow;
    QwtPlotCurve *m_curveHistory = nullptr;
    QwtPlotCurve *m_curveHigh = nullptr;
    QwtPlotCurve *m_curveLow = nullptr;

    bool m_historyValid = false;
    bool m_currentValid = false;
    float m_lowest = 0;
    float m_highest = 0;
    float m_current = 0;

    // In the display unit. Values the page puts into the spin boxes are kept
    // here unrounded, so that an unchanged value goes back to the pump with
    // the code it came with; a value the user edits is taken as shown.
    float m_tempHigh = 0;
    float m_tempLow = 0;
    float m_tempCalibrate = 0;

    int m_pending = PendingNone;
    // What the clock batch in flight sets.
    QDateTime m_clockMoment;
    bool m_alarmShown = false; // "Active" is drawn in the alarm colour
};
