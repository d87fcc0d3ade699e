#pragma once

// The "Liquid Status" page: one LiquidStatus tab per pump in use, master
// first, with the help texts of its buttons switched by "display_prompt".

#include <QVector>
#include <QWidget>

class LiquidStatus;
struct RegisterImage;

namespace Ui {
class LiquidStatusSetup;
}

class LiquidStatusSetup : public QWidget
{
    Q_OBJECT
public:
    explicit LiquidStatusSetup(QWidget *parent = nullptr);
    ~LiquidStatusSetup() override;

    void addDevice(const QString &name, int address, RegisterImage *image);
    // An index past the last tab is ignored.
    void setDeviceOnline(int index, bool online);
    bool isDeviceOnline(int index) const;
    int deviceCount() const;
    LiquidStatus *tab(int index) const { return m_tabs.value(index); }
    void showToolTips();
    void clearToolTips();

private:
    Ui::LiquidStatusSetup *m_ui;
    QVector<LiquidStatus *> m_tabs;
};
