#pragma once

#include "ui_AutoSetupParameter.h"
#include <QStringList>
#include <QTime>
#include <QWidget>

// A channel's automatic programme: doses per day, total volume, start and
// stop time, and the volume of one dose that follows from them.
class AutoSetupParameter : public QWidget
{
    Q_OBJECT
public:
    explicit AutoSetupParameter(QWidget *parent = nullptr);

    void setControlsEnabled(bool enabled);
    bool controlsEnabled() const { return m_enabled; }

    // The choices are the divisors of the span between start and stop.
    void rebuildDoseChoices();
    QStringList doseChoices() const { return m_choices; }
    // Selects the choice with that number; a number not offered changes nothing.
    void setDosesPerDay(int doses);
    // 0 while there is no choice.
    int dosesPerDay() const;
    // marked: the pump's value could not be shown and this is its clamp.
    void setTotalVolume(double volume, bool marked = false);
    double totalVolume() const;
    bool volumeMarked() const { return m_marked; }
    void setStartTime(const QTime &time);
    void setStopTime(const QTime &time);
    QTime startTime() const;
    QTime stopTime() const;

public Q_SLOTS:
    void dSpinBox_ValueChanged(double value);
    void combTimes_CurrentIndexChanged(int index);
    void tEStartTime_TimeChanged(const QTime &time);
    void tEStopTime_TimeChanged(const QTime &time);

private:
    // The time shown snapped to the whole hour it starts or ends, and the
    // dose choices rebuilt for the span.
    void snapStartTime();
    void snapStopTime();
    void showPerDose(double total);
    void showMark(bool marked);

    Ui::AutoSetupParameter m_ui;
    bool m_enabled = true;
    bool m_marked = false;
    bool m_settingVolume = false;
    QStringList m_choices;
};
