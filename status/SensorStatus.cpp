#include "SensorStatus.h"

#include "ui_SensorStatus.h"

SensorStatus::SensorStatus(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::SensorStatus)
{
    m_ui->setupUi(this);
}

SensorStatus::~SensorStatus()
{
    delete m_ui;
}

void SensorStatus::addDevice(const QString &name, int address, RegisterImage *image)
{
    Q_UNUSED(address)
    Q_UNUSED(image)
    auto *tab = new QWidget(m_ui->tabWidget);
    m_ui->tabWidget->addTab(tab, name);
}

int SensorStatus::deviceCount() const
{
    return m_ui->tabWidget->count();
}

void SensorStatus::showToolTips()
{
}

void SensorStatus::clearToolTips()
{
}
