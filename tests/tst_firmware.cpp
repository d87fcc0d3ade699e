#include "AppSettings.h"
#include "BootProtocol.h"
#include "ClientFixture.h"
#include "CommSend.h"
#include "Communication.h"
#include "FirmwareUpgrade.h"
#include "LinkFixture.h"
#include "MainWindowConn.h"
#include "RegisterImage.h"
#include "TestSupport.h"
#include "UiOperate.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {
// The results the queue reports, in order, for each way an upgrade ends.
const QVector<int> kUpgraded = {Boot::ResultConnected, Boot::ResultErased, Boot::ResultDownloaded,
                                Boot::ResultVerified};
const QVector<int> kDownloadFailed = {Boot::ResultConnected, Boot::ResultErased,
                                      Boot::ResultDownloadFailed};
const QVector<int> kVerifyFailed = {Boot::ResultConnected, Boot::ResultErased,
                                    Boot::ResultDownloaded, Boot::ResultVerifyFailed};
const QVector<int> kOperateFailed = {Boot::ResultCommandFailed};
} // namespace

// The firmware upgrade page and the boot-loader transfer behind it, in the
// firmware-only mode the login dialog's Upgrade opens, against the
// simulator's boot loader. What the simulator took is what is asserted.
class TestFirmware : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void firmwareOnlyEntryShowsOnlyTheUpgradePage();
    void pageStartsReadyWithUpgradeDisabled();
    void fullUpgradeOf100kBImageLeavesThePaddedImageInThePump();
    void threeHundredByteImageGoesAsThreeBlocks();
    void eraseAllSendsTheLongEraseAfterItsWarning();
    void everyBlockRefusedEndsInDownloadFailed();
    void someBlocksRefusedRecoverWithinTheirRetries();
    void lostAcknowledgementsRecover();
    void corruptedReadBackBlockEndsInVerifyFailed();
    void slowEraseWithinItsTimerSucceeds();
    void eraseSlowerThanItsTimerRecoversOnTheResend();
    void silentBootLoaderEndsInOperateFailed();
    void silenceDuringDownloadEndsInDownloadFailed();
    void silenceDuringVerificationEndsInVerifyFailed();
    void silenceBeforeTheFirstReadBlockEndsInVerifyFailed();
    void emptyFileIsRefusedAndUpgradeStaysDisabled();
    void unreadableFileIsRefused();
    void cancelledFileDialogShowsAnEmptyPath();
    void upgradeDuringAnotherBatchDoesNothing();
    void eraseWithoutAnImageIsRefused();
    void stepAskedForWithoutAClaimHoldsTheQueueUntilItEnds();
    void switchIntoTheBootLoaderAnswersTheHandshakeAndConnects();
    void switchWithAFileChosenUpgradesOnFromThere();
    void noiseBeforeTheBootLoadersAnnouncementStillConnects_data();
    void noiseBeforeTheBootLoadersAnnouncementStillConnects();
    void switchWithoutTheBootLoadersAnnouncementEndsInOperateFailed();
    void leavingBootModeMidTransferDoesNotStallIt();
    void modbusBatchWhileInBootModeEndsNormally();

private:
    template<typename T> T *child(const char *name)
    {
        T *found = m_page->findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning() << "no widget" << name;
        return found;
    }
    QString writeImage(const QString &name, int size, quint32 seed);
    QByteArray padded(const QString &path);
    void choose(const QString &path);
    // Presses Upgrade and waits until the page is ready again; returns the
    // results the queue reported.
    QVector<int> upgrade(int timeoutMs = 20000);
    QStringList logLines();
    SimBootLoader &boot() { return m_link.sim().bootLoader(); }

    LinkFixture m_link;
    ClientFixture m_client;
    QTemporaryDir m_dir;
    UiOperate *m_orchestrator = nullptr;
    MainWindowConn *m_window = nullptr;
    FirmwareUpgrade *m_page = nullptr;
    QString m_nextPath;
    QVector<int> m_results;
};

void TestFirmware::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_link.start());
    // The orchestrator routes the outcomes, as in the product.
    m_link.stopRouting();
    connect(&m_link.queue(), &CommSend::upgradeReturnAcction, this,
            [this](int result) { m_results.append(result); });
    FirmwareUpgrade::setFileChooser([this](QWidget *) { return m_nextPath; });

    m_orchestrator = new UiOperate([] { return new MainWindowConn; });
    m_orchestrator->startLaunch(1);
    QCOMPARE(m_orchestrator->launchState(), 1);
    m_window = dynamic_cast<MainWindowConn *>(m_orchestrator->mainWindow());
    QVERIFY(m_window);
    m_page = m_window->findChild<FirmwareUpgrade *>(QStringLiteral("wgFirmwareUpgrade"));
    QVERIFY(m_page);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestFirmware::cleanupTestCase()
{
    FirmwareUpgrade::setFileChooser(nullptr);
    delete m_orchestrator;
}

void TestFirmware::init()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_page->state() != FirmwareUpgrade::State::Running, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(m_link.queue().isIdle(), 20000);
    QTRY_VERIFY(m_link.sim().hasClient());
    // A page left with a file chosen goes back to ready through a refused
    // choice, as a user's would.
    if (m_page->state() == FirmwareUpgrade::State::FileLoaded)
        m_page->upgradeReturnAcction(Boot::ResultCommandFailed);
    m_link.sim().setFaults(SimFaults());
    m_link.sim().clearRequests();
    boot().setFaults(SimBootFaults());
    boot().clearLog();
    // The pump waits in its boot loader, as after a power-up with Upgrade.
    boot().startInBootLoader();
    if (auto *eraseAll = child<QCheckBox>("cbEraseAll"))
        eraseAll->setChecked(false);
    m_client.clearPrompts();
    m_results.clear();
    if (Communication *link = Communication::current())
        link->setMode(Communication::BootMode);
}

QString TestFirmware::writeImage(const QString &name, int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(random.bounded(256));
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != size)
        return QString();
    return path;
}

QByteArray TestFirmware::padded(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    while (bytes.size() % 128 != 0)
        bytes.append('\x1A');
    return bytes;
}

void TestFirmware::choose(const QString &path)
{
    m_nextPath = path;
    QTest::mouseClick(child<QPushButton>("btnSelectFile"), Qt::LeftButton);
}

QVector<int> TestFirmware::upgrade(int timeoutMs)
{
    QTest::mouseClick(child<QPushButton>("btnConnect"), Qt::LeftButton);
    if (m_page->state() != FirmwareUpgrade::State::Running)
        return {};
    if (!QTest::qWaitFor([this] { return m_page->state() == FirmwareUpgrade::State::Ready; },
                         timeoutMs))
        qWarning() << "the upgrade did not end within" << timeoutMs << "ms";
    // Let the start command's answer come in before the next test.
    if (!QTest::qWaitFor([this] { return m_link.queue().isIdle(); }, 3000))
        qWarning() << "the queue stayed busy after the upgrade";
    return m_results;
}

QStringList TestFirmware::logLines()
{
    return child<QTextBrowser>("textBrowserLog")
        ->toPlainText()
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestFirmware::firmwareOnlyEntryShowsOnlyTheUpgradePage()
{
    QCOMPARE(m_window->launchMode(), 1);
    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageFirmwareUpgrade));
    QCOMPARE(Communication::current()->linkMode(), int(Communication::BootMode));
    for (int page = 0; page < MainWindowConn::PageCount; ++page) {
        if (page != MainWindowConn::PageFirmwareUpgrade)
            QCOMPARE(m_window->pageItem(page)->flags(), Qt::NoItemFlags);
    }
    auto *list = m_window->findChild<QListWidget *>(QStringLiteral("listWidgetSetup"));
    QVERIFY(list);
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageTimeTemp));
    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageFirmwareUpgrade));
    // No pump was read: firmware-only mode goes straight to the page.
    QCOMPARE(m_link.sim().requestCount(), 0);
}

void TestFirmware::pageStartsReadyWithUpgradeDisabled()
{
    QVERIFY(child<QPushButton>("btnSelectFile"));
    QVERIFY(child<QLineEdit>("leFilePath"));
    QVERIFY(child<QTextBrowser>("textBrowserLog"));
    QProgressBar *progress = child<QProgressBar>("pbProgress");
    QVERIFY(progress);
    QCOMPARE(progress->format(), QStringLiteral("%p%"));
    QCOMPARE(progress->minimum(), 0);
    QCOMPARE(progress->maximum(), 100);
    QCOMPARE(progress->value(), 0);
    QCOMPARE(child<QPushButton>("btnSelectFile")->text(), QStringLiteral("File"));
    QCOMPARE(child<QPushButton>("btnConnect")->text(), QStringLiteral("Upgrade"));
    QCOMPARE(child<QCheckBox>("cbEraseAll")->text(), QStringLiteral("Erase Setup Information"));
    QVERIFY(child<QPushButton>("btnSelectFile")->isEnabled());
    QVERIFY(!child<QPushButton>("btnConnect")->isEnabled());
    QVERIFY(child<QCheckBox>("cbEraseAll")->isEnabled());
    // Prompts are on after a first run: the page carries its tool tips.
    QCOMPARE(child<QPushButton>("btnConnect")->toolTip(), QStringLiteral("Update program"));
    QCOMPARE(child<QPushButton>("btnSelectFile")->toolTip(), QStringLiteral("Open a binary file"));
    QVERIFY(child<QCheckBox>("cbEraseAll")->toolTip().startsWith("Erase the setting"));
    m_page->clearToolTips();
    QVERIFY(child<QPushButton>("btnConnect")->toolTip().isEmpty());
    m_page->showToolTips();
    ClientFixture::screenshot(m_window, QStringLiteral("firmware_ready"));
}

void TestFirmware::fullUpgradeOf100kBImageLeavesThePaddedImageInThePump()
{
    const QString path = writeImage(QStringLiteral("app100k.bin"), 100000, 11);
    choose(path);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::FileLoaded);
    QCOMPARE(child<QLineEdit>("leFilePath")->text(), path);
    QVERIFY(!child<QPushButton>("btnSelectFile")->isEnabled());
    QVERIFY(child<QPushButton>("btnConnect")->isEnabled());
    const int blocks = 782; // 100000 / 128, rounded up
    QCOMPARE(m_link.queue().blockCount(), blocks);
    QCOMPARE(child<QProgressBar>("pbProgress")->maximum(), blocks);

    // The picture half way through the download.
    bool grabbed = false;
    QVector<int> verifyProgress;
    const QMetaObject::Connection watch = connect(
        child<QProgressBar>("pbProgress"), &QProgressBar::valueChanged, this, [&](int value) {
            if (!grabbed && value == blocks / 2 && m_results.size() == 2) {
                grabbed = true;
                QVERIFY(!child<QCheckBox>("cbEraseAll")->isEnabled());
                QVERIFY(!child<QPushButton>("btnConnect")->isEnabled());
                QVERIFY(!child<QPushButton>("btnSelectFile")->isEnabled());
                ClientFixture::screenshot(m_window, QStringLiteral("firmware_running"));
            }
            if (m_results.size() == 3)
                verifyProgress.append(value);
        });
    const QVector<int> results = upgrade(60000);
    disconnect(watch);
    QCOMPARE(results, kUpgraded);
    QVERIFY(grabbed);
    QCOMPARE(logLines(),
             QStringList({"Application connect successfully", "Erase Application successfully",
                          "Application Download successfully", "Application Verify successfully"}));
    // After the download the bar starts again and counts the read-back.
    QVERIFY(verifyProgress.size() > 2);
    QCOMPARE(verifyProgress.first(), 0);
    QCOMPARE(verifyProgress.last(), blocks);
    QCOMPARE(child<QProgressBar>("pbProgress")->value(), blocks);

    QCOMPARE(boot().receivedImage().size(), blocks * 128);
    QVERIFY(boot().receivedImage() == padded(path));
    QCOMPARE(boot().state(), SimBootLoader::State::Off);
    QCOMPARE(boot().commands().last(), QStringLiteral("G1000"));
    QVERIFY(child<QPushButton>("btnSelectFile")->isEnabled());
    QVERIFY(!child<QPushButton>("btnConnect")->isEnabled());
    ClientFixture::screenshot(m_window, QStringLiteral("firmware_success"));

    // Each step reported once, and nothing after.
    QTest::qWait(900); // longer than two boot reply timers
    QCOMPARE(m_results, kUpgraded);

    // The pump answers Modbus again.
    RecordingCallback read;
    QVERIFY(m_link.runBatch({QStringLiteral("1 3 161 4")}, &read));
    QTRY_COMPARE(read.outcomes, QVector<int>({0}));
}

void TestFirmware::threeHundredByteImageGoesAsThreeBlocks()
{
    const QString path = writeImage(QStringLiteral("app300.bin"), 300, 3);
    choose(path);
    QCOMPARE(m_link.queue().blockCount(), 3);
    QCOMPARE(m_link.queue().imageSize(), 300);
    QCOMPARE(upgrade(), kUpgraded);
    QCOMPARE(boot().commands(), QStringList({"", "I1000,3e4", "S1000,180", "R1000,180", "G1000"}));
    // Each command went once: no second EOT after the last block.
    QCOMPARE(boot().strayBytes(), 0);
    const QByteArray image = boot().receivedImage();
    QCOMPARE(image.size(), 384);
    QCOMPARE(image.mid(300), QByteArray(84, '\x1A'));
    QVERIFY(image == padded(path));
}

void TestFirmware::eraseAllSendsTheLongEraseAfterItsWarning()
{
    QCheckBox *eraseAll = child<QCheckBox>("cbEraseAll");
    eraseAll->setChecked(true);
    QCOMPARE(m_client.promptNumbers(), QVector<int>({28}));
    QVERIFY(m_link.queue().eraseAll());
    eraseAll->setChecked(false);
    QCOMPARE(m_client.promptNumbers(), QVector<int>({28}));
    QVERIFY(!m_link.queue().eraseAll());
    eraseAll->setChecked(true);
    QCOMPARE(m_client.promptNumbers(), QVector<int>({28, 28}));

    choose(writeImage(QStringLiteral("erase.bin"), 200, 5));
    QCOMPARE(upgrade(), kUpgraded);
    QCOMPARE(boot().commands().value(1), QStringLiteral("I1000,3f4"));
    QVERIFY(eraseAll->isEnabled());
}

void TestFirmware::everyBlockRefusedEndsInDownloadFailed()
{
    SimBootFaults faults;
    faults.refuseRate = 1.0;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("refused.bin"), 1000, 6));
    QCOMPARE(upgrade(), kDownloadFailed);
    QCOMPARE(logLines().last(), QStringLiteral("Application Download failed"));
    // Block 1 went out five times, and was never kept.
    QCOMPARE(boot().blocksRefused(), 5);
    QVERIFY(boot().receivedImage().isEmpty());
    QVERIFY(child<QPushButton>("btnSelectFile")->isEnabled());
    QVERIFY(!child<QPushButton>("btnConnect")->isEnabled());
    QVERIFY(child<QCheckBox>("cbEraseAll")->isEnabled());
}

void TestFirmware::someBlocksRefusedRecoverWithinTheirRetries()
{
    SimBootFaults faults;
    faults.seed = 7;
    faults.refuseRate = 0.3;
    boot().setFaults(faults);
    const QString path = writeImage(QStringLiteral("flaky.bin"), 5000, 7);
    choose(path);
    QCOMPARE(upgrade(), kUpgraded);
    QVERIFY(boot().blocksRefused() > 0);
    QVERIFY(boot().receivedImage() == padded(path));
}

void TestFirmware::lostAcknowledgementsRecover()
{
    SimBootFaults faults;
    faults.seed = 9;
    faults.lostAckRate = 0.3;
    boot().setFaults(faults);
    const QString path = writeImage(QStringLiteral("lostack.bin"), 3000, 8);
    choose(path);
    QCOMPARE(upgrade(), kUpgraded);
    QVERIFY(boot().acksLost() > 0);
    // Each block resent after a lost ACK was taken as a duplicate, not
    // stored twice.
    QCOMPARE(boot().duplicateBlocks(), boot().acksLost());
    QVERIFY(boot().receivedImage() == padded(path));
}

void TestFirmware::corruptedReadBackBlockEndsInVerifyFailed()
{
    boot().scriptCorruptReadBlock(2);
    choose(writeImage(QStringLiteral("readback.bin"), 1000, 10));
    QCOMPARE(upgrade(), kVerifyFailed);
    QCOMPARE(logLines().last(), QStringLiteral("Application Verify failed"));
    // The application is not started on a failed verification.
    QVERIFY(!boot().commands().contains(QStringLiteral("G1000")));
    QVERIFY(boot().isActive());
    QVERIFY(child<QPushButton>("btnSelectFile")->isEnabled());
    QVERIFY(child<QCheckBox>("cbEraseAll")->isEnabled());
    ClientFixture::screenshot(m_window, QStringLiteral("firmware_failure"));
}

void TestFirmware::slowEraseWithinItsTimerSucceeds()
{
    SimBootFaults faults;
    faults.eraseDelayMs = 1500;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("slow.bin"), 400, 12));
    QCOMPARE(upgrade(), kUpgraded);
    QCOMPARE(boot().commands().count(QStringLiteral("I1000,3e4")), 1);
}

void TestFirmware::eraseSlowerThanItsTimerRecoversOnTheResend()
{
    SimBootFaults faults;
    faults.eraseDelayMs = 2600;
    boot().setFaults(faults);
    const QString path = writeImage(QStringLiteral("slower.bin"), 400, 13);
    choose(path);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(upgrade(), kUpgraded);
    QVERIFY(clock.elapsed() >= 2600);
    // The resend reached a pump busy erasing; its late answer was taken.
    QCOMPARE(boot().commands().count(QStringLiteral("I1000,3e4")), 1);
    QVERIFY(boot().receivedImage() == padded(path));
}

void TestFirmware::silentBootLoaderEndsInOperateFailed()
{
    SimBootFaults faults;
    faults.silentFrom = 1;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("silent.bin"), 400, 14));
    QCOMPARE(upgrade(), kOperateFailed);
    QCOMPARE(logLines(), QStringList({"Operate Failed"}));
    // The connect command went out once and was sent again five times.
    QCOMPARE(boot().commands(), QStringList({"", "", "", "", "", ""}));
    QVERIFY(child<QPushButton>("btnSelectFile")->isEnabled());
}

void TestFirmware::silenceDuringDownloadEndsInDownloadFailed()
{
    // Answers: connect 1, erase 2, write 3, block 1 4, block 2 5.
    SimBootFaults faults;
    faults.silentFrom = 5;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("silentdl.bin"), 384, 15));
    QCOMPARE(upgrade(), kDownloadFailed);
    QCOMPARE(boot().duplicateBlocks(), 4);
}

void TestFirmware::silenceDuringVerificationEndsInVerifyFailed()
{
    // Answers: connect, erase, write, 3 blocks, EOT (7), read 8, block 1 9.
    SimBootFaults faults;
    faults.silentFrom = 10;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("silentvf.bin"), 384, 16));
    QCOMPARE(upgrade(), kVerifyFailed);
    QVERIFY(child<QCheckBox>("cbEraseAll")->isEnabled());
}

void TestFirmware::silenceBeforeTheFirstReadBlockEndsInVerifyFailed()
{
    SimBootFaults faults;
    faults.silentFrom = 9;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("silentrd.bin"), 384, 17));
    QCOMPARE(upgrade(), kVerifyFailed);
    // The request to start sending was repeated with each retry.
    QCOMPARE(boot().readBlocksSent(), 5);
}

void TestFirmware::emptyFileIsRefusedAndUpgradeStaysDisabled()
{
    const QString path = writeImage(QStringLiteral("empty.bin"), 0, 1);
    QVERIFY(!path.isEmpty());
    choose(path);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QVERIFY(!child<QPushButton>("btnConnect")->isEnabled());
    QVERIFY(child<QPushButton>("btnSelectFile")->isEnabled());
    QVERIFY(logLines().last().contains(QStringLiteral("empty or cannot be read")));
    QTest::mouseClick(child<QPushButton>("btnConnect"), Qt::LeftButton);
    // Give a stray command time to reach the simulator: a loopback round
    // trip takes well under 100 ms.
    QTest::qWait(100);
    QVERIFY(boot().commands().isEmpty());
    QVERIFY(m_results.isEmpty());
}

void TestFirmware::unreadableFileIsRefused()
{
    choose(m_dir.filePath(QStringLiteral("missing.bin")));
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QVERIFY(!child<QPushButton>("btnConnect")->isEnabled());
    QVERIFY(logLines().last().contains(QStringLiteral("missing.bin")));
}

void TestFirmware::cancelledFileDialogShowsAnEmptyPath()
{
    choose(writeImage(QStringLiteral("first.bin"), 10, 2));
    m_page->upgradeReturnAcction(Boot::ResultCommandFailed);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    const int blocks = m_link.queue().blockCount();
    choose(QString());
    QCOMPARE(child<QLineEdit>("leFilePath")->text(), QString());
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QCOMPARE(m_link.queue().blockCount(), blocks);
}

void TestFirmware::upgradeDuringAnotherBatchDoesNothing()
{
    choose(writeImage(QStringLiteral("busy.bin"), 200, 18));
    // The pump runs its application while the batch is answered.
    boot().reset();
    SimFaults slow;
    slow.replyDelayMs = 400;
    m_link.sim().setFaults(slow);
    RecordingCallback read;
    QVERIFY(m_link.runBatch({QStringLiteral("1 3 161 4")}, &read));
    QTest::mouseClick(child<QPushButton>("btnConnect"), Qt::LeftButton);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::FileLoaded);
    QTRY_COMPARE(read.outcomes, QVector<int>({0}));
    QVERIFY(boot().commands().isEmpty());
    QVERIFY(m_results.isEmpty());
    // Once the batch is over, the same press upgrades.
    m_link.sim().setFaults(SimFaults());
    boot().startInBootLoader();
    QCOMPARE(upgrade(), kUpgraded);
}

void TestFirmware::eraseWithoutAnImageIsRefused()
{
    m_link.queue().setFirmware(QByteArray());
    m_page->btnErase_Clicked();
    QTRY_COMPARE(m_results, kOperateFailed);
    QTest::qWait(100); // as above: time for a stray command to arrive
    QVERIFY(boot().commands().isEmpty());
    QVERIFY(m_link.queue().isIdle());
}

void TestFirmware::stepAskedForWithoutAClaimHoldsTheQueueUntilItEnds()
{
    // The page claims the queue before it asks for a step; a step asked
    // for without that must hold the queue all the same, or a page's batch
    // could take the line in the middle of the erase.
    SimBootFaults faults;
    faults.eraseDelayMs = 1500;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("held.bin"), 400, 13));
    CommSend *queue = &m_link.queue();
    QVERIFY(queue->isIdle());
    QMetaObject::invokeMethod(
        queue, [queue] { queue->upgradeAction(Boot::stepAction(Boot::UpgradeStep::Erase)); },
        Qt::QueuedConnection);
    QTRY_VERIFY(boot().commands().contains(QStringLiteral("I1000,3e4")));
    QVERIFY(!queue->isIdle());
    QTRY_COMPARE_WITH_TIMEOUT(m_results, QVector<int>({Boot::ResultErased}), 5000);
    QVERIFY(queue->isIdle());
}

void TestFirmware::switchIntoTheBootLoaderAnswersTheHandshakeAndConnects()
{
    boot().reset();
    m_page->btnUpgrade_Clicked();
    QTRY_COMPARE(m_results, QVector<int>({Boot::ResultConnected}));
    // One Modbus request: function 6, register 160, the switch value.
    QCOMPARE(m_link.sim().requestCount(), 1);
    const PumpSimulator::Request request = m_link.sim().requests().first();
    QCOMPARE(request.function, 6);
    QCOMPARE(request.index, 160);
    QCOMPARE(request.count, 0x9B47);
    QCOMPARE(m_link.sim().holdingRegister(1, 160), 0x9B47);
    // '>' was taken (the boot loader left its handshake wait) and '#' answered.
    QCOMPARE(boot().state(), SimBootLoader::State::Commands);
    QCOMPARE(boot().commands(), QStringList({QString()}));
    // Without a file the page only logs it.
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QCOMPARE(logLines().last(), QStringLiteral("Application connect successfully"));
    QTRY_VERIFY(m_link.queue().isIdle());
}

void TestFirmware::switchWithAFileChosenUpgradesOnFromThere()
{
    boot().reset();
    const QString path = writeImage(QStringLiteral("switch.bin"), 700, 19);
    choose(path);
    m_page->btnUpgrade_Clicked();
    QTRY_COMPARE_WITH_TIMEOUT(m_results, kUpgraded, 20000);
    QVERIFY(boot().receivedImage() == padded(path));
    QTRY_COMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
}

void TestFirmware::noiseBeforeTheBootLoadersAnnouncementStillConnects_data()
{
    QTest::addColumn<int>("announceDelayMs");
    QTest::newRow("noise and '<' together") << 0;
    // Long enough for the noise to be read on its own, well inside the
    // switch's time.
    QTest::newRow("'<' after the noise") << 150;
}

void TestFirmware::noiseBeforeTheBootLoadersAnnouncementStillConnects()
{
    QFETCH(int, announceDelayMs);
    boot().reset();
    SimBootFaults faults;
    faults.announceNoise = 1;
    faults.announceDelayMs = announceDelayMs;
    boot().setFaults(faults);
    const QString path = writeImage(QStringLiteral("noise.bin"), 700, 21);
    choose(path);
    m_page->btnUpgrade_Clicked();
    QTRY_COMPARE_WITH_TIMEOUT(m_results, kUpgraded, 20000);
    QCOMPARE(m_link.sim().requestCount(), 1);
    QCOMPARE(boot().commands().first(), QString());
    QVERIFY(boot().flash() == padded(path));
    QTRY_COMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QCOMPARE(logLines().last(), QStringLiteral("Application Verify successfully"));
}

void TestFirmware::switchWithoutTheBootLoadersAnnouncementEndsInOperateFailed()
{
    boot().reset();
    SimBootFaults faults;
    faults.announceNoise = 1;
    // Far past the switch's time; the next test's start cancels it.
    faults.announceDelayMs = 60000;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("late.bin"), 300, 22));
    m_page->btnUpgrade_Clicked();
    QVERIFY(!m_link.queue().isIdle());
    QTRY_COMPARE_WITH_TIMEOUT(m_results, kOperateFailed, Boot::kSwitchTimeoutMs + 3000);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QCOMPARE(logLines().last(), QStringLiteral("Operate Failed"));
    QVERIFY(m_link.queue().isIdle());
    // The pump never heard a '>' nor a command.
    QCOMPARE(boot().state(), SimBootLoader::State::AwaitingHandshake);
    QVERIFY(boot().commands().isEmpty());
}

void TestFirmware::leavingBootModeMidTransferDoesNotStallIt()
{
    const QString path = writeImage(QStringLiteral("leave.bin"), 20000, 20);
    choose(path);
    QMetaObject::Connection leave =
        connect(&m_link.queue(), &CommSend::upgradeReturnProgress, this, [this](int block) {
            if (block == 20)
                Communication::current()->setMode(Communication::ModbusMode);
        });
    QCOMPARE(upgrade(), kUpgraded);
    disconnect(leave);
    QVERIFY(boot().receivedImage() == padded(path));
}

void TestFirmware::modbusBatchWhileInBootModeEndsNormally()
{
    QCOMPARE(Communication::current()->linkMode(), int(Communication::BootMode));
    boot().reset();
    m_link.sim().setHoldingRegister(1, 161, 4);
    RecordingCallback read;
    QVERIFY(m_link.runBatch({QStringLiteral("1 3 161 4")}, &read));
    QTRY_COMPARE(read.outcomes, QVector<int>({0}));
    QCOMPARE(RegisterImage::shared()->holdingRegisters[161], 4);
    QVERIFY(m_link.queue().isIdle());
}

QTEST_MAIN(TestFirmware)
#include "tst_firmware.moc"
