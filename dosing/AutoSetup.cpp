#include "AutoSetup.h"

#include "DoseSetGroup.h"

AutoSetup::AutoSetup(QWidget *parent)
    : DeviceTabs(parent)
{
    m_ui.setupUi(this);
    setTabWidget(m_ui.tabWidget);
}

DoseSetGroup *AutoSetup::page(int index) const
{
    return static_cast<DoseSetGroup *>(pageAt(index));
}

void AutoSetup::retranslate()
{
    for (QWidget *tab : pages())
        static_cast<DoseSetGroup *>(tab)->retranslate();
}

void AutoSetup::parameterUpdate()
{
    if (DoseSetGroup *master = page(0))
        master->parameterUpdate();
}

QWidget *AutoSetup::createPage(const QString &name, int address, RegisterImage *image,
                               QWidget *parent)
{
    Q_UNUSED(name)
    return new DoseSetGroup(address, image, parent);
}

void AutoSetup::setPageToolTips(QWidget *page, bool shown)
{
    auto *group = static_cast<DoseSetGroup *>(page);
    if (shown)
        group->showToolTips();
    else
        group->clearToolTips();
}
