#include "AutoSetup.h"

#include "AppSettings.h"
#include "DoseSetGroup.h"
#include "OfflineCover.h"
#include "ui_AutoSetup.h"

AutoSetup::AutoSetup(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::AutoSetup)
{
    m_ui->setupUi(this);
}

AutoSetup::~AutoSetup()
{
    delete m_ui;
}

void AutoSetup::addDevice(const QString &name, int address, RegisterImage *image)
{
    auto *page = new DoseSetGroup(address, image, m_ui->tabWidget);
    m_pages.append(page);
    m_ui->tabWidget->addTab(page, name);
    if (AppSettings::store().value(QLatin1String(AppSettings::kDisplayPrompt)).toInt() == 1)
        page->showToolTips();
    else
        page->clearToolTips();
}

void AutoSetup::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_pages.size())
        return;
    OfflineCover::setCovered(m_pages.at(index), !online);
}

bool AutoSetup::isDeviceOnline(int index) const
{
    const DoseSetGroup *page = m_pages.value(index);
    return page && page->isEnabled();
}

int AutoSetup::deviceCount() const
{
    return m_pages.size();
}

void AutoSetup::showToolTips()
{
    for (DoseSetGroup *page : m_pages)
        page->showToolTips();
}

void AutoSetup::clearToolTips()
{
    for (DoseSetGroup *page : m_pages)
        page->clearToolTips();
}

void AutoSetup::retranslate()
{
    for (DoseSetGroup *page : m_pages)
        page->retranslate();
}

void AutoSetup::parameterUpdate()
{
    if (!m_pages.isEmpty())
        m_pages.first()->parameterUpdate();
}
