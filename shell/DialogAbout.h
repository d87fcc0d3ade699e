#pragma once

#include "ui_DialogAbout.h"
#include <QDialog>

// The client's version and the firmware versions of the master pump as
// recorded at the last successful read.
class DialogAbout : public QDialog
{
    Q_OBJECT
public:
    static const char kClientVersion[];

    explicit DialogAbout(QWidget *parent = nullptr);

public Q_SLOTS:
    void btnClose_Clicked();

private:
    Ui::DialogAbout m_ui;
};
