#pragma once

#include "ui_DialogPumpName.h"
#include <QDialog>

// Renames the four channels of one pump, the one at address, which the
// dialog names by pumpName, its display name. The names live only on the
// PC. A slave without names of its own starts from the master's, behind
// its display name; nothing is stored before Confirm.
class DialogPumpName : public QDialog
{
    Q_OBJECT
public:
    DialogPumpName(int address, const QString &pumpName, QWidget *parent = nullptr);

    int address() const { return m_address; }

public Q_SLOTS:
    void btnConfirm_Clicked();
    void btnCancel_Clicked();

private:
    Ui::DialogPumpName m_ui;
    int m_address;
};
