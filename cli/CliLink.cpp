#include "CliLink.h"

#include "BatchOutcome.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "Communication.h"
#include "ModbusCodec.h"
#include "TcpClient.h"

#include <QCoreApplication>
#include <QEventLoop>

CliLink::CliLink()
{
    m_queue = new CommSend;
    CommSend::setInstance(m_queue);
    m_queue->moveToThread(&m_thread);
    connect(this, &CliLink::transmission, m_queue, &CommSend::transmission, Qt::QueuedConnection);
    connect(m_queue, &CommSend::returnStatus, this,
            [this](int status) { BatchOutcome::route(*m_queue, status); });
    connect(m_queue, &CommSend::requestProgress, this, [this](int done, int total) {
        if (m_progress)
            m_progress(done, total);
    });
    connect(m_queue, &CommSend::pumpsHeard, this,
            [this](const QVector<int> &, int silentAddress) { m_silentAddress = silentAddress; });
    m_thread.start();
}

CliLink::~CliLink()
{
    close();
}

void CliLink::close()
{
    if (!m_thread.isRunning())
        return;
    // The transport belongs to the worker thread; it goes before the thread.
    QMetaObject::invokeMethod(m_queue, &CommSend::shutdown, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    CommSend::setInstance(nullptr);
    delete m_queue;
    m_queue = nullptr;
}

bool CliLink::open(const QString &host, int port, QString *error)
{
    TcpClient::setEndpointOverride(host, port);
    int state = 0;
    // start() connects before it returns (within the transport's connect
    // timeout); then the transport is told to stay down once it is lost.
    QMetaObject::invokeMethod(
        m_queue,
        [this, &state] {
            m_queue->start();
            if (auto *tcp = qobject_cast<TcpClient *>(m_queue->link())) {
                tcp->setAutoReconnect(false);
                state = tcp->socketState();
            }
        },
        Qt::BlockingQueuedConnection);
    if (state != Communication::kConnectedState) {
        *error = QCoreApplication::translate("CliLink", "No connection to the bridge at %1:%2.")
                     .arg(host)
                     .arg(port);
        return false;
    }
    connect(m_queue->link(), &Communication::conStatus, this, [this](int linkState) {
        if (linkState != Communication::kConnectedState)
            m_lost = true;
    });
    return true;
}

bool CliLink::run(const QStringList &commands, QString *error)
{
    m_finished = false;
    m_status = -1;
    m_silentAddress = -1;
    if (m_lost || !BatchStart::begin(commands, this, m_queue)) {
        *error = QCoreApplication::translate(
            "CliLink",
            "The bridge closed the connection; another program (the Tidewell D4 "
            "window?) may hold it.");
        return false;
    }
    QEventLoop loop;
    const QMetaObject::Connection done =
        connect(m_queue, &CommSend::returnStatus, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    // The bridge holds one connection at a time and closes a second at
    // once: a lost link ends the wait without the retries of each request.
    QMetaObject::Connection lost;
    if (Communication *link = m_queue->link())
        lost = connect(link, &Communication::conStatus, &loop, [&loop](int state) {
            if (state != Communication::kConnectedState)
                loop.quit();
        });
    Q_EMIT transmission();
    if (!m_finished && !m_lost)
        loop.exec();
    disconnect(done);
    disconnect(lost);
    if (m_finished && m_status == 0)
        return true;
    int state = Communication::kConnectedState;
    QMetaObject::invokeMethod(
        m_queue, [this, &state] { state = m_queue->link()->socketState(); },
        Qt::BlockingQueuedConnection);
    if (!m_finished || m_lost || state != Communication::kConnectedState) {
        *error = QCoreApplication::translate(
            "CliLink",
            "The bridge closed the connection; another program (the Tidewell D4 "
            "window?) may hold it.");
        return false;
    }
    switch (m_status) {
    case Modbus::StatusTimeout:
        *error = m_silentAddress >= 0
            ? QCoreApplication::translate("CliLink", "No reply from the pump at address %1.")
                  .arg(m_silentAddress)
            : QCoreApplication::translate("CliLink", "No reply from the pump.");
        break;
    case Modbus::StatusException:
        *error =
            QCoreApplication::translate("CliLink", "A pump refused a request (Modbus exception).");
        break;
    default:
        *error = QCoreApplication::translate(
            "CliLink", "A pump's replies were damaged (CRC or frame errors).");
        break;
    }
    return false;
}

void CliLink::operateSuccess()
{
    m_finished = true;
    m_status = 0;
}

void CliLink::operateFailure(int status)
{
    m_finished = true;
    m_status = status;
}
