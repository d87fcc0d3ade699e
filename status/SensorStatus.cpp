#include "SensorStatus.h"

#include "SensorStatusSetup.h"

SensorStatus::SensorStatus(QWidget *parent)
    : DeviceTabs(parent)
{
    m_ui.setupUi(this);
    setTabWidget(m_ui.tabWidget);
}

SensorStatusSetup *SensorStatus::tab(int index)
{
    return static_cast<SensorStatusSetup *>(pageAt(index));
}

QWidget *SensorStatus::createPage(const QString &name, int address, RegisterImage *image,
                                  QWidget *parent)
{
    auto *tab = new SensorStatusSetup(address, image, parent);
    // The group box names the pump whose sensors it shows.
    tab->setTitle(name);
    return tab;
}

void SensorStatus::setPageToolTips(QWidget *page, bool shown)
{
    auto *tab = static_cast<SensorStatusSetup *>(page);
    if (shown)
        tab->showToolTips();
    else
        tab->clearToolTips();
}
