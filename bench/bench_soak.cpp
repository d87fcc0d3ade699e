// The link soak: the real command queue and TCP transport against the
// simulator with every fault on at once (delays, drops, split replies,
// corrupt CRCs, exceptions, doubled replies, closed connections), batches
// of mixed reads and writes for SECONDS (default 600). After every batch
// the register image is held against the simulator's tables. The simulator
// runs in this process, so that its tables can be compared directly; its
// request log is emptied after every batch, so the memory figures are the
// client's growth.
//   bench_soak [SECONDS]

#include "BenchSupport.h"
#include "SoakRun.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <stdlib.h>

namespace {

// The link's debug lines about every refused reply would drown the figures.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    if (!BenchSupport::isolateSettings())
        return 2;
    qInstallMessageHandler(quietHandler);
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 600;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: bench_soak [SECONDS]\n");
        return 2;
    }
    std::printf("soak of the link for %d s, every fault on\n", seconds);
    std::fflush(stdout);
    SoakRun soak;
    const SoakFigures f = soak.run(seconds);
    if (!f.linkCameUp) {
        std::fprintf(stderr, "the link did not come up\n");
        return 1;
    }
    std::printf("batches run:          %d\n", f.batches);
    std::printf("batches succeeded:    %d\n", f.succeeded);
    std::printf("batches failed clean: %d\n", f.failedCleanly);
    std::printf("wrong values seen:    %d\n", f.wrongValues);
    std::printf("hangs:                %d\n", f.hangs);
    std::printf("reconnects:           %d\n", f.reconnects);
    std::printf("requests sent:        %lld\n", f.requests);
    std::printf("longest batch:        %lld ms\n", f.longestBatchMs);
    std::printf("VmRSS at start:       %lld kB\n", f.rssStartKb);
    std::printf("VmRSS at end:         %lld kB\n", f.rssEndKb);
    for (const QString &sample : f.wrongSamples)
        std::printf("wrong: %s\n", qPrintable(sample));
    return f.wrongValues == 0 && f.hangs == 0 ? 0 : 1;
}
