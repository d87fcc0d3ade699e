#pragma once

#include "Communication.h"

#include <QAbstractSocket>
#include <QMetaObject>

class QTcpSocket;
class QTimer;

// The link over the WiFi bridge's one TCP connection. Connects to the
// configured address and port and feeds every received batch of bytes to
// the Communication base. After a loss it reconnects at once; while that or
// a connect fails it keeps trying on its own, with growing pauses, without
// ever blocking the link thread on a try.
class TcpClient : public Communication
{
    Q_OBJECT
public:
    // How long a connect or reconnect may take before it counts as failed.
    static constexpr int kConnectTimeoutMs = 5000;

    // The pause before the next try after failedTries tries in a row have
    // failed: 1, 2, 5 and 10 s, then every 30 s. A bridge that is switched
    // off for the night is not dialled every second until morning.
    static int retryPauseMs(int failedTries);

    explicit TcpClient(QObject *parent = nullptr);
    ~TcpClient() override;

    // The process-wide transport, created on first use in the calling thread
    // (the command queue's worker), and deleted by the queue's shutdown().
    static TcpClient *instance();

    // For a program given the bridge's address for one run: transports
    // created afterwards dial host and port instead of the stored ones.
    static void setEndpointOverride(const QString &host, int port);

    void connectToDevice() override;
    void disconnectFromDevice() override;
    qint64 sendRequest(const char *frame, qint64 length) override;
    qint64 sendRequest(const char *frame) override;
    bool isOpen() const override;
    int socketState() const override;
    void setIp(const QString &ip) override;
    void setPort(int port) override;

    qint64 sendRaw(const char *data, qint64 length, int timeoutMs) override;
    qint64 sendRaw(const char *data, int timeoutMs) override;
    qint64 sendTagged(int tag, const char *data, qint64 length, bool startTimer,
                      int timeoutMs) override;
    qint64 sendTaggedByte(int tag, char byte, bool startTimer, int timeoutMs) override;

    void setAutoReconnect(bool on) { m_autoReconnect = on; }
    bool autoReconnect() const { return m_autoReconnect; }

private Q_SLOTS:
    void readData();
    void errorConnect(QAbstractSocket::SocketError error);
    void reConnect();
    void connectSuccess();
    void retryDue();
    void connectTimedOut();

private:
    // One try that the event loop finishes: connectSuccess(), or
    // errorConnect() or connectTimedOut() and then tryFailed().
    void startTry();
    void tryFailed();
    void scheduleRetry();

    qint64 writeAndFlush(const char *data, qint64 length);
    QByteArray readAvailable();
    void dropUnreadBytes();
    void waitForConnection();

    QTcpSocket *m_socket = nullptr;
    QString m_ip;
    int m_port = 0;
    bool m_autoReconnect = false;
    bool m_tryInProgress = false;
    int m_failedTries = 0;
    QTimer *m_retryTimer = nullptr;
    QTimer *m_connectTimer = nullptr;
    QMetaObject::Connection m_connectedConnection;
    QMetaObject::Connection m_errorConnection;
    QMetaObject::Connection m_readyReadConnection;
    QMetaObject::Connection m_disconnectedConnection;
};
