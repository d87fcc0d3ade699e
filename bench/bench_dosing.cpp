// The dose settings page's Read and Save (16 requests each) and the quick
// setup's Setup (6 requests), driven through the real pages, queue and
// transport against pumpsim in its own process, so the CPU figure is the
// client's alone. Prints the wall time of each batch from the button to its
// outcome, the protocol floor (a pause after each request plus the
// measured round trips of the same frames), their ratio and the client's
// CPU share; then the time to decode a Read into the four editors and
// repaint the page.

#include "BatchOutcome.h"
#include "BenchSupport.h"
#include "CommSend.h"
#include "DoseProgramme.h"
#include "DoseSetGroup.h"
#include "MyMessageBox.h"
#include "ParameterSetup.h"
#include "QuickSetup.h"
#include "RegisterImage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTcpSocket>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 7;
constexpr int kPaintRuns = 21;

using BenchSupport::median;

// Clicks button and waits for the prompt that ends the batch.
bool runOnce(QPushButton *button, int expectedPrompt, int *lastPrompt, double floorMs,
             BenchSupport::Runs &runs)
{
    QEventLoop loop;
    *lastPrompt = 0;
    MyMessageBox::setPromptObserver([&](QWidget *, int number, MyMessageBox::Delivery) {
        *lastPrompt = number;
        loop.quit();
    });
    const BenchSupport::BatchCost cost = BenchSupport::timeBatch([&] {
        button->click();
        loop.exec();
    });
    if (*lastPrompt != expectedPrompt)
        return false;
    runs.add(cost, floorMs);
    return true;
}

void report(const char *what, int requests, double rtt, double floorMs, const BenchSupport::Runs &f)
{
    std::printf("%s, %d requests, %d runs\n", what, requests, kRuns);
    std::printf("  round trips alone %.2f ms, protocol floor (%d x 60 ms + round trips) %.2f ms\n",
                rtt, requests, floorMs);
    for (int i = 0; i < f.walls.size(); ++i)
        std::printf("  run %d: wall %.2f ms, ratio %.4f, client CPU %.2f %%\n", i + 1, f.walls[i],
                    f.ratios[i], f.cpuShares[i]);
    std::printf("  median: ratio %.4f (goal <= 1.01), client CPU %.2f %% of wall (goal < 1 %%)\n",
                median(f.ratios), median(f.cpuShares));
}

} // namespace

int main(int argc, char **argv)
{
    BenchSupport::Bench<QApplication> bench(argc, argv, 0);
    if (!bench.ok())
        return 1;

    // Floors first, on a connection of our own, before the client connects.
    RegisterImage floorImage;
    QuickSetup::prepare(floorImage, floorImage, QuickSetup::calculate({100, 10, 5, 1}), 100);
    QTcpSocket socket;
    if (!BenchSupport::connectProbe(socket, bench.port())) {
        std::fprintf(stderr, "cannot reach pumpsim\n");
        return 1;
    }
    bool measured = true;
    const auto averageRtt = [&](const QStringList &commands) {
        const QVector<double> rtts =
            BenchSupport::repeatedRoundTripsMs(socket, commands, floorImage, kRuns);
        measured = measured && !rtts.isEmpty();
        return BenchSupport::mean(rtts);
    };
    const QStringList read = DoseProgramme::readCommands(1);
    const QStringList save = DoseProgramme::saveCommands(1);
    const QStringList setup = QuickSetup::commands();
    const double readRtt = averageRtt(read);
    const double saveRtt = averageRtt(save);
    const double setupRtt = averageRtt(setup);
    const double readFloor = BenchSupport::batchFloorMs(read.size(), readRtt);
    const double saveFloor = BenchSupport::batchFloorMs(save.size(), saveRtt);
    const double setupFloor = BenchSupport::batchFloorMs(setup.size(), setupRtt);
    BenchSupport::closeProbe(socket);
    if (!measured) {
        std::fprintf(stderr, "a floor request got no reply\n");
        return 1;
    }

    QThread thread;
    CommSend *queue = BenchSupport::queueOnThread(thread);
    // Routed to the callback as the orchestrator does.
    QObject::connect(queue, &CommSend::returnStatus, &bench.application(),
                     [queue](int status) { BatchOutcome::route(*queue, status); });
    BenchSupport::startLinkThread(thread);

    RegisterImage master;
    RegisterImage::setWorking(&master);
    DoseSetGroup page(1, &master);
    page.resize(730, 495);
    page.show();
    ParameterSetup quick;
    quick.show();
    auto *btnRead = page.findChild<QPushButton *>(QStringLiteral("btnRead"));
    auto *btnSave = page.findChild<QPushButton *>(QStringLiteral("btnSave"));
    auto *btnSetup = quick.findChild<QPushButton *>(QStringLiteral("btnSetup"));
    if (!btnRead || !btnSave || !btnSetup)
        return 1;

    // Setup shows the programme it replaces and asks before writing it, and
    // Save or Setup ask before a dose above a reagent's maximum: the user
    // who presses them answers yes.
    MyMessageBox::setQuestionAnswerer(
        [](QWidget *, const MyMessageBox::Question &) { return true; });
    int prompt = 0;
    BenchSupport::Runs readFigures, saveFigures, setupFigures;
    for (int run = 0; run < kRuns; ++run) {
        if (!runOnce(btnRead, 5, &prompt, readFloor, readFigures) ||
            !runOnce(btnSave, 3, &prompt, saveFloor, saveFigures) ||
            !runOnce(btnSetup, 3, &prompt, setupFloor, setupFigures)) {
            std::fprintf(stderr, "run %d ended with prompt %d\n", run + 1, prompt);
            return 1;
        }
    }
    MyMessageBox::setPromptObserver(nullptr);
    MyMessageBox::setQuestionAnswerer(nullptr);
    report("dose settings Read", read.size(), readRtt, readFloor, readFigures);
    report("dose settings Save", save.size(), saveRtt, saveFloor, saveFigures);
    report("quick setup Setup", setup.size(), setupRtt, setupFloor, setupFigures);

    // Decoding a Read into the four editors and painting the page, with
    // plans on every channel so the plan lists are rebuilt too.
    for (int channel = 0; channel < DoseProgramme::kChannelCount; ++channel) {
        master.holdingRegisters[DoseProgramme::kPlanCountRegister + channel] = 24 << 8;
        for (int j = 0; j < DoseProgramme::kMaxPlans; ++j) {
            const int block =
                DoseProgramme::kPlanBlockRegister + DoseProgramme::kPlanBlockSize * channel;
            master.holdingRegisters[block + j] = (j % 24) << 8;
            master.holdingRegisters[block + DoseProgramme::kMaxPlans + j] = j + 1;
        }
    }
    QVector<double> paints;
    for (int run = 0; run < kPaintRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        page.parameterUpdate();
        page.repaint();
        paints << clock.nsecsElapsed() / 1e6;
    }
    std::printf("decode into the four editors and repaint (24 plans per channel), %d runs: "
                "median %.2f ms, worst %.2f ms (goal < 20 ms)\n",
                kPaintRuns, median(paints), *std::max_element(paints.begin(), paints.end()));

    RegisterImage::setWorking(nullptr);
    thread.quit();
    thread.wait();
    return 0;
}
