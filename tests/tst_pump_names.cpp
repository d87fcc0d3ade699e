#include "AppSettings.h"
#include "AutoModeUnit.h"
#include "AutoSetup.h"
#include "ClientFixture.h"
#include "DialogPumpName.h"
#include "DialogSetupFile.h"
#include "DoseProgramme.h"
#include "DoseSetGroup.h"
#include "ElidedText.h"
#include "Language.h"
#include "LinkFixture.h"
#include "LiquidStatus.h"
#include "LiquidStatusSetup.h"
#include "MainWindowConn.h"
#include "ManuControl.h"
#include "ManualControl.h"
#include "ManualControlUnit.h"
#include "PumpNames.h"
#include "RegisterImage.h"
#include "SetupFile.h"
#include "TestSupport.h"
#include "UiOperate.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using TestSupport::child;

// Each pump's channel names in the running client, master and one slave:
// the Pump Name dialog renames the pump whose tab is shown, and every page
// of that pump, and only of that pump, shows the new names at once; a
// restore brings the names of the file to the pump restored.
class TestPumpNamesWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void slaveWithoutNamesShowsTheMastersBehindItsOwnName();
    void renamingTheShownSlaveRenamesItsPagesAndNotTheMasters();
    void renamingFromAPageWithoutTabsRenamesTheMaster();
    void restoreToTheSlaveBringsTheFilesNamesToTheSlaveOnly();

private:
    MainWindowConn *launch();
    // Shows the page and on it the tab of pump index.
    void showTab(int page, int index);
    // Opens the Pump Name dialog from the menu, checks which pump it edits,
    // types names and confirms.
    void rename(const QString &expectedPump, int expectedAddress, const QStringList &names);
    QStringList doseNames(int index) const;
    QStringList manualNames(int index) const;
    QStringList liquidNames(int index) const;
    // The names pump index's tabs show when the dose, manual and liquid
    // pages agree; otherwise each page's, labelled, so that a failed
    // comparison shows which page differs.
    QStringList pageNames(int index) const;

    LinkFixture m_link;
    ClientFixture m_client;
    UiOperate *m_orchestrator = nullptr;
    MainWindowConn *m_window = nullptr;
};

namespace {

constexpr int kSlave = 2;
const QStringList kMasterNames = {"Ca", "Mg", "Kh", "Other"};
const QStringList kDerived = {"Slave1 Ca", "Slave1 Mg", "Slave1 Kh", "Slave1 Other"};

} // namespace

void TestPumpNamesWindow::initTestCase()
{
    QVERIFY(ClientFixture::startLinkForWindow(m_link, {kSlave}));
}

void TestPumpNamesWindow::init()
{
    QVERIFY(m_client.resetForWindowTest(m_link, Language::kEnglish, {{kSlave, 1}}, true));
}

void TestPumpNamesWindow::cleanup()
{
    delete m_orchestrator;
    m_orchestrator = nullptr;
    m_window = nullptr;
}

MainWindowConn *TestPumpNamesWindow::launch()
{
    m_window = ClientFixture::launchMainWindow(m_orchestrator);
    m_client.clearPrompts();
    return m_window;
}

void TestPumpNamesWindow::showTab(int page, int index)
{
    m_window->listWidgetSetupItemClicked(m_window->pageItem(page));
    const char *tabs = page == MainWindowConn::PageDoseSettings ? "wgAutoSetup"
        : page == MainWindowConn::PageManual                    ? "wgManualControl"
                                                                : "wgLiquidStatusSetup";
    auto *pumps = child<QWidget>(m_window, tabs);
    pumps->findChild<QTabWidget *>()->setCurrentIndex(index);
    QTRY_VERIFY(pumps->findChild<QTabWidget *>()->currentWidget()->isVisible());
}

void TestPumpNamesWindow::rename(const QString &expectedPump, int expectedAddress,
                                 const QStringList &names)
{
    bool confirmed = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = ClientFixture::visibleWindow<DialogPumpName>();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Pump Name Setup"));
        QCOMPARE(dialog->address(), expectedAddress);
        QCOMPARE(child<QLabel>(dialog, "lbDevice")->text(),
                 QStringLiteral("Channel names of %1").arg(expectedPump));
        const char *const edits[] = {"lePump1", "lePump2", "lePump3", "lePump4"};
        for (int i = 0; i < 4; ++i)
            child<QLineEdit>(dialog, edits[i])->setText(names.at(i));
        QTest::mouseClick(child<QPushButton>(dialog, "btnConfirm"), Qt::LeftButton);
        confirmed = true;
    });
    child<QAction>(m_window, "actionPumpName")->trigger();
    QVERIFY(confirmed);
}

QStringList TestPumpNamesWindow::doseNames(int index) const
{
    DoseSetGroup *page = child<AutoSetup>(m_window, "wgAutoSetup")->page(index);
    QStringList names;
    for (int i = 0; i < 4; ++i)
        names << page->unit(i)->title();
    return names;
}

QStringList TestPumpNamesWindow::manualNames(int index) const
{
    ManuControl *tab = child<ManualControl>(m_window, "wgManualControl")->tab(index);
    auto *choice = child<QComboBox>(tab, "combCaliPump");
    QStringList names;
    for (int i = 0; i < 4; ++i) {
        const QString unit = ElidedText::fullText(child<QGroupBox>(tab->unit(i), "gBoxPump"));
        // The calibration's pump choice names the same channels.
        if (choice->itemData(i, Qt::ToolTipRole).toString() != unit)
            return {QStringLiteral("calibration choice %1 differs").arg(i)};
        names << unit;
    }
    return names;
}

QStringList TestPumpNamesWindow::liquidNames(int index) const
{
    LiquidStatus *tab = child<LiquidStatusSetup>(m_window, "wgLiquidStatusSetup")->tab(index);
    QStringList names;
    for (const char *unit : {"wgPump1", "wgPump2", "wgPump3", "wgPump4"})
        names << ElidedText::fullText(child<QLabel>(child<QWidget>(tab, unit), "lbName"));
    return names;
}

QStringList TestPumpNamesWindow::pageNames(int index) const
{
    const QStringList dose = doseNames(index);
    const QStringList manual = manualNames(index);
    const QStringList liquid = liquidNames(index);
    if (manual == dose && liquid == dose)
        return dose;
    return QStringList {"dose:"} + dose + QStringList {"manual:"} + manual +
        QStringList {"liquid:"} + liquid;
}

void TestPumpNamesWindow::slaveWithoutNamesShowsTheMastersBehindItsOwnName()
{
    QVERIFY(launch());
    for (int page : {MainWindowConn::PageDoseSettings, MainWindowConn::PageManual,
                     MainWindowConn::PageLiquidStatus})
        showTab(page, 1);
    QCOMPARE(pageNames(1), kDerived);
    QCOMPARE(pageNames(0), kMasterNames);
    // Showing them stored nothing.
    QVERIFY(!AppSettings::store().childGroups().contains(QStringLiteral("group_pumps_2")));
}

void TestPumpNamesWindow::renamingTheShownSlaveRenamesItsPagesAndNotTheMasters()
{
    QVERIFY(launch());
    // Every page of both pumps is built and has shown its names once.
    for (int page : {MainWindowConn::PageManual, MainWindowConn::PageLiquidStatus,
                     MainWindowConn::PageDoseSettings}) {
        showTab(page, 0);
        showTab(page, 1);
    }
    m_link.sim().clearRequests();

    const QStringList names = {"Iodine", "Iron", "Potassium", "Trace"};
    rename(QStringLiteral("Slave1"), kSlave, names);

    // The page in front shows them without being shown again.
    QCOMPARE(pageNames(1), names);
    QCOMPARE(pageNames(0), kMasterNames);
    QSettings &settings = AppSettings::store();
    QCOMPARE(PumpNames::names(settings, kSlave), names);
    QCOMPARE(PumpNames::names(settings, 1), kMasterNames);

    // Renaming again from the slave's liquid tab edits the slave too.
    const QStringList again = {"I", "Fe", "K", "Sr"};
    showTab(MainWindowConn::PageLiquidStatus, 1);
    rename(QStringLiteral("Slave1"), kSlave, again);
    QCOMPARE(liquidNames(1), again);
    QCOMPARE(liquidNames(0), kMasterNames);
    showTab(MainWindowConn::PageManual, 1);
    QCOMPARE(manualNames(1), again);

    // The names live on the PC: the pumps were not asked anything.
    QCOMPARE(m_link.sim().requestCount(), 0);
}

void TestPumpNamesWindow::renamingFromAPageWithoutTabsRenamesTheMaster()
{
    QVERIFY(launch());
    showTab(MainWindowConn::PageDoseSettings, 1);
    m_window->listWidgetSetupItemClicked(m_window->pageItem(MainWindowConn::PageTimeTemp));

    const QStringList names = {"Calcium", "Magnesium chlor", "", "Iodine"};
    rename(QStringLiteral("Master"), 1, names);
    QCOMPARE(PumpNames::names(AppSettings::store(), 1), names);
    QVERIFY(!AppSettings::store().childGroups().contains(QStringLiteral("group_pumps_2")));
    QCOMPARE(doseNames(0), names);
    // A slave without names of its own follows the master's, cut to what
    // its own dialog would take.
    QCOMPARE(doseNames(1),
             QStringList({"Slave1 Calcium", "Slave1 Magnesium", "Slave1", "Slave1 Iodine"}));
}

void TestPumpNamesWindow::restoreToTheSlaveBringsTheFilesNamesToTheSlaveOnly()
{
    // A backup of the slave, made while its channels had names of their own.
    const QStringList fileNames = {"Iodine", "Iron", "Potassium", "Trace"};
    QSettings &settings = AppSettings::store();
    PumpNames::setNames(settings, kSlave, fileNames);
    PumpNames::setReagentIndices(settings, kSlave, {5, 5, 3, 4});
    RegisterImage image;
    m_link.loadImage(kSlave, image);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("slave.tidewell.json"));
    QString error;
    QVERIFY2(SetupFile::save(SetupFile::fromPump(image, kSlave,
                                                 SetupFile::readPcSettings(settings, kSlave),
                                                 QDateTime::currentDateTime()),
                             path, &error),
             qPrintable(error));
    settings.remove(QStringLiteral("group_pumps_2"));
    // The slave doses differently now than in the file.
    const int volumeBefore = m_link.sim().holdingRegister(kSlave, DoseProgramme::kVolumeRegister);
    m_link.sim().setHoldingRegister(kSlave, DoseProgramme::kVolumeRegister, volumeBefore ^ 0x0100);

    QVERIFY(launch());
    showTab(MainWindowConn::PageDoseSettings, 1);
    QCOMPARE(doseNames(1), kDerived);

    bool restored = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = ClientFixture::visibleWindow<DialogSetupFile>();
        QVERIFY(dialog);
        dialog->choosePump(kSlave);
        auto *file = child<QLineEdit>(dialog, "leFile");
        file->setText(path);
        Q_EMIT file->textEdited(path);
        child<QPushButton>(dialog, "btnCompare")->click();
        auto *start = child<QPushButton>(dialog, "btnStart");
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), 20000);
        QSignalSpy done(dialog, &DialogSetupFile::restored);
        start->click();
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toInt(), kSlave);
        restored = true;
        dialog->reject();
    });
    child<QAction>(m_window, "actionRestoreSetupFile")->trigger();
    QVERIFY(restored);
    QCOMPARE(m_link.sim().holdingRegister(kSlave, DoseProgramme::kVolumeRegister), volumeBefore);

    QCOMPARE(PumpNames::names(settings, kSlave), fileNames);
    QCOMPARE(PumpNames::reagentIndices(settings, kSlave), QVector<int>({5, 5, 3, 4}));
    QCOMPARE(PumpNames::names(settings, 1), kMasterNames);
    QCOMPARE(PumpNames::reagentIndices(settings, 1), QVector<int>({0, 1, 2, 3}));
    // The slave's page in front shows the file's names, the master's its own.
    QCOMPARE(doseNames(1), fileNames);
    QCOMPARE(doseNames(0), kMasterNames);
    QCOMPARE(child<AutoSetup>(m_window, "wgAutoSetup")->page(1)->unit(0)->reagent(), 5);
}

QTEST_MAIN(TestPumpNamesWindow)
#include "tst_pump_names.moc"
