#include "LiquidStatusUnit.h"

#include "LiquidBottles.h"

LiquidStatusUnit::LiquidStatusUnit(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    m_ui.dsCapacity->setRange(0, LiquidBottles::kMaxCapacityMl);
    m_ui.dsCapacity->setEnabled(false);
    connect(m_ui.btnPump, &MyLabel::clicked, this, &LiquidStatusUnit::btnPump_Clicked);
    connect(m_ui.cbPump, &QCheckBox::stateChanged, this, &LiquidStatusUnit::cbPump_StateChanged);
}

void LiquidStatusUnit::setName(const QString &name)
{
    m_ui.lbName->setText(name);
}

void LiquidStatusUnit::setLiquidLeft(int ml)
{
    m_ui.lbLiquidLeft->setText(tr("%1 ml").arg(QString::number(double(ml), 'f', 1)));
}

void LiquidStatusUnit::setDaysLeft(const QString &days)
{
    m_ui.lbDaysLeft->setText(tr("%1").arg(days));
}

void LiquidStatusUnit::setCapacity(double ml)
{
    m_ui.dsCapacity->setValue(ml);
}

double LiquidStatusUnit::capacity() const
{
    return m_ui.dsCapacity->value();
}

void LiquidStatusUnit::setChecked(bool checked)
{
    m_ui.cbPump->setChecked(checked);
}

bool LiquidStatusUnit::isChecked() const
{
    return m_ui.cbPump->isChecked();
}

void LiquidStatusUnit::btnPump_Clicked()
{
    Q_EMIT updataUnitData();
}

void LiquidStatusUnit::cbPump_StateChanged(int state)
{
    m_ui.dsCapacity->setEnabled(state == Qt::Checked);
}

void LiquidStatusUnit::combWarnMode_CurrentIndexChanged(int index)
{
    Q_UNUSED(index)
}
