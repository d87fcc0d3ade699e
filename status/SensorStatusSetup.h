#pragma once

// One device's tab of the "Liquid sensor" page: its four liquid sensors as
// lamps, read on demand with one button while the command queue is idle.

#include "CommBackOperate.h"

#include "ui_SensorStatusSetup.h"
#include <QVector>
#include <QWidget>

class DialogWaiting;
class SensorStatusItem;
struct RegisterImage;

class SensorStatusSetup : public QWidget, public CommBackOperate
{
    Q_OBJECT
public:
    SensorStatusSetup(int address, RegisterImage *image, QWidget *parent = nullptr);

    int address() const { return m_address; }
    void setTitle(const QString &title);
    void showToolTips();
    void clearToolTips();

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmission();

public Q_SLOTS:
    void btnRead_Clicked();

private:
    enum Pending { None = 0, Read = 1 };

    void showStates();

    Ui::SensorStatusSetup m_ui;
    int m_address;
    RegisterImage *m_image;
    DialogWaiting *m_waiting;
    QVector<SensorStatusItem *> m_items; // input 0 first
    int m_pending = None;
};
