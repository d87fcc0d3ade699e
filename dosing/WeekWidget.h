#pragma once

#include "ui_WeekWidget.h"
#include <QWidget>

// The week days a channel doses on, as a mask: bit 0 Monday .. bit 6 Sunday.
class WeekWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WeekWidget(QWidget *parent = nullptr);

    int mask() const { return m_mask; }
    // Bits above Sunday are kept as they came.
    void setMask(int mask);

public Q_SLOTS:
    void cBoxMonday_CheckChanged(int state);
    void cBoxTuesday_CheckChanged(int state);
    void cBoxWednesday_CheckChanged(int state);
    void cBoxThursday_CheckChanged(int state);
    void cBoxFriday_CheckChanged(int state);
    void cBoxSaturday_CheckChanged(int state);
    void cBoxSunday_CheckChanged(int state);

private:
    void applyState(int day, int state);

    Ui::WeekWidget m_ui;
    int m_mask = 0;
};
