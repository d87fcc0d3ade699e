#pragma once

// The firmware transfer through the pump's boot loader, owned by the command
// queue and run on its thread. The page claims the idle queue and asks for
// one step at a time with start(action): switch into the boot loader,
// connect, erase, download, verify. Boot commands go out through the link;
// each boot reply comes back as recieveData(tag, status, bytes) and drives
// the step on: blocks are sent or acknowledged, the read-back collected,
// failed commands sent again, until the step ends with one
// upgradeReturnAcction(result). While a step runs the queue is held, so no
// page starts a Modbus batch in the middle of it; the queue's Hold is all
// the transfer knows of it.

#include "BootProtocol.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <atomic>

class Communication;

class BootTransfer : public QObject
{
    Q_OBJECT
public:
    // How the transfer keeps the queue from starting a batch: held while a
    // step runs, released the moment it ends.
    class Hold
    {
    public:
        virtual ~Hold() = default;
        virtual void hold() = 0;
        virtual void release() = 0;
    };

    // A block refused or missed this often in a row ends its step; a boot
    // command is sent again until its retries exceed this.
    static constexpr int kRetries = 4;

    explicit BootTransfer(Hold &queue, QObject *parent = nullptr);

    void setLink(Communication *link) { m_link = link; }

    // GUI thread, only while idle: the image is padded with 0x1A up to a
    // whole number of 128-byte blocks.
    void setFirmware(const QByteArray &image);
    const QByteArray &firmware() const { return m_firmware; }
    int currentBlock() const { return m_currentBlock; }
    int blockCount() const { return m_blockCount; }
    int imageSize() const { return m_imageSize; }
    void setEraseAll(bool on) { m_eraseAll.store(on); }
    bool eraseAll() const { return m_eraseAll.load(); }

    bool isRunning() const { return m_phase != Phase::None; }
    // Starts one step on the queue's link; the queue has checked that the
    // link is up and free. An action that names no step does nothing.
    void start(int action);
    void recieveData(int tag, int status, const QByteArray &bytes);
    // The link went away: a step in flight ends as failed.
    void abort();
    // The queue could not start the step: it is reported as failed without
    // touching the queue's idle flag, which is not the transfer's.
    void refuse(int action);

    // Why the last failed step failed.
    const Boot::Failure &lastFailure() const { return m_lastFailure; }

Q_SIGNALS:
    // Just before a failed result: which step, and why.
    void upgradeReturnFailure(const Boot::Failure &failure);
    void upgradeReturnAcction(int result);
    void upgradeReturnProgress(int block);

private:
    enum class Phase { None, Switching, Connecting, Erasing, Downloading, Verifying, Starting };

    void startPhase(Phase phase, const QString &command);
    void sendFirstCommand();
    void sendNextBlock();
    void replyAccepted(int tag, const QByteArray &bytes);
    void replyRejected(int tag, int status);
    void blockReceived(const QByteArray &bytes);
    void resendOrEnd();
    // A step that ends with nothing for the page to hear: the start command
    // after a good verification, whose result went out before it was sent.
    static constexpr int kNoResult = 0;
    // Ends the step; kNoResult reports nothing.
    void finish(int result);
    // Ends the step with a failed result, saying why.
    void fail(int result, Boot::Failure::Reason reason, int attempts = 0, int block = 0,
              int refusals = 0);

    Hold &m_queue;
    Communication *m_link = nullptr;
    QByteArray m_firmware;
    int m_imageSize = 0;
    int m_blockCount = 0;
    int m_currentBlock = 1;
    QByteArray m_blockBuffer;
    QByteArray m_readBack;
    std::atomic<bool> m_eraseAll {false};
    QStringList m_commands;
    int m_retries = 0;
    // Of the current block's failed attempts, those answered with a refusal
    // or a damaged block rather than silence.
    int m_refusals = 0;
    Phase m_phase = Phase::None;
    // The step a failure is told under; the switch goes on as the connect.
    Boot::Failure::Step m_step = Boot::Failure::Step::Connect;
    Boot::Failure m_lastFailure;
};
