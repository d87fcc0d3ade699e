#include "FirmwareUpgrade.h"

#include "ui_FirmwareUpgrade.h"

FirmwareUpgrade::FirmwareUpgrade(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::FirmwareUpgrade)
{
    m_ui->setupUi(this);
}

FirmwareUpgrade::~FirmwareUpgrade()
{
    delete m_ui;
}

void FirmwareUpgrade::showToolTips()
{
}

void FirmwareUpgrade::clearToolTips()
{
}
