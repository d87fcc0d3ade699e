#include "FirmwareUpgrade.h"

#include "AppSettings.h"
#include "BootProtocol.h"
#include "CommSend.h"
#include "Communication.h"
#include "DialogSetupFile.h"
#include "MyMessageBox.h"

#include <QDebug>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QTextCursor>

namespace {
FirmwareUpgrade::FileChooser g_fileChooser;
} // namespace

void FirmwareUpgrade::setFileChooser(FileChooser chooser)
{
    g_fileChooser = std::move(chooser);
}

FirmwareUpgrade::FirmwareUpgrade(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    m_ui.pbProgress->setRange(0, 100);
    m_ui.pbProgress->setValue(0);

    connect(m_ui.btnSelectFile, &QPushButton::clicked, this,
            &FirmwareUpgrade::btnSelectFile_Clicked);
    connect(m_ui.btnConnect, &QPushButton::clicked, this, &FirmwareUpgrade::btnConnect_Clicked);
    connect(m_ui.cbEraseAll, &QCheckBox::stateChanged, this,
            &FirmwareUpgrade::cbEraseAll_StateChanged);
    if (CommSend *queue = CommSend::instance()) {
        connect(this, &FirmwareUpgrade::upgradeAction, queue, &CommSend::upgradeAction,
                Qt::QueuedConnection);
        // Queued both, from the same thread: the failure arrives before the
        // result it explains.
        connect(queue, &CommSend::upgradeReturnFailure, this,
                &FirmwareUpgrade::upgradeReturnFailure, Qt::QueuedConnection);
        connect(queue, &CommSend::upgradeReturnAcction, this,
                &FirmwareUpgrade::upgradeReturnAcction, Qt::QueuedConnection);
        connect(queue, &CommSend::upgradeReturnProgress, this,
                &FirmwareUpgrade::upgradeReturnProgress, Qt::QueuedConnection);
    }
    showState(State::Ready);
    showVersions();
}

void FirmwareUpgrade::showVersions()
{
    const QSettings &settings = AppSettings::store();
    const QString application =
        settings.value(QLatin1String(AppSettings::kFirmwareAppVersion)).toString();
    const QString boot = settings.value(QLatin1String(AppSettings::kFirmwareVersion)).toString();
    m_ui.lbFirmwareAppVersion->setText(application.isEmpty() ? tr("Application version not read")
                                                             : application);
    m_ui.lbFirmwareVersion->setText(boot.isEmpty() ? tr("Boot version not read") : boot);
}

void FirmwareUpgrade::showToolTips()
{
    m_ui.btnConnect->setToolTip(MyMessageBox::helpText(32));
    m_ui.btnSelectFile->setToolTip(MyMessageBox::helpText(31));
    m_ui.cbEraseAll->setToolTip(MyMessageBox::helpText(30));
}

void FirmwareUpgrade::clearToolTips()
{
    m_ui.btnConnect->setToolTip(QString());
    m_ui.btnSelectFile->setToolTip(QString());
    m_ui.cbEraseAll->setToolTip(QString());
}

void FirmwareUpgrade::showState(State state)
{
    m_state = state;
    switch (state) {
    case State::Ready:
        m_ui.btnSelectFile->setEnabled(true);
        m_ui.btnConnect->setEnabled(false);
        m_ui.cbEraseAll->setEnabled(true);
        break;
    case State::FileLoaded:
        m_ui.btnSelectFile->setEnabled(false);
        m_ui.btnConnect->setEnabled(true);
        break;
    case State::Failed:
        m_ui.btnSelectFile->setEnabled(true);
        m_ui.btnConnect->setEnabled(true);
        m_ui.cbEraseAll->setEnabled(true);
        break;
    case State::Running:
        m_ui.btnSelectFile->setEnabled(false);
        m_ui.btnConnect->setEnabled(false);
        m_ui.cbEraseAll->setEnabled(false);
        break;
    }
}

void FirmwareUpgrade::appendLog(const QString &line)
{
    m_ui.textBrowserLog->moveCursor(QTextCursor::End);
    m_ui.textBrowserLog->insertPlainText(line + QStringLiteral("\n"));
    m_ui.textBrowserLog->moveCursor(QTextCursor::End);
}

bool FirmwareUpgrade::requestStep(Boot::UpgradeStep step)
{
    CommSend *queue = CommSend::instance();
    if (!queue || !queue->claimForUpgrade()) {
        // The steps and the failure's steps share their order.
        m_failure.step = static_cast<Boot::Failure::Step>(Boot::stepAction(step));
        m_failure.reason = Boot::Failure::Reason::LinkBusy;
        return false;
    }
    Q_EMIT upgradeAction(Boot::stepAction(step));
    return true;
}

void FirmwareUpgrade::btnSelectFile_Clicked()
{
    if (m_state != State::Ready && m_state != State::Failed)
        return;
    const QString path = g_fileChooser
        ? g_fileChooser(this)
        : QFileDialog::getOpenFileName(this, tr("Open Binary File"), QStringLiteral("."),
                                       tr("Binary File(*.bin)"));
    if (path.isEmpty()) {
        // After a failure the file is kept for another try; the path stays.
        m_ui.leFilePath->setText(m_state == State::Failed ? m_path : QString());
        return;
    }
    m_ui.leFilePath->setText(path);
    m_path = path;
    if (m_file.isOpen())
        m_file.close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        refuseFile(tr("The file %1 cannot be read: %2").arg(path, m_file.errorString()));
        return;
    }
    const QByteArray image = m_file.readAll();
    CommSend *queue = CommSend::instance();
    // Upgrading with nothing would erase the pump's application and leave
    // it unable to dose.
    if (image.isEmpty()) {
        refuseFile(tr("The file %1 is empty. Please choose a firmware file.").arg(path));
        return;
    }
    if (!queue || !queue->isIdle()) {
        refuseFile(tr("The connection is busy. Please choose the file again in a moment."));
        return;
    }
    queue->setFirmware(image);
    m_ui.pbProgress->setRange(0, queue->blockCount());
    m_ui.pbProgress->setValue(0);
    showState(State::FileLoaded);
}

void FirmwareUpgrade::refuseFile(const QString &message)
{
    qWarning().noquote() << "firmware file refused:" << message;
    m_path.clear();
    appendLog(message);
    showState(State::Ready);
    MyMessageBox::warn(this, message);
}

bool FirmwareUpgrade::confirmUpgrade()
{
    const CommSend *queue = CommSend::instance();
    if (!queue)
        return false;
    const QString question = tr("Upgrade the master pump with the firmware file %1?\n\n"
                                "Size: %2 bytes, sent as %3 blocks of 128 bytes.")
                                 .arg(QFileInfo(m_path).fileName())
                                 .arg(queue->imageSize())
                                 .arg(queue->blockCount());
    if (!MyMessageBox::ask(this, question, tr("Upgrade"), tr("Cancel")))
        return false;
    if (!m_ui.cbEraseAll->isChecked())
        return true;
    // Cancel is the default: the settings cannot be brought back.
    if (!MyMessageBox::ask(this,
                           tr("\"Erase Setup Information\" is ticked: the upgrade also erases "
                              "every setting stored in the master pump.\n\n"
                              "Erase the settings of the master pump?"),
                           tr("Erase"), tr("Cancel"), true))
        return false;
    return offerBackup();
}

bool FirmwareUpgrade::offerBackup()
{
    if (!m_backupOffered ||
        !MyMessageBox::ask(this,
                           tr("Save the master's settings in a setup file before the upgrade "
                              "erases them? Restore Setup in the File menu brings them back."),
                           tr("Backup..."), tr("Skip")))
        return true;
    // The master still runs its application and answers Modbus, not the
    // boot loader's protocol that this page has switched the link to.
    Communication *link = Communication::current();
    if (link)
        link->setMode(Communication::ModbusMode);
    DialogSetupFile dialog(DialogSetupFile::Mode::Backup,
                           {{tr("Master"), SetupRestore::kMasterAddress}}, this);
    dialog.exec();
    if (link)
        link->setMode(Communication::BootMode);
    if (dialog.saved())
        return true;
    return MyMessageBox::ask(this,
                             tr("No backup was saved. Erase the settings of the master pump "
                                "all the same?"),
                             tr("Erase"), tr("Cancel"), true);
}

void FirmwareUpgrade::btnConnect_Clicked()
{
    if (m_state != State::FileLoaded && m_state != State::Failed)
        return;
    CommSend *queue = CommSend::instance();
    if (!queue || !queue->isIdle() || !confirmUpgrade())
        return;
    m_switchTried = false;
    m_failure = Boot::Failure();
    if (!requestStep(Boot::UpgradeStep::Connect))
        return;
    m_ui.textBrowserLog->clear();
    showState(State::Running);
}

void FirmwareUpgrade::cbEraseAll_StateChanged(int state)
{
    CommSend *queue = CommSend::instance();
    if (state == Qt::Checked) {
        if (queue)
            queue->setEraseAll(true);
        MyMessageBox::prompt(this, 28);
    } else if (state == Qt::Unchecked) {
        if (queue)
            queue->setEraseAll(false);
    }
}

void FirmwareUpgrade::upgradeReturnProgress(int block)
{
    m_ui.pbProgress->setValue(block);
}

void FirmwareUpgrade::finish(const QString &line)
{
    appendLog(line);
    showState(State::Ready);
}

void FirmwareUpgrade::upgradeReturnFailure(const Boot::Failure &failure)
{
    m_failure = failure;
}

void FirmwareUpgrade::fail(const QString &line)
{
    const QString reason = failureText(m_failure);
    m_failure = Boot::Failure();
    appendLog(line);
    appendLog(reason);
    qWarning().noquote() << "firmware upgrade:" << line << "-" << reason;
    const CommSend *queue = CommSend::instance();
    const bool fileKept = !m_path.isEmpty() && queue && queue->blockCount() > 0;
    showState(fileKept ? State::Failed : State::Ready);
    QString message = reason;
    if (fileKept)
        message +=
            QStringLiteral("\n\n") + tr("The file stays chosen: press Upgrade to try again.");
    MyMessageBox::warn(this, message);
}

QString FirmwareUpgrade::failureText(const Boot::Failure &failure) const
{
    using Reason = Boot::Failure::Reason;
    using Step = Boot::Failure::Step;
    QString step;
    switch (failure.step) {
    case Step::SwitchToBoot:
        step = tr("Switch into the boot loader");
        break;
    case Step::Connect:
        step = tr("Connect");
        break;
    case Step::Erase:
        step = tr("Erase");
        break;
    case Step::Download:
        step = tr("Download");
        break;
    case Step::Verify:
        step = tr("Verify");
        break;
    case Step::StartApplication:
        step = tr("Start the application");
        break;
    }
    const int answered = failure.attempts - failure.refusals;
    QString reason;
    switch (failure.reason) {
    case Reason::None:
        reason = tr("no reason was reported");
        break;
    case Reason::NoAnswer:
        reason = failure.attempts > 1
            ? tr("the pump did not answer (%1 attempts)").arg(failure.attempts)
            : tr("the pump did not answer");
        break;
    case Reason::Refused:
        reason = tr("the pump refused the command (%1 attempts)").arg(failure.attempts);
        break;
    case Reason::NotBootLoader:
        reason = tr("the pump did not start its boot loader");
        break;
    case Reason::BlockFailed:
        if (answered == 0)
            reason = tr("block %1 was refused %2 times").arg(failure.block).arg(failure.refusals);
        else if (failure.refusals == 0)
            reason = tr("block %1 was not acknowledged (%2 attempts)")
                         .arg(failure.block)
                         .arg(failure.attempts);
        else
            reason = tr("block %1 was refused %2 times and not acknowledged %3 times")
                         .arg(failure.block)
                         .arg(failure.refusals)
                         .arg(answered);
        break;
    case Reason::ReadBlockFailed:
        if (answered == 0)
            reason =
                tr("block %1 came back damaged %2 times").arg(failure.block).arg(failure.refusals);
        else if (failure.refusals == 0)
            reason = tr("block %1 did not come back (%2 attempts)")
                         .arg(failure.block)
                         .arg(failure.attempts);
        else
            reason = tr("block %1 came back damaged %2 times and did not come %3 times")
                         .arg(failure.block)
                         .arg(failure.refusals)
                         .arg(answered);
        break;
    case Reason::Mismatch:
        reason = tr("verification mismatch at block %1").arg(failure.block);
        break;
    case Reason::NoImage:
        reason = tr("no firmware file is loaded");
        break;
    case Reason::LinkBusy:
        reason = tr("the connection is busy or down");
        break;
    case Reason::LinkLost:
        reason = tr("the connection to the pump was lost");
        break;
    }
    return tr("%1 failed: %2.").arg(step, reason);
}

bool FirmwareUpgrade::switchIntoBootLoader()
{
    if (m_state != State::Running || m_switchTried ||
        m_failure.step != Boot::Failure::Step::Connect ||
        m_failure.reason != Boot::Failure::Reason::NoAnswer)
        return false;
    m_switchTried = true;
    if (!MyMessageBox::ask(this,
                           tr("The master pump does not answer as a boot loader: it is probably "
                              "running its application.\n\n"
                              "Restart it into its boot loader now and go on with the upgrade?"),
                           tr("Restart"), tr("Cancel")))
        return false;
    appendLog(failureText(m_failure));
    m_failure = Boot::Failure();
    appendLog(tr("Restarting the master pump into its boot loader"));
    return requestStep(Boot::UpgradeStep::SwitchToBoot);
}

void FirmwareUpgrade::upgradeReturnAcction(int code)
{
    switch (code) {
    case Boot::ResultConnected:
        appendLog(tr("Application connect successfully"));
        // A pump switched into its boot loader answers here too; with a
        // file chosen the upgrade goes on from there.
        if (m_state == State::FileLoaded || m_state == State::Failed)
            showState(State::Running);
        if (m_state == State::Running && !requestStep(Boot::UpgradeStep::Erase))
            fail(tr("Operate Failed"));
        break;
    case Boot::ResultErased:
        appendLog(tr("Erase Application successfully"));
        if (m_state == State::Running && !requestStep(Boot::UpgradeStep::Download))
            fail(tr("Operate Failed"));
        break;
    case Boot::ResultDownloaded:
        appendLog(tr("Application Download successfully"));
        if (CommSend *queue = CommSend::instance())
            m_ui.pbProgress->setValue(queue->blockCount());
        if (m_state == State::Running)
            btnVerify_Clicked();
        break;
    case Boot::ResultDownloadFailed:
        fail(tr("Application Download failed"));
        break;
    case Boot::ResultVerified:
        finish(tr("Application Verify successfully"));
        break;
    case Boot::ResultVerifyFailed:
        fail(tr("Application Verify failed"));
        break;
    case Boot::ResultCommandFailed:
        if (!switchIntoBootLoader())
            fail(tr("Operate Failed"));
        break;
    default:
        break;
    }
}

void FirmwareUpgrade::btnUpgrade_Clicked()
{
    requestStep(Boot::UpgradeStep::SwitchToBoot);
}

void FirmwareUpgrade::btnErase_Clicked()
{
    requestStep(Boot::UpgradeStep::Erase);
}

void FirmwareUpgrade::btnPromgram_Clicked()
{
    requestStep(Boot::UpgradeStep::Download);
}

void FirmwareUpgrade::btnVerify_Clicked()
{
    CommSend *queue = CommSend::instance();
    if (!queue)
        return;
    m_ui.pbProgress->setRange(0, queue->blockCount());
    m_ui.pbProgress->setValue(0);
    if (!requestStep(Boot::UpgradeStep::Verify) && m_state == State::Running)
        fail(tr("Operate Failed"));
}

void FirmwareUpgrade::btnClear_Clicked()
{
    m_ui.textBrowserLog->clear();
}

void FirmwareUpgrade::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui.retranslateUi(this);
        showVersions();
    }
    QWidget::changeEvent(event);
}

void FirmwareUpgrade::showEvent(QShowEvent *event)
{
    // The read after a login stores the versions; show the latest.
    showVersions();
    QWidget::showEvent(event);
}
