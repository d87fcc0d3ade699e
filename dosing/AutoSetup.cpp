#include "AutoSetup.h"

#include "DoseSetGroup.h"

AutoSetup::AutoSetup(QWidget *parent)
    : DeviceTabs(parent)
{
    m_ui.setupUi(this);
    setTabWidget(m_ui.tabWidget);
}

DoseSetGroup *AutoSetup::page(int index)
{
    return static_cast<DoseSetGroup *>(pageAt(index));
}

void AutoSetup::retranslate()
{
    // A page not built yet will be built in the language then installed.
    for (QWidget *tab : builtPages())
        static_cast<DoseSetGroup *>(tab)->retranslate();
}

void AutoSetup::parameterUpdate()
{
    // A master page not built yet decodes the image when it is built.
    if (isPageBuilt(0))
        page(0)->parameterUpdate();
}

QWidget *AutoSetup::createPage(const QString &name, int address, RegisterImage *image,
                               QWidget *parent)
{
    return new DoseSetGroup(address, image, name, parent);
}

void AutoSetup::setPageToolTips(QWidget *page, bool shown)
{
    auto *group = static_cast<DoseSetGroup *>(page);
    if (shown)
        group->showToolTips();
    else
        group->clearToolTips();
}

void AutoSetup::showPumpNames(QWidget *page)
{
    static_cast<DoseSetGroup *>(page)->showPumpNames();
}
