#include "LiquidStatusSetup.h"

#include "AppSettings.h"
#include "LiquidStatus.h"
#include "OfflineCover.h"

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
    auto *tab = new LiquidStatus(address, image, m_ui->tabWidget);
    m_tabs.append(tab);
    m_ui->tabWidget->addTab(tab, name);
    if (AppSettings::store().value(QLatin1String(AppSettings::kDisplayPrompt)).toInt() == 1)
        tab->showToolTips();
    else
        tab->clearToolTips();
}

void LiquidStatusSetup::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_tabs.size())
        return;
    OfflineCover::setCovered(m_tabs.at(index), !online);
}

bool LiquidStatusSetup::isDeviceOnline(int index) const
{
    const LiquidStatus *tab = m_tabs.value(index);
    return tab && tab->isEnabled();
}

int LiquidStatusSetup::deviceCount() const
{
    return m_tabs.size();
}

void LiquidStatusSetup::showToolTips()
{
    for (LiquidStatus *tab : qAsConst(m_tabs))
        tab->showToolTips();
}

void LiquidStatusSetup::clearToolTips()
{
    for (LiquidStatus *tab : qAsConst(m_tabs))
        tab->clearToolTips();
}
