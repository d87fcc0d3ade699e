#include "AppSettings.h"
#include "ClientFixture.h"
#include "Communication.h"
#include "Language.h"
#include "LinkFixture.h"
#include "MainWindowConn.h"
#include "MyMessageBox.h"
#include "UiOperate.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

#include <iterator>

// The client in each of its four languages: what the main window, a page
// and a prompt show comes from the installed translation; prompt 2 stays
// English; choosing a language from the menu and restarting shows it
// everywhere and stores its code.
class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void windowPageAndPromptAreInTheInstalledLanguage_data();
    void windowPageAndPromptAreInTheInstalledLanguage();
    void menuSwitchAndRestartShowTheNewLanguageEverywhere_data();
    void menuSwitchAndRestartShowTheNewLanguageEverywhere();

private:
    MainWindowConn *launch();
    int runLoop();
    QAction *action(const char *name) { return m_window->findChild<QAction *>(name); }
    template<typename T> T *pageChild(int page, const char *name)
    {
        auto *stack = m_window->findChild<QStackedWidget *>(QStringLiteral("stackedWidgetSetup"));
        return stack ? stack->widget(page)->template findChild<T *>(QLatin1String(name)) : nullptr;
    }
    // Checks that shown is the installed translation of source in context,
    // and, away from English, that a translation was there to install.
    static bool isTranslation(const QString &shown, const char *context, const char *source,
                              int language, QString *why);
    void verifyWindowLanguage(int language);

    LinkFixture m_link;
    ClientFixture m_client;
    UiOperate *m_orchestrator = nullptr;
    MainWindowConn *m_window = nullptr;
};

namespace {

const char *const kListTexts[] = {"Overview",           "Time/Temp",       "Dose Settings",
                                  "Manual/Calibration", "Liquid Status",   "Quik Setup",
                                  "Liquid sensor",      "Firmware Upgrade"};

const char *languageAction(int code)
{
    switch (code) {
    case Language::kChinese:
        return "languageChinese";
    case Language::kFrench:
        return "languageFrench";
    case Language::kGerman:
        return "languageGerman";
    default:
        return "languageEnglish";
    }
}

} // namespace

void TestLanguages::initTestCase()
{
    QVERIFY(ClientFixture::startLinkForWindow(m_link, {2}));
}

void TestLanguages::init()
{
    QVERIFY(m_client.resetForWindowTest(m_link, Language::kEnglish, {{2, 1}}, true));
}

void TestLanguages::cleanup()
{
    delete m_orchestrator;
    m_orchestrator = nullptr;
    m_window = nullptr;
    if (Communication *link = Communication::current())
        link->setMode(Communication::ModbusMode);
    Language::install(Language::kEnglish);
}

MainWindowConn *TestLanguages::launch()
{
    m_orchestrator = new UiOperate([] { return new MainWindowConn; });
    QSignalSpy state(m_orchestrator, &UiOperate::launchStateChanged);
    m_orchestrator->startLaunch(0);
    if (m_orchestrator->launchState() == 0)
        state.wait(30000);
    m_window = dynamic_cast<MainWindowConn *>(m_orchestrator->mainWindow());
    return m_window;
}

int TestLanguages::runLoop()
{
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QApplication::exit(-1); });
    guard.start(30000);
    return QApplication::exec();
}

bool TestLanguages::isTranslation(const QString &shown, const char *context, const char *source,
                                  int language, QString *why)
{
    const QString expected = QCoreApplication::translate(context, source);
    if (shown != expected) {
        *why = QStringLiteral("[%1] \"%2\" shows \"%3\", the translation is \"%4\"")
                   .arg(QLatin1String(context), QLatin1String(source), shown, expected);
        return false;
    }
    if (language != Language::kEnglish && shown == QLatin1String(source)) {
        *why = QStringLiteral("[%1] \"%2\" is not translated")
                   .arg(QLatin1String(context), QLatin1String(source));
        return false;
    }
    return true;
}

void TestLanguages::verifyWindowLanguage(int language)
{
    QString why;
    QVERIFY2(
        isTranslation(m_window->windowTitle(), "MainWindowConn", "Dosing Pump", language, &why),
        qPrintable(why));
    auto *list = m_window->findChild<QListWidget *>(QStringLiteral("listWidgetSetup"));
    QVERIFY(list);
    QCOMPARE(list->count(), int(std::size(kListTexts)));
    for (int i = 0; i < list->count(); ++i) {
        QVERIFY2(
            isTranslation(list->item(i)->text(), "MainWindowConn", kListTexts[i], language, &why),
            qPrintable(why));
    }
    auto *setup = m_window->findChild<QMenu *>(QStringLiteral("menuSetup"));
    QVERIFY(setup);
    QVERIFY2(isTranslation(setup->title(), "MainWindowConn", "&Setup", language, &why),
             qPrintable(why));

    // The buttons of pages built from different forms.
    struct Button
    {
        int page;
        const char *name;
        const char *context;
        const char *source;
    };
    const Button buttons[] = {
        {MainWindowConn::PageTimeTemp, "btnReadTempSettings", "TimeTempSetup", "Read Settings"},
        {MainWindowConn::PageTimeTemp, "btnSaveTemSet", "TimeTempSetup", "Save Settings"},
        {MainWindowConn::PageDoseSettings, "btnRead", "DoseSetGroup", "Read"},
        {MainWindowConn::PageDoseSettings, "btnSave", "DoseSetGroup", "Save"},
        {MainWindowConn::PageFirmwareUpgrade, "btnSelectFile", "FirmwareUpgrade", "File"},
        {MainWindowConn::PageFirmwareUpgrade, "btnConnect", "FirmwareUpgrade", "Upgrade"},
    };
    // The dose page builds its pumps' tabs when it is first shown.
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageDoseSettings));
    for (const Button &button : buttons) {
        auto *widget = pageChild<QPushButton>(button.page, button.name);
        QVERIFY2(widget, button.name);
        QVERIFY2(isTranslation(widget->text(), button.context, button.source, language, &why),
                 qPrintable(why));
    }
}

void TestLanguages::windowPageAndPromptAreInTheInstalledLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("resource");
    QTest::newRow("English") << Language::kEnglish << ":/Translate/tidewell_d4_en.qm";
    QTest::newRow("Chinese") << Language::kChinese << ":/Translate/tidewell_d4_zh.qm";
    QTest::newRow("French") << Language::kFrench << ":/Translate/tidewell_d4_fr.qm";
    QTest::newRow("German") << Language::kGerman << ":/Translate/tidewell_d4_de.qm";
}

void TestLanguages::windowPageAndPromptAreInTheInstalledLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, resource);
    AppSettings::store().setValue("language", language);
    QCOMPARE(Language::install(language), language);
    QCOMPARE(Language::translator().filePath(), resource);
    QVERIFY(launch());
    verifyWindowLanguage(language);
    QVERIFY(action(languageAction(language))->isChecked());

    // Prompts: each in the language, but prompt 2 in English whatever is
    // installed.
    QString why;
    QVERIFY2(isTranslation(MyMessageBox::promptText(5), "MyMessageBox", "Read setting Successfully",
                           language, &why),
             qPrintable(why));
    QVERIFY2(isTranslation(MyMessageBox::promptText(11), "MyMessageBox",
                           "Network connection error, please check your Internet setting", language,
                           &why),
             qPrintable(why));
    QVERIFY2(isTranslation(MyMessageBox::helpText(21), "MyMessageBox",
                           "Language changed successfully, do you want to restart the software "
                           "now?",
                           language, &why),
             qPrintable(why));
    QCOMPARE(MyMessageBox::promptText(2), QStringLiteral("Communication failed"));

    // The Chinese window really is Chinese, not merely different.
    if (language == Language::kChinese) {
        auto *list = m_window->findChild<QListWidget *>(QStringLiteral("listWidgetSetup"));
        const QString text = list->item(1)->text();
        QVERIFY2(
            std::any_of(text.begin(), text.end(),
                        [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; }),
            qPrintable(text));
    }
}

void TestLanguages::menuSwitchAndRestartShowTheNewLanguageEverywhere_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("English to Chinese") << Language::kEnglish << Language::kChinese;
    QTest::newRow("English to French") << Language::kEnglish << Language::kFrench;
    QTest::newRow("English to German") << Language::kEnglish << Language::kGerman;
    QTest::newRow("German to English") << Language::kGerman << Language::kEnglish;
}

void TestLanguages::menuSwitchAndRestartShowTheNewLanguageEverywhere()
{
    QFETCH(int, from);
    QFETCH(int, to);
    AppSettings::store().setValue("language", from);
    Language::install(from);
    QVERIFY(launch());
    verifyWindowLanguage(from);
    QVERIFY(action(languageAction(from))->isChecked());

    // The user chooses the language and answers "Restart Now".
    m_client.answerQuestionsWith(true);
    QTimer::singleShot(0, m_window, [this, to] { action(languageAction(to))->trigger(); });
    QCOMPARE(runLoop(), MainWindowConn::kRestartCode);
    QCOMPARE(AppSettings::store().value("language").toInt(), to);
    QCOMPARE(m_client.questions().size(), 1);
    // The question already speaks the new language.
    QCOMPARE(m_client.questions().first(),
             QCoreApplication::translate("MyMessageBox",
                                         "Language changed successfully, do you want to "
                                         "restart the software now?"));

    // The next cycle's main window, as the entry point creates it.
    delete m_orchestrator;
    m_orchestrator = nullptr;
    QVERIFY(launch());
    verifyWindowLanguage(to);
    QVERIFY(action(languageAction(to))->isChecked());
    QVERIFY(!action(languageAction(from))->isChecked());
    QCOMPARE(AppSettings::store().value("language").toInt(), to);
    QCOMPARE(Language::translator().filePath(), Language::resourceFor(to));
    QString why;
    QVERIFY2(isTranslation(MyMessageBox::promptText(3), "MyMessageBox",
                           "Setting Saved Successfully", to, &why),
             qPrintable(why));
    QCOMPARE(MyMessageBox::promptText(2), QStringLiteral("Communication failed"));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
