#pragma once

#include <QVector>
#include <QWidget>

struct RegisterImage;

namespace Ui {
class ManualControl;
}

// The "Manual/Calibration" page: manual runs and flow calibration.
class ManualControl : public QWidget
{
    Q_OBJECT
public:
    explicit ManualControl(QWidget *parent = nullptr);
    ~ManualControl() override;

    // One tab per pump in use, master first.
    void addDevice(const QString &name, int address, RegisterImage *image);
    void setDeviceOnline(int index, bool online);
    bool isDeviceOnline(int index) const;
    int deviceCount() const;
    void showToolTips();
    void clearToolTips();

private:
    Ui::ManualControl *m_ui;
    QVector<bool> m_online;
};
