#include "TimeTempSetup.h"

#include "ui_TimeTempSetup.h"

TimeTempSetup::TimeTempSetup(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::TimeTempSetup)
{
    m_ui->setupUi(this);
}

TimeTempSetup::~TimeTempSetup()
{
    delete m_ui;
}

void TimeTempSetup::showToolTips()
{
}

void TimeTempSetup::clearToolTips()
{
}
