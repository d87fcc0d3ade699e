#pragma once

// The one command queue. A caller on the GUI thread checks isIdle(),
// appends command strings, names itself the callback and emits its
// transmission() signal. On the link thread the queue sends the commands
// one at a time through the transport, at least 60 ms apart, each up to
// four times, and after a timeout first waits for a quiet line. When the
// batch is over the outcome crosses back to the thread that created the
// queue, where idle is set and returnStatus(int) is emitted in one step, so
// the outcome always reaches the callback that started the batch.
//
// A reply is only confirmed once the pause after it has passed in silence:
// Modbus RTU has no transaction id, so a bridge that repeats a reply can
// hand the next request of the same shape a copy of the last one. The
// genuine reply then arrives with nothing pending. Bytes that come between
// an accepted reply and the next send therefore make that reply suspect:
// its values are taken back out of the register image and the command is
// sent again, after a quiet line, as one of its attempts. The last command
// of a batch gets the same pause before the batch reports success.
//
// Each request that is over, answered or finally failed, is reported as
// requestProgress(done, total) for the running batch, in the creating
// thread like the outcome, so a window can show how far a long batch is.
//
// The same queue owns the firmware transfer through the boot loader
// (BootTransfer). The page claims the idle queue and asks for one step with
// upgradeAction(n); the step, the boot replies and the image go on to the
// transfer, whose results and progress leave as this queue's signals. The
// transfer holds the queue's idle flag while a step runs, so no page starts
// a Modbus batch in the middle of it.

#include "BootTransfer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QVector>

#include <atomic>

class CommBackOperate;
class Communication;
class QTimer;

class CommSend : public QObject, private BootTransfer::Hold
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

    // GUI thread, only while idle: the image is padded with 0x1A up to a
    // whole number of 128-byte blocks.
    void setFirmware(const QByteArray &image) { m_transfer->setFirmware(image); }
    const QByteArray &firmware() const { return m_transfer->firmware(); }
    int currentBlock() const { return m_transfer->currentBlock(); }
    int blockCount() const { return m_transfer->blockCount(); }
    int imageSize() const { return m_transfer->imageSize(); }
    // Why the last failed step failed; written on the link thread, so read
    // only after its result has arrived.
    const Boot::Failure &lastFailure() const { return m_transfer->lastFailure(); }
    void setEraseAll(bool on) { m_transfer->setEraseAll(on); }
    bool eraseAll() const { return m_transfer->eraseAll(); }
    // GUI thread: takes the idle queue for an upgrade step; false while a
    // batch or another step runs.
    bool claimForUpgrade();

Q_SIGNALS:
    void returnStatus(int status);
    // Just before returnStatus, in the same thread: the bus addresses that
    // answered during the batch, and the one that did not answer at all
    // (-1 when none), so that a pump's state can be shown.
    void pumpsHeard(const QVector<int> &answered, int silentAddress);
    // In the creating thread: done of the batch's total requests are over,
    // 0 when the batch starts, total when its last request was answered. A
    // request sent again after a suspect reply is taken back out of done.
    void requestProgress(int done, int total);
    // Just before a failed result (6, 8 or 9): which step, and why.
    void upgradeReturnFailure(const Boot::Failure &failure);
    void upgradeReturnAcction(int result);
    void upgradeReturnProgress(int block);

public Q_SLOTS:
    bool sendCommand(const QString &command);
    void recieveData(int status);
    void strayBytes(int count);
    void start();
    void stop();
    // Stops and deletes the transport on the link thread, before the thread
    // ends; a queue started afterwards creates a new one.
    void shutdown();
    void upgradeAction(int action);
    void transmission();
    void recieveData(int tag, int status, QByteArray &bytes);

private:
    void hold() override;
    void release() override;
    void sendFirstAfterPause();
    void sendFirst();
    void finishBatch(int status);
    void deliverOutcome(int status, const QVector<int> &answered, int silentAddress);
    void reportProgress(int done);

    int m_lastStatus = 0;
    std::atomic<bool> m_idle {true};
    CommBackOperate *m_callback = nullptr;
    QStringList m_pending;
    int m_attempts = 0;
    // The command whose reply was accepted last, until the next send: if
    // stray bytes come meanwhile, it is sent again.
    QString m_unconfirmed;
    int m_unconfirmedAttempts = 0;
    // Addresses that answered in the running batch, in order of first reply.
    QVector<int> m_answered;
    int m_silentAddress = -1;
    // Requests in the running batch, counted when it starts.
    int m_batchTotal = 0;

    // Link-thread state of the running batch.
    bool m_running = false;
    bool m_inFlight = false;
    bool m_needQuietLine = false;
    QElapsedTimer m_quietWait;
    // Since the last outcome of a request, for the pause before the next.
    QElapsedTimer m_sinceReply;
    QTimer *m_pauseTimer = nullptr;
    Communication *m_link = nullptr;
    QMetaObject::Connection m_statusConnection;
    QMetaObject::Connection m_strayConnection;
    // Lives in the creating thread; the batch outcome is delivered there.
    QObject *m_outcomeContext = nullptr;

    // A child, so that it moves to the link thread with the queue; runs
    // there while a step runs.
    BootTransfer *m_transfer = nullptr;
    QMetaObject::Connection m_bootConnection;
};
