#pragma once

// One device's tab of the "Manual/Calibration" page: the four manual units
// of the device side by side and, below them, the calibration panel. A
// calibration runs the chosen pump for a fixed work time, counted from the
// pump's acknowledgement, and then stops it; the user types the volume the
// pump delivered and saves the time it needs for 10 ml.
//
// The automatic stop must reach the pump whatever else is going on: when
// another batch runs at the end of the work time, the tab takes over that
// batch's outcome for a moment, queues the stop as soon as the batch ends,
// before anything else can queue, and then hands the outcome on to the
// page that asked for it.

#include "CommBackOperate.h"

#include <QStringList>
#include <QVector>
#include <QWidget>

#include "ui_ManuControl.h"
#include <memory>
#include <optional>

class DialogWaiting;
class ManualControlUnit;
class QTimer;
class UnsavedEdits;
struct RegisterImage;

class ManuControl : public QWidget, public CommBackOperate
{
    Q_OBJECT
public:
    // pumpName, the pump's display name, goes in front of the master's channel
    // names while a slave has none of its own.
    ManuControl(int address, RegisterImage *image, const QString &pumpName = QString(),
                QWidget *parent = nullptr);
    ~ManuControl() override;

    int address() const { return m_address; }
    ManualControlUnit *unit(int pump) const { return m_units.value(pump); }
    bool isCalibrating() const { return m_caliRunning; }
    // The work time of the last run that ran its full time, or 0.
    int completedWorkTimeMs() const;
    // The units and the calibration's pump choice as the settings now name
    // this pump's channels.
    void showPumpNames();

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmission();

public Q_SLOTS:
    void timeoutCalibrate();
    void cBoxCaliMode_CheckChanged(int state);
    void combCaliPump_CurrentIndexChanged(int pump);
    void btnCaliRead_Clicked();
    void btnStartCali_Clicked();
    void btnSaveResult_Clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    class AutoStop;
    friend class AutoStop;

    enum Pending { None = 0, Read = 1, StartStop = 2, Save = 5 };

    struct CompletedRun
    {
        int pump = 0;
        int gear = 0;
        int workTimeMs = 0;
    };

    QStringList pumpNames() const;
    // The units show the run coils as the device image holds them now; called
    // after every change the calibration makes to them.
    void showRunStates();
    void showFlowOfEntry();
    void showHint(const QString &text);
    // Pump choice and mode stay as they are from Start until the run is over,
    // so the stop always addresses the pump that runs.
    void lockRunChoice(bool locked);
    // Prepares the register image for the automatic stop and returns its write.
    QStringList stopCommands();
    void autoStopFinished(int status);

    Ui::ManuControl m_ui;
    int m_address;
    QString m_pumpName;
    RegisterImage *m_image;
    QVector<ManualControlUnit *> m_units;
    DialogWaiting *m_waiting;
    // The delivered volume typed after a run, until Save has written it.
    UnsavedEdits *m_edits;
    QTimer *m_caliTimer;
    std::unique_ptr<AutoStop> m_autoStop;
    bool m_caliRunning = false;
    quint8 m_caliPump = 0;
    quint8 m_caliGear = 0;
    int m_runPump = 0;
    int m_runGear = 0;
    int m_workTimeMs = 0;
    int m_elapsedSeconds = 0;
    int m_pending = None;
    // The entry a save changed and its value before, to undo a failed save.
    int m_savedEntryPump = 0;
    int m_savedEntryGear = 0;
    int m_savedEntryValue = 0;
    std::optional<CompletedRun> m_completedRun;
    std::optional<CompletedRun> m_stoppingRun;
};
