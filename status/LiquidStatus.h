#pragma once

// One device's tab of the "Liquid Status" page: its four bottles with
// capacity, liquid left and days left at the programmed dose. A click on a
// bottle reads it, Read reads all four, Save refills the checked bottles to
// the capacity typed. Every action needs an idle command queue.

#include "CommBackOperate.h"

#include <QVector>
#include <QWidget>

#include "LiquidBottles.h"
#include "ui_LiquidStatus.h"

class DialogWaiting;
class LiquidStatusUnit;
class UnsavedEdits;
struct RegisterImage;

class LiquidStatus : public QWidget, public CommBackOperate
{
    Q_OBJECT
public:
    // pumpName, the pump's display name, goes in front of the master's channel
    // names while a slave has none of its own.
    LiquidStatus(int address, RegisterImage *image, const QString &pumpName = QString(),
                 QWidget *parent = nullptr);

    int address() const { return m_address; }
    // The units' names as the settings now name this pump's channels.
    void showPumpNames();
    void showToolTips();
    void clearToolTips();

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmission();

public Q_SLOTS:
    void btnPump1_Clicked();
    void btnPump2_Clicked();
    void btnPump3_Clicked();
    void btnPump4_Clicked();
    void btnPump5_Clicked();
    void btnRead_Clicked();
    void btnSave_Clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    enum Pending { None = 0, ReadAll = 6, Save = 7 };

    void readBottle(int pump);
    void queue(const QStringList &commands);
    void refreshLists();
    void refreshUnit(int pump);
    // Days left of one bottle at the programme the device image holds now.
    void showDaysLeft(int pump);
    void refreshUnits();

    Ui::LiquidStatus m_ui;
    int m_address;
    QString m_pumpName;
    RegisterImage *m_image;
    DialogWaiting *m_waiting;
    UnsavedEdits *m_edits;
    QVector<LiquidBottles::Bottle> m_bottles; // capacities and remaining, 0.1 ml
    QVector<LiquidStatusUnit *> m_units;
    // The bottles before a save, put back when the pump does not confirm it.
    QVector<LiquidBottles::Bottle> m_beforeSave;
    int m_pending = None; // 1..5: bottle k + 1 read
};
