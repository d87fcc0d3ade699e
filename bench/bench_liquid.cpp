// The manual, calibration, liquid status and sensor pages driven through
// their buttons, with the real queue and transport against pumpsim over
// loopback (its own process, so the CPU time is the client's alone). For
// each action: the wall time from the click to the page's outcome, over
// the protocol floor (60 ms after each request plus the measured round trips
// of the same requests), and the client's CPU time. Then the delay from the
// simulator's motor stopping (its --verbose log) to the page showing
// "Start" again after a timed run.

#include "BatchOutcome.h"
#include "BatchStart.h"
#include "BenchSupport.h"
#include "CommSend.h"
#include "LiquidStatusSetup.h"
#include "ManuControl.h"
#include "ManualControl.h"
#include "ManualControlUnit.h"
#include "MyMessageBox.h"
#include "RegisterImage.h"
#include "SensorStatus.h"
#include "UiOperate.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QTcpSocket>
#include <QThread>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRuns = 7;
constexpr int kDelayRuns = 10;

using BenchSupport::median;

// The round trip of each command alone on a socket of our own, averaged
// over kRuns; empty when one got no reply. Writes go to a register and a
// coil the pump does not act on.
QVector<double> roundTripsMs(quint16 port, const QStringList &commands)
{
    QTcpSocket socket;
    if (!BenchSupport::connectProbe(socket, port))
        return {};
    RegisterImage zero;
    QVector<double> averages;
    for (const QString &command : commands) {
        const QVector<double> rtts =
            BenchSupport::repeatedRoundTripsMs(socket, {command}, zero, kRuns);
        if (rtts.isEmpty())
            return {};
        averages << BenchSupport::mean(rtts);
    }
    BenchSupport::closeProbe(socket);
    return averages;
}

QEventLoop *g_loop = nullptr;

// Runs the event loop until done() holds, looking every 5 ms; an outcome
// ends the wait at once through g_loop.
void waitFor(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return;
    QEventLoop loop;
    QTimer check;
    check.setTimerType(Qt::PreciseTimer);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    g_loop = &loop;
    loop.exec();
    g_loop = nullptr;
}

// Runs the event loop until the outcome ends it through g_loop (doneMs set),
// or timeoutMs pass. Nothing looks meanwhile: a look every 5 ms would wake
// the main thread a dozen times a batch, and that CPU would count as the
// client's.
void waitForOutcome(const double &doneMs, int timeoutMs)
{
    if (doneMs >= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    g_loop = &loop;
    loop.exec();
    g_loop = nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    BenchSupport::Bench<QApplication> bench(argc, argv, 0, {QStringLiteral("--verbose")});
    if (!bench.ok())
        return 1;
    QProcess &sim = bench.pumpsim();
    // Motor stops as pumpsim logs them: "HH:mm:ss.zzz pump 1 motor 2 finished ...".
    QVector<int> motorStops;
    QByteArray simLog;
    QObject::connect(&sim, &QProcess::readyReadStandardError, [&] {
        simLog += sim.readAllStandardError();
        int end;
        while ((end = simLog.indexOf('\n')) >= 0) {
            const QString text = QString::fromLatin1(simLog.left(end));
            simLog.remove(0, end + 1);
            if (text.contains(QLatin1String("pump 1 motor 2 finished")))
                motorStops << QTime::fromString(text.left(12), QStringLiteral("HH:mm:ss.zzz"))
                                  .msecsSinceStartOfDay();
        }
    });

    MyMessageBox::setPromptObserver([](QWidget *, int, MyMessageBox::Delivery) {});

    const QVector<double> rtt = roundTripsMs(
        bench.port(),
        {QStringLiteral("1 6 385"), QStringLiteral("1 5 59"), QStringLiteral("1 3 64 11"),
         QStringLiteral("1 3 148 1"), QStringLiteral("1 2 0 4")});
    if (rtt.isEmpty()) {
        std::fprintf(stderr, "round trips could not be measured\n");
        return 1;
    }
    const double rttWriteRegister = rtt[0];
    const double rttWriteCoil = rtt[1];
    const double rttReadBottles = rtt[2];
    const double rttReadOne = rtt[3];
    const double rttSensors = rtt[4];

    QThread thread;
    CommSend *queue = BenchSupport::queueOnThread(thread);
    BenchSupport::Transmitter driver(queue);
    // Routed as the orchestrator does; the time the page has its outcome.
    QElapsedTimer wall;
    double doneMs = -1;
    QObject::connect(queue, &CommSend::returnStatus, [&](int status) {
        BatchOutcome::route(*queue, status);
        doneMs = wall.nsecsElapsed() / 1e6;
        if (g_loop)
            g_loop->quit();
    });
    BenchSupport::startLinkThread(thread);

    RegisterImage master;
    {
        BenchSupport::BatchStatus outcome;
        BatchStart::queue(UiOperate::fullReadCommands(1), &outcome, queue);
        Q_EMIT driver.transmission();
        waitFor([&] { return outcome.status >= 0; }, 10000);
        if (outcome.status != 0) {
            std::fprintf(stderr, "the full read failed\n");
            return 1;
        }
        master.copyReadRangesFrom(*RegisterImage::shared());
    }

    ManualControl manual;
    manual.addDevice(QStringLiteral("Master"), 1, &master);
    manual.show();
    LiquidStatusSetup liquid;
    liquid.addDevice(QStringLiteral("Master"), 1, &master);
    liquid.show();
    SensorStatus sensors;
    sensors.addDevice(QStringLiteral("Master"), 1, &master);
    sensors.show();
    ManuControl *tab = manual.tab(0);
    ManualControlUnit *unit0 = tab->unit(0);

    const auto measure = [&](const char *name, double floorMs, QPushButton *button,
                             const std::function<void()> &after) {
        BenchSupport::Runs runs;
        for (int run = 0; run < kRuns; ++run) {
            waitFor([&] { return queue->isIdle(); }, 10000);
            doneMs = -1;
            // The wall time is the page's, taken when it has its outcome.
            const BenchSupport::BatchCost cost = BenchSupport::timeBatch([&] {
                wall.start();
                button->click();
                waitForOutcome(doneMs, 15000);
            });
            runs.add(doneMs, cost.cpuMs, floorMs);
            if (after)
                after();
        }
        std::printf("%-28s floor %7.2f ms, wall %7.2f ms (+%.2f ms), ratio %.4f (goal <= 1.01), "
                    "client CPU %.2f ms = %.2f %% (goal < 1 %%)\n",
                    name, floorMs, median(runs.walls), median(runs.walls) - floorMs,
                    median(runs.ratios), median(runs.cpuMs), median(runs.cpuShares));
    };

    // Manual start: [1 6 58], [1 5 11]; each run is stopped again untimed.
    unit0->findChild<QDoubleSpinBox *>(QStringLiteral("dsVolume"))->setValue(1000);
    auto *start0 = unit0->findChild<QPushButton *>(QStringLiteral("btnStart"));
    measure("manual start (2 requests)",
            BenchSupport::batchFloorMs(2, rttWriteRegister + rttWriteCoil), start0, [&] {
                waitFor([&] { return queue->isIdle(); }, 10000);
                start0->click();
                waitFor([&] { return queue->isIdle() && start0->text() == QLatin1String("Start"); },
                        10000);
            });

    // Calibration save: [1 6 entry], [1 5 34], after one complete 5 s run.
    tab->findChild<QCheckBox *>(QStringLiteral("cBoxCaliMode"))->setChecked(true);
    tab->findChild<QDoubleSpinBox *>(QStringLiteral("dsCaliTime"))->setValue(5);
    tab->findChild<QPushButton *>(QStringLiteral("btnStartCali"))->click();
    waitFor([&] { return tab->completedWorkTimeMs() > 0 && queue->isIdle(); }, 10000);
    tab->findChild<QDoubleSpinBox *>(QStringLiteral("dsCaliGet"))->setValue(8.0);
    measure("calibration save (2)", BenchSupport::batchFloorMs(2, rttWriteRegister + rttWriteCoil),
            tab->findChild<QPushButton *>(QStringLiteral("btnSaveCali")), nullptr);

    measure("read all bottles (2)", BenchSupport::batchFloorMs(2, rttReadBottles + rttReadOne),
            liquid.findChild<QPushButton *>(QStringLiteral("btnRead")), nullptr);
    measure("sensor read (1)", BenchSupport::batchFloorMs(1, rttSensors),
            sensors.findChild<QPushButton *>(QStringLiteral("btnRead")), nullptr);

    // Timed runs of pump 2: 3 ml at gear 0, 1000 ms per 10 ml = 300 ms.
    {
        BenchSupport::BatchStatus outcome;
        RegisterImage &shared = *RegisterImage::shared();
        shared.holdingRegisters[81] = master.holdingRegisters[81] = 0;
        shared.holdingRegisters[117] = master.holdingRegisters[117] = 1000;
        BatchStart::queue({QStringLiteral("1 6 81"), QStringLiteral("1 6 117")}, &outcome, queue);
        Q_EMIT driver.transmission();
        waitFor([&] { return outcome.status >= 0; }, 10000);
    }
    ManualControlUnit *unit1 = tab->unit(1);
    unit1->setSpeed(0);
    unit1->findChild<QDoubleSpinBox *>(QStringLiteral("dsVolume"))->setValue(3);
    auto *start1 = unit1->findChild<QPushButton *>(QStringLiteral("btnStart"));
    QVector<double> delays;
    for (int run = 0; run < kDelayRuns; ++run) {
        waitFor([&] { return queue->isIdle(); }, 10000);
        const int stopsBefore = motorStops.size();
        start1->click();
        waitFor([&] { return start1->text() == QLatin1String("Stop"); }, 5000);
        waitFor([&] { return start1->text() == QLatin1String("Start"); }, 5000);
        const int shownAt = QTime::currentTime().msecsSinceStartOfDay();
        waitFor([&] { return motorStops.size() > stopsBefore; }, 3000);
        if (motorStops.size() <= stopsBefore) {
            std::fprintf(stderr, "pumpsim logged no stop\n");
            return 1;
        }
        delays << shownAt - motorStops.last();
    }
    std::printf("timed run, motor stop to \"Start\": median %.0f ms over %d runs (min %.0f, max "
                "%.0f)\n",
                median(delays), kDelayRuns, *std::min_element(delays.begin(), delays.end()),
                *std::max_element(delays.begin(), delays.end()));

    BenchSupport::printRequestWakesFloor();
    thread.quit();
    thread.wait();
    return 0;
}
