#pragma once

#include "DoseProgramme.h"

#include "ui_AutoModeUnit.h"
#include <QStringList>
#include <QTime>
#include <QVector>
#include <QWidget>

// The editor of one pump channel's programme: the automatic editors (switch,
// run mode, speed, reagent, doses, volume, times, week days) or the custom
// plans, with everything but the switch greyed out while the channel is off.
// The dose settings page reads and fills it through the typed accessors.
class AutoModeUnit : public QWidget
{
    Q_OBJECT
public:
    enum DisplayMode { DisplayWeek = 0, DisplayPlan };

    explicit AutoModeUnit(QWidget *parent = nullptr);

    int channelOnOff() const;
    int runMode() const;
    void setSpeed(int index);
    int speed() const;
    void setReagentNames(const QStringList &names);
    void setReagent(int index);
    int reagent() const;
    void setTitle(const QString &title);
    QString title() const;
    void setStartTime(const QTime &time);
    void setStopTime(const QTime &time);
    QTime startTime() const;
    QTime stopTime() const;
    void rebuildDoseChoices();
    QStringList doseChoices() const;
    void setDosesPerDay(int doses);
    int dosesPerDay() const;
    void setTotalVolume(double volume, bool marked = false);
    double totalVolume() const;
    bool volumeMarked() const;
    void setWeekMask(int mask);
    int weekMask() const;

    void clearPlans();
    void addPlan(const QTime &time, double volume);
    void putPlansInOrder();
    QVector<QTime> planTimes() const;
    QVector<double> planVolumes() const;
    QVector<DoseProgramme::Plan> plans() const;

    void setDisplayMode(int mode);
    int displayMode() const { return m_displayMode; }
    int setupMode() const { return m_setupMode; }
    int runModeCode() const { return m_runModeCode; }

public Q_SLOTS:
    void setupChannelOnOffIndex(int index);
    void autoCustomModeChanged(int mode);
    void setupRunModeIndex(int index);
    void cboxDisMode_CurrentIndexChanged(int mode);
    void editCustomPlan(int index, QTime time, double volume);
    void deleteCustomPlan(int index);

private:
    Ui::AutoModeUnit m_ui;
    int m_runModeCode = 1; // run-mode index + 1; 4 is "Week"
    int m_setupMode = DoseProgramme::SetupAuto;
    int m_displayMode = DisplayWeek;
};
