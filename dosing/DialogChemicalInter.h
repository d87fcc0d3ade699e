#pragma once

// The anti-chemical-interference intervals of the master pump. The boxes
// start from the master's device image; Read asks the pump, Confirm writes
// the four values when together they stay within 55 minutes and closes the
// dialog once the pump has taken them.

#include "ChemicalInterval.h"
#include "CommBackOperate.h"

#include "ui_DialogChemicalInter.h"
#include <QDialog>

class QSpinBox;

class DialogChemicalInter : public QDialog, public CommBackOperate
{
    Q_OBJECT
public:
    enum State { StateIdle = 0, StateSaving, StateReading };

    explicit DialogChemicalInter(QWidget *parent = nullptr);

    int state() const { return m_state; }

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmission();

public Q_SLOTS:
    void btnRead_Clicked();
    void btnConfirm_Clicked();
    void btnCancel_Clicked();

private:
    void showIntervals(const ChemicalInterval::Intervals &intervals);
    ChemicalInterval::Intervals intervals() const;

    Ui::DialogChemicalInter m_ui;
    QSpinBox *m_boxes[ChemicalInterval::kChannelCount];
    int m_state = StateIdle;
};
