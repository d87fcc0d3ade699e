#pragma once

#include <QVector>
#include <QWidget>

struct RegisterImage;

namespace Ui {
class LiquidStatusSetup;
}

// The "Liquid Status" page: bottles, liquid left and days left.
class LiquidStatusSetup : public QWidget
{
    Q_OBJECT
public:
    explicit LiquidStatusSetup(QWidget *parent = nullptr);
    ~LiquidStatusSetup() override;

    // One tab per pump in use, master first.
    void addDevice(const QString &name, int address, RegisterImage *image);
    void setDeviceOnline(int index, bool online);
    bool isDeviceOnline(int index) const;
    int deviceCount() const;
    void showToolTips();
    void clearToolTips();

private:
    Ui::LiquidStatusSetup *m_ui;
    QVector<bool> m_online;
};
