// The overview with a master and three slaves, in the real client against
// pumpsim (its own process) over loopback. Prints how long building the
// overview from the four device images takes, shown and hidden (the
// median and the worst of many), then "Read All": its wall time over the
// protocol floor of its 4 x 23 requests, each followed by the pump's 60 ms
// pause, and the client's CPU time meanwhile.

#include "BenchSupport.h"
#include "Communication.h"
#include "DialogLogin.h"
#include "MainWindowConn.h"
#include "MyMessageBox.h"
#include "OverviewPage.h"
#include "UiOperate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using BenchSupport::cpuSeconds;
using BenchSupport::threadCpuSeconds;

constexpr int kPumps = 4;
constexpr int kRefreshRounds = 400;

// Runs the event loop until done() holds or timeoutMs pass.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

struct Spread
{
    double medianMs = 0;
    double worstMs = 0;
};

Spread timeRefreshes(OverviewPage *page)
{
    QVector<double> times;
    times.reserve(kRefreshRounds);
    for (int i = 0; i < kRefreshRounds; ++i) {
        QElapsedTimer clock;
        clock.start();
        page->refresh();
        times << clock.nsecsElapsed() / 1e6;
    }
    return {BenchSupport::median(times), *std::max_element(times.begin(), times.end())};
}

} // namespace

int main(int argc, char **argv)
{
    BenchSupport::Bench<QApplication> bench(argc, argv, 3);
    if (!bench.ok())
        return 1;

    const double rtt = BenchSupport::fullReadsRoundTripsMs(bench.port(), 4);
    if (rtt < 0) {
        std::fprintf(stderr, "could not measure the round trips\n");
        return 1;
    }
    const int requests = kPumps * int(UiOperate::fullReadCommands(1).size());
    const double floorMs = BenchSupport::batchFloorMs(requests, rtt);

    // The login dialog starts the link; the read-out follows as after Confirm.
    auto *login = new DialogLogin;
    login->show();
    if (!waitFor(
            [] {
                return Communication::current() &&
                    Communication::current()->socketState() == Communication::kConnectedState;
            },
            10000)) {
        std::fprintf(stderr, "the client did not connect to pumpsim\n");
        return 1;
    }
    login->hide();
    UiOperate orchestrator([] { return new MainWindowConn; });
    orchestrator.startLaunch(0);
    if (!waitFor([&orchestrator] { return orchestrator.launchState() != 0; }, 60000) ||
        orchestrator.launchState() != 1) {
        std::fprintf(stderr, "the pumps were not read\n");
        return 1;
    }
    auto *window = dynamic_cast<MainWindowConn *>(orchestrator.mainWindow());
    auto *page = window ? window->findChild<OverviewPage *>() : nullptr;
    if (!page || !page->isVisible()) {
        std::fprintf(stderr, "the overview is not the page shown\n");
        return 1;
    }

    const Spread shown = timeRefreshes(page);
    window->listWidgetSetupItemClicked(window->pageItem(MainWindowConn::PageTimeTemp));
    const Spread hidden = timeRefreshes(page);
    window->listWidgetSetupItemClicked(window->pageItem(MainWindowConn::PageOverview));

    QEventLoop reading;
    bool done = false;
    MyMessageBox::setPromptObserver([&](QWidget *, int number, MyMessageBox::Delivery) {
        done = number == 5;
        reading.quit();
    });
    MyMessageBox::setWarningObserver([&reading](QWidget *, const QString &text) {
        std::fprintf(stderr, "warning: %s\n", qPrintable(text));
        reading.quit();
    });
    QTimer::singleShot(60000, &reading, &QEventLoop::quit);
    auto *readAll = page->findChild<QPushButton *>(QStringLiteral("btnReadAll"));
    const double cpuAtStart = cpuSeconds();
    const double mainCpuAtStart = threadCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    readAll->click();
    // The outcome is a prompt, told to the observer on the GUI thread:
    // nothing of the benchmark's own wakes meanwhile.
    reading.exec();
    if (!done) {
        std::fprintf(stderr, "Read All did not finish\n");
        return 1;
    }
    const double wallMs = wall.nsecsElapsed() / 1e6;
    const double cpuMs = (cpuSeconds() - cpuAtStart) * 1000;
    const double mainCpuMs = (threadCpuSeconds() - mainCpuAtStart) * 1000;

    bench.stopPumpsim();
    std::printf("overview refresh, shown, 4 pumps: median %.3f ms, worst %.3f ms (goal < 10 ms)\n",
                shown.medianMs, shown.worstMs);
    std::printf("overview refresh, hidden (warning count only): median %.3f ms, worst %.3f ms\n",
                hidden.medianMs, hidden.worstMs);
    std::printf("round trips of the %d reads alone: %.2f ms\n", requests, rtt);
    std::printf("protocol floor (%d x 60 ms + round trips): %.2f ms\n", requests, floorMs);
    std::printf("Read All: %.2f ms, ratio %.4f (goal <= 1.01)\n", wallMs, wallMs / floorMs);
    std::printf("client CPU during Read All: %.2f ms (%.2f %% of wall, goal < 1 %%)\n", cpuMs,
                100.0 * cpuMs / wallMs);
    std::printf("  of which the main thread: %.2f ms, the link thread: %.2f ms\n", mainCpuMs,
                cpuMs - mainCpuMs);
    // The window belongs to the orchestrator, which goes before the login.
    return 0;
}
