#pragma once

// The "Manual/Calibration" page: one ManuControl tab per pump in use,
// master first, in the order the orchestrator hands them over.

#include <QVector>
#include <QWidget>

class ManuControl;
struct RegisterImage;

namespace Ui {
class ManualControl;
}

class ManualControl : public QWidget
{
    Q_OBJECT
public:
    explicit ManualControl(QWidget *parent = nullptr);
    ~ManualControl() override;

    void addDevice(const QString &name, int address, RegisterImage *image);
    // An index past the last tab is ignored.
    void setDeviceOnline(int index, bool online);
    bool isDeviceOnline(int index) const;
    int deviceCount() const;
    ManuControl *tab(int index) const { return m_tabs.value(index); }
    // The page has no help texts of its own; the main window calls these
    // on every page it switches.
    void showToolTips();
    void clearToolTips();

private:
    Ui::ManualControl *m_ui;
    QVector<ManuControl *> m_tabs;
};
