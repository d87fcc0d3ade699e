#include "AppSettings.h"
#include "AutoModeUnit.h"
#include "ClientFixture.h"
#include "Communication.h"
#include "DialogChemicalInter.h"
#include "DoseProgramme.h"
#include "ElidedText.h"
#include "Language.h"
#include "LinkFixture.h"
#include "MainWindowConn.h"
#include "PumpNames.h"
#include "QuickSetup.h"
#include "RegisterImage.h"
#include "TimeTempDomain.h"
#include "UiOperate.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QtTest>

#include <cstring>

// Edits the pump has not taken: the marks on the pump's tab and the page's
// entry, when they come and go, the questions before they are dropped; and
// long channel names, cut where they do not fit.
class TestUnsavedEdits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void loginAndBuildingThePagesMarkNothing();
    void doseEditMarksTabAndPageUntilTheSaveIsTaken();
    void doseReadReplacesTheEditsAndClearsTheMark();
    void failedDoseSaveKeepsTheMark();
    void temperatureSettingsEditMarksUntilTheSaveIsTaken();
    void clockTickingMarksNothing();
    void bottleEditMarksUntilTheRefillIsTaken();
    void quickSetupEditMarksUntilSetupIsTaken();
    void calibrationVolumeMarksTheManualPage();
    void closingWithEditsAsksAndCancelKeepsTheWindow();
    void closingWithoutEditsAsksNothing();
    void quitWithEditsAsks();
    void languageRestartWithEditsAsksAndCancelKeepsTheWindow();
    void leavingAPumpTabWithEditsAsksAndCancelStays();
    void discardingOnTabSwitchShowsThePumpsValuesAgain();
    void switchingPagesKeepsTheEditsAndTheirMark();
    void longChannelNamesAreCutWithTheWholeNameInTheToolTip_data();
    void longChannelNamesAreCutWithTheWholeNameInTheToolTip();

private:
    MainWindowConn *launch();
    void showPage(int page);
    QString itemText(int page) const { return m_window->pageItem(page)->text(); }
    QTabWidget *tabs(int page) const;
    QWidget *tabPage(int page, int tab) const;
    template<typename T> T *child(QWidget *parent, const char *name) const
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QDoubleSpinBox *volumeEditor(int tab, int channel) const;
    QWidget *unitOf(int page, const char *name) const
    {
        QWidget *tab = tabPage(page, 0);
        return name ? child<QWidget>(tab, name) : child<QGroupBox>(tab, "gBoxPump")->parentWidget();
    }
    void click(QWidget *parent, const char *button);
    float simVolume(int address, int channel);

    LinkFixture m_link;
    ClientFixture m_client;
    UiOperate *m_orchestrator = nullptr;
    MainWindowConn *m_window = nullptr;
};

namespace {

constexpr int kSlave = 2;
const QStringList kDefaultNames = {"Pump1", "Pump2", "Pump3", "Pump4"};

} // namespace

void TestUnsavedEdits::initTestCase()
{
    QVERIFY(ClientFixture::startLinkForWindow(m_link, {kSlave}));
}

void TestUnsavedEdits::init()
{
    QVERIFY(m_client.resetForWindowTest(m_link, Language::kEnglish, {{kSlave, 1}}, false));
}

void TestUnsavedEdits::cleanup()
{
    m_link.sim().setFaults(SimFaults());
    delete m_orchestrator;
    m_orchestrator = nullptr;
    m_window = nullptr;
}

MainWindowConn *TestUnsavedEdits::launch()
{
    m_window = ClientFixture::launchMainWindow(m_orchestrator);
    m_client.clearPrompts();
    return m_window;
}

void TestUnsavedEdits::showPage(int page)
{
    auto *list = child<QListWidget>(m_window, "listWidgetSetup");
    const QRect rect = list->visualItemRect(m_window->pageItem(page));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QCOMPARE(m_window->currentPage(), page);
    // A page shown the first time is laid out on a posted request.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

QTabWidget *TestUnsavedEdits::tabs(int page) const
{
    const char *container = page == MainWindowConn::PageDoseSettings ? "wgAutoSetup"
        : page == MainWindowConn::PageManual                         ? "wgManualControl"
                                                                     : "wgLiquidStatusSetup";
    return child<QWidget>(m_window, container)->findChild<QTabWidget *>();
}

QWidget *TestUnsavedEdits::tabPage(int page, int tab) const
{
    QWidget *holder = tabs(page)->widget(tab);
    // The page is built into its tab the first time the tab is shown.
    return holder->layout()->count() ? holder->layout()->itemAt(0)->widget() : nullptr;
}

QDoubleSpinBox *TestUnsavedEdits::volumeEditor(int tab, int channel) const
{
    QWidget *unit =
        child<QWidget>(tabPage(MainWindowConn::PageDoseSettings, tab),
                       QStringLiteral("wgPump%1").arg(channel + 1).toLatin1().constData());
    return child<QDoubleSpinBox>(unit, "dbVolume");
}

void TestUnsavedEdits::click(QWidget *parent, const char *button)
{
    QTest::mouseClick(child<QPushButton>(parent, button), Qt::LeftButton);
}

float TestUnsavedEdits::simVolume(int address, int channel)
{
    const int high = DoseProgramme::kVolumeRegister + 2 * channel;
    const quint32 bits = quint32(m_link.sim().holdingRegister(address, high)) << 16 |
        quint32(m_link.sim().holdingRegister(address, high + 1));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void TestUnsavedEdits::loginAndBuildingThePagesMarkNothing()
{
    QVERIFY(launch());
    // Every page shown, every tab built: each fills itself from the pump.
    for (int page = 0; page < MainWindowConn::PageFirmwareUpgrade; ++page) {
        showPage(page);
        if (page >= MainWindowConn::PageDoseSettings && page <= MainWindowConn::PageLiquidStatus) {
            for (int tab = tabs(page)->count() - 1; tab >= 0; --tab)
                tabs(page)->setCurrentIndex(tab);
            QVERIFY(tabPage(page, 1));
            QCOMPARE(tabs(page)->tabText(0), QStringLiteral("Master"));
            QVERIFY(!tabs(page)->tabText(1).endsWith('*'));
        }
    }
    for (int page = 0; page < MainWindowConn::PageCount; ++page) {
        QVERIFY2(!itemText(page).endsWith('*'), qPrintable(itemText(page)));
        QVERIFY(!m_window->hasUnsavedEdits(page));
    }
    QVERIFY(m_client.questions().isEmpty());
}

void TestUnsavedEdits::doseEditMarksTabAndPageUntilTheSaveIsTaken()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageDoseSettings);
    QDoubleSpinBox *volume = volumeEditor(0, 0);
    volume->setValue(volume->value() == 42.5 ? 43.5 : 42.5);
    const float typed = float(volume->value());
    QCOMPARE(tabs(MainWindowConn::PageDoseSettings)->tabText(0), QStringLiteral("Master *"));
    QCOMPARE(itemText(MainWindowConn::PageDoseSettings), QStringLiteral("Dose Settings *"));
    ClientFixture::screenshot(m_window, QStringLiteral("unsaved_marks_en"));

    // 42.5 ml of calcium is above its maximum for 100 l: the Save asks first.
    m_client.answerQuestionsWith(true);
    click(tabPage(MainWindowConn::PageDoseSettings, 0), "btnSave");
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(3), 20000);
    QCOMPARE(simVolume(1, 0), typed);
    QCOMPARE(tabs(MainWindowConn::PageDoseSettings)->tabText(0), QStringLiteral("Master"));
    QCOMPARE(itemText(MainWindowConn::PageDoseSettings), QStringLiteral("Dose Settings"));
}

void TestUnsavedEdits::doseReadReplacesTheEditsAndClearsTheMark()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageDoseSettings);
    const float held = simVolume(1, 1);
    QDoubleSpinBox *volume = volumeEditor(0, 1);
    volume->setValue(double(held) + 7);
    QVERIFY(m_window->hasUnsavedEdits(MainWindowConn::PageDoseSettings));

    click(tabPage(MainWindowConn::PageDoseSettings, 0), "btnRead");
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(5), 20000);
    QCOMPARE(float(volume->value()), held);
    QCOMPARE(tabs(MainWindowConn::PageDoseSettings)->tabText(0), QStringLiteral("Master"));
    QCOMPARE(itemText(MainWindowConn::PageDoseSettings), QStringLiteral("Dose Settings"));
}

void TestUnsavedEdits::failedDoseSaveKeepsTheMark()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageDoseSettings);
    const float held = simVolume(1, 2);
    volumeEditor(0, 2)->setValue(double(held) + 3);
    SimFaults refuse;
    refuse.exceptionRate = 1.0;
    m_link.sim().setFaults(refuse);

    // A channel above its reagent's maximum makes the Save ask first.
    m_client.answerQuestionsWith(true);
    click(tabPage(MainWindowConn::PageDoseSettings, 0), "btnSave");
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(4), 20000);
    QCOMPARE(simVolume(1, 2), held);
    QCOMPARE(tabs(MainWindowConn::PageDoseSettings)->tabText(0), QStringLiteral("Master *"));
    QCOMPARE(itemText(MainWindowConn::PageDoseSettings), QStringLiteral("Dose Settings *"));
}

void TestUnsavedEdits::temperatureSettingsEditMarksUntilTheSaveIsTaken()
{
    QVERIFY(launch());
    QWidget *page = child<QWidget>(m_window, "wgTimeTempSetup");
    auto *high = child<QDoubleSpinBox>(page, "dSpinTempHigh");
    const double held = high->value();
    high->setValue(held + 1);
    QCOMPARE(itemText(MainWindowConn::PageTimeTemp), QStringLiteral("Time/Temp *"));

    // A Read puts the pump's settings back in place of the edits.
    click(page, "btnReadTempSettings");
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(5), 20000);
    QCOMPARE(high->value(), held);
    QCOMPARE(itemText(MainWindowConn::PageTimeTemp), QStringLiteral("Time/Temp"));

    high->setValue(held + 0.5);
    const int edited = TimeTemp::encodeTemperature(float(high->value()));
    QCOMPARE(itemText(MainWindowConn::PageTimeTemp), QStringLiteral("Time/Temp *"));
    m_client.clearPrompts();
    click(page, "btnSaveTemSet");
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(3), 20000);
    QCOMPARE(m_link.sim().holdingRegister(1, TimeTemp::kHighThresholdRegister), edited);
    QCOMPARE(itemText(MainWindowConn::PageTimeTemp), QStringLiteral("Time/Temp"));
}

void TestUnsavedEdits::clockTickingMarksNothing()
{
    QVERIFY(launch());
    QWidget *page = child<QWidget>(m_window, "wgTimeTempSetup");
    // The page's clock follows the PC's once a second; three ticks.
    QTest::qWait(3 * 1000 + 200);
    QCOMPARE(itemText(MainWindowConn::PageTimeTemp), QStringLiteral("Time/Temp"));

    // A clock the user sets is an edit until the pump has taken it.
    child<QCheckBox>(page, "combSetupTime")->setChecked(true);
    QCOMPARE(itemText(MainWindowConn::PageTimeTemp), QStringLiteral("Time/Temp *"));
    click(page, "btnTimeUpdate");
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(3), 20000);
    QCOMPARE(itemText(MainWindowConn::PageTimeTemp), QStringLiteral("Time/Temp"));
}

void TestUnsavedEdits::bottleEditMarksUntilTheRefillIsTaken()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageLiquidStatus);
    QWidget *unit = child<QWidget>(tabPage(MainWindowConn::PageLiquidStatus, 0), "wgPump2");
    child<QCheckBox>(unit, "cbPump")->setChecked(true);
    child<QDoubleSpinBox>(unit, "dsCapacity")->setValue(250);
    QCOMPARE(tabs(MainWindowConn::PageLiquidStatus)->tabText(0), QStringLiteral("Master *"));
    QCOMPARE(itemText(MainWindowConn::PageLiquidStatus), QStringLiteral("Liquid Status *"));

    click(tabPage(MainWindowConn::PageLiquidStatus, 0), "btnSave");
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(3), 20000);
    QCOMPARE(m_link.sim().holdingRegister(1, 65), 2500);
    QCOMPARE(m_link.sim().holdingRegister(1, 71), 2500);
    QCOMPARE(tabs(MainWindowConn::PageLiquidStatus)->tabText(0), QStringLiteral("Master"));
    QCOMPARE(itemText(MainWindowConn::PageLiquidStatus), QStringLiteral("Liquid Status"));
}

void TestUnsavedEdits::quickSetupEditMarksUntilSetupIsTaken()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageDoseSettings);
    QDoubleSpinBox *volume = volumeEditor(0, 0);
    volume->setValue(volume->value() + 1);
    showPage(MainWindowConn::PageQuickSetup);
    QWidget *page = child<QWidget>(m_window, "wgParameterSetup");
    auto *aquarium = child<QDoubleSpinBox>(page, "dsAquarium");
    aquarium->setValue(aquarium->value() == 321 ? 322 : 321);
    const qint32 ml = QuickSetup::aquariumMillilitres(aquarium->value());
    QCOMPARE(itemText(MainWindowConn::PageQuickSetup), QStringLiteral("Quik Setup *"));

    // Setup shows the programme it writes and asks first.
    m_client.answerQuestionsWith(true);
    click(page, "btnSetup");
    QTRY_VERIFY_WITH_TIMEOUT(m_client.promptNumbers().contains(3), 20000);
    const int high = m_link.sim().holdingRegister(1, QuickSetup::kAquariumRegister);
    const int low = m_link.sim().holdingRegister(1, QuickSetup::kAquariumRegister + 1);
    QCOMPARE(qint32(quint32(high) << 16 | quint32(low)), ml);
    QCOMPARE(itemText(MainWindowConn::PageQuickSetup), QStringLiteral("Quik Setup"));
    // Setup wrote the master's programme in place of the dose page's edits;
    // the page shows it, unmarked.
    QCOMPARE(float(volume->value()), simVolume(1, 0));
    QCOMPARE(itemText(MainWindowConn::PageDoseSettings), QStringLiteral("Dose Settings"));
    QCOMPARE(tabs(MainWindowConn::PageDoseSettings)->tabText(0), QStringLiteral("Master"));
}

void TestUnsavedEdits::calibrationVolumeMarksTheManualPage()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageManual);
    QWidget *page = tabPage(MainWindowConn::PageManual, 0);
    child<QDoubleSpinBox>(page, "dsCaliGet")->setValue(9.5);
    QCOMPARE(tabs(MainWindowConn::PageManual)->tabText(0), QStringLiteral("Master *"));
    QCOMPARE(itemText(MainWindowConn::PageManual), QStringLiteral("Manual/Calibration *"));
}

void TestUnsavedEdits::closingWithEditsAsksAndCancelKeepsTheWindow()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageDoseSettings);
    volumeEditor(0, 0)->setValue(volumeEditor(0, 0)->value() + 1);

    m_client.answerQuestionsWith(false);
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_client.questions().size(), 1);
    QVERIFY(m_client.questions().first().contains(QStringLiteral("Dose Settings")));
    QVERIFY(m_window->hasUnsavedEdits(MainWindowConn::PageDoseSettings));

    m_client.answerQuestionsWith(true);
    QVERIFY(m_window->close());
    QCOMPARE(m_client.questions().size(), 2);
}

void TestUnsavedEdits::closingWithoutEditsAsksNothing()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageDoseSettings);
    QVERIFY(m_window->close());
    QVERIFY(m_client.questions().isEmpty());
}

void TestUnsavedEdits::quitWithEditsAsks()
{
    QVERIFY(launch());
    QWidget *page = child<QWidget>(m_window, "wgTimeTempSetup");
    auto *low = child<QDoubleSpinBox>(page, "dSpinTempLow");
    low->setValue(low->value() + 0.5);

    m_client.answerQuestionsWith(true);
    QTimer::singleShot(0, m_window,
                       [this] { m_window->findChild<QAction *>("actionQuit")->trigger(); });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QApplication::exit(-1); });
    guard.start(30000);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(m_client.questions().size(), 1);
    QVERIFY(m_client.questions().first().contains(QStringLiteral("Time/Temp")));
}

void TestUnsavedEdits::languageRestartWithEditsAsksAndCancelKeepsTheWindow()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageLiquidStatus);
    QWidget *unit = child<QWidget>(tabPage(MainWindowConn::PageLiquidStatus, 0), "wgPump1");
    child<QCheckBox>(unit, "cbPump")->setChecked(true);

    // "Restart Now", then keep the edits: the loop must go on.
    m_client.answerNextQuestionsWith({true, false});
    QTimer::singleShot(0, m_window,
                       [this] { m_window->findChild<QAction *>("languageGerman")->trigger(); });
    // The window would have ended the loop in the same call that asked the
    // second question; once it has been asked, the test ends the loop itself.
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [this] {
        if (m_client.questions().size() == 2)
            QApplication::exit(1);
    });
    watch.start(50);
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QApplication::exit(-1); });
    guard.start(30000);
    QCOMPARE(QApplication::exec(), 1);
    QVERIFY(m_client.questions().at(1).contains(QStringLiteral("Liquid Status")));
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->hasUnsavedEdits(MainWindowConn::PageLiquidStatus));
    Language::install(Language::kEnglish);
}

void TestUnsavedEdits::leavingAPumpTabWithEditsAsksAndCancelStays()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageDoseSettings);
    QTabWidget *pumps = tabs(MainWindowConn::PageDoseSettings);
    QDoubleSpinBox *volume = volumeEditor(0, 3);
    volume->setValue(volume->value() + 2);
    const double typed = volume->value();

    m_client.answerQuestionsWith(false);
    pumps->setCurrentIndex(1);
    QCOMPARE(pumps->currentIndex(), 0);
    QCOMPARE(m_client.questions().size(), 1);
    QVERIFY(m_client.questions().first().contains(QStringLiteral("Master")));
    QCOMPARE(volume->value(), typed);
    QCOMPARE(pumps->tabText(0), QStringLiteral("Master *"));

    // A tab without edits is left without a question.
    m_client.answerQuestionsWith(true);
    pumps->setCurrentIndex(1);
    QCOMPARE(pumps->currentIndex(), 1);
    m_client.clearQuestions();
    pumps->setCurrentIndex(0);
    QVERIFY(m_client.questions().isEmpty());
}

void TestUnsavedEdits::discardingOnTabSwitchShowsThePumpsValuesAgain()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageDoseSettings);
    QTabWidget *pumps = tabs(MainWindowConn::PageDoseSettings);
    const float held = simVolume(1, 0);
    QDoubleSpinBox *volume = volumeEditor(0, 0);
    volume->setValue(double(held) + 5);

    m_client.answerQuestionsWith(true);
    pumps->setCurrentIndex(1);
    QCOMPARE(pumps->currentIndex(), 1);
    QCOMPARE(m_client.questions().size(), 1);
    QCOMPARE(float(volume->value()), held);
    QCOMPARE(pumps->tabText(0), QStringLiteral("Master"));
    QCOMPARE(itemText(MainWindowConn::PageDoseSettings), QStringLiteral("Dose Settings"));
}

void TestUnsavedEdits::switchingPagesKeepsTheEditsAndTheirMark()
{
    QVERIFY(launch());
    showPage(MainWindowConn::PageDoseSettings);
    QDoubleSpinBox *volume = volumeEditor(0, 0);
    volume->setValue(volume->value() + 4);
    const double typed = volume->value();
    // The page shows the speed again when it is shown, as the manual page
    // may have changed it; a speed chosen here and not saved stays.
    auto *speed = child<QComboBox>(
        child<QWidget>(tabPage(MainWindowConn::PageDoseSettings, 0), "wgPump1"), "combSpeed");
    const int chosen = (speed->currentIndex() + 1) % speed->count();
    speed->setCurrentIndex(chosen);

    showPage(MainWindowConn::PageTimeTemp);
    QCOMPARE(itemText(MainWindowConn::PageDoseSettings), QStringLiteral("Dose Settings *"));
    showPage(MainWindowConn::PageDoseSettings);
    QCOMPARE(volume->value(), typed);
    QCOMPARE(speed->currentIndex(), chosen);
    QCOMPARE(tabs(MainWindowConn::PageDoseSettings)->tabText(0), QStringLiteral("Master *"));
    QVERIFY(m_client.questions().isEmpty());
}

void TestUnsavedEdits::longChannelNamesAreCutWithTheWholeNameInTheToolTip_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    // Sixteen characters, as many as the pump name dialog takes.
    QTest::newRow("english") << int(Language::kEnglish) << QString(16, QLatin1Char('W'));
    QTest::newRow("chinese") << int(Language::kChinese) << QString(16, QChar(0x6C34));
}

void TestUnsavedEdits::longChannelNamesAreCutWithTheWholeNameInTheToolTip()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    Language::install(language);
    AppSettings::store().setValue(QLatin1String(AppSettings::kLanguage), language);
    QVERIFY(launch());
    const QString suffix =
        language == Language::kChinese ? QStringLiteral("zh") : QStringLiteral("en");

    struct Watched
    {
        int page;
        const char *unit;
        const char *nameWidget;
        QVector<const char *> neighbours;
    };
    const QVector<Watched> watched = {
        {MainWindowConn::PageDoseSettings,
         "wgPump1",
         "lbPumpName",
         {"combOnOff", "combSpeed", "combReagent", "combRunMode"}},
        {MainWindowConn::PageLiquidStatus,
         "wgPump1",
         "lbName",
         {"lbNameSpace", "btnPump", "dsCapacity", "cbPump"}},
        // The manual page makes its units without names; the first is the first pump's.
        {MainWindowConn::PageManual, nullptr, "gBoxPump", {"combSpeed", "dsVolume", "btnStart"}},
    };
    // Where everything stands with the short default names.
    QVector<QVector<QRect>> before;
    QVector<QRect> unitsBefore;
    for (const Watched &w : watched) {
        showPage(w.page);
        QWidget *unit = unitOf(w.page, w.unit);
        unitsBefore << unit->geometry();
        QVector<QRect> rects;
        for (const char *neighbour : w.neighbours)
            rects << child<QWidget>(unit, neighbour)->geometry();
        before << rects;
    }
    QComboBox *pumpChoice =
        child<QComboBox>(tabPage(MainWindowConn::PageManual, 0), "combCaliPump");
    const QRect choiceBefore = pumpChoice->geometry();

    PumpNames::setNames(AppSettings::store(), 1, {name, name, name, name});
    showPage(MainWindowConn::PageTimeTemp);
    for (int i = 0; i < watched.size(); ++i) {
        const Watched &w = watched.at(i);
        showPage(w.page);
        QWidget *unit = unitOf(w.page, w.unit);
        QWidget *shown = child<QWidget>(unit, w.nameWidget);
        const QString text = qobject_cast<QLabel *>(shown)
            ? qobject_cast<QLabel *>(shown)->text()
            : qobject_cast<QGroupBox *>(shown)->title();
        QVERIFY2(text.endsWith(QChar(0x2026)), qPrintable(text));
        QVERIFY(text.size() < name.size());
        QCOMPARE(shown->toolTip(), name);
        QCOMPARE(ElidedText::fullText(shown), name);
        QVERIFY(shown->fontMetrics().horizontalAdvance(text) <= shown->width());
        QCOMPARE(unit->geometry(), unitsBefore.at(i));
        for (int n = 0; n < w.neighbours.size(); ++n)
            QCOMPARE(child<QWidget>(unit, w.neighbours.at(n))->geometry(), before.at(i).at(n));
        ClientFixture::screenshot(
            m_window,
            QStringLiteral("long_names_%1_%2").arg(QString::fromLatin1(w.nameWidget), suffix));
    }
    QCOMPARE(pumpChoice->geometry(), choiceBefore);
    QCOMPARE(pumpChoice->itemData(0, Qt::ToolTipRole).toString(), name);
    {
        QStyleOptionComboBox option;
        option.initFrom(pumpChoice);
        const int room = pumpChoice->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, pumpChoice)
                             .width();
        const QString shown = pumpChoice->currentText();
        QVERIFY(pumpChoice->fontMetrics().horizontalAdvance(shown) <= room);
        if (pumpChoice->fontMetrics().horizontalAdvance(name) > room)
            QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        else
            QCOMPARE(shown, name);
    }

    // The interval dialog has room to grow: it shows the whole names.
    {
        DialogChemicalInter dialog(m_window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *caption = child<QLabel>(&dialog, "lbInterval1");
        QCOMPARE(caption->text(), name);
        QVERIFY(caption->fontMetrics().horizontalAdvance(name) <= caption->contentsRect().width());
        ClientFixture::screenshot(&dialog, QStringLiteral("long_names_interval_%1").arg(suffix));
    }

    // The whole name still goes where a message names the channel.
    showPage(MainWindowConn::PageDoseSettings);
    QCOMPARE(child<AutoModeUnit>(tabPage(MainWindowConn::PageDoseSettings, 0), "wgPump1")->title(),
             name);
    volumeEditor(0, 0)->setValue(volumeEditor(0, 0)->value() + 1);
    ClientFixture::screenshot(m_window, QStringLiteral("unsaved_marks_long_names_%1").arg(suffix));

    PumpNames::setNames(AppSettings::store(), 1, kDefaultNames);
    Language::install(Language::kEnglish);
}

QTEST_MAIN(TestUnsavedEdits)
#include "tst_unsaved_edits.moc"
