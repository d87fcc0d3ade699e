#pragma once

#include <QVector>
#include <QWidget>

struct RegisterImage;

namespace Ui {
class AutoSetup;
}

// The "Dose Settings" page: the dose programme of every pump in use.
class AutoSetup : public QWidget
{
    Q_OBJECT
public:
    explicit AutoSetup(QWidget *parent = nullptr);
    ~AutoSetup() override;

    // One tab per pump in use, master first.
    void addDevice(const QString &name, int address, RegisterImage *image);
    void setDeviceOnline(int index, bool online);
    bool isDeviceOnline(int index) const;
    int deviceCount() const;
    void showToolTips();
    void clearToolTips();
    // Decodes every pump's device image again, after the quick setup wrote
    // the master's programme.
    void parameterUpdate();

private:
    Ui::AutoSetup *m_ui;
    QVector<bool> m_online;
};
