#include "FirmwareUpgrade.h"

#include "BootProtocol.h"
#include "CommSend.h"
#include "MyMessageBox.h"

#include <QEvent>
#include <QFileDialog>
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
        connect(queue, &CommSend::upgradeReturnAcction, this,
                &FirmwareUpgrade::upgradeReturnAcction, Qt::QueuedConnection);
        connect(queue, &CommSend::upgradeReturnProgress, this,
                &FirmwareUpgrade::upgradeReturnProgress, Qt::QueuedConnection);
    }
    showState(State::Ready);
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
    if (!queue || !queue->claimForUpgrade())
        return false;
    Q_EMIT upgradeAction(Boot::stepAction(step));
    return true;
}

void FirmwareUpgrade::btnSelectFile_Clicked()
{
    if (m_state != State::Ready)
        return;
    const QString path = g_fileChooser
        ? g_fileChooser(this)
        : QFileDialog::getOpenFileName(this, tr("Open Binary File"), QStringLiteral("."),
                                       tr("Binary File(*.bin)"));
    m_ui.leFilePath->setText(path);
    if (path.isEmpty())
        return;
    m_path = path;
    if (m_file.isOpen())
        m_file.close();
    m_file.setFileName(path);
    QByteArray image;
    if (m_file.open(QIODevice::ReadOnly))
        image = m_file.readAll();
    CommSend *queue = CommSend::instance();
    // Upgrading with nothing would erase the pump's application and leave
    // it unable to dose.
    if (image.isEmpty() || !queue) {
        appendLog(
            tr("The file %1 is empty or cannot be read. Please choose a firmware file.").arg(path));
        showState(State::Ready);
        return;
    }
    queue->setFirmware(image);
    m_ui.pbProgress->setRange(0, queue->blockCount());
    m_ui.pbProgress->setValue(0);
    showState(State::FileLoaded);
}

void FirmwareUpgrade::btnConnect_Clicked()
{
    if (m_state != State::FileLoaded || !requestStep(Boot::UpgradeStep::Connect))
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

void FirmwareUpgrade::upgradeReturnAcction(int code)
{
    switch (code) {
    case Boot::ResultConnected:
        appendLog(tr("Application connect successfully"));
        // A pump switched into its boot loader answers here too; with a
        // file chosen the upgrade goes on from there.
        if (m_state == State::FileLoaded)
            showState(State::Running);
        if (m_state == State::Running && !requestStep(Boot::UpgradeStep::Erase))
            finish(tr("Operate Failed"));
        break;
    case Boot::ResultErased:
        appendLog(tr("Erase Application successfully"));
        if (m_state == State::Running && !requestStep(Boot::UpgradeStep::Download))
            finish(tr("Operate Failed"));
        break;
    case Boot::ResultDownloaded:
        appendLog(tr("Application Download successfully"));
        if (CommSend *queue = CommSend::instance())
            m_ui.pbProgress->setValue(queue->blockCount());
        if (m_state == State::Running)
            btnVerify_Clicked();
        break;
    case Boot::ResultDownloadFailed:
        finish(tr("Application Download failed"));
        break;
    case Boot::ResultVerified:
        finish(tr("Application Verify successfully"));
        break;
    case Boot::ResultVerifyFailed:
        finish(tr("Application Verify failed"));
        break;
    case Boot::ResultCommandFailed:
        finish(tr("Operate Failed"));
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
        finish(tr("Operate Failed"));
}

void FirmwareUpgrade::btnClear_Clicked()
{
    m_ui.textBrowserLog->clear();
}

void FirmwareUpgrade::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui.retranslateUi(this);
    QWidget::changeEvent(event);
}
