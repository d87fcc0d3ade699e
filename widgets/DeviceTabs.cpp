#include "DeviceTabs.h"

#include "AppSettings.h"
#include "OfflineCover.h"

#include <QTabWidget>

DeviceTabs::DeviceTabs(QWidget *parent)
    : QWidget(parent)
{
}

void DeviceTabs::setTabWidget(QTabWidget *tabs)
{
    m_tabs = tabs;
}

void DeviceTabs::addDevice(const QString &name, int address, RegisterImage *image)
{
    QWidget *page = createPage(name, address, image, m_tabs);
    m_pages.append(page);
    m_tabs->addTab(page, name);
    setPageToolTips(
        page, AppSettings::store().value(QLatin1String(AppSettings::kDisplayPrompt)).toInt() == 1);
}

void DeviceTabs::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_pages.size())
        return;
    OfflineCover::setCovered(m_pages.at(index), !online);
}

bool DeviceTabs::isDeviceOnline(int index) const
{
    const QWidget *page = m_pages.value(index);
    return page && page->isEnabled();
}

int DeviceTabs::deviceCount() const
{
    return m_pages.size();
}

void DeviceTabs::showToolTips()
{
    for (QWidget *page : qAsConst(m_pages))
        setPageToolTips(page, true);
}

void DeviceTabs::clearToolTips()
{
    for (QWidget *page : qAsConst(m_pages))
        setPageToolTips(page, false);
}

void DeviceTabs::setPageToolTips(QWidget *page, bool shown)
{
    Q_UNUSED(page)
    Q_UNUSED(shown)
}
