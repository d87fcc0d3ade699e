#pragma once

// The pump as the client sees it through the WiFi bridge: one TCP connection on 127.0.0.1 that
// carries Modbus RTU frames byte for byte. The server accepts one client at a time; its bytes go
// through a RequestFramer, and each request with a good CRC is logged, numbered and given a
// fault plan (the seeded random SimFaults, with the one-shot scripted faults for its number on
// top). The addressed SimPump carries it out on its tables at once, writes included, and
// the reply (possibly an exception, corrupted, split or doubled) is written now or from a
// precise single-shot timer, but only while the connection it came from still stands.

#include "RequestFramer.h"
#include "SimBootLoader.h"
#include "SimFaults.h"
#include "SimPump.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QVector>

class QTcpSocket;

class PumpSimulator : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMasterAddress = 1;
    // Modbus serial line addresses; 0 is the broadcast.
    static constexpr int kFirstSlaveAddress = 1;
    static constexpr int kLastSlaveAddress = 247;
    static constexpr int kBroadcastAddress = 0;

    struct Request
    {
        int number;
        int slave;
        int function;
        int index; // wire address - the function's table base; raw address for unknown ones
        int count; // quantity for 1, 2, 3, 4, 15, 16; the value for 5 and 6
        QByteArray frame;
        qint64 receivedMs;
    };

    explicit PumpSimulator(QObject *parent = nullptr);
    ~PumpSimulator() override;

    // 127.0.0.1 only; port 0 picks a free one.
    bool listen(quint16 port = 0);
    quint16 port() const;
    // Stops listening and drops the client.
    void close();
    bool isListening() const;

    // The master (1) is always served; addresses outside 1..247 are ignored.
    void addSlave(int address);
    bool serves(int address) const;
    QVector<int> slaves() const;
    // nullptr when the address isn't served.
    SimPump *pump(int address);
    const SimPump *pump(int address) const;

    // Reseeds the random generator with faults.seed.
    void setFaults(const SimFaults &faults);
    const SimFaults &faults() const;

    // One-shot faults for the Nth request received (1-based, counted over all connections).
    // They come on top of the random faults; a scripted exception replaces the execution.
    void scriptReplyDelay(int requestNumber, int delayMs);
    void scriptDrop(int requestNumber);
    void scriptCorrupt(int requestNumber);
    void scriptSplit(int requestNumber, int gapMs);
    void scriptException(int requestNumber, int exceptionCode);
    void scriptDuplicate(int requestNumber, int delayMs);
    // Forgets every scripted fault not yet used.
    void clearScriptedFaults();

    // Tables by table index. Out-of-range reads (or unserved slaves) return -1, writes are ignored.
    int coil(int slave, int index) const;
    void setCoil(int slave, int index, int value);
    int discreteInput(int slave, int index) const;
    void setDiscreteInput(int slave, int index, int value);
    int inputRegister(int slave, int index) const;
    void setInputRegister(int slave, int index, int value);
    int holdingRegister(int slave, int index) const;
    void setHoldingRegister(int slave, int index, int value);

    // One entry per complete request with a good CRC, in order of arrival.
    QVector<Request> requests() const;
    int requestCount() const;
    // Also restarts the request numbering at 1.
    void clearRequests();

    // Connections taken as the client so far; those refused while one was open don't count.
    int connectionCount() const;
    bool hasClient() const;
    // Closes the current connection; the client may reconnect.
    void dropClient();

    // One line per request on stderr: time, slave, function, index, count and what was done.
    void setVerbose(bool on);

    // The master's boot loader. While it runs, every byte from the client goes to it instead
    // of the Modbus framer; the switch request starts it once its echo has been sent.
    SimBootLoader &bootLoader() { return m_bootLoader; }

Q_SIGNALS:
    // After the request was carried out and its reply sent or scheduled.
    void requestReceived(int number);
    // A write request (or a broadcast write) was carried out on this slave's tables.
    void tablesWritten(int slave);
    void clientConnected();
    void clientDisconnected();

private:
    struct ScriptedFaults
    {
        int delayMs = -1;
        bool drop = false;
        bool corrupt = false;
        int splitGapMs = -1;
        int exceptionCode = 0;
        int duplicateDelayMs = -1;
    };

    struct FaultPlan
    {
        int delayMs = 0;
        bool drop = false;
        int exceptionCode = 0;
        bool corrupt = false;
        bool split = false;
        double splitPoint = 0.5; // where in the reply the split falls, as a share
        int splitGapMs = 0;
        bool duplicate = false;
        int duplicateDelayMs = 0;
    };

    void onNewConnection();
    void onReadyRead();
    void releaseClient();
    void handleRequest(const QByteArray &frame);
    FaultPlan planFor(int requestNumber);
    void sendReply(QByteArray reply, const FaultPlan &plan, bool thenClose, QString *outcome);
    void sendAfter(int delayMs, const QByteArray &bytes, bool thenClose);
    void writeToClient(quint64 connection, const QByteArray &bytes, bool thenClose);
    void logRequest(const Request &request, const QString &outcome) const;
    // Prefixed with the seconds since construction.
    void logLine(const QString &text) const;
    int tableValue(int slave, PumpTables::Table table, int index) const;
    void setTableValue(int slave, PumpTables::Table table, int index, int value);

    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    quint64 m_connection = 0; // changes with every client, so replies for a gone one are lost
    int m_connectionCount = 0;
    int m_connectionRequests = 0;
    bool m_closing = false;
    RequestFramer m_framer;

    QMap<int, SimPump> m_pumps;
    SimFaults m_faults;
    QRandomGenerator m_random;
    QHash<int, ScriptedFaults> m_scripted;

    QVector<Request> m_requests;
    int m_nextRequestNumber = 1;
    QElapsedTimer m_clock;
    bool m_verbose = false;
    SimBootLoader m_bootLoader;
};
