#pragma once

// What every benchmark needs around its measurement: a settings directory
// of its own, the client's CPU time, and pumpsim started in a process of its
// own so that its work never counts as the client's.

#include <QProcess>
#include <QStringList>

class QTcpSocket;
struct RegisterImage;

namespace BenchSupport {

// Points the settings at a fresh temporary directory; false if none could
// be made. Call before the application object exists.
bool isolateSettings();

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

// Starts pumpsim with arguments and returns the port it listens on, or 0
// (with a message on stderr) when it did not come up.
quint16 startPumpsim(QProcess &sim, const QStringList &arguments);

// Writes the settings a user has after the first run, in English, pointed
// at pumpsim on port of this machine, with the slaves at bus addresses 2 to
// slaves + 1 in use.
void writeSettings(quint16 port, int slaves);

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

} // namespace BenchSupport
