#pragma once

#include <QWidget>

namespace Ui {
class FirmwareUpgrade;
}

// The "Firmware Upgrade" page: sends a firmware image to the boot loader.
class FirmwareUpgrade : public QWidget
{
    Q_OBJECT
public:
    explicit FirmwareUpgrade(QWidget *parent = nullptr);
    ~FirmwareUpgrade() override;
    void showToolTips();
    void clearToolTips();


private:
    Ui::FirmwareUpgrade *m_ui;
};
