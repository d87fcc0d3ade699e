#pragma once

#include <QWidget>

struct RegisterImage;

namespace Ui {
class SensorStatus;
}

// The "Liquid sensor" page: the liquid sensors of every pump.
class SensorStatus : public QWidget
{
    Q_OBJECT
public:
    explicit SensorStatus(QWidget *parent = nullptr);
    ~SensorStatus() override;

    // One tab per pump in use, master first.
    void addDevice(const QString &name, int address, RegisterImage *image);
    int deviceCount() const;
    void showToolTips();
    void clearToolTips();

private:
    Ui::SensorStatus *m_ui;
};
