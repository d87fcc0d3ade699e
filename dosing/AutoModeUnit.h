#pragma once

#include "DoseProgramme.h"

#include "ui_AutoModeUnit.h"
#include <QStringList>
#include <QWidget>

class UnsavedEdits;

// The editor of one pump channel's programme: the automatic editors (switch,
// run mode, speed, reagent, doses, volume, times, week days) or the custom
// plans, with everything but the switch greyed out while the channel is off.
// The dose settings page fills it with a whole channel and reads one back.
class AutoModeUnit : public QWidget
{
    Q_OBJECT
public:
    enum DisplayMode { DisplayWeek = 0, DisplayPlan };

    explicit AutoModeUnit(QWidget *parent = nullptr);

    // Shows a channel as the pump holds it; a volume the editor cannot show
    // is shown clamped and marked.
    void setChannel(const DoseProgramme::Channel &channel);
    // The channel as the editors show it; the clamp flags are never set.
    DoseProgramme::Channel channel() const;

    // The speed alone, as another page of the pump may change it.
    void setSpeed(int index);
    void setReagentNames(const QStringList &names);
    void setReagent(int index);
    int reagent() const;
    void setTitle(const QString &title);
    QString title() const;
    // Edited plans go to the pump in time order.
    void putPlansInOrder();

    void setDisplayMode(int mode);
    // Every editor of the channel's programme marks edits; the Week/Plan
    // display choice is a view and does not.
    void watchEdits(UnsavedEdits *edits);

public Q_SLOTS:
    void setupChannelOnOffIndex(int index);
    void autoCustomModeChanged(int mode);
    void setupRunModeIndex(int index);
    void cboxDisMode_CurrentIndexChanged(int mode);
    void editCustomPlan(int index, QTime time, double volume);
    void deleteCustomPlan(int index);

private:
    Ui::AutoModeUnit m_ui;
    UnsavedEdits *m_edits = nullptr;
    int m_runMode = DoseProgramme::RunOneDay;
    int m_setupMode = DoseProgramme::SetupAuto;
    int m_displayMode = DisplayWeek;
};
