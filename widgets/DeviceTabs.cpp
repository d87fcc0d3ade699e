#include "DeviceTabs.h"

#include "AppSettings.h"
#include "MyMessageBox.h"
#include "OfflineCover.h"
#include "UnsavedEdits.h"

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
    m_shownTab = tabs->currentIndex();
    connect(tabs, &QTabWidget::currentChanged, this, &DeviceTabs::tabChanged);
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
    const int index = int(&device - m_devices.data());
    for (UnsavedEdits *edits : page->findChildren<UnsavedEdits *>())
        connect(edits, &UnsavedEdits::unsavedChanged, this, [this, index] {
            showUnsavedMark(index);
            Q_EMIT unsavedEditsChanged();
        });
    if (hasUnsavedEdits(index)) {
        showUnsavedMark(index);
        Q_EMIT unsavedEditsChanged();
    }
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

int DeviceTabs::currentDevice() const
{
    return m_devices.isEmpty() ? -1 : m_tabs->currentIndex();
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

void DeviceTabs::showPumpNames(QWidget *page)
{
    Q_UNUSED(page)
}

void DeviceTabs::reloadPumpNames()
{
    for (QWidget *page : builtPages())
        showPumpNames(page);
}

bool DeviceTabs::hasUnsavedEdits(int index) const
{
    if (index < 0 || index >= m_devices.size() || !m_devices.at(index).page)
        return false;
    return UnsavedEdits::anyUnsaved(m_devices.at(index).page);
}

void DeviceTabs::showUnsavedMark(int index)
{
    m_tabs->setTabText(index,
                       UnsavedEdits::marked(m_devices.at(index).name, hasUnsavedEdits(index)));
}

void DeviceTabs::tabChanged(int index)
{
    if (m_switchingBack)
        return;
    const int left = m_shownTab;
    if (hasUnsavedEdits(left)) {
        const QString text = tr("The changes on %1 have not been saved to the pump. Discard them?")
                                 .arg(m_devices.at(left).name);
        if (!MyMessageBox::ask(this, text, tr("Discard"), tr("Cancel"), true)) {
            m_switchingBack = true;
            m_tabs->setCurrentIndex(left);
            m_switchingBack = false;
            return;
        }
        for (UnsavedEdits *edits : m_devices.at(left).page->findChildren<UnsavedEdits *>())
            edits->discard();
    }
    m_shownTab = index;
}

void DeviceTabs::reloadDevice(int index)
{
    if (index < 0 || index >= m_devices.size() || !m_devices.at(index).page)
        return;
    for (UnsavedEdits *edits : m_devices.at(index).page->findChildren<UnsavedEdits *>())
        edits->discard();
}
