#include "AutoSetup.h"

#include "ui_AutoSetup.h"

AutoSetup::AutoSetup(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::AutoSetup)
{
    m_ui->setupUi(this);
}

AutoSetup::~AutoSetup()
{
    delete m_ui;
}

void AutoSetup::addDevice(const QString &name, int address, RegisterImage *image)
{
    Q_UNUSED(address)
    Q_UNUSED(image)
    auto *tab = new QWidget(m_ui->tabWidget);
    m_ui->tabWidget->addTab(tab, name);
    m_online.append(true);
}

void AutoSetup::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_online.size())
        return;
    m_online[index] = online;
    m_ui->tabWidget->widget(index)->setEnabled(online);
}

bool AutoSetup::isDeviceOnline(int index) const
{
    return m_online.value(index, false);
}

int AutoSetup::deviceCount() const
{
    return m_ui->tabWidget->count();
}

void AutoSetup::showToolTips()
{
}

void AutoSetup::clearToolTips()
{
}

void AutoSetup::parameterUpdate()
{
}
