#include "MainWindowConn.h"

#include "AppSettings.h"
#include "AutoSetup.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "CommandString.h"
#include "Communication.h"
#include "DeviceTabs.h"
#include "DialogAbout.h"
#include "DialogChemicalInter.h"
#include "DialogIpPort.h"
#include "DialogPassword.h"
#include "DialogPumpName.h"
#include "DialogSetupFile.h"
#include "FactoryRestore.h"
#include "FirmwareUpgrade.h"
#include "Language.h"
#include "LinkStatusLine.h"
#include "LiquidStatusSetup.h"
#include "ManualControl.h"
#include "MyMessageBox.h"
#include "OverviewPage.h"
#include "ParameterSetup.h"
#include "PumpNames.h"
#include "QuickSetup.h"
#include "RegisterImage.h"
#include "SensorStatus.h"
#include "TimeTempDomain.h"
#include "TimeTempSetup.h"
#include "UnsavedEdits.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QListWidgetItem>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace {

struct PageEntry
{
    const char *text;
    int helpText; // 0: no tool tip
};

const PageEntry kPages[MainWindowConn::PageCount] = {
    {QT_TRANSLATE_NOOP("MainWindowConn", "Overview"), 0},
    {QT_TRANSLATE_NOOP("MainWindowConn", "Time/Temp"), 9},
    {QT_TRANSLATE_NOOP("MainWindowConn", "Dose Settings"), 10},
    {QT_TRANSLATE_NOOP("MainWindowConn", "Manual/Calibration"), 11},
    {QT_TRANSLATE_NOOP("MainWindowConn", "Liquid Status"), 12},
    {QT_TRANSLATE_NOOP("MainWindowConn", "Quik Setup"), 14},
    {QT_TRANSLATE_NOOP("MainWindowConn", "Liquid sensor"), 28},
    {QT_TRANSLATE_NOOP("MainWindowConn", "Firmware Upgrade"), 0},
};

} // namespace

MainWindowConn::MainWindowConn(QWidget *parent)
    : QMainWindow(parent)
{
    m_ui.setupUi(this);
    setWindowTitle(tr("Dosing Pump"));

    if (CommSend *queue = CommSend::instance())
        connect(this, &MainWindowConn::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);

    for (const PageEntry &entry : kPages) {
        m_captions << tr(entry.text);
        auto *item = new QListWidgetItem(m_captions.last());
        m_items.append(item);
        m_ui.listWidgetSetup->addItem(item);
    }
    connect(m_ui.listWidgetSetup, &QListWidget::itemClicked, this,
            &MainWindowConn::listWidgetSetupItemClicked);
    connect(m_ui.wgParameterSetup, &ParameterSetup::quikSetup, this,
            &MainWindowConn::parameterUpdate);
    for (DeviceTabs *tabs : std::initializer_list<DeviceTabs *> {
             m_ui.wgAutoSetup, m_ui.wgManualControl, m_ui.wgLiquidStatusSetup})
        connect(tabs, &DeviceTabs::unsavedEditsChanged, this, &MainWindowConn::showUnsavedMarks);
    for (QWidget *page : {static_cast<QWidget *>(m_ui.wgTimeTempSetup),
                          static_cast<QWidget *>(m_ui.wgParameterSetup)}) {
        for (UnsavedEdits *edits : page->findChildren<UnsavedEdits *>())
            connect(edits, &UnsavedEdits::unsavedChanged, this, &MainWindowConn::showUnsavedMarks);
    }

    for (DeviceTabs *pumps : {static_cast<DeviceTabs *>(m_ui.wgAutoSetup),
                              static_cast<DeviceTabs *>(m_ui.wgManualControl),
                              static_cast<DeviceTabs *>(m_ui.wgLiquidStatusSetup),
                              static_cast<DeviceTabs *>(m_ui.wgSensorStatus)})
        connect(pumps, &DeviceTabs::retryRequested, this, &MainWindowConn::retryDevice);

    connect(m_ui.actionQuit, &QAction::triggered, this, &MainWindowConn::actionQuit);
    connect(m_ui.actionBackupSetupFile, &QAction::triggered, this,
            &MainWindowConn::actionBackupSetupFile);
    connect(m_ui.actionRestoreSetupFile, &QAction::triggered, this,
            &MainWindowConn::actionRestoreSetupFile);
    connect(m_ui.actionAbout, &QAction::triggered, this, &MainWindowConn::actionAbout);
    connect(m_ui.actionPumpName, &QAction::triggered, this, &MainWindowConn::actionPumpName);
    connect(m_ui.actionChemicalInterval, &QAction::triggered, this,
            &MainWindowConn::actionChemicalInterval);
    connect(m_ui.actionIpPort, &QAction::triggered, this, &MainWindowConn::actionIpPortSetup);
    connect(m_ui.actionRestoreSetup, &QAction::triggered, this,
            &MainWindowConn::actionRestoreSetup);
    connect(m_ui.actionDisplayPrompt, &QAction::triggered, this,
            &MainWindowConn::actionDisplayPrompt);
    connect(m_ui.actionQuietConfirmations, &QAction::triggered, this,
            &MainWindowConn::actionQuietConfirmations);
    connect(m_ui.actionPassword, &QAction::triggered, this, &MainWindowConn::actionPasswordSetup);
    connect(m_ui.languageEnglish, &QAction::triggered, this, &MainWindowConn::languageEnglish);
    connect(m_ui.languageChinese, &QAction::triggered, this, &MainWindowConn::languageChinese);
    connect(m_ui.languageFrench, &QAction::triggered, this, &MainWindowConn::languageFrench);
    connect(m_ui.languageGerman, &QAction::triggered, this, &MainWindowConn::languageGerman);

    const QColor window = palette().brush(QPalette::Window).color();
    m_ui.listWidgetSetup->setStyleSheet(
        QStringLiteral("border-style:none;background-color:rgba(%1,%2,%3,%4)")
            .arg(window.red())
            .arg(window.green())
            .arg(window.blue())
            .arg(window.alpha()));
    m_ui.lbSpliteLine->setStyleSheet(QStringLiteral("background-color:rgba(128,128,128,255)"));
    m_ui.statusbar->setStyleSheet(
        QStringLiteral("border-top-color:#808080;border-top-width:1px;border-top-style:solid"));
    // The window has a fixed size; a grip would only carry the bar's border
    // as a stray line in its corner.
    m_ui.statusbar->setSizeGripEnabled(false);
    m_statusLabel = new QLabel(m_ui.statusbar);
    m_statusLabel->setObjectName(QStringLiteral("lbStatusNotice"));
    m_statusLabel->setGeometry(4, 0, 403, 19);
    m_statusLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_statusLabel->setStyleSheet(QStringLiteral("border-style:none"));
    m_statusLabel->setText(tr("Tidewell D4 dosing pump"));
    // The bar centres a message in its own height and the labels centre
    // their texts in theirs: one height keeps both on one line.
    m_ui.statusbar->setFixedHeight(m_statusLabel->height());
    m_warnings = new QToolButton(m_ui.statusbar);
    m_warnings->setObjectName(QStringLiteral("btnWarnings"));
    m_warnings->setAutoRaise(true);
    m_warnings->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_warnings->setIconSize(QSize(14, 14));
    m_warnings->setFixedHeight(m_statusLabel->height());
    m_warnings->hide();
    connect(m_warnings, &QToolButton::clicked, this,
            [this] { listWidgetSetupItemClicked(m_items.at(PageOverview)); });
    connect(m_ui.wgOverview, &OverviewPage::warningsChanged, this,
            &MainWindowConn::showWarningCount);
    connect(m_ui.wgOverview, &OverviewPage::deviceRead, this, &MainWindowConn::deviceReadAll);
    connect(m_ui.wgTimeTempSetup, &TimeTempSetup::clockSet, this, &MainWindowConn::slaveClocksSet);
    m_linkStatus = new LinkStatusLine(m_ui.statusbar);
    {
        QSettings &store = AppSettings::store();
        m_linkStatus->setBridge(store.value(QLatin1String(AppSettings::kNetIp)).toString(),
                                store.value(QLatin1String(AppSettings::kNetPort)).toInt());
    }
    if (Communication *link = Communication::current()) {
        m_linkStatus->setLinkState(link->socketState());
        connect(link, &Communication::conStatus, m_linkStatus, &LinkStatusLine::setLinkState,
                Qt::QueuedConnection);
        connect(link, &Communication::reconnectScheduled, m_linkStatus, &LinkStatusLine::setRetryIn,
                Qt::QueuedConnection);
    }
    connect(m_ui.statusbar, &QStatusBar::messageChanged, this, &MainWindowConn::layOutStatusBar);
    if (CommSend *queue = CommSend::instance()) {
        // Delivered in this thread, with the batch's outcome.
        connect(queue, &CommSend::pumpsHeard, m_linkStatus,
                [this](const QVector<int> &answered, int silentAddress) {
                    const QTime now = QTime::currentTime();
                    for (int address : answered)
                        m_linkStatus->setPumpHeard(address, now);
                    if (silentAddress >= 0)
                        m_linkStatus->setPumpSilent(silentAddress);
                });
        // After the page that asked has taken the outcome into its pump's
        // image: that outcome is delivered from a connection made earlier.
        connect(
            queue, &CommSend::returnStatus, this,
            [this] {
                if (isVisible())
                    QTimer::singleShot(0, m_ui.wgOverview, &OverviewPage::refresh);
            },
            Qt::QueuedConnection);
    }

    showPage(PageOverview);

    QSettings &settings = AppSettings::store();
    checkLanguageAction(settings.value(QLatin1String(AppSettings::kLanguage)).toInt());
    const bool prompts = settings.value(QLatin1String(AppSettings::kDisplayPrompt), 1).toInt() == 1;
    m_ui.actionDisplayPrompt->setChecked(prompts);
    setPromptsShown(prompts);
    if (prompts)
        m_ui.wgFirmwareUpgrade->showToolTips();
    else
        m_ui.wgFirmwareUpgrade->clearToolTips();
    const bool quiet =
        settings.value(QLatin1String(AppSettings::kQuietConfirmations), 0).toInt() == 1;
    m_ui.actionQuietConfirmations->setChecked(quiet);
    setQuietConfirmations(quiet);

    connectLinkStatus();
    m_restoreStep = RestoreStep::None;
}

void MainWindowConn::connectLinkStatus()
{
    disconnect(m_linkStatusConnection);
    if (Communication *link = Communication::current())
        m_linkStatusConnection = connect(link, &Communication::conStatus, this,
                                         &MainWindowConn::connectStatusSlot, Qt::QueuedConnection);
}

void MainWindowConn::disconnectLinkStatus()
{
    disconnect(m_linkStatusConnection);
}

int MainWindowConn::currentPage() const
{
    return m_ui.stackedWidgetSetup->currentIndex();
}

void MainWindowConn::showPage(int page)
{
    m_ui.stackedWidgetSetup->setCurrentIndex(page);
    m_ui.listWidgetSetup->setCurrentItem(m_items.at(page));
}

bool MainWindowConn::hasUnsavedEdits(int page) const
{
    const QWidget *widget = m_ui.stackedWidgetSetup->widget(page);
    return widget && UnsavedEdits::anyUnsaved(widget);
}

void MainWindowConn::showUnsavedMarks()
{
    for (int page = 0; page < PageCount; ++page)
        m_items.at(page)->setText(UnsavedEdits::marked(m_captions.at(page), hasUnsavedEdits(page)));
}

bool MainWindowConn::mayDropUnsavedEdits()
{
    QStringList pages;
    for (int page = 0; page < PageCount; ++page) {
        if (hasUnsavedEdits(page))
            pages << m_captions.at(page);
    }
    if (pages.isEmpty())
        return true;
    const QString text = tr("These pages have changes that have not been saved to the pump: "
                            "%1. Discard them?")
                             .arg(pages.join(QStringLiteral(", ")));
    return MyMessageBox::ask(this, text, tr("Discard"), tr("Cancel"), true);
}

void MainWindowConn::closeEvent(QCloseEvent *event)
{
    if (!mayDropUnsavedEdits()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindowConn::setLaunchMode(int mode)
{
    m_launchMode = mode;
    if (mode != 1)
        return;
    if (Communication *link = Communication::current())
        link->setMode(Communication::BootMode);
    m_ui.wgFirmwareUpgrade->setBackupOffered(false);
    for (int page = 0; page < PageCount; ++page) {
        if (page != PageFirmwareUpgrade)
            m_items.at(page)->setFlags(Qt::NoItemFlags);
    }
    showPage(PageFirmwareUpgrade);
}

void MainWindowConn::addDevice(const QString &name, int address, RegisterImage *image)
{
    m_deviceAddresses.append(address);
    m_deviceNames.append(name);
    m_deviceImages.append(image);
    m_linkStatus->addPump(name, address);
    // Pumps are handed over once their read is done; one that did not
    // answer is marked so right after.
    m_linkStatus->setPumpHeard(address, QTime::currentTime());
    m_ui.wgOverview->addDevice(name, address, image);
    m_ui.wgAutoSetup->addDevice(name, address, image);
    m_ui.wgManualControl->addDevice(name, address, image);
    m_ui.wgLiquidStatusSetup->addDevice(name, address, image);
    m_ui.wgSensorStatus->addDevice(name, address, image);
}

void MainWindowConn::retryDevice(int index)
{
    // Refused while any batch runs, as every page's button is.
    if (m_retryIndex >= 0 || !m_retry || !m_retry(index))
        return;
    m_retryIndex = index;
    m_ui.wgAutoSetup->setDeviceRetrying(index, true);
    m_ui.wgManualControl->setDeviceRetrying(index, true);
    m_ui.wgLiquidStatusSetup->setDeviceRetrying(index, true);
    m_ui.wgSensorStatus->setDeviceRetrying(index, true);
}

void MainWindowConn::setDeviceOnline(int index, bool online)
{
    if (index >= 0 && index < m_deviceAddresses.size()) {
        if (online) {
            m_linkStatus->setPumpHeard(m_deviceAddresses.at(index), QTime::currentTime());
        } else {
            m_linkStatus->setPumpSilent(m_deviceAddresses.at(index));
            if (!isVisible())
                m_silentAtLogin.append(m_deviceNames.at(index));
        }
    }
    const bool retried = index == m_retryIndex;
    if (retried)
        m_retryIndex = -1;
    m_ui.wgOverview->setDeviceOnline(index, online);
    m_ui.wgAutoSetup->setDeviceOnline(index, online);
    m_ui.wgManualControl->setDeviceOnline(index, online);
    m_ui.wgLiquidStatusSetup->setDeviceOnline(index, online);
    // Its Read would go to a pump that did not answer, and its lamps would
    // show every sensor normal.
    m_ui.wgSensorStatus->setDeviceOnline(index, online);
    // The outcome of a read the user asked for, as after any page's Read.
    if (retried)
        MyMessageBox::prompt(this, online ? 5 : 6);
}

void MainWindowConn::deviceReadAll(int index, bool answered)
{
    setDeviceOnline(index, answered);
    if (!answered)
        return;
    for (DeviceTabs *tabs : {static_cast<DeviceTabs *>(m_ui.wgAutoSetup),
                             static_cast<DeviceTabs *>(m_ui.wgManualControl),
                             static_cast<DeviceTabs *>(m_ui.wgLiquidStatusSetup),
                             static_cast<DeviceTabs *>(m_ui.wgSensorStatus)}) {
        // Edits the user has not saved are not thrown away unasked.
        if (!tabs->hasUnsavedEdits(index))
            tabs->reloadDevice(index);
    }
}

void MainWindowConn::slaveClocksSet(const QDateTime &moment)
{
    // The master's image took the clock with the request; the slaves' are
    // brought along so that the overview does not warn of what was mended.
    const QVector<int> slaves = TimeTemp::slavesInUse(AppSettings::store());
    const qint64 takenAt = QDateTime::currentMSecsSinceEpoch();
    for (int index = 1; index < m_deviceImages.size(); ++index) {
        if (!slaves.contains(m_deviceAddresses.at(index)) || !m_deviceImages.at(index))
            continue;
        TimeTemp::encodeClock(*m_deviceImages.at(index), moment);
        m_deviceImages.at(index)->clockTakenAtMs = takenAt;
    }
    m_ui.wgOverview->refresh();
}

void MainWindowConn::showWarningCount(int count)
{
    // The firmware-only mode has no pumps to warn of.
    m_warnings->setVisible(m_launchMode != 1);
    m_warnings->setText(count > 0 ? tr("Warnings: %1").arg(count) : tr("No warnings"));
    m_warnings->setIcon(count > 0 ? style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
    m_warnings->setToolTip(tr("Show the overview"));
    layOutStatusBar();
}

void MainWindowConn::showFixedSize(int width, int height)
{
    setFixedSize(width, height);
    m_ui.wgOverview->refresh();
    showWarningCount(m_ui.wgOverview->warningCount());
    layOutStatusBar();
    show();
    if (!m_silentAtLogin.isEmpty()) {
        // Greyed-out tabs alone leave the user guessing why; said once the
        // window is up, after the read-out has handed it over.
        const QString names = m_silentAtLogin.join(QStringLiteral(", "));
        const QString text = m_silentAtLogin.size() == 1
            ? tr("%1 did not answer; its pages are disabled").arg(names)
            : tr("%1 did not answer; their pages are disabled").arg(names);
        m_silentAtLogin.clear();
        QTimer::singleShot(0, this, [this, text] { MyMessageBox::warn(this, text); });
    }
}

void MainWindowConn::layOutStatusBar()
{
    // The bar paints its message under its children: while one shows, the
    // notice steps aside and the link's line starts after the message.
    const QString message = m_ui.statusbar->currentMessage();
    m_statusLabel->setVisible(message.isEmpty());
    const int textEnd = message.isEmpty()
        ? m_statusLabel->x() + m_statusLabel->fontMetrics().horizontalAdvance(m_statusLabel->text())
        : kStatusMessageIndentPx + m_ui.statusbar->fontMetrics().horizontalAdvance(message);
    const int left = textEnd + kStatusGapPx;
    // The bar spans the window, and has its width only once the window is
    // shown; the warning count keeps the right end.
    int right = width() - m_statusLabel->x();
    if (m_warnings->isVisibleTo(this)) {
        const int buttonWidth = m_warnings->sizeHint().width();
        right -= buttonWidth;
        m_warnings->setGeometry(right, m_statusLabel->y(), buttonWidth, m_statusLabel->height());
    }
    m_linkStatus->setGeometry(left, m_statusLabel->y(), qMax(0, right - left),
                              m_statusLabel->height());
}

void MainWindowConn::setQuietConfirmations(bool quiet)
{
    MyMessageBox::setConfirmationBar(quiet ? m_ui.statusbar : nullptr);
}

void MainWindowConn::actionQuietConfirmations()
{
    const bool quiet = m_ui.actionQuietConfirmations->isChecked();
    setQuietConfirmations(quiet);
    AppSettings::store().setValue(QLatin1String(AppSettings::kQuietConfirmations), quiet ? 1 : 0);
}

void MainWindowConn::setPromptsShown(bool shown)
{
    if (shown) {
        m_ui.wgTimeTempSetup->showToolTips();
        m_ui.wgAutoSetup->showToolTips();
        m_ui.wgManualControl->showToolTips();
        m_ui.wgLiquidStatusSetup->showToolTips();
    } else {
        m_ui.wgTimeTempSetup->clearToolTips();
        m_ui.wgAutoSetup->clearToolTips();
        m_ui.wgManualControl->clearToolTips();
        m_ui.wgLiquidStatusSetup->clearToolTips();
    }
    for (int page = 0; page < PageCount; ++page) {
        const int help = kPages[page].helpText;
        m_items.at(page)->setData(Qt::ToolTipRole,
                                  shown && help ? MyMessageBox::helpText(help) : QString());
    }
}

void MainWindowConn::actionDisplayPrompt()
{
    const bool shown = m_ui.actionDisplayPrompt->isChecked();
    setPromptsShown(shown);
    AppSettings::store().setValue(QLatin1String(AppSettings::kDisplayPrompt), shown ? 1 : 0);
}

void MainWindowConn::listWidgetSetupItemClicked(QListWidgetItem *item)
{
    if (m_launchMode == 1) {
        m_ui.listWidgetSetup->setCurrentItem(m_items.at(PageFirmwareUpgrade));
        return;
    }
    const int page = m_items.indexOf(item);
    if (page < 0)
        return;
    if (Communication *link = Communication::current())
        link->setMode(page == PageFirmwareUpgrade ? Communication::BootMode
                                                  : Communication::ModbusMode);
    m_ui.stackedWidgetSetup->setCurrentIndex(page);
}

void MainWindowConn::parameterUpdate()
{
    RegisterImage *working = RegisterImage::working();
    if (!working)
        return;
    QuickSetup::copyWrittenRanges(*RegisterImage::shared(), *working);
    m_ui.wgAutoSetup->parameterUpdate();
}

void MainWindowConn::connectStatusSlot(int state)
{
    if (state != Communication::kConnectedState)
        MyMessageBox::prompt(this, 11);
}

namespace {

// The pumps a backup or restore can reach: those that answered.
QVector<DialogSetupFile::Pump> reachablePumps(const QStringList &names,
                                              const QVector<int> &addresses, const DeviceTabs &tabs)
{
    QVector<DialogSetupFile::Pump> pumps;
    for (int i = 0; i < names.size() && i < addresses.size(); ++i) {
        if (tabs.isDeviceOnline(i))
            pumps.append({names.at(i), addresses.at(i)});
    }
    return pumps;
}

} // namespace

void MainWindowConn::actionBackupSetupFile()
{
    DialogSetupFile dialog(DialogSetupFile::Mode::Backup,
                           reachablePumps(m_deviceNames, m_deviceAddresses, *m_ui.wgAutoSetup),
                           this);
    dialog.exec();
}

void MainWindowConn::actionRestoreSetupFile()
{
    DialogSetupFile dialog(DialogSetupFile::Mode::Restore,
                           reachablePumps(m_deviceNames, m_deviceAddresses, *m_ui.wgAutoSetup),
                           this);
    connect(&dialog, &DialogSetupFile::restored, this, [this, &dialog](int address) {
        const int index = m_deviceAddresses.indexOf(address);
        if (index < 0 || !m_deviceImages.at(index))
            return;
        // The pages show the pump as it now is; edits made against what it
        // held before no longer apply.
        m_deviceImages.at(index)->copyReadRangesFrom(dialog.readBack());
        m_deviceImages.at(index)->clockTakenAtMs = QDateTime::currentMSecsSinceEpoch();
        for (DeviceTabs *tabs : {static_cast<DeviceTabs *>(m_ui.wgAutoSetup),
                                 static_cast<DeviceTabs *>(m_ui.wgManualControl),
                                 static_cast<DeviceTabs *>(m_ui.wgLiquidStatusSetup),
                                 static_cast<DeviceTabs *>(m_ui.wgSensorStatus)})
            tabs->reloadDevice(index);
        // The file's channel names came with it.
        reloadPumpNames();
        if (index == 0) {
            for (UnsavedEdits *edits : m_ui.wgTimeTempSetup->findChildren<UnsavedEdits *>())
                edits->discard();
        }
        showUnsavedMarks();
    });
    dialog.exec();
}

void MainWindowConn::actionQuit()
{
    if (mayDropUnsavedEdits())
        QApplication::exit(0);
}

void MainWindowConn::actionAbout()
{
    DialogAbout dialog(this);
    dialog.exec();
}

void MainWindowConn::actionPasswordSetup()
{
    DialogPassword dialog(this);
    dialog.exec();
}

int MainWindowConn::shownDevice() const
{
    const QWidget *page = m_ui.stackedWidgetSetup->currentWidget();
    const DeviceTabs *tabs = page ? page->findChild<DeviceTabs *>() : nullptr;
    return tabs ? qMax(0, tabs->currentDevice()) : 0;
}

void MainWindowConn::reloadPumpNames()
{
    // A slave without names of its own shows the master's, so every pump's
    // pages look again, whichever pump was renamed.
    for (DeviceTabs *tabs : std::initializer_list<DeviceTabs *> {
             m_ui.wgAutoSetup, m_ui.wgManualControl, m_ui.wgLiquidStatusSetup})
        tabs->reloadPumpNames();
    m_ui.wgOverview->refresh();
}

void MainWindowConn::actionPumpName()
{
    // Before the read-out hands over a pump there are no tabs: the master's.
    const int device = shownDevice();
    DialogPumpName dialog(m_deviceAddresses.value(device, PumpNames::kMasterAddress),
                          m_deviceNames.value(device), this);
    if (dialog.exec() == QDialog::Accepted)
        reloadPumpNames();
}

void MainWindowConn::actionChemicalInterval()
{
    DialogChemicalInter dialog(this);
    dialog.exec();
    m_ui.wgOverview->refresh();
}

void MainWindowConn::actionIpPortSetup()
{
    disconnectLinkStatus();
    {
        DialogIpPort dialog(this);
        dialog.exec();
        if (dialog.hasDialled())
            m_linkStatus->setBridge(dialog.dialledHost(), dialog.dialledPort());
    }
    connectLinkStatus();
}

void MainWindowConn::actionRestoreSetup()
{
    if (!BatchStart::isIdle())
        return;
    // Return answers Cancel: the restore overwrites the pump's programme.
    if (!MyMessageBox::ask(this, MyMessageBox::helpText(19), tr("Okey"), tr("Cancel"), true))
        return;
    // The batch above asked while idle, but a modal question gives other
    // pages no chance to start one; check again all the same.
    if (!BatchStart::isIdle())
        return;

    RegisterImage &image = *RegisterImage::shared();
    // Registers outside the factory table go back to the master as the
    // master last reported them, never with another pump's values.
    if (RegisterImage *master = RegisterImage::working())
        FactoryRestore::copyWrittenRanges(*master, image);
    FactoryRestore::applyFactoryValues(image);
    queueRestoreStep(RestoreStep::Writing, FactoryRestore::writeCommands());
}

void MainWindowConn::queueRestoreStep(RestoreStep step, const QStringList &commands)
{
    m_restoreStep = step;
    BatchStart::queue(commands, this);
    Q_EMIT transmission();
}

void MainWindowConn::operateSuccess()
{
    const RestoreStep finished = m_restoreStep;
    m_restoreStep = RestoreStep::None;
    if (finished == RestoreStep::Writing) {
        // The queue has just gone idle and nothing else runs before this
        // returns: the commit follows the writes at once, its coils now at 1.
        FactoryRestore::stageCommit(*RegisterImage::shared());
        queueRestoreStep(RestoreStep::Committing, FactoryRestore::commitCommands());
        return;
    }
    if (finished == RestoreStep::Committing) {
        // The settings are reset only once the pump has taken the restore,
        // so a failed restore leaves the PC side as it was.
        AppSettings::factoryReset(AppSettings::store());
        MyMessageBox::prompt(this, 22);
        QApplication::exit(kRestartCode);
    }
}

void MainWindowConn::operateFailure(int status)
{
    Q_UNUSED(status)
    if (m_restoreStep != RestoreStep::None)
        MyMessageBox::prompt(this, 4);
    m_restoreStep = RestoreStep::None;
}

void MainWindowConn::checkLanguageAction(int code)
{
    m_ui.languageChinese->setChecked(code == Language::kChinese);
    m_ui.languageEnglish->setChecked(code == Language::kEnglish);
    m_ui.languageFrench->setChecked(code == Language::kFrench);
    m_ui.languageGerman->setChecked(code == Language::kGerman);
}

void MainWindowConn::switchLanguage(int code)
{
    m_languageSwitched = true;
    Language::install(code);
    checkLanguageAction(code);
    AppSettings::store().setValue(QLatin1String(AppSettings::kLanguage), code);
}

void MainWindowConn::languageEnglish()
{
    switchLanguage(Language::kEnglish);
}

void MainWindowConn::languageChinese()
{
    switchLanguage(Language::kChinese);
}

void MainWindowConn::languageFrench()
{
    switchLanguage(Language::kFrench);
}

void MainWindowConn::languageGerman()
{
    switchLanguage(Language::kGerman);
}

void MainWindowConn::changeEvent(QEvent *event)
{
    // Only a switch made here asks to restart; removing and installing the
    // translator may deliver more than one change event.
    if (event->type() == QEvent::LanguageChange && m_languageSwitched) {
        m_languageSwitched = false;
        // The restart builds the window anew; declining to drop the edits
        // is a "Restart Later".
        if (MyMessageBox::ask(this, MyMessageBox::helpText(21), tr("Restart Now"),
                              tr("Restart Later")) &&
            mayDropUnsavedEdits())
            QApplication::exit(kRestartCode);
    }
    QMainWindow::changeEvent(event);
}
