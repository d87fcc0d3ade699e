#pragma once

#include "ui_LiquidStatusUnit.h"
#include <QWidget>

class UnsavedEdits;

// One bottle of the liquid status page: pump name, bottle picture (a click
// reads that bottle), liquid left, days left, and the capacity that a save
// writes when the bottle is checked.
class LiquidStatusUnit : public QWidget
{
    Q_OBJECT
public:
    explicit LiquidStatusUnit(QWidget *parent = nullptr);

    void setName(const QString &name);
    // Whole ml, shown with one decimal.
    void setLiquidLeft(int ml);
    // The bottle picture filled to level (0 to 1) of its height.
    void setFillLevel(double level);
    double fillLevel() const { return m_fillLevel; }
    // No value shows "--": the programme gives no daily consumption.
    void setDaysLeft(const QString &days);
    void setCapacity(double ml);
    double capacity() const;
    void setChecked(bool checked);
    bool isChecked() const;
    // The capacity and the check that chooses the bottle for a save.
    void watchEdits(UnsavedEdits *edits);

Q_SIGNALS:
    void updataUnitData();

public Q_SLOTS:
    void btnPump_Clicked();
    void cbPump_StateChanged(int state);
    void combWarnMode_CurrentIndexChanged(int index);

private:
    Ui::LiquidStatusUnit m_ui;
    double m_fillLevel = -1;
};
