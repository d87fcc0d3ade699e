#pragma once

// A soak of the link: the real command queue and TCP transport on their
// worker thread, against the simulator in this process with every fault on
// at once, running batches of mixed reads and writes for a set time. After
// every batch it holds the register image against the simulator's own
// tables for every range the batch read, and the simulator's tables against
// every write the batch carried: a success must mean all of them are true,
// a failure that each one is either true or untouched. Used by the soak
// benchmark (minutes) and by its short variant among the tests.

#include "CommBackOperate.h"
#include "PumpSimulator.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVector>

class CommSend;

struct SoakFigures
{
    int batches = 0;
    int succeeded = 0;
    int failedCleanly = 0;
    int wrongValues = 0;
    int hangs = 0;
    int reconnects = 0;
    qint64 requests = 0;
    qint64 longestBatchMs = 0;
    qint64 rssStartKb = 0;
    qint64 rssEndKb = 0;
    bool linkCameUp = false;
    // The first few wrong values, described, for the report.
    QStringList wrongSamples;
};

class SoakRun : public QObject, private CommBackOperate
{
    Q_OBJECT
public:
    explicit SoakRun(quint32 seed = 20240611);
    ~SoakRun() override;

    // Runs batches until seconds have passed; returns when the last batch
    // has ended (or was given up on as a hang).
    SoakFigures run(int seconds);

    // The client's resident memory now, from /proc/self/status.
    static qint64 residentKb();

Q_SIGNALS:
    void transmission();
    void batchEnded();

private:
    enum class Kind { Read, Write };
    struct Command
    {
        Kind kind;
        int slave;
        int function;
        int index;
        int count;
        QVector<int> values; // what a write sends
        QVector<int> before; // what the simulator held before it
    };

    void operateSuccess() override;
    void operateFailure(int status) override;

    bool startLink();
    void fillSimulator();
    QVector<Command> makeBatch();
    QString commandText(const Command &command) const;
    // Reply delays and forced exceptions for the requests of one batch.
    void scriptFaults(int commands);
    int simValue(int slave, int function, int index) const;
    int imageValue(int function, int index) const;
    void setImageValue(int function, int index, int value);
    // Returns the number of wrong values the batch left.
    int checkBatch(const QVector<Command> &batch, bool success);
    void noteWrong(const QString &what);

    PumpSimulator m_sim;
    QThread m_thread;
    CommSend *m_queue = nullptr;
    QRandomGenerator m_random;
    int m_status = -1;
    bool m_ended = false;
    SoakFigures m_figures;
};
