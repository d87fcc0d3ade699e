#pragma once

#include <qwt_plot.h>

// A Qwt plot that reports a press of the left mouse button anywhere on it,
// canvas and axes alike, as clicked(). Presses on the canvas reach the plot
// because the canvas leaves them unhandled.
class MyQwtPlot : public QwtPlot
{
    Q_OBJECT
public:
    explicit MyQwtPlot(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
