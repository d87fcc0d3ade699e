#include "DialogSetupFile.h"

#include "AppSettings.h"
#include "BatchStart.h"
#include "DialogWaiting.h"
#include "FirmwareVersions.h"
#include "MyMessageBox.h"
#include "SetupDiff.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

DialogSetupFile::DialogSetupFile(Mode mode, const QVector<Pump> &pumps, QWidget *parent)
    : QDialog(parent)
    , m_mode(mode)
    , m_pumps(pumps)
    , m_waiting(new DialogWaiting(this))
{
    m_ui.setupUi(this);
    const bool restore = mode == Mode::Restore;
    setWindowTitle(restore ? tr("Restore Setup") : tr("Backup Setup"));
    m_ui.btnStart->setText(restore ? tr("Restore") : tr("Backup"));
    m_ui.btnCompare->setVisible(restore);
    m_ui.tbChanges->setVisible(restore);
    m_ui.btnStart->setEnabled(!restore);
    if (!restore)
        resize(width(), minimumSizeHint().height());
    for (const Pump &pump : pumps)
        m_ui.combPump->addItem(pump.name, pump.address);
    m_ui.pbProgress->setRange(0, 1);
    m_ui.pbProgress->setValue(0);

    connect(m_ui.btnBrowse, &QPushButton::clicked, this, &DialogSetupFile::browse);
    connect(m_ui.btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui.btnCompare, &QPushButton::clicked, this, &DialogSetupFile::compare);
    connect(m_ui.btnStart, &QPushButton::clicked, this,
            restore ? &DialogSetupFile::startRestore : &DialogSetupFile::startBackup);
    // What was compared belongs to one pump and one file.
    const auto forgetComparison = [this] {
        m_compared = false;
        if (m_mode == Mode::Restore)
            m_ui.btnStart->setEnabled(false);
    };
    connect(m_ui.combPump, qOverload<int>(&QComboBox::currentIndexChanged), this, forgetComparison);
    connect(m_ui.leFile, &QLineEdit::textEdited, this, forgetComparison);
    connect(&m_transfer, &SetupTransfer::progress, this, &DialogSetupFile::showProgress);
    connect(&m_transfer, &SetupTransfer::readFinished, this,
            [this](bool ok) { m_mode == Mode::Backup ? backupRead(ok) : targetRead(ok); });
    connect(&m_transfer, &SetupTransfer::restoreFinished, this, &DialogSetupFile::restoreFinished);
}

void DialogSetupFile::choosePump(int address)
{
    const int index = m_ui.combPump->findData(address);
    if (index >= 0)
        m_ui.combPump->setCurrentIndex(index);
}

DialogSetupFile::Pump DialogSetupFile::chosenPump() const
{
    return m_pumps.value(m_ui.combPump->currentIndex());
}

QString DialogSetupFile::filePath() const
{
    QString path = m_ui.leFile->text().trimmed();
    if (!path.isEmpty() && m_mode == Mode::Backup &&
        !path.endsWith(QLatin1String(SetupFile::kFileSuffix)))
        path += QLatin1String(SetupFile::kFileSuffix);
    return path;
}

void DialogSetupFile::browse()
{
    const QString filter = tr("Tidewell setup (*.tidewell.json)");
    QString path;
    if (m_mode == Mode::Backup) {
        const QString suggested = QDir::home().filePath(QStringLiteral("%1-%2%3").arg(
            chosenPump().name,
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm")),
            QLatin1String(SetupFile::kFileSuffix)));
        path = QFileDialog::getSaveFileName(this, tr("Backup Setup"), suggested, filter);
    } else {
        path = QFileDialog::getOpenFileName(this, tr("Restore Setup"), QDir::homePath(), filter);
    }
    if (path.isEmpty())
        return;
    m_ui.leFile->setText(path);
    Q_EMIT m_ui.leFile->textEdited(path);
}

void DialogSetupFile::setBusy(bool busy)
{
    for (QWidget *widget :
         {static_cast<QWidget *>(m_ui.combPump), static_cast<QWidget *>(m_ui.leFile),
          static_cast<QWidget *>(m_ui.btnBrowse), static_cast<QWidget *>(m_ui.btnCompare),
          static_cast<QWidget *>(m_ui.btnClose)})
        widget->setEnabled(!busy);
    m_ui.btnStart->setEnabled(!busy && (m_mode == Mode::Backup || m_compared));
    if (busy)
        m_waiting->exec();
    else
        m_waiting->close();
}

void DialogSetupFile::showResult(const QString &text)
{
    m_ui.lbResult->setText(text);
}

void DialogSetupFile::showProgress(int done, int inAll)
{
    m_ui.pbProgress->setRange(0, inAll);
    m_ui.pbProgress->setValue(done);
}

void DialogSetupFile::startBackup()
{
    if (filePath().isEmpty()) {
        MyMessageBox::warn(this, tr("Choose a file to save the setup in."));
        m_ui.leFile->setFocus();
        return;
    }
    const Pump pump = chosenPump();
    if (!m_transfer.startBackup(
            pump.address,
            SetupFile::readPcSettings(AppSettings::store(), pump.address, pump.name))) {
        MyMessageBox::warn(this,
                           tr("The pumps are busy; try again when the current "
                              "operation has finished."));
        return;
    }
    showResult(tr("Reading %1...").arg(pump.name));
    showProgress(0, m_transfer.requestsInAll());
    setBusy(true);
}

void DialogSetupFile::backupRead(bool ok)
{
    setBusy(false);
    const Pump pump = chosenPump();
    if (!ok) {
        showResult(QString());
        MyMessageBox::warn(this, tr("%1 did not answer; no file was written.").arg(pump.name));
        return;
    }
    QString error;
    const QString path = filePath();
    if (!SetupFile::save(m_transfer.setup(), path, &error)) {
        showResult(QString());
        MyMessageBox::warn(this, tr("The file %1 could not be written: %2").arg(path, error));
        return;
    }
    m_ui.leFile->setText(path);
    m_saved = true;
    showResult(
        tr("The setup of %1 is saved in %2.").arg(pump.name, QDir::toNativeSeparators(path)));
}

void DialogSetupFile::compare()
{
    const SetupFile::Parsed parsed = SetupFile::load(filePath());
    if (!parsed.setup) {
        MyMessageBox::warn(this, parsed.error);
        return;
    }
    m_file = *parsed.setup;
    m_compared = false;
    if (!m_transfer.startRestoreRead(m_file, chosenPump().address)) {
        MyMessageBox::warn(this,
                           tr("The pumps are busy; try again when the current "
                              "operation has finished."));
        return;
    }
    m_ui.tbChanges->clear();
    showResult(tr("Reading %1...").arg(chosenPump().name));
    showProgress(0, m_transfer.requestsInAll());
    setBusy(true);
}

bool DialogSetupFile::acceptOrigin()
{
    const Pump pump = chosenPump();
    if (m_file.address != pump.address &&
        !MyMessageBox::ask(this,
                           tr("This file was saved from the pump at address %1; %2 is at "
                              "address %3. Restore it to %2 all the same?")
                               .arg(m_file.address)
                               .arg(pump.name)
                               .arg(pump.address),
                           tr("Continue"), tr("Cancel"), true))
        return false;
    const RegisterImage &target = m_transfer.targetImage();
    const QString appVersion = FirmwareVersions::appVersion(target);
    const QString build = FirmwareVersions::build(target);
    if ((m_file.appVersion != appVersion || m_file.firmwareVersion != build) &&
        !MyMessageBox::ask(
            this,
            tr("This file was saved under firmware %1 (build %2); %3 runs "
               "firmware %4 (build %5). Restore it all the same?")
                .arg(m_file.appVersion, m_file.firmwareVersion, pump.name, appVersion, build),
            tr("Continue"), tr("Cancel"), true))
        return false;
    return true;
}

void DialogSetupFile::targetRead(bool ok)
{
    setBusy(false);
    if (!ok) {
        showResult(QString());
        MyMessageBox::warn(this,
                           tr("%1 did not answer; nothing was written.").arg(chosenPump().name));
        return;
    }
    if (!acceptOrigin()) {
        showResult(tr("Nothing was written."));
        return;
    }
    showChanges();
}

void DialogSetupFile::showChanges()
{
    const Pump pump = chosenPump();
    const QVector<SetupDiff::Section> sections = SetupDiff::differences(
        m_transfer.targetImage(), m_transfer.fileImage(), pump.address,
        SetupFile::readPcSettings(AppSettings::store(), pump.address, pump.name), m_file.pc);
    // Side by side: each setting as the pump has it now and as the file has it.
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
                                  "<tr><th></th><th align=\"left\">%1</th>"
                                  "<th align=\"left\">%2</th></tr>")
                       .arg(escaped(tr("Now")), escaped(tr("From the file")));
    for (const SetupDiff::Section &section : sections) {
        html +=
            QStringLiteral("<tr><td colspan=\"3\"><b>%1</b></td></tr>").arg(escaped(section.title));
        for (const SetupDiff::Change &change : section.changes)
            html += QStringLiteral("<tr><td>&nbsp;&nbsp;%1</td><td>%2</td><td>%3</td></tr>")
                        .arg(escaped(change.what), escaped(change.now), escaped(change.after));
    }
    html += QStringLiteral("</table>");
    if (sections.isEmpty()) {
        m_ui.tbChanges->setPlainText(tr("Nothing to change"));
        showResult(tr("%1 already holds the setup of this file.").arg(pump.name));
        return;
    }
    m_ui.tbChanges->setHtml(html);
    m_compared = true;
    m_ui.btnStart->setEnabled(true);
    showResult(tr("Press Restore to write these changes to %1.").arg(pump.name));
}

void DialogSetupFile::startRestore()
{
    if (!m_compared)
        return;
    if (!m_transfer.startRestoreWrites()) {
        MyMessageBox::warn(this,
                           tr("The pumps are busy; try again when the current "
                              "operation has finished."));
        return;
    }
    // The names and reagents go with the pump's settings they describe: to
    // the pump restored, whichever pump the file came from.
    SetupFile::writePcSettings(m_file.pc, AppSettings::store(), chosenPump().address);
    m_compared = false;
    showProgress(0, m_transfer.requestsInAll());
    showResult(tr("Writing to %1...").arg(chosenPump().name));
    setBusy(true);
}

void DialogSetupFile::restoreFinished(SetupTransfer::Outcome outcome)
{
    setBusy(false);
    const Pump pump = chosenPump();
    const auto names = [](const QVector<SetupRestore::Group> &groups) {
        QStringList list;
        for (SetupRestore::Group group : groups)
            list << SetupRestore::groupName(group);
        return list.isEmpty() ? tr("none") : list.join(QStringLiteral(", "));
    };
    switch (outcome) {
    case SetupTransfer::Outcome::Restored:
        showResult(tr("Restored: %1 holds every setting of the file.").arg(pump.name));
        Q_EMIT restored(pump.address);
        return;
    case SetupTransfer::Outcome::ReadFailed:
    case SetupTransfer::Outcome::WriteFailed:
        showResult(QString());
        MyMessageBox::warn(
            this,
            tr("The restore stopped: %1 did not answer. Written: %2. "
               "Not written: %3. The pump was not told to take the new "
               "settings; restore again to finish.")
                .arg(pump.name, names(m_transfer.written()), names(m_transfer.notWritten())));
        return;
    case SetupTransfer::Outcome::CommitFailed:
        showResult(QString());
        MyMessageBox::warn(this,
                           tr("Every setting was written, but %1 did not confirm taking "
                              "them; restore again to finish.")
                               .arg(pump.name));
        return;
    case SetupTransfer::Outcome::ReadBackFailed:
        showResult(QString());
        MyMessageBox::warn(this,
                           tr("The setup was written to %1, but reading it back failed, "
                              "so it is not checked. Read the pages to see what the pump "
                              "holds.")
                               .arg(pump.name));
        return;
    case SetupTransfer::Outcome::Differs: {
        showResult(QString());
        QStringList groups;
        for (const SetupRestore::Mismatch &mismatch : m_transfer.mismatches()) {
            const QString name = SetupRestore::groupName(mismatch.group);
            if (!groups.contains(name))
                groups << name;
        }
        MyMessageBox::warn(this,
                           tr("After the restore %1 holds other values than the file in: "
                              "%2.")
                               .arg(pump.name, groups.join(QStringLiteral(", "))));
        Q_EMIT restored(pump.address);
        return;
    }
    }
}
