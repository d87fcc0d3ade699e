#pragma once

// What every benchmark needs around its measurement: a settings directory
// of its own, the client's CPU time, pumpsim started in a process of its
// own so that its work never counts as the client's, the link on a thread
// of its own as the client runs it, and the figures of timed batches.

#include "CommBackOperate.h"

#include <QCoreApplication>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVector>

#include <functional>
#include <type_traits>

class CommSend;
class QTcpSocket;
class QThread;
struct RegisterImage;

namespace BenchSupport {

// Points the settings at a fresh temporary directory; false if none could
// be made. Call before the application object exists.
bool isolateSettings();

// Whether a benchmark shows windows of the client's.
enum class Windows { None, Offscreen };

// Readies the process before its application object exists: settings of
// its own (isolateSettings), and the client's debug lines off, which would
// drown the figures and cost CPU of their own. With windows, they go to the
// offscreen platform unless the caller chose one. False when no settings
// directory could be made.
bool prepareProcess(Windows windows);

// User and system CPU time of this process, in seconds.
double cpuSeconds();

// User and system CPU time of the calling thread alone, in seconds.
double threadCpuSeconds();

// What one sleep of the calling thread and its wake-up cost this machine in
// CPU time, in microseconds: the mean over sleeps of sleepMicroseconds each,
// with nothing done between them. A virtual machine pays far more for a wake
// than bare hardware, and this is the part of a mostly idle client's CPU that
// no code of ours can cut.
double wakeCpuMicroseconds(int sleeps, int sleepMicroseconds);

// What waking a sleeping thread costs the thread that wakes it, in CPU
// microseconds: the mean of that many writes to an eventfd that another
// thread sleeps on, as a queued signal to another thread does.
double crossWakeCpuMicroseconds(int wakes);

// The CPU the sleeps and wakes of one request cost on this machine, in
// microseconds, whatever the code does in between: the link thread sleeps
// through the pause after it and waits for its reply, the main thread
// sleeps until the link wakes it with the outcome. Measured alone, each
// time it is asked.
struct RequestWakes
{
    double pauseUs = 0; // a 60 ms sleep and its wake
    double replyUs = 0; // a short sleep, as for a reply, and its wake
    double crossUs = 0; // waking another thread
    // Two pauses (one per thread), a reply, a wake of the main thread.
    double perRequestUs() const { return 2 * pauseUs + replyUs + crossUs; }
};
RequestWakes measureRequestWakes();

// Prints one request's sleeps and wakes (measureRequestWakes) as a share of
// the pause the pump needs after it: what no batch can go below here.
void printRequestWakesFloor();

// Starts pumpsim on a free port with a master and slaves at bus addresses
// 2 to slaves + 1, extra added to its arguments, and returns the port it
// listens on, or 0 (with a message on stderr) when it did not come up.
quint16 startPumpsim(QProcess &sim, int slaves, const QStringList &extra = {});

// Stops pumpsim and waits until it is gone.
void stopPumpsim(QProcess &sim);

// Writes the settings a user has after the first run, in English, pointed
// at pumpsim on port of this machine, with the slaves at bus addresses 2 to
// slaves + 1 in use; with none, the first run's slaves stay as they are.
void writeSettings(quint16 port, int slaves);

// A benchmark's process around its measurement: readied (prepareProcess)
// before its application object exists, with windows unless that is a bare
// QCoreApplication; pumpsim started with slaves (startPumpsim), which goes
// again with this; and the first run's settings pointed at it with the
// same slaves in use (writeSettings). When ok() is false, main returns 1.
template<class Application> class Bench
{
public:
    Bench(int &argc, char **argv, int slaves, const QStringList &extra = {})
        : m_prepared(prepareProcess(std::is_same<Application, QCoreApplication>::value
                                        ? Windows::None
                                        : Windows::Offscreen))
        , m_application(argc, argv)
    {
        if (m_prepared)
            m_port = startPumpsim(m_pumpsim, slaves, extra);
        if (m_port != 0)
            writeSettings(m_port, slaves);
    }
    ~Bench() { stopPumpsim(); }

    bool ok() const { return m_port != 0; }
    Application &application() { return m_application; }
    // The port pumpsim listens on.
    quint16 port() const { return m_port; }
    QProcess &pumpsim() { return m_pumpsim; }
    // Stops pumpsim before the benchmark ends, so that nothing of it runs
    // while the last figures are taken.
    void stopPumpsim() { BenchSupport::stopPumpsim(m_pumpsim); }

private:
    const bool m_prepared;
    Application m_application;
    QProcess m_pumpsim;
    quint16 m_port = 0;
};

// Runs the event loop for milliseconds, so that queued work goes on.
void waitMs(int milliseconds);

// Connects socket to pumpsim on port for exchanges of our own, each frame
// sent at once; false when it did not connect within 5 s.
bool connectProbe(QTcpSocket &socket, quint16 port);

// Closes a probe and waits for it to be gone: the simulator serves one
// client at a time.
void closeProbe(QTcpSocket &socket);

// The round trips of full reads of the pumps at addresses 1 to pumps, sent
// back to back on a connection of our own; -1 when one did not come.
double fullReadsRoundTripsMs(quint16 port, int pumps);

// The least time a batch of requests can take: the measured round trips
// plus one pause after every request, the last included, since the queue
// reports a batch only once the pause after its last reply has passed
// without stray bytes.
double batchFloorMs(int requests, double roundTripsMs);

// The frame a command string stands for, built from image for writes.
QByteArray frameOf(const QString &command, const RegisterImage &image);

// The round trips alone: the commands' frames sent back to back on a socket
// of our own, each waiting only for its complete reply; -1 when one did not
// come. The simulator serves one client at a time, so the client's link
// must not hold the connection meanwhile.
double roundTripsMs(QTcpSocket &socket, const QStringList &commands, const RegisterImage &image);

// roundTripsMs taken runs times over, one figure a run; empty when a reply
// did not come.
QVector<double> repeatedRoundTripsMs(QTcpSocket &socket, const QStringList &commands,
                                     const RegisterImage &image, int runs);

// The command queue as the client runs it: the instance everything queues
// on, living on thread and started once the thread runs. It is never
// deleted: it outlives the benchmark, as it outlives the client.
CommSend *queueOnThread(QThread &thread);

// Starts the link's thread and lets the link connect before any clock
// starts.
void startLinkThread(QThread &thread);

// Asks the queue, on its own thread, to send what was queued, as a page's
// signal does.
class Transmitter : public QObject
{
    Q_OBJECT
public:
    explicit Transmitter(CommSend *queue);
Q_SIGNALS:
    void transmission();
};

// A batch's outcome as the queue reports it: 0 for success, the failure's
// status otherwise, -1 while the batch is under way.
class BatchStatus : public CommBackOperate
{
public:
    void operateSuccess() override { status = 0; }
    void operateFailure(int failure) override { status = failure; }
    int status = -1;
};

// Waits for the pump's pause after the previous batch's last reply: a
// user's next click comes later than that, so the clock starts after it.
void restAfterBatch();

// What one batch cost: the wall time and this process's CPU time meanwhile.
struct BatchCost
{
    double wallMs = 0;
    double cpuMs = 0;
};

// Rests (restAfterBatch), then times startAndWait, which starts a batch and
// returns once its outcome is in.
BatchCost timeBatch(const std::function<void()> &startAndWait);

// The figures of one kind of batch over its runs.
struct Runs
{
    QVector<double> walls;
    QVector<double> ratios; // wall over the protocol floor
    QVector<double> cpuMs;
    QVector<double> cpuShares; // in percent of the wall time

    // Adds a run that took wallMs and cpuMs of the client's CPU, against
    // the batch's floor.
    void add(double wallMs, double cpuMs, double floorMs);
    void add(const BatchCost &cost, double floorMs) { add(cost.wallMs, cost.cpuMs, floorMs); }
};

// The median of values (the upper one of an even count), 0 for none.
double median(QVector<double> values);

// The mean of values, 0 for none.
double mean(const QVector<double> &values);

} // namespace BenchSupport
