#pragma once

// The link to the pump as the rest of the program sees it. Frames built by
// the Modbus builders go out through sendRequest; received bytes are
// collected here until the reply is complete, judged against the one
// pending request, decoded into the process-wide register image and
// reported as returnStatus(int). In boot mode the boot loader's replies are
// collected until complete (a block from the pump is 133 bytes), judged by
// the boot loader's rules under the tag of what was sent and reported as
// returnStatus(tag, status, bytes). A reply always goes the way of what was
// sent last: a Modbus request started on the firmware page, or a boot
// exchange still running after the page was left, is judged as what it is.
// A concrete transport supplies the socket; everything runs on its thread.

#include "BootProtocol.h"
#include "ModbusCodec.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <atomic>
#include <optional>

class QTimer;

class Communication : public QObject
{
    Q_OBJECT
public:
    enum LinkMode { ModbusMode = 0, BootMode = 1 };

    // How long a Modbus request may wait for its reply.
    static constexpr int kResponseTimeoutMs = 2400;
    // The one state of socketState() and conStatus(int) that counts as
    // connected: QAbstractSocket::ConnectedState, carried as an int.
    static constexpr int kConnectedState = 3;

    explicit Communication(QObject *parent = nullptr);
    ~Communication() override;

    virtual void connectToDevice() = 0;
    virtual void disconnectFromDevice() = 0;
    virtual qint64 sendRequest(const char *frame, qint64 length) = 0;
    virtual qint64 sendRequest(const char *frame) = 0;
    virtual bool isOpen() const = 0;
    virtual int socketState() const = 0;
    virtual void setIp(const QString &ip) = 0;
    virtual void setPort(int port) = 0;

    // The Modbus builders. Each returns the bytes written, or -1 when the
    // request would leave its table and nothing was sent.
    virtual qint64 readCoils(quint8 slave, int index, int count);
    virtual qint64 readDiscreteInputs(quint8 slave, int index, int count);
    virtual qint64 readHoldingRegisters(quint8 slave, int index, int count);
    virtual qint64 readInputRegisters(quint8 slave, int index, int count);
    virtual qint64 writeSingleCoil(quint8 slave, int index);
    virtual qint64 writeSingleRegister(quint8 slave, int index);
    virtual qint64 writeMultipleRegisters(quint8 slave, int index, int count);
    virtual qint64 writeMultipleCoils(quint8 slave, int index, int count);

    virtual qint64 sendRaw(const char *data, qint64 length, int timeoutMs) = 0;
    virtual qint64 sendRaw(const char *data, int timeoutMs) = 0;
    virtual qint64 sendTagged(int tag, const char *data, qint64 length, bool startTimer,
                              int timeoutMs) = 0;
    virtual qint64 sendTaggedByte(int tag, char byte, bool startTimer, int timeoutMs) = 0;

    // A function 6 write of an explicit value, tagged, without a pending
    // request: the switch into the boot loader. Its timer waits for the boot
    // loader's '<'; the echo of the write and any noise before the '<' are
    // dropped, so the one reply reported is the '<' or the timeout.
    qint64 writeRegisterValue(int tag, quint8 slave, int index, quint16 value);

    // One boot command from its text ("73 4096 996" goes out as I1000,3e4#),
    // sent with sendRaw so that its first byte is the tag; -1 when the tag
    // is not a command of the boot loader.
    qint64 sendBootCommand(const QString &command);
    // One XMODEM-CRC block, tagged 'C' (its acknowledgement awaited).
    qint64 sendBlock(int blockNumber, const char *data, int length);

    // Judges a boot-loader reply under the tag of what was sent: 0 accepted,
    // 2 rejected. Keeps the verification's block counters.
    int checkBootReply(int tag, QByteArray &reply);

    void setMode(int mode);
    int linkMode() const;
    int lastTag() const { return m_lastTag; }
    void setBlocksExpected(int blocks) { m_judge.setBlocksExpected(blocks); }

    bool hasPendingRequest() const { return m_pending.has_value(); }

    // Puts the register image back as it was before the last accepted read
    // reply was stored, once: the queue calls it when that reply turns out
    // to be suspect. Nothing happens when another reply came since.
    void revertLastReply();

    // Milliseconds since a byte last arrived or a reply was last given up
    // on: the queue waits for this to reach its quiet-line time after a
    // timeout, so that a late reply cannot land on the next request.
    qint64 msSinceLineActivity() const;

    // The program's one link, published by the command queue when it starts.
    static Communication *current();
    static void setCurrent(Communication *link);

Q_SIGNALS:
    void returnStatus(int status);
    void conStatus(int state);
    // The link is down and tries again on its own after delayMs.
    void reconnectScheduled(int delayMs);
    // Bytes arrived that no pending request can take: with nothing pending,
    // or left over after a complete reply. Modbus RTU has no transaction id,
    // so such bytes are the one sign that a reply just accepted may have been
    // a repeated copy of an earlier one.
    void strayBytes(int count);
    void returnStatus(int tag, int status, QByteArray &bytes);

public Q_SLOTS:
    void timeout();

protected:
    // Called by the transport with every batch of received bytes.
    void bytesReceived(const QByteArray &bytes);
    // Called by the transport just before a Modbus frame is written.
    void beginRequest(const QByteArray &frame);
    void startResponseTimer(int timeoutMs);
    void stopResponseTimer();
    void setLastTag(int tag) { m_lastTag = tag; }
    // Called by the transport just before boot-loader bytes are written.
    void beginBootSend();
    void noteLineActivity();
    // Forgets the pending request: its reply can no longer arrive.
    void abandonRequest();

private:
    void processModbusBytes(const QByteArray &bytes);
    void finishModbusReply(const QByteArray &reply);
    void processBootBytes(const QByteArray &bytes);
    bool awaitBootAnnouncement();
    qint64 sendFrame(const QByteArray &frame);

    int m_lastTag = 0;
    Boot::ReplyJudge m_judge;
    // What the link sent last, and so how the next bytes are judged.
    bool m_bootExchange = false;
    QByteArray m_bootBuffer;
    // The switch into the boot loader is a Modbus write: the pump echoes it
    // before its boot loader announces itself.
    QByteArray m_switchEcho;
    // A request goes out only when the previous one has been answered or
    // given up on, so at most one is ever pending.
    std::optional<Modbus::PendingRequest> m_pending;
    QByteArray m_receiveBuffer;
    // The register image before the last accepted read reply was decoded.
    RegisterImage m_beforeLastReply;
    bool m_canRevert = false;
    // Switched by the GUI thread while the link thread reads it.
    std::atomic<int> m_linkMode {ModbusMode};
    QTimer *m_responseTimer = nullptr;
    QElapsedTimer m_lineActivity;
};
