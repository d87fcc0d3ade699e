#include "DialogIpPort.h"

#include "AppSettings.h"
#include "CommSend.h"
#include "Communication.h"
#include "MyMessageBox.h"

DialogIpPort::DialogIpPort(QWidget *parent)
    : QDialog(parent)
{
    m_ui.setupUi(this);
    setWindowTitle(tr("IP and PORT setup"));
    QSettings &settings = AppSettings::store();
    m_ui.leIp->setText(settings.value(QLatin1String(AppSettings::kNetIp)).toString());
    m_ui.lePort->setText(
        QString::number(settings.value(QLatin1String(AppSettings::kNetPort)).toInt()));

    connect(m_ui.btnCancel, &QPushButton::clicked, this, &DialogIpPort::btnCancel_Clicked);
    connect(m_ui.btnConfirm, &QPushButton::clicked, this, &DialogIpPort::btnConfirm_Clicked);
    connect(m_ui.btnReConnect, &QPushButton::clicked, this, &DialogIpPort::btnReConnect_Clicked);
    if (CommSend *queue = CommSend::instance()) {
        connect(this, qOverload<>(&DialogIpPort::finished), queue, &CommSend::stop,
                Qt::QueuedConnection);
        connect(this, &DialogIpPort::started, queue, &CommSend::start, Qt::QueuedConnection);
    }
    if (Communication *link = Communication::current())
        connect(link, &Communication::conStatus, this, &DialogIpPort::conStatus,
                Qt::QueuedConnection);
}

bool DialogIpPort::checkEntry(QString *ip, int *port)
{
    const QString host = m_ui.leIp->text().trimmed();
    if (!AppSettings::isValidBridgeHost(host)) {
        MyMessageBox::warn(
            this,
            tr("IP: \"%1\" is neither an IPv4 address nor a host name.").arg(m_ui.leIp->text()));
        m_ui.leIp->setFocus();
        return false;
    }
    const std::optional<int> number = AppSettings::bridgePort(m_ui.lePort->text());
    if (!number) {
        MyMessageBox::warn(
            this, tr("PORT: \"%1\" is not a number from 1 to 65535.").arg(m_ui.lePort->text()));
        m_ui.lePort->setFocus();
        return false;
    }
    *ip = host;
    *port = *number;
    return true;
}

void DialogIpPort::btnConfirm_Clicked()
{
    QString ip;
    int port = 0;
    if (!checkEntry(&ip, &port))
        return;
    QSettings &settings = AppSettings::store();
    settings.setValue(QLatin1String(AppSettings::kNetIp), ip);
    settings.setValue(QLatin1String(AppSettings::kNetPort), port);
    accept();
}

void DialogIpPort::btnReConnect_Clicked()
{
    Communication *link = Communication::current();
    if (!link)
        return;
    QString ip;
    int port = 0;
    if (!checkEntry(&ip, &port))
        return;
    m_dialledHost = ip;
    m_dialledPort = port;
    // The link lives on its own thread: hand it the new address there, ahead
    // of the stop and start that follow in the same queue.
    QMetaObject::invokeMethod(
        link,
        [link, ip, port] {
            link->setIp(ip);
            link->setPort(port);
        },
        Qt::QueuedConnection);
    Q_EMIT finished();
    Q_EMIT started();
}

void DialogIpPort::conStatus(int state)
{
    MyMessageBox::prompt(this, state == Communication::kConnectedState ? 9 : 10);
}

void DialogIpPort::btnCancel_Clicked()
{
    reject();
}
