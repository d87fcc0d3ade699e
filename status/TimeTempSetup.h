#pragma once

#include <QWidget>

namespace Ui {
class TimeTempSetup;
}

// The "Time/Temp" page: pump clock, temperature and its alarms.
class TimeTempSetup : public QWidget
{
    Q_OBJECT
public:
    explicit TimeTempSetup(QWidget *parent = nullptr);
    ~TimeTempSetup() override;
    void showToolTips();
    void clearToolTips();


private:
    Ui::TimeTempSetup *m_ui;
};
