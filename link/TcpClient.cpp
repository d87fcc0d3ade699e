#include "TcpClient.h"

#include "AppSettings.h"

#include <QDebug>
#include <QTcpSocket>
#include <QTimer>

#include <cstring>
#include <iterator>

namespace {
// Set before the queue starts, read by the transport it creates.
QString g_overrideHost;
int g_overridePort = 0;
} // namespace

TcpClient::TcpClient(QObject *parent)
    : Communication(parent)
{
    QSettings &settings = AppSettings::store();
    m_ip =
        settings
            .value(QLatin1String(AppSettings::kNetIp), QString::fromLatin1(AppSettings::kDefaultIp))
            .toString();
    m_port =
        settings.value(QLatin1String(AppSettings::kNetPort), AppSettings::kDefaultPort).toInt();
    if (!g_overrideHost.isEmpty()) {
        m_ip = g_overrideHost;
        m_port = g_overridePort;
    }
    m_socket = new QTcpSocket;
    m_retryTimer = new QTimer(this);
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, &TcpClient::retryDue);
    m_connectTimer = new QTimer(this);
    m_connectTimer->setSingleShot(true);
    connect(m_connectTimer, &QTimer::timeout, this, &TcpClient::connectTimedOut);
}

int TcpClient::retryPauseMs(int failedTries)
{
    static const int pauses[] = {1000, 2000, 5000, 10000, 30000};
    const int last = int(std::size(pauses)) - 1;
    return pauses[qBound(0, failedTries, last)];
}

namespace {
TcpClient *g_instance = nullptr;
}

TcpClient::~TcpClient()
{
    if (g_instance == this)
        g_instance = nullptr;
    if (m_socket->isOpen()) {
        m_autoReconnect = false;
        m_socket->close();
    }
    delete m_socket;
}

void TcpClient::setEndpointOverride(const QString &host, int port)
{
    g_overrideHost = host;
    g_overridePort = port;
}

TcpClient *TcpClient::instance()
{
    if (!g_instance)
        g_instance = new TcpClient;
    return g_instance;
}

void TcpClient::connectToDevice()
{
    m_autoReconnect = true;
    // An explicit connect starts the cycle of tries afresh.
    m_retryTimer->stop();
    m_connectTimer->stop();
    m_tryInProgress = false;
    m_failedTries = 0;
    disconnect(m_connectedConnection);
    disconnect(m_errorConnection);
    m_connectedConnection =
        connect(m_socket, &QTcpSocket::connected, this, &TcpClient::connectSuccess);
    m_errorConnection =
        connect(m_socket, &QTcpSocket::errorOccurred, this, &TcpClient::errorConnect);
    m_socket->connectToHost(m_ip, static_cast<quint16>(m_port));
    waitForConnection();
    disconnect(m_readyReadConnection);
    disconnect(m_disconnectedConnection);
    m_readyReadConnection = connect(m_socket, &QTcpSocket::readyRead, this, &TcpClient::readData);
    // Queued: the socket must finish its own disconnect handling before it
    // is asked to connect again.
    m_disconnectedConnection = connect(m_socket, &QTcpSocket::disconnected, this,
                                       &TcpClient::reConnect, Qt::QueuedConnection);
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        scheduleRetry();
}

void TcpClient::waitForConnection()
{
    if (m_socket->waitForConnected(kConnectTimeoutMs))
        return;
    // An unreachable bridge leaves the socket connecting; give up on it so
    // the state reported is unconnected, as for a refused connection.
    if (m_socket->state() != QAbstractSocket::UnconnectedState) {
        m_socket->abort();
        Q_EMIT conStatus(socketState());
    }
}

void TcpClient::disconnectFromDevice()
{
    // Unhook first, so that our own disconnect is not taken for a loss.
    disconnect(m_connectedConnection);
    disconnect(m_errorConnection);
    disconnect(m_readyReadConnection);
    disconnect(m_disconnectedConnection);
    m_retryTimer->stop();
    m_connectTimer->stop();
    m_tryInProgress = false;
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->disconnectFromHost();
    m_socket->close();
    abandonRequest();
}

void TcpClient::reConnect()
{
    qDebug() << "tcp disconnet";
    // A loss reported after the link was already restarted needs nothing.
    if (!m_autoReconnect || m_socket->state() != QAbstractSocket::UnconnectedState ||
        m_tryInProgress)
        return;
    // The first try follows the loss at once.
    m_retryTimer->stop();
    m_failedTries = 0;
    startTry();
}

void TcpClient::startTry()
{
    m_tryInProgress = true;
    m_socket->connectToHost(m_ip, static_cast<quint16>(m_port));
    m_connectTimer->start(kConnectTimeoutMs);
}

void TcpClient::retryDue()
{
    if (m_autoReconnect && m_socket->state() == QAbstractSocket::UnconnectedState)
        startTry();
}

void TcpClient::connectTimedOut()
{
    // An unreachable bridge leaves the socket connecting for minutes.
    if (m_tryInProgress)
        tryFailed();
}

void TcpClient::tryFailed()
{
    m_connectTimer->stop();
    m_tryInProgress = false;
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    // The first try after a loss reports its failure; the tries after it
    // only say when the next one comes, or every try would raise a prompt.
    if (m_failedTries == 0)
        Q_EMIT conStatus(socketState());
    scheduleRetry();
}

void TcpClient::scheduleRetry()
{
    if (!m_autoReconnect)
        return;
    const int delay = retryPauseMs(m_failedTries);
    ++m_failedTries;
    m_retryTimer->start(delay);
    Q_EMIT reconnectScheduled(delay);
}

void TcpClient::connectSuccess()
{
    qDebug() << "tcp connect success!!";
    m_connectTimer->stop();
    m_tryInProgress = false;
    m_failedTries = 0;
    // Every request is one small write; do not let Nagle hold it back.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    Q_EMIT conStatus(socketState());
}

void TcpClient::errorConnect(QAbstractSocket::SocketError error)
{
    qWarning().noquote() << QStringLiteral("tcp Error:%1").arg(static_cast<int>(error));
    if (m_tryInProgress) {
        tryFailed();
        return;
    }
    Q_EMIT conStatus(socketState());
}

void TcpClient::readData()
{
    const QByteArray bytes = readAvailable();
    if (!bytes.isEmpty())
        bytesReceived(bytes);
}

QByteArray TcpClient::readAvailable()
{
    // Exactly what has come, handed over as the socket buffered it.
    // readAll() takes a 16 KiB buffer for every one-byte answer and grows it
    // by another 16 KiB to look for more; once earlier transfers have left
    // the heap in pieces, that growth moves and copies the buffer, and each
    // upgrade in a session ran slower than the one before.
    const qint64 available = m_socket->bytesAvailable();
    return available > 0 ? m_socket->read(available) : QByteArray();
}

void TcpClient::dropUnreadBytes()
{
    const QByteArray stale = readAvailable();
    if (!stale.isEmpty())
        qDebug() << "dropping" << stale.size() << "stale bytes before a request";
}

qint64 TcpClient::writeAndFlush(const char *data, qint64 length)
{
    const qint64 written = m_socket->write(data, length);
    m_socket->flush();
    return written;
}

qint64 TcpClient::sendRequest(const char *frame, qint64 length)
{
    if (!frame || length <= 0)
        return -1;
    dropUnreadBytes();
    beginRequest(QByteArray(frame, static_cast<int>(length)));
    startResponseTimer(kResponseTimeoutMs);
    return writeAndFlush(frame, length);
}

qint64 TcpClient::sendRequest(const char *frame)
{
    return frame ? sendRequest(frame, static_cast<qint64>(std::strlen(frame))) : -1;
}

bool TcpClient::isOpen() const
{
    return m_socket->isOpen();
}

static_assert(Communication::kConnectedState == QAbstractSocket::ConnectedState,
              "the link reports the socket's own state");

int TcpClient::socketState() const
{
    return static_cast<int>(m_socket->state());
}

void TcpClient::setIp(const QString &ip)
{
    m_ip = ip;
}

void TcpClient::setPort(int port)
{
    m_port = port;
}

qint64 TcpClient::sendRaw(const char *data, qint64 length, int timeoutMs)
{
    if (!data || length <= 0)
        return -1;
    dropUnreadBytes();
    beginBootSend();
    setLastTag(static_cast<signed char>(data[0]));
    startResponseTimer(timeoutMs);
    return writeAndFlush(data, length);
}

qint64 TcpClient::sendRaw(const char *data, int timeoutMs)
{
    return data ? sendRaw(data, static_cast<qint64>(std::strlen(data)), timeoutMs) : -1;
}

qint64 TcpClient::sendTagged(int tag, const char *data, qint64 length, bool startTimer,
                             int timeoutMs)
{
    if (!data || length <= 0)
        return -1;
    dropUnreadBytes();
    beginBootSend();
    setLastTag(tag);
    const qint64 written = writeAndFlush(data, length);
    // A timer left from an earlier exchange must not report on this one.
    if (startTimer)
        startResponseTimer(timeoutMs);
    else
        stopResponseTimer();
    return written;
}

qint64 TcpClient::sendTaggedByte(int tag, char byte, bool startTimer, int timeoutMs)
{
    return sendTagged(tag, &byte, 1, startTimer, timeoutMs);
}
