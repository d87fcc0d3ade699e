#include "DialogPumpName.h"

#include "AppSettings.h"
#include "PumpNames.h"

DialogPumpName::DialogPumpName(int address, const QString &pumpName, QWidget *parent)
    : QDialog(parent)
    , m_address(address)
{
    m_ui.setupUi(this);
    setWindowTitle(tr("Pump Name Setup"));
    m_ui.lbDevice->setText(tr("Channel names of %1").arg(pumpName));
    m_ui.lbDevice->setVisible(!pumpName.isEmpty());
    connect(m_ui.btnConfirm, &QPushButton::clicked, this, &DialogPumpName::btnConfirm_Clicked);
    connect(m_ui.btnCancel, &QPushButton::clicked, this, &DialogPumpName::btnCancel_Clicked);
    const QStringList names = PumpNames::names(AppSettings::store(), address, pumpName);
    QLineEdit *const edits[] = {m_ui.lePump1, m_ui.lePump2, m_ui.lePump3, m_ui.lePump4};
    for (int i = 0; i < PumpNames::kChannelCount; ++i) {
        edits[i]->setMaxLength(PumpNames::kMaxNameLength);
        edits[i]->setText(names.value(i));
    }
}

void DialogPumpName::btnConfirm_Clicked()
{
    PumpNames::setNames(
        AppSettings::store(), m_address,
        {m_ui.lePump1->text(), m_ui.lePump2->text(), m_ui.lePump3->text(), m_ui.lePump4->text()});
    accept();
}

void DialogPumpName::btnCancel_Clicked()
{
    reject();
}
