#pragma once

#include <QDialog>

namespace Ui {
class DialogPumpName;
}

// Renames the four channels. The names live only on the PC.
class DialogPumpName : public QDialog
{
    Q_OBJECT
public:
    explicit DialogPumpName(QWidget *parent = nullptr);
    ~DialogPumpName() override;

public Q_SLOTS:
    void btnConfirm_Clicked();
    void btnCancel_Clicked();

private:
    Ui::DialogPumpName *m_ui;
};
