#include "ParameterSetup.h"

#include "ui_ParameterSetup.h"

ParameterSetup::ParameterSetup(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::ParameterSetup)
{
    m_ui->setupUi(this);
}

ParameterSetup::~ParameterSetup()
{
    delete m_ui;
}
