#pragma once

// The "Liquid sensor" page: one SensorStatusSetup tab per pump in use,
// master first, each with the help text of its read button switched by
// "display_prompt".

#include <QVector>
#include <QWidget>

class SensorStatusSetup;
struct RegisterImage;

namespace Ui {
class SensorStatus;
}

class SensorStatus : public QWidget
{
    Q_OBJECT
public:
    explicit SensorStatus(QWidget *parent = nullptr);
    ~SensorStatus() override;

    void addDevice(const QString &name, int address, RegisterImage *image);
    // An index past the last tab is ignored.
    void setDeviceOnline(int index, bool online);
    bool isDeviceOnline(int index) const;
    int deviceCount() const;
    SensorStatusSetup *tab(int index) const { return m_tabs.value(index); }
    void showToolTips();
    void clearToolTips();

private:
    Ui::SensorStatus *m_ui;
    QVector<SensorStatusSetup *> m_tabs;
};
