#include "LiquidStatusSetup.h"

#include "LiquidStatus.h"

LiquidStatusSetup::LiquidStatusSetup(QWidget *parent)
    : DeviceTabs(parent)
{
    m_ui.setupUi(this);
    setTabWidget(m_ui.tabWidget);
}

LiquidStatus *LiquidStatusSetup::tab(int index)
{
    return static_cast<LiquidStatus *>(pageAt(index));
}

QWidget *LiquidStatusSetup::createPage(const QString &name, int address, RegisterImage *image,
                                       QWidget *parent)
{
    return new LiquidStatus(address, image, name, parent);
}

void LiquidStatusSetup::showPumpNames(QWidget *page)
{
    static_cast<LiquidStatus *>(page)->showPumpNames();
}

void LiquidStatusSetup::setPageToolTips(QWidget *page, bool shown)
{
    auto *tab = static_cast<LiquidStatus *>(page);
    if (shown)
        tab->showToolTips();
    else
        tab->clearToolTips();
}
