#pragma once

// "Password Setup": changes the device password kept in the master pump.
// Confirm reads the password registers; the typed old password is checked
// against them here, the new one validated, packed and written back with
// the commit coil. Opened modally from the main window's menu.

#include "CommBackOperate.h"

#include "ui_DialogPassword.h"
#include <QDialog>

class DialogPassword : public QDialog, public CommBackOperate
{
    Q_OBJECT
public:
    enum Step { StepIdle = 0, StepRead = 1, StepWritten = 2 };

    explicit DialogPassword(QWidget *parent = nullptr);

    int step() const { return m_step; }

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmission();

public Q_SLOTS:
    // Connected by object name when the form is set up.
    void on_btnConfirm_clicked();
    void on_btnCancel_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showMessage(const QString &text);
    bool startBatch(const QStringList &commands);

    Ui::DialogPassword m_ui;
    int m_step = StepIdle;
};
