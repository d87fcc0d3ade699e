#include "SensorStatus.h"

#include "AppSettings.h"
#include "OfflineCover.h"
#include "SensorStatusSetup.h"

#include "ui_SensorStatus.h"

SensorStatus::SensorStatus(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::SensorStatus)
{
    m_ui->setupUi(this);
}

SensorStatus::~SensorStatus()
{
    delete m_ui;
}

void SensorStatus::addDevice(const QString &name, int address, RegisterImage *image)
{
    auto *tab = new SensorStatusSetup(address, image, m_ui->tabWidget);
    // The group box names the pump whose sensors it shows.
    tab->setTitle(name);
    m_tabs.append(tab);
    m_ui->tabWidget->addTab(tab, name);
    if (AppSettings::store().value(QLatin1String(AppSettings::kDisplayPrompt)).toInt() == 1)
        tab->showToolTips();
    else
        tab->clearToolTips();
}

void SensorStatus::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_tabs.size())
        return;
    OfflineCover::setCovered(m_tabs.at(index), !online);
}

bool SensorStatus::isDeviceOnline(int index) const
{
    const SensorStatusSetup *tab = m_tabs.value(index);
    return tab && tab->isEnabled();
}

int SensorStatus::deviceCount() const
{
    return m_tabs.size();
}

void SensorStatus::showToolTips()
{
    for (SensorStatusSetup *tab : qAsConst(m_tabs))
        tab->showToolTips();
}

void SensorStatus::clearToolTips()
{
    for (SensorStatusSetup *tab : qAsConst(m_tabs))
        tab->clearToolTips();
}
