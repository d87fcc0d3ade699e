#include "AutoCustomSetup.h"

#include "MyMessageBox.h"

namespace {
// A plan doses at least this much.
constexpr double kMinPlanVolume = 1.0;
} // namespace

AutoCustomSetup::AutoCustomSetup(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    m_ui.sbPlanIndex->setToolTip(MyMessageBox::helpText(23));
    m_ui.dtStartTime->setToolTip(MyMessageBox::helpText(24));
    m_ui.dbVolume->setToolTip(MyMessageBox::helpText(25));
    m_ui.btnConfirm->setToolTip(MyMessageBox::helpText(26));
    m_ui.btnDelete->setToolTip(MyMessageBox::helpText(27));
    connect(m_ui.btnConfirm, &QPushButton::clicked, this, &AutoCustomSetup::btnConfirm_Clicked);
    connect(m_ui.btnDelete, &QPushButton::clicked, this, &AutoCustomSetup::btnDelete_Clicked);
}

void AutoCustomSetup::setControlsEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_ui.sbPlanIndex->setEnabled(enabled);
    m_ui.dtStartTime->setEnabled(enabled);
    m_ui.dbVolume->setEnabled(enabled);
    m_ui.btnConfirm->setEnabled(enabled);
    m_ui.btnDelete->setEnabled(enabled);
}

void AutoCustomSetup::btnConfirm_Clicked()
{
    if (m_ui.dbVolume->value() < kMinPlanVolume) {
        MyMessageBox::prompt(this, 25);
        return;
    }
    Q_EMIT editPlan(m_ui.sbPlanIndex->value(), m_ui.dtStartTime->time(), m_ui.dbVolume->value());
}

void AutoCustomSetup::btnDelete_Clicked()
{
    Q_EMIT deletePlan(m_ui.sbPlanIndex->value());
}
