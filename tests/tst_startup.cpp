#include "AppSettings.h"
#include "ClientCycle.h"
#include "ClientFixture.h"
#include "CommSend.h"
#include "Communication.h"
#include "DialogLogin.h"
#include "Language.h"
#include "LinkFixture.h"
#include "MainWindowConn.h"
#include "ReadOutSplash.h"
#include "ScriptedUser.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

// The program from its entry point: language, the login / read /
// main-window cycle, the restart code, against the simulator.
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void unknownLanguageInstallsEnglish_data();
    void unknownLanguageInstallsEnglish();
    void firstRunTakesTheSystemLanguage();
    void storedLanguageIsKept();
    void otherEndCodeEndsTheProcessWithIt();
    void restartCodeShowsTheLoginAgainAndACancelEndsWithZero();
    void silentMasterRaisesPrompt2AndReturnsToTheLogin();
    void upgradeOpensTheFirmwarePageWithoutReading();
    void cancelledLoginEndsWithZero();
    void splashNamesEachPumpAndCountsEveryRequestOfTheReadOut_data();
    void splashNamesEachPumpAndCountsEveryRequestOfTheReadOut();

private:
    // Steps a user takes.
    ScriptedUser::Step logIn();
    ScriptedUser::Step cancelLogin();
    ScriptedUser::Step endMainWindowWith(int code);
    static void endApplicationWhileShown(QWidget *window, int code);

    ClientFixture m_fixture;
    int m_loginsShown = 0;
    int m_mainWindowsShown = 0;
};

void TestStartup::initTestCase()
{
    QVERIFY(m_fixture.start());
}

void TestStartup::init()
{
    m_fixture.sim().setFaults(SimFaults());
    m_fixture.sim().clearRequests();
    m_fixture.clearPrompts();
    m_loginsShown = 0;
    m_mainWindowsShown = 0;
}

void TestStartup::cleanup()
{
    LinkFixture::useSlaves({{2, 0}, {3, 0}, {4, 0}});
    AppSettings::store().setValue("language", Language::kEnglish);
    Language::install(Language::kEnglish);
}

ScriptedUser::Step TestStartup::logIn()
{
    return [this] {
        DialogLogin *login = ClientFixture::visibleWindow<DialogLogin>();
        // As a user waits for the link before Confirm: pressed earlier it
        // rightly only says there is no link, and no main window follows.
        if (!login || !CommSend::instance() || !CommSend::instance()->isIdle() ||
            !CommSend::instance()->link() ||
            CommSend::instance()->link()->socketState() != Communication::kConnectedState)
            return false;
        ++m_loginsShown;
        login->findChild<QLineEdit *>("lEPassword")->setText(QStringLiteral("572913"));
        login->findChild<QPushButton *>("btnConfirm")->click();
        return true;
    };
}

ScriptedUser::Step TestStartup::cancelLogin()
{
    return [this] {
        DialogLogin *login = ClientFixture::visibleWindow<DialogLogin>();
        if (!login)
            return false;
        ++m_loginsShown;
        login->findChild<QPushButton *>("btnCancel")->click();
        return true;
    };
}

ScriptedUser::Step TestStartup::endMainWindowWith(int code)
{
    return [this, code] {
        MainWindowConn *window = ClientFixture::visibleWindow<MainWindowConn>();
        if (!window)
            return false;
        ++m_mainWindowsShown;
        endApplicationWhileShown(window, code);
        return true;
    };
}

void TestStartup::endApplicationWhileShown(QWidget *window, int code)
{
    QApplication::exit(code);
    // An exit asked for before the application's own loop runs is lost: the
    // splash screen waits for the window with event processing of its own.
    // So ask again while the window lives; it goes with the cycle.
    auto *again = new QTimer(window);
    connect(again, &QTimer::timeout, window, [code] { QApplication::exit(code); });
    again->start(50);
}

void TestStartup::unknownLanguageInstallsEnglish_data()
{
    QTest::addColumn<int>("stored");
    QTest::newRow("0") << 0;
    QTest::newRow("99") << 99;
}

void TestStartup::unknownLanguageInstallsEnglish()
{
    QFETCH(int, stored);
    QSettings &settings = AppSettings::store();
    settings.setValue("language", stored);
    QCOMPARE(Language::installFromSettings(), 31);
    QCOMPARE(settings.value("language").toInt(), 31);
    QCOMPARE(Language::translator().filePath(), QStringLiteral(":/Translate/tidewell_d4_en.qm"));
}

void TestStartup::firstRunTakesTheSystemLanguage()
{
    QSettings &settings = AppSettings::store();
    const QVariant marker = settings.value("TIDEWELL_D4");
    settings.remove("TIDEWELL_D4");
    settings.remove("language");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(Language::installFromSettings(), 37);
    QCOMPARE(settings.value("language").toInt(), 37);
    QCOMPARE(Language::translator().filePath(), QStringLiteral(":/Translate/tidewell_d4_fr.qm"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    settings.setValue("TIDEWELL_D4", marker);
    settings.setValue("language", 31);
    Language::installFromSettings();
}

void TestStartup::storedLanguageIsKept()
{
    QSettings &settings = AppSettings::store();
    settings.setValue("language", 42);
    QCOMPARE(Language::installFromSettings(), 42);
    QCOMPARE(settings.value("language").toInt(), 42);
    settings.setValue("language", 31);
    Language::installFromSettings();
}

void TestStartup::otherEndCodeEndsTheProcessWithIt()
{
    ScriptedUser user;
    user.then(logIn());
    user.then(endMainWindowWith(55));
    user.start();
    QCOMPARE(ClientCycle::run(*qApp), 55);
    QVERIFY(user.allDone());
    QCOMPARE(m_loginsShown, 1);
    // The password read, then the full read of the master alone.
    QCOMPARE(m_fixture.sim().requestCount(), 1 + 23);
}

void TestStartup::restartCodeShowsTheLoginAgainAndACancelEndsWithZero()
{
    ScriptedUser user;
    user.then(logIn());
    user.then(endMainWindowWith(MainWindowConn::kRestartCode));
    user.then(logIn());
    user.then(endMainWindowWith(MainWindowConn::kRestartCode));
    user.then(cancelLogin());
    user.start();
    QCOMPARE(ClientCycle::run(*qApp), 0);
    QVERIFY(user.allDone());
    QCOMPARE(m_loginsShown, 3);
    QCOMPARE(m_mainWindowsShown, 2);
    QCOMPARE(m_fixture.sim().requestCount(), 2 * (1 + 23));
}

void TestStartup::silentMasterRaisesPrompt2AndReturnsToTheLogin()
{
    ScriptedUser user;
    user.then(logIn());
    // Once the password is checked, the master stops answering.
    user.then([this] {
        if (ClientFixture::visibleWindow<DialogLogin>())
            return false;
        SimFaults silent;
        silent.silentSlaves = {1};
        m_fixture.sim().setFaults(silent);
        return true;
    });
    user.then([this] { return m_fixture.promptNumbers().contains(2); });
    user.then(cancelLogin());
    user.start();
    QCOMPARE(ClientCycle::run(*qApp), 0);
    QVERIFY(user.allDone());
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({2}));
    QCOMPARE(m_fixture.prompts().first().parentClass, QStringLiteral("DialogLogin"));
    QCOMPARE(m_mainWindowsShown, 0);
    QCOMPARE(m_loginsShown, 2);
}

void TestStartup::upgradeOpensTheFirmwarePageWithoutReading()
{
    ScriptedUser user;
    int page = -1;
    int launchMode = -1;
    QSize size;
    user.then([] {
        DialogLogin *login = ClientFixture::visibleWindow<DialogLogin>();
        if (!login || !CommSend::instance()->link() ||
            CommSend::instance()->link()->socketState() != Communication::kConnectedState)
            return false;
        login->findChild<QPushButton *>("btnUpgrade")->click();
        return true;
    });
    user.then([&] {
        MainWindowConn *window = ClientFixture::visibleWindow<MainWindowConn>();
        if (!window)
            return false;
        page = window->currentPage();
        launchMode = window->launchMode();
        size = window->size();
        endApplicationWhileShown(window, 3);
        return true;
    });
    user.start();
    QCOMPARE(ClientCycle::run(*qApp), 3);
    QCOMPARE(page, int(MainWindowConn::PageFirmwareUpgrade));
    QCOMPARE(launchMode, 1);
    QCOMPARE(size, QSize(900, 600));
    QCOMPARE(m_fixture.sim().requestCount(), 0);
}

void TestStartup::cancelledLoginEndsWithZero()
{
    ScriptedUser user;
    user.then(cancelLogin());
    user.start();
    QCOMPARE(ClientCycle::run(*qApp), 0);
    QCOMPARE(m_fixture.sim().requestCount(), 0);
}

void TestStartup::splashNamesEachPumpAndCountsEveryRequestOfTheReadOut_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("picture");
    QTest::newRow("English") << int(Language::kEnglish) << QStringLiteral("splash-progress-en");
    QTest::newRow("Chinese") << int(Language::kChinese) << QStringLiteral("splash-progress-zh");
}

void TestStartup::splashNamesEachPumpAndCountsEveryRequestOfTheReadOut()
{
    QFETCH(int, language);
    QFETCH(QString, picture);
    for (int address = 2; address <= 4; ++address)
        m_fixture.sim().addSlave(address);
    LinkFixture::useSlaves({{2, 1}, {3, 1}, {4, 1}});
    AppSettings::store().setValue("language", language);

    ScriptedUser user;
    user.then(logIn());
    // Looks at the splash every 20 ms while the pumps are read: each pump
    // takes 23 requests at least 60 ms apart, so none goes by unseen.
    QStringList pumps;
    bool pictured = false;
    QPair<int, int> atWindow(-1, -1);
    user.then([&] {
        if (auto *splash = ClientFixture::visibleWindow<ReadOutSplash>()) {
            if (splash->total() > 0 && (pumps.isEmpty() || pumps.last() != splash->pump()))
                pumps << splash->pump();
            if (!pictured && splash->done() >= 40) {
                ClientFixture::screenshot(splash, picture);
                pictured = true;
            }
        }
        if (!ClientFixture::visibleWindow<MainWindowConn>())
            return false;
        // The splash has given way to the window; what it holds last is what
        // the read-out came to.
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *splash = qobject_cast<ReadOutSplash *>(widget))
                atWindow = qMakePair(splash->done(), splash->total());
        }
        return true;
    });
    user.then(endMainWindowWith(55));
    user.start();
    QCOMPARE(ClientCycle::run(*qApp), 55);
    QVERIFY(user.allDone());

    QCOMPARE(atWindow, qMakePair(92, 92));
    QVERIFY(pictured);
    const auto name = [](const char *text) {
        return QCoreApplication::translate("UiOperate", text);
    };
    QCOMPARE(pumps,
             QStringList({name("Master"), name("Slave") + QLatin1Char('1'),
                          name("Slave") + QLatin1Char('2'), name("Slave") + QLatin1Char('3')}));
    // The password read, then every pump's full read.
    QCOMPARE(m_fixture.sim().requestCount(), 1 + 4 * 23);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
