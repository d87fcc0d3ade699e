// Saves a picture of every window of the client in one language, for
// looking at them: the login and its dialogs, every page of the main window
// with a master and a slave tab, the dialogs of the menus and a few prompts.
// The client runs in-process against the simulator on loopback, with a
// settings directory of its own.
//
// Usage: tidewell_shots <language code> <output directory>

#include "AppSettings.h"
#include "CommSend.h"
#include "Communication.h"
#include "DialogAbout.h"
#include "DialogChemicalInter.h"
#include "DialogIpPort.h"
#include "DialogLogin.h"
#include "DialogPassword.h"
#include "DialogPumpName.h"
#include "DialogWaiting.h"
#include "DoseProgramme.h"
#include "FirmwareUpgrade.h"
#include "Language.h"
#include "LiquidBottles.h"
#include "MainWindowConn.h"
#include "ManualDosing.h"
#include "MyMessageBox.h"
#include "ParameterSetup.h"
#include "PumpSimulator.h"
#include "RegisterImage.h"
#include "UiOperate.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int kSlaveA = 2;
constexpr int kSlaveB = 3;
// Holding registers 152..158: the pump's clock.
constexpr int kPumpClockFirst = 152;

QString g_outDir;
int g_failures = 0;

void say(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Lets queued signals, layouts and paint events run for a while.
void settle(int ms = 150)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until done() holds or timeoutMs pass.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        settle(20);
    }
    return true;
}

void save(QWidget *widget, const QString &name)
{
    settle();
    const QString path = QDir(g_outDir).filePath(name + QStringLiteral(".png"));
    if (!widget || !widget->grab().save(path)) {
        say(QStringLiteral("could not save %1").arg(path));
        ++g_failures;
        return;
    }
    say(QStringLiteral("wrote %1").arg(path));
}

// Shows a dialog modelessly, saves it and closes it again.
void saveDialog(QDialog *dialog, const QString &name)
{
    dialog->show();
    save(dialog, name);
    dialog->close();
}

// Raises something modal (a prompt, a question) and saves the box it shows
// before closing it.
void saveModal(const QString &name, const std::function<void()> &raise)
{
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&poll, &name] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        save(box, name);
        box->done(0);
    });
    poll.start();
    raise();
}

// A programme a reef-keeper might run: a master dosing calcium,
// magnesium and alkalinity on different schedules, one slave dosing by
// plans, another with one channel off.
void loadProgramme(PumpSimulator &sim, int address, int variant)
{
    RegisterImage image;
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        image.holdingRegisters[i] = sim.holdingRegister(address, i);
    for (int i = 0; i < RegisterImage::kCoilCount; ++i)
        image.coils[i] = quint8(sim.coil(address, i));

    DoseProgramme::Programme programme;
    const int runModes[4] = {DoseProgramme::RunOneDay, DoseProgramme::RunTwoDays,
                             DoseProgramme::RunWeek, DoseProgramme::RunOneDay};
    const double volumes[4] = {25.0, 12.5, 40.0, 5.0};
    const int doses[4] = {4, 6, 2, 1};
    for (int c = 0; c < DoseProgramme::kChannelCount; ++c) {
        DoseProgramme::Channel &channel = programme.channels[c];
        channel.onOff =
            (variant == 2 && c == 3) ? DoseProgramme::SwitchOff : DoseProgramme::SwitchOn;
        channel.runMode = runModes[c];
        channel.speed = c % DoseProgramme::SpeedCount;
        channel.volumeBits = DoseProgramme::volumeBits(volumes[c] + variant);
        channel.dosesPerDay = doses[c];
        channel.start = QTime(8, 0);
        channel.stop = QTime(19, 59);
        channel.weekMask = 0x15;
        if (variant == 1) {
            for (int p = 0; p < 3 + c; ++p)
                channel.plans.append({QTime(6 + 3 * p, 15 * c), double(5 + p + c)});
        }
    }
    programme.setupMode = variant == 1 ? DoseProgramme::SetupCustom : DoseProgramme::SetupAuto;
    DoseProgramme::encode(programme, image);

    for (int p = 0; p < LiquidBottles::kPumpCount; ++p) {
        image.holdingRegisters[LiquidBottles::capacityRegister(p)] = 5000 * (p + 1);
        image.holdingRegisters[LiquidBottles::liquidLeftRegister(p)] = 3200 * (p + 1) - 700 * p;
        for (int g = 0; g < ManualDosing::kGearCount; ++g)
            image.holdingRegisters[ManualDosing::calibrationRegister(p, g)] = 9000 + 500 * g;
    }
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        sim.setHoldingRegister(address, i, image.holdingRegisters[i]);
    for (int i = 0; i < RegisterImage::kCoilCount; ++i)
        sim.setCoil(address, i, image.coils[i]);
}

void prepareSettings(int language, quint16 port)
{
    QSettings &settings = AppSettings::store();
    settings.clear();
    AppSettings::writeNetworkDefaults(settings);
    settings.setValue(QLatin1String(AppSettings::kNetIp), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(AppSettings::kNetPort), port);
    settings.setValue(QLatin1String(AppSettings::kLanguage), language);
    // The translation comes first, as at start-up: the default pump and
    // reagent names are stored in the language in use.
    Language::install(language);
    AppSettings::writeClientDefaults(settings);
    settings.setValue(QLatin1String(AppSettings::kDisplayPrompt), 1);
    settings.setValue(QLatin1String(AppSettings::kFirmwareAppVersion),
                      QStringLiteral("Firmvare App Version 1.2.3"));
    settings.setValue(QLatin1String(AppSettings::kFirmwareVersion),
                      QStringLiteral("Firmvare Version 200005"));
    settings.beginWriteArray(QLatin1String(AppSettings::kGroupSlaves));
    const int addresses[AppSettings::kSlaveCount] = {kSlaveA, kSlaveB, 4};
    for (int i = 0; i < AppSettings::kSlaveCount; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(AppSettings::kSlaveAddress), addresses[i]);
        settings.setValue(QLatin1String(AppSettings::kSlaveOnOff), 1);
    }
    settings.endArray();
    settings.sync();
}

QTabWidget *showPage(MainWindowConn *window, int page)
{
    // As a click does: the item becomes the current one, then the page shows.
    if (auto *list = window->findChild<QListWidget *>(QStringLiteral("listWidgetSetup")))
        list->setCurrentItem(window->pageItem(page));
    window->listWidgetSetupItemClicked(window->pageItem(page));
    auto *stack = window->findChild<QStackedWidget *>(QStringLiteral("stackedWidgetSetup"));
    return stack ? stack->currentWidget()->findChild<QTabWidget *>() : nullptr;
}

void savePages(MainWindowConn *window)
{
    struct Page
    {
        int page;
        const char *name;
    };
    const Page pages[] = {
        {MainWindowConn::PageOverview, "page-overview"},
        {MainWindowConn::PageTimeTemp, "page-timetemp"},
        {MainWindowConn::PageDoseSettings, "page-dose"},
        {MainWindowConn::PageManual, "page-manual"},
        {MainWindowConn::PageLiquidStatus, "page-liquid"},
        {MainWindowConn::PageQuickSetup, "page-quicksetup"},
        {MainWindowConn::PageSensor, "page-sensor"},
    };
    for (const Page &page : pages) {
        QTabWidget *tabs = showPage(window, page.page);
        const QString name = QLatin1String(page.name);
        if (!tabs) {
            save(window, name);
            continue;
        }
        const char *const kinds[] = {"master", "slave1", "slave2"};
        for (int tab = 0; tab < tabs->count() && tab < 3; ++tab) {
            tabs->setCurrentIndex(tab);
            save(window, name + QLatin1Char('-') + QLatin1String(kinds[tab]));
        }
        tabs->setCurrentIndex(0);
        if (page.page == MainWindowConn::PageDoseSettings) {
            // The master in Custom mode, then back to what it read.
            auto *mode = tabs->widget(0)->findChild<QComboBox *>(QStringLiteral("combAutoCustom"));
            if (mode) {
                mode->setCurrentIndex(1);
                save(window, name + QStringLiteral("-master-custom"));
                mode->setCurrentIndex(0);
            }
        }
        if (page.page == MainWindowConn::PageManual) {
            // The calibration panel switched on.
            auto *cali = tabs->widget(0)->findChild<QCheckBox *>(QStringLiteral("cBoxCaliMode"));
            if (cali) {
                cali->setChecked(true);
                save(window, name + QStringLiteral("-master-calibration"));
                cali->setChecked(false);
            }
        }
    }
    showPage(window, MainWindowConn::PageFirmwareUpgrade);
    save(window, QStringLiteral("page-firmware"));
    showPage(window, MainWindowConn::PageTimeTemp);
}

void saveWindowDialogs(MainWindowConn *window)
{
    {
        DialogAbout dialog(window);
        saveDialog(&dialog, QStringLiteral("dialog-about"));
    }
    {
        DialogPassword dialog(window);
        saveDialog(&dialog, QStringLiteral("dialog-password"));
    }
    {
        DialogPumpName dialog(1, UiOperate::tr("Master"), window);
        saveDialog(&dialog, QStringLiteral("dialog-pump-name"));
    }
    {
        DialogChemicalInter dialog(window);
        saveDialog(&dialog, QStringLiteral("dialog-chemical-interval"));
    }
}

void savePrompts(MainWindowConn *window)
{
    MyMessageBox::setPromptObserver(nullptr);
    for (int number : {2, 3, 11, 22, 28}) {
        saveModal(QStringLiteral("prompt-%1").arg(number),
                  [window, number] { MyMessageBox::prompt(window, number); });
    }
    saveModal(QStringLiteral("question-language"), [window] {
        MyMessageBox::ask(window, MyMessageBox::helpText(21), MainWindowConn::tr("Restart Now"),
                          MainWindowConn::tr("Restart Later"));
    });
    saveModal(QStringLiteral("question-restore"), [window] {
        MyMessageBox::ask(window, MyMessageBox::helpText(19), MainWindowConn::tr("Okey"),
                          MainWindowConn::tr("Cancel"), true);
    });
}

// The questions and a warning of the firmware page, raised the way a user
// raises them; every question is answered Cancel, so nothing is sent.
void saveFirmwareMessages(MainWindowConn *window)
{
    auto *page = window->findChild<FirmwareUpgrade *>(QStringLiteral("wgFirmwareUpgrade"));
    QTemporaryDir dir;
    if (!page || !dir.isValid()) {
        ++g_failures;
        return;
    }
    const QString empty = dir.filePath(QStringLiteral("empty.bin"));
    const QString image = dir.filePath(QStringLiteral("tidewell-d4-app.bin"));
    QFile(empty).open(QIODevice::WriteOnly);
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(100000, '\x5A')) != 100000) {
        ++g_failures;
        return;
    }
    file.close();
    showPage(window, MainWindowConn::PageFirmwareUpgrade);
    QString next = empty;
    FirmwareUpgrade::setFileChooser([&next](QWidget *) { return next; });
    saveModal(QStringLiteral("warning-firmware-file"), [page] { page->btnSelectFile_Clicked(); });
    next = image;
    page->btnSelectFile_Clicked();
    saveModal(QStringLiteral("question-firmware-upgrade"), [page] { page->btnConnect_Clicked(); });
    FirmwareUpgrade::setFileChooser(nullptr);
    showPage(window, MainWindowConn::PageTimeTemp);
}

// The questions before a dose that may harm, raised the way a user raises
// them: the quick setup's preview, a programme above its maximum and a
// manual run larger than its bottle. Each is answered Cancel, so nothing is
// sent.
void saveGuardQuestions(MainWindowConn *window)
{
    showPage(window, MainWindowConn::PageQuickSetup);
    auto *quick = window->findChild<ParameterSetup *>(QStringLiteral("wgParameterSetup"));
    auto *setup = quick ? quick->findChild<QPushButton *>(QStringLiteral("btnSetup")) : nullptr;
    QTabWidget *doses = showPage(window, MainWindowConn::PageDoseSettings);
    QWidget *dosePage = doses ? doses->widget(0) : nullptr;
    auto *volume =
        dosePage ? dosePage->findChild<QDoubleSpinBox *>(QStringLiteral("dbVolume")) : nullptr;
    auto *save = dosePage ? dosePage->findChild<QPushButton *>(QStringLiteral("btnSave")) : nullptr;
    QTabWidget *manual = showPage(window, MainWindowConn::PageManual);
    QWidget *manualTab = manual ? manual->widget(0) : nullptr;
    auto *run =
        manualTab ? manualTab->findChild<QDoubleSpinBox *>(QStringLiteral("dsVolume")) : nullptr;
    auto *start =
        manualTab ? manualTab->findChild<QPushButton *>(QStringLiteral("btnStart")) : nullptr;
    if (!setup || !volume || !save || !run || !start) {
        ++g_failures;
        return;
    }
    showPage(window, MainWindowConn::PageQuickSetup);
    saveModal(QStringLiteral("question-quick-setup"), [setup] { setup->click(); });
    showPage(window, MainWindowConn::PageDoseSettings);
    volume->setValue(250);
    saveModal(QStringLiteral("question-above-maximum"), [save] { save->click(); });
    showPage(window, MainWindowConn::PageManual);
    run->setValue(5000);
    saveModal(QStringLiteral("question-manual-liquid-left"), [start] { start->click(); });
}

int run(int language)
{
    PumpSimulator sim;
    if (!sim.listen(0)) {
        say(QStringLiteral("the simulator did not listen"));
        return 1;
    }
    sim.addSlave(kSlaveA);
    sim.addSlave(kSlaveB);
    loadProgramme(sim, PumpSimulator::kMasterAddress, 0);
    loadProgramme(sim, kSlaveA, 1);
    loadProgramme(sim, kSlaveB, 2);
    // Something for the overview to warn of: a bottle with a day left, a
    // sensor reporting low liquid and a clock ten minutes slow. The third
    // slave in use is not there at all.
    sim.setHoldingRegister(kSlaveB, LiquidBottles::liquidLeftRegister(0), 400);
    sim.setDiscreteInput(kSlaveA, 2, 1);
    const QDateTime now = QDateTime::currentDateTime();
    for (int address : {int(PumpSimulator::kMasterAddress), kSlaveA, kSlaveB}) {
        const QDateTime clock = address == kSlaveA ? now.addSecs(-600) : now;
        const int values[] = {clock.date().year(),     clock.date().month(),  clock.date().day(),
                              clock.time().hour(),     clock.time().minute(), clock.time().second(),
                              clock.date().dayOfWeek()};
        for (int i = 0; i < 7; ++i)
            sim.setHoldingRegister(address, kPumpClockFirst + i, values[i]);
    }
    prepareSettings(language, sim.port());

    // Prompts raised while the pages are shown are told, not shown.
    MyMessageBox::setPromptObserver([](QWidget *, int number, MyMessageBox::Delivery) {
        say(QStringLiteral("prompt %1 raised").arg(number));
    });
    // So is the warning that the missing slave did not answer; the boxes
    // saved later are shown.
    MyMessageBox::setWarningObserver(
        [](QWidget *, const QString &text) { say(QStringLiteral("warning: %1").arg(text)); });

    DialogLogin login;
    login.show();
    if (!waitFor(
            [] {
                return Communication::current() &&
                    Communication::current()->socketState() == Communication::kConnectedState;
            },
            10000)) {
        say(QStringLiteral("the client did not connect to the simulator"));
        return 1;
    }
    save(&login, QStringLiteral("dialog-login"));
    {
        DialogIpPort network(&login);
        saveDialog(&network, QStringLiteral("dialog-network"));
    }
    login.hide();

    UiOperate orchestrator([] { return new MainWindowConn; });
    orchestrator.startLaunch(0);
    if (!waitFor([&orchestrator] { return orchestrator.launchState() != 0; }, 60000) ||
        orchestrator.launchState() < 0) {
        say(QStringLiteral("the pumps were not read"));
        return 1;
    }
    auto *window = dynamic_cast<MainWindowConn *>(orchestrator.mainWindow());
    if (!window)
        return 1;
    settle(500);
    MyMessageBox::setWarningObserver(nullptr);

    savePages(window);
    saveWindowDialogs(window);
    {
        QStackedWidget *stack =
            window->findChild<QStackedWidget *>(QStringLiteral("stackedWidgetSetup"));
        showPage(window, MainWindowConn::PageLiquidStatus);
        DialogWaiting waiting(stack ? stack->currentWidget() : window);
        waiting.exec();
        settle();
        // The busy indicator lies inside the page: the window's picture has it.
        const QPixmap picture = window->grab();
        const QString path = QDir(g_outDir).filePath(QStringLiteral("dialog-waiting.png"));
        if (!picture.save(path))
            ++g_failures;
        waiting.close();
    }
    savePrompts(window);
    saveFirmwareMessages(window);
    saveGuardQuestions(window);
    return g_failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool ok = false;
    const int language = args.value(1).toInt(&ok);
    if (args.size() != 3 || !ok || Language::resourceFor(language).isEmpty()) {
        say(QStringLiteral("usage: tidewell_shots <25|31|37|42> <output directory>"));
        return 2;
    }
    g_outDir = args.at(2);
    if (!QDir().mkpath(g_outDir)) {
        say(QStringLiteral("cannot create %1").arg(g_outDir));
        return 1;
    }
    return run(language);
}
