#include "AutoSetupParameter.h"

#include "DoseProgramme.h"

#include <QSignalBlocker>

AutoSetupParameter::AutoSetupParameter(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.dbVolume, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &AutoSetupParameter::dSpinBox_ValueChanged);
    connect(m_ui.combTimes, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AutoSetupParameter::combTimes_CurrentIndexChanged);
    connect(m_ui.tEStartTime, &QTimeEdit::timeChanged, this,
            &AutoSetupParameter::tEStartTime_TimeChanged);
    connect(m_ui.tEStopTime, &QTimeEdit::timeChanged, this,
            &AutoSetupParameter::tEStopTime_TimeChanged);
    connect(m_ui.tEStartTime, &QTimeEdit::editingFinished, this,
            &AutoSetupParameter::snapStartTime);
    connect(m_ui.tEStopTime, &QTimeEdit::editingFinished, this, &AutoSetupParameter::snapStopTime);
    showPerDose(totalVolume());
}

void AutoSetupParameter::setControlsEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_ui.combTimes->setEnabled(enabled);
    m_ui.dbVolume->setEnabled(enabled);
    m_ui.lbMl->setEnabled(enabled);
    m_ui.lbPerDose->setEnabled(enabled);
    m_ui.tEStartTime->setEnabled(enabled);
    m_ui.tEStopTime->setEnabled(enabled);
}

void AutoSetupParameter::rebuildDoseChoices()
{
    m_choices.clear();
    const QVector<int> choices =
        DoseProgramme::dosesPerDayChoices(m_ui.tEStartTime->time(), m_ui.tEStopTime->time());
    for (int doses : choices)
        m_choices << QStringLiteral("%1").arg(doses);
    {
        const QSignalBlocker blocker(m_ui.combTimes);
        m_ui.combTimes->clear();
        m_ui.combTimes->addItems(m_choices);
    }
    showPerDose(totalVolume());
}

void AutoSetupParameter::setDosesPerDay(int doses)
{
    const int index = m_ui.combTimes->findText(QString::number(doses));
    if (index >= 0)
        m_ui.combTimes->setCurrentIndex(index);
    showPerDose(totalVolume());
}

int AutoSetupParameter::dosesPerDay() const
{
    return m_ui.combTimes->currentText().toInt();
}

void AutoSetupParameter::setTotalVolume(double volume, bool marked)
{
    m_settingVolume = true;
    m_ui.dbVolume->setValue(volume);
    m_settingVolume = false;
    showMark(marked);
    showPerDose(totalVolume());
}

double AutoSetupParameter::totalVolume() const
{
    return m_ui.dbVolume->value();
}

void AutoSetupParameter::setStartTime(const QTime &time)
{
    m_ui.tEStartTime->setTime(time);
}

void AutoSetupParameter::setStopTime(const QTime &time)
{
    m_ui.tEStopTime->setTime(time);
}

QTime AutoSetupParameter::startTime() const
{
    // Also while the user is still typing in it.
    return DoseProgramme::snappedStart(m_ui.tEStartTime->time());
}

QTime AutoSetupParameter::stopTime() const
{
    return DoseProgramme::snappedStop(m_ui.tEStopTime->time());
}

void AutoSetupParameter::dSpinBox_ValueChanged(double value)
{
    // A value the user typed replaces the pump's unreadable one.
    if (!m_settingVolume)
        showMark(false);
    showPerDose(value);
}

void AutoSetupParameter::combTimes_CurrentIndexChanged(int index)
{
    Q_UNUSED(index)
    showPerDose(totalVolume());
}

void AutoSetupParameter::tEStartTime_TimeChanged(const QTime &time)
{
    Q_UNUSED(time)
    // Snapping the time under the user's cursor would swallow the digits
    // being typed: what the user types snaps when the editing finishes.
    if (!m_ui.tEStartTime->hasFocus())
        snapStartTime();
}

void AutoSetupParameter::tEStopTime_TimeChanged(const QTime &time)
{
    Q_UNUSED(time)
    if (!m_ui.tEStopTime->hasFocus())
        snapStopTime();
}

void AutoSetupParameter::snapStartTime()
{
    const QTime snapped = DoseProgramme::snappedStart(m_ui.tEStartTime->time());
    if (snapped != m_ui.tEStartTime->time()) {
        const QSignalBlocker blocker(m_ui.tEStartTime);
        m_ui.tEStartTime->setTime(snapped);
    }
    rebuildDoseChoices();
}

void AutoSetupParameter::snapStopTime()
{
    const QTime snapped = DoseProgramme::snappedStop(m_ui.tEStopTime->time());
    if (snapped != m_ui.tEStopTime->time()) {
        const QSignalBlocker blocker(m_ui.tEStopTime);
        m_ui.tEStopTime->setTime(snapped);
    }
    rebuildDoseChoices();
}

void AutoSetupParameter::showPerDose(double total)
{
    const std::optional<double> perDose = DoseProgramme::perDoseVolume(total, dosesPerDay());
    // No number while there is nothing to divide by.
    m_ui.lbPerDose->setText(perDose ? QStringLiteral("%1 ml").arg(*perDose, 0, 'f', 1)
                                    : QStringLiteral("-- ml"));
}

void AutoSetupParameter::showMark(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    m_ui.dbVolume->setStyleSheet(marked ? QStringLiteral("background-color:#ffd0d0") : QString());
    m_ui.dbVolume->setToolTip(
        marked ? tr("The pump holds a volume that cannot be shown; Save writes the value shown.")
               : QString());
}
