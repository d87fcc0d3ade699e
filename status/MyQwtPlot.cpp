#include "MyQwtPlot.h"

#include <QMouseEvent>

MyQwtPlot::MyQwtPlot(QWidget *parent)
    : QwtPlot(parent)
{
}

void MyQwtPlot::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QwtPlot::mousePressEvent(event);
}
