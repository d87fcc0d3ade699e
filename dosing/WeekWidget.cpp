#include "WeekWidget.h"

#include <QCheckBox>

WeekWidget::WeekWidget(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.cBoxMonday, &QCheckBox::stateChanged, this, &WeekWidget::cBoxMonday_CheckChanged);
    connect(m_ui.cBoxTuesday, &QCheckBox::stateChanged, this,
            &WeekWidget::cBoxTuesday_CheckChanged);
    connect(m_ui.cBoxWednesday, &QCheckBox::stateChanged, this,
            &WeekWidget::cBoxWednesday_CheckChanged);
    connect(m_ui.cBoxThursday, &QCheckBox::stateChanged, this,
            &WeekWidget::cBoxThursday_CheckChanged);
    connect(m_ui.cBoxFriday, &QCheckBox::stateChanged, this, &WeekWidget::cBoxFriday_CheckChanged);
    connect(m_ui.cBoxSaturday, &QCheckBox::stateChanged, this,
            &WeekWidget::cBoxSaturday_CheckChanged);
    connect(m_ui.cBoxSunday, &QCheckBox::stateChanged, this, &WeekWidget::cBoxSunday_CheckChanged);
}

void WeekWidget::setMask(int mask)
{
    m_mask = mask;
    QCheckBox *const boxes[] = {m_ui.cBoxMonday,   m_ui.cBoxTuesday, m_ui.cBoxWednesday,
                                m_ui.cBoxThursday, m_ui.cBoxFriday,  m_ui.cBoxSaturday,
                                m_ui.cBoxSunday};
    for (int day = 0; day < 7; ++day)
        boxes[day]->setChecked(mask & (1 << day));
}

void WeekWidget::applyState(int day, int state)
{
    // Only a fully ticked or a cleared box changes the mask.
    if (state == Qt::Checked)
        m_mask |= 1 << day;
    else if (state == Qt::Unchecked)
        m_mask &= ~(1 << day);
}

void WeekWidget::cBoxMonday_CheckChanged(int state)
{
    applyState(0, state);
}

void WeekWidget::cBoxTuesday_CheckChanged(int state)
{
    applyState(1, state);
}

void WeekWidget::cBoxWednesday_CheckChanged(int state)
{
    applyState(2, state);
}

void WeekWidget::cBoxThursday_CheckChanged(int state)
{
    applyState(3, state);
}

void WeekWidget::cBoxFriday_CheckChanged(int state)
{
    applyState(4, state);
}

void WeekWidget::cBoxSaturday_CheckChanged(int state)
{
    applyState(5, state);
}

void WeekWidget::cBoxSunday_CheckChanged(int state)
{
    applyState(6, state);
}
