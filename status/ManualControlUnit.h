#pragma once

// One pump channel of the manual page: its speed gear, a volume and a
// Start/Stop button. Start writes the volume and the run coil, after asking
// when the volume is more than the liquid left in the bottle; the page
// then shows the motor running for the time the calibration gives, after
// which the pump stops by itself. A gear change is written at once. Both
// act only while the command queue is idle, and both are undone in the
// device image when the pump does not confirm them.

#include "CommBackOperate.h"

#include "ui_ManualControlUnit.h"
#include <QWidget>

class QMovie;
class QTimer;
struct RegisterImage;

class ManualControlUnit : public QWidget, public CommBackOperate
{
    Q_OBJECT
public:
    ManualControlUnit(int address, int pump, RegisterImage *image, QWidget *parent = nullptr);

    int pumpIndex() const { return m_pump; }
    void setPumpName(const QString &name);
    // Shows gear without writing it.
    void setSpeed(int gear);
    int speed() const;
    double volume() const;
    void setVolume(double ml);
    // Shows the run coil the device image holds; whoever changes that coil
    // calls this, so the button never offers "Stop" for a stopped pump.
    void showRunState();
    bool isShownRunning() const { return m_shownRunning; }
    bool isRunTimerActive() const;
    int runTimerInterval() const;

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmisson();

public Q_SLOTS:
    void timeout();
    void btnStart_Clicked();
    void combSpeed_Changed(int gear);

private:
    enum Pending { None = 0, StartStop = 1, GearChange = 2 };

    void showRunning(bool running);
    // Asks first when the run wants more than the bottle's liquid left;
    // true to start.
    bool confirmLiquidLeft(int volumeMl);

    Ui::ManualControlUnit m_ui;
    int m_address;
    int m_pump;
    RegisterImage *m_image;
    QTimer *m_runTimer;
    QMovie *m_movie;
    int m_pending = None;
    bool m_wasRunning = false;
    // What the button and the animation show; a press acts on this.
    bool m_shownRunning = false;
    int m_previousGear = 0;
};
