#pragma once

// The master pump's boot loader, as a second reading of its protocol. A
// Modbus write of 0x9B47 to holding register 160 starts it: it sends '<'
// and waits for '>'. Until then the pump runs its application and serves
// Modbus; boot commands are only noise to it. Then it takes ASCII commands ending in '#': '#' alone
// (connect), I<start>,<end># (erase), S<start>,<length># (write: it answers
// 'C' and receives XMODEM-CRC blocks of 128 bytes until EOT), R<start>,
// <length># (read: after the client's 'C' it sends the flash back block by
// block, each on the client's ACK, and ends with EOT), G<start># (start the
// application: back to Modbus). Commands are answered with 0x80. A write or
// read whose sender falls silent for a second is abandoned, and commands are
// taken again, so a client can start over after a failed transfer.
//
// While it runs, the simulator hands it every byte from the client instead
// of the Modbus framer. Faults are drawn from one seeded generator, in the
// same order whatever the rates, so one seed gives one run.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <functional>

struct SimBootFaults
{
    quint32 seed = 1;
    // Good blocks answered with NAK and not kept.
    double refuseRate = 0.0;
    // Good blocks kept but not acknowledged.
    double lostAckRate = 0.0;
    // Blocks sent back during the read with a wrong CRC.
    double corruptReadRate = 0.0;
    // The erase is answered this late; what arrives meanwhile is not read.
    int eraseDelayMs = 0;
    // From the Nth answer on (1-based, counted since the boot loader was
    // entered) nothing is sent any more; 0: never.
    int silentFrom = 0;
    // As the pump restarts into its boot loader, its serial line glitches:
    // this many bytes of 0x00 go out before the '<'.
    int announceNoise = 0;
    // The '<' goes out this long after the boot loader started (after the
    // noise, which is sent at once).
    int announceDelayMs = 0;
    // Block N of a write (1-based) is refused (NAK) every time it comes;
    // 0: none.
    int refuseBlock = 0;
    // Block N of the application area (1-based) does not keep what was
    // written: its first byte reads back inverted, under a good CRC; 0: none.
    int badFlashBlock = 0;
};

class SimBootLoader : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSwitchSlave = 1;
    static constexpr int kSwitchRegister = 160;
    static constexpr int kSwitchValue = 0x9B47;
    static constexpr int kBlockSize = 128;

    enum class State { Off, AwaitingHandshake, Commands, Erasing, Receiving, ReadReady, Sending };

    explicit SimBootLoader(QObject *parent = nullptr);

    using Writer = std::function<void(const QByteArray &)>;
    void setWriter(Writer writer) { m_writer = std::move(writer); }
    void setVerbose(bool on) { m_verbose = on; }

    // Reseeds the generator with faults.seed.
    void setFaults(const SimBootFaults &faults);
    const SimBootFaults &faults() const { return m_faults; }
    // One-shot: the Nth block sent during a read (1-based, over the whole
    // read, resends included) goes out with a wrong CRC.
    void scriptCorruptReadBlock(int blockNumber);

    // True for a function 6 frame that writes the switch value to register
    // 160 of the master.
    static bool isSwitchRequest(const QByteArray &frame);

    State state() const { return m_state; }
    bool isActive() const { return m_state != State::Off; }
    // Starts the boot loader: it announces itself with '<'.
    void enter();
    // A pump that powered up in its boot loader: commands are taken at once.
    void startInBootLoader();
    // The application runs again, without a word on the line.
    void reset();
    void receive(const QByteArray &bytes);

    // The data of the blocks taken by the last write, in order.
    QByteArray receivedImage() const { return m_received; }
    // What the application area holds: the last complete write since the
    // last erase.
    QByteArray flash() const { return m_flash; }
    void setFlash(const QByteArray &flash) { m_flash = flash; }
    // Every command taken, as text without its '#' ("I1000,3e4").
    QStringList commands() const { return m_commands; }
    int blocksRefused() const { return m_blocksRefused; }
    int acksLost() const { return m_acksLost; }
    int duplicateBlocks() const { return m_duplicateBlocks; }
    int readBlocksSent() const { return m_readBlocksSent; }
    // Bytes that arrived between commands and were no part of one.
    int strayBytes() const { return m_strayBytes; }
    void clearLog();

Q_SIGNALS:
    void entered();
    void commandTaken(const QString &command);
    void writeFinished();
    void readFinished();
    // After 'G': the application runs and Modbus is served again.
    void left();

private:
    void process();
    void takeCommand(const QByteArray &text);
    void takeBlock(const QByteArray &frame);
    void finishErase();
    void damageFlash();
    void abandonTransfer();
    void sendReadBlock();
    void announce(quint64 entry);
    // Everything the boot loader sends goes through here; false when it has
    // gone silent.
    bool answer(const QByteArray &bytes);
    void log(const QString &text) const;

    Writer m_writer;
    State m_state = State::Off;
    QByteArray m_input;
    SimBootFaults m_faults;
    QRandomGenerator m_random;
    QSet<int> m_scriptedCorruptReads;
    int m_answers = 0;
    // Counts the starts, so that a late '<' of an earlier one stays unsent.
    quint64 m_entry = 0;

    QByteArray m_flash;
    QByteArray m_received;
    int m_writeLength = 0;
    quint8 m_expectedBlock = 1;
    int m_readLength = 0;
    int m_readBlock = 1; // 1-based, not wrapped
    int m_readBlocksSent = 0;

    QStringList m_commands;
    int m_blocksRefused = 0;
    int m_acksLost = 0;
    int m_duplicateBlocks = 0;
    int m_strayBytes = 0;
    bool m_verbose = false;
    QElapsedTimer m_clock;
    QTimer m_transferIdle;
};
