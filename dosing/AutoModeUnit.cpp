#include "AutoModeUnit.h"

namespace {
constexpr int kWeekCode = DoseProgramme::RunWeek + 1;
} // namespace

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

int AutoModeUnit::channelOnOff() const
{
    return m_ui.wgPublicSetup->onOff();
}

int AutoModeUnit::runMode() const
{
    return m_ui.wgPublicSetup->runMode();
}

void AutoModeUnit::setSpeed(int index)
{
    m_ui.wgPublicSetup->setSpeed(index);
}

int AutoModeUnit::speed() const
{
    return m_ui.wgPublicSetup->speed();
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

void AutoModeUnit::setStartTime(const QTime &time)
{
    m_ui.wgSetupParameter->setStartTime(time);
}

void AutoModeUnit::setStopTime(const QTime &time)
{
    m_ui.wgSetupParameter->setStopTime(time);
}

QTime AutoModeUnit::startTime() const
{
    return m_ui.wgSetupParameter->startTime();
}

QTime AutoModeUnit::stopTime() const
{
    return m_ui.wgSetupParameter->stopTime();
}

void AutoModeUnit::rebuildDoseChoices()
{
    m_ui.wgSetupParameter->rebuildDoseChoices();
}

QStringList AutoModeUnit::doseChoices() const
{
    return m_ui.wgSetupParameter->doseChoices();
}

void AutoModeUnit::setDosesPerDay(int doses)
{
    m_ui.wgSetupParameter->setDosesPerDay(doses);
}

int AutoModeUnit::dosesPerDay() const
{
    return m_ui.wgSetupParameter->dosesPerDay();
}

void AutoModeUnit::setTotalVolume(double volume, bool marked)
{
    m_ui.wgSetupParameter->setTotalVolume(volume, marked);
}

double AutoModeUnit::totalVolume() const
{
    return m_ui.wgSetupParameter->totalVolume();
}

bool AutoModeUnit::volumeMarked() const
{
    return m_ui.wgSetupParameter->volumeMarked();
}

void AutoModeUnit::setWeekMask(int mask)
{
    m_ui.wgWeekSetup->setMask(mask);
}

int AutoModeUnit::weekMask() const
{
    return m_ui.wgWeekSetup->mask();
}

void AutoModeUnit::clearPlans()
{
    m_ui.wgCustomInformation->clear();
}

void AutoModeUnit::addPlan(const QTime &time, double volume)
{
    m_ui.wgCustomInformation->addPlan(time, volume);
}

void AutoModeUnit::putPlansInOrder()
{
    m_ui.wgCustomInformation->putInOrder();
}

QVector<QTime> AutoModeUnit::planTimes() const
{
    return m_ui.wgCustomInformation->times();
}

QVector<double> AutoModeUnit::planVolumes() const
{
    return m_ui.wgCustomInformation->volumes();
}

QVector<DoseProgramme::Plan> AutoModeUnit::plans() const
{
    return m_ui.wgCustomInformation->plans();
}

void AutoModeUnit::setDisplayMode(int mode)
{
    if (mode < 0 || mode >= m_ui.cboxDisMode->count())
        return;
    m_displayMode = mode;
    m_ui.cboxDisMode->setCurrentIndex(mode);
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
        m_ui.wgWeekSetup->setVisible(m_runModeCode == kWeekCode);
    }
}

void AutoModeUnit::setupRunModeIndex(int index)
{
    m_runModeCode = index + 1;
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
        m_ui.wgWeekSetup->setVisible(m_runModeCode == kWeekCode);
    } else if (mode == DisplayPlan) {
        m_ui.wgWeekSetup->hide();
        m_ui.wgCustomInformation->setVisible(m_setupMode == DoseProgramme::SetupCustom);
    }
}

void AutoModeUnit::editCustomPlan(int index, QTime time, double volume)
{
    m_ui.wgCustomInformation->editPlan(index, time, volume);
}

void AutoModeUnit::deleteCustomPlan(int index)
{
    m_ui.wgCustomInformation->deletePlan(index);
}
