#include "SensorStatusItem.h"

#include "LiquidSensors.h"

#include <QPainter>

SensorStatusItem::SensorStatusItem(QWidget *parent)
    : QWidget(parent)
{
    resize(kDefaultWidth, kDefaultHeight);
}

void SensorStatusItem::setName(const QString &name)
{
    m_name = name;
    update();
}

void SensorStatusItem::setState(int state)
{
    m_state = state;
    update();
}

QSize SensorStatusItem::sizeHint() const
{
    return QSize(kDefaultWidth, kDefaultHeight);
}

void SensorStatusItem::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const bool active = LiquidSensors::isActive(m_state);
    const QPen outline(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(outline);
    painter.setBrush(active ? Qt::red : Qt::green);
    painter.drawEllipse(LiquidSensors::circleRect(size()));
    QPen text = outline;
    text.setColor(active ? Qt::red : Qt::black);
    painter.setPen(text);
    painter.drawText(LiquidSensors::nameRect(size()), Qt::AlignLeft | Qt::AlignVCenter, m_name);
}
