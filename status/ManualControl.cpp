#include "ManualControl.h"

#include "ManuControl.h"
#include "OfflineCover.h"

#include "ui_ManualControl.h"

ManualControl::ManualControl(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::ManualControl)
{
    m_ui->setupUi(this);
}

ManualControl::~ManualControl()
{
    delete m_ui;
}

void ManualControl::addDevice(const QString &name, int address, RegisterImage *image)
{
    auto *tab = new ManuControl(address, image, m_ui->tabWidgetManuControl);
    m_tabs.append(tab);
    m_ui->tabWidgetManuControl->addTab(tab, name);
}

void ManualControl::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_tabs.size())
        return;
    OfflineCover::setCovered(m_tabs.at(index), !online);
}

bool ManualControl::isDeviceOnline(int index) const
{
    const ManuControl *tab = m_tabs.value(index);
    return tab && tab->isEnabled();
}

int ManualControl::deviceCount() const
{
    return m_tabs.size();
}

void ManualControl::showToolTips() { }

void ManualControl::clearToolTips() { }
