// Full read of one pump (the 23 requests of the start-up read-out) through
// the real queue and transport against pumpsim over loopback. Prints the
// wall time, the protocol floor (23 pauses of 60 ms plus the measured round
// trips), their ratio, and the client's CPU time. The simulator runs as its
// own process, so the CPU figure is the client's alone.

#include "BatchOutcome.h"
#include "BatchStart.h"
#include "BenchSupport.h"
#include "CommSend.h"
#include "UiOperate.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <cstdio>

namespace {

constexpr int kRuns = 7;

} // namespace

int main(int argc, char **argv)
{
    BenchSupport::Bench<QCoreApplication> bench(argc, argv, 0);
    if (!bench.ok())
        return 1;

    // The round trips alone: the same requests sent back to back on a
    // socket of our own, each waiting only for its complete reply.
    double rtt = 0;
    for (int i = 0; i < kRuns; ++i)
        rtt += BenchSupport::fullReadsRoundTripsMs(bench.port(), 1);
    rtt /= kRuns;
    const double floorMs = BenchSupport::batchFloorMs(23, rtt);

    QThread thread;
    CommSend *queue = BenchSupport::queueOnThread(thread);
    BenchSupport::Transmitter driver(queue);
    BenchSupport::startLinkThread(thread);

    std::printf("full read of one pump, 23 requests, %d runs\n", kRuns);
    std::printf("round trips alone: %.2f ms\n", rtt);
    std::printf("protocol floor (23 x 60 ms + round trips): %.2f ms\n", floorMs);
    BenchSupport::Runs runs;
    for (int run = 0; run < kRuns; ++run) {
        BenchSupport::BatchStatus outcome;
        BatchStart::queue(UiOperate::fullReadCommands(1), &outcome, queue);
        QEventLoop loop;
        QObject::connect(queue, &CommSend::returnStatus, &loop, [&](int status) {
            BatchOutcome::deliver(&outcome, status);
            loop.quit();
        });
        const BenchSupport::BatchCost cost = BenchSupport::timeBatch([&] {
            Q_EMIT driver.transmission();
            loop.exec();
        });
        if (outcome.status != 0) {
            std::fprintf(stderr, "run %d failed with status %d\n", run + 1, outcome.status);
            return 1;
        }
        runs.add(cost, floorMs);
        std::printf("run %d: wall %.2f ms, ratio %.4f, client CPU %.2f ms (%.2f %%)\n", run + 1,
                    cost.wallMs, runs.ratios.last(), cost.cpuMs, runs.cpuShares.last());
    }
    std::printf("median: ratio %.4f (goal <= 1.01), client CPU %.2f %% of wall (goal <= 1 %%)\n",
                BenchSupport::median(runs.ratios), BenchSupport::median(runs.cpuShares));

    thread.quit();
    thread.wait();
    return 0;
}
