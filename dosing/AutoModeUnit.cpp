#include "AutoModeUnit.h"

#include "UnsavedEdits.h"

AutoModeUnit::AutoModeUnit(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.wgPublicSetup, &AutoPublicSetup::autoOnOff, this,
            &AutoModeUnit::setupChannelOnOffIndex);
    connect(m_ui.wgPublicSetup, &AutoPublicSetup::autoCustomModeChanged, this,
            &AutoModeUnit::autoCustomModeChanged);
    connect(m_ui.wgPublicSetup, &AutoPublicSetup::autoRunModeChanged, this,
            &AutoModeUnit::setupRunModeIndex);
    connect(m_ui.wgCustomSetup, &AutoCustomSetup::editPlan, this, &AutoModeUnit::editCustomPlan);
    connect(m_ui.wgCustomSetup, &AutoCustomSetup::deletePlan, this,
            &AutoModeUnit::deleteCustomPlan);
    connect(m_ui.cboxDisMode, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AutoModeUnit::cboxDisMode_CurrentIndexChanged);

    m_ui.wgCustomSetup->hide();
    m_ui.wgCustomInformation->hide();
    m_ui.wgWeekSetup->hide();
    setupChannelOnOffIndex(m_ui.wgPublicSetup->onOff());
}

void AutoModeUnit::setChannel(const DoseProgramme::Channel &channel)
{
    setupChannelOnOffIndex(channel.onOff);
    m_ui.wgPublicSetup->setSpeed(channel.speed);
    setupRunModeIndex(channel.runMode);
    m_ui.wgSetupParameter->setStartTime(channel.start);
    m_ui.wgSetupParameter->setStopTime(channel.stop);
    // The dose count is one of the choices the times just shown allow.
    m_ui.wgSetupParameter->rebuildDoseChoices();
    m_ui.wgSetupParameter->setDosesPerDay(channel.dosesPerDay);
    bool clamped = false;
    const double volume = DoseProgramme::shownVolume(channel.volumeBits, &clamped);
    m_ui.wgSetupParameter->setTotalVolume(volume, clamped);
    m_ui.wgWeekSetup->setMask(channel.weekMask);
    m_ui.wgCustomInformation->clear();
    for (const DoseProgramme::Plan &plan : channel.plans)
        m_ui.wgCustomInformation->addPlan(plan.time, plan.volume);
}

DoseProgramme::Channel AutoModeUnit::channel() const
{
    DoseProgramme::Channel channel;
    channel.onOff = m_ui.wgPublicSetup->onOff();
    channel.runMode = m_ui.wgPublicSetup->runMode();
    channel.speed = m_ui.wgPublicSetup->speed();
    channel.volumeBits = DoseProgramme::volumeBits(m_ui.wgSetupParameter->totalVolume());
    channel.dosesPerDay = m_ui.wgSetupParameter->dosesPerDay();
    channel.start = m_ui.wgSetupParameter->startTime();
    channel.stop = m_ui.wgSetupParameter->stopTime();
    channel.weekMask = m_ui.wgWeekSetup->mask();
    channel.plans = m_ui.wgCustomInformation->plans();
    return channel;
}

void AutoModeUnit::setSpeed(int index)
{
    m_ui.wgPublicSetup->setSpeed(index);
}

void AutoModeUnit::setReagentNames(const QStringList &names)
{
    m_ui.wgPublicSetup->setReagentNames(names);
}

void AutoModeUnit::setReagent(int index)
{
    m_ui.wgPublicSetup->setReagent(index);
}

int AutoModeUnit::reagent() const
{
    return m_ui.wgPublicSetup->reagent();
}

void AutoModeUnit::setTitle(const QString &title)
{
    m_ui.wgPublicSetup->setTitle(title);
}

QString AutoModeUnit::title() const
{
    return m_ui.wgPublicSetup->title();
}

void AutoModeUnit::putPlansInOrder()
{
    m_ui.wgCustomInformation->putInOrder();
}

void AutoModeUnit::setDisplayMode(int mode)
{
    if (mode < 0 || mode >= m_ui.cboxDisMode->count())
        return;
    m_displayMode = mode;
    m_ui.cboxDisMode->setCurrentIndex(mode);
}

void AutoModeUnit::watchEdits(UnsavedEdits *edits)
{
    m_edits = edits;
    static const char *const kEditors[] = {
        "combOnOff",     "combRunMode",  "combSpeed",  "combReagent",  "combTimes",
        "dbVolume",      "tEStartTime",  "tEStopTime", "cBoxMonday",   "cBoxTuesday",
        "cBoxWednesday", "cBoxThursday", "cBoxFriday", "cBoxSaturday", "cBoxSunday"};
    for (const char *name : kEditors) {
        if (QWidget *editor = findChild<QWidget *>(QLatin1String(name)))
            edits->watch(editor);
    }
}

void AutoModeUnit::setupChannelOnOffIndex(int index)
{
    m_ui.wgPublicSetup->setOnOff(index);
    if (index != DoseProgramme::SwitchOff && index != DoseProgramme::SwitchOn)
        return;
    const bool on = index == DoseProgramme::SwitchOn;
    m_ui.wgPublicSetup->setDependentEnabled(on);
    m_ui.wgSetupParameter->setControlsEnabled(on);
    m_ui.wgCustomSetup->setControlsEnabled(on);
    m_ui.wgCustomInformation->setEnabled(on);
    m_ui.wgWeekSetup->setEnabled(on);
    m_ui.cboxDisMode->setEnabled(on);
}

void AutoModeUnit::autoCustomModeChanged(int mode)
{
    if (mode == DoseProgramme::SetupCustom) {
        m_setupMode = mode;
        m_ui.wgSetupParameter->hide();
        m_ui.wgWeekSetup->hide();
        if (m_displayMode != DisplayPlan)
            setDisplayMode(DisplayPlan);
        m_ui.wgCustomSetup->show();
        m_ui.wgCustomInformation->show();
    } else if (mode == DoseProgramme::SetupAuto) {
        m_setupMode = mode;
        m_ui.wgCustomSetup->hide();
        m_ui.wgCustomInformation->hide();
        if (m_displayMode != DisplayWeek)
            setDisplayMode(DisplayWeek);
        m_ui.wgSetupParameter->show();
        m_ui.wgWeekSetup->setVisible(m_runMode == DoseProgramme::RunWeek);
    }
}

void AutoModeUnit::setupRunModeIndex(int index)
{
    m_runMode = index;
    m_ui.wgPublicSetup->setRunMode(index);
    if (index < DoseProgramme::RunWeek)
        m_ui.wgWeekSetup->hide();
    else if (index == DoseProgramme::RunWeek && m_displayMode == DisplayWeek)
        m_ui.wgWeekSetup->show();
}

void AutoModeUnit::cboxDisMode_CurrentIndexChanged(int mode)
{
    m_displayMode = mode;
    if (mode == DisplayWeek) {
        m_ui.wgCustomInformation->hide();
        m_ui.wgWeekSetup->setVisible(m_runMode == DoseProgramme::RunWeek);
    } else if (mode == DisplayPlan) {
        m_ui.wgWeekSetup->hide();
        m_ui.wgCustomInformation->setVisible(m_setupMode == DoseProgramme::SetupCustom);
    }
}

void AutoModeUnit::editCustomPlan(int index, QTime time, double volume)
{
    m_ui.wgCustomInformation->editPlan(index, time, volume);
    if (m_edits)
        m_edits->markEdited();
}

void AutoModeUnit::deleteCustomPlan(int index)
{
    m_ui.wgCustomInformation->deletePlan(index);
    if (m_edits)
        m_edits->markEdited();
}
