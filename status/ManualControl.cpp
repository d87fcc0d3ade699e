#include "ManualControl.h"

#include "ManuControl.h"

ManualControl::ManualControl(QWidget *parent)
    : DeviceTabs(parent)
{
    m_ui.setupUi(this);
    setTabWidget(m_ui.tabWidgetManuControl);
}

ManuControl *ManualControl::tab(int index)
{
    return static_cast<ManuControl *>(pageAt(index));
}

QWidget *ManualControl::createPage(const QString &name, int address, RegisterImage *image,
                                   QWidget *parent)
{
    return new ManuControl(address, image, name, parent);
}

void ManualControl::showPumpNames(QWidget *page)
{
    static_cast<ManuControl *>(page)->showPumpNames();
}
