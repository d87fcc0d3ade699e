#include "AutoPublicSetup.h"

#include "ElidedText.h"

AutoPublicSetup::AutoPublicSetup(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.combOnOff, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AutoPublicSetup::combOnOff_CurrentIndexChanged);
    connect(m_ui.combRunMode, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AutoPublicSetup::combRunMode_CurrentIndexChanged);
}

void AutoPublicSetup::setDependentEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_ui.lbPumpName->setEnabled(enabled);
    m_ui.combReagent->setEnabled(enabled);
    m_ui.combRunMode->setEnabled(enabled);
    m_ui.combSpeed->setEnabled(enabled);
}

void AutoPublicSetup::setTitle(const QString &title)
{
    ElidedText::setText(m_ui.lbPumpName, title);
}

QString AutoPublicSetup::title() const
{
    return ElidedText::fullText(m_ui.lbPumpName);
}

int AutoPublicSetup::onOff() const
{
    return m_ui.combOnOff->currentIndex();
}

void AutoPublicSetup::setOnOff(int index)
{
    if (index >= 0 && index < m_ui.combOnOff->count())
        m_ui.combOnOff->setCurrentIndex(index);
}

int AutoPublicSetup::runMode() const
{
    return m_ui.combRunMode->currentIndex();
}

void AutoPublicSetup::setRunMode(int index)
{
    m_ui.combRunMode->setCurrentIndex(index < m_ui.combRunMode->count() ? index : -1);
}

int AutoPublicSetup::speed() const
{
    return m_ui.combSpeed->currentIndex();
}

void AutoPublicSetup::setSpeed(int index)
{
    if (index >= 0 && index < m_ui.combSpeed->count())
        m_ui.combSpeed->setCurrentIndex(index);
}

int AutoPublicSetup::reagent() const
{
    return m_ui.combReagent->currentIndex();
}

void AutoPublicSetup::setReagent(int index)
{
    if (index >= 0 && index < m_ui.combReagent->count())
        m_ui.combReagent->setCurrentIndex(index);
}

void AutoPublicSetup::setReagentNames(const QStringList &names)
{
    const int current = m_ui.combReagent->currentIndex();
    m_ui.combReagent->clear();
    m_ui.combReagent->addItems(names);
    setReagent(current);
}

void AutoPublicSetup::combOnOff_CurrentIndexChanged(int index)
{
    Q_EMIT autoOnOff(index);
}

void AutoPublicSetup::combRunMode_CurrentIndexChanged(int index)
{
    Q_EMIT autoRunModeChanged(index);
}

void AutoPublicSetup::combSetupMode_CurrentIndexChanged(int index)
{
    Q_EMIT autoCustomModeChanged(index);
}
