#pragma once

#include "ui_DialogPumpName.h"
#include <QDialog>

// Renames the four channels. The names live only on the PC.
class DialogPumpName : public QDialog
{
    Q_OBJECT
public:
    explicit DialogPumpName(QWidget *parent = nullptr);

public Q_SLOTS:
    void btnConfirm_Clicked();
    void btnCancel_Clicked();

private:
    Ui::DialogPumpName m_ui;
};
