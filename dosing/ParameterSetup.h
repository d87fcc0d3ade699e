#pragma once

// The "Quik Setup" page: recommended and maximum daily doses from the
// aquarium's volume and consumption, and Setup, which programmes the
// master for one dose a day on channels 1 to 3 with the recommended doses,
// once the user has seen that programme beside the one it replaces and
// confirmed any dose above its maximum.
// The inputs and results go into the settings only once the pump has taken
// the whole batch; quikSetup() then tells the main window to show the
// master's new programme.

#include "CommBackOperate.h"
#include "QuickSetup.h"

#include "ui_ParameterSetup.h"
#include <QWidget>

class DialogWaiting;
class QDoubleSpinBox;
class UnsavedEdits;
struct RegisterImage;

class ParameterSetup : public QWidget, public CommBackOperate
{
    Q_OBJECT
public:
    enum State { StateIdle = 0, StateWriting };

    explicit ParameterSetup(QWidget *parent = nullptr);

    int state() const { return m_state; }

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmission();
    // The master's programme was written; the dose pages must decode it again.
    void quikSetup();

public Q_SLOTS:
    void btnCalculate_Click();
    void btnReset_Click();
    void btnSetup_Click();
    void btnSave_Click();
    void cbCustom_StateChanged(int state);

private:
    QuickSetup::Inputs inputs() const;
    QuickSetup::Results results() const;
    void showResults(const QuickSetup::Results &results);
    void setResultsEnabled(bool enabled);
    // Shows the master's programme now beside the one Setup writes, then
    // asks about channels above their maximum; false on either Cancel.
    bool confirmProgramme(const RegisterImage &master, const QuickSetup::Results &written,
                          double litres);

    Ui::ParameterSetup m_ui;
    DialogWaiting *m_waiting;
    UnsavedEdits *m_edits;
    int m_state = StateIdle;
};
