#include "DialogLogin.h"

#include "AppSettings.h"
#include "BatchOutcome.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "Communication.h"
#include "DialogIpPort.h"
#include "MyMessageBox.h"
#include "PasswordChange.h"
#include "RegisterImage.h"

#include <QDebug>
#include <QEvent>
#include <QThread>

DialogLogin::DialogLogin(QWidget *parent)
    : QDialog(parent)
    , m_thread(new QThread)
    , m_queue(new CommSend)
{
    m_ui.setupUi(this);
    setWindowTitle(tr("Login"));
    RegisterImage::shared();

    // The queue and its thread live until the process ends.
    CommSend::setInstance(m_queue);
    m_queue->moveToThread(m_thread);
    connect(m_thread, &QThread::started, m_queue, &CommSend::start, Qt::QueuedConnection);
    // Emitted on the worker thread as it ends, where the queue lives.
    connect(m_thread, &QThread::finished, m_queue, &CommSend::stop, Qt::DirectConnection);
    m_thread->start(QThread::InheritPriority);

    QSettings &settings = AppSettings::store();
    if (settings.value(QLatin1String(AppSettings::kSavePassword)).toBool()) {
        m_ui.lEPassword->setText(
            settings.value(QLatin1String(AppSettings::kLoginPassword)).toString());
        m_ui.cBoxSave->setChecked(true);
    }

    connect(m_ui.btnCancel, &QPushButton::clicked, this, &DialogLogin::btnCancel_Clicked);
    connect(m_ui.btnConfirm, &QPushButton::clicked, this, &DialogLogin::btnConfirm_Clicked);
    connect(m_ui.btnUpgrade, &QPushButton::clicked, this, &DialogLogin::btnUpgrade_Clicked);
    connect(m_ui.btnNetSetup, &QPushButton::clicked, this, &DialogLogin::btnNetSetup_Clicked);
    connect(m_ui.cBoxSave, &QCheckBox::stateChanged, this, &DialogLogin::cBoxSave_StateChanged);
    connect(this, &DialogLogin::transmission, m_queue, &CommSend::transmission,
            Qt::QueuedConnection);
}

DialogLogin::~DialogLogin()
{
    // The transport lives on the worker thread and is deleted there.
    QMetaObject::invokeMethod(m_queue, &CommSend::shutdown, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    if (CommSend::instance() == m_queue)
        CommSend::setInstance(nullptr);
    delete m_queue;
    delete m_thread;
}

int DialogLogin::linkState() const
{
    Communication *link = Communication::current();
    return link ? link->socketState() : 0;
}

void DialogLogin::recieveData(int status)
{
    BatchOutcome::route(*m_queue, status);
}

void DialogLogin::btnConfirm_Clicked()
{
    const int state = linkState();
    qDebug().noquote() << QStringLiteral("tcpstatus:%1").arg(state);
    m_upgradeChosen = false;
    if (Communication *link = Communication::current())
        link->setMode(Communication::ModbusMode);
    if (state != Communication::kConnectedState) {
        MyMessageBox::prompt(this, 11);
        return;
    }
    // A second press while the read is on its way changes nothing.
    if (!BatchStart::begin(PasswordChange::readCommands(), this, m_queue))
        return;
    m_awaitingReply = true;
    Q_EMIT transmission();
}

bool DialogLogin::matchesDevicePassword(const QByteArray &typed)
{
    return PasswordChange::matchesDevice(*RegisterImage::shared(), typed);
}

void DialogLogin::operateSuccess()
{
    if (!m_awaitingReply)
        return;
    m_awaitingReply = false;
    const QString typed = m_ui.lEPassword->text();
    if (!matchesDevicePassword(typed.toLatin1())) {
        MyMessageBox::prompt(this, 12);
        return;
    }
    // The password reaches the disk only while the user wants it saved.
    QSettings &settings = AppSettings::store();
    if (m_ui.cBoxSave->isChecked())
        settings.setValue(QLatin1String(AppSettings::kLoginPassword), typed);
    accept();
}

void DialogLogin::operateFailure(int status)
{
    m_awaitingReply = false;
    qDebug().noquote() << QStringLiteral("login recieve statys:%1").arg(status);
    MyMessageBox::prompt(this, 2);
}

void DialogLogin::btnUpgrade_Clicked()
{
    m_upgradeChosen = true;
    if (linkState() != Communication::kConnectedState) {
        MyMessageBox::prompt(this, 11);
        return;
    }
    accept();
}

void DialogLogin::btnCancel_Clicked()
{
    reject();
}

void DialogLogin::btnNetSetup_Clicked()
{
    DialogIpPort dialog(this);
    dialog.exec();
}

void DialogLogin::cBoxSave_StateChanged(int state)
{
    QSettings &settings = AppSettings::store();
    if (state == Qt::Checked) {
        settings.setValue(QLatin1String(AppSettings::kSavePassword), true);
    } else if (state == Qt::Unchecked) {
        settings.setValue(QLatin1String(AppSettings::kSavePassword), false);
        settings.remove(QLatin1String(AppSettings::kLoginPassword));
    }
}

void DialogLogin::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui.retranslateUi(this);
        setWindowTitle(tr("Login"));
    }
    QDialog::changeEvent(event);
}
