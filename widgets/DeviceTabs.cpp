#include "DeviceTabs.h"

#include "AppSettings.h"
#include "OfflineCover.h"

#include <QEvent>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>

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
    Device device;
    device.name = name;
    device.address = address;
    device.image = image;
    device.toolTipsShown =
        AppSettings::store().value(QLatin1String(AppSettings::kDisplayPrompt)).toInt() == 1;
    device.tab = new QWidget(m_tabs);
    // The page fills its tab as it would as the tab itself.
    auto *layout = new QVBoxLayout(device.tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    device.tab->installEventFilter(this);
    m_tabs->addTab(device.tab, name);
    m_devices.append(device);
}

QWidget *DeviceTabs::buildPage(Device &device)
{
    device.tab->removeEventFilter(this);
    QWidget *page = createPage(device.name, device.address, device.image, device.tab);
    device.page = page;
    device.tab->layout()->addWidget(page);
    setPageToolTips(page, device.toolTipsShown);
    // The cover was laid before the page existed; it must lie over it.
    if (OfflineCover::isCovered(device.tab))
        OfflineCover::setCovered(device.tab, true);
    if (device.tab->isVisible()) {
        // Placed and shown now, so that the tab is never drawn without it;
        // the layout would only place it once its request comes round.
        page->setGeometry(device.tab->contentsRect());
        page->show();
    }
    return page;
}

bool DeviceTabs::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        for (Device &device : m_devices) {
            if (device.tab == watched && !device.page) {
                buildPage(device);
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget *DeviceTabs::pageAt(int index)
{
    if (index < 0 || index >= m_devices.size())
        return nullptr;
    Device &device = m_devices[index];
    return device.page ? device.page : buildPage(device);
}

QVector<QWidget *> DeviceTabs::builtPages() const
{
    QVector<QWidget *> pages;
    for (const Device &device : m_devices) {
        if (device.page)
            pages.append(device.page);
    }
    return pages;
}

bool DeviceTabs::isPageBuilt(int index) const
{
    return index >= 0 && index < m_devices.size() && m_devices.at(index).page;
}

void DeviceTabs::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_devices.size())
        return;
    Device &device = m_devices[index];
    const bool cameBack = online && !device.online;
    device.online = online;
    if (OfflineCover *cover = OfflineCover::setCovered(device.tab, !online)) {
        if (device.cover != cover) {
            device.cover = cover;
            QWidget *tab = device.tab;
            connect(cover, &OfflineCover::retryClicked, this, [this, tab] {
                for (int i = 0; i < m_devices.size(); ++i) {
                    if (m_devices.at(i).tab == tab)
                        Q_EMIT retryRequested(i);
                }
            });
        }
        cover->setRetrying(false);
        if (!online)
            cover->setLastTry(QTime::currentTime());
    }
    if (cameBack && device.page) {
        delete device.page;
        device.page = nullptr;
        if (device.tab->isVisible())
            buildPage(device);
        else
            device.tab->installEventFilter(this);
    }
}

void DeviceTabs::setDeviceRetrying(int index, bool retrying)
{
    if (index < 0 || index >= m_devices.size())
        return;
    if (OfflineCover *cover = OfflineCover::coverOf(m_devices.at(index).tab))
        cover->setRetrying(retrying);
}

bool DeviceTabs::isDeviceOnline(int index) const
{
    return index >= 0 && index < m_devices.size() && m_devices.at(index).online;
}

int DeviceTabs::deviceCount() const
{
    return m_devices.size();
}

void DeviceTabs::showToolTips()
{
    setToolTipsShown(true);
}

void DeviceTabs::clearToolTips()
{
    setToolTipsShown(false);
}

void DeviceTabs::setToolTipsShown(bool shown)
{
    for (Device &device : m_devices) {
        device.toolTipsShown = shown;
        if (device.page)
            setPageToolTips(device.page, shown);
    }
}

void DeviceTabs::setPageToolTips(QWidget *page, bool shown)
{
    Q_UNUSED(page)
    Q_UNUSED(shown)
}
