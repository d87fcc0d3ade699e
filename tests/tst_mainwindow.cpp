#include "AppSettings.h"
#include "AutoSetup.h"
#include "BatchStart.h"
#include "ClientFixture.h"
#include "Communication.h"
#include "DialogAbout.h"
#include "DialogSetupFile.h"
#include "DialogWaiting.h"
#include "DoseProgramme.h"
#include "DoseSetGroup.h"
#include "FactoryRestore.h"
#include "Language.h"
#include "LinkFixture.h"
#include "LinkStatusLine.h"
#include "LiquidStatus.h"
#include "LiquidStatusSetup.h"
#include "MainWindowConn.h"
#include "RegisterImage.h"
#include "SetupFile.h"
#include "SimClock.h"
#include "SimThermometer.h"
#include "UiOperate.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

// The main window against the simulator: page list, prompts toggle, quiet
// confirmations, language switch, factory restore, connection warnings,
// boot mode.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pageListMenusAndTitle();
    void restoreFromTheFileMenuShowsTheRestoredProgramme();
    void displayPromptToggleIsStoredAndClearsTheTips();
    void quietConfirmationsIsAnUncheckedSetupActionStoredWhenToggled();
    void quietReadConfirmationStaysInTheStatusBarForFiveSeconds();
    void quietConfirmationInChineseLeavesTheLinkLineClear();
    void withoutQuietConfirmationsAReadIsConfirmedInABox();
    void failedReadIsABoxEvenWithQuietConfirmations();
    void languageActionStoresTheCodeAndAsksToRestart();
    void restartNowEndsTheLoopWithTheRestartCode();
    void factoryRestoreWritesTheFactoryTableOverTheMastersOwnValues();
    void factoryRestoreCommitsOnlyAfterItsLastRegisterWrite();
    void failedFactoryRestoreLeavesTheSettingsAsTheyWere();
    void cancelledFactoryRestoreDoesNothing();
    void factoryRestoreQuestionDefaultsToCancel();
    void factoryRestoreDuringABatchDoesNothing();
    void firmwarePageSwitchesTheLinkToBootMode();
    void upgradeOnlyModeKeepsTheFirmwarePage();
    void lostConnectionRaisesPrompt11();
    void aboutShowsVersionsFromTheSettings();
    void waitingIndicatorCountsTheRequestsAndStaysOverItsPage_data();
    void waitingIndicatorCountsTheRequestsAndStaysOverItsPage();
    void waitingIndicatorCountsNoShortBatch();
    void waitingIndicatorStaysHiddenThroughAShortBatch();

private:
    MainWindowConn *launch(int mode = 0);
    QAction *action(const char *name) { return m_window->findChild<QAction *>(name); }
    // Presses Read on the master's liquid status tab, the page shown.
    void readMasterBottles();
    // The notice is out of the way of the bar's message and the link's line
    // starts after it.
    void verifyStatusBarClear();
    void screenshotSetupMenu(const QString &name);
    // Runs the application loop until the window ends it (or 30 s pass).
    int runLoop();

    LinkFixture m_link;
    ClientFixture m_client;
    UiOperate *m_orchestrator = nullptr;
    MainWindowConn *m_window = nullptr;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(ClientFixture::startLinkForWindow(m_link));
}

void TestMainWindow::init()
{
    QVERIFY(m_client.resetForWindowTest(m_link, Language::kEnglish, {}, true));
}

void TestMainWindow::cleanup()
{
    delete m_orchestrator;
    m_orchestrator = nullptr;
    m_window = nullptr;
    if (Communication *link = Communication::current())
        link->setMode(Communication::ModbusMode);
}

MainWindowConn *TestMainWindow::launch(int mode)
{
    m_orchestrator = new UiOperate([] { return new MainWindowConn; });
    QSignalSpy state(m_orchestrator, &UiOperate::launchStateChanged);
    m_orchestrator->startLaunch(mode);
    if (m_orchestrator->launchState() == 0)
        state.wait(30000);
    m_window = dynamic_cast<MainWindowConn *>(m_orchestrator->mainWindow());
    return m_window;
}

int TestMainWindow::runLoop()
{
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QApplication::exit(-1); });
    guard.start(30000);
    return QApplication::exec();
}

void TestMainWindow::pageListMenusAndTitle()
{
    QVERIFY(launch());
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    ClientFixture::screenshot(m_window, QStringLiteral("mainwindow_en"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Dosing Pump"));
    QCOMPARE(m_window->size(), QSize(900, 600));
    auto *list = m_window->findChild<QListWidget *>("listWidgetSetup");
    QVERIFY(list);
    const QStringList texts = {"Overview",      "Time/Temp",  "Dose Settings", "Manual/Calibration",
                               "Liquid Status", "Quik Setup", "Liquid sensor", "Firmware Upgrade"};
    QCOMPARE(list->count(), texts.size());
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(list->item(i)->text(), texts[i]);
    // The overview is the start page after login.
    QCOMPARE(list->currentRow(), int(MainWindowConn::PageOverview));
    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageOverview));
    auto *stack = m_window->findChild<QStackedWidget *>("stackedWidgetSetup");
    QVERIFY(stack);
    const QStringList pages = {"pageOverview",     "pageTimeTemp",       "pageAutoCconfig",
                               "pageManuConfig",   "pageLiquidStatus",   "page",
                               "pageSensorStatus", "pageFirmwareUpgrade"};
    for (int i = 0; i < pages.size(); ++i)
        QCOMPARE(stack->widget(i)->objectName(), pages[i]);
    for (const char *name : {"menuFile", "menuSetup", "menuHelp", "menuLanguage"})
        QVERIFY2(m_window->findChild<QMenu *>(name), name);
    for (const char *name :
         {"actionQuit", "actionPumpName", "actionChemicalInterval", "actionIpPort",
          "actionRestoreSetup", "actionDisplayPrompt", "languageChinese", "languageEnglish",
          "languageFrench", "languageGerman", "actionPassword", "actionAbout"})
        QVERIFY2(action(name), name);
    QVERIFY(action("languageEnglish")->isChecked());
    QVERIFY(!action("languageFrench")->isChecked());
    QVERIFY(action("actionDisplayPrompt")->isChecked());
    QCOMPARE(list->item(MainWindowConn::PageTimeTemp)->toolTip(),
             QStringLiteral("Time and temperature setting interface"));
    QCOMPARE(list->item(MainWindowConn::PageOverview)->toolTip(), QString());
    QCOMPARE(list->item(MainWindowConn::PageFirmwareUpgrade)->toolTip(), QString());
}

void TestMainWindow::displayPromptToggleIsStoredAndClearsTheTips()
{
    QVERIFY(launch());
    auto *list = m_window->findChild<QListWidget *>("listWidgetSetup");
    action("actionDisplayPrompt")->trigger();
    QCOMPARE(AppSettings::store().value("display_prompt").toInt(), 0);
    for (int i = 0; i < list->count(); ++i)
        QCOMPARE(list->item(i)->toolTip(), QString());
    delete m_orchestrator;
    m_orchestrator = nullptr;

    // The next main window starts without them.
    QVERIFY(launch());
    list = m_window->findChild<QListWidget *>("listWidgetSetup");
    QVERIFY(!action("actionDisplayPrompt")->isChecked());
    QCOMPARE(list->item(0)->toolTip(), QString());
    action("actionDisplayPrompt")->trigger();
    QCOMPARE(AppSettings::store().value("display_prompt").toInt(), 1);
    QCOMPARE(list->item(MainWindowConn::PageLiquidStatus)->toolTip(),
             QStringLiteral("Status setting and checking interface of Solution bottle"));
}

void TestMainWindow::readMasterBottles()
{
    auto *list = m_window->findChild<QListWidget *>("listWidgetSetup");
    QVERIFY(list);
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {},
        list->visualItemRect(m_window->pageItem(MainWindowConn::PageLiquidStatus)).center());
    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageLiquidStatus));
    auto *page = m_window->findChild<LiquidStatusSetup *>(QStringLiteral("wgLiquidStatusSetup"));
    QVERIFY(page);
    auto *read = page->tab(0)->findChild<QPushButton *>(QStringLiteral("btnRead"));
    QVERIFY(read);
    QTest::mouseClick(read, Qt::LeftButton);
}

void TestMainWindow::verifyStatusBarClear()
{
    QStatusBar *bar = m_window->statusBar();
    const QString message = bar->currentMessage();
    QVERIFY(!message.isEmpty());
    auto *notice = bar->findChild<QLabel *>(QStringLiteral("lbStatusNotice"));
    auto *line = bar->findChild<LinkStatusLine *>(QStringLiteral("lbLinkStatus"));
    QVERIFY(notice);
    QVERIFY(line);
    QVERIFY(!notice->isVisible());
    QVERIFY(line->isVisible());
    // QStatusBar draws its message 6 px in from the left.
    const int messageEnd = 6 + bar->fontMetrics().horizontalAdvance(message);
    QVERIFY2(
        line->x() > messageEnd,
        qPrintable(
            QStringLiteral("link line at %1, message ends at %2").arg(line->x()).arg(messageEnd)));
    QVERIFY(line->geometry().right() < bar->width());
    QVERIFY(!line->text().isEmpty());
}

void TestMainWindow::screenshotSetupMenu(const QString &name)
{
    auto *menu = m_window->findChild<QMenu *>("menuSetup");
    QVERIFY(menu);
    menu->popup(m_window->mapToGlobal(QPoint(40, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    ClientFixture::screenshot(menu, name);
    menu->hide();
}

void TestMainWindow::quietConfirmationsIsAnUncheckedSetupActionStoredWhenToggled()
{
    QVERIFY(launch());
    QAction *quiet = action("actionQuietConfirmations");
    QVERIFY(quiet);
    QVERIFY(m_window->findChild<QMenu *>("menuSetup")->actions().contains(quiet));
    QCOMPARE(quiet->text(), QStringLiteral("Quiet confirmations"));
    QVERIFY(quiet->isCheckable());
    QVERIFY(!quiet->isChecked());
    QVERIFY(!AppSettings::store().contains("quiet_confirmations"));
    screenshotSetupMenu(QStringLiteral("menu-setup_en"));
    quiet->trigger();
    QCOMPARE(AppSettings::store().value("quiet_confirmations").toInt(), 1);
    delete m_orchestrator;
    m_orchestrator = nullptr;

    // The next main window starts with it.
    QVERIFY(launch());
    QVERIFY(action("actionQuietConfirmations")->isChecked());
    action("actionQuietConfirmations")->trigger();
    QCOMPARE(AppSettings::store().value("quiet_confirmations").toInt(), 0);
}

void TestMainWindow::quietReadConfirmationStaysInTheStatusBarForFiveSeconds()
{
    AppSettings::store().setValue("quiet_confirmations", 1);
    QVERIFY(launch());
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QStatusBar *bar = m_window->statusBar();
    auto *notice = bar->findChild<QLabel *>(QStringLiteral("lbStatusNotice"));
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QSignalSpy changes(bar, &QStatusBar::messageChanged);
    m_link.sim().clearRequests();
    m_client.clearPrompts();
    QElapsedTimer shown;
    readMasterBottles();
    QTRY_COMPARE(m_client.promptNumbers(), QVector<int>({5}));
    shown.start();
    QCOMPARE(m_client.prompts().first().delivery, MyMessageBox::Delivery::StatusBar);
    QCOMPARE(m_client.prompts().first().parentClass, QStringLiteral("LiquidStatus"));
    QCOMPARE(bar->currentMessage(), QStringLiteral("Read setting Successfully"));
    QCOMPARE(m_link.sim().requestCount(), 2);
    verifyStatusBarClear();
    ClientFixture::screenshot(bar, QStringLiteral("statusbar-quiet-confirmation_en"));
    ClientFixture::screenshot(m_window, QStringLiteral("window-quiet-confirmation_en"));

    // Gone after five seconds; a coarse timer may fire up to 5 % early.
    QTRY_VERIFY_WITH_TIMEOUT(bar->currentMessage().isEmpty(), 8000);
    const qint64 elapsed = shown.elapsed();
    QVERIFY2(elapsed >= 4750, qPrintable(QString::number(elapsed)));
    QCOMPARE(changes.last().first().toString(), QString());
    QVERIFY(notice->isVisible());
    auto *line = bar->findChild<LinkStatusLine *>(QStringLiteral("lbLinkStatus"));
    QVERIFY(line->x() > notice->x() + notice->fontMetrics().horizontalAdvance(notice->text()));
}

void TestMainWindow::quietConfirmationInChineseLeavesTheLinkLineClear()
{
    AppSettings::store().setValue("quiet_confirmations", 1);
    AppSettings::store().setValue("language", 25);
    Language::install(25);
    QVERIFY(launch());
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_client.clearPrompts();
    readMasterBottles();
    QTRY_COMPARE(m_client.promptNumbers(), QVector<int>({5}));
    QCOMPARE(m_client.prompts().first().delivery, MyMessageBox::Delivery::StatusBar);
    QCOMPARE(m_window->statusBar()->currentMessage(), MyMessageBox::promptText(5));
    QVERIFY(MyMessageBox::promptText(5) != QStringLiteral("Read setting Successfully"));
    verifyStatusBarClear();
    ClientFixture::screenshot(m_window->statusBar(),
                              QStringLiteral("statusbar-quiet-confirmation_zh"));
    ClientFixture::screenshot(m_window, QStringLiteral("window-quiet-confirmation_zh"));
    screenshotSetupMenu(QStringLiteral("menu-setup_zh"));
    Language::install(31);
}

void TestMainWindow::withoutQuietConfirmationsAReadIsConfirmedInABox()
{
    QVERIFY(launch());
    QVERIFY(!action("actionQuietConfirmations")->isChecked());
    m_client.clearPrompts();
    readMasterBottles();
    QTRY_COMPARE(m_client.promptNumbers(), QVector<int>({5}));
    QCOMPARE(m_client.prompts().first().delivery, MyMessageBox::Delivery::Box);
    QCOMPARE(m_window->statusBar()->currentMessage(), QString());
    QVERIFY(
        m_window->statusBar()->findChild<QLabel *>(QStringLiteral("lbStatusNotice"))->isVisible());
}

void TestMainWindow::failedReadIsABoxEvenWithQuietConfirmations()
{
    QVERIFY(launch());
    action("actionQuietConfirmations")->trigger();
    QVERIFY(action("actionQuietConfirmations")->isChecked());
    SimFaults failing;
    failing.exceptionRate = 1.0;
    m_link.sim().setFaults(failing);
    m_client.clearPrompts();
    readMasterBottles();
    QTRY_COMPARE_WITH_TIMEOUT(m_client.promptNumbers(), QVector<int>({6}), 15000);
    QCOMPARE(m_client.prompts().first().delivery, MyMessageBox::Delivery::Box);
    QCOMPARE(m_window->statusBar()->currentMessage(), QString());
    m_link.sim().setFaults(SimFaults());
}

void TestMainWindow::languageActionStoresTheCodeAndAsksToRestart()
{
    AppSettings::store().setValue("language", 37);
    QVERIFY(launch());
    QVERIFY(action("languageFrench")->isChecked());
    m_client.answerQuestionsWith(false); // "Restart Later"
    action("languageEnglish")->trigger();
    QTRY_COMPARE(m_client.questions().size(), 1);
    QCOMPARE(m_client.questions().last(),
             QStringLiteral("Language changed successfully, do you want to restart the software "
                            "now?"));
    QCOMPARE(AppSettings::store().value("language").toInt(), 31);
    QVERIFY(action("languageEnglish")->isChecked());
    QVERIFY(!action("languageFrench")->isChecked());
    QVERIFY(m_window->isVisible());
    // One question per switch, however many change events Qt delivers.
    QTest::qWait(100);
    QCOMPARE(m_client.questions().size(), 1);
}

void TestMainWindow::restartNowEndsTheLoopWithTheRestartCode()
{
    QVERIFY(launch());
    m_client.answerQuestionsWith(true); // "Restart Now"
    QTimer::singleShot(0, m_window, [this] { action("languageGerman")->trigger(); });
    QCOMPARE(runLoop(), MainWindowConn::kRestartCode);
    QCOMPARE(AppSettings::store().value("language").toInt(), 42);
    QCOMPARE(Language::translator().filePath(), QStringLiteral(":/Translate/tidewell_d4_de.qm"));
    Language::install(31);
}

void TestMainWindow::factoryRestoreWritesTheFactoryTableOverTheMastersOwnValues()
{
    PumpSimulator &sim = m_link.sim();
    sim.addSlave(4);
    QRandomGenerator random(42);
    for (int slave : {1, 4}) {
        for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
            sim.setHoldingRegister(slave, i, int(random.bounded(65536u)));
        for (int i = 0; i < RegisterImage::kCoilCount; ++i)
            sim.setCoil(slave, i, int(random.bounded(2u)));
    }
    QVector<int> masterBefore;
    QVector<int> masterCoilsBefore;
    QVector<int> slaveBefore;
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i) {
        masterBefore << sim.holdingRegister(1, i);
        slaveBefore << sim.holdingRegister(4, i);
    }
    for (int i = 0; i < RegisterImage::kCoilCount; ++i)
        masterCoilsBefore << sim.coil(1, i);
    LinkFixture::useSlaves({{4, 1}, {2, 0}, {3, 0}});

    QVERIFY(launch());
    sim.clearRequests();
    QTimer::singleShot(0, m_window, [this] { action("actionRestoreSetup")->trigger(); });
    QCOMPARE(runLoop(), MainWindowConn::kRestartCode);
    QCOMPARE(m_client.questions().size(), 1);
    QCOMPARE(m_client.promptNumbers(), QVector<int>({22}));

    // What the pump should hold: its own values with the factory table on top.
    RegisterImage expected;
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        expected.holdingRegisters[i] = masterBefore[i];
    for (int i = 0; i < RegisterImage::kCoilCount; ++i)
        expected.coils[i] = quint8(masterCoilsBefore[i]);
    FactoryRestore::applyFactoryValues(expected);
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        QCOMPARE(sim.holdingRegister(1, i), expected.holdingRegisters[i]);
    // The pump consumes the two commit coils as soon as they are written.
    for (int i = 0; i < RegisterImage::kCoilCount; ++i) {
        if (i != FactoryRestore::kCommitCoilClock && i != FactoryRestore::kCommitCoilSettings)
            QCOMPARE(sim.coil(1, i), int(expected.coils[i]));
    }
    // Spot checks of the table itself, independent of our own copy of it.
    QCOMPARE(sim.holdingRegister(1, 17), 17096);
    QCOMPARE(sim.holdingRegister(1, 143), 3392);
    QCOMPARE(sim.holdingRegister(1, 147), 850);
    QCOMPARE(sim.coil(1, 36), 0);
    QCOMPARE(sim.coil(1, 46), 1);
    // The slave is not touched.
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        QCOMPARE(sim.holdingRegister(4, i), slaveBefore[i]);
    for (const PumpSimulator::Request &request : sim.requests())
        QCOMPARE(request.slave, 1);
    QCOMPARE(sim.requestCount(), FactoryRestore::writeCommands().size() + 1);
    // The last write commits both settings.
    const PumpSimulator::Request commit = sim.requests().last();
    QCOMPARE(commit.function, 15);
    QCOMPARE(commit.index, FactoryRestore::kCommitCoilClock);
    QCOMPARE(commit.frame.mid(6, 2).toHex(), QByteArray("0103"));

    QSettings &settings = AppSettings::store();
    QStringList keys = settings.allKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList {"net_ip", "net_port", "save_password"}));
    // tst_settings guards the value itself.
    QCOMPARE(settings.value("net_ip").toString(), QLatin1String(AppSettings::kDefaultIp));
    LinkFixture::useSlaves({{1, 0}, {2, 0}, {3, 0}});
}

void TestMainWindow::factoryRestoreCommitsOnlyAfterItsLastRegisterWrite()
{
    PumpSimulator &sim = m_link.sim();
    SimClock *clock = sim.pump(1)->behaviour<SimClock>();
    SimThermometer *thermometer = sim.pump(1)->behaviour<SimThermometer>();
    QVERIFY(clock);
    QVERIFY(thermometer);
    // The pump would commit stale values if the coils arrived at 1 early.
    sim.setCoil(1, FactoryRestore::kCommitCoilClock, 0);
    sim.setCoil(1, FactoryRestore::kCommitCoilSettings, 0);

    QVERIFY(launch());
    sim.clearRequests();
    const int clockCommitsBefore = clock->commitRequests().size();
    const int settingsCommitsBefore = thermometer->commitRequests().size();
    QTimer::singleShot(0, m_window, [this] { action("actionRestoreSetup")->trigger(); });
    QCOMPARE(runLoop(), MainWindowConn::kRestartCode);

    int lastRegisterWrite = 0;
    for (const PumpSimulator::Request &request : sim.requests()) {
        if (request.function == 16)
            lastRegisterWrite = request.number;
    }
    QVERIFY(lastRegisterWrite > 0);
    const int lastRequest = sim.requests().last().number;
    QVERIFY(lastRequest > lastRegisterWrite);
    // One commit each, both carried by the final request and by no other.
    QCOMPARE(clock->commitRequests().mid(clockCommitsBefore), QVector<int>({lastRequest}));
    QCOMPARE(thermometer->commitRequests().mid(settingsCommitsBefore), QVector<int>({lastRequest}));
}

void TestMainWindow::failedFactoryRestoreLeavesTheSettingsAsTheyWere()
{
    QVERIFY(launch());
    QSettings &settings = AppSettings::store();
    settings.sync();
    QFile file(settings.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // The bridge goes away half way through the batch.
    PumpSimulator &sim = m_link.sim();
    const quint16 port = sim.port();
    sim.clearRequests();
    const QMetaObject::Connection cut =
        connect(&sim, &PumpSimulator::requestReceived, this, [&sim](int number) {
            if (number == 8)
                sim.close();
        });
    action("actionRestoreSetup")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(4), 20000);
    disconnect(cut);
    QVERIFY(!m_client.promptNumbers().contains(22));
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->restorePending());
    settings.sync();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(settings.value("net_ip").toString(), QStringLiteral("127.0.0.1"));

    QVERIFY(sim.listen(port));
    m_link.reconnectTo(QStringLiteral("127.0.0.1"), port);
    QTRY_VERIFY(sim.hasClient());
}

void TestMainWindow::cancelledFactoryRestoreDoesNothing()
{
    QVERIFY(launch());
    m_link.sim().clearRequests();
    m_client.answerQuestionsWith(false);
    action("actionRestoreSetup")->trigger();
    QCOMPARE(m_client.questions().size(), 1);
    // Long enough for a first write to reach the simulator.
    QTest::qWait(200);
    QCOMPARE(m_link.sim().requestCount(), 0);
    QVERIFY(!AppSettings::isFirstRun(AppSettings::store()));
}

void TestMainWindow::factoryRestoreQuestionDefaultsToCancel()
{
    QVERIFY(launch());
    m_client.answerQuestionsWith(false);
    action("actionRestoreSetup")->trigger();
    QCOMPARE(m_client.askedQuestions().size(), 1);
    const MyMessageBox::Question question = m_client.askedQuestions().first();
    QCOMPARE(question.text,
             QStringLiteral("Confirm to restore factory setting? The software will restart after "
                            "resetting"));
    QCOMPARE(question.okText, QStringLiteral("Okey"));
    QCOMPARE(question.cancelText, QStringLiteral("Cancel"));
    QVERIFY(question.cancelIsDefault);
}

void TestMainWindow::factoryRestoreDuringABatchDoesNothing()
{
    QVERIFY(launch());
    SimFaults slow;
    slow.replyDelayMs = 300;
    m_link.sim().setFaults(slow);
    m_link.sim().clearRequests();
    RecordingCallback other;
    QVERIFY(m_link.runBatch({"1 3 0 22", "1 3 22 22"}, &other));
    const int questionsBefore = m_client.questions().size();
    action("actionRestoreSetup")->trigger();
    QCOMPARE(m_client.questions().size(), questionsBefore);
    QTRY_COMPARE(other.outcomes, QVector<int>({0}));
    QCOMPARE(m_link.sim().requestCount(), 2);
    QVERIFY(!m_window->restorePending());
}

void TestMainWindow::firmwarePageSwitchesTheLinkToBootMode()
{
    QVERIFY(launch());
    auto *list = m_window->findChild<QListWidget *>("listWidgetSetup");
    Communication *link = Communication::current();
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {},
        list->visualItemRect(list->item(MainWindowConn::PageFirmwareUpgrade)).center());
    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageFirmwareUpgrade));
    QCOMPARE(link->linkMode(), int(Communication::BootMode));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(MainWindowConn::PageManual)).center());
    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageManual));
    QCOMPARE(link->linkMode(), int(Communication::ModbusMode));
}

void TestMainWindow::upgradeOnlyModeKeepsTheFirmwarePage()
{
    QVERIFY(launch(1));
    auto *list = m_window->findChild<QListWidget *>("listWidgetSetup");
    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageFirmwareUpgrade));
    QCOMPARE(Communication::current()->linkMode(), int(Communication::BootMode));
    QCOMPARE(list->item(0)->flags(), Qt::NoItemFlags);
    m_window->listWidgetSetupItemClicked(list->item(0));
    QCOMPARE(m_window->currentPage(), int(MainWindowConn::PageFirmwareUpgrade));
    QCOMPARE(list->currentRow(), int(MainWindowConn::PageFirmwareUpgrade));
}

void TestMainWindow::lostConnectionRaisesPrompt11()
{
    QVERIFY(launch());
    m_client.clearPrompts();
    // The bridge goes away, so the one reconnect is refused.
    PumpSimulator &sim = m_link.sim();
    const quint16 port = sim.port();
    sim.close();
    QTRY_VERIFY(m_client.promptNumbers().contains(11));
    QCOMPARE(m_client.prompts().first().parentClass, QStringLiteral("MainWindowConn"));
    QVERIFY(sim.listen(port));
    m_link.reconnectTo(QStringLiteral("127.0.0.1"), port);
    QTRY_VERIFY(sim.hasClient());
}

void TestMainWindow::aboutShowsVersionsFromTheSettings()
{
    QSettings &settings = AppSettings::store();
    settings.setValue("firmware_app_version", "Firmvare App Version 1.2.3");
    settings.setValue("firmware_version", "Firmvare Version 200005");
    {
        DialogAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.findChild<QLabel *>("lbSoftWareName")->text(),
                 QStringLiteral("Software Version 1.1.2"));
        QCOMPARE(about.findChild<QLabel *>("lbFirmwareAppVersion")->text(),
                 QStringLiteral("Firmvare App Version 1.2.3"));
        QCOMPARE(about.findChild<QLabel *>("lbFirmwareVersion")->text(),
                 QStringLiteral("Firmvare Version 200005"));
        about.show();
        ClientFixture::screenshot(&about, QStringLiteral("about_en"));
    }
    AppSettings::factoryReset(settings);
    DialogAbout empty;
    QCOMPARE(empty.findChild<QLabel *>("lbFirmwareAppVersion")->text(), QString());
    QCOMPARE(empty.findChild<QLabel *>("lbFirmwareVersion")->text(), QString());
}

void TestMainWindow::waitingIndicatorCountsTheRequestsAndStaysOverItsPage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("picture");
    QTest::newRow("English") << int(Language::kEnglish) << QStringLiteral("waiting-progress-en");
    QTest::newRow("Chinese") << int(Language::kChinese) << QStringLiteral("waiting-progress-zh");
}

void TestMainWindow::waitingIndicatorCountsTheRequestsAndStaysOverItsPage()
{
    QFETCH(int, language);
    QFETCH(QString, picture);
    Language::install(language);
    QVERIFY(launch());
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageDoseSettings));
    auto *autoSetup = m_window->findChild<AutoSetup *>("wgAutoSetup");
    QVERIFY(autoSetup);
    DoseSetGroup *page = autoSetup->page(0);
    QVERIFY(page);
    QVERIFY(QTest::qWaitForWindowExposed(page));
    auto *waiting = page->findChild<DialogWaiting *>();
    QVERIFY(waiting);
    auto *read = page->findChild<QPushButton *>("btnRead");
    QVERIFY(read);

    // Slow replies, so that the 16 reads of the page take some 4 s.
    SimFaults slow;
    slow.replyDelayMs = 200;
    m_link.sim().setFaults(slow);
    m_link.sim().clearRequests();
    read->click();
    const QString under = QCoreApplication::translate("DialogWaiting", "request %1 of %2");
    QTRY_VERIFY(waiting->isVisible());
    QTRY_COMPARE(waiting->progressText(), under.arg(2).arg(16));
    QCOMPARE(waiting->geometry().center(), page->rect().center());
    // The count is inside the indicator, not cut off.
    auto *count = waiting->findChild<QLabel *>("lbProgress");
    QVERIFY(count);
    QVERIFY(count->width() >= count->sizeHint().width());
    QVERIFY(waiting->rect().contains(count->geometry()));
    m_window->findChild<QListWidget *>("listWidgetSetup")
        ->setCurrentRow(MainWindowConn::PageDoseSettings);
    ClientFixture::screenshot(m_window, picture);

    // The window moves: the indicator goes with it, over the page's centre.
    const QPoint before = waiting->mapToGlobal(QPoint());
    m_window->move(m_window->pos() + QPoint(40, 30));
    QTRY_COMPARE(waiting->mapToGlobal(QPoint()), before + QPoint(40, 30));
    QCOMPARE(waiting->mapToGlobal(waiting->rect().center()),
             page->mapToGlobal(page->rect().center()));

    // The page grows with the window: the indicator stays in its centre.
    const QSize pageBefore = page->size();
    m_window->setFixedSize(1000, 700);
    QTRY_VERIFY(page->size() != pageBefore);
    QCOMPARE(waiting->geometry().center(), page->rect().center());

    // Another page is shown: the indicator is not left over it; back on
    // its page while the batch runs, it is there again.
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageTimeTemp));
    QVERIFY(!waiting->isVisible());
    QWidget *timeTemp = m_window->findChild<QWidget *>("wgTimeTempSetup");
    QVERIFY(timeTemp);
    QVERIFY(!timeTemp->findChild<DialogWaiting *>()->isVisible());
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageDoseSettings));
    QVERIFY(waiting->isVisible());

    // At the end of the batch it goes; all 16 reads reached the pump.
    QTRY_VERIFY_WITH_TIMEOUT(!waiting->isVisible(), 15000);
    QCOMPARE(m_link.sim().requestCount(), 16);
    QTRY_COMPARE(m_client.promptNumbers(), QVector<int>({5}));
}

void TestMainWindow::waitingIndicatorCountsNoShortBatch()
{
    QVERIFY(launch());
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto *page = m_window->findChild<QWidget *>("wgTimeTempSetup");
    QVERIFY(page);
    auto *waiting = page->findChild<DialogWaiting *>();
    QVERIFY(waiting);
    // A short batch of the page's own, with a reply slow enough to look.
    SimFaults slow;
    slow.replyDelayMs = 300;
    m_link.sim().setFaults(slow);
    m_link.sim().clearRequests();
    QVERIFY(BatchStart::isIdle());
    waiting->exec();
    RecordingCallback callback;
    QVERIFY(m_link.runBatch({"1 3 0 4", "1 3 4 4"}, &callback));
    QTRY_COMPARE(m_link.sim().requestCount(), 1);
    QCOMPARE(waiting->progressText(), QString());
    QCOMPARE(waiting->size(), QSize(DialogWaiting::kSize, DialogWaiting::kSize));
    QTRY_COMPARE_WITH_TIMEOUT(callback.outcomes.size(), 1, 5000);
    waiting->close();
}

namespace {

// Counts the times a widget is shown.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void TestMainWindow::waitingIndicatorStaysHiddenThroughAShortBatch()
{
    QVERIFY(launch());
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageTimeTemp));
    auto *page = m_window->findChild<QWidget *>("wgTimeTempSetup");
    QVERIFY(page && page->isVisible());
    auto *waiting = page->findChild<DialogWaiting *>();
    QVERIFY(waiting);
    ShowCounter counter;
    waiting->installEventFilter(&counter);

    // One request and the pump's pause: over before the indicator's delay.
    QVERIFY(BatchStart::isIdle());
    RecordingCallback callback;
    QElapsedTimer batch;
    batch.start();
    waiting->exec();
    QVERIFY(m_link.runBatch({"1 3 0 4"}, &callback));
    QTRY_COMPARE(callback.outcomes.size(), 1);
    const qint64 shortMs = batch.elapsed();
    waiting->close();
    // Only a machine stalled past the delay may have shown it.
    if (shortMs < DialogWaiting::kShowDelayMs)
        QCOMPARE(counter.shows, 0);

    // A slow reply outlasts the delay: then it shows, until closed.
    SimFaults slow;
    slow.replyDelayMs = 400;
    m_link.sim().setFaults(slow);
    waiting->exec();
    QVERIFY(m_link.runBatch({"1 3 0 4"}, &callback));
    QTRY_VERIFY(waiting->isVisible());
    QVERIFY(waiting->isAnimating());
    QTRY_COMPARE_WITH_TIMEOUT(callback.outcomes.size(), 2, 5000);
    waiting->close();
    QVERIFY(!waiting->isVisible());
}

void TestMainWindow::restoreFromTheFileMenuShowsTheRestoredProgramme()
{
    // The file holds 20 ml a day on channel 1; the pump holds 12.5 ml at login.
    const auto setVolume = [this](float ml) {
        const quint32 bits = DoseProgramme::floatBits(ml);
        m_link.sim().setHoldingRegister(1, DoseProgramme::kVolumeRegister, int(bits >> 16));
        m_link.sim().setHoldingRegister(1, DoseProgramme::kVolumeRegister + 1, int(bits & 0xFFFF));
    };
    setVolume(20.0f);
    RegisterImage image;
    m_link.loadImage(1, image);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("master.tidewell.json"));
    QString error;
    QVERIFY2(SetupFile::save(SetupFile::fromPump(image, 1,
                                                 SetupFile::readPcSettings(AppSettings::store(), 1),
                                                 QDateTime::currentDateTime()),
                             path, &error),
             qPrintable(error));
    setVolume(12.5f);
    QVERIFY(launch());
    m_window->show();
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageDoseSettings));
    auto *volume = m_window->findChild<AutoSetup *>(QStringLiteral("wgAutoSetup"))
                       ->findChild<QWidget *>(QStringLiteral("wgPump1"))
                       ->findChild<QDoubleSpinBox *>(QStringLiteral("dbVolume"));
    QVERIFY(volume);
    QCOMPARE(volume->value(), 12.5);

    bool restored = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = ClientFixture::visibleWindow<DialogSetupFile>();
        QVERIFY(dialog);
        auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("leFile"));
        file->setText(path);
        Q_EMIT file->textEdited(path);
        dialog->findChild<QPushButton *>(QStringLiteral("btnCompare"))->click();
        auto *start = dialog->findChild<QPushButton *>(QStringLiteral("btnStart"));
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), 20000);
        QSignalSpy done(dialog, &DialogSetupFile::restored);
        start->click();
        QVERIFY(done.wait(20000));
        restored = true;
        dialog->reject();
    });
    action("actionRestoreSetupFile")->trigger();
    QVERIFY(restored);
    QCOMPARE(m_link.sim().holdingRegister(1, DoseProgramme::kVolumeRegister),
             int(DoseProgramme::floatBits(20.0f) >> 16));
    // The page shows what the pump now holds, without a Read.
    QCOMPARE(volume->value(), 20.0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
