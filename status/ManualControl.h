#pragma once

// The "Manual/Calibration" page: one ManuControl tab per pump in use,
// master first, in the order the orchestrator hands them over. Its tabs
// have no help texts of their own.

#include "DeviceTabs.h"
#include "ui_ManualControl.h"

class ManuControl;

class ManualControl : public DeviceTabs
{
    Q_OBJECT
public:
    explicit ManualControl(QWidget *parent = nullptr);

    // Builds the page if its tab has not been shown yet.
    ManuControl *tab(int index);

protected:
    QWidget *createPage(const QString &name, int address, RegisterImage *image,
                        QWidget *parent) override;
    void showPumpNames(QWidget *page) override;

private:
    Ui::ManualControl m_ui;
};
