#pragma once

#include "ui_AutoPublicSetup.h"
#include <QStringList>
#include <QWidget>

// A channel's switch, run mode, speed and reagent, under its title.
class AutoPublicSetup : public QWidget
{
    Q_OBJECT
public:
    explicit AutoPublicSetup(QWidget *parent = nullptr);

    // Title, reagent, run mode and speed; the switch itself stays enabled.
    void setDependentEnabled(bool enabled);
    bool dependentEnabled() const { return m_enabled; }

    void setTitle(const QString &title);
    QString title() const;
    int onOff() const;
    void setOnOff(int index);
    int runMode() const;
    void setRunMode(int index);
    int speed() const;
    void setSpeed(int index); // ignored unless below the item count
    int reagent() const;
    void setReagent(int index); // ignored unless below the item count
    void setReagentNames(const QStringList &names);

Q_SIGNALS:
    void autoOnOff(int index);
    void autoRunModeChanged(int index);
    void autoCustomModeChanged(int index);

public Q_SLOTS:
    void combOnOff_CurrentIndexChanged(int index);
    void combRunMode_CurrentIndexChanged(int index);
    void combSetupMode_CurrentIndexChanged(int index);

private:
    Ui::AutoPublicSetup m_ui;
    bool m_enabled = true;
};
