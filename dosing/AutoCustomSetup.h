#pragma once

#include "ui_AutoCustomSetup.h"
#include <QTime>
#include <QWidget>

// The entry form for one custom plan of a channel: index, start time and
// volume, with Confirm (add or edit) and Remove.
class AutoCustomSetup : public QWidget
{
    Q_OBJECT
public:
    explicit AutoCustomSetup(QWidget *parent = nullptr);

    // All controls together; a request that changes nothing is ignored.
    void setControlsEnabled(bool enabled);
    bool controlsEnabled() const { return m_enabled; }

Q_SIGNALS:
    void editPlan(int index, QTime time, double volume);
    void deletePlan(int index);

public Q_SLOTS:
    void btnConfirm_Clicked();
    void btnDelete_Clicked();

private:
    Ui::AutoCustomSetup m_ui;
    bool m_enabled = true;
};
