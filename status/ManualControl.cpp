#include "ManualControl.h"

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
    Q_UNUSED(address)
    Q_UNUSED(image)
    auto *tab = new QWidget(m_ui->tabWidget);
    m_ui->tabWidget->addTab(tab, name);
    m_online.append(true);
}

void ManualControl::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_online.size())
        return;
    m_online[index] = online;
    m_ui->tabWidget->widget(index)->setEnabled(online);
}

bool ManualControl::isDeviceOnline(int index) const
{
    return m_online.value(index, false);
}

int ManualControl::deviceCount() const
{
    return m_ui->tabWidget->count();
}

void ManualControl::showToolTips()
{
}

void ManualControl::clearToolTips()
{
}
