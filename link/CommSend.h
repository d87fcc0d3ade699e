#pragma once

// The one command queue. A caller on the GUI thread checks isIdle(),
// appends command strings, names itself the callback and emits its
// transmission() signal. On the link thread the queue sends the commands
// one at a time through the transport, at least 60 ms apart, each up to
// four times, and after a timeout first waits for a quiet line. When the
// batch is over the outcome crosses back to the thread that created the
// queue, where idle is set and returnStatus(int) is emitted in one step, so
// the outcome always reaches the callback that started the batch.

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <atomic>

class CommBackOperate;
class Communication;
class QTimer;

class CommSend : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxAttempts = 4;
    // Gap between a reply and the next request: the pump needs it on its bus.
    static constexpr int kPauseMs = 60;
    // After a timeout the line must stay silent this long before the next
    // send, so that a late reply is not taken for the next request's.
    static constexpr int kQuietLineMs = 300;

    explicit CommSend(QObject *parent = nullptr);
    ~CommSend() override;

    // The process-wide queue, published by whoever creates it.
    static CommSend *instance();
    static void setInstance(CommSend *queue);

    // GUI thread, only while idle.
    void appendCommand(const QString &command);
    bool isIdle() const { return m_idle.load(std::memory_order_acquire); }
    void setCallback(CommBackOperate *callback) { m_callback = callback; }
    CommBackOperate *callback() const { return m_callback; }
    // A callback that goes away is never called again.
    void forget(CommBackOperate *callback);

    int lastStatus() const { return m_lastStatus; }
    Communication *link() const { return m_link; }

Q_SIGNALS:
    void returnStatus(int status);

public Q_SLOTS:
    bool sendCommand(const QString &command);
    void recieveData(int status);
    void start();
    void stop();
    // Stops and deletes the transport on the link thread, before the thread
    // ends; a queue started afterwards creates a new one.
    void shutdown();
    void transmission();

private:
    void sendFirstAfterPause();
    void sendFirst();
    void finishBatch(int status);
    void deliverOutcome(int status);

    int m_lastStatus = 0;
    std::atomic<bool> m_idle {true};
    CommBackOperate *m_callback = nullptr;
    QStringList m_pending;
    int m_attempts = 0;

    // Link-thread state of the running batch.
    bool m_running = false;
    bool m_inFlight = false;
    bool m_needQuietLine = false;
    QElapsedTimer m_quietWait;
    QTimer *m_pauseTimer = nullptr;
    Communication *m_link = nullptr;
    QMetaObject::Connection m_statusConnection;
    // Lives in the creating thread; the batch outcome is delivered there.
    QObject *m_outcomeContext = nullptr;
};
