#include "LiquidStatusSetup.h"

#include "ui_LiquidStatusSetup.h"

LiquidStatusSetup::LiquidStatusSetup(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::LiquidStatusSetup)
{
    m_ui->setupUi(this);
}

LiquidStatusSetup::~LiquidStatusSetup()
{
    delete m_ui;
}

void LiquidStatusSetup::addDevice(const QString &name, int address, RegisterImage *image)
{
    Q_UNUSED(address)
    Q_UNUSED(image)
    auto *tab = new QWidget(m_ui->tabWidget);
    m_ui->tabWidget->addTab(tab, name);
    m_online.append(true);
}

void LiquidStatusSetup::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_online.size())
        return;
    m_online[index] = online;
    m_ui->tabWidget->widget(index)->setEnabled(online);
}

bool LiquidStatusSetup::isDeviceOnline(int index) const
{
    return m_online.value(index, false);
}

int LiquidStatusSetup::deviceCount() const
{
    return m_ui->tabWidget->count();
}

void LiquidStatusSetup::showToolTips()
{
}

void LiquidStatusSetup::clearToolTips()
{
}
