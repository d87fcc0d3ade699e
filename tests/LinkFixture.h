#pragma once

// A running link for tests: the simulator on a free loopback port, and the
// process-wide command queue on its own worker thread connected to it, set
// up the way the client does it. Outcomes are routed to the callback the
// way the client's routers do.

#include "CommBackOperate.h"
#include "CommSend.h"
#include "PumpSimulator.h"

#include <QObject>
#include <QSettings>
#include <QThread>
#include <QVector>

class Communication;

// Records every outcome it is given.
class RecordingCallback : public CommBackOperate
{
public:
    void operateSuccess() override { outcomes.append(0); }
    void operateFailure(int status) override { outcomes.append(status); }
    QVector<int> outcomes;
};

class LinkFixture : public QObject
{
    Q_OBJECT
public:
    LinkFixture();
    ~LinkFixture() override;

    // Starts the simulator and the queue; false if either did not come up.
    bool start();

    PumpSimulator &sim() { return m_sim; }
    CommSend &queue() { return *m_queue; }
    Communication *link() const;

    // Queues the commands for callback and starts the batch, as a page does.
    // Returns false (queueing nothing) when the queue is busy.
    bool runBatch(const QStringList &commands, CommBackOperate *callback);

    // Before each client test: waits for an idle queue connected to the
    // simulator, gives the settings a user has after the first run, pointed
    // at the simulator and in the given language, and clears the simulator's
    // faults and request log. False when the link did not settle.
    bool resetForClientTest(int language);

    // Leaves routing the outcomes to someone else (the orchestrator).
    void stopRouting() { disconnect(m_routing); }

    // Restarts the queue's link against the simulator's current port, the
    // way the network dialog's Reconnect does.
    void reconnectTo(const QString &ip, int port);

Q_SIGNALS:
    void startQueue();
    void stopQueue();
    void transmission();

private:
    PumpSimulator m_sim;
    QThread m_thread;
    CommSend *m_queue = nullptr;
    QMetaObject::Connection m_routing;
};
