#include "AppSettings.h"
#include "AutoSetup.h"
#include "ClientFixture.h"
#include "Communication.h"
#include "DialogWaiting.h"
#include "DoseProgramme.h"
#include "DoseSetGroup.h"
#include "Language.h"
#include "LinkFixture.h"
#include "LinkStatusLine.h"
#include "LiquidStatus.h"
#include "LiquidStatusSetup.h"
#include "MainWindowConn.h"
#include "ManualControl.h"
#include "MyMessageBox.h"
#include "OfflineCover.h"
#include "RegisterImage.h"
#include "SensorStatus.h"
#include "UiOperate.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <cstring>

namespace {

// Slave k of the settings sits at bus address k + 1.
constexpr int kSlaveAddressOffset = 1;

// Every pump gets bottles of its own, so a value shown on the wrong tab
// can be told by its number.
int capacityTenths(int address, int pump)
{
    return 2000 * address + 200 * pump;
}
int remainingTenths(int address, int pump)
{
    return 1000 * address + 100 * pump + 50;
}

// The first channel's total volume differs from pump to pump as well.
float firstChannelVolume(int address)
{
    return 10.0f * address + 2.5f;
}

void setFirstChannelVolume(PumpSimulator &sim, int address, float volume)
{
    quint32 bits = 0;
    std::memcpy(&bits, &volume, sizeof bits);
    sim.setHoldingRegister(address, DoseProgramme::kVolumeRegister, int(bits >> 16));
    sim.setHoldingRegister(address, DoseProgramme::kVolumeRegister + 1, int(bits & 0xFFFF));
}

double shownFirstChannelVolume(const DoseSetGroup *page)
{
    const auto *unit = page->findChild<QWidget *>(QStringLiteral("wgPump1"));
    const auto *volume =
        unit ? unit->findChild<QDoubleSpinBox *>(QStringLiteral("dbVolume")) : nullptr;
    return volume ? volume->value() : -1;
}

QString readButtonToolTip(const DoseSetGroup *page)
{
    return page->findChild<QPushButton *>(QStringLiteral("btnRead"))->toolTip();
}

} // namespace

// A pump that does not answer its read after login: its tabs on the four
// per-pump pages are disabled and covered whatever the layout of slaves in
// use, it shows nothing another pump said, and it is never sent anything.
// The pages of those tabs are built only when first shown or asked for, and
// then take the cover, the help texts and the language set before.
class TestOfflinePumps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void silentPumpsTabsAreDisabledAndShowNoOtherPumpsValues_data();
    void silentPumpsTabsAreDisabledAndShowNoOtherPumpsValues();
    void pagesAreBuiltWhenFirstShownWithTheirPumpAndWhatWasSwitchedBefore();
    void statusBarNamesTheBridgeTheLinkAndEachPumpsState();
    void retryReadsTheSilentPumpAndItsTabsShowWhatItHolds_data();
    void retryReadsTheSilentPumpAndItsTabsShowWhatItHolds();

private:
    void useSlaves(const QVector<int> &inUse);
    // Logs in and reads the pumps in use; the window shown, or null.
    MainWindowConn *launch();
    // The per-pump tab widgets of the four pages, in the order the main window hands pumps over.
    QVector<QTabWidget *> pageTabs() const;

    LinkFixture m_link;
    ClientFixture m_client;
    UiOperate *m_orchestrator = nullptr;
};

void TestOfflinePumps::initTestCase()
{
    QVERIFY(m_link.start());
    m_link.stopRouting();
    for (int address = 2; address <= 4; ++address)
        m_link.sim().addSlave(address);
    for (int address = 1; address <= 4; ++address) {
        for (int pump = 0; pump < 4; ++pump) {
            m_link.sim().setHoldingRegister(address, 64 + pump, capacityTenths(address, pump));
            m_link.sim().setHoldingRegister(address, 70 + pump, remainingTenths(address, pump));
        }
    }
}

void TestOfflinePumps::init()
{
    QVERIFY(m_link.resetForClientTest(31));
    m_client.clearPrompts();
    m_client.clearWarnings();
}

void TestOfflinePumps::cleanup()
{
    delete m_orchestrator;
    m_orchestrator = nullptr;
    Language::install(Language::kEnglish);
    if (Communication *link = Communication::current())
        link->setMode(Communication::ModbusMode);
}

void TestOfflinePumps::useSlaves(const QVector<int> &inUse)
{
    QSettings &settings = AppSettings::store();
    settings.beginWriteArray("group_slaves");
    for (int slave = 1; slave <= 3; ++slave) {
        settings.setArrayIndex(slave - 1);
        settings.setValue("slave_address", slave + kSlaveAddressOffset);
        settings.setValue("slave_on_off", inUse.contains(slave) ? 1 : 0);
    }
    settings.endArray();
}

MainWindowConn *TestOfflinePumps::launch()
{
    return ClientFixture::launchMainWindow(m_orchestrator);
}

QVector<QTabWidget *> TestOfflinePumps::pageTabs() const
{
    auto *window = dynamic_cast<MainWindowConn *>(m_orchestrator->mainWindow());
    QVector<QTabWidget *> tabs;
    const QVector<QPair<const char *, const char *>> pages = {
        {"wgAutoSetup", "tabWidget"},
        {"wgManualControl", "tabWidgetManuControl"},
        {"wgLiquidStatusSetup", "tabWidget"},
        {"wgSensorStatus", "tabWidget"}};
    for (const auto &page : pages) {
        QWidget *widget = window->findChild<QWidget *>(QLatin1String(page.first));
        tabs.append(widget ? widget->findChild<QTabWidget *>(QLatin1String(page.second)) : nullptr);
    }
    return tabs;
}

void TestOfflinePumps::silentPumpsTabsAreDisabledAndShowNoOtherPumpsValues_data()
{
    QTest::addColumn<QVector<int>>("slavesInUse");
    QTest::addColumn<int>("silentSlave");
    QTest::addColumn<int>("silentTab");

    // One silent pump per layout: each costs four timed-out tries of 2.4 s.
    QTest::newRow("slaves 1 and 3, 3 silent") << QVector<int>({1, 3}) << 3 << 2;
    QTest::newRow("slave 2 alone, silent") << QVector<int>({2}) << 2 << 1;
    QTest::newRow("slaves 1 to 3, 2 silent") << QVector<int>({1, 2, 3}) << 2 << 2;
}

void TestOfflinePumps::silentPumpsTabsAreDisabledAndShowNoOtherPumpsValues()
{
    QFETCH(QVector<int>, slavesInUse);
    QFETCH(int, silentSlave);
    QFETCH(int, silentTab);
    const int silentAddress = silentSlave + kSlaveAddressOffset;
    useSlaves(slavesInUse);
    SimFaults faults;
    faults.silentSlaves = {silentAddress};
    m_link.sim().setFaults(faults);

    MainWindowConn *window = launch();
    QVERIFY(window);

    const int tabCount = slavesInUse.size() + 1;
    const QVector<QTabWidget *> tabs = pageTabs();
    for (QTabWidget *pageTabs : tabs) {
        QVERIFY(pageTabs);
        QCOMPARE(pageTabs->count(), tabCount);
        for (int tab = 0; tab < tabCount; ++tab) {
            QWidget *page = pageTabs->widget(tab);
            const bool silent = tab == silentTab;
            // The pump's page under the cover is disabled; the cover's Retry is not.
            for (QWidget *child :
                 page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                const bool cover = child->objectName() == QLatin1String(OfflineCover::kObjectName);
                QVERIFY2(child->isEnabled() != (silent && !cover),
                         qPrintable(QStringLiteral("%1 tab %2")
                                        .arg(pageTabs->parent()->objectName())
                                        .arg(tab)));
            }
            QCOMPARE(OfflineCover::isCovered(page), silent);
        }
    }
    auto *autoSetup = window->findChild<AutoSetup *>("wgAutoSetup");
    auto *manual = window->findChild<ManualControl *>("wgManualControl");
    auto *liquid = window->findChild<LiquidStatusSetup *>("wgLiquidStatusSetup");
    auto *sensors = window->findChild<SensorStatus *>("wgSensorStatus");
    QVERIFY(autoSetup && manual && liquid && sensors);
    for (int tab = 0; tab < tabCount; ++tab) {
        const bool online = tab != silentTab;
        QCOMPARE(autoSetup->isDeviceOnline(tab), online);
        QCOMPARE(manual->isDeviceOnline(tab), online);
        QCOMPARE(liquid->isDeviceOnline(tab), online);
        QCOMPARE(sensors->isDeviceOnline(tab), online);
    }

    // The silent pump's image holds nothing of the pump read before it.
    const RegisterImage *image = m_orchestrator->deviceImages().at(silentTab);
    const RegisterImage blank;
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        QCOMPARE(image->holdingRegisters[i], blank.holdingRegisters[i]);
    for (int i = 0; i < RegisterImage::kReadCoilCount; ++i)
        QCOMPARE(image->coils[i], blank.coils[i]);

    // Its liquid tab, under the cover, shows no bottle of any other pump;
    // the other tabs show their own pump's.
    QVector<int> addresses = {1};
    for (int slave : slavesInUse)
        addresses.append(slave + kSlaveAddressOffset);
    window->listWidgetSetupItemClicked(window->pageItem(MainWindowConn::PageLiquidStatus));
    for (int tab = 0; tab < tabCount; ++tab) {
        LiquidStatus *page = liquid->tab(tab);
        QVERIFY(page);
        for (int pump = 0; pump < 4; ++pump) {
            QWidget *unit = page->findChild<QWidget *>(QStringLiteral("wgPump%1").arg(pump + 1));
            QVERIFY(unit);
            auto *left = unit->findChild<QLabel *>("lbLiquidLeft");
            auto *capacity = unit->findChild<QDoubleSpinBox *>("dsCapacity");
            QVERIFY(left && capacity);
            for (int address : addresses) {
                const QString shownLeft =
                    QStringLiteral("%1.0 ml").arg(remainingTenths(address, pump) / 10);
                const double shownCapacity = capacityTenths(address, pump) / 10;
                const bool own = tab != silentTab && address == addresses.at(tab);
                QCOMPARE(left->text() == shownLeft, own);
                QCOMPARE(capacity->value() == shownCapacity, own);
            }
        }
    }
    auto *liquidTabs = liquid->findChild<QTabWidget *>("tabWidget");
    liquidTabs->setCurrentIndex(silentTab);
    QWidget *silentPage = liquidTabs->widget(silentTab);
    QWidget *cover = silentPage->findChild<QWidget *>(OfflineCover::kObjectName);
    QVERIFY(cover);
    QTRY_VERIFY(cover->isVisible());
    QCOMPARE(cover->geometry(), silentPage->rect());
    QCOMPARE(liquid->tab(silentTab)->geometry(), silentPage->rect());
    QWidget *atCentre = silentPage->childAt(silentPage->rect().center());
    QVERIFY(atCentre == cover || cover->isAncestorOf(atCentre));
    ClientFixture::screenshot(window, QStringLiteral("offline-liquid-tab"));

    // Every button of the silent pump's tabs that talks to a pump: none may reach it.
    const QVector<int> pages = {MainWindowConn::PageDoseSettings, MainWindowConn::PageManual,
                                MainWindowConn::PageLiquidStatus, MainWindowConn::PageSensor};
    const QStringList sending = {"btnRead",      "btnSave",     "btnStart",
                                 "btnStartCali", "btnCaliRead", "btnSaveCali"};
    for (int i = 0; i < tabs.size(); ++i) {
        window->listWidgetSetupItemClicked(window->pageItem(pages.at(i)));
        tabs.at(i)->setCurrentIndex(silentTab);
        QVERIFY(QTest::qWaitForWindowExposed(tabs.at(i)->widget(silentTab)));
        int pressed = 0;
        for (QPushButton *button : tabs.at(i)->widget(silentTab)->findChildren<QPushButton *>()) {
            if (!sending.contains(button->objectName()))
                continue;
            QTest::mouseClick(button, Qt::LeftButton);
            ++pressed;
        }
        QVERIFY(pressed > 0);
    }
    // A request queued by a click would reach the simulator within one pause of the queue.
    QTest::qWait(300);
    QVERIFY(m_link.queue().isIdle());
    int toSilent = 0;
    for (const PumpSimulator::Request &request : m_link.sim().requests())
        toSilent += request.slave == silentAddress;
    // The four tries of the read-out's first request, and nothing after.
    QCOMPARE(toSilent, 4);
}

void TestOfflinePumps::pagesAreBuiltWhenFirstShownWithTheirPumpAndWhatWasSwitchedBefore()
{
    useSlaves({1, 2, 3});
    const int silentTab = 3;
    SimFaults faults;
    faults.silentSlaves = {silentTab + kSlaveAddressOffset};
    m_link.sim().setFaults(faults);
    for (int address = 1; address <= 3; ++address)
        setFirstChannelVolume(m_link.sim(), address, firstChannelVolume(address));
    AppSettings::store().setValue("display_prompt", 1);
    const QString englishReadHelp = MyMessageBox::helpText(5);

    MainWindowConn *window = launch();
    QVERIFY(window);

    // The read-out hands over four pumps and builds none of their pages.
    auto *autoSetup = window->findChild<AutoSetup *>("wgAutoSetup");
    QVERIFY(autoSetup);
    const QVector<DeviceTabs *> containers = {
        autoSetup, window->findChild<ManualControl *>("wgManualControl"),
        window->findChild<LiquidStatusSetup *>("wgLiquidStatusSetup"),
        window->findChild<SensorStatus *>("wgSensorStatus")};
    for (DeviceTabs *container : containers) {
        QVERIFY(container);
        QCOMPARE(container->deviceCount(), 4);
        for (int tab = 0; tab < 4; ++tab)
            QVERIFY2(!container->isPageBuilt(tab),
                     qPrintable(QStringLiteral("%1 tab %2").arg(container->objectName()).arg(tab)));
    }
    QVERIFY(window->findChildren<DoseSetGroup *>().isEmpty());

    // Before any dose page is built: help texts off, then German, restarting later.
    m_client.answerQuestionsWith(false);
    window->findChild<QAction *>("actionDisplayPrompt")->trigger();
    QCOMPARE(AppSettings::store().value("display_prompt").toInt(), 0);
    window->findChild<QAction *>("languageGerman")->trigger();
    QTRY_COMPARE(m_client.questions().size(), 1);
    const QString germanRead = QCoreApplication::translate("DoseSetGroup", "Read");
    QVERIFY(germanRead != QLatin1String("Read"));

    // Opening the page shows, and so builds, the master's tab alone.
    window->listWidgetSetupItemClicked(window->pageItem(MainWindowConn::PageDoseSettings));
    QVERIFY(autoSetup->isPageBuilt(0));
    for (int tab = 1; tab < 4; ++tab)
        QVERIFY(!autoSetup->isPageBuilt(tab));

    auto *tabs = autoSetup->findChild<QTabWidget *>("tabWidget");
    QVERIFY(tabs);
    tabs->setCurrentIndex(1);
    QVERIFY(autoSetup->isPageBuilt(1));
    QVERIFY(!autoSetup->isPageBuilt(2));
    auto *slave = tabs->widget(1)->findChild<DoseSetGroup *>();
    QVERIFY(slave);
    QCOMPARE(slave, autoSetup->page(1));
    QVERIFY(QTest::qWaitForWindowExposed(slave));
    QCOMPARE(slave->geometry(), tabs->widget(1)->rect());
    QVERIFY(slave->isEnabled());
    QCOMPARE(slave->address(), 1 + kSlaveAddressOffset);
    QCOMPARE(shownFirstChannelVolume(slave), double(firstChannelVolume(2)));
    QCOMPARE(slave->findChild<QPushButton *>("btnRead")->text(), germanRead);
    QCOMPARE(readButtonToolTip(slave), QString());

    // Help texts on again: the page built takes them, in German, and so does
    // the silent pump's page, built after, under its cover and disabled.
    window->findChild<QAction *>("actionDisplayPrompt")->trigger();
    const QString germanReadHelp = MyMessageBox::helpText(5);
    QVERIFY(germanReadHelp != englishReadHelp);
    QCOMPARE(readButtonToolTip(slave), germanReadHelp);
    QVERIFY(!autoSetup->isPageBuilt(silentTab));
    tabs->setCurrentIndex(silentTab);
    QVERIFY(autoSetup->isPageBuilt(silentTab));
    DoseSetGroup *silent = autoSetup->page(silentTab);
    QWidget *silentTabPage = tabs->widget(silentTab);
    QVERIFY(QTest::qWaitForWindowExposed(silent));
    QVERIFY(!silent->isEnabled());
    QVERIFY(!autoSetup->isDeviceOnline(silentTab));
    auto *cover = silentTabPage->findChild<QWidget *>(OfflineCover::kObjectName);
    QVERIFY(cover);
    QVERIFY(cover->isVisible());
    QCOMPARE(cover->geometry(), silentTabPage->rect());
    QWidget *atCentre = silentTabPage->childAt(silentTabPage->rect().center());
    QVERIFY(atCentre == cover || cover->isAncestorOf(atCentre));
    QCOMPARE(readButtonToolTip(silent), germanReadHelp);
    for (int address = 1; address <= 3; ++address)
        QVERIFY(shownFirstChannelVolume(silent) != double(firstChannelVolume(address)));

    // Asked for by code, a page is built at once, with its own pump's values.
    QVERIFY(!autoSetup->isPageBuilt(2));
    DoseSetGroup *asked = autoSetup->page(2);
    QVERIFY(asked);
    QVERIFY(autoSetup->isPageBuilt(2));
    QCOMPARE(asked->parentWidget(), tabs->widget(2));
    QCOMPARE(shownFirstChannelVolume(asked), double(firstChannelVolume(3)));
    QCOMPARE(readButtonToolTip(asked), germanReadHelp);
}

void TestOfflinePumps::statusBarNamesTheBridgeTheLinkAndEachPumpsState()
{
    useSlaves({1, 2});
    SimFaults faults;
    faults.silentSlaves = {2 + kSlaveAddressOffset};
    m_link.sim().setFaults(faults);
    MainWindowConn *window = launch();
    QVERIFY(window);
    auto *line = window->findChild<LinkStatusLine *>(QStringLiteral("lbLinkStatus"));
    QVERIFY(line);
    const quint16 port = m_link.sim().port();
    // Pumps read in the same minute share one entry; a read-out that runs
    // into the next minute lists the master and the slave apart.
    const QRegularExpression afterLogin(
        QStringLiteral("^127\\.0\\.0\\.1:%1 \u00b7 Connected \u00b7 Slave2 not answering \u00b7 "
                       "(Master, Slave1 read \\d\\d:\\d\\d|"
                       "Master read \\d\\d:\\d\\d \u00b7 Slave1 read \\d\\d:\\d\\d)$")
            .arg(port));
    QVERIFY2(afterLogin.match(line->fullText()).hasMatch(), qPrintable(line->fullText()));
    // Named once, in words, besides the greyed-out tabs.
    QTRY_COMPARE(
        m_client.warnings(),
        QVector<QString>({QStringLiteral("Slave2 did not answer; its pages are disabled")}));
    QCOMPARE(line->toolTip(), line->fullText());
    // Beside the notice, inside the window; whatever does not fit is elided
    // from the end, after the pump that does not answer.
    QVERIFY2(line->text().contains(QLatin1String("Slave2 not answering")),
             qPrintable(line->text()));
    QVERIFY(line->geometry().right() <= window->width());
    QVERIFY(line->geometry().right() <= window->width());
    ClientFixture::screenshot(window, QStringLiteral("status-bar"));

    // Slave1 falls silent: its next batch says so.
    faults.silentSlaves = {1 + kSlaveAddressOffset, 2 + kSlaveAddressOffset};
    m_link.sim().setFaults(faults);
    auto *liquid = window->findChild<LiquidStatusSetup *>(QStringLiteral("wgLiquidStatusSetup"));
    QVERIFY(liquid);
    QPushButton *read = liquid->tab(1)->findChild<QPushButton *>(QStringLiteral("btnRead"));
    QVERIFY(read);
    read->click();
    // Four attempts of 2.4 s each before the batch gives up.
    QTRY_VERIFY_WITH_TIMEOUT(line->fullText().contains(QLatin1String("Slave1 not answering")),
                             15000);
    QVERIFY2(line->fullText().contains(QLatin1String("Master read")), qPrintable(line->fullText()));

    // The bridge goes away and comes back: the line follows the link's tries.
    m_link.sim().setFaults(SimFaults());
    m_link.sim().close();
    QTRY_VERIFY(line->fullText().contains(QLatin1String("Connecting... next try")));
    QVERIFY(m_link.sim().listen(port));
    QTRY_VERIFY2_WITH_TIMEOUT(
        line->fullText().contains(QStringLiteral(" \u00b7 Connected \u00b7 ")),
        qPrintable(line->fullText()), 12000);
}

void TestOfflinePumps::retryReadsTheSilentPumpAndItsTabsShowWhatItHolds_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("English") << int(Language::kEnglish) << QStringLiteral("en");
    QTest::newRow("Chinese") << int(Language::kChinese) << QStringLiteral("zh");
}

void TestOfflinePumps::retryReadsTheSilentPumpAndItsTabsShowWhatItHolds()
{
    QFETCH(int, language);
    QFETCH(QString, suffix);
    Language::install(language);
    useSlaves({1, 2});
    const int silentTab = 2;
    const int silentAddress = 2 + kSlaveAddressOffset;
    for (int address = 1; address <= 3; ++address)
        setFirstChannelVolume(m_link.sim(), address, firstChannelVolume(address));
    SimFaults faults;
    faults.silentSlaves = {silentAddress};
    m_link.sim().setFaults(faults);
    MainWindowConn *window = launch();
    QVERIFY(window);
    QTRY_COMPARE(m_client.warnings().size(), 1);

    const QVector<QTabWidget *> tabs = pageTabs();
    QVector<OfflineCover *> covers;
    // The silent pump is named in the window's language, as the others are.
    const QString slaveName = QCoreApplication::translate("UiOperate", "Slave") + QLatin1Char('2');
    for (QTabWidget *pageTabs : tabs) {
        QVERIFY(pageTabs);
        QVERIFY2(pageTabs->tabText(silentTab).startsWith(slaveName),
                 qPrintable(pageTabs->tabText(silentTab)));
        covers.append(OfflineCover::coverOf(pageTabs->widget(silentTab)));
        QVERIFY(covers.last());
    }
    auto *autoSetup = window->findChild<AutoSetup *>("wgAutoSetup");
    auto *liquid = window->findChild<LiquidStatusSetup *>("wgLiquidStatusSetup");
    auto *line = window->findChild<LinkStatusLine *>(QStringLiteral("lbLinkStatus"));
    QVERIFY(autoSetup && liquid && line);
    const auto lastTry = [](OfflineCover *cover) {
        return cover->findChild<QLabel *>("lbLastTry")->text();
    };
    const auto retryButton = [](OfflineCover *cover) {
        return cover->findChild<QPushButton *>("btnRetry");
    };
    const QRegularExpression lastTryText(QCoreApplication::translate("OfflineCover", "Last try %1")
                                             .arg(QStringLiteral("\\d\\d:\\d\\d:\\d\\d")));
    for (OfflineCover *cover : covers) {
        QVERIFY(retryButton(cover));
        QVERIFY(retryButton(cover)->isEnabled());
        QVERIFY2(lastTryText.match(lastTry(cover)).hasMatch(), qPrintable(lastTry(cover)));
    }

    // The dose page of the silent pump is built under its cover, with
    // nothing the pump said.
    window->listWidgetSetupItemClicked(window->pageItem(MainWindowConn::PageDoseSettings));
    tabs.at(0)->setCurrentIndex(silentTab);
    QVERIFY(autoSetup->isPageBuilt(silentTab));
    QVERIFY(shownFirstChannelVolume(autoSetup->page(silentTab)) !=
            double(firstChannelVolume(silentAddress)));

    // Still silent: Retry waits on every page, then the tabs stay covered
    // with a later last try.
    window->listWidgetSetupItemClicked(window->pageItem(MainWindowConn::PageLiquidStatus));
    tabs.at(2)->setCurrentIndex(silentTab);
    QVERIFY(QTest::qWaitForWindowExposed(covers.at(2)));
    window->findChild<QListWidget *>("listWidgetSetup")
        ->setCurrentRow(MainWindowConn::PageLiquidStatus);
    ClientFixture::screenshot(window, QStringLiteral("offline-retry-") + suffix);
    const QString loginTry = lastTry(covers.at(2));
    m_client.clearPrompts();
    m_link.sim().clearRequests();
    QTest::mouseClick(retryButton(covers.at(2)), Qt::LeftButton);
    for (OfflineCover *cover : covers) {
        QVERIFY(cover->isRetrying());
        QVERIFY(!retryButton(cover)->isEnabled());
    }
    auto *waiting = covers.at(2)->findChild<DialogWaiting *>();
    QVERIFY(waiting);
    QTRY_VERIFY(waiting->isVisible());
    QTRY_COMPARE(waiting->progressText(),
                 QCoreApplication::translate("DialogWaiting", "request %1 of %2").arg(0).arg(23));
    ClientFixture::screenshot(window, QStringLiteral("offline-retrying-") + suffix);
    // Four tries of 2.4 s of the first request.
    QTRY_COMPARE_WITH_TIMEOUT(m_client.promptNumbers(), QVector<int>({6}), 15000);
    QVERIFY(!waiting->isVisible());
    for (int i = 0; i < tabs.size(); ++i) {
        QVERIFY(OfflineCover::isCovered(tabs.at(i)->widget(silentTab)));
        QVERIFY(!covers.at(i)->isRetrying());
        QVERIFY(retryButton(covers.at(i))->isEnabled());
        QVERIFY(lastTryText.match(lastTry(covers.at(i))).hasMatch());
        QVERIFY(lastTry(covers.at(i)) > loginTry);
    }
    QVERIFY(!autoSetup->isDeviceOnline(silentTab));
    QVERIFY(!autoSetup->page(silentTab)->isEnabled());
    QCOMPARE(m_link.sim().requestCount(), 4);
    if (language == Language::kEnglish)
        QVERIFY2(line->fullText().contains(QLatin1String("Slave2 not answering")),
                 qPrintable(line->fullText()));

    // It answers now: the same 23 reads as after login, to it alone, and
    // every page shows what it holds.
    m_link.sim().setFaults(SimFaults());
    m_client.clearPrompts();
    m_link.sim().clearRequests();
    QTest::mouseClick(retryButton(covers.at(2)), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_client.promptNumbers(), QVector<int>({5}), 15000);
    QStringList seen;
    for (const PumpSimulator::Request &r : m_link.sim().requests())
        seen
            << QStringLiteral("%1 %2 %3 %4").arg(r.slave).arg(r.function).arg(r.index).arg(r.count);
    QCOMPARE(seen, UiOperate::fullReadCommands(silentAddress));
    const QVector<DeviceTabs *> containers = {
        autoSetup, window->findChild<ManualControl *>("wgManualControl"), liquid,
        window->findChild<SensorStatus *>("wgSensorStatus")};
    for (int i = 0; i < tabs.size(); ++i) {
        QVERIFY(containers.at(i)->isDeviceOnline(silentTab));
        QVERIFY(!OfflineCover::isCovered(tabs.at(i)->widget(silentTab)));
    }
    LiquidStatus *page = liquid->tab(silentTab);
    QVERIFY(page);
    QVERIFY(page->isEnabled());
    for (int pump = 0; pump < 4; ++pump) {
        QWidget *unit = page->findChild<QWidget *>(QStringLiteral("wgPump%1").arg(pump + 1));
        QVERIFY(unit);
        auto *capacity = unit->findChild<QDoubleSpinBox *>("dsCapacity");
        QVERIFY(capacity);
        QCOMPARE(capacity->value(), m_link.sim().holdingRegister(silentAddress, 64 + pump) / 10.0);
    }
    // The dose page built before is built again from what was read.
    DoseSetGroup *dose = autoSetup->page(silentTab);
    QVERIFY(dose->isEnabled());
    QCOMPARE(shownFirstChannelVolume(dose), double(firstChannelVolume(silentAddress)));
    QCOMPARE(m_orchestrator->deviceImages().at(silentTab)->holdingRegisters[64],
             capacityTenths(silentAddress, 0));
    if (language == Language::kEnglish) {
        QVERIFY2(!line->fullText().contains(QLatin1String("not answering")),
                 qPrintable(line->fullText()));
        QVERIFY2(line->fullText().contains(QLatin1String("Slave2")), qPrintable(line->fullText()));
    }
    ClientFixture::screenshot(window, QStringLiteral("offline-retried-") + suffix);
}

QTEST_MAIN(TestOfflinePumps)
#include "tst_offline_pumps.moc"
