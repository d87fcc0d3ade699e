#include "AppSettings.h"
#include "BootProtocol.h"
#include "ClientFixture.h"
#include "CommSend.h"
#include "Communication.h"
#include "DialogSetupFile.h"
#include "FirmwareUpgrade.h"
#include "LinkFixture.h"
#include "MainWindowConn.h"
#include "RegisterImage.h"
#include "SetupFile.h"
#include "TestSupport.h"
#include "UiOperate.h"

#include <QCheckBox>
#include <QLabel>
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
// A running pump: the connect goes unanswered, then the switch and the rest.
const QVector<int> kUpgradedAfterSwitch = {Boot::ResultCommandFailed, Boot::ResultConnected,
                                           Boot::ResultErased, Boot::ResultDownloaded,
                                           Boot::ResultVerified};
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
    void pageShowsTheMastersFirmwareVersions();
    void confirmationNamesFileSizeBlocksAndPump();
    void cancelledConfirmationSendsNothing();
    void eraseAllAsksAgainAndItsCancelSendsNothing();
    void eraseQuestionDefaultsToCancel();
    void upgradeOfARunningPumpSwitchesItIntoItsBootLoader();
    void erasingUpgradeOffersABackupOfTheMasterFirst();
    void declinedSwitchEndsNamingTheUnansweredConnect();
    void blockRefusedEveryTimeNamesTheBlockAndItsRefusals();
    void verificationMismatchNamesTheBlock();
    void upgradeAfterAFailureNeedsNoNewFile();
    void fullUpgradeOf100kBImageLeavesThePaddedImageInThePump();
    void threeHundredByteImageGoesAsThreeBlocks();
    void eraseAllSendsTheLongEraseAfterItsWarning();
    void everyBlockRefusedEndsInDownloadFailed();
    void someBlocksRefusedRecoverWithinTheirRetries();
    void lostAcknowledgementsRecover();
    void corruptedReadBackBlockEndsInVerifyFailed();
    void slowEraseWithinItsTimerSucceeds();
    void eraseSlowerThanItsTimerRecoversOnTheResend();
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
    template<typename T> T *child(const char *name) { return TestSupport::child<T>(m_page, name); }
    QString writeImage(const QString &name, int size, quint32 seed);
    QByteArray padded(const QString &path);
    void choose(const QString &path);
    // Presses Upgrade and waits until the page is ready again; returns the
    // results the queue reported.
    QVector<int> upgrade(int timeoutMs = 20000);
    QStringList logLines();
    QString lastWarning() const
    {
        return m_client.warnings().value(m_client.warnings().size() - 1);
    }
    SimBootLoader &boot() { return m_link.sim().bootLoader(); }

    LinkFixture m_link;
    ClientFixture m_client;
    QTemporaryDir m_dir;
    UiOperate *m_orchestrator = nullptr;
    MainWindowConn *m_window = nullptr;
    FirmwareUpgrade *m_page = nullptr;
    QString m_nextPath;
    int m_choices = 0;
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
    FirmwareUpgrade::setFileChooser([this](QWidget *) {
        ++m_choices;
        return m_nextPath;
    });

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
    if (m_page->state() == FirmwareUpgrade::State::Failed)
        choose(writeImage(QStringLiteral("reset.bin"), 0, 1));
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    m_client.clearWarnings();
    m_client.clearQuestions();
    m_client.answerQuestionsWith(true);
    m_client.answerNextQuestionsWith({});
    m_choices = 0;
    m_link.sim().setFaults(SimFaults());
    m_link.sim().clearRequests();
    boot().setFaults(SimBootFaults());
    boot().clearLog();
    // The pump waits in its boot loader, as after a power-up with Upgrade.
    boot().startInBootLoader();
    child<QCheckBox>("cbEraseAll")->setChecked(false);
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
    if (!QTest::qWaitFor([this] { return m_page->state() != FirmwareUpgrade::State::Running; },
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

void TestFirmware::pageShowsTheMastersFirmwareVersions()
{
    QSettings &settings = AppSettings::store();
    settings.remove(QLatin1String(AppSettings::kFirmwareAppVersion));
    settings.remove(QLatin1String(AppSettings::kFirmwareVersion));
    m_page->hide();
    m_page->show();
    QCOMPARE(child<QLabel>("lbFirmwareAppVersion")->text(),
             QStringLiteral("Application version not read"));
    QCOMPARE(child<QLabel>("lbFirmwareVersion")->text(), QStringLiteral("Boot version not read"));
    // As the read after a login stores them.
    settings.setValue(QLatin1String(AppSettings::kFirmwareAppVersion),
                      QStringLiteral("Firmvare App Version 1.2.3"));
    settings.setValue(QLatin1String(AppSettings::kFirmwareVersion),
                      QStringLiteral("Firmvare Version 200005"));
    m_page->hide();
    m_page->show();
    QCOMPARE(child<QLabel>("lbFirmwareAppVersion")->text(),
             QStringLiteral("Firmvare App Version 1.2.3"));
    QCOMPARE(child<QLabel>("lbFirmwareVersion")->text(), QStringLiteral("Firmvare Version 200005"));
    QVERIFY(child<QLabel>("lbFirmwareAppVersion")->isVisible());
}

void TestFirmware::confirmationNamesFileSizeBlocksAndPump()
{
    choose(writeImage(QStringLiteral("confirm.bin"), 300, 23));
    m_client.answerQuestionsWith(false);
    QTest::mouseClick(child<QPushButton>("btnConnect"), Qt::LeftButton);
    QCOMPARE(m_client.questions().size(), 1);
    const QString question = m_client.questions().first();
    QVERIFY2(question.contains(QStringLiteral("confirm.bin")), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("300 bytes")), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("3 blocks of 128 bytes")), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("master pump")), qPrintable(question));
    // The name, not the whole path.
    QVERIFY(!question.contains(m_dir.path()));
}

void TestFirmware::cancelledConfirmationSendsNothing()
{
    choose(writeImage(QStringLiteral("cancel.bin"), 300, 24));
    m_client.answerQuestionsWith(false);
    QTest::mouseClick(child<QPushButton>("btnConnect"), Qt::LeftButton);
    QCOMPARE(m_client.questions().size(), 1);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::FileLoaded);
    QVERIFY(child<QPushButton>("btnConnect")->isEnabled());
    QVERIFY(m_link.queue().isIdle());
    QTest::qWait(100); // time for a stray command to reach the simulator
    QVERIFY(boot().commands().isEmpty());
    QCOMPARE(m_link.sim().requestCount(), 0);
    QVERIFY(m_results.isEmpty());
}

void TestFirmware::eraseAllAsksAgainAndItsCancelSendsNothing()
{
    child<QCheckBox>("cbEraseAll")->setChecked(true);
    choose(writeImage(QStringLiteral("eraseno.bin"), 300, 25));
    m_client.answerNextQuestionsWith({true, false});
    QTest::mouseClick(child<QPushButton>("btnConnect"), Qt::LeftButton);
    QCOMPARE(m_client.questions().size(), 2);
    QVERIFY2(m_client.questions().at(1).contains(QStringLiteral("erases every setting")),
             qPrintable(m_client.questions().at(1)));
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::FileLoaded);
    QTest::qWait(100); // time for a stray command to reach the simulator
    QVERIFY(boot().commands().isEmpty());
    QVERIFY(m_results.isEmpty());
}

void TestFirmware::eraseQuestionDefaultsToCancel()
{
    child<QCheckBox>("cbEraseAll")->setChecked(true);
    choose(writeImage(QStringLiteral("erasedefault.bin"), 300, 27));
    m_client.answerNextQuestionsWith({true, false});
    QTest::mouseClick(child<QPushButton>("btnConnect"), Qt::LeftButton);
    QCOMPARE(m_client.askedQuestions().size(), 2);
    const MyMessageBox::Question erase = m_client.askedQuestions().at(1);
    QVERIFY2(erase.text.contains(QStringLiteral("erases every setting")), qPrintable(erase.text));
    QCOMPARE(erase.okText, QStringLiteral("Erase"));
    QVERIFY(erase.cancelIsDefault);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::FileLoaded);
}

void TestFirmware::upgradeOfARunningPumpSwitchesItIntoItsBootLoader()
{
    // The pump runs its application: only the switch starts its boot loader.
    boot().reset();
    const QString path = writeImage(QStringLiteral("running.bin"), 1000, 26);
    choose(path);
    QCOMPARE(upgrade(30000), kUpgradedAfterSwitch);
    // Upgrade confirmed, then the switch.
    QCOMPARE(m_client.questions().size(), 2);
    QVERIFY2(m_client.questions().at(1).contains(QStringLiteral("running its application")),
             qPrintable(m_client.questions().at(1)));
    QVERIFY(m_client.warnings().isEmpty());
    // One Modbus request: the switch, function 6 to register 160.
    QCOMPARE(m_link.sim().requestCount(), 1);
    const PumpSimulator::Request request = m_link.sim().requests().first();
    QCOMPARE(request.function, 6);
    QCOMPARE(request.index, 160);
    QCOMPARE(request.count, 0x9B47);
    QCOMPARE(boot().commands(), QStringList({"", "I1000,3e4", "S1000,400", "R1000,400", "G1000"}));
    QVERIFY(boot().flash() == padded(path));
    QCOMPARE(boot().state(), SimBootLoader::State::Off);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QCOMPARE(logLines(),
             QStringList({"Connect failed: the pump did not answer (6 attempts).",
                          "Restarting the master pump into its boot loader",
                          "Application connect successfully", "Erase Application successfully",
                          "Application Download successfully", "Application Verify successfully"}));
}

void TestFirmware::erasingUpgradeOffersABackupOfTheMasterFirst()
{
    // A running pump with settings of its own, to be erased by the upgrade.
    // The window here was opened for an upgrade alone, which offers no
    // backup; after a normal login it does.
    boot().reset();
    m_page->setBackupOffered(true);
    m_link.sim().setHoldingRegister(1, 150, 0x0304);
    m_link.sim().setHoldingRegister(1, 64, 4321);
    child<QCheckBox>("cbEraseAll")->setChecked(true);
    const QString path = writeImage(QStringLiteral("erasing.bin"), 1000, 27);
    choose(path);
    const QString backup = m_dir.filePath(QStringLiteral("before-upgrade.tidewell.json"));
    // Upgrade, Erase, Backup..., then the switch of the running pump.
    m_client.answerNextQuestionsWith({true, true, true, true});
    bool saved = false;
    // The backup dialog runs modal inside the page's Upgrade; it is driven
    // from a timer once it shows.
    QTimer driver;
    driver.setInterval(50);
    connect(&driver, &QTimer::timeout, this, [&] {
        auto *dialog = ClientFixture::visibleWindow<DialogSetupFile>();
        if (!dialog)
            return;
        driver.stop();
        dialog->findChild<QLineEdit *>(QStringLiteral("leFile"))->setText(backup);
        dialog->findChild<QPushButton *>(QStringLiteral("btnStart"))->click();
        // Whatever happens, the dialog closes, so that the upgrade goes on.
        saved = QTest::qWaitFor([dialog] { return dialog->saved(); }, 20000);
        dialog->accept();
    });
    driver.start();
    QCOMPARE(upgrade(40000), kUpgradedAfterSwitch);
    QVERIFY(saved);
    QVERIFY2(m_client.questions().at(2).contains(QStringLiteral("setup file")),
             qPrintable(m_client.questions().at(2)));
    const SetupFile::Parsed file = SetupFile::load(backup);
    QVERIFY2(file.setup, qPrintable(file.error));
    QCOMPARE(file.setup->address, 1);
    QCOMPARE(file.setup->holdingRegisters.at(150), 0x0304);
    QCOMPARE(file.setup->holdingRegisters.at(64), 4321);
    QVERIFY(boot().flash() == padded(path));
    // The link is back in the boot loader's mode for the next step.
    QCOMPARE(Communication::current()->linkMode(), int(Communication::BootMode));
    m_page->setBackupOffered(false);
}

void TestFirmware::declinedSwitchEndsNamingTheUnansweredConnect()
{
    // Nothing answers the connect at all.
    SimBootFaults faults;
    faults.silentFrom = 1;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("silent.bin"), 400, 14));
    m_client.answerNextQuestionsWith({true, false});
    QCOMPARE(upgrade(), kOperateFailed);
    QCOMPARE(m_client.questions().size(), 2);
    // The connect command went out once and was sent again five times.
    QCOMPARE(boot().commands(), QStringList({"", "", "", "", "", ""}));
    QCOMPARE(m_link.sim().requestCount(), 0);
    const Boot::Failure failure = m_link.queue().lastFailure();
    QCOMPARE(failure.step, Boot::Failure::Step::Connect);
    QCOMPARE(failure.reason, Boot::Failure::Reason::NoAnswer);
    QCOMPARE(failure.attempts, 6);
    QCOMPARE(
        logLines(),
        QStringList({"Operate Failed", "Connect failed: the pump did not answer (6 attempts)."}));
    QCOMPARE(m_client.warnings().size(), 1);
    QVERIFY(lastWarning().startsWith(QStringLiteral("Connect failed: the pump did not answer")));
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Failed);
}

void TestFirmware::blockRefusedEveryTimeNamesTheBlockAndItsRefusals()
{
    SimBootFaults faults;
    faults.refuseBlock = 3;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("block3.bin"), 1000, 27));
    QCOMPARE(upgrade(), kDownloadFailed);
    QCOMPARE(boot().blocksRefused(), 5);
    QCOMPARE(boot().receivedImage().size(), 2 * 128);
    const Boot::Failure failure = m_link.queue().lastFailure();
    QCOMPARE(failure.step, Boot::Failure::Step::Download);
    QCOMPARE(failure.reason, Boot::Failure::Reason::BlockFailed);
    QCOMPARE(failure.block, 3);
    QCOMPARE(failure.refusals, 5);
    QCOMPARE(logLines().last(), QStringLiteral("Download failed: block 3 was refused 5 times."));
    QCOMPARE(m_client.warnings().size(), 1);
    QVERIFY(lastWarning().startsWith(logLines().last()));
}

void TestFirmware::verificationMismatchNamesTheBlock()
{
    SimBootFaults faults;
    faults.badFlashBlock = 4;
    boot().setFaults(faults);
    const QString path = writeImage(QStringLiteral("mismatch.bin"), 1000, 28);
    choose(path);
    QCOMPARE(upgrade(), kVerifyFailed);
    // The pump took the image whole; its flash kept block 4 wrong.
    QVERIFY(boot().receivedImage() == padded(path));
    QVERIFY(boot().flash() != padded(path));
    QVERIFY(!boot().commands().contains(QStringLiteral("G1000")));
    const Boot::Failure failure = m_link.queue().lastFailure();
    QCOMPARE(failure.step, Boot::Failure::Step::Verify);
    QCOMPARE(failure.reason, Boot::Failure::Reason::Mismatch);
    QCOMPARE(failure.block, 4);
    QCOMPARE(logLines().last(), QStringLiteral("Verify failed: verification mismatch at block 4."));
    QVERIFY(lastWarning().startsWith(logLines().last()));
}

void TestFirmware::upgradeAfterAFailureNeedsNoNewFile()
{
    SimBootFaults faults;
    faults.refuseBlock = 2;
    boot().setFaults(faults);
    const QString path = writeImage(QStringLiteral("again.bin"), 1000, 29);
    choose(path);
    QCOMPARE(upgrade(), kDownloadFailed);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Failed);
    QVERIFY(lastWarning().contains(QStringLiteral("press Upgrade to try again")));
    QCOMPARE(child<QLineEdit>("leFilePath")->text(), path);
    // The pump waits in its boot loader; this time it takes every block.
    boot().setFaults(SimBootFaults());
    m_results.clear();
    QCOMPARE(upgrade(), kUpgraded);
    QCOMPARE(m_choices, 1);
    QVERIFY(boot().flash() == padded(path));
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QCOMPARE(logLines().last(), QStringLiteral("Application Verify successfully"));
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
    // The upgrade, then the erase of the settings, each confirmed.
    QCOMPARE(m_client.questions().size(), 2);
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
    QCOMPARE(logLines().value(logLines().size() - 2),
             QStringLiteral("Application Download failed"));
    QCOMPARE(logLines().last(), QStringLiteral("Download failed: block 1 was refused 5 times."));
    // Block 1 went out five times, and was never kept.
    QCOMPARE(boot().blocksRefused(), 5);
    QVERIFY(boot().receivedImage().isEmpty());
    // Another file, or the same once more.
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Failed);
    QVERIFY(child<QPushButton>("btnSelectFile")->isEnabled());
    QVERIFY(child<QPushButton>("btnConnect")->isEnabled());
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
    QVERIFY(logLines().contains(QStringLiteral("Application Verify failed")));
    // Blocks 2 to 6 came in its place, each judged bad: block 2 is named.
    QCOMPARE(logLines().last(),
             QStringLiteral("Verify failed: block 2 came back damaged 5 times."));
    QVERIFY(lastWarning().startsWith(logLines().last()));
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

void TestFirmware::silenceDuringDownloadEndsInDownloadFailed()
{
    // Answers: connect 1, erase 2, write 3, block 1 4, block 2 5.
    SimBootFaults faults;
    faults.silentFrom = 5;
    boot().setFaults(faults);
    choose(writeImage(QStringLiteral("silentdl.bin"), 384, 15));
    QCOMPARE(upgrade(), kDownloadFailed);
    QCOMPARE(boot().duplicateBlocks(), 4);
    QCOMPARE(logLines().last(),
             QStringLiteral("Download failed: block 2 was not acknowledged (5 attempts)."));
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
    QCOMPARE(logLines().last(),
             QStringLiteral("Verify failed: block 1 did not come back (5 attempts)."));
}

void TestFirmware::emptyFileIsRefusedAndUpgradeStaysDisabled()
{
    const QString path = writeImage(QStringLiteral("empty.bin"), 0, 1);
    QVERIFY(!path.isEmpty());
    choose(path);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QVERIFY(!child<QPushButton>("btnConnect")->isEnabled());
    QVERIFY(child<QPushButton>("btnSelectFile")->isEnabled());
    QCOMPARE(m_client.warnings().size(), 1);
    QVERIFY(lastWarning().contains(QStringLiteral("empty.bin is empty")));
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
    QCOMPARE(m_client.warnings().size(), 1);
    QVERIFY(lastWarning().contains(QStringLiteral("missing.bin cannot be read")));
}

void TestFirmware::cancelledFileDialogShowsAnEmptyPath()
{
    const int blocks = m_link.queue().blockCount();
    choose(QString());
    QCOMPARE(child<QLineEdit>("leFilePath")->text(), QString());
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Ready);
    QCOMPARE(m_link.queue().blockCount(), blocks);
    // After a failure the file is kept: a cancelled choice leaves it so.
    const QString path = writeImage(QStringLiteral("first.bin"), 10, 2);
    choose(path);
    m_page->upgradeReturnAcction(Boot::ResultCommandFailed);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Failed);
    choose(QString());
    QCOMPARE(child<QLineEdit>("leFilePath")->text(), path);
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Failed);
    QVERIFY(child<QPushButton>("btnConnect")->isEnabled());
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
    QCOMPARE(m_page->state(), FirmwareUpgrade::State::Failed);
    QCOMPARE(logLines().last(),
             QStringLiteral("Switch into the boot loader failed: the pump did not answer."));
    QVERIFY(lastWarning().startsWith(logLines().last()));
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
