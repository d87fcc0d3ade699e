#include "DialogPassword.h"

#include "AppSettings.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "MyMessageBox.h"
#include "PasswordChange.h"
#include "RegisterImage.h"

#include <QEvent>

DialogPassword::DialogPassword(QWidget *parent)
    : QDialog(parent)
{
    // setupUi connects the two buttons to the on_..._clicked slots.
    m_ui.setupUi(this);
    setWindowTitle(tr("Password Setup"));
    m_ui.lbMessage->hide();
    // The transport was created by the queue on its own thread when it
    // started; creating it here would put it on the wrong thread.
    if (CommSend *queue = CommSend::instance())
        connect(this, &DialogPassword::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
}

void DialogPassword::showMessage(const QString &text)
{
    m_ui.lbMessage->setText(text);
    m_ui.lbMessage->setVisible(!text.isEmpty());
    // Grow to hold the message rather than squeeze the fields.
    if (height() < sizeHint().height())
        resize(width(), sizeHint().height());
}

bool DialogPassword::startBatch(const QStringList &commands)
{
    if (!BatchStart::begin(commands, this))
        return false;
    Q_EMIT transmission();
    return true;
}

void DialogPassword::on_btnConfirm_clicked()
{
    if (!BatchStart::isIdle())
        return;
    showMessage(QString());
    if (!PasswordChange::isAscii(m_ui.leNewPassword->text())) {
        showMessage(tr("The new password can only use ASCII characters: English letters, digits "
                       "and the common symbols."));
        return;
    }
    m_step = StepRead;
    startBatch(PasswordChange::readCommands());
}

void DialogPassword::operateSuccess()
{
    if (m_step == StepRead) {
        m_step = StepWritten;
        const QByteArray newPassword = m_ui.leNewPassword->text().toLatin1();
        const PasswordChange::Check result =
            PasswordChange::check(*RegisterImage::shared(), m_ui.leOldPassword->text().toLatin1(),
                                  newPassword, m_ui.leConfirm->text().toLatin1());
        if (result != PasswordChange::Check::Passed) {
            MyMessageBox::prompt(this, static_cast<int>(result));
            return;
        }
        PasswordChange::pack(*RegisterImage::shared(), newPassword);
        if (!startBatch(PasswordChange::writeCommands()))
            m_step = StepIdle;
        return;
    }
    if (m_step == StepWritten) {
        // Kept on disk only while the user wants the password saved, as
        // the login dialog does.
        QSettings &settings = AppSettings::store();
        if (settings.value(QLatin1String(AppSettings::kSavePassword)).toBool())
            settings.setValue(QLatin1String(AppSettings::kLoginPassword),
                              m_ui.leNewPassword->text());
        MyMessageBox::prompt(this, 17);
        accept();
        m_step = StepIdle;
    }
}

void DialogPassword::operateFailure(int status)
{
    Q_UNUSED(status)
    if (m_step == StepRead || m_step == StepWritten)
        MyMessageBox::prompt(this, 2);
    m_step = StepIdle;
}

void DialogPassword::on_btnCancel_clicked()
{
    reject();
}

void DialogPassword::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui.retranslateUi(this);
        setWindowTitle(tr("Password Setup"));
    }
    QDialog::changeEvent(event);
}
